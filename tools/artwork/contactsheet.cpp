// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "contactsheet.h"

#include "artwork.h"
#include "card.h"

#include <QPainter>
#include <QWidget>

namespace ContactSheet {

namespace {
const QColor Table(0, 128, 0);
constexpr int Gap = 8;

// A card painted by the card control itself, on a green parent as in a hand.
QImage PaintedCard(bool faced, TCardOrientation orientation) {
    QWidget parent;
    parent.setAutoFillBackground(true);
    QPalette pal = parent.palette();
    pal.setColor(QPalette::Window, Table);
    parent.setPalette(pal);
    parent.resize(TCard::CardHeight + 2 * Gap, TCard::CardHeight + 2 * Gap);
    TCard card(&parent);
    card.move(Gap, Gap);
    card.FaceBitmap = LoadCardBitmap(TCardSuit(2), TCardValue(7));
    card.SetFaced(faced);
    card.SetOrientation(orientation);
    QImage img(parent.size(), QImage::Format_RGB32);
    img.fill(Table);
    parent.render(&img);
    card.setParent(nullptr);
    return img.copy(0, 0, card.width() + 2 * Gap, card.height() + 2 * Gap);
}
} // namespace

QImage Render() {
    const int w1 = TCard::CardWidth, h1 = TCard::CardHeight;
    const int sheetWidth = Gap + 9 * (2 * w1 + Gap);
    const int faces1Height = Gap + 4 * (h1 + Gap);
    const int faces2Height = Gap + 4 * (2 * h1 + Gap);
    const int extrasHeight = 2 * Gap + 256;
    QImage sheet(sheetWidth, faces1Height + faces2Height + extrasHeight, QImage::Format_RGB32);
    sheet.fill(Table);
    QPainter p(&sheet);

    // The faces at ratio 1, suit by suit from six to ace.
    for (int suit = 0; suit < 4; ++suit)
        for (int value = 0; value < 9; ++value) {
            const QImage face = LoadCardBitmap(TCardSuit(suit), TCardValue(value));
            const QPoint at(Gap + value * (w1 + Gap), Gap + suit * (h1 + Gap));
            if (face.isNull())
                p.fillRect(QRect(at, QSize(w1, h1)), Qt::magenta);
            else
                p.drawImage(at, face);
        }
    // Beside them: a card face down upright and crosswise, and one face up, as painted.
    const int right = Gap + 9 * (w1 + Gap) + Gap;
    p.drawImage(right, 0, PaintedCard(false, coVertical));
    p.drawImage(right + w1 + 2 * Gap, 0, PaintedCard(true, coVertical));
    p.drawImage(right, h1 + 2 * Gap, PaintedCard(false, coHorisontal));

    // The double-size faces.
    for (int suit = 0; suit < 4; ++suit)
        for (int value = 0; value < 9; ++value) {
            const int id = CardBitmapIds[suit * 9 + value];
            QImage face = LoadCardBitmap2x(id);
            face.setDevicePixelRatio(1); // one pixel of the sheet per pixel of the picture
            const QPoint at(Gap + value * (2 * w1 + Gap),
                            faces1Height + Gap + suit * (2 * h1 + Gap));
            if (face.isNull())
                p.fillRect(QRect(at, QSize(2 * w1, 2 * h1)), Qt::magenta);
            else
                p.drawImage(at, face);
        }

    // The icons, on a light ground so that their own field shows.
    int x = Gap;
    const int y = faces1Height + faces2Height + Gap;
    p.fillRect(0, y - Gap / 2, sheetWidth, 256 + Gap, QColor(224, 224, 224));
    for (const char* name :
         {"vesk-32", "vesk-32@2x", "vesk-48", "vesk-64", "vesk-128", "vesk-256"}) {
        QImage icon(QStringLiteral(":/icons/%1.png").arg(QLatin1String(name)));
        icon.setDevicePixelRatio(1);
        if (icon.isNull()) {
            p.fillRect(x, y, 32, 32, Qt::magenta);
            x += 32 + Gap;
            continue;
        }
        p.drawImage(x, y, icon);
        x += icon.width() + Gap;
    }
    return sheet;
}

} // namespace ContactSheet

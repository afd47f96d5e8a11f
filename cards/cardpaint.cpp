// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "card.h"

#include "panel.h"

#include <QFrame>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>

namespace {
const QColor BackYellow(255, 255, 0);
const QColor HatchRed(255, 0, 0);
} // namespace

void TCard::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (FFaced && FOrientation == coVertical)
        PaintFace(p);
    else
        PaintBack(p);
}

namespace {
// A back drawn once per size, and the rows between its rounded ends, where every pixel is
// opaque, as an opaque copy: copying those is plain, only the ends need blending.
struct TBackPicture {
    QImage Back;   // transparent outside the outline
    QImage Opaque; // the same pixels without an alpha channel
    int From = 0;  // the first fully opaque row
    int To = 0;    // one past the last
};

void FindOpaqueRows(TBackPicture& b) {
    const QImage& img = b.Back;
    auto opaqueRow = [&img](int y) {
        const auto* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = 0; x < img.width(); ++x)
            if (qAlpha(line[x]) != 255)
                return false;
        return true;
    };
    b.From = 0;
    while (b.From < img.height() && !opaqueRow(b.From))
        ++b.From;
    b.To = b.From;
    while (b.To < img.height() && opaqueRow(b.To))
        ++b.To;
    b.Opaque = img.convertToFormat(QImage::Format_RGB32);
}
} // namespace

void TCard::PaintBack(QPainter& p) {
    // The two fills are drawn once per size and kept: the hatch is slow to rasterise, and
    // what is outside the outline stays transparent, so the result is the same pixels.
    const qreal ratio = devicePixelRatioF();
    static TBackPicture cache[2][2]; // [crosswise][dense]
    const bool dense = ratio >= 1.5;
    TBackPicture& picture = cache[FOrientation == coHorisontal][dense];
    QImage& back = picture.Back;
    if (back.isNull() || back.deviceIndependentSize() != QSizeF(size())) {
        back = QImage(size() * (dense ? 2 : 1), QImage::Format_ARGB32_Premultiplied);
        back.setDevicePixelRatio(dense ? 2 : 1);
        back.fill(Qt::transparent);
        QPainter bp(&back);
        // The pen is centred on the outline: inset by one pixel so the 2-pixel line stays inside.
        const QRect r = rect().adjusted(1, 1, -1, -1);
        bp.setPen(FPen);
        bp.setBrush(QBrush(BackYellow, Qt::SolidPattern));
        bp.drawRoundedRect(r, 5, 5);
        bp.setBrush(QBrush(HatchRed, Qt::DiagCrossPattern));
        bp.drawRoundedRect(r, 5, 5);
        bp.end();
        FindOpaqueRows(picture);
    }
    if (dense || p.deviceTransform().type() > QTransform::TxTranslate) {
        p.drawImage(0, 0, back);
        return;
    }
    // An empty source rectangle would mean the whole picture to drawImage: parts are skipped.
    const int w = back.width();
    const int h = back.height();
    if (picture.From > 0)
        p.drawImage(QPoint(0, 0), back, QRect(0, 0, w, picture.From));
    if (picture.To > picture.From)
        p.drawImage(QPoint(0, picture.From), picture.Opaque,
                    QRect(0, picture.From, w, picture.To - picture.From));
    if (h > picture.To)
        p.drawImage(QPoint(0, picture.To), back, QRect(0, picture.To, w, h - picture.To));
}

QColor TCard::ParentColorAt(QPoint at) const {
    QWidget* parent = parentWidget();
    if (!parent || !parent->rect().contains(at))
        return {};
    // A point under another card (or any other child but a label) shows none of the parent.
    // The place is tested first: most siblings lie elsewhere.
    for (const QObject* o : parent->children()) {
        const auto* w = qobject_cast<const QWidget*>(o);
        if (!w || w == this || !w->geometry().contains(at) || !w->isVisibleTo(parent) ||
            qobject_cast<const QLabel*>(w))
            continue;
        return {};
    }
    // A see-through parent (the stock pile) shows what lies under it.
    QWidget* shown = parent;
    QPoint p = at;
    while (!shown->autoFillBackground() && !PanelGround(shown).isValid() && !shown->isWindow() &&
           shown->parentWidget()) {
        p = shown->mapToParent(p);
        shown = shown->parentWidget();
    }
    // Inside a solid background the colour is known without painting anything.
    auto* frame = qobject_cast<QFrame*>(shown);
    const QColor own = PanelGround(shown);
    const QBrush ground =
        own.isValid() ? QBrush(own) : shown->palette().brush(shown->backgroundRole());
    if ((own.isValid() || shown->autoFillBackground()) && ground.style() == Qt::SolidPattern &&
        (!frame || frame->contentsRect().contains(p)))
        return ground.color();
    QImage one(1, 1, QImage::Format_RGB32);
    one.fill(Qt::black);
    // Only the parent's own painting, never a grab: that would repaint this card again.
    shown->render(&one, QPoint(), QRegion(p.x(), p.y(), 1, 1), QWidget::DrawWindowBackground);
    return QColor(one.pixel(0, 0));
}

void TCard::PaintFace(QPainter& p) {
    const int l = x();
    const int t = y();
    const int w = width();
    const int h = height();
    // Sampled before the copy, left/top one pixel out, right/bottom two.
    const QColor topLeft = ParentColorAt({l - 1, t - 1});
    const QColor bottomLeft = ParentColorAt({l - 1, t + h + 1});
    const QColor topRight = ParentColorAt({l + w + 1, t - 1});
    const QColor bottomRight = ParentColorAt({l + w + 1, t + h + 1});

    const qreal ratio = devicePixelRatioF();
    if (ratio >= 1.5 && !FaceBitmap2x.isNull())
        p.drawImage(QRectF(0, 0, w, h), FaceBitmap2x);
    else
        p.drawImage(0, 0, FaceBitmap);

    auto corner = [&p](const QColor& c, std::initializer_list<QPoint> points) {
        if (!c.isValid())
            return;
        for (const QPoint& pt : points)
            p.fillRect(pt.x(), pt.y(), 1, 1, c);
    };
    corner(topLeft, {{0, 0}, {1, 0}, {0, 1}});
    corner(topRight, {{w - 1, 0}, {w - 2, 0}, {w - 1, 1}});
    corner(bottomLeft, {{0, h - 1}, {0, h - 2}, {1, h - 1}});
    corner(bottomRight, {{w - 1, h - 1}, {w - 2, h - 1}, {w - 1, h - 2}});
}

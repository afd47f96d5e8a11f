// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "card.h"

#include "artwork.h"
#include "cardpicture.h"
#include "devicepixels.h"
#include "panel.h"
#include "pixelart.h"

#include <QFrame>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {
const QColor BackYellow(255, 255, 0);
const QColor HatchRed(255, 0, 0);
} // namespace

void TCard::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (ShowsFace())
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
    bool Crosswise = false;
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

// The rounded ends blended, the rows between them copied.
void DrawBackRows(QPainter& p, QPoint at, const TBackPicture& picture) {
    const QImage& back = picture.Back;
    // An empty source rectangle would mean the whole picture to drawImage: parts are skipped.
    const int w = back.width();
    const int h = back.height();
    if (picture.From > 0)
        p.drawImage(at, back, QRect(0, 0, w, picture.From));
    if (picture.To > picture.From)
        p.drawImage(at + QPoint(0, picture.From), picture.Opaque,
                    QRect(0, picture.From, w, picture.To - picture.From));
    if (h > picture.To)
        p.drawImage(at + QPoint(0, picture.To), back, QRect(0, picture.To, w, h - picture.To));
}

// The back of a card of `layout` size drawn at device resolution into `device` pixels: the
// outline, the fill and the hatch drawn at that size, not a smaller back enlarged. The
// outline keeps its two layout pixels and the hatch its spacing of 8, both rounded to whole
// device pixels so that every line has one width; the corner ellipse keeps 10 layout pixels.
QImage BackPicture(QSize device, QSize layout, const QPen& pen) {
    QImage back(device, QImage::Format_ARGB32_Premultiplied);
    back.fill(Qt::transparent);
    const qreal scale =
        std::min(qreal(device.width()) / layout.width(), qreal(device.height()) / layout.height());
    // The hatch as at ratio 1 (lines where x - y and x + y + 1 are multiples of 8), each line
    // `line` pixels wide across, repeating every `step` pixels.
    const int step = std::max(2, qRound(8 * scale));
    const int line = std::max(1, qRound(scale));
    QImage tile(step, step, QImage::Format_ARGB32_Premultiplied);
    tile.fill(Qt::transparent);
    for (int y = 0; y < step; ++y)
        for (int x = 0; x < step; ++x)
            if ((x - y + step) % step < line || (x + y) % step >= step - line)
                tile.setPixel(x, y, HatchRed.rgb());
    QPainter bp(&back);
    QPen outline = pen;
    const int width = std::max(1, qRound(pen.widthF() * scale));
    outline.setWidth(width);
    // Centred on the outline: inset by half the width so the line stays inside.
    const qreal inset = width / 2.0;
    const QRectF r = QRectF(QPointF(0, 0), QSizeF(device)).adjusted(inset, inset, -inset, -inset);
    const qreal radius = 5 * scale;
    bp.setPen(outline);
    bp.setBrush(QBrush(BackYellow, Qt::SolidPattern));
    bp.drawRoundedRect(r, radius, radius);
    bp.setBrush(QBrush(tile));
    bp.drawRoundedRect(r, radius, radius);
    return back;
}
} // namespace

void TCard::PaintBack(QPainter& p) {
    // The two fills are drawn once per size and kept: the hatch is slow to rasterise, and
    // what is outside the outline stays transparent, so the result is the same pixels.
    const qreal scale = DevicePixels::ScaleOf(p);
    if (p.deviceTransform().type() > QTransform::TxTranslate && scale > 0) {
        PaintBackAt(p);
        return;
    }
    static TBackPicture cache[2]; // [crosswise]
    TBackPicture& picture = cache[FOrientation == coHorisontal];
    QImage& back = picture.Back;
    if (back.isNull() || back.size() != size()) {
        back = QImage(size(), QImage::Format_ARGB32_Premultiplied);
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
    if (p.deviceTransform().type() > QTransform::TxTranslate) {
        p.drawImage(0, 0, back); // turned: the painter's way
        return;
    }
    DrawBackRows(p, QPoint(0, 0), picture);
}

// The back at a scale: drawn for the device pixels the card covers, copied pixel for pixel.
void TCard::PaintBackAt(QPainter& p) {
    const QRect device = DevicePixels::Covered(p, QRectF(rect()));
    if (device.isEmpty())
        return;
    // Kept for the sizes in use, upright and crosswise; one scale gives sizes a pixel apart.
    static std::vector<TBackPicture> cache;
    const TBackPicture* found = nullptr;
    for (auto it = cache.begin(); it != cache.end();) {
        const QSize kept = it->Back.size();
        const bool sameScale = it->Crosswise == (FOrientation == coHorisontal)
                                   ? std::abs(kept.width() - device.width()) <= 1 &&
                                         std::abs(kept.height() - device.height()) <= 1
                                   : std::abs(kept.width() - device.height()) <= 1 &&
                                         std::abs(kept.height() - device.width()) <= 1;
        if (!sameScale) {
            it = cache.erase(it);
            continue;
        }
        ++it;
    }
    for (const TBackPicture& b : cache)
        if (b.Back.size() == device.size() && b.Crosswise == (FOrientation == coHorisontal))
            found = &b;
    if (!found) {
        TBackPicture b;
        b.Crosswise = FOrientation == coHorisontal;
        b.Back = BackPicture(device.size(), size(), FPen);
        FindOpaqueRows(b);
        cache.push_back(std::move(b));
        found = &cache.back();
    }
    DevicePixels::TDeviceSpace space(p);
    DrawBackRows(p, device.topLeft(), *found);
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

    // Scaled (a zoomed table, a dense screen): the face made for the device pixels it covers.
    if (p.deviceTransform().type() > QTransform::TxTranslate && DevicePixels::ScaleOf(p) > 0) {
        PaintFaceAt(p, {topLeft, topRight, bottomLeft, bottomRight});
        return;
    }
    if (p.deviceTransform().type() > QTransform::TxTranslate && !FaceBitmap2x.isNull())
        p.drawImage(QRectF(0, 0, w, h), FaceBitmap2x); // turned: the painter's way
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

void TCard::PaintFaceAt(QPainter& p, const std::array<QColor, 4>& corners) {
    const QRect device = DevicePixels::Covered(p, QRectF(rect()));
    if (device.isEmpty() || FaceBitmap.isNull())
        return;
    // The pile's pictures are the generator's, and are made at any size; a picture set by hand
    // is only enlarged by whole factors and reduced.
    const int id =
        FCard.Value <= 8 && FCard.Suit <= 3 ? CardBitmapIds[FCard.Suit * 9 + FCard.Value] : -1;
    CardPictures::TFace own;
    const CardPictures::TFace* face = nullptr;
    if (id >= 0 && FaceBitmap.cacheKey() == LoadCardBitmap(id).cacheKey()) {
        face = &CardPictures::FaceAt(id, device.size());
    } else {
        const bool dense = !FaceBitmap2x.isNull() && device.width() > FaceBitmap.width();
        const QImage& source = dense ? FaceBitmap2x : FaceBitmap;
        const int base = dense ? 2 : 1;
        const int factor =
            std::max(1, std::max((device.width() + source.width() - 1) / source.width(),
                                 (device.height() + source.height() - 1) / source.height()));
        own = CardPictures::MakeFace(factor > 1 ? PixelArt::Blocks(source, factor) : source,
                                     base * factor, device.size());
        face = &own;
    }
    DevicePixels::TDeviceSpace space(p);
    const QPoint at = device.topLeft();
    p.drawImage(at, face->Opaque);
    // Where a corner's sample gave no colour, the picture's own white shows.
    for (int c = 0; c < 4; ++c) {
        const QRect patch(at + face->At[c], face->Corners[c].size());
        p.fillRect(patch, corners[c].isValid() ? corners[c] : QColor(Qt::white));
        p.drawImage(patch.topLeft(), face->Corners[c]);
    }
}

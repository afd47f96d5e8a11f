// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "card.h"

#include "panel.h"

#include <QFrame>
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

void TCard::PaintBack(QPainter& p) {
    // The two fills are drawn once per size and kept: the hatch is slow to rasterise, and
    // what is outside the outline stays transparent, so the result is the same pixels.
    const qreal ratio = devicePixelRatioF();
    static QImage cache[2][2]; // [crosswise][dense]
    const bool dense = ratio >= 1.5;
    QImage& back = cache[FOrientation == coHorisontal][dense];
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
    }
    p.drawImage(0, 0, back);
}

QColor TCard::ParentColorAt(QPoint at) const {
    QWidget* parent = parentWidget();
    if (!parent || !parent->rect().contains(at))
        return {};
    // A point under another card (or any other child but a label) shows none of the parent.
    for (const QObject* o : parent->children()) {
        const auto* w = qobject_cast<const QWidget*>(o);
        if (!w || w == this || !w->isVisibleTo(parent) || w->inherits("QLabel"))
            continue;
        if (w->geometry().contains(at))
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

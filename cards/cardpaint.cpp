#include "card.h"

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
    // The pen is centred on the outline: inset by one pixel so the 2-pixel line stays inside.
    const QRect r = rect().adjusted(1, 1, -1, -1);
    p.setPen(FPen);
    p.setBrush(QBrush(BackYellow, Qt::SolidPattern));
    p.drawRoundedRect(r, 5, 5);
    p.setBrush(QBrush(HatchRed, Qt::DiagCrossPattern));
    p.drawRoundedRect(r, 5, 5);
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
    QImage one(1, 1, QImage::Format_RGB32);
    one.fill(Qt::black);
    // Only the parent's own painting, never a grab: that would repaint this card again.
    parent->render(&one, QPoint(), QRegion(at.x(), at.y(), 1, 1), QWidget::DrawWindowBackground);
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

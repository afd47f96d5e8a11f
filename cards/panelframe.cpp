#include "panelframe.h"

#include "panel.h"

#include <QFrame>
#include <QPaintEvent>
#include <QPainter>

#include <map>
#include <tuple>

namespace {
using Look = std::tuple<int, int, qint64, QRgb, int, int, int, bool, bool>;

Look LookOf(const QFrame* panel) {
    const QColor ground = PanelGround(panel);
    return {panel->width(),
            panel->height(),
            panel->palette().cacheKey(),
            ground.isValid() ? ground.rgba() : 0u,
            panel->frameStyle(),
            panel->lineWidth(),
            panel->midLineWidth(),
            panel->isEnabled(),
            panel->isActiveWindow()};
}

std::map<Look, QImage>& Kept() {
    static std::map<Look, QImage> kept;
    return kept;
}
} // namespace

const QImage* KeptPanelPicture(const QFrame* panel) {
    const auto found = Kept().find(LookOf(panel));
    return found == Kept().end() ? nullptr : &found->second;
}

void PaintPanelFrame(QFrame* panel, QPaintEvent* event,
                     const std::function<void(QPainter*)>& drawFrame) {
    const QColor ground = PanelGround(panel);
    const QImage* picture = KeptPanelPicture(panel);
    if (!picture) {
        if (Kept().size() > 16)
            Kept().clear();
        QImage drawn(panel->size(), QImage::Format_RGB32);
        QPainter p(&drawn);
        if (ground.isValid())
            p.fillRect(drawn.rect(), ground);
        else
            p.fillRect(drawn.rect(), panel->palette().brush(panel->backgroundRole()));
        drawFrame(&p);
        p.end();
        picture = &Kept().emplace(LookOf(panel), std::move(drawn)).first->second;
    }
    const QRect all = panel->rect();
    const QRect inside = panel->contentsRect();
    const QRect strips[] = {
        QRect(all.left(), all.top(), all.width(), inside.top() - all.top()),
        QRect(all.left(), inside.bottom() + 1, all.width(), all.bottom() - inside.bottom()),
        QRect(all.left(), inside.top(), inside.left() - all.left(), inside.height()),
        QRect(inside.right() + 1, inside.top(), all.right() - inside.right(), inside.height()),
    };
    QPainter painter;
    // A ground of its own is filled here, as the background would be: filling is far quicker
    // than copying the picture.
    if (ground.isValid()) {
        const QRegion fill = event->region() & inside;
        if (!fill.isEmpty()) {
            painter.begin(panel);
            for (const QRect& r : fill)
                painter.fillRect(r, ground);
        }
    }
    for (const QRect& strip : strips) {
        if (strip.isEmpty() || !event->region().intersects(strip))
            continue;
        if (!painter.isActive())
            painter.begin(panel);
        painter.drawImage(strip.topLeft(), *picture, strip);
    }
}

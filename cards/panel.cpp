// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "panel.h"

#include "devicepixels.h"
#include "winframe.h"

#include <algorithm>

#include <QPaintEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>

TPanel::TPanel(QWidget* owner) : QFrame(owner) {}

void TPanel::SetGround(const QColor& ground) {
    FGround = ground;
    if (ground.isValid())
        setAutoFillBackground(false);
    setAttribute(Qt::WA_OpaquePaintEvent, ground.isValid());
    update();
}

void TPanel::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    // With a ground of its own the panel is opaque and fills what the repaint reaches.
    if (FGround.isValid())
        for (const QRect& r : event->region())
            p.fillRect(r, FGround);
    // A repaint inside the client area leaves the bevel as it is.
    if (contentsRect().contains(event->rect()))
        return;
    QStyleOptionFrame opt;
    initStyleOption(&opt);
    if (PlainBevel(opt, p)) {
        DrawWinPanelFrame(p, opt.rect, opt.palette, frameShadow() == QFrame::Sunken);
    } else if (ScaledBevel(opt, p)) {
        // Scaled (a zoomed table, a dense screen): the same bevel in device pixels, each line
        // the scale's whole number of pixels wide, so that all four sides match.
        const QRect device = DevicePixels::Covered(p, QRectF(opt.rect));
        const int line = std::max(1, qRound(DevicePixels::ScaleOf(p)));
        DevicePixels::TDeviceSpace space(p);
        DrawWinPanelFrame(p, device, opt.palette, frameShadow() == QFrame::Sunken, line);
    } else {
        drawFrame(&p);
    }
}

bool TPanel::ScaledBevel(const QStyleOptionFrame& opt, const QPainter& p) const {
    return DevicePixels::ScaleOf(p) > 0 && StyleBevel(opt);
}

bool TPanel::PlainBevel(const QStyleOptionFrame& opt, const QPainter& p) const {
    // The styles that draw this frame with qDrawWinPanel, unscaled (a dense screen or a scaled
    // render draws its lines thinner) and in solid colours; anything else goes the style's way.
    if (p.device()->devicePixelRatio() != 1 || p.deviceTransform().type() > QTransform::TxTranslate)
        return false;
    return StyleBevel(opt);
}

bool TPanel::StyleBevel(const QStyleOptionFrame& opt) const {
    if (frameShape() != QFrame::WinPanel || frameShadow() == QFrame::Plain)
        return false;
    const QString name = style()->name();
    if (name.compare(QLatin1String("fusion"), Qt::CaseInsensitive) != 0 &&
        name.compare(QLatin1String("windows"), Qt::CaseInsensitive) != 0)
        return false;
    for (auto role :
         {QPalette::Light, QPalette::Dark, QPalette::Midlight, QPalette::Shadow, QPalette::Button})
        if (opt.palette.color(role).alpha() != 255)
            return false;
    return true;
}

QColor PanelGround(const QWidget* w) {
    const auto* panel = qobject_cast<const TPanel*>(w);
    return panel ? panel->Ground() : QColor();
}

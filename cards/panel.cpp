// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "panel.h"

#include <QPaintEvent>
#include <QPainter>

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
    drawFrame(&p);
}

QColor PanelGround(const QWidget* w) {
    const auto* panel = qobject_cast<const TPanel*>(w);
    return panel ? panel->Ground() : QColor();
}

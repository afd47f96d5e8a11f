// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The few steps of a game that the zoom tests play at every size, and that made the 100 %
// pictures in tests/data/zoom from the window before it could zoom: the same steps, the same
// window, whatever the zoom.
#include "tfmain.h"

#include <QApplication>
#include <QMouseEvent>

#include <functional>

namespace ZoomScenario {

// A left click (or a double click) sent to the widget itself, at its middle.
inline void Send(QWidget* w, bool twice) {
    const QPointF at(w->width() / 2.0, w->height() / 2.0);
    auto send = [&](QEvent::Type type, Qt::MouseButtons held) {
        QMouseEvent e(type, at, w->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    };
    send(QEvent::MouseButtonPress, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, Qt::NoButton);
    if (twice) {
        send(QEvent::MouseButtonDblClick, Qt::LeftButton);
        send(QEvent::MouseButtonRelease, Qt::NoButton);
    }
}

// The stages, in order; `shot` is told the name of each one once the window is there.
// `deal` starts a game from the given seed with the person to lead.
inline void Play(TfMain& w, const std::function<void(std::uint32_t)>& deal,
                 const std::function<void(const char*)>& shot) {
    QApplication::processEvents();
    shot("start");
    deal(5);
    QApplication::processEvents();
    shot("dealt");
    // The person leads his first card; the computer answers; then two more to the table.
    for (int k = 0; k < 2; ++k) {
        if (w.PlayerPlace1->Cards.isEmpty())
            break;
        Send(w.PlayerPlace1->Cards[0], true);
        QApplication::processEvents();
    }
    // A card raised and left there.
    if (w.PlayerPlace1->Cards.size() > 2)
        Send(w.PlayerPlace1->Cards[2], false);
    QApplication::processEvents();
    shot("played");
}

} // namespace ZoomScenario

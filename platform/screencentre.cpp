// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "screencentre.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace vesk {

void CentreOnScreen(QWidget* window) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect r = window->frameGeometry();
    r.moveCenter(screen->availableGeometry().center());
    window->move(r.topLeft());
}

} // namespace vesk

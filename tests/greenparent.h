// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QPalette>
#include <QWidget>

// The table's green, and a plain parent filled with it, for the cards' pictures and corners.
inline const QColor Green(0, 128, 0);

inline QWidget* GreenParent(QWidget* owner = nullptr) {
    auto* w = new QWidget(owner);
    w->resize(300, 300);
    w->setAutoFillBackground(true);
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, Green);
    w->setPalette(pal);
    return w;
}

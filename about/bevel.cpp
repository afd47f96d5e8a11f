// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bevel.h"

#include <QPainter>

void TBevel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setPen(QColor(128, 128, 128));
    p.drawLine(0, 0, width() - 1, 0);
    p.setPen(Qt::white);
    p.drawLine(0, 1, width() - 1, 1);
}

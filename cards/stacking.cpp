// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "stacking.h"

#include <QWidget>

void RaiseInOrder(const QList<QWidget*>& order) {
    if (order.isEmpty())
        return;
    QWidget* parent = order.first()->parentWidget();
    // The leading widgets already topmost and in order stay; the rest are raised one by one.
    qsizetype kept = 0;
    if (parent) {
        const QObjectList& kids = parent->children();
        qsizetype from = kids.indexOf(order.first());
        bool onlyOurs = from >= 0;
        for (qsizetype i = from; onlyOurs && i < kids.size(); ++i)
            onlyOurs = order.contains(kids[i]);
        if (onlyOurs) {
            qsizetype at = from;
            kept = 1;
            while (kept < order.size()) {
                const qsizetype next = kids.indexOf(order[kept]);
                if (next < at)
                    break;
                at = next;
                ++kept;
            }
        }
    }
    for (qsizetype i = kept; i < order.size(); ++i)
        order[i]->raise();
}

// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>

class QWidget;

// Stacks the widgets, all children of one parent, on top of its other children in the given
// order, as raising each in turn would, but raises only those not already in place: a raise
// repaints the widget even when nothing moved.
void RaiseInOrder(const QList<QWidget*>& order);

template <typename W> void RaiseInOrder(const QList<W*>& order) {
    RaiseInOrder(QList<QWidget*>(order.begin(), order.end()));
}

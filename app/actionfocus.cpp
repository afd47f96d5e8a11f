// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "actionfocus.h"

#include <QEvent>
#include <QPushButton>

TActionFocus::TActionFocus(QPushButton* button, QWidget* parking)
    : QObject(button), FButton(button), FParking(parking) {
    button->installEventFilter(this);
}

bool TActionFocus::eventFilter(QObject* watched, QEvent* event) {
    if (watched != FButton || event->type() != QEvent::EnabledChange || !FParking)
        return false;
    // Qt has already moved the focus on when this arrives: a disabled button that held it
    // leaves the window with none, there being nothing else to take it.
    QWidget* focus = FButton->window()->focusWidget();
    if (!FButton->isEnabled()) {
        if (!focus) {
            FParking->setFocus(Qt::OtherFocusReason);
            FParked = true;
        }
    } else if (!focus || (FParked && focus == FParking)) {
        FButton->setFocus(Qt::OtherFocusReason);
        FParked = false;
    }
    return false;
}

// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QPointer>

class QPushButton;
class QWidget;

// Disabling a button that holds the focus leaves the window with no focus at all, and Space
// would not press the button again once it is enabled. The focus waits on `parking` while the
// button is disabled and comes back to the button when it is enabled.
class TActionFocus : public QObject {
public:
    TActionFocus(QPushButton* button, QWidget* parking);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPushButton* FButton;
    QPointer<QWidget> FParking;
    bool FParked = false;
};

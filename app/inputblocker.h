// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

// While it lives, the application takes no mouse, key or shortcut input: the window keeps
// painting (and does not turn grey as a disabled window would).
class TInputBlocker : public QObject {
public:
    TInputBlocker();
    ~TInputBlocker() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

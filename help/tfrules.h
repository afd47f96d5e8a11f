// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>
#include <QPushButton>
#include <QTextBrowser>

// The rules of the game as this program plays them, and how to play with the mouse and the
// keys: a scrollable text with one button. Esc, Enter or the close box closes it.
class TfRules : public QDialog {
    Q_OBJECT

public:
    explicit TfRules(QWidget* owner);

    QTextBrowser* tText = nullptr;
    QPushButton* bbtClose = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

extern TfRules* fRules;

// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>
#include <QStringList>

#include <vector>

class QPushButton;
class QTableWidget;

// The detailed statistics: a read-only table by opponent and rule set, and "ОК". Filled by
// the main window.
class TfBreakdown : public QDialog {
    Q_OBJECT

public:
    explicit TfBreakdown(QWidget* owner);

    void Fill(const QStringList& header, const std::vector<QStringList>& rows);

    QTableWidget* Table = nullptr;
    QPushButton* OkButton = nullptr;
};

extern TfBreakdown* fBreakdown;

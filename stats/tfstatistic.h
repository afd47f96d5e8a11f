// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

// Modal results of the dialog's buttons and close box.
enum TModalResult : int { mrNone = 0, mrOk = 1, mrCancel = 2, mrYes = 6 };

// The statistics dialog: games played, drawn, won and lost with their shares. It has no
// behaviour of its own; the main window fills it and acts on its result.
class TfStatistic : public QDialog {
    Q_OBJECT

public:
    explicit TfStatistic(QWidget* owner);

    // The components, in the order of the layout.
    QFrame* Panel5 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* lGamesTotal = nullptr;
    QFrame* Panel1 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* lDrawTotal = nullptr;
    QFrame* Panel3 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* lWinsTotal = nullptr;
    QFrame* Panel4 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* lLoseTotal = nullptr;
    QFrame* Panel2 = nullptr;
    QPushButton* BitBtn2 = nullptr; // "ОК"
    QPushButton* BitBtn1 = nullptr; // "Очистить"

public slots:
    // The close box (and Escape) ends the dialog with Cancel.
    void reject() override;

private:
    QFrame* AddRow(int top, const QString& caption, QLabel*& captionLabel, QLabel*& valueLabel,
                   const QString& value);
    QPushButton* AddButton(int left, const QString& caption, const QIcon& glyph, int result);
};

extern TfStatistic* fStatistic;

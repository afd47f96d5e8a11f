// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tfmain.h"

#include "breakdowntext.h"
#include "modal.h"
#include "numformat.h"
#include "tfbreakdown.h"
#include "tfstatistic.h"

#include <QAction>
#include <QMenu>

void TfMain::mmStatisticClick() {
    vesk::TDialogOnce<TfStatistic> dialog(fStatistic, new TfStatistic(this));

    const std::int32_t total = vesk::WrappingSum(Draw, Wins, Lose);
    fStatistic->lGamesTotal->setText(QString::number(total));
    // A total of 0 or less (counters edited by hand) leaves the shares unfilled.
    if (double(total) > 0.01) {
        fStatistic->lDrawTotal->setText(vesk::ShareText(Draw, total));
        fStatistic->lWinsTotal->setText(vesk::ShareText(Wins, total));
        fStatistic->lLoseTotal->setText(vesk::ShareText(Lose, total));
    }

    // The breakdown goes with the totals, so that the two always agree.
    if (dialog.Exec() == mrYes) {
        FScore.Clear();
        FBreakdown.Clear();
    }
}

void TfMain::CreateBreakdownMenu() {
    mmBreakdown = new QAction(QStringLiteral("Подробная статистика..."), this);
    mmBreakdown->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F3));
    mmBreakdown->setShortcutContext(Qt::WindowShortcut);
    N1->insertAction(N2, mmBreakdown);
    connect(mmBreakdown, &QAction::triggered, this,
            [this] { Handler([this] { mmBreakdownClick(); }); });
}

void TfMain::mmBreakdownClick() {
    vesk::TDialogOnce<TfBreakdown> dialog(fBreakdown, new TfBreakdown(this));
    fBreakdown->Fill(BreakdownHeader(), BreakdownRows(FBreakdown, Wins, Lose, Draw));
    dialog.Exec();
}

// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tfmain.h"

#include "modal.h"
#include "numformat.h"
#include "tfstatistic.h"

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

    if (dialog.Exec() == mrYes)
        FScore.Clear();
}

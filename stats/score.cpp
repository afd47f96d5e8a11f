// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "score.h"

#include "registry.h"

namespace {
const QString WinsName = QStringLiteral("Wins");
const QString LoseName = QStringLiteral("Lose");
const QString DrawName = QStringLiteral("Draw");
} // namespace

void TScore::Count(TOutcome outcome) {
    switch (outcome) {
    case ocDraw:
        ++Draw;
        break;
    case ocWon:
        ++Wins;
        break;
    case ocLost:
        ++Lose;
        break;
    case ocNone:
        break;
    }
}

void TScore::Clear() {
    Wins = Lose = Draw = 0;
    FUnread = 0;
}

void TScore::Load(vesk::TRegistry& reg) {
    auto counter = [&](const QString& name, std::uint8_t bit, std::int32_t& field) {
        if (reg.ValueExists(name))
            field = reg.ReadInteger(name);
        FUnread &= std::uint8_t(~bit);
    };
    counter(WinsName, uvWins, Wins);
    counter(LoseName, uvLose, Lose);
    counter(DrawName, uvDraw, Draw);
}

void TScore::Save(vesk::TRegistry& reg) const {
    // A value the load could not read stays as it is in the file, unless this run has changed
    // it: a counter that is no longer 0, or cleared.
    auto counter = [&](const QString& name, std::uint8_t bit, std::int32_t field) {
        if (!(FUnread & bit) || field != 0)
            reg.WriteInteger(name, field);
    };
    counter(WinsName, uvWins, Wins);
    counter(LoseName, uvLose, Lose);
    counter(DrawName, uvDraw, Draw);
}

// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "breakdown.h"

#include "numformat.h"
#include "registry.h"

#include <QString>

#include <algorithm>

namespace {
// "RulesThrowInWins" ... "StrongTransferStreak": opponent, rule set, field.
const char* const OpponentNames[] = {"Rules", "Strong"};
const char* const RuleSetNames[] = {"ThrowIn", "Transfer"};
const char* const FieldNames[] = {"Wins", "Lose", "Draw", "BestStreak", "Streak"};
constexpr int FieldCount = int(std::size(FieldNames));

std::int32_t* Fields(TRecord& r, int field) {
    std::int32_t* const fields[FieldCount] = {&r.Wins, &r.Lose, &r.Draw, &r.BestStreak, &r.Streak};
    return fields[field];
}

QString NameOf(int index, int field) {
    return QString::fromLatin1(OpponentNames[index / TBreakdown::RuleSetCount]) +
           QString::fromLatin1(RuleSetNames[index % TBreakdown::RuleSetCount]) +
           QString::fromLatin1(FieldNames[field]);
}
} // namespace

std::int32_t TRecord::Games() const {
    return vesk::WrappingSum(Wins, Lose, Draw);
}

void TRecord::Count(TOutcome outcome) {
    switch (outcome) {
    case ocWon:
        ++Wins;
        Streak = Streak > 0 ? Streak + 1 : 1;
        BestStreak = std::max(BestStreak, Streak);
        break;
    case ocLost:
        ++Lose;
        Streak = Streak < 0 ? Streak - 1 : -1;
        break;
    case ocDraw:
        ++Draw;
        Streak = 0;
        break;
    case ocNone:
        break;
    }
}

void TBreakdown::Count(TOpponent opponent, TRuleSet rules, TOutcome outcome) {
    if (outcome == ocNone)
        return;
    const int i = Index(opponent, rules);
    FRecords[i].Count(outcome);
    FChanged[i] = true;
}

void TBreakdown::Clear() {
    FRecords.fill(TRecord{});
    FChanged.fill(true);
}

void TBreakdown::ForgetLoad() {
    FRead.fill(false);
    FStored.fill(false);
    FChanged.fill(false);
}

void TBreakdown::Load(vesk::TRegistry& reg) {
    for (int i = 0; i < int(FRecords.size()); ++i) {
        // Read whole into a copy: a record half read when an error comes stays unread.
        TRecord r;
        bool stored = false;
        for (int f = 0; f < FieldCount; ++f) {
            const QString name = NameOf(i, f);
            if (reg.ValueExists(name)) {
                *Fields(r, f) = reg.ReadInteger(name);
                stored = true;
            }
        }
        FRecords[i] = r;
        FRead[i] = true;
        FStored[i] = stored;
    }
}

void TBreakdown::Save(vesk::TRegistry& reg) const {
    for (int i = 0; i < int(FRecords.size()); ++i) {
        const bool write = FChanged[i] ? (FStored[i] || !FRead[i] || FRecords[i] != TRecord{})
                                       : FRead[i] && FStored[i];
        if (!write)
            continue;
        TRecord r = FRecords[i];
        for (int f = 0; f < FieldCount; ++f)
            reg.WriteInteger(NameOf(i, f), *Fields(r, f));
    }
}

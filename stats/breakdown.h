// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "gameview.h"

#include <array>
#include <cstdint>

namespace vesk {
class TRegistry;
}

// Who sat in the computer's seat, and which game was played.
enum TOpponent : std::uint8_t { opRules, opStrong };
enum TRuleSet : std::uint8_t { rsThrowIn, rsTransfer };

// One opponent's record in one rule set, from the person's side.
struct TRecord {
    std::int32_t Wins = 0;
    std::int32_t Lose = 0;
    std::int32_t Draw = 0;
    std::int32_t BestStreak = 0; // the most games won in a row
    std::int32_t Streak = 0;     // n > 0: the last n games won; n < 0: the last -n lost

    std::int32_t Games() const;
    void Count(TOutcome outcome);
    bool operator==(const TRecord&) const = default;
};

// The games counted by opponent and rule set, and their store beside the totals. A record the
// load could not read stays as it is in the file unless this run counted a game in it or
// cleared it; a record with no games that was never stored is not written.
class TBreakdown {
public:
    static constexpr int OpponentCount = 2;
    static constexpr int RuleSetCount = 2;

    const TRecord& At(TOpponent opponent, TRuleSet rules) const {
        return FRecords[Index(opponent, rules)];
    }
    void Count(TOpponent opponent, TRuleSet rules, TOutcome outcome);
    // With the totals' "Очистить": every record written as cleared at exit.
    void Clear();

    void ForgetLoad();
    // Reads the records from the open key; an error (thrown) leaves the rest unread.
    void Load(vesk::TRegistry& reg);
    void Save(vesk::TRegistry& reg) const;

private:
    static int Index(TOpponent opponent, TRuleSet rules) { return opponent * RuleSetCount + rules; }

    std::array<TRecord, OpponentCount * RuleSetCount> FRecords{};
    // Per record: read from the file (or found missing), changed by this run.
    std::array<bool, OpponentCount * RuleSetCount> FRead{};
    std::array<bool, OpponentCount * RuleSetCount> FStored{};
    std::array<bool, OpponentCount * RuleSetCount> FChanged{};
};

// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "cardlist.h"

#include <cstdint>

// The table: the attacking and beating cards of the current bout.
class TTable {
public:
    TCardList Cards;   // every card of the bout, in the order laid
    TCardList Attack;  // led and thrown-in cards
    TCardList Defence; // beating cards

    int AttackCount() const { return Attack.size(); }
    int DefenceCount() const { return Defence.size(); }
    bool HasUnbeaten() const { return Attack.size() > Defence.size(); }
    int Unbeaten() const { return Attack.size() - Defence.size(); }
    // The unbeaten cards are as many as the defender holds: nothing more may be laid on them.
    // A game never lays more than that, so "as many" and "at least as many" are the same.
    bool NoRoomFor(int defenderCards) const { return Unbeaten() >= defenderCards; }
    // The card to beat next: the leftmost unbeaten one (while the defender beats there is one
    // in the throw-in game, the last attacking card); only asked for while there is one.
    TCardId UnbeatenCard() const { return Attack[Defence.size()]; }

    // A bout holds at most five attacking cards until the first bout is closed, six after.
    static constexpr int Limit(bool firstBout) { return firstBout ? 5 : 6; }
    bool Full(bool firstBout) const { return AttackCount() >= Limit(firstBout); }

    // Some card on the table has the value.
    bool HasValue(TCardValue v) const { return FValues & (1u << v); }
    // The values lying on the table, bit v for value v.
    std::uint16_t Values() const { return FValues; }

    void PutAttack(TCardId c) {
        Attack.push_back(c);
        Cards.push_back(c);
        FValues |= std::uint16_t(1u << c.Value);
    }
    void PutDefence(TCardId c) {
        Defence.push_back(c);
        Cards.push_back(c);
        FValues |= std::uint16_t(1u << c.Value);
    }
    void ClearTable() {
        Cards.clear();
        Attack.clear();
        Defence.clear();
        FValues = 0;
    }

private:
    std::uint16_t FValues = 0; // the values lying on the table, a bit each
};

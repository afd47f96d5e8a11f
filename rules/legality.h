// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "cardid.h"
#include "table.h"

#include <cstdint>

// Whether a beats u: a higher card of its suit, or a trump against another suit.
constexpr bool Beats(TCardId a, TCardId u, TCardSuit trump) {
    if (a.Suit == u.Suit)
        return a.Value > u.Value;
    return a.Suit == trump;
}

// Some card on the table, attacking or beating, has the value.
inline bool ValueOnTable(const TTable& table, TCardValue value) {
    return table.HasValue(value);
}

// Whether the card may be laid now: kind 1 as an attacking card (a lead or a throw-in), kind 2
// as the beater of the unbeaten card. The limit set by the defender's hand is the callers'.
// Inline: the computer's choices ask it for every card of a hand.
inline bool CanPlay(std::uint8_t kind, TCardId card, const TTable& table, bool firstBout,
                    TCardSuit trump) {
    if (kind == 1) {
        if (table.Full(firstBout))
            return false;
        if (table.AttackCount() == 0)
            return true;
        return ValueOnTable(table, card.Value);
    }
    if (kind == 2) {
        if (!table.HasUnbeaten())
            return false; // nothing to beat: no card may be laid as a beater
        return Beats(card, table.UnbeatenCard(), trump);
    }
    return false;
}

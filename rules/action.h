// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "position.h"

#include <array>
#include <cstdint>

// What a seat can do: lay the card at an index of its hand, or press what the button would
// say for it (take the table; close a beaten bout; throw in no more while the other takes);
// in the transfer game also pass the attack on with the card at an index.
enum TActionKind : std::uint8_t { akCard, akTake, akBeaten, akNoMore, akTransfer };

struct TAction {
    TActionKind Kind = akCard;
    std::int8_t Index = -1; // in the acting seat's hand, for akCard and akTransfer

    static constexpr TAction Card(int index) { return {akCard, std::int8_t(index)}; }
    static constexpr TAction Take() { return {akTake, -1}; }
    static constexpr TAction Beaten() { return {akBeaten, -1}; }
    static constexpr TAction NoMore() { return {akNoMore, -1}; }
    static constexpr TAction Transfer(int index) { return {akTransfer, std::int8_t(index)}; }
    constexpr bool LaysCard() const { return Kind == akCard || Kind == akTransfer; }
    constexpr bool operator==(const TAction&) const = default;
};

// The legal actions at one moment: the cards in hand order, the transfers in hand order, then
// the action that lays none. A hand holds at most 36 - 1 cards, and at most three of them may
// transfer.
struct TActions {
    std::array<TAction, 40> Items{};
    int Count = 0;
    void Add(TAction a) { Items[Count++] = a; }
    const TAction* begin() const { return Items.data(); }
    const TAction* end() const { return Items.data() + Count; }
    bool Contains(TAction a) const {
        for (const TAction x : *this)
            if (x == a)
                return true;
        return false;
    }
};

// Who must act now: a seat, or nobody (no game yet, or the game is over).
enum TActor : std::uint8_t { acMan = ptMan, acCPU = ptCPU, acNobody = 2 };

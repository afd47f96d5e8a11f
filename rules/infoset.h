// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "cardset.h"
#include "game.h"
#include "splitmix.h"

#include <array>
#include <cstdint>

// What one seat may know of a game: its own hand, the table, the discarded cards, the trump
// card while the stock holds it, the cards the other hand took in sight and still holds, and
// how many cards the stock and the other hand hold. The game it keeps has the unseen cards in
// a fixed order, so two games that look alike to the seat give the same view; the other
// hand's hidden cards and the stock's order are never read but through it.
class TInfoSet {
public:
    TInfoSet(const TGame& game, TVeskPlayerType seat);

    TVeskPlayerType Seat() const { return FSeat; }
    // The game with the unseen cards laid out in card order: the other hand takes the first
    // of them, the stock above its trump card the rest.
    const TGame& Base() const { return FBase; }
    // Cards hidden from the seat: in the other hand, unshown, or in the stock above its bottom.
    TCardSet Unseen() const { return FUnseen; }
    int HiddenInHand() const { return FHidden; }
    // A hash of what the seat knows and of the deal's seed: the searches' randomness.
    std::uint64_t Key() const { return FKey; }

    // A game that agrees with everything the seat knows, the unseen cards dealt at random.
    void Deal(TGame& out, TSplitMix& random) const;

private:
    void Place(TGame& game, const std::array<TCardId, 36>& order) const;

    TVeskPlayerType FSeat;
    TGame FBase;
    TCardSet FUnseen = 0;
    int FHidden = 0;
    std::uint64_t FKey = 0;
    std::array<TCardId, 36> FOrder{}; // the unseen cards in card order
    int FCount = 0;
};

// Lays the cards of a set into a hand in hand order.
void FillHand(THand& hand, TCardSet cards, TCardSuit trump);

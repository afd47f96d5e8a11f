// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "cardlist.h"
#include "cardset.h"
#include "handbits.h"

// A player's hand: its cards always in hand order for the game's trump; a card's index is its
// position in that order. A hand in hand order is kept as rank bits, on which insertion,
// extraction and the computer's choices are a few bit operations; its list is written out
// only when someone reads it.
class THand {
public:
    const TCardList& Cards() const;
    TCardId Card(int index) const {
        return FOrdered ? handbits::CardOfRank(handbits::Select(FRanks, index), FTrump)
                        : FCards[index];
    }
    int CardCount() const { return FCount; }
    // The cards as a set of cards.
    TCardSet Set() const;
    void Clear();
    // Puts the card in its place in hand order; returns that place.
    int AddCard(TCardId card, TCardSuit trump) {
        if (FCount == 0)
            FTrump = trump;
        const int rank = HandRank(card, trump);
        if (!FOrdered || trump != FTrump || (FRanks >> rank & 1))
            return AddUnordered(card, trump);
        ++FCount;
        FRanks |= handbits::TBits(1) << rank;
        FListed = false;
        return handbits::IndexOf(FRanks, rank);
    }
    TCardId ExtractCard(int index) {
        if (!FOrdered)
            return ExtractUnordered(index);
        --FCount;
        const int rank = handbits::Select(FRanks, index);
        FRanks &= ~(handbits::TBits(1) << rank);
        FListed = false;
        return handbits::CardOfRank(rank, FTrump);
    }
    // Takes out the card at the index, which the caller has read from it already.
    void RemoveCard(int index, TCardId card) {
        if (!FOrdered) {
            ExtractUnordered(index);
            return;
        }
        --FCount;
        FRanks &= ~(handbits::TBits(1) << HandRank(card, FTrump));
        FListed = false;
    }
    // The cards exactly as listed, in hand order or not (positions written for a test).
    void SetCards(const TCardList& cards, TCardSuit trump);
    // The cards' rank bits; false when the list is not in hand order for one trump.
    bool RankBits(handbits::TBits& bits) const {
        bits = FRanks;
        return FOrdered;
    }
    // The lowest card of the suit whose value is at least bound, or -1.
    int FindMinCard(TCardValue bound, TCardSuit suit) const;
    // The highest card of the suit whose value is at most bound, or -1.
    int FindMaxCard(TCardValue bound, TCardSuit suit) const;

private:
    // Out of hand order (a duplicate, another trump, a list set as given): the list alone.
    int AddUnordered(TCardId card, TCardSuit trump);
    TCardId ExtractUnordered(int index);

    handbits::TBits FRanks = 0; // while FOrdered
    mutable TCardList FCards;   // while FOrdered, written out when read after a change
    mutable bool FListed = true;
    bool FOrdered = true;
    TCardSuit FTrump = 0;
    std::uint8_t FCount = 0;
};

// The lowest card of the suit at or above bound in a list in hand order, or -1; on equal
// values the first. FindMaxCard likewise from the top.
int FindMinCard(const TCardList& cards, TCardValue bound, TCardSuit suit);
int FindMaxCard(const TCardList& cards, TCardValue bound, TCardSuit suit);

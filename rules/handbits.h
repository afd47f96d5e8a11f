// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "cardid.h"
#include "cardlist.h"
#include "cardset.h"

#include <cstdint>

// A hand in hand order as bits, one per HandRank: the computer's choices become a few bit
// operations instead of walks with a branch per card. A card's index in the hand is the number
// of cards ranked below it.
namespace handbits {

using TBits = std::uint64_t;

constexpr TBits Block = 0x1ff;                // the nine values of one suit
constexpr TBits Plain = (TBits(1) << 27) - 1; // the three plain suits
constexpr TBits Column = TBits(1) | TBits(1) << 9 | TBits(1) << 18 | TBits(1) << 27; // one value

// The hand's bits; false when the list is not in hand order (its indices are not ranks then).
inline bool Of(const TCardList& cards, TCardSuit trump, TBits& bits) {
    TBits b = 0;
    int last = -1;
    bool ordered = true;
    for (const TCardId c : cards) {
        const int rank = HandRank(c, trump);
        ordered &= rank > last;
        last = rank;
        b |= TBits(1) << rank;
    }
    bits = b;
    return ordered;
}

// The card of a rank for the trump.
constexpr TCardId CardOfRank(int rank, TCardSuit trump) {
    const int block = rank / 9;
    const int suit = block == 3 ? trump : block + int(block >= trump);
    return {TCardSuit(suit), TCardValue(rank - block * 9)};
}

// The rank of the set bit with this index, counted from the lowest, without a loop: each byte's
// count and the running total tell the byte, a table the bit within it.
inline int Select(TBits b, int index) {
    static constexpr auto InByte = [] {
        struct {
            std::uint8_t At[256][8];
        } t{};
        for (int v = 0; v < 256; ++v)
            for (int i = 0, k = 0; i < 8; ++i)
                if (v >> i & 1)
                    t.At[v][k++] = std::uint8_t(i);
        return t;
    }();
    constexpr TBits Ones = 0x0101010101010101u;
    const TBits running = ByteCounts(b) * Ones; // byte j: the bits set in bytes 0..j
    // The bytes whose running total is still at most index come before the one sought.
    const TBits below =
        ((TBits(index) * Ones | 0x8080808080808080u) - running) & 0x8080808080808080u;
    const int byte = int(((below >> 7) * Ones) >> 56);
    const int before = int((running << 8) >> (byte * 8) & 0xff);
    return byte * 8 + InByte.At[(b >> (byte * 8)) & 0xff][index - before];
}

inline int IndexOf(TBits hand, int rank) {
    return CardCount(hand & ((TBits(1) << rank) - 1));
}

// The values held, bit v for value v.
inline unsigned Values(TBits b) {
    return unsigned((b | b >> 9 | b >> 18 | b >> 27) & Block);
}

// The values held at least twice.
inline unsigned Pairs(TBits b) {
    const unsigned s0 = unsigned(b & Block), s1 = unsigned(b >> 9 & Block);
    const unsigned s2 = unsigned(b >> 18 & Block), s3 = unsigned(b >> 27 & Block);
    return (s0 & s1) | (s2 & s3) | ((s0 | s1) & (s2 | s3));
}

// The first and the last card in hand order of a value held.
inline int FirstOfValue(TBits b, int value) {
    return __builtin_ctzll(b & (Column << value));
}
inline int LastOfValue(TBits b, int value) {
    return 63 - __builtin_clzll(b & (Column << value));
}

} // namespace handbits

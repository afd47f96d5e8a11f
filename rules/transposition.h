// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <vector>

// Game values as the solver counts them: the person's seat's outcome.
constexpr int LostValue = -1;
constexpr int DrawnValue = 0;
constexpr int WonValue = 1;
// No move remembered for a position.
constexpr int NoMove = -2;

// What a search learnt of one position: the value lies within [Lower, Upper], and the move
// that did best. Nothing known is the whole range.
struct TBounds {
    int Lower = LostValue;
    int Upper = WonValue;
    int Move = NoMove;

    bool Exact() const { return Lower == Upper; }
};

// The positions already valued, by a key and a check of a second hash; one slot per key,
// a new position taking the slot of an old one.
class TTranspositionTable {
public:
    explicit TTranspositionTable(int bits);

    // The bounds known for the position; the whole range and no move when it is not there.
    TBounds Probe(std::uint64_t key, std::uint32_t check) const;
    // A search of the window (alpha, beta) found best by the move: at most best when it failed
    // low, at least best when it failed high, exactly best within. Narrows what is known.
    void Store(std::uint64_t key, std::uint32_t check, int alpha, int beta, int best, int move);

    // Forgets everything.
    void Clear();
    // Slots: none until the first Probe or Store.
    std::size_t Slots() const { return FSlots.size(); }

private:
    struct TSlot {
        std::uint64_t Key = 0;
        std::uint32_t Check = 0;
        bool Used = false;
        std::int8_t Lower = LostValue;
        std::int8_t Upper = WonValue;
        std::int8_t Move = NoMove;
    };
    TSlot& SlotOf(std::uint64_t key);

    std::vector<TSlot> FSlots; // made when first needed: FMask + 1 of them
    std::uint64_t FMask;
};

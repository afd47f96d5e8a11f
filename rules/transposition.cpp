// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "transposition.h"

#include <algorithm>

TTranspositionTable::TTranspositionTable(int bits) : FMask((std::uint64_t(1) << bits) - 1) {}

TTranspositionTable::TSlot& TTranspositionTable::SlotOf(std::uint64_t key) {
    // Made at the first search: a window whose person never picks the strong opponent, or
    // whose games never reach an endgame, does not carry it.
    if (FSlots.empty())
        FSlots.resize(std::size_t(FMask) + 1);
    return FSlots[key & FMask];
}

TBounds TTranspositionTable::Probe(std::uint64_t key, std::uint32_t check) const {
    if (FSlots.empty())
        return {};
    const TSlot& s = FSlots[key & FMask];
    if (!s.Used || s.Key != key || s.Check != check)
        return {};
    return {s.Lower, s.Upper, s.Move};
}

void TTranspositionTable::Store(std::uint64_t key, std::uint32_t check, int alpha, int beta,
                                int best, int move) {
    TSlot& s = SlotOf(key);
    if (!(s.Used && s.Key == key && s.Check == check))
        s = TSlot{key, check, true};
    if (best <= alpha)
        s.Upper = std::int8_t(std::min<int>(s.Upper, best));
    else if (best >= beta)
        s.Lower = std::int8_t(std::max<int>(s.Lower, best));
    else
        s.Lower = s.Upper = std::int8_t(best);
    s.Move = std::int8_t(move);
}

void TTranspositionTable::Clear() {
    std::fill(FSlots.begin(), FSlots.end(), TSlot{});
}

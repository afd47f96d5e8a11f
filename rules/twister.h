// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <optional>
#include <random>

// The first outputs of std::mt19937 for a seed, the same numbers, without computing the whole
// 624-word state: a deal needs about 36 of them, and whole games are played by the hundred
// thousand. Past the first 227 outputs it falls back to the standard engine.
class TTwister {
public:
    explicit TTwister(std::uint32_t seed);
    std::uint32_t operator()();

private:
    static constexpr int Lazy = 227; // outputs that need only untwisted words
    void InitTo(int n);

    std::uint32_t FState[624];
    int FInit = 0;                         // words of the initial state computed so far
    int FNext = 0;                         // outputs given
    std::optional<std::mt19937> FFallback; // built only when needed
    std::uint32_t FSeed;
};

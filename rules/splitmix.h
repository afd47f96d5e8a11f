// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

// A small, fast generator whose numbers are the same on every machine and library: the
// searches draw their samples from it, seeded from the deal and what the player knows.
class TSplitMix {
public:
    explicit TSplitMix(std::uint64_t seed) : FState(seed) {}

    std::uint64_t Next() {
        std::uint64_t z = (FState += 0x9e3779b97f4a7c15ull);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
        return z ^ (z >> 31);
    }
    // 0..n-1; the slight bias of a 64-bit multiply is far below anything a game can show.
    int Below(int n) { return int((unsigned __int128)(Next()) * std::uint64_t(n) >> 64); }

private:
    std::uint64_t FState;
};

// Mixes a value into a running hash.
constexpr std::uint64_t HashMix(std::uint64_t h, std::uint64_t v) {
    h ^= v + 0x9e3779b97f4a7c15ull + (h << 6) + (h >> 2);
    h ^= h >> 31;
    h *= 0xd6e8feb86659fd93ull;
    return h ^ (h >> 32);
}

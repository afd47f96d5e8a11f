// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "twister.h"

TTwister::TTwister(std::uint32_t seed) : FSeed(seed) {
    FState[0] = seed;
    FInit = 1;
}

void TTwister::InitTo(int n) {
    for (; FInit < n; ++FInit) {
        const std::uint32_t prev = FState[FInit - 1];
        FState[FInit] = 1812433253u * (prev ^ (prev >> 30)) + std::uint32_t(FInit);
    }
}

std::uint32_t TTwister::operator()() {
    if (FNext >= Lazy) {
        if (!FFallback) {
            FFallback.emplace(FSeed);
            FFallback->discard(FNext);
        }
        ++FNext;
        return (*FFallback)();
    }
    const int k = FNext++;
    InitTo(k + 398);
    std::uint32_t y = (FState[k] & 0x80000000u) | (FState[k + 1] & 0x7fffffffu);
    y = FState[k + 397] ^ (y >> 1) ^ ((y & 1u) ? 0x9908b0dfu : 0u);
    y ^= y >> 11;
    y ^= (y << 7) & 0x9d2c5680u;
    y ^= (y << 15) & 0xefc60000u;
    y ^= y >> 18;
    return y;
}

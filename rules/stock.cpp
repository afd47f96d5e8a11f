// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "stock.h"

#include "twister.h"

#include <array>

namespace {
// For each range n of a draw: 2^32 mod n, below which a number is drawn again, and the
// multiplier that gives r mod n without a division (exact for every 32-bit r). A deal asks
// for 36 draws at every new game.
struct TRange {
    std::uint32_t Limit;
    std::uint64_t Inverse;
};
constexpr auto Ranges = [] {
    std::array<TRange, 37> t{};
    for (std::uint32_t n = 1; n <= 36; ++n)
        t[n] = {std::uint32_t(-n) % n, ~std::uint64_t(0) / n + 1};
    return t;
}();

std::uint32_t Mod(std::uint32_t r, std::uint32_t n) {
    const std::uint64_t low = Ranges[n].Inverse * r;
    return std::uint32_t((static_cast<unsigned __int128>(low) * n) >> 64);
}

// Uniform over 0..n-1 without the modulo bias, and the same on every standard library.
int Draw(TTwister& gen, int n) {
    const std::uint32_t range = std::uint32_t(n);
    for (;;) {
        const std::uint32_t r = gen();
        if (r >= Ranges[n].Limit)
            return int(Mod(r, range));
    }
}
} // namespace

void TStock::Shuffle(std::uint32_t seed) {
    // The pack in card-number order; each place takes a card drawn from what is left.
    std::array<std::uint8_t, 36> numbers{};
    int k = 0;
    for (int suit = 0; suit < 4; ++suit)
        for (int value = 0; value < 9; ++value)
            numbers[k++] = std::uint8_t(suit * 10 + value);
    TTwister gen(seed);
    for (int i = 0; i < 36; ++i) {
        const int j = Draw(gen, 36 - i);
        Cards[i] = TCardId::FromNomber(numbers[j]);
        for (int m = j; m < 35 - i; ++m)
            numbers[m] = numbers[m + 1];
    }
    FCount = 36;
}

bool TStock::PopCard(TCardId& card) {
    if (FCount <= 0)
        return false;
    card = Cards[--FCount];
    return true;
}

void TStock::SetCards(const std::array<TCardId, 36>& cards, int count) {
    Cards = cards;
    FCount = std::int8_t(count);
}

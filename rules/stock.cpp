// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "stock.h"

#include "twister.h"

namespace {
// Uniform over 0..n-1 without the modulo bias, and the same on every standard library.
int Draw(TTwister& gen, int n) {
    const std::uint32_t range = std::uint32_t(n);
    const std::uint32_t limit = std::uint32_t(-range) % range; // 2^32 mod n
    for (;;) {
        const std::uint32_t r = gen();
        if (r >= limit)
            return int(r % range);
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

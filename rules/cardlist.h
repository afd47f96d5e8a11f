// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "cardid.h"

#include <array>
#include <cstdint>

// An ordered list of at most 36 cards that never allocates: hands, the table's lists and the
// candidate lists of the computer's choices. Copying a whole game stays cheap.
class TCardList {
public:
    static constexpr int Capacity = 36;

    int size() const { return FSize; }
    bool empty() const { return FSize == 0; }
    const TCardId& operator[](int i) const { return FCards[i]; }
    TCardId& operator[](int i) { return FCards[i]; }
    const TCardId* begin() const { return FCards.data(); }
    const TCardId* end() const { return FCards.data() + FSize; }
    const TCardId& back() const { return FCards[FSize - 1]; }

    void push_back(TCardId c) { FCards[FSize++] = c; }
    void clear() { FSize = 0; }
    void erase(int i) {
        for (int k = i; k + 1 < FSize; ++k)
            FCards[k] = FCards[k + 1];
        --FSize;
    }
    void insert(int i, TCardId c) {
        for (int k = FSize; k > i; --k)
            FCards[k] = FCards[k - 1];
        FCards[i] = c;
        ++FSize;
    }
    int indexOf(TCardId c) const {
        for (int i = 0; i < FSize; ++i)
            if (FCards[i] == c)
                return i;
        return -1;
    }
    bool contains(TCardId c) const { return indexOf(c) >= 0; }

    bool operator==(const TCardList& o) const {
        if (FSize != o.FSize)
            return false;
        for (int i = 0; i < FSize; ++i)
            if (!(FCards[i] == o.FCards[i]))
                return false;
        return true;
    }

private:
    std::array<TCardId, Capacity> FCards; // only the first FSize are set
    std::uint8_t FSize = 0;
};

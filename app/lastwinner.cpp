// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "lastwinner.h"

#include "tfmain.h"

TLastWinner::operator TPlayerPlace*() const {
    if (FSeat == ptMan)
        return W->PlayerPlace1;
    if (FSeat == ptCPU)
        return W->PlayerPlace2;
    return nullptr;
}

TLastWinner& TLastWinner::operator=(TPlayerPlace* hand) {
    // Any other hand is no winner the game knows.
    FSeat = hand == W->PlayerPlace1           ? std::int8_t(ptMan)
            : hand && hand == W->PlayerPlace2 ? std::int8_t(ptCPU)
                                              : std::int8_t(-1);
    return *this;
}

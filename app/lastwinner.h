// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

class TfMain;
class TPlayerPlace;

// The window's name for the game's last winner: the hand of the seat the game keeps, or none.
// Reading and writing it reads and writes the game's own record; there is no copy.
class TLastWinner {
public:
    TLastWinner(const TfMain* window, std::int8_t& seat) : W(window), FSeat(seat) {}
    TLastWinner(const TLastWinner&) = delete;

    operator TPlayerPlace*() const;
    TLastWinner& operator=(TPlayerPlace* hand);
    TLastWinner& operator=(const TLastWinner& other) {
        return *this = static_cast<TPlayerPlace*>(other);
    }

private:
    const TfMain* W;
    std::int8_t& FSeat;
};

// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game.h"
#include "policy.h"

#include <cstdint>

// Plays the person's seat with a policy from the game's present state to its end, as a person
// would: cards by index, and the button when the policy chooses none. False when the policy
// asks for a refused card or a button that cannot be pressed, or the game does not end.
bool PlayOut(TGame& game, TPolicy& man);

// One step of the person's seat: the card or button the policy chooses now.
bool PlayManStep(TGame& game, TPolicy& man);

// A whole game from the deal; the outcome, or ocNone when PlayOut failed.
TOutcome PlayWholeGame(TGame& game, std::uint32_t seed, TPolicy& man);

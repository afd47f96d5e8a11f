// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game.h"
#include "policy.h"

#include <cstdint>

// One action of the person's seat, then the computer's answers with its policy (none: its
// own rules); false when the action is refused.
bool Act(TGame& game, TAction action, TPolicy* computer = nullptr);

// Plays both seats with their policies from the game's present state to its end. False when
// the person's policy asks for a refused action, or the game does not end.
bool PlayOut(TGame& game, TPolicy& man, TPolicy& computer);
bool PlayOut(TGame& game, TPolicy& man);

// One step of the person's seat: the action the policy chooses now, and the computer's answers
// (first the computer's, if it must act); false when the person cannot act or is refused.
bool PlayManStep(TGame& game, TPolicy& man, TPolicy& computer);
bool PlayManStep(TGame& game, TPolicy& man);

// A whole game from the deal, in the transfer game when asked; the outcome, or ocNone when
// PlayOut failed.
TOutcome PlayWholeGame(TGame& game, std::uint32_t seed, TPolicy& man, TPolicy& computer,
                       bool transfers = false);
TOutcome PlayWholeGame(TGame& game, std::uint32_t seed, TPolicy& man);

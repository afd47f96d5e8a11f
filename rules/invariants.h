// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "position.h"

// The first rule of the game a position breaks, or nullptr when it keeps them all: every card
// exactly once across the stock, the hands, the table and the discards; hands in hand order;
// the cards each hand shows are in it; the table's cards legal, within the bout's limit and
// the defender's hand.
const char* BrokenInvariant(const TPosition& p);

// At the start of a bout (the turn just given): while the stock holds cards, both hands hold
// at least six.
const char* BrokenAtBoutStart(const TPosition& p);

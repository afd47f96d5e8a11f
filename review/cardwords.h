// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "action.h"
#include "cardid.h"

#include <string>

class TGame;

// Russian words for a reviewed game, in UTF-8: a card as the screen reader names it ("дама
// пик"), and what a seat's action did at the moment it was taken.
std::string CardWords(TCardId card);
// "ходит", "подкидывает", "бьёт", "переводит" with the card; "берёт", "бито", "больше не
// подкидывает" for the actions that lay none.
std::string ActionWords(const TGame& before, TAction action);

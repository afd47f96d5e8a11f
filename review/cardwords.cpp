// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cardwords.h"

#include "game.h"

namespace {
const char* const ValueNames[9] = {"шестёрка", "семёрка", "восьмёрка", "девятка", "десятка",
                                   "валет",    "дама",    "король",    "туз"};
// The suit follows the rank in the genitive plural.
const char* const SuitsOf[4] = {"треф", "бубен", "червей", "пик"};
} // namespace

std::string CardWords(TCardId card) {
    if (card.Value > 8 || card.Suit > 3)
        return "?";
    return std::string(ValueNames[card.Value]) + ' ' + SuitsOf[card.Suit];
}

std::string ActionWords(const TGame& before, TAction action) {
    const TVeskPlayerType seat = before.Actor() == acCPU ? ptCPU : ptMan;
    switch (action.Kind) {
    case akCard: {
        const std::string card = CardWords(before.P.Hands[seat].Card(action.Index));
        if (before.Defending())
            return "бьёт: " + card;
        if (before.P.Table.Cards.empty())
            return "ходит: " + card;
        return "подкидывает: " + card;
    }
    case akTransfer:
        return "переводит: " + CardWords(before.P.Hands[seat].Card(action.Index));
    case akTake:
        return "берёт";
    case akBeaten:
        return "бито";
    case akNoMore:
        return "больше не подкидывает";
    }
    return {};
}

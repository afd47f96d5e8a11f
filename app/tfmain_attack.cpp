// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tfmain.h"

#include "computer.h"

namespace {
// The index a card of the rules' hand has in the widgets' list: the same order.
int IndexIn(const QList<TCard*>& cards, int i) {
    return i < 0 ? -1 : cards[i]->Index;
}
} // namespace

int TfMain::LowestCard(const QList<TCard*>& list) {
    const TCardList ids = CardIds(list);
    return IndexIn(list, ::LowestCard(ids, ids));
}

int TfMain::PreferPair(const QList<TCard*>& hand, const QList<TCard*>& list) {
    const TCardList handIds = CardIds(hand);
    if (&list == &hand)
        return IndexIn(hand, ::PreferPair(handIds, handIds, FGame.P.Stock.Count()));
    return IndexIn(hand, ::PreferPair(handIds, CardIds(list), FGame.P.Stock.Count()));
}

int TfMain::ChooseAttack(const QList<TCard*>& hand) {
    return IndexIn(hand, ::ChooseAttack(CardIds(hand), FGame.P));
}

// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "cardlist.h"
#include "position.h"

// The computer's choices as the game has always made them. Each answers with the index of a
// card in the given hand, or -1 for none; the same rules word the advice to the person.

// The card of a non-empty candidate list with the lowest value; on equal values the first.
TCardId LowestOf(const TCardList& list);
// The index in the hand of the lowest card of a candidate list drawn from it.
int LowestCard(const TCardList& hand, const TCardList& list);
// The lowest card, or a pair worth playing instead: the highest value held twice when list is
// the hand itself, else the lowest pair within an allowance that grows as the stock shrinks.
int PreferPair(const TCardList& hand, const TCardList& list, int stock);

// Each choice comes twice, kept side by side on purpose. The hand's version works on its rank
// bits and is what games run. The list's version walks a list of any order: the window's
// members take card lists that need not be in hand order, and on such a list the tie-breaks
// (the first of equal values) follow the list, which bits cannot know. On a list in hand order
// both answer alike, which the rules' tests check over random positions.

// What to lead (empty table) or throw in, or -1.
int ChooseAttack(const TCardList& hand, const TPosition& p);
int ChooseAttack(const THand& hand, const TPosition& p);
// In the transfer game, while nothing is beaten: the card to pass the attack on with, or -1 to
// defend. The first plain card of the attacking value; a trump only once the stock holds seven
// cards or fewer, as with throw-ins; only within the bout's limit and while the other hand
// holds as many cards as the row will. otherCards: how many the other hand holds.
int ChooseTransfer(const THand& hand, const TPosition& p, int otherCards);

// What beats the unbeaten card, or -1 to take.
int ChooseDefence(const TCardList& hand, const TPosition& p);
int ChooseDefence(const THand& hand, const TPosition& p);

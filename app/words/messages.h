// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "gameview.h"

#include <cstdint>

// What the message line says; the texts are the program's own, spaces included.
enum TMessage : std::uint8_t {
    msStart,          // before the first game
    msNone,           // empty: the person has just laid a card
    msYourTurn,       // the person leads
    msMyTurn,         // the computer leads
    msThinking,       // the computer is about to move
    msYouMustTake,    // advice: nothing beats the computer's card
    msDefend,         // advice: something beats it
    msBeaten,         // the computer closes the bout it led
    msEnough,         // advice: nothing to throw in
    msMore,           // advice: something to throw in
    msTaking,         // the computer takes at once
    msTakingGiveMore, // the computer takes; the person may throw in
    msGameOver,
    msTransferring, // the computer passes the attack on
};
constexpr int MessageCount = msTransferring + 1;

const char* MessageText(TMessage m);

// The end-of-game box's text.
const char* OutcomeText(TOutcome o);

// The action button's caption for a state.
const char* ButtonCaption(std::uint8_t state);

class TGame;

// What the message line says of the news: the turn, the computer's moves, and the advice to the
// person, judged from the person's hand by the computer's own rules.
TMessage MessageOf(TNews news, const TGame& game);

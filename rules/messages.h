// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

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
};

const char* MessageText(TMessage m);

// The end of a game, from the person's side.
enum TOutcome : std::uint8_t { ocNone, ocDraw, ocWon, ocLost };

// The end-of-game box's text.
const char* OutcomeText(TOutcome o);

// The action button's caption for a state.
const char* ButtonCaption(std::uint8_t state);

// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "position.h"

// The end of a game, from the person's side.
enum TOutcome : std::uint8_t { ocNone, ocDraw, ocWon, ocLost };

// What happened that the message line speaks of; the view words it.
enum TNews : std::uint8_t {
    nwManLaid,               // the person has laid a card
    nwManLeads,              // the person leads the bout
    nwComputerLeads,         // the computer leads the bout
    nwThinking,              // the computer is about to choose
    nwComputerLaid,          // the computer led or threw in; the person is to beat or take
    nwComputerBeat,          // the computer beat the person's card
    nwComputerClosed,        // the computer, attacking, has nothing more and closes the bout
    nwComputerTakes,         // the computer declines to beat and takes at once
    nwComputerTakesGiveMore, // the computer declines; the person may throw in first
    nwComputerTransfers,     // the computer passes the attack on
    nwGameOver,
};

// What a game shows, step by step, in the order it happens. A window moves its card widgets
// and writes its message and button here; a headless game has no view.
class TGameView {
public:
    virtual ~TGameView() = default;
    virtual void GameStarting() {}       // both hands emptied, the computer's turned down
    virtual void Shuffled() {}           // the stock has its new order, the table is clear
    virtual void StateSet(TGameState) {} // the button's caption and action follow the state
    virtual void ButtonEnabled(bool) {}
    virtual void News(TNews) {}
    virtual void Pause(int /*ms*/) {} // the computer's pause, when pauses are on
    virtual void RolesSet() {}        // who attacks and who defends this bout
    virtual void TableCleared() {}    // what lies on the table is discarded
    virtual void Drawn(TVeskPlayerType, int /*count*/) {} // cards from the top of the stock
    virtual void Arranged(TVeskPlayerType) {}             // a full hand is only put in order
    virtual void Laid(TVeskPlayerType, int /*index*/, bool /*attack*/) {}
    virtual void TableTaken(TVeskPlayerType) {} // the hand takes every card on the table
    virtual void GameEnded(TOutcome) {}         // to be counted; the state and message follow
    virtual void OutcomeShown(TOutcome) {}      // the end-of-game box, after state and message
};

// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "tfmain.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <random>

// One thing the driver did, as a person does it.
struct TDriverAction {
    enum TKind { akNewGame, akCard, akButton, akTransfer } Kind = akNewGame;
    TCardId Card{};         // the card played (or passed on), also a refused one
    std::uint32_t Seed = 0; // the deal's, for a new game
};

// Plays the human's side of whole games on a real main window, as a person does: clicks and
// double clicks on the bottom hand's cards and presses of the action button, in the transfer
// game a raised card laid beside the row (a click on the table, or Down). It chooses its
// moves with the rules of the computer's advice, deals from fixed seeds, answers the
// end-of-game box, and can check the game's invariants after every event.
class TGameDriver {
public:
    explicit TGameDriver(TfMain* window, std::uint32_t seed = 1);
    ~TGameDriver();

    // Plays one game dealt from the seed; false when it did not end or an invariant broke.
    bool PlayGame(std::uint32_t dealSeed);

    bool CheckEveryEvent = true;  // the invariants after every event
    int IllegalTriesPercent = 10; // how often a refused move is tried first
    bool PaintEveryEvent =
        false;     // give the event loop a turn after each event, as a person's pace does
    QString Error; // what went wrong, when PlayGame said false
    int GamesFinished = 0;
    int Events = 0;
    QString LastOutcome; // the text of the last end-of-game box
    // Told after every event, before the invariants are checked.
    std::function<void(const TDriverAction&)> OnAction;

    // What is wrong with the window now, or empty.
    QString Invariants() const;

private:
    void Act();
    void Play(TCard* card);
    void Transfer(TCard* card);
    void TryIllegal(std::uint8_t kind);
    void PressStop();
    void Click(QWidget* w);
    void DoubleClick(QWidget* w);
    void After(const char* what);

    TfMain* W;
    std::mt19937 Rng;
    TDriverAction FAction;
};

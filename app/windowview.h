// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "gameview.h"
#include "messages.h"

class TfMain;

// Shows the rules core's game in the main window: moves the card widgets, writes the message
// line, sets the action button and pauses where the game says so.
class TWindowView : public TGameView {
public:
    explicit TWindowView(TfMain* window) : W(window) {}

    void GameStarting() override;
    void Shuffled() override;
    void StateSet(TGameState state) override;
    void ButtonEnabled(bool enabled) override;
    void News(TNews news) override;
    void Pause(int ms) override;
    void RolesSet() override;
    void TableCleared() override;
    void Drawn(TVeskPlayerType hand, int count) override;
    void Arranged(TVeskPlayerType hand) override;
    void Laid(TVeskPlayerType hand, int index, bool attack) override;
    void TableTaken(TVeskPlayerType hand) override;
    void GameEnded(TOutcome outcome) override;
    void OutcomeShown(TOutcome outcome) override;

    // What the message line was last told to say, and the button.
    TMessage Message() const { return FMessage; }
    bool ButtonEnabledSaid() const { return FButtonEnabled; }

private:
    TfMain* W;
    TMessage FMessage = msStart;
    bool FButtonEnabled = true;
};

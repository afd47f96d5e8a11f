// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "choicepoint.h"

TChoices ListChoices(const TGame& game, TChoicePoint point) {
    TChoices out;
    const TCardList& hand = game.P.Hands[point.Seat].Cards();
    const std::uint8_t kind = point.Attack ? 1 : 2;
    for (int i = 0; i < hand.size(); ++i)
        if (game.CanPlay(kind, hand[i]))
            out.Add(i);
    if (!point.Attack || game.P.Table.AttackCount() > 0)
        out.Add(-1);
    return out;
}

bool ChoiceDue(const TGame& game, TChoicePoint& point) {
    if (game.Awaiting) {
        point.Seat = ptCPU;
        point.Attack = game.P.State != gsManAttack;
        return true;
    }
    point.Seat = ptMan;
    switch (game.P.State) {
    case gsManAttack:
    case gsCPUTakes:
        point.Attack = true;
        return true;
    case gsCPUAttack:
        point.Attack = false;
        return true;
    default:
        return false;
    }
}

void MakeChoice(TGame& game, TVeskPlayerType seat, int choice) {
    if (seat == ptCPU) {
        game.Resume(choice);
        return;
    }
    if (choice >= 0) {
        game.PlayCard(choice);
        return;
    }
    switch (game.P.State) {
    case gsManAttack:
        game.BeatenClick();
        return;
    case gsCPUAttack:
        game.TakeClick();
        return;
    case gsCPUTakes:
        game.NoMoreClick();
        return;
    default:
        return;
    }
}

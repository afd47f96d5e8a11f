// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "choicepoint.h"

TChoices ListChoices(const TGame& game, TChoicePoint) {
    TChoices out;
    for (const TAction a : game.LegalActions())
        out.Add(a.Kind == akCard ? a.Index : a.Kind == akTransfer ? a.Index + TransferChoice : -1);
    return out;
}

bool ChoiceDue(const TGame& game, TChoicePoint& point) {
    const TActor actor = game.Actor();
    if (actor == acNobody)
        return false;
    point.Seat = TVeskPlayerType(actor);
    point.Attack = !game.Defending();
    return true;
}

void MakeChoice(TGame& game, TVeskPlayerType, int choice) {
    game.Apply(choice >= TransferChoice ? TAction::Transfer(choice - TransferChoice)
                                        : game.ActionOf(choice));
}

int ChoiceCost(const TGame& g, TVeskPlayerType seat, int choice) {
    if (choice < 0)
        return 100;
    const TCardId c = g.P.Hands[seat].Card(choice % TransferChoice);
    return c.Value + (g.P.IsTrump(c) ? 10 : 0);
}

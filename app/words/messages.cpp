// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "messages.h"

#include "computer.h"
#include "game.h"

const char* MessageText(TMessage m) {
    switch (m) {
    case msStart:
        return "Нажмите кнопку или F2";
    case msNone:
        return "";
    case msYourTurn:
        return " Ваш Ход!";
    case msMyTurn:
        return " Мой ход!";
    case msThinking:
        return " Думаю...";
    case msYouMustTake:
        return "По-моему, Вам надо брать!";
    case msDefend:
        return "Отбивайтесь!";
    case msBeaten:
        return " Бито!";
    case msEnough:
        return "По-моему, хватит";
    case msMore:
        return " Еще охота!";
    case msTaking:
        return " Беру...";
    case msTakingGiveMore:
        return " Беру! Давайте еще";
    case msGameOver:
        return " Игра окончена";
    case msTransferring:
        return " Перевожу!";
    }
    return "";
}

const char* OutcomeText(TOutcome o) {
    switch (o) {
    case ocDraw:
        return "     Ничья!     ";
    case ocWon:
        return "   Вы выиграли!   ";
    case ocLost:
        return "   Моя взяла!  ";
    case ocNone:
        break;
    }
    return "";
}

const char* ButtonCaption(std::uint8_t state) {
    switch (state) {
    case gsCPUAttack:
    case gsManTakes:
        return "Беру!";
    case gsManAttack:
        return "Бито!";
    case gsCPUTakes:
        return "Больше нету!";
    default:
        return "Начать игру";
    }
}

namespace {
// Whether the computer's rules would beat every unbeaten card of the person's, left to right.
bool ManBeatsAll(const TGame& game) {
    if (game.P.Table.Unbeaten() == 1)
        return ChooseDefence(game.Man(), game.P) != -1;
    TPosition p = game.P;
    THand& man = p.Hands[ptMan];
    while (p.Table.HasUnbeaten()) {
        const int j = ChooseDefence(man, p);
        if (j == -1)
            return false;
        p.Table.PutDefence(man.ExtractCard(j));
    }
    return true;
}
// Whether the computer's rules find the person a throw-in, and the game would take it.
bool ManCanThrowIn(const TGame& game) {
    const int k = ChooseAttack(game.Man(), game.P);
    return k != -1 && (!game.P.Transfers || game.IsLegal(TAction::Card(k)));
}
} // namespace

TMessage MessageOf(TNews news, const TGame& game) {
    switch (news) {
    case nwManLaid:
        return msNone;
    case nwManLeads:
        return msYourTurn;
    case nwComputerLeads:
        return msMyTurn;
    case nwThinking:
        return msThinking;
    case nwComputerLaid:
        return ManBeatsAll(game) ? msDefend : msYouMustTake;
    case nwComputerBeat:
        return ManCanThrowIn(game) ? msMore : msEnough;
    case nwComputerClosed:
        return msBeaten;
    case nwComputerTakes:
        return msTaking;
    case nwComputerTakesGiveMore:
        return msTakingGiveMore;
    case nwGameOver:
        return msGameOver;
    case nwComputerTransfers:
        return msTransferring;
    }
    return msNone;
}

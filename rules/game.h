// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "action.h"
#include "gameview.h"
#include "position.h"

#include <cstdint>

// One game from the deal to its outcome, as a game of checked actions: at every moment one
// seat must act (or nobody), its legal actions are listed, and Apply takes one of them. The
// game never chooses for either seat: whoever drives it asks the seat's policy. A view, when
// there is one, is told every visible step as it happens, and every pause that is due.
class TGame {
public:
    TPosition P;
    std::int8_t LastWinner = -1; // the seat that won the last decided game, or -1
    TOutcome Outcome = ocNone;   // of the game that ended last
    std::uint32_t Seed = 0;      // the deal's
    TGameView* View = nullptr;

    // Deals and goes on to the first choice of the game; in the transfer game when asked.
    void NewGame(std::uint32_t seed, bool transfers = false);

    TActor Actor() const {
        switch (P.State) {
        case gsCPUAttack:
            return P.Table.HasUnbeaten() ? acMan : acCPU;
        case gsManAttack:
            return P.Table.HasUnbeaten() ? acCPU : acMan;
        case gsCPUTakes:
            return acMan;
        case gsManTakes:
            return acCPU;
        default:
            return acNobody;
        }
    }
    // The actor's legal actions: its playable cards in hand order, then the one that lays none
    // (not for a lead: a bout always has a first card). Empty when nobody must act.
    TActions LegalActions() const;
    bool IsLegal(TAction a) const;
    // Takes a legal action of the actor and goes on to the next choice; an illegal or untimely
    // action is refused (false) and changes nothing.
    bool Apply(TAction a);
    // The actor must beat the unbeaten cards or take.
    bool Defending() const {
        return (P.State == gsCPUAttack || P.State == gsManAttack) && P.Table.HasUnbeaten();
    }
    // The actor may pass the attack on with the card at this index: the transfer game, nothing
    // beaten yet, a card of the attacking value, the bout within its limit, and the other
    // seat holding as many cards as the row will.
    bool CanTransfer(int index) const;
    // The actor's action for a card index, or for -1 the action that lays none.
    TAction ActionOf(int choice) const;
    // What laying none means for a seat in a state: the defender takes, the attacker closes its
    // bout, the attacker stops throwing in while the other takes. For the person it is the
    // action button's action. A card action with no card where nothing can be done.
    static TAction NoneAction(TGameState state, TVeskPlayerType seat);

    // The action button can be pressed: not while the person leads a bout with no card yet.
    bool ButtonEnabled() const { return !(P.State == gsManAttack && P.Table.AttackCount() == 0); }

    // The steps of a game, each as the game takes it at its point, going on to the next choice.
    // The window's members of the same names call them on positions laid out for them.
    void SetState(TGameState state);
    void SetTurn(TVeskPlayerType hand);
    TVeskPlayerType FirstPlayer() const;
    void RefillHands();
    bool CheckGameOver();
    // What the computer does on its turn before it chooses: the end of the game tested, the
    // thinking pause; while the person takes, the end of the throw-ins when there is no room.
    void CPUMove();

    bool CanPlay(std::uint8_t kind, TCardId card) const;
    const THand& Man() const { return P.Hands[ptMan]; }
    const THand& Cpu() const { return P.Hands[ptCPU]; }

private:
    void Say(TNews news);
    void Pause(int ms);
    void EnableButton(bool enabled);
    void Lay(TVeskPlayerType hand, int index, TCardId card, bool attack);
    void TakeTable(TVeskPlayerType hand);
    void ManPlays(int index, TCardId card);
    void ComputerPlays(int index, TCardId card);
    void Transfer(TVeskPlayerType seat, int index, TCardId card);
    // The bout closed beaten or taken by the person: the computer leads next.
    void CloseBout();
    // The computer takes the table: the person leads next.
    void ComputerTakes();
    void ComputerCloses();
    void ComputerDeclines();
    // The person's take once the computer has thrown in.
    void FinishTake();
    void SelfCheck() const;
    bool IsLegalFor(TAction a, TActor actor, bool defending) const;
    bool CardLegal(TAction a, TCardId card, bool defending) const;
    // A button's action of the actor.
    bool PressFor(TAction a, TActor actor);
};

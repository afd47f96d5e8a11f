// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game.h"

#include "legality.h"

#ifndef NDEBUG
#include "invariants.h"

#include <cstdio>
#include <cstdlib>
#endif

void TGame::Say(TNews news) {
    if (View)
        View->News(news);
}

void TGame::Pause(int ms) {
    if (View)
        View->Pause(ms);
}

void TGame::EnableButton(bool enabled) {
    if (View)
        View->ButtonEnabled(enabled);
}

bool TGame::CanPlay(std::uint8_t kind, TCardId card) const {
    return ::CanPlay(kind, card, P.Table, P.FirstBout, P.Trump());
}

TAction TGame::NoneAction(TGameState state, TVeskPlayerType seat) {
    switch (state) {
    case gsCPUAttack:
        return seat == ptMan ? TAction::Take() : TAction::Beaten();
    case gsManAttack:
        return seat == ptMan ? TAction::Beaten() : TAction::Take();
    case gsCPUTakes:
    case gsManTakes:
        return TAction::NoMore();
    default:
        return {};
    }
}

TAction TGame::ActionOf(int choice) const {
    if (choice >= 0)
        return TAction::Card(choice);
    const TActor actor = Actor();
    return actor == acNobody ? TAction{} : NoneAction(P.State, TVeskPlayerType(actor));
}

bool TGame::CanTransfer(int index) const {
    const TActor actor = Actor();
    if (!P.Transfers || actor == acNobody || index < 0 || index >= P.Hands[actor].CardCount())
        return false;
    return CardLegal(TAction::Transfer(index), P.Hands[actor].Card(index), Defending());
}

// A card action whose index lies in the actor's hand, with the card at it.
bool TGame::CardLegal(TAction a, TCardId card, bool defending) const {
    const TTable& t = P.Table;
    if (a.Kind == akCard) {
        if (!CanPlay(defending ? 2 : 1, card))
            return false;
        // No more unbeaten cards than the defender can beat: a transfer can leave it short
        // while the stock lasts; in the throw-in game it always holds.
        const TVeskPlayerType defender =
            P.State == gsManAttack || P.State == gsCPUTakes ? ptCPU : ptMan;
        return defending || t.Unbeaten() < P.Hands[defender].CardCount();
    }
    return P.Transfers && defending && t.DefenceCount() == 0 && !t.Full(P.FirstBout) &&
           card.Value == t.Attack[0].Value &&
           P.Hands[Other(TVeskPlayerType(Actor()))].CardCount() > t.AttackCount();
}

TActions TGame::LegalActions() const {
    TActions out;
    const TActor actor = Actor();
    if (actor == acNobody)
        return out;
    const std::uint8_t kind = Defending() ? 2 : 1;
    const THand& hand = P.Hands[actor];
    for (int i = 0; i < hand.CardCount(); ++i)
        if (P.Transfers ? CardLegal(TAction::Card(i), hand.Card(i), kind == 2)
                        : CanPlay(kind, hand.Card(i)))
            out.Add(TAction::Card(i));
    if (P.Transfers)
        for (int i = 0; i < hand.CardCount(); ++i)
            if (CanTransfer(i))
                out.Add(TAction::Transfer(i));
    if (kind == 2 || P.Table.AttackCount() > 0)
        out.Add(ActionOf(-1));
    return out;
}

bool TGame::IsLegal(TAction a) const {
    return IsLegalFor(a, Actor(), Defending());
}

bool TGame::IsLegalFor(TAction a, TActor actor, bool defending) const {
    if (actor == acNobody)
        return false;
    if (a.LaysCard())
        return a.Index >= 0 && a.Index < P.Hands[actor].CardCount() &&
               CardLegal(a, P.Hands[actor].Card(a.Index), defending);
    if (a != NoneAction(P.State, TVeskPlayerType(actor)))
        return false;
    return defending || P.Table.AttackCount() > 0;
}

inline void TGame::Lay(TVeskPlayerType hand, int index, TCardId card, bool attack) {
    P.Hands[hand].RemoveCard(index, card);
    P.Shown[hand] &= ~CardBit(card);
    if (attack)
        P.Table.PutAttack(card);
    else
        P.Table.PutDefence(card);
    if (View)
        View->Laid(hand, index, attack);
}

// Laid at every move: kept beside Apply so that it can be folded into it.
inline void TGame::ManPlays(int index, TCardId card) {
    switch (P.State) {
    case gsCPUAttack:
        Say(nwManLaid);
        Lay(ptMan, index, card, false);
        if (!P.Table.HasUnbeaten()) // after a transfer the row is beaten card by card
            CPUMove();
        return;
    case gsManAttack:
        Say(nwManLaid);
        Lay(ptMan, index, card, true);
        EnableButton(true);
        CPUMove();
        return;
    default: // gsCPUTakes: a throw-in before the computer takes
        Lay(ptMan, index, card, true);
        if (P.Table.NoRoomFor(Cpu().CardCount()))
            ComputerTakes();
        return;
    }
}

inline void TGame::ComputerPlays(int index, TCardId card) {
    switch (P.State) {
    case gsCPUAttack:
        Lay(ptCPU, index, card, true);
        Say(nwComputerLaid);
        return;
    case gsManAttack:
        Lay(ptCPU, index, card, false);
        if (P.Table.HasUnbeaten())
            return; // a transferred row: the next card is beaten in turn
        Say(nwComputerBeat);
        CheckGameOver();
        return;
    default: // gsManTakes: a throw-in before the person takes
        Lay(ptCPU, index, card, true);
        CPUMove();
        return;
    }
}

bool TGame::Apply(TAction a) {
    const TActor actor = Actor();
    if (actor == acNobody)
        return false;
    if (!a.LaysCard())
        return PressFor(a, actor);
    // The card is read once, for the check and for laying it.
    const THand& hand = P.Hands[actor];
    if (unsigned(a.Index) >= unsigned(hand.CardCount()))
        return false;
    const TCardId card = hand.Card(a.Index);
    const bool defending = Defending();
    if (!(a.Kind == akCard && !P.Transfers ? CanPlay(defending ? 2 : 1, card)
                                           : CardLegal(a, card, defending)))
        return false;
    if (a.Kind == akTransfer)
        Transfer(TVeskPlayerType(actor), a.Index, card);
    else if (actor == acMan)
        ManPlays(a.Index, card);
    else
        ComputerPlays(a.Index, card);
    SelfCheck();
    return true;
}

bool TGame::PressFor(TAction a, TActor actor) {
    if (!IsLegalFor(a, actor, Defending()))
        return false;
    if (actor == acMan) {
        switch (a.Kind) {
        case akTake:
            SetState(gsManTakes);
            CPUMove();
            break;
        case akBeaten:
            CloseBout();
            break;
        default:
            ComputerTakes();
            break;
        }
    } else {
        switch (a.Kind) {
        case akTake:
            ComputerDeclines();
            break;
        case akBeaten:
            ComputerCloses();
            break;
        default:
            FinishTake();
            break;
        }
    }
    SelfCheck();
    return true;
}

void TGame::SelfCheck() const {
#ifndef NDEBUG
    if (!P.Dealt)
        return;
    if (const char* why = BrokenInvariant(P)) {
        std::fprintf(stderr, "game of seed %u: %s\n", unsigned(Seed), why);
        std::abort();
    }
#endif
}

void TGame::TakeTable(TVeskPlayerType hand) {
    for (const TCardId c : P.Table.Cards)
        P.Hands[hand].AddCard(c, P.Trump());
    P.Shown[hand] |= SetOf(P.Table.Cards);
    if (View)
        View->TableTaken(hand);
}

void TGame::NewGame(std::uint32_t seed, bool transfers) {
    P.Transfers = transfers;
    P.Dealt = true;
    P.Hands[ptMan].Clear();
    P.Hands[ptCPU].Clear();
    if (View)
        View->GameStarting();
    P.FirstBout = true;
    P.Discarded = 0;
    P.Shown[ptMan] = P.Shown[ptCPU] = 0;
    SetState(gsIdle);
    EnableButton(true);
    Seed = seed;
    P.Stock.Shuffle(seed);
    P.Table.ClearTable();
    if (View)
        View->Shuffled();
    RefillHands();
    SetTurn(FirstPlayer());
}

void TGame::SetState(TGameState state) {
    P.State = state;
    if (View)
        View->StateSet(state);
}

TVeskPlayerType TGame::FirstPlayer() const {
    if (LastWinner >= 0)
        return TVeskPlayerType(LastWinner);
    const TCardSuit trump = P.Trump();
    // A high trump card: the lowest trump leads; a low one: the highest trump leads.
    const bool high = P.Stock.TrumpValue() > 4;
    const THand& man = Man();
    const THand& cpu = Cpu();
    const int m = high ? man.FindMinCard(0, trump) : man.FindMaxCard(8, trump);
    const int c = high ? cpu.FindMinCard(0, trump) : cpu.FindMaxCard(8, trump);
    if (m >= 0 && c >= 0) {
        const int mv = man.Card(m).Value;
        const int cv = cpu.Card(c).Value;
        if (high)
            return mv < cv ? ptMan : ptCPU;
        return mv > cv ? ptMan : ptCPU;
    }
    if (m >= 0)
        return ptMan;
    if (c >= 0)
        return ptCPU;
    return high ? ptMan : ptCPU;
}

void TGame::SetTurn(TVeskPlayerType hand) {
    if (P.State == gsOver)
        return;
    if (hand == ptMan) {
        Say(nwManLeads);
        EnableButton(false);
        P.Attacker = ptMan;
        if (View)
            View->RolesSet();
        Pause(300);
        SetState(gsManAttack);
    } else {
        P.Attacker = ptCPU;
        if (View)
            View->RolesSet();
        Say(nwComputerLeads);
        Pause(300);
        SetState(gsCPUAttack);
        CPUMove();
    }
}

void TGame::RefillHands() {
    // Cards laid are no longer shown in a hand: what lies here and no hand took is discarded.
    P.Discarded |= SetOf(P.Table.Cards) & ~(P.Shown[ptMan] | P.Shown[ptCPU]);
    P.Table.ClearTable();
    if (View)
        View->TableCleared();
    // The defender who beat a computer's lead draws first; otherwise the computer does.
    const TVeskPlayerType first = P.State == gsCPUAttack ? ptMan : ptCPU;
    const TCardSuit trump = P.Trump();
    for (const TVeskPlayerType hand : {first, Other(first)}) {
        THand& h = P.Hands[hand];
        if (h.CardCount() >= 6) {
            if (View)
                View->Arranged(hand);
            continue;
        }
        int drawn = 0;
        TCardId card;
        while (h.CardCount() < 6 && P.Stock.PopCard(card)) {
            h.AddCard(card, trump);
            ++drawn;
            if (P.Stock.Count() == 0)
                P.Shown[hand] |= CardBit(card); // the trump card, face up until drawn
        }
        if (View)
            View->Drawn(hand, drawn);
    }
}

bool TGame::CheckGameOver() {
    if (P.State == gsOver || P.Stock.Count() > 0)
        return false;
    const bool manOut = Man().CardCount() == 0;
    const bool cpuOut = Cpu().CardCount() == 0;
    if (manOut && cpuOut) {
        Outcome = ocDraw;
        LastWinner = -1;
    } else if (manOut) {
        Outcome = ocWon;
        LastWinner = ptMan;
    } else if (cpuOut) {
        Outcome = ocLost;
        LastWinner = ptCPU;
    } else {
        return false;
    }
    if (View)
        View->GameEnded(Outcome);
    SetState(gsOver);
    Say(nwGameOver);
    if (View)
        View->OutcomeShown(Outcome);
    return true;
}

void TGame::CPUMove() {
    switch (P.State) {
    case gsCPUAttack:
        if (CheckGameOver())
            return;
        Say(nwThinking);
        Pause(200);
        return;
    case gsManAttack:
        Say(nwThinking);
        Pause(200);
        return;
    case gsManTakes:
        // The computer throws in while the person takes, as long as the person can take more.
        if (CheckGameOver() || P.Table.NoRoomFor(Man().CardCount()))
            FinishTake();
        return;
    default:
        return;
    }
}

void TGame::Transfer(TVeskPlayerType seat, int index, TCardId card) {
    if (seat == ptMan)
        Say(nwManLaid);
    Lay(seat, index, card, true);
    // The roles swap: the one who passed the attack on attacks the whole row.
    P.Attacker = seat;
    if (View)
        View->RolesSet();
    SetState(seat == ptMan ? gsManAttack : gsCPUAttack);
    if (seat == ptMan) {
        CPUMove();
        return;
    }
    Say(nwComputerTransfers);
    Pause(750);
    Say(nwComputerLaid);
}

void TGame::ComputerCloses() {
    Say(nwComputerClosed);
    Pause(750);
    P.FirstBout = false;
    RefillHands();
    if (CheckGameOver())
        return;
    SetTurn(ptMan);
}

void TGame::ComputerDeclines() {
    if (CheckGameOver())
        return;
    SetState(gsCPUTakes);
    if (P.Table.NoRoomFor(Cpu().CardCount())) {
        Say(nwComputerTakes);
        Pause(750);
        ComputerTakes();
    } else {
        Say(nwComputerTakesGiveMore);
    }
}

void TGame::FinishTake() {
    TakeTable(ptMan);
    CloseBout();
}

void TGame::CloseBout() {
    P.FirstBout = false;
    RefillHands();
    if (!CheckGameOver())
        SetTurn(ptCPU);
}

void TGame::ComputerTakes() {
    TakeTable(ptCPU);
    RefillHands();
    if (!CheckGameOver())
        SetTurn(ptMan);
}

// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game.h"

#include "computer.h"
#include "legality.h"

void TGame::SetMessage(TMessage m) {
    Message = m;
    if (View)
        View->MessageSet(m);
}

void TGame::Pause(int ms) {
    if (View)
        View->Pause(ms);
}

void TGame::SetButtonEnabled(bool enabled) {
    P.ButtonEnabled = enabled;
    if (View)
        View->ButtonEnabled(enabled);
}

bool TGame::CanPlay(std::uint8_t kind, TCardId card) const {
    return ::CanPlay(kind, card, P.Table, P.FirstBout, P.Trump());
}

int TGame::ComputerAttack() const {
    return Computer ? Computer->ChooseAttack(*this, ptCPU) : ChooseAttack(Cpu(), P);
}

int TGame::ComputerDefence() const {
    return Computer ? Computer->ChooseDefence(*this, ptCPU) : ChooseDefence(Cpu(), P);
}

void TGame::Lay(TVeskPlayerType hand, int index, bool attack) {
    const TCardId card = P.Hands[hand].ExtractCard(index);
    P.Shown[hand] &= ~CardBit(card);
    if (attack)
        P.Table.PutAttack(card);
    else
        P.Table.PutDefence(card);
    if (View)
        View->Laid(hand, index, attack);
}

void TGame::TakeTable(TVeskPlayerType hand) {
    for (const TCardId c : P.Table.Cards)
        P.Hands[hand].AddCard(c, P.Trump());
    P.Shown[hand] |= SetOf(P.Table.Cards);
    if (View)
        View->TableTaken(hand);
}

void TGame::NewGame(std::uint32_t seed) {
    P.Hands[ptMan].Clear();
    P.Hands[ptCPU].Clear();
    if (View)
        View->GameStarting();
    P.FirstBout = true;
    P.Discarded = 0;
    P.Shown[ptMan] = P.Shown[ptCPU] = 0;
    Awaiting = false;
    SetState(gsIdle);
    SetButtonEnabled(true);
    Seed = seed;
    P.Stock.Shuffle(seed);
    P.Table.ClearTable();
    if (View)
        View->Shuffled();
    if (Computer)
        Computer->NewDeal(*this);
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
        SetMessage(msYourTurn);
        SetButtonEnabled(false);
        P.Role[ptMan] = 1;
        P.Role[ptCPU] = 2;
        if (View)
            View->RolesSet();
        Pause(300);
        SetState(gsManAttack);
    } else {
        P.Role[ptMan] = 2;
        P.Role[ptCPU] = 1;
        if (View)
            View->RolesSet();
        SetMessage(msMyTurn);
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
    SetMessage(msGameOver);
    if (View)
        View->OutcomeShown(Outcome);
    return true;
}

void TGame::CPUMove() {
    switch (P.State) {
    case gsCPUAttack: {
        if (CheckGameOver())
            return;
        SetMessage(msThinking);
        Pause(200);
        if (Stepping) {
            Awaiting = true;
            return;
        }
        AttackChosen(ComputerAttack());
        return;
    }
    case gsManAttack: {
        SetMessage(msThinking);
        Pause(200);
        if (Stepping) {
            Awaiting = true;
            return;
        }
        DefenceChosen(ComputerDefence());
        return;
    }
    case gsManTakes:
        ThrowInWhileManTakes();
        return;
    default:
        return;
    }
}

void TGame::AttackChosen(int i) {
    if (i >= 0) {
        Lay(ptCPU, i, true);
        const int j = ChooseDefence(Man(), P);
        SetMessage(j == -1 ? msYouMustTake : msDefend);
        return;
    }
    SetMessage(msBeaten);
    Pause(750);
    P.FirstBout = false;
    RefillHands();
    if (CheckGameOver())
        return;
    SetTurn(ptMan);
}

void TGame::DefenceChosen(int i) {
    if (i >= 0) {
        Lay(ptCPU, i, false);
        const int k = ChooseAttack(Man(), P);
        SetMessage(k == -1 ? msEnough : msMore);
        CheckGameOver();
        return;
    }
    if (CheckGameOver())
        return;
    SetState(gsCPUTakes);
    if (P.Table.NoRoomFor(Cpu().CardCount())) {
        SetMessage(msTaking);
        Pause(750);
        NoMoreClick();
    } else {
        SetMessage(msTakingGiveMore);
    }
}

bool TGame::ThrowInChosen(int i) {
    if (i < 0)
        return false;
    Lay(ptCPU, i, true);
    return true;
}

void TGame::ThrowInWhileManTakes() {
    for (;;) {
        if (CheckGameOver())
            return;
        if (P.Table.NoRoomFor(Man().CardCount()))
            return;
        if (Stepping) {
            Awaiting = true;
            return;
        }
        if (!ThrowInChosen(ComputerAttack()))
            return;
    }
}

void TGame::TakeClick() {
    if (P.State == gsManTakes)
        return;
    SetState(gsManTakes);
    CPUMove();
    if (Awaiting)
        return; // the computer's throw-in is due: Resume finishes the take
    FinishTake();
}

void TGame::FinishTake() {
    TakeTable(ptMan);
    BeatenClick();
}

void TGame::Resume(int choice) {
    Awaiting = false;
    switch (P.State) {
    case gsCPUAttack:
        AttackChosen(choice);
        return;
    case gsManAttack:
        DefenceChosen(choice);
        return;
    case gsManTakes:
        if (ThrowInChosen(choice)) {
            ThrowInWhileManTakes();
            if (Awaiting)
                return;
        }
        FinishTake();
        return;
    default:
        return;
    }
}

void TGame::BeatenClick() {
    P.FirstBout = false;
    RefillHands();
    if (!CheckGameOver())
        SetTurn(ptCPU);
}

void TGame::NoMoreClick() {
    TakeTable(ptCPU);
    RefillHands();
    if (!CheckGameOver())
        SetTurn(ptMan);
}

bool TGame::PlayCard(int index) {
    if (index < 0 || index >= Man().CardCount())
        return false;
    const TCardId card = Man().Card(index);
    switch (P.State) {
    case gsCPUAttack:
        if (P.Table.AttackCount() <= P.Table.DefenceCount())
            return false;
        if (!CanPlay(P.Role[ptMan], card))
            return false;
        SetMessage(msNone);
        Lay(ptMan, index, false);
        CPUMove();
        return true;
    case gsManAttack:
        if (P.Table.AttackCount() != P.Table.DefenceCount())
            return false;
        if (!CanPlay(P.Role[ptMan], card))
            return false;
        SetMessage(msNone);
        Lay(ptMan, index, true);
        SetButtonEnabled(true);
        CPUMove();
        return true;
    case gsCPUTakes:
        if (!CanPlay(P.Role[ptMan], card))
            return false;
        Lay(ptMan, index, true);
        if (P.Table.NoRoomFor(Cpu().CardCount()))
            NoMoreClick();
        return true;
    default:
        return false;
    }
}

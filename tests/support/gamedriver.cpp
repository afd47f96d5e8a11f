// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gamedriver.h"

#include "computer.h"
#include "modal.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTest>

#include <algorithm>
#include <map>

namespace {
void SendMouse(QWidget* w, QEvent::Type type, Qt::MouseButtons held) {
    const QPointF at(w->width() / 2.0, w->height() / 2.0);
    QMouseEvent e(type, at, w->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

bool Beats(const TCard* d, const TCard* a) {
    if (d->Suit() == a->Suit())
        return d->Value() > a->Value();
    return d->IsTrump;
}
} // namespace

TGameDriver::TGameDriver(TfMain* window, std::uint32_t seed) : W(window), Rng(seed) {
    vesk::SetModalHook([this](QDialog* d) {
        if (auto* box = qobject_cast<QMessageBox*>(d))
            LastOutcome = box->text();
        return int(QMessageBox::Ok);
    });
}

TGameDriver::~TGameDriver() {
    vesk::SetModalHook(nullptr);
    TCardBatch::SeedSource = nullptr;
}

void TGameDriver::Click(QWidget* w) {
    SendMouse(w, QEvent::MouseButtonPress, Qt::LeftButton);
    SendMouse(w, QEvent::MouseButtonRelease, Qt::NoButton);
}

void TGameDriver::DoubleClick(QWidget* w) {
    Click(w);
    SendMouse(w, QEvent::MouseButtonDblClick, Qt::LeftButton);
    SendMouse(w, QEvent::MouseButtonRelease, Qt::NoButton);
}

void TGameDriver::PressStop() {
    FAction = {TDriverAction::akButton, {}, 0};
    if (!W->bbtStop->isEnabled()) {
        Error = QStringLiteral("the action button is disabled when it is needed");
        return;
    }
    Click(W->bbtStop);
}

void TGameDriver::After(const char* what) {
    ++Events;
    if (OnAction)
        OnAction(FAction);
    if (PaintEveryEvent)
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    if (!CheckEveryEvent || !Error.isEmpty())
        return;
    const QString wrong = Invariants();
    if (!wrong.isEmpty())
        Error = QStringLiteral("after %1: %2").arg(QLatin1String(what), wrong);
}

bool TGameDriver::PlayGame(std::uint32_t dealSeed) {
    Error.clear();
    TCardBatch::SeedSource = [dealSeed] { return dealSeed; };
    const int before = W->Wins + W->Lose + W->Draw;
    if (W->State == gsIdle || W->State == gsOver)
        PressStop();
    else
        W->mmNewGame->trigger();
    FAction = {TDriverAction::akNewGame, {}, dealSeed};
    After("the new game");
    for (int step = 0; step < 2000 && Error.isEmpty(); ++step) {
        if (W->State == gsOver) {
            ++GamesFinished;
            if (W->Wins + W->Lose + W->Draw != before + 1)
                Error = QStringLiteral("the counters did not count the game once");
            return Error.isEmpty();
        }
        Act();
    }
    if (Error.isEmpty())
        Error = QStringLiteral("the game did not end");
    return false;
}

void TGameDriver::TryIllegal(std::uint8_t kind) {
    if (int(Rng() % 100) >= IllegalTriesPercent)
        return;
    TPlayerPlace* hand = W->PlayerPlace1;
    for (TCard* c : hand->Cards) {
        // A card that may pass the attack on is played by a double click too.
        if (W->CanPlay(kind, c) || (kind == 2 && W->FGame.CanTransfer(c->Index)))
            continue;
        const int count = hand->CardCount();
        const QString message = W->lMessage->text();
        FAction = {TDriverAction::akCard, c->Id(), 0};
        DoubleClick(c);
        if (hand->CardCount() != count || W->lMessage->text() != message)
            Error = QStringLiteral("a refused card was played or changed the message");
        After("a refused card");
        return;
    }
}

void TGameDriver::Play(TCard* card) {
    TPlayerPlace* hand = W->PlayerPlace1;
    FAction = {TDriverAction::akCard, card->Id(), 0};
    // Mostly double clicks; sometimes a click to raise the card and a second click to play it.
    if (Rng() % 4 == 0 && !card->Selected) {
        Click(card);
        if (!card->Selected || card->y() != 0)
            Error = QStringLiteral("a clicked card was not raised");
        Click(card);
    } else {
        DoubleClick(card);
    }
    if (hand->Cards.contains(card))
        Error = QStringLiteral("a legal card was refused");
    After("a card");
}

void TGameDriver::Transfer(TCard* card) {
    TPlayerPlace* hand = W->PlayerPlace1;
    FAction = {TDriverAction::akTransfer, card->Id(), 0};
    // Raised alone, as the gesture needs it. Cards taken back stand raised with the flags they
    // left with, and a click on a flagged card plays it: first a click on an unflagged card
    // clears the flags, then the card is raised.
    if (hand->RaisedCard() != card && card->Selected) {
        for (TCard* other : hand->Cards)
            if (!other->Selected) {
                Click(other);
                break;
            }
        if (card->Selected) { // every card flagged: only a double click is left
            DoubleClick(card);
            if (hand->Cards.contains(card))
                Error = QStringLiteral("a transfer by a double click was refused");
            After("a transfer");
            return;
        }
    }
    if (hand->RaisedCard() != card)
        Click(card);
    // Half the time the table's free place right of the row, half the time the key.
    const bool byTable = Rng() % 2 == 0;
    if (byTable) {
        TGamePlace* table = W->GamePlace;
        const QPointF at(table->NextAttackLeft() + 10, 30);
        QMouseEvent press(QEvent::MouseButtonPress, at, table->mapToGlobal(at), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(table, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, at, table->mapToGlobal(at), Qt::LeftButton,
                            Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(table, &release);
    } else {
        // As the keyboard gives it: to the focus widget, the action button.
        QWidget* focus = W->focusWidget();
        QTest::keyClick(focus ? focus : W, Qt::Key_Down);
    }
    if (hand->Cards.contains(card))
        Error = QStringLiteral("a transfer was refused");
    After("a transfer");
}

void TGameDriver::Act() {
    TGamePlace* table = W->GamePlace;
    TPlayerPlace* hand = W->PlayerPlace1;
    // Play the chosen card, or press the button when the rules advise none.
    auto move = [&](int chosen, const char* button) {
        if (chosen >= 0) {
            Play(hand->Cards[chosen]);
        } else {
            PressStop();
            After(button);
        }
    };
    switch (W->State) {
    case gsManAttack: {
        if (table->AttackCount() != table->DefenceCount()) {
            Error = QStringLiteral("the human attacks with an unbeaten card on the table");
            return;
        }
        TryIllegal(1);
        // As the advice has it: no throw-in the game would refuse.
        const int chosen = W->ChooseAttack(hand->Cards);
        return move(chosen >= 0 && W->FGame.IsLegal(TAction::Card(chosen)) ? chosen : -1, "Бито!");
    }
    case gsCPUAttack:
        if (!table->UnbeatenCard()) {
            Error = QStringLiteral("the human defends with nothing to beat");
            return;
        }
        TryIllegal(2);
        if (W->FGame.P.Transfers) {
            const TPosition& p = W->FGame.P;
            const int t = ChooseTransfer(p.Hands[ptMan], p, p.Hands[ptCPU].CardCount());
            // A card that may beat too is passed on only when the gesture can single it out.
            // Now and then not at all: two players who always pass on alike can go round in
            // circles once the stock is empty.
            const bool plain = t >= 0 && !W->FGame.IsLegal(TAction::Card(t));
            if (t >= 0 && Rng() % 4 != 0 &&
                (plain || std::any_of(hand->Cards.begin(), hand->Cards.end(),
                                      [](TCard* c) { return !c->Selected; })))
                return Transfer(hand->Cards[t]);
        }
        return move(W->ChooseDefence(hand->Cards), "Беру!");
    case gsCPUTakes:
        TryIllegal(1);
        return move(W->ChooseAttack(hand->Cards), "Больше нету!");
    default:
        Error = QStringLiteral("the game stands in a state where nobody can move");
        return;
    }
}

QString TGameDriver::Invariants() const {
    const TCardBatch* pile = W->CardBatch;
    const TGamePlace* table = W->GamePlace;
    std::map<const TCard*, int> seen;
    for (int i = 0; i < pile->Count(); ++i) {
        ++seen[pile->Cards[i]];
        if (pile->Cards[i]->parentWidget() != pile)
            return QStringLiteral("a stock card has left the pile");
    }
    for (const TPlayerPlace* hand : {W->PlayerPlace1, W->PlayerPlace2}) {
        for (int i = 0; i < hand->Cards.size(); ++i) {
            const TCard* c = hand->Cards[i];
            ++seen[c];
            if (c->parentWidget() != hand || c->Index != i)
                return QStringLiteral("a hand card is out of place or misnumbered");
            if (!c->isVisibleTo(hand->window()))
                return QStringLiteral("a hand card is hidden");
            if (i > 0 && TCard::CompareCards(hand->Cards[i - 1], c) >= 0)
                return QStringLiteral("a hand is not sorted");
        }
    }
    for (const TCard* c : table->Cards) {
        ++seen[c];
        if (c->parentWidget() != table)
            return QStringLiteral("a table card lies elsewhere");
    }
    for (const auto& card : pile->Cards) {
        const int n = seen[card];
        if (n > 1)
            return QStringLiteral("a card lies in two places");
        if (n == 0 && card->parentWidget())
            return QStringLiteral("a card is nowhere but still shown");
    }
    const int a = table->AttackCount();
    const int d = table->DefenceCount();
    if (d > a || a + d != table->Cards.size())
        return QStringLiteral("more beating than attacking cards");
    if (a > 6 || (W->FirstBout && a > 5))
        return QStringLiteral("too many attacking cards");
    // Every card laid was legal when it was laid.
    for (int k = 0; k < d; ++k)
        if (!Beats(table->DefenceCards[k], table->AttackCards[k]))
            return QStringLiteral("a beating card does not beat");
    for (int k = 1; k < a; ++k) {
        const TCard* c = table->AttackCards[k];
        bool onTable = false;
        for (const TCard* before : table->Cards) {
            if (before == c)
                break;
            onTable = onTable || before->Value() == c->Value();
        }
        if (!onTable)
            return QStringLiteral("a thrown-in value was not on the table");
    }
    if (W->State != gsOver) {
        const TPlayerPlace* defender =
            W->PlayerPlace1->Role == 2 ? W->PlayerPlace1 : W->PlayerPlace2;
        if (W->FGame.P.Table.Unbeaten() > defender->CardCount())
            return QStringLiteral("more unbeaten cards than the defender holds");
    }
    return {};
}

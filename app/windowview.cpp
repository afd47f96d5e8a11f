// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windowview.h"

#include "modal.h"
#include "tfmain.h"

#include <QAction>
#include <QMessageBox>

#include <array>

namespace {
// The texts once as QStrings: a message is written at every move.
const QString& Text(TMessage m) {
    static const auto texts = [] {
        std::array<QString, MessageCount> t;
        for (int i = 0; i < MessageCount; ++i)
            t[i] = QString::fromUtf8(MessageText(TMessage(i)));
        return t;
    }();
    return texts[m];
}
} // namespace

void TWindowView::GameStarting() {
    W->PlayerPlace1->ClearHand();
    W->PlayerPlace2->ClearHand();
    W->PlayerPlace2->SetFaced(false);
    W->CardBatch->show();
}

void TWindowView::Shuffled() {
    W->CardBatch->Shuffle(W->FGame.P.Stock);
}

void TWindowView::StateSet(TGameState state) {
    W->ShowState(state);
}

void TWindowView::ButtonEnabled(bool enabled) {
    FButtonEnabled = enabled;
    W->bbtStop->setEnabled(enabled);
}

void TWindowView::News(TNews news) {
    FMessage = MessageOf(news, W->FGame);
    W->SetMessage(Text(FMessage));
}

void TWindowView::Pause(int ms) {
    // Read each time: the setting may change between two pauses of one game.
    if (!W->mmSpeedGame->isChecked())
        W->Delay(ms);
}

void TWindowView::RolesSet() {
    W->PlayerPlace1->Role = W->FGame.P.Role(ptMan);
    W->PlayerPlace2->Role = W->FGame.P.Role(ptCPU);
}

void TWindowView::TableCleared() {
    W->Moving(mkDiscard, [this] { W->GamePlace->ClearTable(); });
}

void TWindowView::Drawn(TVeskPlayerType hand, int count) {
    TPlayerPlace* place = W->PlaceOf(hand);
    QList<TCard*> dealt; // filled by the move, read after it: the order the cards left the stock
    W->Moving(
        mkDeal,
        [&] {
            TPlayerPlace::ArrangeOnce once(place);
            for (int i = 0; i < count; ++i) {
                TCard* card = W->CardBatch->PopCard();
                dealt << card;
                place->AddCard(card);
            }
        },
        dealt);
}

void TWindowView::Arranged(TVeskPlayerType hand) {
    W->Moving(mkArrange, [&] { W->PlaceOf(hand)->Arrange(); });
}

void TWindowView::Laid(TVeskPlayerType hand, int index, bool attack) {
    W->Moving(mkLay, [&] {
        TCard* card = W->PlaceOf(hand)->ExtractCard(index);
        if (attack)
            W->GamePlace->PutAttack(card);
        else
            W->GamePlace->PutDefence(card);
    });
}

void TWindowView::TableTaken(TVeskPlayerType hand) {
    W->Moving(mkTake, [&] { W->PlaceOf(hand)->AddCards(W->GamePlace->Cards); });
}

void TWindowView::GameEnded(TOutcome outcome) {
    if (outcome == ocWon)
        W->PlayerPlace2->SetFaced(true);
    W->CountGame(outcome);
}

void TWindowView::OutcomeShown(TOutcome outcome) {
    QString text = QString::fromUtf8(OutcomeText(outcome));
    if (W->FReplay.Playing)
        text += QLatin1Char('\n') + QString::fromUtf8(ReplayNote);
    vesk::MessageBox(W, QMessageBox::NoIcon, QStringLiteral("Партия окончена"), text);
}

#include "tfmain.h"

#include "inputblocker.h"
#include "modal.h"

#include <QAction>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

void TfMain::SetMessage(const QString& text) {
    lMessage->setText(text);
}

void TfMain::mmNewGameClick() {
    PlayerPlace1->ClearHand();
    PlayerPlace2->ClearHand();
    PlayerPlace2->SetFaced(false);
    CardBatch->show();
    FirstBout = true;
    SetState(gsIdle);
    bbtStop->setEnabled(true);
    CardBatch->Shuffle();
    RefillHands();
    SetTurn(FirstPlayer(PlayerPlace1, PlayerPlace2, CardBatch->TrumpSuit()));
}

void TfMain::SetState(TGameState state) {
    State = state;
    switch (state) {
    case gsIdle:
    case gsOver:
        bbtStop->setText(QStringLiteral("Начать игру"));
        ConnectStop(&TfMain::mmNewGameClick);
        break;
    case gsCPUAttack:
        bbtStop->setText(QStringLiteral("Беру!"));
        ConnectStop(&TfMain::TakeClick);
        break;
    case gsManAttack:
        bbtStop->setText(QStringLiteral("Бито!"));
        ConnectStop(&TfMain::BeatenClick);
        break;
    case gsCPUTakes:
        bbtStop->setText(QStringLiteral("Больше нету!"));
        ConnectStop(&TfMain::NoMoreClick);
        break;
    case gsManTakes:
        break; // the button stays "Беру!", and TakeClick ignores it now
    }
}

TPlayerPlace* TfMain::FirstPlayer(TPlayerPlace* man, TPlayerPlace* cpu, TCardSuit trump) {
    if (LastWinner)
        return LastWinner;
    const bool high = CardBatch->TrumpValue() > 4;
    const int m = high ? man->FindMinCard(0, trump) : man->FindMaxCard(8, trump);
    const int c = high ? cpu->FindMinCard(0, trump) : cpu->FindMaxCard(8, trump);
    if (m >= 0 && c >= 0) {
        const int mv = man->Cards[m]->Value();
        const int cv = cpu->Cards[c]->Value();
        if (high)
            return mv < cv ? man : cpu;
        return mv > cv ? man : cpu;
    }
    if (m >= 0)
        return man;
    if (c >= 0)
        return cpu;
    return high ? man : cpu;
}

void TfMain::SetTurn(TPlayerPlace* hand) {
    if (State == gsOver)
        return;
    if (hand == PlayerPlace1) {
        SetMessage(QStringLiteral(" Ваш Ход!"));
        bbtStop->setEnabled(false);
        PlayerPlace1->Role = 1;
        PlayerPlace2->Role = 2;
        if (!mmSpeedGame->isChecked())
            Delay(300);
        SetState(gsManAttack);
    } else {
        PlayerPlace1->Role = 2;
        PlayerPlace2->Role = 1;
        SetMessage(QStringLiteral(" Мой ход!"));
        if (!mmSpeedGame->isChecked())
            Delay(300);
        SetState(gsCPUAttack);
        CPUMove();
    }
}

void TfMain::RefillHands() {
    GamePlace->ClearTable();
    // The defender who beat a computer's lead draws first; otherwise the computer does.
    TPlayerPlace* first = State == gsCPUAttack ? PlayerPlace1 : PlayerPlace2;
    TPlayerPlace* second = first == PlayerPlace1 ? PlayerPlace2 : PlayerPlace1;
    for (TPlayerPlace* hand : {first, second}) {
        if (hand->CardCount() >= 6) {
            hand->Arrange();
            continue;
        }
        TPlayerPlace::ArrangeOnce once(hand);
        while (hand->CardCount() < 6) {
            TCard* card = CardBatch->PopCard();
            if (!card)
                break;
            hand->AddCard(card);
        }
    }
}

bool TfMain::CheckGameOver() {
    if (State == gsOver || CardBatch->Count() > 0)
        return false;
    QString text;
    if (PlayerPlace1->CardCount() == 0 && PlayerPlace2->CardCount() == 0) {
        text = QStringLiteral("     Ничья!     ");
        ++Draw;
        LastWinner = nullptr;
    } else if (PlayerPlace1->CardCount() == 0) {
        PlayerPlace2->SetFaced(true);
        text = QStringLiteral("   Вы выиграли!   ");
        ++Wins;
        LastWinner = PlayerPlace1;
    } else if (PlayerPlace2->CardCount() == 0) {
        text = QStringLiteral("   Моя взяла!  ");
        ++Lose;
        LastWinner = PlayerPlace2;
    } else {
        return false;
    }
    SetState(gsOver);
    SetMessage(QStringLiteral(" Игра окончена"));
    vesk::MessageBox(this, QMessageBox::NoIcon, QStringLiteral("Партия окончена"), text);
    return true;
}

void TfMain::CPUMove() {
    switch (State) {
    case gsCPUAttack: {
        if (CheckGameOver())
            return;
        SetMessage(QStringLiteral(" Думаю..."));
        if (!mmSpeedGame->isChecked())
            Delay(200);
        const int i = ChooseAttack(PlayerPlace2->Cards);
        if (i >= 0) {
            GamePlace->PutAttack(PlayerPlace2->ExtractCard(i));
            const int j = ChooseDefence(PlayerPlace1->Cards);
            SetMessage(j == -1 ? QStringLiteral("По-моему, Вам надо брать!")
                               : QStringLiteral("Отбивайтесь!"));
            return;
        }
        SetMessage(QStringLiteral(" Бито!"));
        if (!mmSpeedGame->isChecked())
            Delay(750);
        FirstBout = false;
        RefillHands();
        if (CheckGameOver())
            return;
        SetTurn(PlayerPlace1);
        return;
    }
    case gsManAttack: {
        SetMessage(QStringLiteral(" Думаю..."));
        if (!mmSpeedGame->isChecked())
            Delay(200);
        const int i = ChooseDefence(PlayerPlace2->Cards);
        if (i >= 0) {
            GamePlace->PutDefence(PlayerPlace2->ExtractCard(i));
            const int k = ChooseAttack(PlayerPlace1->Cards);
            SetMessage(k == -1 ? QStringLiteral("По-моему, хватит")
                               : QStringLiteral(" Еще охота!"));
            CheckGameOver();
            return;
        }
        if (CheckGameOver())
            return;
        SetState(gsCPUTakes);
        if (GamePlace->DefenceCount() + PlayerPlace2->CardCount() == GamePlace->AttackCount()) {
            SetMessage(QStringLiteral(" Беру..."));
            if (!mmSpeedGame->isChecked())
                Delay(750);
            NoMoreClick();
        } else {
            SetMessage(QStringLiteral(" Беру! Давайте еще"));
        }
        return;
    }
    case gsManTakes:
        for (;;) {
            if (CheckGameOver())
                return;
            if (GamePlace->AttackCount() >= GamePlace->DefenceCount() + PlayerPlace1->CardCount())
                return;
            const int i = ChooseAttack(PlayerPlace2->Cards);
            if (i < 0)
                return;
            GamePlace->PutAttack(PlayerPlace2->ExtractCard(i));
        }
    default:
        return;
    }
}

void TfMain::TakeClick() {
    if (State == gsManTakes)
        return;
    SetState(gsManTakes);
    CPUMove();
    PlayerPlace1->AddCards(GamePlace->Cards);
    BeatenClick();
}

void TfMain::BeatenClick() {
    FirstBout = false;
    RefillHands();
    if (!CheckGameOver())
        SetTurn(PlayerPlace2);
}

void TfMain::NoMoreClick() {
    PlayerPlace2->AddCards(GamePlace->Cards);
    RefillHands();
    if (!CheckGameOver())
        SetTurn(PlayerPlace1);
}

void TfMain::Delay(int ms) {
    QElapsedTimer tick;
    tick.start();
    InputBlocker blocker;
    // One nested loop per pause, woken by a single timer: the window paints, the CPU sleeps.
    do {
        const qint64 left = ms - tick.elapsed();
        if (left <= 0) {
            QCoreApplication::processEvents();
            break;
        }
        QEventLoop loop;
        bool woken = false;
        QTimer::singleShot(int(left), Qt::PreciseTimer, &loop, [&] {
            woken = true;
            loop.quit();
        });
        loop.exec();
        if (!woken)
            break; // the application is quitting: no more waiting
    } while (ms > tick.elapsed());
}

// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

// What only the window shows of the game: the button's caption and state, the message line,
// the end-of-game box, clicks and raised cards, the secret chord and the pauses, on positions
// laid out in a real main window. The rules themselves are the core's suites'.
#include "modal.h"
#include "notationcheck.h"
#include "tfmain.h"
#include "windowarranger.h"

#include <QAction>
#include <QFile>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>

namespace {
QString Names(const QList<TCard*>& cards) {
    TCardList ids;
    for (const TCard* c : cards)
        ids.push_back(c->Id());
    return QString::fromStdString(CardNames(ids));
}

} // namespace

// Lays a position out in the window and checks that its widgets show what its core holds.
#define ARRANGE(written)                                                                           \
    do {                                                                                           \
        VERIFY_NOTATION(TWindowArranger::Arrange(*window, written));                               \
        SAME_AS_CORE();                                                                            \
    } while (false)
#define SAME_AS_CORE()                                                                             \
    do {                                                                                           \
        const QString differs = TWindowArranger::Differences(*window);                             \
        QVERIFY2(differs.isEmpty(), qPrintable(differs));                                          \
    } while (false)

class TfMainProbe {
public:
    TfMain& w;
    QStringList boxes; // texts of the end-of-game boxes shown

    explicit TfMainProbe(TfMain& window) : w(window) {
        vesk::SetModalHook([this](QDialog* d) {
            if (auto* box = qobject_cast<QMessageBox*>(d)) {
                boxes << box->windowTitle() + "|" + box->text();
                // The box comes after the message and the button are set.
                boxes << w.lMessage->text() + "|" + w.bbtStop->text();
            }
            return int(QMessageBox::Ok);
        });
    }
    ~TfMainProbe() { vesk::SetModalHook(nullptr); }

    TCard* InHand(TPlayerPlace* hand, const QString& name) {
        TCardId id{};
        if (!ParseCard(name.toStdString(), id).empty())
            return nullptr;
        for (TCard* c : hand->Cards)
            if (c->Id() == id)
                return c;
        return nullptr;
    }
    // The human plays a card by a double click, as the mouse delivers it.
    void DoubleClick(const QString& name) {
        TCard* c = InHand(w.PlayerPlace1, name);
        QVERIFY2(c, qPrintable(name));
        Send(c, QEvent::MouseButtonPress);
        Send(c, QEvent::MouseButtonRelease);
        Send(c, QEvent::MouseButtonDblClick);
        Send(c, QEvent::MouseButtonRelease);
    }
    void Click(QWidget* c) {
        Send(c, QEvent::MouseButtonPress);
        Send(c, QEvent::MouseButtonRelease);
    }
    static void Send(QWidget* c, QEvent::Type type, Qt::MouseButtons held = Qt::LeftButton,
                     Qt::KeyboardModifiers mods = {}) {
        const QPointF at(10, 10);
        QMouseEvent e(type, at, c->mapToGlobal(at), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : held, mods);
        QApplication::sendEvent(c, &e);
    }
    TGameState State() const { return w.State; }
    bool FirstBout() const { return w.FirstBout; }
    QString Message() const { return w.lMessage->text(); }
    QString Button() const { return w.bbtStop->text(); }
    TPlayerPlace* LastWinner() const { return w.LastWinner; }
    void SetLastWinner(TPlayerPlace* h) { w.LastWinner = h; }
    TPlayerPlace* First() {
        return w.FirstPlayer(w.PlayerPlace1, w.PlayerPlace2, w.CardBatch->TrumpSuit());
    }
    void SetTurn(TPlayerPlace* h) { w.SetTurn(h); }
    void SetState(TGameState s) { w.SetState(s); }
    void Refill() { w.RefillHands(); }
    void Take() { w.bbtStop->click(); }
    int Counters() const { return w.Wins * 100 + w.Lose * 10 + w.Draw; }
    bool Transfers() const { return w.FGame.P.Transfers; }
    // The button's three commands, called as a stray signal would call them.
    void Command(int which) {
        if (which == 0)
            w.TakeClick();
        else if (which == 1)
            w.BeatenClick();
        else
            w.NoMoreClick();
    }
    void Delay(int ms) { w.Delay(ms); }
};

class TestGame : public QObject {
    Q_OBJECT
    std::unique_ptr<TfMain> window;
    std::unique_ptr<TfMainProbe> probe;
    TPlayerPlace* man = nullptr;
    TPlayerPlace* cpu = nullptr;

private slots:
    void init() {
        // Every case starts as a first run: no counters from the case before.
        QFile::remove(qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/Tovrel.reg"));
        window = std::make_unique<TfMain>();
        window->show();
        probe = std::make_unique<TfMainProbe>(*window);
        man = window->PlayerPlace1;
        cpu = window->PlayerPlace2;
    }
    void cleanup() {
        probe.reset();
        window.reset();
        TCardBatch::SeedSource = nullptr;
    }

    void startState() {
        QCOMPARE(probe->State(), gsIdle);
        QCOMPARE(probe->Message(), QStringLiteral("Нажмите кнопку или F2"));
        QCOMPARE(probe->Button(), QStringLiteral("Начать игру"));
        QVERIFY(!probe->LastWinner());
        QVERIFY(window->CardBatch->isHidden());
    }

    // The window hands the game its last winner by hand; the rule of trumps is the core's.
    void firstLeaderFollowsTheWindowsLastWinner() {
        ARRANGE(WrittenDeal("7H KC", "9H 6H", "JH", 24)); // the lower lowest trump: the computer's
        QCOMPARE(probe->First(), cpu);
        probe->SetLastWinner(man);
        QCOMPARE(probe->First(), man);
        probe->SetLastWinner(cpu);
        QCOMPARE(probe->First(), cpu);
        probe->SetLastWinner(nullptr);
        QCOMPARE(probe->First(), cpu);
    }

    // Refilling moves the cards from the pile into the hands as the core draws them.
    void refillMovesTheWidgets_data() {
        QTest::addColumn<QString>("man");
        QTest::addColumn<int>("state");
        QTest::addColumn<int>("manCards");
        QTest::addColumn<int>("cpuCards");
        QTest::addColumn<int>("stock");
        QTest::newRow("the man draws first") << "6C 7C 8C 9C" << int(gsCPUAttack) << 6 << 5 << 0;
        QTest::newRow("the computer draws first")
            << "6C 7C 8C 9C" << int(gsManAttack) << 5 << 6 << 0;
        QTest::newRow("a full hand is only arranged")
            << "6C 7C 8C 9C 10C JC QC" << int(gsManTakes) << 7 << 6 << 1;
    }
    void refillMovesTheWidgets() {
        QFETCH(QString, man);
        QFETCH(int, state);
        QFETCH(int, manCards);
        QFETCH(int, cpuCards);
        QFETCH(int, stock);
        ARRANGE(WrittenDeal(man, "6D 7D 8D 9D", "6H", 3, "10S JS"));
        probe->SetState(TGameState(state));
        probe->Refill();
        SAME_AS_CORE();
        QCOMPARE(int(this->man->CardCount()), manCards);
        QCOMPARE(int(cpu->CardCount()), cpuCards);
        QCOMPARE(int(window->CardBatch->Count()), stock);
        for (TCard* c : this->man->Cards)
            QVERIFY(c->isVisibleTo(window.get()));
    }

    // The box comes after the message and the button; the counters, the computer's cards shown
    // to a winner, and the window's last winner.
    void endings_data() {
        QTest::addColumn<QString>("man");
        QTest::addColumn<QString>("cpu");
        QTest::addColumn<bool>("manLeads");
        QTest::addColumn<QString>("play"); // the man's cards, played in turn
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("counters"); // wins * 100 + losses * 10 + draws
        QTest::newRow("man beats the last lead with his last card") << "7C"
                                                                    << "6C" << false << "7C"
                                                                    << "     Ничья!     " << 1;
        QTest::newRow("computer beats the man's last card with its last")
            << "6C"
            << "7C" << true << "6C"
            << "     Ничья!     " << 1;
        QTest::newRow("computer declines the man's last card: the man wins at once")
            << "AC"
            << "6D 7D" << true << "AC"
            << "   Вы выиграли!   " << 100;
        QTest::newRow("man beats and the computer has nothing left to throw")
            << "7C 8S"
            << "6C" << false << "7C"
            << "   Моя взяла!  " << 10;
    }
    void endings() {
        QFETCH(QString, man);
        QFETCH(QString, cpu);
        QFETCH(bool, manLeads);
        QFETCH(QString, play);
        QFETCH(QString, box);
        QFETCH(int, counters);
        ARRANGE(WrittenDeal(man, cpu, "6H"));
        probe->SetTurn(manLeads ? this->man : this->cpu);
        for (const QString& c : play.split(' '))
            probe->DoubleClick(c);
        SAME_AS_CORE();
        QCOMPARE(probe->State(), gsOver);
        QCOMPARE(probe->Counters(), counters);
        QCOMPARE(probe->boxes,
                 (QStringList{"Партия окончена|" + box, " Игра окончена|Начать игру"}));
        QCOMPARE(this->cpu->Faced(), counters == 100); // shown only when the man won
        QCOMPARE(probe->LastWinner(), counters == 100  ? this->man
                                      : counters == 10 ? this->cpu
                                                       : nullptr);
    }

    void computerWinsByThrowingInWhileManTakes() {
        ARRANGE(WrittenDeal("7C 8C 9C", "6C 6D 6S", "6H"));
        probe->SetTurn(cpu); // the end game leads the pair's last card: the six of spades
        QCOMPARE(Names(window->GamePlace->AttackCards), QStringLiteral("6S"));
        QCOMPARE(probe->Message(), QStringLiteral("По-моему, Вам надо брать!"));
        QCOMPARE(probe->Button(), QStringLiteral("Беру!"));
        probe->Take();
        SAME_AS_CORE();
        QCOMPARE(probe->State(), gsOver);
        QCOMPARE(probe->Counters(), 10);
        QCOMPARE(Names(man->Cards), QStringLiteral("6C 7C 8C 9C 6D 6S")); // the table came along
        QCOMPARE(probe->Message(), QStringLiteral(" Игра окончена"));
        QCOMPARE(probe->boxes.size(), 2); // no new turn, no second box
    }

    // The button through the bouts that keep or lift the first bout's limit.
    void firstBoutLimit_data() {
        QTest::addColumn<bool>("computerTakes");
        QTest::addColumn<bool>("firstBoutAfter");
        QTest::newRow("computer takes the first bout: still five") << true << true;
        QTest::newRow("man takes the first bout: six") << false << false;
    }
    void firstBoutLimit() {
        QFETCH(bool, computerTakes);
        QFETCH(bool, firstBoutAfter);
        if (computerTakes) {
            // The computer cannot beat the ace and the stock is thick: it takes.
            ARRANGE(WrittenDeal("AC 7D 8D 9D 10D JD", "6C 7C 6S 7S 8S 9S", "6H", 24));
            probe->SetTurn(man);
            probe->DoubleClick("AC");
            QCOMPARE(probe->State(), gsCPUTakes);
            QCOMPARE(probe->Message(), QStringLiteral(" Беру! Давайте еще"));
            QCOMPARE(probe->Button(), QStringLiteral("Больше нету!"));
            probe->Take(); // "Больше нету!"
            QCOMPARE(int(cpu->CardCount()), 7);
            QCOMPARE(probe->State(), gsManAttack);
        } else {
            ARRANGE(WrittenDeal("6S 7S 8S 9S 10S JS", "AC 7D 8D 9D 10D JD", "6H", 24));
            probe->SetTurn(cpu);
            QCOMPARE(probe->State(), gsCPUAttack);
            probe->Take();                         // "Беру!"
            QCOMPARE(probe->State(), gsCPUAttack); // the computer leads again
        }
        SAME_AS_CORE();
        QCOMPARE(probe->FirstBout(), firstBoutAfter);
    }

    void buttonAndMessagesThroughABout() {
        ARRANGE(WrittenDeal("6C 6D 9S 10S JS QS", "7C 7D 8S AS KH QH", "6H", 24));
        probe->SetTurn(man);
        QCOMPARE(probe->Message(), QStringLiteral(" Ваш Ход!"));
        QCOMPARE(probe->Button(), QStringLiteral("Бито!"));
        QVERIFY(!window->bbtStop->isEnabled());
        probe->Click(window->bbtStop); // a bout is not closed before its first card
        QCOMPARE(probe->State(), gsManAttack);
        QCOMPARE(int(man->CardCount()), 6);
        probe->DoubleClick("6C");
        QVERIFY(window->bbtStop->isEnabled());
        QCOMPARE(Names(window->GamePlace->DefenceCards), QStringLiteral("7C"));
        QCOMPARE(probe->Message(), QStringLiteral(" Еще охота!")); // the 6D may follow
        // A refused card: the message stays, nothing moves.
        probe->DoubleClick("9S");
        QCOMPARE(int(man->CardCount()), 5);
        QCOMPARE(probe->Message(), QStringLiteral(" Еще охота!"));
        probe->DoubleClick("6D");
        QCOMPARE(Names(window->GamePlace->DefenceCards), QStringLiteral("7C 7D"));
        QCOMPARE(probe->Message(), QStringLiteral("По-моему, хватит"));
        SAME_AS_CORE();
        probe->Take(); // "Бито!"
        QCOMPARE(probe->State(), gsCPUAttack);
        QCOMPARE(probe->Button(), QStringLiteral("Беру!"));
        QVERIFY(window->bbtStop->isEnabled());
        // Both refilled to six, and the computer has led at once.
        QCOMPARE(int(man->CardCount()), 6);
        QCOMPARE(int(cpu->CardCount()), 5);
        QCOMPARE(int(window->GamePlace->AttackCount()), 1);
        QVERIFY(!probe->FirstBout());
        SAME_AS_CORE();
    }

    void computerTakesAtOnceWhenFull() {
        // The computer holds one card and declines: no room for more, it takes at once.
        ARRANGE(WrittenDeal("AC 6S", "6D", "6H", 0));
        probe->SetTurn(man);
        probe->DoubleClick("AC");
        SAME_AS_CORE();
        QCOMPARE(int(cpu->CardCount()), 2);
        QCOMPARE(probe->State(), gsManAttack);
        QCOMPARE(probe->Message(), QStringLiteral(" Ваш Ход!"));
        QCOMPARE(probe->Button(), QStringLiteral("Бито!"));
    }

    void throwInWhileComputerTakes() {
        ARRANGE(WrittenDeal("AC AD 9S 10S JS QS", "6C 7S 8S", "6H", 0));
        probe->SetTurn(man);
        probe->DoubleClick("AC");
        QCOMPARE(probe->State(), gsCPUTakes);
        probe->DoubleClick("AD"); // two unbeaten, three in its hand: room left
        QCOMPARE(probe->State(), gsCPUTakes);
        QCOMPARE(probe->Message(), QStringLiteral(" Беру! Давайте еще"));
        QCOMPARE(probe->Button(), QStringLiteral("Больше нету!"));
        probe->DoubleClick("9S"); // not on the table: refused
        QCOMPARE(int(window->GamePlace->AttackCount()), 2);
        QVERIFY(probe->InHand(man, "9S")->Selected); // raised, and left raised
        QCOMPARE(probe->InHand(man, "9S")->y(), 0);
        SAME_AS_CORE();
    }

    void ownBeatersComeBackSelected() {
        ARRANGE(WrittenDeal("7D 9S 10S JS QS KS", "6C 6D 8C 9C 10C JC", "6H", 24));
        probe->SetTurn(cpu); // a pair of sixes, the higher suit first
        QCOMPARE(Names(window->GamePlace->AttackCards), QStringLiteral("6D"));
        probe->DoubleClick("7D");
        // The computer throws in the six of clubs; the man takes.
        QCOMPARE(Names(window->GamePlace->AttackCards), QStringLiteral("6D 6C"));
        probe->Take();
        SAME_AS_CORE();
        TCard* own = probe->InHand(man, "7D");
        TCard* theirs = probe->InHand(man, "6C");
        QVERIFY(own && theirs);
        QVERIFY(own->Selected);
        QVERIFY(!theirs->Selected);
        QCOMPARE(own->y(), 0);
        QCOMPARE(theirs->y(), 0);
        QCOMPARE(probe->InHand(man, "9S")->y(), 9);
    }

    void secretChord_data() {
        QTest::addColumn<int>("mods");
        QTest::addColumn<int>("buttons");
        QTest::addColumn<bool>("turns");
        const int all = Qt::ShiftModifier | Qt::AltModifier | Qt::ControlModifier;
        const int both = Qt::LeftButton | Qt::RightButton;
        QTest::newRow("all keys, both buttons") << all << both << true;
        QTest::newRow("no shift") << int(Qt::AltModifier | Qt::ControlModifier) << both << false;
        QTest::newRow("left button only") << all << int(Qt::LeftButton) << false;
        QTest::newRow("plain click") << 0 << int(Qt::LeftButton) << false;
    }
    void secretChord() {
        QFETCH(int, mods);
        QFETCH(int, buttons);
        QFETCH(bool, turns);
        ARRANGE(WrittenDeal("6C", "7C", "6H", 10));
        auto press = [&] {
            TfMainProbe::Send(window->GamePlace, QEvent::MouseButtonPress,
                              Qt::MouseButtons(buttons), Qt::KeyboardModifiers(mods));
        };
        press();
        QCOMPARE(cpu->Faced(), turns);
        QCOMPARE(cpu->Cards[0]->Faced(), turns);
        press();
        QVERIFY(!cpu->Faced());
        SAME_AS_CORE(); // the play is not touched
    }

    // The person passes the attack on: a card that can only pass on is played as any card is;
    // a trump of the attacking value beats when played so, and passes on when raised and then
    // laid beside the row by a click on the free table or by Down.
    void personTransfers_data() {
        QTest::addColumn<QString>("card");
        QTest::addColumn<QString>("gesture"); // double, table, down, row
        QTest::addColumn<QString>("result");  // passed, beaten, nothing
        QTest::newRow("a plain seven, double click") << "7S"
                                                     << "double"
                                                     << "passed";
        QTest::newRow("a plain seven, by the table") << "7S"
                                                     << "table"
                                                     << "passed";
        QTest::newRow("a plain seven, by Down") << "7S"
                                                << "down"
                                                << "passed";
        QTest::newRow("the trump seven beats on a double click") << "7H"
                                                                 << "double"
                                                                 << "beaten";
        QTest::newRow("the trump seven by the table") << "7H"
                                                      << "table"
                                                      << "passed";
        QTest::newRow("the trump seven by Down") << "7H"
                                                 << "down"
                                                 << "passed";
        QTest::newRow("a click on the row itself does not") << "7H"
                                                            << "row"
                                                            << "nothing";
    }
    void personTransfers() {
        QFETCH(QString, card);
        QFETCH(QString, gesture);
        QFETCH(QString, result);
        // Hearts trumps; the computer led the seven of diamonds and holds no seven.
        TWrittenPosition w = WrittenDeal("7S 7H AC KC", "6S 8S 9S JS QS", "6H", 10);
        w.Table = "7D";
        w.State = gsCPUAttack;
        w.Transfers = true;
        ARRANGE(w);
        window->mmSpeedGame->setChecked(true);
        TCard* c = probe->InHand(man, card);
        QVERIFY(c);
        if (gesture == "double") {
            probe->DoubleClick(card);
        } else {
            probe->Click(c); // raised
            QVERIFY(c->Selected);
            if (gesture == "down") {
                QTest::keyClick(window.get(), Qt::Key_Down);
            } else {
                const int x = gesture == "table" ? window->GamePlace->NextAttackLeft() + 20 : 30;
                QTest::mouseClick(window->GamePlace, Qt::LeftButton, {}, QPoint(x, 40));
            }
        }
        if (result == "passed") {
            // The computer, now defending the row of two red sevens, cannot beat and takes.
            QCOMPARE(Names(window->GamePlace->AttackCards), "7D " + card);
            QCOMPARE(probe->State(), gsCPUTakes);
            QCOMPARE(probe->Message(), QStringLiteral(" Беру! Давайте еще"));
        } else if (result == "beaten") {
            // Beaten, and the computer had nothing to throw in: the person leads next.
            QCOMPARE(probe->State(), gsManAttack);
            QVERIFY(window->GamePlace->Cards.isEmpty());
            QVERIFY(!man->Cards.contains(c));
        } else {
            QCOMPARE(probe->State(), gsCPUAttack);
            QCOMPARE(Names(window->GamePlace->Cards), QStringLiteral("7D"));
            QVERIFY(man->Cards.contains(c));
        }
        SAME_AS_CORE();
    }

    // One game, one rule set: the item counts from the next new game, and the caption says
    // which game is played.
    void ruleSetFollowsTheNextNewGame() {
        QCOMPARE(window->windowTitle(), QStringLiteral("Веск подкидной"));
        window->mmNewGame->trigger();
        window->mmTransferGame->trigger();
        QVERIFY(window->mmTransferGame->isChecked());
        QVERIFY(!probe->Transfers());
        QCOMPARE(window->windowTitle(), QStringLiteral("Веск подкидной"));
        window->mmNewGame->trigger();
        QVERIFY(probe->Transfers());
        QCOMPARE(window->windowTitle(), QStringLiteral("Веск переводной"));
        window->mmTransferGame->trigger();
        QVERIFY(probe->Transfers());
        window->mmNewGame->trigger();
        QVERIFY(!probe->Transfers());
        QCOMPARE(window->windowTitle(), QStringLiteral("Веск подкидной"));
    }

    // The button's commands where they do not belong leave the game as it is: "Бито!" while the
    // computer's lead lies unbeaten does not throw it away.
    void untimelyCommandsDoNothing_data() {
        QTest::addColumn<int>("command"); // 0 take, 1 beaten, 2 no more
        QTest::addColumn<bool>("manLeads");
        QTest::newRow("beaten under the computer's lead") << 1 << false;
        QTest::newRow("no more under the computer's lead") << 2 << false;
        QTest::newRow("take while the person leads") << 0 << true;
        QTest::newRow("beaten before the person's first card") << 1 << true;
        QTest::newRow("no more while the person leads") << 2 << true;
    }
    void untimelyCommandsDoNothing() {
        QFETCH(int, command);
        QFETCH(bool, manLeads);
        // The person leads deal 3; the computer deal 4.
        TCardBatch::SeedSource = [manLeads] { return manLeads ? 3u : 4u; };
        window->mmNewGame->trigger();
        QCOMPARE(probe->State(), manLeads ? gsManAttack : gsCPUAttack);
        const QString hands = Names(man->Cards) + "|" + Names(cpu->Cards);
        const QString table = Names(window->GamePlace->Cards);
        const QString message = probe->Message();
        probe->Command(command);
        QCOMPARE(Names(man->Cards) + "|" + Names(cpu->Cards), hands);
        QCOMPARE(Names(window->GamePlace->Cards), table);
        QCOMPARE(probe->Message(), message);
        QCOMPARE(probe->State(), manLeads ? gsManAttack : gsCPUAttack);
        SAME_AS_CORE();
    }

    void newGameRightAfterYourTurn() {
        ARRANGE(WrittenDeal("6C 7C 8C 9C 10C JC", "6D 7D 8D 9D 10D JD", "6H", 24));
        probe->SetTurn(man);
        QVERIFY(!window->bbtStop->isEnabled());
        TCardBatch::SeedSource = [] { return 3u; };
        probe->SetLastWinner(cpu); // the computer leads the new game
        window->mmNewGame->trigger();
        QCOMPARE(probe->State(), gsCPUAttack);
        QCOMPARE(probe->Button(), QStringLiteral("Беру!"));
        QVERIFY(window->bbtStop->isEnabled());
        QCOMPARE(probe->Counters(), 0); // an abandoned game counts nothing
        QCOMPARE(probe->LastWinner(), cpu);
        SAME_AS_CORE();
    }

    // The arranger's check sees a window whose widgets went their own way.
    void differencesAreFound() {
        ARRANGE(WrittenDeal("6C 7C", "8D", "6H", 10, "AS"));
        window->PlayerPlace1->AddCard(window->CardBatch->PopCard()); // only the widgets
        QVERIFY(!TWindowArranger::Differences(*window).isEmpty());
        ARRANGE(WrittenDeal("6C 7C", "8D", "6H", 10, "AS"));
        window->GamePlace->PutAttack(window->PlayerPlace2->ExtractCard(0));
        QVERIFY(!TWindowArranger::Differences(*window).isEmpty());
        ARRANGE(WrittenDeal("6C 7C", "8D", "6H", 10, "AS"));
        window->bbtStop->setEnabled(false);
        QVERIFY(!TWindowArranger::Differences(*window).isEmpty());
        ARRANGE(WrittenDeal("6C 7C", "8D", "6H", 10, "AS"));
        window->lMessage->setText(QStringLiteral("?"));
        QVERIFY(!TWindowArranger::Differences(*window).isEmpty());
    }

    void pauseBlocksInputAndDefersClose() {
        int clicks = 0;
        connect(window->bbtStop, &QPushButton::clicked, [&] { ++clicks; });
        bool painted = false;
        QTimer::singleShot(20, [&] {
            probe->Click(window->bbtStop);
            QTest::keyClick(window.get(), Qt::Key_F2);
            painted = window->bbtStop->isEnabled(); // not greyed by the pause
        });
        probe->Delay(120);
        QCOMPARE(clicks, 0);
        QCOMPARE(probe->State(), gsIdle); // F2 was eaten too
        QVERIFY(painted);
        probe->Click(window->bbtStop); // and input works again afterwards
        QCOMPARE(clicks, 1);
    }

    void closeDuringAPauseInsideAHandler() {
        window->mmSpeedGame->trigger(); // pauses on
        QVERIFY(!window->mmSpeedGame->isChecked());
        TCardBatch::SeedSource = [] { return 11u; };
        bool visibleAfterClose = false;
        QTimer::singleShot(50, [&] {
            window->close();
            visibleAfterClose = window->isVisible();
        });
        window->mmNewGame->trigger(); // 300 ms at least before the first turn
        QVERIFY(visibleAfterClose);
        QTRY_VERIFY(!window->isVisible()); // closed once the handler returned
    }
};

QTEST_MAIN(TestGame)
#include "tst_game.moc"

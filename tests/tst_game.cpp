// The game flow and the human's moves, on arranged deals in a real main window.
#include "artwork.h"
#include "modal.h"
#include "tfmain.h"

#include <QAction>
#include <QFile>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>

namespace {
// "6C", "10H", "QS", "AD": rank then suit (clubs, diamonds, hearts, spades).
int Num(const QString& s) {
    static const QStringList ranks = {"6", "7", "8", "9", "10", "J", "Q", "K", "A"};
    const int value = ranks.indexOf(s.left(s.size() - 1));
    const int suit = QStringLiteral("CDHS").indexOf(s.back());
    Q_ASSERT(value >= 0 && suit >= 0);
    return suit * 10 + value;
}
QList<int> Nums(const QString& list) {
    QList<int> out;
    for (const QString& s : list.split(' ', Qt::SkipEmptyParts))
        out << Num(s);
    return out;
}
QString Names(const QList<TCard*>& cards) {
    static const QStringList ranks = {"6", "7", "8", "9", "10", "J", "Q", "K", "A"};
    QStringList out;
    for (const TCard* c : cards)
        out << ranks[c->Value()] + QStringLiteral("CDHS")[c->Suit()];
    return out.join(' ');
}
} // namespace

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

    // A new game as the program deals it, but with the given hands, the trump card and the
    // number of cards left in the stock (the trump card included); no turn is announced.
    void Arrange(const QString& man, const QString& cpu, const QString& trump, int stock = 0,
                 const QString& nextInStock = {}) {
        w.PlayerPlace1->ClearHand();
        w.PlayerPlace2->ClearHand();
        w.PlayerPlace2->SetFaced(false);
        w.CardBatch->show();
        w.FirstBout = true;
        w.SetState(gsIdle);
        w.bbtStop->setEnabled(true);
        w.CardBatch->Shuffle();
        const QList<int> m = Nums(man), c = Nums(cpu), next = Nums(nextInStock);
        const int t = Num(trump);
        QList<int> rest;
        for (int n = 0; n < 39; ++n)
            if (n % 10 != 9 && n != t && !m.contains(n) && !c.contains(n) && !next.contains(n))
                rest << n;
        // Bottom to top: the trump card, the stock, then what is dealt or discarded.
        QList<int> order = {t};
        while (order.size() + next.size() < stock)
            order << rest.takeFirst();
        for (int i = int(next.size()) - 1; i >= 0; --i)
            order << next[i];
        order << rest << m << c;
        Q_ASSERT(order.size() == 36);
        auto& cards = w.CardBatch->Cards;
        for (int i = 0; i < 36; ++i) {
            cards[i]->SetCardNomber(std::uint8_t(order[i]));
            cards[i]->FaceBitmap = LoadCardBitmap(cards[i]->Suit(), cards[i]->Value());
            cards[i]->IsTrump = cards[i]->Suit() == t / 10;
        }
        while (w.CardBatch->Count() > stock) {
            TCard* card = w.CardBatch->PopCard();
            if (m.contains(card->CardNomber()))
                w.PlayerPlace1->AddCard(card);
            else if (c.contains(card->CardNomber()))
                w.PlayerPlace2->AddCard(card);
            else
                card->SetParentControl(nullptr);
        }
    }
    TCard* InHand(TPlayerPlace* hand, const QString& name) {
        for (TCard* c : hand->Cards)
            if (c->CardNomber() == Num(name))
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

    void firstLeader_data() {
        QTest::addColumn<QString>("man");
        QTest::addColumn<QString>("cpu");
        QTest::addColumn<QString>("trump");
        QTest::addColumn<bool>("manLeads");
        QTest::newRow("jack up: lower lowest trump") << "7H KC"
                                                     << "9H 6H"
                                                     << "JH" << false;
        QTest::newRow("jack up: man lower") << "6H AS"
                                            << "7H 8H"
                                            << "JH" << true;
        QTest::newRow("ten: higher highest trump") << "7H 8H"
                                                   << "9H 6C"
                                                   << "10H" << false;
        QTest::newRow("ten: man higher") << "AH 6C"
                                         << "KH QH"
                                         << "10H" << true;
        QTest::newRow("high, only the computer holds one") << "6C 7C"
                                                           << "8H 6D"
                                                           << "AH" << false;
        QTest::newRow("low, only the man holds one") << "6S 7C"
                                                     << "8C 6D"
                                                     << "9S" << true;
        QTest::newRow("high, no trumps: man leads") << "6C 7C"
                                                    << "8C 6D"
                                                    << "QS" << true;
        QTest::newRow("low, no trumps: computer leads") << "6C 7C"
                                                        << "8C 6D"
                                                        << "9S" << false;
    }
    void firstLeader() {
        QFETCH(QString, man);
        QFETCH(QString, cpu);
        QFETCH(QString, trump);
        QFETCH(bool, manLeads);
        probe->Arrange(man, cpu, trump, 24);
        QCOMPARE(probe->First(), manLeads ? window->PlayerPlace1 : window->PlayerPlace2);
        // The winner of the last decided game leads whatever the trumps.
        probe->SetLastWinner(window->PlayerPlace1);
        QCOMPARE(probe->First(), window->PlayerPlace1);
        probe->SetLastWinner(window->PlayerPlace2);
        QCOMPARE(probe->First(), window->PlayerPlace2);
    }

    void refillOrder_data() {
        QTest::addColumn<int>("state");
        QTest::addColumn<bool>("manFirst");
        QTest::newRow("computer led, beaten by the man") << int(gsCPUAttack) << true;
        QTest::newRow("man led, beaten") << int(gsManAttack) << false;
        QTest::newRow("man took") << int(gsManTakes) << false;
        QTest::newRow("computer took") << int(gsCPUTakes) << false;
        QTest::newRow("the deal") << int(gsIdle) << false;
    }
    void refillOrder() {
        QFETCH(int, state);
        QFETCH(bool, manFirst);
        // Four cards each, three in the stock: the first draws two, the second one.
        probe->Arrange("6C 7C 8C 9C", "6D 7D 8D 9D", "6H", 3, "10S JS");
        probe->SetState(TGameState(state));
        probe->Refill();
        TPlayerPlace* first = manFirst ? man : cpu;
        TPlayerPlace* second = manFirst ? cpu : man;
        QCOMPARE(int(first->CardCount()), 6);
        QCOMPARE(int(second->CardCount()), 5);
        QCOMPARE(int(window->CardBatch->Count()), 0);
        // One card at a time from the top: the first hand got the top two.
        QVERIFY(probe->InHand(first, "10S") && probe->InHand(first, "JS"));
        QVERIFY(probe->InHand(second, "6H")); // the trump card is drawn last
    }

    void fullHandIsOnlyArranged() {
        probe->Arrange("6C 7C 8C 9C 10C JC QC", "6D 7D 8D 9D", "6H", 5);
        probe->SetState(gsManTakes);
        probe->Refill();
        QCOMPARE(int(man->CardCount()), 7);
        QCOMPARE(int(cpu->CardCount()), 6);
        QCOMPARE(int(window->CardBatch->Count()), 3);
    }

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
        probe->Arrange(man, cpu, "6H");
        probe->SetTurn(manLeads ? this->man : this->cpu);
        for (const QString& c : play.split(' '))
            probe->DoubleClick(c);
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
        probe->Arrange("7C 8C 9C", "6C 6D 6S", "6H");
        probe->SetTurn(cpu); // the end game leads the pair's last card: the six of spades
        QCOMPARE(Names(window->GamePlace->AttackCards), QStringLiteral("6S"));
        QCOMPARE(probe->Message(), QStringLiteral("По-моему, Вам надо брать!"));
        QCOMPARE(probe->Button(), QStringLiteral("Беру!"));
        probe->Take();
        QCOMPARE(probe->State(), gsOver);
        QCOMPARE(probe->Counters(), 10);
        QCOMPARE(Names(man->Cards), QStringLiteral("6C 7C 8C 9C 6D 6S")); // the table came along
        QCOMPARE(probe->Message(), QStringLiteral(" Игра окончена"));
        QCOMPARE(probe->boxes.size(), 2); // no new turn, no second box
    }

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
            probe->Arrange("AC 7D 8D 9D 10D JD", "6C 7C 6S 7S 8S 9S", "6H", 24);
            probe->SetTurn(man);
            probe->DoubleClick("AC");
            QCOMPARE(probe->State(), gsCPUTakes);
            QCOMPARE(probe->Message(), QStringLiteral(" Беру! Давайте еще"));
            QCOMPARE(probe->Button(), QStringLiteral("Больше нету!"));
            probe->Take(); // "Больше нету!"
            QCOMPARE(int(cpu->CardCount()), 7);
            QCOMPARE(probe->State(), gsManAttack);
        } else {
            probe->Arrange("6S 7S 8S 9S 10S JS", "AC 7D 8D 9D 10D JD", "6H", 24);
            probe->SetTurn(cpu);
            QCOMPARE(probe->State(), gsCPUAttack);
            probe->Take();                         // "Беру!"
            QCOMPARE(probe->State(), gsCPUAttack); // the computer leads again
        }
        QCOMPARE(probe->FirstBout(), firstBoutAfter);
    }

    void buttonAndMessagesThroughABout() {
        probe->Arrange("6C 6D 9S 10S JS QS", "7C 7D 8S AS KH QH", "6H", 24);
        probe->SetTurn(man);
        QCOMPARE(probe->Message(), QStringLiteral(" Ваш Ход!"));
        QCOMPARE(probe->Button(), QStringLiteral("Бито!"));
        QVERIFY(!window->bbtStop->isEnabled());
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
        probe->Take(); // "Бито!"
        QCOMPARE(probe->State(), gsCPUAttack);
        QCOMPARE(probe->Button(), QStringLiteral("Беру!"));
        QVERIFY(window->bbtStop->isEnabled());
        // Both refilled to six, and the computer has led at once.
        QCOMPARE(int(man->CardCount()), 6);
        QCOMPARE(int(cpu->CardCount()), 5);
        QCOMPARE(int(window->GamePlace->AttackCount()), 1);
        QVERIFY(!probe->FirstBout());
    }

    void computerTakesAtOnceWhenFull() {
        // The computer holds one card and declines: no room for more, it takes at once.
        probe->Arrange("AC 6S", "6D", "6H", 0);
        probe->SetTurn(man);
        probe->DoubleClick("AC");
        QCOMPARE(int(cpu->CardCount()), 2);
        QCOMPARE(probe->State(), gsManAttack);
        QCOMPARE(probe->Message(), QStringLiteral(" Ваш Ход!"));
    }

    void throwInWhileComputerTakes() {
        probe->Arrange("AC AD 9S 10S JS QS", "6C 7S 8S", "6H", 0);
        probe->SetTurn(man);
        probe->DoubleClick("AC");
        QCOMPARE(probe->State(), gsCPUTakes);
        probe->DoubleClick("AD"); // two unbeaten, three in its hand: room left
        QCOMPARE(probe->State(), gsCPUTakes);
        QCOMPARE(probe->Message(), QStringLiteral(" Беру! Давайте еще"));
        QCOMPARE(probe->Button(), QStringLiteral("Больше нету!"));
        probe->DoubleClick("9S"); // not on the table: refused
        QCOMPARE(int(window->GamePlace->AttackCount()), 2);
    }

    void ownBeatersComeBackSelected() {
        probe->Arrange("7D 9S 10S JS QS KS", "6C 6D 8C 9C 10C JC", "6H", 24);
        probe->SetTurn(cpu); // a pair of sixes, the higher suit first
        QCOMPARE(Names(window->GamePlace->AttackCards), QStringLiteral("6D"));
        probe->DoubleClick("7D");
        // The computer throws in the six of clubs; the man takes.
        QCOMPARE(Names(window->GamePlace->AttackCards), QStringLiteral("6D 6C"));
        probe->Take();
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
        probe->Arrange("6C", "7C", "6H", 10);
        auto press = [&] {
            TfMainProbe::Send(window->GamePlace, QEvent::MouseButtonPress,
                              Qt::MouseButtons(buttons), Qt::KeyboardModifiers(mods));
        };
        press();
        QCOMPARE(cpu->Faced(), turns);
        QCOMPARE(cpu->Cards[0]->Faced(), turns);
        press();
        QVERIFY(!cpu->Faced());
    }

    void newGameRightAfterYourTurn() {
        probe->Arrange("6C 7C 8C 9C 10C JC", "6D 7D 8D 9D 10D JD", "6H", 24);
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

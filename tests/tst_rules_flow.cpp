// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

// The game's flow in the rules core, with no window: who leads, the order of the messages,
// pauses and states a view is shown, refilling, the first bout's limit and the game's end.
#include "game.h"
#include "headless.h"
#include "invariants.h"
#include "messages.h"
#include "notationcheck.h"

#include <QTest>

#include <random>

namespace {
const char* StateName(TGameState s) {
    switch (s) {
    case gsIdle:
        return "idle";
    case gsOver:
        return "over";
    case gsCPUAttack:
        return "cpu attacks";
    case gsManAttack:
        return "man attacks";
    case gsCPUTakes:
        return "cpu takes";
    case gsManTakes:
        return "man takes";
    }
    return "?";
}

const char* Seat(TVeskPlayerType seat) {
    return seat == ptMan ? "man" : "cpu";
}

// Writes down every step the game shows, in order.
class TRecorder : public TGameView {
public:
    explicit TRecorder(const TGame& game) : G(game) {}
    QStringList Steps;
    TMessage Message = msStart; // what the window would say last

    void GameStarting() override { Steps << "starting"; }
    void Shuffled() override { Steps << "shuffled"; }
    void StateSet(TGameState s) override { Steps << QStringLiteral("state %1").arg(StateName(s)); }
    void ButtonEnabled(bool e) override { Steps << (e ? "button on" : "button off"); }
    void News(TNews n) override {
        Message = MessageOf(n, G);
        Steps << QStringLiteral("message \"%1\"").arg(QString::fromUtf8(MessageText(Message)));
    }
    void Pause(int ms) override { Steps << QStringLiteral("pause %1").arg(ms); }
    void RolesSet() override {
        Steps << QStringLiteral("roles %1 %2").arg(G.P.Role(ptMan)).arg(G.P.Role(ptCPU));
    }
    void TableCleared() override { Steps << "table cleared"; }
    void Drawn(TVeskPlayerType seat, int n) override {
        Steps << QStringLiteral("%1 draws %2").arg(Seat(seat)).arg(n);
    }
    void Arranged(TVeskPlayerType seat) override {
        Steps << QStringLiteral("%1 arranged").arg(Seat(seat));
    }
    void Laid(TVeskPlayerType seat, int, bool attack) override {
        Steps << QStringLiteral("%1 %2 %3")
                     .arg(Seat(seat), attack ? "attacks" : "beats",
                          QString::fromStdString(CardName(G.P.Table.Cards.back())));
    }
    void TableTaken(TVeskPlayerType seat) override {
        Steps << QStringLiteral("%1 takes the table").arg(Seat(seat));
    }
    void GameEnded(TOutcome o) override {
        Steps << QStringLiteral("ended \"%1\"").arg(QString::fromUtf8(OutcomeText(o)));
    }
    void OutcomeShown(TOutcome) override { Steps << "box"; }

private:
    const TGame& G;
};

QString Names(const TCardList& cards) {
    return QString::fromStdString(CardNames(cards));
}

QString Msg(TMessage m) {
    return QString::fromUtf8(MessageText(m));
}

// Plays the person's seat with random legal choices: a card of the hand the rules accept,
// or the button.
class TRandomPolicy : public TCardPolicy {
public:
    explicit TRandomPolicy(std::uint32_t seed) : Rng(seed) {}
    int ChooseAttack(const TGame& game, TVeskPlayerType seat) override {
        return Pick(game, seat, 1);
    }
    int ChooseDefence(const TGame& game, TVeskPlayerType seat) override {
        return Pick(game, seat, 2);
    }

private:
    int Pick(const TGame& game, TVeskPlayerType seat, std::uint8_t kind) {
        std::vector<int> legal;
        const TCardList& hand = game.P.Hands[seat].Cards();
        for (int i = 0; i < hand.size(); ++i)
            if (game.CanPlay(kind, hand[i]))
                legal.push_back(i);
        // Now and then the button although a card would do; a lead needs a card.
        const bool lead = kind == 1 && game.P.Table.Cards.empty();
        if (legal.empty() || (!lead && Rng() % 5 == 0))
            return -1;
        return legal[Rng() % legal.size()];
    }
    std::mt19937 Rng;
};
} // namespace

class TestRulesFlow : public QObject {
    Q_OBJECT
    TGame game;
    std::unique_ptr<TRecorder> view;
    TRulePolicy rules;

    // Lays the position into the game; the steps recorded start afresh.
    bool Arrange(const TWrittenPosition& written) {
        const std::string why = MakePosition(written, game.P);
        if (!why.empty()) {
            QTest::qFail(why.c_str(), __FILE__, __LINE__);
            return false;
        }
        view->Steps.clear();
        return true;
    }
    bool Play(const QString& name) {
        TCardId c{};
        const std::string why = ParseCard(name.toStdString(), c);
        if (!why.empty()) {
            QTest::qFail(why.c_str(), __FILE__, __LINE__);
            return false;
        }
        return Act(game, TAction::Card(game.Man().Cards().indexOf(c)));
    }
    // The game's steps as a driver takes them: the computer answers at once.
    void Turn(TVeskPlayerType seat) {
        game.SetTurn(seat);
        PlayComputer(game, rules);
    }
    void NewGame(std::uint32_t seed) {
        game.NewGame(seed);
        PlayComputer(game, rules);
    }

private slots:
    void init() {
        game = TGame{};
        view = std::make_unique<TRecorder>(game);
        game.View = view.get();
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
        QVERIFY(Arrange(WrittenDeal(man, cpu, trump, 24)));
        QCOMPARE(game.FirstPlayer(), manLeads ? ptMan : ptCPU);
        // The winner of the last decided game leads whatever the trumps.
        game.LastWinner = ptMan;
        QCOMPARE(game.FirstPlayer(), ptMan);
        game.LastWinner = ptCPU;
        QCOMPARE(game.FirstPlayer(), ptCPU);
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
        QVERIFY(Arrange(WrittenDeal("6C 7C 8C 9C", "6D 7D 8D 9D", "6H", 3, "10S JS")));
        game.P.Table.PutAttack({3, 0}); // what lies on the table is discarded first
        game.SetState(TGameState(state));
        view->Steps.clear();
        game.RefillHands();
        const TVeskPlayerType first = manFirst ? ptMan : ptCPU;
        const THand& a = game.P.Hands[first];
        const THand& b = game.P.Hands[Other(first)];
        QCOMPARE(a.CardCount(), 6);
        QCOMPARE(b.CardCount(), 5);
        QCOMPARE(game.P.Stock.Count(), 0);
        QCOMPARE(game.P.Table.Cards.size(), 0);
        // One card at a time from the top: the first hand got the top two.
        QVERIFY(a.Cards().contains({3, 4}) && a.Cards().contains({3, 5})); // 10S, JS
        QVERIFY(b.Cards().contains({2, 0}));                               // the trump card last
        QCOMPARE(view->Steps,
                 (QStringList{"table cleared", QStringLiteral("%1 draws 2").arg(Seat(first)),
                              QStringLiteral("%1 draws 1").arg(Seat(Other(first)))}));
    }

    void fullHandIsOnlyArranged() {
        QVERIFY(Arrange(WrittenDeal("6C 7C 8C 9C 10C JC QC", "6D 7D 8D 9D", "6H", 5)));
        game.SetState(gsManTakes);
        view->Steps.clear();
        game.RefillHands();
        QCOMPARE(game.Man().CardCount(), 7);
        QCOMPARE(game.Cpu().CardCount(), 6);
        QCOMPARE(game.P.Stock.Count(), 3);
        QCOMPARE(view->Steps, (QStringList{"table cleared", "cpu draws 2", "man arranged"}));
    }

    // A new game: emptied hands, the shuffle, the computer dealt first, then the turn.
    void newGameDealsTheComputerFirst() {
        game.LastWinner = ptMan;
        NewGame(5);
        TStock expected;
        expected.Shuffle(5);
        QCOMPARE(game.P.Stock.Count(), 24);
        QCOMPARE(game.P.Trump(), expected.TrumpSuit());
        // The computer's six are the top six of the new stock.
        TCardList top;
        for (int i = 35; i >= 30; --i)
            top.push_back(expected.Cards[std::size_t(i)]);
        for (const TCardId c : top)
            QVERIFY(game.Cpu().Cards().contains(c));
        QCOMPARE(view->Steps,
                 (QStringList{"starting", "state idle", "button on", "shuffled", "table cleared",
                              "cpu draws 6", "man draws 6", "message \" Ваш Ход!\"", "button off",
                              "roles 1 2", "pause 300", "state man attacks"}));
        QVERIFY(game.P.FirstBout);
        QVERIFY(!game.ButtonEnabled());
    }

    void computerLeadShowsItsStepsInOrder() {
        QVERIFY(Arrange(WrittenDeal("7D 9S 10S JS QS KS", "6C 6D 8C 9C 10C JC", "6H", 24)));
        Turn(ptCPU);
        QCOMPARE(view->Steps,
                 (QStringList{"roles 2 1", "message \" Мой ход!\"", "pause 300",
                              "state cpu attacks", "message \" Думаю...\"", "pause 200",
                              "cpu attacks 6D", "message \"Отбивайтесь!\""}));
        // The man beats; the computer throws in the other six.
        view->Steps.clear();
        QVERIFY(Play("7D"));
        QCOMPARE(view->Steps,
                 (QStringList{"message \"\"", "man beats 7D", "message \" Думаю...\"", "pause 200",
                              "cpu attacks 6C", "message \"По-моему, Вам надо брать!\""}));
        // The man takes: the table comes in laying order, the computer leads again.
        view->Steps.clear();
        Act(game, TAction::Take());
        QCOMPARE(view->Steps.mid(0, 3),
                 (QStringList{"state man takes", "man takes the table", "table cleared"}));
        QCOMPARE(Names(game.Man().Cards()), QStringLiteral("6C 6D 7D 9S 10S JS QS KS"));
        QCOMPARE(game.P.State, gsCPUAttack);
        QVERIFY(!game.P.FirstBout);
    }

    void computerClosesItsBout() {
        // Nothing to throw in after the man beats: " Бито!", a pause, the man leads.
        QVERIFY(Arrange(WrittenDeal("7C 9S 10S JS QS KS", "6C 8D 9D 10D JD QD", "6H", 24)));
        Turn(ptCPU);
        QCOMPARE(Names(game.P.Table.Attack), QStringLiteral("6C"));
        view->Steps.clear();
        QVERIFY(Play("7C"));
        QCOMPARE(view->Steps.mid(0, 9),
                 (QStringList{"message \"\"", "man beats 7C", "message \" Думаю...\"", "pause 200",
                              "message \" Бито!\"", "pause 750", "table cleared", "man draws 1",
                              "cpu draws 1"}));
        QCOMPARE(game.P.State, gsManAttack);
        QCOMPARE(view->Message, msYourTurn);
        QVERIFY(!game.P.FirstBout);
    }

    void buttonAndMessagesThroughABout() {
        QVERIFY(Arrange(WrittenDeal("6C 6D 9S 10S JS QS", "7C 7D 8S AS KH QH", "6H", 24)));
        Turn(ptMan);
        QCOMPARE(view->Message, msYourTurn);
        QVERIFY(!game.ButtonEnabled());
        view->Steps.clear();
        QVERIFY(Play("6C"));
        QCOMPARE(view->Steps, (QStringList{"message \"\"", "man attacks 6C", "button on",
                                           "message \" Думаю...\"", "pause 200", "cpu beats 7C",
                                           "message \" Еще охота!\""}));
        // A refused card: nothing moves, nothing is shown.
        view->Steps.clear();
        QVERIFY(!Play("9S"));
        QCOMPARE(game.Man().CardCount(), 5);
        QVERIFY(view->Steps.isEmpty());
        QVERIFY(Play("6D"));
        QCOMPARE(Names(game.P.Table.Defence), QStringLiteral("7C 7D"));
        QCOMPARE(view->Message, msEnough);
        Act(game, TAction::Beaten());
        QCOMPARE(game.P.State, gsCPUAttack);
        QVERIFY(game.ButtonEnabled());
        // Both refilled to six, and the computer has led at once.
        QCOMPARE(game.Man().CardCount(), 6);
        QCOMPARE(game.Cpu().CardCount(), 5);
        QCOMPARE(game.P.Table.AttackCount(), 1);
        QVERIFY(!game.P.FirstBout);
    }

    void computerTakesAtOnceWhenFull() {
        // The computer holds one card and declines: no room for more, it takes at once.
        QVERIFY(Arrange(WrittenDeal("AC 6S", "6D", "6H", 0)));
        Turn(ptMan);
        view->Steps.clear();
        QVERIFY(Play("AC"));
        QCOMPARE(view->Steps.mid(0, 9),
                 (QStringList{"message \"\"", "man attacks AC", "button on",
                              "message \" Думаю...\"", "pause 200", "state cpu takes",
                              "message \" Беру...\"", "pause 750", "cpu takes the table"}));
        QCOMPARE(game.Cpu().CardCount(), 2);
        QCOMPARE(game.P.State, gsManAttack);
        QCOMPARE(view->Message, msYourTurn);
    }

    void throwInWhileComputerTakes() {
        QVERIFY(Arrange(WrittenDeal("AC AD 9S 10S JS QS", "6C 7S 8S", "6H", 0)));
        Turn(ptMan);
        QVERIFY(Play("AC"));
        QCOMPARE(game.P.State, gsCPUTakes);
        QCOMPARE(view->Message, msTakingGiveMore);
        view->Steps.clear();
        QVERIFY(Play("AD")); // two unbeaten, three in its hand: room left
        QCOMPARE(view->Steps, (QStringList{"man attacks AD"})); // no message, no move
        QCOMPARE(game.P.State, gsCPUTakes);
        QCOMPARE(view->Message, msTakingGiveMore);
        QVERIFY(!Play("9S")); // not on the table: refused
        QCOMPARE(game.P.Table.AttackCount(), 2);
        // "Больше нету!": the computer takes, the man leads.
        Act(game, TAction::NoMore());
        QCOMPARE(game.Cpu().CardCount(), 5);
        QCOMPARE(game.P.State, gsManAttack);
    }

    // A throw-in that fills the computer's hand makes it take at once.
    void throwInThatFillsTheHand() {
        QVERIFY(Arrange(WrittenDeal("AC AD 9S 10S JS QS", "6C 7S", "6H", 0)));
        Turn(ptMan);
        QVERIFY(Play("AC"));
        QCOMPARE(game.P.State, gsCPUTakes);
        QVERIFY(Play("AD"));
        QCOMPARE(game.Cpu().CardCount(), 4);
        QCOMPARE(game.P.State, gsManAttack);
        QVERIFY(game.P.Table.Cards.empty());
    }

    void endings_data() {
        QTest::addColumn<QString>("man");
        QTest::addColumn<QString>("cpu");
        QTest::addColumn<bool>("manLeads");
        QTest::addColumn<QString>("play"); // the man's cards, played in turn
        QTest::addColumn<int>("outcome");
        QTest::newRow("man beats the last lead with his last card")
            << "7C"
            << "6C" << false << "7C" << int(ocDraw);
        QTest::newRow("computer beats the man's last card with its last")
            << "6C"
            << "7C" << true << "6C" << int(ocDraw);
        QTest::newRow("computer declines the man's last card: the man wins at once")
            << "AC"
            << "6D 7D" << true << "AC" << int(ocWon);
        QTest::newRow("man beats and the computer has nothing left to throw")
            << "7C 8S"
            << "6C" << false << "7C" << int(ocLost);
    }
    void endings() {
        QFETCH(QString, man);
        QFETCH(QString, cpu);
        QFETCH(bool, manLeads);
        QFETCH(QString, play);
        QFETCH(int, outcome);
        QVERIFY(Arrange(WrittenDeal(man, cpu, "6H", 0)));
        Turn(manLeads ? ptMan : ptCPU);
        for (const QString& c : play.split(' '))
            QVERIFY(Play(c));
        QCOMPARE(game.P.State, gsOver);
        QCOMPARE(int(game.Outcome), outcome);
        QCOMPARE(int(game.LastWinner), outcome == ocWon    ? int(ptMan)
                                       : outcome == ocLost ? int(ptCPU)
                                                           : -1);
        // Counted, then the state and the message, then the box; nothing after it.
        QVERIFY(view->Steps.size() >= 4);
        QCOMPARE(view->Steps.mid(view->Steps.size() - 4),
                 (QStringList{QStringLiteral("ended \"%1\"")
                                  .arg(QString::fromUtf8(OutcomeText(TOutcome(outcome)))),
                              "state over", "message \" Игра окончена\"", "box"}));
        QCOMPARE(view->Steps.count("box"), 1);
        // Over is over: no turn and no card any more.
        view->Steps.clear();
        Turn(ptMan);
        QVERIFY(!Act(game, TAction::Card(0)));
        QVERIFY(view->Steps.isEmpty());
    }

    void computerWinsByThrowingInWhileManTakes() {
        QVERIFY(Arrange(WrittenDeal("7C 8C 9C", "6C 6D 6S", "6H", 0)));
        Turn(ptCPU); // the end game leads the pair's last card: the six of spades
        QCOMPARE(Names(game.P.Table.Attack), QStringLiteral("6S"));
        QCOMPARE(view->Message, msYouMustTake);
        QCOMPARE(game.P.State, gsCPUAttack);
        view->Steps.clear();
        Act(game, TAction::Take());
        QCOMPARE(game.P.State, gsOver);
        QCOMPARE(game.Outcome, ocLost);
        QCOMPARE(Names(game.Man().Cards()),
                 QStringLiteral("6C 7C 8C 9C 6D 6S")); // the table came along
        QCOMPARE(view->Message, msGameOver);
        // The throw-ins without a word or a pause, the end, the table taken, no new turn.
        QCOMPARE(view->Steps,
                 (QStringList{"state man takes", "cpu attacks 6C", "cpu attacks 6D",
                              "ended \"   Моя взяла!  \"", "state over",
                              "message \" Игра окончена\"", "box", "man takes the table",
                              "table cleared", "cpu draws 0", "man arranged"}));
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
            QVERIFY(Arrange(WrittenDeal("AC 7D 8D 9D 10D JD", "6C 7C 6S 7S 8S 9S", "6H", 24)));
            Turn(ptMan);
            QVERIFY(Play("AC"));
            QCOMPARE(game.P.State, gsCPUTakes);
            QCOMPARE(view->Message, msTakingGiveMore);
            Act(game, TAction::NoMore());
            QCOMPARE(game.Cpu().CardCount(), 7);
            QCOMPARE(game.P.State, gsManAttack);
        } else {
            QVERIFY(Arrange(WrittenDeal("6S 7S 8S 9S 10S JS", "AC 7D 8D 9D 10D JD", "6H", 24)));
            Turn(ptCPU);
            QCOMPARE(game.P.State, gsCPUAttack);
            Act(game, TAction::Take());
            QCOMPARE(game.P.State, gsCPUAttack); // the computer leads again
        }
        QCOMPARE(game.P.FirstBout, firstBoutAfter);
    }

    // A second "Беру!" while the take is being carried out does nothing.
    void takeWhileTakingIsIgnored() {
        QVERIFY(Arrange(WrittenDeal("7C 8C", "6C 6D", "6H", 10)));
        game.SetState(gsManTakes);
        view->Steps.clear();
        Act(game, TAction::Take());
        QVERIFY(view->Steps.isEmpty());
    }

    // The comments after the computer's move judge the human's hand by the same rules.
    void advice_data() {
        QTest::addColumn<int>("state");
        QTest::addColumn<QString>("man");
        QTest::addColumn<QString>("cpu");
        QTest::addColumn<int>("stock");
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("message");
        const int cpuLeads = gsCPUAttack, manLeads = gsManAttack;
        const QString take = QStringLiteral("По-моему, Вам надо брать!");
        const QString beat = QStringLiteral("Отбивайтесь!");
        const QString enough = QStringLiteral("По-моему, хватит");
        const QString more = QStringLiteral(" Еще охота!");
        QTest::newRow("queen trump at 20: take") << cpuLeads << "6C QH"
                                                 << "9D" << 20 << "" << take;
        QTest::newRow("queen trump at 16: beat") << cpuLeads << "6C QH"
                                                 << "9D" << 16 << "" << beat;
        QTest::newRow("plain beater at 20") << cpuLeads << "10D QH"
                                            << "9D" << 20 << "" << beat;
        QTest::newRow("nothing beats") << cpuLeads << "6C 8D"
                                       << "9D" << 20 << "" << take;
        QTest::newRow("more to throw in") << manLeads << "10C 6S"
                                          << "10D" << 20 << "9D" << more;
        QTest::newRow("nothing to throw in") << manLeads << "6S"
                                             << "10D" << 20 << "9D" << enough;
        QTest::newRow("only a trump, stock 8") << manLeads << "10H"
                                               << "10D" << 8 << "9D" << enough;
        QTest::newRow("only a trump, stock 7") << manLeads << "10H"
                                               << "10D" << 7 << "9D" << more;
    }
    void advice() {
        QFETCH(int, state);
        QFETCH(QString, man);
        QFETCH(QString, cpu);
        QFETCH(int, stock);
        QFETCH(QString, table);
        QFETCH(QString, message);
        TWrittenPosition written = WrittenDeal(man, cpu, "H", stock);
        written.Table = table.toStdString();
        written.FirstBout = false;
        written.State = TGameState(state);
        QVERIFY(Arrange(written));
        game.CPUMove();
        PlayComputer(game, rules);
        QCOMPARE(Msg(view->Message), message);
        QCOMPARE(game.Cpu().CardCount(), 0); // the computer did lay its card
    }

    // Whole games with the computer's rules against random legal play: the unbeaten cards
    // never outnumber the defender's hand, so a full hand is exactly as many as it holds;
    // every card is always in one place; every game ends.
    void wholeGamesKeepTheirInvariants() {
        int games = 0, steps = 0;
        game.View = nullptr;
        for (std::uint32_t seed = 1; seed <= 400; ++seed) {
            TRandomPolicy man(seed * 7919u);
            TPolicy& policy = seed % 2 ? static_cast<TPolicy&>(man) : rules;
            NewGame(seed);
            for (int step = 0; game.P.State != gsOver; ++step) {
                QVERIFY2(step < 1000, qPrintable(QStringLiteral("seed %1 does not end").arg(seed)));
                const QString why = Invariant();
                QVERIFY2(why.isEmpty(),
                         qPrintable(
                             QStringLiteral("seed %1, step %2: %3").arg(seed).arg(step).arg(why)));
                QVERIFY2(
                    PlayManStep(game, policy),
                    qPrintable(QStringLiteral("seed %1, step %2: refused").arg(seed).arg(step)));
                ++steps;
            }
            QVERIFY(game.Outcome != ocNone);
            ++games;
        }
        qInfo("%d games, %d steps", games, steps);
    }

private:
    QString Invariant() const {
        const TPosition& p = game.P;
        if (const char* why = BrokenInvariant(p))
            return QString::fromUtf8(why);
        const int defender = p.Role(ptMan) == 2 ? ptMan : ptCPU;
        if (p.Table.Unbeaten() > p.Hands[defender].CardCount())
            return QStringLiteral("more unbeaten cards than the defender holds");
        if (p.Table.Cards.empty())
            if (const char* why = BrokenAtBoutStart(p))
                return QString::fromUtf8(why);
        return {};
    }
};

QTEST_APPLESS_MAIN(TestRulesFlow)
#include "tst_rules_flow.moc"

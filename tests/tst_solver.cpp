// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

// The endgame solver: known endings of the rules, and agreement with plain minimax on random
// positions with an empty stock.
#include "boundedsearch.h"
#include "endgames.h"
#include "evaluation.h"
#include "infoset.h"
#include "strong.h"
#include "transposition.h"

#include <QTest>

namespace {
// "6C", "10H", "QS": rank then suit (clubs, diamonds, hearts, spades).
TCardSet Cards(const QString& list) {
    static const QStringList ranks = {"6", "7", "8", "9", "10", "J", "Q", "K", "A"};
    TCardSet out = 0;
    for (const QString& n : list.split(' ', Qt::SkipEmptyParts))
        out |= CardBit({TCardSuit(QStringLiteral("CDHS").indexOf(n.back())),
                        TCardValue(ranks.indexOf(n.left(n.size() - 1)))});
    return out;
}

// A game with an empty stock, hearts trumps, the two hands and the leader given; the leader's
// choice is due. With trumpLeft the six of hearts still lies face up in the stock.
TGame Ending(const QString& man, const QString& cpu, int leader, bool trumpLeft = false) {
    TGame g;
    std::array<TCardId, 36> stock{};
    stock[0] = {2, 0}; // the six of hearts turned up, long since drawn and discarded
    g.P.Stock.SetCards(stock, trumpLeft ? 1 : 0);
    FillHand(g.P.Hands[ptMan], Cards(man), 2);
    FillHand(g.P.Hands[ptCPU], Cards(cpu), 2);
    g.P.Discarded =
        AllCards & ~(Cards(man) | Cards(cpu) | (trumpLeft ? CardBit(stock[0]) : TCardSet(0)));
    g.SetTurn(TVeskPlayerType(leader));
    return g;
}
} // namespace

class TestSolver : public QObject {
    Q_OBJECT
private slots:
    void knownEndings_data();
    void knownEndings();
    void agreesWithMinimax();
    void firstOfTheBestChoices();
    void budget();
    void tableMadeAtFirstSearch();
    void transferEndgamesEnd();
    void tableBounds_data();
    void tableBounds();
    void lastTrumpSolved();
    void boundedSearch_data();
    void boundedSearch();
    void evaluationMirrors_data();
    void evaluationMirrors();
};

// In the transfer game a position can come back; the solver either values it or gives up
// within its budget, and never goes round for ever. Where it values a small ending, minimax
// over every accepted action agrees.
void TestSolver::transferEndgamesEnd() {
    int solved = 0, given = 0, checked = 0;
    for (std::uint32_t seed = 1; seed <= 150; ++seed) {
        TGame g;
        if (!endgames::RandomEndgame(seed, 10, g, true))
            continue;
        TEndgameSolver solver;
        TChoicePoint point;
        QVERIFY(ChoiceDue(g, point));
        int choice = 0, value = 0;
        if (!solver.Best(g, point, 200000, choice, value)) {
            ++given;
            continue;
        }
        ++solved;
        const TChoices choices = ListChoices(g, point);
        QVERIFY(std::find(choices.Items.begin(), choices.Items.begin() + choices.Count, choice) !=
                choices.Items.begin() + choices.Count);
        int whole = 0;
        if (g.P.Hands[0].CardCount() + g.P.Hands[1].CardCount() <= 8 &&
            solver.Value(g, 200000, whole)) {
            long nodes = 0;
            const int brute = endgames::BruteValue(g, nodes);
            if (brute != endgames::Cyclic) {
                QCOMPARE(brute, whole);
                ++checked;
            }
        }
    }
    QVERIFY(solved > 50);
    qInfo("%d transfer endgames solved, %d given up, %d checked by minimax", solved, given,
          checked);
}

void TestSolver::knownEndings_data() {
    QTest::addColumn<QString>("man");
    QTest::addColumn<QString>("cpu");
    QTest::addColumn<int>("leader");
    QTest::addColumn<int>("value"); // to the person's seat
    QTest::newRow("both last cards in one bout: a draw") << "7C"
                                                         << "6C" << int(ptCPU) << 0;
    QTest::newRow("the last card not beaten: won at once") << "AS"
                                                           << "6C 7C" << int(ptMan) << 1;
    QTest::newRow("the computer throws in its last card while the person takes")
        << "6C 6D"
        << "7S 7D" << int(ptCPU) << -1;
    QTest::newRow("beating the computer's last card leaves it out first")
        << "8S 6C"
        << "7S" << int(ptCPU) << -1;
    QTest::newRow("two aces against two sixes") << "AS AD"
                                                << "6C 6D" << int(ptMan) << 1;
    QTest::newRow("the person's last card beaten by the computer's last: a draw")
        << "6C"
        << "7C" << int(ptMan) << 0;
    QTest::newRow("a last lead wins whatever the answer") << "7H 9C 9D"
                                                          << "8C" << int(ptCPU) << -1;
    QTest::newRow("a lead the other cannot answer, then a draw") << "AH"
                                                                 << "6H" << int(ptCPU) << 0;
}

// Endings whose outcome the rules settle; minimax agrees.
void TestSolver::knownEndings() {
    QFETCH(QString, man);
    QFETCH(QString, cpu);
    QFETCH(int, leader);
    QFETCH(int, value);
    const TGame g = Ending(man, cpu, leader);
    TChoicePoint point;
    QVERIFY(ChoiceDue(g, point));
    QCOMPARE(int(point.Seat), leader);
    TEndgameSolver solver(12);
    int got = 9;
    QVERIFY(solver.Value(g, 1000000, got));
    long nodes = 0;
    QCOMPARE(endgames::BruteValue(g, nodes), value);
    QCOMPARE(got, value);
}

// Random positions with an empty stock, from random games: the same value as plain minimax,
// and the chosen card keeps it.
void TestSolver::agreesWithMinimax() {
    TEndgameSolver solver(14);
    int positions = 0;
    for (std::uint32_t seed = 1; positions < 120; ++seed) {
        TGame g;
        if (!endgames::RandomEndgame(seed, 7, g))
            continue;
        ++positions;
        long nodes = 0;
        const int brute = endgames::BruteValue(g, nodes);
        solver.Clear();
        int value = 9;
        QVERIFY(solver.Value(g, 10000000, value));
        QCOMPARE(value, brute);
        TChoicePoint point;
        ChoiceDue(g, point);
        const int sign = point.Seat == ptMan ? 1 : -1;
        int choice, claimed;
        QVERIFY(solver.Best(g, point, 10000000, choice, claimed));
        QCOMPARE(claimed, sign * brute);
        TGame after = g;
        MakeChoice(after, point.Seat, choice);
        QCOMPARE(sign * endgames::BruteValue(after, nodes), claimed);
    }
}

// The choice does not hang on what the table remembers: it is the first, in the order of the
// choices, of those with the best value.
void TestSolver::firstOfTheBestChoices() {
    TEndgameSolver solver(14);
    int positions = 0;
    for (std::uint32_t seed = 500; positions < 60; ++seed) {
        TGame g;
        if (!endgames::RandomEndgame(seed, 9, g))
            continue;
        ++positions;
        TChoicePoint point;
        ChoiceDue(g, point);
        const TChoices choices = ListChoices(g, point);
        int values[37];
        solver.Clear();
        QVERIFY(solver.ValueEach(g, point, 10000000, values));
        int first = 0;
        for (int k = 1; k < choices.Count; ++k)
            if (values[k] > values[first])
                first = k;
        int choice, value;
        // Cold and with the table full of this position's relatives: the same answer.
        for (int round = 0; round < 2; ++round) {
            if (round == 0)
                solver.Clear();
            QVERIFY(solver.Best(g, point, 10000000, choice, value));
            QCOMPARE(choice, int(choices.Items[first]));
            QCOMPARE(value, values[first]);
        }
    }
}

// A search that would need more positions than allowed says so.
void TestSolver::budget() {
    TEndgameSolver solver(12);
    TGame g;
    QVERIFY(endgames::RandomEndgame(2, 14, g));
    int value;
    QVERIFY(!solver.Value(g, 5, value));
    QVERIFY(solver.Nodes() > 5);
    solver.Clear();
    QVERIFY(solver.Value(g, 50000000, value));
}

// The table costs nothing until a search needs it, and a new deal keeps it.
void TestSolver::tableMadeAtFirstSearch() {
    TEndgameSolver solver(12);
    QCOMPARE(solver.TableSlots(), std::size_t(0));
    solver.Clear(); // a new deal before any search
    QCOMPARE(solver.TableSlots(), std::size_t(0));
    const TGame g = Ending("AS", "6C 7C", ptMan);
    int value;
    QVERIFY(solver.Value(g, 1000, value));
    QCOMPARE(value, 1);
    QCOMPARE(solver.TableSlots(), std::size_t(1) << 12);
    solver.Clear();
    QCOMPARE(solver.TableSlots(), std::size_t(1) << 12);
    QVERIFY(solver.Value(g, 1000, value));
    QCOMPARE(value, 1);
}

QTEST_GUILESS_MAIN(TestSolver)
#include "tst_solver.moc"

// Each row stores searches of one position in turn, as "alpha beta best move" with a key, and
// says what a probe of the first key finds.
void TestSolver::tableBounds_data() {
    QTest::addColumn<QString>("stores"); // "key alpha beta best move; ..."
    QTest::addColumn<int>("lower");
    QTest::addColumn<int>("upper");
    QTest::addColumn<int>("move");
    QTest::newRow("nothing stored: the whole range") << "" << -1 << 1 << NoMove;
    QTest::newRow("within the window: exact") << "1 -1 1 0 3" << 0 << 0 << 3;
    QTest::newRow("failed low: at most") << "1 0 1 0 2" << -1 << 0 << 2;
    QTest::newRow("failed high: at least") << "1 -1 0 0 4" << 0 << 1 << 4;
    QTest::newRow("two searches narrow to exact") << "1 0 1 0 2; 1 -1 0 0 5" << 0 << 0 << 5;
    QTest::newRow("another position takes the slot")
        << "1 -1 1 1 3; 5 -1 1 -1 2" << -1 << 1 << NoMove;
    QTest::newRow("another position elsewhere keeps it")
        << "1 -1 1 1 3; 2 -1 1 -1 2" << 1 << 1 << 3;
}

void TestSolver::tableBounds() {
    QFETCH(QString, stores);
    QFETCH(int, lower);
    QFETCH(int, upper);
    QFETCH(int, move);
    TTranspositionTable table(2); // four slots: keys 1 and 5 share one
    QCOMPARE(table.Slots(), std::size_t(0));
    for (const QString& store : stores.split(';', Qt::SkipEmptyParts)) {
        const QStringList f = store.split(' ', Qt::SkipEmptyParts);
        table.Store(f[0].toULongLong(), 7, f[1].toInt(), f[2].toInt(), f[3].toInt(), f[4].toInt());
    }
    const TBounds b = table.Probe(1, 7);
    QCOMPARE(b.Lower, lower);
    QCOMPARE(b.Upper, upper);
    QCOMPARE(b.Move, move);
    QCOMPARE(b.Exact(), lower == upper);
    // The check tells positions of one key apart.
    QCOMPARE(table.Probe(1, 8).Move, NoMove);
    table.Clear();
    QCOMPARE(table.Probe(1, 7).Move, NoMove);
}

// With only the face-up trump card left in the stock every card is known: the strong player
// sees the one deal there is and solves it, taking a winning card where another loses.
void TestSolver::lastTrumpSolved() {
    const TGame g = Ending("6C 7C 8C 9C AH", "7D 8D 9D KH", ptMan, true);
    const TInfoSet info(g, ptMan);
    QCOMPARE(info.Unseen(), g.P.Hands[ptCPU].Set());
    QCOMPARE(info.Base().P.Hands[ptCPU].Set(), g.P.Hands[ptCPU].Set());
    QCOMPARE(info.Base().P.Stock.Count(), 1);
    TChoicePoint point;
    QVERIFY(ChoiceDue(g, point));
    const TChoices choices = ListChoices(g, point);
    int values[40];
    TEndgameSolver solver;
    QVERIFY(solver.ValueEach(g, point, 1000000, values));
    QVERIFY(std::count(values, values + choices.Count, 1) > 0);
    QVERIFY(std::count(values, values + choices.Count, 1) < choices.Count);
    TStrongSettings settings;
    settings.Samples = 4;
    TStrongPolicy strong(settings);
    const TAction a = strong.Choose(g);
    QCOMPARE(strong.LastMethod(), TStrongPolicy::mdSolved);
    QCOMPARE(a.Kind, akCard);
    const int k =
        int(std::find(choices.Items.begin(), choices.Items.begin() + choices.Count, a.Index) -
            choices.Items.begin());
    QVERIFY(k < choices.Count);
    QCOMPARE(values[k], 1);
}

// The bounded search on written and random positions: always a legal choice; given room to
// search to the end, the solver's value; given almost none, still a choice.
void TestSolver::boundedSearch_data() {
    QTest::addColumn<long>("nodes");
    QTest::addColumn<bool>("toTheEnd");
    QTest::newRow("room to search to the end") << 5000000L << true;
    QTest::newRow("a few hundred positions") << 300L << false;
    QTest::newRow("one position") << 1L << false;
}

void TestSolver::boundedSearch() {
    QFETCH(long, nodes);
    QFETCH(bool, toTheEnd);
    int positions = 0;
    for (std::uint32_t seed = 40; positions < 30; ++seed) {
        TGame g;
        if (!endgames::RandomEndgame(seed, 8, g))
            continue;
        ++positions;
        TChoicePoint point;
        QVERIFY(ChoiceDue(g, point));
        const TChoices choices = ListChoices(g, point);
        TBoundedSearch search;
        int value = 0;
        const int choice = search.Best(g, point, nodes, value);
        QVERIFY(std::find(choices.Items.begin(), choices.Items.begin() + choices.Count, choice) !=
                choices.Items.begin() + choices.Count);
        QVERIFY(search.Nodes() <= nodes + 1);
        if (!toTheEnd)
            continue;
        TEndgameSolver solver(14);
        int exact = 0, best = 0;
        QVERIFY(solver.Best(g, point, 10000000, best, exact));
        QCOMPARE(value, exact * EvalWon);
        TGame after = g;
        MakeChoice(after, point.Seat, choice);
        int got = 0;
        QVERIFY(solver.Value(after, 10000000, got));
        QCOMPARE(got * (point.Seat == ptMan ? 1 : -1), exact);
    }
}

// The evaluation looks at the seats alike: the same position with the hands and the lead
// swapped is worth the opposite. And it is sane: the better side comes out ahead.
void TestSolver::evaluationMirrors_data() {
    QTest::addColumn<QString>("better");
    QTest::addColumn<QString>("worse");
    QTest::addColumn<bool>("betterLeads");
    QTest::newRow("fewer cards") << "9C"
                                 << "9D 10D 10S" << false;
    QTest::newRow("a trump against a plain card") << "7H"
                                                  << "7S" << false;
    QTest::newRow("higher cards") << "AC KD"
                                  << "6C 7D" << false;
    QTest::newRow("the same cards, the lead") << "8C"
                                              << "8D" << true;
}

void TestSolver::evaluationMirrors() {
    QFETCH(QString, better);
    QFETCH(QString, worse);
    QFETCH(bool, betterLeads);
    const TGame manBetter = Ending(better, worse, betterLeads ? ptMan : ptCPU);
    const TGame cpuBetter = Ending(worse, better, betterLeads ? ptCPU : ptMan);
    QVERIFY(Evaluate(manBetter) > 0);
    QCOMPARE(Evaluate(cpuBetter), -Evaluate(manBetter));
    QVERIFY(Evaluate(manBetter) < EvalWon);
}

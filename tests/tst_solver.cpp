// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

// The endgame solver: known endings of the rules, and agreement with plain minimax on random
// positions with an empty stock.
#include "endgames.h"
#include "infoset.h"

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
// choice is due.
TGame Ending(const QString& man, const QString& cpu, int leader) {
    TGame g;
    std::array<TCardId, 36> stock{};
    stock[0] = {2, 0}; // the six of hearts turned up, long since drawn and discarded
    g.P.Stock.SetCards(stock, 0);
    FillHand(g.P.Hands[ptMan], Cards(man), 2);
    FillHand(g.P.Hands[ptCPU], Cards(cpu), 2);
    g.P.Discarded = AllCards & ~(Cards(man) | Cards(cpu));
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

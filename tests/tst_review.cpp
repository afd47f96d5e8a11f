// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

// The review of a played game: on endgames valued by plain minimax (transfers included) it marks a
// losing choice a mistake and names a best one; while the stock hides cards its verdicts follow
// from what the person knew only; it stops early when cancelled; every move of both seats gets its
// row.
#include "endgames.h"
#include "infoset.h"
#include "playedgame.h"
#include "review.h"

#include <QTest>

#include <algorithm>
#include <atomic>
#include <map>
#include <string>

namespace {
// The value to the person by minimax over every legal action, transfers included; Cyclic when
// a line comes back to a position on it.
int Brute(const TGame& g, std::map<std::string, int>& known) {
    if (g.P.State == gsOver)
        return OutcomeValue(g.Outcome);
    const std::string key = endgames::FullKey(g) + std::to_string(g.P.Attacker);
    if (const auto it = known.find(key); it != known.end())
        return it->second;
    known[key] = endgames::Cyclic;
    const bool maxing = g.Actor() == acMan;
    int best = maxing ? -2 : 2;
    for (const TAction a : g.LegalActions()) {
        TGame child = g;
        child.Apply(a);
        const int v = Brute(child, known);
        if (v == endgames::Cyclic)
            return v;
        best = maxing ? std::max(best, v) : std::min(best, v);
    }
    known[key] = best;
    return best;
}

int BruteAfter(const TGame& g, TAction a) {
    TGame child = g;
    child.Apply(a);
    std::map<std::string, int> known;
    return Brute(child, known);
}

TReview ReviewOne(const TGame& before, TAction a) {
    TMoveLog log;
    log.Moves.push_back({before, ptMan, a});
    return TReviewer().Run(log);
}
} // namespace

class TestReview : public QObject {
    Q_OBJECT
private slots:
    void mistakeOnEndgame_data();
    void mistakeOnEndgame();
    void hiddenCardsNotRead_data();
    void hiddenCardsNotRead();
    void cancelStopsEarly();
    void rowsForEveryMove();
};

void TestReview::mistakeOnEndgame_data() {
    QTest::addColumn<bool>("transfers");
    QTest::newRow("throw-in") << false;
    QTest::newRow("transfer") << true;
}

// Positions with the stock empty where one of the person's actions throws away what the best
// keeps: that action is a mistake and the named best has minimax's best value; the best
// action itself is no mistake.
void TestReview::mistakeOnEndgame() {
    QFETCH(bool, transfers);
    int found = 0;
    for (std::uint32_t seed = 1; seed < 400 && found < 8; ++seed) {
        TGame g;
        if (!endgames::RandomEndgame(seed, 9, g, transfers))
            continue;
        TSplitMix random(seed);
        TChoicePoint point;
        while (ChoiceDue(g, point) && point.Seat == ptCPU)
            MakeChoice(g, ptCPU, endgames::RandomChoice(g, point, random));
        if (g.Actor() != acMan || g.LegalActions().Count < 2)
            continue;
        int best = -2;
        int worst = 2;
        TAction worstAction;
        bool cyclic = false;
        for (const TAction a : g.LegalActions()) {
            const int v = BruteAfter(g, a);
            cyclic |= v == endgames::Cyclic;
            best = std::max(best, v);
            if (v < worst) {
                worst = v;
                worstAction = a;
            }
        }
        if (cyclic || worst == best)
            continue;
        ++found;
        const TReviewRow bad = ReviewOne(g, worstAction).Rows.at(0);
        QCOMPARE(bad.Verdict, vdExact);
        QCOMPARE(bad.Mark, mkMistake);
        QCOMPARE(bad.ValueBefore, best);
        QCOMPARE(bad.ValueAfter, worst);
        QCOMPARE(BruteAfter(g, bad.Best), best);
        QVERIFY(!bad.BestWords.empty());
        const TReview good = ReviewOne(g, bad.Best);
        QCOMPARE(good.Rows.at(0).Mark, mkNone);
        QCOMPARE(good.Mistakes, 0);
    }
    QVERIFY2(found >= 4, qPrintable(QString::number(found)));
}

void TestReview::hiddenCardsNotRead_data() {
    QTest::addColumn<std::uint32_t>("seed");
    QTest::addColumn<bool>("transfers");
    QTest::newRow("throw-in 11") << 11u << false;
    QTest::newRow("throw-in 12") << 12u << false;
    QTest::newRow("transfer 13") << 13u << true;
}

// Each of the person's choices while the stock hides cards, judged in the game as played and
// in a game that differs only in the computer's unseen cards and the stock's order (and the
// seed that dealt it): the same verdict.
void TestReview::hiddenCardsNotRead() {
    QFETCH(std::uint32_t, seed);
    QFETCH(bool, transfers);
    TRulePolicy man;
    TRulePolicy computer;
    const TMoveLog played = playedgame::Play(seed, transfers, man, computer);
    TMoveLog real;
    TMoveLog other;
    TSplitMix random(seed + 1000);
    int differ = 0;
    for (const TLoggedMove& m : played.Moves) {
        if (!IsChoice(m) || m.Before.P.Stock.Count() <= 1)
            continue;
        TGame alt;
        TInfoSet(m.Before, ptMan).Deal(alt, random);
        alt.Seed = m.Before.Seed ^ 0x5a5a5a5au;
        differ += alt.P.Hands[ptCPU].Set() != m.Before.P.Hands[ptCPU].Set() ||
                  alt.P.Stock.Cards != m.Before.P.Stock.Cards;
        real.Moves.push_back(m);
        other.Moves.push_back({alt, ptMan, m.Action});
    }
    QVERIFY(real.Moves.size() >= 3);
    QVERIFY(differ >= 2);
    TReviewer reviewer;
    const TReview a = reviewer.Run(real);
    const TReview b = reviewer.Run(other);
    for (std::size_t i = 0; i < a.Rows.size(); ++i) {
        const TReviewRow& x = a.Rows[i];
        const TReviewRow& y = b.Rows[i];
        QCOMPARE(x.Verdict, vdEstimate);
        QCOMPARE(y.Verdict, x.Verdict);
        QCOMPARE(y.ChanceChosen, x.ChanceChosen);
        QCOMPARE(y.ChanceBest, x.ChanceBest);
        QVERIFY(y.Best == x.Best);
        QCOMPARE(y.Mark, x.Mark);
    }
}

// Cancelled after the first judged choice: the rest carry no verdict, the rows are all there.
void TestReview::cancelStopsEarly() {
    TRulePolicy man;
    TRulePolicy computer;
    const TMoveLog log = playedgame::Play(5, false, man, computer);
    std::atomic<bool> cancel = false;
    int told = 0;
    int total = 0;
    TReviewer reviewer;
    reviewer.Cancel = &cancel;
    reviewer.Progress = [&](int done, int all) {
        told = done;
        total = all;
        cancel = true;
    };
    const TReview r = reviewer.Run(log);
    QVERIFY(!r.Complete);
    QCOMPARE(told, 1);
    QVERIFY(total > 1);
    QCOMPARE(r.Rows.size(), log.Moves.size());
    int judged = 0;
    for (const TReviewRow& row : r.Rows)
        judged += row.Verdict != vdNone;
    QCOMPARE(judged, 1);
}

// Every move of both seats in order; a bout opens with a lead, and one opens after each bout
// closed beaten or taken.
void TestReview::rowsForEveryMove() {
    TRulePolicy man;
    TRulePolicy computer;
    const TMoveLog log = playedgame::Play(7, false, man, computer);
    const TReview r = TReviewer().Run(log);
    QVERIFY(r.Complete);
    QCOMPARE(r.Rows.size(), log.Moves.size());
    int closed = 0;
    for (std::size_t i = 0; i < r.Rows.size(); ++i) {
        const TReviewRow& row = r.Rows[i];
        QCOMPARE(row.Seat, log.Moves[i].Seat);
        QCOMPARE(row.Bout, closed + 1);
        if (log.Moves[i].Before.P.Table.Cards.empty()) {
            QVERIFY(row.Words.rfind("ходит: ", 0) == 0);
            QCOMPARE(row.Attacker, row.Seat);
        }
        const TGame& after = i + 1 < log.Moves.size() ? log.Moves[i + 1].Before : log.Final;
        closed += after.P.Table.Cards.empty();
        QCOMPARE(row.Verdict != vdNone, IsChoice(log.Moves[i]));
    }
}

QTEST_APPLESS_MAIN(TestReview)
#include "tst_review.moc"

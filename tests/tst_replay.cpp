// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

// Dealing the last game again: disabled before any game; the same cards, the same first
// leader, rule set and opponent as then; a replay counts nothing, says so in its end box and
// leaves the next new game's first leader to the last counted game.
#include "headless.h"
#include "modal.h"
#include "strong.h"
#include "tfmain.h"

#include <QAction>
#include <QFile>
#include <QMessageBox>
#include <QTest>

#include <memory>

class TfMainProbe {
public:
    static TGame& Game(TfMain& w) { return w.FGame; }
    static void Act(TfMain& w, TAction a) {
        w.Handler([&] { w.Act(a); });
    }
    // A game of the transfer rules started as the window starts its games.
    static void NewTransferGame(TfMain& w, std::uint32_t seed) {
        w.Handler([&] {
            w.FComputer = &w.FRules;
            w.FGame.NewGame(seed, true);
            w.PlayComputer();
        });
    }
    static QList<int> Counters(TfMain& w) { return {w.Wins, w.Lose, w.Draw}; }
    // The throw-in games against the computer's rules, by outcome.
    static QList<int> Breakdown(TfMain& w) {
        const TRecord& r = w.FBreakdown.At(opRules, rsThrowIn);
        return {r.Wins, r.Lose, r.Draw};
    }
    static bool StrongPlays(TfMain& w) {
        return w.FStrong && w.FComputer == static_cast<TPolicy*>(w.FStrong.get());
    }
};

namespace {
// What a deal leaves: both hands as the window shows them and as the game holds them, the
// table, the stock from the bottom up, who leads, the rule set.
QString Dealt(TfMain& w) {
    const TGame& g = TfMainProbe::Game(w);
    QString s;
    auto list = [&s](const TCardList& cards) {
        for (const TCardId c : cards)
            s += QString::number(c.Nomber()) + ' ';
        s += '|';
    };
    list(g.P.Hands[ptMan].Cards());
    list(g.P.Hands[ptCPU].Cards());
    list(CardIds(w.PlayerPlace1->Cards));
    list(CardIds(w.PlayerPlace2->Cards));
    list(g.P.Table.Cards);
    for (int i = 0; i < g.P.Stock.Count(); ++i)
        s += QString::number(g.P.Stock.Cards[i].Nomber()) + ' ';
    s += QString("| leader %1 | transfers %2").arg(g.P.Attacker).arg(g.P.Transfers);
    return s;
}

// Who leads a deal as the first game of a run: the trump rule.
int TrumpRuleLeader(std::uint32_t seed) {
    TGame g;
    g.NewGame(seed);
    return g.P.Attacker;
}

// How the person's computer-rules play ends the deal against the computer's rules.
TOutcome Headless(std::uint32_t seed, int leader) {
    TGame g;
    g.LastWinner = std::int8_t(leader);
    TRulePolicy rules;
    g.NewGame(seed);
    return PlayOut(g, rules, rules) ? g.Outcome : ocNone;
}
} // namespace

class TestReplay : public QObject {
    Q_OBJECT
    std::unique_ptr<TfMain> w;
    QStringList boxes;
    std::uint32_t seed = 0;

    void Deal(std::uint32_t s) {
        seed = s;
        QTest::keyClick(w.get(), Qt::Key_F2);
    }

    // The person plays as the computer's rules advise, or takes whenever it may.
    void Finish(bool takeAll = false) {
        TRulePolicy rules;
        TGame& g = TfMainProbe::Game(*w);
        for (int step = 0; step < 1000 && g.P.State != gsOver; ++step) {
            QCOMPARE(int(g.Actor()), int(acMan));
            TAction a = rules.Choose(g);
            if (takeAll && g.LegalActions().Contains(TAction::Take()))
                a = TAction::Take();
            TfMainProbe::Act(*w, a);
        }
        QCOMPARE(g.P.State, gsOver);
    }

    QList<int> Counters() const { return TfMainProbe::Counters(*w); }

private slots:
    void init() {
        // Each case starts as a first run, whatever the case before stored at its exit.
        QFile::remove(qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/Tovrel.reg"));
        boxes.clear();
        vesk::SetModalHook([this](QDialog* d) {
            if (auto* box = qobject_cast<QMessageBox*>(d))
                boxes << box->text();
            return int(QMessageBox::Ok);
        });
        TCardBatch::SeedSource = [this] { return seed; };
        w = std::make_unique<TfMain>();
        w->show();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
    }
    void cleanup() {
        w.reset();
        vesk::SetModalHook(nullptr);
        TCardBatch::SeedSource = nullptr;
    }

    void disabledBeforeAnyGame() {
        QVERIFY(!w->mmReplay->isEnabled());
        QTest::keyClick(w.get(), Qt::Key_F2, Qt::ShiftModifier);
        QCOMPARE(TfMainProbe::Game(*w).P.State, gsIdle);
        QVERIFY(w->CardBatch->isHidden());
        Deal(11);
        QVERIFY(w->mmReplay->isEnabled());
    }

    // The deal again, from its very first card, whatever the game became meanwhile; the key
    // and the menu item alike.
    void sameDeal_data() {
        QTest::addColumn<bool>("strong");
        QTest::addColumn<bool>("finished");
        QTest::addColumn<bool>("byKey");
        QTest::newRow("left half-way, the computer's rules") << false << false << true;
        QTest::newRow("played out, the computer's rules") << false << true << false;
        QTest::newRow("played out, the strong opponent") << true << true << true;
    }
    void sameDeal() {
        QFETCH(bool, strong);
        QFETCH(bool, finished);
        QFETCH(bool, byKey);
        if (strong)
            w->mmStrongGame->trigger();
        for (const std::uint32_t s : {21u, 22u, 23u}) {
            Deal(s);
            const QString dealt = Dealt(*w);
            if (finished) {
                Finish();
            } else {
                const TAction a = *TfMainProbe::Game(*w).LegalActions().begin();
                TfMainProbe::Act(*w, a);
            }
            QVERIFY(Dealt(*w) != dealt);
            seed = 999; // the seed source is not asked
            if (byKey)
                QTest::keyClick(w.get(), Qt::Key_F2, Qt::ShiftModifier);
            else
                w->mmReplay->trigger();
            QCOMPARE(Dealt(*w), dealt);
            QCOMPARE(TfMainProbe::StrongPlays(*w), strong);
            // And once more: a replay of a replay is the same deal.
            Finish();
            w->mmReplay->trigger();
            QCOMPARE(Dealt(*w), dealt);
        }
    }

    // The first leader of then, even where this run's last winner now says otherwise.
    void sameLeader() {
        // A first game the person wins, then a deal the trump rule gives the computer: in
        // this run the person leads it.
        std::uint32_t won = 1;
        while (Headless(won, -1) != ocWon)
            ++won;
        std::uint32_t next = 1;
        while (TrumpRuleLeader(next) != ptCPU || Headless(next, ptMan) != ocLost)
            ++next;
        Deal(won);
        Finish();
        QCOMPARE(TfMainProbe::Game(*w).Outcome, ocWon);
        Deal(next);
        QCOMPARE(TfMainProbe::Game(*w).P.Attacker, std::int8_t(ptMan));
        const QString dealt = Dealt(*w);
        Finish();
        QCOMPARE(TfMainProbe::Game(*w).Outcome, ocLost); // the computer would lead now
        w->mmReplay->trigger();
        QCOMPARE(Dealt(*w), dealt);
    }

    void transferGame() {
        seed = 31;
        TfMainProbe::NewTransferGame(*w, 31);
        const QString dealt = Dealt(*w);
        QVERIFY(dealt.endsWith("transfers 1"));
        Finish();
        w->mmReplay->trigger();
        QCOMPARE(Dealt(*w), dealt);
        // A new game is the window's usual one again.
        Deal(32);
        QVERIFY(Dealt(*w).endsWith("transfers 0"));
    }

    // The opponent of then, not the one chosen since.
    void sameOpponent() {
        Deal(41);
        w->mmStrongGame->trigger();
        w->mmReplay->trigger();
        QVERIFY(!TfMainProbe::StrongPlays(*w));
        Deal(42);
        QVERIFY(TfMainProbe::StrongPlays(*w));
        w->mmStrongGame->trigger();
        w->mmReplay->trigger();
        QVERIFY(TfMainProbe::StrongPlays(*w));
        Deal(43);
        QVERIFY(!TfMainProbe::StrongPlays(*w));
    }

    // Counts nothing, says so, and the next new game is led as the counted games say.
    void countsNothing() {
        std::uint32_t won = 1;
        while (Headless(won, -1) != ocWon)
            ++won;
        Deal(won);
        Finish();
        QCOMPARE(Counters(), (QList<int>{1, 0, 0}));
        QCOMPARE(boxes, QStringList{"   Вы выиграли!   "});
        // The same deal lost on purpose.
        w->mmReplay->trigger();
        Finish(true);
        QCOMPARE(TfMainProbe::Game(*w).Outcome, ocLost);
        QCOMPARE(Counters(), (QList<int>{1, 0, 0}));
        QCOMPARE(TfMainProbe::Breakdown(*w), Counters());
        QCOMPARE(boxes.last(), QStringLiteral("   Моя взяла!  \nПовтор раздачи: в счёт не идёт"));
        QCOMPARE(TfMainProbe::Game(*w).LastWinner, std::int8_t(ptMan));
        // The person, who won the last counted game, leads the next; its end counts again.
        std::uint32_t lost = 1;
        while (Headless(lost, ptMan) != ocLost)
            ++lost;
        Deal(lost);
        QCOMPARE(TfMainProbe::Game(*w).P.Attacker, std::int8_t(ptMan));
        Finish();
        QCOMPARE(Counters(), (QList<int>{1, 1, 0}));
        QCOMPARE(TfMainProbe::Breakdown(*w), Counters());
        QCOMPARE(boxes.last(), QStringLiteral("   Моя взяла!  "));
        // A replay left at once keeps the leader too.
        w->mmReplay->trigger();
        Deal(won);
        QCOMPARE(TfMainProbe::Game(*w).LastWinner, std::int8_t(ptCPU));
        QCOMPARE(Counters(), (QList<int>{1, 1, 0}));
    }
};

QTEST_MAIN(TestReplay)
#include "tst_replay.moc"

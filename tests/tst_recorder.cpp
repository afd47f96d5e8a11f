// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

// The move recorder: from what a game tells its view alone it writes down exactly the actions
// both seats took, each with the position it was taken in, in both rule sets and against both
// opponents; the view behind it is told everything as before; a game left for a new deal is
// kept, and a position laid out by hand stops the following instead of writing wrong moves.
#include "endgames.h"
#include "headless.h"
#include "recorder.h"
#include "splitmix.h"
#include "strong.h"

#include <QTest>
#include <QThread>

#include <memory>
#include <string>
#include <vector>

namespace {
// Everything of a position a later step can depend on, written out.
std::string Key(const TGame& g) {
    std::string k = endgames::FullKey(g);
    k += std::to_string(g.P.Discarded) + '/' + std::to_string(g.P.Shown[0]) + '/' +
         std::to_string(g.P.Shown[1]) + '/' + std::to_string(g.P.Attacker) + '/' +
         std::to_string(g.P.Transfers);
    return k;
}

// A policy's choices, each noted as it is made.
class TNoting : public TPolicy {
public:
    TNoting(TPolicy& inner, std::vector<std::pair<int, TAction>>& out) : FInner(inner), FOut(out) {}
    TAction Choose(const TGame& game) override {
        const TAction a = FInner.Choose(game);
        FOut.push_back({game.Actor(), a});
        return a;
    }
    void NewDeal(const TGame& game) override { FInner.NewDeal(game); }

private:
    TPolicy& FInner;
    std::vector<std::pair<int, TAction>>& FOut;
};

// Any legal action, at random: transfers, takes and throw-ins the computer's rules rarely make.
class TRandomPolicy : public TPolicy {
public:
    explicit TRandomPolicy(std::uint64_t seed) : FRandom(seed) {}
    TAction Choose(const TGame& game) override {
        const TActions a = game.LegalActions();
        return a.Items[FRandom.Below(a.Count)];
    }

private:
    TSplitMix FRandom;
};

// Counts what a view is told, by kind and arguments.
class TTally : public TGameView {
public:
    std::string Told;
    void GameStarting() override { Told += "g"; }
    void Shuffled() override { Told += "s"; }
    void StateSet(TGameState s) override { Told += "t" + std::to_string(s); }
    void ButtonEnabled(bool e) override { Told += e ? "B" : "b"; }
    void News(TNews n) override { Told += "n" + std::to_string(n); }
    void Pause(int ms) override { Told += "p" + std::to_string(ms); }
    void RolesSet() override { Told += "r"; }
    void TableCleared() override { Told += "c"; }
    void Drawn(TVeskPlayerType h, int n) override {
        Told += "d" + std::to_string(h) + std::to_string(n);
    }
    void Arranged(TVeskPlayerType h) override { Told += "a" + std::to_string(h); }
    void Laid(TVeskPlayerType h, int i, bool at) override {
        Told += "l" + std::to_string(h) + std::to_string(i) + (at ? "A" : "D");
    }
    void TableTaken(TVeskPlayerType h) override { Told += "k" + std::to_string(h); }
    void GameEnded(TOutcome o) override { Told += "e" + std::to_string(o); }
    void OutcomeShown(TOutcome o) override { Told += "o" + std::to_string(o); }
};

// Plays a whole game with the recorder in front of `inner`, noting the true choices.
struct TPlayed {
    TGame Game;
    std::vector<std::pair<int, TAction>> Truth;
};

void Play(TPlayed& out, TMoveRecorder& recorder, std::uint32_t seed, bool transfers, TPolicy& man,
          TPolicy& computer) {
    out.Truth.clear();
    TNoting m(man, out.Truth);
    TNoting c(computer, out.Truth);
    out.Game.View = &recorder;
    out.Game.NewGame(seed, transfers);
    c.NewDeal(out.Game);
    QVERIFY(PlayOut(out.Game, m, c));
}

enum TSeatPolicy { spRules, spRandom, spStrong };

std::unique_ptr<TPolicy> Make(TSeatPolicy p, std::uint32_t seed) {
    switch (p) {
    case spRules:
        return std::make_unique<TRulePolicy>();
    case spRandom:
        return std::make_unique<TRandomPolicy>(seed);
    case spStrong:
        break;
    }
    TStrongSettings quick;
    quick.Samples = 6;
    quick.SolverNodes = 20000;
    return std::make_unique<TStrongPolicy>(quick);
}
} // namespace

class TestRecorder : public QObject {
    Q_OBJECT

private slots:
    void recordsWhatWasPlayed_data() {
        QTest::addColumn<bool>("transfers");
        QTest::addColumn<int>("man");
        QTest::addColumn<int>("computer");
        QTest::addColumn<int>("games");
        QTest::newRow("throw-in, rules against rules")
            << false << int(spRules) << int(spRules) << 60;
        QTest::newRow("throw-in, random against rules")
            << false << int(spRandom) << int(spRules) << 60;
        QTest::newRow("transfer, random against rules")
            << true << int(spRandom) << int(spRules) << 60;
        QTest::newRow("transfer, rules against random")
            << true << int(spRules) << int(spRandom) << 60;
        QTest::newRow("throw-in, random against strong")
            << false << int(spRandom) << int(spStrong) << 3;
        QTest::newRow("transfer, random against strong")
            << true << int(spRandom) << int(spStrong) << 3;
    }

    // Each game's log: the deal, every choice of either seat in order, and each position the
    // choice was made in, as the game went through them.
    void recordsWhatWasPlayed() {
        QFETCH(bool, transfers);
        QFETCH(int, man);
        QFETCH(int, computer);
        QFETCH(int, games);
        TTally tally;
        TPlayed played;
        TMoveRecorder recorder(played.Game, &tally);
        int deals = 0;
        int logged = 0;
        recorder.OnDeal = [&] { ++deals; };
        recorder.OnLogged = [&] { ++logged; };
        for (int n = 0; n < games; ++n) {
            const std::uint32_t seed = 1000 + n * 7919;
            auto m = Make(TSeatPolicy(man), seed);
            auto c = Make(TSeatPolicy(computer), seed + 1);
            const std::int8_t leaderBefore = played.Game.LastWinner;
            // The strong opponent's endgame search may go deep in the transfer game: a thread
            // with the stack a review has.
            std::unique_ptr<QThread> thread(
                QThread::create([&] { Play(played, recorder, seed, transfers, *m, *c); }));
            thread->setStackSize(256u << 20);
            thread->start();
            thread->wait();
            QCOMPARE(deals, n + 1);
            QCOMPARE(logged, n + 1);
            QVERIFY(recorder.Last());
            const TMoveLog& log = *recorder.Last();
            QVERIFY(log.Over());
            QCOMPARE(log.Outcome(), played.Game.Outcome);
            QCOMPARE(log.Seed, seed);
            QCOMPARE(log.Transfers, transfers);
            QCOMPARE(int(log.Moves.size()), int(played.Truth.size()));
            for (std::size_t i = 0; i < log.Moves.size(); ++i) {
                QCOMPARE(int(log.Moves[i].Seat), played.Truth[i].first);
                QVERIFY2(log.Moves[i].Action == played.Truth[i].second,
                         qPrintable(QString("seed %1, move %2").arg(seed).arg(i)));
            }
            // The same deal again, led as it was, and the logged actions through it: every
            // position on the way is the logged one, and so is the end.
            TGame again;
            again.LastWinner = leaderBefore >= 0 ? leaderBefore : std::int8_t(log.Leader);
            again.NewGame(seed, transfers);
            QCOMPARE(int(again.P.Attacker), int(log.Leader));
            for (const TLoggedMove& move : log.Moves) {
                QCOMPARE(move.Before.View, nullptr);
                QCOMPARE(Key(move.Before), Key(again));
                QVERIFY(again.Apply(move.Action));
            }
            QCOMPARE(Key(log.Final), Key(again));
            QCOMPARE(Key(log.Final), Key(played.Game));
        }
    }

    // The view behind the recorder is told every step, in order, as a game without it is.
    void innerViewIsToldEverything() {
        for (const bool transfers : {false, true}) {
            TTally alone;
            TTally behind;
            TPlayed a;
            TPlayed b;
            TMoveRecorder recorder(b.Game, &behind);
            for (std::uint32_t seed = 1; seed <= 20; ++seed) {
                TRandomPolicy m1(seed);
                TRandomPolicy m2(seed);
                TRulePolicy c;
                a.Game.View = &alone;
                a.Game.NewGame(seed, transfers);
                QVERIFY(PlayOut(a.Game, m1, c));
                Play(b, recorder, seed, transfers, m2, c);
            }
            QVERIFY(!alone.Told.empty());
            QCOMPARE(behind.Told, alone.Told);
        }
    }

    // A game left by a new deal is the last one when it had a move; a deal left at once is
    // not, and the one before stays.
    void leftGames() {
        TGame g;
        TMoveRecorder recorder(g, nullptr);
        g.View = &recorder;
        TRulePolicy rules;
        g.NewGame(5);
        PlayComputer(g, rules);
        QVERIFY(recorder.Current());
        QVERIFY(!recorder.Last());
        const int before = int(recorder.Current()->Moves.size());
        QVERIFY(Act(g, *g.LegalActions().begin(), &rules));
        const int after = int(recorder.Current()->Moves.size());
        QVERIFY(after > before);
        g.NewGame(6);
        QVERIFY(recorder.Last());
        QCOMPARE(recorder.Last()->Seed, 5u);
        QVERIFY(!recorder.Last()->Over());
        QCOMPARE(int(recorder.Last()->Moves.size()), after);
        // The person leads seed 7 (a low trump card, the person holding the higher trump):
        // nothing is played before the next deal.
        int leftAtOnce = 0;
        for (std::uint32_t seed = 7; seed < 200 && !leftAtOnce; ++seed) {
            g.NewGame(seed);
            if (g.Actor() == acMan)
                leftAtOnce = int(seed);
            else
                PlayComputer(g, rules);
        }
        QVERIFY(leftAtOnce);
        const std::uint32_t last = recorder.Last()->Seed;
        g.NewGame(9999);
        QCOMPARE(recorder.Last()->Seed, last);
        QVERIFY(recorder.Last()->Seed != std::uint32_t(leftAtOnce));
    }

    // A position changed behind the game's back matches no action: the recorder stops
    // following rather than write a move that was not made, and follows the next deal.
    void handLaidPositionIsNotFollowed() {
        TGame g;
        TMoveRecorder recorder(g, nullptr);
        g.View = &recorder;
        TRulePolicy rules;
        for (std::uint32_t seed = 1;; ++seed) {
            g.NewGame(seed);
            if (g.Actor() == acMan)
                break;
        }
        QVERIFY(recorder.Current());
        // The person's first two cards swapped for two of the stock's.
        THand& hand = g.P.Hands[ptMan];
        TCardList cards = hand.Cards();
        std::swap(cards[0], g.P.Stock.Cards[1]);
        hand.SetCards(cards, g.P.Trump());
        QVERIFY(Act(g, TAction::Card(0), &rules));
        QVERIFY(!recorder.Current());
        QVERIFY(!recorder.Last());
        g.NewGame(77);
        QVERIFY(recorder.Current());
        QCOMPARE(recorder.Current()->Seed, 77u);
    }
};

QTEST_APPLESS_MAIN(TestRecorder)
#include "tst_recorder.moc"

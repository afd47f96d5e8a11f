// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

// The game's one door: who must act, what that seat may do, and an Apply that takes exactly
// the listed actions and refuses every other without a trace.
#include "game.h"
#include "headless.h"
#include "notationcheck.h"
#include "splitmix.h"

#include <QTest>

#include <vector>

namespace {
// Counts what a game shows; a refused action must show nothing.
class TCountingView : public TGameView {
public:
    int Events = 0;
    void GameStarting() override { ++Events; }
    void Shuffled() override { ++Events; }
    void StateSet(TGameState) override { ++Events; }
    void ButtonEnabled(bool) override { ++Events; }
    void News(TNews) override { ++Events; }
    void Pause(int) override { ++Events; }
    void RolesSet() override { ++Events; }
    void TableCleared() override { ++Events; }
    void Drawn(TVeskPlayerType, int) override { ++Events; }
    void Arranged(TVeskPlayerType) override { ++Events; }
    void Laid(TVeskPlayerType, int, bool) override { ++Events; }
    void TableTaken(TVeskPlayerType) override { ++Events; }
    void GameEnded(TOutcome) override { ++Events; }
    void OutcomeShown(TOutcome) override { ++Events; }
};

// Everything a game holds, written out: equal strings, equal games.
std::string Written(const TGame& g) {
    const TPosition& p = g.P;
    std::string s = CardNames(p.Hands[ptMan].Cards()) + "|" + CardNames(p.Hands[ptCPU].Cards()) +
                    "|" + TableNames(p.Table) + "|" + CardNames(p.Table.Cards) + "|";
    for (int i = 0; i < 36; ++i)
        s += CardName(p.Stock.Cards[std::size_t(i)]) + ",";
    s += std::to_string(p.Stock.Count()) + "|" + std::to_string(p.State) + "|" +
         std::to_string(p.FirstBout) + "|" + std::to_string(p.Attacker) + "|" +
         std::to_string(p.Discarded) + "|" + std::to_string(p.Shown[0]) + "|" +
         std::to_string(p.Shown[1]) + "|" + std::to_string(g.Outcome) + "|" +
         std::to_string(g.LastWinner);
    return s;
}

// Every action anyone might try now: each card index of both hands and a few past them, and
// each button.
std::vector<TAction> Candidates(const TGame& g) {
    std::vector<TAction> out;
    const int most = std::max(g.Man().CardCount(), g.Cpu().CardCount());
    for (int i = -2; i < most + 2; ++i)
        out.push_back({akCard, std::int8_t(i)});
    for (const TAction a : {TAction::Take(), TAction::Beaten(), TAction::NoMore()})
        out.push_back(a);
    out.push_back({akTake, 0}); // a button never carries a card
    return out;
}

// The person holds 7C 9C AH, the computer 8C 10D; hearts trumps, six cards in the stock.
TWrittenPosition Hearts(const QString& table, TGameState state) {
    TWrittenPosition written = WrittenDeal("7C 9C AH", "8C 10D", "H", 6);
    written.Table = table.toStdString();
    written.State = state;
    return written;
}

QString Name(TAction a) {
    static const char* kinds[] = {"card", "take", "beaten", "no more"};
    return QStringLiteral("%1 %2").arg(QLatin1String(kinds[a.Kind])).arg(a.Index);
}
} // namespace

class TestRulesActions : public QObject {
    Q_OBJECT

private slots:
    // Along random games of random legal actions from both seats: what the game lists it takes,
    // and everything else it refuses, leaving the game and its view untouched.
    void listedIsTakenAndTheRestRefused() {
        TSplitMix random(2026);
        TCountingView view;
        long listed = 0, refused = 0, positions = 0;
        int states[6] = {};
        for (std::uint32_t seed = 1; seed <= 150; ++seed) {
            TGame g;
            g.View = &view;
            g.NewGame(seed);
            for (int step = 0; g.Actor() != acNobody; ++step) {
                QVERIFY2(step < 1000, "a game that does not end");
                ++positions;
                ++states[g.P.State];
                const TActions legal = g.LegalActions();
                QVERIFY(legal.Count > 0);
                const std::string before = Written(g);
                for (const TAction a : Candidates(g)) {
                    TGame t = g;
                    t.View = &view;
                    view.Events = 0;
                    const bool taken = t.Apply(a);
                    const QString where =
                        QStringLiteral("seed %1, step %2, %3").arg(seed).arg(step).arg(Name(a));
                    QVERIFY2(taken == legal.Contains(a), qPrintable(where));
                    if (taken) {
                        ++listed;
                        QVERIFY2(view.Events > 0, qPrintable(where));
                    } else {
                        ++refused;
                        QVERIFY2(Written(t) == before, qPrintable(where));
                        QVERIFY2(view.Events == 0, qPrintable(where));
                    }
                }
                QVERIFY(g.Apply(legal.Items[std::size_t(random.Below(legal.Count))]));
            }
            QCOMPARE(g.P.State, gsOver);
            QVERIFY(g.LegalActions().Count == 0);
        }
        // Every state where someone acts came up, many times.
        for (const TGameState s : {gsCPUAttack, gsManAttack, gsCPUTakes, gsManTakes})
            QVERIFY2(states[s] > 50, qPrintable(QString::number(s)));
        qInfo("%ld positions, %ld actions taken, %ld refused", positions, listed, refused);
    }

    // Who must act, what it may do, and what each button means there.
    void actorAndActions_data() {
        QTest::addColumn<QString>("table");
        QTest::addColumn<int>("state");
        QTest::addColumn<int>("actor");
        QTest::addColumn<QString>("actions"); // the listed actions: card names, then a button
        // Hearts trumps; the person holds 7C 9C AH, the computer 8C 10D.
        QTest::newRow("no game yet") << "" << int(gsIdle) << int(acNobody) << "";
        QTest::newRow("over") << "7S" << int(gsOver) << int(acNobody) << "";
        QTest::newRow("the person leads") << "" << int(gsManAttack) << int(acMan) << "7C 9C AH";
        QTest::newRow("the person throws in")
            << "9D/JD" << int(gsManAttack) << int(acMan) << "9C beaten";
        QTest::newRow("the computer beats or takes")
            << "7D" << int(gsManAttack) << int(acCPU) << "10D take";
        QTest::newRow("the computer leads") << "" << int(gsCPUAttack) << int(acCPU) << "8C 10D";
        QTest::newRow("the computer throws in")
            << "8D/AD" << int(gsCPUAttack) << int(acCPU) << "8C beaten";
        QTest::newRow("the person beats or takes")
            << "8S" << int(gsCPUAttack) << int(acMan) << "AH take";
        QTest::newRow("the person throws in while the computer takes")
            << "7S" << int(gsCPUTakes) << int(acMan) << "7C no more";
        QTest::newRow("the computer throws in while the person takes")
            << "10S" << int(gsManTakes) << int(acCPU) << "10D no more";
        QTest::newRow("a full first bout: only the button")
            << "6S/7S 6D/7D 8S/9S 8D/JD 6C/QC" << int(gsManAttack) << int(acMan) << "beaten";
    }
    void actorAndActions() {
        QFETCH(QString, table);
        QFETCH(int, state);
        QFETCH(int, actor);
        QFETCH(QString, actions);
        TGame g;
        VERIFY_NOTATION(MakePosition(Hearts(table, TGameState(state)), g.P));
        QCOMPARE(int(g.Actor()), actor);
        QStringList names;
        for (const TAction a : g.LegalActions()) {
            if (a.Kind == akCard)
                names << QString::fromStdString(CardName(g.P.Hands[actor].Card(a.Index)));
            else
                names << QStringList{"", "take", "beaten", "no more"}[a.Kind];
        }
        QCOMPARE(names.join(' '), actions);
    }

    // The button's actions pressed where they do not belong change nothing: "Бито!" while the
    // computer's card lies unbeaten does not throw it away, nor does the computer's seat act
    // through the person's door.
    void untimelyButtonsDoNothing_data() {
        QTest::addColumn<int>("state");
        QTest::addColumn<QString>("table");
        QTest::addColumn<int>("kind");
        QTest::newRow("beaten while the person must beat") << int(gsCPUAttack) << "8S" << 2;
        QTest::newRow("no more while the person must beat") << int(gsCPUAttack) << "8S" << 3;
        QTest::newRow("take while the person leads") << int(gsManAttack) << "" << 1;
        QTest::newRow("beaten before the first card") << int(gsManAttack) << "" << 2;
        QTest::newRow("no more while the person leads") << int(gsManAttack) << "9D/JD" << 3;
        QTest::newRow("take while the computer takes") << int(gsCPUTakes) << "7S" << 1;
        QTest::newRow("beaten while the computer takes") << int(gsCPUTakes) << "7S" << 2;
        QTest::newRow("take while taking") << int(gsManTakes) << "10S" << 1;
        QTest::newRow("take when over") << int(gsOver) << "7S" << 1;
    }
    void untimelyButtonsDoNothing() {
        QFETCH(int, state);
        QFETCH(QString, table);
        QFETCH(int, kind);
        TGame g;
        VERIFY_NOTATION(MakePosition(Hearts(table, TGameState(state)), g.P));
        TCountingView view;
        g.View = &view;
        const std::string before = Written(g);
        QVERIFY(!Act(g, {TActionKind(kind), -1}));
        QCOMPARE(Written(g), before);
        QCOMPARE(view.Events, 0);
    }

    // A driver whose policy asks for what the game refuses does not stall: the computer's seat
    // goes on with its first legal action.
    void aRefusedComputerChoiceDoesNotStall() {
        struct TStubborn : TPolicy {
            TAction Choose(const TGame&) override { return TAction::Card(30); }
        } stubborn;
        TRulePolicy rules;
        for (std::uint32_t seed = 1; seed <= 20; ++seed) {
            TGame g;
            QVERIFY(PlayWholeGame(g, seed, rules, stubborn) != ocNone);
        }
    }
};

QTEST_APPLESS_MAIN(TestRulesActions)
#include "tst_rules_actions.moc"

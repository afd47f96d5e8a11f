// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

// The transfer game in the rules core: when a defender may pass the attack on, how a row is
// beaten, who leads after a transferred bout, and the computer's rule for passing on.
#include "computer.h"
#include "game.h"
#include "headless.h"
#include "notationcheck.h"

#include <QTest>

namespace {
// Hearts trumps throughout; the stock holds `stock` cards, the trump card among them.
TWrittenPosition Transfer(const QString& man, const QString& cpu, const QString& table,
                          TGameState state, int stock = 10, bool firstBout = false) {
    TWrittenPosition w = WrittenDeal(man, cpu, "H", stock);
    w.Table = table.toStdString();
    w.State = state;
    w.FirstBout = firstBout;
    w.Transfers = true;
    return w;
}

int IndexOf(const TGame& g, TVeskPlayerType seat, const QString& name) {
    TCardId c{};
    if (!ParseCard(name.toStdString(), c).empty())
        return -1;
    return g.P.Hands[seat].Cards().indexOf(c);
}

QString Names(const TCardList& cards) {
    return QString::fromStdString(CardNames(cards));
}
} // namespace

class TestRulesTransfer : public QObject {
    Q_OBJECT

private slots:
    // When the person, defending, may pass the attack on with a card.
    void personMayTransfer_data() {
        QTest::addColumn<QString>("man");
        QTest::addColumn<QString>("cpu");
        QTest::addColumn<QString>("table");
        QTest::addColumn<bool>("firstBout");
        QTest::addColumn<QString>("card");
        QTest::addColumn<bool>("allowed");
        const QString six = "6S 8S 9S JS QS KS";
        QTest::newRow("nothing beaten, same value")
            << "7S 9D" << six << "7D" << false << "7S" << true;
        QTest::newRow("another value") << "8D 9D" << six << "7D" << false << "8D" << false;
        QTest::newRow("after a beat") << "7S 9D" << six << "7D/QD 7C" << false << "7S" << false;
        QTest::newRow("a trump of the value") << "7H 9D" << six << "7D" << false << "7H" << true;
        QTest::newRow("the other hand too small") << "7S 9D"
                                                  << "6C"
                                                  << "7D" << false << "7S" << false;
        QTest::newRow("the other hand just large enough") << "7S 9D"
                                                          << "6C 8C"
                                                          << "7D" << false << "7S" << true;
        QTest::newRow("a chain: the third card")
            << "7S 9D" << six << "7D 7C" << false << "7S" << true;
        QTest::newRow("a chain past the other hand") << "7S 9D"
                                                     << "6S 8S"
                                                     << "7D 7C" << false << "7S" << false;
        QTest::newRow("the fourth of the row in the first bout")
            << "10S 9D" << six << "10D 10C 10H" << true << "10S" << true;
        QTest::newRow("the sixth in a later bout, limit six")
            << "7S"
            << "6S 8S 9S 10S JS QS KS"
            << "7D 7C 7H" << false << "7S" << true;
    }
    void personMayTransfer() {
        QFETCH(QString, man);
        QFETCH(QString, cpu);
        QFETCH(QString, table);
        QFETCH(bool, firstBout);
        QFETCH(QString, card);
        QFETCH(bool, allowed);
        TGame g;
        VERIFY_NOTATION(MakePosition(Transfer(man, cpu, table, gsCPUAttack, 10, firstBout), g.P));
        QCOMPARE(g.Actor(), acMan);
        const int i = IndexOf(g, ptMan, card);
        QVERIFY(i >= 0);
        QCOMPARE(g.CanTransfer(i), allowed);
        QCOMPARE(g.LegalActions().Contains(TAction::Transfer(i)), allowed);
        QCOMPARE(g.Apply(TAction::Transfer(i)), allowed);
        if (allowed) {
            // The roles have swapped: the person attacks the whole row, the computer defends.
            QCOMPARE(g.P.State, gsManAttack);
            QCOMPARE(g.P.Role(ptMan), std::uint8_t(1));
            QCOMPARE(g.Actor(), acCPU);
            QCOMPARE(g.P.Table.Unbeaten(), g.P.Table.AttackCount());
        }
    }

    // A row of one value holds at most four cards, within either bout's limit; a full row of
    // three sevens takes the fourth in the first bout. The throw-in game never passes on.
    void rowLimits_data() {
        QTest::addColumn<bool>("transfers");
        QTest::addColumn<QString>("table");
        QTest::addColumn<bool>("allowed");
        QTest::newRow("the fourth seven, first bout") << true << "7C 7D 7H" << true;
        QTest::newRow("throw-in game") << false << "7D" << false;
    }
    void rowLimits() {
        QFETCH(bool, transfers);
        QFETCH(QString, table);
        QFETCH(bool, allowed);
        TWrittenPosition w = Transfer("7S 9D", "6C 8C 9C 10C JC QC", table, gsCPUAttack, 10, true);
        w.Transfers = transfers;
        TGame g;
        VERIFY_NOTATION(MakePosition(w, g.P));
        QVERIFY(!g.P.Table.Full(true));
        QCOMPARE(TTable::Limit(true), 5);
        QCOMPARE(TTable::Limit(false), 6);
        QCOMPARE(g.CanTransfer(IndexOf(g, ptMan, "7S")), allowed);
    }

    // A transferred row is beaten from left to right, each card by the ordinary rule against it.
    void rowIsBeatenLeftToRight_data() {
        QTest::addColumn<QString>("beat");    // the card the person tries first
        QTest::addColumn<bool>("firstTaken"); // whether it beats the leftmost card
        QTest::newRow("beats the leftmost") << "8D" << true;
        QTest::newRow("would beat only the second") << "8C" << false;
        QTest::newRow("a trump beats the leftmost") << "6H" << true;
    }
    void rowIsBeatenLeftToRight() {
        QFETCH(QString, beat);
        QFETCH(bool, firstTaken);
        TGame g;
        VERIFY_NOTATION(
            MakePosition(Transfer("8D 8C 6H AS", "6S 9S 10S JS QS KS", "7D 7C", gsCPUAttack), g.P));
        QCOMPARE(g.Actor(), acMan);
        const int i = IndexOf(g, ptMan, beat);
        QCOMPARE(Act(g, TAction::Card(i)), firstTaken);
        if (!firstTaken)
            return;
        // Still the person's turn: one card of the row lies unbeaten.
        QCOMPARE(g.P.State, gsCPUAttack);
        QCOMPARE(g.Actor(), acMan);
        QCOMPARE(g.P.Table.Unbeaten(), 1);
        QCOMPARE(g.P.Table.UnbeatenCard(), (TCardId{0, 1})); // the seven of clubs
    }

    // Who leads after a transferred bout, by the final roles, and who draws first.
    void leaderAfterATransferredBout_data() {
        QTest::addColumn<bool>("beaten");
        QTest::addColumn<QString>("leader");
        QTest::newRow("beaten: the last defender leads") << true << "cpu";
        QTest::newRow("taken: the last attacker leads again") << false << "man";
    }
    void leaderAfterATransferredBout() {
        QFETCH(bool, beaten);
        QFETCH(QString, leader);
        // The computer led 7D; the person passes it on with 7S; the computer, now defending,
        // beats both with its hearts, or holds nothing to beat them with.
        TGame g;
        TWrittenPosition w =
            Transfer("7S 9D AC KC QC JC", beaten ? "8H 9H 6C 6D 6S" : "6C 6D 6S 8C 9C", "7D",
                     gsCPUAttack, 8);
        w.Next = "10D 10S 10C";
        VERIFY_NOTATION(MakePosition(w, g.P));
        QVERIFY(Act(g, TAction::Transfer(IndexOf(g, ptMan, "7S"))));
        if (beaten) {
            // The computer beat the row; the person, attacking, closes the bout.
            QCOMPARE(g.P.Table.Unbeaten(), 0);
            QCOMPARE(g.Actor(), acMan);
            QVERIFY(Act(g, TAction::Beaten()));
            QCOMPARE(g.P.State, gsCPUAttack);
        } else {
            // The computer takes; the person throws in nothing more.
            QCOMPARE(g.P.State, gsCPUTakes);
            QVERIFY(Act(g, TAction::NoMore()));
            QCOMPARE(g.P.State, gsManAttack);
        }
        QCOMPARE(QString(g.P.Attacker == ptMan ? "man" : "cpu"), leader);
        QCOMPARE(g.Man().CardCount(), 6); // both refilled from the stock
        QVERIFY(g.Cpu().CardCount() >= 5); // and has led, when it leads
    }

    // The computer passes on with its first plain card of the value; a trump only with seven
    // cards or fewer in the stock; only within the limits.
    void computerTransferRule_data() {
        QTest::addColumn<QString>("cpu");
        QTest::addColumn<QString>("table");
        QTest::addColumn<int>("stock");
        QTest::addColumn<int>("manCards");
        QTest::addColumn<QString>("chosen"); // empty: it defends
        QTest::newRow("a plain card of the value") << "7S 7H 9D"
                                                   << "7D" << 10 << 6 << "7S";
        QTest::newRow("the first plain card") << "7C 7S 9D"
                                              << "7D" << 10 << 6 << "7C";
        QTest::newRow("only a trump, stock thick") << "7H 9D"
                                                   << "7D" << 10 << 6 << "";
        QTest::newRow("only a trump, stock at eight") << "7H 9D"
                                                      << "7D" << 8 << 6 << "";
        QTest::newRow("only a trump, stock at seven") << "7H 9D"
                                                      << "7D" << 7 << 6 << "7H";
        QTest::newRow("no card of the value") << "8S 9D"
                                              << "7D" << 10 << 6 << "";
        QTest::newRow("after a beat") << "7S 9D"
                                      << "7D/8D 7C" << 10 << 6 << "";
        QTest::newRow("the person holds too few") << "7S 9D"
                                                  << "7D" << 10 << 1 << "";
        QTest::newRow("the person holds just enough") << "7S 9D"
                                                      << "7D" << 10 << 2 << "7S";
    }
    void computerTransferRule() {
        QFETCH(QString, cpu);
        QFETCH(QString, table);
        QFETCH(int, stock);
        QFETCH(int, manCards);
        QFETCH(QString, chosen);
        const QString man =
            QStringList{"6C", "8C", "9C", "10C", "JC", "QC"}.mid(0, manCards).join(' ');
        TGame g;
        VERIFY_NOTATION(MakePosition(Transfer(man, cpu, table, gsManAttack, stock), g.P));
        const int i = ChooseTransfer(g.Cpu(), g.P, g.Man().CardCount());
        QCOMPARE(i >= 0 ? QString::fromStdString(CardName(g.Cpu().Card(i))) : QString(), chosen);
        // The policy passes on exactly then, and the game takes it.
        TRulePolicy rules;
        const TAction a = rules.Choose(g);
        QCOMPARE(a.Kind == akTransfer, !chosen.isEmpty());
        QVERIFY(g.Apply(a));
    }

    // The computer's transfer is said, then the advice judged against the whole row.
    void computerTransferIsTold() {
        struct TNewsView : TGameView {
            QList<int> Said;
            void News(TNews n) override { Said << int(n); }
        } view;
        TGame g;
        g.View = &view;
        VERIFY_NOTATION(MakePosition(Transfer("8D 6H 9S AS", "7S 10D QD", "7D", gsManAttack), g.P));
        QCOMPARE(g.Actor(), acCPU);
        TRulePolicy rules;
        const TAction a = rules.Choose(g);
        QCOMPARE(int(a.Kind), int(akTransfer));
        QVERIFY(g.Apply(a));
        QCOMPARE(g.P.State, gsCPUAttack);
        QCOMPARE(g.Actor(), acMan);
        QCOMPARE(Names(g.P.Table.Attack), QStringLiteral("7D 7S"));
        QCOMPARE(view.Said, (QList<int>{nwComputerTransfers, nwComputerLaid}));
    }

    // Whole transfer games between the computer's rules on both sides: every game ends, and
    // some bouts are passed on.
    void wholeTransferGames() {
        int ended = 0, transfers = 0;
        struct TCounting : TGameView {
            int* Transfers;
            const TGame* G;
            void RolesSet() override {
                if (!G->P.Table.Cards.empty())
                    ++*Transfers;
            }
        };
        for (std::uint32_t seed = 1; seed <= 300; ++seed) {
            TGame g;
            TCounting view;
            view.Transfers = &transfers;
            view.G = &g;
            g.View = &view;
            TRulePolicy man, cpu;
            g.NewGame(seed, true);
            ended += PlayOut(g, man, cpu) && g.Outcome != ocNone;
        }
        // Two players of fixed rules can go round in circles with the stock empty; rarely.
        QVERIFY2(ended >= 295, qPrintable(QString::number(ended)));
        QVERIFY(transfers > 100);
    }
};

QTEST_APPLESS_MAIN(TestRulesTransfer)
#include "tst_rules_transfer.moc"

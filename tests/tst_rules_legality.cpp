// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

// Move legality in the rules core: which card may be laid now, as an attack or a beater.
#include "legality.h"
#include "notationcheck.h"

#include <QTest>

class TestRulesLegality : public QObject {
    Q_OBJECT

private slots:
    void canPlay_data() {
        QTest::addColumn<QString>("table");
        QTest::addColumn<bool>("firstBout");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("card");
        QTest::addColumn<bool>("allowed");
        // Trumps are hearts throughout.
        QTest::newRow("lead on an empty table") << "" << false << 1 << "AS" << true;
        QTest::newRow("lead in the first bout") << "" << true << 1 << "6C" << true;
        QTest::newRow("lead a trump") << "" << true << 1 << "AH" << true;
        const QString five = "7C/9C 7D/9D 9S/10S 7S/JS 10C/QC";
        QTest::newRow("first bout, five attacks") << five << true << 1 << "7H" << false;
        QTest::newRow("later bout, sixth attack") << five << false << 1 << "7H" << true;
        QTest::newRow("sixth attack, value not on table") << five << false << 1 << "KD" << false;
        QTest::newRow("six attacks") << five + " 9H/KH" << false << 1 << "10D" << false;
        QTest::newRow("six attacks, first bout") << five + " 9H/KH" << true << 1 << "10D" << false;
        QTest::newRow("ten not on the table") << "7C/9C" << false << 1 << "10C" << false;
        QTest::newRow("seven from the attack") << "7C/9C" << false << 1 << "7D" << true;
        QTest::newRow("nine only as a beater") << "7C/9C" << false << 1 << "9S" << true;
        QTest::newRow("throw-in onto an unbeaten card") << "7C/9C 7D" << false << 1 << "9H" << true;
        QTest::newRow("higher of the suit beats") << "7C" << false << 2 << "8C" << true;
        QTest::newRow("lower of the suit does not") << "7C" << false << 2 << "6C" << false;
        QTest::newRow("plain ace of another suit") << "7C" << false << 2 << "AS" << false;
        QTest::newRow("any trump beats a plain card") << "7C" << false << 2 << "6H" << true;
        QTest::newRow("the last attack is the one to beat")
            << "7C/8C 9C" << false << 2 << "8D" << false;
        QTest::newRow("beats the last attack") << "JC/QC 9C" << false << 2 << "10C" << true;
        QTest::newRow("trump attacked, higher trump") << "9H" << false << 2 << "10H" << true;
        QTest::newRow("trump attacked, lower trump") << "9H" << false << 2 << "8H" << false;
        QTest::newRow("trump attacked, plain ace") << "9H" << false << 2 << "AC" << false;
        QTest::newRow("beat with nothing unbeaten") << "7C/9C" << false << 2 << "AH" << false;
        QTest::newRow("kind 0") << "7C" << false << 0 << "8C" << false;
        QTest::newRow("kind 0, empty table") << "" << false << 0 << "8C" << false;
        QTest::newRow("kind 3") << "7C" << false << 3 << "8C" << false;
        QTest::newRow("kind 3, empty table") << "" << false << 3 << "8C" << false;
    }
    void canPlay() {
        QFETCH(QString, table);
        QFETCH(bool, firstBout);
        QFETCH(int, kind);
        QFETCH(QString, card);
        QFETCH(bool, allowed);
        TWrittenPosition written;
        written.Cpu = card.toStdString();
        written.Stock = 12;
        written.Table = table.toStdString();
        written.FirstBout = firstBout;
        TPosition p;
        VERIFY_NOTATION(MakePosition(written, p));
        QCOMPARE(p.Hands[ptCPU].CardCount(), 1);
        QCOMPARE(p.Trump(), TCardSuit(2));
        QCOMPARE(
            CanPlay(std::uint8_t(kind), p.Hands[ptCPU].Cards()[0], p.Table, p.FirstBout, p.Trump()),
            allowed);
    }

    void valueOnTable_data() {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("values"); // the values 6..A found on the table
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("attack and beater") << "7C/9C"
                                           << "7 9";
        QTest::newRow("unbeaten card counts") << "7C/9C QD"
                                              << "7 9 Q";
        QTest::newRow("trumps alike") << "6H/AH"
                                      << "6 A";
    }
    void valueOnTable() {
        QFETCH(QString, table);
        QFETCH(QString, values);
        TWrittenPosition written;
        written.Stock = 12;
        written.Table = table.toStdString();
        TPosition p;
        VERIFY_NOTATION(MakePosition(written, p));
        QStringList found;
        for (int v = 0; v <= 8; ++v)
            if (ValueOnTable(p.Table, TCardValue(v)))
                found << QString::fromStdString(CardName({0, TCardValue(v)})).chopped(1);
        QCOMPARE(found.join(' '), values);
    }

    // A table built card by card keeps its values as the cards come and go.
    void valueOnTableAfterClearing() {
        TTable table;
        table.PutAttack({0, 1});
        table.PutDefence({0, 3});
        QVERIFY(ValueOnTable(table, 1) && ValueOnTable(table, 3));
        table.ClearTable();
        for (int v = 0; v <= 8; ++v)
            QVERIFY(!ValueOnTable(table, TCardValue(v)));
        QVERIFY(!table.HasUnbeaten());
    }

    void beats_data() {
        QTest::addColumn<QString>("card");
        QTest::addColumn<QString>("unbeaten");
        QTest::addColumn<bool>("beats");
        // Trumps are hearts.
        QTest::newRow("higher of the suit") << "8C"
                                            << "7C" << true;
        QTest::newRow("equal is not higher") << "7D"
                                             << "7C" << false;
        QTest::newRow("lower of the suit") << "6C"
                                           << "7C" << false;
        QTest::newRow("trump six on a plain ace") << "6H"
                                                  << "AC" << true;
        QTest::newRow("plain ace on a trump six") << "AC"
                                                  << "6H" << false;
        QTest::newRow("higher trump") << "7H"
                                      << "6H" << true;
        QTest::newRow("lower trump") << "6H"
                                     << "7H" << false;
    }
    void beats() {
        QFETCH(QString, card);
        QFETCH(QString, unbeaten);
        QFETCH(bool, beats);
        TCardId a{}, u{};
        VERIFY_NOTATION(ParseCard(card.toStdString(), a));
        VERIFY_NOTATION(ParseCard(unbeaten.toStdString(), u));
        QCOMPARE(Beats(a, u, 2), beats);
    }

    // The defender's hand is full when the unbeaten cards are as many as it holds.
    void noRoomFor_data() {
        QTest::addColumn<QString>("table");
        QTest::addColumn<int>("defenderCards");
        QTest::addColumn<bool>("full");
        QTest::newRow("empty table, empty hand") << "" << 0 << true;
        QTest::newRow("empty table") << "" << 1 << false;
        QTest::newRow("one unbeaten, one card") << "7C" << 1 << true;
        QTest::newRow("one unbeaten, two cards") << "7C" << 2 << false;
        QTest::newRow("beaten cards do not count") << "7C/8C 7D/8D 7S" << 1 << true;
        QTest::newRow("beaten cards do not count, room") << "7C/8C 7D/8D 7S" << 2 << false;
        QTest::newRow("all beaten") << "7C/8C 7D/8D" << 1 << false;
    }
    void noRoomFor() {
        QFETCH(QString, table);
        QFETCH(int, defenderCards);
        QFETCH(bool, full);
        TCardList attack, defence;
        VERIFY_NOTATION(ParseTable(table.toStdString(), attack, defence));
        TTable t;
        for (int k = 0; k < attack.size(); ++k) {
            t.PutAttack(attack[k]);
            if (k < defence.size())
                t.PutDefence(defence[k]);
        }
        QCOMPARE(t.NoRoomFor(defenderCards), full);
    }
};

QTEST_APPLESS_MAIN(TestRulesLegality)
#include "tst_rules_legality.moc"

// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

// The computer's choices in the rules core: what it leads, throws in and beats with.
#include "computer.h"
#include "legality.h"
#include "notationcheck.h"

#include <QMap>
#include <QTest>

#include <algorithm>
#include <random>
#include <vector>

namespace {
// The chosen card's name; "-" for none; a note when the answer is no index of the hand.
QString Chosen(const TCardList& hand, int i) {
    if (i == -1)
        return QStringLiteral("-");
    if (i < 0 || i >= hand.size())
        return QStringLiteral("bad index %1").arg(i);
    return QString::fromStdString(CardName(hand[i]));
}

QString Names(const TCardList& cards) {
    return QString::fromStdString(CardNames(cards));
}

TWrittenPosition Written(const QString& hand, QChar trump, int stock, const QString& table,
                         bool firstBout) {
    TWrittenPosition written;
    written.Cpu = hand.toStdString();
    written.Trump = QString(trump).toStdString();
    written.Stock = stock;
    written.Table = table.toStdString();
    written.FirstBout = firstBout;
    return written;
}
} // namespace

class TestRulesComputer : public QObject {
    Q_OBJECT

private slots:
    void lowestCard_data() {
        QTest::addColumn<QString>("hand");
        QTest::addColumn<QString>("list"); // drawn from the hand
        QTest::addColumn<QString>("chosen");
        // Trumps are hearts.
        QTest::newRow("the lowest value") << "8C 7D 9S"
                                          << "8C 7D 9S"
                                          << "7D";
        QTest::newRow("equal values: the first in hand order") << "7C 7D 7S"
                                                               << "7C 7D 7S"
                                                               << "7C";
        QTest::newRow("a plain card before a trump of its value") << "7S 7H"
                                                                  << "7S 7H"
                                                                  << "7S";
        QTest::newRow("suits and trumps are not compared") << "9C 6H"
                                                           << "9C 6H"
                                                           << "6H";
        QTest::newRow("the index is the hand's") << "6C 8D 9D AS"
                                                 << "9D AS"
                                                 << "9D";
        QTest::newRow("one card") << "6C 8D"
                                  << "8D"
                                  << "8D";
    }
    void lowestCard() {
        QFETCH(QString, hand);
        QFETCH(QString, list);
        QFETCH(QString, chosen);
        TPosition p;
        VERIFY_NOTATION(MakePosition(Written(hand, 'H', 12, {}, false), p));
        TCardList candidates;
        VERIFY_NOTATION(ParseCards(list.toStdString(), candidates));
        const TCardList& cards = p.Hands[ptCPU].Cards();
        QCOMPARE(Chosen(cards, LowestCard(cards, candidates)), chosen);
    }

    void preferPair_data() {
        QTest::addColumn<QString>("hand");
        QTest::addColumn<QString>("list"); // "hand": the hand itself
        QTest::addColumn<int>("stock");
        QTest::addColumn<QString>("chosen");
        // Trumps are hearts; the allowance is 9 - stock / 3.
        QTest::newRow("one or two candidates: the lowest") << "6C 9C 9D"
                                                           << "9C 6C" << 24 << "6C";
        QTest::newRow("pair within the allowance") << "6C 7C 7D"
                                                   << "6C 7C 7D" << 24 << "7D";
        QTest::newRow("pair beyond the allowance") << "6C 8C 8D"
                                                   << "6C 8C 8D" << 24 << "6C";
        QTest::newRow("the allowance grows") << "6C 8C 8D"
                                             << "6C 8C 8D" << 21 << "8D";
        QTest::newRow("the lowest pair, not the highest") << "7C 8C 9C 7D 9D"
                                                          << "7C 8C 9C 7D 9D" << 24 << "7D";
        QTest::newRow("no pair") << "6C 8D 10S"
                                 << "6C 8D 10S" << 3 << "6C";
        QTest::newRow("the hand itself: the highest pair") << "7C 8C 7D 8D"
                                                           << "hand" << 24 << "8D";
        QTest::newRow("the hand itself: a trump makes the pair") << "6C 9C 9H"
                                                                 << "hand" << 24 << "9H";
        QTest::newRow("the hand itself, no pair") << "8C 6D 10S"
                                                  << "hand" << 0 << "6D";
        QTest::newRow("a copy of the hand is a list") << "7C 8C 7D 8D"
                                                      << "7C 8C 7D 8D" << 24 << "7D";
    }
    void preferPair() {
        QFETCH(QString, hand);
        QFETCH(QString, list);
        QFETCH(int, stock);
        QFETCH(QString, chosen);
        TPosition p;
        VERIFY_NOTATION(MakePosition(Written(hand, 'H', stock, {}, false), p));
        const TCardList& cards = p.Hands[ptCPU].Cards();
        if (list == QStringLiteral("hand")) {
            QCOMPARE(Chosen(cards, PreferPair(cards, cards, stock)), chosen);
            return;
        }
        TCardList candidates;
        VERIFY_NOTATION(ParseCards(list.toStdString(), candidates));
        QCOMPARE(Chosen(cards, PreferPair(cards, candidates, stock)), chosen);
    }

    void attack_data() {
        QTest::addColumn<QString>("hand");
        QTest::addColumn<QChar>("trump");
        QTest::addColumn<int>("stock");
        QTest::addColumn<QString>("table");
        QTest::addColumn<bool>("firstBout");
        QTest::addColumn<QString>("chosen");
        // Leads: the pair allowance is 9 - stock / 3.
        QTest::newRow("24: pair one above the lowest")
            << "6C 7C 7D JS" << QChar('H') << 24 << "" << true << "7D";
        QTest::newRow("24: pair two above")
            << "6C 8C 8D JS" << QChar('H') << 24 << "" << true << "6C";
        QTest::newRow("23: pair two above")
            << "6C 8C 8D JS" << QChar('H') << 23 << "" << false << "8D";
        QTest::newRow("14: pair five above")
            << "6C JC JD KS" << QChar('H') << 14 << "" << false << "JD";
        QTest::newRow("12: pair five above")
            << "6C JC JD KS" << QChar('H') << 12 << "" << false << "JD";
        QTest::newRow("15: pair five above")
            << "6C JC JD KS" << QChar('H') << 15 << "" << false << "6C";
        QTest::newRow("12: pair two above")
            << "6C 8C 8D JS" << QChar('H') << 12 << "" << false << "8D";
        QTest::newRow("6: pair of aces") << "6C AC AD" << QChar('H') << 6 << "" << false << "6C";
        QTest::newRow("3: pair of aces") << "6C AC AD" << QChar('H') << 3 << "" << false << "AD";
        QTest::newRow("lowest pair, not the highest")
            << "8C 9C 8D 9D" << QChar('H') << 24 << "" << true << "8D";
        QTest::newRow("pair at the lowest value")
            << "7C 7S 8D" << QChar('H') << 24 << "" << true << "7S";
        QTest::newRow("triple: the highest suit")
            << "7C 7D 7S QC" << QChar('H') << 24 << "" << true << "7S";
        QTest::newRow("one plain card before lower trumps")
            << "KC 6H 7H" << QChar('H') << 24 << "" << true << "KC";
        QTest::newRow("two plain cards of a value")
            << "6C 6D 7H 8H" << QChar('H') << 24 << "" << true << "6C";
        QTest::newRow("two plain cards, stock 3")
            << "AD AS 7H 8H" << QChar('H') << 3 << "" << false << "AD";
        QTest::newRow("trump does not make a pair while stock lasts")
            << "6C 9C KD 9H" << QChar('H') << 3 << "" << false << "6C";
        QTest::newRow("trumps only, stock 24")
            << "8H 6H QH" << QChar('H') << 24 << "" << true << "6H";
        QTest::newRow("trumps only, stock 3")
            << "8H QH 7H" << QChar('H') << 3 << "" << false << "7H";
        // The end game: the highest value held twice in the whole hand.
        QTest::newRow("end game: trump pair")
            << "6C 9C 9H" << QChar('H') << 2 << "" << false << "9H";
        QTest::newRow("end game: trump pair, empty stock")
            << "6C 9C KD 9H" << QChar('H') << 0 << "" << false << "9H";
        QTest::newRow("end game: highest pair")
            << "6C 6D 9C 9S KD" << QChar('H') << 1 << "" << false << "9S";
        QTest::newRow("end game: no pair, trump lowest")
            << "7C 8D 6H" << QChar('H') << 2 << "" << false << "6H";
        QTest::newRow("end game: two cards of a value")
            << "7C 7H" << QChar('H') << 0 << "" << false << "7C";
        QTest::newRow("end game: two cards") << "AS 6H" << QChar('H') << 2 << "" << false << "6H";
        QTest::newRow("end game: one card") << "KH" << QChar('H') << 0 << "" << false << "KH";
        QTest::newRow("nothing to lead") << "" << QChar('H') << 0 << "" << false << "-";
        // Throw-ins.
        QTest::newRow("lowest matching plain card")
            << "7D 9S 10C" << QChar('H') << 24 << "7C/9C" << true << "7D";
        QTest::newRow("lowest, not a pair")
            << "7S 9D 9S" << QChar('H') << 20 << "7C/9C 8D/10D" << false << "7S";
        QTest::newRow("value only as a beater")
            << "10C 6S" << QChar('H') << 20 << "7D/10D" << false << "10C";
        QTest::newRow("equal values: lower suit")
            << "8D 8H KS" << QChar('C') << 20 << "8S/10S" << false << "8D";
        QTest::newRow("plain before a lower trump")
            << "10C 7H" << QChar('H') << 0 << "7D/10D" << false << "10C";
        QTest::newRow("trumps only match, stock 24")
            << "6C 7H 10H QS" << QChar('H') << 24 << "7D/10D" << false << "-";
        QTest::newRow("trumps only match, stock 8")
            << "6C 7H 10H QS" << QChar('H') << 8 << "7D/10D" << false << "-";
        QTest::newRow("trumps only match, stock 7")
            << "6C 10H 7H QS" << QChar('H') << 7 << "7D/10D" << false << "7H";
        QTest::newRow("trumps only match, stock 0")
            << "6C 10H QS" << QChar('H') << 0 << "7D/10D" << false << "10H";
        QTest::newRow("nothing matches")
            << "6C 8H QS" << QChar('H') << 0 << "7D/10D" << false << "-";
        QTest::newRow("onto unbeaten cards")
            << "6C 9D" << QChar('H') << 10 << "9C/10C 6S" << false << "6C";
        const QString five = "7C/9C 7D/9D 9S/10S 7S/JS 10C/QC";
        QTest::newRow("first bout, five attacks")
            << "7H 9H QD" << QChar('S') << 10 << five << true << "-";
        QTest::newRow("later bout, five attacks")
            << "7H 9H QD" << QChar('S') << 10 << five << false << "7H";
        QTest::newRow("six attacks")
            << "7H 9H QD" << QChar('S') << 8 << five + " 6H/KH" << false << "-";
    }
    void attack() {
        QFETCH(QString, hand);
        QFETCH(QChar, trump);
        QFETCH(int, stock);
        QFETCH(QString, table);
        QFETCH(bool, firstBout);
        QFETCH(QString, chosen);
        TPosition p;
        VERIFY_NOTATION(MakePosition(Written(hand, trump, stock, table, firstBout), p));
        QCOMPARE(p.Stock.Count(), stock);
        const TCardList& cards = p.Hands[ptCPU].Cards();
        QCOMPARE(Chosen(cards, ChooseAttack(cards, p)), chosen);
    }

    void defence_data() {
        QTest::addColumn<QString>("hand");
        QTest::addColumn<QChar>("trump");
        QTest::addColumn<int>("stock");
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("lowest of the suit, not a trump") << "JC KC 6H" << QChar('H') << 24 << "9C"
                                                         << "JC";
        QTest::newRow("plain ace before a trump six") << "AD 6H" << QChar('H') << 24 << "9D"
                                                      << "AD";
        QTest::newRow("plain king at a full stock") << "6C KD QH" << QChar('H') << 24 << "9D"
                                                    << "KD";
        QTest::newRow("jack trump, stock 24") << "6C JH KH" << QChar('H') << 24 << "9D"
                                              << "-";
        QTest::newRow("jack trump, stock 17") << "6C JH KH" << QChar('H') << 17 << "9D"
                                              << "-";
        QTest::newRow("jack trump, stock 16") << "6C JH KH" << QChar('H') << 16 << "9D"
                                              << "JH";
        QTest::newRow("ace trump, stock 16") << "AH" << QChar('H') << 16 << "9D"
                                             << "AH";
        QTest::newRow("ace trump, stock 17") << "AH" << QChar('H') << 17 << "9D"
                                             << "-";
        QTest::newRow("ten trump, stock 24") << "6C 10H AH" << QChar('H') << 24 << "9D"
                                             << "10H";
        QTest::newRow("ten trump, stock 17") << "10H" << QChar('H') << 17 << "9D"
                                             << "10H";
        QTest::newRow("ten trump, stock 0") << "KH 10H" << QChar('H') << 0 << "9D"
                                            << "10H";
        QTest::newRow("queen trump, stock 20") << "6C QH" << QChar('H') << 20 << "9D"
                                               << "-";
        QTest::newRow("lowest trump that beats") << "QH 7H 8C" << QChar('H') << 10 << "9D"
                                                 << "7H";
        QTest::newRow("trump attacked: higher trump")
            << "9C AC 7H 9H JH" << QChar('H') << 24 << "8H"
            << "9H";
        QTest::newRow("trump attacked: jack at 24") << "AC 7H JH" << QChar('H') << 24 << "8H"
                                                    << "-";
        QTest::newRow("trump attacked: jack at 16") << "AC 7H JH" << QChar('H') << 16 << "8H"
                                                    << "JH";
        QTest::newRow("trump attacked: no higher trump") << "7H AC" << QChar('H') << 0 << "8H"
                                                         << "-";
        QTest::newRow("nothing beats") << "6C 8D AS" << QChar('H') << 0 << "9D"
                                       << "-";
        QTest::newRow("empty hand") << "" << QChar('H') << 0 << "9D"
                                    << "-";
        QTest::newRow("beats the last attack") << "8C 10C" << QChar('S') << 12 << "7C/JC 9C"
                                               << "10C";
    }
    void defence() {
        QFETCH(QString, hand);
        QFETCH(QChar, trump);
        QFETCH(int, stock);
        QFETCH(QString, table);
        QFETCH(QString, chosen);
        TPosition p;
        VERIFY_NOTATION(MakePosition(Written(hand, trump, stock, table, false), p));
        const TCardList& cards = p.Hands[ptCPU].Cards();
        QCOMPARE(Chosen(cards, ChooseDefence(cards, p)), chosen);
    }

    // Random positions from fixed deals: every choice is a card of the hand that the rule
    // of legality accepts, and "none" comes only when the choosing rules say so.
    void randomPositions() {
        int positions = 0;
        QMap<QString, int> seen; // which outcomes occurred, so no branch goes untested
        for (std::uint32_t seed = 1; seed <= 250; ++seed) {
            TPosition p;
            p.Stock.Shuffle(seed);
            std::mt19937 rng(seed);
            auto below = [&rng](int n) { return int(rng() % std::uint32_t(n)); };
            std::vector<TCardId> popped;
            TCardId c{};
            while (p.Stock.Count() > 0) {
                for (int k = 1 + below(3); k > 0 && p.Stock.PopCard(c); --k)
                    popped.push_back(c);
                std::vector<TCardId> pool = popped;
                std::shuffle(pool.begin(), pool.end(), rng);
                auto take = [&pool] {
                    const TCardId last = pool.back();
                    pool.pop_back();
                    return last;
                };
                p.Hands[ptMan].Clear();
                p.Hands[ptCPU].Clear();
                p.Table.ClearTable();
                THand& hand = p.Hands[seed % 2 ? ptCPU : ptMan];
                for (int n = below(std::min<int>(9, int(pool.size()) + 1)); n > 0; --n)
                    hand.AddCard(take(), p.Trump());
                const int attacks = below(std::min<int>(7, int(pool.size()) / 2 + 1));
                const bool unbeaten = attacks > 0 && below(2);
                for (int a = 0; a < attacks; ++a) {
                    p.Table.PutAttack(take());
                    if (a < attacks - 1 || !unbeaten)
                        p.Table.PutDefence(take());
                }
                p.FirstBout = below(2);
                ++positions;
                const QString where =
                    QStringLiteral("seed %1, stock %2, hand %3, table %4")
                        .arg(seed)
                        .arg(p.Stock.Count())
                        .arg(Names(hand.Cards()), QString::fromStdString(TableNames(p.Table)));
                CheckAttack(hand.Cards(), p, seen);
                if (QTest::currentTestFailed())
                    QFAIL(qPrintable(where));
                // The same answers as the rules' own wording: for the hand, for its list, and
                // for the list in any order.
                TCardList mixed = hand.Cards();
                std::shuffle(&mixed[0], &mixed[0] + mixed.size(), rng);
                const QString listed = where + ", as listed " + Names(mixed);
                QVERIFY2(ChooseAttack(hand, p) == WordedAttack(hand.Cards(), p), qPrintable(where));
                QVERIFY2(ChooseDefence(hand, p) == WordedDefence(hand.Cards(), p),
                         qPrintable(where));
                QVERIFY2(ChooseAttack(hand.Cards(), p) == WordedAttack(hand.Cards(), p),
                         qPrintable(where));
                QVERIFY2(ChooseDefence(hand.Cards(), p) == WordedDefence(hand.Cards(), p),
                         qPrintable(where));
                QVERIFY2(ChooseAttack(mixed, p) == WordedAttack(mixed, p), qPrintable(listed));
                QVERIFY2(ChooseDefence(mixed, p) == WordedDefence(mixed, p), qPrintable(listed));
                if (unbeaten)
                    CheckDefence(hand.Cards(), p, seen);
                if (QTest::currentTestFailed())
                    QFAIL(qPrintable(where));
            }
        }
        qInfo("%d positions", positions);
        QVERIFY(positions >= 3000);
        for (const char* outcome :
             {"lead", "throw-in plain", "throw-in trump", "throw-in none", "trump held back",
              "beat plain", "beat trump", "trump saved", "no beater"})
            QVERIFY2(seen.value(outcome) > 0, outcome);
    }

private:
    static bool Playable(std::uint8_t kind, TCardId c, const TPosition& p) {
        return CanPlay(kind, c, p.Table, p.FirstBout, p.Trump());
    }

    // The choices as the rules word them: candidate lists in the list's order, then
    // LowestCard and PreferPair.
    static void Candidates(std::uint8_t kind, const TCardList& hand, const TPosition& p,
                           TCardList& plain, TCardList& trumps) {
        for (const TCardId c : hand)
            if (kind == 0 || Playable(kind, c, p))
                (p.IsTrump(c) ? trumps : plain).push_back(c);
    }
    static int WordedAttack(const TCardList& hand, const TPosition& p) {
        const int s = p.Stock.Count();
        TCardList plain, trumps;
        if (p.Table.AttackCount() == 0) {
            if (hand.empty())
                return -1;
            if (s <= 2)
                return PreferPair(hand, hand, s);
            Candidates(0, hand, p, plain, trumps);
            return plain.empty() ? LowestCard(hand, hand) : PreferPair(hand, plain, s);
        }
        Candidates(1, hand, p, plain, trumps);
        if (!plain.empty())
            return LowestCard(hand, plain);
        return !trumps.empty() && s < 8 ? LowestCard(hand, trumps) : -1;
    }
    static int WordedDefence(const TCardList& hand, const TPosition& p) {
        TCardList plain, trumps;
        Candidates(2, hand, p, plain, trumps);
        int r = !plain.empty()    ? PreferPair(hand, plain, p.Stock.Count())
                : !trumps.empty() ? LowestCard(hand, trumps)
                                  : -1;
        if (r >= 0 && p.IsTrump(hand[r]) && hand[r].Value > 4 && p.Stock.Count() > 16)
            r = -1;
        return r;
    }

    void CheckAttack(const TCardList& hand, const TPosition& p, QMap<QString, int>& seen) {
        const int stock = p.Stock.Count();
        TCardList plain, trumps;
        for (const TCardId c : hand)
            if (Playable(1, c, p))
                (p.IsTrump(c) ? trumps : plain).push_back(c);
        const int i = ChooseAttack(hand, p);
        QVERIFY2(i >= -1 && i < hand.size(), qPrintable(QString::number(i)));
        if (p.Table.AttackCount() == 0) {
            QCOMPARE(i == -1, hand.empty());
            if (i >= 0) {
                QVERIFY(Playable(1, hand[i], p));
                // While the stock lasts a trump leads only from a hand of trumps.
                if (stock > 2 && p.IsTrump(hand[i]))
                    QVERIFY(plain.empty());
                ++seen["lead"];
            }
            return;
        }
        if (i >= 0) {
            QVERIFY(Playable(1, hand[i], p));
            // A trump only when no plain card fits, and never with 8 or more in the stock.
            if (p.IsTrump(hand[i])) {
                QVERIFY(plain.empty());
                QVERIFY(stock < 8);
            }
            ++seen[p.IsTrump(hand[i]) ? "throw-in trump" : "throw-in plain"];
            return;
        }
        QVERIFY(plain.empty());
        QVERIFY(trumps.empty() || stock >= 8);
        ++seen[trumps.empty() ? "throw-in none" : "trump held back"];
    }

    void CheckDefence(const TCardList& hand, const TPosition& p, QMap<QString, int>& seen) {
        const int stock = p.Stock.Count();
        TCardList plain, trumps;
        for (const TCardId c : hand)
            if (Playable(2, c, p))
                (p.IsTrump(c) ? trumps : plain).push_back(c);
        const int i = ChooseDefence(hand, p);
        QVERIFY2(i >= -1 && i < hand.size(), qPrintable(QString::number(i)));
        if (i >= 0) {
            QVERIFY(Playable(2, hand[i], p));
            // A plain beater is always preferred; a high trump is kept while the stock is thick.
            if (p.IsTrump(hand[i])) {
                QVERIFY(plain.empty());
                QVERIFY(hand[i].Value <= 4 || stock <= 16);
            }
            ++seen[p.IsTrump(hand[i]) ? "beat trump" : "beat plain"];
            return;
        }
        QVERIFY(plain.empty());
        if (trumps.empty()) {
            ++seen["no beater"];
            return;
        }
        // Taking with a beater in hand: only when even the lowest trump beater is saved.
        int lowest = 8;
        for (const TCardId c : trumps)
            lowest = std::min<int>(lowest, c.Value);
        QVERIFY2(lowest > 4 && stock > 16, qPrintable(Names(trumps)));
        ++seen["trump saved"];
    }
};

QTEST_APPLESS_MAIN(TestRulesComputer)
#include "tst_rules_computer.moc"

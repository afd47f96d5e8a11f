// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

// The rules core's values and containers: the generator, the shuffle, hand order, card lists,
// and the notation the other suites write their positions in.
#include "hand.h"
#include "notationcheck.h"
#include "stock.h"
#include "twister.h"

#include <QTest>

#include <random>

namespace {
// The deal as the pile has always shuffled it: std::mt19937 from the seed, an unbiased draw
// from the numbers left, each place taking the drawn number out of the pack's order.
std::array<TCardId, 36> ReferenceDeal(std::uint32_t seed) {
    std::vector<int> numbers;
    for (int suit = 0; suit < 4; ++suit)
        for (int value = 0; value < 9; ++value)
            numbers.push_back(suit * 10 + value);
    std::mt19937 gen(seed);
    std::array<TCardId, 36> out{};
    for (int i = 0; i < 36; ++i) {
        const std::uint32_t n = std::uint32_t(36 - i);
        const std::uint32_t limit = std::uint32_t((std::uint64_t(1) << 32) % n);
        std::uint32_t r = gen();
        while (r < limit)
            r = gen();
        const std::size_t j = r % n;
        out[std::size_t(i)] = TCardId::FromNomber(numbers[j]);
        numbers.erase(numbers.begin() + std::ptrdiff_t(j));
    }
    return out;
}

QString Names(const TCardList& cards) {
    return QString::fromStdString(CardNames(cards));
}

QString StockNames(const TStock& stock) {
    TCardList all;
    for (const TCardId c : stock.Cards)
        all.push_back(c);
    return Names(all);
}
} // namespace

class TestRulesBasics : public QObject {
    Q_OBJECT

private slots:
    // The same numbers as the standard engine, past the first 227 where it changes its way
    // and past the 624 of one whole state.
    void twisterIsTheStandardEngine() {
        std::vector<std::uint32_t> seeds = {0u,          1u,          2u,         5489u,
                                            0x7fffffffu, 0x80000000u, 0xffffffffu};
        std::mt19937 more(20240601u);
        for (int i = 0; i < 200; ++i)
            seeds.push_back(more());
        for (const std::uint32_t seed : seeds) {
            TTwister mine(seed);
            std::mt19937 theirs(seed);
            for (int k = 0; k < 1500; ++k) {
                const std::uint32_t a = mine(), b = theirs();
                if (a != b)
                    QFAIL(qPrintable(QStringLiteral("seed %1, output %2: %3 instead of %4")
                                         .arg(seed)
                                         .arg(k)
                                         .arg(a)
                                         .arg(b)));
            }
        }
    }

    // Two generators of one seed stay apart from each other.
    void twistersKeepTheirOwnState() {
        TTwister a(9), b(9);
        std::mt19937 ref(9);
        for (int k = 0; k < 300; ++k) {
            const std::uint32_t expected = ref();
            QCOMPARE(a(), expected);
            QCOMPARE(b(), expected);
        }
    }

    void shuffleDealsAsBefore() {
        for (std::uint32_t seed = 0; seed < 2000; ++seed) {
            TStock stock;
            stock.Shuffle(seed);
            QCOMPARE(stock.Count(), 36);
            if (!(stock.Cards == ReferenceDeal(seed)))
                QFAIL(qPrintable(QStringLiteral("seed %1: %2").arg(seed).arg(StockNames(stock))));
        }
        for (const std::uint32_t seed : {0x7fffffffu, 0xfffffffeu, 0xffffffffu}) {
            TStock stock;
            stock.Shuffle(seed);
            QVERIFY(stock.Cards == ReferenceDeal(seed));
        }
    }

    // Known deals, bottom (the trump card) to top.
    void shuffleKnownDeals_data() {
        QTest::addColumn<int>("seed");
        QTest::addColumn<QString>("deal");
        QTest::newRow("1") << 1
                           << "10D KH KS 8D AS QD 9D JH KC 7D 8H QS 10C 6S QC 9H 8C 6C JC JD "
                              "10S 6D AD 7H KD 7S 10H JS AH 8S AC 9C 9S 7C QH 6H";
        QTest::newRow("7") << 7
                           << "6S 7S KH 8H 9C KD 7H 7C JS 10H 9D AC 8D 7D QC 8C JD KC 6D AS QD "
                              "8S 10D JH 6H AH AD 10C 9H 9S 10S 6C JC QS KS QH";
    }
    void shuffleKnownDeals() {
        QFETCH(int, seed);
        QFETCH(QString, deal);
        TStock stock;
        stock.Shuffle(std::uint32_t(seed));
        QCOMPARE(StockNames(stock), deal);
        QCOMPARE(stock.TrumpSuit(), stock.Cards[0].Suit);
        // Given from the top; the trump card last.
        TCardId c{};
        TCardList drawn;
        while (stock.PopCard(c))
            drawn.push_back(c);
        QCOMPARE(drawn.size(), 36);
        QVERIFY(drawn.back() == stock.Cards[0]);
        QVERIFY(!stock.PopCard(c));
        QCOMPARE(stock.Count(), 0);
    }

    void shuffleIsAPack() {
        for (std::uint32_t seed = 100; seed < 150; ++seed) {
            TStock stock;
            stock.Shuffle(seed);
            std::uint64_t seen = 0;
            for (const TCardId c : stock.Cards) {
                QVERIFY(c.Suit < 4 && c.Value < 9);
                seen |= std::uint64_t(1) << c.Bit();
            }
            QCOMPARE(seen, (std::uint64_t(1) << 36) - 1);
        }
    }

    void addCardKeepsHandOrder_data() {
        QTest::addColumn<QString>("trump");
        QTest::addColumn<QString>("added"); // in this order
        QTest::addColumn<QString>("hand");
        QTest::addColumn<QString>("places"); // where each went when it came
        QTest::newRow("plain by number, then trumps") << "H"
                                                      << "AH 6C 7H 6S 10D"
                                                      << "6C 10D 6S 7H AH"
                                                      << "0 0 1 1 1";
        QTest::newRow("clubs trump: last") << "C"
                                           << "6H 6C AD"
                                           << "AD 6H 6C"
                                           << "0 1 0";
        QTest::newRow("already in order") << "S"
                                          << "6C 7C 8D 6S"
                                          << "6C 7C 8D 6S"
                                          << "0 1 2 3";
        QTest::newRow("reversed") << "S"
                                  << "AS KD 7C 6C"
                                  << "6C 7C KD AS"
                                  << "0 0 0 0";
        QTest::newRow("one card") << "D"
                                  << "9D"
                                  << "9D"
                                  << "0";
    }
    void addCardKeepsHandOrder() {
        QFETCH(QString, trump);
        QFETCH(QString, added);
        QFETCH(QString, hand);
        QFETCH(QString, places);
        TCardSuit suit = 0;
        VERIFY_NOTATION(ParseSuit(trump.toStdString(), suit));
        TCardList cards;
        VERIFY_NOTATION(ParseCards(added.toStdString(), cards));
        THand h;
        QStringList at;
        for (const TCardId c : cards)
            at << QString::number(h.AddCard(c, suit));
        QCOMPARE(Names(h.Cards()), hand);
        QCOMPARE(at.join(' '), places);
        for (int i = 1; i < h.CardCount(); ++i)
            QVERIFY(CompareCards(h.Cards()[i - 1], h.Cards()[i], suit) < 0);
    }

    void extractCard() {
        THand h;
        TCardList cards;
        VERIFY_NOTATION(ParseCards("6C 7D 8S AH", cards));
        for (const TCardId c : cards)
            h.AddCard(c, 2);
        QVERIFY(h.ExtractCard(1) == (TCardId{1, 1}));
        QCOMPARE(Names(h.Cards()), QStringLiteral("6C 8S AH"));
        QVERIFY(h.ExtractCard(2) == (TCardId{2, 8}));
        QVERIFY(h.ExtractCard(0) == (TCardId{0, 0}));
        QCOMPARE(Names(h.Cards()), QStringLiteral("8S"));
    }

    // The hand against a plain list doing what the rules say, over random play: cards in and
    // out, read back as a list, one at a time, as a set; also once out of hand order.
    void handMatchesAPlainList_data() {
        QTest::addColumn<int>("disorder"); // 0 none, 1 a card twice, 2 a list set as given
        QTest::newRow("in hand order") << 0;
        QTest::newRow("a card added twice") << 1;
        QTest::newRow("a list set out of order") << 2;
    }
    void handMatchesAPlainList() {
        QFETCH(int, disorder);
        for (std::uint32_t seed = 1; seed <= 200; ++seed) {
            std::mt19937 rng(seed);
            const TCardSuit trump = TCardSuit(seed % 4);
            TStock pack;
            pack.Shuffle(seed);
            THand h;
            TCardList model;
            auto add = [&](TCardId c) {
                int i = model.size();
                while (i > 0 && CompareCards(model[i - 1], c, trump) > 0)
                    --i;
                model.insert(i, c);
                return i;
            };
            int next = 0;
            if (disorder == 2) {
                for (; next < 5; ++next)
                    model.push_back(pack.Cards[next]);
                h.SetCards(model, trump);
            }
            for (int step = 0; step < 60; ++step) {
                const QString where = QStringLiteral("seed %1, step %2").arg(seed).arg(step);
                if (next < 36 && (model.empty() || rng() % 3 != 0)) {
                    const TCardId c = pack.Cards[next++];
                    QVERIFY2(h.AddCard(c, trump) == add(c), qPrintable(where));
                    if (disorder == 1 && step == 10) {
                        QVERIFY2(h.AddCard(c, trump) == add(c), qPrintable(where));
                    }
                } else {
                    const int i = int(rng() % std::uint32_t(model.size()));
                    QVERIFY2(h.Card(i) == model[i], qPrintable(where));
                    QVERIFY2(h.ExtractCard(i) == model[i], qPrintable(where));
                    model.erase(i);
                }
                QVERIFY2(h.CardCount() == model.size(), qPrintable(where));
                QVERIFY2(h.Cards() == model, qPrintable(where + ": " + Names(h.Cards())));
                QVERIFY2(h.Set() == SetOf(model), qPrintable(where));
            }
        }
    }

    void cardListInsertErase_data() {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("op"); // "+i card" inserts at i, "-i" erases at i
        QTest::addColumn<QString>("result");
        QTest::newRow("insert at the front") << "7C 8C"
                                             << "+0 6C"
                                             << "6C 7C 8C";
        QTest::newRow("insert in the middle") << "6C 8C"
                                              << "+1 7C"
                                              << "6C 7C 8C";
        QTest::newRow("insert at the end") << "6C 7C"
                                           << "+2 8C"
                                           << "6C 7C 8C";
        QTest::newRow("insert into empty") << ""
                                           << "+0 AS"
                                           << "AS";
        QTest::newRow("erase the front") << "6C 7C 8C"
                                         << "-0"
                                         << "7C 8C";
        QTest::newRow("erase the middle") << "6C 7C 8C"
                                          << "-1"
                                          << "6C 8C";
        QTest::newRow("erase the last") << "6C 7C 8C"
                                        << "-2"
                                        << "6C 7C";
        QTest::newRow("erase the only") << "6C"
                                        << "-0"
                                        << "";
    }
    void cardListInsertErase() {
        QFETCH(QString, start);
        QFETCH(QString, op);
        QFETCH(QString, result);
        TCardList list;
        VERIFY_NOTATION(ParseCards(start.toStdString(), list));
        const int at = op.mid(1, 1).toInt();
        if (op.startsWith('+')) {
            TCardId c{};
            VERIFY_NOTATION(ParseCard(op.mid(3).toStdString(), c));
            list.insert(at, c);
        } else {
            list.erase(at);
        }
        QCOMPARE(Names(list), result);
        TCardList expected;
        VERIFY_NOTATION(ParseCards(result.toStdString(), expected));
        QVERIFY(list == expected);
        QCOMPARE(list.empty(), result.isEmpty());
    }

    void cardListHoldsAWholePack() {
        TCardList list;
        for (int n = 38; n >= 0; --n)
            if (n % 10 != 9)
                list.insert(0, TCardId::FromNomber(n));
        QCOMPARE(list.size(), TCardList::Capacity);
        for (int i = 0; i < list.size(); ++i)
            QCOMPARE(list[i].Bit(), i);
        QCOMPARE(list.indexOf({3, 8}), 35);
        QVERIFY(list.contains(TCardId{2, 4}));
        list.erase(0); // the whole pack moves down one place
        QVERIFY(!list.contains(TCardId{0, 0}));
        QCOMPARE(list.indexOf({0, 0}), -1);
        QCOMPARE(list.indexOf({3, 8}), 34);
        QCOMPARE(list.size(), 35);
        TCardList copy = list;
        QVERIFY(copy == list);
        copy[0] = {3, 8};
        QVERIFY(!(copy == list));
    }

    void parseCard_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("number"); // -1: refused
        QTest::newRow("six of clubs") << "6C" << 0;
        QTest::newRow("ten of hearts") << "10H" << 24;
        QTest::newRow("queen of diamonds") << "QD" << 16;
        QTest::newRow("ace of spades") << "AS" << 38;
        QTest::newRow("empty") << "" << -1;
        QTest::newRow("a suit only") << "H" << -1;
        QTest::newRow("a rank only") << "10" << -1;
        QTest::newRow("no such rank") << "1H" << -1;
        QTest::newRow("eleven") << "11H" << -1;
        QTest::newRow("five") << "5S" << -1;
        QTest::newRow("no such suit") << "6X" << -1;
        QTest::newRow("small letter") << "6c" << -1;
        QTest::newRow("two suits") << "6CC" << -1;
    }
    void parseCard() {
        QFETCH(QString, text);
        QFETCH(int, number);
        TCardId c{};
        const std::string why = ParseCard(text.toStdString(), c);
        QCOMPARE(why.empty(), number >= 0);
        if (number >= 0) {
            QCOMPARE(int(c.Nomber()), number);
            QCOMPARE(QString::fromStdString(CardName(c)), text);
        } else {
            // The complaint quotes the text.
            QVERIFY2(why.find('"' + text.toStdString() + '"') != std::string::npos, why.c_str());
        }
    }

    void badPositions_data() {
        QTest::addColumn<QString>("man");
        QTest::addColumn<QString>("cpu");
        QTest::addColumn<QString>("trump");
        QTest::addColumn<int>("stock");
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("next");
        QTest::addColumn<QString>("quoted"); // what the complaint names
        QTest::newRow("a bad card in a hand") << "6C 6Z"
                                              << ""
                                              << "H" << 0 << ""
                                              << ""
                                              << "6Z";
        QTest::newRow("a card twice in a hand") << "6C 6C"
                                                << ""
                                                << "H" << 0 << ""
                                                << ""
                                                << "6C";
        QTest::newRow("a card in both hands") << "6C"
                                              << "6C"
                                              << "H" << 0 << ""
                                              << ""
                                              << "6C";
        QTest::newRow("a hand card on the table") << "6C"
                                                  << ""
                                                  << "H" << 0 << "6C/7C"
                                                  << ""
                                                  << "6C";
        QTest::newRow("two beaters") << ""
                                     << ""
                                     << "H" << 0 << "6C/7C/8C"
                                     << ""
                                     << "6C/7C/8C";
        QTest::newRow("an unbeaten card before a bout") << ""
                                                        << ""
                                                        << "H" << 0 << "6C 7D/8D"
                                                        << ""
                                                        << "6C";
        QTest::newRow("a beater that does not beat") << ""
                                                     << ""
                                                     << "H" << 0 << "7C/6C"
                                                     << ""
                                                     << "6C";
        QTest::newRow("a plain card on a trump") << ""
                                                 << ""
                                                 << "H" << 0 << "7H/AC"
                                                 << ""
                                                 << "AC";
        QTest::newRow("seven attacks") << ""
                                       << ""
                                       << "S" << 0 << "6C/7C 6D/7D 6H/7H 8C/9C 8D/9D 8H/9H 10C"
                                       << ""
                                       << "10C";
        QTest::newRow("a stock above the pack") << ""
                                                << ""
                                                << "H" << 37 << ""
                                                << ""
                                                << "37";
        QTest::newRow("no room for the stock") << "6C 7C 8C 9C 10C JC QC KC AC"
                                               << ""
                                               << "H" << 28 << ""
                                               << ""
                                               << "28";
        QTest::newRow("next cards beyond the stock") << ""
                                                     << ""
                                                     << "H" << 2 << ""
                                                     << "6C 7C"
                                                     << "6C 7C";
        QTest::newRow("the trump card held with a stock") << "6H"
                                                          << ""
                                                          << "6H" << 5 << ""
                                                          << ""
                                                          << "6H";
        QTest::newRow("the trump card among the next") << ""
                                                       << ""
                                                       << "6H" << 5 << ""
                                                       << "6H"
                                                       << "6H";
        QTest::newRow("no trump left for the bottom") << "6H 7H 8H 9H 10H JH QH"
                                                      << "KH AH"
                                                      << "H" << 0 << ""
                                                      << ""
                                                      << "H";
        QTest::newRow("a bad trump") << ""
                                     << ""
                                     << "X" << 0 << ""
                                     << ""
                                     << "X";
    }
    void badPositions() {
        QFETCH(QString, man);
        QFETCH(QString, cpu);
        QFETCH(QString, trump);
        QFETCH(int, stock);
        QFETCH(QString, table);
        QFETCH(QString, next);
        QFETCH(QString, quoted);
        const TWrittenPosition written{.Man = man.toStdString(),
                                       .Cpu = cpu.toStdString(),
                                       .Trump = trump.toStdString(),
                                       .Stock = stock,
                                       .Table = table.toStdString(),
                                       .Next = next.toStdString()};
        TPosition p;
        const std::string why = MakePosition(written, p);
        QVERIFY2(!why.empty(), "accepted");
        QVERIFY2(why.find(quoted.toStdString()) != std::string::npos, why.c_str());
    }

    // A position: the hands in hand order, the table in laying order, the stock with its
    // trump card at the bottom and the next cards on top, all 36 cards once.
    void positionIsLaidOut() {
        TWrittenPosition written;
        written.Man = "AS 6C 7H";
        written.Cpu = "9D 8D";
        written.Trump = "JH";
        written.Stock = 5;
        written.Table = "7C/9C 7D/10H 7S";
        written.Next = "QS KS";
        written.FirstBout = true;
        written.State = gsCPUTakes;
        TDeal deal;
        VERIFY_NOTATION(MakeDeal(written, deal));
        std::uint64_t seen = 0;
        for (const TCardId c : deal.Order)
            seen |= std::uint64_t(1) << c.Bit();
        QCOMPARE(seen, (std::uint64_t(1) << 36) - 1);
        TPosition p;
        ApplyDeal(deal, p);
        QCOMPARE(Names(p.Hands[ptMan].Cards()), QStringLiteral("6C AS 7H"));
        QCOMPARE(Names(p.Hands[ptCPU].Cards()), QStringLiteral("8D 9D"));
        QCOMPARE(QString::fromStdString(TableNames(p.Table)), QStringLiteral("7C/9C 7D/10H 7S"));
        QCOMPARE(Names(p.Table.Cards), QStringLiteral("7C 9C 7D 10H 7S"));
        QCOMPARE(p.Stock.Count(), 5);
        QVERIFY(p.Stock.Cards[0] == (TCardId{2, 5}));
        QVERIFY(p.Stock.Cards[4] == (TCardId{3, 6})); // the top: the first next card
        QVERIFY(p.Stock.Cards[3] == (TCardId{3, 7}));
        QVERIFY(p.FirstBout);
        QCOMPARE(p.State, gsCPUTakes);
        QCOMPARE(int(p.Role(ptMan)), 1);
        QCOMPARE(int(p.Role(ptCPU)), 2);
        // A suit only: the lowest trump nobody holds lies at the bottom.
        written.Trump = "C";
        written.Man = "6C 8C";
        written.Table = {};
        VERIFY_NOTATION(MakePosition(written, p));
        QVERIFY(p.Stock.Cards[0] == (TCardId{0, 1}));
        // An empty stock may have given its trump card to a hand.
        written = {};
        written.Man = "6H 7C";
        written.Trump = "6H";
        VERIFY_NOTATION(MakePosition(written, p));
        QCOMPARE(Names(p.Hands[ptMan].Cards()), QStringLiteral("7C 6H"));
        QCOMPARE(p.Stock.Count(), 0);
        QCOMPARE(p.Trump(), TCardSuit(2));
    }
};

QTEST_APPLESS_MAIN(TestRulesBasics)
#include "tst_rules_basics.moc"

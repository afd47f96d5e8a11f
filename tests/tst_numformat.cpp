// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

// The percentage text of the statistics: 18 significant digits, then ties away from zero at
// the second decimal, the locale's separator and no grouping.
#include "numformat.h"

#include <QTest>

#include <limits>

class TestNumFormat : public QObject {
    Q_OBJECT

private slots:
    void fixed2_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << 0.0 << "0,00";
        QTest::newRow("whole") << 100.0 << "100,00";
        QTest::newRow("tie up") << 3.125 << "3,13";
        QTest::newRow("tie up, larger") << 96.875 << "96,88";
        QTest::newRow("negative tie") << -3.125 << "-3,13";
        QTest::newRow("tie below one") << 0.125 << "0,13";
        QTest::newRow("tie at the first hundredth") << 0.005 << "0,01";
        QTest::newRow("below the tie") << 0.0049 << "0,00";
        QTest::newRow("negative to zero") << -0.001 << "0,00";
        QTest::newRow("carry through") << 99.995 << "100,00";
        QTest::newRow("tiny") << 1e-30 << "0,00";
        QTest::newRow("no grouping") << 1234567.5 << "1234567,50";
        QTest::newRow("largest share") << 214748364700.0 << "214748364700,00";
        QTest::newRow("huge") << 1e20 << "100000000000000000000,00";
    }

    void fixed2() {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(vesk::FormatFixed2(value, QLocale(QLocale::Russian)), text);
        QCOMPARE(vesk::FormatFixed2(value, QLocale::c()), QString(text).replace(',', '.'));
    }

    // Computed in extended precision: 1/3 and 2/3 of a hundred.
    void extended() {
        const QLocale ru(QLocale::Russian);
        QCOMPARE(vesk::FormatFixed2(100.0L / 3, ru), QStringLiteral("33,33"));
        QCOMPARE(vesk::FormatFixed2(200.0L / 3, ru), QStringLiteral("66,67"));
        // 18 digits first: 0.0049999999999999999999 reads as 0.00500000000000000000.
        QCOMPARE(vesk::FormatFixed2(0.0049999999999999999999L, ru), QStringLiteral("0,01"));
    }

    void notFinite() {
        const QLocale ru(QLocale::Russian);
        QCOMPARE(vesk::FormatFixed2(std::numeric_limits<long double>::infinity(), ru),
                 QStringLiteral("INF"));
        QCOMPARE(vesk::FormatFixed2(-std::numeric_limits<long double>::infinity(), ru),
                 QStringLiteral("-INF"));
        QCOMPARE(vesk::FormatFixed2(std::numeric_limits<long double>::quiet_NaN(), ru),
                 QStringLiteral("NAN"));
    }

    void share_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("total");
        QTest::addColumn<QString>("text");
        QTest::newRow("third") << 1 << 3 << "1 (33,33%) ";
        QTest::newRow("none") << 0 << 3 << "0 (0,00%) ";
        QTest::newRow("all") << 1 << 1 << "1 (100,00%) ";
        QTest::newRow("1 of 32") << 1 << 32 << "1 (3,13%) ";
        QTest::newRow("31 of 32") << 31 << 32 << "31 (96,88%) ";
        QTest::newRow("negative count") << -1 << 1 << "-1 (-100,00%) ";
        QTest::newRow("largest") << 2147483647 << 1 << "2147483647 (214748364700,00%) ";
        QTest::newRow("lowest") << int(-2147483648LL) << 1 << "-2147483648 (-214748364800,00%) ";
    }

    void share() {
        QFETCH(int, count);
        QFETCH(int, total);
        QFETCH(QString, text);
        QCOMPARE(vesk::ShareText(count, total, QLocale(QLocale::Russian)), text);
    }

    void wrappingSum() {
        QCOMPARE(vesk::WrappingSum(1, 2, 3), 6);
        QCOMPARE(vesk::WrappingSum(0, 2, -2), 0);
        QCOMPARE(vesk::WrappingSum(2147483647, 1, 0), int(-2147483648LL));
        QCOMPARE(vesk::WrappingSum(int(-2147483648LL), -1, 0), 2147483647);
    }
};

QTEST_GUILESS_MAIN(TestNumFormat)
#include "tst_numformat.moc"

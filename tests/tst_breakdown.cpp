// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

// The detailed statistics: records and streaks over sequences of games, the table's texts,
// games counted in the record of their opponent and rule set, the round trip through the
// settings file, and "Очистить" clearing the totals and the breakdown together.
#include "breakdowntext.h"
#include "gamedriver.h"
#include "modal.h"
#include "settingsfolder.h"
#include "tfbreakdown.h"
#include "tfmain.h"
#include "tfstatistic.h"

#include <QAction>
#include <QMessageBox>
#include <QTableWidget>
#include <QTest>

#include <memory>

class TfMainProbe {
public:
    static const TBreakdown& Breakdown(TfMain& w) { return w.FBreakdown; }
    static QList<int> Counters(TfMain& w) { return {w.Wins, w.Lose, w.Draw}; }
    static void Statistic(TfMain& w) { w.mmStatisticClick(); }
};

namespace {
TOutcome OutcomeOf(QChar c) {
    return c == 'W' ? ocWon : c == 'L' ? ocLost : c == 'D' ? ocDraw : ocNone;
}

// Wins, losses and draws of every record, in store order.
QList<int> Cells(const TBreakdown& b) {
    QList<int> out;
    for (TOpponent o : {opRules, opStrong})
        for (TRuleSet r : {rsThrowIn, rsTransfer}) {
            const TRecord& rec = b.At(o, r);
            out << rec.Wins << rec.Lose << rec.Draw << rec.BestStreak << rec.Streak;
        }
    return out;
}
} // namespace

class TestBreakdown : public QObject, public SettingsFolder {
    Q_OBJECT

    int statisticAnswer = mrOk;
    QStringList tableTexts;

    // The dialogs answered, their tables read.
    void Answer() {
        vesk::SetModalHook([this](QDialog* d) -> int {
            if (qobject_cast<TfStatistic*>(d))
                return statisticAnswer;
            if (auto* b = qobject_cast<TfBreakdown*>(d)) {
                for (int r = 0; r < b->Table->rowCount(); ++r) {
                    QStringList row;
                    for (int c = 0; c < b->Table->columnCount(); ++c)
                        row << b->Table->item(r, c)->text();
                    tableTexts << row.join('|');
                }
                return int(QDialog::Accepted);
            }
            return int(QMessageBox::Ok);
        });
    }

private slots:
    void init() {
        MakeFolder();
        statisticAnswer = mrOk;
        tableTexts.clear();
        Answer();
    }

    void cleanup() {
        vesk::SetModalHook(nullptr);
        dir.reset();
    }

    void streaks_data() {
        QTest::addColumn<QString>("games");
        QTest::addColumn<QList<int>>("expected"); // wins, lose, draw, best, current
        QTest::newRow("none") << "" << QList<int>{0, 0, 0, 0, 0};
        QTest::newRow("one win") << "W" << QList<int>{1, 0, 0, 1, 1};
        QTest::newRow("losses in a row") << "LLL" << QList<int>{0, 3, 0, 0, -3};
        QTest::newRow("best kept after a loss") << "WWWLW" << QList<int>{4, 1, 0, 3, 1};
        QTest::newRow("a draw ends a streak") << "WWD" << QList<int>{2, 0, 1, 2, 0};
        QTest::newRow("later streak is longer") << "WLWWWWDL" << QList<int>{5, 2, 1, 4, -1};
        QTest::newRow("not ended counts nothing") << "W-W" << QList<int>{2, 0, 0, 2, 2};
    }

    void streaks() {
        QFETCH(QString, games);
        QFETCH(QList<int>, expected);
        TBreakdown b;
        for (QChar c : games)
            b.Count(opStrong, rsTransfer, OutcomeOf(c));
        const TRecord& r = b.At(opStrong, rsTransfer);
        QCOMPARE((QList<int>{r.Wins, r.Lose, r.Draw, r.BestStreak, r.Streak}), expected);
        // The other records are untouched.
        QCOMPARE(Cells(b).mid(0, 15), QList<int>(15, 0));
    }

    void streakText_data() {
        QTest::addColumn<int>("streak");
        QTest::addColumn<QString>("text");
        QTest::newRow("0") << 0 << "—";
        QTest::newRow("1") << 1 << "1 победа";
        QTest::newRow("3") << 3 << "3 победы";
        QTest::newRow("5") << 5 << "5 побед";
        QTest::newRow("11") << 11 << "11 побед";
        QTest::newRow("21") << 21 << "21 победа";
        QTest::newRow("112") << 112 << "112 побед";
        QTest::newRow("-1") << -1 << "1 поражение";
        QTest::newRow("-4") << -4 << "4 поражения";
        QTest::newRow("-14") << -14 << "14 поражений";
        QTest::newRow("most negative") << int(INT32_MIN) << "2147483648 поражений";
    }

    void streakText() {
        QFETCH(int, streak);
        QFETCH(QString, text);
        QCOMPARE(StreakText(streak), text);
    }

    // The shares as the totals' dialog rounds them; the rows add up to the totals, with the
    // games counted before the breakdown in a row of their own.
    void rows() {
        TBreakdown b;
        for (QChar c : QStringLiteral("WWL"))
            b.Count(opRules, rsThrowIn, OutcomeOf(c));
        const QLocale ru(QLocale::Russian, QLocale::Russia);
        auto rows = BreakdownRows(b, 2, 1, 0, ru);
        QCOMPARE(int(rows.size()), 5);
        QCOMPARE(
            rows[0].join('|'),
            QStringLiteral("Обычный|Подкидной|3|2 (66,67%)|1 (33,33%)|0 (0,00%)|2|1 поражение"));
        QCOMPARE(rows[3].join('|'), QStringLiteral("Сильный|Переводной|0|0|0|0|0|—"));
        QCOMPARE(rows[4].join('|'), QStringLiteral("Всего||3|2 (66,67%)|1 (33,33%)|0 (0,00%)||"));
        rows = BreakdownRows(b, 7, 1, 2, ru);
        QCOMPARE(int(rows.size()), 6);
        QCOMPARE(rows[4].join('|'),
                 QStringLiteral("Без разбивки||7|5 (71,43%)|0 (0,00%)|2 (28,57%)||"));
    }

    // Games through the window with both opponents in both rule sets: each counted in its
    // record, stored, read back, shown, and cleared with the totals.
    void window() {
        QList<int> expected(20, 0);
        {
            TfMain w;
            w.show(); // the table's free place is found where it is shown
            QVERIFY(QTest::qWaitForWindowExposed(&w));
            TGameDriver driver(&w, 7);
            driver.CheckEveryEvent = false;
            std::uint32_t seed = 40;
            for (int cell = 0; cell < 4; ++cell) {
                // The choices take effect at the next new game.
                if ((cell >= 2) != w.mmStrongGame->isChecked())
                    w.mmStrongGame->trigger();
                if ((cell % 2 == 1) != w.mmTransferGame->isChecked())
                    w.mmTransferGame->trigger();
                // Fewer with the strong opponent: each of its choices is a search.
                for (int game = 0; game < (cell < 2 ? 3 : 1); ++game) {
                    const QList<int> before = TfMainProbe::Counters(w);
                    QVERIFY2(driver.PlayGame(seed++), qPrintable(driver.Error));
                    const QList<int> after = TfMainProbe::Counters(w);
                    for (int k = 0; k < 3; ++k)
                        expected[cell * 5 + k] += after[k] - before[k];
                }
            }
            const QList<int> cells = Cells(TfMainProbe::Breakdown(w));
            for (int cell = 0; cell < 4; ++cell) {
                QCOMPARE(cells.mid(cell * 5, 3), expected.mid(cell * 5, 3));
                expected[cell * 5 + 3] = cells[cell * 5 + 3];
                expected[cell * 5 + 4] = cells[cell * 5 + 4];
            }
        }
        Answer(); // the driver answered the boxes until now
        {
            TfMain again;
            QCOMPARE(Cells(TfMainProbe::Breakdown(again)), expected);
            again.mmBreakdown->trigger();
            QCOMPARE(tableTexts.size(), 5); // four records and the totals: they agree
            QVERIFY(tableTexts[2].startsWith(QStringLiteral("Сильный|Подкидной|1|")));
            QVERIFY(tableTexts[4].startsWith(QStringLiteral("Всего|") + "|8|"));
            statisticAnswer = mrYes;
            TfMainProbe::Statistic(again);
            QCOMPARE(Cells(TfMainProbe::Breakdown(again)), QList<int>(20, 0));
            QCOMPARE(TfMainProbe::Counters(again), (QList<int>{0, 0, 0}));
        }
        // Cleared records are written as such.
        QVERIFY(Read().contains(Dword("StrongThrowInWins", 0)));
        TfMain third;
        QCOMPARE(Cells(TfMainProbe::Breakdown(third)), QList<int>(20, 0));
    }

    // Records never stored and never played are not written; stored ones survive a run that
    // does not touch them, and one the load could not read is left as it is.
    void store() {
        Write(Stored(1, 0, 0, 0, 0) + Dword("RulesTransferWins", 1) +
              Dword("RulesTransferBestStreak", 1) + Dword("RulesTransferStreak", 1) +
              "\"StrongTransferLose\"=\"x\"\n");
        { TfMain w; }
        const QByteArray file = Read();
        QVERIFY(file.contains(Dword("RulesTransferWins", 1)));
        QVERIFY(file.contains(Dword("RulesTransferLose", 0)));
        QVERIFY(file.contains("\"StrongTransferLose\"=\"x\""));
        QVERIFY(!file.contains("StrongTransferWins"));
        QVERIFY(!file.contains("RulesThrowIn"));
        QVERIFY(!file.contains("StrongThrowIn"));
    }
};

QTEST_MAIN(TestBreakdown)
#include "tst_breakdown.moc"

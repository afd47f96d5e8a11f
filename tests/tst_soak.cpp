// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

// Whole games played through the window by the driver, with the invariants after every event.
#include "gamedriver.h"

#include <QAction>
#include <QTest>

#include <algorithm>

// The test's settings folder outlives a run, and the window stores the choice at exit: set the
// opponent each test wants instead of relying on the first-run default.
static void ChooseOpponent(TfMain& window, bool strong, bool transfers = false) {
    if (window.mmStrongGame->isChecked() != strong)
        window.mmStrongGame->trigger();
    if (window.mmTransferGame->isChecked() != transfers)
        window.mmTransferGame->trigger();
}

class TestSoak : public QObject {
    Q_OBJECT
private slots:
    void wholeGames() {
        const int games = qEnvironmentVariableIntValue("VESK_SOAK_GAMES") > 0
                              ? qEnvironmentVariableIntValue("VESK_SOAK_GAMES")
                              : 2000;
        TfMain window;
        window.show();
        QVERIFY(window.mmSpeedGame->isChecked());
        ChooseOpponent(window, false);
        TGameDriver driver(&window, 7);
        QMap<QString, int> outcomes;
        for (int g = 1; g <= games; ++g) {
            if (!driver.PlayGame(std::uint32_t(g)))
                QFAIL(qPrintable(QStringLiteral("game %1: %2").arg(g).arg(driver.Error)));
            ++outcomes[driver.LastOutcome.trimmed()];
        }
        QCOMPARE(driver.GamesFinished, games);
        qInfo("%d games, %d events: %s", games, driver.Events,
              qPrintable(QStringLiteral("won %1, lost %2, drawn %3")
                             .arg(outcomes.value("Вы выиграли!"))
                             .arg(outcomes.value("Моя взяла!"))
                             .arg(outcomes.value("Ничья!"))));
        // Both sides win some: the driver plays by the same rules as the computer.
        QVERIFY(outcomes.value("Вы выиграли!") > 0);
        QVERIFY(outcomes.value("Моя взяла!") > 0);
    }

    // The transfer game: rows passed on and beaten card by card, against both opponents.
    void transferGames() {
        const int soak = qEnvironmentVariableIntValue("VESK_SOAK_GAMES");
        const int games = (soak > 0 ? soak : 2000) / 2;
        TfMain window;
        window.show();
        TGameDriver driver(&window, 13);
        int transfers = 0;
        driver.OnAction = [&](const TDriverAction& a) {
            transfers += a.Kind == TDriverAction::akTransfer;
        };
        ChooseOpponent(window, false, true);
        for (int g = 1; g <= games; ++g)
            if (!driver.PlayGame(std::uint32_t(9000 + g)))
                QFAIL(qPrintable(QStringLiteral("game %1: %2").arg(g).arg(driver.Error)));
        ChooseOpponent(window, true, true);
        const int strongGames = std::max(5, games / 500);
        for (int g = 1; g <= strongGames; ++g)
            if (!driver.PlayGame(std::uint32_t(7000 + g)))
                QFAIL(qPrintable(QStringLiteral("strong game %1: %2").arg(g).arg(driver.Error)));
        QCOMPARE(driver.GamesFinished, games + strongGames);
        QCOMPARE(window.windowTitle(), QStringLiteral("Веск переводной"));
        QVERIFY(transfers > games / 10);
        qInfo("%d transfer games, %d events, %d transfers by the person", games + strongGames,
              driver.Events, transfers);
    }

    // The strong opponent in the computer's seat: fewer games, each choice a search.
    void wholeGamesWithTheStrongOpponent() {
        const int soak = qEnvironmentVariableIntValue("VESK_SOAK_GAMES");
        const int games = std::max(10, (soak > 0 ? soak : 2000) / 500);
        TfMain window;
        window.show();
        ChooseOpponent(window, true);
        QVERIFY(window.mmStrongGame->isChecked());
        TGameDriver driver(&window, 11);
        for (int g = 1; g <= games; ++g)
            if (!driver.PlayGame(std::uint32_t(5000 + g)))
                QFAIL(qPrintable(QStringLiteral("game %1: %2").arg(g).arg(driver.Error)));
        QCOMPARE(driver.GamesFinished, games);
        qInfo("%d games with the strong opponent, %d events", games, driver.Events);
    }
};

QTEST_MAIN(TestSoak)
#include "tst_soak.moc"

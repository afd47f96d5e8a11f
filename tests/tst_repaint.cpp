// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

// The window paints what a handler changes during its pauses, and whole games played faster
// than it paints leave the screen as the window draws it afresh.
#include "gamedriver.h"

#include <QScreen>

#include <QAction>
#include <QEventLoop>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {
// Counts the events of one type an object receives.
struct Counter : QObject {
    QEvent::Type Type;
    int Seen = 0;
    explicit Counter(QEvent::Type type) : Type(type) {}
    bool eventFilter(QObject*, QEvent* e) override {
        Seen += e->type() == Type;
        return false;
    }
};
} // namespace

class TestRepaint : public QObject {
    Q_OBJECT
private slots:
    // A handler that pauses, as the game does between moves, sees its changes painted during
    // the pause and the window does not spin on repaints meanwhile.
    void pauseInTheHandlerPaints() {
        QWidget window;
        window.resize(200, 100);
        auto* button = new QPushButton(QStringLiteral("Беру!"), &window);
        button->setGeometry(10, 10, 100, 30);
        auto* label = new QLabel(&window);
        label->setGeometry(10, 50, 180, 30);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        Counter labelPaints(QEvent::Paint);
        Counter requests(QEvent::UpdateRequest);
        label->installEventFilter(&labelPaints);
        window.installEventFilter(&requests);
        int paintedInPause = -1;
        connect(button, &QPushButton::clicked, [&] {
            label->setText(QStringLiteral("Мой ход!"));
            QEventLoop loop;
            QTimer::singleShot(100, &loop, &QEventLoop::quit);
            loop.exec();
            paintedInPause = labelPaints.Seen;
        });
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(paintedInPause > 0);
        QVERIFY2(requests.Seen < 10, qPrintable(QString::number(requests.Seen)));
    }
    // Whole games played faster than the window paints leave on screen, once it has painted,
    // exactly what the window shows when drawn afresh.
    void screenAfterQuickPlay_data() {
        QTest::addColumn<int>("games");
        QTest::addColumn<bool>("thenDeal");
        QTest::newRow("two deals") << 0 << true;
        QTest::newRow("a whole game") << 1 << false;
        QTest::newRow("three games, a deal") << 3 << true;
    }
    void screenAfterQuickPlay() {
        QFETCH(int, games);
        QFETCH(bool, thenDeal);
        TfMain w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        if (!w.mmSpeedGame->isChecked())
            w.mmSpeedGame->trigger();
        TGameDriver driver(&w);
        driver.IllegalTriesPercent = 0;
        for (int g = 0; g < games; ++g)
            QVERIFY2(driver.PlayGame(std::uint32_t(g + 1)), qPrintable(driver.Error));
        if (thenDeal) {
            QTest::mouseClick(w.bbtStop, Qt::LeftButton); // a deal, or the first move
            w.mmNewGame->trigger();
            QTest::mouseClick(w.bbtStop, Qt::LeftButton);
        }
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        const QImage onScreen =
            w.screen()->grabWindow(w.winId()).toImage().convertToFormat(QImage::Format_RGB32);
        const QImage fresh = w.grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(onScreen.size(), fresh.size());
        QVERIFY(onScreen == fresh);
    }
};

QTEST_MAIN(TestRepaint)
#include "tst_repaint.moc"

// The action button's press paints on the window's next pass, never in the middle of the
// press, and a handler's own pauses still paint.
#include "gamedriver.h"
#include "presspaint.h"

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

class TestPressPaint : public QObject {
    Q_OBJECT
private slots:
    void pressPaintsOnTheNextPass_data() {
        QTest::addColumn<bool>("mouse");
        QTest::newRow("mouse") << true;
        QTest::newRow("space") << false;
    }
    void pressPaintsOnTheNextPass() {
        QFETCH(bool, mouse);
        QWidget window;
        window.resize(200, 100);
        auto* button = new QPushButton(QStringLiteral("Бито!"), &window);
        button->setGeometry(10, 10, 100, 30);
        new TPressPaint(button, &window);
        int clicks = 0;
        connect(button, &QPushButton::clicked, [&] { ++clicks; });
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        button->setFocus();
        QCoreApplication::processEvents();
        Counter paints(QEvent::Paint);
        button->installEventFilter(&paints);
        if (mouse)
            QTest::mousePress(button, Qt::LeftButton);
        else
            QTest::keyPress(button, Qt::Key_Space);
        QVERIFY(button->isDown());
        QCOMPARE(paints.Seen, 0); // not inside the press
        QTRY_VERIFY(paints.Seen > 0);
        paints.Seen = 0;
        if (mouse)
            QTest::mouseRelease(button, Qt::LeftButton);
        else
            QTest::keyRelease(button, Qt::Key_Space);
        QCOMPARE(clicks, 1);
        QVERIFY(!button->isDown());
        QTRY_VERIFY(paints.Seen > 0);
    }

    // A handler that pauses, as the game does between moves, sees its changes painted during
    // the pause and the window does not spin on repaints meanwhile.
    void pauseInTheHandlerPaints() {
        QWidget window;
        window.resize(200, 100);
        auto* button = new QPushButton(QStringLiteral("Беру!"), &window);
        button->setGeometry(10, 10, 100, 30);
        auto* label = new QLabel(&window);
        label->setGeometry(10, 50, 180, 30);
        new TPressPaint(button, &window);
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

QTEST_MAIN(TestPressPaint)
#include "tst_presspaint.moc"

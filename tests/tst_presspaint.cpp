// The action button's press paints on the window's next pass, never in the middle of the
// press, and a handler's own pauses still paint.
#include "presspaint.h"

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
};

QTEST_MAIN(TestPressPaint)
#include "tst_presspaint.moc"

// The program runs on Qt's plain event loop, which wakes once per pass however many events
// are posted; a choice made in the environment beforehand is kept.
#include "eventloop.h"
#include "termination.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QEventLoop>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <csignal>
#include <memory>
#include <vector>

namespace {
// Counts the posted events it receives.
struct Receiver : QObject {
    int Seen = 0;
    bool event(QEvent* e) override {
        Seen += e->type() == QEvent::User;
        return QObject::event(e);
    }
};
} // namespace

class TestEventLoop : public QObject {
    Q_OBJECT
private slots:
    void plainLoop() {
        const char* name = QAbstractEventDispatcher::instance()->metaObject()->className();
        QVERIFY2(!QByteArray(name).contains("Glib"), name);
    }

    void choiceKept_data() {
        QTest::addColumn<bool>("set");
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("not set") << false << QByteArray() << QByteArray("1");
        QTest::newRow("set empty: GLib wanted") << true << QByteArray() << QByteArray();
        QTest::newRow("set to 0") << true << QByteArray("0") << QByteArray("0");
        QTest::newRow("set to 1") << true << QByteArray("1") << QByteArray("1");
    }
    void choiceKept() {
        QFETCH(bool, set);
        QFETCH(QByteArray, value);
        QFETCH(QByteArray, after);
        const QByteArray saved = qgetenv("QT_NO_GLIB");
        if (set)
            qputenv("QT_NO_GLIB", value);
        else
            qunsetenv("QT_NO_GLIB");
        ChoosePlainEventLoop();
        QVERIFY(qEnvironmentVariableIsSet("QT_NO_GLIB"));
        QCOMPARE(qgetenv("QT_NO_GLIB"), after);
        qputenv("QT_NO_GLIB", saved);
    }

    // What the window relies on: posted events in order, timers, and the termination pipe.
    void postedEventsAllArrive() {
        std::vector<std::unique_ptr<Receiver>> receivers(500);
        for (auto& r : receivers) {
            r = std::make_unique<Receiver>();
            QCoreApplication::postEvent(r.get(), new QEvent(QEvent::User));
            QCoreApplication::postEvent(r.get(), new QEvent(QEvent::User));
        }
        QCoreApplication::processEvents();
        for (auto& r : receivers)
            QCOMPARE(r->Seen, 2);
    }

    void timerEndsAPause() {
        QEventLoop loop;
        bool fired = false;
        QTimer::singleShot(30, &loop, [&] {
            fired = true;
            loop.quit();
        });
        QTimer::singleShot(5000, &loop, &QEventLoop::quit);
        loop.exec();
        QVERIFY(fired);
    }

    void terminationSignalCloses() {
        auto* w = new QWidget;
        w->setAttribute(Qt::WA_DeleteOnClose, false);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        CloseOnTerminationSignal(w);
        std::raise(SIGTERM);
        QTRY_VERIFY(!w->isVisible());
        delete w;
    }
};

int main(int argc, char** argv) {
    qunsetenv("QT_NO_GLIB"); // the program's own choice, not the test runner's
    ChoosePlainEventLoop();
    QApplication app(argc, argv);
    TestEventLoop test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_eventloop.moc"

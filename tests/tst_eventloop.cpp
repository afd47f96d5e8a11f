// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

// What the window relies on from the event loop: posted events in order, timers that end a
// pause, and the termination signal.
#include "termination.h"

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

QTEST_MAIN(TestEventLoop)

#include "tst_eventloop.moc"

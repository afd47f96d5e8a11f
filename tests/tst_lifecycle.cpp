// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

// Ending the program at awkward moments: the close box, Ctrl+X and a termination signal while
// the engine pauses, while the end-of-game box is up, and while the statistics or the About
// dialog is open. Each case is a real process (this test's executable started with "--child",
// set up as the program's entry sets itself up), so that the signal is a real one and the exit
// runs to its end, under LeakSanitizer too in the sanitizer build. The program must end
// cleanly and store its settings exactly once.
#include "gamedriver.h"
#include "modal.h"
#include "registry.h"
#include "settingsfolder.h"
#include "signalcatch.h"
#include "termination.h"
#include "tfabout.h"
#include "tfmain.h"
#include "tfstatistic.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QMessageBox>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QWindow>

#include <csignal>
#include <cstdio>
#include <memory>
#include <unistd.h>

class TfMainProbe {
public:
    static QByteArray Counters(TfMain& w) {
        return QByteArray::number(w.Wins) + ' ' + QByteArray::number(w.Lose) + ' ' +
               QByteArray::number(w.Draw);
    }
};

namespace {

void Say(const QByteArray& line) {
    std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

// The child's side: reaches the moment `When`, ends the program there in the way `How`, and
// reports what it saw. When the request leaves the program running, it closes what is open
// as a person would and then presses Ctrl+X, so that every run ends through the window.
class Scenario : public QObject {
public:
    Scenario(TfMain* window, QByteArray when, QByteArray how)
        : W(window), When(std::move(when)), How(std::move(how)) {}

    void Start() {
        if (When == "pause") {
            // Fast game is off (stored so): the deal ends in a pause before the first move.
            // A pause is the engine's own nested loop with no dialog over it.
            WaitFor([] {
                return QThread::currentThread()->loopLevel() >= 2 &&
                       !QApplication::activeModalWidget();
            });
            W->mmNewGame->trigger();
        } else if (When == "game over") {
            TGameDriver driver(W, 5);
            OnModal([](QDialog* d) {
                auto* box = qobject_cast<QMessageBox*>(d);
                return box && box->windowTitle() == QStringLiteral("Партия окончена");
            });
            for (std::uint32_t seed = 1; !Reached && seed < 20; ++seed)
                driver.PlayGame(seed);
        } else if (When == "statistics") {
            OnModal([](QDialog* d) { return qobject_cast<TfStatistic*>(d) != nullptr; });
            W->mmStatistic->trigger();
        } else if (When == "about") {
            OnModal([](QDialog* d) { return qobject_cast<TfAbout*>(d) != nullptr; });
            W->mmAbout->trigger();
        }
        vesk::SetModalHook(nullptr);
        if (!Reached)
            Say("never reached " + When);
        // The handler has returned; a close it put off is queued before this.
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (How == "SIGTERM" || !W->isVisible())
                    return;
                Say("still open: Ctrl+X");
                // As a person would: once the window has the keyboard back from the dialog
                // (given back here, as a window manager would; the offscreen platform does not).
                W->activateWindow();
                if (!QTest::qWaitForWindowActive(W))
                    Say("the window never became active again");
                QTest::keyClick(W, Qt::Key_X, Qt::ControlModifier);
            },
            Qt::QueuedConnection);
    }

private:
    // Acts once `ready` holds, checked from the event loop that runs at that moment.
    template <typename F> void WaitFor(F ready) {
        auto* poll = new QTimer(this);
        poll->setInterval(5);
        connect(poll, &QTimer::timeout, this, [this, poll, ready] {
            if (!ready())
                return;
            poll->deleteLater();
            poll->stop();
            Act(nullptr);
        });
        poll->start();
    }

    // Shows the dialog `is` picks as the program would, and acts while it is up and active.
    template <typename F> void OnModal(F is) {
        vesk::SetModalHook([this, is](QDialog* d) {
            if (!is(d) || Reached)
                return d->exec();
            QTimer poll;
            poll.setInterval(5);
            connect(&poll, &QTimer::timeout, this, [this, d, &poll] {
                if (QApplication::activeModalWidget() != d || QApplication::activeWindow() != d)
                    return;
                poll.stop();
                Act(d);
            });
            poll.start();
            return d->exec();
        });
    }

    void Act(QDialog* dialog) {
        Reached = true;
        Say("at " + When);
        if (How == "close box") {
            // What the window system sends when the close box is clicked.
            QCloseEvent close;
            QCoreApplication::sendEvent(W->windowHandle(), &close);
        } else if (How == "Ctrl+X") {
            QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : W;
            QTest::keyClick(target, Qt::Key_X, Qt::ControlModifier);
        } else if (How == "SIGTERM") {
            ::kill(::getpid(), SIGTERM);
            return; // it arrives through the event loop
        }
        const bool open = dialog && dialog->isVisible();
        Say("after the request: window " + QByteArray::number(W->isVisible()) + ", dialog " +
            QByteArray::number(open));
        if (open)
            dialog->reject(); // the person closes the dialog
    }

    TfMain* W;
    QByteArray When;
    QByteArray How;
    bool Reached = false;
};

// The child: the program's entry with a scenario added. Prints each value the store writes.
int Child(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Игра в Веска"));
    QByteArrayList writes;
    vesk::TRegistry::SetStepHook([&](vesk::TRegistry::TWriteStep step, const QString& name) {
        if (step == vesk::TRegistry::TWriteStep::Replaced)
            writes << name.toUtf8();
    });
    ListenForTerminationSignals();
    auto* window = new TfMain;
    CloseOnTerminationSignal(window);
    Scenario scenario(window, argv[2], argv[3]);
    window->show();
    if (!QTest::qWaitForWindowActive(window))
        Say("the window never became active");
    QTimer::singleShot(0, &scenario, &Scenario::Start);
    const int rc = QApplication::exec();
    Say("counters " + TfMainProbe::Counters(*window));
    delete window;
    Say("writes: " + writes.join(' '));
    return rc;
}

// The child for a session that ends while the settings load: the program's entry, with the
// signal sent as soon as the load's error box is there, or already before the window is made
// (and handled then, while there is no window to close).
int LoadBoxChild(int argc, char** argv) {
    const bool early = argc > 2 && qstrcmp(argv[2], "early") == 0;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Игра в Веска"));
    QByteArrayList writes;
    vesk::TRegistry::SetStepHook([&](vesk::TRegistry::TWriteStep step, const QString& name) {
        if (step == vesk::TRegistry::TWriteStep::Replaced)
            writes << name.toUtf8();
    });
    ListenForTerminationSignals();
    if (early) {
        ::kill(::getpid(), SIGTERM);
        QCoreApplication::processEvents();
    }
    vesk::SetModalHook([early](QDialog* d) {
        auto* box = qobject_cast<QMessageBox*>(d);
        if (!box)
            return d->exec();
        Say("box: " + box->text().toUtf8());
        if (early) {
            const int result = d->exec();
            Say("box closed");
            return result;
        }
        QTimer poll;
        poll.setInterval(5);
        QObject::connect(&poll, &QTimer::timeout, d, [d, &poll] {
            if (QApplication::activeModalWidget() != d)
                return;
            poll.stop();
            ::kill(::getpid(), SIGTERM);
        });
        poll.start();
        const int result = d->exec();
        Say("box closed");
        return result;
    });
    auto* window = new TfMain;
    vesk::SetModalHook(nullptr);
    CloseOnTerminationSignal(window);
    window->show();
    const int rc = QApplication::exec();
    Say("counters " + TfMainProbe::Counters(*window));
    delete window;
    Say("writes: " + writes.join(' '));
    return rc;
}

bool Sanitized(const QByteArray& err) {
    return err.contains("Sanitizer") || err.contains("runtime error:");
}

} // namespace

class TestLifecycle : public QObject, public SettingsFolder {
    Q_OBJECT

    QProcessEnvironment Environment() const {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir->path());
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        // A leak at exit fails the run (in the sanitizer build; ignored elsewhere).
        const QString asan = env.value(QStringLiteral("ASAN_OPTIONS"));
        env.insert(QStringLiteral("ASAN_OPTIONS"), asan.isEmpty()
                                                       ? QStringLiteral("detect_leaks=1")
                                                       : asan + QStringLiteral(":detect_leaks=1"));
        return env;
    }

private slots:
    void init() {
        dir = std::make_unique<QTemporaryDir>();
        QVERIFY(dir->isValid());
    }

    void cleanup() { dir.reset(); }

    void endings_data() {
        QTest::addColumn<QByteArray>("when");
        QTest::addColumn<QByteArray>("how");
        QTest::addColumn<bool>("ignored"); // the program goes on as if nothing happened
        for (const char* when : {"pause", "game over", "statistics", "about"}) {
            // A close is put off until the handler has returned, then done.
            QTest::addRow("%s, close box", when)
                << QByteArray(when) << QByteArray("close box") << false;
            // The pause eats every key; a dialog has the keyboard, and the main window's
            // shortcuts do not work in it.
            QTest::addRow("%s, Ctrl+X", when) << QByteArray(when) << QByteArray("Ctrl+X") << true;
            // The signal closes the dialog, then the window.
            QTest::addRow("%s, SIGTERM", when)
                << QByteArray(when) << QByteArray("SIGTERM") << false;
        }
    }

    void endings() {
        QFETCH(QByteArray, when);
        QFETCH(QByteArray, how);
        QFETCH(bool, ignored);
        const bool pauses = when == "pause";
        Write(Stored(4, 2, 1, 0, pauses ? 1 : 0));

        QProcess child;
        child.setProcessEnvironment(Environment());
        child.start(
            QCoreApplication::applicationFilePath(),
            {QStringLiteral("--child"), QString::fromLatin1(when), QString::fromLatin1(how)});
        QVERIFY(child.waitForFinished(120000));
        const QByteArray out = child.readAllStandardOutput();
        const QByteArray err = child.readAllStandardError();
        QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0,
                 (out + err).constData());
        QVERIFY2(!Sanitized(err), err.constData());

        QList<QByteArray> lines = out.split('\n');
        QCOMPARE(lines.takeLast(), QByteArray());
        QCOMPARE(lines.value(0), "at " + when);
        int next = 1;
        if (how != "SIGTERM") {
            // Right after the request the program is still there, and so is the dialog.
            QCOMPARE(lines.value(next++),
                     QByteArray("after the request: window 1, dialog ") + (pauses ? "0" : "1"));
        }
        if (ignored)
            QCOMPARE(lines.value(next++), QByteArray("still open: Ctrl+X"));
        const QByteArray counters = lines.value(next++);
        // The game that ended is counted in its opponent's and rule set's record too.
        QCOMPARE(lines.value(next++),
                 QByteArray("writes: Wins Lose Draw NotHintVisible NotSpeedGame StrongGame "
                            "TransferGame Zoom NotAnimation") +
                     (when == "game over" ? " RulesThrowInWins RulesThrowInLose RulesThrowInDraw "
                                            "RulesThrowInBestStreak RulesThrowInStreak"
                                          : ""));
        QCOMPARE(lines.size(), next);

        // A game ended in the box counts once; nothing else changes a counter, and a dialog
        // closed by the signal clears nothing.
        QVERIFY(counters.startsWith("counters "));
        const QList<QByteArray> c = counters.mid(9).split(' ');
        QCOMPARE(c.size(), 3);
        const quint32 wins = c[0].toUInt(), lose = c[1].toUInt(), draw = c[2].toUInt();
        if (when == "game over")
            QCOMPARE(wins + lose + draw, 8u);
        else
            QCOMPARE(counters, QByteArray("counters 4 2 1"));
        QByteArray record; // the game's opponent and rule set: one game, its streak
        if (when == "game over") {
            const quint32 won = wins - 4, lost = lose - 2, drawn = draw - 1;
            record = Dword("RulesThrowInWins", won) + Dword("RulesThrowInLose", lost) +
                     Dword("RulesThrowInDraw", drawn) + Dword("RulesThrowInBestStreak", won) +
                     Dword("RulesThrowInStreak", won    ? 1
                                                 : lost ? 0xffffffffu
                                                        : 0);
        }
        QCOMPARE(Read(), Stored(wins, lose, draw, 0, pauses ? 1 : 0) + record);
    }

    // The session ends while the load's error box is open: the box closes, then the window the
    // ordinary way, and the settings are stored once. What could not be read stays as it was.
    void signalWhileTheLoadBoxIsUp_data() {
        QTest::addColumn<QString>("when");
        QTest::newRow("while the box is up") << "box";
        QTest::newRow("before the box, with no window yet") << "early";
    }
    void signalWhileTheLoadBoxIsUp() {
        QFETCH(QString, when);
        const QByteArray file = Head + Dword("Wins", 4) + Dword("Lose", 2) + Dword("Draw", 1) +
                                Dword("NotHintVisible", 1) + "\"NotSpeedGame\"=\"x\"\n";
        Write(file);
        QProcess child;
        child.setProcessEnvironment(Environment());
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--load-box"), when});
        QVERIFY(child.waitForFinished(120000));
        const QByteArray out = child.readAllStandardOutput();
        const QByteArray err = child.readAllStandardError();
        QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0,
                 (out + err).constData());
        QVERIFY2(!Sanitized(err), err.constData());
        QCOMPARE(out, QByteArray("box: Invalid data type for 'NotSpeedGame'\n"
                                 "box closed\n"
                                 "counters 4 2 1\n"
                                 "writes: Wins Lose Draw NotHintVisible\n"));
        QCOMPARE(Read(), file);
    }

    // The same with the built program: it listens before it loads, so that the signal ends it
    // although its box waits for a person.
    void signalWhileTheProgramLoads() {
        const QByteArray file = Head + Dword("Wins", 4) + "\"Lose\"=hex:01,02,03,04,05\n";
        Write(file);
        QProcess vesk;
        vesk.setProcessEnvironment(Environment());
        vesk.start(QStringLiteral(VESK_EXECUTABLE), QStringList{});
        QVERIFY(vesk.waitForStarted(60000));
        QTRY_VERIFY_WITH_TIMEOUT(CatchesSignal(vesk.processId(), SIGTERM), 60000);
        QCOMPARE(::kill(pid_t(vesk.processId()), SIGTERM), 0);
        QVERIFY(vesk.waitForFinished(60000));
        const QByteArray err = vesk.readAllStandardError();
        QCOMPARE(vesk.exitStatus(), QProcess::NormalExit);
        QCOMPARE(vesk.exitCode(), 0);
        QVERIFY2(!Sanitized(err), err.constData());
        // Wins was read and is written back; the rest was never read and stays unwritten.
        QCOMPARE(Read(), file);
    }

    void signalsToTheProgram_data() {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGTERM") << int(SIGTERM);
        QTest::newRow("SIGINT") << int(SIGINT);
        QTest::newRow("SIGHUP") << int(SIGHUP);
    }

    // The built program, left alone at its start, ends the ordinary way on each termination
    // signal: exit code 0 and the settings stored.
    void signalsToTheProgram() {
        QFETCH(int, signal);
        QProcess vesk;
        vesk.setProcessEnvironment(Environment());
        vesk.start(QStringLiteral(VESK_EXECUTABLE), QStringList{});
        QVERIFY(vesk.waitForStarted(60000));
        // Its handlers are set before the window loads the settings, which makes the key.
        QTRY_VERIFY_WITH_TIMEOUT(CatchesSignal(vesk.processId(), SIGTERM) &&
                                     CatchesSignal(vesk.processId(), SIGINT) &&
                                     CatchesSignal(vesk.processId(), SIGHUP),
                                 120000);
        QTRY_COMPARE_WITH_TIMEOUT(Read(), Head, 120000);
        QCOMPARE(::kill(pid_t(vesk.processId()), signal), 0);
        QVERIFY(vesk.waitForFinished(120000));
        const QByteArray err = vesk.readAllStandardError();
        QCOMPARE(vesk.exitStatus(), QProcess::NormalExit);
        QCOMPARE(vesk.exitCode(), 0);
        QVERIFY2(!Sanitized(err), err.constData());
        // The program's first run has the cards move.
        QCOMPARE(Read(), Stored(0, 0, 0, 0, 0, 0, 0, 100, 0));
    }
};

int main(int argc, char** argv) {
    if (argc > 3 && qstrcmp(argv[1], "--child") == 0)
        return Child(argc, argv);
    if (argc > 1 && qstrcmp(argv[1], "--load-box") == 0)
        return LoadBoxChild(argc, argv);
    QApplication app(argc, argv);
    TestLifecycle test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_lifecycle.moc"

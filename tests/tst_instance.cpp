// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

// One running game per settings folder: a second start of the program brings the running
// window to the front over the session bus (or, with no bus, says the game runs) and ends
// without writing; the game counted in the running window is the one stored. A lock left by a
// start that died does not keep the game from starting.
#include "gamedriver.h"
#include "identity.h"
#include "modal.h"
#include "registry.h"
#include "settingsfolder.h"
#include "signalcatch.h"
#include "singleinstance.h"
#include "tfmain.h"

#include <QApplication>
#include <QMessageBox>
#include <QProcess>
#include <QTest>

#include <csignal>
#include <memory>
#include <sys/prctl.h>

class TfMainProbe {
public:
    static QList<int> Counters(TfMain& w) { return {w.Wins, w.Lose, w.Draw}; }
};

namespace {
// A session bus of the test's own, for the test and the programs it starts.
QByteArray BusAddress;

QProcessEnvironment ChildEnvironment(const QString& folder, bool bus) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), folder);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"),
               bus ? QString::fromUtf8(BusAddress)
                   : QStringLiteral("unix:path=") + folder + QStringLiteral("/no-bus"));
    return env;
}
} // namespace

class TestInstance : public QObject, public SettingsFolder {
    Q_OBJECT

    // Runs the program to its end, the event loop turning meanwhile: the running window in
    // this process answers the bus while the second start waits for it.
    static void RunToEnd(QProcess& p) {
        QTRY_VERIFY_WITH_TIMEOUT(p.state() == QProcess::NotRunning, 60000);
    }

private slots:
    void init() { MakeFolder(); }
    void cleanup() {
        vesk::SetModalHook(nullptr);
        dir.reset();
    }

    void secondStart_data() {
        QTest::addColumn<bool>("bus");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QStringList>("says");
        const QString runs = QStringLiteral("уже запущена с этими настройками");
        const QString seed = QStringLiteral("(--seed) ей передать нельзя");
        QTest::newRow("session bus") << true << QStringList{} << 0 << QStringList{};
        QTest::newRow("session bus, --seed")
            << true << QStringList{"--seed", "5"} << 1 << QStringList{seed};
        QTest::newRow("no session bus") << false << QStringList{} << 1 << QStringList{runs};
        QTest::newRow("no session bus, --seed")
            << false << QStringList{"--seed", "5"} << 1 << QStringList{runs, seed};
    }

    void secondStart() {
        QFETCH(bool, bus);
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QStringList, says);
        const QString folder = dir->path();
        int raised = 0;
        QList<int> counted;
        {
            // The running game, started as the program starts it.
            vesk::TSingleInstance first(QString::fromLatin1(AppId), folder);
            QVERIFY(first.Claim());
            TfMain w;
            w.show();
            QVERIFY(QTest::qWaitForWindowExposed(&w));
            first.Serve([&raised] { ++raised; });
            QVERIFY2(first.Serving(), BusAddress.constData());

            QProcess second;
            second.setProcessEnvironment(ChildEnvironment(folder, bus));
            second.start(QStringLiteral(VESK_EXECUTABLE), arguments);
            QVERIFY(second.waitForStarted(60000));
            RunToEnd(second);
            const QString err = QString::fromLocal8Bit(second.readAllStandardError());
            QVERIFY2(second.exitStatus() == QProcess::NormalExit, qPrintable(err));
            QVERIFY2(
                second.exitCode() == exitCode,
                qPrintable(QStringLiteral("exit code %1: %2").arg(second.exitCode()).arg(err)));
            for (const QString& text : says)
                QVERIFY2(err.contains(text), qPrintable(err));
            if (says.isEmpty())
                QCOMPARE(err, QString());
            QCOMPARE(raised, bus ? 1 : 0);

            // A game in the running window, stored at its exit: the second start wrote nothing.
            TGameDriver driver(&w, 3);
            QVERIFY2(driver.PlayGame(11), qPrintable(driver.Error));
            counted = TfMainProbe::Counters(w);
            QCOMPARE(counted[0] + counted[1] + counted[2], 1);
        }
        QVERIFY2(Read().startsWith(Head + Dword("Wins", quint32(counted[0])) +
                                   Dword("Lose", quint32(counted[1])) +
                                   Dword("Draw", quint32(counted[2]))),
                 Read().constData());
        QVERIFY(!QFile::exists(folder + QStringLiteral("/vesk.lock")));
    }

    // The lock of a start that was killed names a process that no longer runs: the next
    // start takes the lock over, plays, and ends the ordinary way.
    void staleLock() {
        const QString folder = dir->path();
        QProcess dead;
        dead.start(QStringLiteral("true"), QStringList{});
        QVERIFY(dead.waitForStarted(60000));
        const qint64 deadPid = dead.processId();
        QVERIFY(dead.waitForFinished(60000));
        QFile lock(folder + QStringLiteral("/vesk.lock"));
        QVERIFY(lock.open(QIODevice::WriteOnly));
        lock.write(QByteArray::number(deadPid) + "\nvesk\n" + QSysInfo::machineHostName().toUtf8() +
                   '\n');
        lock.close();

        QProcess game;
        game.setProcessEnvironment(ChildEnvironment(folder, false));
        game.start(QStringLiteral(VESK_EXECUTABLE), QStringList{});
        QVERIFY(game.waitForStarted(60000));
        const qint64 gamePid = game.processId();
        // Started: the lock names it, and it stays up.
        const auto holder = [&lock] {
            const bool open = lock.open(QIODevice::ReadOnly);
            const qint64 pid = open ? lock.readLine().trimmed().toLongLong() : 0;
            lock.close();
            return pid;
        };
        QTRY_COMPARE_WITH_TIMEOUT(holder(), gamePid, 60000);
        QVERIFY2(game.state() == QProcess::Running, game.readAllStandardError().constData());
        // The signal closes the window the ordinary way once the program listens for it.
        QTRY_VERIFY_WITH_TIMEOUT(CatchesSignal(gamePid, SIGTERM), 60000);
        ::kill(pid_t(gamePid), SIGTERM);
        RunToEnd(game);
        QCOMPARE(game.exitStatus(), QProcess::NormalExit);
        QCOMPARE(game.exitCode(), 0);
        QVERIFY(Read().startsWith(Head + Dword("Wins", 0)));
    }
};

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // Before anything asks for the session bus.
    QProcess daemon;
    // Ends with the test, also when the test is killed.
    daemon.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
    daemon.start(QStringLiteral("dbus-daemon"),
                 {QStringLiteral("--session"), QStringLiteral("--nofork"),
                  QStringLiteral("--nopidfile"), QStringLiteral("--print-address=1")});
    bool started = daemon.waitForStarted(60000);
    // The address is one line, which may come in parts.
    while (started && !daemon.canReadLine())
        started = daemon.waitForReadyRead(60000);
    if (!started) {
        std::fputs("dbus-daemon did not start\n", stderr);
        return 1;
    }
    BusAddress = daemon.readLine().trimmed();
    qputenv("DBUS_SESSION_BUS_ADDRESS", BusAddress);
    TestInstance test;
    const int rc = QTest::qExec(&test, argc, argv);
    daemon.terminate();
    daemon.waitForFinished(10000);
    return rc;
}

#include "tst_instance.moc"

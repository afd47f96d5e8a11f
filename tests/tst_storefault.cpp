// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

// The settings file when a process dies part-way through writing it, and when two runs of the
// program store one after the other. The faults happen in child processes of this test (its
// own executable started with "--child ..."), which are killed for real at each step of the
// atomic replacement; this process then looks at what is left on the disk.
#include "regfile.h"
#include "registry.h"
#include "settingsfolder.h"
#include "tfmain.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <array>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <optional>
#include <string>

using vesk::TRegistry;
using TStep = TRegistry::TWriteStep;

class TfMainProbe {
public:
    static std::int32_t& Wins(TfMain& w) { return w.Wins; }
    static std::int32_t& Lose(TfMain& w) { return w.Lose; }
    static std::int32_t& Draw(TfMain& w) { return w.Draw; }
};

namespace {

const QString Key = QStringLiteral("Software\\Tovrel");
const char* const Names[] = {"Wins",       "Lose",         "Draw", "NotHintVisible", "NotSpeedGame",
                             "StrongGame", "TransferGame", "Zoom", "NotAnimation"};
constexpr int StoredCount = int(std::size(Names));

using Values = std::array<quint32, StoredCount>; // in the order the window stores them

QByteArray Stored(const Values& v, const QByteArray& extra = {}) {
    QByteArray out = Head + extra;
    for (int i = 0; i < StoredCount; ++i)
        out += Dword(Names[i], v[i]);
    return out;
}

void Say(const QByteArray& line) {
    std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

// Dies as a kill does: no handler, no flush, no destructor.
void KillAt(TStep step, const QString& name, TStep at, const QString& target) {
    if (step == at && name == target) {
        Say("killed");
        std::raise(SIGKILL);
    }
}

QString ScenarioTarget(const QByteArray& scenario) {
    return scenario == "write" ? QStringLiteral("Wins") : QString();
}

// Child: one store operation, killed at `at`. Exits 3 if it was never killed.
int StoreChild(const QByteArray& scenario, TStep at) {
    TRegistry::SetStepHook([at, target = ScenarioTarget(scenario)](TStep s, const QString& n) {
        KillAt(s, n, at, target);
    });
    TRegistry reg;
    if (scenario == "write") {
        if (!reg.OpenKey(Key, true))
            return 2;
        reg.WriteInteger(QStringLiteral("Wins"), 2);
    } else {
        reg.OpenKey(Key, true); // creates the file or adds the key
    }
    return 3;
}

// Child: the main window loads, changes all its values (the zoom to 125 %), and is killed while it
// stores the value numbered `index` (0 = Wins), at `at`.
int WindowStoreChild(int index, TStep at) {
    auto* w = new TfMain;
    TfMainProbe::Wins(*w) = 5;
    TfMainProbe::Lose(*w) = 6;
    TfMainProbe::Draw(*w) = 7;
    w->mmHintVisible->trigger();
    w->mmSpeedGame->trigger();
    w->mmStrongGame->trigger();
    w->mmTransferGame->trigger();
    w->mmZoomSizes[1]->trigger();
    w->mmAnimation->trigger();
    TRegistry::SetStepHook([at, target = QString::fromLatin1(Names[index])](
                               TStep s, const QString& n) { KillAt(s, n, at, target); });
    delete w;
    return 3;
}

// Child: one run of the program driven line by line from standard input: it loads, reports,
// takes changes ("win", "lose", "draw", "hint", "speed", "strong") and stores at "exit".
int SessionChild() {
    auto* w = new TfMain;
    auto report = [w](const char* what) {
        Say(QByteArray(what) + ' ' + QByteArray::number(TfMainProbe::Wins(*w)) + ' ' +
            QByteArray::number(TfMainProbe::Lose(*w)) + ' ' +
            QByteArray::number(TfMainProbe::Draw(*w)) + ' ' +
            QByteArray::number(!w->mmHintVisible->isChecked()) + ' ' +
            QByteArray::number(!w->mmSpeedGame->isChecked()) + ' ' +
            QByteArray::number(w->mmStrongGame->isChecked()) + ' ' +
            QByteArray::number(w->mmTransferGame->isChecked()));
    };
    report("loaded");
    for (std::string line; std::getline(std::cin, line);) {
        if (line == "win")
            ++TfMainProbe::Wins(*w);
        else if (line == "lose")
            ++TfMainProbe::Lose(*w);
        else if (line == "draw")
            ++TfMainProbe::Draw(*w);
        else if (line == "hint")
            w->mmHintVisible->trigger();
        else if (line == "speed")
            w->mmSpeedGame->trigger();
        else if (line == "strong")
            w->mmStrongGame->trigger();
        else if (line == "transfer")
            w->mmTransferGame->trigger();
        else if (line == "exit")
            break;
        report("now");
    }
    delete w;
    Say("stored");
    return 0;
}

} // namespace

Q_DECLARE_METATYPE(TStep)

class TestStoreFault : public QObject, public SettingsFolder {
    Q_OBJECT

    void Prepare(QProcess& child, const QStringList& arguments) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir->path());
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        child.setProcessEnvironment(env);
        child.setProgram(QCoreApplication::applicationFilePath());
        child.setArguments(QStringList{QStringLiteral("--child")} + arguments);
    }

    // Runs a child that must be killed at its step; what it said is checked by the caller.
    QByteArray RunKilled(const QStringList& arguments) {
        QProcess child;
        Prepare(child, arguments);
        child.start();
        if (!child.waitForFinished(120000))
            return "<hung>";
        const QByteArray out = child.readAllStandardOutput();
        if (child.exitStatus() != QProcess::CrashExit)
            return out + "<exited " + QByteArray::number(child.exitCode()) + ">" +
                   child.readAllStandardError();
        return out;
    }

    // Whatever the kill left, a fresh open reads the file and the next write replaces it.
    void FreshOpenAndWrite(const char* name, std::optional<int> expected) {
        TRegistry reg;
        QVERIFY(reg.OpenKey(Key, true));
        QCOMPARE(reg.ValueExists(QLatin1String(name)), expected.has_value());
        if (expected)
            QCOMPARE(reg.ReadInteger(QLatin1String(name)), *expected);
        reg.WriteInteger(QLatin1String(name), 99);
        reg.CloseKey();
        QVERIFY(reg.OpenKey(Key, false));
        QCOMPARE(reg.ReadInteger(QLatin1String(name)), 99);
        QVERIFY(vesk::TRegFile::Parse(Read()));
    }

private slots:
    void init() { MakeFolder(); }

    void cleanup() {
        TRegistry::SetStepHook(nullptr);
        dir.reset();
    }

    // The hook is told every step of a write, in order, once each.
    void stepsOfAWrite() {
        Write(Head);
        QList<TStep> steps;
        QStringList names;
        TRegistry::SetStepHook([&](TStep s, const QString& n) {
            steps << s;
            names << n;
        });
        TRegistry reg;
        QVERIFY(reg.OpenKey(Key, true));
        QVERIFY(steps.isEmpty()); // the key was there: nothing written
        reg.WriteInteger(QStringLiteral("Wins"), 3);
        QCOMPARE(steps, (QList<TStep>{TStep::TempCreated, TStep::PartWritten, TStep::Written,
                                      TStep::Synced, TStep::Replaced, TStep::FolderSynced}));
        QCOMPARE(names, QStringList(6, QStringLiteral("Wins")));
    }

    void killedWhileWriting_data() {
        QTest::addColumn<QByteArray>("scenario");
        QTest::addColumn<TStep>("step");
        const std::pair<const char*, TStep> steps[] = {
            {"temporary file made", TStep::TempCreated},
            {"half written", TStep::PartWritten},
            {"written", TStep::Written},
            {"flushed to disk", TStep::Synced},
            {"renamed over the old", TStep::Replaced},
            {"folder flushed", TStep::FolderSynced},
        };
        for (const char* scenario : {"write", "create", "add key"})
            for (const auto& [name, step] : steps)
                QTest::addRow("%s, %s", scenario, name) << QByteArray(scenario) << step;
    }

    // Killed at every step of the replacement, the file is the old one or the new one, byte
    // for byte: the old one until the rename, the new one from then on.
    void killedWhileWriting() {
        QFETCH(QByteArray, scenario);
        QFETCH(TStep, step);
        const QByteArray other = "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Other]\n"
                                 "\"Player\"=\"Аня\"\n";
        QByteArray before;
        QByteArray after;
        std::optional<int> oldWins;
        std::optional<int> newWins;
        if (scenario == "write") {
            before = Head + "; kept as it is\n\"Wins\"=dword:00000001\n\"Blob\"=hex:01,02\n";
            after = Head + "; kept as it is\n\"Wins\"=dword:00000002\n\"Blob\"=hex:01,02\n";
            oldWins = 1;
            newWins = 2;
        } else if (scenario == "create") {
            after = Head;
        } else {
            before = other;
            after = other + "\n[HKEY_CURRENT_USER\\Software\\Tovrel]\n";
        }
        if (!before.isEmpty())
            Write(before);

        const QByteArray said =
            RunKilled({QString::fromLatin1(scenario), QString::number(int(step))});
        QCOMPARE(said, QByteArray("killed\n"));
        const bool replaced = step >= TStep::Replaced;
        QCOMPARE(Read(), replaced ? after : before.isEmpty() ? QByteArray("<missing>") : before);
        FreshOpenAndWrite("Wins", replaced ? newWins : oldWins);
    }

    void killedWhileTheWindowStores_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<TStep>("step");
        for (int i = 0; i < StoredCount; ++i) {
            QTest::addRow("%s half written", Names[i]) << i << TStep::PartWritten;
            QTest::addRow("%s renamed", Names[i]) << i << TStep::Replaced;
        }
    }

    // The window stores its values one write each: a kill part-way leaves the values
    // written before it new, the rest old, and the file whole.
    void killedWhileTheWindowStores() {
        QFETCH(int, index);
        QFETCH(TStep, step);
        const Values before = {4, 2, 1, 0, 0, 0, 0, 100, 0};
        const Values changed = {5, 6, 7, 1, 1, 1, 1, 125, 1};
        Write(Stored(before));
        QCOMPARE(RunKilled({QStringLiteral("window"), QString::number(index),
                            QString::number(int(step))}),
                 QByteArray("killed\n"));
        Values expected = before;
        const int written = step == TStep::Replaced ? index + 1 : index;
        for (int i = 0; i < written; ++i)
            expected[i] = changed[i];
        QCOMPARE(Read(), Stored(expected));
        FreshOpenAndWrite("Draw", int(expected[2]));
    }

    void twoRunsInTurn_data() {
        QTest::addColumn<QStringList>("firstChanges");
        QTest::addColumn<QStringList>("secondChanges");
        QTest::addColumn<bool>("firstExitsFirst");
        const QStringList a = {"win", "win", "hint"};
        const QStringList b = {"lose", "speed", "strong", "transfer", "draw"};
        QTest::newRow("first, then second") << a << b << true;
        QTest::newRow("second, then first") << a << b << false;
        QTest::newRow("the last changed nothing") << a << QStringList{} << true;
        QTest::newRow("both changed the same") << a << a << true;
    }

    // Two runs load the same file, both change it, and exit one after the other: the file
    // holds what the last one had, well-formed, with the lines neither of them knows.
    void twoRunsInTurn() {
        QFETCH(QStringList, firstChanges);
        QFETCH(QStringList, secondChanges);
        QFETCH(bool, firstExitsFirst);
        const QByteArray extra = "\"Player\"=\"Аня\"\n";
        const Values before = {4, 2, 1, 0, 0, 0, 0, 100, 0};
        Write(Stored(before, extra));

        QProcess runs[2];
        for (QProcess& run : runs) {
            Prepare(run, {QStringLiteral("session")});
            run.start();
            QVERIFY(run.waitForStarted(60000));
        }
        // Both have loaded before either changes anything.
        for (QProcess& run : runs) {
            QVERIFY(run.canReadLine() || run.waitForReadyRead(60000));
            QCOMPARE(run.readLine(), QByteArray("loaded 4 2 1 0 0 0 0\n"));
        }
        QByteArray last;
        for (int i = 0; i < 2; ++i) {
            for (const QString& change : i == 0 ? firstChanges : secondChanges) {
                runs[i].write(change.toLatin1() + '\n');
                QVERIFY(runs[i].canReadLine() || runs[i].waitForReadyRead(60000));
                last = runs[i].readLine();
            }
        }
        QProcess& exitsFirst = runs[firstExitsFirst ? 0 : 1];
        QProcess& exitsLast = runs[firstExitsFirst ? 1 : 0];
        const QStringList& lastChanges = firstExitsFirst ? secondChanges : firstChanges;
        for (QProcess* run : {&exitsFirst, &exitsLast}) {
            run->write("exit\n");
            run->closeWriteChannel();
            QVERIFY(run->waitForFinished(60000));
            QCOMPARE(run->exitStatus(), QProcess::NormalExit);
            QCOMPARE(run->exitCode(), 0);
            QVERIFY(run->readAllStandardOutput().endsWith("stored\n"));
        }

        Values expected = before;
        for (const QString& change : lastChanges) {
            const int i = change == "win"      ? 0
                          : change == "lose"   ? 1
                          : change == "draw"   ? 2
                          : change == "hint"   ? 3
                          : change == "speed"  ? 4
                          : change == "strong" ? 5
                                               : 6;
            expected[i] = i < 3 ? expected[i] + 1 : 1 - expected[i];
        }
        QCOMPARE(Read(), Stored(expected, extra));
        TRegistry reg;
        QVERIFY(reg.OpenKey(Key, false));
        for (int i = 0; i < StoredCount; ++i)
            QCOMPARE(quint32(reg.ReadInteger(QLatin1String(Names[i]))), expected[i]);
    }
};

int main(int argc, char** argv) {
    if (argc > 2 && qstrcmp(argv[1], "--child") == 0) {
        const QByteArray mode = argv[2];
        if (mode == "session" || mode == "window") {
            QApplication app(argc, argv);
            if (mode == "session")
                return SessionChild();
            if (argc > 4)
                return WindowStoreChild(std::atoi(argv[3]), TStep(std::atoi(argv[4])));
            return 2;
        }
        QCoreApplication app(argc, argv);
        if (argc > 3)
            return StoreChild(mode, TStep(std::atoi(argv[3])));
        return 2;
    }
    QApplication app(argc, argv);
    TestStoreFault test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_storefault.moc"

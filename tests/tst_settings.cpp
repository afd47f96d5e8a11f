// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

// The counters and the two settings between runs: what the main window loads at creation and
// stores at destruction, checked on the bytes of the file. Each test has its own folder.
#include "modal.h"
#include "registry.h"
#include "settingsfolder.h"
#include "tfmain.h"
#include "tfstatistic.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <cstdio>
#include <memory>

class TfMainProbe {
public:
    static std::int32_t& Wins(TfMain& w) { return w.Wins; }
    static std::int32_t& Lose(TfMain& w) { return w.Lose; }
    static std::int32_t& Draw(TfMain& w) { return w.Draw; }
    static void Statistic(TfMain& w) { w.mmStatisticClick(); }
};

namespace {

struct Loaded {
    int Wins, Lose, Draw;
    bool Hint, Speed;
};

} // namespace

Q_DECLARE_METATYPE(Loaded)

class TestSettings : public QObject, public SettingsFolder {
    Q_OBJECT

    std::unique_ptr<TfMain> window;
    QStringList errors;
    int statisticAnswer = mrOk;

    TfMain& Start() {
        window = std::make_unique<TfMain>();
        return *window;
    }

    void Exit() { window.reset(); }

    void Check(TfMain& w, const Loaded& expected) {
        QCOMPARE(TfMainProbe::Wins(w), expected.Wins);
        QCOMPARE(TfMainProbe::Lose(w), expected.Lose);
        QCOMPARE(TfMainProbe::Draw(w), expected.Draw);
        QCOMPARE(w.mmHintVisible->isChecked(), expected.Hint);
        QCOMPARE(w.lMessage->isHidden(), !expected.Hint);
        QCOMPARE(w.mmSpeedGame->isChecked(), expected.Speed);
    }

private slots:
    void init() {
        MakeFolder();
        errors.clear();
        statisticAnswer = mrOk;
        vesk::SetModalHook([this](QDialog* d) -> int {
            if (auto* box = qobject_cast<QMessageBox*>(d)) {
                // The standard error box: the application title, stop icon, OK.
                if (box->windowTitle() != QStringLiteral("Игра в Веска") ||
                    box->icon() != QMessageBox::Critical ||
                    box->standardButtons() != QMessageBox::Ok)
                    errors << QStringLiteral("not the error box");
                errors << box->text();
                return QMessageBox::Ok;
            }
            if (qobject_cast<TfStatistic*>(d))
                return statisticAnswer;
            return 0;
        });
    }

    void cleanup() {
        window.reset();
        vesk::SetModalHook(nullptr);
        vesk::TRegistry::SetWriteGate(nullptr);
        QFile::setPermissions(Path(), QFile::ReadOwner | QFile::WriteOwner);
        dir.reset();
    }

    void firstRun() {
        TfMain& w = Start();
        Check(w, {0, 0, 0, true, true});
        QVERIFY(!w.mmStrongGame->isChecked()); // the computer's own rules by default
        QCOMPARE(w.lMessage->text(), QStringLiteral("Нажмите кнопку или F2"));
        // The key is made at start-up already.
        QCOMPARE(Read(), Head);
        Exit();
        QCOMPARE(Read(), Stored(0, 0, 0, 0, 0));
        QCOMPARE(errors, QStringList());
    }

    void fullFile() {
        const QByteArray before = Stored(4, 2, 1, 1, 0);
        Write(before);
        TfMain& w = Start();
        Check(w, {4, 2, 1, false, true});
        Exit();
        QCOMPARE(Read(), before);
        QCOMPARE(errors, QStringList());
    }

    void onlyDraw() {
        Write(Head + Dword("Draw", 7));
        TfMain& w = Start();
        Check(w, {0, 0, 7, true, true});
        Exit();
        QCOMPARE(Read(), Head + Dword("Draw", 7) + Dword("Wins", 0) + Dword("Lose", 0) +
                             Dword("NotHintVisible", 0) + Dword("NotSpeedGame", 0) +
                             Dword("StrongGame", 0) + Dword("TransferGame", 0) +
                             Dword("Zoom", 100) + Dword("NotAnimation", 1));
    }

    void hiddenHintShownByTheMenu() {
        Write(Stored(0, 0, 0, 1, 0));
        TfMain& w = Start();
        Check(w, {0, 0, 0, false, true});
        w.mmHintVisible->trigger();
        Check(w, {0, 0, 0, true, true});
        w.mmHintVisible->trigger();
        w.mmSpeedGame->trigger();
        Check(w, {0, 0, 0, false, false});
        Exit();
        QCOMPARE(Read(), Stored(0, 0, 0, 1, 1));
    }

    // The two game settings stored as 1 for checked: the strong opponent, the transfer game.
    void gameSettings_data() {
        QTest::addColumn<bool>("transfer");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("checked");
        QTest::addColumn<bool>("toggle");
        QTest::addColumn<quint32>("stored");
        for (const bool transfer : {false, true}) {
            const char* item = transfer ? "transfer" : "strong";
            auto file = [transfer](quint32 v) {
                return transfer ? Stored(0, 0, 0, 0, 0, 0, v) : Stored(0, 0, 0, 0, 0, v);
            };
            QTest::addRow("%s absent", item) << transfer << Head << false << false << 0u;
            QTest::addRow("%s 0", item) << transfer << file(0) << false << false << 0u;
            QTest::addRow("%s 1", item) << transfer << file(1) << true << false << 1u;
            QTest::addRow("%s any non-zero", item)
                << transfer << file(0x80000000) << true << false << 1u;
            QTest::addRow("%s absent, chosen", item) << transfer << Head << false << true << 1u;
            QTest::addRow("%s 1, chosen again", item) << transfer << file(1) << true << true << 0u;
        }
    }

    // Read once at the start, written as 0 or 1 at exit.
    void gameSettings() {
        QFETCH(bool, transfer);
        QFETCH(QByteArray, file);
        QFETCH(bool, checked);
        QFETCH(bool, toggle);
        QFETCH(quint32, stored);
        auto item = [transfer](TfMain& w) { return transfer ? w.mmTransferGame : w.mmStrongGame; };
        const QByteArray expected =
            transfer ? Stored(0, 0, 0, 0, 0, 0, stored) : Stored(0, 0, 0, 0, 0, stored);
        Write(file);
        TfMain& w = Start();
        QCOMPARE(item(w)->isChecked(), checked);
        if (toggle)
            item(w)->trigger();
        QCOMPARE(item(w)->isChecked(), toggle ? !checked : checked);
        Exit();
        QCOMPARE(Read(), expected);
        // And the next run reads it back.
        TfMain& again = Start();
        QCOMPARE(item(again)->isChecked(), stored != 0);
        Exit();
        QCOMPARE(Read(), expected);
        QCOMPARE(errors, QStringList());
    }

    // "Анимация": stored negated, on where nothing is stored on the program's first run.
    void animationSetting_data() {
        QTest::addColumn<bool>("program");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("checked");
        QTest::addColumn<bool>("toggle");
        QTest::addColumn<quint32>("stored");
        auto file = [](quint32 v) { return Stored(0, 0, 0, 0, 0, 0, 0, 100, v); };
        QTest::newRow("absent, the program") << true << Head << true << false << 0u;
        QTest::newRow("absent, a test's window") << false << Head << false << false << 1u;
        QTest::newRow("0") << false << file(0) << true << false << 0u;
        QTest::newRow("1") << true << file(1) << false << false << 1u;
        QTest::newRow("any non-zero") << true << file(0xfffffffe) << false << false << 1u;
        QTest::newRow("absent, turned off") << true << Head << true << true << 1u;
        QTest::newRow("1, turned on") << true << file(1) << false << true << 0u;
    }

    void animationSetting() {
        QFETCH(bool, program);
        QFETCH(QByteArray, file);
        QFETCH(bool, checked);
        QFETCH(bool, toggle);
        QFETCH(quint32, stored);
        const bool firstRun = TfMain::AnimationAtFirstRun;
        TfMain::AnimationAtFirstRun = program;
        Write(file);
        TfMain& w = Start();
        QCOMPARE(w.mmAnimation->isChecked(), checked);
        if (toggle)
            w.mmAnimation->trigger();
        QCOMPARE(w.mmAnimation->isChecked(), toggle ? !checked : checked);
        Exit();
        QCOMPARE(Read(), Stored(0, 0, 0, 0, 0, 0, 0, 100, stored));
        TfMain& again = Start();
        QCOMPARE(again.mmAnimation->isChecked(), stored == 0);
        // One choice, one change of the mark; two, and it is back.
        again.mmAnimation->trigger();
        QCOMPARE(again.mmAnimation->isChecked(), stored != 0);
        again.mmAnimation->trigger();
        QCOMPARE(again.mmAnimation->isChecked(), stored == 0);
        Exit();
        TfMain::AnimationAtFirstRun = firstRun;
        QCOMPARE(Read(), Stored(0, 0, 0, 0, 0, 0, 0, 100, stored));
        QCOMPARE(errors, QStringList());
    }

    void anyNonZeroCountsAsOne() {
        Write(Stored(0, 0, 0, 0xffffffff, 5));
        TfMain& w = Start();
        Check(w, {0, 0, 0, false, false});
        Exit();
        QCOMPARE(Read(), Stored(0, 0, 0, 1, 1));
    }

    void allOnesIsMinusOne() {
        Write(Stored(0xffffffff, 0x80000000, 0x7fffffff, 0, 0));
        TfMain& w = Start();
        Check(w, {-1, int(-2147483648LL), 2147483647, true, true});
        Exit();
        QCOMPARE(Read(), Stored(0xffffffff, 0x80000000, 0x7fffffff, 0, 0));
    }

    void unreadable_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("error");
        QTest::addColumn<Loaded>("loaded");
        const QByteArray rest = Dword("Lose", 2) + Dword("Draw", 3) + Dword("NotHintVisible", 1) +
                                Dword("NotSpeedGame", 1);
        QTest::newRow("Wins a short string")
            << Head + "\"Wins\"=\"abc\"\n" + rest << "Invalid data type for 'Wins'"
            << Loaded{0, 0, 0, true, true};
        QTest::newRow("Wins a long string")
            << Head + "\"Wins\"=\"abcd\"\n" + rest << "Failed to get data for 'Wins'"
            << Loaded{0, 0, 0, true, true};
        QTest::newRow("Wins long binary")
            << Head + "\"Wins\"=hex:01,02,03,04,05\n" + rest << "Failed to get data for 'Wins'"
            << Loaded{0, 0, 0, true, true};
        QTest::newRow("Draw short binary")
            << Head + Dword("Wins", 4) + Dword("Lose", 2) + "\"Draw\"=hex:03\n" +
                   Dword("NotHintVisible", 1) + Dword("NotSpeedGame", 1)
            << "Invalid data type for 'Draw'" << Loaded{4, 2, 0, true, true};
        QTest::newRow("NotSpeedGame a string")
            << Head + Dword("Wins", 4) + Dword("Lose", 2) + Dword("Draw", 3) +
                   Dword("NotHintVisible", 1) + "\"NotSpeedGame\"=\"\"\n"
            << "Invalid data type for 'NotSpeedGame'" << Loaded{4, 2, 3, false, true};
    }

    // The load stops at the value with the error; what came before is read, what comes after
    // keeps its default. At exit nothing that was not read replaces what the file holds.
    void unreadable() {
        QFETCH(QByteArray, file);
        QFETCH(QString, error);
        QFETCH(Loaded, loaded);
        Write(file);
        TfMain& w = Start();
        QCOMPARE(errors, QStringList{error});
        Check(w, loaded);
        Exit();
        QCOMPARE(Read(), file);
        QCOMPARE(errors, QStringList{error});
    }

    // What this run changed is stored even so: cleared counters, a toggled setting, a game.
    void unreadButChanged() {
        Write(Head + "\"Wins\"=\"abc\"\n" + Dword("Lose", 2) + Dword("Draw", 3) +
              Dword("NotHintVisible", 1) + Dword("NotSpeedGame", 1));
        TfMain& w = Start();
        QCOMPARE(errors, QStringList{QStringLiteral("Invalid data type for 'Wins'")});
        statisticAnswer = mrYes;
        TfMainProbe::Statistic(w);
        ++TfMainProbe::Lose(w);
        w.mmSpeedGame->trigger();
        Exit();
        // The strong opponent's setting was not read and not chosen: not written either. The
        // breakdown, cleared with the totals, is written as cleared.
        QByteArray cleared;
        for (const char* record :
             {"RulesThrowIn", "RulesTransfer", "StrongThrowIn", "StrongTransfer"})
            for (const char* field : {"Wins", "Lose", "Draw", "BestStreak", "Streak"})
                cleared += Dword((QByteArray(record) + field).constData(), 0);
        QCOMPARE(Read(), Head + Dword("Wins", 0) + Dword("Lose", 1) + Dword("Draw", 0) +
                             Dword("NotHintVisible", 1) + Dword("NotSpeedGame", 1) + cleared);
    }

    void unreadAfterAGame() {
        const QByteArray after = Dword("Draw", 3) + Dword("NotHintVisible", 1);
        Write(Head + Dword("Wins", 4) + "\"Lose\"=\"x\"\n" + after);
        TfMain& w = Start();
        Check(w, {4, 0, 0, true, true});
        ++TfMainProbe::Wins(w);
        Exit();
        // Lose and Draw stay as stored; the settings were never read either.
        QCOMPARE(Read(), Head + Dword("Wins", 5) + "\"Lose\"=\"x\"\n" + after);
    }

    void clearThenExit() {
        Write(Stored(4, 2, 1, 0, 0));
        TfMain& w = Start();
        statisticAnswer = mrYes;
        TfMainProbe::Statistic(w);
        Check(w, {0, 0, 0, true, true});
        Exit();
        QCOMPARE(Read(), Stored(0, 0, 0, 0, 0));
    }

    void keyCannotBeOpened_data() {
        QTest::addColumn<QByteArray>("how");
        for (const QByteArray& how : UnopenableCases())
            QTest::newRow(how.constData()) << how;
    }

    // The load and the store are skipped without a word; the defaults stand and the game
    // goes on; nothing on the disk changes.
    void keyCannotBeOpened() {
        QFETCH(QByteArray, how);
        MakeUnopenable(how);
        const auto before = Everything();
        {
            TOrdinaryFileAccess ordinary;
            TfMain& w = Start();
            Check(w, {0, 0, 0, true, true});
            QCOMPARE(errors, QStringList());
            ++TfMainProbe::Wins(w);
            w.mmSpeedGame->trigger();
            Exit();
        }
        QCOMPARE(errors, QStringList());
        QCOMPARE(Everything(), before);
    }

    void readOnlyFile() {
        const QByteArray before = Stored(4, 2, 1, 0, 1);
        Write(before);
        QVERIFY(QFile::setPermissions(Path(), QFile::ReadOwner | QFile::ReadGroup));
        TfMain& w = Start();
        Check(w, {4, 2, 1, true, false});
        ++TfMainProbe::Wins(w);
        Exit();
        QCOMPARE(errors, QStringList{QStringLiteral("Failed to set data for 'Wins'")});
        QCOMPARE(Read(), before);
    }

    // A store that fails half-way keeps the values written before it; the file stays whole.
    void storeStopsAtTheFailedWrite() {
        Write(Stored(4, 2, 1, 0, 0));
        TfMain& w = Start();
        TfMainProbe::Wins(w) = 5;
        TfMainProbe::Lose(w) = 6;
        TfMainProbe::Draw(w) = 7;
        w.mmSpeedGame->trigger();
        QStringList asked;
        vesk::TRegistry::SetWriteGate([&](const QString& name) {
            asked << name;
            return name != QStringLiteral("Draw");
        });
        Exit();
        QCOMPARE(asked, (QStringList{"Wins", "Lose", "Draw"}));
        QCOMPARE(errors, QStringList{QStringLiteral("Failed to set data for 'Draw'")});
        QCOMPARE(Read(), Stored(5, 6, 1, 0, 0));
    }

    void garbageLeftAlone() {
        const QByteArray garbage = "\x01\x02 not a registry file \xff\n\"Wins\"=dword:00000009\n";
        Write(garbage);
        TfMain& w = Start();
        Check(w, {0, 0, 0, true, true});
        ++TfMainProbe::Wins(w);
        w.mmHintVisible->trigger();
        Exit();
        QCOMPARE(errors, QStringList());
        QCOMPARE(Read(), garbage);
    }

    void unknownLinesKept() {
        const QByteArray before = "REGEDIT4\r\n\r\n; written by hand\r\n"
                                  "[HKEY_CURRENT_USER\\Software\\Other]\r\n"
                                  "\"Wins\"=dword:00000063\r\n\r\n"
                                  "[HKEY_CURRENT_USER\\Software\\Tovrel]\r\n"
                                  "\"Lose\"=dword:00000002\r\n"
                                  "\"Player\"=\"Аня\"\r\n"
                                  "\"Blob\"=hex:00,01,\\\r\n  02\r\n";
        Write(before);
        TfMain& w = Start();
        Check(w, {0, 2, 0, true, true});
        Exit();
        QCOMPARE(Read(), "REGEDIT4\r\n\r\n; written by hand\r\n"
                         "[HKEY_CURRENT_USER\\Software\\Other]\r\n"
                         "\"Wins\"=dword:00000063\r\n\r\n"
                         "[HKEY_CURRENT_USER\\Software\\Tovrel]\r\n"
                         "\"Lose\"=dword:00000002\r\n"
                         "\"Player\"=\"Аня\"\r\n"
                         "\"Blob\"=hex:00,01,\\\r\n  02\r\n"
                         "\"Wins\"=dword:00000000\r\n"
                         "\"Draw\"=dword:00000000\r\n"
                         "\"NotHintVisible\"=dword:00000000\r\n"
                         "\"NotSpeedGame\"=dword:00000000\r\n"
                         "\"StrongGame\"=dword:00000000\r\n"
                         "\"TransferGame\"=dword:00000000\r\n"
                         "\"Zoom\"=dword:00000064\r\n"
                         "\"NotAnimation\"=dword:00000001\r\n");
    }

    // A run that never reaches the window's destruction leaves the file as it was.
    void killedRun() {
        const QByteArray before = Stored(4, 2, 1, 0, 0);
        Write(before);
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir->path());
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--play-and-die")});
        QVERIFY(child.waitForFinished(60000));
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);
        QCOMPARE(child.readAllStandardOutput(), QByteArray("played: 5 0 0\n"));
        QCOMPARE(Read(), before);
    }
};

// The child of killedRun: loads, wins a game, clears nothing, and is killed before exit.
static int PlayAndDie(int argc, char** argv) {
    QApplication app(argc, argv);
    auto* w = new TfMain();
    ++TfMainProbe::Wins(*w);
    TfMainProbe::Lose(*w) = 0;
    TfMainProbe::Draw(*w) = 0;
    w->mmHintVisible->trigger();
    std::printf("played: %d %d %d\n", TfMainProbe::Wins(*w), TfMainProbe::Lose(*w),
                TfMainProbe::Draw(*w));
    std::fflush(stdout);
    std::raise(SIGKILL);
    return 0;
}

int main(int argc, char** argv) {
    if (argc > 1 && qstrcmp(argv[1], "--play-and-die") == 0)
        return PlayAndDie(argc, argv);
    QApplication app(argc, argv);
    TestSettings test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_settings.moc"

// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

// The command line: --seed N makes the deals of a run reproducible; --help lists it.
#include "cardbatch.h"
#include "commandline.h"
#include "modal.h"
#include "tfmain.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTest>

namespace {
QString Order(const TCardBatch& pile) {
    QStringList out;
    for (const auto& card : pile.Cards)
        out << QString::number(card->CardNomber());
    return out.join(' ');
}

QString Hand(const TPlayerPlace* hand) {
    QStringList out;
    for (const TCard* c : hand->Cards)
        out << QString::number(c->CardNomber());
    return out.join(' ');
}

// The deals of a run of the program with "--seed N": a new window, then games started with F2.
QStringList Deals(std::uint32_t seed, int games) {
    QStringList out;
    TfMain w;
    w.show();
    if (!QTest::qWaitForWindowActive(&w))
        return {"the window never became active"};
    const TCommandLine options = ParseCommandLine({"vesk", "--seed", QString::number(seed)});
    TCardBatch::UseSeedsFrom(*options.Seed);
    for (int i = 0; i < games; ++i) {
        QTest::keyClick(&w, Qt::Key_F2);
        out << Order(*w.CardBatch) + " | " + Hand(w.PlayerPlace1) + " | " + Hand(w.PlayerPlace2);
    }
    return out;
}
} // namespace

class TestCommandLine : public QObject {
    Q_OBJECT

private slots:
    void init() {
        vesk::SetModalHook([](QDialog*) { return int(QMessageBox::Ok); });
    }
    void cleanup() {
        vesk::SetModalHook(nullptr);
        TCardBatch::SeedSource = nullptr;
    }

    void parse_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("help");
        QTest::addColumn<bool>("version");
        QTest::addColumn<QString>("error"); // empty: none
        QTest::addColumn<qint64>("seed");   // -1: no seed
        const QString none;
        const QString badSeed = "Неверное значение --seed";
        QTest::newRow("nothing") << QStringList{} << false << false << none << qint64(-1);
        QTest::newRow("seed") << QStringList{"--seed", "42"} << false << false << none
                              << qint64(42);
        QTest::newRow("seed=") << QStringList{"--seed=42"} << false << false << none << qint64(42);
        QTest::newRow("zero") << QStringList{"--seed", "0"} << false << false << none << qint64(0);
        QTest::newRow("largest") << QStringList{"--seed", "4294967295"} << false << false << none
                                 << qint64(4294967295);
        QTest::newRow("the last one counts")
            << QStringList{"--seed", "1", "--seed", "2"} << false << false << none << qint64(2);
        QTest::newRow("too large")
            << QStringList{"--seed", "4294967296"} << false << false << badSeed << qint64(-1);
        QTest::newRow("negative") << QStringList{"--seed", "-1"} << false << false << badSeed
                                  << qint64(-1);
        QTest::newRow("signed") << QStringList{"--seed", "+5"} << false << false << badSeed
                                << qint64(-1);
        QTest::newRow("spaces") << QStringList{"--seed", " 5"} << false << false << badSeed
                                << qint64(-1);
        QTest::newRow("letters") << QStringList{"--seed", "12a"} << false << false << badSeed
                                 << qint64(-1);
        QTest::newRow("hex") << QStringList{"--seed", "0x10"} << false << false << badSeed
                             << qint64(-1);
        QTest::newRow("empty") << QStringList{"--seed="} << false << false << badSeed << qint64(-1);
        QTest::newRow("no value") << QStringList{"--seed"} << false << false
                                  << "Не указано значение параметра --seed" << qint64(-1);
        QTest::newRow("a good seed, then a bad option")
            << QStringList{"--seed", "3", "--speed"} << false << false
            << "Неизвестный параметр: --speed" << qint64(-1);
        QTest::newRow("unknown option") << QStringList{"--speed"} << false << false
                                        << "Неизвестный параметр: --speed" << qint64(-1);
        QTest::newRow("unknown short option")
            << QStringList{"-x"} << false << false << "Неизвестный параметр: -x" << qint64(-1);
        QTest::newRow("single-dash seed") << QStringList{"-seed", "5"} << false << false
                                          << "Неизвестный параметр: -seed" << qint64(-1);
        QTest::newRow("stray argument")
            << QStringList{"game"} << false << false << "Лишний аргумент: game" << qint64(-1);
        QTest::newRow("argument after --") << QStringList{"--", "--seed"} << false << false
                                           << "Лишний аргумент: --seed" << qint64(-1);
        QTest::newRow("help") << QStringList{"--help"} << true << false << none << qint64(-1);
        QTest::newRow("-h") << QStringList{"-h"} << true << false << none << qint64(-1);
        QTest::newRow("-?") << QStringList{"-?"} << true << false << none << qint64(-1);
        QTest::newRow("help with a value") << QStringList{"--help=1"} << false << false
                                           << "Параметр --help не принимает значения" << qint64(-1);
        QTest::newRow("help wins over a bad seed")
            << QStringList{"--seed", "x", "--help"} << true << false << none << qint64(-1);
        QTest::newRow("version") << QStringList{"--version"} << false << true << none << qint64(-1);
        QTest::newRow("version wins over an unknown option")
            << QStringList{"--bogus", "--version"} << false << true << none << qint64(-1);
        QTest::newRow("help and version")
            << QStringList{"--version", "--help"} << true << false << none << qint64(-1);
        // The window system's own options are left for the application object.
        QTest::newRow("window system options")
            << QStringList{"-platform", "offscreen",     "--seed",    "7",
                           "-reverse",  "-style=fusion", "--display", ":5"}
            << false << false << none << qint64(7);
        QTest::newRow("window system option without its value")
            << QStringList{"-platform"} << false << false
            << "Не указано значение параметра -platform" << qint64(-1);
        QTest::newRow("window system flag with a value")
            << QStringList{"-reverse=1"} << false << false << "Неизвестный параметр: -reverse"
            << qint64(-1);
    }
    void parse() {
        QFETCH(QStringList, arguments);
        QFETCH(bool, help);
        QFETCH(bool, version);
        QFETCH(QString, error);
        QFETCH(qint64, seed);
        const TCommandLine options = ParseCommandLine(QStringList{"vesk"} + arguments);
        QCOMPARE(options.Help, help);
        QCOMPARE(options.Version, version);
        QVERIFY2(error.isEmpty() ? options.Error.isEmpty() : options.Error.startsWith(error),
                 qPrintable(options.Error));
        QCOMPARE(options.Seed.has_value(), seed >= 0);
        if (seed >= 0)
            QCOMPARE(qint64(*options.Seed), seed);
        QVERIFY(options.HelpText.contains("--seed N"));
    }

    // The help speaks the program's language only: no word of another beside the option
    // names, the window system's options and the key names.
    void helpInOneLanguage() {
        QString text = ParseCommandLine({"vesk"}).HelpText;
        for (const char* allowed : {"vesk", "--help", "-h", "--version", "--seed", "-platform",
                                    "-display", "-style", "Ctrl+X", "Enter", "F1", "F2", "F3",
                                    "$XDG_CONFIG_HOME/Tovrel.reg", "~/.config/Tovrel.reg"})
            text.remove(QString::fromLatin1(allowed));
        const QRegularExpression latinWord(QStringLiteral("[A-Za-z]{2,}"));
        QVERIFY2(!latinWord.match(text).hasMatch(), qPrintable(latinWord.match(text).captured()));
    }

    void versionText() {
        QCOMPARE(VersionText(QStringLiteral(VESK_EXECUTABLE)).section('\n', 0, 0),
                 QStringLiteral("vesk (Игра в \"Веска\") 1.0.0.37"));
        // This test's own executable carries no version block.
        QCOMPARE(VersionText(QCoreApplication::applicationFilePath()), QString());
    }

    // The shuffles take N, N + 1, ... in turn, and wrap round after the largest seed.
    void seedsInTurn() {
        TCardBatch pile;
        QStringList expected;
        for (std::uint32_t s : {4294967294u, 4294967295u, 0u, 1u}) {
            TCardBatch::SeedSource = [s] { return s; };
            pile.Shuffle();
            expected << Order(pile);
        }
        TCardBatch::UseSeedsFrom(4294967294u);
        QStringList got;
        for (int i = 0; i < 4; ++i) {
            pile.Shuffle();
            got << Order(pile);
        }
        QCOMPARE(got, expected);
        QCOMPARE(QSet<QString>(got.begin(), got.end()).size(), 4);
    }

    // Two runs with the same seed deal the same games; another seed deals others.
    void sameSeedSameDeals() {
        const QStringList first = Deals(1234, 3);
        QCOMPARE(Deals(1234, 3), first);
        QCOMPARE(first.size(), 3);
        QCOMPARE(first[0].section(" | ", 1, 1).split(' ').size(), 6); // a game was dealt
        QVERIFY(first[0] != first[1] && first[1] != first[2]);
        // The second game of seed N is the first of seed N + 1.
        QCOMPARE(Deals(1235, 1).first(), first[1]);
        QVERIFY(Deals(999, 1).first() != first[0]);
    }

    // The built program answers --help, --version and a line it cannot use without asking
    // for the window system: with no display at all, and the X platform asked for, it would
    // abort if it did.
    void program_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("output");
        QTest::newRow("help") << QStringList{"--help"} << 0 << "Использование: vesk";
        QTest::newRow("-h") << QStringList{"-h"} << 0 << "--seed N";
        QTest::newRow("version") << QStringList{"--version"} << 0
                                 << "vesk (Игра в \"Веска\") 1.0.0.37\n© 2026 Мастерская";
        QTest::newRow("bad seed") << QStringList{"--seed", "x"} << 2
                                  << "Неверное значение --seed: \"x\"";
        QTest::newRow("unknown") << QStringList{"--bogus"} << 2
                                 << "Неизвестный параметр: --bogus\nСправка: ";
        QTest::newRow("stray") << QStringList{"x"} << 2 << "Лишний аргумент: x";
    }
    void program() {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, output);
        QProcess vesk;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        vesk.setProcessEnvironment(env);
        vesk.start(QStringLiteral(VESK_EXECUTABLE), arguments);
        QVERIFY(vesk.waitForFinished(60000));
        const QString out = QString::fromUtf8(vesk.readAllStandardOutput());
        const QString err = QString::fromUtf8(vesk.readAllStandardError());
        QVERIFY2(vesk.exitStatus() == QProcess::NormalExit, qPrintable(err));
        QCOMPARE(vesk.exitCode(), exitCode);
        // Answers on the standard output, complaints on the error output, nothing else.
        QVERIFY2((exitCode == 0 ? out : err).contains(output), qPrintable(out + err));
        QCOMPARE(exitCode == 0 ? err : out, QString());
    }
};

QTEST_MAIN(TestCommandLine)
#include "tst_commandline.moc"

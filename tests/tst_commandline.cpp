// The command line: --seed N makes the deals of a run reproducible; --help lists it.
#include "cardbatch.h"
#include "commandline.h"
#include "modal.h"
#include "tfmain.h"

#include <QProcess>
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
        QTest::addColumn<bool>("error");
        QTest::addColumn<qint64>("seed"); // -1: no seed
        QTest::newRow("nothing") << QStringList{} << false << false << qint64(-1);
        QTest::newRow("seed") << QStringList{"--seed", "42"} << false << false << qint64(42);
        QTest::newRow("seed=") << QStringList{"--seed=42"} << false << false << qint64(42);
        QTest::newRow("zero") << QStringList{"--seed", "0"} << false << false << qint64(0);
        QTest::newRow("largest") << QStringList{"--seed", "4294967295"} << false << false
                                 << qint64(4294967295);
        QTest::newRow("the last one counts")
            << QStringList{"--seed", "1", "--seed", "2"} << false << false << qint64(2);
        QTest::newRow("too large")
            << QStringList{"--seed", "4294967296"} << false << true << qint64(-1);
        QTest::newRow("negative") << QStringList{"--seed", "-1"} << false << true << qint64(-1);
        QTest::newRow("signed") << QStringList{"--seed", "+5"} << false << true << qint64(-1);
        QTest::newRow("spaces") << QStringList{"--seed", " 5"} << false << true << qint64(-1);
        QTest::newRow("letters") << QStringList{"--seed", "12a"} << false << true << qint64(-1);
        QTest::newRow("hex") << QStringList{"--seed", "0x10"} << false << true << qint64(-1);
        QTest::newRow("empty") << QStringList{"--seed="} << false << true << qint64(-1);
        QTest::newRow("no value") << QStringList{"--seed"} << false << true << qint64(-1);
        QTest::newRow("unknown option") << QStringList{"--speed"} << false << true << qint64(-1);
        QTest::newRow("stray argument") << QStringList{"game"} << false << true << qint64(-1);
        QTest::newRow("help") << QStringList{"--help"} << true << false << qint64(-1);
        QTest::newRow("-h") << QStringList{"-h"} << true << false << qint64(-1);
        QTest::newRow("help wins over a bad seed")
            << QStringList{"--seed", "x", "--help"} << true << false << qint64(-1);
    }
    void parse() {
        QFETCH(QStringList, arguments);
        QFETCH(bool, help);
        QFETCH(bool, error);
        QFETCH(qint64, seed);
        const TCommandLine options = ParseCommandLine(QStringList{"vesk"} + arguments);
        QCOMPARE(options.Help, help);
        QCOMPARE(!options.Error.isEmpty(), error);
        QCOMPARE(options.Seed.has_value(), seed >= 0);
        if (seed >= 0)
            QCOMPARE(qint64(*options.Seed), seed);
        QVERIFY(options.HelpText.contains("--seed <N>"));
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

    // The built program answers --help and refuses a bad seed, without opening a window.
    void program_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("output");
        QTest::newRow("help") << QStringList{"--help"} << 0 << "--seed <N>";
        QTest::newRow("bad seed") << QStringList{"--seed", "x"} << 2 << "--seed";
        QTest::newRow("unknown") << QStringList{"--bogus"} << 2 << "--bogus";
    }
    void program() {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, output);
        QProcess vesk;
        vesk.start(QStringLiteral(VESK_EXECUTABLE), arguments);
        QVERIFY(vesk.waitForFinished(60000));
        QCOMPARE(vesk.exitStatus(), QProcess::NormalExit);
        QCOMPARE(vesk.exitCode(), exitCode);
        const QString text = QString::fromUtf8(exitCode == 0 ? vesk.readAllStandardOutput()
                                                             : vesk.readAllStandardError());
        QVERIFY2(text.contains(output), qPrintable(text));
    }
};

QTEST_MAIN(TestCommandLine)
#include "tst_commandline.moc"

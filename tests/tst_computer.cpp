// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's own members for legality and the computer's choices: thin askers of the rules
// core that answer with a card's Index in a list of card widgets. The rules themselves are
// the core's suites'; here the window must give the core's answers on the same positions.
#include "computer.h"
#include "legality.h"
#include "modal.h"
#include "notationcheck.h"
#include "tfmain.h"
#include "windowarranger.h"

#include <QAction>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <random>

namespace {
QString Names(const QList<TCard*>& cards) {
    return QString::fromStdString(CardNames(CardIds(cards)));
}
} // namespace

class TfMainProbe {
public:
    explicit TfMainProbe(TfMain& window) : w(window) {}
    TfMain& w;

    const TPosition& Core() const { return w.FGame.P; }
    bool CanPlay(std::uint8_t kind, TCard* card) { return w.CanPlay(kind, card); }
    bool ValueOnTable(TCardValue v) { return w.ValueOnTable(v); }
    int ChooseAttack(const QList<TCard*>& hand) { return w.ChooseAttack(hand); }
    int ChooseDefence(const QList<TCard*>& hand) { return w.ChooseDefence(hand); }
    int LowestCard(const QList<TCard*>& list) { return w.LowestCard(list); }
    int PreferPair(const QList<TCard*>& hand, const QList<TCard*>& list) {
        return w.PreferPair(hand, list);
    }

    // The computer's turn as the game runs it in the arranged state; returns the message left.
    QString CpuMove() {
        w.mmSpeedGame->setChecked(true);
        w.CPUMove();
        return w.lMessage->text();
    }
};

class TestComputer : public QObject {
    Q_OBJECT
    QTemporaryDir config;
    std::unique_ptr<TfMain> window;
    std::unique_ptr<TfMainProbe> probe;

    std::string Arrange(const QString& man, const QString& cpu, int stock,
                        const QString& table = {}, TGameState state = gsIdle) {
        TWrittenPosition written;
        written.Man = man.toStdString();
        written.Cpu = cpu.toStdString();
        written.Stock = stock;
        written.Table = table.toStdString();
        written.State = state;
        return TWindowArranger::Arrange(*window, written);
    }

private slots:
    void initTestCase() {
        // CTest gives every suite its own settings folder; run by hand, never the real one.
        if (qEnvironmentVariableIsEmpty("XDG_CONFIG_HOME"))
            qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
        vesk::SetModalHook([](QDialog*) { return int(QMessageBox::Ok); });
        TCardBatch::SeedSource = [] { return 7u; };
        window = std::make_unique<TfMain>();
        probe = std::make_unique<TfMainProbe>(*window);
    }
    void cleanupTestCase() {
        probe.reset();
        window.reset();
        TCardBatch::SeedSource = nullptr;
        vesk::SetModalHook(nullptr);
    }

    // The window's members on random positions laid out in it: every answer is the core's, as
    // the Index of a card of the given list of widgets.
    void membersAnswerAsTheCore() {
        int positions = 0;
        for (std::uint32_t seed = 1; seed <= 300; ++seed) {
            TStock pack;
            pack.Shuffle(seed);
            std::mt19937 rng(seed);
            auto below = [&rng](int n) { return int(rng() % std::uint32_t(n)); };
            // From the top of the pack: a hand, then bouts whose beaters beat.
            int top = 35;
            TCardList hand;
            for (int n = below(9); n > 0; --n)
                hand.push_back(pack.Cards[std::size_t(top--)]);
            QString table;
            const int bouts = below(7);
            for (int b = 0; b < bouts; ++b) {
                const TCardId attack = pack.Cards[std::size_t(top--)];
                table += (b ? " " : "") + QString::fromStdString(CardName(attack));
                if (b == bouts - 1 && below(2))
                    break; // an unbeaten card
                int beater = -1;
                for (int i = top; i > 0 && beater < 0; --i)
                    if (Beats(pack.Cards[std::size_t(i)], attack, pack.TrumpSuit()))
                        beater = i;
                if (beater < 0)
                    break;
                std::swap(pack.Cards[std::size_t(beater)], pack.Cards[std::size_t(top)]);
                table += "/" + QString::fromStdString(CardName(pack.Cards[std::size_t(top--)]));
            }
            const bool mine = seed % 2;
            TWrittenPosition written;
            (mine ? written.Cpu : written.Man) = CardNames(hand);
            written.Trump = CardName(pack.Cards[0]);
            written.Stock = below(top + 1);
            written.Table = table.toStdString();
            written.FirstBout = below(2);
            VERIFY_NOTATION(TWindowArranger::Arrange(*window, written));
            const QString differs = TWindowArranger::Differences(*window);
            QVERIFY2(differs.isEmpty(), qPrintable(differs));
            ++positions;
            const QList<TCard*>& cards =
                (mine ? window->PlayerPlace2 : window->PlayerPlace1)->Cards;
            Compare(cards);
            if (QTest::currentTestFailed())
                QFAIL(qPrintable(QStringLiteral("seed %1, hand %2, table %3, stock %4")
                                     .arg(seed)
                                     .arg(Names(cards), table)
                                     .arg(written.Stock)));
        }
        qInfo("%d positions", positions);
    }

    // PreferPair knows the hand itself from a list of the same cards: the end game's rule
    // for the one, the allowance for the other.
    void preferPairKnowsTheHandItself() {
        VERIFY_NOTATION(Arrange({}, "7C 8C 7D 8D", 24));
        const QList<TCard*>& hand = window->PlayerPlace2->Cards;
        const QList<TCard*> copy = hand;
        QCOMPARE(Names({hand[probe->PreferPair(hand, hand)]}), QStringLiteral("8D"));
        QCOMPARE(Names({hand[probe->PreferPair(hand, copy)]}), QStringLiteral("7D"));
        // A list drawn from the hand answers with the hand's index.
        const QList<TCard*> high = {hand[1], hand[3]}; // 8C 8D
        QCOMPARE(probe->LowestCard(high), 1);
        QCOMPARE(probe->PreferPair(hand, high), 1);
    }

    // The advice after the computer's move shows in the message line.
    void advice_data() {
        QTest::addColumn<int>("state");
        QTest::addColumn<QString>("man");
        QTest::addColumn<QString>("cpu");
        QTest::addColumn<int>("stock");
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("message");
        QTest::newRow("queen trump at 20: take") << int(gsCPUAttack) << "6C QH"
                                                 << "9D" << 20 << ""
                                                 << "По-моему, Вам надо брать!";
        QTest::newRow("more to throw in") << int(gsManAttack) << "10C 6S"
                                          << "10D" << 20 << "9D"
                                          << " Еще охота!";
    }
    void advice() {
        QFETCH(int, state);
        QFETCH(QString, man);
        QFETCH(QString, cpu);
        QFETCH(int, stock);
        QFETCH(QString, table);
        QFETCH(QString, message);
        VERIFY_NOTATION(Arrange(man, cpu, stock, table, TGameState(state)));
        QCOMPARE(probe->CpuMove(), message);
        QCOMPARE(window->PlayerPlace2->Cards.size(), 0); // the computer did lay its card
        const QString differs = TWindowArranger::Differences(*window);
        QVERIFY2(differs.isEmpty(), qPrintable(differs));
    }

private:
    static QString Chosen(const QList<TCard*>& hand, int i) {
        if (i == -1)
            return QStringLiteral("-");
        if (i < 0 || i >= hand.size() || hand[i]->Index != i)
            return QStringLiteral("bad index %1").arg(i);
        return Names({hand[i]});
    }

    void Compare(const QList<TCard*>& cards) {
        const TPosition& p = probe->Core();
        const TCardList ids = CardIds(cards);
        QCOMPARE(Chosen(cards, probe->ChooseAttack(cards)), Chosen(cards, ChooseAttack(ids, p)));
        for (int v = 0; v <= 8; ++v)
            QCOMPARE(probe->ValueOnTable(TCardValue(v)), ValueOnTable(p.Table, TCardValue(v)));
        TCardList plain;
        QList<TCard*> plainCards;
        for (TCard* c : cards) {
            QCOMPARE(probe->CanPlay(1, c), CanPlay(1, c->Id(), p.Table, p.FirstBout, p.Trump()));
            if (p.Table.HasUnbeaten())
                QCOMPARE(probe->CanPlay(2, c),
                         CanPlay(2, c->Id(), p.Table, p.FirstBout, p.Trump()));
            if (!p.IsTrump(c->Id())) {
                plain.push_back(c->Id());
                plainCards << c;
            }
        }
        if (p.Table.HasUnbeaten())
            QCOMPARE(Chosen(cards, probe->ChooseDefence(cards)),
                     Chosen(cards, ChooseDefence(ids, p)));
        if (cards.isEmpty())
            return;
        const int stock = p.Stock.Count();
        QCOMPARE(Chosen(cards, probe->LowestCard(cards)), Chosen(cards, LowestCard(ids, ids)));
        QCOMPARE(Chosen(cards, probe->PreferPair(cards, cards)),
                 Chosen(cards, PreferPair(ids, ids, stock)));
        if (!plain.empty())
            QCOMPARE(Chosen(cards, probe->PreferPair(cards, plainCards)),
                     Chosen(cards, PreferPair(ids, plain, stock)));
    }
};

QTEST_MAIN(TestComputer)
#include "tst_computer.moc"

// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

// Seeded games played twice: through the real window by the driver's clicks, and headless in
// the rules core fed the same actions. After every action both must show the same game.
#include "gamedriver.h"
#include "headless.h"
#include "messages.h"
#include "notation.h"

#include <QAction>
#include <QTest>

namespace {
QString Names(const TCardList& cards) {
    static const char* ranks[] = {"6", "7", "8", "9", "10", "J", "Q", "K", "A"};
    QStringList out;
    for (const TCardId c : cards)
        out << QString::fromLatin1(ranks[c.Value]) + QChar("CDHS"[c.Suit]);
    return out.join(' ');
}
// What the window would say of the headless game's news.
class TSayingView : public TGameView {
public:
    explicit TSayingView(const TGame& game) : G(game) {}
    void News(TNews news) override { Message = MessageOf(news, G); }
    TMessage Message = msStart;

private:
    const TGame& G;
};
} // namespace

class TfMainProbe {
public:
    explicit TfMainProbe(TfMain& w) : W(w) {}

    // What differs between the window and the headless game, or empty.
    QString Difference(const TGame& h, TMessage said, const int counts[3]) const {
        auto lists = [](const char* what, const TCardList& shown, const TCardList& core) {
            return shown == core ? QString()
                                 : QStringLiteral("%1: window [%2], core [%3]")
                                       .arg(QLatin1String(what), Names(shown), Names(core));
        };
        QString d;
        for (const QString& part :
             {lists("man", CardIds(W.PlayerPlace1->Cards), h.Man().Cards()),
              lists("computer", CardIds(W.PlayerPlace2->Cards), h.Cpu().Cards()),
              lists("attack", CardIds(W.GamePlace->AttackCards), h.P.Table.Attack),
              lists("defence", CardIds(W.GamePlace->DefenceCards), h.P.Table.Defence),
              lists("table", CardIds(W.GamePlace->Cards), h.P.Table.Cards)})
            if (!part.isEmpty())
                return part;
        if (W.CardBatch->Count() != h.P.Stock.Count())
            return QStringLiteral("stock: %1 vs %2")
                .arg(W.CardBatch->Count())
                .arg(h.P.Stock.Count());
        for (int i = 0; i < h.P.Stock.Count(); ++i)
            if (W.CardBatch->Cards[i]->Id() != h.P.Stock.Cards[i])
                return QStringLiteral("stock order differs at %1").arg(i);
        if (W.State != h.P.State)
            return QStringLiteral("state: %1 vs %2").arg(int(W.State)).arg(int(h.P.State));
        if (W.FirstBout != h.P.FirstBout)
            return QStringLiteral("first bout flag");
        if (W.PlayerPlace1->Role != h.P.Role(ptMan) || W.PlayerPlace2->Role != h.P.Role(ptCPU))
            return QStringLiteral("roles");
        if (W.lMessage->text() != QString::fromUtf8(MessageText(said)))
            return QStringLiteral("message: \"%1\" vs \"%2\"")
                .arg(W.lMessage->text(), QString::fromUtf8(MessageText(said)));
        if (W.bbtStop->text() != QString::fromUtf8(ButtonCaption(h.P.State)))
            return QStringLiteral("button caption: %1").arg(W.bbtStop->text());
        if (W.bbtStop->isEnabled() != h.ButtonEnabled())
            return QStringLiteral("button enabled: %1").arg(W.bbtStop->isEnabled());
        if (W.Wins != counts[0] || W.Lose != counts[1] || W.Draw != counts[2])
            return QStringLiteral("counters");
        return {};
    }

    std::string CoreCpu() const { return CardNames(W.FGame.Cpu().Cards()); }
    std::string CoreTable() const { return TableNames(W.FGame.P.Table); }
    int CoreState() const { return W.FGame.P.State; }

    void Counters(int counts[3]) const {
        counts[0] = W.Wins;
        counts[1] = W.Lose;
        counts[2] = W.Draw;
    }

    TfMain& W;
};

class TestDifferential : public QObject {
    Q_OBJECT
private slots:
    void windowAndCoreAgree() {
        const int games = qEnvironmentVariableIntValue("VESK_DIFF_GAMES") > 0
                              ? qEnvironmentVariableIntValue("VESK_DIFF_GAMES")
                              : 2000;
        TfMain window;
        window.show();
        TfMainProbe probe(window);
        TGameDriver driver(&window, 11);
        TGame headless;
        TSayingView saying(headless);
        TRulePolicy rules;
        headless.View = &saying;
        int counts[3] = {}; // won, lost, drawn: from what the settings folder holds
        probe.Counters(counts);
        const int stored = counts[0] + counts[1] + counts[2];
        long actions = 0;
        QString failure;
        int game = 0;
        driver.OnAction = [&](const TDriverAction& a) {
            if (!failure.isEmpty())
                return;
            const TGameState before = headless.P.State;
            switch (a.Kind) {
            case TDriverAction::akNewGame:
                headless.NewGame(a.Seed, window.mmTransferGame->isChecked());
                PlayComputer(headless, rules);
                break;
            case TDriverAction::akCard: {
                const int i = headless.Man().Cards().indexOf(a.Card);
                if (i < 0) {
                    failure = QStringLiteral("the card played is not in the core's hand");
                    return;
                }
                Act(headless, TAction::Card(i));
                break;
            }
            case TDriverAction::akTransfer: {
                const int i = headless.Man().Cards().indexOf(a.Card);
                if (i < 0 || !Act(headless, TAction::Transfer(i))) {
                    failure = QStringLiteral("the core refused the person's transfer");
                    return;
                }
                break;
            }
            case TDriverAction::akButton:
                // In a state with no game, the new game that follows is its own action.
                Act(headless, TGame::NoneAction(headless.P.State, ptMan));
                break;
            }
            // The core's game ended in this action: count it as the window must have.
            if (headless.P.State == gsOver && before != gsOver)
                ++counts[headless.Outcome == ocWon ? 0 : headless.Outcome == ocLost ? 1 : 2];
            ++actions;
            if (qEnvironmentVariableIntValue("VESK_DIFF_TRACE") == game)
                qInfo("%d %s | man %s | cpu %s | table %s | state %d || w: cpu %s table %s %d",
                      int(a.Kind), CardName(a.Card).c_str(),
                      CardNames(headless.Man().Cards()).c_str(),
                      CardNames(headless.Cpu().Cards()).c_str(),
                      TableNames(headless.P.Table).c_str(), int(headless.P.State),
                      probe.CoreCpu().c_str(), probe.CoreTable().c_str(), probe.CoreState());
            const QString d = probe.Difference(headless, saying.Message, counts);
            if (!d.isEmpty())
                failure = QStringLiteral("seed %1, action %2: %3").arg(game).arg(actions).arg(d);
        };
        int transfers = 0;
        for (game = 1; game <= games; ++game) {
            // The second half in the transfer game, from the next new game on.
            if ((game > games / 2) != window.mmTransferGame->isChecked())
                window.mmTransferGame->trigger();
            transfers += window.mmTransferGame->isChecked();
            if (!driver.PlayGame(std::uint32_t(game)))
                QFAIL(qPrintable(QStringLiteral("seed %1: %2").arg(game).arg(driver.Error)));
            if (!failure.isEmpty())
                QFAIL(qPrintable(failure));
        }
        QCOMPARE(counts[0] + counts[1] + counts[2], stored + games);
        QVERIFY(transfers > 0);
        qInfo("%d games (%d of the transfer game), %ld actions compared: won %d, lost %d, "
              "drawn %d",
              games, transfers, actions, counts[0], counts[1], counts[2]);
    }
};

QTEST_MAIN(TestDifferential)
#include "tst_differential.moc"

// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

// The strong player: what it may know, that it never looks further, that its every choice is
// legal, and that whole games with it keep the rules after every step.
#include "choicepoint.h"
#include "headless.h"
#include "infoset.h"
#include "invariants.h"
#include "strong.h"

#include <QTest>

#include <algorithm>

namespace {
// Little thinking: the suites must stay quick, also under the sanitizers.
TStrongSettings Quick() {
    TStrongSettings s;
    s.Samples = 8;
    s.SolverNodes = 20000;
    return s;
}

// Checks the position after every step the game shows.
class TCheckingView : public TGameView {
public:
    const TGame* Game = nullptr;
    QString Failure;
    long Events = 0;

    void GameStarting() override { FDealt = false; } // the old deal is being put away
    void Shuffled() override {
        FDealt = true;
        Check("the shuffle");
    }
    void StateSet(TGameState) override { Check("a state"); }
    void ButtonEnabled(bool) override { Check("the button"); }
    void News(TNews) override { Check("a message"); }
    void Pause(int) override { Check("a pause"); }
    void RolesSet() override {
        Check("the roles");
        if (const char* why = BrokenAtBoutStart(Game->P); why && Failure.isEmpty())
            Failure = QString::fromUtf8(why);
    }
    void TableCleared() override { Check("clearing the table"); }
    void Drawn(TVeskPlayerType, int) override { Check("drawing"); }
    void Arranged(TVeskPlayerType) override { Check("arranging"); }
    void Laid(TVeskPlayerType, int, bool) override { Check("laying a card"); }
    void TableTaken(TVeskPlayerType hand) override {
        // The taken cards are in the hand and still on the table until it is cleared.
        TPosition p = Game->P;
        if ((SetOf(p.Table.Cards) & ~SetOf(p.Hands[hand].Cards())) && Failure.isEmpty())
            Failure = "a taken card is not in the hand";
        p.Table.ClearTable();
        Check("taking", &p);
    }
    void GameEnded(TOutcome) override { Check("the end"); }
    void OutcomeShown(TOutcome) override { Check("the outcome"); }

private:
    void Check(const char* where, const TPosition* p = nullptr) {
        if (!FDealt || !Failure.isEmpty())
            return;
        ++Events;
        if (const char* why = BrokenInvariant(p ? *p : Game->P))
            Failure = QStringLiteral("%1, after %2").arg(QString::fromUtf8(why), where);
    }
    bool FDealt = false;
};

// The strong player, with every choice checked against the rules and the knowledge it is
// given checked against the real game.
class TCheckedStrong : public TCardPolicy {
public:
    TStrongPolicy Inner{Quick()};
    QString Failure;
    long Choices = 0;

    int ChooseAttack(const TGame& g, TVeskPlayerType seat) override {
        return Checked(g, seat, true, Inner.ChooseAttack(g, seat));
    }
    int ChooseDefence(const TGame& g, TVeskPlayerType seat) override {
        return Checked(g, seat, false, Inner.ChooseDefence(g, seat));
    }
    void NewDeal(const TGame& g) override { Inner.NewDeal(g); }

private:
    int Checked(const TGame& g, TVeskPlayerType seat, bool attack, int choice) {
        ++Choices;
        if (!Failure.isEmpty())
            return choice;
        const THand& hand = g.P.Hands[seat];
        if (choice < -1 || choice >= hand.CardCount())
            Failure = "an index outside the hand";
        else if (choice == -1 && attack && g.P.Table.AttackCount() == 0)
            Failure = "no card to lead a bout";
        else if (choice >= 0 && !g.CanPlay(attack ? 1 : 2, hand.Cards()[choice]))
            Failure = "an illegal card";
        CheckKnowledge(g, seat);
        return choice;
    }
    void CheckKnowledge(const TGame& g, TVeskPlayerType seat) {
        const TInfoSet info(g, seat);
        const TPosition& p = g.P;
        const TVeskPlayerType other = Other(seat);
        const int stock = p.Stock.Count();
        TCardSet hidden = SetOf(p.Hands[other].Cards()) & ~p.Shown[other];
        for (int i = 1; i < stock; ++i)
            hidden |= CardBit(p.Stock.Cards[i]);
        if (info.Unseen() != hidden && Failure.isEmpty())
            Failure = "the unseen cards are not the hidden ones";
        if (CardCount(info.Unseen()) != info.HiddenInHand() + std::max(0, stock - 1) &&
            Failure.isEmpty())
            Failure = "the unseen cards do not add up";
        if (const char* why = BrokenInvariant(info.Base().P); why && Failure.isEmpty())
            Failure = QStringLiteral("the view breaks the rules: %1").arg(why);
    }
};

// Positions along games of the computer's rules, where a choice is due.
QList<TGame> Positions(int count, std::uint32_t seed) {
    QList<TGame> out;
    TRulePolicy rule;
    TSplitMix random(seed);
    for (std::uint32_t deal = seed; out.size() < count; ++deal) {
        TGame g;
        g.NewGame(deal);
        TChoicePoint point;
        while (ChoiceDue(g, point) && out.size() < count) {
            if (random.Below(6) == 0)
                out << g;
            const int c =
                point.Attack ? rule.ChooseAttack(g, point.Seat) : rule.ChooseDefence(g, point.Seat);
            MakeChoice(g, point.Seat, c);
        }
    }
    return out;
}

// The seat's choice at a position taken while stepping, asked as the game would ask it.
int StrongChoice(TStrongPolicy& strong, const TGame& g) {
    TChoicePoint point;
    ChoiceDue(g, point);
    strong.NewDeal(g);
    return point.Attack ? strong.ChooseAttack(g, point.Seat) : strong.ChooseDefence(g, point.Seat);
}

// The hidden cards dealt anew: the other hand keeps its shown cards and its count, the stock
// its trump card at the bottom and its count.
TGame Permuted(const TGame& g, TVeskPlayerType seat, TSplitMix& random) {
    TGame out = g;
    TPosition& p = out.P;
    const TVeskPlayerType other = Other(seat);
    QList<TCardId> hidden;
    for (const TCardId c : p.Hands[other].Cards())
        if (!(p.Shown[other] & CardBit(c)))
            hidden << c;
    const int inHand = hidden.size();
    for (int i = 1; i < p.Stock.Count(); ++i)
        hidden << p.Stock.Cards[i];
    for (int i = hidden.size() - 1; i > 0; --i)
        hidden.swapItemsAt(i, random.Below(i + 1));
    TCardSet hand = p.Shown[other];
    for (int i = 0; i < inHand; ++i)
        hand |= CardBit(hidden[i]);
    FillHand(p.Hands[other], hand, p.Trump());
    for (int i = inHand; i < hidden.size(); ++i)
        p.Stock.Cards[1 + i - inHand] = hidden[i];
    return out;
}

bool SameView(const TGame& a, const TGame& b) {
    const TPosition& x = a.P;
    const TPosition& y = b.P;
    return x.Hands[0].Cards() == y.Hands[0].Cards() && x.Hands[1].Cards() == y.Hands[1].Cards() &&
           x.Table.Attack == y.Table.Attack && x.Table.Defence == y.Table.Defence &&
           x.Stock.Cards == y.Stock.Cards && x.Stock.Count() == y.Stock.Count() &&
           x.State == y.State && x.Discarded == y.Discarded && x.Shown[0] == y.Shown[0] &&
           x.Shown[1] == y.Shown[1] && x.FirstBout == y.FirstBout;
}

// Every card the strong seat lays, in order: a game's trace.
class TTrace : public TGameView {
public:
    QList<int> Steps;
    void Laid(TVeskPlayerType hand, int index, bool attack) override {
        Steps << hand * 1000 + index * 2 + attack;
    }
    void TableTaken(TVeskPlayerType hand) override { Steps << -1 - hand; }
};
} // namespace

class TestStrong : public QObject {
    Q_OBJECT
private slots:
    void steppingPlaysTheSameGames();
    void knowledgeIsTracked();
    void noPeeking();
    void wholeGames_data();
    void wholeGames();
    void sameSeedSameGame();
    void checkerCatches_data();
    void checkerCatches();
};

// Driven step by step, with each choice put back by MakeChoice, a game goes exactly as the
// driver plays it by itself.
void TestStrong::steppingPlaysTheSameGames() {
    TRulePolicy rule;
    for (std::uint32_t seed = 1; seed <= 300; ++seed) {
        TGame driven;
        const TOutcome outcome = PlayWholeGame(driven, seed, rule);
        TGame stepped;
        stepped.NewGame(seed);
        TChoicePoint point;
        int steps = 0;
        while (ChoiceDue(stepped, point) && ++steps < 1000) {
            const int c = point.Attack ? rule.ChooseAttack(stepped, point.Seat)
                                       : rule.ChooseDefence(stepped, point.Seat);
            MakeChoice(stepped, point.Seat, c);
        }
        QCOMPARE(stepped.P.State, gsOver);
        QCOMPARE(stepped.Outcome, outcome);
        QVERIFY(SameView(stepped, driven));
    }
}

// What each hand shows: the cards it took and has not laid since, and the trump card it drew;
// the discards are exactly the beaten bouts.
void TestStrong::knowledgeIsTracked() {
    TGame g;
    g.NewGame(11);
    QCOMPARE(g.P.Discarded, TCardSet(0));
    QCOMPARE(g.P.Shown[ptMan] | g.P.Shown[ptCPU], TCardSet(0));
    TRulePolicy rule;
    TSplitMix random(3);
    int takes = 0, beaten = 0, trumpShown = 0;
    for (std::uint32_t seed = 1; seed <= 200; ++seed) {
        g.NewGame(seed);
        TChoicePoint point;
        while (ChoiceDue(g, point)) {
            const TCardSet table = SetOf(g.P.Table.Cards);
            const TCardSet discarded = g.P.Discarded;
            const TCardSet shown[2] = {g.P.Shown[0], g.P.Shown[1]};
            const int stock = g.P.Stock.Count();
            const TCardId trumpCard = g.P.Stock.Cards[0];
            // Now and then a random card, so that hands take and show many cards.
            const int c = random.Below(3) == 0 ? ListChoices(g, point).Items[0]
                          : point.Attack       ? rule.ChooseAttack(g, point.Seat)
                                               : rule.ChooseDefence(g, point.Seat);
            MakeChoice(g, point.Seat, c);
            QVERIFY(!BrokenInvariant(g.P));
            if (g.P.Table.Cards.empty() && table && g.P.State != gsOver) {
                const TCardSet taken = (g.P.Shown[0] | g.P.Shown[1]) & ~(shown[0] | shown[1]);
                if (g.P.Discarded != discarded) {
                    ++beaten;
                    QCOMPARE(g.P.Discarded & taken, TCardSet(0));
                } else if (taken) {
                    ++takes;
                }
            }
            if (stock > 0 && g.P.Stock.Count() == 0) {
                ++trumpShown;
                const TCardSet bit = CardBit(trumpCard);
                QVERIFY(((g.P.Shown[0] | g.P.Shown[1]) & bit) || (g.P.Discarded & bit) ||
                        (SetOf(g.P.Table.Cards) & bit));
            }
        }
    }
    QVERIFY(takes > 100);
    QVERIFY(beaten > 100);
    QVERIFY(trumpShown > 100);
}

// The choice, and the view it is made from, stay the same when the other hand's hidden cards
// and the stock above its trump card are dealt anew among themselves.
void TestStrong::noPeeking() {
    TStrongPolicy strong(Quick());
    TSplitMix random(77);
    int compared = 0, differentDeals = 0;
    for (const TGame& g : Positions(120, 5)) {
        TChoicePoint point;
        ChoiceDue(g, point);
        const int choice = StrongChoice(strong, g);
        const TInfoSet view(g, point.Seat);
        for (int k = 0; k < 2; ++k) {
            const TGame other = Permuted(g, point.Seat, random);
            differentDeals += !SameView(other, g);
            QVERIFY(SameView(TInfoSet(other, point.Seat).Base(), view.Base()));
            QCOMPARE(TInfoSet(other, point.Seat).Key(), view.Key());
            QCOMPARE(StrongChoice(strong, other), choice);
            ++compared;
        }
    }
    QCOMPARE(compared, 240);
    QVERIFY(differentDeals > 150); // the permutations did change the hidden cards
}

void TestStrong::wholeGames_data() {
    QTest::addColumn<int>("seat");
    QTest::newRow("strong leads from the person's seat") << int(ptMan);
    QTest::newRow("strong as the computer") << int(ptCPU);
}

// Whole games against the computer's rules: every choice legal, what it is given agrees with
// the game, and the rules hold after every step the game shows.
void TestStrong::wholeGames() {
    QFETCH(int, seat);
    TCheckedStrong strong;
    TRulePolicy rule;
    TCheckingView view;
    long events = 0;
    for (std::uint32_t seed = 100; seed < 112; ++seed) {
        TGame g;
        view.Game = &g;
        g.View = &view;
        TPolicy& man = seat == ptMan ? static_cast<TPolicy&>(strong) : rule;
        TPolicy& computer = seat == ptCPU ? static_cast<TPolicy&>(strong) : rule;
        const TOutcome o = PlayWholeGame(g, seed, man, computer);
        QVERIFY2(strong.Failure.isEmpty(), qPrintable(strong.Failure));
        QVERIFY2(view.Failure.isEmpty(), qPrintable(view.Failure));
        QVERIFY(o != ocNone);
        events += view.Events;
    }
    QVERIFY(strong.Choices > 100);
    QVERIFY(events > 1000);
}

// A deal plays the same again, with a fresh player or the same one.
void TestStrong::sameSeedSameGame() {
    TRulePolicy rule;
    TStrongPolicy reused(Quick());
    QList<int> first;
    for (int round = 0; round < 3; ++round) {
        TStrongPolicy fresh(Quick());
        TTrace trace;
        TGame g;
        g.View = &trace;
        QVERIFY(PlayWholeGame(g, 4242, rule, round == 1 ? fresh : reused) != ocNone);
        if (round == 0)
            first = trace.Steps;
        else
            QCOMPARE(trace.Steps, first);
    }
    QVERIFY(first.size() > 10);
}

void TestStrong::checkerCatches_data() {
    QTest::addColumn<QString>("man");
    QTest::addColumn<QString>("cpu");
    QTest::addColumn<QString>("attack");
    QTest::addColumn<QString>("defence");
    QTest::addColumn<int>("fault");
    QTest::addColumn<QString>("why");
    // Trumps are hearts throughout.
    QTest::newRow("a legal position") << "6C 7C"
                                      << "8D 9D"
                                      << "10C 10D"
                                      << "QC" << 0 << "";
    QTest::newRow("a card twice") << "6C 7C"
                                  << "8D 9D"
                                  << "10C"
                                  << "" << 1 << "a card of a hand lies twice";
    QTest::newRow("a card lost") << "6C 7C"
                                 << "8D 9D"
                                 << ""
                                 << "" << 2 << "a card is missing";
    QTest::newRow("out of order") << "6H 7C"
                                  << "8D 9D"
                                  << ""
                                  << "" << 0 << "a hand is out of order";
    QTest::newRow("a beater that does not beat") << "6C"
                                                 << "8D"
                                                 << "10C"
                                                 << "9C" << 0 << "a beater does not beat its card";
    QTest::newRow("a trump beaten by a plain card")
        << "6C"
        << "8D"
        << "7H"
        << "AS" << 0 << "a beater does not beat its card";
    QTest::newRow("a throw-in of no value on the table")
        << "6C"
        << "8D"
        << "10C 7D"
        << "JC" << 0 << "a thrown-in card matches no value on the table";
    QTest::newRow("a shown card not held") << "6C 7C"
                                           << "8D"
                                           << ""
                                           << "" << 3 << "a hand shows a card it does not hold";
    QTest::newRow("a discard still in play") << "6C 7C"
                                             << "8D"
                                             << ""
                                             << "" << 4 << "a discarded card lies in play";
    QTest::newRow("six attacks in the first bout")
        << "6C"
        << "8D 9D 9S AS 10S 6S"
        << "7C 7D 7S JC JD JS"
        << "" << 5 << "too many attacking cards for the bout";
    QTest::newRow("two unbeaten while beating")
        << "6C"
        << "8D 9D"
        << "7C 7D"
        << "" << 0 << "more than one unbeaten card while the defender beats";
}

namespace {
// "6C", "10H", "QS": rank then suit (clubs, diamonds, hearts, spades).
QList<TCardId> Cards(const QString& list) {
    static const QStringList ranks = {"6", "7", "8", "9", "10", "J", "Q", "K", "A"};
    QList<TCardId> out;
    for (const QString& n : list.split(' ', Qt::SkipEmptyParts))
        out << TCardId{TCardSuit(QStringLiteral("CDHS").indexOf(n.back())),
                       TCardValue(ranks.indexOf(n.left(n.size() - 1)))};
    return out;
}
} // namespace

// The checker itself: a laid-out position passes, and each broken rule is named.
void TestStrong::checkerCatches() {
    QFETCH(QString, man);
    QFETCH(QString, cpu);
    QFETCH(QString, attack);
    QFETCH(QString, defence);
    QFETCH(int, fault);
    QFETCH(QString, why);
    TPosition p;
    p.State = gsCPUAttack;
    const TCardId trumpCard{2, 0}; // six of hearts, unless a hand holds it
    TCardSet used = 0;
    TCardList written;
    for (const TCardId c : Cards(man)) {
        written.push_back(c); // as written: the order is the row's
        used |= CardBit(c);
    }
    p.Hands[ptMan].SetCards(written, trumpCard.Suit);
    for (const TCardId c : Cards(cpu)) {
        p.Hands[ptCPU].AddCard(c, 2);
        used |= CardBit(c);
    }
    // Laid in turn: each attacking card, then its beater.
    const QList<TCardId> attacks = Cards(attack);
    const QList<TCardId> beaters = Cards(defence);
    for (int i = 0; i < attacks.size(); ++i) {
        p.Table.PutAttack(attacks[i]);
        used |= CardBit(attacks[i]);
        if (i < beaters.size()) {
            p.Table.PutDefence(beaters[i]);
            used |= CardBit(beaters[i]);
        }
    }
    // The rest in the stock, a heart at the bottom.
    std::array<TCardId, 36> stock{};
    int n = 0;
    const TCardId bottom = (used & CardBit(trumpCard)) ? TCardId{2, 8} : trumpCard;
    stock[n++] = bottom;
    for (int b = 0; b < 36; ++b)
        if (!(used & (TCardSet(1) << b)) && !(CardOfBit(b) == bottom))
            stock[n++] = CardOfBit(b);
    p.Stock.SetCards(stock, n);
    switch (fault) {
    case 1:
        p.Hands[ptCPU].AddCard(p.Hands[ptMan].Cards()[0], 2);
        break;
    case 2:
        p.Hands[ptCPU].ExtractCard(0);
        break;
    case 3:
        p.Shown[ptMan] |= CardBit(p.Hands[ptCPU].Cards()[0]);
        break;
    case 4:
        p.Discarded |= CardBit(p.Hands[ptMan].Cards()[0]);
        break;
    case 5:
        p.FirstBout = true;
        p.State = gsCPUTakes;
        break;
    }
    const char* got = BrokenInvariant(p);
    QCOMPARE(QString::fromUtf8(got ? got : ""), why);
}

QTEST_GUILESS_MAIN(TestStrong)
#include "tst_strong.moc"

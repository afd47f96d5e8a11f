// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

// The hand, the table and the stock pile, with the cards the pile owns.
#include "artwork.h"
#include "cardbatch.h"
#include "gameplace.h"
#include "playerplace.h"

#include <QApplication>
#include <QPointer>
#include <QTest>

#include <memory>
#include <set>

namespace {
// A window holding a table (with the pile on it) and a hand, as the game lays them out.
struct Board {
    std::unique_ptr<QWidget> window = std::make_unique<QWidget>();
    TPlayerPlace* hand = new TPlayerPlace(window.get());
    TGamePlace* table = new TGamePlace(window.get());
    TCardBatch* pile = nullptr;

    Board() {
        window->resize(590, 404);
        hand->setGeometry(0, 294, 590, 110);
        table->setGeometry(0, 110, 590, 184);
        TCardBatch::SeedSource = [] { return 12345u; };
        pile = new TCardBatch(table);
        pile->setGeometry(452, 0, 129, 144);
    }
    // The card with the given number, wherever it lies.
    TCard* card(int number) const {
        for (auto& c : pile->Cards)
            if (c->CardNomber() == number)
                return c;
        return nullptr;
    }
    void deal(TPlayerPlace* to, std::initializer_list<int> numbers) const {
        for (int n : numbers)
            to->AddCard(card(n));
    }
};

QList<int> Lefts(const TPlayerPlace* hand) {
    QList<int> l;
    for (const TCard* c : hand->Cards)
        l << c->x();
    return l;
}
} // namespace

class TestContainers : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { TCardBatch::SeedSource = nullptr; }

    void layout_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("step");
        QTest::newRow("1 card") << 590 << 1 << 257 << 75;
        QTest::newRow("6 cards") << 590 << 6 << 70 << 75;
        QTest::newRow("7 cards") << 590 << 7 << 32 << 75;
        QTest::newRow("8 cards spread") << 590 << 8 << 2 << 73;
        QTest::newRow("9 cards spread") << 590 << 9 << 2 << 64;
        QTest::newRow("36 cards spread") << 590 << 36 << 2 << 14;
        QTest::newRow("exactly 75 x n spreads") << 450 << 6 << 2 << 75;
    }
    void layout() {
        QFETCH(int, width);
        QFETCH(int, n);
        QFETCH(int, first);
        QFETCH(int, step);
        Board b;
        b.hand->resize(width, 110);
        for (int i = 0; i < n; ++i)
            b.hand->AddCard(b.pile->Cards[35 - i]);
        QList<int> expected;
        for (int i = 0; i < n; ++i)
            expected << first + step * i;
        QCOMPARE(Lefts(b.hand), expected);
        for (int i = 0; i < n; ++i) {
            QCOMPARE(b.hand->Cards[i]->Index, i);
            if (i > 0) // sorted, and each card covers its left neighbour
                QVERIFY(TCard::CompareCards(b.hand->Cards[i - 1], b.hand->Cards[i]) < 0);
        }
        const QList<TCard*> stack = b.hand->findChildren<TCard*>(Qt::FindDirectChildrenOnly);
        QCOMPARE(stack, b.hand->Cards); // children are kept in stacking order
    }

    void addCard() {
        Board b;
        TCard* c = b.pile->Cards[20];
        b.hand->SetFaced(true);
        b.hand->AddCard(c);
        QCOMPARE(c->geometry(), QRect(257, 9, 71, 96));
        QCOMPARE(c->parentWidget(), b.hand);
        QVERIFY(c->Visible() && c->isVisibleTo(b.hand));
        QVERIFY(c->Faced());
        QCOMPARE(c->Index, 0);
        QVERIFY(c->OnClick && c->OnDblClick);
    }

    void facedOnEmptyHandOnlyStores() {
        Board b;
        b.hand->SetFaced(true);
        QVERIFY(b.hand->Faced());
        b.hand->AddCard(b.pile->Cards[5]);
        QVERIFY(b.pile->Cards[5]->Faced());
    }

    void addCardsRaisesWithoutSelecting_data() {
        QTest::addColumn<int>("player");
        QTest::addColumn<int>("top");
        QTest::newRow("human") << int(ptMan) << 0;
        QTest::newRow("computer") << int(ptCPU) << 9;
    }
    void addCardsRaisesWithoutSelecting() {
        QFETCH(int, player);
        QFETCH(int, top);
        Board b;
        b.hand->Player = TVeskPlayerType(player);
        b.deal(b.hand, {0, 11, 22});
        QList<TCard*> taken = {b.card(30), b.card(31), b.card(32)};
        taken[0]->Selected = true; // one the human had laid comes back selected
        b.hand->AddCards(taken);
        QCOMPARE(b.hand->CardCount(), 6);
        QCOMPARE(taken[0]->y(), top);
        QCOMPARE(taken[1]->y(), top);
        QCOMPARE(taken[2]->y(), top);
        QVERIFY(taken[0]->Selected);
        QVERIFY(!taken[1]->Selected && !taken[2]->Selected);
        QCOMPARE(b.card(0)->y(), 9);
        // The next click brings every other card back down and clears its flag.
        b.hand->CardClick(b.card(0));
        for (TCard* c : b.hand->Cards) {
            QCOMPARE(c->y(), c == b.card(0) ? 0 : 9);
            QCOMPARE(c->Selected, c == b.card(0));
        }
    }

    void clickSequence() {
        Board b;
        b.hand->SetFaced(true);
        b.deal(b.hand, {0, 1, 2});
        QStringList log;
        b.hand->OnCardClick = [&](TCard* c) {
            log << QStringLiteral("click %1 %2").arg(c->CardNomber()).arg(c->Selected);
        };
        b.hand->OnCardDblClick = [&](TCard* c) {
            log << QStringLiteral("dbl %1 %2").arg(c->CardNomber()).arg(c->Selected);
        };
        b.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(b.window.get()));
        TCard* c = b.card(1);
        QTest::mouseClick(c, Qt::LeftButton, {}, QPoint(30, 40));
        QCOMPARE(c->y(), 0);
        QVERIFY(c->Selected);
        QTest::mouseClick(c, Qt::LeftButton, {}, QPoint(30, 40));
        QCOMPARE(log, (QStringList{"click 1 0", "click 1 1"}));
        log.clear();
        // A double click: one click, then the double click.
        QWindow* win = b.window->windowHandle();
        const QPoint at = b.card(2)->mapTo(b.window.get(), QPoint(30, 40));
        QTest::mouseDClick(win, Qt::LeftButton, {}, at);
        QCOMPARE(log, (QStringList{"click 2 0", "dbl 2 1"}));
        QVERIFY(!b.card(1)->Selected);
        QCOMPARE(b.card(1)->y(), 9);
    }

    void releaseElsewhereIsNoClick() {
        Board b;
        b.deal(b.hand, {0, 1});
        int clicks = 0;
        b.hand->OnCardClick = [&](TCard*) { ++clicks; };
        b.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(b.window.get()));
        TCard* c = b.card(0);
        QTest::mousePress(c, Qt::LeftButton, {}, QPoint(10, 10));
        QTest::mouseRelease(c, Qt::LeftButton, {}, QPoint(200, 10));
        QCOMPARE(clicks, 0);
        b.hand->setEnabled(false);
        QTest::mouseClick(c, Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(clicks, 0);
    }

    void extractLeavesGap() {
        Board b;
        b.deal(b.hand, {0, 1, 2, 3, 4});
        const QList<int> before = Lefts(b.hand);
        TCard* c = b.hand->ExtractCard(2);
        QCOMPARE(c, b.card(2));
        QVERIFY(!c->OnClick && !c->OnDblClick);
        QCOMPARE(c->parentWidget(), b.hand);
        QCOMPARE(c->Index, 2);
        QCOMPARE(b.hand->CardCount(), 4);
        for (int i = 0; i < 4; ++i)
            QCOMPARE(b.hand->Cards[i]->Index, i);
        QCOMPARE(Lefts(b.hand), (QList<int>{before[0], before[1], before[3], before[4]}));
    }

    void clearHandOnlyForgets() {
        Board b;
        b.deal(b.hand, {5, 6});
        b.hand->ClearHand();
        QCOMPARE(b.hand->CardCount(), 0);
        QCOMPARE(b.card(5)->parentWidget(), b.hand);
        QVERIFY(b.card(5)->Visible() && b.card(5)->OnClick);
    }

    void findMinMax_data() {
        QTest::addColumn<int>("bound");
        QTest::addColumn<int>("suit");
        QTest::addColumn<int>("min");
        QTest::addColumn<int>("max");
        // Hand (hand order): 6C 9C KC 7D AD
        QTest::newRow("clubs, any") << 0 << 0 << 0 << 0;
        QTest::newRow("clubs from or up to nine") << 3 << 0 << 1 << 1;
        QTest::newRow("clubs above all") << 8 << 0 << -1 << 2;
        QTest::newRow("clubs from or up to ten") << 4 << 0 << 2 << 1;
        QTest::newRow("suit not held") << 0 << 3 << -1 << -1;
        QTest::newRow("diamonds from or up to ace") << 8 << 1 << 4 << 4;
    }
    void findMinMax() {
        QFETCH(int, bound);
        QFETCH(int, suit);
        QFETCH(int, min);
        QFETCH(int, max);
        Board b;
        for (auto& c : b.pile->Cards)
            c->IsTrump = false;
        b.deal(b.hand, {0, 3, 7, 11, 18});
        QCOMPARE(b.hand->FindMinCard(TCardValue(bound), TCardSuit(suit)), min);
        QCOMPARE(b.hand->FindMaxCard(TCardValue(bound), TCardSuit(suit)), max);
    }

    void tablePositions() {
        Board b;
        QCOMPARE(int(b.table->AttackCount()), 0);
        QVERIFY(!b.table->UnbeatenCard());
        for (int k = 0; k < 3; ++k) {
            TCard* a = b.card(k);
            a->SetFaced(false);
            b.table->PutAttack(a);
            QVERIFY(a->Faced());
            QCOMPARE(b.table->UnbeatenCard(), a);
            TCard* d = b.card(10 + k);
            b.table->PutDefence(d);
            QVERIFY(!b.table->UnbeatenCard());
            QCOMPARE(a->pos(), QPoint(75 * k + 4, 4));
            QCOMPARE(d->pos(), QPoint(75 * k + 8, 52));
        }
        QCOMPARE(b.card(2)->pos(), QPoint(154, 4));
        QCOMPARE(b.card(12)->pos(), QPoint(158, 52));
        QCOMPARE(b.table->Cards, (QList<TCard*>{b.card(0), b.card(10), b.card(1), b.card(11),
                                                b.card(2), b.card(12)}));
        // The beating card lies in front of what it beats.
        const QList<QObject*> kids = b.table->children();
        QVERIFY(kids.indexOf(b.card(12)) > kids.indexOf(b.card(2)));
        b.table->PutAttack(b.card(3));
        b.table->PutAttack(b.card(4));
        QCOMPARE(b.table->UnbeatenCard(), b.card(4));
    }

    void clearAfterTake() {
        Board b;
        b.table->PutAttack(b.card(0));
        b.table->PutDefence(b.card(1));
        b.hand->AddCards(b.table->Cards);
        const QPoint at = b.card(0)->pos();
        b.table->ClearTable();
        QCOMPARE(b.table->Cards.size(), 0);
        QCOMPARE(b.table->AttackCount() + b.table->DefenceCount(), 0);
        QCOMPARE(b.card(0)->parentWidget(), b.hand);
        QCOMPARE(b.card(0)->pos(), at);
        QVERIFY(b.card(0)->isVisibleTo(b.hand));
    }

    void clearAfterBeatenBout() {
        Board b;
        b.window->show();
        b.table->PutAttack(b.card(0));
        b.table->PutDefence(b.card(1));
        b.table->ClearTable();
        for (int n : {0, 1}) {
            QVERIFY(!b.card(n)->parentWidget());
            QVERIFY(!b.card(n)->isVisible());
        }
        for (QWidget* w : QApplication::topLevelWidgets())
            QVERIFY(!qobject_cast<TCard*>(w) || !w->isVisible());
        b.table->ClearTable(); // empty: nothing happens
    }

    void staircase() {
        Board b;
        auto& c = b.pile->Cards;
        QCOMPARE(c[0]->geometry(), QRect(8, 4, 71, 96));
        QVERIFY(c[0]->Faced());
        QCOMPARE(c[17]->pos(), QPoint(15, 47));
        QVERIFY(!c[17]->Visible());
        QCOMPARE(c[18]->pos(), QPoint(18, 50));
        QVERIFY(c[18]->Visible());
        QVERIFY(!c[34]->Visible() && !c[35]->Visible());
        QCOMPARE(c[35]->geometry(), QRect(33, 65, 96, 71));
        int visible = 0;
        for (int i = 0; i < 36; ++i) {
            visible += c[i]->Visible();
            QCOMPARE(c[i]->parentWidget(), b.pile);
            if (i > 0)
                QCOMPARE(c[i]->Orientation(), coHorisontal);
        }
        QCOMPARE(visible, 14);
        // Higher indexes lie above lower ones.
        const QList<TCard*> stack = b.pile->findChildren<TCard*>(Qt::FindDirectChildrenOnly);
        for (int i = 0; i < 36; ++i)
            QCOMPARE(stack[i], c[i].data());
    }

    void shuffleDealsEveryCardOnce() {
        Board b;
        for (std::uint32_t seed : {0u, 1u, 86399999u, 4242u}) {
            TCardBatch::SeedSource = [seed] { return seed; };
            b.pile->Shuffle();
            std::set<int> numbers;
            const int trump = b.pile->TrumpSuit();
            QCOMPARE(int(b.pile->TrumpValue()), int(b.pile->Cards[0]->Value()));
            for (auto& c : b.pile->Cards) {
                numbers.insert(c->CardNomber());
                QCOMPARE(c->IsTrump, c->Suit() == trump);
                QVERIFY(!c->Selected && !c->OnClick);
                QCOMPARE(c->FaceBitmap, LoadCardBitmap(c->Suit(), c->Value()));
            }
            QCOMPARE(int(numbers.size()), 36);
            QCOMPARE(*numbers.rbegin(), 38);
            for (int n : numbers)
                QVERIFY(n % 10 != 9);
            QCOMPARE(int(b.pile->Count()), 36);
        }
    }

    void sameSeedSameOrder() {
        Board b;
        QList<int> first, second;
        b.pile->Shuffle();
        for (auto& c : b.pile->Cards)
            first << c->CardNomber();
        b.pile->Shuffle();
        for (auto& c : b.pile->Cards)
            second << c->CardNomber();
        QCOMPARE(first, second);
        TCardBatch::SeedSource = [] { return 54321u; };
        b.pile->Shuffle();
        second.clear();
        for (auto& c : b.pile->Cards)
            second << c->CardNomber();
        QVERIFY(first != second);
    }

    void shuffleTakesEverythingBack() {
        Board b;
        b.hand->AddCard(b.pile->PopCard());
        b.table->PutAttack(b.pile->PopCard());
        b.table->PutDefence(b.pile->PopCard());
        b.table->ClearTable();
        b.table->PutAttack(b.pile->PopCard());
        b.pile->Shuffle();
        QCOMPARE(b.table->Cards.size(), 0);
        for (auto& c : b.pile->Cards)
            QCOMPARE(c->parentWidget(), b.pile);
    }

    void shuffleOffTheTableClearsNoTable() {
        Board b;
        b.table->PutAttack(b.card(0));
        QWidget other;
        b.pile->setParent(&other);
        b.pile->Shuffle();
        QCOMPARE(b.table->Cards.size(), 1); // only the list: the card went back to the pile
        b.pile->setParent(b.table);
    }

    void popDownToEmpty() {
        Board b;
        QList<TCard*> popped;
        while (TCard* c = b.pile->PopCard()) {
            QCOMPARE(c, b.pile->Cards[b.pile->Count()].data());
            QCOMPARE(c->parentWidget(), b.pile); // untouched until its taker moves it
            popped << c;
        }
        QCOMPARE(popped.size(), 36);
        QCOMPARE(popped.last(), b.pile->Cards[0].data()); // the trump card comes last
        QCOMPARE(int(b.pile->Count()), 0);
        QVERIFY(!b.pile->PopCard());
        QCOMPARE(int(b.pile->Count()), 0);
    }

    void emptyPileShowsTrumpSign() {
        Board b;
        auto inkAround = [&](const QColor& ink) {
            QImage img(b.pile->size(), QImage::Format_RGB32);
            img.fill(Qt::white);
            b.pile->render(&img, QPoint(), QRegion(), QWidget::RenderFlags());
            int n = 0;
            for (int y = 0; y < img.height(); ++y)
                for (int x = 0; x < img.width(); ++x)
                    if (QColor(img.pixel(x, y)) == ink) {
                        ++n;
                        if (x < 59 || y < 64) // the sign stands right of and below its corner
                            return -1;
                    }
            return n;
        };
        // Take every card away so that only the pile's own painting remains.
        while (TCard* c = b.pile->PopCard())
            b.hand->AddCard(c);
        const int suit = b.pile->TrumpSuit();
        const QColor ink = (suit == 1 || suit == 2) ? QColor(255, 0, 0) : QColor(0, 0, 0);
        QVERIFY(inkAround(ink) > 30);
    }

    void everyCardDestroyedOnce() {
        std::set<QObject*> destroyed;
        int count = 0;
        {
            Board b;
            for (auto& c : b.pile->Cards)
                QObject::connect(c, &QObject::destroyed, [&](QObject* o) {
                    ++count;
                    destroyed.insert(o);
                });
            b.hand->AddCard(b.pile->PopCard());
            auto* second = new TPlayerPlace(b.window.get());
            second->AddCard(b.pile->PopCard());
            b.table->PutAttack(b.pile->PopCard());
            b.table->PutDefence(b.pile->PopCard());
            b.table->PutAttack(b.pile->PopCard());
            b.table->ClearTable(); // three cards with no parent
            b.table->PutAttack(b.pile->PopCard());
        }
        QCOMPARE(count, 36);
        QCOMPARE(int(destroyed.size()), 36);
    }
};

QTEST_MAIN(TestContainers)
#include "tst_containers.moc"

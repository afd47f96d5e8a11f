// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

// The card: its number, flags, orientation, hand order and painting.
#include "artwork.h"
#include "card.h"
#include "cardbatch.h"
#include "greenparent.h"

#include <QApplication>
#include <QPainter>
#include <QTest>

namespace {
// Counts the paint events a widget receives.
struct PaintCounter : QObject {
    int paints = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

// A face picture that is white with a black frame, like the real ones.
QImage TestFace() {
    QImage img(71, 96, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setPen(Qt::black);
    p.drawRect(1, 1, 68, 93);
    return img;
}

QImage Render(QWidget* w, const QColor& under) {
    QImage img(w->size(), QImage::Format_RGB32);
    img.fill(under);
    w->render(&img, QPoint(), QRegion(), QWidget::RenderFlags());
    return img;
}

std::unique_ptr<TCard> Card(int number, bool trump = false) {
    auto c = std::make_unique<TCard>();
    c->SetCardNomber(std::uint8_t(number));
    c->IsTrump = trump;
    return c;
}

// The compiled-in picture read straight from its file, not through the program's loader.
QImage PictureFile(int id, const char* suffix = "") {
    return QImage(QStringLiteral(":/cards/%1%2.png").arg(id).arg(QLatin1String(suffix)))
        .convertToFormat(QImage::Format_RGB32);
}

// What a face shows on an even ground: its picture with the twelve corner pixels of the ground.
QImage FaceOn(QImage face, const QColor& ground) {
    const int w = face.width(), h = face.height();
    for (const QPoint& p :
         {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(w - 1, 0), QPoint(w - 2, 0),
          QPoint(w - 1, 1), QPoint(0, h - 1), QPoint(0, h - 2), QPoint(1, h - 1),
          QPoint(w - 1, h - 1), QPoint(w - 2, h - 1), QPoint(w - 1, h - 2)})
        face.setPixel(p, ground.rgb());
    return face;
}

// The back from its rules: a yellow rounded rectangle with a 10 x 10 corner ellipse and the
// black 2-pixel outline inside the card, then the red cross-hatch over it, on the ground.
QImage BackOn(QSize size, const QColor& ground) {
    QImage img(size, QImage::Format_RGB32);
    img.fill(ground);
    QPainter p(&img);
    p.setPen(QPen(Qt::black, 2));
    const QRect r = QRect(QPoint(), size).adjusted(1, 1, -1, -1);
    p.setBrush(QColor(255, 255, 0));
    p.drawRoundedRect(r, 5, 5);
    p.setBrush(QBrush(QColor(255, 0, 0), Qt::DiagCrossPattern));
    p.drawRoundedRect(r, 5, 5);
    return img;
}

// The card as its parent shows it on the screen.
QImage Shown(TCard* card) {
    const QPixmap shot = card->parentWidget()->grab(card->geometry());
    return shot.toImage().convertToFormat(QImage::Format_RGB32);
}
} // namespace

class TestCard : public QObject {
    Q_OBJECT
private slots:
    void numbersRoundTrip() {
        TCard c;
        for (int suit = 0; suit < 4; ++suit)
            for (int value = 0; value < 9; ++value) {
                const int n = suit * 10 + value;
                c.SetCardNomber(std::uint8_t(n));
                QCOMPARE(int(c.CardNomber()), n);
                QCOMPARE(int(c.Suit()), suit);
                QCOMPARE(int(c.Value()), value);
            }
        c.SetCardNomber(38);
        QCOMPARE(int(c.Suit()), 3);
        QCOMPARE(int(c.Value()), 8);
        c.SetCardNomber(10);
        QCOMPARE(int(c.Suit()), 1);
        QCOMPARE(int(c.Value()), 0);
    }

    void creationDefaults() {
        TCard c;
        QCOMPARE(int(c.CardNomber()), 0);
        QCOMPARE(c.Index, -1);
        QVERIFY(!c.Faced());
        QVERIFY(!c.IsTrump);
        QVERIFY(!c.Selected);
        QCOMPARE(c.Orientation(), coVertical);
        QCOMPARE(c.geometry(), QRect(0, 0, 71, 96));
        QVERIFY(!c.parentWidget());
        QVERIFY(!c.OnClick && !c.OnDblClick);
    }

    void repaintRequests_data() {
        QTest::addColumn<bool>("faced");
        QTest::addColumn<bool>("setNumber"); // else set Faced
        QTest::addColumn<bool>("repaints");
        QTest::newRow("number on a face-up card") << true << true << true;
        QTest::newRow("number on a face-down card") << false << true << false;
        QTest::newRow("Faced to true") << false << false << false;
        QTest::newRow("Faced to false") << true << false << false;
    }
    void repaintRequests() {
        QFETCH(bool, faced);
        QFETCH(bool, setNumber);
        QFETCH(bool, repaints);
        std::unique_ptr<QWidget> parent(GreenParent());
        auto* c = new TCard(parent.get());
        c->SetFaced(faced);
        c->FaceBitmap = TestFace();
        parent->show();
        QVERIFY(QTest::qWaitForWindowExposed(parent.get()));
        QApplication::processEvents();
        PaintCounter counter;
        c->installEventFilter(&counter);
        if (setNumber)
            c->SetCardNomber(24);
        else
            c->SetFaced(!faced);
        QApplication::processEvents();
        QCOMPARE(counter.paints > 0, repaints);
    }

    void turnsAboutTopLeft() {
        TCard c;
        c.move(100, 30);
        c.SetOrientation(coHorisontal);
        QCOMPARE(c.geometry(), QRect(100, 30, 96, 71));
        c.SetOrientation(coHorisontal);
        QCOMPARE(c.size(), QSize(96, 71));
        c.SetOrientation(coVertical);
        QCOMPARE(c.geometry(), QRect(100, 30, 71, 96));
    }

    void compareCards_data() {
        QTest::addColumn<int>("a");
        QTest::addColumn<bool>("aTrump");
        QTest::addColumn<int>("b");
        QTest::addColumn<bool>("bTrump");
        QTest::addColumn<int>("expected");
        QTest::newRow("trump six after plain ace") << 20 << true << 38 << false << 1;
        QTest::newRow("plain ace before trump six") << 38 << false << 20 << true << -1;
        QTest::newRow("ace of clubs before six of diamonds") << 8 << false << 10 << false << -1;
        QTest::newRow("two trumps by value") << 28 << true << 24 << true << 1;
        QTest::newRow("same number") << 14 << false << 14 << false << 0;
    }
    void compareCards() {
        QFETCH(int, a);
        QFETCH(bool, aTrump);
        QFETCH(int, b);
        QFETCH(bool, bTrump);
        QFETCH(int, expected);
        auto ca = Card(a, aTrump);
        auto cb = Card(b, bTrump);
        QCOMPARE(TCard::CompareCards(ca.get(), cb.get()), expected);
        QCOMPARE(TCard::CompareCards(ca.get(), ca.get()), 0);
    }

    void handOrderExample() {
        // Hearts are trumps: AH 6S 7C KD 6H 10C sorts as 7C 10C KD 6S 6H AH.
        std::vector<std::unique_ptr<TCard>> cards;
        for (int n : {28, 30, 1, 17, 20, 4})
            cards.push_back(Card(n, n / 10 == 2));
        std::vector<TCard*> hand;
        for (auto& c : cards)
            hand.push_back(c.get());
        std::sort(hand.begin(), hand.end(),
                  [](TCard* a, TCard* b) { return TCard::CompareCards(a, b) < 0; });
        QList<int> order;
        for (TCard* c : hand)
            order << c->CardNomber();
        QCOMPARE(order, (QList<int>{1, 4, 17, 30, 20, 28}));
    }

    void bitmapIds_data() {
        QTest::addColumn<int>("suit");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("id");
        QTest::newRow("six of clubs") << 0 << 0 << 6;
        QTest::newRow("ace of clubs") << 0 << 8 << 1;
        QTest::newRow("ace of diamonds") << 1 << 8 << 14;
        QTest::newRow("king of hearts") << 2 << 7 << 39;
        QTest::newRow("ace of spades") << 3 << 8 << 40;
        QTest::newRow("king of spades") << 3 << 7 << 52;
    }
    void bitmapIds() {
        QFETCH(int, suit);
        QFETCH(int, value);
        QFETCH(int, id);
        QCOMPARE(int(CardBitmapIds[suit * 9 + value]), id);
    }

    void bitmapIdsFollowTheLongPack() {
        for (int suit = 0; suit < 4; ++suit)
            for (int value = 0; value < 9; ++value) {
                const int r = value == 8 ? 1 : value + 6;
                QCOMPARE(int(CardBitmapIds[suit * 9 + value]), 13 * suit + r);
            }
    }

    void faceCorners_data() {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<bool>("hasParent");
        QTest::addColumn<QList<bool>>("green"); // tl, tr, bl, br
        QTest::newRow("inside the parent") << QPoint(50, 50) << true << QList<bool>{1, 1, 1, 1};
        QTest::newRow("at top 0") << QPoint(50, 0) << true << QList<bool>{0, 0, 1, 1};
        QTest::newRow("at left 0") << QPoint(0, 50) << true << QList<bool>{0, 1, 0, 1};
        QTest::newRow("right and bottom two pixels out")
            << QPoint(300 - 71 - 1, 300 - 96 - 1) << true << QList<bool>{1, 0, 0, 0};
        QTest::newRow("no parent") << QPoint(50, 50) << false << QList<bool>{0, 0, 0, 0};
    }
    void faceCorners() {
        QFETCH(QPoint, at);
        QFETCH(bool, hasParent);
        QFETCH(QList<bool>, green);
        std::unique_ptr<QWidget> parent(GreenParent());
        auto* c = new TCard(hasParent ? parent.get() : nullptr);
        std::unique_ptr<TCard> orphan(hasParent ? nullptr : c);
        c->move(at);
        c->SetFaced(true);
        c->FaceBitmap = TestFace();
        const QImage img = Render(c, Qt::blue);
        const QList<QList<QPoint>> corners = {{{0, 0}, {1, 0}, {0, 1}},
                                              {{70, 0}, {69, 0}, {70, 1}},
                                              {{0, 95}, {0, 94}, {1, 95}},
                                              {{70, 95}, {69, 95}, {70, 94}}};
        for (int k = 0; k < 4; ++k)
            for (const QPoint& p : corners[k])
                QCOMPARE(QColor(img.pixel(p)), green[k] ? Green : QColor(Qt::white));
        QCOMPARE(QColor(img.pixel(2, 1)), QColor(Qt::black)); // the picture's own frame
        QCOMPARE(QColor(img.pixel(35, 48)), QColor(Qt::white));
    }

    void cornerUnderAnotherCardShowsNoParent() {
        std::unique_ptr<QWidget> parent(GreenParent());
        auto* other = new TCard(parent.get());
        other->move(0, 0);
        auto* c = new TCard(parent.get());
        c->move(60, 60); // top-left sample (59, 59) lies on the other card
        c->SetFaced(true);
        c->FaceBitmap = TestFace();
        const QImage img = Render(c, Qt::blue);
        QCOMPARE(QColor(img.pixel(0, 0)), QColor(Qt::white));
        QCOMPARE(QColor(img.pixel(70, 0)), Green);
    }

    void back_data() {
        QTest::addColumn<bool>("faced");
        QTest::addColumn<int>("orientation");
        QTest::newRow("face down upright") << false << int(coVertical);
        QTest::newRow("face down crosswise") << false << int(coHorisontal);
        QTest::newRow("face up crosswise shows its back") << true << int(coHorisontal);
    }
    void back() {
        QFETCH(bool, faced);
        QFETCH(int, orientation);
        TCard c;
        c.SetFaced(faced);
        c.FaceBitmap = TestFace();
        c.SetOrientation(TCardOrientation(orientation));
        const QImage img = Render(&c, Green);
        QCOMPARE(img.size(), c.size());
        int yellow = 0, red = 0, white = 0;
        for (int y = 3; y < img.height() - 3; ++y)
            for (int x = 3; x < img.width() - 3; ++x) {
                const QColor px(img.pixel(x, y));
                yellow += px == QColor(255, 255, 0);
                red += px == QColor(255, 0, 0);
                white += px == QColor(Qt::white);
            }
        QVERIFY(yellow > red && red > 200);
        QCOMPARE(white, 0);
        // Outline black on every side, corners showing what lies under the card.
        const int w = img.width(), h = img.height();
        for (const QPoint& p : {QPoint(w / 2, 0), QPoint(w / 2, h - 1), QPoint(0, h / 2),
                                QPoint(w - 1, h / 2), QPoint(w / 2, 1), QPoint(1, h / 2)})
            QCOMPARE(QColor(img.pixel(p)), QColor(Qt::black));
        for (const QPoint& p :
             {QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 1), QPoint(w - 1, h - 1)})
            QCOMPARE(QColor(img.pixel(p)), Green);
        // The same back on every repaint.
        QCOMPARE(Render(&c, Green), img);
    }

    // At ratio 1 every face is its picture copied pixel for pixel, even where the double-size
    // picture is loaded for another, denser screen.
    void facesAtRatio1_data() {
        QTest::addColumn<int>("number");
        QTest::addColumn<bool>("with2x");
        for (int suit = 0; suit < 4; ++suit)
            for (int value = 0; value < 9; ++value)
                for (bool with2x : {false, true})
                    QTest::addRow("card %d%s", suit * 10 + value, with2x ? ", 2x loaded" : "")
                        << suit * 10 + value << with2x;
    }
    void facesAtRatio1() {
        QFETCH(int, number);
        QFETCH(bool, with2x);
        TCardBatch::UseSeedsFrom(7);
        TCardBatch pile;
        TCardBatch::SeedSource = nullptr;
        TCard* card = nullptr;
        for (TCard* c : pile.Cards)
            if (c->CardNomber() == number)
                card = c;
        QVERIFY(card);
        const int id = CardBitmapIds[card->Suit() * 9 + card->Value()];
        if (with2x)
            card->FaceBitmap2x = PictureFile(id, "@2x");
        std::unique_ptr<QWidget> parent(GreenParent());
        card->SetParentControl(parent.get());
        card->SetOrientation(coVertical);
        card->SetFaced(true);
        card->move(50, 50);
        card->setVisible(true);
        QCOMPARE(parent->devicePixelRatioF(), 1.0);
        QCOMPARE(Shown(card), FaceOn(PictureFile(id), Green));
        card->SetParentControl(&pile);
    }

    void backAtRatio1_data() {
        QTest::addColumn<bool>("faced");
        QTest::addColumn<int>("orientation");
        QTest::newRow("face down upright") << false << int(coVertical);
        QTest::newRow("face down crosswise") << false << int(coHorisontal);
        QTest::newRow("face up crosswise") << true << int(coHorisontal);
    }
    void backAtRatio1() {
        QFETCH(bool, faced);
        QFETCH(int, orientation);
        std::unique_ptr<QWidget> parent(GreenParent());
        auto* c = new TCard(parent.get());
        c->SetCardNomber(38);
        c->FaceBitmap = PictureFile(40);
        c->SetFaced(faced);
        c->SetOrientation(TCardOrientation(orientation));
        c->move(50, 50);
        QCOMPARE(Shown(c), BackOn(c->size(), Green));
        // A second card of the other orientation in between leaves the first one as it was.
        auto* other = new TCard(parent.get());
        other->SetOrientation(orientation == coVertical ? coHorisontal : coVertical);
        other->move(150, 150);
        QCOMPARE(Shown(other), BackOn(other->size(), Green));
        QCOMPARE(Shown(c), BackOn(c->size(), Green));
    }

    void faceDownIgnoresNumber() {
        TCard c;
        c.FaceBitmap = TestFace();
        const QImage before = Render(&c, Green);
        c.SetCardNomber(38);
        c.FaceBitmap = QImage(71, 96, QImage::Format_RGB32);
        c.FaceBitmap.fill(Qt::red);
        QCOMPARE(Render(&c, Green), before);
    }

    void parentlessCardNeverShows() {
        TCard c;
        c.show();
        QVERIFY(!c.isVisible());
        QVERIFY(c.Visible());
        QVERIFY(!QApplication::topLevelWidgets().contains(&c) || !c.isVisible());
        std::unique_ptr<QWidget> parent(GreenParent());
        parent->show();
        c.SetParentControl(parent.get());
        QVERIFY(c.isVisible());
        c.SetParentControl(nullptr);
        QVERIFY(!c.isVisible());
        QVERIFY(c.Visible());
    }
};

QTEST_MAIN(TestCard)
#include "tst_card.moc"

// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

// The shortcuts the window takes for speed must leave exactly what the plain way leaves:
// stacking, arranging once, the panels' frame and the pictures on screen.
#include "card.h"
#include "cardbatch.h"
#include "gameplace.h"
#include "playerplace.h"
#include "stacking.h"
#include "winframe.h"

#include <QApplication>
#include <QPainter>
#include <QScreen>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>
#include <qdrawutil.h>

#include <memory>
#include <vector>

namespace {
void Panel(QFrame* panel) {
    panel->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    panel->setAutoFillBackground(true);
    QPalette pal = panel->palette();
    pal.setColor(QPalette::Window, QColor(0, 128, 0));
    panel->setPalette(pal);
}

QList<QObject*> Order(QWidget* parent) {
    return parent->children();
}

// What one card goes through on screen: how often it is shown, and moved while shown.
struct ScreenLog : QObject {
    int Shown = 0;
    int MovedShown = 0;
    bool eventFilter(QObject* o, QEvent* e) override {
        Shown += e->type() == QEvent::Show;
        MovedShown += e->type() == QEvent::Move && static_cast<QWidget*>(o)->isVisible();
        return false;
    }
};

// The ways a card comes to a hand or the table.
enum Move { ToComputer, ToHuman, SixHeld, Attack, Defence, HumanTakes, ComputerTakes };

// A table with the pile on it and a hand on either side, as the game lays them out.
struct Board {
    QWidget Window;
    TPlayerPlace* Top;
    TPlayerPlace* Bottom;
    TGamePlace* Table;
    TCardBatch* Pile;
    Board() {
        Window.resize(620, 430);
        Top = new TPlayerPlace(&Window);
        Top->setGeometry(10, 10, 590, 110);
        Top->Player = ptCPU;
        Table = new TGamePlace(&Window);
        Table->setGeometry(10, 125, 590, 184);
        Bottom = new TPlayerPlace(&Window);
        Bottom->setGeometry(10, 314, 590, 110);
        Bottom->SetFaced(true);
        for (QFrame* f :
             {static_cast<QFrame*>(Top), static_cast<QFrame*>(Table), static_cast<QFrame*>(Bottom)})
            Panel(f);
        TCardBatch::SeedSource = [] { return 4242u; };
        Pile = new TCardBatch(Table);
        Pile->setGeometry(452, 0, 129, 144);
    }
    void Deal(TPlayerPlace* hand, int n) {
        TPlayerPlace::ArrangeOnce once(hand);
        for (int i = 0; i < n; ++i)
            hand->AddCard(Pile->PopCard());
    }
    // Every card of the hands and the table is on screen, none left off it.
    QString Lost() const {
        for (const QList<TCard*>* cards : {&Top->Cards, &Bottom->Cards, &Table->Cards})
            for (const TCard* c : *cards)
                if (!c->isVisible() || c->Concealed())
                    return QStringLiteral("card %1 is not on screen").arg(c->CardNomber());
        return {};
    }
};
} // namespace

class TestShortcuts : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { TCardBatch::SeedSource = nullptr; }

    // Raising only what is out of place leaves the order raising every one in turn leaves.
    void raiseInOrder_data() {
        QTest::addColumn<QList<int>>("children"); // stacking order, bottom first; -1 another kind
        QTest::addColumn<QList<int>>("order");
        QTest::newRow("already in order") << QList<int>{0, 1, 2, 3} << QList<int>{0, 1, 2, 3};
        QTest::newRow("reversed") << QList<int>{3, 2, 1, 0} << QList<int>{0, 1, 2, 3};
        QTest::newRow("last two swapped") << QList<int>{0, 1, 3, 2} << QList<int>{0, 1, 2, 3};
        QTest::newRow("first on top") << QList<int>{1, 2, 3, 0} << QList<int>{0, 1, 2, 3};
        QTest::newRow("other child on top") << QList<int>{0, 1, 2, -1} << QList<int>{0, 1, 2};
        QTest::newRow("other child between") << QList<int>{0, -1, 1, 2} << QList<int>{0, 1, 2};
        QTest::newRow("other child below") << QList<int>{-1, 0, 1, 2} << QList<int>{0, 1, 2};
        QTest::newRow("subset in order") << QList<int>{0, 1, 2, 3} << QList<int>{1, 3};
        QTest::newRow("subset out of order") << QList<int>{0, 1, 2, 3} << QList<int>{3, 1};
        QTest::newRow("one") << QList<int>{2, 0, 1} << QList<int>{0};
    }
    void raiseInOrder() {
        QFETCH(QList<int>, children);
        QFETCH(QList<int>, order);
        QWidget plain, quick;
        auto build = [&](QWidget* parent) {
            QList<QWidget*> byNumber(children.size());
            for (int n : children) {
                auto* w = new QWidget(parent);
                w->setObjectName(QString::number(n));
                if (n >= 0)
                    byNumber[n] = w;
            }
            QList<QWidget*> wanted;
            for (int n : order)
                wanted << byNumber[n];
            return wanted;
        };
        for (QWidget* w : build(&plain))
            w->raise();
        RaiseInOrder(build(&quick));
        QStringList a, b;
        for (QObject* o : Order(&plain))
            a << o->objectName();
        for (QObject* o : Order(&quick))
            b << o->objectName();
        QCOMPARE(b, a);
    }

    // A hand filled with its arranging held ends as one arranged after every card.
    void arrangeOnce_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("width");
        QTest::newRow("1") << 1 << 590;
        QTest::newRow("6") << 6 << 590;
        QTest::newRow("9 spread") << 9 << 590;
        QTest::newRow("24 spread") << 24 << 590;
    }
    void arrangeOnce() {
        QFETCH(int, count);
        QFETCH(int, width);
        auto fill = [&](bool held) {
            auto window = std::make_unique<QWidget>();
            auto* hand = new TPlayerPlace(window.get());
            hand->setGeometry(0, 0, width, 110);
            TCardBatch::SeedSource = [] { return 777u; };
            auto* pile = new TCardBatch(window.get());
            pile->Shuffle();
            hand->AddCard(pile->Cards[34]); // one already there, out of the new ones' order
            {
                std::unique_ptr<TPlayerPlace::ArrangeOnce> once;
                if (held)
                    once = std::make_unique<TPlayerPlace::ArrangeOnce>(hand);
                for (int i = 0; i < count; ++i)
                    hand->AddCard(pile->Cards[i * 35 / count]);
            }
            QStringList seen;
            for (int i = 0; i < hand->Cards.size(); ++i) {
                const TCard* c = hand->Cards[i];
                seen << QStringLiteral("%1@%2,%3#%4")
                            .arg(c->CardNomber())
                            .arg(c->x())
                            .arg(c->y())
                            .arg(c->Index);
            }
            for (QObject* o : hand->children())
                if (auto* c = qobject_cast<TCard*>(o))
                    seen << QString::number(c->CardNomber());
            return seen;
        };
        QCOMPARE(fill(true), fill(false));
    }

    // A card brought to a hand or the table is shown once, where it ends, and never moved on
    // screen on the way; the screen then holds what a fresh drawing of the window holds.
    void placedOnce_data() {
        QTest::addColumn<int>("move");
        QTest::newRow("one card to the computer's hand") << int(ToComputer);
        QTest::newRow("one card to the human's hand") << int(ToHuman);
        QTest::newRow("six held, the human's hand") << int(SixHeld);
        QTest::newRow("an attack") << int(Attack);
        QTest::newRow("a defence") << int(Defence);
        QTest::newRow("the human takes the table") << int(HumanTakes);
        QTest::newRow("the computer takes the table") << int(ComputerTakes);
    }
    void placedOnce() {
        QFETCH(int, move);
        const bool takes = move == HumanTakes || move == ComputerTakes;
        Board b;
        b.Deal(b.Top, 6);
        b.Deal(b.Bottom, 6);
        b.Window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&b.Window));
        if (move == Defence || takes)
            b.Table->PutAttack(b.Top->ExtractCard(0));
        if (takes) {
            b.Table->PutDefence(b.Bottom->ExtractCard(2));
            b.Table->PutAttack(b.Bottom->ExtractCard(0));
        }
        QCoreApplication::processEvents();

        QList<TCard*> moving;
        const auto fromPile = [&](int n) {
            for (int i = 1; i <= n; ++i)
                moving << b.Pile->Cards[b.Pile->Count() - i];
        };
        switch (move) {
        case ToComputer:
        case ToHuman:
            fromPile(1);
            break;
        case SixHeld:
            fromPile(6);
            break;
        case Attack:
            moving << b.Bottom->Cards[1];
            break;
        case Defence:
            moving << b.Bottom->Cards[5];
            break;
        default:
            moving = b.Table->Cards;
            break;
        }
        std::vector<std::unique_ptr<ScreenLog>> logs;
        for (TCard* c : moving) {
            logs.push_back(std::make_unique<ScreenLog>());
            c->installEventFilter(logs.back().get());
        }
        switch (move) {
        case ToComputer:
            b.Top->AddCard(b.Pile->PopCard());
            break;
        case ToHuman:
            b.Bottom->AddCard(b.Pile->PopCard());
            break;
        case SixHeld:
            b.Deal(b.Bottom, 6);
            break;
        case Attack:
            b.Table->PutAttack(b.Bottom->ExtractCard(1));
            break;
        case Defence:
            b.Table->PutDefence(b.Bottom->ExtractCard(5));
            break;
        default:
            (move == HumanTakes ? b.Bottom : b.Top)->AddCards(b.Table->Cards);
            b.Table->ClearTable();
            break;
        }
        QCOMPARE(b.Lost(), QString());
        for (const auto& log : logs) {
            QCOMPARE(log->Shown, 1);
            QCOMPARE(log->MovedShown, 0);
        }
        QCoreApplication::processEvents();
        const QImage onScreen = b.Window.screen()
                                    ->grabWindow(b.Window.winId())
                                    .toImage()
                                    .convertToFormat(QImage::Format_RGB32);
        const QImage fresh = b.Window.grab().toImage().convertToFormat(QImage::Format_RGB32);
        QVERIFY(onScreen == fresh);
    }

    // Being off the screen for a while changes nothing of what Visible says.
    void concealed_data() {
        QTest::addColumn<bool>("parent");
        QTest::addColumn<QList<int>>("meanwhile"); // setVisible calls between Conceal and Reveal
        QTest::addColumn<bool>("shown");
        QTest::newRow("nothing") << true << QList<int>{} << true;
        QTest::newRow("hidden meanwhile") << true << QList<int>{0} << false;
        QTest::newRow("hidden, shown again") << true << QList<int>{0, 1} << true;
        QTest::newRow("shown twice") << true << QList<int>{1, 1} << true;
        QTest::newRow("no parent") << false << QList<int>{1} << false;
    }
    void concealed() {
        QFETCH(bool, parent);
        QFETCH(QList<int>, meanwhile);
        QFETCH(bool, shown);
        QWidget window;
        window.resize(200, 200);
        auto* card = new TCard(&window);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(card->isVisible());
        card->Conceal();
        QVERIFY(!card->isVisible());
        if (!parent)
            card->SetParentControl(nullptr);
        for (int v : meanwhile) {
            card->setVisible(v != 0);
            QVERIFY(!card->isVisible());
        }
        card->Reveal();
        QVERIFY(!card->Concealed());
        QCOMPARE(card->Visible(), meanwhile.isEmpty() || meanwhile.last() != 0);
        QCOMPARE(card->isVisible(), shown);
        if (!parent) {
            card->SetParentControl(&window); // a card given a parent shows as Visible says
            QCOMPARE(card->isVisible(), true);
        } else {
            card->Reveal(); // once more does nothing
            QCOMPARE(card->isVisible(), shown);
        }
    }

    // A card left off the screen is back on it with the next deal.
    void shuffleRevealsAll() {
        QWidget window;
        window.resize(300, 300);
        TCardBatch::SeedSource = [] { return 5u; };
        auto* pile = new TCardBatch(&window);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        for (TCard* c : pile->Cards)
            c->Conceal();
        pile->Shuffle();
        for (int i = 0; i < 36; ++i) {
            QVERIFY(!pile->Cards[i]->Concealed());
            QCOMPARE(pile->Cards[i]->isVisible(), i <= 2 || i % 3 == 0);
        }
    }

    // A back copied partly without blending is the back drawn straight onto the ground, in
    // both orientations and on any ground, also where only part of the card is repainted.
    void backInParts_data() {
        QTest::addColumn<bool>("crosswise");
        QTest::addColumn<QColor>("ground");
        QTest::addColumn<QRect>("part");
        for (bool crosswise : {false, true})
            for (const QColor& ground : {QColor(0, 128, 0), QColor(Qt::white), QColor(1, 2, 3)})
                for (const QRect& part : {QRect(0, 0, 96, 96), QRect(0, 0, 96, 6),
                                          QRect(0, 3, 20, 60), QRect(2, 60, 94, 36)})
                    QTest::addRow("%s on %s, %d,%d %dx%d", crosswise ? "crosswise" : "upright",
                                  qPrintable(ground.name()), part.x(), part.y(), part.width(),
                                  part.height())
                        << crosswise << ground << part;
    }
    void backInParts() {
        QFETCH(bool, crosswise);
        QFETCH(QColor, ground);
        QFETCH(QRect, part);
        TCard card;
        card.SetOrientation(crosswise ? coHorisontal : coVertical);
        const QRect shown = part & card.rect();
        QImage ours(card.size(), QImage::Format_RGB32);
        ours.fill(ground);
        card.render(&ours, shown.topLeft(), QRegion(shown), QWidget::RenderFlags());
        QImage plain(card.size(), QImage::Format_RGB32);
        plain.fill(ground);
        {
            QPainter p(&plain);
            p.setClipRect(shown);
            p.setPen(QPen(Qt::black, 2));
            const QRect r = card.rect().adjusted(1, 1, -1, -1);
            p.setBrush(QColor(255, 255, 0));
            p.drawRoundedRect(r, 5, 5);
            p.setBrush(QBrush(QColor(255, 0, 0), Qt::DiagCrossPattern));
            p.drawRoundedRect(r, 5, 5);
        }
        QCOMPARE(ours, plain);
    }

    // A card shows the same corners on a panel's own ground as on a green palette: inside,
    // on the frame's edge, and on the see-through pile lying on the table.
    void cornersOnGround_data() {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<bool>("onPile");
        QTest::newRow("inside") << QPoint(40, 9) << false;
        QTest::newRow("on the frame, top left") << QPoint(0, 0) << false;
        QTest::newRow("on the frame, bottom right") << QPoint(590 - 71, 184 - 96) << false;
        QTest::newRow("on the pile") << QPoint(8, 4) << true;
    }
    void cornersOnGround() {
        QFETCH(QPoint, at);
        QFETCH(bool, onPile);
        auto shown = [&](bool ground) {
            QWidget window;
            window.resize(610, 204);
            auto* table = new TGamePlace(&window);
            table->setGeometry(10, 10, 590, 184);
            Panel(table);
            if (ground) {
                table->setPalette(QPalette());
                table->SetGround(QColor(0, 128, 0));
            }
            TCardBatch::SeedSource = [] { return 99u; };
            auto* pile = new TCardBatch(table);
            pile->setGeometry(452, 0, 129, 144);
            TCard* card = pile->Cards[20];
            card->SetParentControl(onPile ? static_cast<QWidget*>(pile) : table);
            card->SetOrientation(coVertical);
            card->SetFaced(true);
            card->move(at);
            card->setVisible(true);
            card->raise();
            window.show();
            if (!QTest::qWaitForWindowExposed(&window))
                return QImage();
            return window.grab().toImage().convertToFormat(QImage::Format_RGB32);
        };
        const QImage palette = shown(false);
        QVERIFY(!palette.isNull());
        QVERIFY(shown(true) == palette);
    }

    // The bevel drawn with rectangles is qDrawWinPanel's, pixel for pixel, for any size, both
    // shadows and any colours, also where the two halves of the bevel meet.
    void winPanelFrame_data() {
        QTest::addColumn<QRect>("rect");
        QTest::addColumn<QPalette>("palette");
        QTest::addColumn<bool>("sunken");
        QPalette plain = QApplication::palette();
        QPalette odd;
        int k = 0;
        for (auto role : {QPalette::Light, QPalette::Dark, QPalette::Midlight, QPalette::Shadow,
                          QPalette::Button, QPalette::Mid, QPalette::Window}) {
            odd.setColor(role, QColor::fromHsv(k * 50, 200, 60 + k * 25));
            ++k;
        }
        QPalette disabled = QApplication::palette();
        disabled.setCurrentColorGroup(QPalette::Disabled);
        const std::pair<const char*, QPalette> palettes[] = {
            {"plain", plain}, {"own colours", odd}, {"disabled", disabled}};
        const QRect rects[] = {{0, 0, 590, 110}, {3, 5, 590, 184}, {1, 1, 2, 2}, {0, 0, 3, 3},
                               {0, 0, 3, 9},     {2, 0, 4, 4},     {0, 0, 5, 5}, {1, 2, 5, 40},
                               {0, 3, 100, 5},   {0, 0, 1, 30},    {4, 4, 2, 7}, {4, 4, 7, 2},
                               {0, 0, 4, 3}};
        for (const auto& [name, pal] : palettes)
            for (const QRect& r : rects)
                for (bool sunken : {true, false})
                    QTest::addRow("%s %dx%d at %d,%d %s", name, r.width(), r.height(), r.x(), r.y(),
                                  sunken ? "sunken" : "raised")
                        << r << pal << sunken;
    }
    void winPanelFrame() {
        QFETCH(QRect, rect);
        QFETCH(QPalette, palette);
        QFETCH(bool, sunken);
        auto drawn = [&](bool ours) {
            QImage img(600, 200, QImage::Format_RGB32);
            img.fill(Qt::magenta);
            QPainter p(&img);
            if (ours)
                DrawWinPanelFrame(p, rect, palette, sunken);
            else
                qDrawWinPanel(&p, rect, palette, sunken);
            return img;
        };
        QImage blank(600, 200, QImage::Format_RGB32);
        blank.fill(Qt::magenta);
        const QImage expected = drawn(false);
        if (rect.width() > 2 && rect.height() > 2)
            QVERIFY(expected != blank); // the style drew something to compare with
        QCOMPARE(drawn(true), expected);
    }

    // A panel draws its bevel itself only where the style would draw the same; in another
    // style or with another frame it is still the style's frame.
    void panelFrameStyles_data() {
        QTest::addColumn<QString>("style");
        QTest::addColumn<int>("frame");
        QTest::addColumn<bool>("enabled");
        for (const char* style : {"fusion", "windows"})
            for (int frame :
                 {int(QFrame::WinPanel | QFrame::Sunken), int(QFrame::WinPanel | QFrame::Raised),
                  int(QFrame::WinPanel | QFrame::Plain), int(QFrame::Panel | QFrame::Sunken)})
                for (bool enabled : {true, false})
                    QTest::addRow("%s frame %x %s", style, frame, enabled ? "enabled" : "disabled")
                        << QString::fromLatin1(style) << frame << enabled;
    }
    void panelFrameStyles() {
        QFETCH(QString, style);
        QFETCH(int, frame);
        QFETCH(bool, enabled);
        std::unique_ptr<QStyle> own(QStyleFactory::create(style));
        QVERIFY(own);
        QWidget window;
        window.setStyle(own.get());
        window.resize(300, 140);
        auto* ours = new TPlayerPlace(&window);
        auto* plain = new QFrame(&window);
        for (QFrame* f : {static_cast<QFrame*>(ours), plain}) {
            Panel(f);
            f->setStyle(own.get());
            f->setFrameStyle(frame);
            f->setGeometry(10, 10, 280, 110);
            f->setEnabled(enabled);
        }
        plain->hide();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(ours->grab().toImage(), plain->grab().toImage());
        auto dense = [](QWidget* w) {
            QImage img(w->size() * 2, QImage::Format_RGB32);
            img.setDevicePixelRatio(2);
            img.fill(Qt::magenta);
            w->render(&img);
            return img;
        };
        // Rendered at twice the size, as on a dense screen or a zoomed table, the window bevel
        // keeps its width: each of its pixels two by two. The style would draw thinner lines;
        // any other frame is the style's.
        if (frame == int(QFrame::WinPanel | QFrame::Sunken) ||
            frame == int(QFrame::WinPanel | QFrame::Raised)) {
            const QImage one = ours->grab().toImage().convertToFormat(QImage::Format_RGB32);
            QImage doubled = one.scaled(one.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation);
            doubled.setDevicePixelRatio(2);
            QCOMPARE(dense(ours), doubled);
        } else {
            QCOMPARE(dense(ours), dense(plain));
        }
    }

    // The panel's frame is the style's frame, pixel for pixel, whatever part of the panel is
    // repainted.
    void panelFrame_data() {
        QTest::addColumn<bool>("table");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("ground"); // its own ground instead of a green palette
        for (bool ground : {false, true}) {
            const char* how = ground ? ", own ground" : ", palette";
            QTest::addRow("hand%s", how) << false << QSize(590, 110) << ground;
            QTest::addRow("table%s", how) << true << QSize(590, 184) << ground;
            QTest::addRow("small hand%s", how) << false << QSize(7, 5) << ground;
        }
    }
    void panelFrame() {
        QFETCH(bool, table);
        QFETCH(QSize, size);
        QFETCH(bool, ground);
        QWidget window;
        window.resize(size + QSize(20, 20));
        TPanel* ours = table ? static_cast<TPanel*>(new TGamePlace(&window))
                             : static_cast<TPanel*>(new TPlayerPlace(&window));
        auto* plain = new QFrame(&window);
        for (QFrame* f : {static_cast<QFrame*>(ours), plain}) {
            Panel(f);
            f->setGeometry(QRect(QPoint(10, 10), size));
        }
        if (ground) {
            ours->setPalette(QPalette());
            ours->SetGround(QColor(0, 128, 0));
            QVERIFY(ours->palette().color(QPalette::Window) != QColor(0, 128, 0));
        }
        plain->hide();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        // The whole panel, then the picture kept, then only a strip across the frame.
        const QImage expected = plain->grab().toImage();
        QCOMPARE(ours->grab().toImage(), expected);
        const QRect strip(0, size.height() / 2, size.width(), 2);
        QCOMPARE(ours->grab(strip).toImage(), plain->grab(strip).toImage());
        const QRect inside = ours->contentsRect();
        if (!inside.isEmpty())
            QCOMPARE(ours->grab(inside).toImage(), plain->grab(inside).toImage());
    }
};

QTEST_MAIN(TestShortcuts)
#include "tst_shortcuts.moc"

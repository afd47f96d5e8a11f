// The shortcuts the window takes for speed must leave exactly what the plain way leaves:
// stacking, arranging once, the panels' frame and the pictures on screen.
#include "cardbatch.h"
#include "gameplace.h"
#include "panelframe.h"
#include "playerplace.h"
#include "stacking.h"

#include <QApplication>
#include <QTest>

#include <memory>

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

    // The frame copied from the kept picture is the style's frame, pixel for pixel, whatever
    // part of the panel is repainted.
    void panelFrame_data() {
        QTest::addColumn<bool>("table");
        QTest::addColumn<QSize>("size");
        QTest::newRow("hand") << false << QSize(590, 110);
        QTest::newRow("table") << true << QSize(590, 184);
        QTest::newRow("small hand") << false << QSize(7, 5);
    }
    void panelFrame() {
        QFETCH(bool, table);
        QFETCH(QSize, size);
        QWidget window;
        window.resize(size + QSize(20, 20));
        QFrame* ours = table ? static_cast<QFrame*>(new TGamePlace(&window))
                             : static_cast<QFrame*>(new TPlayerPlace(&window));
        auto* plain = new QFrame(&window);
        for (QFrame* f : {ours, plain}) {
            Panel(f);
            f->setGeometry(QRect(QPoint(10, 10), size));
        }
        plain->hide();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        // The whole panel, then the picture kept, then only a strip across the frame.
        const QImage expected = plain->grab().toImage();
        QCOMPARE(ours->grab().toImage(), expected);
        QVERIFY(KeptPanelPicture(ours));
        const QRect strip(0, size.height() / 2, size.width(), 2);
        QCOMPARE(ours->grab(strip).toImage(), plain->grab(strip).toImage());
        const QRect inside = ours->contentsRect();
        if (!inside.isEmpty())
            QCOMPARE(ours->grab(inside).toImage(), plain->grab(inside).toImage());
    }
};

QTEST_MAIN(TestShortcuts)
#include "tst_shortcuts.moc"

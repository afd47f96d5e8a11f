// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

// The zoomed table: sizes, the menu, the settings value, geometry and input at every size,
// the card pictures at every device ratio, and the 100 % window pixel for pixel as it was
// before it could zoom. The screen is an offscreen one of VESK_ZOOM_SCREEN pixels
// (2560x1600 unless told), so that every size fits, or on a small one that some do not.
#include "artwork.h"
#include "cardaccessible.h"
#include "cardfaces.h"
#include "cardpicture.h"
#include "greenparent.h"
#include "modal.h"
#include "offscreenscreen.h"
#include "settingsfolder.h"
#include "tfmain.h"
#include "windowarranger.h"
#include "zoom.h"
#include "zoomscenario.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QMessageBox>
#include <QPainter>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <cstdint>
#include <map>
#include <memory>

class TfMainProbe {
public:
    static void Deal(TfMain& w, std::uint32_t seed) {
        TCardBatch::SeedSource = [seed] { return seed; };
        w.LastWinner = w.PlayerPlace1;
        w.mmNewGameClick();
    }
    static void DealCpuLeads(TfMain& w, std::uint32_t seed) {
        TCardBatch::SeedSource = [seed] { return seed; };
        w.LastWinner = w.PlayerPlace2;
        w.mmNewGameClick();
    }
    static int Zoom(const TfMain& w) { return w.FZoom; }
    static TZoomView* View(const TfMain& w) { return w.FZoomView; }
    static QWidget* Client(const TfMain& w) { return reinterpret_cast<QWidget*>(w.FClient); }
    static TGameState State(const TfMain& w) { return w.State; }
};

namespace {
const QSize Layout(590, 404);

QString ReferenceDir() {
    return QStringLiteral(VESK_ZOOM_DATA);
}

// The client area as the window shows it, in window pixels.
QImage Client(TfMain& w) {
    return w.centralWidget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

bool BigScreen() {
    const QSize free = QGuiApplication::primaryScreen()->availableGeometry().size();
    return free.width() >= 1800 && free.height() >= 1300;
}

// Where Qt shows a widget in the main window, in its pixels (the screen's ratio is 1 here):
// the way its input goes, through the graphics view that shows its client area, if one does.
QRectF InWindow(const TfMain& w, const QWidget* x) {
    const QWidget* top = x->window();
    if (const QGraphicsProxyWidget* proxy = top->graphicsProxyWidget()) {
        const QGraphicsView* view = proxy->scene()->views().first();
        const QRectF inTop(x->mapTo(top, QPointF(0, 0)), QSizeF(x->size()));
        return view->viewportTransform()
            .mapRect(proxy->sceneTransform().mapRect(inTop))
            .translated(view->viewport()->mapTo(&w, QPointF(0, 0)));
    }
    return QRectF(x->mapTo(&w, QPointF(0, 0)), QSizeF(x->size()));
}

bool Near(const QRectF& a, const QRectF& b) {
    auto eq = [](qreal x, qreal y) { return qAbs(x - y) < 1e-6; };
    return eq(a.left(), b.left()) && eq(a.top(), b.top()) && eq(a.right(), b.right()) &&
           eq(a.bottom(), b.bottom());
}

QString Describe(const QRectF& r) {
    return QStringLiteral("(%1, %2 %3 x %4)").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// The window made as the program makes it, shown and active, with pauses off.
std::unique_ptr<TfMain> Started() {
    auto w = std::make_unique<TfMain>();
    w->show();
    if (!QTest::qWaitForWindowActive(w.get()))
        qWarning("the window did not become active");
    if (!w->mmSpeedGame->isChecked())
        w->mmSpeedGame->trigger();
    return w;
}

// The layout of the client area: every widget in it by a name, with its geometry in its
// parent and whether it is shown.
struct TPlaced {
    QRect Geometry;
    QString Parent;
    bool Shown = false;
};
// The described components and the cards that lie somewhere, by name.
std::map<QString, QWidget*> WidgetsOf(TfMain& w) {
    std::map<QString, QWidget*> out = {
        {"PlayerPlace2", w.PlayerPlace2}, {"PlayerPlace1", w.PlayerPlace1},
        {"GamePlace", w.GamePlace},       {"CardBatch", w.CardBatch},
        {"bbtStop", w.bbtStop},           {"lMessage", w.lMessage}};
    for (TCard* c : w.CardBatch->Cards)
        if (c->parentWidget())
            out[QStringLiteral("card %1").arg(c->CardNomber())] = c;
    return out;
}

std::map<QString, TPlaced> LayoutOf(TfMain& w) {
    const std::map<QString, QWidget*> widgets = WidgetsOf(w);
    auto nameOf = [&](const QWidget* x) -> QString {
        for (const auto& [name, widget] : widgets)
            if (widget == x)
                return name;
        return QStringLiteral("client");
    };
    std::map<QString, TPlaced> out;
    for (const auto& [name, widget] : widgets)
        out[name] = {widget->geometry(), nameOf(widget->parentWidget()), widget->isVisible()};
    return out;
}

// The smallest whole scale the pictures for a device size are made from.
int SourceScaleFor(QSize size) {
    for (int k : {1, 2, 3, 4, 6})
        if (71 * k >= size.width() && 96 * k >= size.height())
            return k;
    return 6;
}

// The generator's picture of face `id` at a whole scale, as the test knows it: the compiled-in
// files at 1 and 2, the generator's own drawing above.
QImage Generated(int id, int k) {
    if (k <= 2)
        return QImage(QStringLiteral(":/cards/%1%2.png").arg(id).arg(k == 2 ? "@2x" : ""))
            .convertToFormat(QImage::Format_RGB32);
    for (int i = 0; i < 36; ++i)
        if (CardBitmapIds[i] == id)
            return CardFaces::Face(i / 9, i % 9, k).convertToFormat(QImage::Format_RGB32);
    return {};
}

// An area average written the plain way: every reduced pixel the exact mean of the source
// area it covers, in two dimensions at once.
QImage AreaAverage(const QImage& src, QSize to) {
    const QImage s = src.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const qint64 ws = s.width(), hs = s.height(), wd = to.width(), hd = to.height();
    QImage out(to, QImage::Format_ARGB32_Premultiplied);
    auto overlap = [](qint64 i, qint64 unitSrc, qint64 j, qint64 unitDst) {
        const qint64 a = qMax(i * unitSrc, j * unitDst);
        const qint64 b = qMin((i + 1) * unitSrc, (j + 1) * unitDst);
        return qMax<qint64>(0, b - a);
    };
    for (qint64 y = 0; y < hd; ++y)
        for (qint64 x = 0; x < wd; ++x) {
            qint64 sum[4] = {0, 0, 0, 0};
            for (qint64 sy = y * hs / hd; sy < hs && sy * hd < (y + 1) * hs; ++sy)
                for (qint64 sx = x * ws / wd; sx < ws && sx * wd < (x + 1) * ws; ++sx) {
                    const qint64 weight = overlap(sx, wd, x, ws) * overlap(sy, hd, y, hs);
                    const QRgb c = s.pixel(int(sx), int(sy));
                    sum[0] += weight * qAlpha(c);
                    sum[1] += weight * qRed(c);
                    sum[2] += weight * qGreen(c);
                    sum[3] += weight * qBlue(c);
                }
            const qint64 area = ws * hs;
            auto mean = [area](qint64 v) { return int((v + area / 2) / area); };
            out.setPixel(int(x), int(y),
                         qRgba(mean(sum[1]), mean(sum[2]), mean(sum[3]), mean(sum[0])));
        }
    return out;
}

// What a face shows at a device size: the picture made for that size (generated at the next
// whole scale, the twelve corner pixels of the layout let through, reduced), over the colour
// each corner samples (white where it samples none).
QImage ExpectedFace(int id, QSize size, const QColor corners[4]) {
    const int k = SourceScaleFor(size);
    QImage pic = Generated(id, k).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    pic.setDevicePixelRatio(1);
    const QPoint cut[] = {{0, 0},  {1, 0},  {0, 1},  {70, 0},  {69, 0},  {70, 1},
                          {0, 95}, {0, 94}, {1, 95}, {70, 95}, {69, 95}, {70, 94}};
    for (const QPoint& c : cut)
        for (int dy = 0; dy < k; ++dy)
            for (int dx = 0; dx < k; ++dx)
                pic.setPixel(c.x() * k + dx, c.y() * k + dy, 0);
    if (pic.size() != size)
        pic = AreaAverage(pic, size);
    QImage out(size, QImage::Format_RGB32);
    QPainter p(&out);
    const int hw = size.width() / 2, hh = size.height() / 2;
    p.fillRect(QRect(0, 0, hw, hh), corners[0]);
    p.fillRect(QRect(hw, 0, size.width() - hw, hh), corners[1]);
    p.fillRect(QRect(0, hh, hw, size.height() - hh), corners[2]);
    p.fillRect(QRect(hw, hh, size.width() - hw, size.height() - hh), corners[3]);
    p.drawImage(0, 0, pic);
    return out;
}

// The device pixels a layout rectangle covers: both edges rounded.
QRect Rounded(const QRectF& r) {
    auto round = [](qreal v) { return int(std::floor(v + 0.5)); };
    return QRect(QPoint(round(r.left()), round(r.top())),
                 QPoint(round(r.right()) - 1, round(r.bottom()) - 1));
}

int PictureId(const TCard* c) {
    return CardBitmapIds[c->Suit() * 9 + c->Value()];
}

int Differing(const QImage& a, const QImage& b) {
    if (a.size() != b.size())
        return -1;
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            n += a.pixel(x, y) != b.pixel(x, y);
    return n;
}
} // namespace

class TestZoom : public QObject, public SettingsFolder {
    Q_OBJECT

private slots:
    void init() {
        MakeFolder();
        vesk::SetModalHook([](QDialog*) { return int(QMessageBox::Ok); });
    }
    void cleanup() {
        vesk::SetModalHook(nullptr);
        TCardBatch::SeedSource = nullptr;
    }

    // A stored percentage reads as the largest offered size not above it, at least 100.
    void storedValues_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("level");
        QTest::newRow("absent") << QByteArray() << 100;
        const std::pair<quint32, int> cases[] = {
            {100, 100}, {125, 125}, {150, 150}, {175, 175},  {200, 200},       {250, 250},
            {300, 300}, {0, 100},   {99, 100},  {124, 100},  {149, 125},       {199, 175},
            {249, 200}, {299, 250}, {301, 300}, {1000, 300}, {0xffffffff, 100}};
        for (const auto& [stored, level] : cases)
            QTest::addRow("%u", stored) << Dword("Zoom", stored) << level;
    }
    void storedValues() {
        if (!BigScreen())
            QSKIP("the screen is too small for every size");
        QFETCH(QByteArray, file);
        QFETCH(int, level);
        Write(Head + file);
        {
            TfMain w;
            QCOMPARE(TfMainProbe::Zoom(w), level);
            for (int i = 0; i < w.mmZoomSizes.size(); ++i)
                QCOMPARE(w.mmZoomSizes[i]->isChecked(), vesk::zoom::Levels()[i] == level);
            QCOMPARE(w.centralWidget()->size(), vesk::zoom::Scaled(Layout, level));
        }
        // Written once at exit: the size the window had.
        QVERIFY(Read().contains(Dword("Zoom", quint32(level))));
    }

    // Each size chosen in the menu is stored at exit and read back by the next run.
    void roundTrip_data() {
        QTest::addColumn<int>("level");
        for (int level : vesk::zoom::Levels())
            QTest::addRow("%d %%", level) << level;
    }
    void roundTrip() {
        if (!BigScreen())
            QSKIP("the screen is too small for every size");
        QFETCH(int, level);
        const int index = int(vesk::zoom::Levels().indexOf(level));
        {
            auto w = Started();
            w->mmZoomSizes[index]->trigger();
            QCOMPARE(TfMainProbe::Zoom(*w), level);
        }
        QCOMPARE(Read(), Stored(0, 0, 0, 0, 0, 0, 0, quint32(level)));
        {
            TfMain w;
            QCOMPARE(TfMainProbe::Zoom(w), level);
            QVERIFY(w.mmZoomSizes[index]->isChecked());
        }
        QCOMPARE(Read(), Stored(0, 0, 0, 0, 0, 0, 0, quint32(level)));
    }

    // A value that cannot be read is reported, leaves the size at 100 % and stays as it was,
    // unless the size is chosen in this run.
    void unreadableZoomKept_data() {
        QTest::addColumn<bool>("chosen");
        QTest::newRow("kept") << false;
        QTest::newRow("chosen") << true;
    }
    void unreadableZoomKept() {
        QFETCH(bool, chosen);
        QStringList errors;
        vesk::SetModalHook([&errors](QDialog* d) {
            if (auto* box = qobject_cast<QMessageBox*>(d))
                errors << box->text();
            return int(QMessageBox::Ok);
        });
        const QByteArray unreadable = "\"Zoom\"=\"big\"\n";
        Write(Head + Dword("Wins", 3) + unreadable);
        {
            TfMain w;
            QCOMPARE(TfMainProbe::Zoom(w), 100);
            QCOMPARE(errors, QStringList{"Invalid data type for 'Zoom'"});
            if (chosen)
                w.mmZoomSizes[1]->trigger();
        }
        const QByteArray file = Read();
        QCOMPARE(file.contains(unreadable), !chosen);
        QCOMPARE(file.contains(Dword("Zoom", 125)), chosen);
        QVERIFY(file.contains(Dword("Wins", 3)));
    }

    // On a small screen a stored size that does not fit gives way to the largest that does,
    // and the sizes that would not fit cannot be chosen.
    void storedTooBigFallsBack() {
        if (BigScreen())
            QSKIP("run on the small screen (tst_zoom_smallscreen)");
        Write(Head + Dword("Zoom", 300));
        int level = 0;
        {
            auto w = Started();
            const QRect free = w->screen()->availableGeometry();
            level = TfMainProbe::Zoom(*w);
            QVERIFY2(level < 300, qPrintable(QString::number(level)));
            QVERIFY(free.contains(w->frameGeometry()));
            // The largest that fits: the next one up does not.
            const int next = int(vesk::zoom::Levels().indexOf(level)) + 1;
            const QSize chrome = w->frameGeometry().size() - w->centralWidget()->size();
            const QSize bigger = chrome + vesk::zoom::Scaled(Layout, vesk::zoom::Levels()[next]);
            QVERIFY(bigger.width() > free.width() || bigger.height() > free.height());
            for (int i = 0; i < w->mmZoomSizes.size(); ++i) {
                QCOMPARE(w->mmZoomSizes[i]->isEnabled(), vesk::zoom::Levels()[i] <= level);
                QCOMPARE(w->mmZoomSizes[i]->isChecked(), vesk::zoom::Levels()[i] == level);
            }
            QVERIFY(!w->mmZoomIn->isEnabled());
            // Neither the key nor the menu goes past it.
            QTest::keyClick(w.get(), Qt::Key_Plus, Qt::ControlModifier);
            QCOMPARE(TfMainProbe::Zoom(*w), level);
            w->mmZoomSizes.last()->trigger();
            QCOMPARE(TfMainProbe::Zoom(*w), level);
            QVERIFY(w->mmZoomSizes[next - 1]->isChecked());
        }
        // The check mark is the setting.
        QVERIFY(Read().contains(Dword("Zoom", quint32(level))));
    }

    // The check marks follow the keys: one size checked, always the window's.
    void checkMarksFollowKeys_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QList<int>>("levels"); // after each key
        QTest::newRow("plus, equals, minus, zero") << "+ = - 0" << QList<int>{125, 150, 125, 100};
        QTest::newRow("up to the top and past it")
            << "+ + + + + + + +" << QList<int>{125, 150, 175, 200, 250, 300, 300, 300};
        QTest::newRow("minus at 100 %") << "- 0 -" << QList<int>{100, 100, 100};
        QTest::newRow("down from the top")
            << "= = = = = = - - 0" << QList<int>{125, 150, 175, 200, 250, 300, 250, 200, 100};
    }
    void checkMarksFollowKeys() {
        if (!BigScreen())
            QSKIP("the screen is too small for every size");
        QFETCH(QString, keys);
        QFETCH(QList<int>, levels);
        auto w = Started();
        const QStringList pressed = keys.split(' ');
        for (int i = 0; i < pressed.size(); ++i) {
            const Qt::Key key = pressed[i] == "+"   ? Qt::Key_Plus
                                : pressed[i] == "=" ? Qt::Key_Equal
                                : pressed[i] == "-" ? Qt::Key_Minus
                                                    : Qt::Key_0;
            QTest::keyClick(w.get(), key, Qt::ControlModifier);
            QCOMPARE(TfMainProbe::Zoom(*w), levels[i]);
            int checked = 0;
            for (int k = 0; k < w->mmZoomSizes.size(); ++k) {
                checked += w->mmZoomSizes[k]->isChecked();
                QCOMPARE(w->mmZoomSizes[k]->isChecked(), vesk::zoom::Levels()[k] == levels[i]);
            }
            QCOMPARE(checked, 1);
            QCOMPARE(w->mmZoomIn->isEnabled(), levels[i] < 300);
            QCOMPARE(w->mmZoomOut->isEnabled(), levels[i] > 100);
            QCOMPARE(w->centralWidget()->size(), vesk::zoom::Scaled(Layout, levels[i]));
        }
        // The keypad's plus and minus are the same keys.
        QTest::keyClick(w.get(), Qt::Key_0, Qt::ControlModifier);
        QTest::keyClick(w.get(), Qt::Key_Plus, Qt::ControlModifier | Qt::KeypadModifier);
        QCOMPARE(TfMainProbe::Zoom(*w), 125);
        QTest::keyClick(w.get(), Qt::Key_Minus, Qt::ControlModifier | Qt::KeypadModifier);
        QCOMPARE(TfMainProbe::Zoom(*w), 100);
    }

    // At each size, after a deal and a few moves: every widget of the client area keeps its
    // described place in layout pixels and shows at that place times the zoom; the window is
    // fixed at that size and keeps its centre.
    void layoutAtEveryZoom_data() { roundTrip_data(); }
    void layoutAtEveryZoom() {
        if (!BigScreen())
            QSKIP("the screen is too small for every size");
        QFETCH(int, level);
        const qreal z = level / 100.0;
        auto deal = [](TfMain& w) {
            return [&w](std::uint32_t seed) { TfMainProbe::Deal(w, seed); };
        };
        std::map<QString, TPlaced> described;
        {
            auto w = Started();
            ZoomScenario::Play(*w, deal(*w), [](const char*) {});
            described = LayoutOf(*w);
        }
        QCOMPARE(described["PlayerPlace2"].Geometry, QRect(0, 0, 590, 110));
        QCOMPARE(described["PlayerPlace1"].Geometry, QRect(0, 294, 590, 110));
        QCOMPARE(described["GamePlace"].Geometry, QRect(0, 110, 590, 184));
        QCOMPARE(described["CardBatch"].Geometry, QRect(452, 0, 129, 144));
        QCOMPARE(described["bbtStop"].Geometry, QRect(452, 142, 129, 35));
        QCOMPARE(described["lMessage"].Geometry, QRect(3, 149, 580, 28));

        auto w = Started();
        const QPoint centre = w->frameGeometry().center();
        w->mmZoomSizes[int(vesk::zoom::Levels().indexOf(level))]->trigger();
        QCOMPARE(TfMainProbe::Zoom(*w), level);
        // Fixed size, the client area's times the zoom; the same centre (it fits here).
        QCOMPARE(w->minimumSize(), w->maximumSize());
        QCOMPARE(w->centralWidget()->size(), vesk::zoom::Scaled(Layout, level));
        QVERIFY(qAbs(w->frameGeometry().center().x() - centre.x()) <= 1);
        QVERIFY(qAbs(w->frameGeometry().center().y() - centre.y()) <= 1);
        QVERIFY(!(w->windowFlags() & Qt::WindowMaximizeButtonHint));
        ZoomScenario::Play(*w, deal(*w), [](const char*) {});
        QCOMPARE(LayoutOf(*w).size(), described.size());
        QWidget* client = TfMainProbe::Client(*w);
        const QPointF at = InWindow(*w, w->centralWidget()).topLeft();
        const auto widgets = WidgetsOf(*w);
        int shown = 0;
        for (const auto& [name, placed] : LayoutOf(*w)) {
            const TPlaced& was = described[name];
            QVERIFY2(placed.Geometry == was.Geometry && placed.Parent == was.Parent &&
                         placed.Shown == was.Shown,
                     qPrintable(name));
            if (!placed.Shown)
                continue;
            // Where it is shown: its place in the client area times the zoom.
            const QWidget* widget = widgets.at(name);
            const QRectF inClient(widget->mapTo(client, QPoint(0, 0)), widget->size());
            const QRectF expected(at + inClient.topLeft() * z, inClient.size() * z);
            QVERIFY2(Near(InWindow(*w, widget), expected),
                     qPrintable(name + ": " + Describe(InWindow(*w, widget)) + " instead of " +
                                Describe(expected)));
            ++shown;
        }
        QVERIFY(shown > 20);
        // The fonts are the described ones; the zoom draws them larger.
        QCOMPARE(w->lMessage->font().pixelSize(), 24);
        QCOMPARE(w->bbtStop->font().pixelSize(), 19);
    }

    // At each size, a click at the middle of each card of the person's hand raises it, a
    // double click plays it, the arrows raise and play, and the chord of Shift, Alt, Ctrl and
    // both buttons on the table turns the computer's hand: all through the window, as a
    // person's mouse and keys.
    void inputAtEveryZoom_data() { roundTrip_data(); }
    void inputAtEveryZoom() {
        if (!BigScreen())
            QSKIP("the screen is too small for every size");
        QFETCH(int, level);
        const qreal z = level / 100.0;
        auto w = Started();
        w->mmZoomSizes[int(vesk::zoom::Levels().indexOf(level))]->trigger();
        // Enter presses the action button: "Начать игру" starts a game.
        QVERIFY(w->bbtStop->hasFocus());
        TCardBatch::SeedSource = [] { return 5u; };
        QTest::keyClick(w.get(), Qt::Key_Return);
        QVERIFY(TfMainProbe::State(*w) != gsIdle);
        TfMainProbe::Deal(*w, 5);
        QCOMPARE(TfMainProbe::State(*w), gsManAttack);
        QWindow* win = w->windowHandle();
        QWidget* client = TfMainProbe::Client(*w);
        const QPointF origin = InWindow(*w, w->centralWidget()).topLeft();
        auto middle = [&](const QWidget* x) {
            const QPointF inClient = x->mapTo(client, QPointF(x->width() / 2.0, x->height() / 2.0));
            return (origin + inClient * z).toPoint();
        };
        const QList<TCard*> hand = w->PlayerPlace1->Cards;
        QCOMPARE(hand.size(), 6);
        for (TCard* card : hand) {
            QTest::mouseClick(win, Qt::LeftButton, {}, middle(card));
            QVERIFY2(card->Selected && card->y() == 0, qPrintable(CardAccessibleName(card)));
            for (TCard* other : hand)
                if (other != card)
                    QVERIFY(!other->Selected && other->y() == 9);
        }
        // The focus is where the window keeps it (the hand, while the button cannot be
        // pressed); the arrows raise the neighbours.
        QVERIFY((w->bbtStop->isEnabled() ? static_cast<QWidget*>(w->bbtStop) : w->PlayerPlace1)
                    ->hasFocus());
        QTest::keyClick(w.get(), Qt::Key_Left);
        QVERIFY(hand[4]->Selected && hand[4]->y() == 0);
        // A double click plays the card it lands on.
        TCard* played = hand[1];
        QTest::mouseDClick(win, Qt::LeftButton, {}, middle(played));
        QVERIFY(w->GamePlace->Cards.contains(played));
        QVERIFY(!w->PlayerPlace1->Cards.contains(played));
        QVERIFY(TWindowArranger::Differences(*w).isEmpty());
        // The chord on the table.
        const QPoint table = middle(w->GamePlace) - QPoint(int(150 * z), 0);
        const auto all = Qt::ShiftModifier | Qt::AltModifier | Qt::ControlModifier;
        QVERIFY(!w->PlayerPlace2->Faced());
        QTest::mousePress(win, Qt::LeftButton, all, table);
        QTest::mousePress(win, Qt::RightButton, all, table);
        QTest::mouseRelease(win, Qt::RightButton, all, table);
        QTest::mouseRelease(win, Qt::LeftButton, all, table);
        QVERIFY(w->PlayerPlace2->Faced());
        QVERIFY(TWindowArranger::Differences(*w).isEmpty());
    }

    // At each size a screen reader finds the cards under the window, by their names, where
    // the screen shows them.
    void accessibleAtEveryZoom_data() { roundTrip_data(); }
    void accessibleAtEveryZoom() {
        if (!BigScreen())
            QSKIP("the screen is too small for every size");
        QFETCH(int, level);
        auto w = Started();
        w->mmZoomSizes[int(vesk::zoom::Levels().indexOf(level))]->trigger();
        TfMainProbe::Deal(*w, 5);
        QMap<QObject*, QAccessibleInterface*> found;
        std::function<void(QAccessibleInterface*, int)> walk = [&](QAccessibleInterface* i,
                                                                   int depth) {
            if (!i || depth > 8)
                return;
            found[i->object()] = i;
            for (int k = 0; k < i->childCount(); ++k) {
                QAccessibleInterface* child = i->child(k);
                if (child) {
                    QCOMPARE(child->parent()->object(), i->object());
                    QCOMPARE(i->indexOfChild(child), k);
                }
                walk(child, depth + 1);
            }
        };
        walk(QAccessible::queryAccessibleInterface(w.get()), 0);
        for (QWidget* x : std::initializer_list<QWidget*>{w->PlayerPlace1, w->PlayerPlace2,
                                                          w->GamePlace, w->bbtStop, w->lMessage})
            QVERIFY(found.contains(x));
        QCOMPARE(found[w->PlayerPlace1]->text(QAccessible::Name), QStringLiteral("Ваши карты: 6"));
        for (TCard* card : w->PlayerPlace1->Cards) {
            QVERIFY(found.contains(card));
            QAccessibleInterface* i = found[card];
            QCOMPARE(i->text(QAccessible::Name), CardAccessibleName(card));
            // Its place on the screen: where the window shows it, at the zoom's size.
            const QRect shown =
                Rounded(InWindow(*w, card).translated(w->mapToGlobal(QPointF(0, 0))));
            QCOMPARE(i->rect(), shown);
        }
        for (QWidget* x : std::initializer_list<QWidget*>{w->PlayerPlace1, w->GamePlace,
                                                          w->lMessage, TfMainProbe::Client(*w)})
            QCOMPARE(found[x]->rect(),
                     Rounded(InWindow(*w, x).translated(w->mapToGlobal(QPointF(0, 0)))));
        // The keyboard's widget, as a screen reader asks the window for it.
        QWidget* focus =
            w->bbtStop->hasFocus() ? static_cast<QWidget*>(w->bbtStop) : w->PlayerPlace1;
        QVERIFY(focus->hasFocus());
        QVERIFY(QAccessible::queryAccessibleInterface(focus)->state().focused);
        QAccessibleInterface* chain = QAccessible::queryAccessibleInterface(w.get());
        for (int depth = 0; chain && chain->object() != focus && depth < 6; ++depth)
            chain = chain->focusChild();
        QVERIFY(chain && chain->object() == focus);
    }

    // A card rendered at a device ratio is the picture made for the pixels it covers: the
    // generator's at the next whole scale, reduced by an area average, its corners showing the
    // parent's green. Two places, as one scale covers sizes a pixel apart.
    void cardAtRatio_data() {
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<int>("number");
        QTest::addColumn<QPoint>("at");
        for (qreal ratio : {1.25, 1.5, 1.75, 2.0, 2.5, 3.0})
            for (int suit = 0; suit < 4; ++suit)
                for (int value = 0; value < 9; ++value)
                    for (const QPoint& at : {QPoint(10, 10), QPoint(13, 11)})
                        QTest::addRow("%g card %d at %d,%d", ratio, suit * 10 + value, at.x(),
                                      at.y())
                            << ratio << suit * 10 + value << at;
    }
    void cardAtRatio() {
        QFETCH(qreal, ratio);
        QFETCH(int, number);
        QFETCH(QPoint, at);
        TCardBatch pile;
        TCard* card = nullptr;
        for (TCard* c : pile.Cards)
            if (c->CardNomber() == number)
                card = c;
        QVERIFY(card);
        std::unique_ptr<QWidget> parent(GreenParent());
        parent->resize(120, 130);
        card->SetParentControl(parent.get());
        card->SetOrientation(coVertical);
        card->SetFaced(true);
        card->move(at);
        card->setVisible(true);
        QImage shown(parent->size() * ratio, QImage::Format_RGB32);
        shown.setDevicePixelRatio(ratio);
        shown.fill(Qt::black);
        parent->render(&shown);
        card->SetParentControl(&pile);
        shown.setDevicePixelRatio(1);
        const QRect device = Rounded(QRectF(QPointF(at) * ratio, QSizeF(71, 96) * ratio));
        const QColor green[4] = {Green, Green, Green, Green};
        const QImage expected = ExpectedFace(PictureId(card), device.size(), green);
        const QImage part = shown.copy(device);
        if (part != expected) {
            part.save(QDir::tempPath() + "/zoom-card-shown.png");
            expected.save(QDir::tempPath() + "/zoom-card-expected.png");
        }
        QVERIFY2(part == expected,
                 qPrintable(QString::number(Differing(part, expected)) + " pixels differ"));
        // Around the card the parent's green, and nothing of the card outside its pixels.
        for (int x = device.left() - 1; x <= device.right() + 1; ++x) {
            QCOMPARE(QColor(shown.pixel(x, device.top() - 1)), Green);
            QCOMPARE(QColor(shown.pixel(x, device.bottom() + 1)), Green);
        }
        for (int y = device.top(); y <= device.bottom(); ++y) {
            QCOMPARE(QColor(shown.pixel(device.left() - 1, y)), Green);
            QCOMPARE(QColor(shown.pixel(device.right() + 1, y)), Green);
        }
    }

    // The generator draws the compiled-in pictures exactly, so the larger sizes it draws are
    // the same artwork.
    void generatorMatchesCompiledPictures_data() {
        QTest::addColumn<int>("index");
        for (int i = 0; i < 36; ++i)
            QTest::addRow("picture %d", int(CardBitmapIds[i])) << i;
    }
    void generatorMatchesCompiledPictures() {
        QFETCH(int, index);
        const int id = CardBitmapIds[index];
        for (int k : {1, 2}) {
            QImage file = Generated(id, k);
            file.setDevicePixelRatio(1);
            QCOMPARE(CardFaces::Face(index / 9, index % 9, k).convertToFormat(QImage::Format_RGB32),
                     file);
        }
        // Larger scales: the frame's rule holds at every whole scale.
        for (int k : {3, 4, 6}) {
            const QImage big = CardFaces::Face(index / 9, index % 9, k);
            QCOMPARE(big.size(), QSize(71 * k, 96 * k));
            const QRgb border = big.pixel(35 * k, 0);
            for (int d = 0; d < k; ++d) {
                QCOMPARE(big.pixel(35 * k, d), border);              // top, k pixels
                QCOMPARE(big.pixel(35 * k, 96 * k - 1 - d), border); // bottom
                QCOMPARE(big.pixel(d, 48 * k), border);              // left
                QCOMPARE(big.pixel(71 * k - 1 - d, 48 * k), border); // right
            }
            QCOMPARE(big.pixel(35 * k, k), qRgb(255, 255, 255));
        }
    }

    // A reduced frame is as symmetric as the drawn one: borders of one width all round.
    void reducedFrameSymmetric_data() {
        QTest::addColumn<qreal>("ratio");
        for (qreal ratio : {1.25, 1.5, 1.75, 1.875, 2.5, 3.5, 3.75, 4.5, 5.25})
            QTest::addRow("%g", ratio) << ratio;
    }
    void reducedFrameSymmetric() {
        QFETCH(qreal, ratio);
        const QSize size(qRound(71 * ratio), qRound(96 * ratio));
        const int k = SourceScaleFor(size);
        QImage plain(71 * k, 96 * k, QImage::Format_RGB32);
        plain.fill(Qt::white);
        QPainter p(&plain);
        p.setPen(Qt::NoPen);
        for (const QRect& r : {QRect(0, 0, 71 * k, k), QRect(0, 95 * k, 71 * k, k),
                               QRect(0, 0, k, 96 * k), QRect(70 * k, 0, k, 96 * k)})
            p.fillRect(r, Qt::black);
        p.end();
        const QImage reduced = CardPictures::Reduced(plain, size);
        QCOMPARE(reduced, reduced.mirrored(true, false));
        QCOMPARE(reduced, reduced.mirrored(false, true));
        // The border's ink, added up across it, is its width at this size.
        qint64 ink = 0;
        for (int x = 0; x < size.width() / 2; ++x)
            ink += 255 - qRed(reduced.pixel(x, size.height() / 2));
        QVERIFY(qAbs(ink - qint64(255 * qreal(size.width()) / 71)) <= size.width() / 4);
    }

    // In the zoomed window every card of the person's hand shows the picture made for the
    // pixels it covers, with its corners on the hand's green (the raised card's top corners
    // sample nothing, above the hand, and keep white).
    void cardsInZoomedWindow_data() { roundTrip_data(); }
    void cardsInZoomedWindow() {
        if (!BigScreen())
            QSKIP("the screen is too small for every size");
        QFETCH(int, level);
        auto w = Started();
        w->mmZoomSizes[int(vesk::zoom::Levels().indexOf(level))]->trigger();
        ZoomScenario::Play(
            *w, [&w](std::uint32_t seed) { TfMainProbe::Deal(*w, seed); }, [](const char*) {});
        const QImage shown = Client(*w);
        QCOMPARE(shown.size(), vesk::zoom::Scaled(Layout, level));
        const QPointF origin = InWindow(*w, w->centralWidget()).topLeft();
        int checked = 0;
        for (TCard* card : w->PlayerPlace1->Cards) {
            const QRectF in = InWindow(*w, card).translated(-origin);
            const QRect device = Rounded(in);
            const QColor white(Qt::white);
            const bool raised = card->y() == 0;
            const QColor corners[4] = {raised ? white : Green, raised ? white : Green, Green,
                                       Green};
            const QImage expected = ExpectedFace(PictureId(card), device.size(), corners);
            const QImage part = shown.copy(device);
            if (part != expected) {
                part.save(QDir::tempPath() + "/zoom-window-card-shown.png");
                expected.save(QDir::tempPath() + "/zoom-window-card-expected.png");
            }
            QVERIFY2(part == expected,
                     qPrintable(CardAccessibleName(card) + ": " +
                                QString::number(Differing(part, expected)) + " pixels differ"));
            ++checked;
        }
        QVERIFY(checked >= 4);
        // The message line's white text is there at every size (Qt draws glyphs past 64 pixels
        // as outlines; the label keeps them as a picture), in proportion to the zoom's area.
        const QRect line = Rounded(InWindow(*w, w->lMessage).translated(-origin));
        int white = 0;
        for (int y = line.top(); y <= line.bottom(); ++y)
            for (int x = line.left(); x <= line.right(); ++x)
                white += qGray(shown.pixel(x, y)) > 200;
        QVERIFY2(white > 150 * level * level / 10000, qPrintable(QString::number(white)));
        // Only the faces of this size are kept.
        QVERIFY(CardPictures::KeptFaces() <= 36);
    }

    // A game goes on untouched through changes of size: the same cards, state, message and
    // button, and the core's game the window shows.
    void gameGoesOnThroughZoom() {
        if (!BigScreen())
            QSKIP("the screen is too small for every size");
        auto w = Started();
        TfMainProbe::Deal(*w, 5);
        ZoomScenario::Send(w->PlayerPlace1->Cards[0], true);
        const auto before = LayoutOf(*w);
        const QString message = w->lMessage->text(), button = w->bbtStop->text();
        for (int index : {4, 1, 6, 0, 3, 0}) {
            w->mmZoomSizes[index]->trigger();
            QCOMPARE(TfMainProbe::Zoom(*w), vesk::zoom::Levels()[index]);
            const auto now = LayoutOf(*w);
            for (const auto& [name, placed] : now)
                QVERIFY2(placed.Geometry == before.at(name).Geometry &&
                             placed.Parent == before.at(name).Parent &&
                             placed.Shown == before.at(name).Shown,
                         qPrintable(name));
            QCOMPARE(w->lMessage->text(), message);
            QCOMPARE(w->bbtStop->text(), button);
            QVERIFY(w->bbtStop->hasFocus());
            QVERIFY(TWindowArranger::Differences(*w).isEmpty());
        }
    }

    // A size chosen during the computer's pause changes nothing of the game: it ends as the
    // same game ends without the change.
    void pauseGoesOnThroughZoom() {
        if (!BigScreen())
            QSKIP("the screen is too small for every size");
        auto play = [](bool zoom) {
            auto w = Started();
            w->mmSpeedGame->trigger(); // pauses on
            bool changed = false;
            if (zoom)
                QTimer::singleShot(5, w.get(), [&] {
                    w->mmZoomSizes[4]->trigger(); // 200 %, from inside the pause
                    changed = TfMainProbe::Zoom(*w) == 200;
                });
            TfMainProbe::DealCpuLeads(*w, 5); // the computer leads after a pause
            if (zoom && !changed)
                qWarning("the size did not change inside the pause");
            QStringList seen{w->lMessage->text(), w->bbtStop->text(),
                             QString::number(int(TfMainProbe::State(*w))),
                             TWindowArranger::Differences(*w)};
            for (const auto& [name, placed] : LayoutOf(*w))
                seen << name + QStringLiteral(" %1,%2 %3 %4")
                                   .arg(placed.Geometry.x())
                                   .arg(placed.Geometry.y())
                                   .arg(placed.Parent)
                                   .arg(placed.Shown);
            seen << QString::number(zoom ? (changed ? 1 : 0) : 1);
            return seen;
        };
        QCOMPARE(play(true), play(false));
    }

    // Back at 100 % after other sizes, the window is again the one before there was a zoom.
    void hundredPercentAgain() {
        if (!BigScreen())
            QSKIP("the screen is too small for every size");
        auto w = Started();
        for (int index : {4, 6, 1})
            w->mmZoomSizes[index]->trigger();
        QTest::keyClick(w.get(), Qt::Key_0, Qt::ControlModifier);
        QCOMPARE(TfMainProbe::Zoom(*w), 100);
        QCOMPARE(w->centralWidget(), TfMainProbe::Client(*w));
        // An ordinary child again, with no window of its own.
        QVERIFY(!TfMainProbe::Client(*w)->windowHandle());
        QVERIFY(!TfMainProbe::View(*w) || TfMainProbe::View(*w)->isHidden());
        QApplication::processEvents();
        const QImage start = Client(*w);
        const QImage before =
            QImage(ReferenceDir() + "/window100-start.png").convertToFormat(QImage::Format_RGB32);
        QCOMPARE(start, before);
    }

    // At 100 % the client area is the one the window showed before it could zoom: the
    // pictures in tests/data/zoom were taken from that window with the same steps.
    void hundredPercentAsBefore() {
        const QString record = qEnvironmentVariable("VESK_ZOOM_RECORD");
        auto w = Started();
        QCOMPARE(w->centralWidget()->size(), Layout);
        QStringList failures;
        ZoomScenario::Play(
            *w, [&w](std::uint32_t seed) { TfMainProbe::Deal(*w, seed); },
            [&](const char* name) {
                const QImage shown = Client(*w);
                const QString file = QStringLiteral("/window100-%1.png").arg(QLatin1String(name));
                if (!record.isEmpty()) {
                    shown.save(record + file);
                    return;
                }
                const QImage before =
                    QImage(ReferenceDir() + file).convertToFormat(QImage::Format_RGB32);
                if (before.isNull() || before != shown) {
                    shown.save(QDir::tempPath() + file);
                    failures << QStringLiteral("%1 differs (now in %2)")
                                    .arg(QLatin1String(name), QDir::tempPath() + file);
                }
            });
        QVERIFY2(failures.isEmpty(), qPrintable(failures.join("; ")));
    }
};

int main(int argc, char** argv) {
    // An offscreen screen of the size asked for, its whole area free.
    const QByteArray size = qgetenv("VESK_ZOOM_SCREEN").isEmpty() ? QByteArray("2560x1600")
                                                                  : qgetenv("VESK_ZOOM_SCREEN");
    const auto screen = UseOffscreenScreen(size);
    if (!screen)
        return 2;
    QApplication app(argc, argv);
    TestZoom test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_zoom.moc"

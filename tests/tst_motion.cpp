// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

// Cards that move: the ways planned for them, and the window with "Анимация" on, which must end
// every handler exactly as it does with it off, take no input meanwhile and close at once.
#include "cardmotion.h"
#include "gamedriver.h"
#include "modal.h"
#include "offscreenscreen.h"
#include "registry.h"
#include "termination.h"
#include "zoom.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QFile>
#include <QTest>
#include <QTimer>

#include <csignal>
#include <functional>
#include <memory>

class TfMainProbe {
public:
    // Every card (container, place, stacking, index, face, shown, raised), the message, the
    // button, the state and the counters: what a handler leaves behind.
    static QString Scene(const TfMain& w) {
        auto where = [&w](const QWidget* p) -> QString {
            if (!p)
                return QStringLiteral("none");
            if (p == w.PlayerPlace1)
                return QStringLiteral("man");
            if (p == w.PlayerPlace2)
                return QStringLiteral("cpu");
            if (p == w.GamePlace)
                return QStringLiteral("table");
            return p == w.CardBatch ? QStringLiteral("stock") : QStringLiteral("other");
        };
        QStringList out;
        for (const TCard* c : w.CardBatch->Cards) {
            const QWidget* p = c->parentWidget();
            out << QStringLiteral("%1:%2@%3,%4#%5 i%6 f%7 v%8 h%9 s%10")
                       .arg(c->CardNomber())
                       .arg(where(p))
                       .arg(c->x())
                       .arg(c->y())
                       .arg(p ? p->children().indexOf(c) : -1)
                       .arg(c->Index)
                       .arg(c->Faced())
                       .arg(c->Visible())
                       .arg(c->isHidden())
                       .arg(c->Selected);
        }
        out << w.lMessage->text() << w.bbtStop->text() << QString::number(w.bbtStop->isEnabled())
            << QString::number(int(w.State))
            << QStringLiteral("%1/%2/%3").arg(w.Wins).arg(w.Lose).arg(w.Draw);
        return out.join('\n');
    }
    static bool Moving(const TfMain& w) {
        const auto* layer =
            w.FClient->findChild<TCardMotion*>(QString(), Qt::FindDirectChildrenOnly);
        return layer && layer->isVisible();
    }
};

Q_DECLARE_METATYPE(TCardLook)

namespace {
TCardLook Look(qreal x, qreal y, bool shown = true, bool faceUp = true,
               TCardOrientation o = coVertical) {
    const QSizeF size = o == coVertical ? QSizeF(TCard::CardWidth, TCard::CardHeight)
                                        : QSizeF(TCard::CardHeight, TCard::CardWidth);
    return {QRectF(QPointF(x, y), size), shown, faceUp, o};
}

// Counts the motions a window shows: each one shows its layer once.
class TMotionCount : public QObject {
public:
    TMotionCount() { qApp->installEventFilter(this); }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && qobject_cast<TCardMotion*>(watched))
            ++Shown;
        return false;
    }
    int Shown = 0;
};

// Acts once, as soon as cards move in the window, from inside that motion.
void WhenMoving(TfMain* w, std::function<void()> act) {
    auto* poll = new QTimer(w);
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, w, [w, poll, act] {
        if (!TfMainProbe::Moving(*w))
            return;
        poll->stop();
        poll->deleteLater();
        act();
    });
    poll->start();
}

// A window with "Анимация" as asked, shown: only a window that can be seen moves its cards.
std::unique_ptr<TfMain> Window(bool animated) {
    auto w = std::make_unique<TfMain>();
    if (w->mmAnimation->isChecked() != animated)
        w->mmAnimation->trigger();
    w->show();
    if (!QTest::qWaitForWindowExposed(w.get()))
        qWarning("the window was never exposed");
    return w;
}

// The window after the deal of a seed with "Анимация" off; the settings it stored are gone.
QString DealtWithoutMotion(std::uint32_t seed) {
    QString scene;
    {
        auto w = Window(false);
        TCardBatch::UseSeedsFrom(seed);
        w->mmNewGame->trigger();
        scene = TfMainProbe::Scene(*w);
    }
    QFile::remove(vesk::TRegistry::FileName());
    return scene;
}
} // namespace

class TestMotion : public QObject {
    Q_OBJECT
private slots:
    void init() { QFile::remove(vesk::TRegistry::FileName()); }
    void cleanup() {
        TfMain::MotionTimeScale = 1;
        TCardBatch::SeedSource = nullptr;
        vesk::SetModalHook(nullptr);
        vesk::TRegistry::SetStepHook(nullptr);
    }

    void plannedWays_data() {
        QTest::addColumn<TCardLook>("from");
        QTest::addColumn<TCardLook>("to");
        QTest::addColumn<bool>("flies");
        QTest::addColumn<bool>("leaves");
        QTest::newRow("unchanged") << Look(10, 9) << Look(10, 9) << false << false;
        QTest::newRow("laid") << Look(10, 300) << Look(4, 114) << true << false;
        QTest::newRow("turned over only")
            << Look(10, 9, true, false) << Look(10, 9) << true << false;
        QTest::newRow("from under the stock")
            << Look(460, 150, false, false, coHorisontal) << Look(100, 303) << true << false;
        QTest::newRow("discarded") << Look(300, 114) << Look(0, 0, false) << true << true;
        QTest::newRow("hidden at both ends")
            << Look(460, 150, false) << Look(100, 303, false) << false << false;
        QTest::newRow("from nowhere") << TCardLook{} << Look(100, 303) << false << false;
        QTest::newRow("to nowhere known")
            << Look(100, 303) << TCardLook{{}, true, true, coVertical} << false << false;
    }

    void plannedWays() {
        QFETCH(TCardLook, from);
        QFETCH(TCardLook, to);
        QFETCH(bool, flies);
        QFETCH(bool, leaves);
        TCard card;
        const auto flights = PlanFlights({{&card, from}}, {{&card, to}}, {}, {150, 0});
        QCOMPARE(flights.size(), std::size_t(flies));
        if (!flies)
            return;
        const TCardFlight& f = flights.front();
        QCOMPARE(f.Leaves, leaves);
        QCOMPARE(FrameAt(f, 0).Centre, from.Rect.center());
        QCOMPARE(FrameAt(f, 0).Drawn, from.Shown);
        QCOMPARE(FrameAt(f, 75).Drawn, true);
        QCOMPARE(FrameAt(f, 150).Drawn, !leaves);
        if (leaves) {
            // Sideways off the table, face down, fading out on its way.
            QVERIFY(f.To.Rect.right() < 0);
            QCOMPARE(f.To.Rect.top(), from.Rect.top());
            QVERIFY(!f.To.FaceUp);
            QVERIFY(FrameAt(f, 140).Opacity < FrameAt(f, 60).Opacity);
        } else {
            QCOMPARE(FrameAt(f, 150).Centre, to.Rect.center());
            QCOMPARE(FrameAt(f, 150).FaceUp, to.FaceUp);
        }
    }

    // One after the other in the order given; a card the order does not name goes at once.
    void dealtInOrder() {
        TCard a, b, c, d;
        const std::vector<std::pair<TCard*, TCardLook>> before = {
            {&a, Look(460, 150, true, false, coHorisontal)},
            {&b, Look(463, 153, false, false, coHorisontal)},
            {&c, Look(466, 156, true, false, coHorisontal)},
            {&d, Look(10, 9, true, false)}};
        const std::vector<std::pair<TCard*, TCardLook>> after = {{&a, Look(100, 9, true, false)},
                                                                 {&b, Look(175, 9, true, false)},
                                                                 {&c, Look(250, 9, true, false)},
                                                                 {&d, Look(25, 9, true, false)}};
        const TMotionTiming deal = TimingOf(mkDeal);
        const auto flights = PlanFlights(before, after, {&c, &b, &a}, deal);
        QCOMPARE(flights.size(), std::size_t(4));
        QCOMPARE(flights[0].Start, 0);
        QVERIFY(flights[0].Card == &c || flights[0].Card == &d);
        QCOMPARE(flights[2].Card, &b);
        QCOMPARE(flights[2].Start, deal.Step);
        QCOMPARE(flights[3].Card, &a);
        QCOMPARE(flights[3].Start, 2 * deal.Step);
        QCOMPARE(MotionLength(flights), 2 * deal.Step + deal.Duration);
        // The one under the staircase shows only once it sets off.
        QVERIFY(!FrameAt(flights[2], deal.Step - 1).Drawn);
        QVERIFY(FrameAt(flights[2], deal.Step + 1).Drawn);
        // Crosswise to upright on the way, the picture turned between the two.
        const TFlightFrame half = FrameAt(flights[3], 2 * deal.Step + deal.Duration / 2.0);
        QCOMPARE(half.Orientation, coVertical);
        QVERIFY(half.Angle < 0 && half.Angle > -90);
        // Both hands dealt in at most 0.6 s, each card overlapping the next.
        QVERIFY(2 * (deal.Duration + 5 * deal.Step) <= 600);
        QVERIFY(deal.Step < deal.Duration);
    }

    // A card that turns over narrows to an edge half-way and shows its other side after that.
    void turnsOverHalfWay() {
        TCardFlight f;
        f.From = Look(10, 9, true, false);
        f.To = Look(4, 114, true, true);
        f.Duration = 150;
        QVERIFY(!FrameAt(f, 60).FaceUp);
        QVERIFY(FrameAt(f, 90).FaceUp);
        QVERIFY(FrameAt(f, 75).Width < 0.05);
        QVERIFY(FrameAt(f, 20).Width > 0.9);
        QCOMPARE(FrameAt(f, 200), FrameAt(f, 150));
    }

    void animatedGamesEndEveryActionAlike_data() {
        QTest::addColumn<bool>("transfers");
        QTest::addColumn<bool>("zoomed");
        QTest::newRow("throw-in") << false << false;
        QTest::newRow("transfer at 200 %") << true << true;
    }

    // The same seeded games with "Анимация" off and on: after every action of the person the
    // cards, message, button and counters are the same, and cards did move.
    void animatedGamesEndEveryActionAlike() {
        QFETCH(bool, transfers);
        QFETCH(bool, zoomed);
        TfMain::MotionTimeScale = 10;
        QStringList scenes[2];
        int motions = 0;
        for (const bool animated : {false, true}) {
            QFile::remove(vesk::TRegistry::FileName());
            TMotionCount count;
            auto w = Window(animated);
            if (transfers)
                w->mmTransferGame->trigger();
            if (zoomed)
                w->mmZoomSizes[4]->trigger();
            TGameDriver driver(w.get(), 7);
            driver.OnAction = [&](const TDriverAction&) {
                scenes[animated] << TfMainProbe::Scene(*w);
            };
            for (std::uint32_t seed = 11; seed <= 12; ++seed)
                QVERIFY2(driver.PlayGame(seed), qPrintable(driver.Error));
            motions = count.Shown;
            if (!animated)
                QCOMPARE(motions, 0);
        }
        QVERIFY(motions > 20);
        QCOMPARE(scenes[1].size(), scenes[0].size());
        for (int i = 0; i < scenes[0].size(); ++i)
            QVERIFY2(scenes[1][i] == scenes[0][i],
                     qPrintable(QStringLiteral("after action %1:\n%2\n--- without motion:\n%3")
                                    .arg(i)
                                    .arg(scenes[1][i], scenes[0][i])));
    }

    // Clicks, keys and menu keys during the deal change nothing: the game is where it would
    // be without them, and no dialog opened.
    void inputDuringAMotionChangesNothing() {
        const QString reference = DealtWithoutMotion(4);
        TfMain::MotionTimeScale = 0.25; // the deal takes 2.4 s
        auto w = Window(true);
        int dialogs = 0;
        vesk::SetModalHook([&dialogs](QDialog*) { return ++dialogs, 0; });
        bool sent = false;
        WhenMoving(w.get(), [&] {
            QTest::mouseClick(w->bbtStop, Qt::LeftButton);
            if (!w->PlayerPlace1->Cards.isEmpty())
                QTest::mouseClick(w->PlayerPlace1->Cards.first(), Qt::LeftButton);
            QTest::mouseClick(w->GamePlace, Qt::LeftButton);
            for (const Qt::Key key : {Qt::Key_F2, Qt::Key_F3, Qt::Key_F1, Qt::Key_Return,
                                      Qt::Key_Right, Qt::Key_Up, Qt::Key_Down})
                QTest::keyClick(w.get(), key);
            QTest::keyClick(w.get(), Qt::Key_Plus, Qt::ControlModifier);
            QTest::keyClick(w.get(), Qt::Key_F2, Qt::ShiftModifier);
            sent = true;
        });
        TCardBatch::UseSeedsFrom(4);
        w->mmNewGame->trigger();
        QVERIFY(sent);
        QVERIFY(!TfMainProbe::Moving(*w));
        QCOMPARE(dialogs, 0);
        QCOMPARE(w->mmZoomSizes[0]->isChecked(), true);
        QCOMPARE(TfMainProbe::Scene(*w), reference);
    }

    void closeDuringAMotion_data() {
        QTest::addColumn<QByteArray>("how");
        QTest::newRow("close box") << QByteArray("close box");
        QTest::newRow("Ctrl+X") << QByteArray("Ctrl+X");
        QTest::newRow("SIGTERM") << QByteArray("SIGTERM");
    }

    // A close asked for during a motion ends it at once; the deal is made all the same, the
    // window closes after the handler and stores the settings once.
    void closeDuringAMotion() {
        QFETCH(QByteArray, how);
        const QString reference = DealtWithoutMotion(9);
        TfMain::MotionTimeScale = 0.01; // a motion would take a minute
        auto w = Window(true);
        CloseOnTerminationSignal(w.get());
        int stored = 0;
        // One store: the first value written once.
        vesk::TRegistry::SetStepHook(
            [&stored](vesk::TRegistry::TWriteStep step, const QString& name) {
                stored += step == vesk::TRegistry::TWriteStep::Replaced && name == "Wins";
            });
        bool asked = false;
        WhenMoving(w.get(), [&] {
            asked = true;
            if (how == "close box") {
                QCloseEvent close;
                QCoreApplication::sendEvent(w->windowHandle(), &close);
            } else if (how == "Ctrl+X") {
                QTest::keyClick(w.get(), Qt::Key_X, Qt::ControlModifier);
            } else {
                ::raise(SIGTERM);
            }
        });
        QElapsedTimer clock;
        clock.start();
        TCardBatch::UseSeedsFrom(9);
        w->mmNewGame->trigger();
        // Well before even one of the motions left would have ended.
        QVERIFY(asked);
        QVERIFY2(clock.elapsed() < 20000, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(TfMainProbe::Scene(*w), reference);
        QTRY_VERIFY(!w->isVisible());
        QCOMPARE(stored, 0);
        w.reset();
        QCOMPARE(stored, 1);
        const QByteArray file = [] {
            QFile f(vesk::TRegistry::FileName());
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        }();
        QVERIFY(file.contains("\"NotAnimation\"=dword:00000000"));
        CloseOnTerminationSignal(nullptr);
    }
};

int main(int argc, char** argv) {
    // A screen large enough for the zoomed table.
    const auto screen = UseOffscreenScreen("2560x1600");
    if (!screen)
        return 2;
    QApplication app(argc, argv);
    TestMotion test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_motion.moc"

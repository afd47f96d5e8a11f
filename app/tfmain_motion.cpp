// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

// "Анимация": the cards seen on their way. The game lays every card where it ends at once, as
// without motion; only then are the cards that moved shown travelling there, while nothing
// else happens and no input reaches the game.
#include "tfmain.h"

#include "cardmotion.h"
#include "inputblocker.h"
#include "zoom.h"

#include <QAction>
#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QMenu>
#include <QScreen>
#include <QTimer>

#include <utility>
#include <vector>

bool TfMain::AnimationAtFirstRun = false;
qreal TfMain::MotionTimeScale = 1;

namespace {
// Input waits as during a pause, but the exit item's key closes the window: the motion ends at
// once.
class TMotionBlocker : public TInputBlocker {
public:
    TMotionBlocker(QWidget* window, QAction* exit) : W(window), Exit(exit) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Shortcut && watched == Exit)
            QMetaObject::invokeMethod(W, &QWidget::close, Qt::QueuedConnection);
        return TInputBlocker::eventFilter(watched, event);
    }

private:
    QWidget* W;
    QAction* Exit;
};

TCardLook LookOf(const TCard* card, const QWidget* area) {
    TCardLook look;
    if (!card || !area->isAncestorOf(card))
        return look;
    look.Rect = QRectF(card->mapTo(area, QPoint(0, 0)), QSizeF(card->size()));
    look.Shown = card->isVisibleTo(area);
    look.FaceUp = card->ShowsFace();
    look.Orientation = card->Orientation();
    return look;
}
} // namespace

void TfMain::CreateAnimationItem() {
    N6->addSeparator();
    mmAnimation = N6->addAction(QStringLiteral("Анимация"));
    mmAnimation->setCheckable(true);
    mmAnimation->setChecked(AnimationAtFirstRun);
    // Qt has already toggled the check mark; undo that so only the handler changes it.
    connect(mmAnimation, &QAction::triggered, this, [this](bool checked) {
        mmAnimation->setChecked(!checked);
        Handler([this] { mmAnimationClick(); });
    });
}

void TfMain::mmAnimationClick() {
    mmAnimation->setChecked(!mmAnimation->isChecked());
    FUnreadValues &= std::uint16_t(~uvAnimation);
}

void TfMain::Moving(TMotionKind kind, const std::function<void()>& move,
                    const QList<TCard*>& order) {
    // Nothing to see: the cards only jump, and no time is added.
    if (!mmAnimation->isChecked() || FCloseRequested || !isVisible() || isMinimized()) {
        move();
        return;
    }
    auto looks = [this] {
        std::vector<std::pair<TCard*, TCardLook>> all;
        all.reserve(CardBatch->Cards.size());
        for (TCard* card : CardBatch->Cards)
            all.emplace_back(card, LookOf(card, FClient));
        return all;
    };
    const auto before = looks();
    move();
    std::vector<TCardFlight> flights = PlanFlights(before, looks(), order, TimingOf(kind));
    if (flights.empty())
        return;
    // The layer lives only while cards move: between motions nothing of it is there, not even
    // for a screen reader.
    TCardMotion motion(FClient, GamePlace->Ground());
    motion.Start(std::move(flights), FZoom / 100.0 * devicePixelRatioF());
    TMotionBlocker blocker(this, mmExit);
    // Each frame from the clock, so that a window not painted meanwhile (minimised, covered)
    // still ends its motion in time.
    const QScreen* screen = this->screen();
    const qreal rate = screen && screen->refreshRate() > 1 ? screen->refreshRate() : 60;
    QTimer frames;
    frames.setTimerType(Qt::PreciseTimer);
    frames.setInterval(std::max(4, int(1000 / rate)));
    QEventLoop loop;
    QElapsedTimer clock;
    clock.start();
    const qreal length = motion.Length();
    connect(&frames, &QTimer::timeout, &loop, [&] {
        const qreal at = clock.nsecsElapsed() / 1e6 * MotionTimeScale;
        if (at >= length || FCloseRequested)
            loop.quit();
        else
            motion.SetTime(at);
    });
    frames.start();
    loop.exec();
    motion.Finish();
}

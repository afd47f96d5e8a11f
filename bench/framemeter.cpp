// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "framemeter.h"

#include "cardmotion.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

#include <algorithm>
#include <sys/resource.h>

namespace {
double CpuMs() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return (u.ru_utime.tv_sec + u.ru_stime.tv_sec) * 1e3 +
           (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e3;
}
} // namespace

TFrameMeter::TFrameMeter(QWidget* window) : W(window) {
    QCoreApplication::instance()->installEventFilter(this);
}

TFrameMeter::~TFrameMeter() {
    QCoreApplication::instance()->removeEventFilter(this);
}

bool TFrameMeter::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::Show:
        if (qobject_cast<TCardMotion*>(watched)) {
            FMoving = true;
            ++FMotions;
            FMotionClock.start();
            FLastFrame.invalidate();
            FFirstFrame = true;
            FCpuAtStart = CpuMs();
        }
        break;
    case QEvent::Hide:
        if (FMoving && qobject_cast<TCardMotion*>(watched)) {
            FMoving = false;
            FWallMs += FMotionClock.nsecsElapsed() / 1e6;
            FCpuMs += CpuMs() - FCpuAtStart;
        }
        break;
    case QEvent::Paint:
        if (FMoving && qobject_cast<TCardMotion*>(watched)) {
            ++FFrames;
            if (FLastFrame.isValid())
                FSlowestGapMs = std::max(FSlowestGapMs, FLastFrame.nsecsElapsed() / 1e6);
            FLastFrame.start();
        }
        break;
    case QEvent::UpdateRequest:
        // The whole frame: the window paints what changed and hands it to the display.
        if (FMoving && watched == W && !FInside) {
            FInside = true;
            QElapsedTimer frame;
            frame.start();
            QCoreApplication::sendEvent(W, event);
            // The first frame also paints what the handler changed before the cards set off.
            double& slowest = FFirstFrame ? FSlowestFirstFrameMs : FSlowestFrameMs;
            slowest = std::max(slowest, frame.nsecsElapsed() / 1e6);
            FFirstFrame = false;
            FInside = false;
            return true;
        }
        break;
    default:
        break;
    }
    return false;
}

QByteArray TFrameMeter::Report() const {
    return QStringLiteral("motion motions=%1 frames=%2 wall_ms=%3 cpu_ms=%4 slowest_frame_ms=%5 "
                          "slowest_gap_ms=%6 slowest_first_frame_ms=%7")
        .arg(FMotions)
        .arg(FFrames)
        .arg(FWallMs, 0, 'f', 1)
        .arg(FCpuMs, 0, 'f', 1)
        .arg(FSlowestFrameMs, 0, 'f', 2)
        .arg(FSlowestGapMs, 0, 'f', 2)
        .arg(FSlowestFirstFrameMs, 0, 'f', 2)
        .toUtf8();
}

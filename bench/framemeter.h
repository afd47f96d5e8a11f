// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QElapsedTimer>
#include <QObject>

class QWidget;

// Watches the cards' motions in a window: how many frames they paint, how long the window takes
// to paint each (from the update request to its flush), the gaps between frames, and the
// process's CPU time while cards move.
class TFrameMeter : public QObject {
public:
    explicit TFrameMeter(QWidget* window);
    ~TFrameMeter() override;

    // One line: "motion motions=... frames=... wall_ms=... cpu_ms=... slowest_frame_ms=...
    // slowest_gap_ms=... slowest_first_frame_ms=...", the first frames of the motions apart.
    QByteArray Report() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* W;
    bool FMoving = false;
    bool FInside = false;
    int FMotions = 0;
    int FFrames = 0;
    double FWallMs = 0;
    double FCpuMs = 0;
    double FSlowestFrameMs = 0;
    double FSlowestGapMs = 0;
    double FSlowestFirstFrameMs = 0;
    bool FFirstFrame = false;
    double FCpuAtStart = 0;
    QElapsedTimer FMotionClock;
    QElapsedTimer FLastFrame;
};

// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cardflight.h"

#include <QEasingCurve>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {
TFlightFrame Still(const TCardLook& look) {
    TFlightFrame f;
    f.Drawn = look.Shown;
    f.Centre = look.Rect.center();
    f.FaceUp = look.FaceUp;
    f.Orientation = look.Orientation;
    return f;
}

// A crosswise card is drawn as an upright picture turned a quarter, so that it can turn on.
qreal AngleOf(TCardOrientation o) {
    return o == coHorisontal ? -90.0 : 0.0;
}
} // namespace

TMotionTiming TimingOf(TMotionKind kind) {
    switch (kind) {
    case mkDeal: // one card after the other, each overlapping the next: six in 0.29 s
        return {150, 28};
    case mkTake: // a taken bout and a beaten one go as one
    case mkDiscard:
        return {200, 0};
    case mkLay:
    case mkArrange:
        break;
    }
    return {150, 0};
}

std::vector<TCardFlight> PlanFlights(const std::vector<std::pair<TCard*, TCardLook>>& before,
                                     const std::vector<std::pair<TCard*, TCardLook>>& after,
                                     const QList<TCard*>& order, TMotionTiming timing) {
    std::vector<TCardFlight> flights;
    const std::size_t n = std::min(before.size(), after.size());
    qreal leavingRight = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const TCardLook& from = before[i].second;
        const TCardLook& to = after[i].second;
        if (from == to || from.Rect.isNull() || (!from.Shown && !to.Shown))
            continue;
        if (to.Shown && to.Rect.isNull())
            continue;
        TCardFlight f;
        f.Card = after[i].first;
        f.From = from;
        f.To = to;
        f.Duration = timing.Duration;
        f.Leaves = !to.Shown;
        if (f.Leaves)
            leavingRight = std::max(leavingRight, from.Rect.right());
        const qsizetype k = order.indexOf(f.Card);
        f.Start = k > 0 ? int(k) * timing.Step : 0;
        flights.push_back(f);
    }
    // What leaves goes left as one group until its rightmost card is past the edge, face down.
    for (TCardFlight& f : flights) {
        if (!f.Leaves)
            continue;
        f.To = f.From;
        f.To.Rect.translate(-leavingRight - 2, 0);
        f.To.FaceUp = false;
        f.To.Shown = false;
    }
    // Those set off later are drawn on top, as they come off the top of what they leave.
    std::stable_sort(flights.begin(), flights.end(),
                     [](const TCardFlight& a, const TCardFlight& b) { return a.Start < b.Start; });
    return flights;
}

TFlightFrame FrameAt(const TCardFlight& flight, qreal ms) {
    const qreal t = flight.Duration > 0 ? (ms - flight.Start) / flight.Duration : 1.0;
    if (t <= 0)
        return Still(flight.From);
    if (t >= 1)
        return Still(flight.To);
    static const QEasingCurve curve(QEasingCurve::InOutQuad);
    const qreal u = curve.valueForProgress(t);
    TFlightFrame f;
    f.Drawn = true;
    f.Centre =
        flight.From.Rect.center() + (flight.To.Rect.center() - flight.From.Rect.center()) * u;
    const bool turnsOver = flight.From.FaceUp != flight.To.FaceUp;
    f.FaceUp = turnsOver && u < 0.5 ? flight.From.FaceUp : flight.To.FaceUp;
    if (turnsOver)
        f.Width = std::abs(std::cos(std::numbers::pi * u));
    if (flight.From.Orientation != flight.To.Orientation) {
        f.Orientation = coVertical;
        f.Angle = AngleOf(flight.From.Orientation) +
                  (AngleOf(flight.To.Orientation) - AngleOf(flight.From.Orientation)) * u;
    } else {
        f.Orientation = flight.To.Orientation;
    }
    if (flight.Leaves)
        f.Opacity = std::clamp(2.0 * (1.0 - u), 0.0, 1.0);
    return f;
}

int MotionLength(const std::vector<TCardFlight>& flights) {
    int length = 0;
    for (const TCardFlight& f : flights)
        length = std::max(length, f.Start + f.Duration);
    return length;
}

// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "card.h"

#include <QList>
#include <QPointF>
#include <QRectF>

#include <cstdint>
#include <utility>
#include <vector>

// How a card looks at one end of its way, in the client area's layout pixels. A card that lies
// nowhere to be seen is not shown; its place may still be known (a card under the stock).
struct TCardLook {
    QRectF Rect; // null when the card lies outside the client area
    bool Shown = false;
    bool FaceUp = false;
    TCardOrientation Orientation = coVertical;

    bool operator==(const TCardLook&) const = default;
};

// One card's way from one look to another, `Start` ms into the motion, lasting `Duration` ms.
struct TCardFlight {
    TCard* Card = nullptr;
    TCardLook From;
    TCardLook To;
    int Start = 0;
    int Duration = 0;
    bool Leaves = false; // it ends nowhere: it goes sideways off the table and fades
};

// A card at one moment of its way: a picture of the card, upright or crosswise, turned about
// its centre, narrowed while it turns over.
struct TFlightFrame {
    bool Drawn = false;
    QPointF Centre;
    bool FaceUp = false;
    TCardOrientation Orientation = coVertical; // of the picture
    qreal Angle = 0;                           // degrees, clockwise
    qreal Width = 1;                           // the share of its width seen
    qreal Opacity = 1;

    bool operator==(const TFlightFrame&) const = default;
};

// How long the cards of one motion take: each `Duration` ms, those that go one after the
// other `Step` ms apart.
struct TMotionTiming {
    int Duration = 150;
    int Step = 0;
};

// What a motion shows; each has its timing.
enum TMotionKind : std::uint8_t { mkDeal, mkLay, mkTake, mkDiscard, mkArrange };
TMotionTiming TimingOf(TMotionKind kind);

// The ways of the cards whose look changed between `before` and `after` (the same cards in the
// same order): the cards of `order` set off one after the other in that order, every other
// card at once. A card shown at neither end, or coming from outside the client area, does not
// fly. A card that is shown before and not after leaves: the whole group moves sideways.
std::vector<TCardFlight> PlanFlights(const std::vector<std::pair<TCard*, TCardLook>>& before,
                                     const std::vector<std::pair<TCard*, TCardLook>>& after,
                                     const QList<TCard*>& order, TMotionTiming timing);

// Where a flight is `ms` after the motion began: at its start before it sets off, at its end
// after it has arrived.
TFlightFrame FrameAt(const TCardFlight& flight, qreal ms);

// When the last card of a motion arrives, in ms.
int MotionLength(const std::vector<TCardFlight>& flights);

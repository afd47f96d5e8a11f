// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QPoint>
#include <QSize>

#include <array>

// The face pictures at the device sizes a card is shown at: on a zoomed table, a dense
// screen, or both, a card of 71 x 96 layout pixels covers 71 s x 96 s device pixels (rounded).
// Whole scales come from the artwork generator's drawing at that scale (the compiled-in
// pictures at 1 and 2); any other size is reduced from the next larger whole scale with an
// area average. No picture is ever enlarged by a factor that is not whole.
namespace CardPictures {

// The whole scale a face shown at `scale` device pixels per layout pixel is drawn from: the
// smallest of 1, 2, 3, 4 and 6 not below it (6 above that).
int SourceScale(qreal scale);

// Face picture `id` (an id of CardBitmapIds) drawn at a whole scale: the compiled-in pictures
// at 1 and 2, the artwork generator's drawing at any other; opaque, the frame's white corners
// as the generator draws them. Null for an id that is no card's.
QImage Drawn(int id, int scale);

// An area average to a smaller `size`: each pixel the mean of the source area it covers,
// computed exactly in integers, so that the result is as symmetric as its source.
// Premultiplied ARGB.
QImage Reduced(const QImage& src, QSize size);

// A face as a card shows it at one device size.
struct TFace {
    QSize Size;
    QImage Opaque; // RGB32, the whole card; what lies under the corner patches is not shown
    // Around each corner (top left, top right, bottom left, bottom right): the picture's pixels
    // there, premultiplied, transparent where the card shows its parent, in part where the
    // reduction mixed the border with what lies outside it.
    std::array<QImage, 4> Corners;
    std::array<QPoint, 4> At; // where each patch lies in the card
};

// The face made from `source`, a face picture at the whole scale `sourceScale`, for `size`:
// the twelve corner pixels of the 71 x 96 layout taken out, then reduced when smaller.
TFace MakeFace(const QImage& source, int sourceScale, QSize size);

// The face of picture `id` at a device size, made the first time it is asked for. The faces of
// the size in use are kept (one scale gives sizes one pixel apart); asking for another size
// lets the others go.
const TFace& FaceAt(int id, QSize size);

// How many faces are kept now, for the tests.
int KeptFaces();

} // namespace CardPictures

// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>

#include <functional>
#include <string_view>

// Pictures drawn by hand, one character per pixel, and the few operations the cards need.
// A transparent pixel (alpha 0) leaves what lies below when blitted.
namespace PixelArt {

// Rows separated by newlines (leading and trailing blank lines ignored), all padded to the
// widest row with `pad`; `colourOf` gives each character's colour (0 for transparent).
QImage FromRows(std::string_view rows, const std::function<QRgb(char)>& colourOf, char pad = '.');

// A one-colour mask: '#' is ink, anything else transparent.
QImage Mask(std::string_view rows, QRgb ink);

// Twice the size; edges that run diagonally stay smooth instead of turning into steps
// (the EPX rule), so hand-drawn pixels keep their shapes.
QImage Scale2x(const QImage& src);

// Three times the size by the same kind of rule (AdvMAME3x).
QImage Scale3x(const QImage& src);

// Each pixel as a factor x factor block.
QImage Blocks(const QImage& src, int factor);

// Hand-drawn pixels at a whole factor: 1 as they are, 2 by Scale2x, 3 by Scale3x, their
// products by both in turn (the 2x step first, so 4x and 6x refine the 2x picture), any other
// factor as blocks.
QImage Enlarged(const QImage& src, int factor);

// Copies the opaque pixels of src with its top-left corner at (x, y).
void Blit(QImage& dst, const QImage& src, int x, int y);

// Mask operations: a pixel is set when it is opaque.
QImage Eroded(const QImage& mask, int steps); // loses every pixel with an unset 4-neighbour
QImage Minus(const QImage& a, const QImage& b);
QImage Recoloured(const QImage& mask, QRgb colour);
QImage Mirrored(const QImage& src); // left to right

// Turned by 180 degrees.
QImage Turned(const QImage& src);

} // namespace PixelArt

// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>

// The frame every card picture shares: a white ground and a one-pixel border whose corners
// are cut across diagonally, with the three pixels outside each cut left white.
namespace CardFrame {

constexpr int Width = 71;
constexpr int Height = 96;

// Whether logical pixel (x, y) of a 71 x 96 card belongs to the border.
bool IsBorder(int x, int y);

// A blank card at the given scale: each logical pixel of the frame a scale x scale block.
QImage Blank(QRgb border, int scale);

} // namespace CardFrame

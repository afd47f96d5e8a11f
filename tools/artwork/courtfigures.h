// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>

// The court figures: the upper half of each, drawn pixel by pixel for the 45 x 37 upper half
// of the court frame; the lower half is the same half turned by 180 degrees.
namespace CourtFigures {

constexpr int HalfWidth = 45;
constexpr int HalfHeight = 37;

// The upper half of the jack, queen or king (value 5, 6, 7) in the colours of the suit.
QImage UpperHalf(int suit, int value);

} // namespace CourtFigures

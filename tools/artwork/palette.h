// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>

#include <array>

// The standard 16 colours: every pixel of a court card is one of them.
namespace Palette {
constexpr QRgb Black = 0xff000000;
constexpr QRgb Maroon = 0xff800000;
constexpr QRgb Green = 0xff008000;
constexpr QRgb Olive = 0xff808000;
constexpr QRgb Navy = 0xff000080;
constexpr QRgb Purple = 0xff800080;
constexpr QRgb Teal = 0xff008080;
constexpr QRgb Silver = 0xffc0c0c0;
constexpr QRgb Gray = 0xff808080;
constexpr QRgb Red = 0xffff0000;
constexpr QRgb Lime = 0xff00ff00;
constexpr QRgb Yellow = 0xffffff00;
constexpr QRgb Blue = 0xff0000ff;
constexpr QRgb Fuchsia = 0xffff00ff;
constexpr QRgb Aqua = 0xff00ffff;
constexpr QRgb White = 0xffffffff;

constexpr std::array<QRgb, 16> All = {Black, Maroon, Green, Olive,  Navy, Purple,  Teal, Silver,
                                      Gray,  Red,    Lime,  Yellow, Blue, Fuchsia, Aqua, White};

// The palette colour nearest to c (alpha ignored).
QRgb Nearest(QRgb c);
} // namespace Palette

// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "card.h"

#include <QColor>
#include <QImage>
#include <QString>

#include <array>
#include <cstdint>

// Resource id of each card picture, looked up at Suit * 9 + Value.
extern const std::array<std::uint8_t, 36> CardBitmapIds;
// Colour of each suit's sign, by Suit.
extern const std::array<QColor, 4> SuitColors;
// Each suit's sign, by Suit (club, diamond, heart, spade).
extern const std::array<QString, 4> SuitSymbols;

// The compiled-in picture with the given resource id (":/cards/<id>.png"); null if absent.
QImage LoadCardBitmap(int id);
// The double-size picture (":/cards/<id>@2x.png"); null if absent.
QImage LoadCardBitmap2x(int id);
QImage LoadCardBitmap(TCardSuit suit, TCardValue value);

// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLocale>
#include <QString>

#include <cstdint>

namespace vesk {

// Fixed notation with two decimals: the value taken to 18 significant digits, then rounded at
// the second decimal with ties away from zero; the locale's decimal separator, no grouping.
QString FormatFixed2(long double value, const QLocale& locale = QLocale::system());

// "<count> (<count * 100 / total>%) ", the share in per cent of a positive total.
QString ShareText(std::int32_t count, std::int32_t total,
                  const QLocale& locale = QLocale::system());

// The sum as a signed 32-bit register gives it: wrapping, never undefined.
std::int32_t WrappingSum(std::int32_t a, std::int32_t b, std::int32_t c);

} // namespace vesk

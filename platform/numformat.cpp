// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "numformat.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace vesk {

QString FormatFixed2(long double value, const QLocale& locale) {
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");

    // 18 significant digits: d.ddddddddddddddddde±x
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.17Le", value);
    const std::string text(buf);
    const bool negative = text[0] == '-';
    const std::size_t start = negative ? 1 : 0;
    const std::size_t e = text.find('e');
    std::string digits = text.substr(start, 1) + text.substr(start + 2, e - start - 2);
    const int exponent = std::atoi(text.c_str() + e + 1);

    // The digits of value * 100 before its point; the next digit decides the rounding.
    const int kept = exponent + 3;
    std::string hundredths;
    int next = 0;
    if (kept > 0) {
        hundredths = digits.substr(0, std::size_t(std::min<int>(kept, int(digits.size()))));
        if (kept < int(digits.size()))
            next = digits[std::size_t(kept)] - '0';
        else
            hundredths.append(std::size_t(kept) - digits.size(), '0');
    } else if (kept == 0) {
        next = digits[0] - '0';
    }
    if (next >= 5) {
        int i = int(hundredths.size()) - 1;
        for (; i >= 0 && hundredths[std::size_t(i)] == '9'; --i)
            hundredths[std::size_t(i)] = '0';
        if (i >= 0)
            ++hundredths[std::size_t(i)];
        else
            hundredths.insert(0, 1, '1');
    }
    const std::size_t first = hundredths.find_first_not_of('0');
    hundredths = first == std::string::npos ? std::string() : hundredths.substr(first);
    const bool zero = hundredths.empty();
    if (hundredths.size() < 3)
        hundredths.insert(0, 3 - hundredths.size(), '0');

    QString out;
    if (negative && !zero)
        out += QLatin1Char('-');
    out += QString::fromLatin1(hundredths.substr(0, hundredths.size() - 2));
    out += locale.decimalPoint();
    out += QString::fromLatin1(hundredths.substr(hundredths.size() - 2));
    return out;
}

QString ShareText(std::int32_t count, std::int32_t total, const QLocale& locale) {
    const long double share = static_cast<long double>(count) * 100 / total;
    return QString::number(count) + QStringLiteral(" (") + FormatFixed2(share, locale) +
           QStringLiteral("%) ");
}

std::int32_t WrappingSum(std::int32_t a, std::int32_t b, std::int32_t c) {
    return std::int32_t(std::uint32_t(a) + std::uint32_t(b) + std::uint32_t(c));
}

} // namespace vesk

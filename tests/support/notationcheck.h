// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "notation.h"

#include <QTest>

#include <string>

// Fails the test function with the notation's complaint, quoting the bad text.
#define VERIFY_NOTATION(expr)                                                                      \
    do {                                                                                           \
        const std::string notationWhy_ = (expr);                                                   \
        QVERIFY2(notationWhy_.empty(), notationWhy_.c_str());                                      \
    } while (false)

// A position as a deal leaves it (the first bout), written as hands, trump, stock size and the
// stock's top cards.
inline TWrittenPosition WrittenDeal(const QString& man, const QString& cpu, const QString& trump,
                                    int stock = 0, const QString& next = {}) {
    return {.Man = man.toStdString(),
            .Cpu = cpu.toStdString(),
            .Trump = trump.toStdString(),
            .Stock = stock,
            .Table = {},
            .FirstBout = true,
            .Next = next.toStdString()};
}

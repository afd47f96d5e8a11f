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

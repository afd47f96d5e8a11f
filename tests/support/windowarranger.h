// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "notation.h"
#include "tfmain.h"

#include <QString>

#include <string>

// Lays a written position out in a real main window: in its core game and in its widgets
// alike, card for card as the program itself would have moved them.
class TWindowArranger {
public:
    // The hands, the table, the stock and its trump card, FirstBout, the state with its button
    // and the roles; the message line is left as it is. Empty, or what is wrong with the text.
    static std::string Arrange(TfMain& w, const TWrittenPosition& written);

    // Where the window shows something else than its core game holds, or empty: both hands in
    // order, the table's lists, the pile, the state with the button, FirstBout, the roles and
    // the message line.
    static QString Differences(const TfMain& w);
};

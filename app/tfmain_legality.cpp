// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tfmain.h"

#include "legality.h"

bool TfMain::ValueOnTable(TCardValue value) {
    return ::ValueOnTable(FGame.P.Table, value);
}

bool TfMain::CanPlay(std::uint8_t kind, TCard* card) {
    return FGame.CanPlay(kind, card->Id());
}

// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tfmain.h"

#include "computer.h"

int TfMain::ChooseDefence(const QList<TCard*>& hand) {
    const int i = ::ChooseDefence(CardIds(hand), FGame.P);
    return i < 0 ? -1 : hand[i]->Index;
}

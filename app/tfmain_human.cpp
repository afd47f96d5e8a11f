// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tfmain.h"

void TfMain::PlayerPlace1CardClick(TCard* card) {
    // A second click on the raised card plays it.
    if (card->Selected)
        PlayerPlace1CardDblClick(card);
}

void TfMain::PlayerPlace1CardDblClick(TCard* card) {
    if (!card || !PlayerPlace1->Cards.contains(card))
        return;
    Act(TAction::Card(card->Index));
}

void TfMain::GamePlaceMouseDown(Qt::MouseButton, Qt::MouseButtons buttons,
                                Qt::KeyboardModifiers modifiers, int, int) {
    const auto keys = Qt::ShiftModifier | Qt::AltModifier | Qt::ControlModifier;
    const auto both = Qt::LeftButton | Qt::RightButton;
    if ((modifiers & keys) == keys && (buttons & both) == both)
        PlayerPlace2->SetFaced(!PlayerPlace2->Faced());
}

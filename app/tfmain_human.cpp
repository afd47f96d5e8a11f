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
    // A card that cannot be played so may still pass the attack on.
    if (!Act(TAction::Card(card->Index)))
        Act(TAction::Transfer(card->Index));
}

void TfMain::TransferRaised() {
    if (const TCard* card = PlayerPlace1->RaisedCard())
        Act(TAction::Transfer(card->Index));
}

void TfMain::GamePlaceMouseDown(Qt::MouseButton button, Qt::MouseButtons buttons,
                                Qt::KeyboardModifiers modifiers, int x, int y) {
    const auto keys = Qt::ShiftModifier | Qt::AltModifier | Qt::ControlModifier;
    const auto both = Qt::LeftButton | Qt::RightButton;
    if ((modifiers & keys) == keys && (buttons & both) == both) {
        PlayerPlace2->SetFaced(!PlayerPlace2->Faced());
        return;
    }
    // A left click on the free table right of the row, left of the stock and above the
    // message line lays the raised card beside the row.
    if (button == Qt::LeftButton && buttons == Qt::LeftButton && !(modifiers & keys) &&
        x >= GamePlace->NextAttackLeft() && x < CardBatch->x() && y >= 0 && y < lMessage->y())
        TransferRaised();
}

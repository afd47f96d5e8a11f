#include "tfmain.h"

void TfMain::PlayerPlace1CardClick(TCard* card) {
    // A second click on the raised card plays it.
    if (card->Selected)
        PlayerPlace1CardDblClick(card);
}

void TfMain::PlayerPlace1CardDblClick(TCard* card) {
    if (!card || !PlayerPlace1->Cards.contains(card))
        return;
    switch (State) {
    case gsCPUAttack:
        if (GamePlace->AttackCount() <= GamePlace->DefenceCount())
            return;
        if (!CanPlay(PlayerPlace1->Role, card))
            return;
        SetMessage(QString());
        GamePlace->PutDefence(PlayerPlace1->ExtractCard(card->Index));
        CPUMove();
        return;
    case gsManAttack:
        if (GamePlace->AttackCount() != GamePlace->DefenceCount())
            return;
        if (!CanPlay(PlayerPlace1->Role, card))
            return;
        SetMessage(QString());
        GamePlace->PutAttack(PlayerPlace1->ExtractCard(card->Index));
        bbtStop->setEnabled(true);
        CPUMove();
        return;
    case gsCPUTakes:
        if (!CanPlay(PlayerPlace1->Role, card))
            return;
        GamePlace->PutAttack(PlayerPlace1->ExtractCard(card->Index));
        if (GamePlace->DefenceCount() + PlayerPlace2->CardCount() == GamePlace->AttackCount())
            NoMoreClick();
        return;
    default:
        return;
    }
}

void TfMain::GamePlaceMouseDown(Qt::MouseButton, Qt::MouseButtons buttons,
                                Qt::KeyboardModifiers modifiers, int, int) {
    const auto keys = Qt::ShiftModifier | Qt::AltModifier | Qt::ControlModifier;
    const auto both = Qt::LeftButton | Qt::RightButton;
    if ((modifiers & keys) == keys && (buttons & both) == both)
        PlayerPlace2->SetFaced(!PlayerPlace2->Faced());
}

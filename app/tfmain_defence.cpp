#include "tfmain.h"

#include "computer.h"

int TfMain::ChooseDefence(const QList<TCard*>& hand) {
    const int i = ::ChooseDefence(CardIds(hand), FGame.P);
    return i < 0 ? -1 : hand[i]->Index;
}

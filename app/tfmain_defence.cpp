#include "tfmain.h"

#include "choice.h"

int TfMain::ChooseDefence(const QList<TCard*>& hand) {
    QList<TCard*> plain;
    QList<TCard*> trumps;
    for (TCard* card : hand)
        if (CanPlay(2, card))
            (card->IsTrump ? trumps : plain).append(card);
    int r = -1;
    if (!plain.isEmpty())
        r = PreferPair(hand, plain);
    else if (!trumps.isEmpty())
        r = LowestCard(trumps);
    if (r >= 0) {
        const TCard* card = hand[r];
        // Keep the high trumps while the stock is still thick: take instead.
        if (card->IsTrump && card->Value() > 4 && CardBatch->Count() > 16)
            r = -1;
    }
    return r;
}

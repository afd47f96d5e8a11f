#pragma once

#include "card.h"

#include <QList>

// The card of a candidate list with the lowest value; on equal values the first in hand
// order. Null for an empty list.
inline TCard* LowestOf(const QList<TCard*>& list) {
    TCard* best = nullptr;
    for (TCard* card : list)
        if (!best || card->Value() < best->Value())
            best = card;
    return best;
}

inline int IndexOf(const TCard* card) {
    return card ? card->Index : -1;
}

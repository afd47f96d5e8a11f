#include "tfmain.h"

#include "choice.h"

int TfMain::LowestCard(const QList<TCard*>& list) {
    return IndexOf(LowestOf(list));
}

int TfMain::PreferPair(const QList<TCard*>& hand, const QList<TCard*>& list) {
    const TCard* lowest = LowestOf(list);
    if (list.size() <= 2)
        return IndexOf(lowest);
    int count[9] = {};
    int last[9] = {};
    for (const TCard* card : list) {
        ++count[card->Value()];
        last[card->Value()] = card->Index;
    }
    // The whole hand itself (the end game): lead the highest value held twice.
    if (&list == &hand) {
        for (int v = 8; v >= 0; --v)
            if (count[v] >= 2)
                return last[v];
        return IndexOf(lowest);
    }
    // A candidate list: the lowest pair, when it is not too far above the lowest card.
    const int allowance = 9 - CardBatch->Count() / 3;
    for (int v = 0; v <= 8; ++v) {
        if (count[v] < 2)
            continue;
        return v <= lowest->Value() + allowance ? last[v] : IndexOf(lowest);
    }
    return IndexOf(lowest);
}

int TfMain::ChooseAttack(const QList<TCard*>& hand) {
    const int stock = CardBatch->Count();
    if (GamePlace->AttackCount() == 0) {
        if (stock <= 2)
            return PreferPair(hand, hand);
        QList<TCard*> plain;
        for (TCard* card : hand)
            if (!card->IsTrump)
                plain.append(card);
        if (!plain.isEmpty())
            return PreferPair(hand, plain);
        return LowestCard(hand);
    }
    QList<TCard*> plain;
    QList<TCard*> trumps;
    for (TCard* card : hand)
        if (CanPlay(1, card))
            (card->IsTrump ? trumps : plain).append(card);
    if (!plain.isEmpty())
        return LowestCard(plain);
    if (!trumps.isEmpty() && stock < 8)
        return LowestCard(trumps);
    return -1;
}

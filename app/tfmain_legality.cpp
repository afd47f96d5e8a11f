#include "tfmain.h"

bool TfMain::ValueOnTable(TCardValue value) {
    for (const TCard* card : GamePlace->Cards)
        if (card->Value() == value)
            return true;
    return false;
}

bool TfMain::CanPlay(std::uint8_t kind, TCard* card) {
    if (kind == 1) {
        const int attacks = GamePlace->AttackCount();
        if (FirstBout && attacks == 5)
            return false;
        if (attacks == 6)
            return false;
        if (attacks == 0)
            return true;
        return ValueOnTable(card->Value());
    }
    if (kind == 2) {
        const TCard* unbeaten = GamePlace->UnbeatenCard();
        if (!unbeaten)
            return false; // nothing to beat: no card may be laid as a beater
        if (card->Suit() == unbeaten->Suit())
            return card->Value() > unbeaten->Value();
        return card->IsTrump;
    }
    return false;
}

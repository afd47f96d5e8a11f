// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "playerplace.h"

#include "gameplace.h"
#include "hand.h"
#include "stacking.h"

#include <QAccessible>

#include <algorithm>

TPlayerPlace::TPlayerPlace(QWidget* owner) : TPanel(owner) {}

TPlayerPlace::~TPlayerPlace() {
    DetachCards(this);
}

void TPlayerPlace::SetFaced(bool faced) {
    FFaced = faced;
    for (TCard* card : Cards) {
        card->SetFaced(faced);
        card->update();
    }
}

void TPlayerPlace::ArrangeHeld() {
    Arrange();
    for (TCard* card : Cards)
        card->Reveal();
}

void TPlayerPlace::Arrange() {
    std::sort(Cards.begin(), Cards.end(),
              [](const TCard* a, const TCard* b) { return TCard::CompareCards(a, b) < 0; });
    for (int i = 0; i < Cards.size(); ++i)
        Cards[i]->Index = i;
    RaiseInOrder(Cards);
    const int n = int(Cards.size());
    const int w = width(); // the overall width, border included
    if (n == 0)
        return;
    if (w - 75 * n > 0) {
        for (int i = 0; i < n; ++i)
            Cards[i]->move((w - 75 * n) / 2 + 75 * i, Cards[i]->y());
    } else {
        // A single card that does not fit stands at the left edge.
        const int step = n > 1 ? (w - 75) / (n - 1) : 0;
        for (int i = 0; i < n; ++i)
            Cards[i]->move(2 + step * i, Cards[i]->y());
    }
}

void TPlayerPlace::AddCard(TCard* card) {
    card->Conceal(); // shown once, in its place in this hand
    card->SetOrientation(coVertical);
    card->setVisible(true);
    card->SetParentControl(this);
    card->SetFaced(FFaced); // Arrange stacks it
    card->move(card->x(), 9);
    card->OnClick = [this](TCard* c) { CardClick(c); };
    card->OnDblClick = [this](TCard* c) { CardDblClick(c); };
    Cards.append(card);
    card->Index = int(Cards.size()) - 1;
    if (FHeld > 0) {
        FPending = true;
        return;
    }
    Arrange();
    card->Reveal();
}

void TPlayerPlace::AddCards(const QList<TCard*>& cards) {
    const QList<TCard*> copy = cards; // the list may be one that changes meanwhile
    ArrangeOnce once(this);
    for (TCard* card : copy) {
        AddCard(card);
        if (Player == ptMan)
            card->move(card->x(), 0);
    }
}

int TPlayerPlace::FindMinCard(TCardValue bound, TCardSuit suit) const {
    return ::FindMinCard(CardIds(Cards), bound, suit);
}

int TPlayerPlace::FindMaxCard(TCardValue bound, TCardSuit suit) const {
    return ::FindMaxCard(CardIds(Cards), bound, suit);
}

TCard* TPlayerPlace::ExtractCard(int index) {
    TCard* card = Cards[index];
    card->OnClick = nullptr;
    card->OnDblClick = nullptr;
    Cards.removeAt(index);
    for (int i = 0; i < Cards.size(); ++i)
        Cards[i]->Index = i;
    return card;
}

void TPlayerPlace::CardClick(QObject* sender) {
    auto* clicked = qobject_cast<TCard*>(sender);
    if (!clicked)
        return;
    // The hand in its order with the clicked card on top.
    QList<TCard*> stack;
    stack.reserve(Cards.size() + 1);
    for (TCard* card : Cards) {
        if (card != clicked)
            stack.append(card);
        if (card->CardNomber() != clicked->CardNomber()) {
            if (card->y() != 9)
                card->move(card->x(), 9);
            card->Selected = false;
        }
    }
    clicked->move(clicked->x(), 0);
    if (clicked->parentWidget() == this) {
        stack.append(clicked);
        RaiseInOrder(stack);
    } else {
        RaiseInOrder(stack);
        clicked->raise();
    }
    // The receiver still sees whether the card was raised before this click.
    if (OnCardClick)
        OnCardClick(clicked);
    clicked->Selected = true;
    // A screen reader learns which card is raised; a card just played is no longer here.
    if (Player == ptMan && Cards.contains(clicked)) {
        QAccessible::State raised;
        raised.selected = true;
        QAccessibleStateChangeEvent event(clicked, raised);
        QAccessible::updateAccessibility(&event);
    }
}

void TPlayerPlace::CardDblClick(QObject* sender) {
    if (OnCardDblClick)
        OnCardDblClick(qobject_cast<TCard*>(sender));
}

TCard* TPlayerPlace::RaisedCard() const {
    TCard* raised = nullptr;
    for (TCard* card : Cards) {
        if (!card->Selected)
            continue;
        if (raised)
            return nullptr;
        raised = card;
    }
    return raised;
}

bool TPlayerPlace::RaiseNext(int direction) {
    const int step = direction < 0 ? -1 : 1;
    const TCard* raised = RaisedCard();
    int i = raised ? int(Cards.indexOf(raised)) + step : (step < 0 ? int(Cards.size()) - 1 : 0);
    // A click on a selected card would play it, and these keys only raise.
    while (i >= 0 && i < Cards.size() && Cards[i]->Selected)
        i += step;
    if (i < 0 || i >= Cards.size())
        return false;
    CardClick(Cards[i]);
    return true;
}

bool TPlayerPlace::ClickRaised() {
    TCard* raised = RaisedCard();
    if (!raised)
        return false;
    CardClick(raised);
    return true;
}

// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gameplace.h"

#include <QMouseEvent>

void DetachCards(QWidget* container) {
    const QList<TCard*> cards = container->findChildren<TCard*>(Qt::FindDirectChildrenOnly);
    for (TCard* card : cards)
        card->SetParentControl(nullptr);
}

TGamePlace::TGamePlace(QWidget* owner) : TPanel(owner) {}

TGamePlace::~TGamePlace() {
    DetachCards(this);
}

void TGamePlace::PutAttack(TCard* card) {
    const int left = NextAttackLeft();
    card->Conceal(); // shown once, in its place on the table
    card->SetParentControl(this);
    card->raise();
    card->move(left, 4);
    card->SetFaced(true);
    card->Reveal();
    AttackCards.append(card);
    Cards.append(card);
}

void TGamePlace::PutDefence(TCard* card) {
    const int k = DefenceCount();
    card->Conceal();
    card->SetParentControl(this);
    card->move(75 * k + 8, 52);
    card->SetFaced(true);
    card->raise();
    card->Reveal();
    DefenceCards.append(card);
    Cards.append(card);
}

void TGamePlace::ClearTable() {
    for (TCard* card : Cards) {
        if (card->parentWidget() == this)
            card->SetParentControl(nullptr);
    }
    AttackCards.clear();
    DefenceCards.clear();
    Cards.clear();
}

TCard* TGamePlace::UnbeatenCard() const {
    if (AttackCards.size() == DefenceCards.size())
        return nullptr;
    return AttackCards.last();
}

void TGamePlace::mousePressEvent(QMouseEvent* event) {
    if (OnMouseDown) {
        const QPoint at = event->position().toPoint();
        OnMouseDown(event->button(), event->buttons(), event->modifiers(), at.x(), at.y());
    }
    QFrame::mousePressEvent(event);
}

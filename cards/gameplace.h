// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "card.h"
#include "panel.h"

#include <QList>

#include <cstdint>
#include <functional>

// The table: the attacking and beating cards of the current bout.
class TGamePlace : public TPanel {
    Q_OBJECT
public:
    explicit TGamePlace(QWidget* owner = nullptr);
    ~TGamePlace() override;

    QList<TCard*> Cards;        // every card of the bout, in the order laid
    QList<TCard*> AttackCards;  // led and thrown-in cards
    QList<TCard*> DefenceCards; // beating cards

    void PutAttack(TCard* card);
    void PutDefence(TCard* card);
    void ClearTable();
    std::uint8_t AttackCount() const { return static_cast<std::uint8_t>(AttackCards.size()); }
    std::uint8_t DefenceCount() const { return static_cast<std::uint8_t>(DefenceCards.size()); }
    TCard* UnbeatenCard() const;
    // The left edge of the next attacking card's place: the row ends there.
    int NextAttackLeft() const { return 75 * AttackCount() + 4; }

    // Press on the table: button pressed, buttons held, modifiers, x, y.
    std::function<void(Qt::MouseButton, Qt::MouseButtons, Qt::KeyboardModifiers, int, int)>
        OnMouseDown;

protected:
    void mousePressEvent(QMouseEvent* event) override;
};

// Containers borrow cards: before Qt deletes a container's children, hand its cards back
// to nobody so that only the stock pile ever deletes them.
void DetachCards(QWidget* container);

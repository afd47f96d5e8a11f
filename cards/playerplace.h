// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "card.h"
#include "panel.h"
#include "position.h"

#include <QList>

#include <cstdint>

// One player's hand: a sorted row of borrowed cards that relays clicks on them.
class TPlayerPlace : public TPanel {
    Q_OBJECT
public:
    explicit TPlayerPlace(QWidget* owner = nullptr);
    ~TPlayerPlace() override;

    QList<TCard*> Cards;
    TVeskPlayerType Player = ptMan;
    std::uint8_t Role = 0; // the engine's: 1 attacks, 2 defends
    TCardEvent OnCardClick;
    TCardEvent OnCardDblClick;

    bool Faced() const { return FFaced; }
    void SetFaced(bool faced);

    std::uint8_t CardCount() const { return static_cast<std::uint8_t>(Cards.size()); }
    void Arrange();
    // Holds the arranging while several cards come in: the hand is arranged once, at the end,
    // into the same order and places as after each card.
    class ArrangeOnce {
    public:
        explicit ArrangeOnce(TPlayerPlace* hand) : Hand(hand) { ++Hand->FHeld; }
        ~ArrangeOnce() {
            if (--Hand->FHeld == 0 && Hand->FPending) {
                Hand->FPending = false;
                Hand->ArrangeHeld();
            }
        }
        ArrangeOnce(const ArrangeOnce&) = delete;
        ArrangeOnce& operator=(const ArrangeOnce&) = delete;

    private:
        TPlayerPlace* Hand;
    };
    void AddCard(TCard* card);
    void AddCards(const QList<TCard*>& cards);
    int FindMinCard(TCardValue bound, TCardSuit suit) const;
    int FindMaxCard(TCardValue bound, TCardSuit suit) const;
    TCard* ExtractCard(int index);
    void ClearHand() { Cards.clear(); }

    void CardClick(QObject* sender);
    void CardDblClick(QObject* sender);

    // Keyboard play, made of the same clicks as the mouse's. The raised card is the one card
    // with Selected set; after taking the table back several may be, and then none is.
    TCard* RaisedCard() const;
    // Clicks the neighbour of the raised card (-1 left, +1 right), or with none raised the last
    // or the first card; false when there is no card to click.
    bool RaiseNext(int direction);
    // Clicks the raised card, which plays it as a second click does; false when none is raised.
    bool ClickRaised();

protected:
private:
    void ArrangeHeld(); // and shows the cards that came in meanwhile

    bool FFaced = false;
    int FHeld = 0;
    bool FPending = false;
};

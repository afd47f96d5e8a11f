// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "cardid.h"
#include "cardlist.h"

#include <QImage>
#include <QPen>
#include <QWidget>

#include <array>
#include <cstdint>
#include <functional>

enum TCardOrientation : std::uint8_t { coVertical = 0, coHorisontal = 1 };

class TCard;
// The cards of a list as the rules see them, in the same order.
TCardList CardIds(const QList<TCard*>& cards);
using TCardEvent = std::function<void(TCard*)>;

// One card of the pack: a small child control that paints its face or its back.
// The stock pile owns all 36; hands and the table only re-parent them.
class TCard : public QWidget {
    Q_OBJECT
public:
    static constexpr int CardWidth = 71;
    static constexpr int CardHeight = 96;

    explicit TCard(QWidget* owner = nullptr);
    ~TCard() override;

    // The card it shows; the properties below read and write it.
    TCardValue Value() const { return FCard.Value; }
    void SetValue(TCardValue v) { FCard.Value = v; }
    TCardSuit Suit() const { return FCard.Suit; }
    void SetSuit(TCardSuit s) { FCard.Suit = s; }

    // Suit * 10 + Value; writing repaints only a face-up card and never reloads the picture.
    std::uint8_t CardNomber() const { return FCard.Nomber(); }
    void SetCardNomber(std::uint8_t n);

    bool Faced() const { return FFaced; }
    void SetFaced(bool f) { FFaced = f; } // never repaints by itself

    TCardOrientation Orientation() const { return FOrientation; }
    // A crosswise card always shows its back.
    bool ShowsFace() const { return FFaced && FOrientation == coVertical; }
    void SetOrientation(TCardOrientation o);

    // The card's own notion of visibility: a parentless card keeps it but shows nowhere,
    // and it applies again as soon as the card has a parent.
    bool Visible() const { return FVisible; }
    void setVisible(bool visible) override;

    // Re-parent keeping the card's visibility; no change (and no restacking) when the
    // parent is already this one.
    void SetParentControl(QWidget* parent);

    // A card moved in steps (parent, size, place, stacking) is repainted at every step it is
    // seen. Between Conceal and Reveal it stays off the screen whatever Visible says; Reveal
    // shows it, once, where it ended up, if it is visible and has a parent.
    void Conceal();
    void Reveal();
    bool Concealed() const { return FConcealed; }

    QImage FaceBitmap;   // the face picture, 71 x 96 at ratio 1
    QImage FaceBitmap2x; // the same face at twice the size, for dense screens (may be null)
    // Shown at any other scale (a zoomed table, a screen of another density), a face comes
    // from the pictures made for that size (cardpicture.h) and a back is drawn at it.
    int Index = -1;
    bool IsTrump = false;
    bool Selected = false;

    TCardEvent OnClick;
    TCardEvent OnDblClick;

    // Hand order: plain cards first by card number, then trumps by card number.
    static int CompareCards(const TCard* a, const TCard* b);
    // The card as the rules see it.
    TCardId Id() const { return FCard; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void PaintFace(QPainter& p);
    void PaintBack(QPainter& p);
    // Under a painter that scales: pictures made for the device pixels the card covers.
    void PaintFaceAt(QPainter& p, const std::array<QColor, 4>& corners); // tl, tr, bl, br
    void PaintBackAt(QPainter& p);
    // What the parent shows at a point of its client area; invalid when it shows nothing there.
    QColor ParentColorAt(QPoint at) const;

    TCardId FCard{0, 0};
    bool FFaced = false;
    TCardOrientation FOrientation = coVertical;
    bool FVisible = true;
    bool FConcealed = false;
    QPen FPen;
    bool FPressed = false;
    bool FDoublePressed = false;
};

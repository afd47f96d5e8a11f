// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "card.h"

#include <QMouseEvent>

TCard::TCard(QWidget* owner) : QWidget(owner) {
    setGeometry(0, 0, CardWidth, CardHeight);
    FPen = QPen(Qt::black, 2, Qt::SolidLine);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    setFocusPolicy(Qt::NoFocus);
}

TCard::~TCard() = default;

void TCard::SetCardNomber(std::uint8_t n) {
    FCard = TCardId::FromNomber(n);
    if (FFaced)
        update();
}

void TCard::SetOrientation(TCardOrientation o) {
    FOrientation = o;
    if (o == coVertical)
        resize(CardWidth, CardHeight);
    else
        resize(CardHeight, CardWidth);
}

void TCard::setVisible(bool visible) {
    FVisible = visible;
    // A card without a parent would become a window of its own: it never shows.
    if (visible && (!parentWidget() || FConcealed))
        return;
    QWidget::setVisible(visible);
}

void TCard::Conceal() {
    FConcealed = true;
    if (!isHidden())
        QWidget::setVisible(false);
}

void TCard::Reveal() {
    if (!FConcealed)
        return;
    FConcealed = false;
    if (FVisible && parentWidget())
        QWidget::setVisible(true);
}

void TCard::SetParentControl(QWidget* parent) {
    if (parent == parentWidget())
        return;
    FPressed = false;
    FDoublePressed = false;
    const bool visible = FVisible; // Qt hides a widget it re-parents
    QWidget::setParent(parent);
    FVisible = visible;
    if (parent && visible && !FConcealed)
        QWidget::setVisible(true);
}

TCardList CardIds(const QList<TCard*>& cards) {
    TCardList ids;
    for (const TCard* card : cards)
        ids.push_back(card->Id());
    return ids;
}

int TCard::CompareCards(const TCard* a, const TCard* b) {
    return CompareHandOrder(a->Id(), a->IsTrump, b->Id(), b->IsTrump);
}

// A click is reported at the release over the card that was pressed; the second press of a
// double click is reported at its release, so that whoever plays the card may move it.
void TCard::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        FPressed = true;
    event->accept();
}

void TCard::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        FDoublePressed = true;
    event->accept();
}

void TCard::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() != Qt::LeftButton)
        return;
    const bool wasDouble = FDoublePressed;
    const bool wasPressed = FPressed;
    FPressed = false;
    FDoublePressed = false;
    if (wasDouble) {
        if (OnDblClick)
            OnDblClick(this);
    } else if (wasPressed && rect().contains(event->position().toPoint())) {
        if (OnClick)
            OnClick(this);
    }
}

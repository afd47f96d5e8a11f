// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game.h"

#include <QWidget>

#include <optional>

// One moment of a reviewed game drawn with the game's card pictures: the computer's hand face
// up at the top (the game is over), the table in the middle, the trump card and the stock's
// count at the left, the person's hand at the bottom.
class TReviewPosition : public QWidget {
    Q_OBJECT
public:
    explicit TReviewPosition(QWidget* parent = nullptr);

    void SetGame(const TGame& game);
    void Clear();
    const std::optional<TGame>& Game() const { return FGame; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void PaintCard(QPainter& p, QPoint at, TCardId card) const;
    void PaintHand(QPainter& p, int y, const THand& hand, const QString& title) const;

    std::optional<TGame> FGame;
};

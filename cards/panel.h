// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QFrame>

class QStyleOptionFrame;

// A sunken panel of the board: a hand or the table. Its ground, the colour of its client
// area, is its own rather than its palette's: every card moved onto a panel resolves its new
// parent's palette, and a palette set on each panel makes that a full comparison of two equal
// palettes at every move. With a ground the panel paints all of itself and is opaque.
class TPanel : public QFrame {
    Q_OBJECT
public:
    explicit TPanel(QWidget* owner = nullptr);

    QColor Ground() const { return FGround; } // invalid: the palette's background, as a QFrame
    void SetGround(const QColor& ground);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Whether the frame is the style's plain window bevel, which the panel draws itself.
    bool PlainBevel(const QStyleOptionFrame& opt, const QPainter& p) const;
    // Whether it is that bevel under a painter that scales, drawn then in device pixels.
    bool ScaledBevel(const QStyleOptionFrame& opt, const QPainter& p) const;
    // The style's plain window bevel in solid colours, at whatever scale.
    bool StyleBevel(const QStyleOptionFrame& opt) const;

    QColor FGround;
};

// The ground a widget shows, when it is a panel that has one; invalid otherwise.
QColor PanelGround(const QWidget* w);

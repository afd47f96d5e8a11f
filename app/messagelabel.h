// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLabel>

// The message line. The button and the pile lie over its right end, and every repaint there
// also repaints the label under them; it lays its text out again only when the repaint
// reaches the text.
class TMessageLabel : public QLabel {
public:
    explicit TMessageLabel(QWidget* parent = nullptr);

    // Where the text's ink may lie, in the label's coordinates; empty for no text, and the
    // whole label when the text is not plain.
    QRect TextArea() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    mutable QString FAreaText; // what FArea was measured for
    mutable QRect FAreaRect;
    mutable QFont FAreaFont;
    mutable Qt::Alignment FAreaAlign;
    mutable QRect FArea;
};

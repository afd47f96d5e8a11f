// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QHash>
#include <QImage>
#include <QLabel>
#include <QTextLayout>

#include <memory>

// The message line. The button and the pile lie over its right end, and every repaint there
// also repaints the label under them: it leaves out a repaint that misses its text, and lays
// a text out once rather than at every paint.
class TMessageLabel : public QLabel {
public:
    explicit TMessageLabel(QWidget* parent = nullptr);

    // Where the text's ink may lie, in the label's coordinates; empty for no text, and the
    // whole label when the text is not plain.
    QRect TextArea() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Draws the text from a kept layout, as QLabel and the style would draw it; false when
    // this label's text or settings are not the plain single line that this covers.
    bool PaintKept(QPainter& p);
    // Under a painter that scales the font past the size Qt keeps glyphs for (64 device
    // pixels: a zoomed table), the text drawn once as outlines into a picture at device
    // resolution, copied at every paint; false when the text is not what PaintKept draws.
    bool PaintLarge(QPainter& p);

private:
    // The areas of the texts shown so far: the game writes a handful of messages again and
    // again. Measured for one size, font and alignment; a change of them starts afresh.
    mutable QHash<QString, QRect> FAreas;
    mutable QRect FAreasRect;
    mutable QFont FAreasFont;
    mutable Qt::Alignment FAreasAlign;
    // The last text laid out, for the font it was laid out in.
    std::unique_ptr<QTextLayout> FLayout;
    QFont FLayoutFont;
    // The large text's picture, for the text, font, colour and device transform it was drawn at.
    QImage FLarge;
    QString FLargeText;
    QFont FLargeFont;
    QColor FLargeColour;
    QTransform FLargeTransform;
};

// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "messagelabel.h"

#include <QPaintEvent>
#include <QTextDocument>

TMessageLabel::TMessageLabel(QWidget* parent) : QLabel(parent) {}

QRect TMessageLabel::TextArea() const {
    const QString shown = text();
    if (shown.isEmpty())
        return {};
    const bool plain = textFormat() == Qt::PlainText ||
                       (textFormat() == Qt::AutoText && !Qt::mightBeRichText(shown));
    if (!plain || wordWrap() || frameWidth() != 0 || indent() > 0 || margin() != 0 ||
        !pixmap().isNull())
        return rect();
    const QRect inside = contentsRect();
    if (shown != FAreaText || inside != FAreaRect || font() != FAreaFont ||
        alignment() != FAreaAlign) {
        const QFontMetrics fm(font());
        // The line as laid out, widened by a line's height all round for italic overhang
        // and glyphs that reach past their advance.
        const int slack = fm.height();
        FArea =
            fm.boundingRect(inside, int(alignment()), shown).adjusted(-slack, -slack, slack, slack);
        FAreaText = shown;
        FAreaRect = inside;
        FAreaFont = font();
        FAreaAlign = alignment();
    }
    return FArea;
}

void TMessageLabel::paintEvent(QPaintEvent* event) {
    // Nothing but the text is drawn: a repaint that misses it leaves the parent's ground.
    if (!event->region().intersects(TextArea()))
        return;
    QLabel::paintEvent(event);
}

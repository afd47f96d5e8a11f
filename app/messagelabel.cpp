// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "messagelabel.h"

#include "devicepixels.h"

#include <QPaintEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
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
    if (inside != FAreasRect || font() != FAreasFont || alignment() != FAreasAlign) {
        FAreas.clear();
        FAreasRect = inside;
        FAreasFont = font();
        FAreasAlign = alignment();
    }
    auto known = FAreas.constFind(shown);
    if (known != FAreas.cend())
        return *known;
    const QFontMetrics fm(font());
    // The line as laid out, widened by a line's height all round for italic overhang and
    // glyphs that reach past their advance.
    const int slack = fm.height();
    const QRect area =
        fm.boundingRect(inside, int(alignment()), shown).adjusted(-slack, -slack, slack, slack);
    if (FAreas.size() >= 64) // only ever a few texts; anything else is not kept for long
        FAreas.clear();
    FAreas.insert(shown, area);
    return area;
}

void TMessageLabel::paintEvent(QPaintEvent* event) {
    // Nothing but the text is drawn: a repaint that misses it leaves the parent's ground.
    if (!event->region().intersects(TextArea()))
        return;
    QPainter p(this);
    const qreal scale = DevicePixels::ScaleOf(p);
    if (scale > 0 && font().pixelSize() * scale > 64 && PaintLarge(p))
        return;
    if (!PaintKept(p)) {
        p.end();
        QLabel::paintEvent(event);
    }
}

bool TMessageLabel::PaintLarge(QPainter& p) {
    const QRect area = TextArea() & rect();
    if (area.isEmpty())
        return true;
    const QRect device = DevicePixels::Covered(p, QRectF(area));
    // The picture's pixels lie where the device's would: the same transform, moved.
    const QTransform at =
        p.deviceTransform() * QTransform::fromTranslate(-device.x(), -device.y());
    const QColor colour = palette().color(foregroundRole());
    if (FLarge.isNull() || FLargeText != text() || FLargeFont != font() ||
        FLargeColour != colour || FLargeTransform != at || FLarge.size() != device.size()) {
        QImage picture(device.size(), QImage::Format_ARGB32_Premultiplied);
        picture.fill(Qt::transparent);
        QPainter ip(&picture);
        ip.setTransform(at);
        ip.setRenderHints(p.renderHints());
        if (!PaintKept(ip))
            return false;
        ip.end();
        FLarge = picture;
        FLargeText = text();
        FLargeFont = font();
        FLargeColour = colour;
        FLargeTransform = at;
    }
    DevicePixels::TDeviceSpace space(p);
    p.drawImage(device.topLeft(), FLarge);
    return true;
}

bool TMessageLabel::PaintKept(QPainter& p) {
    const QString shown = text();
    const Qt::Alignment align = alignment();
    // One plain left-aligned line in the style whose text drawing is the painter's drawText.
    if (shown.isEmpty() || TextArea() == rect() || layoutDirection() != Qt::LeftToRight ||
        (align & Qt::AlignHorizontal_Mask) != Qt::AlignLeft ||
        style()->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) != 0)
        return false;
    for (QChar c : shown)
        if (c == u'&' || c == u'\n' || c == u'\r' || c == u'\t' || c.unicode() == 0x9c ||
            c.isHighSurrogate() || c.direction() == QChar::DirR || c.direction() == QChar::DirAL)
            return false;
    const QFont shownFont(font(), this); // the painter's font on this widget
    if (!FLayout || FLayout->text() != shown || FLayoutFont != shownFont) {
        FLayout = std::make_unique<QTextLayout>(shown, shownFont);
        QTextOption option;
        option.setTextDirection(Qt::LeftToRight);
        option.setAlignment(Qt::AlignLeft);
        FLayout->setTextOption(option);
        FLayout->setCacheEnabled(true);
        FLayout->beginLayout();
        QTextLine line = FLayout->createLine();
        line.setLineWidth(0x01000000);
        line.setPosition(QPointF(0, 0));
        FLayout->endLayout();
        FLayoutFont = shownFont;
    }
    if (FLayout->lineCount() != 1)
        return false;
    const QTextLine line = FLayout->lineAt(0);
    const QRectF r = contentsRect();
    const qreal height = line.ascent() + line.descent();
    qreal yoff = 0;
    if (align & Qt::AlignBottom)
        yoff = r.height() - height;
    else if (align & Qt::AlignVCenter)
        yoff = (r.height() - height) / 2;
    // A line that does not fit is clipped to the label; that is left to QLabel.
    const qreal width = qMax(line.naturalTextWidth(), line.horizontalAdvance());
    if (!r.contains(QRectF(r.x(), r.y() + yoff, width, height)))
        return false;
    QStyleOption opt;
    opt.initFrom(this);
    p.setPen(QPen(opt.palette.brush(foregroundRole()), p.pen().widthF()));
    line.draw(&p, QPointF(r.x(), r.y() + yoff));
    return true;
}

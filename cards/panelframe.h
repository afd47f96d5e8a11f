#pragma once

#include <QImage>

#include <functional>

class QFrame;
class QPainter;
class QPaintEvent;

// A panel's own painting (its fill and frame), kept per look. Cards on the frame's edge sample
// it, and drawing the frame's lines under a repaint's many small rectangles costs more than
// the card: the frame is copied from here instead. Null until the panel has painted once.
const QImage* KeptPanelPicture(const QFrame* panel);

// What a panel paints of itself: the parts of its frame the repaint reaches, and with a ground
// of its own (see TPanel) its client area too; otherwise the fill is the background's, painted
// before. `drawFrame` draws the frame the style's way, for the picture.
void PaintPanelFrame(QFrame* panel, QPaintEvent* event,
                     const std::function<void(QPainter*)>& drawFrame);

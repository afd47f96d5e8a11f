#pragma once

class QWidget;

namespace vesk {

// Moves a window, frame included, to the middle of the primary screen's free area.
void CentreOnScreen(QWidget* window);

} // namespace vesk

#pragma once

#include <QIcon>

namespace vesk {

// The program icon as the main window carries it: the 32-pixel picture.
QIcon WindowIcon();

// The same 32-pixel icon with its double-size twin, for a picture shown on a dense screen.
// Empty when the pictures were not compiled in.
QIcon ProgramIcon();

} // namespace vesk

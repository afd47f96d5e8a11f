#pragma once

#include <QIcon>

// The green check mark of an OK button, 18 x 18, also drawn at twice the density.
QIcon OkGlyph();

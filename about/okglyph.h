#pragma once

#include <QIcon>

// The green check mark of an OK button, 18 x 18.
QIcon OkGlyph();

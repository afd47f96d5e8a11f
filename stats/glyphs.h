#pragma once

#include <QIcon>
#include <QImage>

namespace vesk {

// Button glyphs as 36 x 18 bitmaps in the 16 standard colours: the picture and its greyed
// twin side by side; the bottom-left colour (olive) marks transparent pixels.
QImage OkGlyphBitmap();
QImage ClearGlyphBitmap();

// The icon of such a bitmap: the left image for normal use, the right one when disabled.
QIcon GlyphIcon(const QImage& bitmap);

} // namespace vesk

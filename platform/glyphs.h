// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QIcon>
#include <QImage>

namespace vesk {

// The two looks of the standard OK glyph, a green check mark: the statistics dialog's 16-colour
// bitmap with its greyed twin, and the About dialog's smooth mark drawn at both densities.
enum class TOkLook { Bitmap16, Smooth };
QIcon OkGlyph(TOkLook look);

// Button glyphs as 36 x 18 bitmaps in the 16 standard colours: the picture and its greyed
// twin side by side; the bottom-left colour (olive) marks transparent pixels.
QImage OkGlyphBitmap();
QImage ClearGlyphBitmap();

// The icon of such a bitmap: the left image for normal use, the right one when disabled.
QIcon GlyphIcon(const QImage& bitmap);

} // namespace vesk

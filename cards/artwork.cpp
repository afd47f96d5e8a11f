// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "artwork.h"

const std::array<std::uint8_t, 36> CardBitmapIds = {
    6,  7,  8,  9,  10, 11, 12, 13, 1,  // clubs
    19, 20, 21, 22, 23, 24, 25, 26, 14, // diamonds
    32, 33, 34, 35, 36, 37, 38, 39, 27, // hearts
    45, 46, 47, 48, 49, 50, 51, 52, 40, // spades
};

const std::array<QColor, 4> SuitColors = {QColor(0, 0, 0), QColor(255, 0, 0), QColor(255, 0, 0),
                                          QColor(0, 0, 0)};

const std::array<QString, 4> SuitSymbols = {QStringLiteral("\u2663"), QStringLiteral("\u2666"),
                                            QStringLiteral("\u2665"), QStringLiteral("\u2660")};

namespace {
// Each picture is decoded once per run; the cards share the decoded copy (QImage is shared).
QImage Cached(std::array<QImage, 53>& cache, int id, const char* suffix) {
    if (id < 0 || id >= int(cache.size()))
        return {};
    QImage& img = cache[id];
    if (img.isNull()) {
        img = QImage(QStringLiteral(":/cards/%1%2.png").arg(id).arg(QLatin1String(suffix)));
        if (!img.isNull())
            img = img.convertToFormat(QImage::Format_RGB32);
    }
    return img;
}
} // namespace

QImage LoadCardBitmap(int id) {
    static std::array<QImage, 53> cache;
    return Cached(cache, id, "");
}

QImage LoadCardBitmap2x(int id) {
    static std::array<QImage, 53> cache;
    return Cached(cache, id, "@2x");
}

QImage LoadCardBitmap(TCardSuit suit, TCardValue value) {
    return LoadCardBitmap(CardBitmapIds[suit * 9 + value]);
}

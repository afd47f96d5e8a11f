// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pixelart.h"

#include <algorithm>
#include <vector>

namespace PixelArt {

QImage FromRows(std::string_view rows, const std::function<QRgb(char)>& colourOf, char pad) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start <= rows.size()) {
        std::size_t end = rows.find('\n', start);
        if (end == std::string_view::npos)
            end = rows.size();
        lines.push_back(rows.substr(start, end - start));
        start = end + 1;
    }
    auto blank = [](std::string_view l) {
        return l.find_first_not_of(" \t") == std::string_view::npos;
    };
    while (!lines.empty() && blank(lines.front()))
        lines.erase(lines.begin());
    while (!lines.empty() && blank(lines.back()))
        lines.pop_back();
    int width = 0;
    for (std::string_view l : lines)
        width = std::max(width, int(l.size()));
    QImage img(width, int(lines.size()), QImage::Format_ARGB32);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < width; ++x) {
            const char c = x < int(lines[y].size()) ? lines[y][x] : pad;
            img.setPixel(x, y, colourOf(c));
        }
    return img;
}

QImage Mask(std::string_view rows, QRgb ink) {
    return FromRows(rows, [ink](char c) { return c == '#' ? ink : QRgb(0); });
}

QImage Scale2x(const QImage& src) {
    const QImage s = src.convertToFormat(QImage::Format_ARGB32);
    const int w = s.width();
    const int h = s.height();
    QImage out(w * 2, h * 2, QImage::Format_ARGB32);
    auto at = [&](int x, int y) {
        return s.pixel(std::clamp(x, 0, w - 1), std::clamp(y, 0, h - 1));
    };
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const QRgb p = at(x, y);
            const QRgb a = at(x, y - 1); // above
            const QRgb b = at(x + 1, y); // right
            const QRgb c = at(x - 1, y); // left
            const QRgb d = at(x, y + 1); // below
            QRgb e0 = p, e1 = p, e2 = p, e3 = p;
            if (c == a && c != d && a != b)
                e0 = a;
            if (a == b && a != c && b != d)
                e1 = b;
            if (d == c && d != b && c != a)
                e2 = c;
            if (b == d && b != a && d != c)
                e3 = d;
            out.setPixel(2 * x, 2 * y, e0);
            out.setPixel(2 * x + 1, 2 * y, e1);
            out.setPixel(2 * x, 2 * y + 1, e2);
            out.setPixel(2 * x + 1, 2 * y + 1, e3);
        }
    return out;
}

QImage Scale3x(const QImage& src) {
    const QImage s = src.convertToFormat(QImage::Format_ARGB32);
    const int w = s.width();
    const int h = s.height();
    QImage out(w * 3, h * 3, QImage::Format_ARGB32);
    auto at = [&](int x, int y) {
        return s.pixel(std::clamp(x, 0, w - 1), std::clamp(y, 0, h - 1));
    };
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const QRgb A = at(x - 1, y - 1), B = at(x, y - 1), C = at(x + 1, y - 1);
            const QRgb D = at(x - 1, y), E = at(x, y), F = at(x + 1, y);
            const QRgb G = at(x - 1, y + 1), H = at(x, y + 1), I = at(x + 1, y + 1);
            QRgb e[9] = {E, E, E, E, E, E, E, E, E};
            const bool db = D == B && B != F && D != H; // the top-left corner turns
            const bool bf = B == F && B != D && F != H; // top right
            const bool dh = D == H && D != B && H != F; // bottom left
            const bool hf = H == F && D != H && B != F; // bottom right
            if (db)
                e[0] = D;
            if ((db && E != C) || (bf && E != A))
                e[1] = B;
            if (bf)
                e[2] = F;
            if ((db && E != G) || (dh && E != A))
                e[3] = D;
            if ((bf && E != I) || (hf && E != C))
                e[5] = F;
            if (dh)
                e[6] = D;
            if ((dh && E != I) || (hf && E != G))
                e[7] = H;
            if (hf)
                e[8] = F;
            for (int k = 0; k < 9; ++k)
                out.setPixel(3 * x + k % 3, 3 * y + k / 3, e[k]);
        }
    return out;
}

QImage Enlarged(const QImage& src, int factor) {
    if (factor <= 1)
        return src;
    if (factor == 2)
        return Scale2x(src);
    if (factor == 3)
        return Scale3x(src);
    if (factor % 2 == 0)
        return Enlarged(Scale2x(src), factor / 2);
    if (factor % 3 == 0)
        return Scale3x(Enlarged(src, factor / 3));
    return Blocks(src, factor);
}

QImage Blocks(const QImage& src, int factor) {
    return src.scaled(src.width() * factor, src.height() * factor, Qt::IgnoreAspectRatio,
                      Qt::FastTransformation);
}

void Blit(QImage& dst, const QImage& src, int x, int y) {
    for (int sy = 0; sy < src.height(); ++sy)
        for (int sx = 0; sx < src.width(); ++sx) {
            const QRgb c = src.pixel(sx, sy);
            if (qAlpha(c) == 0 || !dst.valid(x + sx, y + sy))
                continue;
            dst.setPixel(x + sx, y + sy, c);
        }
}

QImage Eroded(const QImage& mask, int steps) {
    QImage cur = mask.convertToFormat(QImage::Format_ARGB32);
    for (int i = 0; i < steps; ++i) {
        QImage out(cur.size(), QImage::Format_ARGB32);
        out.fill(0);
        auto set = [&](int x, int y) { return cur.valid(x, y) && qAlpha(cur.pixel(x, y)) != 0; };
        for (int y = 0; y < cur.height(); ++y)
            for (int x = 0; x < cur.width(); ++x)
                if (set(x, y) && set(x - 1, y) && set(x + 1, y) && set(x, y - 1) && set(x, y + 1))
                    out.setPixel(x, y, cur.pixel(x, y));
        cur = out;
    }
    return cur;
}

QImage Minus(const QImage& a, const QImage& b) {
    QImage out = a.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x)
            if (b.valid(x, y) && qAlpha(b.pixel(x, y)) != 0)
                out.setPixel(x, y, 0);
    return out;
}

QImage Recoloured(const QImage& mask, QRgb colour) {
    QImage out = mask.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x)
            if (qAlpha(out.pixel(x, y)) != 0)
                out.setPixel(x, y, colour);
    return out;
}

QImage Mirrored(const QImage& src) {
    return src.mirrored(true, false);
}

QImage Turned(const QImage& src) {
    return src.mirrored(true, true);
}

} // namespace PixelArt

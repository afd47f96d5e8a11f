// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cardpicture.h"

#include "artwork.h"
#include "card.h"
#include "cardfaces.h"
#include "pixelart.h"

#include <QHash>
#include <QtMath>

#include <cstdint>
#include <cstdlib>
#include <vector>

namespace CardPictures {

int SourceScale(qreal scale) {
    // A hair above a whole scale is that scale: the product of two ratios is not exact.
    const qreal s = scale - 1e-6;
    for (int k : {1, 2, 3, 4, 6})
        if (s <= k)
            return k;
    return 6;
}

QImage Drawn(int id, int scale) {
    if (scale == 1)
        return LoadCardBitmap(id);
    if (scale == 2)
        return LoadCardBitmap2x(id);
    for (int i = 0; i < int(CardBitmapIds.size()); ++i)
        if (CardBitmapIds[i] == id)
            return CardFaces::Face(i / 9, i % 9, scale).convertToFormat(QImage::Format_RGB32);
    return {};
}

namespace {
// How much of each source pixel falls into each pixel of the reduced line, in units of
// 1 / (source length * reduced length) of a source pixel: integer weights that add up to the
// source length for every reduced pixel.
struct TSpan {
    int First = 0;
    std::vector<int> Weights;
};

std::vector<TSpan> Spans(int from, int to) {
    std::vector<TSpan> spans(to);
    for (int j = 0; j < to; ++j) {
        // Reduced pixel j covers [j * from, (j + 1) * from); source pixel i covers
        // [i * to, (i + 1) * to).
        const std::int64_t lo = std::int64_t(j) * from;
        const std::int64_t hi = std::int64_t(j + 1) * from;
        TSpan& s = spans[j];
        s.First = int(lo / to);
        for (std::int64_t i = s.First; i * to < hi; ++i) {
            const std::int64_t a = std::max(lo, i * to);
            const std::int64_t b = std::min(hi, (i + 1) * to);
            s.Weights.push_back(int(b - a));
        }
    }
    return spans;
}
} // namespace

QImage Reduced(const QImage& src, QSize size) {
    const QImage s = src.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int ws = s.width(), hs = s.height();
    const int wd = size.width(), hd = size.height();
    const std::vector<TSpan> across = Spans(ws, wd);
    const std::vector<TSpan> down = Spans(hs, hd);
    // Every source row reduced across, the channels kept as exact sums.
    std::vector<std::int32_t> rows(std::size_t(hs) * wd * 4);
    for (int y = 0; y < hs; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(s.constScanLine(y));
        std::int32_t* out = &rows[std::size_t(y) * wd * 4];
        for (int j = 0; j < wd; ++j) {
            std::int32_t a = 0, r = 0, g = 0, b = 0;
            const TSpan& span = across[j];
            for (std::size_t k = 0; k < span.Weights.size(); ++k) {
                const QRgb c = line[span.First + int(k)];
                const int w = span.Weights[k];
                a += w * qAlpha(c);
                r += w * qRed(c);
                g += w * qGreen(c);
                b += w * qBlue(c);
            }
            out[4 * j] = a;
            out[4 * j + 1] = r;
            out[4 * j + 2] = g;
            out[4 * j + 3] = b;
        }
    }
    QImage img(size, QImage::Format_ARGB32_Premultiplied);
    const std::int64_t area = std::int64_t(ws) * hs;
    for (int y = 0; y < hd; ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        const TSpan& span = down[y];
        for (int j = 0; j < wd; ++j) {
            std::int64_t sum[4] = {0, 0, 0, 0};
            for (std::size_t k = 0; k < span.Weights.size(); ++k) {
                const std::int32_t* in = &rows[(std::size_t(span.First) + k) * wd * 4 + 4 * j];
                for (int c = 0; c < 4; ++c)
                    sum[c] += std::int64_t(span.Weights[k]) * in[c];
            }
            auto mean = [area](std::int64_t v) { return int((v + area / 2) / area); };
            line[j] = qRgba(mean(sum[1]), mean(sum[2]), mean(sum[3]), mean(sum[0]));
        }
    }
    return img;
}

namespace {
// The twelve corner pixels of the layout, by corner: top left, top right, bottom left,
// bottom right.
constexpr int W = TCard::CardWidth;
constexpr int H = TCard::CardHeight;
const QPoint CornerPixels[4][3] = {{{0, 0}, {1, 0}, {0, 1}},
                                   {{W - 1, 0}, {W - 2, 0}, {W - 1, 1}},
                                   {{0, H - 1}, {0, H - 2}, {1, H - 1}},
                                   {{W - 1, H - 1}, {W - 2, H - 1}, {W - 1, H - 2}}};
} // namespace

TFace MakeFace(const QImage& source, int sourceScale, QSize size) {
    TFace face;
    face.Size = size;
    QImage pic = source.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    pic.setDevicePixelRatio(1); // drawn pixel for pixel (a picture read from "@2x" says 2)
    const int k = sourceScale;
    for (const auto& corner : CornerPixels)
        for (const QPoint& c : corner)
            for (int dy = 0; dy < k; ++dy)
                for (int dx = 0; dx < k; ++dx)
                    if (pic.valid(c.x() * k + dx, c.y() * k + dy))
                        pic.setPixel(c.x() * k + dx, c.y() * k + dy, 0);
    // A face never grows by a factor that is not whole: a size above the source is reached in
    // whole blocks first, then reduced.
    if (size.width() > pic.width() || size.height() > pic.height()) {
        const int f = std::max((size.width() + pic.width() - 1) / pic.width(),
                               (size.height() + pic.height() - 1) / pic.height());
        pic = PixelArt::Blocks(pic, f).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    }
    if (pic.size() != size)
        pic = Reduced(pic, size);
    face.Opaque = pic.convertToFormat(QImage::Format_RGB32);
    // The patches: the corner squares of two layout pixels, and a pixel more where the
    // reduction spread the corners.
    const int bw = std::min(size.width() / 2, qCeil(2.0 * size.width() / W) + 1);
    const int bh = std::min(size.height() / 2, qCeil(2.0 * size.height() / H) + 1);
    const QPoint at[4] = {{0, 0},
                          {size.width() - bw, 0},
                          {0, size.height() - bh},
                          {size.width() - bw, size.height() - bh}};
    for (int c = 0; c < 4; ++c) {
        face.At[c] = at[c];
        face.Corners[c] = pic.copy(QRect(at[c], QSize(bw, bh)));
    }
    return face;
}

namespace {
struct TSized {
    QSize Size;
    QHash<int, TFace> Faces;
};
std::vector<TSized>& Kept() {
    static std::vector<TSized> kept;
    return kept;
}
} // namespace

const TFace& FaceAt(int id, QSize size) {
    std::vector<TSized>& kept = Kept();
    // Only the sizes of the scale in use stay.
    for (auto it = kept.begin(); it != kept.end();)
        if (std::abs(it->Size.width() - size.width()) > 1 ||
            std::abs(it->Size.height() - size.height()) > 1)
            it = kept.erase(it);
        else
            ++it;
    TSized* sized = nullptr;
    for (TSized& s : kept)
        if (s.Size == size)
            sized = &s;
    if (!sized) {
        kept.push_back({size, {}});
        sized = &kept.back();
    }
    auto found = sized->Faces.find(id);
    if (found != sized->Faces.end())
        return *found;
    const int k = SourceScale(std::max(qreal(size.width()) / W, qreal(size.height()) / H));
    return *sized->Faces.insert(id, MakeFace(Drawn(id, k), k, size));
}

int KeptFaces() {
    int n = 0;
    for (const TSized& s : Kept())
        n += int(s.Faces.size());
    return n;
}

} // namespace CardPictures

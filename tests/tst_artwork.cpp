// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "artwork.h"

#include <QImage>
#include <QImageReader>
#include <QSet>
#include <QTest>

#include <array>

namespace {
constexpr int W = 71;
constexpr int H = 96;
constexpr QRgb Black = 0xff000000;
constexpr QRgb Red = 0xffff0000;
constexpr QRgb White = 0xffffffff;

constexpr std::array<QRgb, 16> Standard = {
    0xff000000, 0xff800000, 0xff008000, 0xff808000, 0xff000080, 0xff800080, 0xff008080, 0xffc0c0c0,
    0xff808080, 0xffff0000, 0xff00ff00, 0xffffff00, 0xff0000ff, 0xffff00ff, 0xff00ffff, 0xffffffff};

enum Kind { Number, Ace, Court };

const char* SuitName(int s) {
    static const char* names[] = {"clubs", "diamonds", "hearts", "spades"};
    return names[s];
}
const char* RankName(int v) {
    static const char* names[] = {"six",  "seven", "eight", "nine", "ten",
                                  "jack", "queen", "king",  "ace"};
    return names[v];
}

// The border as the frame defines it, for a 71 x 96 card: each corner folded onto top left.
bool IsBorder(int x, int y) {
    const int fx = x < W / 2 ? x : W - 1 - x;
    const int fy = y < H / 2 ? y : H - 1 - y;
    if (fx == 1 && fy == 1)
        return true;
    return (fy == 0 && fx >= 2) || (fx == 0 && fy >= 2);
}

bool IsOutsideCorner(int x, int y) {
    const int fx = x < W / 2 ? x : W - 1 - x;
    const int fy = y < H / 2 ? y : H - 1 - y;
    return (fx == 0 && fy == 0) || (fx == 1 && fy == 0) || (fx == 0 && fy == 1);
}

// The colour of logical pixel (x, y) of a picture drawn at the given scale, or 0 when the
// scale x scale block is not of one colour.
QRgb Block(const QImage& img, int x, int y, int scale) {
    const QRgb c = img.pixel(x * scale, y * scale);
    for (int dy = 0; dy < scale; ++dy)
        for (int dx = 0; dx < scale; ++dx)
            if (img.pixel(x * scale + dx, y * scale + dy) != c)
                return 0;
    return c;
}

QString Hex(QRgb c) {
    return QString::number(c, 16);
}
} // namespace

class TestArtwork : public QObject {
    Q_OBJECT

private:
    void cardTable(bool courtsOnly = false) {
        QTest::addColumn<int>("suit");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("id");
        QTest::addColumn<int>("kind");
        // Ids follow a 52-card pack: 13 * suit + 1 for the ace, + 6..13 for six..king.
        const int ids[4][9] = {{6, 7, 8, 9, 10, 11, 12, 13, 1},
                               {19, 20, 21, 22, 23, 24, 25, 26, 14},
                               {32, 33, 34, 35, 36, 37, 38, 39, 27},
                               {45, 46, 47, 48, 49, 50, 51, 52, 40}};
        for (int s = 0; s < 4; ++s)
            for (int v = 0; v < 9; ++v) {
                const int kind = v == 8 ? Ace : v >= 5 ? Court : Number;
                if (courtsOnly && kind != Court)
                    continue;
                QTest::addRow("%s of %s", RankName(v), SuitName(s)) << s << v << ids[s][v] << kind;
            }
    }

    static QRgb BorderColour(int suit, int kind) {
        return kind != Court && (suit == 1 || suit == 2) ? Red : Black;
    }

    static QRgb Ink(int suit) { return suit == 1 || suit == 2 ? Red : Black; }

    void checkFrame(const QImage& img, int scale, QRgb border) {
        QCOMPARE(img.size(), QSize(W * scale, H * scale));
        for (int y = 0; y < H; ++y)
            for (int x = 0; x < W; ++x) {
                if (IsBorder(x, y)) {
                    const QRgb c = Block(img, x, y, scale);
                    if (c != border)
                        QFAIL(qPrintable(QStringLiteral("border pixel (%1, %2) is %3, not %4")
                                             .arg(x)
                                             .arg(y)
                                             .arg(Hex(c), Hex(border))));
                } else if (IsOutsideCorner(x, y)) {
                    if (Block(img, x, y, scale) != White)
                        QFAIL(qPrintable(
                            QStringLiteral("corner pixel (%1, %2) not white").arg(x).arg(y)));
                } else if (x == 0 || y == 0 || x == W - 1 || y == H - 1 || (x == 1 && y == 1)) {
                    QFAIL("the frame rule is incomplete");
                }
            }
    }

private slots:
    void ids_data() { cardTable(); }
    void ids() {
        QFETCH(int, suit);
        QFETCH(int, value);
        QFETCH(int, id);
        QCOMPARE(int(CardBitmapIds[suit * 9 + value]), id);
    }

    // Both sizes are stored with the 16-colour palette, the cheapest form to decode, and load
    // as plain colour pictures.
    void storedPaletted_data() { cardTable(); }
    void storedPaletted() {
        QFETCH(int, id);
        for (const char* suffix : {"", "@2x"}) {
            QImageReader reader(QStringLiteral(":/cards/%1%2.png").arg(id).arg(suffix));
            QCOMPARE(reader.imageFormat(), QImage::Format_Indexed8);
        }
        QCOMPARE(LoadCardBitmap(id).format(), QImage::Format_RGB32);
        QCOMPARE(LoadCardBitmap2x(id).format(), QImage::Format_RGB32);
    }

    void namedIds() {
        QCOMPARE(int(CardBitmapIds[3 * 9 + 8]), 40); // ace of spades
        QCOMPARE(int(CardBitmapIds[0 * 9 + 0]), 6);  // six of clubs
        QCOMPARE(int(CardBitmapIds[1 * 9 + 8]), 14); // Value 8, Suit 1
        // The twos to fives of a 52-card pack are never used.
        for (std::uint8_t id : CardBitmapIds)
            QVERIFY(!((id >= 2 && id <= 5) || (id >= 15 && id <= 18) || (id >= 28 && id <= 31) ||
                      (id >= 41 && id <= 44)));
    }

    void frame_data() { cardTable(); }
    void frame() {
        QFETCH(int, suit);
        QFETCH(int, value);
        QFETCH(int, kind);
        const QImage img = LoadCardBitmap(TCardSuit(suit), TCardValue(value));
        QVERIFY(!img.isNull());
        checkFrame(img, 1, BorderColour(suit, kind));
    }

    void frame2x_data() { cardTable(); }
    void frame2x() {
        QFETCH(int, suit);
        QFETCH(int, kind);
        QFETCH(int, id);
        const QImage img = LoadCardBitmap2x(id);
        QVERIFY(!img.isNull());
        checkFrame(img, 2, BorderColour(suit, kind));
    }

    void colours_data() { cardTable(); }
    void colours() {
        QFETCH(int, suit);
        QFETCH(int, value);
        QFETCH(int, id);
        QFETCH(int, kind);
        for (const QImage& img :
             {LoadCardBitmap(TCardSuit(suit), TCardValue(value)), LoadCardBitmap2x(id)}) {
            QVERIFY(!img.isNull());
            QSet<QRgb> used;
            for (int y = 0; y < img.height(); ++y)
                for (int x = 0; x < img.width(); ++x)
                    used.insert(img.pixel(x, y));
            if (kind == Court) {
                for (QRgb c : used)
                    QVERIFY2(std::find(Standard.begin(), Standard.end(), c) != Standard.end(),
                             qPrintable(QStringLiteral("%1 is not a standard colour").arg(Hex(c))));
                // A figure in colour, not a drawing in ink alone.
                QVERIFY2(used.size() >= 6, qPrintable(QString::number(used.size())));
            } else {
                QCOMPARE(used, (QSet<QRgb>{White, Ink(suit)}));
            }
        }
    }

    // The rank mark and pip in the top-left corner reappear turned in the bottom-right one.
    void index_data() { cardTable(); }
    void index() {
        QFETCH(int, suit);
        QFETCH(int, value);
        const QImage img = LoadCardBitmap(TCardSuit(suit), TCardValue(value));
        QVERIFY(!img.isNull());
        int ink = 0;
        for (int y = 2; y < 25; ++y)
            for (int x = 2; x < 12; ++x) {
                QCOMPARE(img.pixel(W - 1 - x, H - 1 - y), img.pixel(x, y));
                ink += img.pixel(x, y) == Ink(suit);
            }
        QVERIFY2(ink >= 30, "no corner index");
    }

    // A court figure is two-headed: the picture reads the same when the card is turned round.
    void courtTurnsOntoItself_data() { cardTable(true); }
    void courtTurnsOntoItself() {
        QFETCH(int, suit);
        QFETCH(int, value);
        const QImage img = LoadCardBitmap(TCardSuit(suit), TCardValue(value));
        for (int y = 0; y < H; ++y)
            for (int x = 0; x < W; ++x)
                QCOMPARE(img.pixel(W - 1 - x, H - 1 - y), img.pixel(x, y));
    }

    void picturesDiffer() {
        QSet<QByteArray> seen;
        for (int s = 0; s < 4; ++s)
            for (int v = 0; v < 9; ++v) {
                const QImage img = LoadCardBitmap(TCardSuit(s), TCardValue(v));
                QVERIFY(!img.isNull());
                const QByteArray bytes(reinterpret_cast<const char*>(img.constBits()),
                                       img.sizeInBytes());
                QVERIFY2(
                    !seen.contains(bytes),
                    qPrintable(QStringLiteral("%1 of %2 repeats").arg(RankName(v), SuitName(s))));
                seen.insert(bytes);
            }
    }

    void icons_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("size");
        QTest::addColumn<bool>("sixteenColours");
        QTest::newRow("32") << "vesk-32" << 32 << true;
        QTest::newRow("32@2x") << "vesk-32@2x" << 64 << true;
        QTest::newRow("48") << "vesk-48" << 48 << false;
        QTest::newRow("64") << "vesk-64" << 64 << false;
        QTest::newRow("128") << "vesk-128" << 128 << false;
        QTest::newRow("256") << "vesk-256" << 256 << false;
    }
    void icons() {
        QFETCH(QString, name);
        QFETCH(int, size);
        QFETCH(bool, sixteenColours);
        const QImage img = QImage(QStringLiteral(":/icons/%1.png").arg(name))
                               .convertToFormat(QImage::Format_ARGB32);
        QVERIFY2(!img.isNull(), qPrintable(name));
        QCOMPARE(img.size(), QSize(size, size));
        // A dark-green field around a white card with a red diamond in its middle.
        QCOMPARE(img.pixel(size / 2, size / 16), 0xff008000u);
        QCOMPARE(img.pixel(size / 2, size / 2), Red);
        QCOMPARE(img.pixel(size * 10 / 32, size * 13 / 32), White);
        if (!sixteenColours)
            return;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x) {
                const QRgb c = img.pixel(x, y);
                if (qAlpha(c) == 0)
                    continue;
                QVERIFY2(std::find(Standard.begin(), Standard.end(), c) != Standard.end(),
                         qPrintable(Hex(c)));
            }
    }
};

QTEST_MAIN(TestArtwork)
#include "tst_artwork.moc"

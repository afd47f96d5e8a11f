// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

// The About dialog on a screen of two device pixels per layout pixel: the same layout, with
// the icon and the check mark drawn at that density rather than blurred up.
#include "glyphs.h"
#include "tfabout.h"

#include <QApplication>
#include <QPainter>
#include <QTest>

namespace {
constexpr int Scale = 2;

QImage Flattened(const QImage& img, const QColor& ground) {
    QImage out(img.size(), QImage::Format_RGB32);
    out.fill(ground);
    QPainter p(&out);
    p.drawImage(0, 0, img);
    return out;
}
} // namespace

class TestAboutDense : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QWidget probe;
        QCOMPARE(probe.devicePixelRatioF(), qreal(Scale));
    }

    void layoutInLayoutPixels() {
        TfAbout d(nullptr);
        QCOMPARE(d.size(), QSize(342, 243));
        QCOMPARE(d.Image1->geometry(), QRect(16, 16, 32, 32));
        QCOMPARE(d.lProductName->pos(), QPoint(64, 16));
        QCOMPARE(d.lAvailVirtual->pos(), QPoint(64, 184));
        QCOMPARE(d.bbtOk->geometry(), QRect(256, 208, 75, 25));
    }

    // The icon on the screen is the double-size picture, pixel for pixel.
    void iconIsTheDoublePicture() {
        TfAbout d(nullptr);
        const QPixmap icon = d.Image1->pixmap();
        QCOMPARE(icon.devicePixelRatio(), qreal(Scale));
        QCOMPARE(icon.size(), QSize(32 * Scale, 32 * Scale));
        const QImage shown =
            d.grab(d.Image1->geometry()).toImage().convertToFormat(QImage::Format_RGB32);
        QImage art(QStringLiteral(":/icons/vesk-32@2x.png"));
        QVERIFY(!art.isNull());
        art.setDevicePixelRatio(1); // compose it pixel for pixel
        art = Flattened(art.convertToFormat(QImage::Format_ARGB32), QColor(192, 192, 192));
        art.setDevicePixelRatio(Scale);
        QCOMPARE(shown, art);
    }

    // The check mark has a picture of its own at this density, not only the 18 x 18 one.
    void checkMarkAtTheDensity() {
        const QIcon glyph = vesk::OkGlyph(vesk::TOkLook::Smooth);
        const QPixmap small = glyph.pixmap(QSize(18, 18), 1.0);
        const QPixmap dense = glyph.pixmap(QSize(18, 18), qreal(Scale));
        QCOMPARE(small.size(), QSize(18, 18));
        QCOMPARE(dense.size(), QSize(18 * Scale, 18 * Scale));
        QCOMPARE(dense.devicePixelRatio(), qreal(Scale));
        // Drawn, not blown up: the dense picture is not the small one scaled.
        const QImage up =
            small.toImage().scaled(dense.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        QVERIFY(dense.toImage().convertToFormat(up.format()) != up);
    }
};

int main(int argc, char** argv) {
    // Every screen of this run counts two device pixels per layout pixel.
    qputenv("QT_SCALE_FACTOR", QByteArray::number(Scale));
    QApplication app(argc, argv);
    TestAboutDense test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_aboutdense.moc"

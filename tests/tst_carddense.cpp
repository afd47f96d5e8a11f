// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

// Cards on a screen of two device pixels per layout pixel: the double-size pictures, copied
// pixel for pixel, with the corners as at ratio 1.
#include "artwork.h"
#include "card.h"
#include "cardbatch.h"
#include "greenparent.h"

#include <QApplication>
#include <QTest>

#include <memory>

namespace {
constexpr int Scale = 2;

QImage PictureFile(int id, const char* suffix) {
    return QImage(QStringLiteral(":/cards/%1%2.png").arg(id).arg(QLatin1String(suffix)))
        .convertToFormat(QImage::Format_RGB32);
}

// Each logical pixel of a picture as a Scale x Scale block.
QImage ScaledUp(const QImage& img) {
    QImage out(img.size() * Scale, QImage::Format_RGB32);
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x)
            out.setPixel(x, y, img.pixel(x / Scale, y / Scale));
    out.setDevicePixelRatio(Scale);
    return out;
}

// The twelve corner pixels of a 71 x 96 card, in logical pixels, by corner: tl, tr, bl, br.
const QList<QList<QPoint>> Corners = {{{0, 0}, {1, 0}, {0, 1}},
                                      {{70, 0}, {69, 0}, {70, 1}},
                                      {{0, 95}, {0, 94}, {1, 95}},
                                      {{70, 95}, {69, 95}, {70, 94}}};

// The double-size picture with the given corners painted in the ground, each a 2 x 2 block.
QImage FaceOn(QImage face, const QColor& ground, const QList<bool>& painted) {
    for (int k = 0; k < 4; ++k)
        if (painted[k])
            for (const QPoint& p : Corners[k])
                for (int dy = 0; dy < Scale; ++dy)
                    for (int dx = 0; dx < Scale; ++dx)
                        face.setPixel(p.x() * Scale + dx, p.y() * Scale + dy, ground.rgb());
    return face;
}

// The card as its parent shows it, in device pixels.
QImage Shown(TCard* card) {
    const QPixmap shot = card->parentWidget()->grab(card->geometry());
    return shot.toImage().convertToFormat(QImage::Format_RGB32);
}

TCard* CardNumbered(TCardBatch& pile, int number) {
    for (TCard* c : pile.Cards)
        if (c->CardNomber() == number)
            return c;
    return nullptr;
}
} // namespace

class TestCardDense : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QWidget probe;
        QCOMPARE(probe.devicePixelRatioF(), qreal(Scale));
    }

    void cleanup() { TCardBatch::SeedSource = nullptr; }

    // The pile loads the double-size picture of every card on such a screen.
    void pileLoadsDoublePictures() {
        TCardBatch pile;
        for (TCard* c : pile.Cards) {
            const int id = CardBitmapIds[c->Suit() * 9 + c->Value()];
            QCOMPARE(c->FaceBitmap2x.size(), QSize(71 * Scale, 96 * Scale));
            QCOMPARE(c->FaceBitmap2x, PictureFile(id, "@2x"));
            QCOMPARE(c->FaceBitmap, PictureFile(id, ""));
        }
    }

    void faces_data() {
        QTest::addColumn<int>("number");
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QList<bool>>("painted"); // corners taking the ground: tl, tr, bl, br
        for (int suit = 0; suit < 4; ++suit)
            for (int value = 0; value < 9; ++value)
                QTest::addRow("card %d", suit * 10 + value)
                    << suit * 10 + value << QPoint(50, 50) << QList<bool>{1, 1, 1, 1};
        QTest::newRow("at top 0") << 38 << QPoint(50, 0) << QList<bool>{0, 0, 1, 1};
        QTest::newRow("at left 0") << 24 << QPoint(0, 50) << QList<bool>{0, 1, 0, 1};
        QTest::newRow("right and bottom two pixels out")
            << 0 << QPoint(300 - 71 - 1, 300 - 96 - 1) << QList<bool>{1, 0, 0, 0};
    }
    void faces() {
        QFETCH(int, number);
        QFETCH(QPoint, at);
        QFETCH(QList<bool>, painted);
        TCardBatch::UseSeedsFrom(11);
        TCardBatch pile;
        TCard* card = CardNumbered(pile, number);
        QVERIFY(card);
        const int id = CardBitmapIds[card->Suit() * 9 + card->Value()];
        std::unique_ptr<QWidget> parent(GreenParent());
        card->SetParentControl(parent.get());
        card->SetOrientation(coVertical);
        card->SetFaced(true);
        card->move(at);
        card->setVisible(true);
        const QImage shown = Shown(card);
        card->SetParentControl(&pile);
        QCOMPARE(shown.size(), QSize(71 * Scale, 96 * Scale));
        QCOMPARE(shown, FaceOn(PictureFile(id, "@2x"), Green, painted));
        // The double-size picture is not the small one blown up, so the comparison above
        // tells them apart.
        QVERIFY(FaceOn(ScaledUp(PictureFile(id, "")), Green, painted) != shown);
    }

    // Without its double-size picture a face still shows whole, sharp-edged and with its
    // corners: the small picture's pixels as 2 x 2 blocks.
    void faceWithoutDoublePicture() {
        std::unique_ptr<QWidget> parent(GreenParent());
        auto* card = new TCard(parent.get());
        card->SetCardNomber(38);
        card->FaceBitmap = PictureFile(40, "");
        card->SetFaced(true);
        card->move(50, 50);
        QCOMPARE(Shown(card), FaceOn(ScaledUp(PictureFile(40, "")), Green, {1, 1, 1, 1}));
    }

    // The back is drawn at the screen's density: only its four colours and the ground, with
    // the black outline two layout pixels (four device pixels) wide on every side.
    void back_data() {
        QTest::addColumn<int>("orientation");
        QTest::newRow("upright") << int(coVertical);
        QTest::newRow("crosswise") << int(coHorisontal);
    }
    void back() {
        QFETCH(int, orientation);
        std::unique_ptr<QWidget> parent(GreenParent());
        auto* card = new TCard(parent.get());
        card->SetOrientation(TCardOrientation(orientation));
        card->move(50, 50);
        const QImage shown = Shown(card);
        QCOMPARE(shown.size(), card->size() * Scale);
        const int w = shown.width(), h = shown.height();
        const QList<QRgb> allowed = {QColor(255, 255, 0).rgb(), QColor(255, 0, 0).rgb(),
                                     QColor(Qt::black).rgb(), Green.rgb()};
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                if (!allowed.contains(shown.pixel(x, y)))
                    QFAIL(qPrintable(QStringLiteral("(%1, %2) is %3")
                                         .arg(x)
                                         .arg(y)
                                         .arg(QString::number(shown.pixel(x, y), 16))));
        for (int d = 0; d < 2 * Scale; ++d)
            for (const QPoint& p : {QPoint(w / 2, d), QPoint(w / 2, h - 1 - d), QPoint(d, h / 2),
                                    QPoint(w - 1 - d, h / 2)})
                QCOMPARE(QColor(shown.pixel(p)), QColor(Qt::black));
        QVERIFY(shown.pixel(w / 2, 2 * Scale) != QColor(Qt::black).rgb());
        for (const QPoint& p :
             {QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 1), QPoint(w - 1, h - 1)})
            QCOMPARE(QColor(shown.pixel(p)), Green);
    }
};

int main(int argc, char** argv) {
    // Every screen of this run counts two device pixels per layout pixel.
    qputenv("QT_SCALE_FACTOR", QByteArray::number(Scale));
    QApplication app(argc, argv);
    TestCardDense test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_carddense.moc"

// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

// What the windows share: centring on the screen, the lifetime of a dialog shown once, and the
// two looks of the OK glyph.
#include "glyphs.h"
#include "modal.h"
#include "screencentre.h"

#include <QDialog>
#include <QPointer>
#include <QScreen>
#include <QTest>

#include <stdexcept>

namespace {
QDialog* Shown = nullptr;
} // namespace

class TestUi : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { vesk::SetModalHook(nullptr); }

    void centreOnScreen_data() {
        QTest::addColumn<QSize>("size");
        QTest::newRow("statistics") << QSize(216, 178);
        QTest::newRow("about") << QSize(342, 243);
        QTest::newRow("main window") << QSize(590, 404);
        QTest::newRow("odd sizes") << QSize(101, 77);
    }
    // A window not shown yet has no frame: its place is its own rectangle centred.
    void centreOnScreen() {
        QFETCH(QSize, size);
        QDialog window;
        window.setFixedSize(size);
        vesk::CentreOnScreen(&window);
        QRect expected(QPoint(), size);
        expected.moveCenter(QGuiApplication::primaryScreen()->availableGeometry().center());
        QCOMPARE(window.pos(), expected.topLeft());
        QCOMPARE(window.frameGeometry(), expected);
    }

    void dialogKeptWhileShown() {
        QWidget owner;
        QPointer<QDialog> made = new QDialog(&owner);
        QDialog* seen = nullptr;
        vesk::SetModalHook([&](QDialog* d) {
            seen = Shown;
            return d == made ? 6 : 0;
        });
        {
            vesk::TDialogOnce<QDialog> dialog(Shown, made);
            QCOMPARE(Shown, made.data());
            QCOMPARE(dialog->parentWidget(), &owner);
            QCOMPARE(dialog.Exec(), 6);
            QCOMPARE(seen, made.data());
        }
        QCOMPARE(Shown, nullptr);
        QVERIFY(made.isNull());
        QVERIFY(owner.findChildren<QDialog*>().isEmpty());
    }

    // Whatever goes wrong while it is shown, the dialog is forgotten and destroyed.
    void dialogGoneAfterAnError() {
        QWidget owner;
        QPointer<QDialog> made = new QDialog(&owner);
        vesk::SetModalHook([](QDialog*) -> int { throw std::runtime_error("no"); });
        try {
            vesk::TDialogOnce<QDialog> dialog(Shown, made);
            dialog.Exec();
            QFAIL("the error was lost");
        } catch (const std::runtime_error&) {
        }
        QCOMPARE(Shown, nullptr);
        QVERIFY(made.isNull());
    }

    // The statistics dialog's look is its 16-colour bitmap; the About dialog's a smooth mark at
    // both densities. They are two pictures.
    void okGlyphLooks() {
        const QIcon bitmap = vesk::OkGlyph(vesk::TOkLook::Bitmap16);
        const QIcon smooth = vesk::OkGlyph(vesk::TOkLook::Smooth);
        const QIcon expected = vesk::GlyphIcon(vesk::OkGlyphBitmap());
        for (auto mode : {QIcon::Normal, QIcon::Disabled})
            QCOMPARE(bitmap.pixmap(QSize(18, 18), 1.0, mode).toImage(),
                     expected.pixmap(QSize(18, 18), 1.0, mode).toImage());
        QCOMPARE(smooth.pixmap(QSize(18, 18), 1.0).size(), QSize(18, 18));
        QCOMPARE(smooth.pixmap(QSize(18, 18), 2.0).size(), QSize(36, 36));
        QVERIFY(
            smooth.pixmap(QSize(18, 18), 1.0).toImage().convertToFormat(QImage::Format_ARGB32) !=
            bitmap.pixmap(QSize(18, 18), 1.0).toImage().convertToFormat(QImage::Format_ARGB32));
    }
};

QTEST_MAIN(TestUi)
#include "tst_ui.moc"

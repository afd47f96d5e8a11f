// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

// An icon of picture files decoded on demand: the same sizes and pictures as an icon built with
// QIcon::addFile from the same files, each file read only when its picture is asked for.
#include "fileiconengine.h"
#include "programicon.h"

#include <QCoreApplication>
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

namespace {
const int Sizes[] = {32, 48, 64, 128, 256};

QString IconFile(int size) {
    return QStringLiteral(":/icons/vesk-%1.png").arg(size);
}

// The program's icon as Qt's own engine builds it.
QIcon Reference() {
    QIcon icon;
    for (int size : Sizes)
        icon.addFile(IconFile(size), QSize(size, size));
    return icon;
}
} // namespace

class TestFileIcon : public QObject {
    Q_OBJECT

private slots:
    void samePictures_data() {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("mode");
        const QList<std::pair<const char*, QIcon::Mode>> modes = {{"normal", QIcon::Normal},
                                                                  {"disabled", QIcon::Disabled},
                                                                  {"active", QIcon::Active},
                                                                  {"selected", QIcon::Selected}};
        for (const auto& [name, mode] : modes) {
            for (int side : {16, 32, 40, 48, 50, 64, 100, 128, 200, 256, 300})
                QTest::addRow("%s %d", name, side) << QSize(side, side) << int(mode);
            QTest::addRow("%s 64x32", name) << QSize(64, 32) << int(mode);
            QTest::addRow("%s 20x90", name) << QSize(20, 90) << int(mode);
        }
    }
    void samePictures() {
        QFETCH(QSize, size);
        QFETCH(int, mode);
        const QIcon ours = vesk::WindowIcon();
        const QIcon reference = Reference();
        const auto m = QIcon::Mode(mode);
        QCOMPARE(ours.actualSize(size, m), reference.actualSize(size, m));
        const QImage got = ours.pixmap(size, m).toImage();
        const QImage want = reference.pixmap(size, m).toImage();
        QCOMPARE(got.size(), want.size());
        QCOMPARE(got.convertToFormat(QImage::Format_ARGB32),
                 want.convertToFormat(QImage::Format_ARGB32));
    }

    void sameSizes() {
        const QIcon ours = vesk::WindowIcon();
        const QIcon reference = Reference();
        QVERIFY(!ours.isNull());
        QCOMPARE(ours.availableSizes(), reference.availableSizes());
        QCOMPARE(ours.availableSizes(QIcon::Disabled), reference.availableSizes(QIcon::Disabled));
        QCOMPARE(ours.availableSizes(QIcon::Normal, QIcon::On),
                 reference.availableSizes(QIcon::Normal, QIcon::On));
    }

    // The file is read when a picture is asked for, not when the icon is made, and its picture
    // is let go once the event loop has run.
    void readOnlyWhenAsked() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath(QStringLiteral("icon.png"));
        auto* engine = new TFileIconEngine;
        engine->AddFile(path, QSize(48, 48));
        const QIcon icon(engine);
        QVERIFY(icon.pixmap(48).isNull()); // no file yet

        QVERIFY(QFile::copy(IconFile(48), path));
        const QImage first = icon.pixmap(48).toImage();
        QCOMPARE(first.convertToFormat(QImage::Format_ARGB32),
                 QImage(IconFile(48)).convertToFormat(QImage::Format_ARGB32));

        QVERIFY(QFile::remove(path));
        QCOMPARE(icon.pixmap(48).toImage(), first); // still held
        QCoreApplication::processEvents();
        QVERIFY(icon.pixmap(48).isNull());
    }

    // Two icons of the same files share one decoded picture per size, as the application's and
    // the window's do while the window is made.
    void decodedOncePerFile() {
        const QIcon a = vesk::WindowIcon();
        const QIcon b = vesk::WindowIcon();
        for (int size : Sizes)
            QCOMPARE(a.pixmap(size).cacheKey(), b.pixmap(size).cacheKey());
    }
};

QTEST_MAIN(TestFileIcon)
#include "tst_fileicon.moc"

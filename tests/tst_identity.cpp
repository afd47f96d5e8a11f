// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

// One application id and one version everywhere: the window, the desktop entry, the
// software-centre data, the installed icon names and the version block; the licence.
#include "identity.h"
#include "programicon.h"
#include "tfmain.h"
#include "versioninfo.h"

#include <QApplication>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

namespace {
QByteArray Contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll()
                                       : QByteArray("<missing " + path.toUtf8() + ">");
}

const QString Id = QStringLiteral(VESK_APP_ID);
} // namespace

class TestIdentity : public QObject {
    Q_OBJECT

private slots:
    // Reverse-domain, lower case, of the project's own: no placeholder.
    void theId() {
        QVERIFY2(QRegularExpression(QStringLiteral("^[a-z][a-z0-9]*(\\.[a-z][a-z0-9]*){2,}$"))
                     .match(Id)
                     .hasMatch(),
                 qPrintable(Id));
        QVERIFY(!Id.startsWith(QLatin1String("org.example")));
        QCOMPARE(QString::fromLatin1(AppId), Id);
    }

    void windowIconAtEverySize() {
        QCOMPARE(vesk::WindowIcon().availableSizes(),
                 (QList<QSize>{{32, 32}, {48, 48}, {64, 64}, {128, 128}, {256, 256}}));
        TfMain w;
        const QList<QSize> sizes = w.windowIcon().availableSizes();
        for (int size : {32, 48, 64, 128, 256})
            QVERIFY2(sizes.contains(QSize(size, size)), qPrintable(QString::number(size)));
        QCOMPARE(w.windowIcon().pixmap(256).size(), QSize(256, 256));
    }

    void desktopFileName() {
        ApplyIdentity();
        QCOMPARE(QGuiApplication::desktopFileName(), Id);
        QVERIFY(QApplication::windowIcon().availableSizes().contains(QSize(128, 128)));
    }

    void desktopEntry() {
        const QByteArray entry =
            Contents(QStringLiteral(VESK_RESOURCES_BUILD "/") + Id + QStringLiteral(".desktop"));
        QVERIFY2(entry.contains("\nIcon=" + Id.toUtf8() + "\n"), entry.constData());
        QVERIFY(entry.contains("\nExec=vesk\n"));
    }

    void metainfo() {
        const QByteArray xml = Contents(QStringLiteral(VESK_RESOURCES_BUILD "/") + Id +
                                        QStringLiteral(".metainfo.xml"));
        QVERIFY2(xml.contains("<id>" + Id.toUtf8() + "</id>"), xml.constData());
        QVERIFY(xml.contains("<launchable type=\"desktop-id\">" + Id.toUtf8() +
                             ".desktop</launchable>"));
        QVERIFY(xml.contains("<project_license>GPL-3.0-or-later</project_license>"));
        // The release is the version the program carries, with a real date.
        const TVersionInfo block(QStringLiteral(VESK_EXECUTABLE));
        QCOMPARE(block.ReadFileVersion(), QStringLiteral("1.0.0.37"));
        const QRegularExpressionMatch release =
            QRegularExpression(QStringLiteral("<release version=\"([^\"]+)\" date=\"([^\"]+)\""))
                .match(QString::fromUtf8(xml));
        QVERIFY(release.hasMatch());
        QCOMPARE(release.captured(1), block.ReadFileVersion());
        const QDate date = QDate::fromString(release.captured(2), Qt::ISODate);
        QVERIFY(date.isValid());
        // The copyright year of the block is the release's.
        QVERIFY2(block.ReadLegalCopyright().contains(QString::number(date.year())),
                 qPrintable(block.ReadLegalCopyright()));
    }

    // The licence names the licence, the maker of the version block, and the full text's place.
    void licence() {
        const QString text =
            QString::fromUtf8(Contents(QStringLiteral(VESK_SOURCE_DIR "/LICENSE")));
        const TVersionInfo block(QStringLiteral(VESK_EXECUTABLE));
        const QString maker = block.QueryString(QStringLiteral("CompanyName"));
        QVERIFY(!maker.isEmpty());
        QVERIFY2(text.contains(maker), qPrintable(maker));
        QVERIFY(text.contains(QLatin1String("GPL-3.0-or-later")));
        QVERIFY(text.contains(QLatin1String("/usr/share/common-licenses/GPL-3")));
    }
};

QTEST_MAIN(TestIdentity)
#include "tst_identity.moc"

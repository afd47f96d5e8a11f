// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

// The zoomed table: sizes, the menu, the settings value, geometry and input at every size,
// and the 100 % window pixel for pixel as it was before it could zoom.
#include "modal.h"
#include "tfmain.h"
#include "zoomscenario.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QTest>

class TfMainProbe {
public:
    static void Deal(TfMain& w, std::uint32_t seed) {
        TCardBatch::SeedSource = [seed] { return seed; };
        w.LastWinner = w.PlayerPlace1;
        w.mmNewGameClick();
    }
};

namespace {
QString ReferenceDir() {
    return QStringLiteral(VESK_ZOOM_DATA);
}

// The client area as the window shows it, in device pixels.
QImage Client(TfMain& w) {
    return w.centralWidget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}
} // namespace

class TestZoom : public QObject {
    Q_OBJECT

private slots:
    void init() {
        QFile::remove(qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/Tovrel.reg"));
        vesk::SetModalHook([](QDialog*) { return int(QMessageBox::Ok); });
    }
    void cleanup() {
        vesk::SetModalHook(nullptr);
        TCardBatch::SeedSource = nullptr;
    }

    // At 100 % the client area is the one the window showed before it could zoom: the
    // pictures in tests/data/zoom were taken from that window with the same steps.
    void hundredPercentAsBefore() {
        const QString record = qEnvironmentVariable("VESK_ZOOM_RECORD");
        TfMain w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        if (!w.mmSpeedGame->isChecked())
            w.mmSpeedGame->trigger();
        QStringList failures;
        ZoomScenario::Play(
            w, [&w](std::uint32_t seed) { TfMainProbe::Deal(w, seed); },
            [&](const char* name) {
                const QImage shown = Client(w);
                const QString file = QStringLiteral("/window100-%1.png").arg(QLatin1String(name));
                if (!record.isEmpty()) {
                    shown.save(record + file);
                    return;
                }
                const QImage before =
                    QImage(ReferenceDir() + file).convertToFormat(QImage::Format_RGB32);
                if (before.isNull() || before != shown) {
                    shown.save(QDir::tempPath() + file);
                    failures << QStringLiteral("%1 differs (now in %2)")
                                    .arg(QLatin1String(name), QDir::tempPath() + file);
                }
            });
        QVERIFY2(failures.isEmpty(), qPrintable(failures.join("; ")));
    }
};

QTEST_MAIN(TestZoom)
#include "tst_zoom.moc"

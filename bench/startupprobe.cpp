// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "startupprobe.h"

#include "framemeter.h"
#include "gamedriver.h"

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QKeyEvent>
#include <QTimer>

#include <cstdio>
#include <memory>

namespace {
long PeakResidentKb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

class TFirstPaint : public QObject {
public:
    TFirstPaint(TfMain* w, int games, bool measureMotion) : QObject(w), W(w), Games(games) {
        w->installEventFilter(this);
        if (measureMotion)
            Meter = std::make_unique<TFrameMeter>(w);
    }
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint && !Done) {
            Done = true;
            // Report once the paint has been flushed, from the event loop.
            QTimer::singleShot(0, this, &TFirstPaint::Run);
        }
        return false;
    }

private:
    void Run() {
        std::printf("painted\n");
        std::fflush(stdout);
        if (Games > 0) {
            TGameDriver driver(W, 1);
            driver.CheckEveryEvent = false;
            driver.IllegalTriesPercent = 0;
            for (int g = 1; g <= Games; ++g)
                driver.PlayGame(std::uint32_t(g));
        }
        if (Meter)
            std::printf("%s\n", Meter->Report().constData());
        std::printf("rss_kb %ld\n", PeakResidentKb());
        std::printf("exit\n");
        std::fflush(stdout);
        QKeyEvent press(QEvent::KeyPress, Qt::Key_X, Qt::ControlModifier, QStringLiteral("\x18"));
        QCoreApplication::sendEvent(W, &press);
        if (W->isVisible())
            W->mmExit->trigger(); // no shortcut map on this platform: the menu item it runs
    }
    TfMain* W;
    int Games;
    bool Done = false;
    std::unique_ptr<TFrameMeter> Meter;
};
} // namespace

void InstallStartupProbe(TfMain* window, int games, bool measureMotion) {
    new TFirstPaint(window, games, measureMotion);
}

// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "termination.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QSocketNotifier>
#include <QWidget>

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {
int SignalPipe[2] = {-1, -1};
QSocketNotifier* Notifier = nullptr; // owned by the application object
QPointer<QWidget> Target;

// A signal came while there was no window to close: until the window is named, every modal
// box that opens (the load's error box) is closed as soon as it shows.
class TPendingClose : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched->isWidgetType()) {
            auto* widget = static_cast<QWidget*>(watched);
            if (widget->isWindow() && widget->isModal())
                QMetaObject::invokeMethod(widget, &QWidget::close, Qt::QueuedConnection);
        }
        return false;
    }
};
QPointer<TPendingClose> Pending;

void Wake() {
    const char byte = 1;
    // Only async-signal-safe work here: wake the event loop through the pipe.
    [[maybe_unused]] const auto n = ::write(SignalPipe[1], &byte, 1);
}

void OnSignal(int) {
    Wake();
}

void OnWake() {
    char buf[64];
    while (::read(SignalPipe[0], buf, sizeof buf) > 0) {
    }
    // Close the innermost modal dialog first; the next one (if any) on the next round.
    if (QWidget* modal = QApplication::activeModalWidget()) {
        modal->close();
        Wake();
        return;
    }
    if (Target) {
        Target->close();
    } else if (!Pending) {
        Pending = new TPendingClose(QCoreApplication::instance());
        QCoreApplication::instance()->installEventFilter(Pending);
    }
}
} // namespace

void ListenForTerminationSignals() {
    if (Notifier)
        return;
    if (SignalPipe[0] < 0 && ::pipe2(SignalPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    Notifier =
        new QSocketNotifier(SignalPipe[0], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(Notifier, &QSocketNotifier::activated, Notifier, &OnWake);
    QObject::connect(Notifier, &QObject::destroyed, [] { Notifier = nullptr; });
    struct sigaction sa = {};
    sa.sa_handler = OnSignal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    for (int sig : {SIGTERM, SIGINT, SIGHUP})
        sigaction(sig, &sa, nullptr);
}

void CloseOnTerminationSignal(QWidget* mainWindow) {
    ListenForTerminationSignals();
    Target = mainWindow;
    if (Pending && mainWindow) {
        delete Pending;
        QMetaObject::invokeMethod(mainWindow, &QWidget::close, Qt::QueuedConnection);
    }
}

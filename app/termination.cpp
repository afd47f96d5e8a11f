#include "termination.h"

#include <QApplication>
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
bool Pending = false; // a signal came while there was no window to close

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
    if (Target)
        Target->close();
    else
        Pending = true;
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
        Pending = false;
        QMetaObject::invokeMethod(mainWindow, &QWidget::close, Qt::QueuedConnection);
    }
}

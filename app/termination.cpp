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

void OnSignal(int) {
    const char byte = 1;
    // Only async-signal-safe work here: wake the event loop through the pipe.
    [[maybe_unused]] const auto n = ::write(SignalPipe[1], &byte, 1);
}
} // namespace

void CloseOnTerminationSignal(QWidget* mainWindow) {
    if (SignalPipe[0] < 0) {
        if (::pipe2(SignalPipe, O_CLOEXEC | O_NONBLOCK) != 0)
            return;
    }
    auto* notifier = new QSocketNotifier(SignalPipe[0], QSocketNotifier::Read, mainWindow);
    QPointer<QWidget> window(mainWindow);
    QObject::connect(notifier, &QSocketNotifier::activated, mainWindow, [window] {
        char buf[64];
        while (::read(SignalPipe[0], buf, sizeof buf) > 0) {
        }
        // Close the innermost modal dialog first; the next one (if any) on the next round.
        if (QWidget* modal = QApplication::activeModalWidget()) {
            modal->close();
            const char byte = 1;
            [[maybe_unused]] const auto n = ::write(SignalPipe[1], &byte, 1);
            return;
        }
        if (window)
            window->close();
    });
    struct sigaction sa = {};
    sa.sa_handler = OnSignal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    for (int sig : {SIGTERM, SIGINT, SIGHUP})
        sigaction(sig, &sa, nullptr);
}

// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

// The program as it starts for a person, with a probe that reports its first paint, plays
// the games asked for on the command line and quits: the benchmark's whole-process rows.
#include "startupprobe.h"
#include "termination.h"
#include "tfmain.h"

#include <QApplication>

#include <cstdlib>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Игра в Веска"));
    auto* window = new TfMain;
    CloseOnTerminationSignal(window);
    InstallStartupProbe(window, argc > 1 ? std::atoi(argv[1]) : 0);
    window->show();
    const int rc = QApplication::exec();
    delete window;
    return rc;
}

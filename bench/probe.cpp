// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

// The program as it starts for a person, with a probe that reports its first paint, plays
// the games asked for on the command line and quits: the benchmark's whole-process rows. With
// "animated" after the number of games, the cards move, and their frames are measured.
#include "startupprobe.h"
#include "termination.h"
#include "tfmain.h"

#include <QApplication>

#include <cstdlib>
#include <cstring>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Игра в Веска"));
    TfMain::AnimationAtFirstRun = argc > 2 && std::strcmp(argv[2], "animated") == 0;
    auto* window = new TfMain;
    CloseOnTerminationSignal(window);
    InstallStartupProbe(window, argc > 1 ? std::atoi(argv[1]) : 0, TfMain::AnimationAtFirstRun);
    window->show();
    const int rc = QApplication::exec();
    delete window;
    return rc;
}

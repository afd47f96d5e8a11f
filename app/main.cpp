// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "commandline.h"
#include "identity.h"
#include "termination.h"
#include "tfmain.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    // Answered before the window system is asked for: over SSH, in a build chroot, in scripts.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const TCommandLine options = ParseCommandLine(arguments);
    if (const auto rc = AnswerWithoutWindow(options, arguments.value(0)))
        return *rc;

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Игра в Веска"));
    ApplyIdentity();
    // Before the window loads the settings, whose error box may be up when the session ends.
    ListenForTerminationSignals();
    auto* window = new TfMain;
    // Only after the window: the pile's shuffle at its creation deals no game.
    if (options.Seed)
        TCardBatch::UseSeedsFrom(*options.Seed);
    CloseOnTerminationSignal(window);
    window->show();
    const int rc = QApplication::exec();
    delete window; // destroying the window stores the settings
    return rc;
}

// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "commandline.h"
#include "identity.h"
#include "registry.h"
#include "singleinstance.h"
#include "termination.h"
#include "tfmain.h"

#include <QApplication>
#include <QFileInfo>

#include <cstdio>

namespace {
// The window to the front, also from the task bar's minimised state.
void Raise(QWidget* window) {
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
}

void Say(const char* text) {
    std::fputs(text, stderr);
}

// Another start of the game runs with the same settings: its window comes to the front and
// this start ends, writing nothing.
int SecondStart(int argc, char* argv[], vesk::TSingleInstance& instance,
                const TCommandLine& options) {
    QCoreApplication app(argc, argv);
    const bool raised = instance.RaiseRunning();
    if (!raised)
        Say("vesk: игра уже запущена с этими настройками; её окно поднять не удалось\n");
    if (options.Seed)
        Say("vesk: игра уже запущена, номер раздачи (--seed) ей передать нельзя\n");
    return raised && !options.Seed ? 0 : 1;
}
} // namespace

int main(int argc, char* argv[]) {
    // Answered before the window system is asked for: over SSH, in a build chroot, in scripts.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const TCommandLine options = ParseCommandLine(arguments);
    if (const auto rc = AnswerWithoutWindow(options, arguments.value(0)))
        return *rc;

    vesk::TSingleInstance instance(QString::fromLatin1(AppId),
                                   QFileInfo(vesk::TRegistry::FileName()).absolutePath());
    if (!instance.Claim())
        return SecondStart(argc, argv, instance, options);

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Игра в Веска"));
    ApplyIdentity();
    // Before the window loads the settings, whose error box may be up when the session ends.
    ListenForTerminationSignals();
    TfMain::AnimationAtFirstRun = true; // cards move unless the person turned it off
    auto* window = new TfMain;
    // Only after the window: the pile's shuffle at its creation deals no game.
    if (options.Seed)
        TCardBatch::UseSeedsFrom(*options.Seed);
    CloseOnTerminationSignal(window);
    window->show();
    instance.Serve([window] { Raise(window); });
    const int rc = QApplication::exec();
    delete window; // destroying the window stores the settings
    return rc;
}

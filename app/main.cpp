#include "commandline.h"
#include "eventloop.h"
#include "startupprobe.h"
#include "termination.h"
#include "tfmain.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char* argv[]) {
    ChoosePlainEventLoop();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Игра в Веска"));
    // Before the window loads the settings, whose error box may be up when the session ends.
    ListenForTerminationSignals();
    const TCommandLine options = ParseCommandLine(QApplication::arguments());
    if (options.Help || !options.Error.isEmpty()) {
        const QString text = options.Help ? options.HelpText
                                          : options.Error + QStringLiteral("\nСправка: ") +
                                                QApplication::arguments().value(0) +
                                                QStringLiteral(" --help\n");
        std::fputs(text.toUtf8().constData(), options.Help ? stdout : stderr);
        return options.Help ? 0 : 2;
    }
    auto* window = new TfMain;
    // Only after the window: the pile's shuffle at its creation deals no game.
    if (options.Seed)
        TCardBatch::UseSeedsFrom(*options.Seed);
    CloseOnTerminationSignal(window);
    InstallStartupProbe(window);
    window->show();
    const int rc = QApplication::exec();
    delete window; // destroying the window stores the settings
    return rc;
}

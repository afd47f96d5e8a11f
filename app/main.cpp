#include "termination.h"
#include "tfmain.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Игра в Веска"));
    auto* window = new TfMain;
    CloseOnTerminationSignal(window);
    window->show();
    const int rc = QApplication::exec();
    delete window; // destroying the window stores the settings
    return rc;
}

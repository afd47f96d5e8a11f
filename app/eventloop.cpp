#include "eventloop.h"

#include <QByteArray>
#include <QtGlobal>

void ChoosePlainEventLoop() {
    if (!qEnvironmentVariableIsSet("QT_NO_GLIB"))
        qputenv("QT_NO_GLIB", QByteArray("1"));
}

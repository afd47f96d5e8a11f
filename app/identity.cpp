#include "identity.h"

#include "programicon.h"

#include <QApplication>

const char* const AppId = VESK_APP_ID;

void ApplyIdentity() {
    QGuiApplication::setDesktopFileName(QString::fromLatin1(AppId));
    QApplication::setWindowIcon(vesk::WindowIcon());
}

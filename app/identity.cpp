#include "identity.h"

#include <QApplication>

const char* const AppId = VESK_APP_ID;

QIcon ProgramIcon() {
    QIcon icon;
    for (int size : {32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/vesk-%1.png").arg(size), QSize(size, size));
    return icon;
}

void ApplyIdentity() {
    QGuiApplication::setDesktopFileName(QString::fromLatin1(AppId));
    QApplication::setWindowIcon(ProgramIcon());
}

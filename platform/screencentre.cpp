#include "screencentre.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace vesk {

void CentreOnScreen(QWidget* window) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect r = window->frameGeometry();
    r.moveCenter(screen->availableGeometry().center());
    window->move(r.topLeft());
}

} // namespace vesk

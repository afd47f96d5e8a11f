#include "presspaint.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QEvent>
#include <QMainWindow>
#include <QPointer>

TPressPaint::TPressPaint(QAbstractButton* button, QWidget* window)
    : QObject(button), FButton(button), FWindow(window) {
    // The immediate repaint comes before these signals; whatever a handler does after them,
    // pauses with their own painting included, is painted as usual.
    auto stop = [this] { FDeferring = false; };
    connect(button, &QAbstractButton::pressed, this, stop);
    connect(button, &QAbstractButton::released, this, stop);
    button->installEventFilter(this);
    window->installEventFilter(this);
}

bool TPressPaint::eventFilter(QObject* watched, QEvent* event) {
    if (watched == FWindow) {
        if (event->type() != QEvent::UpdateRequest)
            return false;
        if (!FDeferring) {
            FPutOff = 0; // the window paints now
            return false;
        }
        // A second press before the window has painted: play faster than the eye, a driver's.
        // Everything will be repainted at once then; said so now, each later change of the
        // table is found already dirty instead of being added to an ever longer list.
        if (++FPutOff == 2)
            if (auto* main = qobject_cast<QMainWindow*>(FWindow))
                if (QWidget* area = main->centralWidget()) {
                    area->lower();
                    area->raise();
                }
        QCoreApplication::postEvent(FWindow, new QEvent(QEvent::UpdateRequest),
                                    Qt::LowEventPriority);
        return true;
    }
    if (watched != FButton || FDeferring)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        break;
    default:
        return false;
    }
    // The button's own handling, with the window's immediate paint turned into a later one.
    const QPointer<TPressPaint> alive(this);
    FDeferring = true;
    static_cast<QObject*>(FButton)->event(event);
    if (alive)
        FDeferring = false;
    return true;
}

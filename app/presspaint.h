#pragma once

#include <QObject>

class QAbstractButton;
class QWidget;

// A press or release of a button repaints its whole window at once, before the window's next
// pass: Qt wants the pressed look on screen before any handler runs. Here no handler runs at
// the press, and the one at the release is quick, so the paint waits for the window's next
// pass (microseconds later) and is done once with whatever else changed meanwhile.
class TPressPaint : public QObject {
public:
    TPressPaint(QAbstractButton* button, QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAbstractButton* FButton;
    QWidget* FWindow;
    bool FDeferring = false;
    int FPutOff = 0; // presses whose paint waits for the window's next pass
};

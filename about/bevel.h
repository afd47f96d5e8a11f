#pragma once

#include <QWidget>

// An etched horizontal rule along the widget's top edge: a shadow line over a light one.
class TBevel : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent* event) override;
};

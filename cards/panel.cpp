#include "panel.h"

#include "panelframe.h"

TPanel::TPanel(QWidget* owner) : QFrame(owner) {}

void TPanel::SetGround(const QColor& ground) {
    FGround = ground;
    if (ground.isValid())
        setAutoFillBackground(false);
    setAttribute(Qt::WA_OpaquePaintEvent, ground.isValid());
    update();
}

void TPanel::paintEvent(QPaintEvent* event) {
    PaintPanelFrame(this, event, [this](QPainter* p) { drawFrame(p); });
}

QColor PanelGround(const QWidget* w) {
    const auto* panel = qobject_cast<const TPanel*>(w);
    return panel ? panel->Ground() : QColor();
}

// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "messageaccessible.h"

#include "screenrect.h"

#include <QAccessibleWidget>
#include <QLabel>

namespace {
const char* const MessageLineName = "lMessage";

QString Caption() {
    return QStringLiteral("Строка сообщений");
}

class TMessageAccessible : public QAccessibleWidget {
public:
    explicit TMessageAccessible(QLabel* label)
        : QAccessibleWidget(label, QAccessible::StaticText) {}

    // Where the screen shows it, also on a zoomed table.
    QRect rect() const override { return ScreenRect(widget()); }

    QString text(QAccessible::Text t) const override {
        const QString message = static_cast<const QLabel*>(object())->text().trimmed();
        switch (t) {
        case QAccessible::Name:
            return message.isEmpty() ? Caption() : message;
        case QAccessible::Description:
            return Caption();
        default:
            return QAccessibleWidget::text(t);
        }
    }
};

QAccessibleInterface* MessageAccessibleFactory(const QString& classname, QObject* object) {
    if (classname == QLatin1String("QLabel") &&
        object->objectName() == QLatin1String(MessageLineName))
        return new TMessageAccessible(static_cast<QLabel*>(object));
    return nullptr;
}
} // namespace

void MakeMessageAccessible(QLabel* label) {
    static const bool installed = [] {
        QAccessible::installFactory(MessageAccessibleFactory);
        return true;
    }();
    (void)installed;
    label->setObjectName(QLatin1String(MessageLineName));
    // An interface asked for before the label had its name is the plain one: drop it.
    if (QAccessible::isActive()) {
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(label);
        if (iface && !dynamic_cast<TMessageAccessible*>(iface))
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(iface));
    }
}

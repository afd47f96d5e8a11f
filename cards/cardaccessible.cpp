// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cardaccessible.h"

#include "cardbatch.h"
#include "gameplace.h"
#include "playerplace.h"
#include "screenrect.h"

#include <QAccessibleWidget>

namespace {
const char* const ValueNames[9] = {"шестёрка", "семёрка", "восьмёрка", "девятка", "десятка",
                                   "валет",    "дама",    "король",    "туз"};
// "дама пик": the suit follows the rank in the genitive plural.
const char* const SuitsOf[4] = {"треф", "бубен", "червей", "пик"};
const char* const SuitNames[4] = {"трефы", "бубны", "черви", "пики"};

class TCardAccessible : public QAccessibleWidget {
public:
    explicit TCardAccessible(TCard* card) : QAccessibleWidget(card, QAccessible::Graphic) {}

    // Where the screen shows it, also on a zoomed table.
    QRect rect() const override { return ScreenRect(widget()); }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name)
            return CardAccessibleName(static_cast<const TCard*>(object()));
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        // Only the human's hand raises a card; elsewhere the flag is a leftover.
        const auto* card = static_cast<const TCard*>(object());
        const auto* hand = qobject_cast<const TPlayerPlace*>(card->parentWidget());
        if (hand && hand->Player == ptMan) {
            s.selectable = true;
            s.selected = card->Selected;
        }
        return s;
    }
};

// A panel that holds cards, named by what it holds.
template <typename Place, QString (*Name)(const Place*)>
class TPlaceAccessible : public QAccessibleWidget {
public:
    explicit TPlaceAccessible(Place* place) : QAccessibleWidget(place, QAccessible::Grouping) {}

    // Where the screen shows it, also on a zoomed table.
    QRect rect() const override { return ScreenRect(widget()); }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name)
            return Name(static_cast<const Place*>(object()));
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* CardAccessibleFactory(const QString& classname, QObject* object) {
    if (classname == QLatin1String("TCard"))
        return new TCardAccessible(static_cast<TCard*>(object));
    if (classname == QLatin1String("TPlayerPlace"))
        return new TPlaceAccessible<TPlayerPlace, HandAccessibleName>(
            static_cast<TPlayerPlace*>(object));
    if (classname == QLatin1String("TGamePlace"))
        return new TPlaceAccessible<TGamePlace, TableAccessibleName>(
            static_cast<TGamePlace*>(object));
    if (classname == QLatin1String("TCardBatch"))
        return new TPlaceAccessible<TCardBatch, PileAccessibleName>(
            static_cast<TCardBatch*>(object));
    return nullptr;
}
} // namespace

QString CardAccessibleName(const TCard* card) {
    if (!card->Faced() || card->Orientation() != coVertical || card->Value() > 8 ||
        card->Suit() > 3)
        return QStringLiteral("карта рубашкой вверх");
    return QString::fromUtf8(ValueNames[card->Value()]) + QLatin1Char(' ') +
           QString::fromUtf8(SuitsOf[card->Suit()]);
}

QString HandAccessibleName(const TPlayerPlace* hand) {
    const QString format = hand->Player == ptMan ? QStringLiteral("Ваши карты: %1")
                                                 : QStringLiteral("Карты компьютера: %1");
    return format.arg(hand->CardCount());
}

QString TableAccessibleName(const TGamePlace* table) {
    return QStringLiteral("На столе: %1").arg(table->Cards.size());
}

QString PileAccessibleName(const TCardBatch* pile) {
    return QStringLiteral("В колоде: %1, козырь — %2")
        .arg(pile->Count())
        .arg(QString::fromUtf8(SuitNames[pile->TrumpSuit() & 3]));
}

void InstallCardAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(CardAccessibleFactory);
        return true;
    }();
    (void)installed;
}

#include "keptfonts.h"

#include "cardbatch.h"

#include <QWidget>

#include <set>

TKeptFonts::TKeptFonts(QWidget* window) : QObject(window) {
    std::set<QString> seen{window->font().key()};
    Keep(window->font(), window);
    for (QWidget* w : window->findChildren<QWidget*>()) {
        // One holder per distinct font is enough: the cache shares the rest.
        if (seen.insert(w->font().key()).second)
            Keep(w->font(), w);
        if (auto* pile = qobject_cast<TCardBatch*>(w))
            Keep(TCardBatch::SignFont(), pile);
    }
}

void TKeptFonts::Keep(const QFont& font, QWidget* paintedOn) {
    Held.emplace_back(font, paintedOn);
    Held.back().height(); // loads the engine now
}

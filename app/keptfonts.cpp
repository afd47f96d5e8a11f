#include "keptfonts.h"

#include <QWidget>

#include <set>

TKeptFonts::TKeptFonts(QWidget* window) : QObject(window) {
    std::set<QString> seen{window->font().key()};
    Keep(window->font(), window);
    for (QWidget* w : window->findChildren<QWidget*>()) {
        // One holder per distinct font is enough: the cache shares the rest. The empty
        // stock's sign is left out: the first frame does not show it, and it is rare.
        if (seen.insert(w->font().key()).second)
            Keep(w->font(), w);
    }
}

void TKeptFonts::Keep(const QFont& font, QWidget* paintedOn) {
    Held.emplace_back(font, paintedOn);
    Held.back().height(); // loads the engine now
}

#pragma once

#include <QFontMetrics>
#include <QObject>

#include <vector>

class QWidget;

// Holds the fonts a window paints with, resolved for it, for as long as the window lives.
// Qt's font cache lets go of a font nobody holds after a few seconds, and the next paint of
// the message line would then ask fontconfig for it again.
class TKeptFonts : public QObject {
public:
    explicit TKeptFonts(QWidget* window);
    void Keep(const QFont& font, QWidget* paintedOn);

private:
    std::vector<QFontMetrics> Held;
};

// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

// vesk-artwork: draws the card pictures and the program icon.
//
//   vesk-artwork --out <resources dir>   writes cards/<id>.png and cards/<id>@2x.png for the
//                                        36 cards, icons/vesk-<size>.png and vesk-32@2x.png
//   vesk-artwork --sheet <file.png>      writes a contact sheet of the pictures as compiled
//                                        into the program (rebuild after --out to see new ones)
//
// The drawing is deterministic: running it again gives byte-identical files. The build does
// not run it; the generated pictures are committed and compiled in from resources/.

#include "artwork.h"
#include "cardfaces.h"
#include "contactsheet.h"
#include "palette.h"
#include "programicon.h"

#include <QApplication>
#include <QDir>
#include <QImage>

#include <cstdio>

namespace {
bool Save(const QImage& img, const QString& path) {
    if (!img.save(path, "PNG")) {
        std::fprintf(stderr, "vesk-artwork: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

// The card faces, drawn in the 16 standard colours, are stored with that palette: a third of the
// bytes to inflate and check when the program loads them, the same pixels.
bool SavePaletted(const QImage& img, const QString& path) {
    const QList<QRgb> colours(Palette::All.begin(), Palette::All.end());
    const QImage paletted =
        img.convertToFormat(QImage::Format_Indexed8, colours, Qt::ThresholdDither);
    if (paletted.convertToFormat(img.format()) != img) {
        std::fprintf(stderr, "vesk-artwork: %s is not in the 16 colours\n", qPrintable(path));
        return false;
    }
    if (!paletted.save(path, "PNG")) {
        std::fprintf(stderr, "vesk-artwork: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

bool WriteAll(const QString& resources) {
    const QDir root(resources);
    if (!root.mkpath(QStringLiteral("cards")) || !root.mkpath(QStringLiteral("icons"))) {
        std::fprintf(stderr, "vesk-artwork: cannot create folders in %s\n", qPrintable(resources));
        return false;
    }
    bool ok = true;
    for (int suit = 0; suit < 4; ++suit)
        for (int value = 0; value < 9; ++value) {
            const int id = CardBitmapIds[suit * 9 + value];
            const QString base = root.filePath(QStringLiteral("cards/%1").arg(id));
            ok &= SavePaletted(CardFaces::Face(suit, value, 1), base + QStringLiteral(".png"));
            ok &= SavePaletted(CardFaces::Face(suit, value, 2), base + QStringLiteral("@2x.png"));
        }
    ok &= Save(ProgramIcon::Classic(1), root.filePath(QStringLiteral("icons/vesk-32.png")));
    ok &= Save(ProgramIcon::Classic(2), root.filePath(QStringLiteral("icons/vesk-32@2x.png")));
    for (int size : {48, 64, 128, 256})
        ok &= Save(ProgramIcon::Smooth(size),
                   root.filePath(QStringLiteral("icons/vesk-%1.png").arg(size)));
    return ok;
}

int Usage() {
    std::fprintf(stderr, "usage: vesk-artwork --out <resources dir> | --sheet <file.png>\n");
    return 2;
}
} // namespace

int main(int argc, char** argv) {
    // The sheet paints real card controls; no screen is needed for that.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3)
        return Usage();
    if (args[1] == QLatin1String("--out"))
        return WriteAll(args[2]) ? 0 : 1;
    if (args[1] == QLatin1String("--sheet"))
        return Save(ContactSheet::Render(), args[2]) ? 0 : 1;
    return Usage();
}

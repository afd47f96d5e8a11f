// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fileiconengine.h"

#include <QCoreApplication>
#include <QIcon>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>
#include <QTimer>

#include <algorithm>

namespace {
int Area(const QSize& s) {
    return s.width() * s.height();
}
} // namespace

void TFileIconEngine::AddFile(const QString& path, const QSize& size) {
    FFiles.append({path, size});
}

TFileIconEngine::TFile* TFileIconEngine::BestFor(const QSize& size) {
    TFile* best = nullptr;
    for (TFile& f : FFiles) {
        if (!best) {
            best = &f;
            continue;
        }
        const int a = Area(best->Size);
        const int b = Area(f.Size);
        const bool bothLargeEnough = std::min(a, b) >= Area(size);
        if (bothLargeEnough ? b < a : b > a)
            best = &f;
    }
    return best;
}

QSize TFileIconEngine::actualSize(const QSize& size, QIcon::Mode, QIcon::State) {
    const TFile* f = BestFor(size);
    if (!f)
        return {};
    QSize actual = f->Size;
    if (actual.width() > size.width() || actual.height() > size.height())
        actual.scale(size, Qt::KeepAspectRatio);
    return actual;
}

QPixmap TFileIconEngine::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) {
    TFile* f = BestFor(size);
    if (!f)
        return {};
    const QString key = QStringLiteral("vesk-icon-file:") + f->Path;
    QPixmap pm;
    if (!QPixmapCache::find(key, &pm)) {
        pm = QPixmap::fromImage(QImageReader(f->Path).read());
        if (pm.isNull())
            return pm;
        // While a window is made the window system asks for every size of the application's
        // icon, then of the window's, and keeps its own copy: the pictures are held only until
        // the event loop runs again.
        QPixmapCache::insert(key, pm);
        if (QCoreApplication* app = QCoreApplication::instance())
            QTimer::singleShot(0, app, [key] { QPixmapCache::remove(key); });
    }
    const QSize actual = actualSize(size, mode, state);
    if (pm.size() != actual)
        pm = pm.scaled(actual, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    // Disabled and selected pictures as the style makes them from the normal one.
    if (mode != QIcon::Normal)
        pm = QIcon(pm).pixmap(actual, mode, state);
    return pm;
}

void TFileIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
                            QIcon::State state) {
    const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
    QPixmap pm = pixmap(rect.size() * ratio, mode, state);
    pm.setDevicePixelRatio(ratio);
    const QSize shown = pm.deviceIndependentSize().toSize();
    painter->drawPixmap(QRect(rect.topLeft() + QPoint((rect.width() - shown.width()) / 2,
                                                      (rect.height() - shown.height()) / 2),
                              shown),
                        pm);
}

QList<QSize> TFileIconEngine::availableSizes(QIcon::Mode mode, QIcon::State state) {
    QList<QSize> sizes;
    if (mode == QIcon::Normal && state == QIcon::Off)
        for (const TFile& f : FFiles)
            sizes.append(f.Size);
    return sizes;
}

QIconEngine* TFileIconEngine::clone() const {
    return new TFileIconEngine(*this);
}

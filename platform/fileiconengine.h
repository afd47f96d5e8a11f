// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QIconEngine>
#include <QList>
#include <QSize>
#include <QString>

// An icon made of picture files, one per size, each decoded when a picture of its size is
// asked for and shared with every icon made of the same file until the event loop next runs.
// It answers as an icon built with QIcon::addFile does (the same sizes, the same pictures),
// without decoding every file when it is built or keeping the pictures afterwards.
class TFileIconEngine : public QIconEngine {
public:
    // Files in any order; each is the picture for its size in the normal mode.
    void AddFile(const QString& path, const QSize& size);

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    QIconEngine* clone() const override;
    bool isNull() override { return FFiles.isEmpty(); }

private:
    struct TFile {
        QString Path;
        QSize Size;
    };
    // The smallest picture at least as large as asked for, else the largest.
    TFile* BestFor(const QSize& size);

    QList<TFile> FFiles;
};

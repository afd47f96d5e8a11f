#pragma once

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// A test's own settings folder and the settings file in it, read and written byte for byte.
struct SettingsFolder {
    std::unique_ptr<QTemporaryDir> dir;

    QString Path() const { return dir->filePath(QStringLiteral("Tovrel.reg")); }

    void Write(const QByteArray& bytes) {
        QFile f(Path());
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(f.write(bytes), bytes.size());
    }

    QByteArray Read() const {
        QFile f(Path());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
};

#pragma once

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// The file as the program writes it: the header, then the six values in their order.
inline const QByteArray Head = "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Tovrel]\n";

inline QByteArray Dword(const char* name, quint32 value) {
    return '"' + QByteArray(name) +
           "\"=dword:" + QByteArray::number(value, 16).rightJustified(8, '0') + '\n';
}

inline QByteArray Stored(quint32 wins, quint32 lose, quint32 draw, quint32 hint, quint32 speed,
                         quint32 strong = 0) {
    return Head + Dword("Wins", wins) + Dword("Lose", lose) + Dword("Draw", draw) +
           Dword("NotHintVisible", hint) + Dword("NotSpeedGame", speed) +
           Dword("StrongGame", strong);
}

// A test's own settings folder and the settings file in it, read and written byte for byte.
struct SettingsFolder {
    std::unique_ptr<QTemporaryDir> dir;

    // A fresh empty folder, where the program looks for its settings from now on.
    void MakeFolder() {
        dir = std::make_unique<QTemporaryDir>();
        QVERIFY(dir->isValid());
        qputenv("XDG_CONFIG_HOME", dir->path().toUtf8());
    }

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

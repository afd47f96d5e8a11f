// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <sys/fsuid.h>
#include <sys/prctl.h>
#include <unistd.h>

// The file as the program writes it: the header, then the nine values in their order; a window
// made by a test has "Анимация" off on a first run.
inline const QByteArray Head = "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Tovrel]\n";

inline QByteArray Dword(const char* name, quint32 value) {
    return '"' + QByteArray(name) +
           "\"=dword:" + QByteArray::number(value, 16).rightJustified(8, '0') + '\n';
}

inline QByteArray Stored(quint32 wins, quint32 lose, quint32 draw, quint32 hint, quint32 speed,
                         quint32 strong = 0, quint32 transfer = 0, quint32 zoom = 100,
                         quint32 notAnimation = 1) {
    return Head + Dword("Wins", wins) + Dword("Lose", lose) + Dword("Draw", draw) +
           Dword("NotHintVisible", hint) + Dword("NotSpeedGame", speed) +
           Dword("StrongGame", strong) + Dword("TransferGame", transfer) + Dword("Zoom", zoom) +
           Dword("NotAnimation", notAnimation);
}

// While it lives, this thread's file access is checked as for an ordinary user: the superuser
// writes into a read-only folder all the same. Nothing changes for anyone else.
class TOrdinaryFileAccess {
public:
    TOrdinaryFileAccess() : FWasRoot(::geteuid() == 0) {
        if (FWasRoot) {
            ::setfsgid(65534);
            ::setfsuid(65534);
        }
    }
    ~TOrdinaryFileAccess() {
        if (FWasRoot) {
            ::setfsuid(0);
            ::setfsgid(0);
            // The change of access took the process's dumpable flag, which the leak checker
            // needs at exit.
            ::prctl(PR_SET_DUMPABLE, 1);
        }
    }
    TOrdinaryFileAccess(const TOrdinaryFileAccess&) = delete;
    TOrdinaryFileAccess& operator=(const TOrdinaryFileAccess&) = delete;

private:
    bool FWasRoot;
};

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

    // The ways the settings key can be neither opened nor created, for data tables.
    static QByteArrayList UnopenableCases() {
        return {"folder names a file", "read-only folder without the file",
                "read-only file without the key", "read-only empty file"};
    }

    // Sets the folder up in the way `how` names; the operations on the store then run inside
    // a TOrdinaryFileAccess.
    void MakeUnopenable(const QByteArray& how) {
        // An ordinary user must be able to reach the folder at all.
        QVERIFY(QFile::setPermissions(dir->path(), QFile::ReadOwner | QFile::WriteOwner |
                                                       QFile::ExeOwner | QFile::ReadOther |
                                                       QFile::ExeOther));
        const auto readOnly = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
        if (how == "folder names a file") {
            Write("");
            qputenv("XDG_CONFIG_HOME", (Path() + QStringLiteral("/sub")).toUtf8());
        } else if (how == "read-only folder without the file") {
            const QString folder = dir->filePath(QStringLiteral("config"));
            QVERIFY(QDir().mkdir(folder));
            QVERIFY(QFile::setPermissions(folder, readOnly | QFile::ExeOwner | QFile::ExeOther));
            qputenv("XDG_CONFIG_HOME", folder.toUtf8());
        } else if (how == "read-only file without the key") {
            Write("REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Other]\n\"A\"=dword:00000001\n");
            QVERIFY(QFile::setPermissions(Path(), readOnly));
        } else if (how == "read-only empty file") {
            Write("");
            QVERIFY(QFile::setPermissions(Path(), readOnly));
        } else {
            QFAIL(how.constData());
        }
    }

    // Every file and folder under the test's folder, with the files' bytes.
    QMap<QString, QByteArray> Everything() const {
        QMap<QString, QByteArray> out;
        QDirIterator it(dir->path(),
                        QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            QFile f(path);
            out.insert(QDir(dir->path()).relativeFilePath(path),
                       it.fileInfo().isDir()         ? QByteArray("<folder>")
                       : f.open(QIODevice::ReadOnly) ? f.readAll()
                                                     : QByteArray("<unreadable>"));
        }
        return out;
    }
};

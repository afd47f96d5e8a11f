// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "registry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

namespace vesk {

namespace {

const QString Root = QStringLiteral("HKEY_CURRENT_USER");

TRegistry::WriteGate& Gate() {
    static TRegistry::WriteGate gate;
    return gate;
}

TRegistry::StepHook& Steps() {
    static TRegistry::StepHook hook;
    return hook;
}

void Step(TRegistry::TWriteStep step, const QString& name) {
    if (Steps())
        Steps()(step, name);
}

[[noreturn]] void Raise(const char* format, const QString& name) {
    throw ERegistryException(QString::fromLatin1(format).arg(name));
}

enum class TLoad { Missing, Loaded, Refused };

// Reads the store file. `target` is where it is written back: the file a link points to,
// so that the link stays.
TLoad Load(std::optional<TRegFile>& file, QString& target) {
    const QString path = TRegistry::FileName();
    const QFileInfo info(path);
    target = path;
    if (!info.exists() && !info.isSymLink())
        return TLoad::Missing;
    // A folder, a device, a pipe or a dangling link is not ours to read or replace.
    if (!info.isFile())
        return TLoad::Refused;
    target = info.canonicalFilePath();
    if (info.size() > TRegFile::MaxFileSize)
        return TLoad::Refused;
    QFile f(target);
    if (!f.open(QIODevice::ReadOnly))
        return TLoad::Refused;
    const QByteArray bytes = f.read(TRegFile::MaxFileSize + 1);
    // An empty file holds nothing to keep: take it as not yet made.
    if (bytes.isEmpty() && f.atEnd())
        return TLoad::Missing;
    file = TRegFile::Parse(bytes);
    return file ? TLoad::Loaded : TLoad::Refused;
}

// Windows' read-only attribute: no write permission for anyone. Checked on the bits, as the
// superuser may write any file.
bool ReadOnly(const QString& target) {
    const QFileInfo info(target);
    const auto writeBits =
        QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    return !info.isWritable() || !(info.permissions() & writeBits);
}

// The rename is a change of the folder: flushed too, or a power cut right after it could bring
// back the old file. The file is replaced by then, so this is done as well as it can be.
void SyncFolderOf(const QString& target) {
#ifdef Q_OS_UNIX
    const QString real = QFileInfo(target).canonicalFilePath(); // a link's own folder is not it
    const QByteArray folder =
        QFile::encodeName(QFileInfo(real.isEmpty() ? target : real).absolutePath());
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    [[maybe_unused]] const int synced = ::fsync(fd);
    ::close(fd);
#else
    Q_UNUSED(target);
#endif
}

// A temporary file in the same folder, flushed to the disk, then renamed over the old one.
bool Save(const QString& target, const QByteArray& bytes, const QString& name) {
    if (!QDir().mkpath(QFileInfo(target).absolutePath()))
        return false;
    using enum TRegistry::TWriteStep;
    QSaveFile f(target);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    Step(TempCreated, name);
    // In two halves, so that a fault test can stop between them.
    const QByteArray first = bytes.left(bytes.size() / 2);
    const QByteArray rest = bytes.mid(first.size());
    if (f.write(first) != first.size() || !f.flush()) {
        f.cancelWriting();
        return false;
    }
    Step(PartWritten, name);
    if (f.write(rest) != rest.size() || !f.flush()) {
        f.cancelWriting();
        return false;
    }
    Step(Written, name);
#ifdef Q_OS_UNIX
    if (::fsync(f.handle()) != 0) {
        f.cancelWriting();
        return false;
    }
#endif
    Step(Synced, name);
    if (Gate() && !Gate()(name)) {
        f.cancelWriting();
        return false;
    }
    if (!f.commit())
        return false;
    Step(Replaced, name);
    SyncFolderOf(target);
    Step(FolderSynced, name);
    return true;
}

} // namespace

QString TRegistry::FileName() {
    QString folder = qEnvironmentVariable("XDG_CONFIG_HOME");
    // A relative folder is not a valid setting and counts as none.
    if (folder.isEmpty() || QDir::isRelativePath(folder))
        folder = QDir::homePath() + QStringLiteral("/.config");
    return folder + QStringLiteral("/Tovrel.reg");
}

void TRegistry::SetWriteGate(WriteGate gate) {
    Gate() = std::move(gate);
}

void TRegistry::SetStepHook(StepHook hook) {
    Steps() = std::move(hook);
}

bool TRegistry::OpenKey(const QString& key, bool canCreate) {
    CloseKey();
    QString relative = key;
    while (relative.startsWith(QLatin1Char('\\')))
        relative.remove(0, 1);
    const QString full = relative.isEmpty() ? Root : Root + QLatin1Char('\\') + relative;

    std::optional<TRegFile> file;
    QString target;
    switch (Load(file, target)) {
    case TLoad::Refused:
        return false;
    case TLoad::Missing:
        if (!canCreate || !TRegFile::CanHold(full))
            return false;
        // An empty file marked read-only is not ours to fill.
        if (QFileInfo::exists(target) && ReadOnly(target))
            return false;
        file = TRegFile::New(full);
        // A key that cannot be made on the disk is not opened: the caller skips its work
        // rather than fail at every write.
        if (!Save(target, file->Bytes(), QString()))
            return false;
        break;
    case TLoad::Loaded:
        if (!file->HasKey(full)) {
            if (!canCreate)
                return false;
            TRegFile added = *file;
            if (!added.AddKey(full) || ReadOnly(target) || !Save(target, added.Bytes(), QString()))
                return false;
            file = std::move(added);
        }
        break;
    }
    FKey = full;
    FFile = std::move(file);
    return true;
}

bool TRegistry::ValueExists(const QString& name) const {
    return FFile && FFile->Value(FKey, name) != nullptr;
}

std::int32_t TRegistry::ReadInteger(const QString& name) const {
    const TRegValue* value = FFile ? FFile->Value(FKey, name) : nullptr;
    if (!value || value->Data.size() > 4)
        Raise("Failed to get data for '%1'", name);
    if (value->Type != REG_DWORD)
        Raise("Invalid data type for '%1'", name);
    std::uint32_t n = 0;
    for (qsizetype i = 0; i < value->Data.size(); ++i)
        n |= std::uint32_t(std::uint8_t(value->Data[i])) << (8 * i);
    return std::int32_t(n);
}

void TRegistry::WriteInteger(const QString& name, std::int32_t value) {
    if (!FFile)
        Raise("Failed to set data for '%1'", name);
    std::optional<TRegFile> current;
    QString target;
    switch (Load(current, target)) {
    case TLoad::Refused:
        Raise("Failed to set data for '%1'", name);
    case TLoad::Missing:
        current = TRegFile::New(FKey);
        break;
    case TLoad::Loaded:
        if (ReadOnly(target))
            Raise("Failed to set data for '%1'", name);
        break;
    }
    if (!current->SetDWord(FKey, name, std::uint32_t(value)) ||
        !Save(target, current->Bytes(), name))
        Raise("Failed to set data for '%1'", name);
    FFile = std::move(current);
}

void TRegistry::CloseKey() {
    FFile.reset();
    FKey.clear();
}

} // namespace vesk

// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "regfile.h"

#include <QString>

#include <cstdint>
#include <exception>
#include <functional>
#include <optional>
#include <string>

namespace vesk {

// The store's errors; their texts are shown to the user as they are.
class ERegistryException : public std::exception {
public:
    explicit ERegistryException(const QString& message) : FMessage(message.toStdString()) {}
    const char* what() const noexcept override { return FMessage.c_str(); }

private:
    std::string FMessage;
};

// The current user's registry hive: one file in the registry's export format,
// $XDG_CONFIG_HOME/Tovrel.reg (~/.config/Tovrel.reg when the variable is unset, empty or not
// an absolute path).
// Every write re-reads the file and replaces it atomically, so that a crash leaves the old file
// or the new one, and a change made to it meanwhile is kept.
class TRegistry {
public:
    TRegistry() = default;
    ~TRegistry() { CloseKey(); }
    TRegistry(const TRegistry&) = delete;
    TRegistry& operator=(const TRegistry&) = delete;

    // Opens `key` under HKEY_CURRENT_USER with full access, creating the folder, the file and
    // the key when `canCreate`. Fails when the file exists but is not a store file (it is then
    // never written), and when the key is missing and cannot be added: the folder or the file
    // cannot be made, or the file cannot be rewritten.
    bool OpenKey(const QString& key, bool canCreate);
    bool ValueExists(const QString& name) const;
    // Throws "Failed to get data for '<name>'" when the data do not fit in 4 bytes, and
    // "Invalid data type for '<name>'" when they do but are no REG_DWORD.
    std::int32_t ReadInteger(const QString& name) const;
    // Throws "Failed to set data for '<name>'" when the file cannot be replaced.
    void WriteInteger(const QString& name, std::int32_t value);
    void CloseKey();

    static QString FileName();

    // For fault tests: asked after the new file has been written out and before it replaces
    // the old one; answering false makes that write fail. The key is created with an empty
    // name. An empty function restores normal writing.
    using WriteGate = std::function<bool(const QString& name)>;
    static void SetWriteGate(WriteGate gate);

    // For fault tests that stop the process part-way through a write: the hook is told each
    // step of the replacement as it is done, with the value's name (empty when the key is
    // created). An empty function turns it off.
    enum class TWriteStep { TempCreated, PartWritten, Written, Synced, Replaced, FolderSynced };
    using StepHook = std::function<void(TWriteStep step, const QString& name)>;
    static void SetStepHook(StepHook hook);

private:
    QString FKey;
    std::optional<TRegFile> FFile; // what was read; set while the key is open
};

} // namespace vesk

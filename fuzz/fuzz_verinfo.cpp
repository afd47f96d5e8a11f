// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

// The version block functions over any bytes: as a file found by its path, and as the raw
// bytes of a section. Every answer must lie inside the buffer the read filled.
#include "verinfo.h"
#include "versioninfo.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include <sys/mman.h>
#include <unistd.h>

namespace {

void Check(bool ok) {
    if (!ok)
        std::abort();
}

// Touches every byte of an answer, so that the sanitizer sees a read outside the buffer.
void Query(const std::uint8_t* buffer, std::size_t size, const char* path) {
    const void* value = nullptr;
    unsigned length = 0;
    if (!vesk::VerQueryValueA(buffer, path, &value, &length)) {
        Check(value == nullptr && length == 0);
        return;
    }
    const auto* p = static_cast<const std::uint8_t*>(value);
    Check(p >= buffer && length <= size && p - buffer <= std::ptrdiff_t(size - length));
    volatile std::uint8_t sink = 0;
    for (unsigned i = 0; i < length; ++i)
        sink = sink ^ p[i];
}

void QueryAll(const std::uint8_t* buffer, std::size_t size) {
    static const char* const fixed[] = {"",
                                        "\\",
                                        "\\\\",
                                        "\\VarFileInfo",
                                        "\\VarFileInfo\\Translation",
                                        "\\StringFileInfo",
                                        "\\StringFileInfo\\041904E3",
                                        "\\StringFileInfo\\041904E3\\ProductName",
                                        "\\StringFileInfo\\\\ProductName",
                                        "StringFileInfo\\041904e3\\FILEVERSION\\"};
    for (const char* path : fixed)
        Query(buffer, size, path);
    // The key the first translation names, as the reader builds it.
    const void* value = nullptr;
    unsigned length = 0;
    if (vesk::VerQueryValueA(buffer, "\\VarFileInfo\\Translation", &value, &length) &&
        length >= 4) {
        const auto* b = static_cast<const std::uint8_t*>(value);
        char path[64];
        for (const char* name : {"FileVersion", "LegalCopyright", "ProductName"}) {
            std::snprintf(path, sizeof path, "\\StringFileInfo\\%02X%02X%02X%02X\\%s", b[1], b[0],
                          b[3], b[2], name);
            Query(buffer, size, path);
        }
    }
}

const char* InputPath() {
    static std::string path;
    if (path.empty()) {
        const int fd = ::memfd_create("fuzz_verinfo", MFD_CLOEXEC);
        Check(fd >= 0);
        path = "/proc/self/fd/" + std::to_string(fd);
    }
    return path.c_str();
}

void AsFile(const std::uint8_t* data, std::size_t size) {
    const char* path = InputPath();
    const int fd = std::atoi(path + std::strlen("/proc/self/fd/"));
    Check(::ftruncate(fd, 0) == 0);
    Check(size == 0 || ::pwrite(fd, data, size, 0) == ssize_t(size));

    std::uint32_t handle = 1;
    const std::uint32_t need = vesk::GetFileVersionInfoSizeA(path, &handle);
    Check(handle == 0);
    if (need > 0) {
        // Exactly the size reported, so that any byte beyond is outside the allocation.
        auto buffer = std::make_unique<std::uint8_t[]>(need);
        Check(vesk::GetFileVersionInfoA(path, handle, need - 1, buffer.get()) == 0);
        Check(vesk::GetFileVersionInfoA(path, handle, need, buffer.get()) == 1);
        QueryAll(buffer.get(), need);
    }
    const TVersionInfo info(QString::fromUtf8(path));
    Check(info.FLoaded == (need > 0));
    info.TranslationKey();
    info.ReadFileVersion();
    info.ReadLegalCopyright();
    info.ReadProductName();
}

void AsSection(const std::uint8_t* data, std::size_t size) {
    const std::size_t need = vesk::VersionBufferSize(data, size);
    if (need == 0)
        return;
    auto buffer = std::make_unique<std::uint8_t[]>(need);
    Check(vesk::FillVersionBuffer(data, size, buffer.get(), need));
    QueryAll(buffer.get(), need);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    AsFile(data, size);
    AsSection(data, size);
    return 0;
}

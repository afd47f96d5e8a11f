// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "verinfo.h"

#include "elfsection.h"
#include "verwalk.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vesk {

namespace {

constexpr char SectionName[] = "vesk_version";
constexpr char Marker[4] = {'V', 'K', 'U', '8'};
constexpr std::size_t MaxBlock = 0xFFFF; // the root's length is a 16-bit field

std::size_t Align4(std::size_t n) {
    return (n + 3) & ~std::size_t(3);
}

std::size_t BlockLength(const std::uint8_t* block) {
    return static_cast<std::size_t>(block[0] | block[1] << 8);
}

class TFile {
public:
    explicit TFile(const char* path) {
        // Non-blocking, so that a FIFO cannot hang the open; only regular files are read.
        if (path)
            fd = ::open(path, O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    }
    ~TFile() {
        if (fd >= 0)
            ::close(fd);
    }
    TFile(const TFile&) = delete;
    TFile& operator=(const TFile&) = delete;
    int fd = -1;
};

// The first bytes of the version section, as many as a block can have.
bool ReadSection(const char* path, std::vector<std::uint8_t>& out) {
    TFile file(path);
    struct stat st {};
    if (file.fd < 0 || ::fstat(file.fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size <= 0)
        return false;
    TElfSection section;
    if (!FindElfSection(file.fd, static_cast<std::uint64_t>(st.st_size), SectionName, section))
        return false;
    out.resize(static_cast<std::size_t>(std::min<std::uint64_t>(section.Size, MaxBlock)));
    return ReadFileAt(file.fd, section.Offset, out.data(), out.size());
}

} // namespace

std::size_t VersionBufferSize(const std::uint8_t* section, std::size_t sectionSize) {
    if (!section || sectionSize < 6)
        return 0;
    const std::size_t length = BlockLength(section);
    verwalk::TVerEntry root;
    if (length > sectionSize || !verwalk::ReadRoot(section, length, root))
        return 0;
    return Align4(length) + sizeof Marker + verwalk::SpareSize(length);
}

bool FillVersionBuffer(const std::uint8_t* section, std::size_t sectionSize, void* data,
                       std::size_t size) {
    const std::size_t need = VersionBufferSize(section, sectionSize);
    if (need == 0 || !data || size < need)
        return false;
    const std::size_t length = BlockLength(section);
    auto* block = static_cast<std::uint8_t*>(data);
    std::memset(block, 0, need);
    std::memcpy(block, section, length);
    std::memcpy(block + Align4(length), Marker, sizeof Marker);
    char* spare = reinterpret_cast<char*>(block + Align4(length) + sizeof Marker);
    const std::size_t spareSize = verwalk::SpareSize(length);

    // Every text value of the tree, in UTF-8, at its place in the spare area.
    verwalk::TVerEntry root;
    verwalk::ReadRoot(block, length, root);
    std::vector<verwalk::TVerEntry> pending{root};
    while (!pending.empty()) {
        const verwalk::TVerEntry e = pending.back();
        pending.pop_back();
        if (e.Type == 1) {
            const std::size_t at = verwalk::SpareOffset(e);
            const std::size_t room = verwalk::SpareRoom(e);
            if (at < spareSize && room <= spareSize - at)
                verwalk::ToUtf8(block, e, spare + at, room);
        }
        verwalk::TVerEntry child;
        for (bool more = verwalk::NextChild(block, e, nullptr, child); more;) {
            pending.push_back(child);
            const verwalk::TVerEntry previous = child;
            more = verwalk::NextChild(block, e, &previous, child);
        }
    }
    return true;
}

std::uint32_t GetFileVersionInfoSizeA(const char* path, std::uint32_t* handle) {
    if (handle)
        *handle = 0;
    std::vector<std::uint8_t> section;
    if (!ReadSection(path, section))
        return 0;
    return static_cast<std::uint32_t>(VersionBufferSize(section.data(), section.size()));
}

int GetFileVersionInfoA(const char* path, std::uint32_t /*handle*/, std::uint32_t size,
                        void* data) {
    std::vector<std::uint8_t> section;
    if (!ReadSection(path, section))
        return 0;
    return FillVersionBuffer(section.data(), section.size(), data, size) ? 1 : 0;
}

int VerQueryValueA(const void* block, const char* subBlock, const void** value, unsigned* length) {
    if (value)
        *value = nullptr;
    if (length)
        *length = 0;
    if (!block || !subBlock)
        return 0;
    const auto* bytes = static_cast<const std::uint8_t*>(block);
    const std::size_t size = BlockLength(bytes);
    verwalk::TVerEntry root;
    if (!verwalk::ReadRoot(bytes, size, root) ||
        std::memcmp(bytes + Align4(size), Marker, sizeof Marker) != 0)
        return 0;
    verwalk::TVerEntry found;
    if (!verwalk::FindPath(bytes, root, subBlock, found))
        return 0;
    const void* at = bytes + found.ValueStart;
    std::size_t bytesLong = found.ValueBytes;
    if (found.Type == 1) {
        const char* spare = reinterpret_cast<const char*>(bytes + Align4(size) + sizeof Marker);
        const std::size_t offset = verwalk::SpareOffset(found);
        const std::size_t room = verwalk::SpareRoom(found);
        if (offset >= verwalk::SpareSize(size) || room > verwalk::SpareSize(size) - offset)
            return 0;
        at = spare + offset;
        bytesLong = ::strnlen(spare + offset, room - 1) + 1;
    }
    if (value)
        *value = at;
    if (length)
        *length = static_cast<unsigned>(bytesLong);
    return 1;
}

} // namespace vesk

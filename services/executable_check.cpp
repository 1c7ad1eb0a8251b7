#include "services/executable_check.h"

#include <cstdint>
#include <cstdio>

#include "support/file_system.h"

namespace {

enum {
    kDosHeaderSize = 64,
    kPeOffsetAt = 60,
    kFileHeaderSize = 20,
    kPeOffsetLimit = 0x10000000,
};

bool ReadAt(FILE* file, long offset, unsigned char* bytes, size_t count) {
    return std::fseek(file, offset, SEEK_SET) == 0 && std::fread(bytes, 1, count, file) == count;
}

} // namespace

bool IsWindowsExecutable(const wchar_t* path) {
    FILE* file = OpenFileAt(path, "rb");
    if (file == nullptr) return false;
    unsigned char header[kDosHeaderSize];
    bool valid = ReadAt(file, 0, header, sizeof header) && header[0] == 'M' && header[1] == 'Z';
    if (valid) {
        const uint32_t offset = header[kPeOffsetAt] | (header[kPeOffsetAt + 1] << 8) |
                                (header[kPeOffsetAt + 2] << 16) |
                                (static_cast<uint32_t>(header[kPeOffsetAt + 3]) << 24);
        unsigned char signature[4 + kFileHeaderSize];
        valid = offset >= kDosHeaderSize && offset < kPeOffsetLimit &&
                ReadAt(file, static_cast<long>(offset), signature, sizeof signature) &&
                signature[0] == 'P' && signature[1] == 'E' && signature[2] == 0 &&
                signature[3] == 0;
    }
    std::fclose(file);
    return valid;
}

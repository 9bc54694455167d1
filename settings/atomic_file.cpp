#include "settings/atomic_file.h"

#include <cstdio>
#include <random>
#include <string>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace tremalo {

namespace {

bool flushToDisk(std::FILE* file) {
    if (std::fflush(file) != 0)
        return false;
#ifdef _WIN32
    return _commit(_fileno(file)) == 0;
#else
    return ::fsync(::fileno(file)) == 0;
#endif
}

// Makes the rename itself durable; where folders cannot be synced this is a no-op.
void flushFolder([[maybe_unused]] const fs::path& folder) {
#ifndef _WIN32
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
#endif
}

std::FILE* openFile(const fs::path& path, const char* mode) {
#ifdef _WIN32
    const std::wstring wideMode(mode, mode + std::char_traits<char>::length(mode));
    return ::_wfopen(path.c_str(), wideMode.c_str());
#else
    return std::fopen(path.c_str(), mode);
#endif
}

// The existing target must be one the user could also have rewritten in place: a plain
// file, not marked read-only, that opens for writing.
bool mayReplace(const fs::path& target, const fs::file_status& status) {
    if (!fs::is_regular_file(status))
        return false;
    if ((status.permissions() & fs::perms::owner_write) == fs::perms::none)
        return false;
    std::FILE* probe = openFile(target, "r+b");
    if (!probe)
        return false;
    std::fclose(probe);
    return true;
}

// Creates a new, exclusively owned file beside `target`; null if none can be created.
std::FILE* createTemporary(const fs::path& target, fs::path& temporary) {
    std::random_device entropy;
    for (int attempt = 0; attempt < 16; ++attempt) {
        char suffix[32];
        std::snprintf(suffix, sizeof suffix, ".%08x.tmp", static_cast<unsigned>(entropy()));
        temporary = target;
        temporary += suffix;
        if (std::FILE* file = openFile(temporary, "wbx"))
            return file;
        std::error_code error;
        if (!fs::exists(temporary, error))
            return nullptr; // not a name clash: the folder refuses new files
    }
    return nullptr;
}

} // namespace

bool replaceFileAtomically(const fs::path& requested, std::string_view bytes) {
    std::error_code error;
    // Write through a link to the file it names rather than replacing the link.
    fs::path target = requested;
    if (fs::is_symlink(requested, error)) {
        target = fs::canonical(requested, error);
        if (error)
            return false;
    }
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    if (!fs::is_directory(folder, error))
        return false;
    const fs::file_status status = fs::status(target, error);
    const bool replacing = fs::exists(status);
    if (replacing && !mayReplace(target, status))
        return false;

    fs::path temporary;
    std::FILE* file = createTemporary(target, temporary);
    if (!file)
        return false;
    const bool written =
        std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size() && flushToDisk(file);
    const bool closed = std::fclose(file) == 0;
    if (written && closed && replacing)
        fs::permissions(temporary, status.permissions(), error); // keep the user's choice
    if (written && closed) {
        fs::rename(temporary, target, error);
        if (!error) {
            flushFolder(folder);
            return true;
        }
    }
    fs::remove(temporary, error);
    return false;
}

} // namespace tremalo

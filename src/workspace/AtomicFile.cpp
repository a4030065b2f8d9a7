#include "workspace/AtomicFile.h"

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <system_error>

#if __has_include(<unistd.h>)
#include <unistd.h>
#define KELVARIN_HAVE_FSYNC 1
#endif
#if __has_include(<fcntl.h>) && __has_include(<sys/stat.h>) && __has_include(<unistd.h>)
#include <fcntl.h>
#include <sys/stat.h>
#define KELVARIN_HAVE_POSIX_OPEN 1
#endif

namespace kelvarin::workspace {

namespace fs = std::filesystem;

std::string randomSuffix() {
    thread_local std::mt19937_64 generator{std::random_device{}()};
    static constexpr char hex[] = "0123456789abcdef";
    std::uint64_t bits = generator();
    std::string out;
    for (int i = 0; i < 12; ++i, bits >>= 4)
        out += hex[bits & 0xF];
    return out;
}

namespace {

std::string tooLarge(std::uintmax_t maxBytes) {
    if (maxBytes % (1024 * 1024) == 0)
        return "it is larger than " + std::to_string(maxBytes / (1024 * 1024)) + " MiB";
    return "it is larger than " + std::to_string(maxBytes) + " bytes";
}

} // namespace

#ifdef KELVARIN_HAVE_POSIX_OPEN
// Opened without waiting (a FIFO would block until a writer comes), then checked on the open
// descriptor, so that nothing can swap the file between the check and the read.
ReadStatus readFileBytes(const fs::path& path, std::string& out, std::string& reason,
                         std::uintmax_t maxBytes) {
    out.clear();
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        if (error == ENOENT || error == ENOTDIR) // ENOTDIR: a file stands where a folder should
            return ReadStatus::Missing;
        reason = std::generic_category().message(error);
        return ReadStatus::Failed;
    }
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        reason = std::generic_category().message(errno);
        return ReadStatus::Failed;
    }
    if (!S_ISREG(info.st_mode)) {
        reason = S_ISDIR(info.st_mode) ? "it is a folder" : "it is not a regular file";
        return ReadStatus::Failed;
    }
    if (static_cast<std::uintmax_t>(info.st_size) > maxBytes) {
        reason = tooLarge(maxBytes);
        return ReadStatus::Failed;
    }
    // The size may change while reading: read at most one byte past the limit to notice.
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            reason = "it cannot be read (" + std::generic_category().message(errno) + ")";
            out.clear();
            return ReadStatus::Failed;
        }
        if (n == 0)
            return ReadStatus::Ok;
        out.append(buffer, static_cast<std::size_t>(n));
        if (out.size() > maxBytes) {
            reason = tooLarge(maxBytes);
            out.clear();
            return ReadStatus::Failed;
        }
    }
}
#else
ReadStatus readFileBytes(const fs::path& path, std::string& out, std::string& reason,
                         std::uintmax_t maxBytes) {
    out.clear();
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (status.type() == fs::file_type::not_found)
        return ReadStatus::Missing;
    if (ec) {
        reason = ec.message();
        return ReadStatus::Failed;
    }
    if (!fs::is_regular_file(status)) {
        reason = fs::is_directory(status) ? "it is a folder" : "it is not a regular file";
        return ReadStatus::Failed;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        reason = "it cannot be read";
        return ReadStatus::Failed;
    }
    char buffer[65536];
    while (in) {
        in.read(buffer, sizeof buffer);
        out.append(buffer, static_cast<std::size_t>(in.gcount()));
        if (out.size() > maxBytes) {
            reason = tooLarge(maxBytes);
            out.clear();
            return ReadStatus::Failed;
        }
    }
    if (in.bad()) {
        reason = "it cannot be read";
        out.clear();
        return ReadStatus::Failed;
    }
    return ReadStatus::Ok;
}
#endif

WriteResult saveFailure(const fs::path& target, const std::string& reason) {
    return WriteResult{false, "Could not save " + target.string() + ": " + reason};
}

// Writes bytes to a new file beside target, flushes it to disk and renames it over target, so
// target holds either its old or its new content, never a part.
WriteResult writeFileAtomically(const fs::path& requested, std::string_view bytes) {
    std::error_code ec;
    fs::path target = requested;
    if (fs::is_symlink(target, ec)) {
        // Replace the file the link points at, not the link.
        const fs::path resolved = fs::weakly_canonical(target, ec);
        if (!ec)
            target = resolved;
    }
    // A file the user made read-only stays as it is, although the rename could replace it.
    if (fs::exists(target, ec)) {
        std::FILE* existing = std::fopen(target.c_str(), "r+b");
        if (existing == nullptr) {
            const int error = errno;
            return saveFailure(requested,
                           "the file cannot be changed (" + std::generic_category().message(error) + ")");
        }
        std::fclose(existing);
    }
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    fs::path temp;
    std::FILE* file = nullptr;
    for (int attempt = 0; attempt < 8 && file == nullptr; ++attempt) {
        temp = folder / ("." + target.filename().string() + ".tmp-" + randomSuffix());
        errno = 0;
        file = std::fopen(temp.c_str(), "wbx");
        if (file == nullptr && errno != EEXIST)
            break;
    }
    if (file == nullptr) {
        const int error = errno;
        return saveFailure(requested, "cannot create a file in " + folder.string() + " (" +
                                      std::generic_category().message(error) + ")");
    }

    int writeError = 0;
    auto check = [&](bool ok) {
        if (!ok && writeError == 0)
            writeError = errno != 0 ? errno : EIO;
    };
    check(std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size());
    check(std::fflush(file) == 0);
#ifdef KELVARIN_HAVE_FSYNC
    check(::fsync(::fileno(file)) == 0);
#endif
    check(std::fclose(file) == 0);
    if (writeError != 0) {
        fs::remove(temp, ec);
        return saveFailure(requested, "writing failed (" + std::generic_category().message(writeError) + ")");
    }

    // Keep the old file's permissions; the new file has the process's defaults otherwise.
    const fs::file_status old = fs::status(target, ec);
    if (!ec && fs::exists(old))
        fs::permissions(temp, old.permissions(), ec);

    fs::rename(temp, target, ec);
    if (ec) {
        const std::string reason = ec.message();
        fs::remove(temp, ec);
        return saveFailure(requested, "cannot replace the file (" + reason + ")");
    }
    return {};
}

}  // namespace kelvarin::workspace

#include "workspace/AtomicFile.h"

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <random>
#include <system_error>

#if __has_include(<unistd.h>)
#include <unistd.h>
#define KELVARIN_HAVE_FSYNC 1
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

ReadStatus readFileBytes(const fs::path& path, std::string& out, std::string& reason) {
    out.clear();
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (status.type() == fs::file_type::not_found)
        return ReadStatus::Missing;
    if (ec) {
        reason = ec.message();
        return ReadStatus::Failed;
    }
    if (fs::is_directory(status)) {
        reason = "it is a folder";
        return ReadStatus::Failed;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        reason = "it cannot be read";
        return ReadStatus::Failed;
    }
    out.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (in.bad()) {
        reason = "it cannot be read";
        return ReadStatus::Failed;
    }
    return ReadStatus::Ok;
}

WriteResult saveFailure(const fs::path& target, const std::string& reason) {
    return WriteResult{false, "Could not save " + target.string() + ": " + reason};
}

// Writes bytes to a new file beside target, flushes it to disk and renames it over target, so
// target holds either its old or its new content, never a part.
WriteResult writeFileAtomically(const fs::path& requested, std::string_view bytes, const WriteFault& midway) {
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
    const std::size_t half = bytes.size() / 2;
    check(std::fwrite(bytes.data(), 1, half, file) == half);
    if (midway) {
        if (std::string fault = midway(); !fault.empty()) {
            std::fclose(file);
            fs::remove(temp, ec);
            return saveFailure(requested, "writing failed (" + fault + ")");
        }
    }
    check(std::fwrite(bytes.data() + half, 1, bytes.size() - half, file) == bytes.size() - half);
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

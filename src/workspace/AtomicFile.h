#pragma once

#include <cstdint>
#include <filesystem>
#include <limits>
#include <string>
#include <string_view>

namespace kelvarin::workspace {

// Outcome of a write. On failure the file is as it was before and message says what failed, with
// the path, for the caller to show; nothing is ever left half written.
struct WriteResult {
    bool ok = true;
    std::string message;

    explicit operator bool() const { return ok; }
};

enum class ReadStatus { Ok, Missing, Failed };

// The whole file as bytes. Missing when there is no file; Failed (with reason) when it is not a
// regular file (a folder, a FIFO, a device, also behind a link), holds more than maxBytes, or
// cannot be read. Never blocks on a FIFO and never reads more than maxBytes + 1 bytes.
ReadStatus readFileBytes(const std::filesystem::path& path, std::string& out, std::string& reason,
                         std::uintmax_t maxBytes = std::numeric_limits<std::uintmax_t>::max());

// Writes bytes to a new file beside target, flushed to disk, then renamed over target: target
// holds either its old or its new content, never a part. A symbolic link is written through, the
// old file's permissions are kept, and a file the user made read-only is not replaced.
WriteResult writeFileAtomically(const std::filesystem::path& target, std::string_view bytes);

// A failed save of target, "Could not save <target>: <reason>".
WriteResult saveFailure(const std::filesystem::path& target, const std::string& reason);

// A random 12-digit hexadecimal text for names of temporary and probe files.
std::string randomSuffix();

}  // namespace kelvarin::workspace

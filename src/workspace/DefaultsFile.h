#pragma once

#include "workspace/AtomicFile.h"
#include "workspace/HeldValues.h"
#include "workspace/RegionalSettings.h"
#include "workspace/SharedState.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace kelvarin::workspace {

// The defaults file ZELK.INI: sectioned Key=Value text, section and key names matched without
// regard to ASCII letter case. Sections of one name count as one, and the first occurrence of a
// key in them wins; a value in double quotes loses them; a NUL byte ends its line. Whole values
// are decimal or hexadecimal ("0x", "0X" or "$"); numbers use the regional decimal separator.
// A missing file reads as empty.

inline constexpr std::string_view DefaultsFileName = "ZELK.INI";
// Longest value text read; longer values are cut.
inline constexpr std::size_t MaxDefaultsValueLength = 2047;
// Largest file read. A larger one, or anything but a regular file (a folder, a FIFO, a device),
// reads as empty and is never written over.
inline constexpr std::uintmax_t MaxDefaultsFileSize = 1024 * 1024;

// Shortest decimal form with at most 15 significant digits, regional decimal separator, no
// thousands separator; exponent form ("1E15", "1.5E-6") when the value has more than 15 integer
// digits or is below 0.00001 in magnitude and not 0. Throws std::invalid_argument when not finite.
[[nodiscard]] std::string formatNumberText(double value, const RegionalSettings& regional);
// [+-] digits [sep [digits]] or [+-] sep digits, then optionally (e|E) [+-] digits, with the
// regional decimal separator only and no blanks; nullopt for anything else and for a value beyond
// the double range. Values too small for a double give 0.
[[nodiscard]] std::optional<double> parseNumberText(std::string_view text, const RegionalSettings& regional);
[[nodiscard]] std::string formatWholeText(std::int32_t value);
// [+-] decimal digits, or [+-] "0x"/"0X"/"$" hexadecimal digits; nullopt unless the value fits
// a 32-bit signed integer.
[[nodiscard]] std::optional<std::int32_t> parseWholeText(std::string_view text);

// The file's content at one moment. Reads never fail: a missing section or key gives the default,
// and so does (for whole and number reads) an empty or unconvertible text.
class DefaultsSnapshot {
public:
    DefaultsSnapshot(std::string_view content, RegionalSettings regional);

    // The key's text, trimmed and cut to MaxDefaultsValueLength; nullopt when the key is missing.
    [[nodiscard]] std::optional<std::string> value(std::string_view section, std::string_view key) const;
    // The key's text (possibly empty) when it exists, else def.
    [[nodiscard]] std::string readString(std::string_view section, std::string_view key,
                                         std::string_view def) const;
    [[nodiscard]] std::int32_t readWhole(std::string_view section, std::string_view key,
                                         std::int32_t def) const;
    [[nodiscard]] double readNumber(std::string_view section, std::string_view key, double def) const;
    // The section's keys in file order, spelled as in the file; empty when the section is missing.
    [[nodiscard]] std::vector<std::string> keys(std::string_view section) const;
    [[nodiscard]] bool hasSection(std::string_view section) const;

private:
    struct Impl;
    std::shared_ptr<const Impl> m_impl;
    RegionalSettings m_regional;
};

// A batch of edits applied by DefaultsFile::apply in order, as one rewrite of the file.
class DefaultsChanges {
public:
    DefaultsChanges& setString(std::string_view section, std::string_view key, std::string_view value);
    DefaultsChanges& setWhole(std::string_view section, std::string_view key, std::int32_t value);
    // Written with formatNumberText in the file's regional settings; a non-finite value fails the batch.
    DefaultsChanges& setNumber(std::string_view section, std::string_view key, double value);
    // Removes the section header and every line up to the next section (all sections of that name).
    DefaultsChanges& eraseSection(std::string_view section);

    [[nodiscard]] bool empty() const { return m_changes.empty(); }

private:
    friend class DefaultsFile;
    struct Erase {};
    struct Change {
        std::string section;
        std::string key;
        std::variant<Erase, std::string, std::int32_t, double> value;
    };
    std::vector<Change> m_changes;
};

// One defaults file. Every read reads the file as it is now (use snapshot() for several keys at
// once). Every write rewrites the file through a temporary file in the same folder, flushed to
// disk and renamed over the old one; all other sections, keys, comments, blank lines and line ends
// stay byte for byte. A key that exists is changed where it stands (every occurrence of it, so
// that no stale duplicate can win a later read); a new key goes after the last key of its section;
// a new section goes at the end. A value with blanks at either end or in enclosing double quotes
// is written in double quotes, so that it reads back as written.
class DefaultsFile {
public:
    explicit DefaultsFile(std::filesystem::path file, RegionalSettings regional = {});

    [[nodiscard]] const std::filesystem::path& path() const { return m_path; }
    [[nodiscard]] const RegionalSettings& regional() const { return m_regional; }

    // A missing or unreadable file gives an empty snapshot.
    [[nodiscard]] DefaultsSnapshot snapshot() const;

    [[nodiscard]] std::string readString(std::string_view section, std::string_view key,
                                         std::string_view def) const;
    [[nodiscard]] std::int32_t readWhole(std::string_view section, std::string_view key,
                                         std::int32_t def) const;
    [[nodiscard]] double readNumber(std::string_view section, std::string_view key, double def) const;
    [[nodiscard]] std::vector<std::string> sectionKeys(std::string_view section) const;

    WriteResult writeString(std::string_view section, std::string_view key, std::string_view value);
    WriteResult writeWhole(std::string_view section, std::string_view key, std::int32_t value);
    WriteResult writeNumber(std::string_view section, std::string_view key, double value);
    WriteResult eraseSection(std::string_view section);
    // Fails without touching the file when the existing file cannot be read, a section or key name
    // cannot be stored (empty, a line break, "]" in a section, "=" in a key, a leading "[", ";" or
    // "#" in a key, blanks at either end), a value holds a line break, or a number is not finite.
    WriteResult apply(const DefaultsChanges& changes);

private:
    std::filesystem::path m_path;
    RegionalSettings m_regional;
};

// ZELK.INI in folder in any letter case ("ZELK.INI" itself first when several match), or
// folder / "ZELK.INI" when there is none.
[[nodiscard]] std::filesystem::path findDefaultsFile(const std::filesystem::path& folder);

// Whether a new file can be created in folder (tried with a probe file that is removed at once).
[[nodiscard]] bool folderIsWritable(const std::filesystem::path& folder);

using WritableCheck = std::function<bool(const std::filesystem::path&)>;

// The defaults file to use: the program folder's when that folder is writable; otherwise the one
// in userFolder (for example ~/.config/Kelvarin/), which is created the first time as a copy of the
// program folder's file when that exists. When userFolder is empty or the copy cannot be made the
// program folder's file is used, so reads still see it and writes report their failure.
// Never throws.
[[nodiscard]] std::filesystem::path locateDefaultsFile(const std::filesystem::path& programFolder,
                                                       const std::filesystem::path& userFolder,
                                                       const WritableCheck& isWritable = folderIsWritable);

// Whether files may be created in folder, asked of the system without writing anything.
[[nodiscard]] bool folderAllowsWriting(const std::filesystem::path& folder);

// The defaults file for a run that only reads, found without writing anything (no probe file, no
// folder created): the file locateDefaultsFile gives when that one exists, that is the program
// folder's when the folder is writable, else the user folder's copy; before the copy is made, the
// program folder's file it would be seeded from. Never throws.
[[nodiscard]] std::filesystem::path lookUpDefaultsFile(const std::filesystem::path& programFolder,
                                                       const std::filesystem::path& userFolder,
                                                       const WritableCheck& isWritable = folderAllowsWriting);

// Every key of the start-up table, in table order, each with its default (HeldValues' initialisers).
[[nodiscard]] HeldValues readHeldValues(const DefaultsSnapshot& snapshot);

// Start-up load: reads all held values and sets state's ValueSet, ScheduleStartMonth,
// ScheduleStartYear and DefaultCalculator from DefaultValueSet, Month, Year and DefaultCalc.
// The caller then locks the closing costs page's purchase price, down payment and loan amount.
HeldValues loadDefaults(const DefaultsFile& file, SharedState& state);

} // namespace kelvarin::workspace

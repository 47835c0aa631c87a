#include "core/platform/PrivateProfile.h"

#include "core/platform/AsciiText.h"
#include "core/platform/AtomicFile.h"
#include "core/platform/FileAccess.h"
#include "core/platform/FileStamp.h"

#include <algorithm>
#include <atomic>
#include <memory>
#include <mutex>
#include <unordered_map>

namespace tav::PrivateProfile {
namespace {

/// Larger files are not profile files; refusing them keeps a hostile file from exhausting memory.
/// Files kept parsed at the same time (settings, model list, volume file, a few language files).
constexpr std::size_t kMaxCachedFiles = 32;
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// ---------------------------------------------------------------------------------------------
// One line of a profile file

enum class LineKind { Blank, Comment, Section, BrokenSection, Entry, Malformed };

struct Line {
    LineKind kind = LineKind::Blank;
    std::string_view name;  ///< section name or key
    std::string_view value; ///< entry value
};

Line ClassifyLine(std::string_view raw) {
    const auto text = AsciiText::Trim(raw);
    if (text.empty()) {
        return {LineKind::Blank, {}, {}};
    }
    if (text.front() == ';') {
        return {LineKind::Comment, {}, {}};
    }
    if (text.front() == '[') {
        const auto close = text.rfind(']');
        if (close == std::string_view::npos || close == 0) {
            return {LineKind::BrokenSection, {}, {}};
        }
        return {LineKind::Section, AsciiText::Trim(text.substr(1, close - 1)), {}};
    }
    const auto eq = text.find('=');
    if (eq == std::string_view::npos) {
        return {LineKind::Malformed, {}, {}};
    }
    const auto key = AsciiText::Trim(text.substr(0, eq));
    if (key.empty()) {
        return {LineKind::Malformed, {}, {}};
    }
    auto value = AsciiText::Trim(text.substr(eq + 1));
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
        value = value.substr(1, value.size() - 2);
    }
    return {LineKind::Entry, key, value};
}

/// The lines of a file's text without their terminators (LF or CR LF), and without a leading BOM.
std::vector<std::string_view> SplitLines(std::string_view text) {
    if (text.starts_with(kUtf8Bom)) {
        text.remove_prefix(kUtf8Bom.size());
    }
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const auto lf = text.find('\n');
        auto line = text.substr(0, lf);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        lines.push_back(line);
        if (lf == std::string_view::npos) {
            break;
        }
        text.remove_prefix(lf + 1);
    }
    return lines;
}

// ---------------------------------------------------------------------------------------------
// Parsed files and their cache

struct Section {
    std::string name;
    Entries entries;
    std::unordered_map<std::string, std::size_t> keyIndex; ///< lower-case key -> first entry
};

struct ParsedFile {
    std::vector<Section> sections;
    std::unordered_map<std::string, std::size_t> sectionIndex; ///< lower-case name -> first section

    const Section* FindSection(std::string_view name) const {
        const auto it = sectionIndex.find(AsciiText::ToLower(name));
        return it == sectionIndex.end() ? nullptr : &sections[it->second];
    }
};

std::atomic<std::size_t> g_parseCount{0};

std::shared_ptr<const ParsedFile> Parse(std::string_view text) {
    ++g_parseCount;
    auto parsed = std::make_shared<ParsedFile>();
    // Sections with the same name as an earlier one are parsed but never looked up, as the first
    // one counts; -1 means "no section" (before the first head or after a broken one).
    long current = -1;
    for (const auto raw : SplitLines(text)) {
        const Line line = ClassifyLine(raw);
        switch (line.kind) {
        case LineKind::Section: {
            parsed->sections.push_back(Section{std::string(line.name), {}, {}});
            current = static_cast<long>(parsed->sections.size() - 1);
            parsed->sectionIndex.try_emplace(AsciiText::ToLower(line.name), parsed->sections.size() - 1);
            break;
        }
        case LineKind::BrokenSection:
            current = -1;
            break;
        case LineKind::Entry:
            if (current >= 0) {
                auto& section = parsed->sections[static_cast<std::size_t>(current)];
                section.keyIndex.try_emplace(AsciiText::ToLower(line.name), section.entries.size());
                section.entries.emplace_back(std::string(line.name), std::string(line.value));
            }
            break;
        case LineKind::Blank:
        case LineKind::Comment:
        case LineKind::Malformed:
            break;
        }
    }
    return parsed;
}

using Stamp = FileStamp;

struct CacheEntry {
    Stamp stamp;
    std::shared_ptr<const ParsedFile> parsed;
    /// The bytes that were parsed, kept while the stamp cannot yet tell a later change apart (see
    /// IsRacy); every read then compares the file's bytes with them. Null once the stamp is trusted.
    std::shared_ptr<const std::string> racyBytes;
};

std::mutex g_cacheMutex;
std::unordered_map<std::string, CacheEntry>& Cache() {
    static std::unordered_map<std::string, CacheEntry> cache;
    return cache;
}

void Forget(const std::filesystem::path& file) {
    const std::lock_guard lock(g_cacheMutex);
    Cache().erase(file.string());
}

const std::shared_ptr<const ParsedFile>& EmptyFile() {
    static const std::shared_ptr<const ParsedFile> empty = std::make_shared<ParsedFile>();
    return empty;
}

/// File systems keep modification times in steps of the system's coarse clock (a few milliseconds),
/// or of whole seconds on some; a time with no fraction of a second is taken for the latter.
constexpr long long kNanosPerSecond = 1000000000LL;
constexpr long long kWholeSecondStep = 3 * kNanosPerSecond; // two-second steps and a margin

long long TimeStep() {
    // Twice the step and at least 2 ms, for a file written at the edge of a step.
    return std::max(2 * ModifiedTimeStep(), 2000000LL);
}

/// A file read at `readStart` whose modification time is `stamp`'s may still be changed within the
/// same step of the file system's clock: the change would keep both time and size. Such a stamp is
/// not trusted until a read starts after the step has passed.
bool IsRacy(const Stamp& stamp, long long readStart) {
    const long long step = stamp.modifiedNanos % kNanosPerSecond == 0 ? kWholeSecondStep : TimeStep();
    return readStart - stamp.modifiedNanos < step;
}

bool IsProfileFile(const FileStamp& stamp) {
    return stamp.regular && stamp.size <= kMaxFileBytes;
}

/// The parsed file, from the cache when the file has not changed since it was parsed.
///
/// An unchanged file costs one status query: its device, inode, size and modification time (in
/// nanoseconds) equal those of the cached parse. A file modified so recently that a further change
/// could keep all of these (IsRacy) is read again and compared byte for byte until its time stamp
/// can be trusted.
std::shared_ptr<const ParsedFile> Load(const std::filesystem::path& file) {
    const std::string key = file.string();
    const std::optional<FileStamp> current = StampOfPath(file);
    if (!current || !IsProfileFile(*current)) {
        Forget(file);
        return EmptyFile();
    }
    std::shared_ptr<const ParsedFile> cached;
    std::shared_ptr<const std::string> racyBytes;
    {
        const std::lock_guard lock(g_cacheMutex);
        const auto it = Cache().find(key);
        if (it != Cache().end() && it->second.stamp == *current) {
            if (!it->second.racyBytes) {
                return it->second.parsed;
            }
            cached = it->second.parsed;
            racyBytes = it->second.racyBytes;
        }
    }
    // The stamp is taken from the open file before its bytes are read, so a change during the read
    // gives a newer stamp or is caught as racy at the next read.
    const long long readStart = WallClockNanos();
    std::string bytes;
    Stamp stamp;
    if (ReadStampedFile(file, kMaxFileBytes, bytes, stamp) != FileRead::Done) {
        Forget(file);
        return EmptyFile();
    }
    const bool racy = IsRacy(stamp, readStart);
    if (racyBytes && bytes == *racyBytes) {
        const std::lock_guard lock(g_cacheMutex);
        auto& entry = Cache()[key];
        entry.stamp = stamp;
        entry.parsed = cached;
        if (!racy) {
            entry.racyBytes.reset();
        }
        return cached;
    }
    auto parsed = Parse(bytes);
    const std::lock_guard lock(g_cacheMutex);
    auto& cache = Cache();
    if (cache.size() >= kMaxCachedFiles && cache.find(key) == cache.end()) {
        cache.clear();
    }
    cache[key] =
        CacheEntry{stamp, parsed, racy ? std::make_shared<const std::string>(std::move(bytes)) : nullptr};
    return parsed;
}

const std::string* FindValue(const ParsedFile& parsed, std::string_view section, std::string_view key) {
    const Section* found = parsed.FindSection(section);
    if (!found) {
        return nullptr;
    }
    const auto it = found->keyIndex.find(AsciiText::ToLower(key));
    return it == found->keyIndex.end() ? nullptr : &found->entries[it->second].second;
}

// ---------------------------------------------------------------------------------------------
// Writing

bool HasBreakingByte(std::string_view text) {
    return text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

bool ValidName(std::string_view name) {
    return !name.empty() && AsciiText::Trim(name).size() == name.size() && !HasBreakingByte(name);
}

bool ValidKey(std::string_view key) {
    return ValidName(key) && key.find('=') == std::string_view::npos && key.front() != ';' &&
           key.front() != '[';
}

bool ValidSection(std::string_view section) {
    return ValidName(section) && section.find(']') == std::string_view::npos;
}

/// Reads the file's current bytes for an update; a missing file is empty, an unreadable one fails.
bool ReadForUpdate(const std::filesystem::path& file, std::string& bytes) {
    FileStamp stamp;
    const FileRead read = ReadStampedFile(file, kMaxFileBytes, bytes, stamp);
    return read == FileRead::Done || read == FileRead::Missing;
}

/// Sets `key` in `section` within the file's lines.
void SetInLines(std::vector<std::string>& lines, std::string_view section, std::string_view key,
                std::string_view value) {
    // Find the first head of the section and the end of its lines.
    std::size_t head = lines.size();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const Line line = ClassifyLine(lines[i]);
        if (line.kind == LineKind::Section && AsciiText::EqualsNoCase(line.name, section)) {
            head = i;
            break;
        }
    }
    std::string entry = std::string(key) + "=" + std::string(value);
    if (head == lines.size()) {
        if (!lines.empty() && !AsciiText::Trim(lines.back()).empty()) {
            lines.emplace_back();
        }
        lines.push_back("[" + std::string(section) + "]");
        lines.push_back(std::move(entry));
        return;
    }
    std::size_t lastContent = head;
    for (std::size_t i = head + 1; i < lines.size(); ++i) {
        const Line line = ClassifyLine(lines[i]);
        if (line.kind == LineKind::Section || line.kind == LineKind::BrokenSection) {
            break;
        }
        if (line.kind == LineKind::Entry && AsciiText::EqualsNoCase(line.name, key)) {
            // Keep the key as spelt in the file.
            lines[i] = std::string(line.name) + "=" + std::string(value);
            return;
        }
        if (line.kind != LineKind::Blank) {
            lastContent = i;
        }
    }
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(lastContent + 1), std::move(entry));
}

} // namespace

std::optional<std::string> Find(const std::filesystem::path& file, std::string_view section,
                                std::string_view key) {
    const auto parsed = Load(file);
    if (const std::string* value = FindValue(*parsed, section, key)) {
        return *value;
    }
    return std::nullopt;
}

std::string ReadString(const std::filesystem::path& file, std::string_view section, std::string_view key,
                       std::string_view fallback, std::size_t maxChars) {
    const auto parsed = Load(file);
    const std::string* value = FindValue(*parsed, section, key);
    const std::string_view text = value ? std::string_view(*value) : fallback;
    if (maxChars == 0) {
        return std::string(text);
    }
    return std::string(AsciiText::CutUtf8(text, maxChars - 1));
}

int ReadInt(const std::filesystem::path& file, std::string_view section, std::string_view key, int fallback) {
    const auto parsed = Load(file);
    const std::string* value = FindValue(*parsed, section, key);
    if (!value || value->empty()) {
        return fallback;
    }
    return AsciiText::ParseLeadingInt(*value);
}

Entries ReadSection(const std::filesystem::path& file, std::string_view section) {
    const auto parsed = Load(file);
    const Section* found = parsed->FindSection(section);
    return found ? found->entries : Entries{};
}

std::vector<std::string> SectionNames(const std::filesystem::path& file) {
    const auto parsed = Load(file);
    std::vector<std::string> names;
    names.reserve(parsed->sections.size());
    for (const auto& section : parsed->sections) {
        names.push_back(section.name);
    }
    return names;
}

Result WriteStrings(const std::filesystem::path& file, std::string_view section, const Entries& entries) {
    const auto refuse = [&file](const std::string& why) {
        return Result::Fail(kMsgCannotSave, file.string() + ": " + why);
    };
    if (!ValidSection(section)) {
        return refuse("the section name would break the file's lines");
    }
    for (const auto& [key, value] : entries) {
        if (!ValidKey(key) || HasBreakingByte(value)) {
            return refuse("the entry " + key + " would break the file's lines");
        }
    }
    std::string bytes;
    if (!ReadForUpdate(file, bytes)) {
        return refuse("the file cannot be read");
    }
    const bool bom = std::string_view(bytes).starts_with(kUtf8Bom);
    const bool crlf = bytes.find("\r\n") != std::string::npos;
    std::vector<std::string> lines;
    for (const auto line : SplitLines(bytes)) {
        lines.emplace_back(line);
    }
    for (const auto& [key, value] : entries) {
        SetInLines(lines, section, key, value);
    }
    std::string text = bom ? std::string(kUtf8Bom) : std::string();
    const std::string_view eol = crlf ? "\r\n" : "\n";
    for (const auto& line : lines) {
        text += line;
        text += eol;
    }
    Result written = WriteFileAtomically(file, text);
    Forget(file);
    return written;
}

Result WriteString(const std::filesystem::path& file, std::string_view section, std::string_view key,
                   std::string_view value) {
    return WriteStrings(file, section, Entries{{std::string(key), std::string(value)}});
}

std::size_t ParseCount() {
    return g_parseCount.load();
}

} // namespace tav::PrivateProfile

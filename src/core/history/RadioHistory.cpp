#include "core/history/RadioHistory.h"

#include "core/app/CSettings.h"
#include "core/history/HistoryIndex.h"
#include "core/platform/AtomicFile.h"
#include "core/platform/FileAccess.h"
#include "core/platform/PrivateProfile.h"

#include <algorithm>
#include <mutex>
#include <system_error>

namespace tav {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kDataExtension = ".dat";
/// An index of a radio that keeps its entries has a few kilobytes; a larger file is not one.
constexpr std::size_t kMaxIndexBytes = 16u << 20;

Result NotSaved(const std::string& detail) {
    return Result::Fail(RadioHistory::kNotSavedMessage, detail);
}

std::string WithoutExtension(std::string_view name) {
    if (name.size() > kDataExtension.size() &&
        name.substr(name.size() - kDataExtension.size()) == kDataExtension) {
        name.remove_suffix(kDataExtension.size());
    }
    return std::string(name);
}

/// An entry for a data file that the index does not list, from its name ("<time>-<kind>[-n]")
/// and its header; nothing when the name is not an entry's.
std::optional<HistoryEntry> EntryOfFile(const fs::path& file, const std::string& radio) {
    const std::string stem = file.stem().string();
    // 20240309T140559.123Z: 20 characters, then '-' and the kind.
    constexpr std::size_t kTimeLength = 20;
    if (stem.size() <= kTimeLength + 1 || stem[kTimeLength - 1] != 'Z' || stem[kTimeLength] != '-') {
        return std::nullopt;
    }
    std::string kindText = stem.substr(kTimeLength + 1);
    std::optional<HistoryKind> kind = ParseHistoryKind(kindText);
    if (const auto dash = kindText.rfind('-'); !kind && dash != std::string::npos) {
        kind = ParseHistoryKind(kindText.substr(0, dash));
    }
    if (!kind) {
        return std::nullopt;
    }
    const std::string& t = stem;
    HistoryEntry entry;
    entry.name = stem;
    entry.time = t.substr(0, 4) + "-" + t.substr(4, 2) + "-" + t.substr(6, 2) + "T" + t.substr(9, 2) + ":" +
                 t.substr(11, 2) + ":" + t.substr(13, 7);
    entry.kind = *kind;
    entry.radio = radio;
    DataFileHeader::Bytes bytes{};
    if (CDataFile::ReadHeader(file, bytes)) {
        const DataFileHeader header = DataFileHeader::FromBytes(bytes);
        entry.model = header.modelId;
        entry.band = header.RangeText();
    }
    return entry;
}

} // namespace

RadioHistory::RadioHistory(const HistoryFolder& folder, const UtcClock& clock, std::size_t keep)
    : folder_(folder), clock_(clock), keep_(keep < 1 ? 1 : keep) {}

std::size_t RadioHistory::KeepFromSettings(const fs::path& settingsFile) {
    const std::optional<std::string> value = PrivateProfile::Find(settingsFile, CSettings::kSettingSection, kKeepKey);
    if (!value || value->empty() || value->size() > 9 ||
        value->find_first_not_of("0123456789") != std::string::npos) {
        return kDefaultKeep;
    }
    return std::max<std::size_t>(1, std::stoul(*value));
}

fs::path RadioHistory::RadioFolder(std::string_view radio) const {
    return folder_.Root() / RadioFolderName(radio);
}

fs::path RadioHistory::EntryFile(std::string_view radio, std::string_view name) const {
    return RadioFolder(radio) / (WithoutExtension(name) + std::string(kDataExtension));
}

std::vector<std::string> RadioHistory::Radios() const {
    std::vector<std::string> radios;
    std::error_code ec;
    for (fs::directory_iterator it(folder_.Root(), ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (!name.empty() && name.front() != '.' && it->is_directory(ec)) {
            radios.push_back(RadioLabelOfFolder(name));
        }
    }
    std::sort(radios.begin(), radios.end());
    return radios;
}

std::vector<HistoryEntry> RadioHistory::Entries(std::string_view radio) const {
    const fs::path dir = RadioFolder(radio);
    std::vector<HistoryEntry> entries;
    std::error_code ec;
    if (const auto text = ReadRegularFile(dir / HistoryIndex::kFileName, kMaxIndexBytes, kNotSavedMessage)) {
        for (HistoryEntry& entry : HistoryIndex::Parse(
                 std::string_view(reinterpret_cast<const char*>(text->data()), text->size()))) {
            const bool listed = std::any_of(entries.begin(), entries.end(),
                                            [&](const HistoryEntry& e) { return e.name == entry.name; });
            if (!listed && fs::is_regular_file(EntryFile(radio, entry.name), ec)) {
                entries.push_back(std::move(entry));
            }
        }
    }
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        const fs::path& file = it->path();
        if (file.extension() != kDataExtension || !it->is_regular_file(ec)) {
            continue;
        }
        const std::string stem = file.stem().string();
        if (std::none_of(entries.begin(), entries.end(),
                         [&](const HistoryEntry& e) { return e.name == stem; })) {
            if (auto entry = EntryOfFile(file, std::string(radio))) {
                entries.push_back(std::move(*entry));
            }
        }
    }
    std::stable_sort(entries.begin(), entries.end(),
                     [](const HistoryEntry& a, const HistoryEntry& b) { return a.time < b.time; });
    return entries;
}

std::optional<HistoryEntry> RadioHistory::Find(std::string_view radio, std::string_view name) const {
    const std::string wanted = WithoutExtension(name);
    for (HistoryEntry& entry : Entries(radio)) {
        if (entry.name == wanted) {
            return std::move(entry);
        }
    }
    return std::nullopt;
}

Result RadioHistory::Load(std::string_view radio, std::string_view name, DataFileContent& content) const {
    const std::optional<HistoryEntry> entry = Find(radio, name);
    if (!entry) {
        return Result::Fail(kNoEntryMessage, std::string(radio) + " " + std::string(name));
    }
    return CDataFile::Load(EntryFile(radio, entry->name), content);
}

std::string RadioHistory::FreeName(const fs::path& dir, const std::string& stem) const {
    std::string name = stem;
    std::error_code ec;
    for (int n = 2; fs::exists(dir / (name + std::string(kDataExtension)), ec); ++n) {
        name = stem + "-" + std::to_string(n);
    }
    return name;
}

void RadioHistory::Prune(const fs::path& dir, std::vector<HistoryEntry>& entries) const {
    if (entries.size() <= keep_) {
        return;
    }
    std::size_t excess = entries.size() - keep_;
    // The restore point of the latest write stays, however short the history is kept, and so
    // does the entry just recorded.
    const auto newestBackup = std::find_if(entries.rbegin(), entries.rend(), [](const HistoryEntry& e) {
        return e.kind == HistoryKind::BeforeWrite;
    });
    const std::string kept = newestBackup == entries.rend() ? std::string() : newestBackup->name;
    std::vector<HistoryEntry> remaining;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        HistoryEntry& entry = entries[i];
        // The entry just recorded (the last) stays too.
        if (excess > 0 && entry.name != kept && i + 1 < entries.size()) {
            std::error_code ec;
            const fs::path file = dir / (entry.name + std::string(kDataExtension));
            fs::remove(file, ec);
            if (!ec || !fs::exists(file, ec)) {
                --excess;
                continue;
            }
        }
        remaining.push_back(std::move(entry));
    }
    entries = std::move(remaining);
}

Outcome<HistoryEntry> RadioHistory::Record(const HistoryRecord& record, const Image& image) const {
    // Radios written at the same time by one program record one after the other, so that two
    // events of one second never take one name and the index never loses a line.
    static std::mutex recording;
    const std::lock_guard guard(recording);
    HistoryEntry entry;
    entry.radio = RadioLabel(record.serial);
    const fs::path dir = RadioFolder(entry.radio);
    std::error_code ec;
    fs::create_directories(dir, ec);
    if (ec || !fs::is_directory(dir, ec)) {
        return NotSaved(dir.string() + ": " + (ec ? ec.message() : std::string("not a folder")));
    }
    const auto now = clock_.UtcNow();
    entry.name = FreeName(dir, HistoryNameTime(now) + "-" + std::string(HistoryKindName(record.kind)));
    entry.time = HistoryTimeText(now);
    entry.kind = record.kind;
    entry.model = record.header.modelId;
    entry.band = record.header.RangeText();
    entry.file = record.file;
    entry.port = record.port;
    entry.result = record.result;

    const std::vector<std::uint8_t> bytes = CDataFile::Compose(record.header.ToBytes(), {}, {}, image);
    const fs::path file = dir / (entry.name + std::string(kDataExtension));
    if (Result written = WriteFileAtomically(
            file, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
        !written) {
        return NotSaved(written.detail());
    }
    std::vector<HistoryEntry> entries = Entries(entry.radio);
    std::erase_if(entries, [&](const HistoryEntry& e) { return e.name == entry.name; });
    entries.push_back(entry);
    Prune(dir, entries);
    if (Result indexed = WriteFileAtomically(dir / HistoryIndex::kFileName, HistoryIndex::Format(entries));
        !indexed) {
        // The image is kept; the next record lists it from its file.
        return NotSaved(indexed.detail());
    }
    return entry;
}

} // namespace tav

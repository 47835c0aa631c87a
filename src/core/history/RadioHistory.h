#pragma once

#include "core/data/CDataFile.h"
#include "core/data/DataFileHeader.h"
#include "core/data/Image.h"
#include "core/history/HistoryEntry.h"
#include "core/history/HistoryFolder.h"
#include "core/platform/UtcClock.h"
#include "core/util/Result.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tav {

/// What one event puts into the history beside its image.
struct HistoryRecord {
    HistoryKind kind = HistoryKind::Read;
    /// The radio's serial number; nothing when it was not read.
    std::optional<std::string> serial;
    /// The header the image's data file gets: the identity the image belongs to.
    DataFileHeader header;
    std::string file;
    std::string port;
    std::string result = "ok";
};

/// The per-user history of every radio: one folder per radio (named by its serial number, see
/// RadioFolderName) holding one data file per event, named by the universal time and the kind,
/// and an index with one line per event (HistoryIndex). Files are written atomically: a full disk
/// or an unwritable folder leaves what was there and fails with its message. Only the last
/// `keep` entries of a radio are kept; neither the entry just recorded nor the newest restore point
/// (before-write) of a radio is ever dropped, however small `keep` is.
///
/// The store keeps nothing in memory, so several programs (and threads) may use one folder.
class RadioHistory {
public:
    static constexpr std::size_t kDefaultKeep = 100;
    /// "The radio history could not be saved (%s)..."
    static constexpr int kNotSavedMessage = 9700;
    /// "There is no such entry in the radio history."
    static constexpr int kNoEntryMessage = 9711;
    /// The settings key ([Setting] in Settings.ini) holding how many entries a radio keeps.
    static constexpr const char* kKeepKey = "HistoryKeep";

    RadioHistory(const HistoryFolder& folder, const UtcClock& clock, std::size_t keep = kDefaultKeep);

    /// How many entries per radio the settings file asks to keep: the default when the key is
    /// missing or not a number, at least 1.
    static std::size_t KeepFromSettings(const std::filesystem::path& settingsFile);
    void SetKeep(std::size_t keep) { keep_ = keep < 1 ? 1 : keep; }
    std::size_t Keep() const { return keep_; }

    /// Stores one event and its image, then drops the oldest entries beyond the limit. The entry as
    /// stored; 9700 with the reason when the image or the index could not be written.
    Outcome<HistoryEntry> Record(const HistoryRecord& record, const Image& image) const;

    /// The labels of the radios the history holds, sorted.
    std::vector<std::string> Radios() const;
    /// A radio's entries, oldest first: the index's lines whose data file is there, and data
    /// files the index lacks (a record cut short) named by their file.
    std::vector<HistoryEntry> Entries(std::string_view radio) const;
    /// A radio's entry by name (with or without ".dat").
    std::optional<HistoryEntry> Find(std::string_view radio, std::string_view name) const;
    /// The data file of an entry.
    std::filesystem::path EntryFile(std::string_view radio, std::string_view name) const;
    /// Reads an entry's data file; 9711 when the radio has no such entry, 811 when its file is
    /// damaged.
    Result Load(std::string_view radio, std::string_view name, DataFileContent& content) const;

    std::filesystem::path Root() const { return folder_.Root(); }
    std::filesystem::path RadioFolder(std::string_view radio) const;

private:
    std::string FreeName(const std::filesystem::path& dir, const std::string& stem) const;
    void Prune(const std::filesystem::path& dir, std::vector<HistoryEntry>& entries) const;

    const HistoryFolder& folder_;
    const UtcClock& clock_;
    std::size_t keep_;
};

} // namespace tav

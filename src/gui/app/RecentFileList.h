#pragma once

#include <QSettings>
#include <QStringList>
#include <memory>

namespace tav::gui {

/// The recent-file list of the File menu: up to four data files, most recent first, kept in the
/// user's settings under "K7 Serial" (group "Recent File List", keys "File1" to "File4").
class RecentFileList {
public:
    static constexpr int kMaxEntries = 4;
    /// Command of the first entry; the others follow.
    static constexpr int kFirstCommand = 57616;
    static constexpr const char* kOrganisation = "K7 Serial";
    static constexpr const char* kApplication = "TAV Programmer";
    static constexpr const char* kGroup = "Recent File List";

    /// Keeps the list in `store` (read at once, written at every change).
    explicit RecentFileList(std::unique_ptr<QSettings> store);
    /// The user's settings of the program.
    static std::unique_ptr<QSettings> DefaultStore();

    const QStringList& Entries() const { return entries_; }
    /// The entry of a recent-file command; empty when it has none.
    QString EntryFor(int commandId) const;
    /// Puts a path at the top (once; the fifth entry drops out).
    void Add(const QString& path);
    /// Removes a path from the list.
    void Remove(const QString& path);

private:
    void Save();

    std::unique_ptr<QSettings> store_;
    QStringList entries_;
};

} // namespace tav::gui

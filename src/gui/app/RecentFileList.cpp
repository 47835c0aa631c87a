#include "gui/app/RecentFileList.h"

#include <QFileInfo>

namespace tav::gui {
namespace {

QString Normalised(const QString& path) {
    const QFileInfo info(path);
    return info.isRelative() ? info.absoluteFilePath() : QFileInfo(path).filePath();
}

QString EntryKey(int index) {
    return QStringLiteral("File%1").arg(index + 1);
}

} // namespace

RecentFileList::RecentFileList(std::unique_ptr<QSettings> store) : store_(std::move(store)) {
    if (!store_) {
        return;
    }
    store_->beginGroup(QString::fromLatin1(kGroup));
    for (int i = 0; i < kMaxEntries; ++i) {
        const QString path = store_->value(EntryKey(i)).toString();
        if (!path.isEmpty() && !entries_.contains(path)) {
            entries_ << path;
        }
    }
    store_->endGroup();
}

std::unique_ptr<QSettings> RecentFileList::DefaultStore() {
    return std::make_unique<QSettings>(QString::fromLatin1(kOrganisation), QString::fromLatin1(kApplication));
}

QString RecentFileList::EntryFor(int commandId) const {
    const int index = commandId - kFirstCommand;
    return index >= 0 && index < entries_.size() ? entries_[index] : QString();
}

void RecentFileList::Add(const QString& path) {
    const QString entry = Normalised(path);
    entries_.removeAll(entry);
    entries_.prepend(entry);
    while (entries_.size() > kMaxEntries) {
        entries_.removeLast();
    }
    Save();
}

void RecentFileList::Remove(const QString& path) {
    if (entries_.removeAll(path) > 0 || entries_.removeAll(Normalised(path)) > 0) {
        Save();
    }
}

void RecentFileList::Save() {
    if (!store_) {
        return;
    }
    store_->beginGroup(QString::fromLatin1(kGroup));
    for (int i = 0; i < kMaxEntries; ++i) {
        if (i < entries_.size()) {
            store_->setValue(EntryKey(i), entries_[i]);
        } else {
            store_->remove(EntryKey(i));
        }
    }
    store_->endGroup();
    store_->sync();
}

} // namespace tav::gui

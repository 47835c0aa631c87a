#pragma once

#include "core/data/RecordNavigator.h"

#include <QString>
#include <cstdint>

namespace tav::gui {

/// Numbers of the editors' messages, kept for the help pages and the change protocol's records.
namespace EditorMessages {
inline constexpr int kLoadView = 1124;
inline constexpr int kStoreView = 1125;
inline constexpr int kNavigateRecord = 1126;
inline constexpr int kNavigationBarState = 1127;
inline constexpr int kDataChanged = 1128;
inline constexpr int kRefreshFromImage = 1129;
inline constexpr int kRecordPosition = 1130;
/// DataChanged's first value when a record list changed (the second is a RecordListNotice).
inline constexpr std::uint32_t kRecordListChanged = 0xEEEEFFFF;
} // namespace EditorMessages

/// The window that hosts the editors (the main frame): every editor tells it when it changed data,
/// and it passes the notice on to every open editor.
class EditorHost {
public:
    virtual ~EditorHost() = default;
    /// An editor stored a change (`wParam` 0, no notice) or changed a record list
    /// (`wParam` kRecordListChanged with the notice, valid only during the call).
    virtual void DataChanged(std::uint32_t wParam, const RecordListNotice* notice) = 0;
    /// An editor asks for another editor to be opened (the channel editor's list view).
    virtual void ShowView(int /*viewId*/, const QString& /*title*/) {}
    /// Takes back the document's last edit, whichever editor made it (every editor's Undo).
    virtual void UndoEdit() {}
    /// Carries out the last edit taken back again (every editor's Redo).
    virtual void RedoEdit() {}
};

} // namespace tav::gui

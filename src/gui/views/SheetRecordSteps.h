#pragma once

#include "core/data/ObjectId.h"
#include "core/data/RecordList.h"
#include "core/data/RecordNavigator.h"
#include "gui/views/CCustomFormView.h"

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>

namespace tav::gui {

/// Binds an editor's sheet to the record at `current` (none when nothing is current) and loads its
/// pages.
template <class Sheet, class Record>
void BindSheetRecord(Sheet& sheet, const RecordList<Record>& list, std::optional<std::size_t> current) {
    sheet.Bind(current ? list.IdAt(*current) : kNoObject);
    sheet.LoadPages();
}

/// One record-bar command of a sheet editor: Add stops at the list's capacity, a refused command
/// (delete of the last record, a number past the end) keeps a record shown, and the sheet is bound
/// to the record that is current afterwards. False when Add was refused at the capacity.
template <class Sheet, class Record>
bool StepSheetRecord(Sheet& sheet, RecordList<Record>& list, std::optional<std::size_t>& current,
                     std::size_t capacity, int recordNumber, NavigateCommand command,
                     const std::function<std::unique_ptr<Record>()>& create,
                     const std::function<void(Record&)>& beforeDelete) {
    if (command == NavigateCommand::Add && list.Count() >= capacity) {
        return false;
    }
    const std::optional<std::size_t> next =
        tav::NavigateRecord<Record>(list, current, command, recordNumber, create, beforeDelete);
    if (next) {
        current = next;
    } else if (!list.Empty() && (!current || *current >= list.Count())) {
        current = list.Count() - 1;
    }
    BindSheetRecord(sheet, list, current);
    return true;
}

/// The record bar's position of a sheet editor: 1-based, 0 when nothing is current.
inline RecordPosition SheetRecordPosition(std::optional<std::size_t> current, std::size_t count) {
    return RecordPosition{current ? static_cast<int>(*current) + 1 : 0, static_cast<int>(count)};
}

} // namespace tav::gui

#pragma once

#include "core/compare/FieldTable.h"
#include "core/data/RecordFields.h"

namespace tav {

/// The compare's rows of a list record: one per field of its table, in the table's order, named
/// as the table names it for the compare (led by the field's group) and stored where its rule
/// says.
template <class Data, class Ui> FieldTable<Ui> RecordFieldRows(const RecordFieldTable<Data, Ui>& fields) {
    FieldTable<Ui> rows;
    for (const RecordField<Data, Ui>& field : fields) {
        FieldRow<Ui> row =
            FieldRow<Ui>{field.compared.textId, field.compared.fallback,
                         [&field](const Ui& ui) { return field.rule.text(field.slot.get(ui)); },
                         field.group.textId, field.group.fallback}
                .StoredIn(field.rule.bytes);
        row.inReport = field.inReport;
        rows.push_back(std::move(row));
    }
    return rows;
}

} // namespace tav

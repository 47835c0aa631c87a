#pragma once

#include "core/data/BlockFields.h"
#include "core/data/FieldBytes.h"
#include "core/lang/TextLookup.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace tav {

/// One field of an editor as the compare names it: the label the editor shows beside it and the
/// text its transfer structure holds for it.
template <class Ui> struct FieldRow {
    FieldRow(int labelId, std::string fallback, std::function<std::string(const Ui&)> text, int groupId = 0,
             std::string groupFallback = {})
        : labelId(labelId), fallback(std::move(fallback)), text(std::move(text)), groupId(groupId),
          groupFallback(std::move(groupFallback)) {}

    int labelId = 0;                            ///< control text of the label
    std::string fallback;                       ///< label when the language file has no text
    std::function<std::string(const Ui&)> text; ///< the value as the editor shows it
    int groupId = 0;                            ///< control text of the field's group (a decode); 0: none
    std::string groupFallback;                  ///< the group's name when the language file has no text
    std::vector<FieldBytes> bytes;              ///< where the field is stored; empty: not yet declared
    bool inFileHeader = false;                  ///< the value comes from the file's header, not the image
    bool inReport = true;                       ///< the configuration report lists the field

    /// The row with its storage declared: `FieldRow{...}.StoredIn({{4, 4}})`.
    FieldRow StoredIn(std::vector<FieldBytes> where) && {
        bytes = std::move(where);
        return std::move(*this);
    }
    /// The row of a value the data file's header holds (model, range): it explains no image byte.
    FieldRow InFileHeader() && {
        inFileHeader = true;
        return std::move(*this);
    }
    /// The row of a value the compare names but the configuration report leaves out.
    FieldRow CompareOnly() && {
        inReport = false;
        return std::move(*this);
    }
};

/// The bytes of a record kind that no field of its editor holds: kept as found, and listed byte
/// by byte by the compare when they differ.
using ReservedBytes = std::vector<FieldBytes>;

template <class Ui> using FieldTable = std::vector<FieldRow<Ui>>;

/// A label as the user reads it: the language text without a trailing colon, else the fall-back.
std::string FieldLabel(const TextLookup& texts, int labelId, const std::string& fallback);

/// A row's label, led by its group's name when it has one ("Decode 2 Call Format").
template <class Ui> std::string RowLabel(const TextLookup& texts, const FieldRow<Ui>& row) {
    const std::string label = FieldLabel(texts, row.labelId, row.fallback);
    return row.groupId == 0 && row.groupFallback.empty()
               ? label
               : FieldLabel(texts, row.groupId, row.groupFallback) + " " + label;
}

/// A text field of a transfer structure.
template <auto Member> auto TextField() {
    return [](const auto& ui) { return std::string(ui.*Member); };
}

/// A check box of a transfer structure.
template <auto Member> auto SwitchField() {
    return [](const auto& ui) { return std::string((ui.*Member) != 0 ? "On" : "Off"); };
}

/// The compare's rows of a single-block record: one per field of its table, in the table's order.
template <class Ui> FieldTable<Ui> BlockFieldRows(const BlockFieldTable<Ui>& fields) {
    FieldTable<Ui> rows;
    for (const BlockField<Ui>& field : fields) {
        FieldRow<Ui> row{field.labelId, field.fallback,
                         [&field](const Ui& ui) { return BlockFieldText(field, field.slot.get(ui)); }};
        rows.push_back(field.codec == BlockCodec::FileHeader ? std::move(row).InFileHeader()
                                                             : std::move(row).StoredIn({field.bytes}));
    }
    return rows;
}

} // namespace tav

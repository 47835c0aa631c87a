#pragma once

#include "core/compare/FieldTable.h"
#include "core/factory/EmbeddedData.h"
#include "core/factory/ModelData.h"
#include "core/factory/TestFreqData.h"
#include "core/factory/TuneData.h"

namespace tav {

class CDataContainer;
class DifferenceList;
class TextLookup;

// The factory blocks' fields as the compare names them: one row per field of each block's table,
// labelled in the language of `texts`, and the bytes of each block that no field holds.

/// The model data's own 36 bytes (image 0x00B5).
FieldTable<ModelDataUi> ModelOwnRows(const TextLookup& texts);
/// The miscellaneous bytes 41-72 the model data shares (image 0x00DE).
FieldTable<ModelDataUi> ModelSharedRows(const TextLookup& texts);
/// "Channel 3 RX Frequency[MHz]", "Tuning Frequency 1 TX Frequency[MHz]".
FieldTable<TestFreqTexts> TestFreqRows(const TextLookup& texts);
FieldTable<EmbeddedUi> EmbeddedRows(const TextLookup& texts);
/// "Reference Frequency Width Point 3": the tuning item, its spacing and the point's tab.
FieldTable<TuneUi> TuneRows(const TextLookup& texts);

const ReservedBytes& ModelOwnReserved();
const ReservedBytes& ModelSharedReserved();
const ReservedBytes& TestFreqReserved();
const ReservedBytes& EmbeddedReserved();
const ReservedBytes& TuneReserved();

/// The label of the tuning value of `pointCode`.
std::string TuningPointLabel(const TextLookup& texts, std::uint16_t pointCode);

/// Names each changed field of the factory blocks (model data, test frequencies, embedded texts,
/// tuning values) by its block and label. Their other bytes stay for the list of bytes, which
/// names them by the block's region.
void CompareFactoryBlocks(DifferenceList& out, const CDataContainer& a, const CDataContainer& b);

} // namespace tav

#include "core/compare/FactoryFields.h"

#include "core/app/CDataContainer.h"
#include "core/app/ViewTable.h"
#include "core/compare/DifferenceList.h"
#include "core/data/FieldCodec.h"
#include "core/data/ImageMap.h"
#include "core/lang/NoTextLookup.h"
#include "core/factory/TuningPoints.h"

#include <algorithm>
#include <array>
#include <functional>

namespace tav {

namespace {

constexpr int kFactoryModeName = ModelData::kDialogId;
constexpr int kTuningName = 7002;
constexpr int kGridHeadingList = TestFreqData::kHeaderListId;
constexpr int kRxHeading = 1;
constexpr int kTxHeading = 2;
constexpr int kTuningItemList = 7053;
constexpr int kPointTabList = 7067;
constexpr std::uint16_t kItemMask = 0xFFF0;
constexpr int kPointsPerSpacing = 5;

/// The rows of a block's table, each labelled by `label`.
template <class Ui>
FieldTable<Ui> RowsOf(const BlockFieldTable<Ui>& fields,
                      const std::function<std::string(const BlockField<Ui>&)>& label) {
    FieldTable<Ui> rows;
    for (const BlockField<Ui>& field : fields) {
        std::vector<FieldBytes> where = {field.bytes};
        if (field.alsoIn.size != 0) {
            where.push_back(field.alsoIn);
        }
        rows.push_back(FieldRow<Ui>{
            0, label(field), [&field](const Ui& ui) {
                return BlockFieldText(field, field.slot.get(ui));
            }}.StoredIn(std::move(where)));
    }
    return rows;
}

/// Rows labelled by the editor's label of each field.
template <class Ui> FieldTable<Ui> LabelledRows(const BlockFieldTable<Ui>& fields, const TextLookup& texts) {
    return RowsOf<Ui>(fields, [&texts](const BlockField<Ui>& field) {
        return FieldLabel(texts, field.labelId, field.fallback);
    });
}

std::string ListTextOr(const TextLookup& texts, int listId, int value, const std::string& fallback) {
    const std::string text = ListText(texts, listId, value);
    return text.empty() ? fallback : text;
}

/// The heading of a test-frequency grid's column ("RX Frequency[MHz]").
std::string Heading(const TextLookup& texts, bool transmit) {
    return transmit ? ListTextOr(texts, kGridHeadingList, kTxHeading, "TX Frequency[MHz]")
                    : ListTextOr(texts, kGridHeadingList, kRxHeading, "RX Frequency[MHz]");
}

/// What the text form's entry `index` is: its row's name and whether it is a transmit frequency.
std::string TestFreqLabel(const TextLookup& texts, std::size_t index) {
    using T = TestFreqData;
    constexpr std::size_t kChannelTexts = 2 * T::kChannelCount;
    if (index < kChannelTexts) {
        const std::size_t k = index % T::kChannelCount;
        return "Channel " + std::to_string(k + 1) + " " + Heading(texts, index >= T::kChannelCount);
    }
    const std::size_t i = (index - kChannelTexts) % T::kTuningCount;
    return "Tuning Frequency " + std::to_string(i + 1) + " " +
           Heading(texts, index - kChannelTexts >= T::kTuningCount);
}

std::string SpacingName(const TextLookup& texts, int group) {
    static constexpr std::array<std::pair<int, const char*>, 3> kNames = {
        {{7074, "Width"}, {7085, "Middle"}, {7073, "Narrow"}}};
    const auto& [id, fallback] = kNames[static_cast<std::size_t>(group)];
    return FieldLabel(texts, id, fallback);
}

/// A copy of the block as the image holds it.
template <class Data> Data LoadedFrom(const Image& image) {
    Data data;
    data.LoadFromImage(image);
    return data;
}

template <class Ui, class Data, class Load>
void CompareFactoryBlock(DifferenceList& out, const FieldTable<Ui>& rows, const Data& a, const Data& b,
                         const std::string& subject, Region region, Load load) {
    Ui uiA;
    Ui uiB;
    load(a, uiA);
    load(b, uiB);
    out.CompareFields(rows, uiA, uiB, subject, {region});
}

void CompareModelData(DifferenceList& out, const CDataContainer& a, const CDataContainer& b) {
    const TextLookup& texts = out.texts();
    const std::string subject = FieldLabel(texts, kFactoryModeName, "Factory Mode");
    out.At(0);
    const auto ownA = LoadedFrom<ModelData>(a.image());
    const auto ownB = LoadedFrom<ModelData>(b.image());
    CompareFactoryBlock(out, ModelOwnRows(texts), ownA.Bytes(), ownB.Bytes(), subject,
                        {ImageMap::kModelData, ImageMap::kModelDataSize},
                        [&texts](std::span<const std::uint8_t> bytes, ModelDataUi& ui) {
                            LoadBlockFields(ModelData::OwnFields(), bytes, ui, texts);
                        });
    CompareFactoryBlock(out, ModelSharedRows(texts), a.Misc().SharedBytes(), b.Misc().SharedBytes(), subject,
                        {ImageMap::kModelDataShared, ImageMap::kModelDataSharedSize},
                        [&texts](std::span<const std::uint8_t> bytes, ModelDataUi& ui) {
                            LoadBlockFields(ModelData::SharedFields(), bytes, ui, texts);
                        });
}

} // namespace

FieldTable<ModelDataUi> ModelOwnRows(const TextLookup& texts) {
    return LabelledRows(ModelData::OwnFields(), texts);
}

FieldTable<ModelDataUi> ModelSharedRows(const TextLookup& texts) {
    return LabelledRows(ModelData::SharedFields(), texts);
}

FieldTable<TestFreqTexts> TestFreqRows(const TextLookup& texts) {
    const BlockFieldTable<TestFreqTexts>& fields = TestFreqData::EditorFields();
    return RowsOf<TestFreqTexts>(fields, [&texts, &fields](const BlockField<TestFreqTexts>& field) {
        return TestFreqLabel(texts, static_cast<std::size_t>(&field - fields.data()));
    });
}

FieldTable<EmbeddedUi> EmbeddedRows(const TextLookup& texts) {
    return LabelledRows(EmbeddedData::EditorFields(), texts);
}

std::string TuningPointLabel(const TextLookup& texts, std::uint16_t pointCode) {
    const int item = pointCode & kItemMask;
    const int index = pointCode & ~kItemMask;
    const std::string name = ListText(texts, kTuningItemList, item);
    if (name.empty() || index >= 3 * kPointsPerSpacing) {
        const BlockField<TuneUi>* field = TuneData::FieldOfPoint(pointCode);
        return field != nullptr ? std::string(field->fallback) : std::string("Point");
    }
    const int point = index % kPointsPerSpacing;
    return name + " " + SpacingName(texts, index / kPointsPerSpacing) + " " +
           ListTextOr(texts, kPointTabList, point, "Point " + std::to_string(point + 1));
}

FieldTable<TuneUi> TuneRows(const TextLookup& texts) {
    const std::vector<TuningValueSlot>& slots = TuningValueSlots();
    const BlockFieldTable<TuneUi>& fields = TuneData::EditorFields();
    return RowsOf<TuneUi>(fields, [&texts, &slots, &fields](const BlockField<TuneUi>& field) {
        return TuningPointLabel(texts, slots[static_cast<std::size_t>(&field - fields.data())].pointCode);
    });
}

const ReservedBytes& ModelOwnReserved() {
    using M = ModelData;
    static const ReservedBytes reserved = {
        {M::kTuneSwitchOffset, 1, static_cast<std::uint8_t>(~(1U << M::kTuneSwitchBit))},
        {M::kTuneSwitchOffset + 1, M::kOscillatorOffset - M::kTuneSwitchOffset - 1},
        {M::kIfDirectionOffset, 1, static_cast<std::uint8_t>(~(1U << M::kIfDirectionBit))},
        {M::kOpenChannelOffset + 2, M::kSize - M::kOpenChannelOffset - 2},
    };
    return reserved;
}

const ReservedBytes& ModelSharedReserved() {
    using M = ModelData;
    constexpr unsigned kOptionBits = 0x0FU << M::kFirstOptionBit;
    static const ReservedBytes reserved = {
        {0, M::kVersionOffset},
        {M::kVersionOffset, 1,
         static_cast<std::uint8_t>(~((1U << M::kBuildTypeBit) | (1U << M::kDisplayBit) | kOptionBits))},
        // The kept word and the volumes have no field: the volumes come from the volume table.
        {M::kVersionOffset + 1, ImageMap::kModelDataSharedSize - M::kVersionOffset - 1},
    };
    return reserved;
}

const ReservedBytes& TestFreqReserved() {
    static const ReservedBytes reserved;
    return reserved;
}

const ReservedBytes& EmbeddedReserved() {
    // The password and the second short text: no editor shows them.
    static const ReservedBytes reserved = {{EmbeddedData::kPasswordOffset, EmbeddedData::kFirstTextOffset}};
    return reserved;
}

const ReservedBytes& TuneReserved() {
    // The bytes between the values of the tuning point table, and after the last.
    static const ReservedBytes reserved = [] {
        std::vector<bool> held(TuneData::kSize, false);
        for (const BlockField<TuneUi>& field : TuneData::EditorFields()) {
            std::fill_n(held.begin() + static_cast<std::ptrdiff_t>(field.bytes.offset), field.bytes.size,
                        true);
        }
        ReservedBytes gaps;
        for (std::size_t offset = 0; offset < held.size(); ++offset) {
            if (held[offset]) {
                continue;
            }
            if (!gaps.empty() && gaps.back().offset + gaps.back().size == offset) {
                ++gaps.back().size;
            } else {
                gaps.push_back({offset, 1});
            }
        }
        return gaps;
    }();
    return reserved;
}

void CompareFactoryBlocks(DifferenceList& out, const CDataContainer& a, const CDataContainer& b) {
    const TextLookup& texts = out.texts();
    CompareModelData(out, a, b);
    out.At(ViewIds::kTestFreq);
    CompareFactoryBlock(out, TestFreqRows(texts), LoadedFrom<TestFreqData>(a.image()),
                        LoadedFrom<TestFreqData>(b.image()),
                        FieldLabel(texts, TestFreqData::kViewId, "Test Frequency"),
                        {ImageMap::kTestFreqs, ImageMap::kTestFreqsSize},
                        [](const TestFreqData& data, TestFreqTexts& ui) { ui = data.ToTexts('.'); });
    out.At(ViewIds::kEmbedded);
    CompareFactoryBlock(out, EmbeddedRows(texts), LoadedFrom<EmbeddedData>(a.image()),
                        LoadedFrom<EmbeddedData>(b.image()),
                        FieldLabel(texts, EmbeddedData::kViewId, "Embedded Data"),
                        {ImageMap::kEmbedded, ImageMap::kEmbeddedSize},
                        [](const EmbeddedData& data, EmbeddedUi& ui) { data.LoadUi(ui); });
    out.At(0);
    CompareFactoryBlock(out, TuneRows(texts), LoadedFrom<TuneData>(a.image()),
                        LoadedFrom<TuneData>(b.image()), FieldLabel(texts, kTuningName, "Tuning"),
                        {ImageMap::kTuneData, ImageMap::kTuneDataSize},
                        [](const TuneData& data, TuneUi& ui) { data.LoadUi(ui); });
}

} // namespace tav

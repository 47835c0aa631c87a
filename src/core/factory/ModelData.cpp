#include "core/factory/ModelData.h"

#include "core/data/FieldCodec.h"
#include "core/data/ImageMap.h"
#include "core/data/MiscData.h"
#include "core/data/RadioInfoData.h"
#include "core/factory/FactoryCodecs.h"
#include "core/factory/VolumeTable.h"
#include "core/util/NumberText.h"
#include "core/util/RangeText.h"

#include <algorithm>
#include <utility>

namespace tav {

static_assert(ModelData::kSize == ImageMap::kModelDataSize);
static_assert(ModelData::kRadioAddress == ImageMap::kModelData);

namespace {

constexpr std::size_t kRadioInfoLast = ImageMap::kRadioInfo + ImageMap::kRadioInfoSize - 1;
constexpr std::size_t kOwnLast = ImageMap::kModelData + ImageMap::kModelDataSize - 1;
constexpr std::size_t kSharedLast = ImageMap::kModelDataShared + ImageMap::kModelDataSharedSize - 1;
constexpr std::size_t kEdgeSize = 4;

bool UvBand(const DataContext& context) {
    return (context.rangeFlags & RadioInfoData::kUvBandBit) != 0;
}

/// The name as the radio-information field would hold it (cut to its width).
std::string AsStoredName(const std::string& name) {
    std::vector<std::uint8_t> field(RadioInfoData::kModelNameSize);
    WritePaddedText(field, name, 0);
    return ReadZeroEndedText(field);
}

/// A frequency of the dialog, held as the stored BcdFreq and exchanged as its text.
BlockSlot<ModelDataUi> FreqSlot(BcdFreq ModelDataUi::*member) {
    return {[member](const ModelDataUi& ui) { return BlockValue(FreqFieldText(ui.*member)); },
            [member](ModelDataUi& ui, const BlockValue& value) {
                ui.*member = FreqFieldBcd(std::get<std::string>(value));
            }};
}

constexpr std::uint8_t BitMask(int bit) {
    return static_cast<std::uint8_t>(1U << bit);
}

} // namespace

const BlockFieldTable<ModelDataUi>& ModelData::OwnFields() {
    using C = BlockCodec;
    using U = ModelDataUi;
    static const BlockFieldTable<U> table = {
        BlockRow<U>("tune_switch", kTuneSwitchLabel, "Manual Tune Switch", C::Check, kTuneOpenButtonId,
                    Member(&U::tuneSwitchOpen))
            .At({kTuneSwitchOffset, 1, BitMask(kTuneSwitchBit)}),
        BlockRow<U>("oscillator", kOscillatorEditId - 1, "PLL Oscillator[MHz]", C::Rule, kOscillatorEditId,
                    FreqSlot(&U::oscillator))
            .At({kOscillatorOffset, 4})
            .WithRule(kBigEndianFreqRule),
        BlockRow<U>("intermediate", kIntermediateEditId - 1, "Middle Frequency[MHz]", C::Rule,
                    kIntermediateEditId, FreqSlot(&U::intermediate))
            .At({kIntermediateOffset, 4})
            .WithRule(kBigEndianFreqRule),
        BlockRow<U>("if_direction", kIfDirectionListId - 1, "Middle Frequency Direction", C::ListItem,
                    kIfDirectionListId, Member(&U::ifDirection))
            .At({kIfDirectionOffset, 1, BitMask(kIfDirectionBit)})
            .List(kIfDirectionListId),
        BlockRow<U>("open_channel", kOpenChannelListId - 1, "Open Channel", C::Rule, kOpenChannelListId,
                    Member(&U::openChannel))
            .At({kOpenChannelOffset, 2})
            .List(kOpenChannelListId)
            .WithRule(kListWordRule),
    };
    return table;
}

const BlockFieldTable<ModelDataUi>& ModelData::SharedFields() {
    using C = BlockCodec;
    using U = ModelDataUi;
    static const BlockFieldTable<U> table = [] {
        BlockFieldTable<U> rows = {
            BlockRow<U>("build_type", kBuildTypeListId - 1, "Version", C::ListItem, kBuildTypeListId,
                        Member(&U::buildType))
                .At({kVersionOffset, 1, BitMask(kBuildTypeBit)})
                .List(kBuildTypeListId),
            BlockRow<U>("display", kDisplayListId - 1, "Display", C::ListItem, kDisplayListId,
                        Member(&U::display))
                .At({kVersionOffset, 1, BitMask(kDisplayBit)})
                .List(kDisplayListId),
        };
        static const std::array<const char*, 4> keys = {"option_1", "option_2", "option_3", "option_4"};
        static const std::array<const char*, 4> names = {"Option 1", "Option 2", "Option 3", "Option 4"};
        for (std::size_t i = 0; i < keys.size(); ++i) {
            const int id = kFirstOptionCheckId + static_cast<int>(i);
            rows.push_back(BlockRow<U>(keys[i], id, names[i], C::Check, id, Element(&U::options, i))
                               .At({kVersionOffset, 1, BitMask(kFirstOptionBit + static_cast<int>(i))}));
        }
        return rows;
    }();
    return table;
}

ModelData::ModelData() : FeatureData(kSize) {}

void ModelData::Attach(RadioInfoData& radioInfo, MiscData& misc) {
    radioInfo_ = &radioInfo;
    misc_ = &misc;
}

void ModelData::SetDefaults(const DataContext&) {
    auto bytes = Bytes();
    std::fill(bytes.begin(), bytes.end(), 0xFF);
    bytes[kTuneSwitchOffset] = SetBit(bytes[kTuneSwitchOffset], kTuneSwitchBit, true);
    WriteBe32(bytes, kOscillatorOffset, FreqToBcd(kDefaultOscillatorCount));
    WriteBe32(bytes, kIntermediateOffset, FreqToBcd(kDefaultIntermediateCount));
    bytes[kIfDirectionOffset] = SetBit(bytes[kIfDirectionOffset], kIfDirectionBit, true);
    WriteBe16(bytes, kOpenChannelOffset, kDefaultOpenChannel);
}

void ModelData::LoadFromImage(const Image& image) {
    CopyFromImage(image, ImageMap::kModelData, Bytes());
    if (misc_) {
        CopyFromImage(image, ImageMap::kModelDataShared, misc_->SharedBytes());
    }
}

void ModelData::StoreToImage(Image& image) const {
    CopyToImage(image, ImageMap::kModelData, Bytes());
    if (misc_) {
        CopyToImage(image, ImageMap::kModelDataShared, std::as_const(*misc_).SharedBytes());
    }
}

void ModelData::LoadUi(ModelDataUi& ui, const TextLookup& texts, const DataContext& context) const {
    if (radioInfo_) {
        const std::uint8_t code = radioInfo_->RangeCode();
        ui.modelName = Trim(radioInfo_->ModelName());
        ui.band = ListText(texts, kBandListId, (code & RadioInfoData::kUvBandBit) ? 1 : 0);
        ui.rangeId = std::to_string(code & RadioInfoData::kRangeIdMask);
        ui.signalType = ListText(texts, kSignalTypeListId, radioInfo_->SignalType());
        ui.serialNumber = radioInfo_->SerialNumber();
    }
    ui.lowerLimit = FreqToBcd(MHzToCount(context.rangeLowMHz));
    ui.upperLimit = FreqToBcd(MHzToCount(context.rangeHighMHz));
    LoadBlockFields(OwnFields(), Bytes(), ui, texts);
    if (misc_) {
        LoadBlockFields(SharedFields(), std::as_const(*misc_).SharedBytes(), ui, texts);
    }
}

void ModelData::StoreUi(const ModelDataUi& ui, const TextLookup& texts, const DataContext& context,
                        const VolumeTable& volumes) {
    const bool uvBand = UvBand(context);
    if (radioInfo_) {
        radioInfo_->SetModelName(ui.modelName);
        std::uint8_t code = radioInfo_->RangeCode();
        const int band = ListValueOr(texts, kBandListId, ui.band, (code & RadioInfoData::kUvBandBit) ? 1 : 0);
        code = SetBit(code, 7, (band & 1) != 0);
        if (const auto id = ReadDecimalInteger(ui.rangeId)) {
            code =
                SetBits(code, RadioInfoData::kRangeIdMask,
                        static_cast<unsigned>(std::clamp<std::int64_t>(*id, 0, RadioInfoData::kRangeIdMask)));
        }
        radioInfo_->SetRangeCode(code);
        radioInfo_->SetSignalType(static_cast<std::uint8_t>(
            ListValueOr(texts, kSignalTypeListId, ui.signalType, radioInfo_->SignalType())));
        if (ui.lowerLimit != kNoFreq) {
            radioInfo_->SetLowerEdge(ui.lowerLimit);
        }
        if (ui.upperLimit != kNoFreq) {
            radioInfo_->SetUpperEdge(ui.upperLimit);
        }
        radioInfo_->SetModelId(context.modelId);
        radioInfo_->SetSerialNumber(ui.serialNumber);
    }

    auto own = Bytes();
    StoreBlockFields(OwnFields(), ui, own, texts);
    if (uvBand) {
        // A radio of the U/V band has no direction to choose: the bit is always cleared.
        own[kIfDirectionOffset] = SetBit(own[kIfDirectionOffset], kIfDirectionBit, false);
    }
    if (misc_) {
        auto shared = misc_->SharedBytes();
        StoreBlockFields(SharedFields(), ui, shared, texts);
        shared[kWideVolumeOffset] = volumes.Wide(uvBand);
        shared[kNarrowVolumeOffset] = volumes.Narrow(uvBand);
    }
}

ModelData::Location ModelData::Locate(std::size_t address) {
    if (address >= ImageMap::kRadioInfo && address <= kRadioInfoLast) {
        std::size_t index = address - ImageMap::kRadioInfo;
        // The band edges are held least significant byte first; the radio has them the other way.
        for (std::size_t edge : {RadioInfoData::kLowerEdgeOffset, RadioInfoData::kUpperEdgeOffset}) {
            if (index >= edge && index < edge + kEdgeSize) {
                index = edge + (kEdgeSize - 1) - (index - edge);
                break;
            }
        }
        return {Area::RadioInfo, index};
    }
    if (address >= ImageMap::kModelData && address <= kOwnLast) {
        return {Area::Own, address - ImageMap::kModelData};
    }
    if (address >= ImageMap::kModelDataShared && address <= kSharedLast) {
        return {Area::Shared, address - ImageMap::kModelDataShared};
    }
    return {Area::None, 0};
}

std::vector<std::uint8_t> ModelData::RadioBytes(std::size_t address, std::size_t count) const {
    std::vector<std::uint8_t> bytes(count, 0xFF);
    for (std::size_t i = 0; i < count; ++i) {
        const Location at = Locate(address + i);
        if (at.area == Area::Own) {
            bytes[i] = Bytes()[at.index];
        } else if (at.area == Area::RadioInfo && radioInfo_) {
            bytes[i] = std::as_const(*radioInfo_).Bytes()[at.index];
        } else if (at.area == Area::Shared && misc_) {
            bytes[i] = std::as_const(*misc_).SharedBytes()[at.index];
        }
    }
    return bytes;
}

void ModelData::TakeRadioBytes(std::size_t address, std::span<const std::uint8_t> bytes) {
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const Location at = Locate(address + i);
        if (at.area == Area::Own) {
            Bytes()[at.index] = bytes[i];
        } else if (at.area == Area::RadioInfo && radioInfo_) {
            radioInfo_->Bytes()[at.index] = bytes[i];
        } else if (at.area == Area::Shared && misc_) {
            misc_->SharedBytes()[at.index] = bytes[i];
        }
    }
}

std::string ModelData::RangeTextFromLimits() const {
    if (!radioInfo_) {
        return {};
    }
    return FormatRange(static_cast<int>(BcdToFreq(radioInfo_->LowerEdge()) / kCountsPerMHz),
                       static_cast<int>(BcdToFreq(radioInfo_->UpperEdge()) / kCountsPerMHz));
}

IdentityChanges ModelData::CompareIdentity(const DataContext& context) const {
    IdentityChanges changes;
    if (!radioInfo_) {
        return changes;
    }
    changes.modelName = radioInfo_->ModelName() != AsStoredName(context.modelName);
    changes.range = RangeTextFromLimits() != FormatRange(context.rangeLowMHz, context.rangeHighMHz);
    changes.signalType = radioInfo_->SignalType() != static_cast<std::uint8_t>(context.signalType);
    return changes;
}

void ModelData::RestoreModelName(const DataContext& context) {
    if (radioInfo_) {
        radioInfo_->SetModelName(context.modelName);
    }
}

void ModelData::RestoreRange(const DataContext& context) {
    if (radioInfo_) {
        radioInfo_->SetEdgesMHz(context.rangeLowMHz, context.rangeHighMHz);
    }
}

void ModelData::RestoreSignalType(const DataContext& context) {
    if (radioInfo_) {
        radioInfo_->SetSignalType(static_cast<std::uint8_t>(context.signalType));
    }
}

} // namespace tav

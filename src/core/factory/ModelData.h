#pragma once

#include "core/data/BlockFields.h"
#include "core/data/FeatureData.h"
#include "core/data/FreqCodec.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace tav {

class MiscData;
class RadioInfoData;
class TextLookup;
class VolumeTable;

/// What the Factory Mode dialog shows.
struct ModelDataUi {
    std::string modelName;          ///< edit 4811 (blanks trimmed on both sides)
    std::string band;               ///< list 4850 (U/V band flag)
    std::string rangeId;            ///< edit 4852, "%d"
    std::string signalType;         ///< list 4848
    BcdFreq lowerLimit = kNoFreq;   ///< 4819; shows the document's current range, not the stored limit
    BcdFreq upperLimit = kNoFreq;   ///< 4821
    std::string serialNumber;       ///< edit 4815
    int tuneSwitchOpen = 0;         ///< radio buttons 4844 "Open" / 4845 "Close"
    BcdFreq oscillator = kNoFreq;   ///< 4823, PLL local oscillator
    BcdFreq intermediate = kNoFreq; ///< 4825, receiver intermediate frequency
    std::string ifDirection;        ///< list 4827
    std::string openChannel;        ///< list 4813
    std::string buildType;          ///< list 4831 (release / debug)
    std::string display;            ///< list 4833 (LCD / no LCD)
    std::array<int, 4> options{};   ///< check boxes 4834-4837
};

/// Which parts of the document's identity the model data no longer matches.
struct IdentityChanges {
    bool modelName = false;
    bool range = false;
    bool signalType = false;
};

/// The factory model data: its own 36 bytes at image 0x00B5-0x00D8 and, through references, the
/// radio-information bytes (model name, band, signalling type, limits, model identifier, serial
/// number) and the miscellaneous bytes 41-72 (image 0x00DE-0x00FD). All bytes are held in image
/// order, in which every multi-byte number is most significant byte first except the band edges
/// of the radio information (least significant byte first, see RadioInfoData).
class ModelData : public FeatureData {
public:
    static constexpr std::size_t kSize = 36;
    static constexpr std::size_t kRadioAddress = 0xB5;
    // Own bytes, offsets from 0x00B5.
    static constexpr std::size_t kTuneSwitchOffset = 0x00; ///< bit 0: 1 open, 0 closed
    static constexpr int kTuneSwitchBit = 0;
    static constexpr std::size_t kOscillatorOffset = 0x0B;   ///< 0x00C0, BcdFreq, big-endian
    static constexpr std::size_t kIntermediateOffset = 0x0F; ///< 0x00C4, BcdFreq, big-endian
    static constexpr std::size_t kIfDirectionOffset = 0x13;  ///< 0x00C8 bit 0
    static constexpr int kIfDirectionBit = 0;
    static constexpr std::size_t kOpenChannelOffset = 0x14; ///< 0x00C9, 16 bits, big-endian
    // Shared miscellaneous bytes, offsets from 0x00DE.
    static constexpr std::size_t kVersionOffset = 0x03; ///< 0x00E1
    static constexpr int kBuildTypeBit = 0;
    static constexpr int kDisplayBit = 2;
    static constexpr int kFirstOptionBit = 3;                ///< four option flags in bits 3-6
    static constexpr std::size_t kKeptWordOffset = 0x06;     ///< 0x00E4, 16 bits, no editor
    static constexpr std::size_t kWideVolumeOffset = 0x09;   ///< 0x00E7
    static constexpr std::size_t kNarrowVolumeOffset = 0x0A; ///< 0x00E8

    static constexpr int kDialogId = 4805;
    static constexpr int kTuneSwitchLabel = 4839;
    static constexpr int kModelNameEditId = 4811;
    static constexpr int kOpenChannelListId = 4813;
    static constexpr int kSerialNumberEditId = 4815;
    static constexpr int kLowerLimitEditId = 4819;
    static constexpr int kUpperLimitEditId = 4821;
    static constexpr int kOscillatorEditId = 4823;
    static constexpr int kIntermediateEditId = 4825;
    static constexpr int kIfDirectionListId = 4827;
    static constexpr int kBuildTypeListId = 4831;
    static constexpr int kDisplayListId = 4833;
    static constexpr int kFirstOptionCheckId = 4834;
    static constexpr int kTuneOpenButtonId = 4844;
    static constexpr int kTuneCloseButtonId = 4845;
    static constexpr int kSignalTypeListId = 4848;
    static constexpr int kBandListId = 4850;
    static constexpr int kRangeIdEditId = 4852;

    static constexpr std::uint32_t kDefaultOscillatorCount = 1280000;   ///< 12.80000 MHz
    static constexpr std::uint32_t kDefaultIntermediateCount = 3885000; ///< 38.85000 MHz
    static constexpr std::uint16_t kDefaultOpenChannel = 16;

    ModelData();

    /// The fields of the model data's own 36 bytes, offsets from 0x00B5.
    static const BlockFieldTable<ModelDataUi>& OwnFields();
    /// The fields of the shared miscellaneous bytes, offsets from 0x00DE.
    static const BlockFieldTable<ModelDataUi>& SharedFields();

    /// Points the block at the radio-information block and the miscellaneous block whose bytes it
    /// shares. Both must outlive it. Until then only the own 36 bytes are loaded and stored.
    void Attach(RadioInfoData& radioInfo, MiscData& misc);

    /// The own bytes: erased, tune switch open, oscillator 12.8 MHz, intermediate frequency
    /// 38.85 MHz, direction bit set, open channel 16. The shared bytes keep their own defaults.
    void SetDefaults(const DataContext& context) override;
    /// Own bytes from 0x00B5, and the shared bytes from 0x00DE into the miscellaneous block.
    void LoadFromImage(const Image& image) override;
    void StoreToImage(Image& image) const override;

    void LoadUi(ModelDataUi& ui, const TextLookup& texts, const DataContext& context) const;
    /// Writes the dialog back. The model identifier always becomes the current one; the direction
    /// bit is forced to 0 and the volumes come from the `vwide`/`vnarrow` keys when the current
    /// range has the U/V band flag (`uwide`/`unarrow` otherwise).
    void StoreUi(const ModelDataUi& ui, const TextLookup& texts, const DataContext& context,
                 const VolumeTable& volumes);

    /// The Write Tune Switch button sets the whole byte 0x00B5 to 1 (open) or 0 (closed).
    void SetTuneSwitchByte(bool open) { Bytes()[kTuneSwitchOffset] = open ? 1 : 0; }

    /// The model data's bytes as the radio holds them (every number most significant byte
    /// first), for radio addresses 0x0010-0x0057, 0x00B5-0x00D8 and 0x00DE-0x00FD; any other
    /// address reads as 0xFF.
    std::vector<std::uint8_t> RadioBytes(std::size_t address, std::size_t count) const;
    /// Takes bytes read from the radio at `address` into the model data; bytes at addresses the
    /// model data does not hold are ignored.
    void TakeRadioBytes(std::size_t address, std::span<const std::uint8_t> bytes);

    /// The stored limits as "%d-%d" in whole megahertz.
    std::string RangeTextFromLimits() const;
    /// What the Close button asks about: the stored name, limits and signalling type against the
    /// document's identity.
    IdentityChanges CompareIdentity(const DataContext& context) const;
    /// The answers No of those questions: put the document's value back.
    void RestoreModelName(const DataContext& context);
    void RestoreRange(const DataContext& context);
    void RestoreSignalType(const DataContext& context);

private:
    enum class Area { None, RadioInfo, Own, Shared };
    struct Location {
        Area area;
        std::size_t index; ///< within the block of that area
    };
    /// Where the byte of radio address `address` is held.
    static Location Locate(std::size_t address);

    RadioInfoData* radioInfo_ = nullptr;
    MiscData* misc_ = nullptr;
};

} // namespace tav

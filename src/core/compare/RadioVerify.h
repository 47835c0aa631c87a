#pragma once

#include "core/compare/ConfigCompare.h"
#include "core/data/Image.h"

#include <vector>

namespace tav {

class CDataContainer;
class TextLookup;

/// Whether a radio holds what a write sent it: the data as written (its image rebuilt by the data
/// objects, as a write sends it) compared field by field with an image read back from the radio.
/// Only the bytes a full write sends count; the programming date the write stamps, and every
/// region it leaves as the radio had it (identity, band, model and tuning data), are taken from
/// the radio's side, so they never show as differences.
class RadioVerify {
public:
    /// Language texts: the radio does not hold the data; it does; the count heading a list;
    /// the read-back failed; the log line; the label of the option "Verify after writing".
    static constexpr int kDiffersMessage = 9480;
    static constexpr int kEqualMessage = 9481;
    static constexpr int kListMessage = 9482;
    static constexpr int kReadFailedMessage = 9483;
    static constexpr int kLogMessage = 9484;
    static constexpr int kOptionLabel = 9130;
    /// The one result of a write with "Verify after writing".
    static constexpr int kWrittenAndVerifiedMessage = 9470;
    static constexpr int kWrittenButDiffersMessage = 9471;
    static constexpr int kWrittenReadBackFailedMessage = 9472;

    /// `factoryLevel`: the write also sent 0x13FB-0x1427, as at a factory user level.
    RadioVerify(const TextLookup& texts, bool factoryLevel) : texts_(texts), factoryLevel_(factoryLevel) {}

    /// The differences, named as `ConfigCompare` names them: the written value first, the radio's
    /// second ("Channel 3 · RX Frequency (MHz): 400.32500 -> 400.25000"). Empty when the radio
    /// holds the data.
    std::vector<ConfigDifference> Compare(const CDataContainer& written, const Image& radio) const;

    /// What the radio should hold after a write of `written`: the radio's own bytes, with the
    /// bytes the write sends replaced by the written ones.
    Image Expected(const Image& written, const Image& radio) const;

private:
    const TextLookup& texts_;
    bool factoryLevel_;
};

} // namespace tav

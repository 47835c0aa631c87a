#pragma once

#include "core/data/Image.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tav {

/// One image byte that changed between two looks.
struct ImageChange {
    std::size_t address = 0;
    std::uint8_t before = 0;
    std::uint8_t after = 0;

    int Row() const { return static_cast<int>(address / 16 + 1); }    ///< memory grid row
    int Column() const { return static_cast<int>(address % 16 + 1); } ///< memory grid column
    /// "$E.0x1A3:0C->C8"
    std::string LineText() const;
    /// "$E.0x1A3:12->200"
    std::string DecimalText() const;
    /// "$E.0x1A3:00001100\r\n->11001000"
    std::string BinaryText() const;
    /// The detail shown for a selected change: decimal text, a line break, binary text.
    std::string DetailText() const { return DecimalText() + "\r\n" + BinaryText(); }
};

/// Every byte that differs between two images, in ascending address order.
std::vector<ImageChange> CompareImages(const Image& before, const Image& after);

/// The data watch: a snapshot of the image and the log of the bytes that changed since the view
/// last looked. A byte that changes twice is listed twice.
class ImageChangeLog {
public:
    explicit ImageChangeLog(const Image& snapshot) : snapshot_(snapshot) {}

    /// Compares the image with the snapshot, logs and returns the changes, and takes them over
    /// into the snapshot.
    std::vector<ImageChange> Compare(const Image& image);
    /// Empties the log; the snapshot is kept.
    void Clear() { changes_.clear(); }

    const Image& Snapshot() const { return snapshot_; }
    const std::vector<ImageChange>& Changes() const { return changes_; }
    /// The logged change shown at a grid cell, if any (the last one logged for that byte).
    const ImageChange* FindAt(int row, int column) const;

private:
    Image snapshot_;
    std::vector<ImageChange> changes_;
};

} // namespace tav

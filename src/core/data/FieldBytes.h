#pragma once

#include <cstddef>
#include <cstdint>

namespace tav {

/// Where a field is stored in its record or block: `size` bytes from `offset` (counted from the
/// record's or block's first byte), of which the bits in `mask` belong to the field (0xFF: whole
/// bytes). A difference in these bits is explained by the field; any other differing bit is listed.
struct FieldBytes {
    std::size_t offset = 0;
    std::size_t size = 1;
    std::uint8_t mask = 0xFF;

    bool operator==(const FieldBytes&) const = default;
};

} // namespace tav

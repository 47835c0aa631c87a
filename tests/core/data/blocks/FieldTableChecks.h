#pragma once

// Checks shared by the tests of the records' field tables.
#include "core/data/BlockFields.h"

#include <gtest/gtest.h>
#include <set>
#include <span>
#include <string>
#include <vector>

namespace tav::test {

/// Keys, labels and controls are unique; every field the block holds lies inside it and has bits;
/// list fields name their list and no other field does; every field has a label to fall back on
/// and is found by its control.
template <class Ui> void ExpectTableWellFormed(const BlockFieldTable<Ui>& table, std::size_t blockSize) {
    std::set<std::string> keys;
    std::set<int> controls;
    std::set<int> labels;
    for (const BlockField<Ui>& field : table) {
        SCOPED_TRACE(field.key);
        EXPECT_TRUE(keys.insert(field.key).second);
        EXPECT_TRUE(controls.insert(field.controlId).second);
        EXPECT_TRUE(labels.insert(field.labelId).second);
        if (field.codec != BlockCodec::FileHeader) {
            EXPECT_LE(field.bytes.offset + field.bytes.size, blockSize);
            EXPECT_NE(field.bytes.mask, 0);
        }
        EXPECT_EQ(field.listId != 0, field.codec == BlockCodec::ListItem);
        EXPECT_NE(std::string(field.fallback), "");
        EXPECT_EQ(&BlockFieldAt(table, field.controlId), &field);
    }
}

/// Whether two copies of a block differ only in the field's bits.
inline bool OnlyFieldDiffers(std::span<const std::uint8_t> before, std::span<const std::uint8_t> after,
                             const BlockFieldInfo& field) {
    for (std::size_t i = 0; i < before.size(); ++i) {
        const bool inField = i >= field.bytes.offset && i < field.bytes.offset + field.bytes.size;
        const std::uint8_t mask = inField ? static_cast<std::uint8_t>(~field.bytes.mask) : 0xFF;
        if ((before[i] & mask) != (after[i] & mask)) {
            return false;
        }
    }
    return true;
}

/// Writes raw bits under the field's mask (a single byte) or its whole bytes.
inline void PutFieldBytes(std::span<std::uint8_t> bytes, const BlockFieldInfo& field,
                          const std::vector<std::uint8_t>& value) {
    if (value.size() == 1) {
        std::uint8_t& byte = bytes[field.bytes.offset];
        unsigned shift = 0;
        while (((field.bytes.mask >> shift) & 1U) == 0) {
            ++shift;
        }
        byte =
            static_cast<std::uint8_t>((byte & ~field.bytes.mask) | ((value[0] << shift) & field.bytes.mask));
        return;
    }
    std::copy(value.begin(), value.end(), bytes.begin() + static_cast<std::ptrdiff_t>(field.bytes.offset));
}

} // namespace tav::test

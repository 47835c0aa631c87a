#pragma once

#include "core/data/BlockFields.h"
#include "core/data/FeatureData.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tav {

/// What the embedded-data view shows: the four long text fields.
struct EmbeddedUi {
    std::array<std::string, 4> texts; ///< edits 4703, 4705, 4707, 4709
};

/// The embedded data: 144 bytes that the radio keeps at 0x1438-0x14C7 and the image 16 bytes
/// lower, at 0x1428-0x14B7. An 8-byte password text, an 8-byte second short text and four 32-byte
/// text fields, each written padded with blanks.
class EmbeddedData : public FeatureData {
public:
    static constexpr std::size_t kSize = 144;
    static constexpr std::size_t kRadioAddress = 0x1438;
    static constexpr std::size_t kPasswordOffset = 0;
    static constexpr std::size_t kShortTextOffset = 8;
    static constexpr std::size_t kShortSize = 8;
    static constexpr std::size_t kFirstTextOffset = 16;
    static constexpr std::size_t kTextSize = 32;
    static constexpr std::size_t kTextCount = 4;

    static constexpr int kViewId = 4701;
    static constexpr std::array<int, kTextCount> kTextEditIds = {4703, 4705, 4707, 4709};
    static constexpr int kWriteButtonId = 4710;

    EmbeddedData();

    /// The four long texts the view shows. The password and the second short text have no editor.
    static const BlockFieldTable<EmbeddedUi>& EditorFields();

    /// New data is all zeros.
    void SetDefaults(const DataContext& context) override;
    void LoadFromImage(const Image& image) override;
    void StoreToImage(Image& image) const override;

    void LoadUi(EmbeddedUi& ui) const;
    /// Writes the four texts, each cut to 32 bytes and padded with blanks.
    void StoreUi(const EmbeddedUi& ui);

    std::string Password() const { return Field(kPasswordOffset, kShortSize); }
    void SetPassword(std::string_view text) { SetField(kPasswordOffset, kShortSize, text); }
    std::string ShortText() const { return Field(kShortTextOffset, kShortSize); }
    void SetShortText(std::string_view text) { SetField(kShortTextOffset, kShortSize, text); }
    std::string Text(std::size_t index) const { return Field(TextOffset(index), kTextSize); }
    void SetText(std::size_t index, std::string_view text) { SetField(TextOffset(index), kTextSize, text); }

    /// Whether Write must ask for the embedded password first (a password of blanks is none).
    bool HasPassword() const { return !Password().empty(); }

private:
    static constexpr std::size_t TextOffset(std::size_t index) {
        return kFirstTextOffset + kTextSize * index;
    }
    /// A field's text: empty when its first byte is 0xFF; otherwise up to the first 0 byte, with
    /// trailing blanks removed.
    std::string Field(std::size_t offset, std::size_t size) const;
    void SetField(std::size_t offset, std::size_t size, std::string_view text);
};

} // namespace tav

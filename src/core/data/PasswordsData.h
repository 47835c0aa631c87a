#pragma once

#include "core/data/BlockFields.h"
#include "core/data/FeatureData.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tav {

/// What the passwords editor shows.
struct PasswordsUi {
    std::string powerOn;     ///< edit 6353 (power-on / keylock)
    std::string writeDealer; ///< edit 6355 (write / tune / dealer data), changed only through its dialog
    std::string read;        ///< edit 6357 (read data)
};

/// The radio's own passwords: three fields of 8 bytes, each an ASCII text of at most 8 digits
/// filled up with 0 bytes; an all-zero field is no password.
class PasswordsData : public FeatureData {
public:
    static constexpr std::size_t kSize = 24;
    static constexpr std::size_t kFieldSize = 8;
    static constexpr std::size_t kPowerOnOffset = 0;
    static constexpr std::size_t kWriteDealerOffset = 8;
    static constexpr std::size_t kReadOffset = 16;

    static constexpr int kTemplateId = 6351;
    static constexpr int kPowerOnEditId = 6353;
    static constexpr int kWriteDealerEditId = 6355;
    static constexpr int kReadEditId = 6357;
    static constexpr int kChangeButtonId = 6358;

    PasswordsData();

    void SetDefaults(const DataContext& context) override;
    void LoadFromImage(const Image& image) override;
    void StoreToImage(Image& image) const override;

    /// The three passwords: texts with a terminating 0, named by the compare and the report only as
    /// set or not set.
    static const BlockFieldTable<PasswordsUi>& EditorFields();

    void LoadUi(PasswordsUi& ui) const;
    /// Writes each changed text into its field: its first 8 characters, then 0 bytes. A field whose
    /// text is unchanged keeps its bytes, those after the terminating 0 too.
    void StoreUi(const PasswordsUi& ui);

    std::string PowerOn() const { return Field(kPowerOnOffset); }
    std::string WriteDealer() const { return Field(kWriteDealerOffset); }
    std::string Read() const { return Field(kReadOffset); }

private:
    std::string Field(std::size_t offset) const;
};

/// A password as its edit accepts it: digits only, at most 8.
std::string NormalizePasswordText(std::string_view text);

} // namespace tav

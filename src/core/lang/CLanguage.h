#pragma once

#include "core/lang/ListText.h"
#include "core/lang/TextLookup.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tav {

/// The texts of one language file: messages (group S01), control, caption and menu texts and the
/// drop-down lists (group S02), model texts (group S03), and the per-model switches (group S00) that
/// disable controls.
///
/// Every lookup goes to the file (through the private-profile cache), so a changed file takes
/// effect at the next lookup; a missing file or key gives empty text. Windows that translate
/// themselves only walk their controls and ask `GetControlText`, `IsControlDisabled`, `ListItems`,
/// `ListBoxItems` and `EditRange` by control id.
class CLanguage : public TextLookup {
public:
    /// Section of the language file that holds the texts.
    static constexpr const char* kSection = "Setting";
    /// Bytes read for each group, as buffers of these sizes (terminating NUL included) would.
    static constexpr std::size_t kMessageBytes = 256;
    static constexpr std::size_t kControlBytes = 25600;
    static constexpr std::size_t kModelBytes = 256;

    /// `modelIdSource` gives the current model identifier, the section of the per-model switches.
    CLanguage(std::filesystem::path languageFile, std::function<std::string()> modelIdSource);

    void SetLanguageFile(std::filesystem::path file);
    const std::filesystem::path& LanguageFile() const { return file_; }

    /// Message text n (group S01).
    std::string GetMessageText(int n) const override;
    /// Control, caption, menu or list text n (group S02).
    std::string GetControlText(int n) const override;
    /// Model text n (group S03); 450 and 460 are the model identifiers data files may carry.
    std::string GetModelText(int n) const;
    /// Group S02 text n when `controlGroup` is set, else group S01. `inOut` holds the default and
    /// receives the text; returns whether the key exists.
    bool GetText(int n, bool controlGroup, std::string& inOut) const;

    /// The per-model switch of a control for the current model (0 when absent or no model is set).
    int IsControlDisabled(int controlId) const override;

    /// Conversions between a raw value and the text of an item of list `listId` (see ListText).
    std::string ListValueToText(int listId, int value) const override;
    int ListTextToValue(int listId, const std::string& text) const override;
    /// Drop-down fill: all items, range items expanded.
    std::vector<ListItem> ListItems(int listId) const;
    /// List-box fill: the value items only.
    std::vector<ListItem> ListBoxItems(int listId) const;
    /// Item texts cut at their first ','.
    std::vector<std::string> ListTexts(int listId) const;

    /// The seven numbers configuring a numeric range edit; nothing when the control has no such text
    /// or its divisor or step is zero.
    std::optional<NumericRange> EditRange(int controlId) const;

    /// The key of text n of a group: "S01" and n as five digits, and so on.
    static std::string Key(const char* group, int n);

private:
    std::string Lookup(const char* group, int n, std::size_t bytes) const;

    std::filesystem::path file_;
    std::function<std::string()> modelIdSource_;
};

} // namespace tav

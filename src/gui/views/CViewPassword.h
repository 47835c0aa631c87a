#pragma once

#include "gui/views/CCustomFormView.h"

#include <memory>

class QLineEdit;

namespace tav::gui {

class PasswordEntry;

/// The radio's passwords (template 6351): the read password typed in its edit; the write / tune /
/// dealer password shown masked and changed only through "...", which asks for it twice in the
/// password dialog so that a typing slip in the hidden text cannot lock the dealer out. The
/// power-on / keylock password is kept as it is (its edit is hidden). Digits only, at most 8.
class CViewPassword : public CCustomFormView {
    Q_OBJECT
public:
    static constexpr int kMaxDigits = 8;
    /// Prompt of the second entry, and the message when the two entries differ.
    static constexpr int kConfirmPrompt = 6362;
    static constexpr int kEntriesDiffer = 6363;

    CViewPassword(AppContext& context, EditorHost* host, std::shared_ptr<PasswordEntry> entry,
                  QWidget* parent = nullptr);

    void LoadView() override;
    void StoreView() override;

    QLineEdit* Edit(int editId) const;

protected:
    ChangeOrder Order() const override { return ChangeOrder::NotifyThenStore; }
    void OnControlChanged(int controlId, int notifyCode) override;

private:
    void ChangeWritePassword();

    std::shared_ptr<PasswordEntry> entry_;
};

} // namespace tav::gui

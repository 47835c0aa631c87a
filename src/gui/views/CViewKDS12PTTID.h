#pragma once

#include "gui/views/CCustomFormView.h"

namespace tav::gui {

/// The data-signalling PTT-ID editor (template 1655): primary ID, PTT-ID type, pretime, preamble
/// bit sync, side tone and short beep. The ID edit takes hexadecimal digits and corrects them when
/// it loses the focus; the group ID edit is kept hidden and stores nothing. The radio sends the
/// first personality's PTT-ID, so these fields are that personality's and are stored into it too.
class CViewKDS12PTTID : public CCustomFormView {
    Q_OBJECT
public:
    static constexpr int kGroupIdLabel = 1662;
    /// The characters an ID edit takes.
    static constexpr const char* kIdCharacters = "0123456789abcdeABCDE";

    CViewKDS12PTTID(AppContext& context, EditorHost* host, QWidget* parent = nullptr);

    void LoadView() override;
    void StoreView() override;
    void DataChanged(std::uint32_t wParam, const RecordListNotice* notice) override;

protected:
    void OnControlChanged(int controlId, int notifyCode) override;
};

} // namespace tav::gui

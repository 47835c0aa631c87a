#pragma once

#include "gui/views/CTAVPropertyPage.h"

class QComboBox;

namespace tav {
class ScanListData;
}

namespace tav::gui {

/// The scan list's member page (template 3803): the number of entries in use and the channel of
/// each of the 16 members. Only the members in use can be chosen; the others keep their channels.
class CChinnelListPage : public CTAVPropertyPage {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 3803;
    static constexpr int kEntries = 3943;
    static constexpr int kFirstMember = 3873;
    static constexpr int kFirstMemberLabel = 3905;
    static constexpr int kMembers = 16;

    CChinnelListPage(AppContext& context, EditorHost* host, QWidget* parent = nullptr);

    void SetData(ScanListData* scanList) { scanList_ = scanList; }
    void LoadView() override;
    void StoreView() override;

    QComboBox* Combo(int id) const;

protected:
    ChangeOrder Order() const override { return ChangeOrder::NotifyThenStore; }
    void OnControlChanged(int controlId, int notifyCode) override;

private:
    void EnableMembers();

    ScanListData* scanList_ = nullptr;
};

} // namespace tav::gui

#pragma once

#include "core/data/ScanListData.h"
#include "gui/views/CTAVPropertyPage.h"

class QComboBox;

namespace tav::gui {

/// The scan list's member page (template 3803): the number of entries in use and the channel of
/// each of the 16 members. Only the members in use can be chosen; the others keep their channels.
class CChinnelListPage : public CTAVPropertyPage {
    Q_OBJECT
public:
    static constexpr int kTemplateId = ScanListData::kMembersPageText;
    static constexpr int kEntries = ScanListData::kEntriesList;
    static constexpr int kFirstMember = ScanListData::kFirstMemberControl;
    static constexpr int kFirstMemberLabel = ScanListData::kFirstMemberLabel;
    static constexpr int kMembers = static_cast<int>(ScanListRecord::kMemberCount);

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

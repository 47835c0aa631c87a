#pragma once

#include "gui/views/CTAVPropertySheet.h"

namespace tav {
class ScanListData;
}

namespace tav::gui {

class AppContext;
class CConfigPage;
class CChinnelListPage;
class EditorHost;

/// The scan editor's tabs: the configuration page, then the member page.
class CScanSheet : public CTAVPropertySheet {
    Q_OBJECT
public:
    CScanSheet(AppContext& context, EditorHost* host, QWidget* parent = nullptr);

    void SetData(ScanListData* scanList);
    void LoadPages();
    void StorePages();

    CConfigPage* Config() const { return config_; }
    CChinnelListPage* Members() const { return members_; }

private:
    CConfigPage* config_;
    CChinnelListPage* members_;
};

} // namespace tav::gui

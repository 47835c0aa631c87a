#pragma once

#include "core/data/ObjectId.h"
#include "gui/views/CTAVPropertySheet.h"

namespace tav {
struct RecordListNotice;
}

namespace tav::gui {

class AppContext;
class CTTSystemAdvancePage;
class EditorHost;

/// The two tabs of the two-tone system editor, basic and advance, bound to one system.
class CViewTToneSystemSheet : public CTAVPropertySheet {
    Q_OBJECT
public:
    CViewTToneSystemSheet(AppContext& context, EditorHost* host, QWidget* parent = nullptr);
    /// The pages store a last time and stop reacting to their controls.
    ~CViewTToneSystemSheet() override;

    void Bind(ObjectId system);
    void LoadPages();
    void StorePages();
    /// A record list changed: the advance page follows the alert tones.
    void RecordListChanged(const RecordListNotice& notice);

private:
    CTTSystemAdvancePage* advance_;
};

} // namespace tav::gui

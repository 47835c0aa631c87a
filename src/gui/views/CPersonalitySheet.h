#pragma once

#include "core/data/ObjectId.h"
#include "gui/views/CTAVPropertySheet.h"

namespace tav {
struct RecordListNotice;
}

namespace tav::gui {

class AppContext;
class CPersonalityPage;
class CPersonalitySignalPage;
class EditorHost;

/// The four tabs of the personality editor: RX/TX, squelch, PTT-ID and signalling, all bound to
/// one personality.
class CPersonalitySheet : public CTAVPropertySheet {
    Q_OBJECT
public:
    CPersonalitySheet(AppContext& context, EditorHost* host, QWidget* parent = nullptr);
    /// The pages store a last time and stop reacting to their controls.
    ~CPersonalitySheet() override;

    void Bind(ObjectId personality);
    void LoadPages();
    void StorePages();
    /// A record list changed: the signalling page follows the two-tone systems.
    void RecordListChanged(const RecordListNotice& notice);
    CPersonalityPage* Page(int index) const;

private:
    CPersonalitySignalPage* signal_;
};

} // namespace tav::gui

#pragma once

#include "core/data/ObjectId.h"
#include "gui/views/CTAVPropertyPage.h"

namespace tav {
class TwoToneSystemData;
}

namespace tav::gui {

/// A page of the two-tone system editor: bound to one system by its ObjectId, so a page never
/// holds on to a record that was deleted meanwhile.
class CTToneSystemPage : public CTAVPropertyPage {
    Q_OBJECT
public:
    CTToneSystemPage(AppContext& context, EditorHost* host, int templateId, QWidget* parent = nullptr);

    void Bind(ObjectId system) { system_ = system; }
    ObjectId Bound() const { return system_; }
    /// The bound system; nullptr when there is none (any more).
    TwoToneSystemData* System() const;

private:
    ObjectId system_ = kNoObject;
};

} // namespace tav::gui

#pragma once

#include "gui/views/CCustomFormView.h"

class QComboBox;

namespace tav::gui {

/// The programmable keys editor (template 6601): the functions of keys A2, A3, B2 and B3 in their
/// own drop-downs. The lists of the other keys exist hidden (a language file may show them for
/// another model); only the four shown keys are stored.
class CViewBtnKey : public CCustomFormView {
    Q_OBJECT
public:
    CViewBtnKey(AppContext& context, EditorHost* host, QWidget* parent = nullptr);

    void LoadView() override;
    void StoreView() override;

    /// The drop-down of key k (0 = A1 … 17 = F3).
    QComboBox* KeyList(std::size_t key) const;
};

} // namespace tav::gui

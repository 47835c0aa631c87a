#pragma once

#include "gui/views/CCustomFormView.h"

#include <memory>

namespace tav::gui {

class FactoryPort;

/// The embedded data (form 4701): four free texts the radio keeps for the factory. On opening
/// the view reads them from the radio; when no radio answers (or the read fails) the view's
/// window closes again. Write sends them back, after the embedded password when one is stored.
class CViewEmbedded : public CCustomFormView {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 4701;
    static constexpr int kWriteButton = 4710;
    static constexpr int kStartDelayMs = 10;

    CViewEmbedded(AppContext& context, EditorHost* host, QWidget* parent = nullptr);
    ~CViewEmbedded() override;

    /// Shows the data and starts the read from the radio.
    void OnInitialUpdate() override;
    void LoadView() override;
    void StoreView() override;

    /// Reads the embedded data from the radio; false (and the window closes) when it failed.
    bool ReadFromRadio();
    /// The Write button: stores, asks for the stored password if any, and writes.
    bool WriteToRadio();

private:
    bool AskStoredPassword();
    void CloseWindow();

    std::unique_ptr<FactoryPort> port_;
};

} // namespace tav::gui

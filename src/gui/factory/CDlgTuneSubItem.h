#pragma once

#include "core/factory/TestFreqData.h"
#include "core/factory/TuneData.h"
#include "core/factory/TuningPoints.h"
#include "gui/ui/DialogTemplate.h"

#include <QDialog>
#include <QTimer>
#include <array>
#include <cstdint>
#include <vector>

class QLabel;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QTabBar;

namespace tav {
class RadioLink;
}

namespace tav::gui {

class AppContext;

/// One tuning item on the bench (dialog 7004): the points of one channel spacing as tabs, the
/// current point's value on a scroll bar, the volume on another, and the test switch. A new
/// value goes to the radio once the scroll bar has settled (the thumb released, or no further
/// step for a moment), never while it is being dragged. OK commits the radio's values and takes
/// them into the data; Cancel tells the radio to discard them. A value the radio refuses or does
/// not take ends the dialog (`Failure` says why) after telling the radio to discard.
class CDlgTuneSubItem : public QDialog {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 7004;
    static constexpr int kNarrowButton = 7073;
    static constexpr int kWideButton = 7074;
    static constexpr int kMiddleButton = 7085;
    static constexpr int kRxText = 7061;
    static constexpr int kTxText = 7063;
    static constexpr int kPointTabs = 7067;
    static constexpr int kTestSwitch = 7071;
    static constexpr int kOkButton = 7075;
    static constexpr int kVolumeBar = 7077;
    static constexpr int kMaximumText = 7078;
    static constexpr int kCurrentText = 7080;
    static constexpr int kValueBar = 7081;
    static constexpr int kVolumeText = 7084;
    static constexpr int kCancelButton = 2;
    static constexpr std::uint16_t kVolumePoint = 0x850B;
    /// How long a scroll bar must rest before its value is sent.
    static constexpr int kSettleMs = 250;

    struct Item {
        std::uint32_t code = 0;
        TuningItemPoints points;
        QString caption;
    };

    CDlgTuneSubItem(AppContext& context, RadioLink& radio, Item item, std::uint16_t firstValue,
                    QWidget* parent = nullptr);

    /// The language text of the failure that ended the dialog; 0 when none did.
    int Failure() const { return failure_; }
    /// The working copy of the tuning block.
    const std::array<std::uint8_t, TuneData::kSize>& WorkingCopy() const { return working_; }
    TuningSpacing Spacing() const { return spacing_; }
    std::uint16_t CurrentPoint() const;
    QWidget* Control(int id) const;
    QScrollBar* ValueBar() const { return valueBar_; }
    QScrollBar* VolumeBar() const { return volumeBar_; }
    QTabBar* Tabs() const { return tabs_; }
    QPushButton* TestSwitch() const { return testSwitch_; }

public slots:
    /// OK: sends what is still settling, commits, and takes the values into the data.
    void accept() override;
    /// Cancel: the radio discards every value sent since the last commit.
    void reject() override;
    void ChooseSpacing(TuningSpacing spacing);
    void ChooseTab(int index);
    /// Sends a settled value or volume now.
    void SendValue();
    void SendVolume();
    void ToggleTestSwitch();

private:
    void BuildControls();
    void ConnectControls();
    void ShowSpacingButtons();
    bool BuildTabs();
    bool ReadCurrentValue();
    void ShowValue(int value);
    void ShowTestSwitch();
    void Fail(int messageId);
    void FlushPending();
    char Selector() const;
    QString Text(int id, const char* fallback) const;

    AppContext& context_;
    RadioLink& radio_;
    Item item_;
    TuningSpacing spacing_ = TuningSpacing::Wide;
    std::array<std::uint8_t, TuneData::kSize> working_{};
    TestFreqTexts freqs_;
    ControlMap controls_;
    QScrollBar* valueBar_ = nullptr;
    QScrollBar* volumeBar_ = nullptr;
    QTabBar* tabs_ = nullptr;
    QPushButton* testSwitch_ = nullptr;
    QTimer valueSettle_;
    QTimer volumeSettle_;
    int sentValue_ = -1;
    int sentVolume_ = -1;
    int failure_ = 0;
    bool ending_ = false;
    bool quiet_ = false;
};

} // namespace tav::gui

#pragma once

#include "core/data/AlertTonePlayer.h"
#include "gui/views/CCustomFormView.h"

#include <memory>
#include <optional>
#include <vector>

class QComboBox;
class QLabel;
class QPushButton;

namespace tav::gui {

class AlertToneChart;
class NumericRangeEdit;
class NumericRangeOffEdit;
class SoundFileChooser;
class SpinArrows;
class ToneSound;

/// The alert tone editor (template 5002): one alert tone at a time with its cycle count, the pause
/// between cycles and eight segments of frequency and duration, drawn as a bar chart. Play sounds
/// it on the computer's sound device while the window goes on; Stop ends it at once (so do moving
/// to another record and closing). "Export WAV…" writes one cycle to a sound file. Adding and
/// deleting alert tones keeps the two-tone decodes on the alert tone they referred to.
class CViewAlertTone : public CCustomFormView {
    Q_OBJECT
public:
    static constexpr int kPlayButton = 5083;
    static constexpr int kStopButton = 5084;
    static constexpr int kStatusIcon = 5085;
    static constexpr int kExportButton = 5086;
    static constexpr int kChart = 5082;
    /// Labels: the cycle, the pause, the two column headings and the eight segment rows.
    static constexpr int kCycleLabel = AlertToneControls::kCycleLabel;
    static constexpr int kBeepSegmentsLabel = AlertToneControls::kBeepSegmentsLabel;
    static constexpr int kFrequencyHeading = 5062;
    static constexpr int kDurationHeading = 5063;
    static constexpr int kFirstSegmentLabel = AlertToneControls::kFirstSegmentLabel;
    /// Texts: the export dialog's caption and the messages.
    static constexpr int kExportCaption = 5087;
    static constexpr int kNoSoundDevice = 5090;
    static constexpr int kPlayingText = 5093;
    static constexpr int kStoppedText = 5094;
    static constexpr int kNothingToExport = 5095;

    CViewAlertTone(AppContext& context, EditorHost* host, std::shared_ptr<ToneSound> sound,
                   std::shared_ptr<SoundFileChooser> files, QWidget* parent = nullptr);
    ~CViewAlertTone() override;

    void OnInitialUpdate() override;
    void LoadView() override;
    void StoreView() override;
    void NavigateRecord(int recordNumber, NavigateCommand command) override;
    std::optional<RecordPosition> Position() const override;

    /// Play and Stop, as the buttons do.
    void Play();
    void Stop();
    bool IsPlaying() const { return playing_; }
    /// What Play sounds and the chart draws, from what the edits show.
    const AlertTonePlayerValues& PlayerValues() const { return values_; }

    QComboBox* CycleList() const;
    NumericRangeEdit* BeepSegmentsEdit() const;
    NumericRangeOffEdit* FrequencyEdit(std::size_t segment) const;
    NumericRangeEdit* DurationEdit(std::size_t segment) const;
    AlertToneChart* Chart() const { return chart_; }
    /// The up and down arrows of an edit.
    SpinArrows* Arrows(int editId) const;
    /// One step of an edit's arrows (or its Up and Down keys): the chart follows at once, the
    /// value is stored when the edit loses the focus.
    void Spin(int editId, bool up);

protected:
    ChangeOrder Order() const override { return ChangeOrder::StoreThenReact; }
    void OnControlChanged(int controlId, int notifyCode) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    AlertToneData* Current() const;
    std::vector<NumericRangeEdit*> Edits() const;
    void ConnectArrows(NumericRangeEdit* edit);
    AlertToneEditTexts ShownTexts() const;
    void Recompute();
    void SetPlaying(bool playing);
    void ExportWav();
    QStringList SegmentNames() const;
    void NameSegmentEdits();

    std::shared_ptr<ToneSound> sound_;
    std::shared_ptr<SoundFileChooser> files_;
    AlertToneChart* chart_ = nullptr;
    QLabel* status_ = nullptr;
    std::optional<std::size_t> current_;
    AlertTonePlayerValues values_;
    bool playing_ = false;
};

} // namespace tav::gui

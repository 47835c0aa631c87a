#include "gui/views/CViewAlertTone.h"

#include "core/audio/ToneSampler.h"
#include "core/audio/ToneSchedule.h"
#include "core/audio/WavFile.h"
#include "core/data/AlertToneSpin.h"
#include "core/data/RecordNavigator.h"
#include "gui/audio/SoundFileChooser.h"
#include "gui/audio/ToneSound.h"
#include "gui/controls/NumericRangeOffEdit.h"
#include "gui/controls/SpinArrows.h"
#include "gui/ui/ControlIds.h"
#include "gui/views/AlertToneChart.h"
#include "gui/views/ComboText.h"
#include "gui/views/FieldNames.h"
#include "gui/views/RecordFieldControls.h"

#include <QDir>
#include <QFile>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

namespace tav::gui {
namespace {

namespace C = AlertToneControls;
constexpr std::size_t kSegments = AlertToneLayout::kSegmentCount;
constexpr int kFirstSegmentRow = 3;
constexpr int kEditDigits = 4;
constexpr int kBeepSegmentDigits = 3;

int FrequencyId(std::size_t k) {
    return C::kFirstFrequency + static_cast<int>(k);
}
int DurationId(std::size_t k) {
    return C::kFirstDuration + static_cast<int>(k);
}

// The arrows of an edit: 5033-5040 for the frequencies, 5047 for the pause and 5048-5055 for the
// durations.
constexpr int kFrequencySpinOffset = 5033 - C::kFirstFrequency;
constexpr int kOtherSpinOffset = 5047 - C::kBeepSegments;

int SpinId(int editId) {
    const bool frequency = editId >= C::kFirstFrequency && editId < FrequencyId(kSegments);
    return editId + (frequency ? kFrequencySpinOffset : kOtherSpinOffset);
}

const RecordField<AlertToneData, AlertToneUi>& FieldOf(int controlId) {
    return RecordFieldAt(AlertToneData::EditorFields(), controlId);
}

DialogTemplate AlertToneTemplate() {
    using V = CViewAlertTone;
    namespace R = RecordFieldControls;
    const auto& cycle = FieldOf(C::kCycle);
    const auto& beepSegments = FieldOf(C::kBeepSegments);
    DialogTemplate dialog{C::kView,
                          QStringLiteral("Alert Tone"),
                          {R::LabelSpec(cycle.control, cycle.label, 0, 0),
                           {C::kCycle, ControlKind::ComboBox, {}, 0, 1},
                           R::LabelSpec(beepSegments.control, beepSegments.label, 1, 0),
                           {C::kBeepSegments, ControlKind::Custom, {}, 1, 1},
                           {SpinId(C::kBeepSegments), ControlKind::Custom, {}, 1, 2},
                           {V::kFrequencyHeading, ControlKind::Label, QStringLiteral("Frequency[Hz]"), 2, 1},
                           {V::kDurationHeading, ControlKind::Label, QStringLiteral("Duration[ms]"), 2, 3}}};
    for (std::size_t k = 0; k < kSegments; ++k) {
        const int row = kFirstSegmentRow + static_cast<int>(k);
        // A segment's row is named by the label its frequency and duration share.
        const auto& frequency = FieldOf(FrequencyId(k));
        dialog.controls.push_back(R::LabelSpec(frequency.control, frequency.label, row, 0));
        dialog.controls.push_back({FrequencyId(k), ControlKind::Custom, {}, row, 1});
        dialog.controls.push_back({SpinId(FrequencyId(k)), ControlKind::Custom, {}, row, 2});
        dialog.controls.push_back({DurationId(k), ControlKind::Custom, {}, row, 3});
        dialog.controls.push_back({SpinId(DurationId(k)), ControlKind::Custom, {}, row, 4});
    }
    const int bottom = kFirstSegmentRow + static_cast<int>(kSegments);
    dialog.controls.push_back({V::kChart, ControlKind::Custom, {}, bottom, 0, 1, 6});
    dialog.controls.push_back(
        {V::kPlayButton, ControlKind::PushButton, QStringLiteral("Play"), bottom + 1, 0});
    dialog.controls.push_back(
        {V::kStopButton, ControlKind::PushButton, QStringLiteral("Stop"), bottom + 1, 1});
    dialog.controls.push_back({V::kStatusIcon, ControlKind::Picture, {}, bottom + 1, 2});
    dialog.controls.push_back(
        {V::kExportButton, ControlKind::PushButton, QStringLiteral("Export WAV…"), bottom + 1, 3, 1, 2});
    return dialog;
}

} // namespace

CViewAlertTone::CViewAlertTone(AppContext& context, EditorHost* host, std::shared_ptr<ToneSound> sound,
                               std::shared_ptr<SoundFileChooser> files, QWidget* parent)
    : CCustomFormView(context, host, C::kView, parent), sound_(std::move(sound)), files_(std::move(files)) {
    std::vector<int> spinIds{SpinId(C::kBeepSegments)};
    for (std::size_t k = 0; k < kSegments; ++k) {
        spinIds.push_back(SpinId(FrequencyId(k)));
        spinIds.push_back(SpinId(DurationId(k)));
    }
    const auto make = [this, &spinIds](const ControlSpec& declared, QWidget* parent) -> QWidget* {
        if (declared.id == kChart) {
            chart_ = new AlertToneChart(parent);
            return chart_;
        }
        if (std::find(spinIds.begin(), spinIds.end(), declared.id) != spinIds.end()) {
            return new SpinArrows(parent);
        }
        const bool frequency = declared.id >= C::kFirstFrequency && declared.id < FrequencyId(kSegments);
        NumericRangeEdit* edit =
            frequency ? new NumericRangeOffEdit(Context().Language(), parent) : new NumericRangeEdit(parent);
        edit->setMaxLength(declared.id == C::kBeepSegments ? kBeepSegmentDigits : kEditDigits);
        edit->setMinimumWidth(90);
        return edit;
    };
    const ControlMap controls = BuildForm(AlertToneTemplate(), make);
    NameFieldsByLabels(controls, {{FieldOf(C::kCycle).label.textId, C::kCycle},
                                  {FieldOf(C::kBeepSegments).label.textId, C::kBeepSegments}});
    NameSegmentEdits();
    for (NumericRangeEdit* edit : Edits()) {
        ConnectArrows(edit);
    }
    chart_->setAccessibleName(Context().ControlText(kChart, QStringLiteral("Tone Chart")));
    status_ = qobject_cast<QLabel*>(Control(kStatusIcon));
    for (const int id : {kPlayButton, kStopButton, kExportButton}) {
        if (auto* button = qobject_cast<QPushButton*>(Control(id))) {
            button->setAutoDefault(false);
        }
    }
    FormLayout()->setColumnStretch(5, 1);
    FormLayout()->setVerticalSpacing(6);
    SetPlaying(false);
}

CViewAlertTone::~CViewAlertTone() {
    // The sound device is shared: only a tone this view started is stopped.
    if (sound_ && playing_) {
        sound_->Stop();
    }
}

void CViewAlertTone::NameSegmentEdits() {
    // Each segment edit is named by its row and its column heading: "1st Tone Frequency[Hz]".
    const QStringList names = SegmentNames();
    const QString frequency = NameFromLabel(qobject_cast<QLabel*>(Control(kFrequencyHeading))->text());
    const QString duration = NameFromLabel(qobject_cast<QLabel*>(Control(kDurationHeading))->text());
    for (std::size_t k = 0; k < kSegments; ++k) {
        const QString row = names[static_cast<qsizetype>(k)];
        FrequencyEdit(k)->setAccessibleName(row + QLatin1Char(' ') + frequency);
        DurationEdit(k)->setAccessibleName(row + QLatin1Char(' ') + duration);
    }
}

QStringList CViewAlertTone::SegmentNames() const {
    QStringList names;
    for (std::size_t k = 0; k < kSegments; ++k) {
        const auto* label = qobject_cast<QLabel*>(Control(kFirstSegmentLabel + static_cast<int>(k)));
        names << (label ? NameFromLabel(label->text()) : QString::number(k + 1));
    }
    return names;
}

QComboBox* CViewAlertTone::CycleList() const {
    return qobject_cast<QComboBox*>(Control(C::kCycle));
}
NumericRangeEdit* CViewAlertTone::BeepSegmentsEdit() const {
    return qobject_cast<NumericRangeEdit*>(Control(C::kBeepSegments));
}
NumericRangeOffEdit* CViewAlertTone::FrequencyEdit(std::size_t segment) const {
    return segment < kSegments ? qobject_cast<NumericRangeOffEdit*>(Control(FrequencyId(segment))) : nullptr;
}
NumericRangeEdit* CViewAlertTone::DurationEdit(std::size_t segment) const {
    return segment < kSegments ? qobject_cast<NumericRangeEdit*>(Control(DurationId(segment))) : nullptr;
}

std::vector<NumericRangeEdit*> CViewAlertTone::Edits() const {
    std::vector<NumericRangeEdit*> edits{BeepSegmentsEdit()};
    for (std::size_t k = 0; k < kSegments; ++k) {
        edits.push_back(FrequencyEdit(k));
        edits.push_back(DurationEdit(k));
    }
    return edits;
}

SpinArrows* CViewAlertTone::Arrows(int editId) const {
    return qobject_cast<SpinArrows*>(Control(SpinId(editId)));
}

void CViewAlertTone::ConnectArrows(NumericRangeEdit* edit) {
    const int id = ControlId(edit);
    if (SpinArrows* arrows = Arrows(id)) {
        arrows->SetEditName(edit->accessibleName());
        connect(arrows, &SpinArrows::stepped, this, [this, id](bool up) { Spin(id, up); });
    }
    edit->installEventFilter(this);
}

void CViewAlertTone::Spin(int editId, bool up) {
    auto* edit = qobject_cast<NumericRangeEdit*>(Control(editId));
    if (!edit || !edit->isEnabled()) {
        return;
    }
    const auto* withOff = qobject_cast<NumericRangeOffEdit*>(edit);
    const std::string off = withOff ? ToCore(withOff->OffText()) : std::string();
    edit->setText(FromLanguage(SpinToneEditText(ToCore(edit->text()), edit->Range(), up, off)));
    // The value is stored when the edit loses the focus, as if it had been typed.
    edit->setFocus(Qt::OtherFocusReason);
    Recompute();
}

bool CViewAlertTone::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        auto* edit = qobject_cast<NumericRangeEdit*>(watched);
        if (edit && (key == Qt::Key_Up || key == Qt::Key_Down)) {
            Spin(ControlId(edit), key == Qt::Key_Up);
            return true;
        }
    }
    return CCustomFormView::eventFilter(watched, event);
}

AlertToneData* CViewAlertTone::Current() const {
    auto& tones = Context().Container().AlertTones();
    return current_ && *current_ < tones.Count() ? &tones.At(*current_) : nullptr;
}

void CViewAlertTone::OnInitialUpdate() {
    auto& tones = Context().Container().AlertTones();
    if (tones.Count() == 0) {
        tones.Append(Context().Container().MakeAlertTone(0));
    }
    current_ = 0;
    LoadView();
}

void CViewAlertTone::LoadView() {
    const AlertToneData* tone = Current();
    FormWidget()->setEnabled(tone != nullptr);
    if (tone) {
        AlertToneUi ui;
        tone->LoadUi(ui, Context().Language());
        RecordFieldControls::ShowAll(AlertToneData::EditorFields(), ui, *this);
    }
    Recompute();
}

void CViewAlertTone::StoreView() {
    AlertToneData* tone = Current();
    if (!tone) {
        return;
    }
    AlertToneUi ui;
    tone->LoadUi(ui, Context().Language());
    RecordFieldControls::TakeAll(AlertToneData::EditorFields(), ui, *this);
    tone->StoreUi(ui, Context().Language());
    Recompute();
}

AlertToneEditTexts CViewAlertTone::ShownTexts() const {
    AlertToneEditTexts shown;
    shown.cycle = ComboText(CycleList());
    shown.beepSegments = ToCore(BeepSegmentsEdit()->text());
    for (std::size_t k = 0; k < kSegments; ++k) {
        shown.frequency[k] = ToCore(FrequencyEdit(k)->text());
        shown.duration[k] = ToCore(DurationEdit(k)->text());
    }
    return shown;
}

void CViewAlertTone::Recompute() {
    values_ = Current() ? ComputePlayerValues(ShownTexts(), Context().Language()) : AlertTonePlayerValues{};
    chart_->SetValues(values_, SegmentNames(), FrequencyEdit(0)->OffText());
}

void CViewAlertTone::OnControlChanged(int controlId, int /*notifyCode*/) {
    switch (controlId) {
    case kPlayButton:
        Play();
        break;
    case kStopButton:
        Stop();
        break;
    case kExportButton:
        ExportWav();
        break;
    default:
        break;
    }
}

void CViewAlertTone::Play() {
    if (!values_.playable || !sound_ || playing_) {
        return;
    }
    const ToneSound::Start started = sound_->Play(AlertToneSchedule(values_), [this] { SetPlaying(false); });
    if (started == ToneSound::Start::NoDevice) {
        if (sound_->FirstNoDeviceNotice()) {
            Context().Tell(this, kNoSoundDevice, {}, PromptIcon::Information,
                           QStringLiteral("No sound device was found, so the alert tone cannot be heard."));
        }
        return;
    }
    SetPlaying(true);
}

void CViewAlertTone::Stop() {
    if (sound_) {
        sound_->Stop();
    }
    SetPlaying(false);
}

void CViewAlertTone::SetPlaying(bool playing) {
    playing_ = playing;
    if (auto* play = qobject_cast<QPushButton*>(Control(kPlayButton))) {
        play->setEnabled(!playing);
    }
    if (status_) {
        const QStyle::StandardPixmap icon = playing ? QStyle::SP_MediaVolume : QStyle::SP_MediaVolumeMuted;
        status_->setPixmap(style()->standardIcon(icon).pixmap(20, 20));
        status_->setAccessibleName(playing ? Context().Message(kPlayingText, QStringLiteral("Playing"))
                                           : Context().Message(kStoppedText, QStringLiteral("Stopped")));
    }
}

void CViewAlertTone::ExportWav() {
    const std::vector<ToneStep> cycle = AlertToneCycle(values_);
    if (cycle.empty()) {
        Context().Tell(this, kNothingToExport, {}, PromptIcon::Information,
                       QStringLiteral("Every segment has a duration of 0: there is nothing to export."));
        return;
    }
    if (!files_) {
        return;
    }
    const int number = Position() ? Position()->current : 1;
    const QString suggested = QDir::home().filePath(QStringLiteral("AlertTone%1.wav").arg(number));
    const std::optional<QString> path = files_->ChooseWavFile(
        this, Context().ControlText(kExportCaption, QStringLiteral("Export WAV")), suggested);
    if (!path) {
        return;
    }
    const std::filesystem::path file(QFile::encodeName(*path).toStdString());
    Context().TellFailure(this, SaveWav(file, RenderTone(cycle), ToneSampler::kSampleRate));
}

void CViewAlertTone::NavigateRecord(int recordNumber, NavigateCommand command) {
    Stop();
    StoreView();
    CDataContainer& container = Context().Container();
    auto& tones = container.AlertTones();
    current_ = tav::NavigateRecord<AlertToneData>(tones, current_, command, recordNumber,
                                                  [&] { return container.MakeAlertTone(tones.Count()); });
    LoadView();
    if (command == NavigateCommand::Add || command == NavigateCommand::Delete) {
        // The two-tone decodes follow their alert tone to its new number before anyone looks.
        container.FixUpReferences();
    }
    SendRecordListChanged(command);
}

std::optional<RecordPosition> CViewAlertTone::Position() const {
    const int count = static_cast<int>(Context().Container().AlertTones().Count());
    return RecordPosition{current_ ? static_cast<int>(*current_) + 1 : 0, count};
}

} // namespace tav::gui

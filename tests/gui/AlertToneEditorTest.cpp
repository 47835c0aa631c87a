// The alert tone editor: what it stores (checked in the image), its chart, playback through a
// recording sound device, the WAV export and moving through the alert tone list.
#include "ShellTestSupport.h"
#include "core/audio/ToneSampler.h"
#include "core/data/ImageMap.h"
#include "core/data/TwoToneSystemData.h"
#include "gui/audio/SoundFileChooser.h"
#include "gui/audio/ToneStream.h"
#include "gui/controls/NumericRangeOffEdit.h"
#include "gui/controls/SpinArrows.h"
#include "gui/ui/ControlIds.h"
#include "gui/views/AlertToneChart.h"
#include "gui/views/CViewAlertTone.h"
#include "gui/views/ControlChangeWatcher.h"
#include "support/RecordingToneSound.h"

#include <QPushButton>
#include <QToolButton>
#include <QtTest>

using namespace tav;
using namespace tav::gui;
using namespace tav::gui::test;

namespace {

namespace L = AlertToneLayout;

/// One segment as typed: frequency and duration texts.
struct Segment {
    const char* frequency;
    const char* duration;
};

std::size_t ToneAddress(std::size_t tone) {
    return ImageMap::kAlertTones + ImageMap::kAlertToneSize * tone;
}

/// Rising zero crossings of samples [first, first + count).
int RisingCrossings(const std::vector<std::int16_t>& samples, std::size_t first, std::size_t count) {
    int crossings = 0;
    for (std::size_t i = first + 1; i < first + count; ++i) {
        crossings += samples[i - 1] < 0 && samples[i] >= 0 ? 1 : 0;
    }
    return crossings;
}

} // namespace

class AlertToneEditorTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void storesTheTypedSegmentsAsRawBytes();
    void chartBarsFollowDurationAndFrequency();
    void playsCyclesPausesAndOffSegmentsInOrder();
    void stopHaltsAtOnceAndEnablesPlay();
    void missingSoundDeviceIsToldOnce();
    void exportWritesOneCycleAsWav();
    void addAndDeleteKeepDecodesOnTheirAlertTone();
    void soundStreamGivesEverySampleOnceThenEnds();
    void arrowsStepTheEditAndStoreWhenLeft();

private:
    /// Types the texts into the edits and leaves each, as the user does.
    void Type(const std::vector<Segment>& segments, const char* cycle = nullptr, const char* pause = nullptr);
    void Leave(QLineEdit* edit, const char* text);
    QPushButton* Button(int id) const { return qobject_cast<QPushButton*>(view_->Control(id)); }

    std::unique_ptr<TestContext> ctx_;
    CountingHost host_;
    std::shared_ptr<RecordingToneSound> sound_;
    std::shared_ptr<ScriptedSoundFileChooser> files_;
    std::unique_ptr<CViewAlertTone> view_;
};

void AlertToneEditorTest::init() {
    ctx_ = std::make_unique<TestContext>();
    sound_ = std::make_shared<RecordingToneSound>();
    files_ = std::make_shared<ScriptedSoundFileChooser>();
    view_ = std::make_unique<CViewAlertTone>(**ctx_, &host_, sound_, files_);
    view_->OnInitialUpdate();
}

void AlertToneEditorTest::cleanup() {
    view_.reset();
    ctx_.reset();
}

void AlertToneEditorTest::Leave(QLineEdit* edit, const char* text) {
    edit->setText(QString::fromLatin1(text));
    view_->ControlChanged(ControlId(edit), NotifyCodes::kEditFocusLost);
}

void AlertToneEditorTest::Type(const std::vector<Segment>& segments, const char* cycle, const char* pause) {
    if (cycle) {
        QComboBox* list = view_->CycleList();
        list->setCurrentIndex(list->findText(QString::fromLatin1(cycle)));
        view_->ControlChanged(ControlId(list), NotifyCodes::kSelectionChanged);
    }
    if (pause) {
        Leave(view_->BeepSegmentsEdit(), pause);
    }
    for (std::size_t k = 0; k < L::kSegmentCount; ++k) {
        const Segment segment = k < segments.size() ? segments[k] : Segment{"Off", "0"};
        Leave(view_->FrequencyEdit(k), segment.frequency);
        Leave(view_->DurationEdit(k), segment.duration);
    }
}

void AlertToneEditorTest::storesTheTypedSegmentsAsRawBytes() {
    // The first default tone: one cycle, 2100 Hz and Off alternating, 100 ms each.
    QCOMPARE(view_->CycleList()->currentText(), QStringLiteral("1"));
    QCOMPARE(view_->FrequencyEdit(0)->text(), QStringLiteral("2100"));
    QCOMPARE(view_->FrequencyEdit(1)->text(), QStringLiteral("Off"));
    QCOMPARE(view_->DurationEdit(1)->text(), QStringLiteral("100"));
    const struct {
        Segment typed;
        const char* frequencyShown;
        int frequencyByte;
        int durationByte;
    } cases[] = {
        {{"1000", "100"}, "1000", 100, 10},
        {{"405", "25"}, "400", 40, 2},
        {{"3000", "2600"}, "2550", 255, 255},
        {{"Off", "70"}, "Off", 1, 7},
        {{"0", "0"}, "Off", 1, 0},
        {{"5", "10"}, "Off", 1, 1},
    };
    for (const auto& c : cases) {
        Type({c.typed}, "Continuous", "7");
        QCOMPARE(view_->FrequencyEdit(0)->text(), QString::fromLatin1(c.frequencyShown));
        ctx_->context->Container().StoreAll();
        const Image& image = ctx_->context->Container().image();
        QCOMPARE(int(image[ToneAddress(0) + L::FrequencyOffset(0)]), c.frequencyByte);
        QCOMPARE(int(image[ToneAddress(0) + L::DurationOffset(0)]), c.durationByte);
        QCOMPARE(int(image[ToneAddress(0) + L::kCycle]), 0);
        QCOMPARE(int(image[ToneAddress(0) + L::kBeepSegments]), 7);
    }
}

void AlertToneEditorTest::chartBarsFollowDurationAndFrequency() {
    AlertToneChart* chart = view_->Chart();
    chart->resize(420, 150);
    const struct {
        std::vector<Segment> segments;
        std::vector<std::pair<int, int>> bars; ///< width, height
        const char* description;
    } cases[] = {
        {{{"2550", "500"}}, {{405, 140}}, "1st Tone: 2550 Hz, 500 ms"},
        {{{"1270", "100"}, {"Off", "300"}},
         {{101, 69}, {303, 1}},
         "1st Tone: 1270 Hz, 100 ms; 2nd Tone: Off, 300 ms"},
        {{{"1000", "0"}, {"2000", "200"}}, {{405, 109}}, "2nd Tone: 2000 Hz, 200 ms"},
        {{}, {}, ""},
    };
    for (const auto& c : cases) {
        Type(c.segments);
        std::vector<std::pair<int, int>> bars;
        int left = 6;
        for (const AlertToneChartBar& bar : chart->Bars()) {
            bars.emplace_back(bar.width, bar.height);
            QCOMPARE(bar.left, left);
            QCOMPARE(bar.top + bar.height, 145);
            QCOMPARE(bar.blue, bar.segment % 2 == 0);
            left += bar.width + 1;
        }
        QCOMPARE(bars, c.bars);
        QCOMPARE(chart->accessibleDescription(), QString::fromLatin1(c.description));
    }
    QCOMPARE(chart->accessibleName(), QStringLiteral("Tone Chart"));
    QCOMPARE(view_->FrequencyEdit(2)->accessibleName(), QStringLiteral("3rd Tone Frequency[Hz]"));
    QCOMPARE(view_->DurationEdit(7)->accessibleName(), QStringLiteral("8th Tone Duration[ms]"));
}

void AlertToneEditorTest::playsCyclesPausesAndOffSegmentsInOrder() {
    const struct {
        const char* cycle;
        const char* pause;
        std::vector<Segment> segments;
        std::vector<ToneStep> expected;
    } cases[] = {
        {"2", "3", {{"1000", "100"}, {"Off", "50"}}, {{1000, 100}, {0, 50}, {0, 3000}, {1000, 100}, {0, 50}}},
        {"1", "3", {{"Off", "0"}, {"2000", "20"}, {"500", "0"}, {"700", "10"}}, {{2000, 20}, {700, 10}}},
        {"3", "0", {{"400", "10"}}, {{400, 10}, {400, 10}, {400, 10}}},
        {"1", "0", {{"400", "0"}}, {}}, // nothing to play: Play does nothing
    };
    for (const auto& c : cases) {
        Type(c.segments, c.cycle, c.pause);
        const std::size_t before = sound_->plays.size();
        Button(CViewAlertTone::kPlayButton)->click();
        QCOMPARE(sound_->plays.size(), before + (c.expected.empty() ? 0 : 1));
        if (!c.expected.empty()) {
            QCOMPARE(sound_->plays.back(), c.expected);
            sound_->HearAll();
        }
        QVERIFY(!view_->IsPlaying());
    }
    // Continuous plays 10000 cycles, until Stop.
    Type({{"1000", "10"}}, "Continuous", "0");
    view_->Play();
    QCOMPARE(sound_->plays.back().size(), std::size_t(kContinuousCycles));
}

void AlertToneEditorTest::stopHaltsAtOnceAndEnablesPlay() {
    QPushButton* play = Button(CViewAlertTone::kPlayButton);
    Type({{"1000", "2000"}, {"1500", "2000"}}, "Continuous", "1");
    play->click();
    QVERIFY(view_->IsPlaying() && !play->isEnabled());
    sound_->Hear(1);
    Button(CViewAlertTone::kStopButton)->click();
    QVERIFY(!view_->IsPlaying() && play->isEnabled());
    QVERIFY(!sound_->IsPlaying());
    const std::vector<ToneStep> heard{{1000, 2000}};
    QCOMPARE(sound_->heard, heard);
    // A play that runs to its end enables Play by itself; moving to another record stops one.
    Type({{"1000", "20"}}, "1", "0");
    play->click();
    sound_->HearAll();
    QVERIFY(play->isEnabled());
    play->click();
    QVERIFY(sound_->IsPlaying());
    view_->NavigateRecord(0, NavigateCommand::Next);
    QVERIFY(!sound_->IsPlaying() && play->isEnabled());
}

void AlertToneEditorTest::missingSoundDeviceIsToldOnce() {
    sound_->noDevice = true;
    for (int i = 0; i < 3; ++i) {
        Button(CViewAlertTone::kPlayButton)->click();
        QVERIFY(!view_->IsPlaying());
        QVERIFY(Button(CViewAlertTone::kPlayButton)->isEnabled());
    }
    QCOMPARE(ctx_->prompts->asked().size(), std::size_t(1));
    QVERIFY(ctx_->prompts->asked().front().text.contains(QStringLiteral("No sound device")));
}

void AlertToneEditorTest::exportWritesOneCycleAsWav() {
    const std::vector<ToneStep> cycle{{1000, 100}, {0, 50}, {2550, 40}, {400, 250}};
    Type({{"1000", "100"}, {"Off", "50"}, {"2550", "40"}, {"400", "250"}}, "3", "2");
    const QString path = ctx_->Path("tone.wav");
    files_->Queue(path);
    Button(CViewAlertTone::kExportButton)->click();
    const std::vector<std::uint8_t> bytes = tav::test::ReadBytes(ctx_->home / "tone.wav");
    QVERIFY(bytes.size() > 44);
    QCOMPARE(std::string(bytes.begin() + 8, bytes.begin() + 16), std::string("WAVEfmt "));
    QCOMPARE(bytes[22] | bytes[23] << 8, 1); // mono
    QCOMPARE(bytes[24] | bytes[25] << 8 | bytes[26] << 16, 44100);
    QCOMPARE(bytes[34] | bytes[35] << 8, 16);
    std::vector<std::int16_t> samples((bytes.size() - 44) / 2);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        samples[i] = static_cast<std::int16_t>(bytes[44 + 2 * i] | bytes[45 + 2 * i] << 8);
    }
    std::size_t at = 0;
    for (const ToneStep& step : cycle) {
        const auto count = static_cast<std::size_t>(step.ms * 44100 / 1000);
        const double expected = step.hz * step.ms / 1000.0;
        QVERIFY(std::abs(RisingCrossings(samples, at, count) - expected) <= 1.0);
        at += count;
    }
    QCOMPARE(samples.size(), at); // one cycle: no pause, no repetition
    // Cancelled: nothing written; a folder that does not exist: the user is told.
    files_->Queue(std::nullopt);
    files_->Queue(ctx_->Path("missing/tone.wav"));
    Button(CViewAlertTone::kExportButton)->click();
    QCOMPARE(ctx_->prompts->asked().size(), std::size_t(0));
    Button(CViewAlertTone::kExportButton)->click();
    QCOMPARE(ctx_->prompts->asked().size(), std::size_t(1));
    QVERIFY(ctx_->prompts->asked().front().text.contains(QStringLiteral("could not be written")));
}

void AlertToneEditorTest::addAndDeleteKeepDecodesOnTheirAlertTone() {
    CDataContainer& container = ctx_->context->Container();
    const std::size_t decode = ImageMap::kTwoToneSystems + TwoToneSystemLayout::DecodeAlertOffset(0);
    container.StoreAll();
    container.image()[decode] = static_cast<std::uint8_t>((container.image()[decode] & 0xF0) | 3);
    container.LoadAll();
    view_->NavigateRecord(0, NavigateCommand::First);
    QCOMPARE(view_->Position()->count, 5);
    const struct {
        NavigateCommand command;
        int number;
        int current;
        int count;
        int decodeRefersTo;
    } steps[] = {
        {NavigateCommand::Add, 0, 6, 6, 3},    {NavigateCommand::GoTo, 2, 2, 6, 3},
        {NavigateCommand::Delete, 0, 2, 5, 2}, {NavigateCommand::GoTo, 2, 2, 5, 2},
        {NavigateCommand::Delete, 0, 2, 4, 2}, // the decode's own alert tone: it stays on the gap
    };
    for (const auto& s : steps) {
        host_.calls.clear();
        view_->NavigateRecord(s.number, s.command);
        QCOMPARE(view_->Position()->current, s.current);
        QCOMPARE(view_->Position()->count, s.count);
        container.StoreAll();
        QCOMPARE(int(container.image()[decode] & 0x0F), s.decodeRefersTo);
        QCOMPARE(host_.calls.size(), std::size_t(1));
        QCOMPARE(host_.calls.front().first, EditorMessages::kRecordListChanged);
    }
}

void AlertToneEditorTest::soundStreamGivesEverySampleOnceThenEnds() {
    const std::vector<ToneStep> steps{{1000, 30}, {0, 20}, {2000, 15}};
    const std::vector<std::int16_t> expected = RenderTone(steps);
    ToneStream stream(steps);
    QVERIFY(stream.open(QIODevice::ReadOnly));
    QVERIFY(stream.bytesAvailable() > 0);
    QByteArray read;
    for (QByteArray chunk = stream.read(1001); !chunk.isEmpty(); chunk = stream.read(1001)) {
        read += chunk;
    }
    QVERIFY(stream.Finished());
    QCOMPARE(stream.bytesAvailable(), 0);
    QCOMPARE(read.size(), qsizetype(expected.size() * 2));
    QVERIFY(std::memcmp(read.constData(), expected.data(), static_cast<std::size_t>(read.size())) == 0);
}

void AlertToneEditorTest::arrowsStepTheEditAndStoreWhenLeft() {
    QVERIFY(ShowActive(view_.get()));
    Type({{"400", "100"}, {"2550", "30"}});
    const int first = AlertToneControls::kFirstFrequency;
    const int second = first + 1;
    const int duration = AlertToneControls::kFirstDuration;
    const struct {
        int edit;
        bool byKey;
        bool up;
        const char* shown;
        int frequencyHz0;
    } steps[] = {
        {first, false, false, "Off", 0},    {first, false, true, "400", 400},
        {first, true, true, "410", 410},    {second, false, true, "Off", 410},
        {duration, true, false, "90", 410},
    };
    for (const auto& s : steps) {
        auto* edit = qobject_cast<QLineEdit*>(view_->Control(s.edit));
        if (s.byKey) {
            edit->setFocus();
            QTest::keyClick(edit, s.up ? Qt::Key_Up : Qt::Key_Down);
        } else {
            QTest::mouseClick(s.up ? view_->Arrows(s.edit)->Up() : view_->Arrows(s.edit)->Down(),
                              Qt::LeftButton);
        }
        QCOMPARE(edit->text(), QString::fromLatin1(s.shown));
        QCOMPARE(view_->PlayerValues().frequencyHz[0], s.frequencyHz0);
        QVERIFY(edit->hasFocus());
    }
    QCOMPARE(view_->Arrows(first)->Up()->accessibleName(), QStringLiteral("1st Tone Frequency[Hz] up"));
    // Leaving the edit stores what the arrows showed.
    view_->BeepSegmentsEdit()->setFocus();
    CDataContainer& container = ctx_->context->Container();
    container.StoreAll();
    QCOMPARE(int(container.image()[ToneAddress(0) + L::FrequencyOffset(0)]), 41);
    QCOMPARE(int(container.image()[ToneAddress(0) + L::FrequencyOffset(1)]), 1);
    QCOMPARE(int(container.image()[ToneAddress(0) + L::DurationOffset(0)]), 9);
}

QTEST_MAIN(AlertToneEditorTest)
#include "AlertToneEditorTest.moc"

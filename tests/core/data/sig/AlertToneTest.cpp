#include "SigTestSupport.h"
#include "core/data/AlertTonePlayer.h"

#include <gtest/gtest.h>
#include <vector>

namespace tav {
namespace {

namespace L = AlertToneLayout;

std::vector<std::uint8_t> Record(const AlertToneData& tone) {
    return {tone.Bytes().begin(), tone.Bytes().end()};
}

TEST(AlertToneDefaults, FirstFivePatternsThenSilent) {
    ObjectIdCounter ids;
    const DataContext context;
    const std::vector<std::vector<std::uint8_t>> expected{
        {1, 3, 210, 10, 1, 10, 210, 10, 1, 10, 210, 10, 1, 10, 210, 10, 1, 10},
        {3, 1, 80, 4, 0, 4, 80, 4, 0, 4, 80, 4, 0, 4, 80, 4, 0, 4},
        {3, 1, 170, 3, 90, 3, 170, 3, 90, 3, 170, 3, 90, 3, 170, 3, 1, 0},
        {3, 1, 64, 6, 94, 6, 134, 6, 163, 6, 192, 6, 1, 0, 1, 0, 1, 0},
        {3, 1, 150, 20, 70, 20, 150, 20, 70, 20, 150, 20, 70, 20, 50, 0, 1, 0},
    };
    for (std::size_t n = 0; n < expected.size(); ++n) {
        EXPECT_EQ(Record(*MakeDefaultAlertTone(ids, n, context)), expected[n]) << "pattern " << n;
    }
    const std::vector<std::uint8_t> silent(ImageMap::kAlertToneSize, 0);
    EXPECT_EQ(Record(*MakeDefaultAlertTone(ids, 5, context)), silent);
    EXPECT_EQ(Record(*MakeDefaultAlertTone(ids, 8, context)), silent);
    // A count above the capacity counts as none.
    EXPECT_EQ(Record(*MakeDefaultAlertTone(ids, 9, context)), expected[0]);
    EXPECT_EQ(ids.Current(), 8u * 200u);
}

TEST(AlertToneImage, LoadStopsAtMarkerAndStoresBackByteForByte) {
    Image image = BlankImage();
    for (std::size_t i = 0; i < 3; ++i) {
        for (std::size_t b = 0; b < ImageMap::kAlertToneSize; ++b) {
            image[ImageMap::kAlertTones + i * ImageMap::kAlertToneSize + b] =
                static_cast<std::uint8_t>(i * 20 + b);
        }
    }
    // The fourth slot is filled except for its marker byte: it is not read.
    const std::size_t fourth = ImageMap::kAlertTones + 3 * ImageMap::kAlertToneSize;
    std::fill_n(image.begin() + fourth, ImageMap::kAlertToneSize, 0x11);
    image[fourth + L::kLoadMarker] = 0xFF;

    RecordList<AlertToneData> list;
    ObjectIdCounter ids(1000);
    LoadAlertTones(image, list, ids);
    ASSERT_EQ(list.Count(), 3u);
    EXPECT_EQ(list.IdAt(0), 1200u);

    Image stored = BlankImage();
    StoreAlertTones(list, stored);
    Image expected = BlankImage();
    std::copy_n(image.begin() + ImageMap::kAlertTones, 3 * ImageMap::kAlertToneSize,
                expected.begin() + ImageMap::kAlertTones);
    EXPECT_EQ(stored, expected);
}

TEST(AlertToneImage, FirstSlotAlwaysReadAndAtMostEight) {
    RecordList<AlertToneData> list;
    ObjectIdCounter ids;
    Image blank = BlankImage();
    LoadAlertTones(blank, list, ids);
    EXPECT_EQ(list.Count(), 1u);

    Image full = BlankImage();
    std::fill_n(full.begin() + ImageMap::kAlertTones, 10 * ImageMap::kAlertToneSize, 0x22);
    LoadAlertTones(full, list, ids);
    EXPECT_EQ(list.Count(), 8u);

    // Storing more than the radio holds writes no further than the area.
    list.Append(std::make_unique<AlertToneData>(ids.Next()));
    Image stored = BlankImage();
    StoreAlertTones(list, stored);
    EXPECT_EQ(stored[ImageMap::kAlertTones + 8 * ImageMap::kAlertToneSize], 0xFF);
}

TEST(AlertToneUiTransfer, NoToneShowsZeroAndStoresAsOneUnknownCycleKeepsByte) {
    test::FakeTextLookup texts;
    texts.lists[AlertToneControls::kCycle] = {{0, "Continuous"}, {3, "3"}};
    AlertToneData tone(200);
    tone.SetDefaults(2); // 170/90 alternating, last frequency 1
    AlertToneUi ui;
    tone.LoadUi(ui, texts);
    EXPECT_EQ(ui.cycle, "3");
    EXPECT_EQ(ui.beepSegments, 1);
    EXPECT_EQ(ui.frequency[0], 170);
    EXPECT_EQ(ui.frequency[7], 0); // raw 1 is below the lowest tone
    EXPECT_EQ(ui.duration[7], 0);

    ui.frequency[1] = 0;
    ui.cycle = "no such item";
    ui.duration[2] = 300; // does not fit a byte
    tone.StoreUi(ui, texts);
    EXPECT_EQ(tone.Bytes()[L::FrequencyOffset(1)], 1);
    EXPECT_EQ(tone.Bytes()[L::kCycle], 3);
    EXPECT_EQ(tone.Bytes()[L::DurationOffset(2)], 3);

    ui.cycle = "Continuous";
    tone.StoreUi(ui, texts);
    EXPECT_EQ(tone.Bytes()[L::kCycle], 0);
}

class Recorder : public ToneOutput {
public:
    struct Step {
        int hz;
        int ms;
        bool operator==(const Step&) const = default;
    };
    std::vector<Step> steps;
    void Beep(int hz, int ms) override { steps.push_back({hz, ms}); }
    void Wait(int ms) override { steps.push_back({0, ms}); }
};

TEST(AlertTonePlayback, CyclesWithPauseBetweenAndSilentSegments) {
    AlertTonePlayerValues values;
    values.cycles = 2;
    values.pauseSeconds = 3;
    values.frequencyHz = {1000, 0, 2000, 0, 0, 0, 0, 0};
    values.durationMs = {100, 50, 0, 0, 0, 0, 0, 0};
    values.playable = true;
    Recorder out;
    PlayAlertTone(values, out, {});
    const std::vector<Recorder::Step> expected{{1000, 100}, {0, 50}, {0, 3000}, {1000, 100}, {0, 50}};
    EXPECT_EQ(out.steps, expected);
}

TEST(AlertTonePlayback, StopTakesEffectAtOnceAndUnplayableDoesNothing) {
    AlertTonePlayerValues values;
    values.cycles = kContinuousCycles;
    values.frequencyHz.fill(1000);
    values.durationMs.fill(10);
    values.playable = true;
    Recorder out;
    PlayAlertTone(values, out, [&] { return out.steps.size() >= 3; });
    EXPECT_EQ(out.steps.size(), 3u);

    values.playable = false;
    Recorder silent;
    PlayAlertTone(values, silent, {});
    EXPECT_TRUE(silent.steps.empty());
}

TEST(AlertTonePlayback, PlayerValuesFromWhatTheEditsShow) {
    const test::ShippedLanguage texts;
    AlertToneData tone(200);
    tone.SetDefaults(0);
    AlertToneUi ui;
    tone.LoadUi(ui, texts);
    const AlertToneEditTexts shown = AlertToneTexts(ui, texts);
    EXPECT_EQ(shown.frequency[0], "2100");
    EXPECT_EQ(shown.frequency[1], "Off");
    EXPECT_EQ(shown.duration[0], "100");

    AlertTonePlayerValues values = ComputePlayerValues(shown, texts);
    EXPECT_EQ(values.cycles, 1);
    EXPECT_EQ(values.pauseSeconds, 3);
    EXPECT_EQ(values.frequencyHz[0], 2100);
    EXPECT_EQ(values.frequencyHz[1], 0);
    EXPECT_EQ(values.durationMs[1], 100);
    EXPECT_TRUE(values.playable);

    AlertToneEditTexts continuous = shown;
    continuous.cycle = "Continuous";
    continuous.duration.fill("0");
    values = ComputePlayerValues(continuous, texts);
    EXPECT_EQ(values.cycles, kContinuousCycles);
    EXPECT_FALSE(values.playable);
}

TEST(AlertToneUiTransfer, EveryDefaultValueHasAShippedItem) {
    const test::ShippedLanguage texts;
    ObjectIdCounter ids;
    for (std::size_t n = 0; n < 6; ++n) {
        const auto tone = MakeDefaultAlertTone(ids, n, DataContext{});
        AlertToneUi ui;
        tone->LoadUi(ui, texts);
        const AlertToneEditTexts shown = AlertToneTexts(ui, texts);
        EXPECT_FALSE(shown.cycle.empty()) << n;
        EXPECT_FALSE(shown.beepSegments.empty()) << n;
        for (std::size_t k = 0; k < L::kSegmentCount; ++k) {
            EXPECT_FALSE(shown.frequency[k].empty()) << n << "/" << k;
            EXPECT_FALSE(shown.duration[k].empty()) << n << "/" << k;
        }
    }
}

TEST(AlertToneChart, BarsShareWidthByDurationAndHeightByFrequency) {
    AlertTonePlayerValues values;
    values.frequencyHz = {2550, 1275, 0, 0, 0, 0, 0, 0};
    values.durationMs = {100, 0, 300, 0, 0, 0, 0, 0};
    const auto bars = AlertToneChartBars(values, 214, 110);
    ASSERT_EQ(bars.size(), 2u);
    // usable width 214 - 8 - 2 - 6 = 198; heights over 110 - 10 = 100 pixels.
    EXPECT_EQ(bars[0].left, 6);
    EXPECT_EQ(bars[0].width, 49);
    EXPECT_EQ(bars[0].height, 100);
    EXPECT_EQ(bars[0].top, 5);
    EXPECT_TRUE(bars[0].blue);
    EXPECT_EQ(bars[1].segment, 2u);
    EXPECT_EQ(bars[1].left, 6 + 49 + 1);
    EXPECT_EQ(bars[1].width, 148);
    EXPECT_EQ(bars[1].height, 1); // silent segments still show
    EXPECT_TRUE(bars[1].blue);

    // A tiny window still gets bars of at least one pixel, and nothing without durations.
    for (const auto& bar : AlertToneChartBars(values, 3, 3)) {
        EXPECT_GE(bar.width, 1);
        EXPECT_GE(bar.height, 1);
    }
    EXPECT_TRUE(AlertToneChartBars(AlertTonePlayerValues{}, 200, 100).empty());
}

} // namespace
} // namespace tav

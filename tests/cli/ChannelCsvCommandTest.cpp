#include "ToolRun.h"

namespace tav::test {
namespace {

using ChannelCsvCommand = ToolTest;

TEST_F(ChannelCsvCommand, ExportedChannelsImportBackUnchanged) {
    const auto a = dir / "a.dat";
    ASSERT_EQ(Tool({"normalize", NewFile("new.dat").string(), "-o", a.string()}).status, 0);
    const auto csv = dir / "channels.csv";
    const ToolRun exported = Tool({"export-csv", a.string(), "-o", csv.string()});
    ASSERT_EQ(exported.status, 0) << exported.err;
    EXPECT_EQ(ReadText(csv).rfind("No.,RX Frequency (MHz),RX Signal Type,", 0), 0u);

    const auto b = dir / "b.dat";
    const ToolRun imported = Tool({"import-csv", a.string(), csv.string(), "-o", b.string()});
    ASSERT_EQ(imported.status, 0) << imported.err;
    EXPECT_EQ(Tool({"compare", a.string(), b.string()}).out, "");
}

TEST_F(ChannelCsvCommand, RefusedRowsStopTheImportUnlessSkipped) {
    const auto a = NewFile("a.dat");
    const auto csv = dir / "plan.csv";
    WriteText(csv,
              "\xEF\xBB\xBFLocation;Frequency;Duplex;Offset;Tone;rToneFreq;cToneFreq;DtcsCode;DtcsPolarity;"
              "Mode;Power\n"
              "0;146.520000;;0.000000;Tone;88.5;88.5;023;NN;FM;High\n"
              "1;446.000000;;0.000000;;88.5;88.5;023;NN;FM;High\n");
    const auto out = dir / "out.dat";
    const ToolRun strict = Tool({"import-csv", a.string(), csv.string(), "-o", out.string()});
    EXPECT_EQ(strict.status, 1);
    EXPECT_EQ(strict.err.rfind("row 3: Channel 2: RX Frequency (MHz) 446.00000 is outside 136-174 MHz\n", 0),
              0u)
        << strict.err;
    EXPECT_FALSE(std::filesystem::exists(out));

    const ToolRun lenient = Tool({"import-csv", a.string(), csv.string(), "-o", out.string(), "--skip-bad"});
    EXPECT_EQ(lenient.status, 0) << lenient.err;
    EXPECT_NE(lenient.err.find("row 3: "), std::string::npos);
    const ToolRun changes = Tool({"compare", a.string(), out.string()});
    EXPECT_EQ(changes.status, 1);
    EXPECT_NE(changes.out.find("Channel 1 \u00B7 TX CTCSS (Hz): 131.8 -> 88.5\n"), std::string::npos)
        << changes.out;
    // Location 1 names channel 2: refused, it stays as it was; the list ends with it.
    EXPECT_EQ(changes.out.find("Channel 2 \u00B7"), std::string::npos) << changes.out;
    EXPECT_NE(changes.out.find("Channel 3: removed\n"), std::string::npos) << changes.out;

    EXPECT_EQ(Tool({"import-csv", a.string(), (dir / "none.csv").string(), "-o", out.string()}).status, 1);
    EXPECT_EQ(Tool({"import-csv", a.string(), csv.string()}).status, 2);
}

} // namespace
} // namespace tav::test

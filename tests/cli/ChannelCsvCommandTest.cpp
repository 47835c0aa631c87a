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

TEST_F(ChannelCsvCommand, OutputsThatWouldReplaceAnInputAreRefusedUntouched) {
    const auto data = NewFile("a.dat");
    const auto csv = dir / "channels.csv";
    ASSERT_EQ(Tool({"export-csv", data.string(), "-o", csv.string()}).status, 0);
    std::filesystem::create_hard_link(data, dir / "hard.dat");
    std::filesystem::create_hard_link(csv, dir / "hard.csv");
    std::filesystem::create_directory(dir / "sub");
    const std::string before = ReadText(data);
    const std::string csvBefore = ReadText(csv);
    const std::string other = (dir / "sub" / ".." / "a.dat").string();
    const struct {
        std::vector<std::string> args;
        int status;
        const char* message;
    } cases[] = {
        {{"export-csv", data.string(), "-o", data.string()}, 2, "may not replace the data file"},
        {{"export-csv", data.string(), "-o", other}, 2, "may not replace the data file"},
        {{"export-csv", data.string(), "-o", (dir / "hard.dat").string()},
         2,
         "may not replace the data file"},
        {{"import-csv", data.string(), csv.string(), "-o", csv.string()}, 2, "may not replace the CSV file"},
        {{"import-csv", data.string(), csv.string(), "-o", (dir / "hard.csv").string()},
         2,
         "may not replace the CSV file"},
        {{"export-csv", data.string(), "-o", (dir / "sub").string()}, 1, "Is a directory"},
        {{"export-csv", data.string(), "-o", (dir / "nowhere" / "c.csv").string()}, 1, "No such file"},
        {{"import-csv", data.string(), (dir / "sub").string(), "-o", (dir / "b.dat").string()},
         1,
         "Is a directory"},
        {{"import-csv", data.string(), csv.string(), "-o", (dir / "sub").string()}, 1, "Is a directory"},
    };
    for (const auto& c : cases) {
        const ToolRun run = Tool(c.args);
        const std::string what = c.args[0] + " -o " + c.args.back();
        EXPECT_EQ(run.status, c.status) << what << ": " << run.err;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << what << ": " << run.err;
        EXPECT_EQ(ReadText(data), before) << what;
        EXPECT_EQ(ReadText(csv), csvBefore) << what;
        EXPECT_FALSE(std::filesystem::exists(dir / "b.dat")) << what;
    }
    // The data file itself is a fine output of an import: its channels are replaced in place.
    const ToolRun inPlace = Tool({"import-csv", data.string(), csv.string(), "-o", data.string()});
    EXPECT_EQ(inPlace.status, 0) << inPlace.err;
}

TEST_F(ChannelCsvCommand, CellsQuotedInReasonsCannotSteerTheTerminal) {
    const auto data = NewFile("a.dat");
    const auto csv = dir / "hostile.csv";
    WriteText(csv, "Location,Frequency,Duplex,Offset,Tone,Mode\n"
                   "0,146\x1B[2J\x1B[H,,0,,FM\n"
                   "1,\"146.52\nrow 9: forged\",,0,,FM\n"
                   "2,146.52,,0,Caf\xE9\x9B,FM\n"
                   "3,146.52,\xC2\x9B"
                   "31m,0,,FM\n");
    const ToolRun run = Tool({"import-csv", data.string(), csv.string(), "-o", (dir / "b.dat").string()});
    EXPECT_EQ(run.status, 1);
    // Each refused cell is quoted with its controls and stray bytes escaped.
    const char* const shown[] = {
        "'146\\x1B[2J\\x1B[H'",
        "'146.52\\nrow 9: forged'",
        "'Caf\\xE9\\x9B'",
        "'\\u009B31m'",
    };
    for (const char* cell : shown) {
        EXPECT_NE(run.err.find(cell), std::string::npos) << cell << "\n" << run.err;
    }
    // Nothing reaches the terminal that it could take as a control or a broken character.
    EXPECT_EQ(run.err.find('\x1B'), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find("\xC2\x9B"), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find('\xE9'), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find("\nrow 9"), std::string::npos) << run.err;
}

} // namespace
} // namespace tav::test

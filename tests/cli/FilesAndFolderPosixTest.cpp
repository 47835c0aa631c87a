// tavctl against hostile paths, program folders and file contents, run as the tool is run.
#include "cli/TavctlFixture.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tav::test {
namespace {

namespace fs = std::filesystem;

bool IsFifo(const fs::path& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 && S_ISFIFO(st.st_mode);
}

class FilesAndFolder : public Tavctl {
protected:
    void SetUp() override {
        Tavctl::SetUp();
        good = NewFile("good.dat", {"--comment", "kept"});
        goodBytes = ReadBytes(good);
        ASSERT_EQ(::mkfifo(fifo.c_str(), 0666), 0);
        fs::create_directories(dir / "folder");
        WriteText(protectedFile, "protected");
        fs::create_directories(shut);
        ::chmod(protectedFile.c_str(), 0444);
        ::chmod(shut.c_str(), 0555);
    }

    fs::path good;
    std::vector<std::uint8_t> goodBytes;
    fs::path fifo = dir / "fifo";
    fs::path protectedFile = dir / "protected.dat";
    fs::path shut = dir / "shut";
};

TEST_F(FilesAndFolder, PathsThatCannotBeUsedAreRefusedAtOnceAndLeftAlone) {
    const std::string g = good.string();
    const std::string f = fifo.string();
    const std::string radio = "/dev/null"; // never reached: every row fails before the radio
    const struct {
        std::vector<std::string> args;
        bool unprivileged;
        const char* message;
    } cases[] = {
        {{"info", f}, false, "a FIFO"},
        {{"info", (dir / "folder").string()}, false, "Is a directory"},
        {{"info", (dir / "missing.dat").string()}, false, "No such file"},
        {{"info", "/dev/null"}, false, "a device"},
        {{"diff", g, f}, false, "a FIFO"},
        {{"normalize", f, "-o", (dir / "out.dat").string()}, false, "a FIFO"},
        {{"new", "-o", f}, false, "a FIFO"},
        {{"new", "-o", "/dev/null"}, false, "a device"},
        {{"normalize", g, "-o", f}, false, "a FIFO"},
        {{"read", "--device", radio, "-o", f}, false, "a FIFO"},
        {{"read", "--device", radio, "-o", (dir / "folder").string()}, false, "Is a directory"},
        {{"simulate", "--dump", f}, false, "a FIFO"},
        {{"simulate", "--image", f}, false, "a FIFO"},
        {{"export-csv", g, "-o", f}, false, "a FIFO"},
        {{"export-csv", g, "-o", "/dev/null"}, false, "a device"},
        {{"import-csv", g, f, "-o", (dir / "out.dat").string()}, false, "a FIFO"},
        {{"import-csv", g, "/dev/zero", "-o", (dir / "out.dat").string()}, false, "a device"},
        {{"import-csv", g, (dir / "folder").string(), "-o", (dir / "out.dat").string()},
         false,
         "Is a directory"},
        {{"write", g, "--device", radio, "--trace", g}, false, "overwrite"},
        {{"read", "--device", radio, "-o", (dir / "out.dat").string(), "--trace", (dir / "out.dat").string()},
         false,
         "overwrite"},
        {{"simulate", "--image", g, "--trace", g}, false, "overwrite"},
        {{"simulate", "--image", g, "--dump", g}, false, "overwrite"},
        {{"read", "--device", radio, "-o", protectedFile.string()}, true, "Permission denied"},
        {{"read", "--device", radio, "-o", (shut / "new.dat").string()}, true, "Permission denied"},
        {{"new", "-o", protectedFile.string()}, true, "Permission denied"},
        {{"normalize", g, "-o", protectedFile.string()}, true, "Permission denied"},
        {{"simulate", "--dump", protectedFile.string()}, true, "Permission denied"},
        {{"export-csv", g, "-o", protectedFile.string()}, true, "Permission denied"},
        {{"export-csv", g, "-o", (shut / "c.csv").string()}, true, "Permission denied"},
        {{"read", "--device", radio, "-o", (dir / "out.dat").string(), "--trace", protectedFile.string()},
         true,
         "Permission denied"},
    };
    for (const auto& c : cases) {
        const ToolRun run = Tool(c.args, ToolOptions{c.unprivileged, {}});
        const std::string what = c.args[0] + " " + c.args.back();
        EXPECT_EQ(run.status, 1) << what << ": " << run.err;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << what << ": " << run.err;
        EXPECT_EQ(run.err.find("radio"), std::string::npos) << what << ": " << run.err;
        EXPECT_TRUE(IsFifo(fifo)) << what;
        EXPECT_EQ(ReadBytes(good), goodBytes) << what;
        EXPECT_EQ(ReadText(protectedFile), "protected") << what;
        EXPECT_FALSE(fs::exists(dir / "out.dat")) << what;
        EXPECT_TRUE(fs::is_empty(shut)) << what;
    }
    struct stat null {};
    ASSERT_EQ(::stat("/dev/null", &null), 0);
    EXPECT_TRUE(S_ISCHR(null.st_mode));
}

TEST_F(FilesAndFolder, ChannelCsvOutputsNamingAnInputThroughALinkAreRefused) {
    const fs::path csv = dir / "channels.csv";
    ASSERT_EQ(Tool({"export-csv", good.string(), "-o", csv.string()}).status, 0);
    const std::string csvBefore = ReadText(csv);
    fs::create_symlink(good, dir / "data-link.csv");
    fs::create_symlink(csv, dir / "csv-link.dat");
    fs::create_symlink("good.dat", dir / "relative-link.csv");
    const struct {
        std::vector<std::string> args;
        const char* message;
    } cases[] = {
        {{"export-csv", good.string(), "-o", (dir / "data-link.csv").string()}, "the data file"},
        {{"export-csv", good.string(), "-o", (dir / "relative-link.csv").string()}, "the data file"},
        {{"export-csv", (dir / "data-link.csv").string(), "-o", good.string()}, "the data file"},
        {{"import-csv", good.string(), csv.string(), "-o", (dir / "csv-link.dat").string()}, "the CSV file"},
        {{"import-csv", good.string(), (dir / "csv-link.dat").string(), "-o", csv.string()}, "the CSV file"},
    };
    for (const auto& c : cases) {
        const ToolRun run = Tool(c.args);
        const std::string what = c.args[0] + " -o " + c.args.back();
        EXPECT_EQ(run.status, 2) << what << ": " << run.err;
        EXPECT_NE(run.err.find(std::string("may not replace ") + c.message), std::string::npos)
            << what << ": " << run.err;
        EXPECT_EQ(ReadBytes(good), goodBytes) << what;
        EXPECT_EQ(ReadText(csv), csvBefore) << what;
        EXPECT_TRUE(fs::is_symlink(dir / "data-link.csv")) << what;
    }
}

TEST_F(FilesAndFolder, SavesKeepModeAndLinksAndClearStaleTemporaries) {
    const fs::path target = dir / "target.dat";
    ASSERT_EQ(Tool({"new", "-o", target.string(), "--model-id", "TAV-V300"}).status, 0);
    ::chmod(target.c_str(), 0600);
    fs::create_symlink(target, dir / "link.dat");
    WriteText(dir / ".target.dat.k1LLed", "left by a killed save");
    ASSERT_EQ(Tool({"normalize", good.string(), "-o", (dir / "plain.dat").string()}).status, 0);
    const ToolRun run = Tool({"normalize", good.string(), "-o", (dir / "link.dat").string()});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(fs::is_symlink(dir / "link.dat"));
    EXPECT_EQ(ReadBytes(target), ReadBytes(dir / "plain.dat"));
    EXPECT_EQ(fs::status(target).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_FALSE(fs::exists(dir / ".target.dat.k1LLed"));
}

TEST_F(FilesAndFolder, ABrokenProgramFolderIsNamedAndNothingIsCreated) {
    const fs::path lng = home / "TAV_E.lng";
    const fs::path xdg = dir / "config";
    ::setenv("XDG_CONFIG_HOME", xdg.c_str(), 1);
    const struct {
        const char* what;
        std::function<void()> prepare;
        std::string home; ///< empty: the fixture's
        std::string named;
        const char* reason;
    } cases[] = {
        {"mistyped --home", [] {}, (dir / "mistyped").string(), (dir / "mistyped").string(), "No such file"},
        {"missing language file", [&] { fs::remove(lng); }, "", lng.string(), "No such file"},
        {"empty language file", [&] { WriteText(lng, ""); }, "", lng.string(), "empty"},
        {"binary language file",
         [&] {
             WriteText(lng, std::string("\x7F"
                                        "ELF\0\0\0",
                                        7));
         },
         "", lng.string(), "not a text file"},
        {"oversized language file", [&] { ASSERT_EQ(::truncate(lng.c_str(), (64 << 20) + 1), 0); }, "",
         lng.string(), "too large"},
    };
    for (const auto& c : cases) {
        c.prepare();
        for (const auto& args : std::vector<std::vector<std::string>>{
                 {"info", good.string()}, {"new", "-o", (dir / "made.dat").string()}}) {
            const ToolRun run = Tool(args, ToolOptions{false, c.home});
            EXPECT_EQ(run.status, 1) << c.what;
            EXPECT_NE(run.err.find(c.named), std::string::npos) << c.what << ": " << run.err;
            EXPECT_NE(run.err.find(c.reason), std::string::npos) << c.what << ": " << run.err;
            EXPECT_EQ(run.err.find("(message"), std::string::npos) << c.what << ": " << run.err;
            EXPECT_EQ(run.out, "") << c.what;
        }
        EXPECT_FALSE(fs::exists(dir / "made.dat")) << c.what;
        EXPECT_FALSE(fs::exists(dir / "mistyped")) << c.what;
        EXPECT_FALSE(fs::exists(xdg)) << c.what;
    }
    ::unsetenv("XDG_CONFIG_HOME");
}

TEST_F(FilesAndFolder, NewTakesOnlyListedModelsWithTheirOwnRange) {
    const fs::path out = dir / "made.dat";
    ToolRun run = Tool({"new", "-o", out.string(), "--model-id", "TAV-X999"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("TAV-X999"), std::string::npos) << run.err;
    EXPECT_FALSE(fs::exists(out));

    const struct {
        std::vector<std::string> options;
        const char* info;
    } cases[] = {
        {{"--model-name", "TAV 610"}, "model-id: TAV-U600\nmodel-name: TAV 610\nrange: 400-470\n"},
        {{"--model-id", "TAV-U600"}, "model-id: TAV-U600\nmodel-name: \nrange: 400-470\n"},
        {{"--model-name", "TAV 620", "--range", "410-430"},
         "model-id: TAV-U600\nmodel-name: TAV 620\nrange: 410-430\n"},
        {{"--model-name", "TAV 320"}, "model-id: TAV-V300\nmodel-name: TAV 320\nrange: 136-174\n"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args{"new", "-o", out.string()};
        args.insert(args.end(), c.options.begin(), c.options.end());
        run = Tool(args);
        ASSERT_EQ(run.status, 0) << c.options[1] << ": " << run.err;
        EXPECT_EQ(Tool({"info", out.string()}).out.rfind(c.info, 0), 0u) << Tool({"info", out.string()}).out;
    }
}

TEST_F(FilesAndFolder, TextsFromAFileArePrintedWithControlsEscaped) {
    const fs::path hostile = NewFile("hostile.dat", {"--comment", "line\nmodel-id: FORGED\x1B[2J"});
    auto bytes = ReadBytes(hostile);
    bytes[3 + 28] = '\r'; // the model name starts with a carriage return
    WriteBytes(hostile, bytes);
    const ToolRun run = Tool({"info", hostile.string()});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("model-name: \\rAV 310\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("comment: line\\nmodel-id: FORGED\\x1B[2J\n"), std::string::npos) << run.out;
    EXPECT_EQ(run.out.find('\x1B'), std::string::npos);
}

} // namespace
} // namespace tav::test

#include "ToolRun.h"

#include <sys/stat.h>

namespace tav::test {
namespace {

using ReportCommand = ToolTest;

/// Pages of a PDF file: its page objects (the page tree's own "/Type /Pages" not counted).
std::size_t PdfPages(const std::string& pdf) {
    std::size_t pages = 0;
    for (std::size_t at = pdf.find("/Type /Page"); at != std::string::npos;
         at = pdf.find("/Type /Page", at + 1)) {
        pages += pdf.compare(at, 12, "/Type /Pages") != 0 ? 1 : 0;
    }
    return pages;
}

TEST_F(ReportCommand, WritesTheReportAsHtmlOrPdf) {
    const auto data = NewFile("a.dat");
    const ToolRun html = Tool({"report", data.string(), "-o", (dir / "a.html").string()});
    ASSERT_EQ(html.status, 0) << html.err;
    EXPECT_EQ(html.err, "");
    const std::string page = ReadText(dir / "a.html");
    for (const char* expected : {"<td>TAV 310</td>", "<td>136.32500</td>", "<td>143.82500</td>",
                                 "<h2>Channels</h2>", "<h2>Options</h2>"}) {
        EXPECT_NE(page.find(expected), std::string::npos) << expected;
    }

    const ToolRun pdf = Tool({"report", data.string(), "-o", (dir / "a.PDF").string()});
#ifndef TAV_WITH_PDF
    // A build without Qt writes HTML only and says so.
    EXPECT_EQ(pdf.status, 1);
    EXPECT_NE(pdf.err.find("cannot write PDF"), std::string::npos) << pdf.err;
    return;
#endif
    ASSERT_EQ(pdf.status, 0) << pdf.err;
    EXPECT_EQ(pdf.err, "");
    const std::string bytes = ReadText(dir / "a.PDF");
    EXPECT_EQ(bytes.rfind("%PDF-1.", 0), 0u);
    EXPECT_GT(PdfPages(bytes), 0u);
    EXPECT_NE(bytes.find("%%EOF"), std::string::npos);
}

TEST_F(ReportCommand, SectionsChooseThePartsPrinted) {
    const auto data = NewFile("a.dat");
    const ToolRun run =
        Tool({"report", data.string(), "-o", (dir / "keys.html").string(), "--sections", "keys,atis"});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string page = ReadText(dir / "keys.html");
    EXPECT_NE(page.find("<h2>Programmable Keys</h2>"), std::string::npos);
    EXPECT_NE(page.find("<h2>ATIS</h2>"), std::string::npos);
    EXPECT_EQ(page.find("<h2>Channels</h2>"), std::string::npos);
}

TEST_F(ReportCommand, RefusesWhatWouldLoseOrMisplaceData) {
    const auto data = NewFile("a.dat");
    const std::string before = ReadText(data);
    std::filesystem::create_directory(dir / "folder.html");
    struct Case {
        std::vector<std::string> args;
        int status;
    };
    std::vector<Case> cases = {
        {{"report", data.string()}, 2},                                 // no output
        {{"report", data.string(), "-o", (dir / "a.txt").string()}, 2}, // unknown kind
        {{"report", data.string(), "-o", (dir / "b.html").string(), "--sections", "x"}, 2},
        {{"report", data.string(), "-o", data.string()}, 2}, // its own input
        {{"report", (dir / "missing.dat").string(), "-o", (dir / "b.html").string()}, 1},
        {{"report", data.string(), "-o", (dir / "folder.html").string()}, 1},
        {{"report", data.string(), "-o", (dir / "nowhere" / "b.html").string()}, 1},
    };
#ifndef _WIN32
    ASSERT_EQ(::mkfifo((dir / "pipe.html").c_str(), 0600), 0);
    cases.push_back({{"report", data.string(), "-o", (dir / "pipe.html").string()}, 1});
#endif
    for (const auto& c : cases) {
        const ToolRun run = Tool(c.args);
        EXPECT_EQ(run.status, c.status) << c.args.back() << ": " << run.err;
        EXPECT_FALSE(run.err.empty()) << c.args.back();
    }
    EXPECT_EQ(ReadText(data), before);
    EXPECT_FALSE(std::filesystem::exists(dir / "b.html"));
}

} // namespace
} // namespace tav::test

#include "core/csv/ChannelCsv.h"

#include "core/csv/CsvTable.h"
#include "core/app/CDataContainer.h"
#include "core/data/ChannelListEdit.h"
#include "core/data/ProblemList.h"
#include "core/lang/CLanguage.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>
#include <memory>

namespace tav {
namespace {

TEST(CsvTable, ReadsBomDelimitersQuotesAndLineEnds) {
    struct Case {
        std::string text;
        std::vector<std::vector<std::string>> rows;
    };
    const std::vector<Case> cases = {
        {"a,b\r\n1,2\r\n", {{"a", "b"}, {"1", "2"}}},
        {"\xEF\xBB\xBF"
         "a;b\n1,5;2\n",
         {{"a", "b"}, {"1,5", "2"}}},
        {"a,b\n\"x, \"\"y\"\"\",\"two\nlines\"\n\n", {{"a", "b"}, {"x, \"y\"", "two\nlines"}}},
        {"a,b\n1,", {{"a", "b"}, {"1", ""}}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ParseCsv(c.text).rows, c.rows) << c.text;
    }
    EXPECT_EQ(ParseCsv("a\n\n\"x\ny\"\nz\n").lines, (std::vector<std::size_t>{1, 3, 5}));
    EXPECT_EQ(CsvLine({"x, \"y\"", "1"}), "\"x, \"\"y\"\"\",1\r\n");
}

class ChannelCsvTest : public ::testing::Test {
protected:
    CLanguage english{test::ResourceDir() / "TAV_E.lng", [] { return std::string("TAV-V300"); }};

    std::unique_ptr<CDataContainer> Fresh() const {
        auto c = std::make_unique<CDataContainer>();
        c->Context().texts = &english;
        c->CreateDefaults();
        c->StoreAll();
        c->LoadAll();
        return c;
    }

    static constexpr const char* kHeader =
        "No.,RX Frequency (MHz),RX Signal Type,RX CTCSS (Hz),RX CDCSS,TX Frequency (MHz),TX Signal Type,"
        "TX CTCSS (Hz),TX CDCSS,Channel Spacing,Power Level,Personality,Scan List,Auto Start Scan\n";
};

TEST_F(ChannelCsvTest, ExportThenImportGivesTheSameImage) {
    const auto original = Fresh();
    const std::string text = ExportChannelCsv(*original, english);
    EXPECT_EQ(text.substr(0, text.find('\n')),
              std::string(kHeader).substr(0, std::string(kHeader).size() - 1) + "\r");

    const auto edited = Fresh();
    edited->Channels().Remove(3);
    ChannelUi ui;
    edited->Channels().At(0).LoadUi(ui, english);
    ui.rxFreq = 0x15002500;
    edited->Channels().At(0).StoreUi(ui, english, edited->Context());
    const ChannelImportReport report = ImportChannelCsv(text, *edited, english, false);
    EXPECT_TRUE(report.refused.empty());
    EXPECT_EQ(report.taken, original->Channels().Count());
    ASSERT_TRUE(report.applied);
    original->StoreAll();
    edited->StoreAll();
    EXPECT_EQ(edited->image(), original->image());
}

TEST_F(ChannelCsvTest, RefusesRowsWithReasons) {
    struct Case {
        std::string row;
        std::string reason;
    };
    const std::vector<Case> cases = {
        {"1,abc,None,,,150.00000,None,,,25 kHz,High,1,None,Off",
         "RX Frequency (MHz) 'abc' is not a frequency"},
        {"1,500.00000,None,,,150.00000,None,,,25 kHz,High,1,None,Off",
         "RX Frequency (MHz) 500.00000 is outside 136-174 MHz"},
        {"1,150.00100,None,,,150.00000,None,,,25 kHz,High,1,None,Off",
         "RX Frequency (MHz) 150.00100 is on no channel raster"},
        {"1,150.00000,Morse,,,150.00000,None,,,25 kHz,High,1,None,Off",
         "RX Signal Type 'Morse' is not one of its choices"},
        {"1,150.00000,CTCSS,301.0,,150.00000,None,,,25 kHz,High,1,None,Off",
         "RX CTCSS (Hz) '301.0' is not a tone of 40.0-300.0 Hz"},
        {"1,150.00000,None,,,150.00000,CDCSS,,8,25 kHz,High,1,None,Off",
         "TX CDCSS '8' is not a code of three octal digits"},
        {"1,150.00000,None,,,150.00000,None,,,30 kHz,High,1,None,Off",
         "Channel Spacing '30 kHz' is not one of its choices"},
        {"1,150.00000,None,,,150.00000,None,,,25 kHz,Max,1,None,Off",
         "Power Level 'Max' is not one of its choices"},
        {"1,150.00000,None,,,150.00000,None,,,25 kHz,High,9,None,Off",
         "Personality '9' names none of the 1 personalities"},
        {"1,150.00000,None,,,150.00000,None,,,25 kHz,High,1,2,Off", "Scan List '2' names no scan list"},
        {"1,150.00000,None,,,150.00000,None,,,25 kHz,High,1,None,Maybe",
         "Auto Start Scan 'Maybe' is not one of its choices"},
    };
    for (const Case& c : cases) {
        const auto document = Fresh();
        document->StoreAll();
        const auto before = document->image();
        const std::string good = "2,150.00000,None,,,150.00000,None,,,25 kHz,High,1,None,Off\n";
        const ChannelImportReport report =
            ImportChannelCsv(std::string(kHeader) + c.row + "\n" + good, *document, english, false);
        ASSERT_EQ(report.refused.size(), 1u)
            << c.row << (report.refused.empty() ? "" : report.refused.back().reason);
        EXPECT_EQ(report.refused[0].row, 2u);
        EXPECT_EQ(report.refused[0].reason, c.reason);
        EXPECT_FALSE(report.applied);
        document->StoreAll();
        EXPECT_EQ(document->image(), before) << "a refused import leaves the document alone";
    }
}

/// The English texts, with the not-a-frequency reason worded otherwise.
class RewordedTexts : public TextLookup {
public:
    explicit RewordedTexts(const TextLookup& base) : base_(base) {}
    std::string GetMessageText(int n) const override {
        return n == 3800 ? "%s: '%s' ist keine Frequenz" : base_.GetMessageText(n);
    }
    std::string GetControlText(int n) const override { return base_.GetControlText(n); }
    std::string ListValueToText(int listId, int value) const override {
        return base_.ListValueToText(listId, value);
    }
    int ListTextToValue(int listId, const std::string& text) const override {
        return base_.ListTextToValue(listId, text);
    }
    int IsControlDisabled(int controlId) const override { return base_.IsControlDisabled(controlId); }

private:
    const TextLookup& base_;
};

TEST_F(ChannelCsvTest, ReasonsAreLanguageTextsAndACheckChangesNothing) {
    const RewordedTexts reworded(english);
    const auto document = Fresh();
    document->StoreAll();
    const auto before = document->image();
    // A value that looks like a place to fill is shown as it is.
    const std::string text = std::string(kHeader) + "1,%s,None,,,150.00000,None,,,25 kHz,High,1,None,Off\n" +
                             "2,150.01250,None,,,,None,,,12.5 kHz,Low,1,None,On\n";
    const ChannelImportReport checked = CheckChannelCsv(text, *document, reworded);
    EXPECT_EQ(checked.taken, 1u);
    ASSERT_EQ(checked.refused.size(), 1u);
    EXPECT_EQ(checked.refused[0].reason, "RX Frequency (MHz): '%s' ist keine Frequenz");
    EXPECT_FALSE(checked.applied);
    document->StoreAll();
    EXPECT_EQ(document->image(), before);
}

TEST(ChannelCsvFile, ReadsAFileAndNamesOneThatCannotBeRead) {
    const test::TempDir dir;
    test::WriteText(dir / "in.csv", "a,b\n");
    const Outcome<std::string> read = ReadChannelCsvFile(dir / "in.csv");
    ASSERT_TRUE(read);
    EXPECT_EQ(*read, "a,b\n");
    const Outcome<std::string> missing = ReadChannelCsvFile(dir / "missing.csv");
    ASSERT_FALSE(missing);
    EXPECT_EQ(missing.messageId(), 9490);
    EXPECT_NE(missing.result().detail().find("missing.csv"), std::string::npos);
}

TEST_F(ChannelCsvTest, SkipBadTakesTheGoodRowsOnly) {
    const auto document = Fresh();
    const std::string text = std::string(kHeader) + "1,abc,None,,,,None,,,25 kHz,High,1,None,Off\n" +
                             "2,150.01250,None,,,,None,,,12.5 kHz,Low,1,None,On\n";
    const ChannelImportReport report = ImportChannelCsv(text, *document, english, true);
    EXPECT_EQ(report.taken, 1u);
    EXPECT_EQ(report.refused.size(), 1u);
    ASSERT_TRUE(report.applied);
    ASSERT_EQ(document->Channels().Count(), 1u);
    EXPECT_EQ(document->Channels().At(0).RxFreq(), 0x15001250u);
    EXPECT_EQ(document->Channels().At(0).TxFreq(), kNoFreq);
    EXPECT_TRUE(document->Channels().At(0).AutoStartScan());
    ProblemList problems;
    EXPECT_FALSE(document->CheckAllReferences(problems, english))
        << "the scan list forgets the channels gone";
}

TEST_F(ChannelCsvTest, ReadsTheCommonLayoutWithDuplexAndToneModes) {
    struct Case {
        std::string row;
        std::uint32_t rx;
        std::uint32_t tx;
        std::string rxType, rxTone, txType, txTone, spacing;
    };
    const std::vector<Case> cases = {
        {"0,146.520000,,0.600000,,88.5,88.5,023,NN,FM,High", 0x14652000, 0x14652000, "None", "", "None", "",
         "25 kHz"},
        {"1,146.940000,-,0.600000,Tone,100.0,88.5,023,NN,NFM,Low", 0x14694000, 0x14634000, "None", "",
         "CTCSS", "100.0", "12.5 kHz"},
        {"2,146.940000,+,0.600000,TSQL,100.0,141.3,023,NN,FM,High", 0x14694000, 0x14754000, "CTCSS", "141.3",
         "CTCSS", "141.3", "25 kHz"},
        {"3,146.940000,split,150.000000,DTCS,88.5,88.5,754,RN,FM,High", 0x14694000, 0x15000000, "CDCSS",
         "754", "CDCSS Inverted", "754", "25 kHz"},
        {"4,146.940000,off,0,,88.5,88.5,023,NN,FM,High", 0x14694000, kNoFreq, "None", "", "None", "",
         "25 kHz"},
    };
    const std::string header = "\xEF\xBB\xBFLocation,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,"
                               "DtcsCode,DtcsPolarity,Mode,"
                               "Power\n";
    for (const Case& c : cases) {
        const auto document = Fresh();
        const std::string row =
            c.row.substr(0, c.row.find(',') + 1) + "X," + c.row.substr(c.row.find(',') + 1);
        const ChannelImportReport report = ImportChannelCsv(header + row + "\n", *document, english, false);
        ASSERT_TRUE(report.applied) << c.row << (report.refused.empty() ? "" : report.refused[0].reason);
        const ChannelRow shown = LoadChannelRow(document->Channels().At(0), english);
        EXPECT_EQ(shown.ui.rxFreq, c.rx) << c.row;
        EXPECT_EQ(shown.ui.txFreq, c.tx) << c.row;
        EXPECT_EQ(shown.ui.rxType, c.rxType) << c.row;
        EXPECT_EQ(shown.ui.txType, c.txType) << c.row;
        EXPECT_EQ(c.rxType == "CTCSS"  ? shown.ui.rxCtcss
                  : c.rxType == "None" ? ""
                                       : shown.ui.rxCdcss,
                  c.rxTone);
        EXPECT_EQ(c.txType == "CTCSS"  ? shown.ui.txCtcss
                  : c.txType == "None" ? ""
                                       : shown.ui.txCdcss,
                  c.txTone);
        EXPECT_EQ(shown.ui.spacing, c.spacing) << c.row;
    }
    const auto document = Fresh();
    const ChannelImportReport cross =
        ImportChannelCsv(header + "0,X,146.52,,,Cross,88.5,88.5,023,NN,FM,High\n", *document, english, false);
    ASSERT_EQ(cross.refused.size(), 1u);
    EXPECT_EQ(cross.refused[0].reason, "Tone mode 'Cross' is not supported");
}

} // namespace
} // namespace tav

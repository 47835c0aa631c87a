#include "core/csv/ChannelCsv.h"

#include "core/app/CDataContainer.h"
#include "core/csv/CsvTable.h"
#include "core/data/ChannelListEdit.h"
#include "core/data/ProblemList.h"
#include "core/lang/CLanguage.h"
#include "support/FreshContainer.h"
#include "support/TestSupport.h"

#include <functional>
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

    std::unique_ptr<CDataContainer> Fresh() const { return test::FreshContainer(english); }

    static constexpr const char* kHeader =
        "No.,RX Frequency (MHz),RX Signal Type,RX CTCSS (Hz),RX CDCSS,TX Frequency (MHz),TX Signal Type,"
        "TX CTCSS (Hz),TX CDCSS,Channel Spacing,Power Level,Personality,Scan List,Auto Start Scan,ATIS\n";
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
         "Channel 1: RX Frequency (MHz) 'abc' is not a frequency"},
        {"1,500.00000,None,,,150.00000,None,,,25 kHz,High,1,None,Off",
         "Channel 1: RX Frequency (MHz) 500.00000 is outside 136-174 MHz"},
        {"1,150.00100,None,,,150.00000,None,,,25 kHz,High,1,None,Off",
         "Channel 1: RX Frequency (MHz) 150.00100 is on no channel raster"},
        {"1,150.00000,Morse,,,150.00000,None,,,25 kHz,High,1,None,Off",
         "Channel 1: RX Signal Type 'Morse' is not one of its choices"},
        {"1,150.00000,CTCSS,301.0,,150.00000,None,,,25 kHz,High,1,None,Off",
         "Channel 1: RX CTCSS (Hz) '301.0' is not a tone of 40.0-300.0 Hz"},
        {"1,150.00000,None,,,150.00000,CDCSS,,8,25 kHz,High,1,None,Off",
         "Channel 1: TX CDCSS '8' is not a code of three octal digits"},
        {"1,150.00000,None,,,150.00000,None,,,30 kHz,High,1,None,Off",
         "Channel 1: Channel Spacing '30 kHz' is not one of its choices"},
        {"1,150.00000,None,,,150.00000,None,,,25 kHz,Max,1,None,Off",
         "Channel 1: Power Level 'Max' is not one of its choices"},
        {"1,150.00000,None,,,150.00000,None,,,25 kHz,High,9,None,Off",
         "Channel 1: Personality '9' names none of the 1 personalities"},
        {"1,150.00000,None,,,150.00000,None,,,25 kHz,High,1,2,Off",
         "Channel 1: Scan List '2' names no scan list"},
        {"1,150.00000,None,,,150.00000,None,,,25 kHz,High,1,None,Maybe",
         "Channel 1: Auto Start Scan 'Maybe' is not one of its choices"},
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
    EXPECT_EQ(checked.refused[0].reason, "Channel 1: RX Frequency (MHz): '%s' ist keine Frequenz");
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
    const std::uint32_t firstRx = document->Channels().At(0).RxFreq();
    const ChannelImportReport report = ImportChannelCsv(text, *document, english, true);
    EXPECT_EQ(report.taken, 1u);
    EXPECT_EQ(report.refused.size(), 1u);
    ASSERT_TRUE(report.applied);
    // The refused row leaves channel 1 as it was; the list ends with channel 2, the last named.
    ASSERT_EQ(document->Channels().Count(), 2u);
    EXPECT_EQ(document->Channels().At(0).RxFreq(), firstRx);
    EXPECT_EQ(document->Channels().At(1).RxFreq(), 0x15001250u);
    EXPECT_EQ(document->Channels().At(1).TxFreq(), kNoFreq);
    EXPECT_TRUE(document->Channels().At(1).AutoStartScan());
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
        // Location k is channel k + 1.
        const std::size_t location = std::stoul(c.row.substr(0, c.row.find(',')));
        ASSERT_GT(document->Channels().Count(), location) << c.row;
        const ChannelRow shown = LoadChannelRow(document->Channels().At(location), english);
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
    EXPECT_EQ(cross.refused[0].reason, "Channel 1: Tone mode 'Cross' is not supported");
}

/// A change the channel editor or the channel list makes to a fresh document.
struct EditorChange {
    const char* name;
    std::function<void(CDataContainer&, const TextLookup&)> apply;
};

/// Stores the channel form's values of one channel after `edit` changed them, as the form does.
void EditChannel(CDataContainer& c, const TextLookup& texts, std::size_t k,
                 const std::function<void(ChannelUi&)>& edit) {
    ChannelData& channel = c.Channels().At(k);
    ChannelUi ui;
    channel.LoadUi(ui, texts);
    channel.LoadMisc(ui, c);
    ui.rxStep = channel.RxStep();
    ui.txStep = channel.TxStep();
    edit(ui);
    channel.StoreUi(ui, texts, c.Context());
    channel.StoreMisc(ui, c);
}

// Export then import gives the identical image for documents the editors make: a channel without
// RX frequency (the form keeps the last TX step code), frequencies the grid keeps on 2.5 kHz,
// tones that are not standard, a type that keeps an unused value, every switch of the form.
TEST_F(ChannelCsvTest, ExportThenImportKeepsEveryDocumentTheEditorsMake) {
    const std::vector<EditorChange> changes = {
        {"no RX frequency",
         [](CDataContainer& c, const TextLookup& t) {
             EditChannel(c, t, 1, [](ChannelUi& ui) {
                 ui.rxFreq = kNoFreq;
                 ui.txFreq = kNoFreq;
                 ui.rxStep = ChannelUi::kNoStep;
             });
         }},
        {"RX only",
         [](CDataContainer& c, const TextLookup& t) {
             EditChannel(c, t, 2, [](ChannelUi& ui) {
                 ui.txFreq = kNoFreq;
                 ui.txStep = ChannelUi::kNoStep;
             });
         }},
        {"2.5 kHz raster of the grid",
         [](CDataContainer& c, const TextLookup& t) {
             ChannelRow row = LoadChannelRow(c.Channels().At(3), t);
             row.ui.rxFreq = 0x15000250;
             row.ui.txFreq = 0x15500750;
             StoreChannelRow(c.Channels().At(3), row, t, c.Context());
         }},
        {"tones off the standard lists",
         [](CDataContainer& c, const TextLookup& t) {
             EditChannel(c, t, 4, [](ChannelUi& ui) {
                 ui.rxCtcss = "69.4";
                 ui.txType = "CDCSS Inverted";
                 ui.txCdcss = "024";
             });
         }},
        {"no tone, value kept",
         [](CDataContainer& c, const TextLookup& t) {
             EditChannel(c, t, 5, [](ChannelUi& ui) { ui.rxType = "None"; });
         }},
        {"switches, lists and references",
         [](CDataContainer& c, const TextLookup& t) {
             EditChannel(c, t, 6, [](ChannelUi& ui) {
                 ui.atis = 1;
                 ui.autoStartScan = 1;
                 ui.scanListPosition = 0;
                 ui.spacing = "20 kHz";
                 ui.power = "Middle";
             });
         }},
    };
    for (const EditorChange& change : changes) {
        const auto document = Fresh();
        change.apply(*document, english);
        document->StoreAll();
        document->LoadAll();
        const Image before = document->image();
        const std::string text = ExportChannelCsv(*document, english);
        const ChannelImportReport report = ImportChannelCsv(text, *document, english, false);
        ASSERT_TRUE(report.applied) << change.name << ": "
                                    << (report.refused.empty() ? "" : report.refused[0].reason);
        document->StoreAll();
        EXPECT_EQ(document->image(), before) << change.name << "\n" << text;
    }
}

// The CSV holds every field the channel form shows, ATIS too, and the import reads them back.
TEST_F(ChannelCsvTest, ExportsAtisAndImportReadsItBack) {
    const auto document = Fresh();
    const std::string text = ExportChannelCsv(*document, english);
    EXPECT_EQ(text.substr(0, text.find('\r')),
              std::string(kHeader).substr(0, std::string(kHeader).size() - 1));
    EXPECT_FALSE(document->Channels().At(1).Atis());
    const ChannelImportReport report =
        ImportChannelCsv("No.,RX Frequency (MHz),ATIS\n2,150.00000,On\n", *document, english, false);
    ASSERT_TRUE(report.applied) << (report.refused.empty() ? "" : report.refused[0].reason);
    EXPECT_TRUE(document->Channels().At(1).Atis());
    EXPECT_FALSE(document->Channels().At(0).Atis());
}

// A CTCSS tone is read as the tone edit reads it (tenths kept, the rest dropped); a tone or a
// frequency the editors would move is refused.
TEST_F(ChannelCsvTest, ReadsTonesAsTheToneEditAndRefusesWhatItWouldMove) {
    struct Case {
        std::string rx;
        std::string tone;
        std::uint16_t stored; ///< 0: refused
        std::string reason;
    };
    const std::vector<Case> cases = {
        {"150.00000", "69.35", 693, ""},
        {"150.00000", "50.09", 500, ""},
        {"150.00000", "250,3", 2503, ""},
        {"150.00000", "39.95", 0, "Channel 1: RX CTCSS (Hz) '39.95' is not a tone of 40.0-300.0 Hz"},
        {"150.00000", "300.04", 0, "Channel 1: RX CTCSS (Hz) '300.04' is not a tone of 40.0-300.0 Hz"},
        {"136.3250001", "67.0", 0, "Channel 1: RX Frequency (MHz) '136.3250001' is finer than 10 Hz"},
    };
    for (const Case& c : cases) {
        const auto document = Fresh();
        const ChannelImportReport report = ImportChannelCsv(
            "No.,RX Frequency (MHz),RX Signal Type,RX CTCSS (Hz)\n1," + c.rx + ",CTCSS,\"" + c.tone + "\"\n",
            *document, english, false);
        if (c.stored == 0) {
            ASSERT_EQ(report.refused.size(), 1u) << c.tone;
            EXPECT_EQ(report.refused[0].reason, c.reason);
            EXPECT_FALSE(report.applied);
            continue;
        }
        ASSERT_TRUE(report.applied) << c.tone << (report.refused.empty() ? "" : report.refused[0].reason);
        EXPECT_EQ(ToneValueOf(document->Channels().At(0).RxTone()), c.stored) << c.tone;
    }
}

// The common layout's offset never wraps: a TX frequency beyond any frequency is refused.
TEST_F(ChannelCsvTest, RefusesAnOffsetThatTakesTheTxFrequencyOutOfTheBand) {
    struct Case {
        std::string duplex;
        std::string offset;
        std::string reason;
    };
    const std::vector<Case> cases = {
        {"+", "42939.67296", "Channel 1: TX Frequency (MHz) 43085.67296 is outside 136-174 MHz"},
        {"-", "200", "Channel 1: TX Frequency (MHz) -54.00000 is outside 136-174 MHz"},
        {"+", "100", "Channel 1: TX Frequency (MHz) 246.00000 is outside 136-174 MHz"},
    };
    for (const Case& c : cases) {
        const auto document = Fresh();
        const ChannelImportReport report = ImportChannelCsv("Location,Frequency,Duplex,Offset\n0,146.00000," +
                                                                c.duplex + "," + c.offset + "\n",
                                                            *document, english, false);
        ASSERT_EQ(report.refused.size(), 1u) << c.offset;
        EXPECT_EQ(report.refused[0].reason, c.reason);
        EXPECT_FALSE(report.applied);
    }
}

// A header that names a column the import reads twice is refused, naming the column; a column the
// import does not read may come twice.
TEST_F(ChannelCsvTest, RefusesAHeaderNamingAColumnTwice) {
    struct Case {
        std::string header;
        std::string reason; ///< empty: taken
    };
    const std::vector<Case> cases = {
        {"No.,RX Frequency (MHz),Power Level,power level", "the column 'power level' is named twice"},
        {"RX Frequency (MHz),No.,RX Frequency (MHz)", "the column 'RX Frequency (MHz)' is named twice"},
        {"Location,Frequency,Mode,Mode", "the column 'Mode' is named twice"},
        {"No.,RX Frequency (MHz),Note,Note", ""},
    };
    for (const Case& c : cases) {
        const auto document = Fresh();
        const std::string row =
            c.header.starts_with("Location") ? "0,150.00000,FM,FM" : "1,150.00000,High,High";
        const ChannelImportReport report =
            ImportChannelCsv(c.header + "\n" + row + "\n", *document, english, false);
        if (c.reason.empty()) {
            EXPECT_TRUE(report.refused.empty()) << c.header;
            continue;
        }
        ASSERT_EQ(report.refused.size(), 1u) << c.header;
        EXPECT_EQ(report.refused[0].row, 1u);
        EXPECT_EQ(report.refused[0].reason, c.reason);
        EXPECT_FALSE(report.applied);
    }
}

// With a number column each row goes to the channel it names and the list ends with the last
// channel named; a refused row (skipped) leaves its channel as it was. Without one, file order.
TEST_F(ChannelCsvTest, RowsGoToTheChannelsTheyName) {
    struct Case {
        const char* name;
        std::string text;
        bool skipBad;
        std::vector<std::string> rx; ///< RX frequency of each channel after; "=" as before
        std::vector<CsvRefusal> refused;
    };
    const std::string native = "No.,RX Frequency (MHz),TX Frequency (MHz)\n";
    const std::vector<Case> cases = {
        {"named out of order",
         native + "3,150.00000,150.00000\n1,151.00000,151.00000\n",
         false,
         {"151.00000", "=", "150.00000"},
         {}},
        {"refused row skipped",
         native + "1,150.00000,150.00000\n2,abc,150.00000\n\n3,152.00000,152.00000\n",
         true,
         {"150.00000", "=", "152.00000"},
         {{3, "Channel 2: RX Frequency (MHz) 'abc' is not a frequency", 2}}},
        {"a channel named twice",
         native + "2,150.00000,150.00000\n2,151.00000,151.00000\n",
         true,
         {"=", "150.00000"},
         {{3, "Channel 2: No. '2' names a channel an earlier row names", 2}}},
        {"no such channel",
         native + "17,150.00000,150.00000\n0,150.00000,150.00000\n1,150.00000,150.00000\n",
         true,
         {"150.00000"},
         {{2, "No. '17' names no channel of the radio", 0}, {3, "No. '0' names no channel of the radio", 0}}},
        {"file order",
         "RX Frequency (MHz),TX Frequency (MHz)\n150.00000,150.00000\nabc,1\n151.00000,151.00000\n",
         true,
         {"150.00000", "151.00000"},
         {{3, "Channel 2: RX Frequency (MHz) 'abc' is not a frequency", 2}}},
        {"common layout's Location from 0",
         "Location,Frequency\n2,150.00000\n0,151.00000\n",
         false,
         {"151.00000", "=", "150.00000"},
         {}},
    };
    for (const Case& c : cases) {
        const auto document = Fresh();
        const auto before = Fresh();
        const ChannelImportReport report = ImportChannelCsv(c.text, *document, english, c.skipBad);
        ASSERT_EQ(report.refused.size(), c.refused.size()) << c.name;
        for (std::size_t k = 0; k < c.refused.size(); ++k) {
            EXPECT_EQ(report.refused[k].row, c.refused[k].row) << c.name;
            EXPECT_EQ(report.refused[k].reason, c.refused[k].reason) << c.name;
            EXPECT_EQ(report.refused[k].channel, c.refused[k].channel) << c.name;
        }
        ASSERT_TRUE(report.applied) << c.name;
        ASSERT_EQ(document->Channels().Count(), c.rx.size()) << c.name;
        for (std::size_t k = 0; k < c.rx.size(); ++k) {
            const ChannelData& channel = document->Channels().At(k);
            const std::uint32_t expected =
                c.rx[k] == "=" ? before->Channels().At(k).RxFreq() : FreqToBcd(ParseFreq(c.rx[k]));
            EXPECT_EQ(channel.RxFreq(), expected) << c.name << " channel " << k + 1;
        }
    }
}

} // namespace
} // namespace tav

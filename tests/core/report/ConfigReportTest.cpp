#include "core/report/ConfigReport.h"

#include "core/app/CDataContainer.h"
#include "core/app/ViewTable.h"
#include "core/data/FreqCodec.h"
#include "core/lang/CLanguage.h"
#include "core/report/ReportHtml.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>
#include <memory>

namespace tav {
namespace {

/// A document with the default data of one model, a password set and one channel moved.
class ConfigReportTest : public ::testing::Test {
protected:
    CLanguage english{test::ResourceDir() / "TAV_E.lng", [] { return std::string("TAV-V300"); }};
    CDataContainer container;
    ReportSource source{"fleet.dat", "Depot <north> & \"yard\"", "2026-01-02 03:04"};

    void SetUp() override {
        container.Context().texts = &english;
        container.CreateDefaults();
        container.Context().modelName = "TAV 310";
        PasswordsUi passwords;
        passwords.powerOn = "73914";
        container.Passwords().StoreUi(passwords);
        ChannelUi ui;
        container.Channels().At(2).LoadUi(ui, english);
        ui.txFreq = FreqToBcd(ParseFreq("150.02500"));
        container.Channels().At(2).StoreUi(ui, english, container.Context());
        container.StoreAll();
        container.LoadAll();
    }

    std::string Html(const ReportSelection& selection = {}) {
        return ReportHtml::Write(ConfigReport::Build(container, english, source, selection));
    }
};

TEST_F(ConfigReportTest, HtmlHoldsEveryChannelTheModelAndTheEscapedComment) {
    const std::string html = Html();
    ASSERT_GT(container.Channels().Count(), 1u);
    for (std::size_t k = 0; k < container.Channels().Count(); ++k) {
        const ChannelData& channel = container.Channels().At(k);
        EXPECT_NE(html.find("<td>" + FormatFreq(BcdToFreq(channel.RxFreq())) + "</td>"), std::string::npos)
            << k;
        EXPECT_NE(html.find("<td>" + FormatFreq(BcdToFreq(channel.TxFreq())) + "</td>"), std::string::npos)
            << k;
    }
    EXPECT_NE(html.find("150.02500"), std::string::npos);
    EXPECT_NE(html.find("<td>TAV 310</td>"), std::string::npos);
    EXPECT_NE(html.find("Depot &lt;north&gt; &amp; &quot;yard&quot;"), std::string::npos);
    EXPECT_EQ(html.find("<north>"), std::string::npos);
    EXPECT_EQ(html.rfind("<!DOCTYPE html>", 0), 0u);
    EXPECT_NE(html.find("<meta charset=\"utf-8\">"), std::string::npos);
}

TEST_F(ConfigReportTest, PasswordsAreToldAsSetNeverInClear) {
    const std::string html = Html();
    EXPECT_EQ(html.find("73914"), std::string::npos);
    EXPECT_NE(html.find(">Power-On Password</th><td>set</td>"), std::string::npos);
    EXPECT_NE(html.find(">Read Password</th><td>not set</td>"), std::string::npos);
}

TEST_F(ConfigReportTest, EachPartAloneGivesOnlyItsSectionWithItsLabels) {
    const struct {
        ReportItem item;
        const char* title;
        const char* label; ///< a label or heading of that part's editor
    } cases[] = {
        {ReportItem::RadioInfo, "Radio Information", "Serial Number"},
        {ReportItem::Channels, "Channels", "RX Frequency (MHz)"},
        {ReportItem::ScanList, "Scan List", "Priority Mode"},
        {ReportItem::Personalities, "Personalities", "TX Time out Time"},
        {ReportItem::TwoToneSystems, "Two-Tone Systems", "First Tone Duration"},
        {ReportItem::TwoToneCalls, "Two-Tone Calls", "Call Format"},
        {ReportItem::AlertTones, "Alert Tones", "1st Tone"},
        {ReportItem::Atis, "ATIS", "ATIS Code"},
        {ReportItem::Dos, "DOS", "DOS Pre-Mute Duration[ms]"},
        {ReportItem::PttId, "PTT-ID", "PTTID TYPE"},
        {ReportItem::Keys, "Programmable Keys", "Key A1"},
        {ReportItem::Options, "Options", "VOX Gain Level"},
    };
    ASSERT_EQ(std::size(cases), ReportSelection::kItemCount);
    for (const auto& c : cases) {
        const ConfigReport report =
            ConfigReport::Build(container, english, source, ReportSelection::Only(c.item));
        ASSERT_EQ(report.sections.size(), 1u) << c.title;
        EXPECT_EQ(report.sections[0].title, c.title);
        const std::string html = ReportHtml::Write(report);
        EXPECT_NE(html.find(std::string(">") + c.label + "<"), std::string::npos) << c.title;
        for (const auto& other : cases) {
            if (other.item != c.item) {
                EXPECT_EQ(html.find(std::string("<h2>") + other.title + "</h2>"), std::string::npos)
                    << c.title << " shows " << other.title;
            }
        }
        // The file, its comment and the model head every report.
        EXPECT_NE(html.find("fleet.dat"), std::string::npos);
    }
}

TEST_F(ConfigReportTest, ChannelRowsLeaveOutTonesTheSignalTypeDoesNotUse) {
    const ConfigReport report =
        ConfigReport::Build(container, english, source, ReportSelection::Only(ReportItem::Channels));
    const ReportTable& table = report.sections.at(0).table;
    ASSERT_EQ(table.headings.at(3), "RX CTCSS (Hz)");
    ASSERT_EQ(table.headings.at(4), "RX CDCSS");
    for (const std::vector<std::string>& row : table.rows) {
        const bool ctcss = row.at(2) == "CTCSS";
        EXPECT_EQ(row.at(3).empty(), !ctcss) << row.at(0);
        EXPECT_TRUE(row.at(4).empty() || row.at(2).find("CDCSS") != std::string::npos) << row.at(0);
    }
}

TEST(ReportSelectionTest, ParsesCommandLineNamesAndRefusesOthers) {
    std::string bad;
    const auto chosen = ReportSelection::Parse("channels, keys,options", bad);
    ASSERT_TRUE(chosen);
    EXPECT_TRUE(chosen->Has(ReportItem::Channels));
    EXPECT_TRUE(chosen->Has(ReportItem::Keys));
    EXPECT_TRUE(chosen->Has(ReportItem::Options));
    EXPECT_FALSE(chosen->Has(ReportItem::RadioInfo));
    for (const char* wrong : {"channel", "channels,,keys", "", "passwords"}) {
        EXPECT_FALSE(ReportSelection::Parse(wrong, bad)) << wrong;
    }
    EXPECT_EQ(bad, "passwords");
    for (std::size_t k = 0; k < ReportSelection::kItemCount; ++k) {
        const ReportItem item = ReportSelection::ItemAt(k);
        EXPECT_EQ(ReportSelection::Parse(ReportSelection::Name(item), bad), ReportSelection::Only(item));
    }
}

TEST(ReportSelectionTest, EditorsPrintTheirOwnPart) {
    EXPECT_EQ(ReportSelection::ItemOfView(ViewIds::kChannelList), ReportItem::Channels);
    EXPECT_EQ(ReportSelection::ItemOfView(ViewIds::kMisc), ReportItem::Options);
    EXPECT_EQ(ReportSelection::ItemOfView(ViewIds::kTwoToneCall), ReportItem::TwoToneCalls);
    EXPECT_FALSE(ReportSelection::ItemOfView(ViewIds::kPassword));
    EXPECT_FALSE(ReportSelection::ItemOfView(ViewIds::kChangeLog));
}

TEST(ReportHtmlTest, EscapesMarkupCharacters) {
    EXPECT_EQ(ReportHtml::Escape("a<b>&\"c'"), "a&lt;b&gt;&amp;&quot;c&#39;");
    EXPECT_EQ(ReportHtml::Escape(std::string("x\x1B[2J\0y\tz\n", 10)), "x[2Jy\tz\n");
    EXPECT_EQ(ReportHtml::Escape("\xE4\xB8\xAD 136.325"), "\xE4\xB8\xAD 136.325"); // UTF-8 kept
}

} // namespace
} // namespace tav

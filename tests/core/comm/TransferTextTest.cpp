#include "core/comm/TransferText.h"

#include "support/TestSupport.h"
#include "core/comm/LinkMessages.h"
#include "core/comm/PortTable.h"
#include "core/lang/CLanguage.h"

#include <gtest/gtest.h>

namespace tav {
namespace {

TEST(TransferText, NumbersGoIntoTheFirstConversionOnly) {
    EXPECT_EQ(FormatNumberText("failed at address %04X.", 0x200), "failed at address 0200.");
    EXPECT_EQ(FormatNumberText("at %04x", 0xBEEF), "at beef");
    EXPECT_EQ(FormatNumberText("Reading: %d", 45), "Reading: 45");
    EXPECT_EQ(FormatNumberText("%5d|%-4d|", 7), "    7|%-4d|");
    EXPECT_EQ(FormatNumberText("100%% at %X", 255), "100% at FF");
    EXPECT_EQ(FormatNumberText("no conversion", 1), "no conversion");
}

TEST(TransferText, ForeignConversionsInAnEditedTextAreKeptAsText) {
    // A language file is user data: "%s", "%n" and the like must never reach printf.
    EXPECT_EQ(FormatNumberText("%s%n%p at %04X %X", 0x20), "%s%n%p at 0020 %X");
    EXPECT_EQ(FormatNumberText("trailing %", 1), "trailing %");
    EXPECT_EQ(FormatNumberText("%099999d", 1), "%099999d");
    EXPECT_EQ(FormatStringText("band (%s MHz) %s %d", "136-174"), "band (136-174 MHz) %s %d");
    EXPECT_EQ(FormatStringText("%-9s|", "ab"), "ab       |");
}

TEST(TransferText, NoteEscapes) {
    EXPECT_EQ(ExpandNoteEscapes(R"(one\ntwo\tthree\rfour\bfive\x\)"), "one\ntwo\tthree\rfour\bfive\\x\\");
}

TEST(TransferText, ReportsOfTheShippedLanguageFile) {
    const CLanguage language(test::ResourceDir() / "TAV_E.lng", [] { return std::string(); });
    TransferReport report;
    report.messageId = kMsgReadFailed;
    report.failedAddress = 0x10200; // the window shows the low 16 bits
    EXPECT_EQ(TransferReportText(language, report),
              "Reading the radio failed at address 0200. Check the cable and the radio, then read again.");
    report.messageId = kMsgWriteFailed;
    report.failedAddress = 0x13DE;
    EXPECT_EQ(TransferReportText(language, report).substr(0, 45),
              "Writing the radio failed at address 13DE. The");
    report.messageId = kMsgRangeOutsideRadio;
    report.detail = "400-470";
    EXPECT_EQ(TransferReportText(language, report),
              "The frequency range of the data lies outside the radio's band (400-470 MHz).");
    report.messageId = 0;
    EXPECT_EQ(TransferReportText(language, report), "");
    // A text the language file lacks is still a sentence, never a bare number.
    report.messageId = 99999;
    EXPECT_EQ(TransferReportText(language, report), "The operation failed.");
}

TEST(PortTableSettings, EntriesOfTheSettingsFile) {
    test::TempDir dir;
    test::WriteText(dir / "Settings.ini", "[Setting]\nComPort=3\n\n[ports]\nport2 = /dev/serial/by-id/cable\n"
                                          "Port16=\nPort17=/dev/ttyX\n");
    const PortTable table = PortTable::LoadFromSettings(dir / "Settings.ini");
    EXPECT_EQ(table.DevicePath(2), "/dev/serial/by-id/cable");
    EXPECT_EQ(table.DevicePath(16), PortTable::DefaultDevicePath(16));
    EXPECT_EQ(table.DevicePath(1), PortTable::DefaultDevicePath(1));
    EXPECT_EQ(PortTable::LoadFromSettings(dir / "missing.ini").DevicePath(2), PortTable::DefaultDevicePath(2));
}

} // namespace
} // namespace tav

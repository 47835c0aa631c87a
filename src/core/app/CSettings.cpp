#include "core/app/CSettings.h"

#include "core/app/UserFiles.h"
#include "core/platform/AsciiText.h"
#include "core/platform/FileAccess.h"
#include "core/platform/PrivateProfile.h"

#include <algorithm>
#include <cctype>
#include <clocale>
#include <string>
#include <tuple>

namespace tav {
namespace {

/// Name of the desktop program, from which the default help file name is built.
constexpr std::string_view kProgramName = "tavprog";

constexpr std::size_t kShortTextBytes = CSettings::kShortTextChars + 1;

/// A value as it can stand on one line of the settings file: line breaks and NULs become blanks.
std::string OneLine(std::string text) {
    std::replace_if(
        text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n' || c == '\0'; }, ' ');
    return text;
}

bool HasLngExtension(const std::filesystem::path& file) {
    return AsciiText::EqualsNoCase(file.extension().string(), ".lng");
}

} // namespace

CSettings::CSettings(ProgramHome home)
    : home_(std::move(home)), language_(home_.dir() / kDefaultLanguageFile, [this] { return modelId_; }) {
    if (const std::lconv* conv = std::localeconv(); conv && conv->decimal_point && conv->decimal_point[0]) {
        decimalSeparator_ = conv->decimal_point[0];
    }
    const auto file = SettingsFile();
    comPort_ = PrivateProfile::ReadInt(file, kSettingSection, "ComPort", 1);
    signalType_ = PrivateProfile::ReadInt(file, kSettingSection, "Signal", 0);
    modelName_ = PrivateProfile::ReadString(file, kSettingSection, "ModelName", {}, kShortTextBytes);
    modelId_ = PrivateProfile::ReadString(file, kSettingSection, "ModelID", {}, kShortTextBytes);
    freqRange_ = PrivateProfile::ReadString(file, kSettingSection, "FreqRange", {}, kShortTextBytes);
    const int index = PrivateProfile::ReadInt(file, kSettingSection, "Language", 0);
    helpFile_ = HelpFileFor(index, kProgramName);
    ChooseLanguage(index);
}

CSettings::~CSettings() {
    if (exitWriteDone_) {
        return;
    }
    try {
        static_cast<void>(WriteOnExit()); // a destructor has no one to tell
    } catch (...) {
        // Nothing may escape a destructor; the settings of this run are simply not kept.
    }
}

std::filesystem::path CSettings::HelpFilePath() const {
    const std::filesystem::path file(helpFile_);
    return file.is_absolute() ? file : home_.dir() / file;
}

int CSettings::GetUserLevel() const {
    return PrivateProfile::ReadInt(SettingsFile(), kUserModeSection, "Level", 0);
}

bool CSettings::IsFactoryLevel() const {
    const int level = GetUserLevel();
    return level == kFactoryLevel || level == kFullFactoryLevel;
}

bool CSettings::IsFullFactoryLevel() const {
    return GetUserLevel() >= kFullFactoryLevel;
}

void CSettings::ChooseLanguage(int index) {
    std::vector<std::filesystem::path> files;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(home_.dir(), ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code typeEc;
        if (it->is_regular_file(typeEc) && HasLngExtension(it->path())) {
            files.push_back(it->path());
        }
    }
    // The directory's own order differs between file systems; the name order is the same everywhere.
    std::sort(files.begin(), files.end());

    bool chosen = false;
    for (const auto& file : files) {
        const auto name = PrivateProfile::ReadString(file, CLanguage::kSection, "Language",
                                                     kDefaultLanguageName, kShortTextBytes);
        const auto list = AsciiText::SplitList(
            PrivateProfile::ReadString(file, CLanguage::kSection, "LanguageList", {}, kShortTextBytes), ',',
            true);
        if (index >= 0 && static_cast<std::size_t>(index) < list.size() &&
            list[static_cast<std::size_t>(index)] == name) {
            language_.SetLanguageFile(file);
            languageName_ = name;
            languageIndex_ = index;
            chosen = true;
            break;
        }
    }
    if (!chosen) {
        language_.SetLanguageFile(home_.dir() / kDefaultLanguageFile);
        languageName_ = kDefaultLanguageName;
        languageIndex_ = 0;
    }
    helpFile_ = PrivateProfile::ReadString(language_.LanguageFile(), CLanguage::kSection, "HelpFile",
                                           helpFile_, kShortTextBytes);
}

int CSettings::SelectLanguage(int index) {
    ChooseLanguage(index);
    if (const auto file = PrepareUserFile(home_, kSettingsFileName)) {
        // A failed write only means the next start begins with the language of before.
        std::ignore =
            PrivateProfile::WriteString(*file, kSettingSection, "Language", std::to_string(languageIndex_));
    }
    return languageIndex_;
}

Result CSettings::WriteOnExit() {
    exitWriteDone_ = true;
    const auto file = PrepareUserFile(home_, kSettingsFileName);
    if (!file) {
        return Result::Fail(kMsgCannotSave, home_.UserFile(kSettingsFileName).string() + ": cannot be made");
    }
    // A declined new range leaves the model list without it, so the range kept is the one before.
    const std::string& range = newRangeAnswer_ == kAnswerNo ? prevFreqRange_ : freqRange_;
    return PrivateProfile::WriteStrings(*file, kSettingSection,
                                        {{"ComPort", std::to_string(comPort_)},
                                         {"Signal", std::to_string(signalType_)},
                                         {"ModelName", OneLine(modelName_)},
                                         {"ModelID", OneLine(modelId_)},
                                         {"FreqRange", OneLine(range)}});
}

std::string CSettings::SplashFileFor(int languageIndex) {
    return languageIndex == 0 ? "splash_E.jpg" : "splash_S.jpg";
}

std::string CSettings::HelpFileFor(int languageIndex, std::string_view programName) {
    return std::string(programName) + (languageIndex == 1 ? "_S" : "_E") + ".chm";
}

std::string CSettings::HelpFolderFor(std::string_view helpFile) {
    const std::string stem = std::filesystem::path(helpFile).stem().string();
    const std::size_t cut = stem.rfind('_');
    const std::string suffix = cut == std::string::npos ? std::string() : stem.substr(cut + 1);
    // Only a plain letter code names a folder: the name must stay inside the program directory.
    const bool code =
        !suffix.empty() && suffix.size() <= 8 &&
        std::all_of(suffix.begin(), suffix.end(), [](unsigned char c) { return std::isalnum(c); });
    if (!code || AsciiText::EqualsNoCase(suffix, "E")) {
        return kHelpFolder;
    }
    return std::string(kHelpFolder) + "_" + suffix;
}

} // namespace tav

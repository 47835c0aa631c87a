#pragma once

#include "core/app/ProgramHome.h"
#include "core/lang/CLanguage.h"
#include "core/util/Result.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace tav {

/// The program's settings and the current identity of the data (model, frequency range,
/// signalling type, firmware version), kept between runs in `Settings.ini`; also the owner of the
/// language module. One object lives for the whole run.
///
/// `Settings.ini` is read from the user folder, or from the program folder while the user has no
/// copy. It is written at exit (`WriteOnExit`) and when a language is chosen; writes go to the
/// user's copy, made from the shipped file first so that its other sections survive.
class CSettings {
public:
    static constexpr const char* kSettingsFileName = "Settings.ini";
    static constexpr const char* kModelFileName = "Model.dat";
    static constexpr const char* kDefaultLanguageFile = "TAV_E.lng";
    static constexpr const char* kDefaultLanguageName = "English";
    static constexpr const char* kSettingSection = "Setting";
    static constexpr const char* kUserModeSection = "User Mode";

    /// User levels that unlock the factory functions. The full factory level, and any level above
    /// it, also keeps the change log and Memory Update.
    static constexpr int kFactoryLevel = 5;
    static constexpr int kFullFactoryLevel = 9;

    /// Answers to the new-frequency-range question, as the message-box answers Yes and No.
    static constexpr int kAnswerYes = 6;
    static constexpr int kAnswerNo = 7;

    /// Longest model name, identifier, range text, language name or help file name read (bytes).
    static constexpr std::size_t kShortTextChars = 100;

    /// Reads `Settings.ini` and chooses the language file of its language index (nothing is
    /// written). The decimal separator is taken from the C library's current locale.
    explicit CSettings(ProgramHome home);
    /// Writes `Settings.ini` unless `WriteOnExit` or `CancelExitWrite` already ran.
    ~CSettings();
    CSettings(const CSettings&) = delete;
    CSettings& operator=(const CSettings&) = delete;

    ProgramHome& Home() { return home_; }
    const ProgramHome& Home() const { return home_; }
    /// The program directory with a trailing separator.
    std::string ProgramDir() const { return home_.DirText(); }
    /// The settings file the program reads now (user copy, else the shipped one).
    std::filesystem::path SettingsFile() const { return home_.ShippedFile(kSettingsFileName); }
    /// The model list the program reads now (user copy, else the shipped one).
    std::filesystem::path ModelFile() const { return home_.ShippedFile(kModelFileName); }

    char DecimalSeparator() const { return decimalSeparator_; }
    void SetDecimalSeparator(char separator) { decimalSeparator_ = separator; }

    int ComPort() const { return comPort_; }
    void SetComPort(int port) { comPort_ = port; }
    const std::string& ModelName() const { return modelName_; }
    void SetModelName(std::string name) { modelName_ = std::move(name); }
    const std::string& ModelId() const { return modelId_; }
    void SetModelId(std::string id) { modelId_ = std::move(id); }
    /// Current frequency range "%d-%d" in whole MHz.
    const std::string& FreqRange() const { return freqRange_; }
    void SetFreqRange(std::string range) { freqRange_ = std::move(range); }
    /// The range before the last read from a radio.
    const std::string& PrevFreqRange() const { return prevFreqRange_; }
    void SetPrevFreqRange(std::string range) { prevFreqRange_ = std::move(range); }
    /// kAnswerYes or kAnswerNo: the answer to the last new-range question.
    int NewRangeAnswer() const { return newRangeAnswer_; }
    void SetNewRangeAnswer(int answer) { newRangeAnswer_ = answer; }
    int SignalType() const { return signalType_; }
    void SetSignalType(int type) { signalType_ = type; }
    const std::string& FirmwareVersion() const { return firmwareVersion_; }
    void SetFirmwareVersion(std::string version) { firmwareVersion_ = std::move(version); }

    /// The help file as named (relative names lie in the program directory).
    const std::string& HelpFile() const { return helpFile_; }
    void SetHelpFile(std::string file) { helpFile_ = std::move(file); }
    std::filesystem::path HelpFilePath() const;
    /// The folder of this language's help pages in the program directory: "help_S" for a help
    /// file named "..._S.<ext>", plain "help" for English ("_E") or a name without a suffix.
    std::string HelpFolder() const { return HelpFolderFor(helpFile_); }

    const std::filesystem::path& LanguageFile() const { return language_.LanguageFile(); }
    int LanguageIndex() const { return languageIndex_; }
    const std::string& LanguageName() const { return languageName_; }

    /// "User Mode"/"Level" of the settings file, read anew at every call (0 when absent).
    int GetUserLevel() const;
    /// The level is the factory level or the full factory level.
    bool IsFactoryLevel() const;
    /// The level is the full factory level or above.
    bool IsFullFactoryLevel() const;

    CLanguage& Language() { return language_; }
    const CLanguage& Language() const { return language_; }

    /// Chooses the language file whose language list names, at `index`, the file's own language;
    /// without such a file English ("TAV_E.lng", index 0). Takes the file's help file and writes the
    /// chosen index to `Settings.ini`. Returns the index actually chosen.
    int SelectLanguage(int index);

    /// The exit-time write of "ComPort", "Signal", "ModelName", "ModelID" and "FreqRange" (the
    /// previous range when the last new-range answer was no), in one atomic update. Returns whether
    /// it succeeded; the destructor does not write again afterwards.
    Result WriteOnExit();
    /// Keeps the destructor from writing (for tools that must not change the user's settings).
    void CancelExitWrite() { exitWriteDone_ = true; }
    bool ExitWriteDone() const { return exitWriteDone_; }

    /// Splash picture of a language: "splash_E.jpg" for index 0, "splash_S.jpg" otherwise.
    static std::string SplashFileFor(int languageIndex);
    /// Help file named after the program: "_S" for language index 1, "_E" otherwise, extension chm.
    static std::string HelpFileFor(int languageIndex, std::string_view programName);
    /// The help page folder that belongs to a help file name (see `HelpFolder`).
    static std::string HelpFolderFor(std::string_view helpFile);
    static constexpr const char* kHelpFolder = "help";

private:
    /// Steps of SelectLanguage without the write.
    void ChooseLanguage(int index);

    ProgramHome home_;
    char decimalSeparator_ = '.';
    int comPort_ = 1;
    std::string modelName_;
    std::string modelId_;
    std::string freqRange_;
    std::string prevFreqRange_;
    int newRangeAnswer_ = kAnswerYes;
    int signalType_ = 0;
    std::string helpFile_;
    int languageIndex_ = 0;
    std::string languageName_ = kDefaultLanguageName;
    std::string firmwareVersion_;
    CLanguage language_;
    bool exitWriteDone_ = false;
};

} // namespace tav

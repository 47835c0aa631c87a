#pragma once

namespace tav::gui::ShellTexts {

// Message texts (group S01) of the program's frame.
inline constexpr int kCloseQuestion = 816;
inline constexpr int kUnsavedQuestion = 3870; ///< save the changes before the data is replaced?
inline constexpr int kMenuTextFailed = 1152;
inline constexpr int kPortPane = 2231;        ///< "COM%d"
inline constexpr int kIdlePrompt = 57345;     ///< the status bar's prompt when nothing is asked
inline constexpr int kNotAvailable = 9401;    ///< a function this build does not have
inline constexpr int kRecordPosition = 9403;  ///< "%d of %d"
inline constexpr int kRangeNotAdded = 9405;   ///< the model list could not take a new range
inline constexpr int kLogOpened = 9410;       ///< "Opened %s"
inline constexpr int kLogSaved = 9411;        ///< "Saved %s"
inline constexpr int kLogNew = 9412;          ///< "New configuration for %s"
inline constexpr int kLogRead = 9413;         ///< "Read from the radio: %s"
inline constexpr int kLogWritten = 9414;      ///< "Written to the radio: %s"
inline constexpr int kLogMemoryUpdate = 9415; ///< "Memory updated"
inline constexpr int kLogProblems = 9416;     ///< "%d problems found"
inline constexpr int kSimulatedRadio = 9417;  ///< "Simulated radio attached on %s"
inline constexpr int kLogModelChanged = 9419; ///< "Model changed to %s"
inline constexpr int kLogLanguageChanged = 9420;
inline constexpr int kSimulatorFailed = 9421;      ///< the simulated radio could not be started
inline constexpr int kLogRangeChanged = 9422;      ///< "Frequency range changed to %s MHz"
inline constexpr int kLogSignallingChanged = 9423; ///< "Signalling changed to type %s"

// Control texts (group S02): captions, labels and menu texts.
inline constexpr int kTitle = 128;
inline constexpr int kAboutDialog = 100;
inline constexpr int kTreeBarCaption = 9301;
inline constexpr int kProblemBarCaption = 9302;
inline constexpr int kLogBarCaption = 9303;
inline constexpr int kHelpWindowCaption = 9304;
inline constexpr int kToolBarCaption = 9305;
inline constexpr int kHelpBack = 9306;
inline constexpr int kHelpForward = 9307;
inline constexpr int kHelpContents = 9308;
inline constexpr int kProblemColumn0 = 915;
inline constexpr int kProblemColumn1 = 916;
inline constexpr int kFirstMenuCaption = 32790; ///< + position of the top-level menu
inline constexpr int kMenuCount = 7;            ///< File, View, Edit, Program, Setting, Window, Help

} // namespace tav::gui::ShellTexts

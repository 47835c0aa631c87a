#pragma once

namespace tav::gui::ShellTexts {

// Message texts (group S01) of the program's frame.
inline constexpr int kCloseQuestion = 816;
inline constexpr int kMenuTextFailed = 1152;
inline constexpr int kPortPane = 2231;        ///< "COM%d"
inline constexpr int kIdlePrompt = 57345;     ///< the status bar's prompt when nothing is asked
inline constexpr int kNotAvailable = 9001;    ///< a function this build does not have
inline constexpr int kRecordPosition = 9003;  ///< "%d of %d"
inline constexpr int kRangeNotAdded = 9005;   ///< the model list could not take a new range
inline constexpr int kLogOpened = 9010;       ///< "Opened %s"
inline constexpr int kLogSaved = 9011;        ///< "Saved %s"
inline constexpr int kLogNew = 9012;          ///< "New configuration for %s"
inline constexpr int kLogRead = 9013;         ///< "Read from the radio: %s"
inline constexpr int kLogWritten = 9014;      ///< "Written to the radio: %s"
inline constexpr int kLogMemoryUpdate = 9015; ///< "Memory updated"
inline constexpr int kLogProblems = 9016;     ///< "%d problems found"
inline constexpr int kSimulatedRadio = 9017;  ///< "Simulated radio on %s as COM%d"
inline constexpr int kBadOption = 9018;       ///< the command line could not be understood
inline constexpr int kLogModelChanged = 9019; ///< "Model changed to %s"
inline constexpr int kLogLanguageChanged = 9020;
inline constexpr int kSimulatorFailed = 9021; ///< the simulated radio could not be started

// Control texts (group S02): captions, labels and menu texts.
inline constexpr int kTitle = 128;
inline constexpr int kAboutDialog = 100;
inline constexpr int kTreeBarCaption = 9101;
inline constexpr int kProblemBarCaption = 9102;
inline constexpr int kLogBarCaption = 9103;
inline constexpr int kHelpWindowCaption = 9104;
inline constexpr int kToolBarCaption = 9105;
inline constexpr int kProblemColumn0 = 915;
inline constexpr int kProblemColumn1 = 916;
inline constexpr int kFirstMenuCaption = 32790; ///< + position of the top-level menu

} // namespace tav::gui::ShellTexts

#pragma once

#include "core/app/Document.h"
#include "core/app/ModelChoice.h"
#include "core/app/RadioCommands.h"
#include "gui/views/EditorHost.h"
#include "gui/views/ViewRegistry.h"

#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <map>
#include <vector>

class QAction;
class QDockWidget;
class QLabel;
class QMdiArea;
class QMenu;
class QPlainTextEdit;
class QTimer;
class QToolBar;

namespace tav {
struct FreqRangeRecord;
}

namespace tav::gui {

class AppContext;
class CChildFrame;
class CCustomFormView;
class CViewManager;
class ExchangeCommands;
class FileCommands;
class NavigationTree;
class ProblemListBar;
class RadioHistoryWindow;
class PaneFocus;
class UndoCommands;
class ReportCommands;

/// Command ids of the main window's menus and tool bar.
namespace Commands {
inline constexpr int kNew = 57600;
inline constexpr int kOpen = 57601;
inline constexpr int kSave = 57603;
inline constexpr int kSaveAs = 57604;
inline constexpr int kRecentFirst = 57616;
inline constexpr int kRecentLast = 57619;
inline constexpr int kExit = 57665;
inline constexpr int kAbout = 57664;
inline constexpr int kHelpTopics = 57667;
inline constexpr int kCascade = 57650;
inline constexpr int kTile = 57651;
inline constexpr int kToolBar = 59392;
inline constexpr int kStatusBar = 59393;
inline constexpr int kModelInfo = 32771;
inline constexpr int kComPort = 32772;
inline constexpr int kRead = 32773;
inline constexpr int kWrite = 32774;
inline constexpr int kRadioHistory = 32980;
inline constexpr int kFleet = 32981;
inline constexpr int kAdjustment = 32697;
inline constexpr int kFactoryMode = 32698;
inline constexpr int kWriteTuneData = 32699;
inline constexpr int kTabView = 32700;
inline constexpr int kMemoryUpdate = 32776;
inline constexpr int kLanguage = 32777;
inline constexpr int kTreeBar = 32778;
inline constexpr int kCloseAll = 32779;
inline constexpr int kCloseAllButThis = 32904;
inline constexpr int kLogView = 32905;
inline constexpr int kInvalidView = 32906;
// Compare and the channel list's CSV exchange (File menu)
inline constexpr int kCompareFile = 32960;
inline constexpr int kCompareRadio = 32961;
inline constexpr int kExportChannels = 32962;
inline constexpr int kImportChannels = 32963;
inline constexpr int kCompareMenu = 32964; ///< caption of the Compare sub-menu
} // namespace Commands

/// Status bar panes.
namespace Panes {
inline constexpr int kModelName = 59143;
inline constexpr int kFreqRange = 59144;
inline constexpr int kPort = 59145;
inline constexpr int kClock = 59146;
} // namespace Panes

/// The main window: menus built from the language file and trimmed by the user level, tool bar,
/// status bar with the clock, the navigation tree bar, the tab bar, the problem list and log bars,
/// and the editor windows. It carries out the program's commands and passes every editor's change
/// notice on to all open editors.
class CMainFrame : public QMainWindow, public DocumentViews, public EditorHost {
    Q_OBJECT
public:
    /// Top-level menus by position.
    enum MenuPosition {
        kFileMenu = 0,
        kViewMenu,
        kEditMenu,
        kProgramMenu,
        kSettingMenu,
        kWindowMenu,
        kHelpMenu
    };

    explicit CMainFrame(AppContext& context, QWidget* parent = nullptr);
    ~CMainFrame() override;

    AppContext& Context() const { return context_; }
    FileCommands& Files() const { return *files_; }
    ReportCommands& Reports() const { return *reports_; }
    ExchangeCommands& Exchange() const { return *exchange_; }
    ViewRegistry& Views() { return views_; }

    /// Carries out a command by id (menus, tool bar and tests come here). False for an unknown id.
    bool RunCommand(int commandId);
    /// The action of a command; nullptr when the menus do not offer it.
    QAction* Action(int commandId) const;
    QMenu* TopMenu(int position) const;

    // Editors
    /// Opens the editor of a view identifier, or activates its open window, with `title`; a title
    /// ending in a record number moves the editor to that record among `subItemCount`.
    CChildFrame* OpenEditor(int viewId, const QString& title, int subItemCount = 0);
    /// An Edit-menu command: opens the editor its view identifier maps to.
    bool OpenEditorCommand(int commandId);
    /// The editor window of a view identifier, if one is open.
    CChildFrame* EditorFrame(int viewId) const;
    std::vector<CChildFrame*> EditorFrames() const;
    /// Entries of the list of editors opened so far (kept after their windows closed).
    int EditorEntryCount() const { return static_cast<int>(editors_.size()); }
    /// Closes every editor window (command 32779).
    void CloseAllEditors() override;
    /// Closes every editor window but `keep`.
    void CloseAllEditorsBut(CChildFrame* keep);
    /// Ends an edit being typed, then every editor stores its controls.
    void StoreAllEditors() override;
    void DataReloaded() override;
    void DocumentReplaced() override;
    void UndoEdit() override;
    void RedoEdit() override;
    /// Edit > Undo and Redo over the document's one history.
    UndoCommands& Undo() const { return *undo_; }
    void DataChanged(std::uint32_t wParam, const RecordListNotice* notice) override;
    void ShowView(int viewId, const QString& title) override;
    /// Ends an edit still being typed in the active editor (as leaving it would).
    void CommitPendingEdit();

    // Frame
    /// The title names the document's file; it is marked while the data has unsaved changes.
    void SetDocumentTitle(const QString& path);
    /// Marks the title when the data differs from what was last opened, saved or made new.
    void RefreshModified();
    void RefreshStatusBar();
    /// Every open record editor's bar shows its editor's place in its list as it is now.
    void RefreshRecordBars();
    QString PaneText(int paneId) const;
    /// Rebuilds the menus from the language file and trims menus and tree by the user level.
    void RebuildMenus();
    /// Rebuilds the navigation tree with its record items, trimmed by the user level.
    void RebuildTree();
    /// Shows the problem list bar when it holds entries.
    void ShowProblemsIfAny();
    /// Opens the editor of a problem entry's record (by its place in the list) at the control that
    /// shows the reference; false when the record or the control is not there.
    bool OpenProblem(int index);
    void Log(const QString& line);
    /// Closing asks nothing while this is set.
    void SetNoQuestion(bool on) { noQuestion_ = on; }

    NavigationTree* Tree() const { return tree_; }
    CViewManager* TabBar() const { return tabs_; }
    ProblemListBar* ProblemBar() const { return problems_; }
    QDockWidget* TreeBar() const { return treeBar_; }
    QDockWidget* LogBar() const { return logBar_; }
    QMdiArea* MdiArea() const { return mdi_; }

    /// Applies a model chosen in the Model Information dialog.
    void ApplyModelChoice(const ModelChoice& choice);
    /// Offers a radio's frequency range to the model list (the new-range question); tells when
    /// the model list could not take it. FreqRangeTable's answer.
    int OfferNewRange(const FreqRangeRecord& range);

signals:
    /// The clock pane was updated.
    void clockTicked();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    struct EditorEntry {
        int viewId = 0;
        QPointer<CChildFrame> frame;
        const char* className = "";
    };

    void CreateActions();
    QAction* MakeAction(int id, const QString& text, const QKeySequence& shortcut = {},
                        bool checkable = false);
    void BuildMenus();
    void BuildEditMenu(QMenu* menu);
    void TrimMenus();
    void UpdateRecentFiles();
    void UpdateEditMenuChecks();
    void CreateBars();
    void CreateToolBar();
    void CreateTreeBar();
    void CreateLogBars();
    void ConnectBarToggles();
    void CreateStatusPanes();
    /// Widens the tree bar so that no item's text is cut.
    void FitTreeBar();
    void TickClock();
    CChildFrame* CreateEditorFrame(EditorEntry& entry, const QString& title);
    void ApplyOpeningNavigation(CChildFrame* frame, const QString& title, int subItemCount);
    void OnNavigate(CChildFrame* frame, NavigateCommand command);
    void OnEditorClosed(CChildFrame* frame);
    QString StatusPrompt(int commandId) const;

    // Commands: one handler per command id, in groups.
    void AddFileCommands();
    void AddProgramCommands();
    void AddViewCommands();
    void AddWindowCommands();
    /// Print…, Print Preview… and Export Report… (the configuration report) and the editors' Print.
    void AddReportCommands();
    void AddReportMenuItems(QMenu* fileMenu);
    /// Compare and the CSV exchange: their commands, and their place in the File menu.
    void AddExchangeCommands();
    void AddExchangeMenu(QMenu* file);
    void RunFactoryCommand(int commandId);
    /// Read and Write run the radio commands, their transfer in the communication dialog.
    RadioCommands MakeRadioCommands();
    /// Program > Fleet Programming: the document written to many radios at once.
    void ShowFleet();
    TransferRunner DialogTransfer();
    RadioTarget RadioTargetNow() const;
    YesNoQuestion RangeQuestion();
    void TellIfRangeNotSaved();
    void ReadFromRadio();
    void WriteToRadio();
    /// Program > Radio History: the window of the radios' history (one at a time).
    void ShowRadioHistory();
    /// "Verify after writing": reads the radio back and tells whether it holds the data.
    /// Reads the radio back through `readBack` after a write and tells the one result.
    void VerifyWrite(const TransferRunner& readBack);
    void MemoryUpdate();
    void ChangeLanguage();
    void ModelInformation();
    void LogIdentityChange(const ModelChoice& before, const ModelChoice& after);
    void CommunicationPort();
    void ToggleBar(QWidget* bar, int commandId);

    AppContext& context_;
    std::unique_ptr<FileCommands> files_;
    std::unique_ptr<ReportCommands> reports_;
    std::unique_ptr<ExchangeCommands> exchange_;
    UndoCommands* undo_ = nullptr;   ///< owned as a child of the window
    PaneFocus* paneFocus_ = nullptr; ///< F6 / Shift+F6; owned as a child of the window
    ViewRegistry views_;
    std::vector<EditorEntry> editors_;
    std::map<int, std::function<void()>> handlers_;
    std::map<int, QAction*> actions_;
    std::vector<QAction*> recentActions_;
    std::vector<QMenu*> menus_;
    QMdiArea* mdi_ = nullptr;
    CViewManager* tabs_ = nullptr;
    NavigationTree* tree_ = nullptr;
    QDockWidget* treeBar_ = nullptr;
    ProblemListBar* problems_ = nullptr;
    QDockWidget* logBar_ = nullptr;
    QPlainTextEdit* log_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    std::map<int, QLabel*> panes_;
    QLabel* prompt_ = nullptr;
    QTimer* clock_ = nullptr;
    QPointer<RadioHistoryWindow> history_;
    bool noQuestion_ = false;
    bool closing_ = false;
};

} // namespace tav::gui

#include "gui/app/CMainFrame.h"

#include "core/app/RadioCommands.h"
#include "core/app/TreeTemplate.h"
#include "core/app/ViewTable.h"
#include "core/compare/RadioVerify.h"
#include "core/data/ProblemList.h"
#include "gui/app/AppContext.h"
#include "gui/app/CChildFrame.h"
#include "gui/app/CViewManager.h"
#include "gui/app/ExchangeCommands.h"
#include "gui/app/FileCommands.h"
#include "gui/app/FleetWindow.h"
#include "gui/app/HelpSystem.h"
#include "gui/app/NavigationTree.h"
#include "gui/app/PaneFocus.h"
#include "gui/app/ProblemListBar.h"
#include "gui/app/RadioHistoryWindow.h"
#include "gui/app/RecentFileList.h"
#include "gui/app/ShellDialogs.h"
#include "gui/app/ShellTexts.h"
#include "gui/app/UndoCommands.h"
#include "gui/app/WriteRecovery.h"
#include "gui/comm/DialogRunner.h"
#include "gui/controls/Mnemonics.h"
#include "gui/report/ReportCommands.h"
#include "gui/ui/RadioDialogs.h"
#include "gui/views/CCustomFormView.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QDockWidget>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace tav::gui {
namespace {

/// One item of a fixed menu: a command with its default text and shortcut, or a separator (id 0).
struct MenuItemSpec {
    MenuItemSpec(int id = 0, const char* text = "", QKeySequence shortcut = {}, bool checkable = false)
        : id(id), text(text), shortcut(std::move(shortcut)), checkable(checkable) {}

    int id;
    const char* text;
    QKeySequence shortcut;
    bool checkable;
};

/// Marks the place of the recent-file entries in the File menu.
constexpr int kRecentPlace = -1;

struct MenuSpec {
    const char* caption;
    std::vector<MenuItemSpec> items;
};

std::vector<MenuSpec> MenuTemplate() {
    using namespace Commands;
    return {
        {"&File",
         {{kNew, "&New", QKeySequence::New},
          {kOpen, "&Open...", QKeySequence::Open},
          {kSave, "&Save", QKeySequence::Save},
          {kSaveAs, "Save &As..."},
          {0},
          {kRecentPlace},
          {0},
          {kExit, "E&xit", QKeySequence(Qt::ALT | Qt::Key_F4)}}},
        {"&View",
         {{kToolBar, "&Toolbar", {}, true},
          {kStatusBar, "&Status Bar", {}, true},
          {0},
          {kTreeBar, "T&ree Bar", {}, true},
          {kTabView, "Tab &View", {}, true},
          {kInvalidView, "&Problem List", {}, true},
          {kLogView, "&Log", {}, true}}},
        {"&Edit", {}},
        {"&Program",
         {{kRead, "&Read from Radio", QKeySequence(Qt::CTRL | Qt::Key_R)},
          {kWrite, "&Write to Radio", QKeySequence(Qt::CTRL | Qt::Key_W)},
          {kRadioHistory, "Radio &History..."},
          {kFleet, "F&leet Programming..."},
          {0},
          {kMemoryUpdate, "&Memory Update"},
          {0},
          {kAdjustment, "&Adjustment..."},
          {0},
          {kFactoryMode, "&Factory Mode..."},
          {0},
          {kWriteTuneData, "Write &Tune Data"}}},
        {"&Setting",
         {{kComPort, "&Communication Port..."},
          {kModelInfo, "&Model Information..."},
          {kLanguage, "&Language..."}}},
        {"&Window", {{kCloseAll, "Close All &Windows"}, {0}, {kCascade, "&Cascade"}, {kTile, "&Tile"}}},
        {"&Help", {{kHelpTopics, "&Help Topics"}, {0}, {kAbout, "&About TAV Programmer..."}}},
    };
}

/// A menu text from the language file: an accelerator hint after a tab (or a written "\t") is
/// dropped, since the action shows its own shortcut.
QString MenuText(QString text) {
    for (const QString& cut : {QStringLiteral("\t"), QStringLiteral("\\t")}) {
        if (const qsizetype at = text.indexOf(cut); at >= 0) {
            text.truncate(at);
        }
    }
    return text;
}

QString PlainText(QString menuText) {
    menuText.remove(QRegularExpression(QStringLiteral("&(?!&)")));
    return menuText;
}

/// Removes an action from a menu together with the separator before it.
void RemoveWithSeparator(QMenu* menu, QAction* action) {
    if (!menu || !action) {
        return;
    }
    const QList<QAction*> actions = menu->actions();
    const qsizetype at = actions.indexOf(action);
    if (at < 0) {
        return;
    }
    if (at > 0 && actions[at - 1]->isSeparator()) {
        menu->removeAction(actions[at - 1]);
    }
    menu->removeAction(action);
}

QAction* FindInMenu(QMenu* menu, int id) {
    for (QAction* action : menu->actions()) {
        if (action->menu()) {
            if (QAction* found = FindInMenu(action->menu(), id)) {
                return found;
            }
        } else if (!action->isSeparator() && action->data().toInt() == id) {
            return action;
        }
    }
    return nullptr;
}

QMenu* MenuHolding(QMenu* menu, QAction* action) {
    if (menu->actions().contains(action)) {
        return menu;
    }
    for (QAction* item : menu->actions()) {
        if (item->menu()) {
            if (QMenu* found = MenuHolding(item->menu(), action)) {
                return found;
            }
        }
    }
    return nullptr;
}

/// Cascades the editor windows that are shown, each as large as the area leaves after the offsets
/// of the windows before it, the active one last and on top. (A lone window keeps the whole area:
/// the framework's own cascade shrinks it to its minimum size.)
void CascadeWindows(QMdiArea* mdi) {
    QList<QMdiSubWindow*> windows;
    for (QMdiSubWindow* window : mdi->subWindowList(QMdiArea::StackingOrder)) {
        if (window->isVisible() && !window->isMinimized()) {
            windows << window;
        }
    }
    if (windows.isEmpty()) {
        return;
    }
    const QSize area = mdi->viewport()->size();
    const int step =
        std::max(24, mdi->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, windows.front()));
    const int offsets = static_cast<int>(windows.size()) - 1;
    const QSize size(std::max(area.width() - step * offsets, area.width() / 2),
                     std::max(area.height() - step * offsets, area.height() / 2));
    // Offsets start again at the top left when they would push a window out of the area.
    const int rounds =
        std::max(1, std::min(area.width() - size.width(), area.height() - size.height()) / step + 1);
    for (int i = 0; i < windows.size(); ++i) {
        QMdiSubWindow* window = windows[i];
        window->showNormal();
        const int offset = step * (i % rounds);
        window->setGeometry(QRect(QPoint(offset, offset), size));
    }
    mdi->setActiveSubWindow(windows.back());
}

} // namespace

CMainFrame::CMainFrame(AppContext& context, QWidget* parent)
    : QMainWindow(parent), context_(context), files_(std::make_unique<FileCommands>(context, *this)),
      exchange_(std::make_unique<ExchangeCommands>(context, *this)) {
    setObjectName(QStringLiteral("mainFrame"));
    RegisterStandardViews(views_);
    setDockOptions(QMainWindow::AnimatedDocks | QMainWindow::AllowTabbedDocks);

    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    mdi_ = new QMdiArea(central);
    mdi_->setViewMode(QMdiArea::SubWindowView);
    mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdi_->setBackground(palette().brush(QPalette::Dark));
    tabs_ = new CViewManager(context_, mdi_, central);
    tabs_->SetCommandHandler([this](QMdiSubWindow* window, int id) {
        auto* frame = qobject_cast<CChildFrame*>(window);
        if (!frame) {
            return;
        }
        if (id == Commands::kCloseAllButThis) {
            CloseAllEditorsBut(frame);
        } else {
            frame->RunWindowCommand(id);
        }
    });
    column->addWidget(tabs_);
    column->addWidget(mdi_, 1);
    setCentralWidget(central);

    AddFileCommands();
    AddProgramCommands();
    AddViewCommands();
    AddWindowCommands();
    AddReportCommands();
    CreateActions();
    undo_ = new UndoCommands(context_, *this);
    paneFocus_ = new PaneFocus(
        *this,
        [this]() -> std::vector<QWidget*> {
            auto* active = qobject_cast<CChildFrame*>(mdi_->activeSubWindow());
            return {tree_, active ? active->View() : nullptr, problems_->List(), log_};
        },
        [](QWidget* pane) {
            if (auto* view = qobject_cast<CCustomFormView*>(pane)) {
                view->RestoreFocus();
            } else {
                pane->setFocus(Qt::ShortcutFocusReason);
            }
        });
    AddExchangeCommands();
    CreateBars();
    RebuildTree();
    RebuildMenus();
    RefreshStatusBar();
    SetDocumentTitle({});
    TickClock();
    clock_ = new QTimer(this);
    clock_->setInterval(1000);
    connect(clock_, &QTimer::timeout, this, &CMainFrame::TickClock);
    clock_->start();
    connect(mdi_, &QMdiArea::subWindowActivated, this, [this] {
        if (QAction* action = Action(Commands::kCloseAll)) {
            action->setEnabled(mdi_->activeSubWindow() != nullptr);
        }
    });
    resize(1180, 780);
}

CMainFrame::~CMainFrame() {
    // The editors store while the data is still there.
    std::vector<QPointer<CChildFrame>> frames;
    for (EditorEntry& entry : editors_) {
        if (entry.frame) {
            entry.frame->StoreBeforeClosing();
            frames.push_back(entry.frame);
        }
    }
    // The editor windows go before the lists they report to: the focus leaving an editor while
    // the main window is torn down must not reach a host whose members are already gone.
    for (const QPointer<CChildFrame>& frame : frames) {
        delete frame.data();
    }
}

// --- Actions, menus and bars -----------------------------------------------------------------

QAction* CMainFrame::MakeAction(int id, const QString& text, const QKeySequence& shortcut, bool checkable) {
    auto* action = new QAction(text, this);
    action->setData(id);
    action->setShortcut(shortcut);
    action->setCheckable(checkable);
    action->setStatusTip(StatusPrompt(id));
    connect(action, &QAction::triggered, this, [this, id] { RunCommand(id); });
    actions_[id] = action;
    return action;
}

void CMainFrame::CreateActions() {
    for (const MenuSpec& menu : MenuTemplate()) {
        for (const MenuItemSpec& item : menu.items) {
            if (item.id > 0) {
                MakeAction(item.id, QString::fromLatin1(item.text), item.shortcut, item.checkable);
            }
        }
    }
    for (int id = Commands::kRecentFirst; id <= Commands::kRecentLast; ++id) {
        QAction* action = MakeAction(id, {});
        recentActions_.push_back(action);
    }
    const struct {
        int id;
        QStyle::StandardPixmap icon;
    } icons[] = {{Commands::kNew, QStyle::SP_FileIcon},
                 {Commands::kOpen, QStyle::SP_DialogOpenButton},
                 {Commands::kSave, QStyle::SP_DialogSaveButton},
                 {Commands::kRead, QStyle::SP_ArrowDown},
                 {Commands::kWrite, QStyle::SP_ArrowUp},
                 {Commands::kHelpTopics, QStyle::SP_MessageBoxQuestion},
                 {Commands::kCloseAll, QStyle::SP_DialogCloseButton}};
    for (const auto& icon : icons) {
        actions_[icon.id]->setIcon(style()->standardIcon(icon.icon));
    }
    actions_[Commands::kCloseAll]->setEnabled(false);
}

void CMainFrame::CreateBars() {
    CreateToolBar();
    CreateTreeBar();
    CreateLogBars();
    ConnectBarToggles();
    CreateStatusPanes();
}

void CMainFrame::CreateToolBar() {
    toolBar_ = addToolBar(QStringLiteral("Toolbar"));
    toolBar_->setObjectName(QStringLiteral("toolBar"));
    toolBar_->setMovable(false);
    toolBar_->setIconSize(QSize(20, 20));
    toolBar_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    for (const int id : {Commands::kNew, Commands::kOpen, Commands::kSave, 0, Commands::kRead,
                         Commands::kWrite, 0, Commands::kHelpTopics}) {
        if (id == 0) {
            toolBar_->addSeparator();
        } else {
            toolBar_->addAction(actions_[id]);
        }
    }
}

void CMainFrame::CreateTreeBar() {
    treeBar_ = new QDockWidget(this);
    treeBar_->setObjectName(QStringLiteral("treeBar"));
    treeBar_->setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable);
    tree_ = new NavigationTree(context_, treeBar_);
    treeBar_->setWidget(tree_);
    treeBar_->setMinimumWidth(220);
    addDockWidget(Qt::LeftDockWidgetArea, treeBar_);
    connect(tree_, &NavigationTree::openRequested, this,
            [this](int viewId, const QString& title, int subItems) { OpenEditor(viewId, title, subItems); });
    connect(tree_, &NavigationTree::helpRequested, this,
            [this](int contextId) { context_.Help().ShowFirstOf({contextId}); });
}

void CMainFrame::CreateLogBars() {
    problems_ = new ProblemListBar(context_, {}, this);
    problems_->setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable);
    addDockWidget(Qt::BottomDockWidgetArea, problems_);
    connect(problems_, &ProblemListBar::entryOpened, this, &CMainFrame::OpenProblem);
    logBar_ = new QDockWidget(this);
    logBar_->setObjectName(QStringLiteral("logBar"));
    logBar_->setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable);
    log_ = new QPlainTextEdit(logBar_);
    log_->setReadOnly(true);
    log_->setMaximumBlockCount(2000);
    logBar_->setWidget(log_);
    addDockWidget(Qt::BottomDockWidgetArea, logBar_);
    tabifyDockWidget(problems_, logBar_);
    // Docked together below the editors, the two lists keep room for a few lines each.
    const int lines = 6 * fontMetrics().lineSpacing();
    log_->setMinimumHeight(lines);
    problems_->List()->setMinimumHeight(lines);
    problems_->hide();
    logBar_->hide();
}

void CMainFrame::ConnectBarToggles() {
    const struct {
        QWidget* bar;
        int id;
    } toggles[] = {{treeBar_, Commands::kTreeBar},
                   {problems_, Commands::kInvalidView},
                   {logBar_, Commands::kLogView},
                   {toolBar_, Commands::kToolBar}};
    for (const auto& toggle : toggles) {
        QAction* action = actions_[toggle.id];
        action->setChecked(toggle.bar->isVisibleTo(this) || toggle.bar == treeBar_ || toggle.bar == toolBar_);
        if (auto* dock = qobject_cast<QDockWidget*>(toggle.bar)) {
            connect(dock, &QDockWidget::visibilityChanged, action, [this, dock, action] {
                if (!closing_) {
                    action->setChecked(!dock->isHidden());
                }
            });
        }
    }
    actions_[Commands::kTabView]->setChecked(true);
    actions_[Commands::kStatusBar]->setChecked(true);
}

void CMainFrame::CreateStatusPanes() {
    QStatusBar* status = statusBar();
    prompt_ = new QLabel(status);
    status->addWidget(prompt_, 1);
    const struct {
        int id;
        int minimumWidth;
    } panes[] = {
        {Panes::kModelName, 110}, {Panes::kFreqRange, 100}, {Panes::kPort, 80}, {Panes::kClock, 150}};
    for (const auto& pane : panes) {
        auto* label = new QLabel(status);
        label->setObjectName(QStringLiteral("pane%1").arg(pane.id));
        label->setMinimumWidth(pane.minimumWidth);
        label->setAlignment(Qt::AlignCenter);
        label->setFrameShape(QFrame::StyledPanel);
        label->setFrameShadow(QFrame::Sunken);
        label->setContentsMargins(6, 0, 6, 0);
        status->addPermanentWidget(label);
        panes_[pane.id] = label;
    }
    connect(status, &QStatusBar::messageChanged, this,
            [this](const QString& message) { prompt_->setVisible(message.isEmpty()); });
}

QString CMainFrame::StatusPrompt(int commandId) const {
    if (commandId < 1020 || commandId > 65534) {
        return {};
    }
    QString text = context_.Message(commandId);
    if (text.isEmpty()) {
        return context_.Message(ShellTexts::kIdlePrompt, QStringLiteral("Ready"));
    }
    if (const qsizetype at = text.indexOf(QLatin1Char('&')); at >= 0) {
        text.truncate(at);
    }
    return text;
}

QAction* CMainFrame::Action(int commandId) const {
    const auto found = actions_.find(commandId);
    if (found != actions_.end()) {
        return found->second;
    }
    if (QMenu* edit = TopMenu(kEditMenu)) {
        return FindInMenu(edit, commandId);
    }
    return nullptr;
}

QMenu* CMainFrame::TopMenu(int position) const {
    return position >= 0 && position < static_cast<int>(menus_.size())
               ? menus_[static_cast<std::size_t>(position)]
               : nullptr;
}

void CMainFrame::RebuildMenus() {
    BuildMenus();
    TrimMenus();
    // The Edit menu's items come from the editors' names, which carry no access keys of their own.
    if (QMenu* edit = TopMenu(kEditMenu)) {
        Mnemonics::AssignInMenu(*edit);
    }
}

void CMainFrame::BuildMenus() {
    menuBar()->clear();
    for (QMenu* menu : menus_) {
        menu->deleteLater();
    }
    menus_.clear();
    const std::vector<MenuSpec> decls = MenuTemplate();
    for (std::size_t position = 0; position < decls.size(); ++position) {
        const MenuSpec& decl = decls[position];
        const QString caption = context_.ControlText(
            ShellTexts::kFirstMenuCaption + static_cast<int>(position), QString::fromLatin1(decl.caption));
        auto* menu = new QMenu(MenuText(caption), this);
        menu->setSeparatorsCollapsible(true);
        menus_.push_back(menu);
        menuBar()->addMenu(menu);
        if (static_cast<int>(position) == kEditMenu) {
            BuildEditMenu(menu);
            undo_->AddTo(menu);
            connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateEditMenuChecks);
            continue;
        }
        for (const MenuItemSpec& item : decl.items) {
            if (item.id == 0) {
                menu->addSeparator();
            } else if (item.id == kRecentPlace) {
                for (QAction* recent : recentActions_) {
                    menu->addAction(recent);
                }
            } else {
                QAction* action = actions_[item.id];
                action->setText(MenuText(context_.ControlText(item.id, QString::fromLatin1(item.text))));
                action->setStatusTip(StatusPrompt(item.id));
                menu->addAction(action);
            }
        }
    }
    AddExchangeMenu(TopMenu(kFileMenu));
    AddReportMenuItems(TopMenu(kFileMenu));
    UpdateRecentFiles();
    // Bar captions follow the language too.
    // The panes' captions also name their lists for screen readers.
    const QString navigation =
        context_.ControlText(ShellTexts::kTreeBarCaption, QStringLiteral("Navigation"));
    const QString problemList =
        context_.ControlText(ShellTexts::kProblemBarCaption, QStringLiteral("Problem List"));
    const QString log = context_.ControlText(ShellTexts::kLogBarCaption, QStringLiteral("Log"));
    treeBar_->setWindowTitle(navigation);
    tree_->setAccessibleName(navigation);
    problems_->setWindowTitle(problemList);
    problems_->List()->setAccessibleName(problemList);
    problems_->Translate();
    logBar_->setWindowTitle(log);
    log_->setAccessibleName(log);
    toolBar_->setWindowTitle(context_.ControlText(ShellTexts::kToolBarCaption, QStringLiteral("Toolbar")));
    prompt_->setText(context_.Message(ShellTexts::kIdlePrompt, QStringLiteral("Ready")));
}

void CMainFrame::BuildEditMenu(QMenu* menu) {
    QMenu* sub = nullptr;
    for (const TreeTemplateEntry& entry : TreeTemplate::Entries()) {
        QMenu* target = entry.level == 0 ? menu : (sub ? sub : menu);
        if (entry.level == 0) {
            sub = nullptr;
        }
        switch (entry.menuKind) {
        case EditMenuKind::None:
            break;
        case EditMenuKind::Separator:
            target->addSeparator();
            break;
        case EditMenuKind::SubMenu: {
            const QString text = context_.ControlText(entry.commandId ? entry.commandId : entry.menuId);
            if (!text.isEmpty()) {
                sub = target->addMenu(MenuText(text));
                sub->setSeparatorsCollapsible(true);
                sub->menuAction()->setData(entry.menuId);
            }
            break;
        }
        case EditMenuKind::Item: {
            const QString text =
                MenuText(context_.ControlText(entry.commandId ? entry.commandId : entry.menuId));
            if (text.isEmpty()) {
                break;
            }
            QAction* action = target->addAction(text);
            const int id = entry.menuId;
            action->setData(id);
            action->setStatusTip(StatusPrompt(id));
            connect(action, &QAction::triggered, this, [this, id] { RunCommand(id); });
            break;
        }
        }
    }
}

void CMainFrame::UpdateEditMenuChecks() {
    QMenu* edit = TopMenu(kEditMenu);
    if (!edit) {
        return;
    }
    std::vector<QMenu*> pending{edit};
    while (!pending.empty()) {
        QMenu* menu = pending.back();
        pending.pop_back();
        for (QAction* action : menu->actions()) {
            if (action->menu()) {
                pending.push_back(action->menu());
            } else if (!action->isSeparator()) {
                // Only an open editor's item shows a check mark.
                const bool open = EditorFrame(ViewTable::MapEditorCommand(action->data().toInt())) != nullptr;
                action->setCheckable(open);
                action->setChecked(open);
            }
        }
    }
}

void CMainFrame::TrimMenus() {
    CSettings& settings = context_.Settings();
    const bool full = settings.IsFullFactoryLevel();
    const bool factory = settings.IsFactoryLevel();
    if (!full) {
        if (QMenu* edit = TopMenu(kEditMenu)) {
            if (QAction* changeLog = FindInMenu(edit, TreeTemplate::kChangeLogItem)) {
                RemoveWithSeparator(MenuHolding(edit, changeLog), changeLog);
            }
        }
        RemoveWithSeparator(TopMenu(kProgramMenu), actions_[Commands::kMemoryUpdate]);
        tree_->RemoveItem(TreeTemplate::kChangeLogItem);
    }
    if (!factory) {
        RemoveWithSeparator(TopMenu(kProgramMenu), actions_[Commands::kWriteTuneData]);
        RemoveWithSeparator(TopMenu(kProgramMenu), actions_[Commands::kFactoryMode]);
    }
}

void CMainFrame::UpdateRecentFiles() {
    const QStringList entries = context_.Recent().Entries();
    for (std::size_t i = 0; i < recentActions_.size(); ++i) {
        QAction* action = recentActions_[i];
        if (static_cast<qsizetype>(i) < entries.size()) {
            const QString path = entries[static_cast<qsizetype>(i)];
            QString shown = path;
            if (shown.size() > 60) {
                shown = QStringLiteral("...") + shown.right(57);
            }
            action->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(
                shown.replace(QLatin1Char('&'), QStringLiteral("&&"))));
            action->setToolTip(path);
            action->setVisible(true);
        } else {
            action->setVisible(false);
        }
    }
}

void CMainFrame::RebuildTree() {
    tree_->RebuildTree();
    tree_->RefreshRecordItems();
    if (!context_.Settings().IsFullFactoryLevel()) {
        tree_->RemoveItem(TreeTemplate::kChangeLogItem);
    }
    FitTreeBar();
}

void CMainFrame::FitTreeBar() {
    // Wide enough for the longest item at its depth (texts depend on the language), never
    // narrower than the bar's default width.
    constexpr int kDefaultWidth = 250;
    const int needed = tree_->WidthNeeded() + 8;
    const int width = std::max(kDefaultWidth, needed);
    if (!isVisible() || treeBar_->width() < width) {
        resizeDocks({treeBar_}, {width}, Qt::Horizontal);
    }
}

void CMainFrame::TickClock() {
    if (QLabel* clock = panes_[Panes::kClock]) {
        clock->setText(QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
    }
    emit clockTicked();
}

QString CMainFrame::PaneText(int paneId) const {
    const auto found = panes_.find(paneId);
    return found != panes_.end() && found->second ? found->second->text() : QString();
}

void CMainFrame::RefreshStatusBar() {
    CSettings& settings = context_.Settings();
    panes_[Panes::kFreqRange]->setText(FromLanguage(settings.FreqRange()) + QStringLiteral(" MHz"));
    panes_[Panes::kModelName]->setText(FromLanguage(settings.ModelName()));
    panes_[Panes::kPort]->setText(FillIn(context_.Message(ShellTexts::kPortPane, QStringLiteral("COM%d")),
                                         {QString::number(settings.ComPort())}));
}

void CMainFrame::SetDocumentTitle(const QString& path) {
    const QString title = context_.Title();
    // "[*]" shows as the mark of unsaved changes while the window is modified.
    setWindowTitle((path.isEmpty() ? title : QStringLiteral("%1 [ %2 ]").arg(title, path)) +
                   QStringLiteral("[*]"));
    RefreshModified();
}

void CMainFrame::RefreshModified() {
    setWindowModified(context_.Doc().HasUnsavedChanges());
}

void CMainFrame::Log(const QString& line) {
    log_->appendPlainText(QDateTime::currentDateTime().toString(QStringLiteral("HH:mm:ss  ")) + line);
}

void CMainFrame::ShowProblemsIfAny() {
    if (context_.Problems().HasEntries()) {
        problems_->show();
        problems_->raise();
        Log(FillIn(context_.Message(ShellTexts::kLogProblems, QStringLiteral("%d problems found")),
                   {QString::number(context_.Problems().Entries().size())}));
    }
}

namespace {

/// The editor of a record list.
int EditorOfRecords(RecordKind kind) {
    switch (kind) {
    case RecordKind::Channel:
        return ViewIds::kChannel;
    case RecordKind::Personality:
        return ViewIds::kPersonality;
    case RecordKind::ScanList:
        return ViewIds::kScan;
    case RecordKind::AlertTone:
        return ViewIds::kAlertTone;
    case RecordKind::TwoToneSystem:
        return ViewIds::kTwoToneSystem;
    case RecordKind::TwoToneCall:
        return ViewIds::kTwoToneCall;
    }
    return 0;
}

} // namespace

bool CMainFrame::OpenProblem(int index) {
    const std::vector<ProblemEntry>& entries = context_.Problems().Entries();
    if (index < 0 || static_cast<std::size_t>(index) >= entries.size()) {
        return false;
    }
    const ProblemEntry entry = entries[static_cast<std::size_t>(index)];
    const std::optional<ProblemRecord> record = ProblemList::RecordOf(entry, context_.Container());
    if (!record) {
        return false;
    }
    // The record opens as its tree item does, then the control that shows the reference takes the focus.
    const int viewId = EditorOfRecords(record->kind);
    QTreeWidgetItem* item = tree_->RecordItem(viewId, static_cast<int>(record->position) + 1);
    tree_->OpenItem(item ? item : tree_->FindItem(viewId));
    CChildFrame* frame = EditorFrame(viewId);
    return frame && frame->View() && frame->View()->FocusControl(entry.controlId);
}

void CMainFrame::ToggleBar(QWidget* bar, int commandId) {
    bar->setVisible(!bar->isVisible());
    actions_[commandId]->setChecked(bar->isVisible());
    if (auto* dock = qobject_cast<QDockWidget*>(bar); dock && dock->isVisible()) {
        dock->raise();
    }
}

// --- Commands ---------------------------------------------------------------------------------

bool CMainFrame::RunCommand(int commandId) {
    using namespace Commands;
    if (commandId >= kRecentFirst && commandId <= kRecentLast) {
        files_->OpenRecent(commandId);
        return true;
    }
    if (const auto handler = handlers_.find(commandId); handler != handlers_.end()) {
        handler->second();
        return true;
    }
    return ViewTable::IsEditorCommand(commandId) && OpenEditorCommand(commandId);
}

void CMainFrame::AddFileCommands() {
    using namespace Commands;
    handlers_[kNew] = [this] { files_->New(FileCommands::NewKind::Command); };
    handlers_[kOpen] = [this] { files_->Open(); };
    handlers_[kSave] = [this] { files_->Save(); };
    handlers_[kSaveAs] = [this] { files_->SaveAs(); };
    handlers_[kExit] = [this] { close(); };
    handlers_[kAbout] = [this] { context_.Dialogs().About(this, context_); };
    handlers_[kHelpTopics] = [this] { context_.Help().ShowDefault(); };
}

void CMainFrame::AddReportCommands() {
    reports_ =
        std::make_unique<ReportCommands>(context_, context_.Reports(), this, [this] { StoreAllEditors(); });
    MakeAction(ReportCommands::kPrint, QStringLiteral("&Print..."), QKeySequence::Print);
    MakeAction(ReportCommands::kPrintPreview, QStringLiteral("Print Pre&view..."));
    MakeAction(ReportCommands::kExportReport, QStringLiteral("&Export Report..."));
    handlers_[ReportCommands::kPrint] = [this] { reports_->Print(); };
    handlers_[ReportCommands::kPrintPreview] = [this] { reports_->PrintPreview(); };
    handlers_[ReportCommands::kExportReport] = [this] { reports_->ExportReport(); };
}

void CMainFrame::AddReportMenuItems(QMenu* fileMenu) {
    // In a group of their own above the recent files.
    const QList<QAction*> items = fileMenu->actions();
    qsizetype at = recentActions_.empty() ? -1 : items.indexOf(recentActions_.front());
    if (at > 0 && items[at - 1]->isSeparator()) {
        --at;
    }
    QAction* before = at >= 0 ? items[at] : nullptr;
    fileMenu->insertSeparator(before);
    const std::pair<int, const char*> entries[] = {{ReportCommands::kPrint, "&Print..."},
                                                   {ReportCommands::kPrintPreview, "Print Pre&view..."},
                                                   {ReportCommands::kExportReport, "&Export Report..."}};
    for (const auto& [id, fallback] : entries) {
        QAction* action = actions_[id];
        action->setText(MenuText(context_.ControlText(id, QString::fromLatin1(fallback))));
        action->setStatusTip(StatusPrompt(id));
        fileMenu->insertAction(before, action);
    }
}

void CMainFrame::AddProgramCommands() {
    using namespace Commands;
    handlers_[kModelInfo] = [this] { ModelInformation(); };
    handlers_[kComPort] = [this] { CommunicationPort(); };
    handlers_[kRead] = [this] { ReadFromRadio(); };
    handlers_[kWrite] = [this] { WriteToRadio(); };
    handlers_[kRadioHistory] = [this] { ShowRadioHistory(); };
    handlers_[kFleet] = [this] { ShowFleet(); };
    for (const int factory : {kAdjustment, kFactoryMode, kWriteTuneData}) {
        handlers_[factory] = [this, factory] { RunFactoryCommand(factory); };
    }
    handlers_[kMemoryUpdate] = [this] { MemoryUpdate(); };
    handlers_[kLanguage] = [this] { ChangeLanguage(); };
}

void CMainFrame::AddViewCommands() {
    using namespace Commands;
    handlers_[kTreeBar] = [this] { ToggleBar(treeBar_, kTreeBar); };
    handlers_[kInvalidView] = [this] { ToggleBar(problems_, kInvalidView); };
    handlers_[kLogView] = [this] { ToggleBar(logBar_, kLogView); };
    handlers_[kToolBar] = [this] { ToggleBar(toolBar_, kToolBar); };
    handlers_[kStatusBar] = [this] { ToggleBar(statusBar(), kStatusBar); };
    handlers_[kTabView] = [this] {
        tabs_->SetEnabledByUser(!tabs_->EnabledByUser());
        actions_[kTabView]->setChecked(tabs_->EnabledByUser());
    };
}

void CMainFrame::AddWindowCommands() {
    using namespace Commands;
    handlers_[kCloseAll] = [this] { CloseAllEditors(); };
    handlers_[kCloseAllButThis] = [this] {
        CloseAllEditorsBut(qobject_cast<CChildFrame*>(mdi_->activeSubWindow()));
    };
    handlers_[kCascade] = [this] { CascadeWindows(mdi_); };
    handlers_[kTile] = [this] { mdi_->tileSubWindows(); };
}

void CMainFrame::AddExchangeCommands() {
    using namespace Commands;
    handlers_[kCompareFile] = [this] { exchange_->CompareWithFile(); };
    handlers_[kCompareRadio] = [this] { exchange_->CompareWithRadio(); };
    handlers_[kExportChannels] = [this] { exchange_->ExportChannels(); };
    handlers_[kImportChannels] = [this] { exchange_->ImportChannels(); };
    for (const int id : {kCompareFile, kCompareRadio, kExportChannels, kImportChannels}) {
        MakeAction(id, {});
    }
}

void CMainFrame::AddExchangeMenu(QMenu* file) {
    using namespace Commands;
    if (!file || file->actions().contains(actions_[kExportChannels])) {
        return;
    }
    // After Save As: a separator, the Compare sub-menu, Export and Import Channels.
    const QList<QAction*> items = file->actions();
    const qsizetype saveAs = items.indexOf(actions_[kSaveAs]);
    QAction* before = saveAs >= 0 && saveAs + 1 < items.size() ? items[saveAs + 1] : nullptr;
    const auto text = [this](int id, const char* fallback) {
        return MenuText(context_.ControlText(id, QString::fromLatin1(fallback)));
    };
    auto* compare = new QMenu(text(kCompareMenu, "&Compare"), file);
    compare->menuAction()->setData(kCompareMenu);
    for (const auto& [id, fallback] :
         {std::pair{kCompareFile, "With Another &File..."}, std::pair{kCompareRadio, "With the &Radio..."}}) {
        actions_[id]->setText(text(id, fallback));
        actions_[id]->setStatusTip(StatusPrompt(id));
        compare->addAction(actions_[id]);
    }
    file->insertSeparator(before);
    file->insertMenu(before, compare);
    for (const auto& [id, fallback] : {std::pair{kExportChannels, "&Export Channels..."},
                                       std::pair{kImportChannels, "&Import Channels..."}}) {
        actions_[id]->setText(text(id, fallback));
        actions_[id]->setStatusTip(StatusPrompt(id));
        file->insertAction(before, actions_[id]);
    }
}

void CMainFrame::RunFactoryCommand(int commandId) {
    if (context_.Dialogs().RunFactoryCommand(this, context_, commandId)) {
        CloseAllEditors();
        tree_->SetRootText(FromLanguage(context_.Settings().ModelName()));
        RefreshStatusBar();
    }
}

bool CMainFrame::OpenEditorCommand(int commandId) {
    const int viewId = ViewTable::MapEditorCommand(commandId);
    const ViewInfo* info = ViewTable::Find(viewId);
    if (!info) {
        return true; // a folder of the Edit menu opens nothing
    }
    QString title;
    if (QAction* action = Action(commandId); action && ViewTable::IsEditorCommand(action->data().toInt())) {
        title = PlainText(action->text());
    }
    if (title.isEmpty()) {
        title = context_.ControlText(viewId, QString::fromLatin1(info->className));
    }
    OpenEditor(viewId, title, tree_->RecordItemCount(viewId));
    return true;
}

RadioCommands CMainFrame::MakeRadioCommands() {
    return context_.Session().Radio(*this);
}

TransferRunner CMainFrame::DialogTransfer() {
    return [this](const TransferRequest& request, RadioImage& image) {
        return context_.Radio().Transfer(this, request, image);
    };
}

RadioTarget CMainFrame::RadioTargetNow() const {
    // The simulated radio, when one is attached; otherwise the port table from the remembered port.
    return RadioTarget{context_.RadioDevice(), std::nullopt};
}

YesNoQuestion CMainFrame::RangeQuestion() {
    return [this](const std::string& question) {
        return context_.Prompts().Ask(this, context_.Title(), FromLanguage(question), PromptButtons::YesNo,
                                      PromptIcon::Question) == PromptAnswer::Yes;
    };
}

int CMainFrame::OfferNewRange(const FreqRangeRecord& range) {
    const int answer = context_.Ranges().OfferNewRange(context_.Settings(), range, RangeQuestion());
    TellIfRangeNotSaved();
    return answer;
}

void CMainFrame::TellIfRangeNotSaved() {
    if (context_.Ranges().OfferWriteFailed()) {
        context_.Tell(this, ShellTexts::kRangeNotAdded,
                      FromLanguage(context_.Settings().ModelFile().string()), PromptIcon::Warning,
                      QStringLiteral("The new frequency range could not be added to the model list."));
    }
}

void CMainFrame::ReadFromRadio() {
    RadioImage received{};
    RadioCommands commands = MakeRadioCommands();
    const TransferReport report =
        commands.Read(DialogTransfer(), RadioTargetNow(), RangeQuestion(), received);
    WriteRecovery(context_, *this, this).TellHistoryProblem(commands);
    if (!report.ok()) {
        return; // the communication dialog told why
    }
    SetDocumentTitle({});
    TellIfRangeNotSaved();
    Log(FillIn(context_.Message(ShellTexts::kLogRead, QStringLiteral("Read from the radio: %s")),
               {FromLanguage(context_.Settings().ModelName())}));
}

void CMainFrame::WriteToRadio() {
    // An edit still being typed counts for the reference check.
    CommitPendingEdit();
    const WriteRecovery::WriteAttempt attempt =
        [this](RadioCommands& commands) -> std::optional<TransferReport> {
        const Outcome<TransferReport> written =
            commands.Write(DialogTransfer(), RadioTargetNow(), RangeQuestion(),
                           WriteOptions{context_.Radio().BackupBeforeWrite(), std::nullopt});
        if (!written) {
            ShowProblemsIfAny();
            context_.TellFailure(this, written.result());
            return std::nullopt;
        }
        return *written;
    };
    WriteRecovery recovery(context_, *this, this, [this](const QString& line) { Log(line); });
    RadioCommands commands = MakeRadioCommands();
    std::optional<TransferReport> written = attempt(commands);
    recovery.TellHistoryProblem(commands);
    if (written && !written->ok()) {
        // The communication dialog told why; a radio left partly written gets the offer.
        written = recovery.Offer(*written, commands, attempt);
    }
    if (!written) {
        return;
    }
    TellIfRangeNotSaved();
    // The write stamped the programming date into the image: the radio information shows it.
    for (CChildFrame* frame : EditorFrames()) {
        if (frame->ViewId() == ViewIds::kRadio && frame->View()) {
            frame->View()->LoadView();
        }
    }
    Log(FillIn(context_.Message(ShellTexts::kLogWritten, QStringLiteral("Written to the radio: %s")),
               {FromLanguage(context_.Settings().ModelName())}));
    RadioImage readBack{};
    if (const std::optional<TransferReport> done = context_.Radio().TakeReadBack(readBack)) {
        // The write's dialog read the radio back in the same run.
        VerifyWrite([&readBack, &done](const TransferRequest&, RadioImage& image) {
            image = readBack;
            return *done;
        });
    } else if (context_.Radio().VerifyAfterWrite()) {
        VerifyWrite([this](const TransferRequest& request, RadioImage& image) {
            return context_.Radio().ReadBack(this, request, image);
        });
    }
}

void CMainFrame::ShowRadioHistory() {
    if (!history_) {
        history_ = new RadioHistoryWindow(context_, *this);
        history_->setAttribute(Qt::WA_DeleteOnClose);
    } else {
        history_->Refresh();
    }
    history_->show();
    history_->raise();
    history_->activateWindow();
}

void CMainFrame::ShowFleet() {
    // Modal, so that the document stays as it is while the radios are written from it.
    FleetWindow window(context_, *this);
    context_.Runner().Run(window);
}

void CMainFrame::VerifyWrite(const TransferRunner& readBack) {
    constexpr int kShownLines = 20;
    std::vector<ConfigDifference> differences;
    const TransferReport report = MakeRadioCommands().Verify(readBack, RadioTargetNow(), differences);
    if (!report.ok()) {
        context_.Tell(this, RadioVerify::kWrittenReadBackFailedMessage, {}, PromptIcon::Warning,
                      QStringLiteral("The radio has been written, but reading it back failed, so it is not "
                                     "known whether the radio holds what was written."));
        return;
    }
    const QString logged =
        context_.Message(differences.empty() ? RadioVerify::kEqualMessage : RadioVerify::kDiffersMessage);
    Log(FillIn(context_.Message(RadioVerify::kLogMessage, QStringLiteral("Verified against the radio: %s")),
               {logged}));
    if (differences.empty()) {
        context_.Tell(this, RadioVerify::kWrittenAndVerifiedMessage, {}, PromptIcon::Information,
                      QStringLiteral("The radio has been written and verified: reading it back found no "
                                     "difference."));
        return;
    }
    QStringList lines;
    for (const ConfigDifference& difference : differences) {
        Log(FromLanguage(difference.LineText()));
        if (lines.size() < kShownLines) {
            lines << FromLanguage(difference.LineText());
        }
    }
    if (differences.size() > static_cast<std::size_t>(kShownLines)) {
        lines << QStringLiteral("...");
    }
    const QString verdict = FillIn(
        context_.Message(RadioVerify::kWrittenButDiffersMessage,
                         QStringLiteral("The radio has been written, but it does not hold what was written. "
                                        "Differences found by reading it back: %d")),
        {QString::number(differences.size())});
    context_.Prompts().Tell(this, context_.Title(), verdict + QStringLiteral("\n\n") + lines.join('\n'),
                            PromptIcon::Warning);
}

void CMainFrame::MemoryUpdate() {
    StoreAllEditors();
    context_.Container().StoreAll();
    if (CChildFrame* changeLog = EditorFrame(ViewIds::kChangeLog)) {
        if (changeLog->View()) {
            changeLog->View()->RefreshFromImage();
        }
        mdi_->setActiveSubWindow(changeLog);
    }
    Log(context_.Message(ShellTexts::kLogMemoryUpdate, QStringLiteral("Memory updated")));
}

void CMainFrame::ChangeLanguage() {
    const std::optional<int> index = context_.Dialogs().ChooseLanguage(this, context_);
    if (!index) {
        return;
    }
    if (!files_->New(FileCommands::NewKind::Replace)) {
        if (files_->Fatal()) {
            SetNoQuestion(true);
            close();
        }
        return;
    }
    context_.Settings().SelectLanguage(*index);
    context_.Help().Relabel();
    SetDocumentTitle({});
    RefreshStatusBar();
    tabs_->Sync();
    RebuildTree();
    RebuildMenus();
    Log(context_.Message(ShellTexts::kLogLanguageChanged, QStringLiteral("Language changed")));
}

void CMainFrame::ModelInformation() {
    const std::optional<ModelChoice> choice = context_.Dialogs().ModelInformation(this, context_);
    if (choice) {
        ApplyModelChoice(*choice);
    }
}

void CMainFrame::ApplyModelChoice(const ModelChoice& choice) {
    CSettings& settings = context_.Settings();
    const ModelChoice before = CurrentModelChoice(settings);
    switch (CompareModelChoice(before, choice)) {
    case ModelChoiceChange::None:
        return;
    case ModelChoiceChange::NameOnly:
        settings.SetModelName(choice.modelName);
        context_.Doc().UpdateDataContext();
        CloseAllEditors();
        tree_->SetRootText(FromLanguage(choice.modelName));
        RefreshStatusBar();
        LogIdentityChange(before, choice);
        return;
    case ModelChoiceChange::Identity:
        break;
    }
    if (context_.Ask(this, Document::kReplaceQuestion, PromptButtons::YesNo, PromptIcon::Question,
                     QStringLiteral("The current data will be replaced. Continue?")) != PromptAnswer::Yes) {
        return;
    }
    tav::ApplyModelChoice(settings, choice);
    if (!files_->New(FileCommands::NewKind::Replace)) {
        if (files_->Fatal()) {
            SetNoQuestion(true);
            close();
        }
        return;
    }
    RebuildTree();
    RebuildMenus();
    RefreshStatusBar();
    LogIdentityChange(before, choice);
}

void CMainFrame::LogIdentityChange(const ModelChoice& before, const ModelChoice& after) {
    // One line for each part of the identity that changed, so the log never names a change that
    // did not happen.
    if (after.modelId != before.modelId || after.modelName != before.modelName) {
        Log(FillIn(context_.Message(ShellTexts::kLogModelChanged, QStringLiteral("Model changed to %s")),
                   {FromLanguage(after.modelName)}));
    }
    if (after.rangeText != before.rangeText) {
        Log(FillIn(context_.Message(ShellTexts::kLogRangeChanged,
                                    QStringLiteral("Frequency range changed to %s MHz")),
                   {FromLanguage(after.rangeText)}));
    }
    if (after.signalType != before.signalType) {
        Log(FillIn(context_.Message(ShellTexts::kLogSignallingChanged,
                                    QStringLiteral("Signalling changed to type %s")),
                   {QString::number(after.signalType)}));
    }
}

void CMainFrame::CommunicationPort() {
    if (context_.Radio().ChoosePort(this)) {
        RefreshStatusBar();
    }
}

// --- Editors ----------------------------------------------------------------------------------

CChildFrame* CMainFrame::EditorFrame(int viewId) const {
    for (const EditorEntry& entry : editors_) {
        if (entry.viewId == viewId && entry.frame && !entry.frame->IsClosed()) {
            return entry.frame;
        }
    }
    return nullptr;
}

std::vector<CChildFrame*> CMainFrame::EditorFrames() const {
    std::vector<CChildFrame*> frames;
    for (const EditorEntry& entry : editors_) {
        if (entry.frame && !entry.frame->IsClosed()) {
            frames.push_back(entry.frame);
        }
    }
    return frames;
}

CChildFrame* CMainFrame::OpenEditor(int viewId, const QString& title, int subItemCount) {
    const ViewInfo* info = ViewTable::Find(viewId);
    if (!info) {
        return nullptr;
    }
    auto entry = std::find_if(editors_.begin(), editors_.end(),
                              [viewId](const EditorEntry& e) { return e.viewId == viewId; });
    CChildFrame* frame = nullptr;
    if (entry != editors_.end() && entry->frame && !entry->frame->IsClosed()) {
        frame = entry->frame;
        if (frame->isHidden() || frame->isMinimized()) {
            frame->showMaximized();
        }
        mdi_->setActiveSubWindow(frame);
        frame->setWindowTitle(title);
    } else {
        if (!views_.Has(viewId)) {
            statusBar()->showMessage(
                context_.Message(ShellTexts::kNotAvailable,
                                 QStringLiteral("This function is not available in this version "
                                                "of the program.")),
                5000);
            return nullptr;
        }
        if (entry == editors_.end()) {
            editors_.push_back(EditorEntry{viewId, nullptr, info->className});
            entry = editors_.end() - 1;
        }
        frame = CreateEditorFrame(*entry, title);
        if (!frame) {
            return nullptr;
        }
    }
    ApplyOpeningNavigation(frame, title, subItemCount);
    return frame;
}

CChildFrame* CMainFrame::CreateEditorFrame(EditorEntry& entry, const QString& title) {
    CCustomFormView* view = views_.Create(entry.viewId, context_, *this, nullptr);
    if (!view) {
        return nullptr;
    }
    auto* frame = new CChildFrame(context_, entry.viewId, view);
    mdi_->addSubWindow(frame);
    view->OnInitialUpdate();
    frame->setWindowTitle(title);
    frame->showMaximized();
    mdi_->setActiveSubWindow(frame);
    tabs_->AddWindow(frame);
    entry.frame = frame;
    connect(frame, &CChildFrame::navigateRequested, this, &CMainFrame::OnNavigate);
    connect(frame, &CChildFrame::closed, this, &CMainFrame::OnEditorClosed);
    connect(frame, &CChildFrame::printRequested, this, [this](CChildFrame* printing) {
        if (const auto item = ReportSelection::ItemOfView(printing->ViewId())) {
            reports_->PrintPart(*item);
        }
    });
    view->RestoreFocus();
    return frame;
}

void CMainFrame::ApplyOpeningNavigation(CChildFrame* frame, const QString& title, int subItemCount) {
    const ViewInfo* info = ViewTable::Find(frame->ViewId());
    const RecordBarState state =
        RecordBarRules::AfterOpening(ToCore(title), frame->ViewId(), subItemCount, info ? info->capacity : 0);
    if (!state.navigationShown) {
        frame->SetNavigationState(false, static_cast<int>(state.hides));
        return;
    }
    frame->SetNavigationState(true, state.code);
    if (state.goToRecord) {
        frame->SetRecordPosition(state.current, state.count);
        if (frame->View()) {
            frame->View()->NavigateRecord(state.current, NavigateCommand::GoTo);
        }
    }
}

void CMainFrame::OnNavigate(CChildFrame* frame, NavigateCommand command) {
    CCustomFormView* view = frame ? frame->View() : nullptr;
    const ViewInfo* info = frame ? ViewTable::Find(frame->ViewId()) : nullptr;
    if (!view || !info) {
        return;
    }
    // The list's capacity is kept here: the editor adds whatever it is asked to.
    if (command == NavigateCommand::Add) {
        if (const auto before = view->Position(); before && before->count >= info->capacity) {
            return;
        }
    }
    view->NavigateRecord(0, command);
    const std::optional<RecordPosition> position = view->Position();
    if (!position) {
        return;
    }
    tree_->SyncRecordItems(frame->ViewId(), position->count);
    const RecordBarState state =
        RecordBarRules::AfterNavigating(position->current, position->count, info->capacity);
    frame->SetNavigationState(true, state.code);
    frame->SetRecordPosition(position->current, position->count);
    if (QTreeWidgetItem* item = tree_->FindItem(frame->ViewId()); item && position->current > 0) {
        frame->setWindowTitle(QStringLiteral("%1 %2").arg(item->text(0)).arg(position->current));
    }
}

void CMainFrame::OnEditorClosed(CChildFrame* frame) {
    for (EditorEntry& entry : editors_) {
        if (entry.frame == frame) {
            entry.frame = nullptr;
        }
    }
    tabs_->RemoveWindow(frame);
}

void CMainFrame::CloseAllEditors() {
    CloseAllEditorsBut(nullptr);
}

void CMainFrame::CloseAllEditorsBut(CChildFrame* keep) {
    for (CChildFrame* frame : EditorFrames()) {
        if (frame != keep) {
            frame->close();
        }
    }
}

void CMainFrame::CommitPendingEdit() {
    if (auto* frame = qobject_cast<CChildFrame*>(mdi_->activeSubWindow()); frame && frame->View()) {
        frame->View()->CommitFocusedControl();
    }
}

void CMainFrame::StoreAllEditors() {
    CommitPendingEdit();
    for (CChildFrame* frame : EditorFrames()) {
        if (CCustomFormView* view = frame->View(); view && !view->IsClosing()) {
            view->StoreView();
        }
    }
}

void CMainFrame::DataReloaded() {
    tree_->SetRootText(FromLanguage(context_.Settings().ModelName()));
    tree_->RefreshRecordItems();
    RefreshStatusBar();
    RefreshModified();
}

void CMainFrame::DataChanged(std::uint32_t wParam, const RecordListNotice* notice) {
    // A record list changed (an editor made its first record, added or deleted one): the tree
    // follows it at once.
    if (wParam == EditorMessages::kRecordListChanged) {
        tree_->RefreshRecordItems();
    }
    // Each open editor sees the change before the editor that made it goes on.
    for (CChildFrame* frame : EditorFrames()) {
        if (CCustomFormView* view = frame->View(); view && !view->IsClosing()) {
            view->DataChanged(wParam, notice);
        }
    }
    if (wParam == EditorMessages::kRecordListChanged) {
        // A list changed in one editor: the tree and every record bar show the new count.
        tree_->RefreshRecordItems();
        RefreshRecordBars();
    }
    undo_->History().NoteChange();
    RefreshModified();
}

void CMainFrame::DocumentReplaced() {
    undo_->History().Reset();
}

void CMainFrame::UndoEdit() {
    undo_->History().Undo();
}

void CMainFrame::RedoEdit() {
    undo_->History().Redo();
}

void CMainFrame::RefreshRecordBars() {
    for (CChildFrame* frame : EditorFrames()) {
        CCustomFormView* view = frame->View();
        const ViewInfo* info = ViewTable::Find(frame->ViewId());
        const std::optional<RecordPosition> position = view ? view->Position() : std::nullopt;
        if (!position || !info || !frame->NavigationShown() || info->capacity == 0) {
            continue;
        }
        frame->SetNavigationState(
            true, RecordBarRules::AfterNavigating(position->current, position->count, info->capacity).code);
        frame->SetRecordPosition(position->current, position->count);
        if (QTreeWidgetItem* item = tree_->FindItem(frame->ViewId()); item && position->current > 0) {
            frame->setWindowTitle(QStringLiteral("%1 %2").arg(item->text(0)).arg(position->current));
        }
    }
}

void CMainFrame::ShowView(int viewId, const QString& title) {
    OpenEditor(viewId, title, tree_->RecordItemCount(viewId));
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    // What is still being typed counts; with nothing unsaved there is nothing to ask.
    if (!noQuestion_ && !closing_) {
        StoreAllEditors();
    }
    if (!noQuestion_ && !closing_ && context_.Doc().HasUnsavedChanges()) {
        const PromptAnswer answer = context_.Prompts().Ask(
            this, context_.Title(),
            context_.Message(ShellTexts::kCloseQuestion,
                             QStringLiteral("Do you want to save the data before closing?")),
            PromptButtons::YesNoCancel, PromptIcon::Question);
        if (answer == PromptAnswer::Cancel) {
            event->ignore();
            return;
        }
        // Nothing is lost: the program keeps running when the save did not happen.
        if (answer == PromptAnswer::Yes && !files_->Save()) {
            event->ignore();
            return;
        }
    }
    closing_ = true;
    for (CChildFrame* frame : EditorFrames()) {
        frame->StoreBeforeClosing();
    }
    if (HelpWindow* help = context_.Help().Window()) {
        help->close();
    }
    event->accept();
}

} // namespace tav::gui

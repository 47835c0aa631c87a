#include "gui/app/HelpSystem.h"

#include "gui/app/AppContext.h"
#include "gui/app/ShellTexts.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>
#include <QWindow>

namespace tav::gui {
namespace {

HelpSystem* gActive = nullptr;

} // namespace

HelpWindow::HelpWindow(const HelpWindowTexts& texts, QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle(texts.caption);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* tools = new QToolBar(this);
    tools->setIconSize(QSize(16, 16));
    tools->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    browser_ = new QTextBrowser(this);
    browser_->setOpenExternalLinks(true);
    QAction* back = tools->addAction(style()->standardIcon(QStyle::SP_ArrowBack), texts.back);
    QAction* forward = tools->addAction(style()->standardIcon(QStyle::SP_ArrowForward), texts.forward);
    QAction* home = tools->addAction(style()->standardIcon(QStyle::SP_DirHomeIcon), texts.contents);
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(back, &QAction::triggered, browser_, &QTextBrowser::backward);
    connect(forward, &QAction::triggered, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
    connect(home, &QAction::triggered, this, [this] {
        if (!contents_.isEmpty()) {
            browser_->setSource(QUrl::fromLocalFile(contents_));
        }
    });
    layout->addWidget(tools);
    layout->addWidget(browser_);
    resize(720, 560);
}

void HelpWindow::ShowPage(const QString& file, const QString& contentsFile) {
    contents_ = contentsFile;
    browser_->setSource(QUrl::fromLocalFile(file));
}

HelpSystem::HelpSystem(AppContext& context) : context_(context) {
    gActive = this;
}

HelpSystem::~HelpSystem() {
    if (gActive == this) {
        gActive = nullptr;
    }
    delete window_.data();
}

HelpSystem* HelpSystem::Active() {
    return gActive;
}

QString HelpSystem::Folder() const {
    return QDir(QString::fromStdString(context_.Settings().Home().dir().string()))
        .filePath(QString::fromStdString(context_.Settings().HelpFolder()));
}

QString HelpSystem::BaseFolder() const {
    return QDir(QString::fromStdString(context_.Settings().Home().dir().string()))
        .filePath(QString::fromLatin1(CSettings::kHelpFolder));
}

QString HelpSystem::PageFile(const QString& name) const {
    const QString own = QDir(Folder()).filePath(name);
    return QFileInfo(own).isFile() ? own : QDir(BaseFolder()).filePath(name);
}

QString HelpSystem::TopicFile(int contextId) const {
    return PageFile(QStringLiteral("%1.html").arg(contextId));
}

bool HelpSystem::HasTopic(int contextId) const {
    return contextId > 0 && QFileInfo(TopicFile(contextId)).isFile();
}

bool HelpSystem::ShowTopic(int contextId) {
    if (!HasTopic(contextId)) {
        return false;
    }
    Show(TopicFile(contextId));
    return true;
}

void HelpSystem::ShowDefault() {
    Show(PageFile(QString::fromLatin1(kDefaultTopic)));
}

void HelpSystem::Relabel() {
    delete window_.data();
}

int HelpSystem::ShowFirstOf(std::initializer_list<int> contexts) {
    for (const int id : contexts) {
        if (ShowTopic(id)) {
            return id;
        }
    }
    ShowDefault();
    return 0;
}

void HelpSystem::Show(const QString& file) {
    lastShown_ = file;
    if (!window_) {
        window_ = new HelpWindow(HelpWindowTexts{
            context_.ControlText(ShellTexts::kHelpWindowCaption, context_.Title() + QStringLiteral(" Help")),
            context_.ControlText(ShellTexts::kHelpBack, QStringLiteral("Back")),
            context_.ControlText(ShellTexts::kHelpForward, QStringLiteral("Forward")),
            context_.ControlText(ShellTexts::kHelpContents, QStringLiteral("Contents"))});
        window_->setAttribute(Qt::WA_DeleteOnClose, false);
    }
    const QString contents = PageFile(QString::fromLatin1(kDefaultTopic));
    if (QFileInfo(file).isFile()) {
        window_->ShowPage(file, contents);
    } else {
        window_->Browser()->setHtml(QStringLiteral("<h2>%1</h2><p>%2</p>")
                                        .arg(context_.Title().toHtmlEscaped(), file.toHtmlEscaped()));
    }
    KeepUsableBeside(QApplication::activeModalWidget());
    window_->show();
    window_->raise();
    window_->activateWindow();
}

void HelpSystem::KeepUsableBeside(QWidget* modal) {
    // A modal dialog blocks every window but those that belong to it: the help asked for from a
    // dialog is made the dialog's transient window, so that it can be read and scrolled while the
    // dialog is still open. The tie goes with the dialog.
    if (!modal || modal == window_) {
        return;
    }
    modal->winId();
    window_->winId();
    QWindow* help = window_->windowHandle();
    QWindow* dialog = modal->windowHandle();
    if (!help || !dialog || help->transientParent() == dialog) {
        return;
    }
    // Whether a window is blocked is settled when it is shown.
    window_->hide();
    help->setTransientParent(dialog);
}

} // namespace tav::gui

#include "gui/app/CViewManager.h"

#include "gui/app/AppContext.h"
#include "gui/app/CChildFrame.h"
#include "gui/app/EditorTabBar.h"

#include <QHBoxLayout>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QTabBar>

namespace tav::gui {
namespace {

QMdiSubWindow* WindowOf(const QVariant& data) {
    return qobject_cast<QMdiSubWindow*>(data.value<QObject*>());
}

} // namespace

CViewManager::CViewManager(AppContext& context, QMdiArea* area, QWidget* parent)
    : QWidget(parent), context_(context), area_(area) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 0);
    bar_ = new EditorTabBar(this);
    bar_->setDocumentMode(true);
    bar_->setExpanding(false);
    bar_->setTabsClosable(true);
    bar_->setMovable(false);
    bar_->setContextMenuPolicy(Qt::CustomContextMenu);
    // The bar takes the row's width: with many editors open their tabs shorten before they scroll.
    layout->addWidget(bar_, 1);
    connect(bar_, &QTabBar::currentChanged, this, [this](int index) {
        if (syncing_ || index < 0) {
            return;
        }
        if (QMdiSubWindow* window = TabWindow(index); window && window != area_->activeSubWindow()) {
            area_->setActiveSubWindow(window);
        }
    });
    connect(bar_, &QTabBar::tabCloseRequested, this, [this](int index) {
        if (QMdiSubWindow* window = TabWindow(index)) {
            window->close();
        }
    });
    connect(bar_, &QTabBar::customContextMenuRequested, this, &CViewManager::ShowTabMenu);
    connect(area_, &QMdiArea::subWindowActivated, this, [this] { Sync(); });
    hide();
}

void CViewManager::AddWindow(QMdiSubWindow* window) {
    if (!window || IndexOf(window) >= 0) {
        return;
    }
    syncing_ = true;
    const int index = bar_->addTab(window->windowIcon(), window->windowTitle());
    bar_->setTabData(index, QVariant::fromValue<QObject*>(window));
    syncing_ = false;
    connect(window, &QObject::destroyed, this, &CViewManager::RemoveWindow);
    connect(window, &QWidget::windowTitleChanged, this, [this] { Sync(); });
    Sync();
}

void CViewManager::RemoveWindow(QObject* window) {
    const int index = IndexOf(window);
    if (index >= 0) {
        syncing_ = true;
        bar_->removeTab(index);
        syncing_ = false;
    }
    Sync();
}

int CViewManager::IndexOf(const QObject* window) const {
    for (int i = 0; i < bar_->count(); ++i) {
        if (bar_->tabData(i).value<QObject*>() == window) {
            return i;
        }
    }
    return -1;
}

void CViewManager::Sync() {
    syncing_ = true;
    for (int i = 0; i < bar_->count(); ++i) {
        if (QMdiSubWindow* window = TabWindow(i)) {
            bar_->setTabText(i, window->windowTitle());
            bar_->setTabToolTip(i, window->windowTitle());
        }
    }
    QMdiSubWindow* active = area_->activeSubWindow();
    if (const int index = IndexOf(active); index >= 0) {
        bar_->setCurrentIndex(index);
    }
    syncing_ = false;
    setVisible(enabledByUser_ && active && bar_->count() > 0);
}

void CViewManager::SetEnabledByUser(bool on) {
    enabledByUser_ = on;
    Sync();
}

int CViewManager::TabCount() const {
    return bar_->count();
}
QString CViewManager::TabText(int index) const {
    return bar_->tabText(index);
}
QMdiSubWindow* CViewManager::TabWindow(int index) const {
    return WindowOf(bar_->tabData(index));
}
int CViewManager::CurrentTab() const {
    return bar_->currentIndex();
}

void CViewManager::ShowTabMenu(const QPoint& at) {
    const int index = bar_->tabAt(at);
    QMdiSubWindow* window = TabWindow(index);
    if (!window) {
        return;
    }
    area_->setActiveSubWindow(window);
    QMenu menu(this);
    const struct {
        int id;
        const char* text;
    } items[] = {{CChildFrame::kCommandClose, "&Close"},
                 {CChildFrame::kCommandMinimize, "Mi&nimize"},
                 {CChildFrame::kCommandMaximize, "Ma&ximize"},
                 {CChildFrame::kCommandRestore, "&Restore"},
                 {kCloseAllButThis, "Close All, &But This"}};
    for (const auto& item : items) {
        QAction* action = menu.addAction(context_.ControlText(item.id, QString::fromLatin1(item.text)));
        action->setData(item.id);
        if (item.id == kCloseAllButThis) {
            menu.insertSeparator(action);
        }
    }
    QAction* chosen = menu.exec(bar_->mapToGlobal(at));
    if (chosen && handler_) {
        handler_(window, chosen->data().toInt());
    }
}

} // namespace tav::gui

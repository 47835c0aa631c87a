#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>

class QMdiArea;
class QMdiSubWindow;
class QTabBar;

namespace tav::gui {

class AppContext;

/// The tab bar of the editor windows: one tab per window, showing its title, the active window's
/// tab selected. It shows itself only while an editor window is open (and the bar is switched on).
/// A right click offers the tab menu (1138): close, minimize, maximize, restore, close all but this.
class CViewManager : public QWidget {
    Q_OBJECT
public:
    static constexpr int kTabMenuId = 1138;
    static constexpr int kCloseAllButThis = 32904;

    CViewManager(AppContext& context, QMdiArea* area, QWidget* parent = nullptr);

    /// Adds a tab for a new editor window (at the end).
    void AddWindow(QMdiSubWindow* window);
    /// Tabs in step with the windows: titles, the active window's tab, visibility.
    void Sync();
    /// Switches the bar on or off (command 32700).
    void SetEnabledByUser(bool on);
    bool EnabledByUser() const { return enabledByUser_; }

    int TabCount() const;
    QString TabText(int index) const;
    QMdiSubWindow* TabWindow(int index) const;
    int CurrentTab() const;
    QTabBar* Bar() const { return bar_; }

    /// The tab menu's commands, carried out by the main frame (close all but this) or the window.
    void SetCommandHandler(std::function<void(QMdiSubWindow* window, int commandId)> handler) {
        handler_ = std::move(handler);
    }

    /// Removes the tab of a window that closed or went away.
    void RemoveWindow(QObject* window);

private:
    void ShowTabMenu(const QPoint& at);
    int IndexOf(const QObject* window) const;

    AppContext& context_;
    QMdiArea* area_;
    QTabBar* bar_;
    bool enabledByUser_ = true;
    bool syncing_ = false;
    std::function<void(QMdiSubWindow*, int)> handler_;
};

} // namespace tav::gui

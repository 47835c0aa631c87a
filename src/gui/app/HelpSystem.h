#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>
#include <initializer_list>

class QTextBrowser;

namespace tav::gui {

class AppContext;

/// The texts of the help viewer, in the program's language.
struct HelpWindowTexts {
    QString caption;
    QString back;
    QString forward;
    QString contents;
};

/// The help viewer: a window with a page browser, back, forward and contents buttons.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(const HelpWindowTexts& texts, QWidget* parent = nullptr);
    void ShowPage(const QString& file, const QString& contentsFile);
    QTextBrowser* Browser() const { return browser_; }

private:
    QTextBrowser* browser_;
    QString contents_;
};

/// Help by context: the program's help pages are HTML files in the "help" folder of the program
/// directory, one per topic, named after the context id (the id of the dialog, form or control
/// asking, "1109.html"); "index.html" is the default topic. A language other than English has its
/// own folder beside it ("help_S"); a page it lacks is taken from "help".
class HelpSystem {
public:
    static constexpr const char* kDefaultTopic = "index.html";

    explicit HelpSystem(AppContext& context);
    ~HelpSystem();
    HelpSystem(const HelpSystem&) = delete;
    HelpSystem& operator=(const HelpSystem&) = delete;

    /// The help system of the running program (the last one made), for help requests that do
    /// not come through a window of the main frame.
    static HelpSystem* Active();

    /// The current language's page folder.
    QString Folder() const;
    /// The folder every page falls back to.
    QString BaseFolder() const;
    /// The page of a topic file name: the language's own, else the one in the base folder.
    QString PageFile(const QString& name) const;
    QString TopicFile(int contextId) const;
    bool HasTopic(int contextId) const;
    /// Shows the topic of a context; false (and nothing shown) when there is none.
    bool ShowTopic(int contextId);
    /// Shows the default topic.
    void ShowDefault();
    /// Closes the viewer after a language change: the next page opens it with the new texts
    /// and from the new language's folder.
    void Relabel();
    /// Shows the first of the contexts that has a topic, else the default topic. Returns the
    /// context shown, 0 for the default topic.
    int ShowFirstOf(std::initializer_list<int> contexts);

    /// The page shown last (empty before the first).
    const QString& LastShown() const { return lastShown_; }
    HelpWindow* Window() const { return window_; }

private:
    void Show(const QString& file);
    void KeepUsableBeside(QWidget* modal);

    AppContext& context_;
    QPointer<HelpWindow> window_;
    QString lastShown_;
};

} // namespace tav::gui

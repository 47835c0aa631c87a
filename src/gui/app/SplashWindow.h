#pragma once

#include <QPixmap>
#include <QPointer>
#include <QWidget>

class QTimer;

namespace tav::gui {

/// Shows a main window maximized; it also fills the screen where no window manager maximizes it.
void ShowMaximizedOnScreen(QWidget* window);

/// The start-up picture: a borderless window the size of the picture, centred on the screen.
/// After 1.5 s it shows the main window maximized and stays 2.5 s more. A key press or a mouse
/// click anywhere closes it at once (showing the main window if it is not shown yet) and is not
/// passed on. While it is up the cursor waits. Without a picture it closes at once.
class SplashWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int kShowMainAfterMs = 1500;
    static constexpr int kStayAfterMainMs = 2500;

    SplashWindow(const QString& pictureFile, QWidget* mainWindow);
    ~SplashWindow() override;

    /// Shows the splash and starts its timers (or closes it at once without a picture).
    void Start();
    bool HasPicture() const { return !picture_.isNull(); }

    /// Closes the splash and shows the main window maximized if it is not shown yet.
    void Finish();

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowMain();

    QPixmap picture_;
    QPointer<QWidget> main_;
    QTimer* showMain_;
    QTimer* close_;
    bool waitCursor_ = false;
    bool finished_ = false;
};

} // namespace tav::gui

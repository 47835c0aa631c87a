#include "gui/app/SplashWindow.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QTimer>

namespace tav::gui {

void ShowMaximizedOnScreen(QWidget* window) {
    if (const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen()) {
        window->setGeometry(screen->availableGeometry());
    }
    window->showMaximized();
}

SplashWindow::SplashWindow(const QString& pictureFile, QWidget* mainWindow)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      picture_(pictureFile), main_(mainWindow), showMain_(new QTimer(this)), close_(new QTimer(this)) {
    setAttribute(Qt::WA_DeleteOnClose);
    showMain_->setSingleShot(true);
    close_->setSingleShot(true);
    connect(showMain_, &QTimer::timeout, this, [this] {
        ShowMain();
        close_->start(kStayAfterMainMs);
    });
    connect(close_, &QTimer::timeout, this, &SplashWindow::Finish);
    if (!picture_.isNull()) {
        setFixedSize(picture_.deviceIndependentSize().toSize());
    }
}

SplashWindow::~SplashWindow() {
    qApp->removeEventFilter(this);
    if (waitCursor_) {
        QApplication::restoreOverrideCursor();
    }
}

void SplashWindow::Start() {
    if (picture_.isNull()) {
        // No picture: the splash ends at once.
        QTimer::singleShot(0, this, &SplashWindow::Finish);
        return;
    }
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - rect().center());
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    waitCursor_ = true;
    qApp->installEventFilter(this);
    show();
    raise();
    showMain_->start(kShowMainAfterMs);
}

void SplashWindow::ShowMain() {
    if (main_ && !main_->isVisible()) {
        ShowMaximizedOnScreen(main_);
        main_->raise();
        main_->activateWindow();
    }
    raise();
}

void SplashWindow::Finish() {
    if (finished_) {
        return;
    }
    finished_ = true;
    showMain_->stop();
    close_->stop();
    qApp->removeEventFilter(this);
    if (waitCursor_) {
        QApplication::restoreOverrideCursor();
        waitCursor_ = false;
    }
    ShowMain();
    close();
    if (main_) {
        main_->activateWindow();
    }
}

void SplashWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, picture_);
}

bool SplashWindow::eventFilter(QObject*, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::NonClientAreaMouseButtonPress:
        Finish();
        return true;
    default:
        return false;
    }
}

} // namespace tav::gui

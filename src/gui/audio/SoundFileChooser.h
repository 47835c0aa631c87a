#pragma once

#include <QString>
#include <deque>
#include <optional>

class QWidget;

namespace tav::gui {

/// The file dialog that names a sound file to export (tests put a scripted one in place).
class SoundFileChooser {
public:
    virtual ~SoundFileChooser() = default;
    /// A path ending in ".wav", or nothing when the dialog was cancelled.
    virtual std::optional<QString> ChooseWavFile(QWidget* parent, const QString& caption,
                                                 const QString& suggested) = 0;
};

/// The file dialog on the screen.
class QtSoundFileChooser : public SoundFileChooser {
public:
    std::optional<QString> ChooseWavFile(QWidget* parent, const QString& caption,
                                         const QString& suggested) override;
};

/// Answers given in advance; with none left, the dialog counts as cancelled.
class ScriptedSoundFileChooser : public SoundFileChooser {
public:
    void Queue(std::optional<QString> path) { answers_.push_back(std::move(path)); }
    int Count() const { return count_; }
    const QString& LastSuggested() const { return suggested_; }

    std::optional<QString> ChooseWavFile(QWidget*, const QString&, const QString& suggested) override {
        ++count_;
        suggested_ = suggested;
        std::optional<QString> next;
        if (!answers_.empty()) {
            next.swap(answers_.front());
            answers_.pop_front();
        }
        return next;
    }

private:
    std::deque<std::optional<QString>> answers_;
    int count_ = 0;
    QString suggested_;
};

} // namespace tav::gui

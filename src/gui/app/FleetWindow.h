#pragma once

#include "core/fleet/FleetOutcome.h"

#include <QDialog>
#include <atomic>
#include <memory>
#include <thread>
#include <vector>

class QCheckBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QVBoxLayout;

namespace tav::gui {

class AppContext;
class CMainFrame;
struct FleetRunState;

/// Program > Fleet Programming: the open document written to the radios on many ports at the
/// same time, over the same fleet write as tavctl's. A row per port shows the radio found, its
/// progress, the identity it was given and its result; the first ATIS code and PTT-ID, a
/// numbering file, "verify after writing", a backup first and "keep writing each radio plugged
/// in" are chosen above. While it runs the window is modal, so that the document stays as it was
/// when the run started.
class FleetWindow : public QDialog {
    Q_OBJECT
public:
    enum Column { kPort, kRadio, kProgress, kIdentity, kResult, kColumnCount };
    static constexpr int kTitle = 9770;
    static constexpr int kPortsLabel = 9771;
    static constexpr int kFirstHeading = 9772;
    static constexpr int kAtisLabel = 9777;
    static constexpr int kPttIdLabel = 9778;
    static constexpr int kNumberingLabel = 9779;
    static constexpr int kVerifyText = 9780;
    static constexpr int kBackupText = 9781;
    static constexpr int kRepeatText = 9782;
    static constexpr int kStartText = 9783;
    static constexpr int kStopText = 9784;
    static constexpr int kCloseText = 9785;
    static constexpr int kDataLabel = 9786; ///< "Data: %s"
    static constexpr int kTotalText = 9787; ///< "%d radios: %d written, %d failed"

    FleetWindow(AppContext& context, CMainFrame& frame);
    ~FleetWindow() override;

    /// The ports offered, each a row (checked: used): the port table's devices that are there, and
    /// the simulated radio when one is attached.
    void SetPorts(const std::vector<FleetPort>& ports);

    QTableWidget* Ports() const { return ports_; }
    QLineEdit* AtisEdit() const { return atis_; }
    QLineEdit* PttIdEdit() const { return pttId_; }
    QLineEdit* NumberingEdit() const { return numbering_; }
    QCheckBox* VerifyBox() const { return verify_; }
    QCheckBox* BackupBox() const { return backup_; }
    QCheckBox* RepeatBox() const { return repeat_; }
    QPushButton* StartButton() const { return start_; }
    QPushButton* StopButton() const { return stop_; }
    QLabel* Total() const { return total_; }
    bool Running() const { return worker_.joinable(); }

    /// Start: checks the options and the data, then writes every checked port's radio.
    void Start();
    void Stop();

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void Started(std::size_t port, const QString& serial, const QString& identity);
    void Progress(std::size_t port, int percent);
    void Ended(const FleetOutcome& outcome);
    void Finished();
    void Refuse(const Result& result);
    void SetCell(int row, Column column, const QString& text);
    void FitColumns();
    QLineEdit* AddEdit(QFormLayout* form, int labelId, const char* fallback);
    QCheckBox* AddBox(QVBoxLayout* layout, int textId, const char* fallback);
    void UpdateButtons();

    AppContext& context_;
    CMainFrame& frame_;
    std::vector<FleetPort> offered_;
    std::vector<int> rowOf_; ///< the table row of each port of the run
    QTableWidget* ports_ = nullptr;
    QLineEdit* atis_ = nullptr;
    QLineEdit* pttId_ = nullptr;
    QLineEdit* numbering_ = nullptr;
    QCheckBox* verify_ = nullptr;
    QCheckBox* backup_ = nullptr;
    QCheckBox* repeat_ = nullptr;
    QPushButton* start_ = nullptr;
    QPushButton* stop_ = nullptr;
    QPushButton* close_ = nullptr;
    QLabel* total_ = nullptr;
    std::unique_ptr<FleetRunState> run_;
    std::atomic<bool> stopFlag_{false};
    std::atomic<bool> workerDone_{true};
    std::thread worker_;
    int done_ = 0;
    int failed_ = 0;
};

} // namespace tav::gui

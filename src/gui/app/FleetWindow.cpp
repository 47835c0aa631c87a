#include "gui/app/FleetWindow.h"

#include "core/app/DocumentSession.h"
#include "core/app/RadioCommands.h"
#include "core/comm/Clock.h"
#include "core/fleet/FleetWrite.h"
#include "core/fleet/UnitNumbering.h"
#include "gui/app/AppContext.h"
#include "gui/app/CMainFrame.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QVBoxLayout>
#include <filesystem>

namespace tav::gui {
namespace {

constexpr const char* kHeadings[FleetWindow::kColumnCount] = {"Port", "Radio", "Progress", "Identity",
                                                              "Result"};

QString Plain(const QString& caption) {
    // "&Ports" and "端口(&P)" alike name the control without the access key.
    return QString(caption).remove(QRegularExpression(QStringLiteral("\\(&.\\)"))).remove(QLatin1Char('&'));
}

} // namespace

/// What a run holds while its worker writes: all of it outlives the worker.
struct FleetRunState {
    RadioCommands commands;
    std::unique_ptr<UnitNumbering> numbering;
    std::unique_ptr<FleetWrite> fleet;
    FleetWriteJob job;
    FleetHooks hooks;
    std::vector<FleetPort> ports;
};

FleetWindow::FleetWindow(AppContext& context, CMainFrame& frame)
    : QDialog(&frame), context_(context), frame_(frame) {
    setWindowTitle(context_.ControlText(kTitle, QStringLiteral("Fleet Programming")));
    auto* layout = new QVBoxLayout(this);
    // A document not saved yet is named by its model and range, as the tree's root names it.
    const QString document = context_.Doc().Path().empty()
                                 ? QString::fromStdString(context_.Settings().ModelName() + " " +
                                                          context_.Settings().FreqRange() + " MHz")
                                 : QString::fromStdString(context_.Doc().Path().filename().string());
    layout->addWidget(new QLabel(
        context_.ControlText(kDataLabel, QStringLiteral("Data: %s")).replace(QStringLiteral("%s"), document),
        this));

    ports_ = new QTableWidget(0, kColumnCount, this);
    QStringList headings;
    for (int k = 0; k < kColumnCount; ++k) {
        headings << context_.ControlText(kFirstHeading + k, QString::fromLatin1(kHeadings[k]));
    }
    ports_->setHorizontalHeaderLabels(headings);
    ports_->horizontalHeader()->setStretchLastSection(true);
    ports_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ports_->setSelectionBehavior(QAbstractItemView::SelectRows);
    auto* portsLabel = new QLabel(context_.ControlText(kPortsLabel, QStringLiteral("&Ports")), this);
    portsLabel->setBuddy(ports_);
    ports_->setAccessibleName(Plain(portsLabel->text()));
    layout->addWidget(portsLabel);
    layout->addWidget(ports_, 1);

    auto* form = new QFormLayout;
    atis_ = AddEdit(form, kAtisLabel, "First &ATIS code:");
    pttId_ = AddEdit(form, kPttIdLabel, "First PTT-&ID:");
    numbering_ = AddEdit(form, kNumberingLabel, "&Numbering file:");
    layout->addLayout(form);
    verify_ = AddBox(layout, kVerifyText, "&Verify after writing");
    backup_ = AddBox(layout, kBackupText, "&Back up each radio first");
    repeat_ = AddBox(layout, kRepeatText, "&Keep writing each radio plugged in");

    total_ = new QLabel(this);
    layout->addWidget(total_);
    auto* buttons = new QHBoxLayout;
    const auto addButton = [&](int textId, const char* fallback) {
        auto* button = new QPushButton(context_.ControlText(textId, QString::fromLatin1(fallback)), this);
        button->setAccessibleName(Plain(button->text()));
        buttons->addWidget(button);
        return button;
    };
    start_ = addButton(kStartText, "&Start");
    stop_ = addButton(kStopText, "S&top");
    close_ = addButton(kCloseText, "Close");
    buttons->insertStretch(0);
    layout->addLayout(buttons);
    connect(start_, &QPushButton::clicked, this, &FleetWindow::Start);
    connect(stop_, &QPushButton::clicked, this, &FleetWindow::Stop);
    connect(close_, &QPushButton::clicked, this, &FleetWindow::close);

    std::vector<FleetPort> offered;
    const PortTable table = PortTable::LoadFromSettings(context_.Settings().SettingsFile());
    for (int p = PortTable::kFirstPort; p <= PortTable::kLastPort; ++p) {
        const std::string device = table.DevicePath(p);
        std::error_code ec;
        if (!device.empty() && std::filesystem::exists(device, ec)) {
            offered.push_back({std::to_string(p) + " \u2013 " + device, device});
        }
    }
    if (context_.RadioDevice()) {
        offered.push_back({*context_.RadioDevice(), *context_.RadioDevice()});
    }
    SetPorts(offered);
    resize(720, 420);
}

FleetWindow::~FleetWindow() {
    if (Running()) {
        // The workers may be waiting for an answer from this thread: answer until they end.
        stopFlag_ = true;
        while (!workerDone_) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        }
        worker_.join();
    }
}

QLineEdit* FleetWindow::AddEdit(QFormLayout* form, int labelId, const char* fallback) {
    auto* edit = new QLineEdit(this);
    auto* label = new QLabel(context_.ControlText(labelId, QString::fromLatin1(fallback)), this);
    label->setBuddy(edit);
    edit->setAccessibleName(Plain(label->text()).remove(QLatin1Char(':')).remove(QChar(0xFF1A)).trimmed());
    form->addRow(label, edit);
    return edit;
}

QCheckBox* FleetWindow::AddBox(QVBoxLayout* layout, int textId, const char* fallback) {
    auto* box = new QCheckBox(context_.ControlText(textId, QString::fromLatin1(fallback)), this);
    box->setAccessibleName(Plain(box->text()));
    layout->addWidget(box);
    return box;
}

void FleetWindow::SetPorts(const std::vector<FleetPort>& ports) {
    offered_ = ports;
    ports_->setRowCount(static_cast<int>(ports.size()));
    for (int row = 0; row < ports_->rowCount(); ++row) {
        auto* item = new QTableWidgetItem(QString::fromStdString(ports[row].label));
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Checked);
        ports_->setItem(row, kPort, item);
        for (const Column column : {kRadio, kIdentity, kResult}) {
            SetCell(row, column, {});
        }
        auto* bar = new QProgressBar(ports_);
        bar->setRange(0, 100);
        bar->setValue(0);
        bar->setAccessibleName(ports_->horizontalHeaderItem(kProgress)->text() + QLatin1Char(' ') +
                               item->text());
        ports_->setCellWidget(row, kProgress, bar);
    }
    FitColumns();
    UpdateButtons();
}

void FleetWindow::SetCell(int row, Column column, const QString& text) {
    auto* item = ports_->item(row, column);
    if (item == nullptr) {
        item = new QTableWidgetItem;
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        ports_->setItem(row, column, item);
    }
    item->setText(text);
}

void FleetWindow::UpdateButtons() {
    const bool running = Running();
    start_->setEnabled(!running && ports_->rowCount() > 0);
    stop_->setEnabled(running);
    for (QWidget* option :
         std::initializer_list<QWidget*>{atis_, pttId_, numbering_, verify_, backup_, repeat_}) {
        option->setEnabled(!running);
    }
}

void FleetWindow::Refuse(const Result& result) {
    context_.TellFailure(this, result);
}

void FleetWindow::Start() {
    if (Running()) {
        return;
    }
    FleetIdentity first;
    if (!atis_->text().trimmed().isEmpty()) {
        const Outcome<std::string> code = ParseAtisStart(atis_->text().trimmed().toStdString());
        if (!code) {
            return Refuse(code.result());
        }
        first.atis = *code;
    }
    if (!pttId_->text().trimmed().isEmpty()) {
        const Outcome<std::uint16_t> id = ParsePttIdStart(pttId_->text().trimmed().toStdString());
        if (!id) {
            return Refuse(id.result());
        }
        first.pttId = *id;
    }
    std::optional<std::filesystem::path> file;
    if (!numbering_->text().trimmed().isEmpty()) {
        file = std::filesystem::path(numbering_->text().trimmed().toStdString());
    }
    std::vector<FleetPort> ports;
    rowOf_.clear();
    for (int row = 0; row < ports_->rowCount(); ++row) {
        if (ports_->item(row, kPort)->checkState() == Qt::Checked) {
            ports.push_back(offered_[row]);
            rowOf_.push_back(row);
        }
    }
    if (ports.empty()) {
        return;
    }
    auto numbering = std::make_unique<UnitNumbering>(first, file);
    if (Result fits = numbering->Check(repeat_->isChecked() ? 1 : static_cast<unsigned>(ports.size()));
        !fits) {
        return Refuse(fits);
    }
    RadioCommands commands = context_.Session().Radio(frame_);
    Outcome<DataFileContent> prepared = commands.PrepareWrite();
    if (!prepared) {
        return Refuse(prepared.result());
    }
    auto& run = run_;
    run = std::make_unique<FleetRunState>(
        FleetRunState{commands, std::move(numbering), nullptr, {}, {}, ports});
    run->fleet =
        std::make_unique<FleetWrite>(run->commands, context_.Container(), SystemClock::Instance(), nullptr);
    run->job = FleetWriteJob{*prepared, run->commands.HistoryFileOfWrite(), backup_->isChecked(),
                             verify_->isChecked()};
    run->hooks.questions.confirmNote = [this](int messageId) {
        bool yes = false;
        QMetaObject::invokeMethod(
            this,
            [this, messageId, &yes] {
                yes = context_.Prompts().Ask(this, context_.Title(), context_.Message(messageId),
                                             PromptButtons::YesNo, PromptIcon::Warning) == PromptAnswer::Yes;
            },
            Qt::BlockingQueuedConnection);
        return yes;
    };
    run->hooks.progress = [this](std::size_t port, const TransferEvent& event) {
        if (event.kind == TransferEvent::Kind::Progress) {
            QMetaObject::invokeMethod(
                this, [this, port, event] { Progress(port, event.percent); }, Qt::QueuedConnection);
        }
    };
    run->hooks.started = [this](std::size_t port, const std::string& serial, const FleetIdentity& identity) {
        const QString radio = QString::fromStdString(serial);
        const QString given = QString::fromStdString(identity.Text());
        QMetaObject::invokeMethod(
            this, [this, port, radio, given] { Started(port, radio, given); }, Qt::QueuedConnection);
    };
    run->hooks.finished = [this](const FleetOutcome& outcome) {
        QMetaObject::invokeMethod(
            this, [this, outcome] { Ended(outcome); }, Qt::QueuedConnection);
    };

    for (const int row : rowOf_) {
        for (const Column column : {kRadio, kIdentity, kResult}) {
            SetCell(row, column, {});
        }
        static_cast<QProgressBar*>(ports_->cellWidget(row, kProgress))->setValue(0);
    }
    done_ = failed_ = 0;
    total_->clear();
    stopFlag_ = false;
    setModal(true);
    const bool repeat = repeat_->isChecked();
    FleetRunState* state = run.get();
    workerDone_ = false;
    worker_ = std::thread([this, state, repeat] {
        if (repeat) {
            static_cast<void>(
                state->fleet->Repeat(state->ports, state->job, *state->numbering, state->hooks, stopFlag_));
        } else {
            static_cast<void>(
                state->fleet->Each(state->ports, state->job, *state->numbering, state->hooks, stopFlag_));
        }
        QMetaObject::invokeMethod(
            this, [this] { Finished(); }, Qt::QueuedConnection);
        workerDone_ = true;
    });
    UpdateButtons();
}

void FleetWindow::Stop() {
    stopFlag_ = true;
}

void FleetWindow::Started(std::size_t port, const QString& serial, const QString& identity) {
    const int row = rowOf_.at(port);
    SetCell(row, kRadio, serial);
    SetCell(row, kIdentity, identity);
    SetCell(row, kResult, {});
    static_cast<QProgressBar*>(ports_->cellWidget(row, kProgress))->setValue(0);
    FitColumns();
}

void FleetWindow::FitColumns() {
    for (const Column column : {kPort, kRadio, kIdentity}) {
        ports_->resizeColumnToContents(column);
    }
}

void FleetWindow::Progress(std::size_t port, int percent) {
    static_cast<QProgressBar*>(ports_->cellWidget(rowOf_.at(port), kProgress))->setValue(percent);
}

void FleetWindow::Ended(const FleetOutcome& outcome) {
    const int row = rowOf_.at(outcome.port);
    if (outcome.serial) {
        SetCell(row, kRadio, QString::fromStdString(*outcome.serial));
    }
    SetCell(row, kIdentity, QString::fromStdString(outcome.identity.Text()));
    SetCell(row, kResult, QString::fromStdString(outcome.ResultText()));
    if (outcome.write.ok()) {
        static_cast<QProgressBar*>(ports_->cellWidget(row, kProgress))->setValue(100);
    }
    FitColumns();
    (outcome.ok() ? done_ : failed_) += 1;
    QString total = context_.ControlText(kTotalText, QStringLiteral("%d radios: %d written, %d failed"));
    for (const int number : {done_ + failed_, done_, failed_}) {
        const qsizetype at = total.indexOf(QStringLiteral("%d"));
        if (at >= 0) {
            total.replace(at, 2, QString::number(number));
        }
    }
    total_->setText(total);
}

void FleetWindow::Finished() {
    if (worker_.joinable()) {
        worker_.join();
    }
    setModal(false);
    UpdateButtons();
}

void FleetWindow::closeEvent(QCloseEvent* event) {
    if (Running()) {
        // The transfers end after their current exchange; the window goes once they have.
        stopFlag_ = true;
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void FleetWindow::reject() {
    if (Running()) {
        stopFlag_ = true;
        return;
    }
    QDialog::reject();
}

} // namespace tav::gui

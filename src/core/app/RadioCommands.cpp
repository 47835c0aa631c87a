#include "core/app/RadioCommands.h"

#include "core/app/CDataContainer.h"
#include "core/app/CModelList.h"
#include "core/app/CSettings.h"
#include "core/app/Document.h"
#include "core/app/FreqRangeTable.h"
#include "core/app/RadioSerialNumber.h"
#include "core/compare/RadioVerify.h"

#include <algorithm>

namespace tav {

namespace {

std::string Cut(const std::string& text, std::size_t length) {
    return text.substr(0, std::min(text.size(), length));
}

/// A file as the history names it: whole, wherever the program was started.
std::string FileText(const std::filesystem::path& path) {
    if (path.empty()) {
        return {};
    }
    std::error_code ec;
    const std::filesystem::path whole = std::filesystem::absolute(path, ec);
    return ec ? path.string() : whole.string();
}

} // namespace

RadioCommands::RadioCommands(CSettings& settings, Document& document, CDataContainer& container,
                             FreqRangeTable& ranges, DocumentViews& views, const RadioHistory* history)
    : settings_(settings), document_(document), container_(container), ranges_(ranges), views_(views),
      history_(history) {}

std::string WriteResultText(const TransferReport& report) {
    if (report.ok()) {
        return "ok";
    }
    std::string text = report.status == TransferStatus::Interrupted ? "interrupted" : "failed";
    if (!report.written.NewData().empty()) {
        text += "; new data " + report.written.NewDataText();
    }
    if (report.written.Unsure()) {
        text += "; unsure " + report.written.Unsure()->Text();
    }
    return text;
}

DataFileHeader RadioCommands::RadioHeader(const TransferReport& report) const {
    DataFileHeader header;
    header.modelId = Cut(report.identity.modelId, DataFileHeader::kTextFieldSize);
    header.modelName = Cut(report.identity.modelName, DataFileHeader::kTextFieldSize);
    header.lowMHz = static_cast<std::uint16_t>(std::clamp(report.band.lowMHz, 0, 0xFFFF));
    header.highMHz = static_cast<std::uint16_t>(std::clamp(report.band.highMHz, 0, 0xFFFF));
    header.firmware = Cut(report.identity.firmware, DataFileHeader::kTextFieldSize);
    header.dataVersion = Document::kProgramVersion;
    // The range table knows the flags of the current model's ranges only.
    if (report.identity.modelId == settings_.ModelId()) {
        header.rangeFlags = ranges_.CurrentRangeFlags(report.band.RangeText());
    }
    header.signalType = static_cast<std::uint8_t>(report.identity.signalling);
    return header;
}

std::optional<HistoryEntry> RadioCommands::Keep(HistoryKind kind, const std::optional<std::string>& serial,
                                                const DataFileHeader& header, const Image& image,
                                                const std::string& file, const TransferReport& report) {
    if (history_ == nullptr) {
        return std::nullopt;
    }
    HistoryRecord record;
    record.kind = kind;
    record.serial = serial;
    record.header = header;
    record.file = file;
    record.port = report.connection.device;
    record.result = kind == HistoryKind::Written ? WriteResultText(report) : "ok";
    Outcome<HistoryEntry> kept = history_->Record(record, image);
    if (!kept) {
        // The first reason is the one to tell; the operation itself goes on.
        if (!historyProblem_) {
            historyProblem_ = kept.result();
        }
        return std::nullopt;
    }
    return *kept;
}

TransferRequest MakeTransferRequest(const CSettings& settings, TransferDirection direction,
                                    const RadioTarget& target) {
    TransferRequest request;
    request.direction = direction;
    request.device = target.device;
    request.ports = PortTable::LoadFromSettings(settings.SettingsFile());
    request.rememberedPort = target.port.value_or(settings.ComPort());
    request.factoryLevel = settings.IsFactoryLevel();
    request.rules.currentModelId = settings.ModelId();
    request.rules.acceptedModelIds = Document::AcceptedModelIds(settings.Language());
    request.documentRange = settings.FreqRange();
    return request;
}

TransferRequest RadioCommands::MakeRequest(TransferDirection direction, const RadioTarget& target) const {
    return MakeTransferRequest(settings_, direction, target);
}

void RadioCommands::RememberPort(const TransferReport& report) {
    // The port on which the radio answered is the one tried first next time.
    if (report.connection.ok() && report.connection.port != 0) {
        settings_.SetComPort(report.connection.port);
    }
}

void RadioCommands::OfferRange(const TransferReport& report, const YesNoQuestion& askYesNo) {
    const FrequencyBand& band = report.band;
    const FreqRangeRecord record{static_cast<std::uint32_t>(std::max(band.lowMHz, 0)),
                                 static_cast<std::uint32_t>(std::max(band.highMHz, 0)),
                                 static_cast<std::uint32_t>(std::max(band.lowMHz, 0)),
                                 static_cast<std::uint32_t>(std::max(band.highMHz, 0)), band.flag};
    lastRangeOffer_ = ranges_.OfferNewRange(settings_, record, askYesNo);
}

void RadioCommands::TakeRadioIdentity(const TransferReport& report) {
    const RadioIdentity& radio = report.identity;
    settings_.SetModelId(radio.modelId);
    settings_.SetModelName(radio.modelName);
    settings_.SetSignalType(radio.signalling);
    settings_.SetFirmwareVersion(radio.firmware);
    settings_.SetPrevFreqRange(settings_.FreqRange());
    settings_.SetFreqRange(report.band.RangeText());
    // A model list that cannot be read leaves the table its fallback range: nothing to tell.
    static_cast<void>(ranges_.LoadFor(settings_));
}

TransferReport RadioCommands::Read(const TransferRunner& transfer, const RadioTarget& target,
                                   const YesNoQuestion& askYesNo, RadioImage& received) {
    received.fill(0);
    RadioImage buffer{};
    const TransferReport report = transfer(MakeRequest(TransferDirection::Read, target), buffer);
    RememberPort(report);
    if (!report.ok()) {
        return report;
    }
    // The identity and the image are taken over together, so that they always belong together.
    TakeRadioIdentity(report);
    // The data now comes from the radio, not from the file it was opened from.
    document_.ForgetPath();
    OfferRange(report, askYesNo);
    received = buffer;
    Keep(HistoryKind::Read, ImageSerialNumber(buffer), document_.BuildHeader(), buffer,
         historyFile_.value_or(""), report);
    views_.CloseAllEditors();
    container_.image() = buffer;
    document_.UpdateDataContext();
    container_.LoadAll();
    document_.MarkUnchanged();
    views_.DataReloaded();
    views_.DocumentReplaced();
    return report;
}

TransferRequest RadioCommands::WriteRequest(const RadioTarget& target, const WriteOptions& options) {
    lastBackup_.reset();
    lastBackupContent_.reset();
    lastWritten_.reset();
    TransferRequest request = MakeRequest(TransferDirection::Write, target);
    request.backupFirst = options.backupFirst;
    // A write is known by its radio: without a backup, the radio's serial number is read first.
    request.learnSerial = !options.serial;
    // Called on the transfer's thread, before the first block is written.
    request.backupTaken = [this](const TransferReport& report, const RadioImage& backup) {
        const DataFileHeader header = RadioHeader(report);
        DataFileContent content;
        content.header = header.ToBytes();
        content.image = backup;
        content.imageCount = backup.size();
        lastBackupContent_ = std::move(content);
        lastBackup_ = Keep(HistoryKind::BeforeWrite, report.serial, header, backup, {}, report);
    };
    return request;
}

void RadioCommands::KeepWrite(const TransferReport& report, const WriteOptions& options,
                              const DataFileHeader& header, const Image& sent, const std::string& file) {
    if (!report.ok() && !report.written.Started()) {
        return; // the radio was left as it was
    }
    lastWritten_ = Keep(HistoryKind::Written, report.serial ? report.serial : options.serial, header, sent,
                        file, report);
}

Outcome<TransferReport> RadioCommands::Write(const TransferRunner& transfer, const RadioTarget& target,
                                             const YesNoQuestion& askYesNo, const WriteOptions& options) {
    const Outcome<DataFileContent> prepared = PrepareWrite();
    if (!prepared) {
        return prepared.result();
    }
    // The image goes out through a copy, so that only a completed write stamps the date into it.
    RadioImage image = prepared->image;
    TransferReport report = transfer(WriteRequest(target, options), image);
    RememberPort(report);
    KeepWrite(report, options, document_.BuildHeader(), image, HistoryFileOfWrite());
    if (!report.ok()) {
        return report;
    }
    container_.image() = image;
    OfferRange(report, askYesNo);
    container_.RadioInfo().LoadFromImage(container_.image());
    views_.DataReloaded();
    return report;
}

Outcome<DataFileContent> RadioCommands::PrepareWrite() {
    if (Result checked = document_.CheckReferences(); !checked) {
        return checked;
    }
    views_.StoreAllEditors();
    container_.StoreAll();
    DataFileContent content;
    content.header = document_.BuildHeader().ToBytes();
    content.image = container_.image();
    content.imageCount = content.image.size();
    return content;
}

std::string RadioCommands::HistoryFileOfWrite() const {
    return historyFile_.value_or(FileText(document_.Path()));
}

TransferReport RadioCommands::Restore(const TransferRunner& transfer, const RadioTarget& target,
                                      const DataFileContent& entry, const std::string& entryFile,
                                      const WriteOptions& options) {
    return WriteContent(transfer, target, entry, entryFile, options);
}

TransferReport RadioCommands::WriteContent(const TransferRunner& transfer, const RadioTarget& target,
                                           const DataFileContent& content, const std::string& file,
                                           const WriteOptions& options, RadioImage* sent) {
    const DataFileHeader header = DataFileHeader::FromBytes(content.header);
    TransferRequest request = WriteRequest(target, options);
    // The content's own identity is what the radio is checked against, as a write checks the data's.
    request.rules.currentModelId = header.modelId;
    request.documentRange = header.RangeText();
    RadioImage image = content.image;
    const TransferReport report = transfer(request, image);
    RememberPort(report);
    KeepWrite(report, options, header, image, file);
    if (sent != nullptr) {
        *sent = image;
    }
    return report;
}

TransferReport RadioCommands::Verify(const TransferRunner& transfer, const RadioTarget& target,
                                     std::vector<ConfigDifference>& differences, RadioImage* read) {
    differences.clear();
    views_.StoreAllEditors();
    container_.StoreAll();
    return ReadBack(transfer, target, container_, differences, read, nullptr);
}

TransferReport RadioCommands::VerifyWritten(const TransferRunner& transfer, const RadioTarget& target,
                                            const CDataContainer& written,
                                            std::vector<ConfigDifference>& differences, std::mutex* compare,
                                            RadioImage* read) {
    differences.clear();
    return ReadBack(transfer, target, written, differences, read, compare);
}

TransferReport RadioCommands::ReadBack(const TransferRunner& transfer, const RadioTarget& target,
                                       const CDataContainer& written,
                                       std::vector<ConfigDifference>& differences, RadioImage* read,
                                       std::mutex* compare) {
    const TransferRequest request = MakeRequest(TransferDirection::Read, target);
    RadioImage radio{};
    const TransferReport report = transfer(request, radio);
    RememberPort(report);
    if (report.ok()) {
        Keep(HistoryKind::Read, ImageSerialNumber(radio), RadioHeader(report), radio, {}, report);
        std::unique_lock<std::mutex> guard;
        if (compare != nullptr) {
            guard = std::unique_lock(*compare);
        }
        differences = RadioVerify(*written.Context().texts, request.factoryLevel).Compare(written, radio);
        if (read != nullptr) {
            *read = radio;
        }
    }
    return report;
}

TransferRunner RunOnThisThread(TransferSession& session, const RadioCommandUi& ui) {
    return [&session, &ui](const TransferRequest& request, RadioImage& image) {
        return session.Run(request, image, ui.questions, ui.events);
    };
}

} // namespace tav

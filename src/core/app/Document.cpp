#include "core/app/Document.h"

#include "core/app/CDataContainer.h"
#include "core/app/CSettings.h"
#include "core/app/FreqRangeTable.h"
#include "core/data/CDataFile.h"
#include "core/data/ImageMap.h"
#include "core/data/ProblemList.h"
#include "core/lang/CLanguage.h"

#include <algorithm>

namespace tav {
namespace {

const SystemWallClock kSystemClock;

std::string Cut(const std::string& text, std::size_t n) {
    return text.size() > n ? text.substr(0, n) : text;
}

} // namespace

Document::Document(CSettings& settings, CDataContainer& container, FreqRangeTable& ranges,
                   ProblemList& problems, FileSink& sink)
    : settings_(settings), container_(container), ranges_(ranges), problems_(problems), sink_(sink),
      clock_(&kSystemClock) {
    container_.Context().texts = &settings_.Language();
}

void Document::SetClock(const WallClock& clock) {
    clock_ = &clock;
    container_.SetClock(clock);
}

void Document::UpdateDataContext() {
    DataContext& context = container_.Context();
    context.texts = &settings_.Language();
    const auto [low, high] = FreqRangeTable::CurrentRangeLimits(settings_.FreqRange());
    // A missing or unreadable range keeps the fall-back range, so defaults stay meaningful.
    if (low != 0 || high != 0) {
        context.rangeLowMHz = low;
        context.rangeHighMHz = high;
    } else {
        context.rangeLowMHz = static_cast<std::uint16_t>(FreqRangeTable::kFallbackRange.low);
        context.rangeHighMHz = static_cast<std::uint16_t>(FreqRangeTable::kFallbackRange.high);
    }
    context.rangeFlags = ranges_.CurrentRangeFlags(settings_.FreqRange());
    context.signalType = settings_.SignalType();
    context.modelName = settings_.ModelName();
    context.modelId = settings_.ModelId();
    context.firmwareVersion = settings_.FirmwareVersion();
}

std::filesystem::path Document::DefaultDataFile() const {
    return settings_.Home().ShippedFile(settings_.ModelId() + settings_.FreqRange() + "DefaultSet.dat");
}

Result Document::New(DocumentViews& views) {
    views.CloseAllEditors();
    settings_.SetFirmwareVersion(kProgramVersion);
    if (Result loaded = ranges_.LoadFor(settings_); !loaded) {
        return loaded;
    }
    path_.clear();
    UpdateDataContext();
    container_.ClearLists();
    container_.CreateDefaults();
    DataFileContent defaults;
    if (CDataFile::Load(DefaultDataFile(), defaults)) {
        views.CloseAllEditors();
        container_.image() = defaults.image;
        const ProgrammingDate date = EncodeProgrammingDate(clock_->Now());
        CopyToImage(container_.image(), ImageMap::kProgrammingDate, date);
        container_.LoadAll();
    }
    MarkUnchanged();
    views.DataReloaded();
    views.DocumentReplaced();
    return Result::Ok();
}

Result Document::Open(const std::filesystem::path& path, DocumentViews& views) {
    return OpenFile(path, views, false);
}

Result Document::OpenRecent(const std::filesystem::path& path, DocumentViews& views) {
    return OpenFile(path, views, true);
}

Result Document::OpenFile(const std::filesystem::path& path, DocumentViews& views, bool recent) {
    DataFileHeader::Bytes headerBytes;
    if (Result read = CDataFile::ReadHeader(path, headerBytes); !read) {
        if (recent) {
            path_.clear();
            return Result::Fail(kRecentNotDataFile, read.detail());
        }
        return read;
    }
    const DataFileHeader header = DataFileHeader::FromBytes(headerBytes);
    if (!IsAcceptedModel(header.modelId)) {
        path_.clear();
        return Result::Fail(kModelNotSupported, header.modelId);
    }
    if (CompareFirmwarePrefix(header.firmware, "1.04") > 0) {
        return Result::Fail(recent ? kRecentFirmwareTooNew : kFirmwareTooNew, header.firmware);
    }
    // The body is read before anything is taken over, so a damaged file changes nothing.
    DataFileContent content;
    if (Result loaded = CDataFile::Load(path, content); !loaded) {
        return loaded;
    }
    settings_.SetModelId(header.modelId);
    settings_.SetModelName(header.modelName);
    settings_.SetFreqRange(header.RangeText());
    settings_.SetSignalType(header.signalType);
    settings_.SetFirmwareVersion(header.firmware);
    path_ = path;
    views.CloseAllEditors();
    container_.image() = content.image;
    if (CompareFirmwarePrefix(header.firmware, "1.02") < 0) {
        container_.image()[ImageMap::kDos] = 0;
    }
    // The range table follows the file's model, so a later save writes that model's range flags.
    static_cast<void>(
        ranges_.LoadFor(settings_)); // a model list that cannot be read leaves the fallback range
    UpdateDataContext();
    container_.LoadAll();
    MarkUnchanged();
    views.DataReloaded();
    views.DocumentReplaced();
    return Result::Ok();
}

std::vector<std::string> Document::AcceptedModelIds(const CLanguage& language) {
    std::vector<std::string> ids;
    for (const int text : {kAcceptedModelText1, kAcceptedModelText2}) {
        if (std::string id = language.GetModelText(text); !id.empty()) {
            ids.push_back(std::move(id));
        }
    }
    return ids;
}

bool Document::IsAcceptedModel(const std::string& modelId) const {
    const std::vector<std::string> ids = AcceptedModelIds(settings_.Language());
    return !modelId.empty() && std::find(ids.begin(), ids.end(), modelId) != ids.end();
}

void Document::TakeRadioImage(const Image& image, DocumentViews& views) {
    path_.clear();
    views.CloseAllEditors();
    container_.image() = image;
    UpdateDataContext();
    container_.LoadAll();
    MarkUnchanged();
    views.DataReloaded();
    views.DocumentReplaced();
}

Image Document::ImageToSave() {
    // The image itself stays as it is: bytes no data object maps must survive until a save.
    const Image kept = container_.image();
    container_.StoreAll();
    Image stored = container_.image();
    container_.image() = kept;
    return stored;
}

bool Document::HasUnsavedChanges() {
    return ImageToSave() != saved_;
}

void Document::MarkUnchanged() {
    saved_ = ImageToSave();
}

Result Document::CheckReferences() {
    if (container_.CheckAllReferences(problems_, settings_.Language())) {
        return Result::Fail(kInvalidReferences);
    }
    return Result::Ok();
}

Result Document::Save(DocumentViews& views, bool& needsSaveAs) {
    needsSaveAs = false;
    if (Result checked = CheckReferences(); !checked) {
        return checked;
    }
    std::error_code ec;
    if (path_.empty() || !std::filesystem::exists(path_, ec)) {
        needsSaveAs = true;
        return Result::Ok();
    }
    views.StoreAllEditors();
    container_.StoreAll();
    Result written = Write(path_, {}, true);
    if (written) {
        saved_ = container_.image();
    }
    return written;
}

Result Document::SaveAs(const std::filesystem::path& path, const std::string& comment, DocumentViews& views) {
    return SaveAsImpl(path, comment, views, true);
}

Result Document::SaveAsWithComment(const std::filesystem::path& path, const std::string& comment,
                                   DocumentViews& views) {
    return SaveAsImpl(path, comment, views, false);
}

Result Document::SaveAsImpl(const std::filesystem::path& path, const std::string& comment,
                            DocumentViews& views, bool keepOldComment) {
    if (Result checked = CheckReferences(); !checked) {
        return checked;
    }
    views.StoreAllEditors();
    container_.StoreAll();
    if (Result written = Write(path, comment, keepOldComment); !written) {
        return written;
    }
    path_ = path;
    saved_ = container_.image();
    return Result::Ok();
}

Result Document::Write(const std::filesystem::path& path, const std::string& comment, bool keepOldComment) {
    CDataFile file(sink_);
    if (!file.SetHeader(BuildHeader().ToBytes())) {
        return Result::Fail(kCannotWrite, path.string());
    }
    return file.WriteDataFile(path, {}, container_.image(), comment,
                              keepOldComment ? CDataFile::EmptyComment::KeepOld
                                             : CDataFile::EmptyComment::Write);
}

DataFileHeader Document::BuildHeader() const {
    DataFileHeader header;
    header.modelId = Cut(settings_.ModelId(), DataFileHeader::kTextFieldSize);
    header.modelName = Cut(settings_.ModelName(), DataFileHeader::kTextFieldSize);
    const auto [low, high] = FreqRangeTable::CurrentRangeLimits(settings_.FreqRange());
    header.lowMHz = low;
    header.highMHz = high;
    header.firmware = settings_.FirmwareVersion();
    header.dataVersion = kProgramVersion;
    header.rangeFlags = ranges_.CurrentRangeFlags(settings_.FreqRange());
    header.signalType = static_cast<std::uint8_t>(settings_.SignalType());
    return header;
}

} // namespace tav

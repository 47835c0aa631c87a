#pragma once

#include "core/data/DataFileHeader.h"
#include "core/data/Image.h"
#include "core/platform/FileSink.h"
#include "core/platform/WallClock.h"
#include "core/util/Result.h"

#include <filesystem>
#include <string>
#include <vector>

namespace tav {

class CDataContainer;
class CLanguage;
class CSettings;
class FreqRangeTable;
class ProblemList;

/// What the windows do when the document changes under them. The desktop program's main frame
/// implements it; the command-line tool needs none of it.
class DocumentViews {
public:
    virtual ~DocumentViews() = default;
    /// Closes every editor window (their data is replaced).
    virtual void CloseAllEditors() {}
    /// Makes every open editor store what its controls hold.
    virtual void StoreAllEditors() {}
    /// The data was replaced: refresh the tree's record items, the status bar and the tree root.
    virtual void DataReloaded() {}
    /// The document was replaced (made new, opened, read from a radio): edits before it cannot be
    /// taken back any more.
    virtual void DocumentReplaced() {}
};

/// The one configuration being edited: its file, its identity (kept by the settings) and the data
/// container. Carries out New, Open, Open recent, Save and Save As; each returns the language
/// message number of its failure. Questions (New's "replace the data?") are the caller's.
class Document {
public:
    /// Message numbers of the document commands.
    enum Message : int {
        kReplaceQuestion = 800,
        kRecentNotDataFile = 802,
        kCannotWrite = 803,
        kModelNotSupported = 810,
        kNotDataFile = 811,
        kInvalidReferences = 814,
        kRecentFirmwareTooNew = 1140,
        kFirmwareTooNew = 1230,
        kModelNotListed = 9462,
    };
    /// S03 texts naming the model identifiers a data file may carry.
    static constexpr int kAcceptedModelText1 = 450;
    static constexpr int kAcceptedModelText2 = 460;
    /// The firmware and data version this program writes and understands.
    static constexpr const char* kProgramVersion = "1.04.01";

    Document(CSettings& settings, CDataContainer& container, FreqRangeTable& ranges, ProblemList& problems,
             FileSink& sink = DefaultFileSink());

    /// The clock whose time New stamps into the data (a test puts a fixed one in place).
    void SetClock(const WallClock& clock);

    /// The file the document was opened from or saved to; empty for a new document.
    const std::filesystem::path& Path() const { return path_; }
    /// The data no longer belongs to a file (it was read from a radio): the next Save asks for one.
    void ForgetPath() { path_.clear(); }

    /// Built-in defaults for the current identity, then the model's default data file if there is
    /// one. Fails only when the frequency-range table cannot be had (1147).
    Result New(DocumentViews& views);
    /// Opens a data file (811, 810, 1230). Nothing changes unless the whole file was accepted.
    Result Open(const std::filesystem::path& path, DocumentViews& views);
    /// Opens a recent file (802, 810, 811, 1140). On 802 the caller drops the entry from its list.
    Result OpenRecent(const std::filesystem::path& path, DocumentViews& views);
    /// Saves to the document's file. When there is none, `needsSaveAs` is set and nothing happens.
    Result Save(DocumentViews& views, bool& needsSaveAs);
    /// Saves to a new file with the comment typed (an empty comment keeps an existing file's one).
    Result SaveAs(const std::filesystem::path& path, const std::string& comment, DocumentViews& views);
    /// Save As that writes exactly `comment`, even an empty one (copying a file keeps its comment).
    Result SaveAsWithComment(const std::filesystem::path& path, const std::string& comment,
                             DocumentViews& views);

    /// Takes over an image read from a radio whose identity the settings already hold: the
    /// document has no file any more, the editors close and every data object is rebuilt.
    void TakeRadioImage(const Image& image, DocumentViews& views);

    /// Whether the data differs from what was last opened, saved, made new or read from a radio
    /// (the data objects are stored into the image to compare it).
    bool HasUnsavedChanges();
    /// The data as it is now counts as saved (after a read from a radio, which leaves no file).
    void MarkUnchanged();
    /// The image a save would write now (the container's own image is left as it is).
    Image ImageToSave();

    /// The reference check that gates saving and writing (814 when problems were listed).
    Result CheckReferences();

    /// Whether the language file lists `modelId` as a model whose data files the program takes.
    bool IsAcceptedModel(const std::string& modelId) const;
    /// The model identifiers the language file lists (texts 450 and 460; those it leaves empty are
    /// left out): the models whose files are opened and whose radios are read.
    static std::vector<std::string> AcceptedModelIds(const CLanguage& language);

    /// The header a save writes for the current identity.
    DataFileHeader BuildHeader() const;
    /// Program directory + model identifier + range + "DefaultSet.dat".
    std::filesystem::path DefaultDataFile() const;
    /// Brings the data objects' view of the range and language up to date with the identity.
    void UpdateDataContext();

private:
    Result OpenFile(const std::filesystem::path& path, DocumentViews& views, bool recent);
    Result SaveAsImpl(const std::filesystem::path& path, const std::string& comment, DocumentViews& views,
                      bool keepOldComment);
    Result Write(const std::filesystem::path& path, const std::string& comment, bool keepOldComment);

    CSettings& settings_;
    CDataContainer& container_;
    FreqRangeTable& ranges_;
    ProblemList& problems_;
    FileSink& sink_;
    const WallClock* clock_;
    std::filesystem::path path_;
    /// The image as it was last opened, saved, made new or read.
    Image saved_ = BlankImage();
};

} // namespace tav

#pragma once

#include <filesystem>

namespace tav {

/// Where the radio history lives: one folder per radio below it. The system's folder for the
/// program, or one a test (or a portable install) chooses.
class HistoryFolder {
public:
    virtual ~HistoryFolder() = default;
    /// The history's folder; it need not exist yet.
    virtual std::filesystem::path Root() const = 0;
};

/// The user's data folder of the system: `history` below $XDG_DATA_HOME/tav-programmer
/// (~/.local/share/tav-programmer) on Linux, below %LOCALAPPDATA%\TAV Programmer on Windows.
class SystemHistoryFolder final : public HistoryFolder {
public:
    std::filesystem::path Root() const override;

    /// The process-wide instance.
    static const SystemHistoryFolder& Instance();
};

/// A folder given by path.
class FixedHistoryFolder final : public HistoryFolder {
public:
    explicit FixedHistoryFolder(std::filesystem::path root) : root_(std::move(root)) {}
    std::filesystem::path Root() const override { return root_; }

private:
    std::filesystem::path root_;
};

} // namespace tav

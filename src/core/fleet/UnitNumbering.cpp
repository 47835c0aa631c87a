#include "core/fleet/UnitNumbering.h"

#include "core/platform/AtomicFile.h"
#include "core/platform/FileLock.h"

#include <fstream>
#include <sstream>

namespace tav {
namespace {

constexpr const char* kHeading =
    "; unit identities given to radios; the next radio gets the value after these";
constexpr std::string_view kAtisKey = "last-atis=";
constexpr std::string_view kPttIdKey = "last-ptt-id=";

std::filesystem::path LockFileOf(const std::filesystem::path& file) {
    std::filesystem::path lock = file;
    lock += ".lock";
    return lock;
}

} // namespace

UnitNumbering::UnitNumbering(FleetIdentity first, std::optional<std::filesystem::path> file)
    : first_(std::move(first)), file_(std::move(file)) {}

std::string UnitNumbering::Format(const FleetIdentity& last) {
    std::string text = std::string(kHeading) + "\n";
    if (last.atis) {
        text += std::string(kAtisKey) + *last.atis + "\n";
    }
    if (last.pttId) {
        text += std::string(kPttIdKey) + FleetIdentity::PttIdText(*last.pttId) + "\n";
    }
    return text;
}

std::optional<FleetIdentity> UnitNumbering::Parse(const std::string& text) {
    FleetIdentity last;
    std::istringstream lines(text);
    std::string line;
    bool headed = false;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.empty()) {
            continue;
        }
        if (line.front() == ';') {
            headed = headed || line == kHeading;
            continue;
        }
        if (line.starts_with(kAtisKey)) {
            const auto atis = ParseAtisStart(line.substr(kAtisKey.size()));
            if (!atis) {
                return std::nullopt;
            }
            last.atis = *atis;
        } else if (line.starts_with(kPttIdKey)) {
            const auto id = ParsePttIdStart(line.substr(kPttIdKey.size()));
            if (!id) {
                return std::nullopt;
            }
            last.pttId = *id;
        } else {
            return std::nullopt;
        }
    }
    if (!headed) {
        return std::nullopt;
    }
    return last;
}

Outcome<FleetIdentity> UnitNumbering::After(const std::optional<FleetIdentity>& last) const {
    FleetIdentity next;
    if (last && last->atis) {
        const auto after = FleetIdentity{last->atis, std::nullopt}.Next();
        if (!after) {
            return after;
        }
        next.atis = after->atis;
    } else {
        next.atis = first_.atis;
    }
    if (last && last->pttId) {
        const auto after = FleetIdentity{std::nullopt, last->pttId}.Next();
        if (!after) {
            return after;
        }
        next.pttId = after->pttId;
    } else {
        next.pttId = first_.pttId;
    }
    return next;
}

Outcome<std::optional<FleetIdentity>> UnitNumbering::ReadFile() const {
    std::error_code ec;
    if (!std::filesystem::exists(*file_, ec)) {
        return std::optional<FleetIdentity>{};
    }
    std::ifstream in(*file_, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    const std::optional<FleetIdentity> last = in ? Parse(text.str()) : std::nullopt;
    if (!std::filesystem::is_regular_file(*file_, ec) || !last) {
        return Result::Fail(kNotNumberingFileMessage, file_->string());
    }
    return std::optional<FleetIdentity>{*last};
}

Outcome<std::optional<FleetIdentity>> UnitNumbering::LastGiven(std::unique_ptr<FileLock>& lock) const {
    if (!file_) {
        return last_;
    }
    auto locked = FileLock::Acquire(LockFileOf(*file_));
    if (!locked) {
        return locked.result();
    }
    lock = std::move(*locked);
    return ReadFile();
}

Result UnitNumbering::Check(unsigned count) {
    const std::lock_guard guard(mutex_);
    std::unique_ptr<FileLock> lock;
    const auto last = LastGiven(lock);
    if (!last) {
        return last.result();
    }
    const auto next = After(*last);
    if (!next) {
        return next.result();
    }
    if (count > 1) {
        if (const auto end = next->Advanced(count - 1); !end) {
            return end.result();
        }
    }
    return Result::Ok();
}

Outcome<FleetIdentity> UnitNumbering::Take() {
    const std::lock_guard guard(mutex_);
    std::unique_ptr<FileLock> lock;
    const auto last = LastGiven(lock);
    if (!last) {
        return last.result();
    }
    auto next = After(*last);
    if (!next) {
        return next;
    }
    if (file_) {
        if (Result written = WriteFileAtomically(*file_, Format(*next)); !written) {
            return written;
        }
    } else {
        last_ = *next;
    }
    return next;
}

} // namespace tav

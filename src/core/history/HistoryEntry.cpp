#include "core/history/HistoryEntry.h"

#include <cstdio>

namespace tav {
namespace {

constexpr std::string_view kKindNames[] = {"read", "before-write", "written"};

/// A dot is kept inside a name only: a leading one hides the folder, a trailing one is dropped by
/// Windows.
bool KeptInFolderName(char c, bool inside) {
    const bool alnum = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
    return alnum || c == '-' || c == '_' || (c == '.' && inside);
}

std::string Escaped(char c) {
    char escaped[4];
    std::snprintf(escaped, sizeof escaped, "%%%02X", static_cast<unsigned>(static_cast<unsigned char>(c)));
    return escaped;
}

/// Whether Windows takes a name as one of its devices (CON, PRN, AUX, NUL, COM1-9, LPT1-9),
/// whatever follows a dot.
bool DeviceName(std::string_view name) {
    std::string stem(name.substr(0, name.find('.')));
    for (char& c : stem) {
        c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    }
    if (stem == "CON" || stem == "PRN" || stem == "AUX" || stem == "NUL") {
        return true;
    }
    return stem.size() == 4 && (stem.starts_with("COM") || stem.starts_with("LPT")) && stem[3] >= '1' &&
           stem[3] <= '9';
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

struct UtcFields {
    int year, month, day, hour, minute, second, millisecond;
};

UtcFields Split(std::chrono::system_clock::time_point time) {
    using namespace std::chrono;
    const auto ms = floor<milliseconds>(time);
    const auto day = floor<days>(ms);
    const year_month_day date{day};
    const hh_mm_ss clock{ms - day};
    return {static_cast<int>(date.year()),
            static_cast<int>(static_cast<unsigned>(date.month())),
            static_cast<int>(static_cast<unsigned>(date.day())),
            static_cast<int>(clock.hours().count()),
            static_cast<int>(clock.minutes().count()),
            static_cast<int>(clock.seconds().count()),
            static_cast<int>(clock.subseconds().count())};
}

} // namespace

std::string_view HistoryKindName(HistoryKind kind) {
    return kKindNames[static_cast<int>(kind)];
}

std::optional<HistoryKind> ParseHistoryKind(std::string_view name) {
    for (int i = 0; i < 3; ++i) {
        if (kKindNames[i] == name) {
            return static_cast<HistoryKind>(i);
        }
    }
    return std::nullopt;
}

std::string RadioLabel(const std::optional<std::string>& serial) {
    if (!serial) {
        return std::string(kSerialNotReadLabel);
    }
    return serial->empty() ? std::string(kNoSerialLabel) : *serial;
}

std::string RadioFolderName(std::string_view label) {
    if (label == kNoSerialLabel || label == kSerialNotReadLabel) {
        return std::string(label);
    }
    std::string name;
    for (std::size_t i = 0; i < label.size(); ++i) {
        const char c = label[i];
        const bool inside = i > 0 && i + 1 < label.size();
        // A serial number that Windows would take for a device is kept apart by its first letter.
        const bool device = i == 0 && DeviceName(label);
        name += KeptInFolderName(c, inside) && !device ? std::string(1, c) : Escaped(c);
    }
    return name;
}

std::string RadioLabelOfFolder(std::string_view folder) {
    std::string label;
    for (std::size_t i = 0; i < folder.size(); ++i) {
        if (folder[i] == '%' && i + 2 < folder.size()) {
            const int high = HexValue(folder[i + 1]);
            const int low = HexValue(folder[i + 2]);
            if (high >= 0 && low >= 0) {
                label += static_cast<char>(high * 16 + low);
                i += 2;
                continue;
            }
        }
        label += folder[i];
    }
    return label;
}

std::string HistoryTimeText(std::chrono::system_clock::time_point time) {
    const UtcFields t = Split(time);
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d.%03dZ", t.year, t.month, t.day, t.hour,
                  t.minute, t.second, t.millisecond);
    return text;
}

std::string HistoryNameTime(std::chrono::system_clock::time_point time) {
    const UtcFields t = Split(time);
    char text[32];
    std::snprintf(text, sizeof text, "%04d%02d%02dT%02d%02d%02d.%03dZ", t.year, t.month, t.day, t.hour,
                  t.minute, t.second, t.millisecond);
    return text;
}

} // namespace tav

#include "core/fleet/FleetIdentity.h"

#include "core/app/CDataContainer.h"
#include "core/data/AtisData.h"
#include "core/data/PttIdData.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace tav {
namespace {

/// The highest primary ID the radio sends (see ClampPttIdDigits).
constexpr std::uint16_t kHighestPttId = 0xDEEE;

bool Sendable(std::uint32_t id) {
    return id != 0 && id <= kHighestPttId && ClampPttIdDigits(static_cast<std::uint16_t>(id)) == id;
}

/// The decimal code plus one, its width kept; nothing when it has no room for the carry.
std::optional<std::string> NextDecimal(std::string code) {
    for (auto digit = code.rbegin(); digit != code.rend(); ++digit) {
        if (*digit != '9') {
            ++*digit;
            return code;
        }
        *digit = '0';
    }
    return std::nullopt;
}

} // namespace

std::string FleetIdentity::PttIdText(std::uint16_t id) {
    char text[8];
    std::snprintf(text, sizeof text, "%04X", id);
    return text;
}

std::string FleetIdentity::Text() const {
    std::string text;
    if (atis) {
        text = "ATIS " + *atis;
    }
    if (pttId) {
        text += (text.empty() ? "" : " ") + std::string("PTT-ID ") + PttIdText(*pttId);
    }
    return text;
}

Outcome<FleetIdentity> FleetIdentity::Next() const {
    FleetIdentity next = *this;
    if (atis) {
        next.atis = NextDecimal(*atis);
        if (!next.atis) {
            return Result::Fail(kOutOfRangeMessage, "ATIS " + *atis);
        }
    }
    if (pttId) {
        std::uint32_t id = *pttId + 1u;
        while (id <= kHighestPttId && !Sendable(id)) {
            ++id;
        }
        if (id > kHighestPttId) {
            return Result::Fail(kOutOfRangeMessage, "PTT-ID " + PttIdText(*pttId));
        }
        next.pttId = static_cast<std::uint16_t>(id);
    }
    return next;
}

Outcome<FleetIdentity> FleetIdentity::Advanced(unsigned count) const {
    Outcome<FleetIdentity> identity = *this;
    for (unsigned i = 0; i < count && identity; ++i) {
        identity = identity->Next();
    }
    return identity;
}

Image FleetIdentity::AppliedTo(const CDataContainer& like, const Image& common) const {
    if (Empty()) {
        return common;
    }
    // The data objects store the identity (the PTT-ID into its block and the first personality);
    // only the bytes that storing it changes are taken over, so that the radio gets the common
    // image byte for byte everywhere else.
    const auto radio = CDataContainer::LoadedLike(like, common);
    radio->StoreAll();
    const Image before = radio->image();
    if (atis) {
        radio->Atis().SetCode(AtisCodeFromText(*atis));
    }
    if (pttId) {
        radio->PttId().SetPrimaryId(*pttId);
    }
    radio->StoreAll();
    Image own = common;
    for (std::size_t i = 0; i < own.size(); ++i) {
        if (radio->image()[i] != before[i]) {
            own[i] = radio->image()[i];
        }
    }
    return own;
}

Outcome<std::string> ParseAtisStart(std::string_view text) {
    const bool digits = !text.empty() && text.size() <= AtisData::kCodeDigits &&
                        std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (!digits) {
        return Result::Fail(FleetIdentity::kBadAtisMessage, std::string(text));
    }
    return std::string(AtisData::kCodeDigits - text.size(), '0') + std::string(text);
}

Outcome<std::uint16_t> ParsePttIdStart(std::string_view text) {
    const bool hex = !text.empty() && text.size() <= 4 && std::all_of(text.begin(), text.end(), [](char c) {
        return std::isxdigit(static_cast<unsigned char>(c)) != 0;
    });
    if (!hex) {
        return Result::Fail(FleetIdentity::kBadPttIdMessage, std::string(text));
    }
    const auto id = static_cast<std::uint32_t>(std::stoul(std::string(text), nullptr, 16));
    if (!Sendable(id)) {
        return Result::Fail(FleetIdentity::kBadPttIdMessage, std::string(text));
    }
    return static_cast<std::uint16_t>(id);
}

} // namespace tav

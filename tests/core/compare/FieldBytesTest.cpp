#include "core/app/CDataContainer.h"
#include "core/compare/ConfigCompare.h"
#include "core/compare/EditorFields.h"
#include "core/data/ChannelFields.h"
#include "core/data/ImageMap.h"
#include "core/lang/CLanguage.h"
#include "core/lang/CachedTextLookup.h"
#include "support/TestSupport.h"

#include <algorithm>
#include <array>
#include <bit>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace tav {
namespace {

/// One field of a record kind: its label as the compare names it and where it is stored.
struct DeclaredField {
    std::string label;
    std::vector<FieldBytes> bytes;
};

/// A record kind: its first record's image pieces, the subject the compare names it by, its
/// fields (of every editor page) and its reserved bytes.
struct RecordKindCase {
    const char* name;
    std::vector<std::pair<std::size_t, std::size_t>> pieces; ///< image address and size, in order
    std::string subject;
    std::vector<DeclaredField> fields;
    ReservedBytes reserved;
    /// The record shows another record's fields (the PTT-ID block shows the first personality's):
    /// its own bytes differing are listed as bytes, the other record's fields are named.
    bool mirror = false;

    std::size_t Size() const {
        std::size_t size = 0;
        for (const auto& piece : pieces) {
            size += piece.second;
        }
        return size;
    }
    std::size_t Address(std::size_t offset) const {
        for (const auto& [start, size] : pieces) {
            if (offset < size) {
                return start + offset;
            }
            offset -= size;
        }
        return kImageSize;
    }
};

std::uint8_t LowestBit(std::uint8_t mask) {
    for (unsigned bit = 0; bit < 8; ++bit) {
        if ((mask >> bit) & 1U) {
            return static_cast<std::uint8_t>(1U << bit);
        }
    }
    return 0;
}

template <class Ui>
void AddFields(const TextLookup& texts, const FieldTable<Ui>& table, std::vector<DeclaredField>& out) {
    for (const FieldRow<Ui>& row : table) {
        if (!row.inFileHeader) {
            out.push_back({RowLabel(texts, row), row.bytes});
        }
    }
}

class FieldBytesTest : public ::testing::Test {
protected:
    CLanguage language{test::ResourceDir() / "TAV_E.lng", [] { return std::string("TAV-V300"); }};
    // The tests compare thousands of documents: the language file is asked once per text (asking
    // it each time reads the file's status again, which is slow on some systems).
    CachedTextLookup english{language};

    std::vector<RecordKindCase> Kinds() const {
        const TextLookup& t = english;
        const auto fields = [&t](auto... tables) {
            std::vector<DeclaredField> out;
            (AddFields(t, tables, out), ...);
            return out;
        };
        return {
            {"personality",
             {{ImageMap::kPersonalities, ImageMap::kPersonalitySize}},
             "Personality 1",
             fields(PersonalityFields()),
             PersonalityReserved()},
            {"scan list",
             {{ImageMap::kScanLists, ImageMap::kScanListSize}},
             "Scan List 1",
             fields(ScanSettingsFields(), ScanMemberFields()),
             ScanListReserved()},
            {"keys",
             {{ImageMap::kKeys, ImageMap::kKeysSize}},
             "Programmable Keys",
             fields(KeysFields()),
             KeysReserved()},
            {"miscellaneous",
             {{ImageMap::kMiscFirst, ImageMap::kMiscFirstSize},
              {ImageMap::kMiscSecond, ImageMap::kMiscSecondSize}},
             "Miscellaneous",
             fields(MiscFields()),
             MiscReserved()},
            {"ATIS", {{ImageMap::kAtis, ImageMap::kAtisSize}}, "ATIS", fields(AtisFields()), AtisReserved()},
            {"DOS", {{ImageMap::kDos, ImageMap::kDosSize}}, "DOS", fields(DosFields()), DosReserved()},
            {"PTT-ID",
             {{ImageMap::kPttId, ImageMap::kPttIdSize}},
             "PTT-ID",
             fields(PttIdFields()),
             PttIdReserved(),
             true},
            {"passwords",
             {{ImageMap::kPasswords, ImageMap::kPasswordsSize}},
             "Password",
             fields(PasswordFields()),
             PasswordsReserved()},
            {"radio information",
             {{ImageMap::kRadioInfo, ImageMap::kRadioInfoSize}},
             "Radio Information",
             fields(RadioInfoFields()),
             RadioInfoReserved()},
            {"alert tone",
             {{ImageMap::kAlertTones, ImageMap::kAlertToneSize}},
             "Alert Tone 1",
             fields(AlertToneFields()),
             AlertToneReserved()},
            {"two-tone system",
             {{ImageMap::kTwoToneSystems, ImageMap::kTwoToneSystemSize}},
             "Two-Tone System 1",
             fields(TwoToneSystemFields(), TwoToneAdvanceFields()),
             TwoToneSystemReserved()},
            {"two-tone call",
             {{ImageMap::kTwoToneCalls, ImageMap::kTwoToneCallSize}},
             "Two-Tone Call 1",
             fields(TwoToneCallFields()),
             TwoToneCallReserved()},
        };
    }

    /// A document whose first personality decodes and encodes two-tone with the first of two
    /// systems, with two alert tones and a call, so that every field of every record kind is shown.
    std::unique_ptr<CDataContainer> Base() const {
        auto c = std::make_unique<CDataContainer>();
        c->Context().texts = &english;
        c->CreateDefaults();
        c->TwoToneSystems().Append(c->MakeTwoToneSystem(1));
        c->AlertTones().Append(c->MakeAlertTone(1));
        c->TwoToneCalls().Append(c->MakeTwoToneCall(0));
        PersonalityUi ui;
        c->Personalities().At(0).LoadUi(ui, english, *c);
        ui.rxSignaling = "2-Tone";
        ui.txSignaling = "2-Tone";
        c->Personalities().At(0).StoreUi(ui, english);
        c->Personalities().At(0).LoadUi(ui, english, *c);
        ui.rxSystem.selected = 0;
        ui.txSystem.selected = 0;
        c->Personalities().At(0).StoreUi(ui, english);
        c->StoreAll();
        c->LoadAll();
        return c;
    }

    std::unique_ptr<CDataContainer> Loaded(const CDataContainer& like, const Image& image) const {
        auto c = std::make_unique<CDataContainer>();
        c->Context() = like.Context();
        c->image() = image;
        c->LoadAll();
        return c;
    }
};

// Every bit of every record kind is held by exactly one field or declared reserved.
TEST_F(FieldBytesTest, EachBitOfEachRecordBelongsToExactlyOneFieldOrIsReserved) {
    for (const RecordKindCase& kind : Kinds()) {
        std::vector<std::array<int, 8>> owners(kind.Size(), std::array<int, 8>{});
        const auto mark = [&](const FieldBytes& where, const std::string& what) {
            ASSERT_LE(where.offset + where.size, kind.Size()) << kind.name << ": " << what;
            for (std::size_t k = 0; k < where.size; ++k) {
                for (int bit = 0; bit < 8; ++bit) {
                    owners[where.offset + k][static_cast<std::size_t>(bit)] += (where.mask >> bit) & 1;
                }
            }
        };
        for (const DeclaredField& field : kind.fields) {
            EXPECT_FALSE(field.bytes.empty()) << kind.name << ": " << field.label << " declares no bytes";
            for (const FieldBytes& where : field.bytes) {
                mark(where, field.label);
            }
        }
        for (const FieldBytes& where : kind.reserved) {
            mark(where, "reserved");
        }
        for (std::size_t offset = 0; offset < kind.Size(); ++offset) {
            for (int bit = 0; bit < 8; ++bit) {
                EXPECT_EQ(owners[offset][static_cast<std::size_t>(bit)], 1)
                    << kind.name << " byte " << offset << " bit " << bit;
            }
        }
    }
}

/// The image with one bit of a record's field flipped, loaded and compared with `start`.
struct Flip {
    Image image;
    bool set = false;    ///< the flip sets the bit
    bool named = false;  ///< the field is named
    bool listed = false; ///< the byte is listed
};

// Flipping any bit of a field is never passed over: the field is named or the byte listed; and
// for each field, some bit set and some bit cleared are named by that field.
TEST_F(FieldBytesTest, FlippingAFieldsBitsIsNamedByThatField) {
    const std::unique_ptr<CDataContainer> base = Base();
    const ConfigCompare compare(english);
    const auto flips = [&](const RecordKindCase& kind, const DeclaredField& field,
                           const CDataContainer& start) {
        std::vector<Flip> out;
        for (const FieldBytes& where : field.bytes) {
            for (std::size_t k = 0; k < where.size; ++k) {
                const std::size_t address = kind.Address(where.offset + k);
                for (unsigned bit = 0; bit < 8; ++bit) {
                    const auto mask = static_cast<std::uint8_t>(1U << bit);
                    if ((where.mask & mask) == 0) {
                        continue;
                    }
                    Flip flip{start.image(), (start.image()[address] & mask) == 0};
                    flip.image[address] ^= mask;
                    for (const ConfigDifference& d : compare.Compare(start, *Loaded(*base, flip.image))) {
                        flip.named = flip.named || (d.kind == ConfigDifference::Kind::Field &&
                                                    d.subject == kind.subject && d.field == field.label);
                        flip.listed = flip.listed ||
                                      (d.kind == ConfigDifference::Kind::Byte && d.byte.address == address);
                    }
                    EXPECT_TRUE(flip.named || flip.listed) << kind.name << ": " << field.label << " byte "
                                                           << k << " bit " << bit << " passed over";
                    out.push_back(std::move(flip));
                }
            }
        }
        return out;
    };
    for (const RecordKindCase& kind : Kinds()) {
        for (const DeclaredField& field : kind.fields) {
            std::vector<Flip> all = flips(kind, field, *base);
            if (kind.mirror) {
                for (const Flip& flip : all) {
                    EXPECT_TRUE(flip.listed) << kind.name << ": " << field.label << " flip not listed";
                }
                continue;
            }
            // From the first value that is named, every bit the other way round too.
            const auto named = std::find_if(all.begin(), all.end(), [](const Flip& f) { return f.named; });
            ASSERT_NE(named, all.end()) << kind.name << ": " << field.label << " never named";
            const auto second = Loaded(*base, named->image);
            for (Flip& flip : flips(kind, field, *second)) {
                all.push_back(std::move(flip));
            }
            const auto namedWhen = [&all](bool set) {
                return std::any_of(all.begin(), all.end(),
                                   [set](const Flip& f) { return f.named && f.set == set; });
            };
            EXPECT_TRUE(namedWhen(true)) << kind.name << ": " << field.label << " never named for a bit set";
            EXPECT_TRUE(namedWhen(false))
                << kind.name << ": " << field.label << " never named for a bit cleared";
        }
    }
}

// Reserved bits that differ are listed byte by byte, also beside a named field change in the
// same byte.
TEST_F(FieldBytesTest, ReservedBitsThatDifferAreListed) {
    const std::unique_ptr<CDataContainer> base = Base();
    const ConfigCompare compare(english);
    for (const RecordKindCase& kind : Kinds()) {
        for (const FieldBytes& where : kind.reserved) {
            const std::size_t address = kind.Address(where.offset);
            Image flipped = base->image();
            flipped[address] ^= LowestBit(where.mask);
            const std::vector<ConfigDifference> found = compare.Compare(*base, *Loaded(*base, flipped));
            bool listed = false;
            for (const ConfigDifference& d : found) {
                listed = listed || d.byte.address == address;
            }
            EXPECT_TRUE(listed) << kind.name << " reserved byte " << where.offset;
        }
    }
}

// Every bit of the channel record is held by exactly one field or declared reserved. A CDCSS field
// holds the same bits as the CTCSS field of its direction (the tone word's value, read by its type)
// and is counted once, through that field.
TEST_F(FieldBytesTest, EachBitOfTheChannelRecordBelongsToExactlyOneFieldOrIsReserved) {
    std::vector<std::array<int, 8>> owners(ChannelRecord::kSize, std::array<int, 8>{});
    const auto mark = [&](const FieldBytes& where, const std::string& what) {
        ASSERT_LE(where.offset + where.size, ChannelRecord::kSize) << what;
        for (std::size_t k = 0; k < where.size; ++k) {
            for (int bit = 0; bit < 8; ++bit) {
                owners[where.offset + k][static_cast<std::size_t>(bit)] += (where.mask >> bit) & 1;
            }
        }
    };
    for (const ChannelField& field : ChannelFieldTable()) {
        EXPECT_FALSE(field.bytes.empty()) << field.key << " declares no bytes";
        if (field.sameBytesAs) {
            EXPECT_EQ(field.bytes, ChannelFieldOf(*field.sameBytesAs).bytes) << field.key;
            continue;
        }
        for (const FieldBytes& where : field.bytes) {
            mark(where, field.key);
        }
    }
    for (const FieldBytes& where : ChannelReservedBytes()) {
        mark(where, "reserved");
    }
    for (std::size_t offset = 0; offset < ChannelRecord::kSize; ++offset) {
        for (int bit = 0; bit < 8; ++bit) {
            EXPECT_EQ(owners[offset][static_cast<std::size_t>(bit)], 1)
                << "channel byte " << offset << " bit " << bit;
        }
    }
}

// Flipping any bit of a channel field is named by that field or listed as its byte, never named by
// another field; a reserved bit is listed. The first channel uses CTCSS both ways, the second CDCSS,
// so that every tone field is in use somewhere.
TEST_F(FieldBytesTest, FlippingAChannelBitIsNamedByItsFieldOrListed) {
    const std::unique_ptr<CDataContainer> base = Base();
    ChannelUi ui;
    base->Channels().At(1).LoadUi(ui, english);
    ui.rxType = ui.txType = "CDCSS";
    base->Channels().At(1).StoreUi(ui, english, base->Context());
    base->StoreAll();
    base->LoadAll();
    const ConfigCompare compare(english);
    const auto outcome = [&](std::size_t channel, std::size_t offset, unsigned bit) {
        const std::size_t address = ImageMap::kChannels + channel * ImageMap::kChannelSize + offset;
        Image flipped = base->image();
        flipped[address] ^= static_cast<std::uint8_t>(1U << bit);
        std::vector<std::string> named;
        bool listed = false;
        for (const ConfigDifference& d : compare.Compare(*base, *Loaded(*base, flipped))) {
            if (d.kind == ConfigDifference::Kind::Field) {
                named.push_back(d.field);
            }
            listed = listed || (d.kind == ConfigDifference::Kind::Byte && d.byte.address == address);
        }
        return std::pair{named, listed};
    };
    for (const ChannelField& field : ChannelFieldTable()) {
        const std::string label = ChannelFieldLabel(field, english);
        const std::string shared =
            ChannelFieldLabel(ChannelFieldOf(field.sameBytesAs.value_or(field.id)), english);
        const std::size_t channel = field.codec == ChannelCodec::Cdcss ? 1 : 0;
        for (const FieldBytes& where : field.bytes) {
            for (unsigned bit = 0; bit < 8; ++bit) {
                if (((where.mask >> bit) & 1U) == 0) {
                    continue;
                }
                for (std::size_t k = 0; k < where.size; ++k) {
                    const auto [named, listed] = outcome(channel, where.offset + k, bit);
                    const bool byItself = std::all_of(named.begin(), named.end(), [&](const std::string& n) {
                        return n == label || n == shared;
                    });
                    EXPECT_TRUE((!named.empty() || listed) && byItself)
                        << field.key << " byte " << where.offset + k << " bit " << bit;
                }
            }
        }
    }
    for (const FieldBytes& where : ChannelReservedBytes()) {
        for (std::size_t k = 0; k < where.size; ++k) {
            const unsigned bit = static_cast<unsigned>(std::countr_zero(where.mask));
            const auto [named, listed] = outcome(0, where.offset + k, bit);
            EXPECT_TRUE(named.empty() && listed) << "reserved channel byte " << where.offset + k;
        }
    }
}

} // namespace
} // namespace tav

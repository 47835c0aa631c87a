// The channel CSV import as tavctl import-csv and File > Import Channels run it: the file is read
// (a regular file within the byte and cell limits), each row is checked against a document of the
// default channels through the texts read once from the language file, and the rows taken replace
// the channels. Nothing may crash or hang, and:
// - the file reads back as written, and its cells are counted as the parse keeps them;
// - the texts read once answer as the language file does (the same rows taken and refused);
// - the check and the import agree, and an import that is not applied leaves the image alone;
// - with the bad rows skipped, the rows taken become the channels;
// - every refusal names a line of the file and a reason that prints as one clean line.
//
// Input: the CSV file's bytes.
#include "FuzzLanguage.h"
#include "FuzzSupport.h"
#include "core/app/CDataContainer.h"
#include "core/csv/ChannelCsv.h"
#include "core/csv/CsvTable.h"
#include "core/data/ImageMap.h"
#include "core/lang/CLanguage.h"
#include "core/lang/CachedTextLookup.h"
#include "core/util/PrintableText.h"
#include "core/util/Utf8Sequence.h"

#include <algorithm>
#include <memory>

namespace {

using namespace tav;

const CLanguage& Language() {
    return fuzz::EnglishLanguage();
}

const Image& DefaultImage() {
    static const Image image = [] {
        CDataContainer container;
        container.Context().texts = &Language();
        container.CreateDefaults();
        container.StoreAll();
        return container.image();
    }();
    return image;
}

std::unique_ptr<CDataContainer> Document() {
    auto container = std::make_unique<CDataContainer>();
    container->Context().texts = &Language();
    container->image() = DefaultImage();
    container->LoadAll();
    return container;
}

Image Stored(CDataContainer& container) {
    container.StoreAll();
    return container.image();
}

/// The document as a save writes it when no import changed it.
const Image& Untouched() {
    static const Image image = Stored(*Document());
    return image;
}

bool SameRefusals(const ChannelImportReport& a, const ChannelImportReport& b) {
    return a.taken == b.taken && std::equal(a.refused.begin(), a.refused.end(), b.refused.begin(),
                                            b.refused.end(), [](const CsvRefusal& x, const CsvRefusal& y) {
                                                return x.row == y.row && x.reason == y.reason;
                                            });
}

/// Printed text: no control byte, and UTF-8 throughout.
bool Printable(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        std::size_t bad = 1;
        const std::size_t length = Utf8SequenceLength(text.substr(i), bad);
        const bool c1 = length == 2 && c == 0xC2 && static_cast<unsigned char>(text[i + 1]) < 0xA0;
        if (length == 0 || c < 0x20 || c == 0x7F || c1) {
            return false;
        }
        i += length;
    }
    return true;
}

void CheckTable(std::string_view text) {
    const CsvTable table = ParseCsv(text);
    std::size_t cells = 0;
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        const auto& row = table.rows[r];
        FUZZ_CHECK(
            std::any_of(row.begin(), row.end(), [](const std::string& cell) { return !cell.empty(); }));
        FUZZ_CHECK(r == 0 || table.lines[r] > table.lines[r - 1]);
        cells += row.size();
    }
    FUZZ_CHECK(table.lines.size() == table.rows.size());
    FUZZ_CHECK(CsvCellCount(text) == cells);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input = fuzz::AsText({data, size});
    const std::filesystem::path file = fuzz::ScratchDir() / "channels.csv";
    fuzz::Overwrite(file, input);
    const Outcome<std::string> read = ReadChannelCsvFile(file);
    if (!read) {
        // Only a file of more cells than any channel list is refused at this size.
        FUZZ_CHECK(CsvCellCount(input) > 65536);
        return 0;
    }
    const std::string& text = *read;
    FUZZ_CHECK(text == input);
    CheckTable(text);

    const auto checked = Document();
    const CachedTextLookup cached(Language());
    const ChannelImportReport check = CheckChannelCsv(text, *checked, cached);
    FUZZ_CHECK(!check.applied);
    FUZZ_CHECK(SameRefusals(check, CheckChannelCsv(text, *checked, Language())));
    FUZZ_CHECK(Stored(*checked) == Untouched());
    const std::size_t lines = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1;
    for (const CsvRefusal& refusal : check.refused) {
        FUZZ_CHECK(refusal.row >= 1 && refusal.row <= lines);
        FUZZ_CHECK(!refusal.reason.empty());
        FUZZ_CHECK(Printable(EscapeControls(refusal.reason)));
    }

    const auto strict = Document();
    const ChannelImportReport all = ImportChannelCsv(text, *strict, cached, false);
    FUZZ_CHECK(SameRefusals(all, check));
    FUZZ_CHECK(all.applied == (check.taken > 0 && check.refused.empty()));
    if (!all.applied) {
        FUZZ_CHECK(Stored(*strict) == Untouched());
    }

    const auto lenient = Document();
    const ChannelImportReport good = ImportChannelCsv(text, *lenient, cached, true);
    FUZZ_CHECK(SameRefusals(good, check));
    FUZZ_CHECK(good.applied == (check.taken > 0));
    if (good.applied) {
        // Rows in file order make the list; numbered rows reach the highest channel they name,
        // keeping the channels between them.
        FUZZ_CHECK(lenient->Channels().Count() >= good.taken);
        FUZZ_CHECK(lenient->Channels().Count() <= ImageMap::kChannelCapacity);
    }
    return 0;
}

#pragma once

#include "core/compare/ConfigCompare.h"
#include "core/compare/FieldTable.h"
#include "core/data/Image.h"

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

namespace tav {

/// An image region owned by one block or record.
struct Region {
    std::size_t start = 0;
    std::size_t size = 0;
};

/// Collects the differences of a compare and the image bits they explain. A named field explains
/// only the bits it is stored in; every other differing bit is listed with its byte at the end,
/// named by the factory editor whose region holds it, or by address.
class DifferenceList {
public:
    explicit DifferenceList(const TextLookup& texts) : texts_(texts), explained_(kImageSize, 0) {}

    /// The editor (and record in it) the differences named next are edited in.
    void At(int viewId, std::size_t record = 0) {
        viewId_ = viewId;
        record_ = record;
    }

    /// One row per field whose texts differ. `regions` are the image pieces of the record or block
    /// in order; a row's byte offsets count through them.
    template <class Ui>
    void CompareFields(const FieldTable<Ui>& table, const Ui& a, const Ui& b, const std::string& subject,
                       std::initializer_list<Region> regions) {
        const std::vector<Region> pieces(regions);
        for (const FieldRow<Ui>& row : table) {
            std::string before = row.text(a);
            std::string after = row.text(b);
            if (before != after) {
                Add({ConfigDifference::Kind::Field,
                     subject,
                     RowLabel(texts_, row),
                     std::move(before),
                     std::move(after),
                     {},
                     0,
                     0});
                ExplainRow(row.bytes, row.inFileHeader, pieces);
            }
        }
    }

    /// A record on one side only: its whole region is explained.
    void OneSide(ConfigDifference::Kind kind, const std::string& subject, Region region);

    /// A field whose value texts must not be shown (a password): named as changed, its bytes explained.
    void Changed(const std::string& subject, const std::string& field, const std::string& before,
                 const std::string& after, Region where);

    /// A named difference that explains no image byte (a file header field).
    void Named(const std::string& subject, const std::string& field, const std::string& before,
               const std::string& after);

    /// Explains whole regions.
    void Explain(std::initializer_list<Region> regions);

    /// The named differences, then every differing byte no field explains.
    std::vector<ConfigDifference> Finish(const Image& a, const Image& b);

    const TextLookup& texts() const { return texts_; }

private:
    /// Marks the bits of a differing field. A row whose storage is not declared explains its
    /// whole record, as before the rows named their bytes.
    void ExplainRow(const std::vector<FieldBytes>& bytes, bool inFileHeader,
                    const std::vector<Region>& pieces);
    void ExplainBits(std::size_t address, std::uint8_t mask);
    void Add(ConfigDifference difference);
    /// A differing byte in a region a factory editor owns, named by that editor.
    std::optional<ConfigDifference> OwnedByEditor(const ImageChange& change) const;

    const TextLookup& texts_;
    std::vector<std::uint8_t> explained_; ///< per image byte, the bits a named difference explains
    std::vector<ConfigDifference> list_;
    int viewId_ = 0;
    std::size_t record_ = 0;
};

} // namespace tav

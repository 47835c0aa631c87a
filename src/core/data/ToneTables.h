#pragma once

#include "core/util/NumberText.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace tav {

/// The 50 standard CTCSS tones in drop-down order, each in tenths of a hertz, which is also the
/// value stored in a tone word (67.0 Hz is 670). Kept as integers so that no floating rounding
/// can make a standard tone look non-standard.
inline constexpr std::array<std::uint16_t, 50> CtcssToneTable = {
    670,  693,  719,  744,  770,  797,  825,  854,  885,  915,  948,  974,  1000, 1035, 1072, 1109, 1148,
    1188, 1230, 1273, 1318, 1365, 1413, 1462, 1514, 1567, 1598, 1622, 1655, 1679, 1713, 1738, 1773, 1799,
    1835, 1862, 1899, 1928, 1966, 1995, 2035, 2065, 2107, 2181, 2257, 2291, 2336, 2418, 2503, 2541,
};

/// The 104 standard CDCSS codes in drop-down order, each kept as the integer whose decimal digits
/// are the code's three octal digits (code "023" is kept as 23).
inline constexpr std::array<std::uint16_t, 104> CdcssCodeTable = {
    23,  25,  26,  31,  32,  36,  43,  47,  51,  53,  54,  65,  71,  72,  73,  74,  114, 115, 116, 122, 125,
    131, 132, 134, 143, 145, 152, 155, 156, 162, 165, 172, 174, 205, 212, 223, 225, 226, 243, 244, 245, 246,
    251, 252, 255, 261, 263, 265, 266, 271, 274, 306, 311, 315, 325, 331, 332, 343, 346, 351, 356, 364, 365,
    371, 411, 412, 413, 423, 431, 432, 445, 446, 452, 454, 455, 462, 464, 465, 466, 503, 506, 516, 523, 526,
    532, 546, 565, 606, 612, 624, 627, 631, 632, 654, 662, 664, 703, 712, 723, 731, 732, 734, 743, 754,
};

/// True when `value` (tenths of a hertz) is a tone of CtcssToneTable.
bool IsStandardTone(std::uint16_t value);

/// True when `digits`, the decimal reading of a code text ("023" reads 23), is in CdcssCodeTable.
bool IsStandardCode(int digits);

/// The CTCSS drop-down items: every table tone as "%.1f" ("67.0"), in table order.
std::vector<std::string> CtcssToneTexts(char separator = kDefaultDecimalSeparator);

/// The CDCSS drop-down items: every table code as "%03d" of its kept integer ("023").
std::vector<std::string> CdcssCodeTexts();

/// What a CTCSS drop-down shows when its direction has no CTCSS tone: "67.0".
std::string DefaultCtcssText(char separator = kDefaultDecimalSeparator);

/// What a CDCSS drop-down shows when its direction has no CDCSS code.
inline constexpr const char* kDefaultCdcssText = "023";

} // namespace tav

#include "core/lang/BuiltInMessages.h"

#include <algorithm>
#include <iterator>

namespace tav {
namespace {

struct BuiltInText {
    int id;
    const char* text;
};

constexpr BuiltInText kTexts[] = {
    {803, "The data file could not be saved."},
    {810, "This data file was made for a radio model that this program does not support."},
    {811, "This file is not a TAV data file, or it is damaged and cannot be read."},
    {814, "Some entries refer to items that no longer exist."},
    {1140, "The radio or file was made with a newer firmware version than this program supports."},
    {1138, "Reading the radio failed at address %04X."},
    {1139, "Writing the radio failed at address %04X. The radio is only partly written."},
    {1142, "The frequency range of the data lies outside the radio's band (%s MHz)."},
    {1143, "The radio does not answer. Check the cable, the port and that the radio is switched on."},
    {1146, "The radio did not say which model it is."},
    {1147, "There is not enough memory for the frequency range table."},
    {1172, "The radio's model does not match the data."},
    {1176, "The radio refused the password."},
    {1230, "This data file was made for a newer firmware version and cannot be opened."},
    {9460, "The program folder cannot be used."},
    {9461, "The new frequency range could not be added to the model list."},
    {9462, "The language file does not list this model identifier as a supported model."},
    {9463, "The radio reports a frequency band that is not valid (%s)."},
    {9480, "The radio does not hold what was written."},
    {9700, "The radio history could not be saved (%s)."},
    {9701, "Reading the radio before the write failed at address %04X, so nothing was written."},
    {9702, "The write stopped before it was complete, so the radio may be only partly written."},
    {9703, "These addresses hold the new data: %s."},
    {9704, "The block at %s may hold the new data or the old."},
    {9705, "Every other address still holds what the radio held before the write."},
};

} // namespace

std::string BuiltInMessageText(int messageId) {
    const auto found = std::find_if(std::begin(kTexts), std::end(kTexts),
                                    [messageId](const BuiltInText& t) { return t.id == messageId; });
    return found != std::end(kTexts) ? found->text : "The operation failed.";
}

} // namespace tav

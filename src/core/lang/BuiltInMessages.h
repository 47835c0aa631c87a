#pragma once

#include <string>

namespace tav {

/// The English wording of the messages the tools report, for when the language file lacks the
/// text: a message is always a sentence, never a bare number. Unknown numbers give a general
/// sentence.
std::string BuiltInMessageText(int messageId);

} // namespace tav

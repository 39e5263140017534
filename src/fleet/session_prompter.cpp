#include "fleet/session_prompter.h"

#include <algorithm>

#include "text/text_ids.h"

namespace quorprog {

namespace {

// The protocol names its own failures with this caption, in every language.
constexpr const char* kProtocolErrorCaption = "ERROR";

std::string oneLine(std::string text) {
    std::replace_if(
        text.begin(), text.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
    return text;
}

}  // namespace

SessionPrompter::SessionPrompter(const LocalTexts& texts)
    : writeQuestion_(texts.LocalText(text::kConfirmOverwriteDevice)),
      errorCaption_(texts.LocalText(text::kError)),
      warningCaption_(texts.LocalText(text::kWarning)) {}

Prompter::Answer SessionPrompter::message(const std::string& text, const std::string& caption,
                                          Buttons buttons, Icon) {
    if (buttons == Buttons::YesNo && text == writeQuestion_) return Answer::Yes;
    const bool problem = caption == errorCaption_ || caption == warningCaption_ ||
                         caption == kProtocolErrorCaption;
    if (problem && problem_.empty()) problem_ = oneLine(text);
    return buttons == Buttons::Ok ? Answer::Ok : Answer::No;
}

}  // namespace quorprog

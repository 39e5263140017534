#include "terminal_prompter.h"

#include <unistd.h>

#include <iostream>
#include <string>

namespace quorprog::cli {

Prompter::Answer TerminalPrompter::message(const std::string& text, const std::string& caption,
                                           Buttons buttons, Icon) {
    // A progress line may be on screen: the message starts on a clean line.
    if (isatty(STDERR_FILENO)) std::cerr << "\r\033[K";
    std::cerr << (caption.empty() ? text : caption + ": " + text);
    if (buttons == Buttons::Ok) {
        std::cerr << std::endl;
        return Answer::Ok;
    }
    return ask();
}

Prompter::Answer TerminalPrompter::ask() {
    if (answerYes_) {
        std::cerr << " [yes/no] yes (--yes)" << std::endl;
        return Answer::Yes;
    }
    if (!isatty(STDIN_FILENO)) {
        std::cerr << " [yes/no] no (no terminal to ask on; " << whyNo_ << ")" << std::endl;
        return Answer::No;
    }
    for (;;) {
        std::cerr << " [yes/no] " << std::flush;
        std::string reply;
        if (!std::getline(std::cin, reply)) return Answer::No;
        if (reply == "y" || reply == "yes" || reply == "Y" || reply == "YES") return Answer::Yes;
        if (reply == "n" || reply == "no" || reply == "N" || reply == "NO") return Answer::No;
        std::cerr << "Please answer yes or no.";
    }
}

}  // namespace quorprog::cli

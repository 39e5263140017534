#include "terminal_prompter.h"

#include <unistd.h>

#include <iostream>
#include <string>

#include "printable_text.h"

namespace quorprog::cli {

Prompter::Answer TerminalPrompter::message(const std::string& text, const std::string& caption,
                                           Buttons buttons, Icon) {
    // A progress line may be on screen: the message starts on a clean line.
    if (isatty(STDERR_FILENO)) eraseStatusLine();
    printError(caption.empty() ? text : caption + ": " + text);
    if (buttons == Buttons::Ok) {
        printError("\n");
        return Answer::Ok;
    }
    return ask();
}

Prompter::Answer TerminalPrompter::ask() {
    if (answerYes_) {
        printError(" [yes/no] yes (--yes)\n");
        return Answer::Yes;
    }
    if (!isatty(STDIN_FILENO)) {
        printError(" [yes/no] no (no terminal to ask on; " + whyNo_ + ")\n");
        return Answer::No;
    }
    for (;;) {
        printError(" [yes/no] ");
        std::string reply;
        if (!std::getline(std::cin, reply)) return Answer::No;
        if (reply == "y" || reply == "yes" || reply == "Y" || reply == "YES") return Answer::Yes;
        if (reply == "n" || reply == "no" || reply == "N" || reply == "NO") return Answer::No;
        printError("Please answer yes or no.");
    }
}

}  // namespace quorprog::cli

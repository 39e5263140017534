// The manual pages against the programs' own --help: every command, option and fault kind the
// help lists must be in the page. A failure names exactly what the page lacks.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>

namespace quorprog {
namespace {

std::string outputOf(const std::string& command) {
    std::string output;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return output;
    char buffer[4096];
    size_t count = 0;
    while ((count = fread(buffer, 1, sizeof buffer, pipe)) > 0) output.append(buffer, count);
    pclose(pipe);
    return output;
}

std::string fileText(const std::string& path) {
    std::ifstream file(path);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

std::set<std::string> allMatches(const std::string& text, const std::regex& pattern) {
    std::set<std::string> found;
    for (auto m = std::sregex_iterator(text.begin(), text.end(), pattern);
         m != std::sregex_iterator(); ++m) {
        found.insert((*m)[1].str());
    }
    return found;
}

// Options as the help writes them: "-p", "--dry-run", after a blank, "[", "(", "|" or ",".
std::set<std::string> helpOptions(const std::string& help) {
    return allMatches(help, std::regex(R"((?:^|[\s\[(|,])(--?[a-z][a-z0-9-]*))"));
}

// The command words: the lines of the "Commands:" section indented by two blanks.
std::set<std::string> helpCommands(const std::string& help) {
    std::set<std::string> commands;
    std::istringstream lines(help);
    bool inCommands = false;
    for (std::string line; std::getline(lines, line);) {
        if (line == "Commands:") {
            inCommands = true;
        } else if (inCommands && !line.empty() && line[0] != ' ') {
            inCommands = false;
        }
        std::smatch m;
        if (inCommands && std::regex_search(line, m, std::regex(R"(^  ([a-z][a-z-]*)(\s|$))"))) {
            commands.insert(m[1].str());
        }
    }
    return commands;
}

// The emulator's fault kinds: "  --fault KIND   what it does".
std::set<std::string> helpFaultKinds(const std::string& help) {
    return allMatches(help, std::regex(R"((?:^|\n)\s+--fault ([a-z][a-z-]*)\s)"));
}

// The page as a reader sees it: no font changes, "\-" a hyphen, "\~" a blank.
std::string pageText(const std::string& roff) {
    std::string text = std::regex_replace(roff, std::regex(R"(\\f[BIRP])"), "");
    const std::pair<const char*, const char*> escapes[] = {
        {R"(\-)", "-"}, {R"(\~)", " "}, {R"(\(dq)", "\""}, {R"(\(aq)", "'"}, {R"(\&)", ""},
        {R"(\e)", "\\"}};
    for (const auto& [escape, plain] : escapes) {
        for (size_t at = text.find(escape); at != std::string::npos;
             at = text.find(escape, at + std::string(plain).size())) {
            text.replace(at, std::string(escape).size(), plain);
        }
    }
    return text;
}

// The first word of every heading of a .TP or .TQ paragraph: where a page names a command.
std::set<std::string> pageHeadings(const std::string& text) {
    std::set<std::string> headings;
    std::istringstream lines(text);
    bool headingNext = false;
    for (std::string line; std::getline(lines, line);) {
        if (headingNext) {
            line = std::regex_replace(line, std::regex(R"(^\.[A-Z]{1,2}\s+)"), "");
            line.erase(std::remove(line.begin(), line.end(), '"'), line.end());
            std::smatch m;
            if (std::regex_search(line, m, std::regex(R"(^\s*([^\s\[(]+))"))) {
                headings.insert(m[1].str());
            }
        }
        headingNext = line == ".TP" || line == ".TQ";
    }
    return headings;
}

bool namesOption(const std::string& text, const std::string& option) {
    return std::regex_search(text, std::regex("(^|[^A-Za-z0-9-])" + option + "($|[^A-Za-z0-9-])"));
}

std::string listed(const std::set<std::string>& words) {
    std::string list;
    for (const std::string& word : words) list += (list.empty() ? "" : ", ") + word;
    return list;
}

struct ManualPage {
    const char* program;
    const char* page;
};

void PrintTo(const ManualPage& page, std::ostream* out) {
    *out << page.page;
}

class ManualPages : public ::testing::TestWithParam<ManualPage> {};

TEST_P(ManualPages, NameEveryCommandOptionAndFaultKindOfTheHelp) {
    const std::string help =
        outputOf(std::string(QUORPROG_BINARY_DIR "/bin/") + GetParam().program + " --help");
    const std::string page =
        pageText(fileText(std::string(QUORPROG_SOURCE_DIR "/packaging/man/") + GetParam().page));
    ASSERT_FALSE(page.empty()) << "no page " << GetParam().page;
    ASSERT_NE(help.find("Usage:"), std::string::npos) << GetParam().program << " printed no help";

    std::set<std::string> missingOptions;
    for (const std::string& option : helpOptions(help)) {
        if (!namesOption(page, option)) missingOptions.insert(option);
    }
    const std::set<std::string> headings = pageHeadings(page);
    std::set<std::string> missingCommands;
    for (const std::string& word : helpCommands(help)) {
        if (!headings.count(word)) missingCommands.insert(word);
    }
    std::set<std::string> missingKinds;
    for (const std::string& kind : helpFaultKinds(help)) {
        if (!headings.count(kind)) missingKinds.insert(kind);
    }
    EXPECT_TRUE(missingOptions.empty())
        << GetParam().page << " lacks these options of --help: " << listed(missingOptions);
    EXPECT_TRUE(missingCommands.empty())
        << GetParam().page << " has no heading for these commands of --help: "
        << listed(missingCommands);
    EXPECT_TRUE(missingKinds.empty())
        << GetParam().page << " has no heading for these fault kinds of --help: "
        << listed(missingKinds);
}

INSTANTIATE_TEST_SUITE_P(Programs, ManualPages,
                         ::testing::Values(ManualPage{"quorprog", "quorprog.1"},
                                           ManualPage{"quorprog-cli", "quorprog-cli.1"},
                                           ManualPage{"quorprog-emu", "quorprog-emu.1"}),
                         [](const auto& info) {
                             std::string name = info.param.program;
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

// The reading of help and page the test above relies on, on a help and page made for it.
TEST(ManualPageReading, FindsWhatAHelpListsAndWhatAPageLacks) {
    const std::string help =
        "Usage: tool [--yes] COMMAND\n"
        "  --log FILE   append (-1 means none)\n"
        "Commands:\n"
        "  scan\n"
        "      Lists, with -p N.\n"
        "  map read IMAGE (--key KEY | --entry TEXT)\n"
        "Faults (--fault may be given more than once):\n"
        "  --fault silent   answers nothing\n"
        "Exit status: 0\n"
        "  not a command\n";
    EXPECT_EQ(helpOptions(help),
              (std::set<std::string>{"--yes", "--log", "-p", "--key", "--entry", "--fault"}));
    EXPECT_EQ(helpCommands(help), (std::set<std::string>{"scan", "map"}));
    EXPECT_EQ(helpFaultKinds(help), std::set<std::string>{"silent"});

    const std::string page = pageText(
        ".TP\n.BR scan \" [\" \\-p\n.TP\n\\fBmap read\\fR \\fB\\-\\-key\\fR\\~\\fIKEY\\fR\n"
        ".TP\n.B silent\nanswers\\(dq\n");
    EXPECT_EQ(pageHeadings(page), (std::set<std::string>{"scan", "map", "silent"}));
    EXPECT_TRUE(namesOption(page, "--key"));
    EXPECT_TRUE(namesOption(page, "-p"));
    EXPECT_FALSE(namesOption(page, "--ke"));
    EXPECT_FALSE(namesOption(page, "--log"));
}

}  // namespace
}  // namespace quorprog

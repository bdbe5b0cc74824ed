// Runs the real hue-fade executable and checks what it prints and how it exits.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

struct Outcome {
    std::string out;
    std::string err;
    int status;
};

std::string Slurp(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream buffer;
    buffer << in.rdbuf();
    return buffer.str();
}

std::string Quote(const std::string& argument) {
    std::string quoted(1, '\'');
    for (char c : argument) {
        if (c == '\'') {
            quoted.append("'\\''");
        } else {
            quoted.push_back(c);
        }
    }
    quoted.push_back('\'');
    return quoted;
}

Outcome RunHueFade(const std::vector<std::string>& arguments, const std::string& input = "") {
    const auto dir = std::filesystem::temp_directory_path() /
                     ("hue-fade-test-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                      "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(dir);
    std::ofstream(dir / "in", std::ios::binary) << input;
    std::string command = Quote(HUE_FADE_PATH);
    for (const auto& argument : arguments) command.append(" ").append(Quote(argument));
    for (const auto& [redirect, file] : {std::pair{" <", "in"}, {" >", "out"}, {" 2>", "err"}}) {
        command.append(redirect).append(Quote((dir / file).string()));
    }
    const int raw = std::system(command.c_str());
    Outcome outcome{Slurp(dir / "out"), Slurp(dir / "err"), WIFEXITED(raw) ? WEXITSTATUS(raw) : -1};
    std::filesystem::remove_all(dir);
    return outcome;
}

const std::string kHelloDefault =
    "<Font Color=#0055AA>H<Font Color=#00AA55>e<Font Color=#00FF00>l<Font Color=#00AA55>l<Font "
    "Color=#0055AA>o"
    "<Font Color=#0000FF> <Font Color=#0055AA>w<Font Color=#00AA55>o<Font Color=#00FF00>r<Font "
    "Color=#008080>l"
    "<Font Color=#0000FF>d";

TEST(HueFadeCommand, WorkedExamplesComeOutToTheCharacter) {
    struct Case {
        std::vector<std::string> arguments;
        std::string out;
    };
    const Case cases[] = {
        {{"--style", "bold", "Hello world"}, "<b>" + kHelloDefault + "\n"},
        {{"Hello", "world"}, kHelloDefault + "\n"},
        {{"--colours", "FF0000,#00ff00,0000FF,ffffff,000000", "Hello"},
         "<Font Color=#808000>H<Font Color=#00FF00>e<Font Color=#0000FF>l<Font Color=#FFFFFF>l"
         "<Font Color=#000000>o\n"},
        {{"--colours=FF0000,00FF00,0000FF,FFFFFF,000000", "--wavy", "Hello"},
         "<Font Color=#808000><sup>H<Font Color=#00FF00></sup>e<Font Color=#0000FF><sub>l"
         "<Font Color=#FFFFFF></sub>l<Font Color=#000000><sup>o\n"},
        {{"--announce", "Test"},
         "<Font Color=#800080>T<Font Color=#FF0000>e<Font Color=#800080>s<Font Color=#0000FF>t\n"},
        {{"--announce", "\xE2\x80\xA2"}, "<Font Color=#0000FF>\xE2\x80\xA2\n"},
        {{"--style", "underline", ""}, "<u>\n"},
        {{"--style", "none", "--", "-x"}, "<Font Color=#00FF00>-<Font Color=#0000FF>x\n"},
    };
    for (const Case& c : cases) {
        const Outcome outcome = RunHueFade(c.arguments);
        EXPECT_EQ(outcome.status, 0) << outcome.err;
        EXPECT_EQ(outcome.out, c.out) << ::testing::PrintToString(c.arguments);
        EXPECT_EQ(outcome.err, "");
    }
}

TEST(HueFadeCommand, FadesEveryLineOfStandardInput) {
    const Outcome outcome = RunHueFade({"--style", "italic"}, "Hello world\r\n\nab");
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.out, "<i>" + kHelloDefault + "\n<i>\n<i><Font Color=#00FF00>a<Font Color=#0000FF>b\n");
}

TEST(HueFadeCommand, CountsCodePoints) {
    const Outcome outcome = RunHueFade({"\xF0\x9F\x98\x80\xC3\xA9"});
    EXPECT_EQ(outcome.out, "<Font Color=#00FF00>\xF0\x9F\x98\x80<Font Color=#0000FF>\xC3\xA9\n");
}

TEST(HueFadeCommand, BadInputIsRefusedWithOneLineAndStatusTwo) {
    struct Case {
        std::vector<std::string> arguments;
        std::string input;
        std::string errorMentions;
        std::string outBefore;
    };
    const Case cases[] = {
        {{"--shout", "x"}, "", "unknown option '--shout'", ""},
        {{"--colours", "FF0000,00FF00,0000FF,FFFFFF", "x"}, "", "exactly five colours, got 4", ""},
        {{"--colours", "FF0000,00FF00,0000FF,FFFFFF,000000,000000", "x"},
         "",
         "exactly five colours, got 6",
         ""},
        {{"--colours", "FF0000,00FF0,0000FF,FFFFFF,000000", "x"}, "", "'00FF0' is not six hex digits", ""},
        {{"--colours", "FF0000,00FG00,0000FF,FFFFFF,000000", "x"}, "", "'00FG00' is not six hex digits", ""},
        {{"--colours"}, "", "--colours needs a value", ""},
        {{"--style", "loud", "x"}, "", "unknown style 'loud'", ""},
        {{"--announce", "--wavy", "x"}, "", "--announce takes no", ""},
        {{"--announce", "--style", "bold", "x"}, "", "--announce takes no", ""},
        {{"\xC3"}, "", "not valid UTF-8", ""},
        {{},
         "ok\nbad \xFF line\nnever\n",
         "line 2 is not valid UTF-8",
         "<Font Color=#00FF00>o<Font Color=#0000FF>k\n"},
    };
    for (const Case& c : cases) {
        const Outcome outcome = RunHueFade(c.arguments, c.input);
        SCOPED_TRACE(::testing::PrintToString(c.arguments));
        EXPECT_EQ(outcome.status, 2);
        EXPECT_NE(outcome.err.find(c.errorMentions), std::string::npos) << outcome.err;
        EXPECT_EQ(std::count(outcome.err.begin(), outcome.err.end(), '\n'), 1) << outcome.err;
        EXPECT_EQ(outcome.out, c.outBefore);
    }
}

TEST(HueFadeCommand, PreviewUsesTerminalColoursAndAttributes) {
    const Outcome outcome =
        RunHueFade({"--preview", "--style", "bold", "--colours", "FF0000,FF0000,FF0000,FF0000,FF0000", "ab"});
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.out, "\x1b[0;1;38;2;255;0;0mab\x1b[0m\n");
}

TEST(HueFadeCommand, HelpDescribesTheOptions) {
    const Outcome outcome = RunHueFade({"--help"});
    EXPECT_EQ(outcome.status, 0);
    for (const char* word : {"--colours", "--wavy", "--style", "--announce", "--preview"}) {
        EXPECT_NE(outcome.out.find(word), std::string::npos) << word;
    }
}

}  // namespace

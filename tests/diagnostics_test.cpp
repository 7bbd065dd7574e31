// The command line, the three forms of a message, the banner on a terminal,
// the places the scanner gives its tokens, and the syntax messages' guesses.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "driver/driver.h"
#include "parser/parser.h"
#include "support.h"

namespace {

Options parse(std::vector<std::string> words)
{
    words.insert(words.begin(), "kavel");
    std::vector<char*> argv;
    for (std::string& w : words)
        argv.push_back(w.data());
    return parseOptions(static_cast<int>(argv.size()), argv.data());
}

TEST(Options, PlainSourceIsNoOption)
{
    Options o = parse({"demo.fms"});
    EXPECT_FALSE(o.given);
    EXPECT_EQ(o.sources, std::vector<std::string>{"demo.fms"});
    EXPECT_TRUE(o.error.empty());
    // Two sources without options are left to the classic usage message.
    Options two = parse({"a.fms", "b.fms"});
    EXPECT_FALSE(two.given);
    EXPECT_TRUE(two.error.empty());
    EXPECT_FALSE(parse({"-"}).given);   // a lone dash is a name
}

TEST(Options, EveryOutputSpelling)
{
    for (auto words : std::vector<std::vector<std::string>>{{"-o", "x/out.vb", "d.fms"},
                                                            {"-ox/out.vb", "d.fms"},
                                                            {"d.fms", "--output", "x/out.vb"},
                                                            {"--output=x/out.vb", "d.fms"}}) {
        Options o = parse(words);
        EXPECT_TRUE(o.given);
        EXPECT_TRUE(o.error.empty()) << o.error;
        EXPECT_EQ(o.output, "x/out.vb") << words[0];
        EXPECT_EQ(o.sources, std::vector<std::string>{"d.fms"}) << words[0];
    }
}

TEST(Options, FlagsAndValues)
{
    Options o = parse({"d.fms", "-q", "--diagnostics=msvc", "--framework=.NETCoreApp"});
    EXPECT_TRUE(o.quiet);
    EXPECT_EQ(o.format, DiagnosticsFormat::Msvc);
    EXPECT_EQ(o.framework, Framework::NetCoreApp);
    EXPECT_EQ(parse({"--diagnostics=gnu"}).format, DiagnosticsFormat::Gnu);
    EXPECT_EQ(parse({"--diagnostics=classic", "--framework=.NETFramework"}).framework,
              Framework::NetFramework);
    EXPECT_TRUE(parse({"--quiet"}).quiet);
    EXPECT_TRUE(parse({"-h"}).help);
    EXPECT_TRUE(parse({"--help"}).help);
    EXPECT_TRUE(parse({"--version"}).version);
    // "--" ends the options: what follows is a source, whatever it looks like.
    Options ended = parse({"--", "-q.fms"});
    EXPECT_TRUE(ended.given);
    EXPECT_FALSE(ended.quiet);
    EXPECT_EQ(ended.sources, std::vector<std::string>{"-q.fms"});
}

TEST(Options, Refusals)
{
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"--bogus", "d.fms"}, "unknown option '--bogus'"},
        {{"d.fms", "-x"}, "unknown option '-x'"},
        {{"d.fms", "-o"}, "option '-o' needs a file name"},
        {{"d.fms", "--output"}, "option '--output' needs a file name"},
        {{"--output=", "d.fms"}, "option '--output' needs a file name"},
        {{"--diagnostics=json", "d.fms"}, "option '--diagnostics' takes classic, gnu or msvc, not 'json'"},
        {{"--diagnostics", "d.fms"}, "option '--diagnostics' needs a value: --diagnostics=classic, gnu or msvc"},
        {{"--framework=net8.0"}, "option '--framework' takes .NETFramework or .NETCoreApp, not 'net8.0'"},
        {{"-q", "a.fms", "b.fms"}, "more than one source: 'a.fms' and 'b.fms'"},
    };
    for (const auto& [words, error] : cases)
        EXPECT_EQ(parse(words).error, error) << words[0];
}

TEST(Format, GnuShowsTheLineAndACaretUnderTheColumn)
{
    EXPECT_EQ(formatDiagnostic(DiagnosticsFormat::Gnu, ErrUnexpected, "unexpected 'x'; expected a name", {7, 14},
                               "dir/demo.fms", "commandbutton x y"),
              "dir/demo.fms:7:14: error: unexpected 'x'; expected a name\n"
              "commandbutton x y\n"
              "             ^\n");
    // Tabs stay tabs in the padding; a UTF-8 character is one column.
    EXPECT_EQ(formatDiagnostic(DiagnosticsFormat::Gnu, ErrStrayCharacter, "unexpected character ','", {3, 6},
                               "d.fms", "\t\xC3\xA9t\xC3\xA9, x"),
              "d.fms:3:6: error: unexpected character ','\n"
              "\t\xC3\xA9t\xC3\xA9, x\n"
              "\t    ^\n");
    // Column 0 is the end of the line: one past its last character.
    EXPECT_EQ(formatDiagnostic(DiagnosticsFormat::Gnu, ErrUnexpected, "t", {3, 0}, "d.fms", "caption = \xC3\xA9"),
              "d.fms:3:12: error: t\ncaption = \xC3\xA9\n           ^\n");
}

TEST(Format, MsvcIsOneLineWithTheCode)
{
    EXPECT_EQ(formatDiagnostic(DiagnosticsFormat::Msvc, ErrRedeclared, "'ok' is already declared (line 7)", {9, 15},
                               "obj/Debug/net8.0-windows/demo.fms", "ignored"),
              "obj/Debug/net8.0-windows/demo.fms(9,15): error KV0303: 'ok' is already declared (line 7)\n");
    EXPECT_EQ(formatDiagnostic(DiagnosticsFormat::Msvc, ErrUnexpected, "t", {2, 0}, "d.fms", "abc"),
              "d.fms(2,4): error KV0201: t\n");
}

TEST(Format, NoPlaceNamesTheProgram)
{
    EXPECT_EQ(formatDiagnostic(DiagnosticsFormat::Gnu, ErrOutputOpen, "cannot open 'x.vb'", {}, "d.fms", ""),
              "kavel: error: cannot open 'x.vb'\n");
    EXPECT_EQ(formatDiagnostic(DiagnosticsFormat::Msvc, ErrCannotOpen, "cannot open 'd.fms'", {}, "d.fms", ""),
              "kavel : error KV0006: cannot open 'd.fms'\n");
}

TEST(Format, CodesKeepTheirStatuses)
{
    EXPECT_EQ(exitStatusOf(ErrUsage), 1);
    EXPECT_EQ(exitStatusOf(ErrOption), 1);
    EXPECT_EQ(exitStatusOf(ErrExtension), 2);
    EXPECT_EQ(exitStatusOf(ErrCannotOpen), 2);
    EXPECT_EQ(exitStatusOf(ErrPeriods), 3);
    EXPECT_EQ(exitStatusOf(ErrStrayCharacter), 4);
    EXPECT_EQ(exitStatusOf(ErrUnexpected), 4);
    EXPECT_EQ(exitStatusOf(ErrFramework), 4);
    EXPECT_EQ(exitStatusOf(ErrHeight), 4);
    EXPECT_EQ(exitStatusOf(ErrTooLarge), 99);
    EXPECT_EQ(exitStatusOf(ErrOutputWrite), 1);
}

std::string repeated(const std::string& s, int n)
{
    std::string out;
    for (int i = 0; i < n; ++i)
        out += s;
    return out;
}

TEST(Banner, Utf8OnlyOnAUtf8Terminal)
{
    const std::string cp437 = bannerText(false, nullptr, nullptr, nullptr);
    ASSERT_EQ(cp437.size(), 5 * 22 + 1u);
    EXPECT_EQ(cp437.substr(0, 22), "\xC9" + repeated("\xCD", 19) + "\xBB\n");
    const std::string utf8 = "\u2554" + repeated("\u2550", 19) + "\u2557\n" + "\u2551 The Kavel Project \u2551\n" +
                             "\u255F" + repeated("\u2500", 19) + "\u2562\n" + "\u2551    Version .Net   \u2551\n" +
                             "\u255A" + repeated("\u2550", 19) + "\u255D\n\n";
    EXPECT_EQ(bannerText(true, "C.UTF-8", nullptr, nullptr), utf8);
    EXPECT_EQ(bannerText(true, nullptr, "en_GB.utf8", nullptr), utf8);
    EXPECT_EQ(bannerText(true, "", "", "de_DE.Utf-8"), utf8);   // empty ones are skipped
    EXPECT_EQ(bannerText(false, "C.UTF-8", nullptr, nullptr), cp437);   // a file or a pipe
    EXPECT_EQ(bannerText(true, "C", nullptr, "en_US.UTF-8"), cp437);    // LC_ALL decides
    EXPECT_EQ(bannerText(true, nullptr, "POSIX", "en_US.UTF-8"), cp437);
    EXPECT_EQ(bannerText(true, nullptr, nullptr, "en_US.ISO-8859-1"), cp437);
    EXPECT_EQ(bannerText(true, nullptr, nullptr, nullptr), cp437);
}

TEST(Scanner, TokensKeepTheirPlaceAndTextAsWritten)
{
    freshState();
    const std::string text = "Form  MyForm\n\tCaption = \"\xC3\x89t\xC3\xA9\" ' note\n\xC3\xA9 = 12\n";
    struct Want {
        Token token;
        int line, column;
        std::string text;
    };
    const std::vector<Want> want = {
        {KwForm, 1, 1, "Form"},         {TokIdentifier, 1, 7, "MyForm"}, {TokNewline, 1, 13, "\n"},
        {KwCaption, 2, 2, "Caption"},   {TokEquals, 2, 10, "="},         {TokConstant, 2, 12, "\"\xC3\x89t\xC3\xA9\""},
        {TokNewline, 2, 0, "\n"},       // after a comment: the end of its line
        {TokError, 3, 1, "\xC3\xA9"},
    };
    Scanner s;
    s.source.openMemory(text.data(), text.size());
    s.start();
    for (const Want& w : want) {
        int attribute = 0;
        const Token t = s.nextToken(attribute);
        EXPECT_EQ(t, w.token) << w.text;
        EXPECT_EQ(s.tokenPlace.line, w.line) << w.text;
        EXPECT_EQ(s.tokenPlace.column, w.column) << w.text;
        if (t != TokError)
            EXPECT_EQ(s.tokenText, w.text);
        else
            EXPECT_EQ(s.errorText, "unexpected character '\xC3\xA9'");
    }
    // The end of a text that ends with a line end is the end of its last line.
    const std::string ended = "form\n";
    Scanner e;
    e.source.openMemory(ended.data(), ended.size());
    e.start();
    int attribute = 0;
    e.nextToken(attribute);
    e.nextToken(attribute);
    EXPECT_EQ(e.nextToken(attribute), TokEndOfInput);
    EXPECT_EQ(e.tokenPlace.line, 1);
    EXPECT_EQ(e.tokenPlace.column, 0);
}

TEST(Suggest, EditDistanceCountsASwapAsOne)
{
    EXPECT_EQ(editDistance("comandbutton", "commandbutton"), 1);
    EXPECT_EQ(editDistance("captoin", "caption"), 1);
    EXPECT_EQ(editDistance("hieght", "height"), 1);
    EXPECT_EQ(editDistance("widht", "width"), 1);
    EXPECT_EQ(editDistance("lable", "label"), 1);
    EXPECT_EQ(editDistance("tmr", "timer"), 2);
    EXPECT_EQ(editDistance("frm", "frame"), 2);
    EXPECT_EQ(editDistance("box", "frame"), 5);
    EXPECT_EQ(editDistance("", "min"), 3);
}

ParseResult parseGnu(const std::string& source) { return parseSource(source, DiagnosticsFormat::Gnu); }

std::string sampleSource()
{
    std::ifstream in(std::string(KAVEL_SOURCE_DIR) + "/examples/sample.fms", std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// Every object and attribute keyword, and the form's own, misspelt (two
// neighbouring letters swapped) where it first begins a line of the example:
// the message names the line and column of the word, the word as written,
// and the keyword it was meant to be.
TEST(Suggest, EveryKeywordMisspeltIsNamed)
{
    const std::string sample = sampleSource();
    ASSERT_FALSE(sample.empty());
    ASSERT_EQ(parseGnu(sample).status, 0);
    const std::vector<std::string> words = {
        "form", "location", "caption", "organization", "section", "end",
        "commandbutton", "textbox", "checkbox", "combobox", "listbox", "frame", "optionbutton",
        "timer", "drivelistbox", "dirlistbox", "filelistbox", "scrollbar",
        "height", "width", "label", "sorted", "style", "columns", "visible", "interval",
        "orientation", "length", "min", "max", "value", "smallchange", "largechange"};
    for (const std::string& word : words) {
        // The first line that begins with the word, followed by a blank, a line end or nothing.
        std::size_t at = 0;
        int line = 1;
        for (std::size_t start = 0; start < sample.size(); start = sample.find('\n', start) + 1, ++line) {
            if (sample.compare(start, word.size(), word) == 0 &&
                (start + word.size() == sample.size() || sample[start + word.size()] == ' ' ||
                 sample[start + word.size()] == '\n')) {
                at = start;
                break;
            }
        }
        ASSERT_TRUE(at > 0 || word == "form") << word;
        std::string misspelt = word;
        std::swap(misspelt[1], misspelt[2]);
        // Written in capitals, so that the message shows it as written.
        misspelt[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(misspelt[0])));
        std::string source = sample;
        source.replace(at, word.size(), misspelt);
        const ParseResult r = parseGnu(source);
        EXPECT_EQ(r.status, 4) << word;
        const std::string head = "demo.fms:" + std::to_string(line) + ":1: error: unexpected '" + misspelt +
                                 "'; expected ";
        const std::string tail = "; did you mean '" + word + "'?\n";
        const std::string first = r.err.substr(0, r.err.find('\n') + 1);
        EXPECT_EQ(first.substr(0, head.size()), head) << word;
        ASSERT_GE(first.size(), tail.size()) << word;
        EXPECT_EQ(first.substr(first.size() - tail.size()), tail) << word;
        EXPECT_NE(first.find("'" + word + "'"), first.rfind("'" + word + "'")) << word << ": in the list too";
        EXPECT_EQ(r.err.substr(first.size()), source.substr(at, source.find('\n', at) - at) + "\n^\n") << word;
        EXPECT_EQ(r.out, "") << word;
    }
}

TEST(Suggest, NoGuessForAFarWordOrAKeyword)
{
    // "button" is three edits and more from every object keyword.
    ParseResult far = parseGnu(formWith("columns", "section\nbutton go\ncaption = \"Go\"\nend\nend\n"));
    EXPECT_EQ(far.err.find("did you mean"), std::string::npos) << far.err;
    EXPECT_NE(far.err.find("demo.fms:6:1: error: unexpected 'button'"), std::string::npos) << far.err;
    // A keyword in the wrong place is not a misspelling.
    ParseResult keyword = parseGnu(formWith("columns", "section\nlabel go\nend\n"));
    EXPECT_NE(keyword.err.find("demo.fms:6:1: error: unexpected 'label'; expected 'checkbox', "),
              std::string::npos)
        << keyword.err;
    EXPECT_EQ(keyword.err.find("did you mean"), std::string::npos) << keyword.err;
}

}  // namespace

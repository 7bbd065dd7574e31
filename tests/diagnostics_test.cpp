// The command line, the table of diagnostics and the three forms of a
// message, the consumers, the banner on a terminal, the places the scanner
// gives its tokens, and the syntax messages' guesses.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "driver/driver.h"
#include "parser/parser.h"
#include "scanner/scanner.h"
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

// The refusal of a command line as its message says it.
std::string refusalText(const Options& o)
{
    return o.refused ? makeDiagnostic(o.refusal, o.refusalArgs).text : std::string();
}

TEST(Options, PlainSourceIsNoOption)
{
    Options o = parse({"demo.fms"});
    EXPECT_FALSE(o.given);
    EXPECT_EQ(o.sources, std::vector<std::string>{"demo.fms"});
    EXPECT_FALSE(o.refused);
    // Two sources without options are left to the classic usage message.
    Options two = parse({"a.fms", "b.fms"});
    EXPECT_FALSE(two.given);
    EXPECT_FALSE(two.refused);
    EXPECT_EQ(two.sources.size(), 2u);
    EXPECT_FALSE(parse({"-"}).given);   // a lone dash is a name
    // The defaults.
    EXPECT_FALSE(o.quiet);
    EXPECT_EQ(o.format, DiagnosticsFormat::Classic);
    EXPECT_EQ(o.compile.framework, Framework::NetFramework);
    EXPECT_FALSE(o.compile.strict);
    EXPECT_TRUE(o.emitVb);
    EXPECT_FALSE(o.emitJson);
    EXPECT_EQ(o.output, "");
}

TEST(Options, EveryOutputSpelling)
{
    for (auto words : std::vector<std::vector<std::string>>{{"-o", "x/out.vb", "d.fms"},
                                                            {"-ox/out.vb", "d.fms"},
                                                            {"d.fms", "--output", "x/out.vb"},
                                                            {"--output=x/out.vb", "d.fms"}}) {
        Options o = parse(words);
        EXPECT_TRUE(o.given);
        EXPECT_FALSE(o.refused) << refusalText(o);
        EXPECT_EQ(o.output, "x/out.vb") << words[0];
        EXPECT_EQ(o.sources, std::vector<std::string>{"d.fms"}) << words[0];
    }
}

TEST(Options, FlagsAndValues)
{
    Options o = parse({"d.fms", "-q", "--diagnostics=msvc", "--framework=.NETCoreApp", "--strict"});
    EXPECT_TRUE(o.quiet);
    EXPECT_EQ(o.format, DiagnosticsFormat::Msvc);
    EXPECT_EQ(o.compile.framework, Framework::NetCoreApp);
    EXPECT_TRUE(o.compile.strict);
    EXPECT_FALSE(o.refused);
    EXPECT_EQ(parse({"--diagnostics=gnu"}).format, DiagnosticsFormat::Gnu);
    EXPECT_EQ(parse({"--diagnostics=classic", "--framework=.NETFramework"}).compile.framework,
              Framework::NetFramework);
    EXPECT_TRUE(parse({"--quiet"}).quiet);
    EXPECT_TRUE(parse({"-h"}).help);
    EXPECT_TRUE(parse({"--help"}).help);
    EXPECT_TRUE(parse({"--version"}).version);
    Options both = parse({"--emit=json,vb", "d.fms"});
    EXPECT_TRUE(both.emitVb);
    EXPECT_TRUE(both.emitJson);
    Options json = parse({"--emit=json", "d.fms"});
    EXPECT_FALSE(json.emitVb);
    EXPECT_TRUE(json.emitJson);
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
    for (const auto& [words, error] : cases) {
        const Options o = parse(words);
        EXPECT_TRUE(o.refused) << words[0];
        EXPECT_EQ(refusalText(o), error) << words[0];
        // Every refusal of the command line ends the run with status 1.
        EXPECT_EQ(rowOf(o.refusal).status, 1) << words[0];
    }
    // The first refusal is the one kept.
    EXPECT_EQ(refusalText(parse({"--bogus", "-x"})), "unknown option '--bogus'");
    EXPECT_EQ(parse({"--bogus"}).refusal, Diag::UnknownOption);
    EXPECT_EQ(parse({"-q", "a.fms", "b.fms"}).refusal, Diag::TwoSources);
}

// A source of the given lines, ended by line ends.
SourceBuffer lines(const std::string& name, const std::vector<std::string>& text)
{
    std::string joined;
    for (const std::string& line : text) joined += line + "\n";
    return SourceBuffer(name, joined);
}

// The offset of a line and column (the column counted in bytes from 1).
std::size_t at(const SourceBuffer& source, int line, std::size_t byteColumn)
{
    return source.lineStart(line) + byteColumn - 1;
}

TEST(Format, GnuShowsTheLineAndACaretUnderTheColumn)
{
    const SourceBuffer seven = lines("dir/demo.fms", {"", "", "", "", "", "", "commandbutton x y"});
    EXPECT_EQ(formatDiagnostic(DiagnosticsFormat::Gnu,
                               makeDiagnostic(Diag::TerminalMismatch, {"unexpected 'x'; expected a name"},
                                              at(seven, 7, 14), 1),
                               &seven),
              "dir/demo.fms:7:14: error: unexpected 'x'; expected a name\n"
              "commandbutton x y\n"
              "             ^\n");
    // Tabs stay tabs in the padding; a UTF-8 character is one column.
    const SourceBuffer utf8 = lines("d.fms", {"", "", "\t\xC3\xA9t\xC3\xA9, x"});
    EXPECT_EQ(formatDiagnostic(DiagnosticsFormat::Gnu, makeDiagnostic(Diag::StrayCharacter, {",", ","}, at(utf8, 3, 8), 1),
                               &utf8),
              "d.fms:3:6: error: unexpected character ','\n"
              "\t\xC3\xA9t\xC3\xA9, x\n"
              "\t    ^\n");
    // At the line end: one past the line's last character.
    const SourceBuffer end = lines("d.fms", {"", "", "caption = \xC3\xA9"});
    EXPECT_EQ(formatDiagnostic(DiagnosticsFormat::Gnu, makeDiagnostic(Diag::TerminalMismatch, {"t"}, at(end, 3, 13)),
                               &end),
              "d.fms:3:12: error: t\ncaption = \xC3\xA9\n           ^\n");
}

TEST(Format, TheCaretLineIsTheSourceLineAsTheScannerReadsIt)
{
    // Without the CR of a CR LF line end.
    const SourceBuffer crlf("d.fms", "form x\r\nfrmae y\r\nend\r\n");
    EXPECT_EQ(formatDiagnostic(DiagnosticsFormat::Gnu, makeDiagnostic(Diag::TerminalMismatch, {"t"}, 8, 5), &crlf),
              "d.fms:2:1: error: t\nfrmae y\n^\n");
    // Up to a NUL, where the scanner stops.
    const SourceBuffer nul("d.fms", std::string("form x\nab\0cd\n", 13));
    EXPECT_EQ(formatDiagnostic(DiagnosticsFormat::Gnu, makeDiagnostic(Diag::TerminalMismatch, {"t"}, 9), &nul),
              "d.fms:2:3: error: t\nab\n  ^\n");
}

TEST(Format, MsvcIsOneLineWithTheCode)
{
    const SourceBuffer nine = lines("obj/Debug/net8.0-windows/demo.fms", {"", "", "", "", "", "", "", "", "commandbutton ok"});
    EXPECT_EQ(formatDiagnostic(DiagnosticsFormat::Msvc,
                               makeDiagnostic(Diag::Redeclared, {"ok", " (line 7)"}, at(nine, 9, 15), 2), &nine),
              "obj/Debug/net8.0-windows/demo.fms(9,15): error KV0303: 'ok' is already declared (line 7)\n");
    const SourceBuffer two = lines("d.fms", {"", "abc"});
    EXPECT_EQ(formatDiagnostic(DiagnosticsFormat::Msvc, makeDiagnostic(Diag::TerminalMismatch, {"t"}, at(two, 2, 4)),
                               &two),
              "d.fms(2,4): error KV0201: t\n");
}

TEST(Format, NoPlaceNamesTheProgram)
{
    EXPECT_EQ(formatDiagnostic(DiagnosticsFormat::Gnu, makeDiagnostic(Diag::OutputOpen, {"x.vb"}), nullptr),
              "kavel: error: cannot open 'x.vb'\n");
    EXPECT_EQ(formatDiagnostic(DiagnosticsFormat::Msvc, makeDiagnostic(Diag::CannotOpen, {"d.fms", ""}), nullptr),
              "kavel : error KV0006: cannot open 'd.fms'\n");
    // A source, but no offset in it.
    const SourceBuffer source("d.fms", "form x\n");
    EXPECT_EQ(formatDiagnostic(DiagnosticsFormat::Gnu, makeDiagnostic(Diag::OutputWrite, {"x.vb"}), &source),
              "kavel: error: cannot write 'x.vb'\n");
    // A warning says so.
    Diagnostic warning = makeDiagnostic(Diag::TerminalMismatch, {"w"}, 0, 4);
    warning.kind = DiagKind::Warning;
    EXPECT_EQ(formatDiagnostic(DiagnosticsFormat::Msvc, warning, &source), "d.fms(1,1): warning KV0201: w\n");
    EXPECT_EQ(formatDiagnostic(DiagnosticsFormat::Gnu, warning, &source), "d.fms:1:1: warning: w\nform x\n^\n");
}

TEST(Format, CodesKeepTheirStatuses)
{
    EXPECT_EQ(rowOf(Diag::NoSource).status, 1);
    EXPECT_EQ(rowOf(Diag::UnknownOption).status, 1);
    EXPECT_EQ(rowOf(Diag::Extension).status, 2);
    EXPECT_EQ(rowOf(Diag::CannotOpen).status, 2);
    EXPECT_EQ(rowOf(Diag::Periods).status, 3);
    EXPECT_EQ(rowOf(Diag::StrayCharacter).status, 4);
    EXPECT_EQ(rowOf(Diag::TerminalMismatch).status, 4);
    EXPECT_EQ(rowOf(Diag::NonterminalMismatch).status, 4);
    EXPECT_EQ(rowOf(Diag::FormNamedMy).status, 4);
    EXPECT_EQ(rowOf(Diag::Height).status, 4);
    EXPECT_EQ(rowOf(Diag::TooLarge).status, 99);
    EXPECT_EQ(rowOf(Diag::OutputWrite).status, 1);
    EXPECT_EQ(rowOf(Diag::Redeclared).code, 303);
    // Every row stands at the place of its id, and its name is its id's.
    const auto& rows = diagnosticRows();
    for (std::size_t i = 0; i < rows.size(); ++i)
        EXPECT_EQ(static_cast<std::size_t>(rows[i].id), i) << rows[i].name;
    EXPECT_STREQ(rowOf(Diag::ScrollValue).name, "ScrollValue");
}

TEST(Format, TheTextsAreFilledFromTheArguments)
{
    const Diagnostic d = makeDiagnostic(Diag::ScrollValue, {"9", "1", "5"}, 40, 1, 12);
    EXPECT_EQ(d.text, "'value' 9 is outside 'min' 1 to 'max' 5");
    EXPECT_EQ(d.classic, "Scroll bar value is outside its min and max on line 12");
    EXPECT_EQ(d.code, 310);
    EXPECT_EQ(d.status, 4);
    EXPECT_EQ(d.offset, 40u);
    EXPECT_EQ(d.length, 1u);
    EXPECT_EQ(d.classicStream, Stream::Out);
    // {t} in a classic text is the text of the other formats.
    EXPECT_EQ(makeDiagnostic(Diag::UnknownOption, {"-x"}).classic,
              "kavel: unknown option '-x'\nUsage: kavel [options] [source]\nTry 'kavel --help' for more information.");
    EXPECT_EQ(makeDiagnostic(Diag::NameTooLong, std::vector<std::string>{"x.fms", "40"}).classic,
              "File name longer than 40 characters is not legal");
}

// Where each kind of diagnostic goes, in each format.
TEST(Consumers, StreamsFormatsAndQuiet)
{
    struct Streams {
        std::FILE* out = std::tmpfile();
        std::FILE* err = std::tmpfile();
        std::string read(std::FILE* f)
        {
            std::string text;
            std::fflush(f);
            std::rewind(f);
            for (int c; (c = std::fgetc(f)) != EOF;) text += static_cast<char>(c);
            return text;
        }
        ~Streams()
        {
            std::fclose(out);
            std::fclose(err);
        }
    };
    const SourceBuffer source("d.fms", "form x\n");
    const Diagnostic onOut = makeDiagnostic(Diag::Redeclared, {"x", ""}, 5, 1, 2);
    const Diagnostic onErr = makeDiagnostic(Diag::Height, {"9", "5"}, 5, 1);
    const Diagnostic note = makeDiagnostic(Diag::NotFound, {"d.fms"});
    const Diagnostic progress = makeDiagnostic(Diag::FormWidth, {"577"});
    {
        Streams s;
        ASSERT_TRUE(s.out != nullptr && s.err != nullptr);
        ConsoleConsumer classic(DiagnosticsFormat::Classic, false, s.out, s.err);
        for (const Diagnostic& d : {onOut, onErr, note, progress}) classic.consume(d, &source);
        EXPECT_EQ(s.read(s.out), "Redeclared Object name on line 2\nCannot find d.fms\nFormWidth = 577\n");
        EXPECT_EQ(s.read(s.err), "Height cannot exceed 5 lines\n");
    }
    {
        Streams s;
        ASSERT_TRUE(s.out != nullptr && s.err != nullptr);
        ConsoleConsumer gnu(DiagnosticsFormat::Gnu, false, s.out, s.err);
        for (const Diagnostic& d : {onOut, onErr, note, progress}) gnu.consume(d, &source);
        EXPECT_EQ(s.read(s.out), "FormWidth = 577\n");
        EXPECT_EQ(s.read(s.err), "d.fms:1:6: error: 'x' is already declared\nform x\n     ^\n"
                                 "d.fms:1:6: error: height 9 is more than 5 lines\nform x\n     ^\n");
    }
    {
        Streams s;
        ASSERT_TRUE(s.out != nullptr && s.err != nullptr);
        ConsoleConsumer quiet(DiagnosticsFormat::Classic, true, s.out, s.err);
        for (const Diagnostic& d : {onOut, note, progress}) quiet.consume(d, &source);
        EXPECT_EQ(s.read(s.out), "Redeclared Object name on line 2\nCannot find d.fms\n");
        EXPECT_EQ(s.read(s.err), "");
    }
    CollectingConsumer collected;
    for (const Diagnostic& d : {onOut, note, progress, onErr}) collected.consume(d, &source);
    ASSERT_EQ(collected.diagnostics.size(), 2u);
    EXPECT_EQ(collected.diagnostics[0].id, Diag::Redeclared);
    EXPECT_EQ(collected.diagnostics[1].id, Diag::Height);
}

TEST(Consumers, TheEngineUnwindsWithTheStatusOfAnError)
{
    CollectingConsumer collected;
    DiagnosticEngine engine(collected);
    engine.report(makeDiagnostic(Diag::FormWidth, {"400"}));
    try {
        engine.refuse(Diag::TooLarge, {"1024", "768", "placing 'x'"});
        ADD_FAILURE() << "no refusal";
    } catch (const Refusal& r) {
        EXPECT_EQ(r.status, 99);
    }
    ASSERT_EQ(collected.diagnostics.size(), 1u);
    EXPECT_EQ(collected.diagnostics[0].text, "the form is larger than 1024 by 768 pixels after placing 'x'");
}

// The README's table of KV codes lists exactly the codes of the table of
// diagnostics, each with the exit status its rows give.
TEST(Format, TheReadmeListsEveryCodeWithItsStatus)
{
    std::ifstream in(KAVEL_SOURCE_DIR "/README.md");
    ASSERT_TRUE(in) << "README.md";
    std::map<int, int> readme;
    bool inSection = false;
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("### Message formats", 0) == 0) {
            inSection = true;
            continue;
        }
        if (inSection && line.rfind("## ", 0) == 0) break;
        if (!inSection || line.rfind("| KV", 0) != 0) continue;
        // | KVnnnn | meaning | status |
        std::vector<std::string> cells;
        std::size_t start = 1;
        for (std::size_t bar; (bar = line.find('|', start)) != std::string::npos; start = bar + 1)
            cells.push_back(line.substr(start, bar - start));
        ASSERT_EQ(cells.size(), 3u) << line;
        auto trim = [](std::string s) {
            s.erase(0, s.find_first_not_of(' '));
            s.erase(s.find_last_not_of(' ') + 1);
            return s;
        };
        const std::string code = trim(cells[0]);
        ASSERT_EQ(code.size(), 6u) << line;
        const int number = std::stoi(code.substr(2));
        EXPECT_EQ(readme.count(number), 0u) << code << " listed twice";
        readme[number] = std::stoi(trim(cells[2]));
    }
    ASSERT_TRUE(inSection) << "no section on message formats";
    std::map<int, int> table;
    for (const DiagnosticRow& row : diagnosticRows()) {
        if (row.code == 0) continue;
        auto [it, added] = table.emplace(row.code, row.status);
        EXPECT_EQ(it->second, row.status) << "KV" << row.code << ": rows with different statuses (" << row.name << ")";
    }
    EXPECT_EQ(readme, table);
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
    const std::string text = "Form  MyForm\n\tCaption = \"\xC3\x89t\xC3\xA9\" ' note\n\xC3\xA9 = 12\n";
    struct Want {
        Lexeme kind;
        int line, column;
        std::string text;
    };
    const std::vector<Want> want = {
        {Lexeme::Word, 1, 1, "Form"},      {Lexeme::Word, 1, 7, "MyForm"},  {Lexeme::Newline, 1, 13, "\n"},
        {Lexeme::Word, 2, 2, "Caption"},   {Lexeme::Equals, 2, 10, "="},    {Lexeme::Text, 2, 12, "\"\xC3\x89t\xC3\xA9\""},
        {Lexeme::Newline, 2, 24, "\n"},    // after a comment: the end of its line
        {Lexeme::Error, 3, 1, "\xC3\xA9"},
    };
    const SourceBuffer source("demo.fms", text);
    CollectingConsumer none;
    DiagnosticEngine engine(none, &source);
    Scanner s(source, engine);
    for (const Want& w : want) {
        const ScannedToken t = s.next();
        EXPECT_EQ(t.kind, w.kind) << w.text;
        const SourcePlace place = source.placeOf(t.offset);
        EXPECT_EQ(place.line, w.line) << w.text;
        EXPECT_EQ(place.column, w.column) << w.text;
        if (t.kind != Lexeme::Error) {
            EXPECT_EQ(s.written(t), w.text);
        } else {
            EXPECT_EQ(s.error().text, "unexpected character '\xC3\xA9'");
            EXPECT_EQ(s.error().offset, t.offset);
            EXPECT_EQ(s.error().length, 2u);
        }
    }
    // The end of a text that ends with a line end is the end of its last line.
    const SourceBuffer ended("demo.fms", "form\n");
    DiagnosticEngine endedEngine(none, &ended);
    Scanner e(ended, endedEngine);
    e.next();
    e.next();
    const ScannedToken end = e.next();
    EXPECT_EQ(end.kind, Lexeme::End);
    EXPECT_EQ(ended.placeOf(end.offset).line, 1);
    EXPECT_EQ(ended.placeOf(end.offset).column, 5);
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

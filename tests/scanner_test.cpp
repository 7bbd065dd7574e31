// The scanner over a source buffer: the tokens it makes, where they stand,
// the line a classic message names, and the tokens it refuses.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "scanner/scanner.h"
#include "symbols/symbols.h"

namespace {

// A token, its text copied (the scanner's view lasts until the next token),
// and the classic line once it has been read.
struct Tok {
    Lexeme kind;
    std::size_t offset, length;
    std::string folded, written;
    int value;
    int line;
};

// Keeps every diagnostic, the scanner's classic notes included.
struct Recorder : DiagnosticConsumer {
    void consume(const Diagnostic& d, const SourceBuffer*) override { seen.push_back(d); }
    std::vector<Diagnostic> seen;
};

struct Scan {
    std::vector<Tok> tokens;
    std::vector<Diagnostic> notes;

    std::vector<Lexeme> kinds() const
    {
        std::vector<Lexeme> k;
        for (const Tok& t : tokens) k.push_back(t.kind);
        return k;
    }
    const Tok& operator[](std::size_t i) const { return tokens.at(i); }
    // The classic text of the only note.
    std::string note() const
    {
        EXPECT_EQ(notes.size(), 1u);
        return notes.empty() ? std::string() : notes.front().classic;
    }
};

// The tokens of a source up to the end of the input or the first error token.
Scan scan(const std::string& text)
{
    const SourceBuffer source("demo.fms", text);
    Recorder recorder;
    DiagnosticEngine engine(recorder, &source);
    Scanner s(source, engine);
    Scan result;
    for (int i = 0; i < 1000; ++i) {
        const ScannedToken t = s.next();
        result.tokens.push_back({t.kind, t.offset, t.length, std::string(t.folded), std::string(s.written(t)), t.value,
                                 s.classicLine()});
        if (t.kind == Lexeme::End || t.kind == Lexeme::Error) break;
    }
    result.notes = recorder.seen;
    return result;
}

using K = std::vector<Lexeme>;
constexpr Lexeme Word = Lexeme::Word, Number = Lexeme::Number, Text = Lexeme::Text, Newline = Lexeme::Newline,
                 Equals = Lexeme::Equals, End = Lexeme::End, Error = Lexeme::Error;

}  // namespace

TEST(Scanner, EmptyBlankAndCommentSources)
{
    EXPECT_EQ(scan("").kinds(), (K{End}));
    // Blank lines and comment lines after a line end make no tokens of their own.
    EXPECT_EQ(scan("\n  \n' a comment\n").kinds(), (K{Newline, End}));
    // A comment at the very end without a line end is simply gone.
    EXPECT_EQ(scan("end ' bye").kinds(), (K{Word, End}));
    EXPECT_TRUE(scan("\n\n' c\n").notes.empty());
}

TEST(Scanner, ARunOfLineEndsIsOneNewlineToken)
{
    const Scan s = scan("form\n\n   \n' comment\n\t' another\nend\n\n");
    ASSERT_EQ(s.kinds(), (K{Word, Newline, Word, Newline, End}));
    // The token stands at the run's first line end.
    EXPECT_EQ(s[1].offset, 4u);
    EXPECT_EQ(s[1].folded, "\n");
    EXPECT_EQ(s[3].offset, 34u);
    // The same with CR LF line ends: the run starts at the first CR.
    const Scan crlf = scan("form\r\n\r\n' c\r\nend");
    ASSERT_EQ(crlf.kinds(), (K{Word, Newline, Word, End}));
    EXPECT_EQ(crlf[1].offset, 4u);
    EXPECT_EQ(crlf[2].offset, 13u);
}

TEST(Scanner, WordsAreFoldedToLowerCase)
{
    const Scan t = scan("Form  MyForm\n");
    ASSERT_EQ(t.kinds(), (K{Word, Word, Newline, End}));
    EXPECT_EQ(t[0].folded, "form");
    EXPECT_EQ(t[0].written, "Form");
    EXPECT_EQ(t[1].folded, "myform");
    EXPECT_EQ(t[1].written, "MyForm");
    EXPECT_EQ(t[1].offset, 6u);
    EXPECT_EQ(t[1].length, 6u);
    for (const char* word : {"FORM", "Form", "form"})
        EXPECT_EQ(scan(word)[0].folded, "form") << word;
    // Keywords are the words of the table; print names are no keywords.
    const SymbolTable symtab;
    const Scan printed = scan("cmdbutton commandbutton optbutton equal");
    ASSERT_EQ(printed.kinds(), (K{Word, Word, Word, Word, End}));
    int symbol = -1;
    EXPECT_FALSE(symtab.lookup(printed[0].folded, symbol));
    ASSERT_TRUE(symtab.lookup(printed[1].folded, symbol));
    EXPECT_EQ(symtab.tokenOf(symbol), KwCommandButton);
    EXPECT_FALSE(symtab.lookup(printed[2].folded, symbol));
    EXPECT_FALSE(symtab.lookup(printed[3].folded, symbol));
    const Scan same = scan("Name NAME name");
    EXPECT_EQ(same[0].folded, same[1].folded);
    EXPECT_EQ(same[1].folded, same[2].folded);
}

TEST(Scanner, NumbersAndQuotedTexts)
{
    const Scan t = scan("height = 2a\n");
    ASSERT_EQ(t.kinds(), (K{Word, Equals, Number, Word, Newline, End}));
    EXPECT_EQ(t[2].value, 2);
    EXPECT_EQ(t[2].folded, "2");
    EXPECT_EQ(t[3].folded, "a");
    EXPECT_EQ(t[1].folded, "=");

    // A number is kept as written: 07 and 7 are two texts of one value.
    const Scan seven = scan("7 07 7");
    ASSERT_EQ(seven.kinds(), (K{Number, Number, Number, End}));
    EXPECT_EQ(seven[0].folded, "7");
    EXPECT_EQ(seven[1].folded, "07");
    EXPECT_EQ(seven[1].value, 7);
    EXPECT_EQ(seven[2].folded, seven[0].folded);

    const Scan q = scan("\"OK\" \"it's\" \"OK\"");
    ASSERT_EQ(q.kinds(), (K{Text, Text, Text, End}));
    EXPECT_EQ(q[0].folded, "\"OK\"");
    EXPECT_EQ(q[1].folded, "\"it's\"");
    EXPECT_EQ(q[2].folded, q[0].folded);
    EXPECT_EQ(q[1].offset, 5u);
    EXPECT_EQ(q[1].length, 6u);
    // Letter case is kept between the quotes.
    EXPECT_EQ(scan("\"MiXed\"")[0].folded, "\"MiXed\"");
}

TEST(Scanner, CommentsFollowTokensDirectly)
{
    EXPECT_EQ(scan("end'finished\nform").kinds(), (K{Word, Newline, Word, End}));
    // A last line without a line end: its last token is followed by the end of input.
    EXPECT_EQ(scan("end").kinds(), (K{Word, End}));
}

TEST(Scanner, StrayCharacters)
{
    const Scan t = scan("x, y");
    ASSERT_EQ(t.kinds(), (K{Word, Error}));
    EXPECT_EQ(t[1].offset, 1u);
    EXPECT_EQ(t.note(), "\",\" not expected here.");
    ASSERT_EQ(t.notes.size(), 1u);
    EXPECT_EQ(t.notes[0].kind, DiagKind::ClassicNote);
    EXPECT_EQ(t.notes[0].classicStream, Stream::Err);
    EXPECT_EQ(t.notes[0].text, "unexpected character ','");
    EXPECT_EQ(t.notes[0].code, 101);
    // Bytes above 0x7F cannot start a token; the classic message shows the
    // first byte, the others the whole UTF-8 character.
    const Scan e = scan("\xC3\xA9");
    ASSERT_EQ(e.kinds(), (K{Error}));
    EXPECT_EQ(e.note(), "\"\xC3\" not expected here.");
    ASSERT_EQ(e.notes.size(), 1u);
    EXPECT_EQ(e.notes[0].text, "unexpected character '\xC3\xA9'");
    EXPECT_EQ(e.notes[0].length, 2u);
}

TEST(Scanner, ANulByteEndsTheInput)
{
    const Scan t = scan(std::string("end\0form", 8));
    ASSERT_EQ(t.kinds(), (K{Word, End}));
    // The end stands at the NUL itself.
    EXPECT_EQ(t[1].offset, 3u);

    const std::string text("a\0b", 3);
    const SourceBuffer source("demo.fms", text);
    Recorder recorder;
    DiagnosticEngine engine(recorder, &source);
    Scanner s(source, engine);
    EXPECT_EQ(s.next().kind, Word);
    EXPECT_EQ(s.next().kind, End);
    EXPECT_EQ(s.next().kind, End);
    EXPECT_EQ(s.next().offset, 1u);
}

TEST(Scanner, TheEndOfTheInputStandsWhereTheInputStops)
{
    // After a final line end: at that line end.
    EXPECT_EQ(scan("form\n").tokens.back().offset, 4u);
    EXPECT_EQ(scan("form\r\n").tokens.back().offset, 4u);
    EXPECT_EQ(scan("form\n\n\n").tokens.back().offset, 6u);
    // Without one: after the last character.
    EXPECT_EQ(scan("form").tokens.back().offset, 4u);
    EXPECT_EQ(scan("form  ").tokens.back().offset, 6u);
    // After a comment without a line end: the end of the file.
    EXPECT_EQ(scan("end ' bye").tokens.back().offset, 9u);
    EXPECT_EQ(scan("end\n' bye").tokens.back().offset, 9u);
    // At a NUL: the NUL's own offset, whatever follows it.
    EXPECT_EQ(scan(std::string("end \0\n\n", 7)).tokens.back().offset, 4u);
    EXPECT_EQ(scan("").tokens.back().offset, 0u);
}

TEST(Scanner, TheClassicLineRunsAheadAtLineEnds)
{
    // While the last token of a line is handled the line already counts the
    // line end read as look-ahead; a run of line ends counts as its first.
    const Scan t = scan("form demo\n\nlocation\n");
    ASSERT_EQ(t.kinds(), (K{Word, Word, Newline, Word, Newline, End}));
    EXPECT_EQ(t[0].line, 1);
    EXPECT_EQ(t[1].line, 2);
    EXPECT_EQ(t[2].line, 3);   // as after its first line end, before the blank line
    EXPECT_EQ(t[3].line, 4);
    EXPECT_EQ(t[4].line, 4);
    EXPECT_EQ(t[5].line, 4);

    const Scan c = scan("form\n' c\n\n  \nend x");
    ASSERT_EQ(c.kinds(), (K{Word, Newline, Word, Word, End}));
    EXPECT_EQ(c[0].line, 2);
    EXPECT_EQ(c[1].line, 3);
    EXPECT_EQ(c[2].line, 5);
    EXPECT_EQ(c[3].line, 5);
    // CR LF line ends count once each.
    const Scan r = scan("a\r\n\r\nb\r\n");
    ASSERT_EQ(r.kinds(), (K{Word, Newline, Word, Newline, End}));
    EXPECT_EQ(r[0].line, 2);
    EXPECT_EQ(r[1].line, 3);
    EXPECT_EQ(r[2].line, 4);
}

TEST(Scanner, TokensBeyondTheirLimitsAreRefused)
{
    std::string word80(80, 'w'), word81(81, 'w');
    EXPECT_EQ(scan(word80).kinds(), (K{Word, End}));
    Scan s = scan(word81);
    EXPECT_EQ(s[0].kind, Error);
    EXPECT_EQ(s.note(), "Word longer than 80 characters");

    EXPECT_EQ(scan("\"" + std::string(78, 'q') + "\"")[0].kind, Text);
    s = scan("\"" + std::string(79, 'q') + "\"");
    EXPECT_EQ(s[0].kind, Error);
    EXPECT_EQ(s.note(), "Quoted Text longer than 80 characters");

    s = scan(std::string(80, '1'));
    EXPECT_EQ(s[0].kind, Error);
    EXPECT_EQ(s.note(), "Integer value larger than 2147483647");
    EXPECT_EQ(scan("2147483647")[0].value, 2147483647);
    s = scan("2147483648");
    EXPECT_EQ(s[0].kind, Error);
    EXPECT_EQ(s.note(), "Integer value larger than 2147483647");
    // Leading zeros do not count toward the value.
    EXPECT_EQ(scan("000000000000000000005")[0].value, 5);
    // Only leading zeros keep a number over 80 digits within the value limit.
    s = scan(std::string(80, '0') + "1");
    EXPECT_EQ(s[0].kind, Error);
    EXPECT_EQ(s.note(), "Number longer than 80 characters");
    EXPECT_EQ(scan(std::string(79, '0') + "1")[0].value, 1);
}

TEST(Scanner, UnclosedQuotedTextsAreRefused)
{
    Scan s = scan("\"open\nend");
    EXPECT_EQ(s[0].kind, Error);
    EXPECT_EQ(s.note(), "Quoted Text not closed before the end of its line");
    s = scan("\"open");
    EXPECT_EQ(s[0].kind, Error);
    EXPECT_EQ(s.note(), "Quoted Text not closed before the end of its line");
    // A CR LF ends the line of a quoted text too.
    s = scan("\"open\r\n\"");
    EXPECT_EQ(s[0].kind, Error);
    EXPECT_EQ(s.note(), "Quoted Text not closed before the end of its line");
}

TEST(Scanner, CarriageReturnsAreBlanks)
{
    const Scan t = scan("form demo\r\nend\r\n");
    ASSERT_EQ(t.kinds(), (K{Word, Word, Newline, Word, Newline, End}));
    EXPECT_EQ(t[1].folded, "demo");   // no CR in the word
    EXPECT_EQ(t[2].offset, 9u);       // the line end starts at its CR
    EXPECT_EQ(t[3].offset, 11u);
    // A lone CR is a blank between tokens.
    EXPECT_EQ(scan("form\rdemo").kinds(), (K{Word, Word, End}));
}

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "scanner/scanner.h"
#include "support.h"
#include "symbols/symbols.h"

namespace {

struct Token {
    int code;
    int attribute;
    int line;   // the scanner's line once the token has been read
};

// The tokens of a source up to end of input or the first error token.
std::vector<Token> scan(const std::string& text, std::string* err = nullptr)
{
    freshState();
    Scanner s;
    s.source.openMemory(text.data(), text.size());
    s.start();
    std::vector<Token> tokens;
    testing::internal::CaptureStderr();
    for (int i = 0; i < 1000; ++i) {
        int attribute = -1;
        int code = s.nextToken(attribute);
        tokens.push_back({code, attribute, s.line});
        if (code == TokEndOfInput || code == TokError) break;
    }
    std::string captured = testing::internal::GetCapturedStderr();
    if (err) *err = captured;
    return tokens;
}

std::vector<int> codes(const std::vector<Token>& tokens)
{
    std::vector<int> c;
    for (const Token& t : tokens) c.push_back(t.code);
    return c;
}

}  // namespace

TEST(Scanner, EmptyBlankAndCommentSources)
{
    EXPECT_EQ(codes(scan("")), (std::vector<int>{TokEndOfInput}));
    EXPECT_EQ(codes(scan("\n  \n' a comment\n")), (std::vector<int>{TokNewline, TokNewline, TokNewline, TokEndOfInput}));
    // A comment at the very end without a line end is simply gone.
    EXPECT_EQ(codes(scan("end ' bye")), (std::vector<int>{KwEnd, TokEndOfInput}));
}

TEST(Scanner, WordsAreFoldedToLowerCase)
{
    auto t = scan("Form  MyForm\n");
    ASSERT_EQ(codes(t), (std::vector<int>{KwForm, TokIdentifier, TokNewline, TokEndOfInput}));
    EXPECT_EQ(t[0].attribute, KwForm);   // a keyword's symbol is its code
    EXPECT_EQ(t[1].attribute, 58);
    EXPECT_STREQ(symtab.nameOf(58), "myform");
    for (const char* word : {"FORM", "Form", "form"})
        EXPECT_EQ(scan(word)[0].code, KwForm) << word;
    // Print names are no keywords.
    EXPECT_EQ(codes(scan("cmdbutton commandbutton optbutton equal")),
              (std::vector<int>{TokIdentifier, KwCommandButton, TokIdentifier, TokIdentifier, TokEndOfInput}));
    auto same = scan("Name NAME name");
    EXPECT_EQ(same[0].attribute, same[1].attribute);
    EXPECT_EQ(same[1].attribute, same[2].attribute);
}

TEST(Scanner, NumbersAndQuotedTexts)
{
    auto t = scan("height = 2a\n");
    ASSERT_EQ(codes(t), (std::vector<int>{KwHeight, TokEquals, TokConstant, TokIdentifier, TokNewline, TokEndOfInput}));
    EXPECT_EQ(symtab.valueOf(t[2].attribute), 2);
    EXPECT_EQ(symtab.objectTypeOf(t[2].attribute), TypeInteger);
    EXPECT_STREQ(symtab.nameOf(t[3].attribute), "a");

    auto seven = scan("7 07 7");
    EXPECT_NE(seven[0].attribute, seven[1].attribute);
    EXPECT_EQ(seven[0].attribute, seven[2].attribute);
    EXPECT_EQ(symtab.valueOf(seven[1].attribute), 7);

    auto q = scan("\"OK\" \"it's\" \"OK\"");
    ASSERT_EQ(codes(q), (std::vector<int>{TokConstant, TokConstant, TokConstant, TokEndOfInput}));
    EXPECT_STREQ(symtab.nameOf(q[0].attribute), "\"OK\"");
    EXPECT_STREQ(symtab.nameOf(q[1].attribute), "\"it's\"");
    EXPECT_EQ(q[0].attribute, q[2].attribute);
    EXPECT_EQ(symtab.objectTypeOf(q[0].attribute), TypeString);
    EXPECT_EQ(symtab.symbolTypeOf(q[0].attribute), SymLiteral);
    // Letter case is kept between the quotes.
    EXPECT_STREQ(symtab.nameOf(scan("\"MiXed\"")[0].attribute), "\"MiXed\"");
}

TEST(Scanner, CommentsFollowTokensDirectly)
{
    EXPECT_EQ(codes(scan("end'finished\nform")), (std::vector<int>{KwEnd, TokNewline, KwForm, TokEndOfInput}));
    // A last line without a line end: its last token is followed by the end of input.
    EXPECT_EQ(codes(scan("end")), (std::vector<int>{KwEnd, TokEndOfInput}));
}

TEST(Scanner, StrayCharacters)
{
    std::string err;
    auto t = scan("x, y", &err);
    ASSERT_GE(t.size(), 2u);
    EXPECT_EQ(t[0].code, TokIdentifier);
    EXPECT_EQ(t[1].code, TokError);
    EXPECT_EQ(t[1].attribute, -1);   // not set for the error token
    EXPECT_EQ(err.substr(0, 23), "\",\" not expected here.\n");
    // Bytes above 0x7F cannot start a token.
    scan("\xC3\xA9", &err);
    EXPECT_EQ(err.substr(0, 22), "\"\xC3\" not expected here.");
}

TEST(Scanner, ANulByteEndsTheInput)
{
    auto t = scan(std::string("end\0form", 8));
    EXPECT_EQ(codes(t), (std::vector<int>{KwEnd, TokEndOfInput}));
    freshState();
    Scanner s;
    std::string text("a\0b", 3);
    s.source.openMemory(text.data(), text.size());
    s.start();
    int attribute;
    EXPECT_EQ(s.nextToken(attribute), TokIdentifier);
    EXPECT_EQ(s.nextToken(attribute), TokEndOfInput);
    EXPECT_EQ(s.nextToken(attribute), TokEndOfInput);
}

TEST(Scanner, TheLineCounterRunsAheadAtLineEnds)
{
    // While the last token of a line is handled the counter already holds the
    // next line; a newline followed by a blank line puts it two ahead.
    auto t = scan("form demo\n\nlocation\n");
    ASSERT_EQ(codes(t), (std::vector<int>{KwForm, TokIdentifier, TokNewline, TokNewline, KwLocation, TokNewline, TokEndOfInput}));
    EXPECT_EQ(t[0].line, 1);
    EXPECT_EQ(t[1].line, 2);
    EXPECT_EQ(t[2].line, 3);
    EXPECT_EQ(t[3].line, 3);
    EXPECT_EQ(t[4].line, 4);
}

TEST(Scanner, TokensBeyondTheirLimitsAreRefused)
{
    std::string err;
    std::string word80(80, 'w'), word81(81, 'w');
    EXPECT_EQ(codes(scan(word80)), (std::vector<int>{TokIdentifier, TokEndOfInput}));
    EXPECT_EQ(scan(word81, &err)[0].code, TokError);
    EXPECT_EQ(err, "Word longer than 80 characters\n");

    EXPECT_EQ(scan("\"" + std::string(78, 'q') + "\"")[0].code, TokConstant);
    EXPECT_EQ(scan("\"" + std::string(79, 'q') + "\"", &err)[0].code, TokError);
    EXPECT_EQ(err, "Quoted Text longer than 80 characters\n");

    EXPECT_EQ(scan(std::string(80, '1'), &err)[0].code, TokError);
    EXPECT_EQ(err, "Integer value larger than 2147483647\n");
    auto big = scan("2147483647");
    EXPECT_EQ(symtab.valueOf(big[0].attribute), 2147483647);
    EXPECT_EQ(scan("2147483648", &err)[0].code, TokError);
    EXPECT_EQ(err, "Integer value larger than 2147483647\n");
    // Leading zeros do not count toward the value.
    EXPECT_EQ(symtab.valueOf(scan("000000000000000000005")[0].attribute), 5);
    // Only leading zeros keep a number over 80 digits within the value limit.
    EXPECT_EQ(scan(std::string(80, '0') + "1", &err)[0].code, TokError);
    EXPECT_EQ(err, "Number longer than 80 characters\n");
    EXPECT_EQ(symtab.valueOf(scan(std::string(79, '0') + "1")[0].attribute), 1);
}

TEST(Scanner, UnclosedQuotedTextsAreRefused)
{
    std::string err;
    EXPECT_EQ(scan("\"open\nend", &err)[0].code, TokError);
    EXPECT_EQ(err, "Quoted Text not closed before the end of its line\n");
    EXPECT_EQ(scan("\"open", &err)[0].code, TokError);
    EXPECT_EQ(err, "Quoted Text not closed before the end of its line\n");
}

TEST(Scanner, CarriageReturnsAreBlanks)
{
    EXPECT_EQ(codes(scan("form demo\r\nend\r\n")), (std::vector<int>{KwForm, TokIdentifier, TokNewline, KwEnd, TokNewline, TokEndOfInput}));
}

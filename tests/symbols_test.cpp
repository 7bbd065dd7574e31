#include <gtest/gtest.h>

#include <string>

#include "scanner/scanner.h"
#include "support.h"
#include "symbols/symbols.h"

TEST(SymbolTable, StartsWithKeywordsAndReservedEntries)
{
    const SymbolTable symtab;
    EXPECT_EQ(symtab.symbolsUsed(), 58);
    EXPECT_EQ(symtab.namesUsed(), 58);
    EXPECT_EQ(symtab.nameCharsUsed(), 482);
    EXPECT_EQ(SymbolTable::reservedCharacters(), 482);
    EXPECT_EQ(SymbolTable::ReservedSymbols, 58);
    for (int i = 0; i < 58; ++i)
        EXPECT_EQ(symtab.tokenOf(i), i) << "symbol " << i;
    EXPECT_STREQ(symtab.nameOf(TokNewline), "\n");
    EXPECT_STREQ(symtab.nameOf(TokEquals), "=");
    EXPECT_STREQ(symtab.nameOf(KwForm), "form");
    EXPECT_STREQ(symtab.nameOf(TokSpareUnknown), "cmdbutton   ");
    EXPECT_EQ(symtab.symbolTypeOf(KwCommandButton), SymKeyword);
    EXPECT_EQ(symtab.symbolTypeOf(TokIdentifier), SymOperator);
}

// The names under which diagnostics show tokens: padded as stored, the line
// end shown as a backslash and an n.
TEST(SymbolTable, PrintNamesAreThePaddedNames)
{
    std::string out;
    for (int token : {TokEndOfInput, TokNewline, KwEnd, KwDriveListBox, KwOrganization})
        out += printNames[token];
    EXPECT_EQ(out, "EndofLine   \\n         end        drivelistboxorganization");
    EXPECT_STREQ(printNames[KwCommandButton], "cmdbutton   ");
    EXPECT_STREQ(printNames[TokError], "EndofFile   ");
    EXPECT_STREQ(keywords[KwCommandButton], "commandbutton");
}

TEST(SymbolTable, FindOrInsertAndLookup)
{
    SymbolTable symtab;
    int symbol = -1;
    EXPECT_TRUE(symtab.findOrInsert("form", symbol));
    EXPECT_EQ(symbol, KwForm);
    EXPECT_FALSE(symtab.findOrInsert("okbutton", symbol));
    EXPECT_EQ(symbol, 58);
    int again = -1;
    EXPECT_TRUE(symtab.findOrInsert("okbutton", again));
    EXPECT_EQ(again, 58);
    EXPECT_FALSE(symtab.lookup("absent", symbol));
    EXPECT_EQ(symtab.symbolsUsed(), 59);
    EXPECT_EQ(symtab.nameCharsUsed(), 482 + 9);
    // The comparison is exact: case matters.
    EXPECT_FALSE(symtab.lookup("OKBUTTON", symbol));
    // A prefix or an extension of a stored name is another name.
    EXPECT_FALSE(symtab.lookup("okbutto", symbol));
    EXPECT_FALSE(symtab.lookup("okbuttons", symbol));
}

TEST(SymbolTable, HashOfAbcAndTheWindowOfLongNames)
{
    EXPECT_EQ(SymbolTable::hashName("abc"), 83);
    // 25 characters: hashed from the second, so the first does not count.
    std::string a25 = "a" + std::string(24, 'q'), b25 = "b" + std::string(24, 'q');
    EXPECT_EQ(SymbolTable::hashName(a25), SymbolTable::hashName(b25));
    // 26 characters: hashed from the first over 24, so the last two do not count.
    std::string a26 = std::string(24, 'q') + "ab", b26 = std::string(24, 'q') + "yz";
    EXPECT_EQ(SymbolTable::hashName(a26), SymbolTable::hashName(b26));
    // 24 characters are hashed whole.
    std::string a24 = "a" + std::string(23, 'q'), b24 = "b" + std::string(23, 'q');
    EXPECT_NE(SymbolTable::hashName(a24), SymbolTable::hashName(b24));
    // Bytes above 0x7F count as negative values; the sum is taken unsigned.
    // "\xC3" is -61: (unsigned)-61 % 100 = 4294967235 % 100 = 35.
    EXPECT_EQ(SymbolTable::hashName("\xC3"), 35);
}

TEST(SymbolTable, SetTokenResetsTheObjectAndSettingALiteralKeepsTheToken)
{
    SymbolTable symtab;
    int symbol;
    symtab.findOrInsert("x", symbol);
    symtab.setToken(symbol, SymUnknown, TokIdentifier);
    symtab.declare(symbol, KindFrame);
    EXPECT_EQ(symtab.tokenOf(symbol), TokIdentifier);
    EXPECT_EQ(symtab.objectOf(symbol), KindFrame);
    EXPECT_EQ(symtab.symbolTypeOf(symbol), SymObject);
    symtab.setToken(symbol, SymLiteral, TokConstant);
    EXPECT_EQ(symtab.objectOf(symbol), KindNone);
    symtab.setLiteral(symbol, LiteralType::Integer, 42);
    EXPECT_EQ(symtab.valueOf(symbol), 42);
    EXPECT_EQ(symtab.literalOf(symbol), LiteralType::Integer);
    EXPECT_EQ(symtab.tokenOf(symbol), TokConstant);
}

TEST(SymbolTable, RoomForNamesTheLimitThatWouldBeExceeded)
{
    SymbolTable symtab;
    EXPECT_EQ(symtab.roomFor(10), TableRoom::Enough);
    EXPECT_EQ(symtab.roomFor(1200 - 482), TableRoom::Characters);
    EXPECT_EQ(symtab.roomFor(1200 - 482 - 1), TableRoom::Enough);
    int symbol;
    for (int i = 58; i < 200; ++i)
        symtab.findOrInsert("n" + std::to_string(i), symbol);
    EXPECT_EQ(symtab.roomFor(1), TableRoom::Names);
    // The messages name the limits.
    EXPECT_EQ(makeDiagnostic(Diag::TableFullCharacters, {str(limits::NameStore)}).text,
              "Symbol table full: more than 1200 characters of names");
    EXPECT_EQ(makeDiagnostic(Diag::TableFullNames, {str(limits::Names)}).text,
              "Symbol table full: more than 200 names");
}

// A source whose names take more characters than the table holds is refused
// at the first name that does not fit, naming the limit; the classic line is
// the one after the name's, as the scanner has read its line end.
TEST(SymbolTable, ASourceThatFillsTheTableIsRefused)
{
    // 482 characters are reserved; "demo", "\"Demo\"" and "\"B\"" take 16
    // with their NULs, and each name of 80 letters 81: the ninth is too many.
    std::string body;
    for (int i = 0; i < 9; ++i)
        body += "commandbutton " + std::string(79, 'b') + std::to_string(i) + "\ncaption = \"B\"\nend\n";
    const std::string source = formWith("columns", "section\n" + body + "end\n");
    const CompileResult r = compileSource(source);
    EXPECT_EQ(r.status, 4);
    ASSERT_EQ(r.diagnostics.size(), 1u);
    EXPECT_EQ(r.diagnostics[0].code, 107);
    EXPECT_EQ(r.diagnostics[0].text, "Symbol table full: more than 1200 characters of names");
    EXPECT_EQ(r.diagnostics[0].offset, source.find(std::string(79, 'b') + "8"));
    EXPECT_EQ(r.form, nullptr);
    EXPECT_EQ(r.vb, "");
    const ParseResult classic = parseSource(source);
    EXPECT_EQ(classic.status, 4);
    EXPECT_EQ(classic.out, "Symbol table full: more than 1200 characters of names on line 31\n");
    EXPECT_EQ(classic.err, "");
    // Eight such names fit.
    EXPECT_EQ(compileSource(formWith("columns", "section\n" + body.substr(0, body.size() / 9 * 8) + "end\n")).status, 0);
}

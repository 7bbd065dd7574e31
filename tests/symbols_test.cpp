#include <gtest/gtest.h>

#include <cstring>

#include "scanner/scanner.h"
#include "support.h"
#include "symbols/symbols.h"

TEST(SymbolTable, StartsWithKeywordsAndReservedEntries)
{
    freshState();
    EXPECT_EQ(symtab.symbolsUsed(), 58);
    EXPECT_EQ(symtab.namesUsed(), 58);
    EXPECT_EQ(symtab.nameCharsUsed(), 482);
    for (int i = 0; i < 58; ++i)
        EXPECT_EQ(symtab.tokenOf(i), i) << "symbol " << i;
    EXPECT_STREQ(symtab.nameOf(TokNewline), "\n");
    EXPECT_STREQ(symtab.nameOf(TokEquals), "=");
    EXPECT_STREQ(symtab.nameOf(KwForm), "form");
    EXPECT_STREQ(symtab.nameOf(TokSpareUnknown), "cmdbutton   ");
    EXPECT_EQ(symtab.symbolTypeOf(KwCommandButton), SymKeyword);
    EXPECT_EQ(symtab.symbolTypeOf(TokIdentifier), SymOperator);
}

TEST(SymbolTable, WriteNameShowsTheNewlineAsBackslashN)
{
    freshState();
    std::string out;
    symtab.writeName(TokNewline, out);
    symtab.writeName(KwCommandButton, out);
    EXPECT_EQ(out, "\\ncommandbutton");
}

TEST(SymbolTable, FindOrInsertAndLookup)
{
    freshState();
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
}

TEST(SymbolTable, HashOfAbcAndTheWindowOfLongNames)
{
    EXPECT_EQ(SymbolTable::hashName("abc", 3), 83);
    // 25 characters: hashed from the second, so the first does not count.
    std::string a25 = "a" + std::string(24, 'q'), b25 = "b" + std::string(24, 'q');
    EXPECT_EQ(SymbolTable::hashName(a25.c_str(), 25), SymbolTable::hashName(b25.c_str(), 25));
    // 26 characters: hashed from the first over 24, so the last two do not count.
    std::string a26 = std::string(24, 'q') + "ab", b26 = std::string(24, 'q') + "yz";
    EXPECT_EQ(SymbolTable::hashName(a26.c_str(), 26), SymbolTable::hashName(b26.c_str(), 26));
    // 24 characters are hashed whole.
    std::string a24 = "a" + std::string(23, 'q'), b24 = "b" + std::string(23, 'q');
    EXPECT_NE(SymbolTable::hashName(a24.c_str(), 24), SymbolTable::hashName(b24.c_str(), 24));
    // Bytes above 0x7F count as negative values; the sum is taken unsigned.
    // "\xC3" is -61: (unsigned)-61 % 100 = 4294967235 % 100 = 35.
    EXPECT_EQ(SymbolTable::hashName("\xC3", 1), 35);
}

TEST(SymbolTable, SetTokenResetsTheObjectTypeAndSetTypesKeepsTheToken)
{
    freshState();
    int symbol;
    symtab.findOrInsert("x", symbol);
    symtab.setToken(symbol, SymUnknown, TokIdentifier);
    symtab.setTypes(symbol, SymObject, TypeFrame);
    EXPECT_EQ(symtab.tokenOf(symbol), TokIdentifier);
    EXPECT_EQ(symtab.objectTypeOf(symbol), TypeFrame);
    symtab.setToken(symbol, SymLiteral, TokConstant);
    EXPECT_EQ(symtab.objectTypeOf(symbol), TypeUnknown);
    symtab.setValue(symbol, 42);
    EXPECT_EQ(symtab.valueOf(symbol), 42);
}

TEST(SymbolTable, PrintTokenNameWritesThePaddedName)
{
    freshState();
    testing::internal::CaptureStdout();
    symtab.printTokenName(TokEndOfInput);
    symtab.printTokenName(TokNewline);
    symtab.printTokenName(KwEnd);
    symtab.printTokenName(KwDriveListBox);
    symtab.printTokenName(KwOrganization);
    fflush(stdout);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "EndofLine   \\n         end        drivelistboxorganization");
}

TEST(SymbolTable, RoomForNamesTheLimitThatWouldBeExceeded)
{
    freshState();
    EXPECT_EQ(symtab.roomFor(10), nullptr);
    EXPECT_STREQ(symtab.roomFor(1200 - 482), "Symbol table full: more than 1200 characters of names");
    EXPECT_EQ(symtab.roomFor(1200 - 482 - 1), nullptr);
    int symbol;
    for (int i = 58; i < 200; ++i)
        symtab.findOrInsert(("n" + std::to_string(i)).c_str(), symbol);
    EXPECT_STREQ(symtab.roomFor(1), "Symbol table full: more than 200 names");
}

#include <gtest/gtest.h>

#include "parser/parser.h"

TEST(Grammar, CountsOfTheTables)
{
    int kinds[3] = {0, 0, 0};
    for (const GrammarSymbol& s : prodrhs)
        ++kinds[s.kind];
    EXPECT_EQ(kinds[KindNonterminal], 115);
    EXPECT_EQ(kinds[KindTerminal], 108);
    EXPECT_EQ(kinds[KindAction], 84);

    int nonzero = 0;
    for (const auto& row : prodtable)
        for (int p : row)
            nonzero += p != 0;
    EXPECT_EQ(nonzero, 135);
}

TEST(Grammar, ProductionsLieEndToEnd)
{
    EXPECT_EQ(prodindex[0].start, 0);
    EXPECT_EQ(prodindex[0].length, 0);
    int next = 0;
    for (int p = 1; p <= ProductionCount; ++p) {
        EXPECT_EQ(prodindex[p].start, next) << "production " << p;
        next += prodindex[p].length;
    }
    EXPECT_EQ(next, RhsCount);
    for (int p : {17, 21, 46, 54})
        EXPECT_EQ(prodindex[p].length, 0) << "production " << p;
    EXPECT_EQ(prodindex[17].start, 49);
    EXPECT_EQ(prodindex[21].start, 60);
    EXPECT_EQ(prodindex[46].start, 139);
    EXPECT_EQ(prodindex[54].start, 170);
}

TEST(Grammar, SymbolsAreInRange)
{
    for (const GrammarSymbol& s : prodrhs) {
        const int limit[] = {NonterminalCount, 54, ActionCount};
        EXPECT_LT(s.symbol, limit[s.kind]);
    }
    // Every action occurs somewhere.
    bool seen[ActionCount] = {};
    for (const GrammarSymbol& s : prodrhs)
        if (s.kind == KindAction) seen[s.symbol] = true;
    for (int a = 0; a < ActionCount; ++a)
        EXPECT_TRUE(seen[a]) << actionnames[a];
}

TEST(Grammar, TokensAfterTheLastKeywordSelectNothingButEndOfInputInMoreReturns)
{
    for (int row = 0; row < NonterminalCount; ++row)
        for (int token = 54; token < ColumnCount; ++token)
            if (!(row == NTMoreReturns && token == TokEndOfInput)) {
                EXPECT_EQ(prodtable[row][token], 0) << ntnames[row] << " on " << token;
            }
    EXPECT_EQ(prodtable[NTMoreReturns][TokEndOfInput], 54);
    // The six entries beyond the textbook construction.
    for (int token : {0, 1, 30, 37, 52, 54})
        EXPECT_EQ(prodtable[NTMoreReturns][token], 54) << token;
    EXPECT_EQ(prodtable[NTMoreReturns][TokNewline], 53);
}

TEST(Grammar, NamesOfNonterminalsAndActions)
{
    EXPECT_STREQ(ntnames[0], "NTForm");
    EXPECT_STREQ(ntnames[12], "NTMoresectDecls");
    EXPECT_STREQ(ntnames[52], "NTMoreReturns");
    EXPECT_STREQ(actionnames[0], "AcAnnotateForm");
    EXPECT_STREQ(actionnames[37], "AcInstallLrgChange");
    // "columns" selects the organization in NTSectionOrg and the list-box
    // attribute in NTColumnsAttrib.
    EXPECT_EQ(prodtable[NTSectionOrg][6], 14);
    EXPECT_EQ(prodtable[NTColumnsAttrib][6], 58);
}

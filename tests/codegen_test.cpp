#include <gtest/gtest.h>

#include "codegen/codegen.h"
#include "support.h"
#include "symbols/symbols.h"

TEST(Codegen, ReservedWordsAreBracketedAndOtherNamesKept)
{
    ASSERT_TRUE(reservedTableIsSorted());
    freshState();
    std::string out;
    for (const char* name : {"next", "me", "xor", "addhandler", "nexts", "okbutton", "lbl2", "region"}) {
        int symbol;
        symtab.findOrInsert(name, symbol);
        writeIdentifier(symbol, out);
        out += ' ';
    }
    EXPECT_EQ(out, "[next] [me] [xor] [addhandler] nexts okbutton lbl2 region ");
}

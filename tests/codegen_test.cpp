#include <gtest/gtest.h>

#include "codegen/codegen.h"
#include "support.h"
#include "symbols/symbols.h"

TEST(Codegen, ReservedWordsAreBracketedAndOtherNamesKept)
{
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

TEST(Codegen, NamesTheGeneratedClassCannotTake)
{
    for (const char* name : {"text", "name", "components", "initializecomponent", "autoscalebasesize"})
        EXPECT_TRUE(isClassMember(name)) << name;
    for (const char* name : {"texts", "form", "me", "system"})
        EXPECT_FALSE(isClassMember(name)) << name;
    EXPECT_TRUE(isUsedNamespace("system"));
    EXPECT_TRUE(isUsedNamespace("microsoft"));
    EXPECT_FALSE(isUsedNamespace("systems"));

    EXPECT_EQ(labelName(0), "lbl0");
    EXPECT_EQ(labelName(17), "lbl17");
    EXPECT_EQ(labelNumberOf("lbl0"), 0);
    EXPECT_EQ(labelNumberOf("lbl17"), 17);
    // Only the spelling the writer produces: no leading zero, digits only.
    for (const char* name : {"lbl", "lbl01", "lbl1x", "label1", "lblx", "xlbl1"})
        EXPECT_EQ(labelNumberOf(name), -1) << name;
}

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
    for (const char* name : {"components", "dispose", "initializecomponent"})
        EXPECT_TRUE(isClassMember(name)) << name;
    for (const char* name : {"text", "name", "controls", "texts", "form", "me", "system"})
        EXPECT_FALSE(isClassMember(name)) << name;
    // The base members a control may shadow, each with its own number.
    EXPECT_EQ(baseMemberOf("autoscalebasesize"), BaseAutoScaleBaseSize);
    EXPECT_EQ(baseMemberOf("clientsize"), BaseClientSize);
    EXPECT_EQ(baseMemberOf("controls"), BaseControls);
    EXPECT_EQ(baseMemberOf("name"), BaseName);
    EXPECT_EQ(baseMemberOf("resumelayout"), BaseResumeLayout);
    EXPECT_EQ(baseMemberOf("suspendlayout"), BaseSuspendLayout);
    EXPECT_EQ(baseMemberOf("text"), BaseText);
    for (const char* name : {"components", "texts", "location", "size", "me"})
        EXPECT_EQ(baseMemberOf(name), -1) << name;
    EXPECT_TRUE(isUsedNamespace("system"));
    EXPECT_TRUE(isUsedNamespace("microsoft"));
    EXPECT_FALSE(isUsedNamespace("systems"));

    EXPECT_EQ(labelName(0), "lbl0");
    EXPECT_EQ(labelName(17), "lbl17");
    EXPECT_EQ(labelNumberOf("lbl0"), 0);
    EXPECT_EQ(labelNumberOf("lbl17"), 17);
    // Only the spelling the writer produces: no leading zero, digits only.
    EXPECT_EQ(labelNumberOf("lbl999999999"), 999999999);
    // Ten digits and more name no label: lbl4294967297 is not lbl1.
    for (const char* name : {"lbl", "lbl01", "lbl1x", "label1", "lblx", "xlbl1", "lbl4294967297", "lbl1000000000"})
        EXPECT_EQ(labelNumberOf(name), -1) << name;
}

namespace {

std::string written(const char* quoted, TextReading reading)
{
    std::string out;
    writeText(quoted, reading, out);
    return out;
}

}  // namespace

// Visual Basic ends a string at U+201C, U+201D and U+FF02 too: those are
// written by their code and joined to the rest; every other byte stays.
TEST(Codegen, TypographicQuotesInUtf8TextsAreWrittenByTheirCode)
{
    const TextReading utf8 = TextReading::Utf8;
    EXPECT_EQ(written("\"say \xE2\x80\x9Chi\xE2\x80\x9D\"", utf8),
              "\"say \" & Microsoft.VisualBasic.ChrW(&H201C) & \"hi\" & Microsoft.VisualBasic.ChrW(&H201D)");
    EXPECT_EQ(written("\"\xEF\xBC\x82\"", utf8), "Microsoft.VisualBasic.ChrW(&HFF02)");
    EXPECT_EQ(written("\"\xE2\x80\x9D\xE2\x80\x9C\"", utf8),
              "Microsoft.VisualBasic.ChrW(&H201D) & Microsoft.VisualBasic.ChrW(&H201C)");
    // Other characters of the same lead bytes, and other texts, stay as they are.
    for (const char* kept : {"\"\"", "\"OK\"", "\"Gr\xC3\xBC\xC3\x9F" "e \xE2\x9C\x93\"", "\"\xE2\x80\x98x\xE2\x80\x99\"",
                             "\"\xE2\x80\x9E\"", "\"\xEF\xBC\x81\"", "\"it's\""})
        EXPECT_EQ(written(kept, utf8), kept);
    // In Windows-1252 the UTF-8 bytes of a typographic quote are no quote.
    EXPECT_EQ(written("\"\xE2\x80\x9C\"", TextReading::Windows1252), "\"\xE2\x80\x9C\"");
}

TEST(Codegen, Windows1252QuotesAreWrittenByTheirCode)
{
    EXPECT_EQ(written("\"\x93hi\x94 caf\xE9\"", TextReading::Windows1252),
              "Microsoft.VisualBasic.ChrW(&H201C) & \"hi\" & Microsoft.VisualBasic.ChrW(&H201D) & \" caf\xE9\"");
    EXPECT_EQ(written("\"caf\xE9 \x80\"", TextReading::Windows1252), "\"caf\xE9 \x80\"");
    // Every byte above 0x7F by its Windows-1252 character.
    EXPECT_EQ(written("\"\x93\xC3\xA9\x80\x81\x9F\xFF\"", TextReading::Windows1252ByCode),
              "Microsoft.VisualBasic.ChrW(&H201C) & Microsoft.VisualBasic.ChrW(&HC3) & "
              "Microsoft.VisualBasic.ChrW(&HA9) & Microsoft.VisualBasic.ChrW(&H20AC) & "
              "Microsoft.VisualBasic.ChrW(&H81) & Microsoft.VisualBasic.ChrW(&H178) & "
              "Microsoft.VisualBasic.ChrW(&HFF)");
    EXPECT_EQ(written("\"a b\"", TextReading::Windows1252ByCode), "\"a b\"");
}

// The texts of a form are read together: as UTF-8 while all of them are
// valid UTF-8, else as Windows-1252, where only 0x93 and 0x94 are quotes,
// unless writing those by their code would leave valid UTF-8 behind.
TEST(Codegen, TheTextsOfAFormAreReadTogether)
{
    using V = std::vector<const char*>;
    EXPECT_EQ(textReading(V{"\"OK\"", "\"\xE2\x80\x9Chi\xE2\x80\x9D\"", "\"\xF0\x9F\x98\x80\""}), TextReading::Utf8);
    EXPECT_EQ(textReading(V{"\"caf\xE9\""}), TextReading::Windows1252);
    EXPECT_EQ(textReading(V{"\"\x93hi\x94\""}), TextReading::Windows1252);
    EXPECT_EQ(textReading(V{"\"\x93hi\x94\"", "\"caf\xE9\""}), TextReading::Windows1252);
    EXPECT_EQ(textReading(V{"\"Gr\xC3\xBC\xC3\x9F" "e\"", "\"caf\xE9\""}), TextReading::Windows1252);
    // With its quotes written by their code this would read as UTF-8 "é".
    EXPECT_EQ(textReading(V{"\"\x93hi\x94\"", "\"\xC3\xA9\""}), TextReading::Windows1252ByCode);
    EXPECT_EQ(textReading(V{"\"\xE2\x80\x9C\x93\""}), TextReading::Windows1252ByCode);
    // A quote byte between the two halves of a sequence splits it.
    EXPECT_EQ(textReading(V{"\"\xC3\x93\xA9\""}), TextReading::Windows1252);
    EXPECT_EQ(textReading(V{"\"\xE2\x80\x93\"", "\"\x94\""}), TextReading::Windows1252);
    // Overlong forms, surrogates, code points above U+10FFFF and cut
    // sequences are not UTF-8.
    for (const char* bad : {"\"\xC0\x80\"", "\"\xE0\x80\x80\"", "\"\xED\xA0\x80\"", "\"\xF4\x90\x80\x80\"",
                            "\"\xF5\x80\x80\x80\"", "\"\xE2\x80\"", "\"\x80\""})
        EXPECT_EQ(textReading(V{bad}), TextReading::Windows1252) << bad;
}

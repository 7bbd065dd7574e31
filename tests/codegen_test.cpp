#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "codegen/codegen.h"
#include "support.h"
#include "vb/vb.h"

using namespace vb;

TEST(Codegen, ReservedWordsAreBracketedAndOtherNamesKept)
{
    std::string out;
    for (const char* name : {"next", "me", "xor", "addhandler", "nexts", "okbutton", "lbl2", "region"}) {
        writeIdentifier(name, out);
        out += ' ';
    }
    EXPECT_EQ(out, "[next] [me] [xor] [addhandler] nexts okbutton lbl2 region ");
    EXPECT_TRUE(isReserved("next"));
    EXPECT_FALSE(isReserved("nexts"));
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
    EXPECT_TRUE(isMyNamespace("my"));
    EXPECT_FALSE(isMyNamespace("mine"));

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
    using V = std::vector<std::string_view>;
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

// The class text is a function of the laid-out form and the writer's
// options: written again from the form of a compilation, it is the text the
// compilation gave.
TEST(Codegen, TheClassIsWrittenFromTheForm)
{
    const std::string source = readBytes(KAVEL_SOURCE_DIR "/examples/sample.fms");
    ASSERT_FALSE(source.empty());
    const CompileResult plain = compileSource(source);
    ASSERT_EQ(plain.status, 0);
    ASSERT_NE(plain.form, nullptr);
    EXPECT_EQ(writeClass(*plain.form), plain.vb);
    EXPECT_EQ(writeClass(*plain.form, WriterOptions{false}), plain.vb);
    // The class of the example as the end-to-end cases expect it.
    EXPECT_EQ(plain.vb, readBytes(KAVEL_SOURCE_DIR "/tests/cases/fixtures/sample.vb"));

    CompileOptions strictOptions;
    strictOptions.strict = true;
    const CompileResult strict = compileSource(source, strictOptions);
    ASSERT_EQ(strict.status, 0);
    EXPECT_EQ(writeClass(*strict.form, WriterOptions{true}), strict.vb);
    EXPECT_EQ(strict.vb, readBytes(KAVEL_SOURCE_DIR "/tests/cases/fixtures/sample-strict.vb"));
    // The laid-out form is the same; only the writer's options differ.
    EXPECT_EQ(writeClass(*strict.form), plain.vb);
}

TEST(Codegen, TheTextsOfAFormAndTheTypesOfItsControls)
{
    const CompileResult r = compileSource(formWith(
        "columns", "section\ncommandbutton ok\ncaption = \"OK\"\nend\n"
                   "textbox t\nheight = 1\nwidth = small\nlabel = \"Name\"\nend\n"
                   "timer tick\ninterval = 9\nend\nend\n"));
    ASSERT_EQ(r.status, 0);
    const std::vector<std::string_view> texts = formTexts(*r.form);
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts.front(), "\"Demo\"");   // the caption first
    EXPECT_NE(std::find(texts.begin(), texts.end(), "\"OK\""), texts.end());
    EXPECT_NE(std::find(texts.begin(), texts.end(), "\"Name\""), texts.end());
    std::vector<std::string> types;
    walkControls(*r.form, [&](const Control& c) { types.push_back(typeOf(c)); });
    EXPECT_EQ(types, (std::vector<std::string>{"System.Windows.Forms.Button", "System.Windows.Forms.TextBox",
                                               "System.Windows.Forms.Label", "System.Windows.Forms.Timer"}));
}

TEST(Codegen, DecodedTexts)
{
    EXPECT_EQ(decodeText("\"OK\"", TextReading::Utf8), "OK");
    EXPECT_EQ(decodeText("\"caf\xE9 \x93x\x94\"", TextReading::Windows1252), "caf\xC3\xA9 \xE2\x80\x9Cx\xE2\x80\x9D");
    EXPECT_EQ(decodeText("\"\xE2\x9C\x93\"", TextReading::Utf8), "\xE2\x9C\x93");
    EXPECT_EQ(decodeText("\"\x80\"", TextReading::Windows1252ByCode), "\xE2\x82\xAC");
}

// The layout warnings on forms made by hand, where the layout itself cannot
// make the case: touching edges, hidden and empty controls, option buttons of
// one frame and of two, and controls past each edge of the client area; and
// their outlines in the picture.
#include <gtest/gtest.h>

#include "codegen/codegen.h"
#include "form/form.h"

namespace {

Control* add(std::vector<std::unique_ptr<Control>>& list, ControlKind kind, const char* name, int left, int top,
             int width, int height, std::size_t offset)
{
    auto c = std::make_unique<Control>();
    c->kind = kind;
    c->name = c->written = name;
    c->left = left;
    c->top = top;
    c->width = width;
    c->height = height;
    c->at = {offset, 1};
    list.push_back(std::move(c));
    return list.back().get();
}

Form formOf(int width, int height)
{
    Form f;
    f.clientWidth = width;
    f.clientHeight = height;
    f.sections.emplace_back();
    return f;
}

TEST(LayoutWarnings, TouchingEdgesDoNotOverlap)
{
    Form f = formOf(312, 213);
    auto& list = f.sections[0].controls;
    add(list, KindCommandButton, "a", 40, 40, 81, 33, 1);
    add(list, KindCommandButton, "b", 121, 40, 81, 33, 2);    // right of a, sharing its edge
    add(list, KindCommandButton, "c", 40, 73, 81, 33, 3);     // below a
    EXPECT_TRUE(layoutWarnings(f).empty());
}

TEST(LayoutWarnings, OnePixelOverlapAtTheLaterControl)
{
    Form f = formOf(312, 213);
    auto& list = f.sections[0].controls;
    const Control* a = add(list, KindCommandButton, "a", 40, 40, 81, 33, 1);
    const Control* b = add(list, KindCheckBox, "b", 120, 72, 81, 21, 2);   // shares the pixel 120,72
    const auto w = layoutWarnings(f);
    ASSERT_EQ(w.size(), 1u);
    EXPECT_EQ(w[0].kind, LayoutWarning::Kind::Overlap);
    EXPECT_EQ(w[0].control, b);
    EXPECT_EQ(w[0].other, a);
    const Diagnostic d = diagnosticOf(w[0], f);
    EXPECT_EQ(d.id, Diag::Overlap);
    EXPECT_EQ(d.code, 601);
    EXPECT_EQ(d.kind, DiagKind::Warning);
    EXPECT_EQ(d.status, 0);
    EXPECT_EQ(d.offset, 2u);
    EXPECT_EQ(d.text, "checkbox 'b' at 120,72 size 81x21 overlaps commandbutton 'a' at 40,40 size 81x33");
}

TEST(LayoutWarnings, HiddenEmptyAndTimersTakeNoPart)
{
    Form f = formOf(312, 213);
    auto& list = f.sections[0].controls;
    add(list, KindListBox, "empty", 40, 40, 121, 0, 1);    // a list box of another style: no height
    add(list, KindTimer, "t", 0, 0, 0, 0, 2);
    Control* frame = add(list, KindFrame, "f", 40, 40, 129, 97, 3);
    add(frame->options, KindOptionButton, "shown", 24, 32, 81, 33, 4);
    add(frame->options, KindOptionButton, "hidden", 1, 12, 81, 33, 5)->visible = false;
    add(list, KindTimer, "later", 500, 500, 0, 0, 6);
    EXPECT_TRUE(layoutWarnings(f).empty());
}

TEST(LayoutWarnings, OptionButtonsAreComparedWithinTheirFrame)
{
    Form f = formOf(600, 213);
    auto& list = f.sections[0].controls;
    Control* one = add(list, KindFrame, "one", 40, 40, 129, 97, 1);
    const Control* first = add(one->options, KindOptionButton, "first", 24, 32, 81, 33, 2);
    const Control* second = add(one->options, KindOptionButton, "second", 30, 40, 81, 33, 3);
    // The same place in another frame overlaps nothing of the first.
    Control* two = add(list, KindFrame, "two", 300, 40, 129, 97, 4);
    add(two->options, KindOptionButton, "third", 24, 32, 81, 33, 5);
    const auto w = layoutWarnings(f);
    ASSERT_EQ(w.size(), 1u);
    EXPECT_EQ(w[0].control, second);
    EXPECT_EQ(w[0].other, first);
    EXPECT_EQ(w[0].frame, one);
}

TEST(LayoutWarnings, OutsideEachEdge)
{
    Form f = formOf(312, 213);
    auto& list = f.sections[0].controls;
    add(list, KindCommandButton, "inside", 231, 180, 81, 33, 1);   // ends exactly at 312,213
    add(list, KindCommandButton, "right", 232, 40, 81, 33, 2);
    add(list, KindCommandButton, "below", 40, 181, 81, 33, 3);
    add(list, KindCommandButton, "left", -1, 100, 20, 20, 4);
    add(list, KindCommandButton, "above", 150, -1, 20, 20, 5);
    std::vector<std::string> outside;
    for (const LayoutWarning& w : layoutWarnings(f))
        if (w.kind == LayoutWarning::Kind::Outside)
            outside.push_back(w.control->name);
    EXPECT_EQ(outside, (std::vector<std::string>{"right", "below", "left", "above"}));
    const auto w = layoutWarnings(f);
    ASSERT_EQ(w.size(), 4u);   // and no overlap among them
    const Diagnostic d = diagnosticOf(w[0], f);
    EXPECT_EQ(d.code, 602);
    EXPECT_EQ(d.text, "commandbutton 'right' at 232,40 size 81x33 reaches outside the client area of 312x213");
}

TEST(LayoutWarnings, AnOptionButtonOutsideIsPlacedByItsFrame)
{
    Form f = formOf(312, 213);
    auto& list = f.sections[0].controls;
    Control* frame = add(list, KindFrame, "f", 200, 100, 129, 97, 1);   // itself past the right edge
    add(frame->options, KindOptionButton, "o", 24, 32, 81, 33, 2);   // 224..305: inside
    const Control* p = add(frame->options, KindOptionButton, "p", 60, 80, 81, 33, 3);   // 260..341: outside
    const auto w = layoutWarnings(f);
    ASSERT_EQ(w.size(), 2u);
    EXPECT_EQ(w[0].control, frame);
    EXPECT_EQ(w[1].control, p);
    EXPECT_EQ(diagnosticOf(w[1], f).text,
              "optionbutton 'p' at 260,180 size 81x33 reaches outside the client area of 312x213");
}

TEST(LayoutWarnings, ThePictureOutlinesTheWarningsGiven)
{
    Form f = formOf(312, 213);
    auto& list = f.sections[0].controls;
    add(list, KindCommandButton, "a", 40, 40, 81, 33, 0);
    add(list, KindCommandButton, "b", 100, 60, 81, 33, 2);   // overlaps a
    add(list, KindCommandButton, "c", -3, 150, 81, 33, 4);   // past the left edge
    const SourceBuffer source("hand.fms", "a\nb\nc\n");
    std::vector<Diagnostic> warnings;
    for (const LayoutWarning& w : layoutWarnings(f))
        warnings.push_back(diagnosticOf(w, f));
    ASSERT_EQ(warnings.size(), 2u);
    const std::string outline = "fill=\"none\" stroke=\"#E0001B\" stroke-dasharray=\"3 2\"><title>";
    const std::string picture = drawForm(f, source, warnings);
    // Both controls of the overlap, one pixel line just inside each.
    EXPECT_NE(picture.find("<rect x=\"100.5\" y=\"60.5\" width=\"80\" height=\"32\" " + outline +
                           "commandbutton &apos;b&apos; at 100,60 size 81x33 overlaps commandbutton &apos;a&apos;"),
              std::string::npos);
    EXPECT_NE(picture.find("<rect x=\"40.5\" y=\"40.5\" width=\"80\" height=\"32\" " + outline), std::string::npos);
    // Left of the client area: -3 + 0.5.
    EXPECT_NE(picture.find("<rect x=\"-2.5\" y=\"150.5\" width=\"80\" height=\"32\" " + outline +
                           "commandbutton &apos;c&apos; at -3,150 size 81x33 reaches outside"),
              std::string::npos);
    // Each control at the line and column of its name.
    EXPECT_NE(picture.find("<g data-name=\"c\" data-kind=\"commandbutton\" data-line=\"3\" data-column=\"1\""),
              std::string::npos);
    // Without the warnings, no outline.
    EXPECT_EQ(drawForm(f, source, {}).find("stroke-dasharray"), std::string::npos);
}

}  // namespace

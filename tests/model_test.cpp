// The form tree and the layout after parsing small sources: kinds, tree
// shape, positions, sizes, tab indices, form size and screen position.
#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <fstream>
#include <sstream>

#include "form/form.h"
#include "scanner/scanner.h"
#include "support.h"
#include "symbols/symbols.h"

namespace {

// The control whose name (first son) is `name`, anywhere in the tree.
FormNode* find(FormNode* node, const char* name)
{
    for (FormNode* n = node; n != nullptr; n = n->nextSibling) {
        if (n->kind != KindNone && n->kind != KindForm && n->firstSon &&
            std::strcmp(symtab.nameOf(n->firstSon->symbol), name) == 0)
            return n;
        if (FormNode* found = find(n->firstSon, name))
            return found;
    }
    return nullptr;
}

struct Geometry {
    int left, top, width, height, tabIndex;
    bool operator==(const Geometry&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Geometry& g)
{
    return os << "(" << g.left << ", " << g.top << ") " << g.width << "x" << g.height << " tab " << g.tabIndex;
}

Geometry geometry(const char* name)
{
    FormNode* n = find(form.root, name);
    EXPECT_NE(n, nullptr) << name;
    if (n == nullptr) return {};
    Box b = boxOf(n);
    return {*b.left, *b.top, *b.width, *b.height, *b.tabIndex};
}

Geometry labelOf(const char* box)
{
    FormNode* n = find(form.root, box)->label();
    Box b = boxOf(n);
    EXPECT_EQ(n->kind, KindLabel);
    return {*b.left, *b.top, *b.width, *b.height, *b.tabIndex};
}

void accept(const std::string& source)
{
    ParseResult r = parseSource(source);
    ASSERT_EQ(r.status, 0) << r.out << r.err;
}

const char* const button = "commandbutton %s\ncaption = \"B\"\nend\n";

std::string buttons(int count, int first = 0)
{
    std::string s;
    for (int i = 0; i < count; ++i) s += "commandbutton b" + std::to_string(first + i) + "\ncaption = \"B\"\nend\n";
    return s;
}

std::string section(const std::string& body) { return "section\n" + body + "end\n"; }

const FormRecord& formRecord() { return form.root->props.form; }

}  // namespace

TEST(Model, ColumnsCommandButtonsStackDownwards)
{
    accept(formWith("columns", section(buttons(2))));
    EXPECT_EQ(geometry("b0"), (Geometry{132, 40, 81, 33, 0}));
    EXPECT_EQ(geometry("b1"), (Geometry{132, 99, 81, 33, 1}));
    EXPECT_EQ(formRecord().clientWidth, 312);
    EXPECT_EQ(formRecord().clientHeight, 213);
}

TEST(Model, RowsCommandButtonsRunToTheRight)
{
    accept(formWith("rows", section(buttons(2))));
    EXPECT_EQ(geometry("b0"), (Geometry{40, 56, 81, 33, 0}));
    EXPECT_EQ(geometry("b1"), (Geometry{161, 56, 81, 33, 1}));
}

TEST(Model, TextBoxesAndTheirLabels)
{
    accept(formWith("columns", section("textbox t\nheight = 1\nwidth = small\nlabel = \"Name\"\nend\n" + buttons(1))));
    EXPECT_EQ(geometry("t"), (Geometry{187, 40, 81, 21, 0}));
    EXPECT_EQ(labelOf("t"), (Geometry{80, 40, 81, 33, 1}));
    EXPECT_EQ(geometry("b0").top, 87);   // the column moved down to 87
    EXPECT_EQ(geometry("b0").tabIndex, 2);

    accept(formWith("rows", section("textbox t\nheight = 2\nwidth = medium\nlabel = \"Name\"\nend\n" + buttons(1))));
    EXPECT_EQ(geometry("t"), (Geometry{147, 56, 121, 34, 0}));
    EXPECT_EQ(labelOf("t"), (Geometry{40, 56, 81, 33, 1}));
    EXPECT_EQ(form.nextLeft, 348 + 121);   // 40 + 228 + 80, then the button
    EXPECT_EQ(geometry("b0").left, 348);

    // A wider box moves its label left so that the gap stays 26 pixels.
    accept(formWith("columns", section("textbox t\nheight = 1\nwidth = large\nlabel = \"Name\"\nend\n")));
    EXPECT_EQ(geometry("t").left, 147);
    EXPECT_EQ(labelOf("t").left, 40);
    EXPECT_EQ(labelOf("t").left + 81 + 26, geometry("t").left);
}

TEST(Model, TextAndCheckBoxesOfZeroLinesCentreOnTheRow)
{
    accept(formWith("rows", section("textbox t\nheight = 0\nwidth = small\nlabel = \"L\"\nend\n"
                                    "checkbox c\ncaption = \"C\"\nheight = 0\nwidth = small\nend\n")));
    EXPECT_EQ(geometry("t").top, 24 + 44);
    EXPECT_EQ(geometry("t").height, 8);
    EXPECT_EQ(geometry("c").top, 24 + 44);
}

TEST(Model, TopOffsetByLines)
{
    const int offsets[] = {38, 32, 23, 19, 12};
    for (int n = 1; n <= 5; ++n) {
        accept(formWith("rows", section("checkbox c\ncaption = \"C\"\nheight = " + std::to_string(n) +
                                        "\nwidth = medium\nend\n")));
        EXPECT_EQ(geometry("c"), (Geometry{40, 24 + offsets[n - 1], 121, 13 * n + 8, 0})) << n;
    }
}

TEST(Model, ListBoxHeightsByStyle)
{
    auto list = [](int style, int height) {
        return "listbox l\nsorted = true\nstyle = " + std::to_string(style) + "\nheight = " +
               std::to_string(height) + "\nwidth = small\ncolumns = 2\nend\n";
    };
    accept(formWith("columns", section(list(1, 3) + buttons(1))));
    EXPECT_EQ(geometry("l"), (Geometry{73 + 40, 40, 121, 49, 0}));
    EXPECT_EQ(geometry("b0").top, 40 + 47 + 26);
    EXPECT_EQ(find(form.root, "l")->props.listBox.columns, 2);
    EXPECT_EQ(find(form.root, "l")->props.listBox.sorted, 1);

    accept(formWith("rows", section(list(0, 4))));
    EXPECT_EQ(geometry("l"), (Geometry{40, 24 + 48 - 28, 121, 56, 0}));
    // Any other style is a plain list box, as high as style 0.
    accept(formWith("rows", section(list(2, 4))));
    EXPECT_EQ(geometry("l"), (Geometry{40, 24 + 48 - 28, 121, 56, 0}));
}

TEST(Model, FileAndDirectoryListBoxes)
{
    accept(formWith("columns", section("filelistbox f\nheight = 2\nwidth = medium\nend\n"
                                       "dirlistbox d\nheight = 2\nwidth = large\nend\n")));
    EXPECT_EQ(geometry("f"), (Geometry{40 + 73 - 20, 40, 161, 32, 0}));
    EXPECT_EQ(geometry("d"), (Geometry{40 + 73 - 40, 40 + 34 + 26, 201, 36, 1}));
}

TEST(Model, DriveAndComboBoxes)
{
    accept(formWith("columns", section("drivelistbox dr\nend\ncombobox co\nsorted = false\nstyle = 2\nwidth = medium\nend\n")));
    EXPECT_EQ(geometry("dr"), (Geometry{113, 40, 121, 21, 0}));
    EXPECT_EQ(geometry("co"), (Geometry{40 + 93 - 20, 100, 121, 21, 1}));
    EXPECT_STREQ(find(form.root, "co")->props.comboBox.text, "\"co\"");
    EXPECT_EQ(find(form.root, "co")->props.comboBox.style, 2);
    EXPECT_EQ(find(form.root, "co")->props.comboBox.sorted, 0);

    accept(formWith("rows", section("drivelistbox dr\nend\ncombobox co\nsorted = true\nstyle = 0\nwidth = small\nend\n")));
    EXPECT_EQ(geometry("dr"), (Geometry{40, 62, 121, 21, 0}));
    EXPECT_EQ(geometry("co"), (Geometry{201, 62, 81, 21, 1}));
}

TEST(Model, FifteenComboBoxesFillAColumn)
{
    std::string body;
    for (int i = 0; i < 15; ++i)
        body += "combobox c" + std::to_string(i) + "\nsorted = true\nstyle = 0\nwidth = small\nend\n";
    accept(formWith("columns", section(body)));
    EXPECT_EQ(geometry("c14"), (Geometry{133, 40 + 48 * 14, 81, 21, 14}));
    EXPECT_EQ(form.nextTop, 760);
    EXPECT_EQ(formRecord().clientHeight, 766);
}

TEST(Model, ScrollBars)
{
    auto bar = [](const char* name, const char* orientation, const char* length) {
        return std::string("scrollbar ") + name + "\norientation = " + orientation + "\nlength = " + length +
               "\nmin = 1\nmax = 9\nvalue = 5\nsmallchange = 2\nlargechange = 3\nend\n";
    };
    accept(formWith("columns", section(bar("h", "horizontal", "large") + bar("v", "vertical", "medium"))));
    EXPECT_EQ(geometry("h"), (Geometry{113, 40, 121, 17, 0}));   // 121 wide whatever the length
    EXPECT_EQ(geometry("v"), (Geometry{165, 84, 17, 201, 1}));
    const ScrollBarRecord& s = find(form.root, "h")->props.scrollBar;
    EXPECT_EQ(s.minimum, 1);
    EXPECT_EQ(s.maximum, 9);
    EXPECT_EQ(s.value, 5);
    EXPECT_EQ(s.smallChange, 2);
    EXPECT_EQ(s.largeChange, 3);
    EXPECT_EQ(s.horizontal, 1);
    EXPECT_EQ(find(form.root, "v")->props.scrollBar.horizontal, 0);
    EXPECT_EQ(formRecord().clientHeight, 84 + 201 + 26);   // grown down to the cursor

    accept(formWith("rows", section(bar("h", "horizontal", "small") + bar("v", "vertical", "small"))));
    EXPECT_EQ(geometry("h"), (Geometry{40, 64, 161, 17, 0}));
    EXPECT_EQ(geometry("v"), (Geometry{241, 22, 17, 101, 1}));
}

TEST(Model, ACheckBoxColumnStillMovesNextLeftAndAScrollBarWidensTheFormToIt)
{
    std::string body;
    for (int i = 0; i < 4; ++i)
        body += "checkbox c" + std::to_string(i) + "\ncaption = \"C\"\nheight = 1\nwidth = small\nend\n";
    body += "scrollbar s\norientation = horizontal\nlength = small\nmin = 0\nmax = 1\nvalue = 0\nsmallchange = 1\nlargechange = 1\nend\n";
    accept(formWith("columns", section(body)));
    EXPECT_EQ(form.nextLeft, 577);
    EXPECT_EQ(formRecord().clientWidth, 577);
}

TEST(Model, ColumnsWidenTheForm)
{
    accept(formWith("columns", section(buttons(1)) + section(buttons(1, 1)) + section(buttons(1, 2))));
    EXPECT_EQ(formRecord().clientWidth, 844);
    EXPECT_EQ(geometry("b1").left, 266 + 92);
    EXPECT_EQ(geometry("b2").left, 492 + 92);
    EXPECT_EQ(geometry("b2").top, 40);
}

TEST(Model, RowsMakeTheFormTaller)
{
    const int heights[] = {213, 235, 341, 447};
    std::string sections;
    for (int rows = 1; rows <= 4; ++rows) {
        sections += section(buttons(1, rows));
        accept(formWith("rows", sections));
        EXPECT_EQ(formRecord().clientHeight, heights[rows - 1]) << rows << " rows";
    }
    EXPECT_EQ(geometry("b4").top, 342 + 32);
    // No size check for a new row: eight rows make 871 without an error.
    for (int rows = 5; rows <= 8; ++rows) sections += section(buttons(1, rows));
    accept(formWith("rows", sections));
    EXPECT_EQ(formRecord().clientHeight, 871);
}

TEST(Model, FramesAndOptionButtons)
{
    auto option = [](const char* name, bool visible) {
        return std::string("optionbutton ") + name + "\ncaption = \"" + name + "\"\nvisible = " +
               (visible ? "true" : "false") + "\nend\n";
    };
    std::string frame = "frame f\ncaption = \"F\"\n" + option("o1", true) + option("o2", false) +
                        option("o3", true) + "end\n";
    accept(formWith("columns", section(frame + buttons(1))));
    EXPECT_EQ(geometry("o1"), (Geometry{24, 32, 81, 33, 0}));
    EXPECT_EQ(geometry("o2"), (Geometry{1, 12, 81, 33, 1}));
    EXPECT_EQ(geometry("o3"), (Geometry{24, 98, 81, 33, 2}));
    EXPECT_EQ(geometry("f"), (Geometry{110, 40, 129, 163, 3}));   // its tab index after its buttons
    EXPECT_EQ(find(form.root, "o2")->props.button.visible, 0);
    EXPECT_EQ(find(form.root, "o3")->props.button.visible, 1);
    EXPECT_STREQ(find(form.root, "o3")->props.button.text, "\"o3\"");
    EXPECT_EQ(geometry("b0").top, 40 + 163 + 26);
    EXPECT_EQ(geometry("b0").tabIndex, 4);

    accept(formWith("rows", section(frame)));
    EXPECT_EQ(geometry("o3"), (Geometry{130, 32, 81, 33, 2}));
    EXPECT_EQ(geometry("f"), (Geometry{40, 24, 235, 97, 3}));

    // All hidden: the frame keeps its start size.
    accept(formWith("rows", section("frame f\ncaption = \"F\"\n" + option("o1", false) + option("o2", false) + "end\n")));
    EXPECT_EQ(geometry("f").width, 129);
    EXPECT_EQ(geometry("f").height, 97);
    // The next frame starts afresh.
    accept(formWith("columns", section(frame + "frame g\ncaption = \"G\"\n" + option("p1", true) + "end\n")));
    EXPECT_EQ(geometry("p1"), (Geometry{24, 32, 81, 33, 4}));
    EXPECT_EQ(geometry("g").height, 97);
}

TEST(Model, TimersTakeNoTabIndex)
{
    accept(formWith("columns", section(buttons(1) + "timer t\ninterval = 250\nend\n" + buttons(1, 1))));
    EXPECT_EQ(geometry("b0").tabIndex, 0);
    EXPECT_EQ(geometry("b1").tabIndex, 1);
    FormNode* t = find(form.root, "t");
    EXPECT_EQ(t->kind, KindTimer);
    EXPECT_EQ(t->props.timer.interval, 250);
}

TEST(Model, ScreenPosition)
{
    accept(formWith("columns", section(buttons(1)), "middle center"));
    EXPECT_EQ(formRecord().screenTop, 277);
    EXPECT_EQ(formRecord().screenLeft, 356);
    accept(formWith("columns", section(buttons(1)), "bottom right"));
    EXPECT_EQ(formRecord().screenTop, 532);
    EXPECT_EQ(formRecord().screenLeft, 708);
    accept(formWith("columns", section(buttons(1)), "top left"));
    EXPECT_EQ(formRecord().screenTop, 23);
    EXPECT_EQ(formRecord().screenLeft, 4);
    EXPECT_EQ(formRecord().startPosition, 3);
    EXPECT_STREQ(formRecord().topic, "\"Form1\"");
    EXPECT_EQ(formRecord().scaleWidth, 312);
    EXPECT_EQ(formRecord().scaleHeight, 213);
}

TEST(Model, TreeShape)
{
    accept(formWith("columns", section("textbox t\nheight = 1\nwidth = small\nlabel = \"L\"\nend\n")));
    FormNode* root = form.root;
    EXPECT_EQ(root->kind, KindForm);
    EXPECT_EQ(root->symbol, 16);
    EXPECT_EQ(currentNode, root);
    EXPECT_STREQ(symtab.nameOf(root->son(1)->symbol), "demo");
    EXPECT_STREQ(symtab.nameOf(root->son(2)->symbol), "location");
    EXPECT_STREQ(symtab.nameOf(root->location()->son(1)->symbol), "top");
    EXPECT_STREQ(symtab.nameOf(root->son(2)->son(2)->symbol), "left");
    EXPECT_STREQ(symtab.nameOf(root->caption()->symbol), "\"Demo\"");
    EXPECT_STREQ(symtab.nameOf(root->son(4)->symbol), "columns");
    FormNode* sect = root->son(5);
    EXPECT_STREQ(symtab.nameOf(sect->symbol), "section");
    EXPECT_EQ(root->son(6), nullptr);
    FormNode* box = sect->firstSon;
    EXPECT_EQ(box->kind, KindTextBox);
    EXPECT_EQ(box->father, sect);
    EXPECT_STREQ(symtab.nameOf(box->son(1)->symbol), "t");
    EXPECT_STREQ(symtab.nameOf(box->son(2)->symbol), "1");
    EXPECT_STREQ(symtab.nameOf(box->son(3)->symbol), "width");
    EXPECT_STREQ(symtab.nameOf(box->widthAttribute()->son(1)->symbol), "small");
    EXPECT_EQ(box->label()->kind, KindLabel);
    EXPECT_EQ(box->son(4)->firstSon, nullptr);
    EXPECT_STREQ(box->son(4)->props.label.text, "\"L\"");
    EXPECT_EQ(box->props.textBox.multiLine, 1);
    EXPECT_EQ(box->props.textBox.text[0], '\0');
    // Declared names carry the object type, which is not the node's kind.
    EXPECT_EQ(symtab.objectTypeOf(box->son(1)->symbol), TypeTextBox);
}

TEST(Model, ObjectTypesAndKindsDifferForOptionButtonsTimersAndListBoxes)
{
    accept(formWith("columns", section("frame f\ncaption = \"F\"\noptionbutton o\ncaption = \"O\"\nvisible = true\nend\nend\n"
                                       "timer t\ninterval = 1\nend\n"
                                       "listbox l\nsorted = true\nstyle = 0\nheight = 1\nwidth = small\ncolumns = 1\nend\n")));
    EXPECT_EQ(find(form.root, "o")->kind, KindOptionButton);
    EXPECT_EQ(symtab.objectTypeOf(find(form.root, "o")->firstSon->symbol), TypeOptionButton);
    EXPECT_EQ(find(form.root, "t")->kind, KindTimer);
    EXPECT_EQ(symtab.objectTypeOf(find(form.root, "t")->firstSon->symbol), TypeTimer);
    EXPECT_EQ(find(form.root, "l")->kind, KindListBox);
    EXPECT_EQ(symtab.objectTypeOf(find(form.root, "l")->firstSon->symbol), TypeListBox);
    EXPECT_EQ(symtab.symbolTypeOf(find(form.root, "l")->firstSon->symbol), SymObject);
}

TEST(Model, SetterRules)
{
    FormNode node{};
    node.kind = KindComboBox;
    form.installSorted(&node, KwTrue);
    EXPECT_EQ(node.props.comboBox.sorted, 1);
    form.installSorted(&node, KwFalse);
    EXPECT_EQ(node.props.comboBox.sorted, 0);
    form.installSorted(&node, KwRows);   // anything but "false" sorts
    EXPECT_EQ(node.props.comboBox.sorted, 1);
    FormNode bar{};
    bar.kind = KindScrollBar;
    form.installOrientation(&bar, KwVertical);
    EXPECT_EQ(bar.props.scrollBar.horizontal, 0);
    form.installOrientation(&bar, KwHorizontal);
    EXPECT_EQ(bar.props.scrollBar.horizontal, 1);
    // A caption on a kind without a caption field changes nothing.
    FormNode box{};
    box.kind = KindTextBox;
    form.installCaption(&box, 16);
    EXPECT_EQ(box.props.textBox.height, 0);
    EXPECT_EQ(box.props.textBox.text[0], '\0');
}

TEST(Model, TheExampleSource)
{
    std::ifstream in(KAVEL_SOURCE_DIR "/examples/sample.fms");
    std::stringstream text;
    text << in.rdbuf();
    ParseResult r = parseSource(text.str());
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_EQ(geometry("okbutton"), (Geometry{40, 56, 81, 33, 0}));
    EXPECT_EQ(geometry("namebox"), (Geometry{268, 62, 121, 21, 1}));
    EXPECT_EQ(labelOf("namebox"), (Geometry{161, 56, 81, 33, 2}));
    EXPECT_EQ(geometry("agree"), (Geometry{469, 62, 81, 21, 3}));
    EXPECT_EQ(geometry("colours"), (Geometry{40, 168, 161, 21, 4}));
    EXPECT_EQ(geometry("items"), (Geometry{241, 150, 161, 56, 5}));
    EXPECT_EQ(geometry("first"), (Geometry{24, 32, 81, 33, 6}));
    EXPECT_EQ(geometry("second"), (Geometry{1, 12, 81, 33, 7}));
    EXPECT_EQ(geometry("choice"), (Geometry{442, 130, 129, 97, 8}));
    EXPECT_EQ(geometry("drives"), (Geometry{40, 274, 121, 21, 9}));
    EXPECT_EQ(geometry("folders"), (Geometry{201, 244, 161, 81, 10}));
    EXPECT_EQ(geometry("files"), (Geometry{402, 249, 161, 71, 11}));
    EXPECT_EQ(geometry("level"), (Geometry{603, 276, 201, 17, 12}));
    EXPECT_EQ(formRecord().clientWidth, 844);
    EXPECT_EQ(formRecord().clientHeight, 341);
    EXPECT_EQ(formRecord().screenTop, (768 - 341) / 2);
    EXPECT_EQ(formRecord().screenLeft, (1024 - 844) / 2);
}

// A control may not take the name of a member that the generated class
// declares itself, in any letter case; brackets would not help. The message
// names the name as the scanner folded it.
TEST(Model, ControlsNamedLikeMembersOfTheClassAreRefused)
{
    for (const char* name : {"components", "Dispose", "InitializeComponent"}) {
        ParseResult r = parseSource(formWith("columns", section(std::string("commandbutton ok\ncaption = \"OK\"\nend\n") +
                                                                "checkbox " + name + "\ncaption = \"C\"\n")));
        std::string folded = name;
        for (char& c : folded) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        EXPECT_EQ(r.status, 4) << name;
        EXPECT_EQ(r.out, "Object name " + folded + " is taken: the generated form class declares it itself on line 10\n")
            << name;
        EXPECT_EQ(r.err, "") << name;
    }
    // Names that merely start like one are free.
    accept(formWith("columns", section("checkbox componentsx\ncaption = \"C\"\nheight = 1\nwidth = small\nend\n"
                                       "checkbox disposed\ncaption = \"C\"\nheight = 1\nwidth = small\nend\n")));
}

// The members of the Form base class that the class uses on itself are free:
// their fields shadow the member, and the class reaches it through MyBase.
TEST(Model, ControlsNamedLikeMembersOfTheFormBaseClassAreAccepted)
{
    for (const char* name : {"autoscalebasesize", "ClientSize", "controls", "NAME", "resumelayout", "SuspendLayout",
                             "text"})
        accept(formWith("columns", section(std::string("checkbox ") + name +
                                           "\ncaption = \"C\"\nheight = 1\nwidth = small\nend\n")));
}

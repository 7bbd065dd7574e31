// The form model and the layout after compiling small sources: kinds, the
// shape of the model, positions, sizes, tab indices, form size and screen
// position.
#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

#include "form/form.h"
#include "support.h"

namespace {

// The result of the last source accepted.
CompileResult current;

// The control of that name (as the generated code names it), anywhere in
// the form: in a section, a text box's label or a frame's option button.
const Control* find(const char* name)
{
    const Control* found = nullptr;
    if (current.form)
        walkControls(*current.form, [&](const Control& c) {
            if (found == nullptr && c.name == name) found = &c;
        });
    return found;
}

struct Geometry {
    int left, top, width, height, tabIndex;
    bool operator==(const Geometry&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Geometry& g)
{
    return os << "(" << g.left << ", " << g.top << ") " << g.width << "x" << g.height << " tab " << g.tabIndex;
}

Geometry geometryOf(const Control& c) { return {c.left, c.top, c.width, c.height, c.tabIndex}; }

Geometry geometry(const char* name)
{
    const Control* c = find(name);
    EXPECT_NE(c, nullptr) << name;
    if (c == nullptr) return {};
    return geometryOf(*c);
}

Geometry labelOf(const char* box)
{
    const Control* c = find(box);
    EXPECT_TRUE(c != nullptr && c->label != nullptr) << box;
    if (c == nullptr || c->label == nullptr) return {};
    EXPECT_EQ(c->label->kind, KindLabel);
    return geometryOf(*c->label);
}

void accept(const std::string& source, const CompileOptions& options = {})
{
    current = compileSource(source, options);
    ASSERT_EQ(current.status, 0) << (current.diagnostics.empty() ? std::string() : current.diagnostics[0].text);
    ASSERT_NE(current.form, nullptr);
    EXPECT_TRUE(current.diagnostics.empty());
}

std::string buttons(int count, int first = 0)
{
    std::string s;
    for (int i = 0; i < count; ++i) s += "commandbutton b" + std::to_string(first + i) + "\ncaption = \"B\"\nend\n";
    return s;
}

std::string section(const std::string& body) { return "section\n" + body + "end\n"; }

const Form& formRecord() { return *current.form; }

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

    accept(formWith("rows", section("textbox t\nheight = 2\nwidth = medium\nlabel = \"Name\"\nend\n" + buttons(2))));
    EXPECT_EQ(geometry("t"), (Geometry{147, 56, 121, 34, 0}));
    EXPECT_EQ(labelOf("t"), (Geometry{40, 56, 81, 33, 1}));
    EXPECT_EQ(geometry("b0").left, 348);         // 40 + 228 + 80
    EXPECT_EQ(geometry("b1").left, 348 + 121);   // the cursor after the button

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
    EXPECT_EQ(find("l")->columns, 2);
    EXPECT_TRUE(find("l")->sorted);
    EXPECT_EQ(find("l")->style, 1);

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
    EXPECT_EQ(find("co")->style, 2);
    EXPECT_FALSE(find("co")->sorted);
    EXPECT_EQ(find("co")->kind, KindComboBox);
    EXPECT_EQ(find("dr")->kind, KindDriveListBox);

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
    const ScrollBarValues& s = find("h")->scrollBar;
    EXPECT_EQ(s.minimum, 1);
    EXPECT_EQ(s.maximum, 9);
    EXPECT_EQ(s.value, 5);
    EXPECT_EQ(s.smallChange, 2);
    EXPECT_EQ(s.largeChange, 3);
    EXPECT_TRUE(s.horizontal);
    EXPECT_FALSE(find("v")->scrollBar.horizontal);
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
    EXPECT_FALSE(find("o2")->visible);
    EXPECT_TRUE(find("o3")->visible);
    EXPECT_EQ(find("o3")->text, "\"o3\"");
    EXPECT_EQ(find("f")->text, "\"F\"");
    // The option buttons belong to their frame, in their order.
    const Control* f = find("f");
    ASSERT_EQ(f->options.size(), 3u);
    EXPECT_EQ(f->options[0]->name, "o1");
    EXPECT_EQ(f->options[2]->name, "o3");
    ASSERT_EQ(formRecord().sections.size(), 1u);
    EXPECT_EQ(formRecord().sections[0].controls.size(), 2u);   // the frame and the button
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
    const Control* t = find("t");
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->kind, KindTimer);
    EXPECT_EQ(t->interval, 250);
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
    EXPECT_EQ(formRecord().vertical, Vertical::Top);
    EXPECT_EQ(formRecord().horizontal, Horizontal::Left);
    EXPECT_EQ(formRecord().clientWidth, 312);
    EXPECT_EQ(formRecord().clientHeight, 213);
}

TEST(Model, Shape)
{
    const std::string source = formWith("columns", section("textbox t\nheight = 1\nwidth = small\nlabel = \"L\"\nend\n"));
    accept(source);
    const Form& form = formRecord();
    EXPECT_EQ(form.name, "demo");
    EXPECT_EQ(form.written, "demo");
    EXPECT_EQ(form.at.offset, 5u);
    EXPECT_EQ(form.at.length, 4u);
    EXPECT_EQ(form.vertical, Vertical::Top);
    EXPECT_EQ(form.horizontal, Horizontal::Left);
    EXPECT_EQ(form.caption, "\"Demo\"");
    EXPECT_FALSE(form.rows);
    ASSERT_EQ(form.sections.size(), 1u);
    ASSERT_EQ(form.sections[0].controls.size(), 1u);
    const Control& box = *form.sections[0].controls[0];
    EXPECT_EQ(box.kind, KindTextBox);
    EXPECT_EQ(box.name, "t");
    EXPECT_EQ(box.written, "t");
    EXPECT_EQ(box.at.offset, source.find("textbox t") + 8);
    EXPECT_EQ(box.at.length, 1u);
    EXPECT_EQ(box.height, 21);   // one line
    EXPECT_EQ(box.widthWord, SizeWord::Small);
    EXPECT_TRUE(box.multiLine);
    EXPECT_EQ(box.text, "");
    EXPECT_TRUE(box.options.empty());
    ASSERT_NE(box.label, nullptr);
    const Control& label = *box.label;
    EXPECT_EQ(label.kind, KindLabel);
    EXPECT_EQ(label.text, "\"L\"");
    // A label is named "lbl" and its number, which is its tab index.
    EXPECT_EQ(label.name, "lbl1");
    EXPECT_EQ(label.written, "lbl1");
    EXPECT_EQ(label.tabIndex, 1);
    EXPECT_EQ(label.at.offset, source.find("\"L\""));
    EXPECT_EQ(label.at.length, 3u);
    EXPECT_EQ(label.label, nullptr);

    // The location and the organization as written.
    accept(formWith("rows", section(buttons(1)), "Bottom  CENTER"));
    EXPECT_EQ(formRecord().vertical, Vertical::Bottom);
    EXPECT_EQ(formRecord().horizontal, Horizontal::Center);
    EXPECT_TRUE(formRecord().rows);
    accept(formWith("columns", section(buttons(1)), "middle right"));
    EXPECT_EQ(formRecord().vertical, Vertical::Middle);
    EXPECT_EQ(formRecord().horizontal, Horizontal::Right);
    EXPECT_FALSE(formRecord().rows);
}

// The names keep the spelling of the source in `written` and are folded in
// `name`; the walk lists every control in the order of the class text.
TEST(Model, NamesAndTheOrderOfTheWalk)
{
    accept(formWith("columns", section("CommandButton OkButton\ncaption = \"OK\"\nend\n"
                                       "frame Choice\ncaption = \"F\"\noptionbutton First\ncaption = \"1\"\nvisible = true\nend\nend\n") +
                                   section("textbox Name1\nheight = 1\nwidth = small\nlabel = \"N\"\nend\n"
                                           "timer Tick\ninterval = 5\nend\n")));
    std::vector<std::string> names, written;
    walkControls(formRecord(), [&](const Control& c) {
        names.push_back(c.name);
        written.push_back(c.written);
    });
    EXPECT_EQ(names, (std::vector<std::string>{"okbutton", "choice", "first", "name1", "lbl4", "tick"}));
    EXPECT_EQ(written, (std::vector<std::string>{"OkButton", "Choice", "First", "Name1", "lbl4", "Tick"}));
}

TEST(Model, EachDeclarationHasItsKindAndItsPlaceInTheModel)
{
    accept(formWith("columns", section("frame f\ncaption = \"F\"\noptionbutton o\ncaption = \"O\"\nvisible = true\nend\nend\n"
                                       "timer t\ninterval = 1\nend\n"
                                       "listbox l\nsorted = true\nstyle = 0\nheight = 1\nwidth = small\ncolumns = 1\nend\n"
                                       "checkbox c\ncaption = \"C\"\nheight = 1\nwidth = small\nend\n"
                                       "filelistbox fi\nheight = 1\nwidth = small\nend\n"
                                       "dirlistbox di\nheight = 1\nwidth = small\nend\n"
                                       "scrollbar s\norientation = vertical\nlength = small\nmin = 0\nmax = 1\nvalue = 0\n"
                                       "smallchange = 1\nlargechange = 1\nend\n")));
    EXPECT_EQ(find("f")->kind, KindFrame);
    EXPECT_EQ(find("o")->kind, KindOptionButton);
    EXPECT_EQ(find("t")->kind, KindTimer);
    EXPECT_EQ(find("l")->kind, KindListBox);
    EXPECT_EQ(find("c")->kind, KindCheckBox);
    EXPECT_EQ(find("fi")->kind, KindFileListBox);
    EXPECT_EQ(find("di")->kind, KindDirListBox);
    EXPECT_EQ(find("s")->kind, KindScrollBar);
    // The option button is the frame's, not the section's.
    const auto& controls = formRecord().sections.at(0).controls;
    ASSERT_EQ(controls.size(), 7u);
    for (const auto& c : controls) EXPECT_NE(c->kind, KindOptionButton);
    ASSERT_EQ(find("f")->options.size(), 1u);
    EXPECT_EQ(find("f")->options[0].get(), find("o"));
    EXPECT_STREQ(controlKindNames[KindOptionButton], "optionbutton");
    EXPECT_STREQ(controlKindNames[KindLabel], "label");
}

TEST(Model, AttributeValues)
{
    auto combo = [](const char* sorted) {
        return std::string("combobox co\nsorted = ") + sorted + "\nstyle = 1\nwidth = small\nend\n";
    };
    accept(formWith("columns", section(combo("true"))));
    EXPECT_TRUE(find("co")->sorted);
    EXPECT_EQ(find("co")->style, 1);
    accept(formWith("columns", section(combo("false"))));
    EXPECT_FALSE(find("co")->sorted);
    accept(formWith("columns", section(combo("TRUE"))));
    EXPECT_TRUE(find("co")->sorted);
    auto bar = [](const char* orientation) {
        return std::string("scrollbar s\norientation = ") + orientation +
               "\nlength = small\nmin = 0\nmax = 1\nvalue = 0\nsmallchange = 1\nlargechange = 1\nend\n";
    };
    accept(formWith("columns", section(bar("vertical"))));
    EXPECT_FALSE(find("s")->scrollBar.horizontal);
    accept(formWith("columns", section(bar("horizontal"))));
    EXPECT_TRUE(find("s")->scrollBar.horizontal);
    // Only option buttons may be hidden; every other control is visible.
    accept(formWith("columns", section(buttons(1) + "checkbox c\ncaption = \"C\"\nheight = 1\nwidth = small\nend\n")));
    EXPECT_TRUE(find("b0")->visible);
    EXPECT_TRUE(find("c")->visible);
    EXPECT_EQ(find("b0")->text, "\"B\"");
    EXPECT_EQ(find("c")->text, "\"C\"");
}

TEST(Model, TheExampleSource)
{
    const std::string text = readBytes(KAVEL_SOURCE_DIR "/examples/sample.fms");
    ASSERT_FALSE(text.empty());
    accept(text);
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
        // As data: the place of the name.
        const std::string source = formWith("columns", section(std::string("commandbutton ok\ncaption = \"OK\"\nend\n") +
                                                               "checkbox " + name + "\ncaption = \"C\"\n"));
        const CompileResult c = compileSource(source);
        EXPECT_EQ(c.status, 4);
        ASSERT_EQ(c.diagnostics.size(), 1u);
        EXPECT_EQ(c.diagnostics[0].code, 304);
        EXPECT_EQ(c.diagnostics[0].offset, source.find(name));
        EXPECT_EQ(c.diagnostics[0].length, std::string(name).size());
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

// The form model: the form, its sections and their controls with the values
// the source gave them, and the grid layout that places every control while
// its declaration is parsed.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "base/base.h"

// The size words of widths and scroll-bar lengths.
enum class SizeWord : unsigned char { Small, Medium, Large };
enum class Vertical : unsigned char { Top, Middle, Bottom };
enum class Horizontal : unsigned char { Left, Center, Right };

// Where a name or text stands in the source.
struct SourceSpan {
    std::size_t offset = NoOffset;
    std::size_t length = 0;
};

struct ScrollBarValues {
    bool horizontal = false;
    int minimum = 0, maximum = 0, value = 0, smallChange = 0, largeChange = 0;
};

struct Control {
    ControlKind kind = KindNone;
    std::string name;       // as the generated code names it: folded, no brackets; a label: "lbl" and its number
    std::string written;    // as the source writes it (a label: its name too)
    SourceSpan at;          // the name in the source; a label: its quoted text
    int left = 0, top = 0, width = 0, height = 0, tabIndex = 0;
    std::string text;       // a caption or label as the source quotes it, quotes included; empty: none
    bool visible = true;    // option buttons may be hidden
    bool multiLine = false; // text boxes
    SizeWord widthWord = SizeWord::Small;   // text boxes: the label's room in rows
    // List and combo boxes.
    bool sorted = false;
    int style = 0;
    int columns = 0;
    ScrollBarValues scrollBar;
    int interval = 0;       // timers
    std::unique_ptr<Control> label;                  // a text box's
    std::vector<std::unique_ptr<Control>> options;   // a frame's option buttons
};

struct Section {
    std::vector<std::unique_ptr<Control>> controls;
};

struct Form {
    std::string name;       // the class name: folded, no brackets
    std::string written;
    SourceSpan at;
    std::string caption;    // as the source quotes it
    Vertical vertical = Vertical::Top;
    Horizontal horizontal = Horizontal::Left;
    bool rows = false;
    int clientWidth = 0, clientHeight = 0;
    int screenLeft = 0, screenTop = 0;   // kept in the model; the class text does not carry them
    std::vector<Section> sections;
};

// Visits every control of the form in the one order the class text lists
// them: section by section, each control, then a text box's label or a
// frame's option buttons right after it.
template <class Visit>
void walkControls(const Form& form, Visit&& visit)
{
    for (const Section& s : form.sections)
        for (const auto& c : s.controls) {
            visit(*c);
            if (c->kind == KindTextBox && c->label)
                visit(*c->label);
            else if (c->kind == KindFrame)
                for (const auto& o : c->options)
                    visit(*o);
        }
}

// The grid the layout places controls on, in pixels: a form starts at its
// smallest size and may grow up to the screen.
constexpr int FormStartWidth = 312;
constexpr int FormStartHeight = 213;
constexpr int Margin = 40;            // the form's edge to the first column or row
constexpr int OptionStartTop = 32;    // the first option button inside its frame
constexpr int OptionStartLeft = 24;

// What a step of the layout did to the form: it fits, or it outgrew the
// screen, which the step's caller refuses (the classic message of some steps
// goes to standard output, of the others to standard error).
enum class Growth { Fits, TooLarge, TooLargeOnStderr };

// The layout: its cursors and the form's growing size, with their start
// values, and the placement of each kind as its declaration is parsed.
class Layout {
public:
    int nextTabIndex = 0;
    bool rowsOrganization = false;
    bool firstSection = true;
    int frameHeight = 0;
    int frameWidth = 0;
    int nextTop = Margin;
    int nextLeft = Margin;
    int formHeight = FormStartHeight;
    int formWidth = FormStartWidth;
    int columnLeft = Margin;
    int rowTop = Margin;
    // The option buttons' cursor inside the frame being declared.
    bool firstOption = true;
    bool optionVisible = true;
    int nextOptionTop = OptionStartTop;
    int nextOptionLeft = OptionStartLeft;
    // A new column that widened the form: the width, for the progress line; 0 for none.
    int widenedTo = 0;

    // A text box's label takes the next tab index, which is also its number.
    int nextLabelNumber() const { return nextTabIndex; }

    void placeForm(Form& form);
    Growth installSection();
    Growth place(Control& control);           // on its name: kind, tab index, what is known
    Growth placeLabel(Control& label, const Control& box);
    Growth installHeight(Control& control, int lines);
    Growth installWidth(Control& control, SizeWord size);
    Growth installLength(Control& control, SizeWord size);
    void startFrame();
    void finishOption(Control& option);
    Growth finishFrame(Control& frame);
    void resetFrameState();
    void setFormDimensions(Form& form);

private:
    void takeTabIndex(Control& c) { c.tabIndex = nextTabIndex++; }
    Growth checkFormSize(Growth tooLarge) const;
    Growth growDownPlus6(Growth tooLarge);
    Growth growDown(Growth tooLarge);
    Growth growRight(Growth tooLarge);
};

// ---------------------------------------------------------------------------
// What the finished layout may show that is legal but probably not meant: two
// visible controls whose rectangles overlap, or a visible control that
// reaches outside the client area.

struct Rect {
    int left = 0, top = 0, width = 0, height = 0;
    int right() const { return left + width; }
    int bottom() const { return top + height; }
};

// A control's rectangle as the class text sets it (an option button's is
// relative to its frame), and on the form's client area.
inline Rect rectOf(const Control& c) { return {c.left, c.top, c.width, c.height}; }
Rect clientRectOf(const Control& c, const Control* frame);

struct LayoutWarning {
    enum class Kind : unsigned char { Overlap, Outside } kind = Kind::Overlap;
    const Control* control = nullptr;   // the later control, where the warning stands
    const Control* other = nullptr;     // the earlier one it overlaps; null: outside
    const Control* frame = nullptr;     // the frame of option buttons that overlap, or of `control`
};

// Compares siblings only: the form's controls (text box labels among them)
// with each other, and the option buttons of one frame with each other;
// hidden controls and timers take part in neither. In the order of the
// class text, each warning at the later of its controls.
std::vector<LayoutWarning> layoutWarnings(const Form& form);

// The warning as a diagnostic at the later control's name (a label: its text).
Diagnostic diagnosticOf(const LayoutWarning& w, const Form& form);

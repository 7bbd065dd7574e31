// The grid layout. Every placement is final when it is made: the form is a
// grid of sections (columns stacked downwards, or rows running to the right),
// each control kind has fixed sizes and offsets, and the form grows from its
// start size up to the screen. Integer division rounds toward zero.
//
// No sum here can overflow: heights are checked to at most 5 lines before
// they are used, and every other term is a small constant added once per
// control, whose number the symbol table bounds.
#include <cstdint>

#include "driver/driver.h"
#include "form/form.h"
#include "scanner/scanner.h"
#include "symbols/symbols.h"

namespace {

// The grid's steps.
constexpr int ColumnWidth = 226;   // one column to the next
constexpr int RowHeight = 106;     // one row to the next
constexpr int Gap = 26;            // below a control in a column; between a label and its box
constexpr int RowGap = 40;         // after a control in a row
constexpr int RowMiddle = 48;      // a row's middle line, below its top
constexpr int BottomRoom = 6;      // below the lowest control, when a column grows the form

// The first section: a row starts higher, a column further right.
constexpr int FirstRowRise = 16;
constexpr int FirstRowRoom = 8;
constexpr int FirstColumnIndent = 53;
constexpr int FirstColumnRoom = 333;

// The width table: the size words small, medium and large.
constexpr int SmallWidth = 81;
constexpr int WidthStep = 40;

// Sizes of the kinds.
constexpr int ButtonWidth = SmallWidth;   // command and option buttons, labels
constexpr int ButtonHeight = 33;
constexpr int LabelWidth = SmallWidth;
constexpr int OneLineHeight = 21;         // text, check and combo boxes; drive list boxes
constexpr int ListWidthExtra = 40;        // list boxes beyond the size word's width
constexpr int DriveWidth = SmallWidth + WidthStep;
constexpr int ScrollBarThickness = 17;
constexpr int RowScrollBarHeight = 101;   // a vertical scroll bar in a row, whatever its length
constexpr int FrameStartWidth = 129;
constexpr int FrameStartHeight = 97;
constexpr int OptionColumnWidth = 106;    // a further option column of a frame in a row
constexpr int OptionRowHeight = 66;       // a further option row of a frame in a column
constexpr int HiddenOptionTop = 12;       // where a hidden option button is parked
constexpr int HiddenOptionLeft = 1;

// Heights in lines: a line is 13 pixels (15 in a checked list box or a
// directory list box) and a box adds its border.
constexpr int LineHeight = 13;
constexpr int CheckedLineHeight = 15;
constexpr int LineBorder = 8;             // text and check boxes
constexpr int ListBorder = 4;
constexpr int FileBoxBorder = 6;
constexpr int MaxLines = 5;

// Where a control stands in a column: its left edge past the column's left.
constexpr int LabelIndent = 40;
constexpr int TextBoxIndent = LabelIndent + LabelWidth + Gap;
constexpr int FrameIndent = 70;
constexpr int ListIndent = 73;            // list boxes and horizontal scroll bars
constexpr int ButtonIndent = 92;
constexpr int BoxIndent = 93;             // check and combo boxes
constexpr int VerticalBarIndent = 125;
// How far some kinds move a column down, beyond the Gap rule.
constexpr int DriveDepth = 60;
constexpr int ComboDepth = 48;
constexpr int HorizontalBarDepth = 44;

// Where a control stands in a row: its top edge below the row's top.
constexpr int ButtonDrop = 32;
constexpr int BoxDrop = 38;               // drive list and combo boxes
constexpr int HorizontalBarDrop = 40;
// A text box or check box of n lines.
const int TopOffset[MaxLines + 1] = {0, 38, 32, 23, 19, 12};
// After a labelled text box, beyond the label and the box.
constexpr int LabelledBoxRoom = 2 * WidthStep;
// Room to the right of a labelled text box that grows the form.
constexpr int LabelledBoxRightRoom = 33;

// The form on the screen: where it stands unless placed, which also keeps it
// off the screen's right and bottom edges.
constexpr int FormScreenLeft = 4;
constexpr int FormScreenTop = 23;

int controlWidth(int sizeWord)   // text box, check box, combo box
{
    return SmallWidth + (sizeWord == KwSmall ? 0 : sizeWord == KwMedium ? WidthStep : 2 * WidthStep);
}

int scrollBarLength(int sizeWord) { return controlWidth(sizeWord) + 2 * WidthStep; }

// How far a text box with its label moves the row on: the label, the gap
// and the box.
int labelledBoxAdvance(int sizeWord) { return LabelWidth + Gap + controlWidth(sizeWord); }

}  // namespace

void FormModel::checkFormSize(std::FILE* stream) const
{
    if (formWidth > ScreenWidth || formHeight > ScreenHeight) {
        const DiagnosticContext& c = diagnosticContext;
        fail(ErrTooLarge, stream, "Too many objects on the form",
             "the form is larger than " + std::to_string(ScreenWidth) + " by " + std::to_string(ScreenHeight) +
                 " pixels after " + (c.placingSection ? "adding this section" : "placing '" + c.placing.text + "'"),
             c.placing.place);
    }
}

void FormModel::growDownPlus6(std::FILE* stream)
{
    if (nextTop >= formHeight) {
        formHeight = nextTop + BottomRoom;
        checkFormSize(stream);
    }
}

void FormModel::growDown(std::FILE* stream)
{
    if (nextTop >= formHeight) {
        formHeight = nextTop;
        checkFormSize(stream);
    }
}

void FormModel::growRight(std::FILE* stream)
{
    if (nextLeft >= formWidth) {
        formWidth = nextLeft;
        checkFormSize(stream);
    }
}

void FormModel::installSection()
{
    if (firstSection) {
        // Neither growth below can happen from the start values (a row at 24
        // in a form 213 high, a column at 93 in one 312 wide).
        if (rowsOrganization) {
            rowTop -= FirstRowRise;
            if (rowTop >= formHeight) {
                formHeight = rowTop + FirstRowRoom;
                checkFormSize(stderr);
            }
        } else {
            nextLeft += FirstColumnIndent;
            if (nextLeft >= formWidth) {
                formWidth = nextLeft + FirstColumnRoom;
                checkFormSize(stderr);
            }
        }
    } else if (rowsOrganization) {   // a new row; no size check here
        nextLeft = Margin;
        nextTop += RowHeight - 1;
        rowTop += RowHeight;
        formHeight = rowTop + RowHeight - 1;
    } else {                         // a new column
        nextTop = Margin;
        nextLeft += ColumnWidth;
        columnLeft += ColumnWidth;
        if (columnLeft + ColumnWidth >= formWidth) {
            formWidth += ColumnWidth + Margin;
            if (!options.quiet)
                std::printf("FormWidth = %d\n", formWidth);
            checkFormSize(stderr);
        }
    }
    firstSection = false;
}

// The form stands at its default screen place until its location is known.
void FormModel::placeForm(FormNode* node)
{
    FormRecord& f = node->props.form;
    f.screenLeft = FormScreenLeft;
    f.screenTop = FormScreenTop;
    f.clientHeight = f.scaleHeight = formHeight;
    f.clientWidth = f.scaleWidth = formWidth;
}

// Width and place come with the width attribute.
void FormModel::placeCheckBox(FormNode* node)
{
    takeTabIndex(&node->props.button.tabIndex);
    node->props.button.height = OneLineHeight;
}

// Its place comes when the option button is finished.
void FormModel::placeOptionButton(FormNode* node)
{
    ButtonRecord& b = node->props.button;
    takeTabIndex(&b.tabIndex);
    b.height = ButtonHeight;
    b.width = ButtonWidth;
}

void FormModel::placeCommandButton(FormNode* node)
{
    ButtonRecord& b = node->props.button;
    takeTabIndex(&b.tabIndex);
    b.height = ButtonHeight;
    b.width = ButtonWidth;
    if (rowsOrganization) {
        b.top = rowTop + ButtonDrop;
        b.left = nextLeft;
        nextLeft += b.width + RowGap;
        growRight(stdout);
    } else {
        b.top = nextTop;
        b.left = columnLeft + ButtonIndent;
        nextTop += b.height + Gap;
        growDownPlus6(stdout);
    }
}

void FormModel::placeDriveListBox(FormNode* node)
{
    FileBoxRecord& d = node->props.fileBox;
    d.height = OneLineHeight;
    takeTabIndex(&d.tabIndex);
    if (rowsOrganization) {
        d.top = rowTop + BoxDrop;
        d.left = nextLeft;
        nextLeft += DriveWidth + RowGap;
        growRight(stderr);
    } else {
        d.top = nextTop;
        d.left = columnLeft + ListIndent;
        nextTop += DriveDepth;
        growDownPlus6(stderr);
    }
    d.width = DriveWidth;
}

void FormModel::placeComboBox(FormNode* node)
{
    ComboBoxRecord& c = node->props.comboBox;
    takeTabIndex(&c.tabIndex);
    c.height = OneLineHeight;
    if (rowsOrganization) {
        c.top = rowTop + BoxDrop;
    } else {
        c.top = nextTop;
        nextTop += ComboDepth;
        growDownPlus6(stdout);
    }
}

// Height and width come with the attributes; in rows the left edge stays
// here, leaving room for the label in front of the box.
void FormModel::placeTextBox(FormNode* node)
{
    TextBoxRecord& t = node->props.textBox;
    takeTabIndex(&t.tabIndex);
    t.height = OneLineHeight;
    t.left = nextLeft + LabelWidth + Gap;
    t.top = nextTop;
    t.width = SmallWidth;
}

// The label of a text box, whose box is already placed.
void FormModel::placeLabel(FormNode* node)
{
    LabelRecord& l = node->props.label;
    const TextBoxRecord& box = node->father->props.textBox;
    takeTabIndex(&l.tabIndex);
    l.height = ButtonHeight;
    l.left = nextLeft;
    l.width = LabelWidth;
    if (!rowsOrganization) {
        l.top = box.top;
        l.left = columnLeft + LabelIndent - (box.width - SmallWidth) / 2;
        growDownPlus6(stderr);
    } else {
        const FormNode* widthAttribute = node->father->widthAttribute();
        nextLeft += labelledBoxAdvance(widthAttribute->firstSon->symbol);
        l.top = rowTop + ButtonDrop;
        if (nextLeft >= formWidth) {
            formWidth = nextLeft + LabelledBoxRightRoom;
            checkFormSize(stderr);
        }
    }
    nextLeft += LabelledBoxRoom;
}

void FormModel::installHeight(FormNode* node, int symbol)
{
    const std::int64_t n = symtab.valueOf(symbol);
    const std::int64_t lineHeight = LineHeight * n + LineBorder;
    if (n > MaxLines)   // the line height above that of five lines
        fail(ErrHeight, stderr, "Height cannot exceed 5 lines",
             "height " + diagnosticContext.matched.text + " is more than " + std::to_string(MaxLines) + " lines",
             diagnosticContext.matched.place);
    const int lines = static_cast<int>(n);
    const int h = static_cast<int>(lineHeight);
    Box box = boxOf(node);
    switch (node->kind) {
    case KindCheckBox:
    case KindTextBox:
        *box.height = h;
        // No offset is given for 0 lines; such a box is centred on the
        // row's middle line as the list boxes are.
        if (rowsOrganization)
            *box.top = rowTop + (lines > 0 ? TopOffset[lines] : RowMiddle - h / 2);
        break;
    case KindListBox:
        // Style 1 is the list with check boxes; every other style is declared
        // a plain list box, so it takes the plain list's height.
        if (node->props.listBox.style == 1)
            *box.height = CheckedLineHeight * lines + ListBorder;
        else
            *box.height = LineHeight * lines + ListBorder;
        if (rowsOrganization)
            *box.top = rowTop + RowMiddle - *box.height / 2;
        break;
    case KindFileListBox:
    case KindDirListBox:
        *box.height = (node->kind == KindFileListBox ? LineHeight : CheckedLineHeight) * lines + FileBoxBorder;
        if (rowsOrganization)
            *box.top = rowTop + RowMiddle - *box.height / 2;
        break;
    default:   // the grammar gives no other kind a height
        box.top = nullptr;
        break;
    }
    if (!rowsOrganization) {
        if (box.top != nullptr) {
            *box.top = nextTop;
            nextTop += h + Gap;   // the line height, not the box's own
        }
        growDown(stderr);
    }
}

void FormModel::installWidth(FormNode* node, int symbol)
{
    const int w = controlWidth(symbol);
    const int listWidth = w + ListWidthExtra;   // list, file and directory list boxes
    Box box = boxOf(node);
    switch (node->kind) {
    case KindCheckBox:
        *box.width = w;
        *box.left = rowsOrganization ? nextLeft : columnLeft + BoxIndent - (w - SmallWidth) / 2;
        nextLeft += w + RowGap;
        break;
    case KindComboBox:
        *box.width = w;
        if (rowsOrganization) {
            *box.left = nextLeft;
            nextLeft += w + RowGap;
        } else {
            *box.left = columnLeft + BoxIndent - (w - SmallWidth) / 2;
        }
        break;
    case KindTextBox:   // in rows the label moves the row on
        *box.width = w;
        if (!rowsOrganization)
            *box.left = columnLeft + TextBoxIndent - (w - SmallWidth) / 2;
        break;
    case KindListBox:
    case KindFileListBox:
    case KindDirListBox:
        *box.width = listWidth;
        if (rowsOrganization) {
            *box.left = nextLeft;
            nextLeft += listWidth + RowGap;
        } else {
            *box.left = columnLeft + ListIndent - (listWidth - (SmallWidth + ListWidthExtra)) / 2;
        }
        break;
    default:
        break;
    }
    if (rowsOrganization)
        growRight(stderr);
}

void FormModel::installLength(FormNode* node, int symbol)
{
    const int length = scrollBarLength(symbol);
    ScrollBarRecord& s = node->props.scrollBar;
    if (s.horizontal) {
        s.height = ScrollBarThickness;
        if (rowsOrganization) {
            s.width = length;
            s.top = rowTop + HorizontalBarDrop;
            s.left = nextLeft;
            nextLeft += length + RowGap;
        } else {
            s.width = DriveWidth;   // whatever the length word
            s.left = columnLeft + ListIndent;
            s.top = nextTop;
            nextTop += HorizontalBarDepth;
        }
    } else {
        s.width = ScrollBarThickness;
        if (rowsOrganization) {
            s.height = RowScrollBarHeight;
            s.top = rowTop + RowMiddle - RowScrollBarHeight / 2;
            s.left = nextLeft;
            nextLeft += ScrollBarThickness + RowGap;
        } else {
            s.height = length;
            s.left = columnLeft + VerticalBarIndent;
            s.top = nextTop;
            nextTop += length + Gap;
        }
    }
    growRight(stderr);
    growDown(stderr);
}

// The first visible option button fits the frame's start size; each further
// visible one adds an option column (rows) or an option row (columns).
void FormModel::startFrame()
{
    frameHeight = FrameStartHeight;
    frameWidth = FrameStartWidth;
}

void FormModel::widenFrame()
{
    if (optionVisible)
        frameWidth += OptionColumnWidth;
}

void FormModel::deepenFrame()
{
    if (optionVisible)
        frameHeight += OptionRowHeight;
}

// Option buttons stand relative to their frame; a visible one takes the
// cursor's place and moves it by one option column or row, a hidden one is
// parked near the frame's corner and leaves the cursor alone.
static void placeOption(FormNode* node, bool visible, int& cursor, int step, int top, int left)
{
    ButtonRecord& b = node->props.button;
    b.visible = visible ? 1 : 0;
    b.top = visible ? top : HiddenOptionTop;
    b.left = visible ? left : HiddenOptionLeft;
    if (visible)
        cursor += step;
}

void FormModel::placeOptionInRow(FormNode* node)
{
    placeOption(node, optionVisible, nextOptionLeft, OptionColumnWidth, nextOptionTop, nextOptionLeft);
}

void FormModel::placeOptionInColumn(FormNode* node)
{
    placeOption(node, optionVisible, nextOptionTop, OptionRowHeight, nextOptionTop, nextOptionLeft);
}

// A frame takes its tab index after its option buttons have taken theirs.
void FormModel::finishFrame(FormNode* node)
{
    ButtonRecord& f = node->props.button;
    takeTabIndex(&f.tabIndex);
    f.height = frameHeight;
    f.width = frameWidth;
    if (rowsOrganization) {
        f.top = rowTop;
        f.left = nextLeft;
        nextLeft += frameWidth + RowGap;
        growRight(stdout);
    } else {
        f.top = nextTop;
        f.left = columnLeft + FrameIndent;
        nextTop += frameHeight + Gap;
        growDownPlus6(stdout);
    }
}

void FormModel::setFormDimensions(FormNode* node)
{
    FormRecord& f = node->props.form;
    f.scaleHeight = f.clientHeight = formHeight;
    f.scaleWidth = f.clientWidth = formWidth;
    const FormNode* location = node->location();
    const int vertical = location->son(1)->symbol;
    const int horizontal = location->son(2)->symbol;
    if (vertical == KwMiddle)
        f.screenTop = (ScreenHeight - formHeight) / 2;
    else if (vertical == KwBottom)
        f.screenTop = ScreenHeight - FormScreenTop - formHeight;
    if (horizontal == KwCenter)
        f.screenLeft = (ScreenWidth - formWidth) / 2;
    else if (horizontal == KwRight)
        f.screenLeft = ScreenWidth - FormScreenLeft - formWidth;
}

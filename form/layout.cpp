// The grid layout. Every placement is final when it is made: the form is a
// grid of sections (columns stacked downwards, or rows running to the right),
// each control kind has fixed sizes and offsets, and the form grows from its
// start size up to the screen. Integer division rounds toward zero.
//
// No sum here can overflow: heights are checked to at most 5 lines before
// they are used, and every other term is a small constant added once per
// control, whose number the symbol table bounds.
#include "form/form.h"

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
constexpr int TopOffset[limits::Lines + 1] = {0, 38, 32, 23, 19, 12};
// After a labelled text box, beyond the label and the box.
constexpr int LabelledBoxRoom = 2 * WidthStep;
// Room to the right of a labelled text box that grows the form.
constexpr int LabelledBoxRightRoom = 33;

// The form on the screen: where it stands unless placed, which also keeps it
// off the screen's right and bottom edges.
constexpr int FormScreenLeft = 4;
constexpr int FormScreenTop = 23;

int controlWidth(SizeWord size)   // text box, check box, combo box
{
    return SmallWidth + WidthStep * static_cast<int>(size);
}

int scrollBarLength(SizeWord size) { return controlWidth(size) + 2 * WidthStep; }

// How far a text box with its label moves the row on: the label, the gap
// and the box.
int labelledBoxAdvance(SizeWord size) { return LabelWidth + Gap + controlWidth(size); }

}  // namespace

Growth Layout::checkFormSize(Growth tooLarge) const
{
    return formWidth > limits::ScreenWidth || formHeight > limits::ScreenHeight ? tooLarge : Growth::Fits;
}

Growth Layout::growDownPlus6(Growth tooLarge)
{
    if (nextTop >= formHeight) {
        formHeight = nextTop + BottomRoom;
        return checkFormSize(tooLarge);
    }
    return Growth::Fits;
}

Growth Layout::growDown(Growth tooLarge)
{
    if (nextTop >= formHeight) {
        formHeight = nextTop;
        return checkFormSize(tooLarge);
    }
    return Growth::Fits;
}

Growth Layout::growRight(Growth tooLarge)
{
    if (nextLeft >= formWidth) {
        formWidth = nextLeft;
        return checkFormSize(tooLarge);
    }
    return Growth::Fits;
}

Growth Layout::installSection()
{
    widenedTo = 0;
    Growth growth = Growth::Fits;
    if (firstSection) {
        // Neither growth below can happen from the start values (a row at 24
        // in a form 213 high, a column at 93 in one 312 wide).
        if (rowsOrganization) {
            rowTop -= FirstRowRise;
            if (rowTop >= formHeight) {
                formHeight = rowTop + FirstRowRoom;
                growth = checkFormSize(Growth::TooLargeOnStderr);
            }
        } else {
            nextLeft += FirstColumnIndent;
            if (nextLeft >= formWidth) {
                formWidth = nextLeft + FirstColumnRoom;
                growth = checkFormSize(Growth::TooLargeOnStderr);
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
            widenedTo = formWidth;
            growth = checkFormSize(Growth::TooLargeOnStderr);
        }
    }
    firstSection = false;
    return growth;
}

// The form stands at its default screen place until its location is known.
void Layout::placeForm(Form& form)
{
    form.screenLeft = FormScreenLeft;
    form.screenTop = FormScreenTop;
    form.clientHeight = formHeight;
    form.clientWidth = formWidth;
}

Growth Layout::place(Control& c)
{
    switch (c.kind) {
    case KindCommandButton:
        takeTabIndex(c);
        c.height = ButtonHeight;
        c.width = ButtonWidth;
        if (rowsOrganization) {
            c.top = rowTop + ButtonDrop;
            c.left = nextLeft;
            nextLeft += c.width + RowGap;
            return growRight(Growth::TooLarge);
        }
        c.top = nextTop;
        c.left = columnLeft + ButtonIndent;
        nextTop += c.height + Gap;
        return growDownPlus6(Growth::TooLarge);
    case KindDriveListBox: {
        c.height = OneLineHeight;
        takeTabIndex(c);
        c.width = DriveWidth;
        if (rowsOrganization) {
            c.top = rowTop + BoxDrop;
            c.left = nextLeft;
            nextLeft += DriveWidth + RowGap;
            return growRight(Growth::TooLargeOnStderr);
        }
        c.top = nextTop;
        c.left = columnLeft + ListIndent;
        nextTop += DriveDepth;
        return growDownPlus6(Growth::TooLargeOnStderr);
    }
    case KindComboBox:
        takeTabIndex(c);
        c.height = OneLineHeight;
        if (rowsOrganization) {
            c.top = rowTop + BoxDrop;
            return Growth::Fits;
        }
        c.top = nextTop;
        nextTop += ComboDepth;
        return growDownPlus6(Growth::TooLarge);
    case KindTextBox:
        // Height and width come with the attributes; in rows the left edge
        // stays here, leaving room for the label in front of the box.
        c.multiLine = true;
        takeTabIndex(c);
        c.height = OneLineHeight;
        c.left = nextLeft + LabelWidth + Gap;
        c.top = nextTop;
        c.width = SmallWidth;
        return Growth::Fits;
    case KindCheckBox:   // width and place come with the width attribute
        takeTabIndex(c);
        c.height = OneLineHeight;
        return Growth::Fits;
    case KindOptionButton:   // its place comes when the option button is finished
        takeTabIndex(c);
        c.height = ButtonHeight;
        c.width = ButtonWidth;
        optionVisible = true;
        return Growth::Fits;
    case KindListBox:
    case KindFileListBox:
    case KindDirListBox:
    case KindScrollBar:
        takeTabIndex(c);
        return Growth::Fits;
    default:   // a timer has no place; a frame is completed by finishFrame
        return Growth::Fits;
    }
}

// The label of a text box, whose box is already placed.
Growth Layout::placeLabel(Control& l, const Control& box)
{
    takeTabIndex(l);
    l.height = ButtonHeight;
    l.left = nextLeft;
    l.width = LabelWidth;
    Growth growth = Growth::Fits;
    if (!rowsOrganization) {
        l.top = box.top;
        l.left = columnLeft + LabelIndent - (box.width - SmallWidth) / 2;
        growth = growDownPlus6(Growth::TooLargeOnStderr);
    } else {
        nextLeft += labelledBoxAdvance(box.widthWord);
        l.top = rowTop + ButtonDrop;
        if (nextLeft >= formWidth) {
            formWidth = nextLeft + LabelledBoxRightRoom;
            growth = checkFormSize(Growth::TooLargeOnStderr);
        }
    }
    if (growth == Growth::Fits)
        nextLeft += LabelledBoxRoom;
    return growth;
}

Growth Layout::installHeight(Control& c, int lines)
{
    const int h = LineHeight * lines + LineBorder;
    bool placed = true;
    switch (c.kind) {
    case KindCheckBox:
    case KindTextBox:
        c.height = h;
        // No offset is given for 0 lines; such a box is centred on the
        // row's middle line as the list boxes are.
        if (rowsOrganization)
            c.top = rowTop + (lines > 0 ? TopOffset[lines] : RowMiddle - h / 2);
        break;
    case KindListBox:
        // Style 1 is the list with check boxes; every other style is declared
        // a plain list box, so it takes the plain list's height.
        c.height = (c.style == 1 ? CheckedLineHeight : LineHeight) * lines + ListBorder;
        if (rowsOrganization)
            c.top = rowTop + RowMiddle - c.height / 2;
        break;
    case KindFileListBox:
    case KindDirListBox:
        c.height = (c.kind == KindFileListBox ? LineHeight : CheckedLineHeight) * lines + FileBoxBorder;
        if (rowsOrganization)
            c.top = rowTop + RowMiddle - c.height / 2;
        break;
    default:   // the grammar gives no other kind a height
        placed = false;
        break;
    }
    if (rowsOrganization)
        return Growth::Fits;
    if (placed) {
        c.top = nextTop;
        nextTop += h + Gap;   // the line height, not the box's own
    }
    return growDown(Growth::TooLargeOnStderr);
}

Growth Layout::installWidth(Control& c, SizeWord size)
{
    const int w = controlWidth(size);
    const int listWidth = w + ListWidthExtra;   // list, file and directory list boxes
    switch (c.kind) {
    case KindCheckBox:
        c.width = w;
        c.left = rowsOrganization ? nextLeft : columnLeft + BoxIndent - (w - SmallWidth) / 2;
        nextLeft += w + RowGap;
        break;
    case KindComboBox:
        c.width = w;
        if (rowsOrganization) {
            c.left = nextLeft;
            nextLeft += w + RowGap;
        } else {
            c.left = columnLeft + BoxIndent - (w - SmallWidth) / 2;
        }
        break;
    case KindTextBox:   // in rows the label moves the row on
        c.width = w;
        c.widthWord = size;
        if (!rowsOrganization)
            c.left = columnLeft + TextBoxIndent - (w - SmallWidth) / 2;
        break;
    case KindListBox:
    case KindFileListBox:
    case KindDirListBox:
        c.width = listWidth;
        if (rowsOrganization) {
            c.left = nextLeft;
            nextLeft += listWidth + RowGap;
        } else {
            c.left = columnLeft + ListIndent - (listWidth - (SmallWidth + ListWidthExtra)) / 2;
        }
        break;
    default:
        break;
    }
    return rowsOrganization ? growRight(Growth::TooLargeOnStderr) : Growth::Fits;
}

Growth Layout::installLength(Control& s, SizeWord size)
{
    const int length = scrollBarLength(size);
    if (s.scrollBar.horizontal) {
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
    const Growth growth = growRight(Growth::TooLargeOnStderr);
    return growth != Growth::Fits ? growth : growDown(Growth::TooLargeOnStderr);
}

// The first visible option button fits the frame's start size; each further
// visible one adds an option column (rows) or an option row (columns).
void Layout::startFrame()
{
    frameHeight = FrameStartHeight;
    frameWidth = FrameStartWidth;
}

// Option buttons stand relative to their frame; a visible one takes the
// cursor's place and moves it by one option column or row, a hidden one is
// parked near the frame's corner and leaves the cursor alone.
void Layout::finishOption(Control& o)
{
    if (optionVisible && firstOption)
        firstOption = false;
    else if (optionVisible && rowsOrganization)
        frameWidth += OptionColumnWidth;
    else if (optionVisible)
        frameHeight += OptionRowHeight;
    o.visible = optionVisible;
    o.top = optionVisible ? nextOptionTop : HiddenOptionTop;
    o.left = optionVisible ? nextOptionLeft : HiddenOptionLeft;
    if (optionVisible) {
        if (rowsOrganization)
            nextOptionLeft += OptionColumnWidth;
        else
            nextOptionTop += OptionRowHeight;
    }
}

// A frame takes its tab index after its option buttons have taken theirs.
Growth Layout::finishFrame(Control& f)
{
    takeTabIndex(f);
    f.height = frameHeight;
    f.width = frameWidth;
    if (rowsOrganization) {
        f.top = rowTop;
        f.left = nextLeft;
        nextLeft += frameWidth + RowGap;
        return growRight(Growth::TooLarge);
    }
    f.top = nextTop;
    f.left = columnLeft + FrameIndent;
    nextTop += frameHeight + Gap;
    return growDownPlus6(Growth::TooLarge);
}

void Layout::resetFrameState()
{
    firstOption = true;
    optionVisible = true;
    nextOptionTop = OptionStartTop;
    nextOptionLeft = OptionStartLeft;
}

void Layout::setFormDimensions(Form& form)
{
    form.clientHeight = formHeight;
    form.clientWidth = formWidth;
    if (form.vertical == Vertical::Middle)
        form.screenTop = (limits::ScreenHeight - formHeight) / 2;
    else if (form.vertical == Vertical::Bottom)
        form.screenTop = limits::ScreenHeight - FormScreenTop - formHeight;
    if (form.horizontal == Horizontal::Center)
        form.screenLeft = (limits::ScreenWidth - formWidth) / 2;
    else if (form.horizontal == Horizontal::Right)
        form.screenLeft = limits::ScreenWidth - FormScreenLeft - formWidth;
}

// The grid layout. Every placement is final when it is made: the form is a
// grid of sections (columns stacked downwards, or rows running to the right),
// each control kind has fixed sizes and offsets, and the form grows from 312
// by 213 up to a screen of 1024 by 768. Integer division rounds toward zero.
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

// How far below a row's top edge a text box or check box of n lines stands.
const int TopOffset[6] = {0, 38, 32, 23, 19, 12};

int controlWidth(int sizeWord)   // text box, check box, combo box
{
    return sizeWord == KwSmall ? 81 : sizeWord == KwMedium ? 121 : 161;
}

int scrollBarLength(int sizeWord)
{
    return sizeWord == KwSmall ? 161 : sizeWord == KwMedium ? 201 : 241;
}

// How far a text box with its label moves the row on.
int labelledBoxAdvance(int sizeWord)
{
    return sizeWord == KwSmall ? 188 : sizeWord == KwMedium ? 228 : 268;
}

}  // namespace

void FormModel::checkFormSize(std::FILE* stream) const
{
    if (formWidth > 1024 || formHeight > 768) {
        say(stream, "Too many objects on the form");
        quit(ExitTooLarge);
    }
}

void FormModel::growDownPlus6(std::FILE* stream)
{
    if (nextTop >= formHeight) {
        formHeight = nextTop + 6;
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
        if (rowsOrganization) {
            rowTop -= 16;
            if (rowTop >= formHeight) {
                formHeight = rowTop + 8;
                checkFormSize(stderr);
            }
        } else {
            nextLeft += 53;
            if (nextLeft >= formWidth) {
                formWidth = nextLeft + 333;
                checkFormSize(stderr);
            }
        }
    } else if (rowsOrganization) {   // a new row; no size check here
        nextLeft = 40;
        nextTop += 105;
        rowTop += 106;
        formHeight = rowTop + 105;
    } else {                         // a new column
        nextTop = 40;
        nextLeft += 226;
        columnLeft += 226;
        if (columnLeft + 226 >= formWidth) {
            formWidth += 266;
            std::printf("FormWidth = %d\n", formWidth);
            checkFormSize(stderr);
        }
    }
    firstSection = false;
}

void FormModel::placeCommandButton(FormNode* node)
{
    ButtonRecord& b = node->props.button;
    takeTabIndex(&b.tabIndex);
    b.height = 33;
    b.width = 81;
    if (rowsOrganization) {
        b.top = rowTop + 32;
        b.left = nextLeft;
        nextLeft += b.width + 40;
        growRight(stdout);
    } else {
        b.top = nextTop;
        b.left = columnLeft + 92;
        nextTop += b.height + 26;
        growDownPlus6(stdout);
    }
}

void FormModel::placeDriveListBox(FormNode* node)
{
    FileBoxRecord& d = node->props.fileBox;
    d.height = 21;
    takeTabIndex(&d.tabIndex);
    if (rowsOrganization) {
        d.top = rowTop + 38;
        d.left = nextLeft;
        nextLeft += 161;
        growRight(stderr);
    } else {
        d.top = nextTop;
        d.left = columnLeft + 73;
        nextTop += 60;
        growDownPlus6(stderr);
    }
    d.width = 121;
}

void FormModel::placeComboBox(FormNode* node)
{
    ComboBoxRecord& c = node->props.comboBox;
    takeTabIndex(&c.tabIndex);
    c.height = 21;
    if (rowsOrganization) {
        c.top = rowTop + 38;
    } else {
        c.top = nextTop;
        nextTop += 48;
        growDownPlus6(stdout);
    }
}

// Height and width come with the attributes; in rows the left edge stays
// here, leaving room for the label in front of the box.
void FormModel::placeTextBox(FormNode* node)
{
    TextBoxRecord& t = node->props.textBox;
    takeTabIndex(&t.tabIndex);
    t.height = 21;
    t.left = nextLeft + 107;
    t.top = nextTop;
    t.width = 81;
}

// The label of a text box, whose box is already placed.
void FormModel::placeLabel(FormNode* node)
{
    LabelRecord& l = node->props.label;
    const TextBoxRecord& box = node->father->props.textBox;
    takeTabIndex(&l.tabIndex);
    l.height = 33;
    l.left = nextLeft;
    l.width = 81;
    if (!rowsOrganization) {
        l.top = box.top;
        l.left = columnLeft + 40 - (box.width - 81) / 2;
        growDownPlus6(stderr);
    } else {
        const FormNode* widthNode = node->father->son(3);
        nextLeft += labelledBoxAdvance(widthNode->firstSon->symbol);
        l.top = rowTop + 32;
        if (nextLeft >= formWidth) {
            formWidth = nextLeft + 33;
            checkFormSize(stderr);
        }
    }
}

void FormModel::installHeight(FormNode* node, int symbol)
{
    const std::int64_t n = symtab.valueOf(symbol);
    const std::int64_t lineHeight = 13 * n + 8;
    if (lineHeight > 73) {
        say(stderr, "Height cannot exceed 5 lines");
        quit(ExitSourceError);
    }
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
            *box.top = rowTop + (lines > 0 ? TopOffset[lines] : 48 - h / 2);
        break;
    case KindListBox:
        // Style 1 is the list with check boxes; every other style is declared
        // a plain list box, so it takes the plain list's height.
        if (node->props.listBox.style == 1)
            *box.height = 15 * lines + 4;
        else
            *box.height = 13 * lines + 4;
        if (rowsOrganization)
            *box.top = rowTop + 48 - *box.height / 2;
        break;
    case KindFileListBox:
    case KindDirListBox:
        *box.height = node->kind == KindFileListBox ? 13 * lines + 6 : 15 * lines + 6;
        if (rowsOrganization)
            *box.top = rowTop + 48 - *box.height / 2;
        break;
    default:   // the grammar gives no other kind a height
        box.top = nullptr;
        break;
    }
    if (!rowsOrganization) {
        if (box.top != nullptr) {
            *box.top = nextTop;
            nextTop += h + 26;   // the line height, not the box's own
        }
        growDown(stderr);
    }
}

void FormModel::installWidth(FormNode* node, int symbol)
{
    const int w = controlWidth(symbol);
    const int listWidth = w + 40;   // list, file and directory list boxes
    Box box = boxOf(node);
    switch (node->kind) {
    case KindCheckBox:
        *box.width = w;
        *box.left = rowsOrganization ? nextLeft : columnLeft + 93 - (w - 81) / 2;
        nextLeft += w + 40;
        break;
    case KindComboBox:
        *box.width = w;
        if (rowsOrganization) {
            *box.left = nextLeft;
            nextLeft += w + 40;
        } else {
            *box.left = columnLeft + 93 - (w - 81) / 2;
        }
        break;
    case KindTextBox:   // in rows the label moves the row on
        *box.width = w;
        if (!rowsOrganization)
            *box.left = columnLeft + 147 - (w - 81) / 2;
        break;
    case KindListBox:
    case KindFileListBox:
    case KindDirListBox:
        *box.width = listWidth;
        if (rowsOrganization) {
            *box.left = nextLeft;
            nextLeft += listWidth + 40;
        } else {
            *box.left = columnLeft + 73 - (listWidth - 121) / 2;
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
        s.height = 17;
        if (rowsOrganization) {
            s.width = length;
            s.top = rowTop + 40;
            s.left = nextLeft;
            nextLeft += length + 40;
        } else {
            s.width = 121;   // whatever the length word
            s.left = columnLeft + 73;
            s.top = nextTop;
            nextTop += 44;
        }
    } else {
        s.width = 17;
        if (rowsOrganization) {
            s.height = 101;
            s.top = rowTop + 48 - 101 / 2;
            s.left = nextLeft;
            nextLeft += 17 + 40;
        } else {
            s.height = length;
            s.left = columnLeft + 125;
            s.top = nextTop;
            nextTop += length + 26;
        }
    }
    growRight(stderr);
    growDown(stderr);
}

// The first visible option button fits the frame's start size; each further
// visible one adds an option column (rows) or an option row (columns).
void FormModel::widenFrame()
{
    if (optionVisible)
        frameWidth += 106;
}

void FormModel::deepenFrame()
{
    if (optionVisible)
        frameHeight += 66;
}

// Option buttons stand relative to their frame; a visible one takes the
// cursor's place and moves it by one option column or row, a hidden one is
// parked at (1, 12) and leaves the cursor alone.
static void placeOption(FormNode* node, bool visible, int& cursor, int step, int top, int left)
{
    ButtonRecord& b = node->props.button;
    b.visible = visible ? 1 : 0;
    b.top = visible ? top : 12;
    b.left = visible ? left : 1;
    if (visible)
        cursor += step;
}

void FormModel::placeOptionInRow(FormNode* node)
{
    placeOption(node, optionVisible, nextOptionLeft, 106, nextOptionTop, nextOptionLeft);
}

void FormModel::placeOptionInColumn(FormNode* node)
{
    placeOption(node, optionVisible, nextOptionTop, 66, nextOptionTop, nextOptionLeft);
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
        nextLeft += frameWidth + 40;
        growRight(stdout);
    } else {
        f.top = nextTop;
        f.left = columnLeft + 70;
        nextTop += frameHeight + 26;
        growDownPlus6(stdout);
    }
}

void FormModel::setFormDimensions(FormNode* node)
{
    FormRecord& f = node->props.form;
    f.scaleHeight = f.clientHeight = formHeight;
    f.scaleWidth = f.clientWidth = formWidth;
    const FormNode* location = node->son(2);
    const int vertical = location->son(1)->symbol;
    const int horizontal = location->son(2)->symbol;
    if (vertical == KwMiddle)
        f.screenTop = (768 - formHeight) / 2;
    else if (vertical == KwBottom)
        f.screenTop = 745 - formHeight;
    if (horizontal == KwCenter)
        f.screenLeft = (1024 - formWidth) / 2;
    else if (horizontal == KwRight)
        f.screenLeft = 1020 - formWidth;
}

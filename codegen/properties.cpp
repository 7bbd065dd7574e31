// The property blocks inside InitializeComponent: three comment lines, then
// the lines of the control's kind in a fixed order. A text box's label and
// a frame's option buttons have blocks of their own right after it.
#include "codegen/codegen.h"
#include "symbols/symbols.h"

void VbWriter::header(const FormNode* control)
{
    line("'");
    writeIndent();
    *this << "' ";
    plainName(control);
    endLine();
    line("'");
}

void VbWriter::property(const FormNode* control)
{
    writeIndent();
    *this << "Me.";
    name(control);
}

// One property line: "Me.", the name and the text.
void VbWriter::propertyLine(const FormNode* control, const char* text)
{
    property(control);
    *this << text;
    endLine();
}

// Location and size; the compatibility list boxes and the scroll bar write
// them narrow, with no blank after the comma.
void VbWriter::location(const FormNode* control, const char* separator)
{
    Box b = boxOf(control);
    *this << ".Location = New System.Drawing.Point(" << *b.left << separator << *b.top << ")";
    endLine();
}

void VbWriter::size(const FormNode* control, const char* separator)
{
    Box b = boxOf(control);
    *this << ".Size = New System.Drawing.Size(" << *b.width << separator << *b.height << ")";
    endLine();
}

void VbWriter::locationLine(const FormNode* control, const char* separator)
{
    property(control);
    location(control, separator);
}

void VbWriter::sizeLine(const FormNode* control, const char* separator)
{
    property(control);
    size(control, separator);
}

void VbWriter::nameLine(const FormNode* control)
{
    property(control);
    *this << ".Name = \"";
    plainName(control);
    *this << "\"";
    endLine();
}

void VbWriter::tabIndexLine(const FormNode* control)
{
    property(control);
    *this << ".TabIndex = " << *boxOf(control).tabIndex;
    endLine();
}

void VbWriter::textLine(const FormNode* control, const char* text)
{
    property(control);
    *this << ".Text = ";
    this->text(text);
    endLine();
}

// Location, Name and Size, the start of most blocks.
void VbWriter::placeLines(const FormNode* control)
{
    locationLine(control, ", ");
    nameLine(control);
    sizeLine(control, ", ");
}

void VbWriter::writeBlock(const FormNode* control)
{
    switch (control->kind) {
    case KindCommandButton:
    case KindCheckBox:
        return writeButtonBlock(control, control->props.button.text, nullptr);
    case KindOptionButton:
        writeButtonBlock(control, control->props.button.text, ".TabStop = True");
        // A hidden option button is parked in its frame's corner; the window
        // must not show it there.
        if (!control->props.button.visible)
            propertyLine(control, ".Visible = False");
        return;
    case KindLabel:
        return writeButtonBlock(control, control->props.label.text, nullptr);
    case KindFrame:
        return writeFrameBlock(control);
    case KindTextBox:
        return writeTextBoxBlock(control);
    case KindComboBox:
        return writeComboBoxBlock(control);
    case KindListBox:
        return writeListBoxBlock(control);
    case KindTimer:
        return writeTimerBlock(control);
    case KindDriveListBox:
    case KindFileListBox:
    case KindDirListBox:
        return writeFileBoxBlock(control);
    case KindScrollBar:
        return writeScrollBarBlock(control);
    default:
        return;
    }
}

// Command buttons, check boxes, option buttons and labels; only option
// buttons carry a TabStop line.
void VbWriter::writeButtonBlock(const FormNode* control, const char* text, const char* tabStop)
{
    header(control);
    placeLines(control);
    tabIndexLine(control);
    if (tabStop != nullptr)
        propertyLine(control, tabStop);
    textLine(control, text);
}

void VbWriter::writeFrameBlock(const FormNode* frame)
{
    header(frame);
    property(frame);
    *this << ".Controls.AddRange(New System.Windows.Forms.Control() {";
    for (const FormNode* o = frame->firstOption(); o != nullptr; o = o->nextSibling) {
        if (o != frame->firstOption())
            *this << ", ";
        *this << "Me.";
        name(o);
    }
    *this << "})";
    endLine();
    placeLines(frame);
    tabIndexLine(frame);
    propertyLine(frame, ".TabStop = False");
    textLine(frame, frame->props.button.text);
}

void VbWriter::writeTextBoxBlock(const FormNode* box)
{
    header(box);
    locationLine(box, ", ");
    // Option Strict takes no Integer for the Boolean property.
    property(box);
    if (strict)
        *this << ".MultiLine = " << (box->props.textBox.multiLine != 0 ? "True" : "False");
    else
        *this << ".MultiLine = " << box->props.textBox.multiLine;
    endLine();
    nameLine(box);
    sizeLine(box, ", ");
    tabIndexLine(box);
    textLine(box, "\"\"");
}

void VbWriter::writeComboBoxBlock(const FormNode* box)
{
    const int style = box->props.comboBox.style;
    header(box);
    if (style != 0)
        propertyLine(box, style == 1 ? ".DropDownStyle = System.Windows.Forms.ComboBoxStyle.Simple"
                                     : ".DropDownStyle = System.Windows.Forms.ComboBoxStyle.DropDownList");
    placeLines(box);
    tabIndexLine(box);
}

void VbWriter::writeListBoxBlock(const FormNode* box)
{
    header(box);
    placeLines(box);
    propertyLine(box, box->props.listBox.sorted ? ".Sorted = True" : ".Sorted = False");
    tabIndexLine(box);
}

// The interval line stands at column 0.
void VbWriter::writeTimerBlock(const FormNode* timer)
{
    header(timer);
    *this << "Me.";
    name(timer);
    *this << ".Interval = " << timer->props.timer.interval;
    endLine();
}

void VbWriter::writeFileBoxBlock(const FormNode* box)
{
    header(box);
    locationLine(box, ",");
    sizeLine(box, ",");
    tabIndexLine(box);
}

void VbWriter::writeScrollBarBlock(const FormNode* bar)
{
    const ScrollBarRecord& s = bar->props.scrollBar;
    header(bar);
    property(bar);
    *this << ".LargeChange = " << s.largeChange;
    endLine();
    locationLine(bar, ",");
    property(bar);
    *this << ".Minimum = " << s.minimum;
    endLine();
    property(bar);
    *this << ".Maximum = " << s.maximum;
    endLine();
    sizeLine(bar, ",");
    tabIndexLine(bar);
    propertyLine(bar, ".TabStop = True");
    property(bar);
    *this << ".Value = " << s.value;
    endLine();
}

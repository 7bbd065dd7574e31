// The property blocks inside InitializeComponent: three comment lines, then
// the lines of the control's kind in a fixed order. A text box's label and
// a frame's option buttons have blocks of their own right after it.
#include "codegen/vbwriter.h"

void VbWriter::header(const Control& control)
{
    line("'");
    writeIndent();
    *this << "' ";
    plainName(control);
    endLine();
    line("'");
}

void VbWriter::property(const Control& control)
{
    writeIndent();
    *this << "Me.";
    name(control);
}

// One property line: "Me.", the name and the text.
void VbWriter::propertyLine(const Control& control, const char* text)
{
    property(control);
    *this << text;
    endLine();
}

// Location and size; the compatibility list boxes and the scroll bar write
// them narrow, with no blank after the comma.
void VbWriter::locationLine(const Control& control, const char* separator)
{
    property(control);
    *this << ".Location = New System.Drawing.Point(" << control.left << separator << control.top << ")";
    endLine();
}

void VbWriter::sizeLine(const Control& control, const char* separator)
{
    property(control);
    *this << ".Size = New System.Drawing.Size(" << control.width << separator << control.height << ")";
    endLine();
}

void VbWriter::nameLine(const Control& control)
{
    property(control);
    *this << ".Name = \"";
    plainName(control);
    *this << "\"";
    endLine();
}

void VbWriter::tabIndexLine(const Control& control)
{
    property(control);
    *this << ".TabIndex = " << control.tabIndex;
    endLine();
}

void VbWriter::textLine(const Control& control, std::string_view text)
{
    property(control);
    *this << ".Text = ";
    this->text(text);
    endLine();
}

// Location, Name and Size, the start of most blocks.
void VbWriter::placeLines(const Control& control)
{
    locationLine(control, ", ");
    nameLine(control);
    sizeLine(control, ", ");
}

void VbWriter::writeBlock(const Control& control)
{
    switch (control.kind) {
    case KindCommandButton:
    case KindCheckBox:
        return writeButtonBlock(control, nullptr);
    case KindOptionButton:
        writeButtonBlock(control, ".TabStop = True");
        // A hidden option button is parked in its frame's corner; the window
        // must not show it there.
        if (!control.visible)
            propertyLine(control, ".Visible = False");
        return;
    case KindLabel:
        return writeButtonBlock(control, nullptr);
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
void VbWriter::writeButtonBlock(const Control& control, const char* tabStop)
{
    header(control);
    placeLines(control);
    tabIndexLine(control);
    if (tabStop != nullptr)
        propertyLine(control, tabStop);
    textLine(control, control.text);
}

void VbWriter::writeFrameBlock(const Control& frame)
{
    header(frame);
    property(frame);
    *this << ".Controls.AddRange(New System.Windows.Forms.Control() {";
    for (const auto& o : frame.options) {
        if (o != frame.options.front())
            *this << ", ";
        *this << "Me.";
        name(*o);
    }
    *this << "})";
    endLine();
    placeLines(frame);
    tabIndexLine(frame);
    propertyLine(frame, ".TabStop = False");
    textLine(frame, frame.text);
}

void VbWriter::writeTextBoxBlock(const Control& box)
{
    header(box);
    locationLine(box, ", ");
    // Option Strict takes no Integer for the Boolean property.
    property(box);
    if (strict)
        *this << ".MultiLine = " << (box.multiLine ? "True" : "False");
    else
        *this << ".MultiLine = " << (box.multiLine ? 1 : 0);
    endLine();
    nameLine(box);
    sizeLine(box, ", ");
    tabIndexLine(box);
    textLine(box, "\"\"");
}

void VbWriter::writeComboBoxBlock(const Control& box)
{
    const int style = box.style;
    header(box);
    if (style != 0)
        propertyLine(box, style == 1 ? ".DropDownStyle = System.Windows.Forms.ComboBoxStyle.Simple"
                                     : ".DropDownStyle = System.Windows.Forms.ComboBoxStyle.DropDownList");
    placeLines(box);
    tabIndexLine(box);
}

void VbWriter::writeListBoxBlock(const Control& box)
{
    header(box);
    placeLines(box);
    propertyLine(box, box.sorted ? ".Sorted = True" : ".Sorted = False");
    tabIndexLine(box);
}

// The interval line stands at column 0.
void VbWriter::writeTimerBlock(const Control& timer)
{
    header(timer);
    *this << "Me.";
    name(timer);
    *this << ".Interval = " << timer.interval;
    endLine();
}

void VbWriter::writeFileBoxBlock(const Control& box)
{
    header(box);
    locationLine(box, ",");
    sizeLine(box, ",");
    tabIndexLine(box);
}

void VbWriter::writeScrollBarBlock(const Control& bar)
{
    const ScrollBarValues& s = bar.scrollBar;
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

// The property blocks inside InitializeComponent: three comment lines, then
// the lines of the control's kind in a fixed order.
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

void VbWriter::labelHeader(int number)
{
    line("'");
    writeIndent();
    *this << "' lbl" << number;
    endLine();
    line("'");
}

void VbWriter::property(const FormNode* control)
{
    writeIndent();
    *this << "Me.";
    name(control);
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

void VbWriter::writeSectionProperties(const FormNode* section)
{
    for (const FormNode* c = section->firstSon; c != nullptr; c = c->nextSibling)
        writeBlock(c);
}

void VbWriter::writeBlock(const FormNode* control)
{
    switch (control->kind) {
    case KindCommandButton:
    case KindCheckBox:
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
    default:   // labels and option buttons go with their box and frame
        return;
    }
}

// Command buttons, check boxes and option buttons; only option buttons
// carry a TabStop line.
void VbWriter::writeButtonBlock(const FormNode* control, const char* tabStop)
{
    const ButtonRecord& b = control->props.button;
    header(control);
    property(control);
    location(control, ", ");
    property(control);
    *this << ".Name = \"";
    plainName(control);
    *this << "\"";
    endLine();
    property(control);
    size(control, ", ");
    property(control);
    *this << ".TabIndex = " << b.tabIndex;
    endLine();
    if (tabStop != nullptr) {
        property(control);
        *this << tabStop;
        endLine();
    }
    property(control);
    *this << ".Text = " << b.text;
    endLine();
}

void VbWriter::writeFrameBlock(const FormNode* frame)
{
    const ButtonRecord& f = frame->props.button;
    header(frame);
    property(frame);
    *this << ".Controls.AddRange(New System.Windows.Forms.Control() {";
    for (const FormNode* o = frame->son(3); o != nullptr; o = o->nextSibling) {
        if (o != frame->son(3))
            *this << ", ";
        *this << "Me.";
        name(o);
    }
    *this << "})";
    endLine();
    property(frame);
    location(frame, ", ");
    property(frame);
    *this << ".Name = \"";
    plainName(frame);
    *this << "\"";
    endLine();
    property(frame);
    size(frame, ", ");
    property(frame);
    *this << ".TabIndex = " << f.tabIndex;
    endLine();
    property(frame);
    *this << ".TabStop = False";
    endLine();
    property(frame);
    *this << ".Text = " << f.text;
    endLine();
    for (const FormNode* o = frame->son(3); o != nullptr; o = o->nextSibling)
        writeButtonBlock(o, ".TabStop = True");
}

void VbWriter::writeTextBoxBlock(const FormNode* box)
{
    const TextBoxRecord& t = box->props.textBox;
    header(box);
    property(box);
    location(box, ", ");
    property(box);
    *this << ".MultiLine = " << t.multiLine;
    endLine();
    property(box);
    *this << ".Name = \"";
    plainName(box);
    *this << "\"";
    endLine();
    property(box);
    size(box, ", ");
    property(box);
    *this << ".TabIndex = " << t.tabIndex;
    endLine();
    property(box);
    *this << ".Text = \"\"";
    endLine();
    writeLabelBlock(labelOf(box));
}

void VbWriter::writeLabelBlock(const FormNode* label)
{
    const LabelRecord& l = label->props.label;
    const int number = l.tabIndex;
    labelHeader(number);
    writeIndent();
    *this << "Me.lbl" << number;
    location(label, ", ");
    writeIndent();
    *this << "Me.lbl" << number << ".Name = \"lbl" << number << "\"";
    endLine();
    writeIndent();
    *this << "Me.lbl" << number;
    size(label, ", ");
    writeIndent();
    *this << "Me.lbl" << number << ".TabIndex = " << number;
    endLine();
    writeIndent();
    *this << "Me.lbl" << number << ".Text = " << l.text;
    endLine();
}

void VbWriter::writeComboBoxBlock(const FormNode* box)
{
    const ComboBoxRecord& c = box->props.comboBox;
    header(box);
    if (c.style != 0) {
        property(box);
        *this << ".DropDownStyle = System.Windows.Forms.ComboBoxStyle."
              << (c.style == 1 ? "Simple" : "DropDownList");
        endLine();
    }
    property(box);
    location(box, ", ");
    property(box);
    *this << ".Name = \"";
    plainName(box);
    *this << "\"";
    endLine();
    property(box);
    size(box, ", ");
    property(box);
    *this << ".TabIndex = " << c.tabIndex;
    endLine();
}

void VbWriter::writeListBoxBlock(const FormNode* box)
{
    const ListBoxRecord& l = box->props.listBox;
    header(box);
    property(box);
    location(box, ", ");
    property(box);
    *this << ".Name = \"";
    plainName(box);
    *this << "\"";
    endLine();
    property(box);
    size(box, ", ");
    property(box);
    *this << ".Sorted = " << (l.sorted ? "True" : "False");
    endLine();
    property(box);
    *this << ".TabIndex = " << l.tabIndex;
    endLine();
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
    property(box);
    location(box, ",");
    property(box);
    size(box, ",");
    property(box);
    *this << ".TabIndex = " << box->props.fileBox.tabIndex;
    endLine();
}

void VbWriter::writeScrollBarBlock(const FormNode* bar)
{
    const ScrollBarRecord& s = bar->props.scrollBar;
    header(bar);
    property(bar);
    *this << ".LargeChange = " << s.largeChange;
    endLine();
    property(bar);
    location(bar, ",");
    property(bar);
    *this << ".Minimum = " << s.minimum;
    endLine();
    property(bar);
    *this << ".Maximum = " << s.maximum;
    endLine();
    property(bar);
    size(bar, ",");
    property(bar);
    *this << ".TabIndex = " << s.tabIndex;
    endLine();
    property(bar);
    *this << ".TabStop = True";
    endLine();
    property(bar);
    *this << ".Value = " << s.value;
    endLine();
}

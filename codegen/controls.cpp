// Declarations and creations: one field and one creation line per control,
// a text box's label right after its box, a frame's option buttons right
// after their frame.
#include "codegen/codegen.h"
#include "symbols/symbols.h"

const FormNode* labelOf(const FormNode* textBox) { return textBox->son(4); }

int labelNumber(const FormNode* textBox) { return labelOf(textBox)->props.label.tabIndex; }

namespace {

// The type of a control of this kind, as declaration and creation name it;
// null for nodes that are written with their box or frame, or not at all.
const char* typeOf(const FormNode* control)
{
    switch (control->kind) {
    case KindDriveListBox: return "Microsoft.VisualBasic.Compatibility.VB6.DriveListBox";
    case KindTextBox: return "System.Windows.Forms.TextBox";
    case KindComboBox: return "System.Windows.Forms.ComboBox";
    case KindCommandButton: return "System.Windows.Forms.Button";
    case KindFrame: return "System.Windows.Forms.GroupBox";
    case KindCheckBox: return "System.Windows.Forms.CheckBox";
    case KindListBox:
        return control->props.listBox.style == 1 ? "System.Windows.Forms.CheckedListBox"
                                                 : "System.Windows.Forms.ListBox";
    case KindTimer: return "System.Windows.Forms.Timer";
    case KindFileListBox: return "Microsoft.VisualBasic.Compatibility.VB6.FileListBox";
    case KindDirListBox: return "Microsoft.VisualBasic.Compatibility.VB6.DirListBox";
    case KindScrollBar:
        return control->props.scrollBar.horizontal ? "System.Windows.Forms.HScrollbar"
                                                   : "System.Windows.Forms.VScrollbar";
    default: return nullptr;
    }
}

const char* const RadioButton = "System.Windows.Forms.RadioButton";
const char* const Label = "System.Windows.Forms.Label";

}  // namespace

void VbWriter::declareLine(const FormNode* control, const char* type)
{
    writeIndent();
    *this << "Friend WithEvents ";
    name(control);
    *this << " As " << type;
    endLine();
}

void VbWriter::createLine(const FormNode* control, const char* type)
{
    writeIndent();
    *this << "Me.";
    name(control);
    *this << " = New " << type << (control->kind == KindTimer ? "(Me.components)" : "()");
    endLine();
}

bool VbWriter::declareSection(const FormNode* section)
{
    bool timer = false;
    for (const FormNode* c = section->firstSon; c != nullptr; c = c->nextSibling) {
        const char* type = typeOf(c);
        if (type == nullptr)
            continue;
        declareLine(c, type);
        timer = timer || c->kind == KindTimer;
        if (c->kind == KindTextBox) {
            writeIndent();
            *this << "Friend WithEvents lbl" << labelNumber(c) << " As " << Label;
            endLine();
        } else if (c->kind == KindFrame) {
            for (const FormNode* o = c->son(3); o != nullptr; o = o->nextSibling)
                declareLine(o, RadioButton);
        }
    }
    return timer;
}

void VbWriter::createSection(const FormNode* section)
{
    for (const FormNode* c = section->firstSon; c != nullptr; c = c->nextSibling) {
        const char* type = typeOf(c);
        if (type == nullptr)
            continue;
        createLine(c, type);
        if (c->kind == KindTextBox) {
            writeIndent();
            *this << "Me.lbl" << labelNumber(c) << " = New " << Label << "()";
            endLine();
        } else if (c->kind == KindFrame) {
            for (const FormNode* o = c->son(3); o != nullptr; o = o->nextSibling)
                createLine(o, RadioButton);
        }
    }
}

// The passes that name each control once: its field, its creation, its place
// in the form's control list, and a frame's suspend and resume lines.
#include "codegen/vbwriter.h"

const char* typeOf(const Control& control, Framework framework)
{
    // Modern .NET has no VB6 compatibility library: the drive, directory and
    // file list boxes there are kavel's own, from Kavel.Controls.
    const bool modern = framework == Framework::NetCoreApp;
    switch (control.kind) {
    case KindDriveListBox:
        return modern ? "Kavel.Controls.DriveListBox" : "Microsoft.VisualBasic.Compatibility.VB6.DriveListBox";
    case KindTextBox: return "System.Windows.Forms.TextBox";
    case KindLabel: return "System.Windows.Forms.Label";
    case KindComboBox: return "System.Windows.Forms.ComboBox";
    case KindCommandButton: return "System.Windows.Forms.Button";
    case KindFrame: return "System.Windows.Forms.GroupBox";
    case KindOptionButton: return "System.Windows.Forms.RadioButton";
    case KindCheckBox: return "System.Windows.Forms.CheckBox";
    case KindListBox:
        return control.style == 1 ? "System.Windows.Forms.CheckedListBox"
                                                 : "System.Windows.Forms.ListBox";
    case KindTimer: return "System.Windows.Forms.Timer";
    case KindFileListBox:
        return modern ? "Kavel.Controls.FileListBox" : "Microsoft.VisualBasic.Compatibility.VB6.FileListBox";
    case KindDirListBox:
        return modern ? "Kavel.Controls.DirListBox" : "Microsoft.VisualBasic.Compatibility.VB6.DirListBox";
    case KindScrollBar:
        return control.scrollBar.horizontal ? "System.Windows.Forms.HScrollbar"
                                                   : "System.Windows.Forms.VScrollbar";
    default: return "";
    }
}

namespace {

// The VB6 compatibility types, which their assembly marks obsolete.
bool isCompatibilityType(const Control& control, Framework framework)
{
    return framework == Framework::NetFramework &&
           (control.kind == KindDriveListBox || control.kind == KindFileListBox || control.kind == KindDirListBox);
}

}  // namespace

// Strict code names the obsolete VB6 types only where the obsolete warning
// is off: each run of lines that names them, declarations and creations
// alike, stands between #Disable and #Enable, and no other line does.
void VbWriter::obsoleteRun(const Control& control)
{
    if (!strict || isCompatibilityType(control, framework) == obsoleteWarningsOff)
        return;
    obsoleteWarningsOff = !obsoleteWarningsOff;
    line(obsoleteWarningsOff ? "#Disable Warning BC40000" : "#Enable Warning BC40000");
}

void VbWriter::endObsoleteRun()
{
    if (obsoleteWarningsOff) {
        obsoleteWarningsOff = false;
        line("#Enable Warning BC40000");
    }
}

// Strict code declares every field Shadows: a field named like a member of
// any of the form's base classes must be, and on any other field it costs
// nothing (no warning), while those members differ from one framework to
// the next.
void VbWriter::declare(const Control& control)
{
    obsoleteRun(control);
    writeIndent();
    // A field named like a member of the Form base class hides it on purpose;
    // strict code declares them all so.
    const bool shadows =
        strict || (control.kind != KindLabel && vb::baseMemberOf(control.name) >= 0);
    *this << (shadows ? "Friend Shadows WithEvents " : "Friend WithEvents ");
    name(control);
    *this << " As " << typeOf(control, framework);
    endLine();
}

// A timer belongs to the form's components.
void VbWriter::create(const Control& control)
{
    obsoleteRun(control);
    writeIndent();
    *this << "Me.";
    name(control);
    *this << " = New " << typeOf(control, framework) << (control.kind == KindTimer ? "(Me.components)" : "()");
    endLine();
}

// The form holds every control but the timers, which are components, and
// the option buttons, which their frame holds.
void VbWriter::listControl(const Control& control)
{
    if (control.kind == KindTimer || control.kind == KindOptionButton)
        return;
    if (!firstInList)
        *this << ", ";
    firstInList = false;
    *this << "Me.";
    name(control);
}

void VbWriter::frameLine(const Control& control, const char* call)
{
    if (control.kind != KindFrame)
        return;
    writeIndent();
    *this << "Me.";
    name(control);
    *this << call;
    endLine();
}

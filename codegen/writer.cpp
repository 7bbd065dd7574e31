// The class text and the file it goes to.
#include <charconv>
#include <cstring>

#include "codegen/vbwriter.h"

VbWriter& VbWriter::operator<<(int value)
{
    char digits[16];
    auto result = std::to_chars(digits, digits + sizeof digits, value);
    out.append(digits, result.ptr);
    return *this;
}

void VbWriter::self(vb::BaseMember member)
{
    *this << ((shadowed >> member & 1u) != 0 ? "MyBase." : "Me.");
}

void VbWriter::noteShadowed(const Control& control)
{
    if (control.kind == KindLabel)
        return;
    const int member = vb::baseMemberOf(control.name);
    if (member >= 0)
        shadowed |= 1u << member;
}

void VbWriter::line(const char* text)
{
    writeIndent();
    out += text;
    out += '\n';
}

namespace {

// The class text around the passes: its head after "Public Class <name>",
// the head of InitializeComponent, and the tail after its last line.
const char* const classHead =
    "    Inherits System.Windows.Forms.Form\n"
    "#Region \" Windows Form Designer generated code \"\n"
    "    Public Sub New()\n"
    "        MyBase.New()\n"
    "\n"
    "        'This call is required by the Windows Form Designer.\n"
    "        InitializeComponent()\n"
    "\n"
    "        'Add any initialization after the InitializeComponent() call\n"
    "\n"
    "    End Sub\n"
    "\n"
    "    'Form overrides dispose to clean up the component list.\n"
    "    Protected Overloads Overrides Sub Dispose(ByVal disposing As Boolean)\n"
    "        If disposing Then\n"
    "            If Not (components Is Nothing) Then\n"
    "                components.Dispose()\n"
    "            End If\n"
    "        End If\n"
    "        MyBase.Dispose(disposing)\n"
    "    End Sub\n"
    "\n"
    "    'Required by the Windows Form Designer\n"
    "    Private components As System.ComponentModel.IContainer\n"
    "\n"
    "    'NOTE: The following procedure is required by the Windows Form Designer\n"
    "    'It can be modified using the Windows Form Designer.\n"
    "    'Do not modify it using the code editor.\n";

const char* const initializeHead =
    "    <System.Diagnostics.DebuggerStepThrough()> Private Sub InitializeComponent()\n";

const char* const classTail =
    "\n"
    "    End Sub\n"
    "\n"
    "#End Region\n"
    "\n"
    "End Class\n";

}  // namespace

std::vector<std::string_view> formTexts(const Form& form)
{
    std::vector<std::string_view> texts{form.caption};
    walkControls(form, [&](const Control& c) {
        if (c.kind == KindLabel || c.kind == KindCommandButton || c.kind == KindCheckBox || c.kind == KindFrame ||
            c.kind == KindOptionButton)
            texts.push_back(c.text);
    });
    return texts;
}

std::string writeClass(const Form& form, const WriterOptions& options)
{
    std::string output;
    output.reserve(16384);
    VbWriter w(output, 4, options);
    walkControls(form, [&](const Control& c) { w.noteShadowed(c); });
    w.reading = textReading(formTexts(form));
    output += "Public Class ";
    vb::writeIdentifier(form.name, output);
    output += '\n';
    output += classHead;
    walkControls(form, [&](const Control& c) { w.declare(c); });
    w.endObsoleteRun();
    output += initializeHead;

    w.indent = 8;
    bool anyTimer = false;
    walkControls(form, [&](const Control& c) { anyTimer = anyTimer || c.kind == KindTimer; });
    if (anyTimer)
        w.line("Me.components = New System.ComponentModel.Container()");
    walkControls(form, [&](const Control& c) { w.create(c); });
    w.endObsoleteRun();
    walkControls(form, [&](const Control& c) { w.frameLine(c, ".SuspendLayout()"); });
    w.writeIndent();
    w.self(vb::BaseSuspendLayout);
    w << "SuspendLayout()";
    w.endLine();
    walkControls(form, [&](const Control& c) { w.writeBlock(c); });
    w.writeFormBlock(form);
    walkControls(form, [&](const Control& c) { w.frameLine(c, ".ResumeLayout(False)"); });
    w.writeIndent();
    w.self(vb::BaseResumeLayout);
    w << "ResumeLayout(False)";
    w.endLine();
    output += classTail;
    return output;
}

// The form's own block, the last: its comment head, sizes, control list,
// name and caption.
void VbWriter::writeFormBlock(const Form& form)
{
    line("'");
    writeIndent();
    *this << "'";
    out += form.name;
    endLine();
    line("'");
    writeIndent();
    self(vb::BaseAutoScaleBaseSize);
    *this << "AutoScaleBaseSize = New System.Drawing.Size(5, 13)";
    endLine();
    writeIndent();
    self(vb::BaseClientSize);
    *this << "ClientSize = New System.Drawing.Size(" << form.clientWidth << ", " << form.clientHeight << ")";
    endLine();
    writeIndent();
    self(vb::BaseControls);
    *this << "Controls.AddRange(New System.Windows.Forms.Control() {";
    walkControls(form, [this](const Control& c) { listControl(c); });
    *this << "})";
    endLine();
    writeIndent();
    self(vb::BaseName);
    *this << "Name = \"";
    out += form.name;
    *this << "\"";
    endLine();
    writeIndent();
    self(vb::BaseText);
    *this << "Text = ";
    text(form.caption);
    endLine();
}


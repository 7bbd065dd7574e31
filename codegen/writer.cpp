// The class text and the file it goes to.
#include <charconv>
#include <cstring>

#include "codegen/codegen.h"
#include "driver/driver.h"
#include "platform/platform.h"
#include "symbols/symbols.h"

VbWriter& VbWriter::operator<<(int value)
{
    char digits[16];
    auto result = std::to_chars(digits, digits + sizeof digits, value);
    out.append(digits, result.ptr);
    return *this;
}

// A label has no name in the source: "lbl" and its number stand in for it.
void VbWriter::name(const FormNode* control)
{
    if (control->kind == KindLabel)
        out += labelName(control->props.label.tabIndex);
    else
        writeIdentifier(control->nameNode()->symbol, out);
}

void VbWriter::plainName(const FormNode* control)
{
    if (control->kind == KindLabel)
        out += labelName(control->props.label.tabIndex);
    else
        symtab.writeName(control->nameNode()->symbol, out);
}

void VbWriter::self(BaseMember member)
{
    *this << ((shadowed >> member & 1u) != 0 ? "MyBase." : "Me.");
}

void VbWriter::noteShadowed(const FormNode* control)
{
    if (control->kind == KindLabel)
        return;
    const int member = baseMemberOf(symtab.nameOf(control->nameNode()->symbol));
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

void FormModel::writeClass()
{
    const FormNode* formName = root->nameNode();
    VbWriter w(output, 4, options.strict);
    std::vector<const char*> texts{symtab.nameOf(root->caption()->symbol)};
    walkControls(root, [&](const FormNode* c) {
        if (c->kind == KindLabel)
            texts.push_back(c->props.label.text);
        else if (c->kind == KindCommandButton || c->kind == KindCheckBox || c->kind == KindFrame ||
                 c->kind == KindOptionButton)
            texts.push_back(c->props.button.text);
        w.noteShadowed(c);
    });
    w.reading = textReading(texts);
    output += "Public Class ";
    writeIdentifier(formName->symbol, output);
    output += '\n';
    output += classHead;
    walkControls(root, [&](const FormNode* c) { w.declare(c); });
    w.endObsoleteRun();
    output += initializeHead;

    w.indent = 8;
    bool anyTimer = false;
    walkControls(root, [&](const FormNode* c) { anyTimer = anyTimer || c->kind == KindTimer; });
    if (anyTimer)
        w.line("Me.components = New System.ComponentModel.Container()");
    walkControls(root, [&](const FormNode* c) { w.create(c); });
    w.endObsoleteRun();
    walkControls(root, [&](const FormNode* c) { w.frameLine(c, ".SuspendLayout()"); });
    w.writeIndent();
    w.self(BaseSuspendLayout);
    w << "SuspendLayout()";
    w.endLine();
    walkControls(root, [&](const FormNode* c) { w.writeBlock(c); });
    w.writeFormBlock(root);
    walkControls(root, [&](const FormNode* c) { w.frameLine(c, ".ResumeLayout(False)"); });
    w.writeIndent();
    w.self(BaseResumeLayout);
    w << "ResumeLayout(False)";
    w.endLine();
    output += classTail;
}

// The form's own block, the last: its comment head, sizes, control list,
// name and caption.
void VbWriter::writeFormBlock(const FormNode* root)
{
    line("'");
    writeIndent();
    *this << "'";
    plainName(root);
    endLine();
    line("'");
    writeIndent();
    self(BaseAutoScaleBaseSize);
    *this << "AutoScaleBaseSize = New System.Drawing.Size(5, 13)";
    endLine();
    writeIndent();
    self(BaseClientSize);
    *this << "ClientSize = New System.Drawing.Size(" << root->props.form.clientWidth << ", "
      << root->props.form.clientHeight << ")";
    endLine();
    writeIndent();
    self(BaseControls);
    *this << "Controls.AddRange(New System.Windows.Forms.Control() {";
    walkControls(root, [this](const FormNode* c) { listControl(c); });
    *this << "})";
    endLine();
    writeIndent();
    self(BaseName);
    *this << "Name = \"";
    plainName(root);
    *this << "\"";
    endLine();
    writeIndent();
    self(BaseText);
    *this << "Text = ";
    text(symtab.nameOf(root->caption()->symbol));
    endLine();
}

namespace {

// The one refusal of the writer.
[[noreturn]] void refuse(ErrorCode code, const char* message)
{
    fail(code, stderr, message,
         std::string(code == ErrOutputOpen ? "cannot open '" : "cannot write '") + outputPath + "'");
}

}  // namespace

// The class goes to a temporary file beside the target, which replaces the
// output file (the source's path with ".vb", or the one named by -o) only
// once it is complete and closed: a failed run leaves an earlier file exactly
// as it was.
void FormModel::generate()
{
    output.clear();
    output.reserve(16384);
    writeClass();

    switch (platform::replaceFile(outputPath.c_str(), output.data(), output.size())) {
    case platform::WriteOutcome::Written:
        return;
    case platform::WriteOutcome::CannotCreate:
        refuse(ErrOutputOpen, "Couldn't open a .vb");
    case platform::WriteOutcome::CannotWrite:
        refuse(ErrOutputWrite, "Couldn't write a .vb");
    }
}

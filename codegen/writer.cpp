// The class text and the file it goes to.
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "codegen/codegen.h"
#include "driver/driver.h"
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
    w.line("Me.SuspendLayout()");
    walkControls(root, [&](const FormNode* c) { w.writeBlock(c); });
    w.writeFormBlock(root);
    walkControls(root, [&](const FormNode* c) { w.frameLine(c, ".ResumeLayout(False)"); });
    w.line("Me.ResumeLayout(False)");
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
    line("Me.AutoScaleBaseSize = New System.Drawing.Size(5, 13)");
    writeIndent();
    *this << "Me.ClientSize = New System.Drawing.Size(" << root->props.form.clientWidth << ", "
      << root->props.form.clientHeight << ")";
    endLine();
    writeIndent();
    *this << "Me.Controls.AddRange(New System.Windows.Forms.Control() {";
    walkControls(root, [this](const FormNode* c) { listControl(c); });
    *this << "})";
    endLine();
    writeIndent();
    *this << "Me.Name = \"";
    plainName(root);
    *this << "\"";
    endLine();
    writeIndent();
    *this << "Me.Text = ";
    symtab.writeName(root->caption()->symbol, out);
    endLine();
}

namespace {

// The one refusal of the writer: the temporary file, if any, goes first.
[[noreturn]] void refuse(const char* temporary, ErrorCode code, const char* message)
{
    if (temporary != nullptr)
        ::unlink(temporary);
    fail(code, stderr, message,
         std::string(code == ErrOutputOpen ? "cannot open '" : "cannot write '") + outputPath + "'");
}

// The mode a newly created file would get, or the mode of the file replaced.
mode_t outputMode(const char* path)
{
    struct stat st;
    if (::stat(path, &st) == 0 && S_ISREG(st.st_mode))
        return st.st_mode & 07777;
    mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
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

    const char* target = outputPath.c_str();
    struct stat st;
    if (::stat(target, &st) == 0 && S_ISDIR(st.st_mode))
        refuse(nullptr, ErrOutputOpen, "Couldn't open a .vb");
    std::string temporaryName = outputPath + ".XXXXXX";
    char* temporary = temporaryName.data();
    int fd = ::mkstemp(temporary);
    if (fd < 0)
        refuse(nullptr, ErrOutputOpen, "Couldn't open a .vb");
    ::fchmod(fd, outputMode(target));
    const char* data = output.data();
    std::size_t left = output.size();
    while (left > 0) {
        ssize_t written = ::write(fd, data, left);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            ::close(fd);
            refuse(temporary, ErrOutputWrite, "Couldn't write a .vb");
        }
        data += written;
        left -= static_cast<std::size_t>(written);
    }
    if (::close(fd) != 0)
        refuse(temporary, ErrOutputWrite, "Couldn't write a .vb");
    if (::rename(temporary, target) != 0)
        refuse(temporary, ErrOutputOpen, "Couldn't open a .vb");
}

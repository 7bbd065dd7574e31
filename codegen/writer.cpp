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

void VbWriter::name(const FormNode* control) { writeIdentifier(control->firstSon->symbol, out); }

void VbWriter::plainName(const FormNode* control) { symtab.writeName(control->firstSon->symbol, out); }

void VbWriter::line(const char* text)
{
    writeIndent();
    out += text;
    out += '\n';
}

void FormModel::writeClass()
{
    VbWriter w(output, indent);
    const FormNode* formName = root->son(1);
    const FormNode* caption = root->son(3);
    indent = 4;

    w << "Public Class ";
    writeIdentifier(formName->symbol, output);
    w.endLine();
    w.line("Inherits System.Windows.Forms.Form");
    w << "#Region \" Windows Form Designer generated code \"";
    w.endLine();
    w.line("Public Sub New()");
    indent += 4;
    w.line("MyBase.New()");
    w.endLine();
    w.line("'This call is required by the Windows Form Designer.");
    w.line("InitializeComponent()");
    w.endLine();
    w.line("'Add any initialization after the InitializeComponent() call");
    w.endLine();
    indent -= 4;
    w.line("End Sub");
    w.endLine();
    w.line("'Form overrides dispose to clean up the component list.");
    w.line("Protected Overloads Overrides Sub Dispose(ByVal disposing As Boolean)");
    indent += 4;
    w.line("If disposing Then");
    indent += 4;
    w.line("If Not (components Is Nothing) Then");
    indent += 4;
    w.line("components.Dispose()");
    indent -= 4;
    w.line("End If");
    indent -= 4;
    w.line("End If");
    w.line("MyBase.Dispose(disposing)");
    indent -= 4;
    w.line("End Sub");
    w.endLine();
    w.line("'Required by the Windows Form Designer");
    w.line("Private components As System.ComponentModel.IContainer");
    w.endLine();
    w.line("'NOTE: The following procedure is required by the Windows Form Designer");
    w.line("'It can be modified using the Windows Form Designer.");
    w.line("'Do not modify it using the code editor.");

    bool anyTimer = false;
    for (const FormNode* s = root->firstSon; s != nullptr; s = s->nextSibling)
        anyTimer = w.declareSection(s) || anyTimer;
    w.line("<System.Diagnostics.DebuggerStepThrough()> Private Sub InitializeComponent()");
    indent += 4;
    if (anyTimer)
        w.line("Me.components = New System.ComponentModel.Container()");
    for (const FormNode* s = root->firstSon; s != nullptr; s = s->nextSibling)
        w.createSection(s);
    for (const FormNode* s = root->firstSon; s != nullptr; s = s->nextSibling)
        w.suspendFrames(s);
    w.line("Me.SuspendLayout()");
    for (const FormNode* s = root->firstSon; s != nullptr; s = s->nextSibling)
        w.writeSectionProperties(s);

    w.line("'");
    w.writeIndent();
    w << "'";
    symtab.writeName(formName->symbol, output);
    w.endLine();
    w.line("'");
    w.line("Me.AutoScaleBaseSize = New System.Drawing.Size(5, 13)");
    w.writeIndent();
    w << "Me.ClientSize = New System.Drawing.Size(" << root->props.form.clientWidth << ", "
      << root->props.form.clientHeight << ")";
    w.endLine();
    w.writeIndent();
    w << "Me.Controls.AddRange(New System.Windows.Forms.Control() {";
    bool first = true;
    for (const FormNode* s = root->firstSon; s != nullptr; s = s->nextSibling)
        first = w.writeControlList(s, first);
    w << "})";
    w.endLine();
    w.writeIndent();
    w << "Me.Name = \"";
    symtab.writeName(formName->symbol, output);
    w << "\"";
    w.endLine();
    w.writeIndent();
    w << "Me.Text = ";
    symtab.writeName(caption->symbol, output);
    w.endLine();
    for (const FormNode* s = root->firstSon; s != nullptr; s = s->nextSibling)
        w.resumeFrames(s);
    w.line("Me.ResumeLayout(False)");
    indent -= 4;
    w.endLine();
    w.line("End Sub");
    w.endLine();
    w << "#End Region";
    w.endLine();
    w.endLine();
    w << "End Class";
    w.endLine();
}

// One line per frame of the section: "Me.", its name and the call.
void VbWriter::frameLines(const FormNode* section, const char* call)
{
    for (const FormNode* c = section->firstSon; c != nullptr; c = c->nextSibling)
        if (c->kind == KindFrame) {
            writeIndent();
            *this << "Me.";
            name(c);
            *this << call;
            endLine();
        }
}

void VbWriter::suspendFrames(const FormNode* section) { frameLines(section, ".SuspendLayout()"); }

void VbWriter::resumeFrames(const FormNode* section) { frameLines(section, ".ResumeLayout(False)"); }

bool VbWriter::writeControlList(const FormNode* section, bool first)
{
    for (const FormNode* c = section->firstSon; c != nullptr; c = c->nextSibling) {
        switch (c->kind) {
        case KindDriveListBox: case KindTextBox: case KindComboBox: case KindCommandButton:
        case KindFrame: case KindCheckBox: case KindListBox: case KindFileListBox:
        case KindDirListBox: case KindScrollBar:
            break;
        default:   // labels follow their box, options their frame; timers are components
            continue;
        }
        if (!first)
            *this << ", ";
        first = false;
        *this << "Me.";
        name(c);
        if (c->kind == KindTextBox)
            *this << ", Me.lbl" << labelNumber(c);
    }
    return first;
}

namespace {

[[noreturn]] void cannotWrite(const char* temporary)
{
    if (temporary != nullptr)
        ::unlink(temporary);
    say(stderr, "Couldn't write a .vb");
    quit(ExitUsage);
}

[[noreturn]] void cannotOpen(const char* temporary)
{
    if (temporary != nullptr)
        ::unlink(temporary);
    say(stderr, "Couldn't open a .vb");
    quit(ExitUsage);
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

// The class goes to a temporary file beside the target, which replaces
// basename + ".vb" only once it is complete and closed: a failed run leaves
// an earlier file exactly as it was.
void FormModel::generate()
{
    using kavel::basename;
    output.clear();
    output.reserve(16384);
    writeClass();

    std::strcat(basename, ".vb");
    struct stat st;
    if (::stat(basename, &st) == 0 && S_ISDIR(st.st_mode))
        cannotOpen(nullptr);
    char temporary[sizeof basename + 8];
    std::snprintf(temporary, sizeof temporary, "%s.XXXXXX", basename);
    int fd = ::mkstemp(temporary);
    if (fd < 0)
        cannotOpen(nullptr);
    ::fchmod(fd, outputMode(basename));
    const char* data = output.data();
    std::size_t left = output.size();
    while (left > 0) {
        ssize_t written = ::write(fd, data, left);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            ::close(fd);
            cannotWrite(temporary);
        }
        data += written;
        left -= static_cast<std::size_t>(written);
    }
    if (::close(fd) != 0)
        cannotWrite(temporary);
    if (::rename(temporary, basename) != 0)
        cannotOpen(temporary);
}

// Inside the Visual Basic writer: the tree walkers that write declarations,
// creations, property blocks and the form's control list.
#pragma once

#include <string>

#include "codegen/codegen.h"
#include "vb/vb.h"

class VbWriter {
public:
    VbWriter(std::string& out, int indent, const WriterOptions& options)
        : indent(indent), strict(options.strict), framework(options.framework), out(out)
    {
    }

    // The passes; each is a visitor of one control.
    void declare(const Control& control);
    void create(const Control& control);
    void writeBlock(const Control& control);
    void listControl(const Control& control);   // in the form's control list
    void frameLine(const Control& control, const char* call);
    void endObsoleteRun();   // after a pass: the warnings of obsolete types on again
    void writeFormBlock(const Form& form);   // the form's own block, the last

    // Pieces of a line.
    void writeIndent() { out.append(static_cast<std::size_t>(indent), ' '); }
    VbWriter& operator<<(const char* text) { out += text; return *this; }
    VbWriter& operator<<(std::string_view text) { out += text; return *this; }
    VbWriter& operator<<(int value);
    void name(const Control& control) { vb::writeIdentifier(control.name, out); }   // in code
    void plainName(const Control& control) { out += control.name; }             // in comments and strings
    void endLine() { out += '\n'; }
    void line(const char* text);          // indented, with its line end
    void text(std::string_view quoted) { writeText(quoted, reading, out); }
    // "Me.", or "MyBase." where a control's field has the member's name.
    void self(vb::BaseMember member);
    // Notes the base members that the form's controls shadow.
    void noteShadowed(const Control& control);

    int indent;
    const bool strict;
    const Framework framework;
    TextReading reading = TextReading::Utf8;

private:
    void obsoleteRun(const Control& control);
    void header(const Control& control);
    void property(const Control& control);   // indent and "Me.<name>"
    void propertyLine(const Control& control, const char* text);
    void locationLine(const Control& control, const char* separator);
    void sizeLine(const Control& control, const char* separator);
    void nameLine(const Control& control);
    void tabIndexLine(const Control& control);
    void textLine(const Control& control, std::string_view text);
    void placeLines(const Control& control);
    void writeButtonBlock(const Control& control, const char* tabStop);
    void writeTextBoxBlock(const Control& box);
    void writeFrameBlock(const Control& frame);
    void writeComboBoxBlock(const Control& box);
    void writeListBoxBlock(const Control& box);
    void writeTimerBlock(const Control& timer);
    void writeFileBoxBlock(const Control& box);
    void writeScrollBarBlock(const Control& bar);

    std::string& out;
    bool firstInList = true;
    bool obsoleteWarningsOff = false;   // inside #Disable Warning BC40000
    unsigned shadowed = 0;   // bit i: a control has the name of base member i
};

// The Visual Basic writer: the fixed class text, and the passes over the
// controls of the form tree that write declarations, creations, property
// blocks and the form's control list into the form model's output.
#pragma once

#include <string>
#include <vector>

#include "form/form.h"

// How Visual Basic will read the texts of the written file, which decides
// what is written by its code (see codegen/texts.cpp).
enum class TextReading {
    Utf8,                // U+201C, U+201D and U+FF02 by their code
    Windows1252,         // the bytes 0x93 and 0x94 by their code
    Windows1252ByCode,   // every byte above 0x7F by its code
};
// The reading of a form's texts, from all of them together.
TextReading textReading(const std::vector<const char*>& texts);
// Writes a quoted text of the source, both quotes included, so that Visual
// Basic reads exactly its characters.
void writeText(const char* quoted, TextReading reading, std::string& out);

// Visits every control of the form in the one order the class text lists
// them: section by section, each control, then a text box's label or a
// frame's option buttons right after it.
template <class Visit>
void walkControls(const FormNode* root, Visit&& visit)
{
    for (const FormNode* s = root->firstSon; s != nullptr; s = s->nextSibling)
        for (const FormNode* c = s->firstSon; c != nullptr; c = c->nextSibling) {
            if (c->kind == KindNone)
                continue;
            visit(c);
            if (c->kind == KindTextBox)
                visit(c->label());
            else if (c->kind == KindFrame)
                for (const FormNode* o = c->firstOption(); o != nullptr; o = o->nextSibling)
                    visit(o);
        }
}

// Members of the Form base class that the class text uses on itself. A
// control may take such a name: its field is declared Shadows, and the
// class's own lines reach the member through MyBase instead of Me.
enum BaseMember {
    BaseAutoScaleBaseSize, BaseClientSize, BaseControls, BaseName, BaseResumeLayout,
    BaseSuspendLayout, BaseText, BaseMemberCount
};

class VbWriter {
public:
    // `strict`: code that Option Strict On and warnings as errors accept.
    VbWriter(std::string& out, int indent, bool strict = false)
        : indent(indent), strict(strict), out(out) {}

    // The passes; each is a visitor of one control.
    void declare(const FormNode* control);
    void create(const FormNode* control);
    void writeBlock(const FormNode* control);
    void listControl(const FormNode* control);   // in the form's control list
    void frameLine(const FormNode* control, const char* call);
    void endObsoleteRun();   // after a pass: the warnings of obsolete types on again
    void writeFormBlock(const FormNode* root);   // the form's own block, the last

    // Pieces of a line.
    void writeIndent() { out.append(static_cast<std::size_t>(indent), ' '); }
    VbWriter& operator<<(const char* text) { out += text; return *this; }
    VbWriter& operator<<(int value);
    void name(const FormNode* control);        // the control's name in code
    void plainName(const FormNode* control);   // the same in comments and strings
    void endLine() { out += '\n'; }
    void line(const char* text);          // indented, with its line end
    void text(const char* quoted) { writeText(quoted, reading, out); }
    // "Me.", or "MyBase." where a control's field has the member's name.
    void self(BaseMember member);
    // Notes the base members that the form's controls shadow.
    void noteShadowed(const FormNode* control);

    int indent;
    const bool strict;
    TextReading reading = TextReading::Utf8;

private:
    void obsoleteRun(const FormNode* control);
    void header(const FormNode* control);
    void property(const FormNode* control);   // indent and "Me.<name>"
    void propertyLine(const FormNode* control, const char* text);
    void locationLine(const FormNode* control, const char* separator);
    void sizeLine(const FormNode* control, const char* separator);
    void nameLine(const FormNode* control);
    void tabIndexLine(const FormNode* control);
    void textLine(const FormNode* control, const char* text);
    void placeLines(const FormNode* control);
    void writeButtonBlock(const FormNode* control, const char* text, const char* tabStop);
    void writeTextBoxBlock(const FormNode* box);
    void writeFrameBlock(const FormNode* frame);
    void writeComboBoxBlock(const FormNode* box);
    void writeListBoxBlock(const FormNode* box);
    void writeTimerBlock(const FormNode* timer);
    void writeFileBoxBlock(const FormNode* box);
    void writeScrollBarBlock(const FormNode* bar);
    void location(const FormNode* control, const char* separator);
    void size(const FormNode* control, const char* separator);

    std::string& out;
    bool firstInList = true;
    bool obsoleteWarningsOff = false;   // inside #Disable Warning BC40000
    unsigned shadowed = 0;   // bit i: a control has the name of base member i
};

// Visual Basic names, the parts of one rule: what the class text writes in
// brackets, what it declares Shadows, and what it cannot take at all (the
// parser refuses such names when they are declared).
// Writes a name where Visual Basic code takes it: reserved words in brackets.
void writeIdentifier(int symbol, std::string& out);
// A member that the generated class declares itself: no control can take it.
bool isClassMember(const char* name);
// The base member spelled like this name, or -1.
int baseMemberOf(const char* name);
// A namespace that the generated code names; a form or control so named hides it.
bool isUsedNamespace(const char* name);
// The name of the label with this number: "lbl" and the number.
std::string labelName(int number);
// The number of a name spelled like a label's (no leading zeros), or -1.
int labelNumberOf(const char* name);

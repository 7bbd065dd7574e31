// The Visual Basic writer: the fixed class text, and the passes over the
// controls of the form tree that write declarations, creations, property
// blocks and the form's control list into the form model's output.
#pragma once

#include <string>

#include "form/form.h"

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

    int indent;
    const bool strict;

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
};

// Visual Basic names, both halves of one rule: what the class text writes
// in brackets, and what it cannot take at all (the parser refuses such names
// when they are declared).
// Writes a name where Visual Basic code takes it: reserved words in brackets.
void writeIdentifier(int symbol, std::string& out);
// A member that the generated class declares or uses on itself.
bool isClassMember(const char* name);
// A namespace that the generated code names; a form or control so named hides it.
bool isUsedNamespace(const char* name);
// The name of the label with this number: "lbl" and the number.
std::string labelName(int number);
// The number of a name spelled like a label's (no leading zeros), or -1.
int labelNumberOf(const char* name);

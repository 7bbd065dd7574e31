// The Visual Basic writer: the fixed class text, and the passes over the
// sections of the form tree that write declarations, creations, property
// blocks and the form's control list into the form model's output.
#pragma once

#include <string>

#include "form/form.h"

class VbWriter {
public:
    VbWriter(std::string& out, int& indent) : out(out), indent(indent) {}

    // Section passes; each walks the sons of one son of the root.
    bool declareSection(const FormNode* section);   // true if it declared a timer
    void createSection(const FormNode* section);
    void suspendFrames(const FormNode* section);
    void writeSectionProperties(const FormNode* section);
    bool writeControlList(const FormNode* section, bool first);
    void resumeFrames(const FormNode* section);

    // Pieces of a line.
    void writeIndent() { out.append(static_cast<std::size_t>(indent), ' '); }
    VbWriter& operator<<(const char* text) { out += text; return *this; }
    VbWriter& operator<<(int value);
    void name(const FormNode* control);        // the control's name in code: its first son
    void plainName(const FormNode* control);   // the same in comments and strings
    void endLine() { out += '\n'; }
    void line(const char* text);          // indented, with its line end

private:
    void frameLines(const FormNode* section, const char* call);
    void declareLine(const FormNode* control, const char* type);
    void createLine(const FormNode* control, const char* type);
    void header(const FormNode* control);
    void labelHeader(int number);
    void property(const FormNode* control);   // indent and "Me.<name>"
    void propertyLine(const FormNode* control, const char* text);
    void locationLine(const FormNode* control, const char* separator);
    void sizeLine(const FormNode* control, const char* separator);
    void nameLine(const FormNode* control);
    void tabIndexLine(const FormNode* control);
    void textLine(const FormNode* control, const char* text);
    void placeLines(const FormNode* control);
    void writeBlock(const FormNode* control);
    void writeButtonBlock(const FormNode* control, const char* tabStop);
    void writeLabelBlock(const FormNode* label);
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
    int& indent;
};

// Writes a name where Visual Basic code takes it: reserved words in brackets.
void writeIdentifier(int symbol, std::string& out);
bool reservedTableIsSorted();

// The label of a text box, its fourth son, and the label's number.
const FormNode* labelOf(const FormNode* textBox);
int labelNumber(const FormNode* textBox);

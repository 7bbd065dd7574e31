// The writers of the laid-out form: the Visual Basic form class in the
// layout of designer-generated code, and a description of the form as JSON.
// Each is a function of the form and its options and returns the text.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/base.h"
#include "form/form.h"

struct WriterOptions {
    bool strict = false;   // code that Option Strict On and warnings as errors accept
    Framework framework = Framework::NetFramework;   // which list box types the class names
};

// The Visual Basic form class, its lines ended by '\n'.
std::string writeClass(const Form& form, const WriterOptions& options = {});

// The description of the laid-out form (schema 1): the form and every
// control in the order of the class text, with the places of their names in
// `source` and their texts as the window shows them.
std::string describeForm(const Form& form, const SourceBuffer& source, const WriterOptions& options = {});

// How Visual Basic will read the texts of the written file, which decides
// what is written by its code (see texts.cpp).
enum class TextReading {
    Utf8,                // U+201C, U+201D and U+FF02 by their code
    Windows1252,         // the bytes 0x93 and 0x94 by their code
    Windows1252ByCode,   // every byte above 0x7F by its code
};
// The reading of a form's texts, from all of them together.
TextReading textReading(const std::vector<std::string_view>& texts);
// The texts of a form that reach the class text, the caption first.
std::vector<std::string_view> formTexts(const Form& form);
// Writes a quoted text of the source, both quotes included, so that Visual
// Basic reads exactly its characters.
void writeText(std::string_view quoted, TextReading reading, std::string& out);
// The characters Visual Basic reads from a quoted text, without its quotes,
// as UTF-8.
std::string decodeText(std::string_view quoted, TextReading reading);

// The type of a control, as declaration and creation name it for the target.
const char* typeOf(const Control& control, Framework framework = Framework::NetFramework);

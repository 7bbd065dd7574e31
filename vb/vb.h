// Visual Basic names, the one place that knows them: a name spelled like one
// of its reserved words is written between square brackets; a name spelled
// like a member of the Form base class that the class text uses on itself is
// declared Shadows, and the class's own lines reach that member through
// MyBase; a name that the generated class already gives a meaning (a member
// it declares itself, a namespace it names, a label it generates) is
// refused, since neither helps there. Every other name is written as it is.
#pragma once

#include <string>
#include <string_view>

namespace vb {

// Members of the Form base class that the class text uses on itself, in the
// order of their names in vb.cpp.
enum BaseMember {
    BaseAutoScaleBaseSize, BaseClientSize, BaseControls, BaseName, BaseResumeLayout,
    BaseSuspendLayout, BaseText, BaseMemberCount
};

// A reserved word of Visual Basic (names here are folded to lower case).
bool isReserved(std::string_view name);
// Appends a name where Visual Basic code takes it: reserved words in brackets.
void writeIdentifier(std::string_view name, std::string& out);
// A member that the generated class declares itself: no control can take it.
bool isClassMember(std::string_view name);
// The base member spelled like this name, or -1.
int baseMemberOf(std::string_view name);
// A namespace that the generated code names; a form or control so named hides it.
bool isUsedNamespace(std::string_view name);
// The namespace My of Visual Basic, which a form's class of that name
// conflicts with in every project.
bool isMyNamespace(std::string_view name);
// The name of the label with this number: "lbl" and the number.
std::string labelName(int number);
// The number of a name spelled like a label's (no leading zeros), or -1.
int labelNumberOf(std::string_view name);

}  // namespace vb

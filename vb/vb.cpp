// Names as Visual Basic code takes them, the one place that knows them: a
// name spelled like one of its reserved words is written between square
// brackets; a name spelled like a member of the Form base class that the
// class text uses on itself is declared Shadows, and the class's own lines
// reach that member through MyBase; a name that the generated class already
// gives a meaning (a member it declares itself, a namespace it names, a
// label it generates) is refused, since neither helps there. Every other
// name is written as it is, so sources that never used such a name keep
// their output.
#include <algorithm>
#include <iterator>
#include <string>
#include <string_view>

#include "vb/vb.h"

namespace vb {

namespace {

// The reserved keywords of Visual Basic, in lower case and in alphabetical
// order: the search below relies on the order.
constexpr std::string_view reserved[] = {
    "addhandler", "addressof", "alias", "and", "andalso", "as", "boolean", "byref", "byte", "byval",
    "call", "case", "catch", "cbool", "cbyte", "cchar", "cdate", "cdbl", "cdec", "char", "cint",
    "class", "clng", "cobj", "const", "continue", "csbyte", "cshort", "csng", "cstr", "ctype",
    "cuint", "culng", "cushort", "date", "decimal", "declare", "default", "delegate", "dim",
    "directcast", "do", "double", "each", "else", "elseif", "end", "endif", "enum", "erase", "error",
    "event", "exit", "false", "finally", "for", "friend", "function", "get", "gettype",
    "getxmlnamespace", "global", "gosub", "goto", "handles", "if", "implements", "imports", "in",
    "inherits", "integer", "interface", "is", "isnot", "let", "lib", "like", "long", "loop", "me",
    "mod", "module", "mustinherit", "mustoverride", "mybase", "myclass", "nameof", "namespace",
    "narrowing", "new", "next", "not", "nothing", "notinheritable", "notoverridable", "object", "of",
    "on", "operator", "option", "optional", "or", "orelse", "out", "overloads", "overridable",
    "overrides", "paramarray", "partial", "private", "property", "protected", "public",
    "raiseevent", "readonly", "redim", "rem", "removehandler", "resume", "return", "sbyte", "select",
    "set", "shadows", "shared", "short", "single", "static", "step", "stop", "string", "structure",
    "sub", "synclock", "then", "throw", "to", "true", "try", "trycast", "typeof", "uinteger", "ulong",
    "ushort", "using", "variant", "wend", "when", "while", "widening", "with", "withevents",
    "writeonly", "xor"};
static_assert(std::is_sorted(std::begin(reserved), std::end(reserved)), "reserved words out of order");


// Members that the generated form class declares itself.
constexpr std::string_view classMembers[] = {"components", "dispose", "initializecomponent"};

// Members of the Form base class that the class text uses on itself, in the
// order of enum BaseMember.
constexpr std::string_view baseMembers[] = {
    "autoscalebasesize", "clientsize", "controls", "name", "resumelayout", "suspendlayout", "text"};
static_assert(std::size(baseMembers) == BaseMemberCount, "one name per base member");

// Namespaces that the generated code names.
constexpr std::string_view usedNamespaces[] = {"microsoft", "system"};

template <std::size_t N>
bool isOneOf(std::string_view name, const std::string_view (&list)[N])
{
    return std::find(std::begin(list), std::end(list), name) != std::end(list);
}

}  // namespace

bool isReserved(std::string_view name) { return std::binary_search(std::begin(reserved), std::end(reserved), name); }

void writeIdentifier(std::string_view name, std::string& out)
{
    if (isReserved(name)) {
        out += '[';
        out += name;
        out += ']';
    } else {
        out += name;
    }
}

bool isClassMember(std::string_view name) { return isOneOf(name, classMembers); }

bool isUsedNamespace(std::string_view name) { return isOneOf(name, usedNamespaces); }

bool isMyNamespace(std::string_view name) { return name == "my"; }

int baseMemberOf(std::string_view name)
{
    auto found = std::find(std::begin(baseMembers), std::end(baseMembers), name);
    return found == std::end(baseMembers) ? -1 : static_cast<int>(found - std::begin(baseMembers));
}

std::string labelName(int number) { return "lbl" + std::to_string(number); }

int labelNumberOf(std::string_view name)
{
    if (name.size() < 4 || name.substr(0, 3) != "lbl" || (name[3] == '0' && name.size() > 4))
        return -1;
    // Nine digits at most: every label number is far below that, and a
    // longer one would overflow the conversion and alias a real label.
    if (name.size() > 12)
        return -1;
    int number = 0;
    for (char c : name.substr(3)) {
        if (c < '0' || c > '9')
            return -1;
        number = number * 10 + (c - '0');
    }
    return number;
}

}  // namespace vb

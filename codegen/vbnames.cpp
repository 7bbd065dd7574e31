// Names as Visual Basic code takes them: a name spelled like one of its
// reserved words is written between square brackets. Every other name is
// written as it is, so sources that never used such a name keep their output.
#include <algorithm>
#include <cstring>
#include <iterator>

#include "codegen/codegen.h"
#include "symbols/symbols.h"

namespace {

// The reserved keywords of Visual Basic, in lower case and in alphabetical
// order: the search below relies on the order.
const char* const reserved[] = {
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

bool isReserved(const char* name)
{
    return std::binary_search(std::begin(reserved), std::end(reserved), name,
                              [](const char* a, const char* b) { return std::strcmp(a, b) < 0; });
}

}  // namespace

void writeIdentifier(int symbol, std::string& out)
{
    const char* name = symtab.nameOf(symbol);
    if (isReserved(name)) {
        out += '[';
        out += name;
        out += ']';
    } else {
        symtab.writeName(symbol, out);
    }
}

bool reservedTableIsSorted()
{
    return std::is_sorted(std::begin(reserved), std::end(reserved),
                          [](const char* a, const char* b) { return std::strcmp(a, b) < 0; });
}

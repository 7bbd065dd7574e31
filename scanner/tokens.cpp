// The order of the keyword list against the enumeration, checked while
// compiling: a keyword's token code is its place in the list.
#include "scanner/scanner.h"

namespace {

constexpr int compare(const char* a, const char* b)
{
    while (*a != '\0' && *a == *b)
        ++a, ++b;
    return static_cast<unsigned char>(*a) - static_cast<unsigned char>(*b);
}

constexpr bool is(Token code, const char* text) { return compare(keywords[code], text) == 0; }

// Alphabetical, but for the three places named beside the list.
constexpr bool inKeywordOrder()
{
    for (int code = 1; code < KeywordCount; ++code) {
        bool exception = code == KwColumns || code == KwEnd || code == TokNewline;
        if (!exception && compare(keywords[code - 1], keywords[code]) >= 0)
            return false;
    }
    return compare(keywords[KwEnd], keywords[KwFalse]) < 0;
}

// Padded to 12 characters, but "end" and the newline to 11.
constexpr bool printNamesPadded()
{
    for (int code = 0; code < PrintNameCount; ++code) {
        int length = 0;
        while (printNames[code][length] != '\0')
            ++length;
        if (length != (code == KwEnd || code == TokNewline ? 11 : 12))
            return false;
    }
    return true;
}

static_assert(inKeywordOrder(), "keywords out of order");
static_assert(printNamesPadded(), "print names not padded");
static_assert(is(KwBeginLabel, "beginlabel") && is(KwWidth, "width"));
static_assert(is(KwCommandButton, "commandbutton") && is(KwColumns, "columns"));
static_assert(is(KwEndLabel, "endlabel") && is(KwEnd, "end"));
static_assert(is(TokNewline, "\n") && is(TokEquals, "=") && is(KwFalse, "false"));

}  // namespace

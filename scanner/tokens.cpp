#include "scanner/scanner.h"

// ORDER KEYWORDS: a keyword's token code is its place in this table, as
// `enum Token` lists it; the symbol table installs the keywords in this order
// so that each keyword's symbol equals its code, and the parse table's
// columns follow it. The table is alphabetical but for "commandbutton" before
// "columns", "endlabel" before "end", and the newline and "=" between "end"
// and "false".
constexpr const char* const keywords[KeywordCount] = {
    "beginlabel", "bottom", "caption", "center", "checkbox",           //  0- 4
    "commandbutton", "columns", "combobox", "dirlistbox",              //  5- 8
    "drivelistbox", "endlabel", "end", "\n", "=",                      //  9-13
    "false", "filelistbox", "form", "frame", "height",                 // 14-18
    "horizontal", "interval", "label", "large", "largechange",         // 19-23
    "left", "length", "listbox", "location", "max",                    // 24-28
    "medium", "middle", "midlabel", "min", "optionbutton",             // 29-33
    "organization", "orientation", "right", "rows", "scrollbar",       // 34-38
    "section", "small", "smallchange", "sorted", "style",              // 39-43
    "textbox", "timer", "top", "true", "value",                        // 44-48
    "vertical", "visible", "width"                                     // 49-51
};

// Padded to 12 characters, but "end" and the newline to 11. The names of 54
// (end of input) and 55 (error) read "EndofLine" and "EndofFile": they are
// printed as stored.
constexpr const char* const printNames[PrintNameCount] = {
    "beginlabel  ", "bottom      ", "caption     ", "center      ",
    "checkbox    ", "cmdbutton   ", "columns     ", "combobox    ",
    "dirlistbox  ", "drivelistbox", "endlabel    ", "end        ",
    "\\n         ", "equal       ", "false       ", "filelistbox ",
    "form        ", "frame       ", "height      ", "horizontal  ",
    "interval    ", "label       ", "large       ", "largechange ",
    "left        ", "length      ", "listbox     ", "location    ",
    "max         ", "medium      ", "middle      ", "midlabel    ",
    "min         ", "optbutton   ", "organization", "orientation ",
    "right       ", "rows        ", "scrollbar   ", "section     ",
    "small       ", "smallchange ", "sorted      ", "style       ",
    "textbox     ", "timer       ", "top         ", "true        ",
    "value       ", "vertical    ", "visible     ", "width       ",
    "identifier  ", "constant    ", "EndofLine   ", "EndofFile   ",
    "error       ", "unknown     "
};

// The order of the table against the enumeration, checked while compiling.
namespace {

constexpr int compare(const char* a, const char* b)
{
    while (*a != '\0' && *a == *b)
        ++a, ++b;
    return static_cast<unsigned char>(*a) - static_cast<unsigned char>(*b);
}

constexpr bool is(Token code, const char* text) { return compare(keywords[code], text) == 0; }

// Alphabetical, but for the three places named above the table.
constexpr bool inKeywordOrder()
{
    for (int code = 1; code < KeywordCount; ++code) {
        bool exception = code == KwColumns || code == KwEnd || code == TokNewline;
        if (!exception && compare(keywords[code - 1], keywords[code]) >= 0)
            return false;
    }
    return compare(keywords[KwEnd], keywords[KwFalse]) < 0;
}

static_assert(inKeywordOrder(), "keywords out of order");
static_assert(is(KwBeginLabel, "beginlabel") && is(KwWidth, "width"));
static_assert(is(KwCommandButton, "commandbutton") && is(KwColumns, "columns"));
static_assert(is(KwEndLabel, "endlabel") && is(KwEnd, "end"));
static_assert(is(TokNewline, "\n") && is(TokEquals, "=") && is(KwFalse, "false"));
static_assert(is(KwForm, "form") && is(KwRows, "rows") && is(KwTrue, "true") &&
              is(KwSmall, "small") && is(KwMedium, "medium") && is(KwLarge, "large") &&
              is(KwVertical, "vertical") && is(KwHorizontal, "horizontal") &&
              is(KwTop, "top") && is(KwMiddle, "middle") && is(KwBottom, "bottom") &&
              is(KwLeft, "left") && is(KwCenter, "center") && is(KwRight, "right"));

}  // namespace

#include "scanner/scanner.h"

// The order matters: a keyword's token code is its place in this table, the
// symbol table installs the keywords in this order so that each keyword's
// symbol equals its code, and the parse table's columns follow it. The table
// is alphabetical but for "commandbutton" before "columns", "endlabel" before
// "end", and the newline and "=" between "end" and "false".
const char* const keywords[KeywordCount] = {
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
const char* const printNames[PrintNameCount] = {
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

// The scanner: token codes, the keyword and print-name tables, and the
// Scanner that turns the characters of a source buffer into tokens.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "base/base.h"

// The keywords: code, text and the name under which diagnostics show the
// token, padded as stored (to 12 characters, but "end" and the newline to 11).
// ORDER KEYWORDS: a keyword's token code is its place in this list, and the
// parse table's columns follow it. The list is alphabetical but for
// "commandbutton" before "columns", "endlabel" before "end", and the newline
// and "=" between "end" and "false"; the check is in tokens.cpp.
#define KAVEL_KEYWORDS(X)                                                                    \
    X(KwBeginLabel, "beginlabel", "beginlabel  ")                                            \
    X(KwBottom, "bottom", "bottom      ")                                                    \
    X(KwCaption, "caption", "caption     ")                                                  \
    X(KwCenter, "center", "center      ")                                                    \
    X(KwCheckBox, "checkbox", "checkbox    ")                                                \
    X(KwCommandButton, "commandbutton", "cmdbutton   ")                                      \
    X(KwColumns, "columns", "columns     ")                                                  \
    X(KwComboBox, "combobox", "combobox    ")                                                \
    X(KwDirListBox, "dirlistbox", "dirlistbox  ")                                            \
    X(KwDriveListBox, "drivelistbox", "drivelistbox")                                        \
    X(KwEndLabel, "endlabel", "endlabel    ")                                                \
    X(KwEnd, "end", "end        ")                                                           \
    X(TokNewline, "\n", "\\n         ")                                                      \
    X(TokEquals, "=", "equal       ")                                                        \
    X(KwFalse, "false", "false       ")                                                      \
    X(KwFileListBox, "filelistbox", "filelistbox ")                                          \
    X(KwForm, "form", "form        ")                                                        \
    X(KwFrame, "frame", "frame       ")                                                      \
    X(KwHeight, "height", "height      ")                                                    \
    X(KwHorizontal, "horizontal", "horizontal  ")                                            \
    X(KwInterval, "interval", "interval    ")                                                \
    X(KwLabel, "label", "label       ")                                                      \
    X(KwLarge, "large", "large       ")                                                      \
    X(KwLargeChange, "largechange", "largechange ")                                          \
    X(KwLeft, "left", "left        ")                                                        \
    X(KwLength, "length", "length      ")                                                    \
    X(KwListBox, "listbox", "listbox     ")                                                  \
    X(KwLocation, "location", "location    ")                                                \
    X(KwMax, "max", "max         ")                                                          \
    X(KwMedium, "medium", "medium      ")                                                    \
    X(KwMiddle, "middle", "middle      ")                                                    \
    X(KwMidLabel, "midlabel", "midlabel    ")                                                \
    X(KwMin, "min", "min         ")                                                          \
    X(KwOptionButton, "optionbutton", "optbutton   ")                                        \
    X(KwOrganization, "organization", "organization")                                        \
    X(KwOrientation, "orientation", "orientation ")                                          \
    X(KwRight, "right", "right       ")                                                      \
    X(KwRows, "rows", "rows        ")                                                        \
    X(KwScrollBar, "scrollbar", "scrollbar   ")                                              \
    X(KwSection, "section", "section     ")                                                  \
    X(KwSmall, "small", "small       ")                                                      \
    X(KwSmallChange, "smallchange", "smallchange ")                                          \
    X(KwSorted, "sorted", "sorted      ")                                                    \
    X(KwStyle, "style", "style       ")                                                      \
    X(KwTextBox, "textbox", "textbox     ")                                                  \
    X(KwTimer, "timer", "timer       ")                                                      \
    X(KwTop, "top", "top         ")                                                          \
    X(KwTrue, "true", "true        ")                                                        \
    X(KwValue, "value", "value       ")                                                      \
    X(KwVertical, "vertical", "vertical    ")                                                \
    X(KwVisible, "visible", "visible     ")                                                  \
    X(KwWidth, "width", "width       ")

// After the keywords: the tokens the scanner makes of identifiers,
// constants, the end of the input and a character it cannot take; then two
// codes that only name reserved symbols. The names of 54 (end of input) and
// 55 (error) read "EndofLine" and "EndofFile": they are printed as stored.
#define KAVEL_OTHER_TOKENS(X)                             \
    X(TokIdentifier, "", "identifier  ")                  \
    X(TokConstant, "", "constant    ")                    \
    X(TokEndOfInput, "", "EndofLine   ")                  \
    X(TokError, "", "EndofFile   ")                       \
    X(TokSpareError, "", "error       ")                  \
    X(TokSpareUnknown, "", "unknown     ")

enum Token { KAVEL_KEYWORDS(KAVEL_ENUM_MEMBER) KAVEL_OTHER_TOKENS(KAVEL_ENUM_MEMBER) };

constexpr int KeywordCount = TokIdentifier;
constexpr int PrintNameCount = TokSpareUnknown + 1;
constexpr int TokenCodeCount = 60;   // columns of the parse table; 58 and 59 are never produced
static_assert(KeywordCount == 52 && PrintNameCount == 58);

// The source text of every keyword, indexed by token code.
inline constexpr const char* keywords[KeywordCount] = {KAVEL_KEYWORDS(KAVEL_ENUM_STRING)};
// The name under which diagnostics show each token.
#define KAVEL_PRINT_NAME(name, text, print) print,
inline constexpr const char* printNames[PrintNameCount] = {
    KAVEL_KEYWORDS(KAVEL_PRINT_NAME) KAVEL_OTHER_TOKENS(KAVEL_PRINT_NAME)};
#undef KAVEL_PRINT_NAME

// What the scanner makes of the characters. Words, numbers and quoted texts
// become grammar tokens through the symbol table, one stage up.
enum class Lexeme : unsigned char { Word, Number, Text, Newline, Equals, End, Error };

struct ScannedToken {
    Lexeme kind = Lexeme::End;
    std::size_t offset = 0;     // where it begins; the end of the input: where it stands
    std::size_t length = 0;     // its bytes as written
    std::string_view folded;    // a word folded to lower case; a number or text as written
    int value = 0;              // a number's value
};

class Scanner {
public:
    // Reads the first look-ahead character. Messages go through `engine`.
    Scanner(const SourceBuffer& source, DiagnosticEngine& engine);
    Scanner(const Scanner&) = delete;
    Scanner& operator=(const Scanner&) = delete;

    // The next token. A run of line ends, with the blanks and comments
    // between them, is one Newline token: the grammar takes any number of
    // line ends wherever it takes one.
    ScannedToken next();

    // The line a classic message names: 1 plus the line ends read up to and
    // including the look-ahead character, as if each line end of a run were
    // a token of its own.
    int classicLine() const;

    // The token as written: a view into the source.
    std::string_view written(const ScannedToken& token) const
    {
        return source_.text().substr(token.offset, token.length);
    }

    // Why the last Error token was made: the scanner's diagnostic, whose
    // classic text is already written.
    const Diagnostic& error() const { return error_; }

private:
    char nextChar();
    void putBack();
    char skipBlanks();
    bool save(char c);
    void endToken();
    void lookAhead(char c);
    ScannedToken finish(Lexeme kind);
    ScannedToken scanWord(char a);
    ScannedToken scanNumber(char a);
    ScannedToken scanOther(char a);
    ScannedToken refuse(Diag id, std::initializer_list<std::string_view> args, std::size_t length = 0);

    const SourceBuffer& source_;
    DiagnosticEngine& engine_;
    const char* const begin_;
    const char* const end_;
    const char* p_;              // the next byte to read
    const char* released_ = begin_;   // what is before it may have left memory
    static constexpr std::size_t ReleaseStep = std::size_t{1} << 20;
    bool ended_ = false;         // the end has been met
    std::size_t charOffset_ = 0;   // where the character read last stands
    char ch_ = '\0';             // the look-ahead, folded; NUL at the end of the input
    std::size_t chOffset_ = 0;
    const char* classicCursor_ = nullptr;   // for a run of line ends: p_ after its first
    std::size_t tokenOffset_ = 0;
    char lexeme_[limits::Lexeme + 1] = {};
    int lexemeLength_ = 0;
    int value_ = 0;
    Diagnostic error_;
};

// The scanner: token codes, the keyword and print-name tables, and the Scanner
// that turns source characters into tokens with symbol-table attributes.
#pragma once

#include <cstddef>
#include <string>

#include "driver/driver.h"

#include "platform/platform.h"

// The token codes. Codes 0 to 51 are the keywords, the newline and "=" among
// them; then the tokens the scanner makes of identifiers, constants, the end
// of the input and a character it cannot take; then two codes that only name
// reserved symbols. ORDER KEYWORDS: the keywords stand here in the order of
// `keywords` (and `printNames`), since a keyword's code is its place there.
enum Token {
    KwBeginLabel, KwBottom, KwCaption, KwCenter, KwCheckBox,          //  0- 4
    KwCommandButton, KwColumns, KwComboBox, KwDirListBox,             //  5- 8
    KwDriveListBox, KwEndLabel, KwEnd, TokNewline, TokEquals,         //  9-13
    KwFalse, KwFileListBox, KwForm, KwFrame, KwHeight,                // 14-18
    KwHorizontal, KwInterval, KwLabel, KwLarge, KwLargeChange,        // 19-23
    KwLeft, KwLength, KwListBox, KwLocation, KwMax,                   // 24-28
    KwMedium, KwMiddle, KwMidLabel, KwMin, KwOptionButton,            // 29-33
    KwOrganization, KwOrientation, KwRight, KwRows, KwScrollBar,      // 34-38
    KwSection, KwSmall, KwSmallChange, KwSorted, KwStyle,             // 39-43
    KwTextBox, KwTimer, KwTop, KwTrue, KwValue,                       // 44-48
    KwVertical, KwVisible, KwWidth,                                   // 49-51
    TokIdentifier,    // 52: a word that is no keyword
    TokConstant,      // 53: a number or a quoted text
    TokEndOfInput,    // 54: no characters left, and on every later request
    TokError,         // 55: a character that cannot start a token
    TokSpareError,    // 56, 57: never produced; they carry the last two
    TokSpareUnknown   //         print names and reserved symbols
};

constexpr int KeywordCount = TokIdentifier;
constexpr int PrintNameCount = TokSpareUnknown + 1;
constexpr int TokenCodeCount = 60;   // columns of the parse table; 58 and 59 are never produced
static_assert(KeywordCount == 52 && PrintNameCount == 58);

// The source text of every keyword, indexed by token code.
extern const char* const keywords[KeywordCount];
// The name under which diagnostics show each token, padded as stored.
extern const char* const printNames[PrintNameCount];

// The longest token text; `lexeme` holds it and a NUL.
constexpr int LexemeMax = 80;

// The source as a stream of characters with one character of put-back, read
// through a fixed buffer from a file or straight from memory. A CR directly
// before an LF is part of the line end: the two come out as one '\n', so a
// source with CR LF line ends reads as the same source with LF line ends.
class SourceText {
public:
    SourceText() = default;
    SourceText(const SourceText&) = delete;
    SourceText& operator=(const SourceText&) = delete;
    ~SourceText() { close(); }

    bool openFile(const char* path);        // false when it cannot be read
    void openMemory(const char* data, std::size_t size);
    void close();

    bool atEnd() const { return ended; }
    bool readFailed() const { return failed; }

    // One character, or false once the end is met (which sets atEnd).
    bool get(char& c)
    {
        if (cur == end && !refill()) return false;
        c = *cur++;
        if (c == '\r') c = afterCarriageReturn();
        return true;
    }
    // Reads up to and including the next c; false if the end comes first.
    bool skipPast(char c);
    // Returns the character just read; once the end is met it has no effect.
    void unget()
    {
        if (!ended && cur > begin) --cur;
    }

private:
    bool refill();
    char afterCarriageReturn();

    static constexpr std::size_t BufferSize = 1 << 16;
    platform::FileHandle file = platform::NoFile;
    const char* begin = nullptr;
    const char* cur = nullptr;
    const char* end = nullptr;
    bool ended = false;
    bool failed = false;
    bool memory = false;
    bool drained = false;   // the file has met its end, which the next refill reports
    char buffer[BufferSize + 1];
};

class Scanner {
public:
    // The look-ahead character: the first of the next token, past blanks and
    // comments; NUL once the input is exhausted.
    char ch = '\0';
    SourceText source;
    // 1 plus the newlines read up to and including the look-ahead character.
    int line = 0;

    // The token read last: where it begins, and its text as written (before
    // case folding; "\n" for a line end, empty at the end of the input).
    SourcePlace tokenPlace;
    std::string tokenText;
    // Why the scanner made its last error token, for the messages that name
    // it once (the classic form has written its own message already).
    ErrorCode errorCode = ErrStrayCharacter;
    std::string errorText;

    // Reads the first look-ahead character of an opened source.
    void start();
    // The next token's code; for every token but end of input and error its
    // symbol index goes to `attribute`.
    Token nextToken(int& attribute);

private:
    // The symbols of the newline and "=", looked up once: the table never
    // loses an entry, so the answer holds for the whole run (-1: absent).
    int newlineSymbol = -1;
    int equalsSymbol = -1;
    // The text of the token being read, and its length.
    char lexeme[LexemeMax + 1] = {};
    int lexemeLength = 0;
    // A word's text as written, beside its folded lexeme.
    char written[LexemeMax + 1] = {};
    // The place of the next character to be read, of the one before (for the
    // put-back), of the character read last, and of the look-ahead.
    SourcePlace readPlace{1, 1};
    SourcePlace beforeRead{1, 1};
    SourcePlace charPlace{1, 1};
    SourcePlace chPlace{1, 1};
    char chWritten = '\0';   // the look-ahead before folding

    char nextChar();
    void checkRead() const;
    void putBack(char c);
    char skipBlanks();
    bool save(char c);
    void endToken();
    Token scanWord(char a, int& attribute);
    Token scanNumber(char a, int& attribute);
    Token scanOther(char a, int& attribute);
    Token refuse(ErrorCode code, const char* message, const std::string& text);
    void lookAhead(char c);
    bool enterLexeme(int& attribute);
};

// The scanner: token codes, the keyword and print-name tables, and the Scanner
// that turns source characters into tokens with symbol-table attributes.
#pragma once

#include <cstddef>

// Token codes the scanner and the parser test directly. Codes 0 to 51 are the
// keywords, numbered by their place in `keywords`.
enum TokenCode {
    TokNewline = 12,
    TokEquals = 13,
    TokIdentifier = 52,
    TokConstant = 53,
    TokEndOfInput = 54,
    TokError = 55
};

constexpr int KeywordCount = 52;
constexpr int PrintNameCount = 58;
constexpr int TokenCodeCount = 60;   // columns of the parse table

// Keyword symbols that the actions and the layout recognise by index; each is
// its token code, since the keywords are installed in table order.
enum KeywordSymbol {
    KwBottom = 1, KwCenter = 3, KwFalse = 14, KwForm = 16, KwLarge = 22,
    KwMedium = 29, KwMiddle = 30, KwRight = 36, KwRows = 37, KwSmall = 40,
    KwTop = 46, KwTrue = 47, KwVertical = 49
};

// The source text of every keyword, indexed by token code.
extern const char* const keywords[KeywordCount];
// The name under which diagnostics show each token, padded as stored.
extern const char* const printNames[PrintNameCount];

// The longest token text; `lexeme` holds it and a NUL.
constexpr int LexemeMax = 80;

// The source as a stream of characters with one character of put-back, read
// through a fixed buffer from a file or straight from memory.
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

    static constexpr std::size_t BufferSize = 1 << 16;
    int fd = -1;
    const char* begin = nullptr;
    const char* cur = nullptr;
    const char* end = nullptr;
    bool ended = false;
    bool failed = false;
    bool memory = false;
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

    // Reads the first look-ahead character of an opened source.
    void start();
    // The next token's code; for every token but end of input and error its
    // symbol index goes to `attribute`.
    int nextToken(int& attribute);

private:
    // The symbols of the newline and "=", looked up once: the table never
    // loses an entry, so the answer holds for the whole run (-1: absent).
    int newlineSymbol = -1;
    int equalsSymbol = -1;

    char nextChar();
    void checkRead() const;
    void putBack(char c);
    char skipBlanks();
    int scanWord(char a, int& attribute);
    int scanNumber(char a, int& attribute);
    int scanOther(char a, int& attribute);
    int refuse(const char* message);
    bool enterLexeme(const char* lexeme, int length, int& attribute);
};

#include <cctype>
#include <climits>
#include <cstdio>

#include "driver/driver.h"
#include "scanner/scanner.h"
#include "symbols/symbols.h"

namespace {

// The character classes take bytes as unsigned, so that bytes above 0x7F are
// neither letters nor digits nor blanks in the default locale.
int byte(char c) { return static_cast<unsigned char>(c); }
bool isLetter(char c) { return std::isalpha(byte(c)) != 0; }
bool isDigit(char c) { return std::isdigit(byte(c)) != 0; }
bool isAlnum(char c) { return std::isalnum(byte(c)) != 0; }
bool isBlank(char c) { return c != '\n' && std::isspace(byte(c)) != 0; }
char lower(char c) { return static_cast<char>(std::tolower(byte(c))); }

}  // namespace

void Scanner::start()
{
    if (!symtab.lookup("\n", newlineSymbol))
        newlineSymbol = -1;
    if (!symtab.lookup("=", equalsSymbol))
        equalsSymbol = -1;
    line = 1;
    if (!source.atEnd())
        ch = lower(skipBlanks());
}

// A source that fails to read part-way is refused: taken as its end, a cut
// text could still parse.
void Scanner::checkRead() const
{
    if (source.readFailed())
        fail(stdout, ExitFileName, "Cannot read the source file");
}

char Scanner::nextChar()
{
    char c;
    if (source.atEnd())
        return '\0';
    if (!source.get(c)) {
        checkRead();
        return '\0';
    }
    if (c == '\n')
        ++line;
    return c;
}

void Scanner::putBack(char c)
{
    if (c == '\n')
        --line;
    source.unget();
}

// Skips blanks and at most one comment; the newline that ends a comment is
// the result, so it becomes a token of its own.
char Scanner::skipBlanks()
{
    if (source.atEnd())
        return '\0';
    char c;
    do
        c = nextChar();
    while (!source.atEnd() && isBlank(c));
    if (c == '\'') {
        // As reading on with nextChar until a newline: only that newline counts.
        if (source.skipPast('\n')) {
            ++line;
            c = '\n';
        } else {
            checkRead();
        }
    }
    return source.atEnd() ? '\0' : c;
}

Token Scanner::nextToken(int& attribute)
{
    char a = ch;
    if (a == '\0')
        return TokEndOfInput;
    ch = nextChar();
    lexemeLength = 0;
    if (isLetter(a))
        return scanWord(a, attribute);
    if (isDigit(a))
        return scanNumber(a, attribute);
    return scanOther(a, attribute);
}

// Appends c to the token's text; false, with nothing appended, when the text
// holds LexemeMax characters already.
bool Scanner::save(char c)
{
    if (lexemeLength == LexemeMax)
        return false;
    lexeme[lexemeLength++] = c;
    return true;
}

// Ends the token's text: the character read past it goes back, and the
// look-ahead moves on to the next token's first character, past blanks and a
// comment. Folding it changes nothing but letters, which only words begin with.
void Scanner::endToken()
{
    lexeme[lexemeLength] = '\0';
    putBack(ch);
    ch = lower(skipBlanks());
}

// A token that cannot be taken: its message on standard error, then the
// error token, which the parser refuses with its line number.
Token Scanner::refuse(const char* message)
{
    say(stderr, message);
    return TokError;
}

// Finds the token's text in the symbol table or enters it; false for a new
// text. Quits with the source line when the table has no room left.
bool Scanner::enterLexeme(int& attribute)
{
    if (symtab.lookup(lexeme, attribute))
        return true;
    if (const char* full = symtab.roomFor(lexemeLength))
        sourceError(full, line);
    symtab.findOrInsert(lexeme, attribute);
    return false;
}

Token Scanner::scanWord(char a, int& attribute)
{
    save(lower(a));
    while (isAlnum(lower(ch))) {
        if (!save(lower(ch)))
            return refuse("Word longer than 80 characters");
        ch = lower(nextChar());
    }
    endToken();
    if (enterLexeme(attribute))
        return symtab.tokenOf(attribute);
    symtab.setToken(attribute, SymUnknown, TokIdentifier);
    return TokIdentifier;
}

Token Scanner::scanNumber(char a, int& attribute)
{
    long long value = a - '0';
    save(a);
    while (isDigit(ch)) {
        if (!save(ch))
            return refuse("Number longer than 80 characters");
        value = value * 10 + (ch - '0');
        if (value > INT_MAX)
            return refuse("Integer value larger than 2147483647");
        ch = nextChar();
    }
    endToken();
    if (!enterLexeme(attribute)) {
        symtab.setToken(attribute, SymUnknown, TokConstant);
        symtab.setTypes(attribute, SymLiteral, TypeInteger);
        symtab.setValue(attribute, static_cast<int>(value));
    }
    return symtab.tokenOf(attribute);
}

Token Scanner::scanOther(char a, int& attribute)
{
    if (a == '\n' || a == '=') {
        save(a);
        endToken();
        attribute = a == '\n' ? newlineSymbol : equalsSymbol;
        if (attribute < 0) {
            char message[LexemeMax + 32];
            std::snprintf(message, sizeof message, "'%s' was not preinstalled.", lexeme);
            fail(stderr, ExitUsage, message);
        }
        return symtab.tokenOf(attribute);
    }
    if (a == '"') {
        save(a);
        while (ch != '\0' && ch != '"' && ch != '\n') {
            if (!save(ch))
                return refuse("Quoted Text longer than 80 characters");
            ch = nextChar();
        }
        if (ch != '"')
            return refuse("Quoted Text not closed before the end of its line");
        if (!save(ch))
            return refuse("Quoted Text longer than 80 characters");
        ch = nextChar();
        endToken();
        if (enterLexeme(attribute))
            return symtab.tokenOf(attribute);
        symtab.setToken(attribute, SymLiteral, TokConstant);
        symtab.setTypes(attribute, SymLiteral, TypeString);
        return TokConstant;
    }
    char message[32];
    std::snprintf(message, sizeof message, "\"%c\" not expected here.", a);
    return refuse(message);
}

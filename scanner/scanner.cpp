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
    if (isLetter(a))
        return scanWord(a, attribute);
    if (isDigit(a))
        return scanNumber(a, attribute);
    return scanOther(a, attribute);
}

// A token that cannot be taken: its message on standard error, then the
// error token, which the parser refuses with its line number.
Token Scanner::refuse(const char* message)
{
    say(stderr, message);
    return TokError;
}

// Finds the text in the symbol table or enters it; false for a new text.
// Quits with the source line when the table has no room left.
bool Scanner::enterLexeme(const char* lexeme, int length, int& attribute)
{
    if (symtab.lookup(lexeme, attribute))
        return true;
    if (const char* full = symtab.roomFor(length))
        sourceError(full, line);
    symtab.findOrInsert(lexeme, attribute);
    return false;
}

Token Scanner::scanWord(char a, int& attribute)
{
    char lexeme[LexemeMax + 1];
    int length = 0;
    lexeme[length++] = lower(a);
    while (isAlnum(lower(ch))) {
        if (length == LexemeMax)
            return refuse("Word longer than 80 characters");
        lexeme[length++] = lower(ch);
        ch = lower(nextChar());
    }
    lexeme[length] = '\0';
    putBack(ch);
    ch = lower(skipBlanks());
    if (enterLexeme(lexeme, length, attribute))
        return symtab.tokenOf(attribute);
    symtab.setToken(attribute, SymUnknown, TokIdentifier);
    return TokIdentifier;
}

Token Scanner::scanNumber(char a, int& attribute)
{
    char lexeme[LexemeMax + 1];
    int length = 0;
    long long value = a - '0';
    lexeme[length++] = a;
    while (isDigit(ch)) {
        if (length == LexemeMax)
            return refuse("Number longer than 80 characters");
        value = value * 10 + (ch - '0');
        if (value > INT_MAX)
            return refuse("Integer value larger than 2147483647");
        lexeme[length++] = ch;
        ch = nextChar();
    }
    putBack(ch);
    lexeme[length] = '\0';
    ch = skipBlanks();
    if (!enterLexeme(lexeme, length, attribute)) {
        symtab.setToken(attribute, SymUnknown, TokConstant);
        symtab.setTypes(attribute, SymLiteral, TypeInteger);
        symtab.setValue(attribute, static_cast<int>(value));
    }
    return symtab.tokenOf(attribute);
}

Token Scanner::scanOther(char a, int& attribute)
{
    char lexeme[LexemeMax + 1];
    int length = 0;
    if (a == '\n' || a == '=') {
        lexeme[length++] = a;
        lexeme[length] = '\0';
        putBack(ch);
        ch = skipBlanks();
        attribute = a == '\n' ? newlineSymbol : equalsSymbol;
        if (attribute < 0) {
            char message[32];
            std::snprintf(message, sizeof message, "'%s' was not preinstalled.", lexeme);
            fail(stderr, ExitUsage, message);
        }
        return symtab.tokenOf(attribute);
    }
    if (a == '"') {
        lexeme[length++] = a;
        while (ch != '\0' && ch != '"' && ch != '\n') {
            if (length == LexemeMax)
                return refuse("Quoted Text longer than 80 characters");
            lexeme[length++] = ch;
            ch = nextChar();
        }
        if (ch != '"')
            return refuse("Quoted Text not closed before the end of its line");
        if (length == LexemeMax)
            return refuse("Quoted Text longer than 80 characters");
        lexeme[length++] = ch;
        ch = nextChar();
        lexeme[length] = '\0';
        putBack(ch);
        ch = skipBlanks();
        if (enterLexeme(lexeme, length, attribute))
            return symtab.tokenOf(attribute);
        symtab.setToken(attribute, SymLiteral, TokConstant);
        symtab.setTypes(attribute, SymLiteral, TypeString);
        return TokConstant;
    }
    char message[32];
    std::snprintf(message, sizeof message, "\"%c\" not expected here.", a);
    return refuse(message);
}

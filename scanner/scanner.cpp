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
    readPlace = beforeRead = charPlace = chPlace = SourcePlace{1, 1};
    if (!source.atEnd())
        lookAhead(skipBlanks());
}

// The look-ahead, folded, and the place of the character it was read as.
void Scanner::lookAhead(char c)
{
    ch = lower(c);
    chWritten = c;
    chPlace = charPlace;
}

// A source that fails to read part-way is refused: taken as its end, a cut
// text could still parse.
void Scanner::checkRead() const
{
    if (source.readFailed())
        fail(ErrCannotRead, stdout, "Cannot read the source file",
             "cannot read '" + diagnosticContext.sourceName + "'");
}

char Scanner::nextChar()
{
    char c;
    beforeRead = readPlace;
    if (source.atEnd())
        return '\0';
    if (!source.get(c)) {
        checkRead();
        return '\0';
    }
    charPlace = readPlace;
    if (c == '\n') {
        ++line;
        readPlace = SourcePlace{readPlace.line + 1, 1};
    } else if (!continuationByte(c)) {   // UTF-8 continuation bytes take no column
        ++readPlace.column;
    }
    return c;
}

void Scanner::putBack(char c)
{
    if (c == '\n')
        --line;
    if (!source.atEnd())
        readPlace = beforeRead;
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
            // The comment's characters are not counted: the newline stands at
            // the end of its line.
            charPlace = SourcePlace{readPlace.line, 0};
            readPlace = beforeRead = SourcePlace{readPlace.line + 1, 1};
        } else {
            checkRead();
        }
    }
    return source.atEnd() ? '\0' : c;
}

Token Scanner::nextToken(int& attribute)
{
    char a = ch;
    if (a == '\0') {
        // The end stands after the last character: at the end of the last
        // line when the text ends with a line end.
        tokenPlace = readPlace;
        if (tokenPlace.column == 1 && tokenPlace.line > 1)
            tokenPlace = SourcePlace{tokenPlace.line - 1, 0};
        tokenText.clear();
        return TokEndOfInput;
    }
    tokenPlace = chPlace;
    ch = nextChar();
    lexemeLength = 0;
    Token token;
    if (isLetter(a))
        token = scanWord(a, attribute);
    else if (isDigit(a))
        token = scanNumber(a, attribute);
    else
        token = scanOther(a, attribute);
    if (token != TokError)
        tokenText.assign(token == TokIdentifier || (token < KeywordCount && isLetter(a)) ? written : lexeme,
                         static_cast<std::size_t>(lexemeLength));
    return token;
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
    lookAhead(skipBlanks());
}

// A token that cannot be taken: in classic form its message on standard
// error, then the error token, which the parser refuses with its line number;
// in the others the parser names it with `text` alone.
Token Scanner::refuse(ErrorCode code, const char* message, const std::string& text)
{
    if (options.format == DiagnosticsFormat::Classic)
        say(stderr, message);
    errorCode = code;
    errorText = text;
    tokenText.assign(lexeme, static_cast<std::size_t>(lexemeLength));
    return TokError;
}

// Finds the token's text in the symbol table or enters it; false for a new
// text. Quits with the source line when the table has no room left.
bool Scanner::enterLexeme(int& attribute)
{
    if (symtab.lookup(lexeme, attribute))
        return true;
    if (const char* full = symtab.roomFor(lexemeLength))
        sourceError(ErrTableFull, full, line, full, tokenPlace);
    symtab.findOrInsert(lexeme, attribute);
    return false;
}

Token Scanner::scanWord(char a, int& attribute)
{
    written[0] = chWritten;
    save(lower(a));
    while (isAlnum(lower(ch))) {
        if (lexemeLength < LexemeMax)
            written[lexemeLength] = ch;
        if (!save(lower(ch)))
            return refuse(ErrLongWord, "Word longer than 80 characters",
                          "word is longer than 80 characters");
        ch = nextChar();
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
            return refuse(ErrLongNumber, "Number longer than 80 characters",
                          "number is longer than 80 characters");
        value = value * 10 + (ch - '0');
        if (value > INT_MAX)
            return refuse(ErrBigNumber, "Integer value larger than 2147483647",
                          "number is larger than 2147483647");
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
            fail(ErrNotPreinstalled, stderr, message, message);
        }
        return symtab.tokenOf(attribute);
    }
    if (a == '"') {
        save(a);
        while (ch != '\0' && ch != '"' && ch != '\n') {
            if (!save(ch))
                return refuse(ErrLongText, "Quoted Text longer than 80 characters",
                              "quoted text is longer than 80 characters");
            ch = nextChar();
        }
        if (ch != '"')
            return refuse(ErrOpenText, "Quoted Text not closed before the end of its line",
                          "quoted text is not closed before the end of its line");
        if (!save(ch))
            return refuse(ErrLongText, "Quoted Text longer than 80 characters",
                          "quoted text is longer than 80 characters");
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
    // The whole character, when it is one of UTF-8: the bytes that continue it.
    std::string character(1, a);
    while (continuationByte(ch) && character.size() < 4) {
        character += ch;
        ch = nextChar();
    }
    return refuse(ErrStrayCharacter, message, "unexpected character '" + character + "'");
}

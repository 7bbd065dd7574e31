// The scanner reads the source buffer one character at a time with one
// character of look-ahead, as a stream would be read: a CR directly before
// an LF is part of the line end, a NUL ends the input, and a comment runs
// from a single quote to its line end. Places are byte offsets; lines and
// columns are worked out only when a message needs them.
#include <algorithm>
#include <cctype>
#include <climits>
#include <cstring>

#include "scanner/scanner.h"

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

Scanner::Scanner(const SourceBuffer& source, DiagnosticEngine& engine)
    : source_(source), engine_(engine), begin_(source.begin()), end_(source.end()), p_(begin_)
{
    lookAhead(skipBlanks());
}

int Scanner::classicLine() const
{
    const char* cursor = classicCursor_ != nullptr ? classicCursor_ : p_;
    return source_.lineOf(static_cast<std::size_t>(cursor - begin_));
}

// One character, CR LF as one '\n'; NUL once the end is met, and from then on.
char Scanner::nextChar()
{
    if (ended_)
        return '\0';
    if (p_ == end_) {
        ended_ = true;
        charOffset_ = source_.size();
        return '\0';
    }
    charOffset_ = static_cast<std::size_t>(p_ - begin_);
    char c = *p_++;
    if (c == '\r' && p_ != end_ && *p_ == '\n') {
        ++p_;
        c = '\n';
    } else if (c == '\n' && charOffset_ > 0 && begin_[charOffset_ - 1] == '\r') {
        --charOffset_;   // an LF read again after its CR LF was put back
    }
    return c;
}

// Returns the character just read; once the end is met it has no effect. Of
// a CR LF only the LF goes back, which reads again as the same line end.
void Scanner::putBack()
{
    if (!ended_ && p_ > begin_)
        --p_;
}

// Skips blanks and at most one comment; the line end that ends a comment is
// the result, so it becomes a token of its own.
char Scanner::skipBlanks()
{
    if (ended_)
        return '\0';
    char c;
    do
        c = nextChar();
    while (!ended_ && isBlank(c));
    if (c == '\'') {
        const void* lineEnd = std::memchr(p_, '\n', static_cast<std::size_t>(end_ - p_));
        if (lineEnd == nullptr) {
            p_ = end_;
            ended_ = true;
            charOffset_ = source_.size();
            return '\0';
        }
        const char* lf = static_cast<const char*>(lineEnd);
        p_ = lf + 1;
        // Over a long run of comments, what is read may leave memory.
        if (static_cast<std::size_t>(p_ - released_) > ReleaseStep) {
            released_ = p_;
            source_.releaseBefore(static_cast<std::size_t>(p_ - begin_));
        }
        charOffset_ = static_cast<std::size_t>(lf - begin_);
        if (lf > begin_ && lf[-1] == '\r')
            --charOffset_;
        c = '\n';
    }
    return ended_ ? '\0' : c;
}

// The look-ahead, folded, and where it stands.
void Scanner::lookAhead(char c)
{
    ch_ = lower(c);
    chOffset_ = charOffset_;
}

// Appends c to the token's text; false, with nothing appended, when the text
// holds the longest a token may have already.
bool Scanner::save(char c)
{
    if (lexemeLength_ == limits::Lexeme)
        return false;
    lexeme_[lexemeLength_++] = c;
    return true;
}

// Ends the token's text: the character read past it goes back, and the
// look-ahead moves on to the next token's first character, past blanks and a
// comment.
void Scanner::endToken()
{
    lexeme_[lexemeLength_] = '\0';
    putBack();
    lookAhead(skipBlanks());
}

ScannedToken Scanner::finish(Lexeme kind)
{
    ScannedToken t;
    t.kind = kind;
    t.offset = tokenOffset_;
    t.length = static_cast<std::size_t>(lexemeLength_);
    t.folded = std::string_view(lexeme_, static_cast<std::size_t>(lexemeLength_));
    t.value = value_;
    return t;
}

ScannedToken Scanner::next()
{
    classicCursor_ = nullptr;
    const char a = ch_;
    lexemeLength_ = 0;
    value_ = 0;
    if (a == '\0') {
        // The end stands where the input stops: at a NUL, or after the last
        // character, which is the end of the last line when the text ends
        // with a line end.
        std::size_t at = chOffset_;
        if (at >= source_.size() && at > 0 && begin_[at - 1] == '\n')
            at -= at > 1 && begin_[at - 2] == '\r' ? 2 : 1;
        tokenOffset_ = at;
        return finish(Lexeme::End);
    }
    tokenOffset_ = chOffset_;
    if (a == '\n') {
        // The first line end as a token of its own, then the rest of the run.
        lexeme_[lexemeLength_++] = '\n';
        lookAhead(skipBlanks());
        const char* afterFirst = p_;
        while (ch_ == '\n')
            lookAhead(skipBlanks());
        ScannedToken t = finish(Lexeme::Newline);
        classicCursor_ = afterFirst;
        return t;
    }
    ch_ = nextChar();
    if (isLetter(a))
        return scanWord(a);
    if (isDigit(a))
        return scanNumber(a);
    return scanOther(a);
}

// A token that cannot be taken: its classic message is written now, before
// the parser's; the parser names it once more in the other formats.
ScannedToken Scanner::refuse(Diag id, std::initializer_list<std::string_view> args, std::size_t length)
{
    error_ = makeDiagnostic(id, args, tokenOffset_, length != 0 ? length : static_cast<std::size_t>(lexemeLength_));
    Diagnostic note = error_;
    note.kind = DiagKind::ClassicNote;
    engine_.report(note);
    return finish(Lexeme::Error);
}

ScannedToken Scanner::scanWord(char a)
{
    save(lower(a));
    while (isAlnum(ch_)) {
        if (!save(lower(ch_)))
            return refuse(Diag::LongWord, {str(limits::Lexeme)});
        ch_ = nextChar();
    }
    endToken();
    return finish(Lexeme::Word);
}

ScannedToken Scanner::scanNumber(char a)
{
    long long value = a - '0';
    save(a);
    while (isDigit(ch_)) {
        if (!save(ch_))
            return refuse(Diag::LongNumber, {str(limits::Lexeme)});
        value = value * 10 + (ch_ - '0');
        if (value > INT_MAX)
            return refuse(Diag::BigNumber, {str(INT_MAX)});
        ch_ = nextChar();
    }
    endToken();
    value_ = static_cast<int>(value);
    return finish(Lexeme::Number);
}

ScannedToken Scanner::scanOther(char a)
{
    if (a == '=') {
        save(a);
        endToken();
        return finish(Lexeme::Equals);
    }
    if (a == '"') {
        save(a);
        while (ch_ != '\0' && ch_ != '"' && ch_ != '\n') {
            if (!save(ch_))
                return refuse(Diag::LongText, {str(limits::Lexeme)});
            ch_ = nextChar();
        }
        if (ch_ != '"')
            return refuse(Diag::OpenText, {});
        if (!save(ch_))
            return refuse(Diag::LongText, {str(limits::Lexeme)});
        ch_ = nextChar();
        endToken();
        return finish(Lexeme::Text);
    }
    // The whole character, when it is one of UTF-8: the bytes that continue it.
    std::string character(1, a);
    while (continuationByte(ch_) && character.size() < 4) {
        character += ch_;
        ch_ = nextChar();
    }
    return refuse(Diag::StrayCharacter, {std::string_view(&a, 1), character}, character.size());
}

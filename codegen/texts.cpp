// Quoted texts as Visual Basic reads them. Besides the ASCII double quote,
// Visual Basic takes U+201C, U+201D and U+FF02 as double quotes, so a text
// holding one of them would end early in the written file. Such characters
// are written by their code, Microsoft.VisualBasic.ChrW(&H201C), joined to
// the rest of the text with "&"; the compiler folds the whole into one
// constant, and the form shows exactly the characters of the source. Every
// other text is written as it is, byte for byte.
//
// Visual Basic reads a file as UTF-8 when it is valid UTF-8, and otherwise in
// the code page of the machine, Windows-1252 on a Western Windows, where the
// bytes 0x93 and 0x94 are the typographic quotes. The texts of a form are read
// the same way, all of them together, since they came from one source file
// and go to one written file: as UTF-8 when together they are valid UTF-8,
// else as Windows-1252. A text that mixes both (a 0x93 byte beside the UTF-8
// bytes of a typographic quote) is therefore read as Windows-1252 throughout,
// as an editor shows that source, and only its 0x93 and 0x94 bytes are
// quotes.
#include <string>
#include <vector>

#include "codegen/codegen.h"

namespace {

using Bytes = const unsigned char*;

// The length of the valid UTF-8 sequence at p (before end), or 0.
int sequenceLength(Bytes p, Bytes end)
{
    const unsigned char b = p[0];
    if (b < 0x80)
        return 1;
    int length;
    unsigned char low = 0x80, high = 0xBF;   // the bounds of the second byte
    if (b >= 0xC2 && b <= 0xDF) {
        length = 2;
    } else if (b >= 0xE0 && b <= 0xEF) {
        length = 3;
        if (b == 0xE0) low = 0xA0;         // no overlong forms
        else if (b == 0xED) high = 0x9F;   // no surrogates
    } else if (b >= 0xF0 && b <= 0xF4) {
        length = 4;
        if (b == 0xF0) low = 0x90;
        else if (b == 0xF4) high = 0x8F;   // nothing above U+10FFFF
    } else {
        return 0;
    }
    if (end - p < length || p[1] < low || p[1] > high)
        return 0;
    for (int i = 2; i < length; ++i)
        if (p[i] < 0x80 || p[i] > 0xBF)
            return 0;
    return length;
}

// Whether the bytes are valid UTF-8.
bool validUtf8(std::string_view text)
{
    Bytes p = reinterpret_cast<Bytes>(text.data());
    Bytes end = p + text.size();
    while (p < end) {
        const int length = sequenceLength(p, end);
        if (length == 0)
            return false;
        p += length;
    }
    return true;
}

// The text with its bytes 0x93 and 0x94 as the ASCII that stands for them
// once they are written by their code.
std::string quotesWritten(std::string_view text)
{
    std::string s(text);
    for (char& c : s)
        if (c == '\x93' || c == '\x94')
            c = '"';
    return s;
}

// The characters of the Windows-1252 bytes 0x80 to 0x9F; the others are
// their own code. The five bytes the code page leaves free read as their own
// code too, as Windows reads them.
constexpr unsigned short windows1252[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// The character to write by its code at p, with the length of its bytes, or
// 0 when the bytes at p are written as they are.
unsigned byCode(Bytes p, Bytes end, TextReading reading, int& length)
{
    length = 1;
    if (p[0] < 0x80)
        return 0;
    if (reading == TextReading::Utf8) {
        length = 3;
        if (end - p >= 3 && p[0] == 0xE2 && p[1] == 0x80 && (p[2] == 0x9C || p[2] == 0x9D))
            return p[2] == 0x9C ? 0x201C : 0x201D;
        if (end - p >= 3 && p[0] == 0xEF && p[1] == 0xBC && p[2] == 0x82)
            return 0xFF02;
        length = 1;
        return 0;
    }
    const unsigned code = p[0] < 0xA0 ? windows1252[p[0] - 0x80] : p[0];
    if (reading == TextReading::Windows1252ByCode || code == 0x201C || code == 0x201D)
        return code;
    return 0;
}

}  // namespace

TextReading textReading(const std::vector<std::string_view>& texts)
{
    bool utf8 = true;
    for (std::string_view t : texts)
        utf8 = utf8 && validUtf8(t);
    if (utf8)
        return TextReading::Utf8;
    // Once its quotes are written by their code, the file might read as
    // valid UTF-8 after all, and its other bytes above 0x7F as characters
    // they are not: then those are written by their code too.
    bool quotes = false, others = false, stillInvalid = false;
    for (std::string_view t : texts) {
        for (char c : t) {
            const unsigned char b = static_cast<unsigned char>(c);
            quotes = quotes || b == 0x93 || b == 0x94;
            others = others || (b >= 0x80 && b != 0x93 && b != 0x94);
        }
        stillInvalid = stillInvalid || !validUtf8(quotesWritten(t));
    }
    return quotes && others && !stillInvalid ? TextReading::Windows1252ByCode : TextReading::Windows1252;
}

void writeText(std::string_view quoted, TextReading reading, std::string& out)
{
    Bytes begin = reinterpret_cast<Bytes>(quoted.data());
    Bytes end = begin + quoted.size();
    // Nothing to write by its code: the text as it is.
    Bytes p = begin;
    int length = 1;
    while (p < end && byCode(p, end, reading, length) == 0)
        p += length;
    if (p == end) {
        out += quoted;
        return;
    }
    // Runs of plain bytes between quotes, the others by their code, the
    // pieces joined by " & "; the text's own quotes stand at both ends.
    static const char digits[] = "0123456789ABCDEF";
    bool first = true, inRun = false;
    for (p = begin + 1; p < end - 1; p += length) {
        const unsigned code = byCode(p, end - 1, reading, length);
        if (code == 0) {
            if (!inRun) {
                out += first ? "\"" : " & \"";
                inRun = true;
                first = false;
            }
            out.append(reinterpret_cast<const char*>(p), static_cast<std::size_t>(length));
            continue;
        }
        if (inRun)
            out += '"';
        inRun = false;
        out += first ? "" : " & ";
        first = false;
        out += "Microsoft.VisualBasic.ChrW(&H";
        char hex[8];
        int n = 0;
        for (unsigned v = code; v != 0 || n == 0; v >>= 4)
            hex[n++] = digits[v & 0xF];
        while (n > 0)
            out += hex[--n];
        out += ')';
    }
    if (inRun)
        out += '"';
}

namespace {

void appendUtf8(unsigned code, std::string& out)
{
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | code >> 6);
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | code >> 12);
        out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

}  // namespace

std::string decodeText(std::string_view quoted, TextReading reading)
{
    std::string_view inner = quoted.size() >= 2 ? quoted.substr(1, quoted.size() - 2) : std::string_view();
    if (reading == TextReading::Utf8)
        return std::string(inner);
    std::string out;
    for (char c : inner) {
        const unsigned char b = static_cast<unsigned char>(c);
        appendUtf8(b >= 0x80 && b < 0xA0 ? windows1252[b - 0x80] : b, out);
    }
    return out;
}

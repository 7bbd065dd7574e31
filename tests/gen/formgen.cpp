// Random valid form sources, for checking that everything the compiler
// accepts compiles as Visual Basic.
//   formgen SEED COUNT DIR     writes DIR/gSEED_I.fms for I = 1..COUNT
// The same seed gives the same sources. Each source has both a random
// organization and 1 to 6 sections with controls of every kind, random
// attributes, identifiers and captions (a tenth of the forms with texts in
// Windows-1252 rather than UTF-8), and keeps within the layout's limits
// by tracking the cursors as the layout moves them. Form names are distinct
// across the forms of one run, case-insensitively.
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "scanner/scanner.h"
#include "symbols/symbols.h"

namespace {

std::uint64_t state;

std::uint32_t next()   // xorshift64*: the same numbers everywhere
{
    state ^= state >> 12;
    state ^= state << 25;
    state ^= state >> 27;
    return static_cast<std::uint32_t>((state * 2685821657736338717ULL) >> 32);
}

int pick(int n) { return static_cast<int>(next() % static_cast<std::uint32_t>(n)); }
bool chance(int percent) { return pick(100) < percent; }

// Names that Visual Basic takes only escaped: its reserved words, names of
// types and namespaces nearby, and the members of the Form base class that
// the class uses on itself. (Names the compiler refuses, such as the class's
// own members, are tested on their own.)
const char* const awkward[] = {
    "text", "name", "controls", "clientsize", "autoscalebasesize", "suspendlayout", "resumelayout",
    "next", "class", "sub", "me", "new", "string", "integer", "dim", "step", "to", "and", "or", "not",
    "mod", "nothing", "error", "stop", "option", "each", "select", "case", "if", "then", "else", "loop",
    "while", "for", "function", "property", "inherits", "region", "friend", "withevents", "as", "is",
    "boolean", "object", "date", "byval", "resume", "rem", "mybase", "myclass", "global", "lbl",
    "lbl01", "windows", "forms", "drawing", "form1", "button", "label", "disposing", "location"};

std::set<std::string> used;   // lower-case names taken in the current form
std::set<std::string> formNames;

// The symbol table's room for new texts: its characters of names and its
// symbols, less what the keywords and reserved entries take. Every
// identifier, caption and number is counted as new, which is never less than
// the truth.
int charsLeft, symbolsLeft;

void spend(const std::string& text)
{
    charsLeft -= static_cast<int>(text.size()) + 1;
    symbolsLeft -= 1;
}

std::string number(int value)
{
    std::string text = std::to_string(value);
    spend(text);
    return text;
}

std::string lower(std::string s)
{
    for (char& c : s) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
    return s;
}

// The compiler's own keyword table, so that no keyword is ever drawn as a name.
bool isKeyword(const std::string& w)
{
    for (const char* k : keywords)
        if (w == k) return true;
    return false;
}

std::string randomWord()
{
    static const char letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
    static const char more[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::string w(1, letters[pick(52)]);
    int length = chance(5) ? 20 + pick(limits::Lexeme - 20) : pick(12);
    for (int i = 0; i < length; ++i) w += more[pick(62)];
    return w;
}

std::string identifier()
{
    for (;;) {
        std::string w = chance(12) ? awkward[pick(sizeof awkward / sizeof *awkward)] : randomWord();
        if (chance(30)) w[0] = static_cast<char>(w[0] >= 'a' && w[0] <= 'z' ? w[0] - 32 : w[0]);
        std::string l = lower(w);
        if (isKeyword(l) || used.count(l)) continue;
        used.insert(l);
        spend(l);
        return w;
    }
}

// Whether the texts of the current form are Windows-1252 rather than UTF-8.
bool windows1252;

// The longest caption or label text a control takes, without its quotes.
constexpr int CaptionMost = limits::Caption - 2;

std::string caption(int most)
{
    // Typographic quotes, which Visual Basic reads as double quotes, in UTF-8
    // and in Windows-1252 (0x93 and 0x94); a Windows-1252 form may also hold
    // bytes that read as UTF-8 ("\xC3\xA9").
    static const char* const pieces[] = {"OK", "Cancel", "it's", "Don't", "a\tb", "Grüße", "Ünïcödé ✓",
                                         "x & y", "50%", "(none)", "#1", "C:\\temp", "<b>", "{x}",
                                         "say “hi”", "”", "＂x＂", "‘q’"};
    static const char* const pieces1252[] = {"OK", "a\tb", "\x93hi\x94", "\x94", "caf\xE9", "\x80 5",
                                             "\xC3\xA9", "x & y"};
    std::string c;
    int length = chance(15) ? pick(most + 1) : pick(12);
    while (static_cast<int>(c.size()) < length) {
        if (chance(20)) {
            c += windows1252 ? pieces1252[pick(sizeof pieces1252 / sizeof *pieces1252)]
                             : pieces[pick(sizeof pieces / sizeof *pieces)];
        } else {
            char ch = static_cast<char>(32 + pick(95));
            if (ch != '"') c += ch;
        }
    }
    while (static_cast<int>(c.size()) > most) c.pop_back();
    // Never cut a UTF-8 sequence in half.
    if (!windows1252) {
        while (!c.empty() && (static_cast<unsigned char>(c.back()) & 0xC0) == 0x80) c.pop_back();
        if (!c.empty() && (static_cast<unsigned char>(c.back()) & 0xC0) == 0xC0) c.pop_back();
    }
    spend("\"" + c + "\"");
    return "\"" + c + "\"";
}

const char* size() { static const char* const s[] = {"small", "medium", "large"}; return s[pick(3)]; }
int sizeIndex(const char* s) { return s[0] == 's' ? 0 : s[0] == 'm' ? 1 : 2; }

// A line whose value the compiler must refuse carries this comment, so that
// the suites know which forms are to be refused; every other form must be
// accepted.
const char* const refusedMark = " ' refused: scroll bar values";

struct ScrollValues {
    int low, high, value;
};

// Most scroll bars have their value inside min..max; some sit on a bound,
// and a few break the rules (value just outside, or min above max).
ScrollValues scrollValues()
{
    const int low = chance(20) ? 0 : pick(50);
    const int high = low + (chance(10) ? 0 : pick(1000));
    const int r = pick(100);
    if (r < 70) return {low, high, low + pick(high - low + 1)};
    if (r < 78) return {low, high, low};
    if (r < 86) return {low, high, high};
    if (r < 92) return {low, high, high + 1 + pick(3)};
    if (r < 96 && low > 0) return {low, high, low - 1};
    return {high + 1 + pick(20), high, high};
}

struct Layout {
    bool rows;
    int along;      // rows: the next left; columns: the next top
    int nextLeft;   // columns: still moved by check boxes and labels
};

// One control, if it fits; returns false when nothing more fits.
bool control(std::string& out, Layout& l)
{
    const int limit = l.rows ? 950 : 700;
    int kind = pick(11);
    std::string s;
    int advance = 0;      // what the control adds to the cursor along the section
    int leftMoves = 0;    // columns: what it adds to the next left
    switch (kind) {
    case 0:
        s = "commandbutton " + identifier() + "\ncaption = " + caption(CaptionMost) + "\nend\n";
        advance = l.rows ? 121 : 59;
        break;
    case 1: {
        const char* w = size();
        int n = 1 + pick(5);
        s = "textbox " + identifier() + "\nheight = " + number(n) + "\nwidth = " + w +
            "\nlabel = " + caption(CaptionMost) + "\nend\n";
        advance = l.rows ? 188 + 40 * sizeIndex(w) + 80 : 13 * n + 8 + 26 + 6;
        leftMoves = 80;
        break;
    }
    case 2: {
        const char* w = size();
        int n = 1 + pick(5);
        s = "checkbox " + identifier() + "\ncaption = " + caption(CaptionMost) + "\nheight = " + number(n) +
            "\nwidth = " + w + "\nend\n";
        advance = l.rows ? 81 + 40 * sizeIndex(w) + 40 : 13 * n + 8 + 26;
        leftMoves = 81 + 40 * sizeIndex(w) + 40;
        break;
    }
    case 3: {
        const char* w = size();
        s = "combobox " + identifier() + "\nsorted = " + (chance(50) ? "true" : "false") + "\nstyle = " +
            number(pick(4)) + "\nwidth = " + w + "\nend\n";
        advance = l.rows ? 81 + 40 * sizeIndex(w) + 40 : 48 + 6;
        break;
    }
    case 4: {
        const char* w = size();
        int n = 1 + pick(5);
        // Mostly the two styles the layout knows; now and then another,
        // which makes a plain list box.
        const int style = chance(80) ? pick(2) : chance(50) ? 2 + pick(3) : 5 + pick(1000);
        s = "listbox " + identifier() + "\nsorted = " + (chance(50) ? "true" : "false") + "\nstyle = " +
            number(style) + "\nheight = " + number(n) + "\nwidth = " + w + "\ncolumns = " +
            number(pick(4)) + "\nend\n";
        advance = l.rows ? 121 + 40 * sizeIndex(w) + 40 : 13 * n + 8 + 26;
        break;
    }
    case 5: {
        int options = 1 + pick(4);
        int visible = 0;
        std::string body;
        for (int i = 0; i < options; ++i) {
            bool shown = chance(70);
            visible += shown;
            body += "optionbutton " + identifier() + "\ncaption = " + caption(CaptionMost) + "\nvisible = " +
                    (shown ? "true" : "false") + "\nend\n";
        }
        int extra = visible > 1 ? visible - 1 : 0;
        s = "frame " + identifier() + "\ncaption = " + caption(CaptionMost) + "\n" + body + "end\n";
        advance = l.rows ? 129 + 106 * extra + 40 : 97 + 66 * extra + 26 + 6;
        break;
    }
    case 6:
        s = "timer " + identifier() + "\ninterval = " + number(chance(10) ? 1 : 1 + pick(99999)) + "\nend\n";
        break;
    case 7:
        s = "drivelistbox " + identifier() + "\nend\n";
        advance = l.rows ? 161 : 60 + 6;
        break;
    case 8:
    case 9: {
        const char* w = size();
        int n = 1 + pick(5);
        s = std::string(kind == 8 ? "filelistbox " : "dirlistbox ") + identifier() + "\nheight = " +
            number(n) + "\nwidth = " + w + "\nend\n";
        advance = l.rows ? 121 + 40 * sizeIndex(w) + 40 : 13 * n + 8 + 26;
        break;
    }
    default: {
        bool horizontal = chance(50);
        const char* length = size();
        int len = 161 + 40 * sizeIndex(length);
        const ScrollValues v = scrollValues();
        s = "scrollbar " + identifier() + "\norientation = " + (horizontal ? "horizontal" : "vertical") +
            "\nlength = " + length + "\nmin = " + number(v.low) + "\nmax = " + number(v.high) +
            (v.low > v.high ? refusedMark : "") + "\nvalue = " + number(v.value) +
            (v.low <= v.high && (v.value < v.low || v.value > v.high) ? refusedMark : "") + "\nsmallchange = " +
            number(1 + pick(10)) + "\nlargechange = " + number(1 + pick(100)) + "\nend\n";
        advance = l.rows ? (horizontal ? len + 40 : 57) : (horizontal ? 44 : len + 26);
        // A scroll bar widens the form to the next left in columns too.
        if (!l.rows && l.nextLeft > 1000) return false;
        break;
    }
    }
    if (l.along + advance > limit || charsLeft < 0 || symbolsLeft < 0) return false;
    l.along += advance;
    l.nextLeft += leftMoves;
    out += s;
    return true;
}

// A control if it fits the layout and the symbol table; else nothing.
bool tryControl(std::string& out, Layout& l)
{
    std::set<std::string> usedBefore = used;
    int chars = charsLeft, symbols = symbolsLeft;
    Layout before = l;
    if (control(out, l)) return true;
    used = usedBefore;
    charsLeft = chars;
    symbolsLeft = symbols;
    l = before;
    return false;
}

std::string form(int index, int seed)
{
    used.clear();
    windows1252 = chance(10);
    charsLeft = limits::NameStore - SymbolTable::reservedCharacters() - 40;   // what a section's filler timer may need
    symbolsLeft = limits::Symbols - SymbolTable::ReservedSymbols - 8;
    std::string name;
    do
        name = "g" + std::to_string(seed) + "x" + std::to_string(index) + (chance(50) ? randomWord().substr(0, 60) : "");
    while (formNames.count(lower(name)));
    formNames.insert(lower(name));
    used.insert(lower(name));
    spend(name);

    static const char* const vertical[] = {"top", "middle", "bottom"};
    static const char* const horizontal[] = {"left", "center", "right"};
    bool rows = chance(50);
    std::string out = "form " + name + "\nlocation = " + vertical[pick(3)] + " " + horizontal[pick(3)] +
                      "\ncaption = " + caption(chance(10) ? limits::Lexeme - 2 : 20) + "\norganization = " + (rows ? "rows" : "columns") + "\n";
    int sections = 1 + pick(rows ? 6 : 3);
    int nextLeft = 93;
    for (int s = 0; s < sections; ++s) {
        out += chance(30) ? "\nsection ' a comment\n" : "section\n";
        Layout l{rows, 40, nextLeft};
        int wanted = 1 + pick(8);
        int placed = 0;
        while (placed < wanted && tryControl(out, l)) ++placed;
        if (placed == 0) {
            // The smallest declaration: a short new name and the number 1.
            std::string t;
            do t = "t" + std::to_string(pick(1000)); while (used.count(t));
            used.insert(t);
            out += "timer " + t + "\ninterval = 1\nend\n";
        }
        out += "end\n";
        nextLeft = l.nextLeft + 226;
    }
    return out + "end\n";
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: formgen SEED COUNT DIR\n");
        return 2;
    }
    int seed = std::stoi(argv[1]);
    int count = std::stoi(argv[2]);
    state = 0x9E3779B97F4A7C15ULL ^ static_cast<std::uint64_t>(seed) * 0x100000001B3ULL;
    for (int i = 1; i <= count; ++i) {
        std::string path = std::string(argv[3]) + "/g" + std::to_string(seed) + "_" + std::to_string(i) + ".fms";
        std::ofstream(path, std::ios::binary) << form(i, seed);
    }
    return 0;
}

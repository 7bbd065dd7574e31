// What the server knows of a source line by line, and what the productions
// tell an editor: the blocks, the snippets of the object keywords and the
// usage of every keyword.
#include <algorithm>
#include <cctype>

#include "lsp/language.h"
#include "parser/parser.h"

namespace lsp {

namespace {

int byte(char c) { return static_cast<unsigned char>(c); }
bool isLetter(char c) { return byte(c) < 0x80 && std::isalpha(byte(c)) != 0; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isAlnum(char c) { return isLetter(c) || isDigit(c); }
bool isBlank(char c) { return c != '\n' && byte(c) < 0x80 && std::isspace(byte(c)) != 0; }

void tokenizeLine(std::string_view text, SourceLine& line)
{
    std::size_t i = line.start;
    while (i < line.end) {
        const char c = text[i];
        if (isBlank(c)) {
            ++i;
            continue;
        }
        if (c == '\'') {
            line.comment = i;
            return;
        }
        Word w;
        w.offset = i;
        if (isLetter(c)) {
            w.kind = Word::Name;
            while (i < line.end && isAlnum(text[i]))
                w.folded += static_cast<char>(std::tolower(byte(text[i++])));
            w.keyword = keywordOf(w.folded);
        } else if (isDigit(c)) {
            w.kind = Word::Number;
            while (i < line.end && isDigit(text[i]))
                ++i;
        } else if (c == '"') {
            w.kind = Word::Text;
            const std::size_t close = text.substr(0, line.end).find('"', i + 1);
            if (close == std::string_view::npos) {
                line.openText = true;
                i = line.end;
            } else {
                i = close + 1;
            }
        } else if (c == '=') {
            w.kind = Word::Equals;
            ++i;
        } else {
            w.kind = Word::Other;
            ++i;
        }
        w.length = i - w.offset;
        if (w.kind != Word::Name)
            w.folded = std::string(text.substr(w.offset, w.length));
        line.words.push_back(std::move(w));
    }
}

const ProdIndexEntry& rhsOf(int production) { return prodindex[static_cast<std::size_t>(production)]; }

// The productions of a nonterminal.
std::vector<int> productionsOf(int nonterminal)
{
    std::vector<int> found;
    for (int p = 1; p <= ProductionCount; ++p)
        if (prodlhs[p] == nonterminal)
            found.push_back(p);
    return found;
}

// The terminals of a production's right side, in order, actions left out.
std::vector<GrammarSymbol> symbolsOf(int production)
{
    std::vector<GrammarSymbol> symbols;
    const ProdIndexEntry& rhs = rhsOf(production);
    for (int i = rhs.start; i < rhs.start + rhs.length; ++i)
        if (prodrhs[i].kind != KindAction)
            symbols.push_back(prodrhs[i]);
    return symbols;
}

bool containsEnd(int production)
{
    for (const GrammarSymbol& s : symbolsOf(production))
        if (s.kind == KindTerminal && s.symbol == KwEnd)
            return true;
    return false;
}

// The constant of a production's right side is a quoted text when a caption
// or label action takes it.
bool constantIsText(int production, int at)
{
    const ProdIndexEntry& rhs = rhsOf(production);
    for (int i = at + 1; i < rhs.start + rhs.length; ++i) {
        if (prodrhs[i].kind != KindAction)
            return false;
        if (prodrhs[i].symbol == AcInstallCaption || prodrhs[i].symbol == AcInstallString)
            return true;
    }
    return false;
}

// A nonterminal whose every production is one terminal: its words.
std::vector<int> wordChoices(int nonterminal)
{
    std::vector<int> words;
    for (int p : productionsOf(nonterminal)) {
        const auto symbols = symbolsOf(p);
        if (symbols.size() != 1 || symbols[0].kind != KindTerminal)
            return {};
        words.push_back(symbols[0].symbol);
    }
    return words;
}

bool nullable(int nonterminal)
{
    for (int p : productionsOf(nonterminal))
        if (symbolsOf(p).empty())
            return true;
    return false;
}

// The productions that a keyword begins (their first symbol).
std::vector<int> productionsBegunBy(int token)
{
    std::vector<int> found;
    for (int p = 1; p <= ProductionCount; ++p) {
        const auto symbols = symbolsOf(p);
        if (!symbols.empty() && symbols[0].kind == KindTerminal && symbols[0].symbol == token)
            found.push_back(p);
    }
    return found;
}

// The block production that a keyword begins, or 0.
int blockBegunBy(int token)
{
    for (int p : productionsBegunBy(token))
        if (containsEnd(p))
            return p;
    return 0;
}

// Writes the right side of a production out as lines of words: a line end
// of the grammar ends a line; a block's contents go one level deeper.
class Expander {
public:
    explicit Expander(bool snippet) : snippet_(snippet) {}

    void production(int p, int depth)
    {
        const bool block = containsEnd(p);
        bool headerDone = false;
        const ProdIndexEntry& rhs = rhsOf(p);
        for (int i = rhs.start; i < rhs.start + rhs.length; ++i) {
            const GrammarSymbol s = prodrhs[i];
            const int here = block && headerDone ? depth + 1 : depth;
            if (s.kind == KindAction)
                continue;
            if (s.kind == KindTerminal) {
                if (s.symbol == KwEnd) {
                    word("end", depth);
                } else if (s.symbol == TokIdentifier) {
                    word(snippet_ ? placeholder("name") : "NAME", here);
                } else if (s.symbol == TokConstant) {
                    const bool text = constantIsText(p, i);
                    if (snippet_)
                        word(text ? std::string(1, '"').append(placeholder("text")).append(1, '"') : placeholder("0"), here);
                    else
                        word(text ? "\"TEXT\"" : "NUMBER", here);
                } else {
                    word(keywords[s.symbol], here);
                }
                continue;
            }
            if (s.symbol == NTReturns) {
                endLine();
                headerDone = true;
                continue;
            }
            const std::vector<int> choices = wordChoices(s.symbol);
            if (!choices.empty()) {
                std::string list;
                for (int w : choices)
                    list.append(list.empty() ? "" : snippet_ ? "," : " | ").append(keywords[w]);
                word(snippet_ ? "${" + std::to_string(++placeholders_) + "|" + list + "|}" : list, here);
                continue;
            }
            if (nullable(s.symbol))
                continue;   // a list that may be empty: its one required element came before
            production(productionsOf(s.symbol).front(), here);
        }
    }

    std::vector<std::string> lines() &&
    {
        endLine();
        return std::move(lines_);
    }

private:
    std::string placeholder(const char* what) { return "${" + std::to_string(++placeholders_) + ":" + what + "}"; }
    void word(const std::string& w, int depth)
    {
        if (line_.empty())
            line_.assign(static_cast<std::size_t>(depth) * 4, ' ');
        else
            line_ += ' ';
        line_ += w;
    }
    void endLine()
    {
        if (!line_.empty())
            lines_.push_back(std::move(line_));
        line_.clear();
    }

    bool snippet_;
    int placeholders_ = 0;
    std::string line_;
    std::vector<std::string> lines_;
};

std::string joinLines(const std::vector<std::string>& lines)
{
    std::string out;
    for (const std::string& l : lines)
        out += (out.empty() ? "" : "\n") + l;
    return out;
}

// What each keyword stands for, in the words of a user of the language.
struct Meaning {
    int token;
    const char* text;
};
constexpr Meaning meanings[] = {
    {KwForm, "Begins the form: its name is the name of the generated class."},
    {KwLocation, "Where the form stands on the screen: a vertical then a horizontal place."},
    {KwCaption, "The text a form, button, check box, frame or option button shows."},
    {KwOrganization, "How the form's sections are laid out: as rows or as columns."},
    {KwSection, "A row or a column of the form (as `organization` says), holding its controls in order."},
    {KwEnd, "Ends the innermost form, section or object."},
    {KwCommandButton, "A command button (System.Windows.Forms.Button)."},
    {KwTextBox, "A text box with a label before it."},
    {KwComboBox, "A combo box: a drop-down list with a text."},
    {KwListBox, "A list box."},
    {KwFrame, "A frame (group box) holding one or more option buttons."},
    {KwOptionButton, "An option button (radio button) inside a frame."},
    {KwCheckBox, "A check box."},
    {KwTimer, "A timer: not shown on the form, it ticks every `interval` milliseconds."},
    {KwDriveListBox, "A Visual Basic 6 drive list box (only on .NET Framework)."},
    {KwDirListBox, "A Visual Basic 6 directory list box (only on .NET Framework)."},
    {KwFileListBox, "A Visual Basic 6 file list box (only on .NET Framework)."},
    {KwScrollBar, "A scroll bar, horizontal or vertical."},
    {KwHeight, "The height in lines of text, 1 to 5."},
    {KwWidth, "The width: small, medium or large."},
    {KwLabel, "The text of the label the layout puts before a text box."},
    {KwSorted, "Whether the list keeps its items sorted."},
    {KwStyle, "The list's style, a whole number."},
    {KwColumns, "As `organization`: each section is a column. In a list box: its number of columns."},
    {KwRows, "As `organization`: each section is a row."},
    {KwInterval, "The timer's interval in milliseconds, at least 1."},
    {KwVisible, "Whether the option button is shown."},
    {KwOrientation, "Whether the scroll bar is horizontal or vertical."},
    {KwLength, "The scroll bar's length: small, medium or large."},
    {KwMin, "The scroll bar's least value."},
    {KwMax, "The scroll bar's greatest value, not below `min`."},
    {KwValue, "The scroll bar's value, from `min` to `max`."},
    {KwSmallChange, "How far an arrow of the scroll bar moves it."},
    {KwLargeChange, "How far a click in the scroll bar's track moves it."},
    {KwTop, "The top of the screen."},
    {KwMiddle, "The middle of the screen, from top to bottom."},
    {KwBottom, "The bottom of the screen."},
    {KwLeft, "The left of the screen."},
    {KwCenter, "The center of the screen, from left to right."},
    {KwRight, "The right of the screen."},
    {KwSmall, "The smallest width or length."},
    {KwMedium, "The middle width or length."},
    {KwLarge, "The largest width or length."},
    {KwHorizontal, "A horizontal scroll bar."},
    {KwVertical, "A vertical scroll bar."},
    {KwTrue, "Yes."},
    {KwFalse, "No."},
};

}  // namespace

int keywordOf(std::string_view folded)
{
    for (int t = 0; t < KeywordCount; ++t)
        if (t != TokNewline && t != TokEquals && folded == keywords[t])
            return t;
    return -1;
}

std::vector<SourceLine> splitLines(std::string_view text)
{
    std::vector<SourceLine> lines;
    std::size_t start = 0;
    for (;;) {
        const std::size_t lf = text.find('\n', start);
        SourceLine line;
        line.start = start;
        line.end = lf == std::string_view::npos ? text.size() : lf;
        if (line.end > start && text[line.end - 1] == '\r')
            --line.end;
        tokenizeLine(text, line);
        lines.push_back(std::move(line));
        if (lf == std::string_view::npos)
            return lines;
        start = lf + 1;
    }
}

bool opensBlock(int token)
{
    if (token == KwForm)
        return true;   // the form's own production begins with its header
    return blockBegunBy(token) != 0;
}

bool declaresObject(int token)
{
    const int p = blockBegunBy(token);
    if (p == 0)
        return false;
    const auto symbols = symbolsOf(p);
    return symbols.size() > 1 && symbols[1].kind == KindTerminal && symbols[1].symbol == TokIdentifier;
}

std::vector<Block> outline(const std::vector<SourceLine>& lines, std::size_t textSize)
{
    std::vector<Block> top;
    std::vector<Block> open;
    auto close = [&](std::size_t end) {
        Block b = std::move(open.back());
        open.pop_back();
        b.end = end;
        (open.empty() ? top : open.back().children).push_back(std::move(b));
    };
    for (const SourceLine& line : lines) {
        if (line.words.empty())
            continue;
        const Word& first = line.words.front();
        if (first.keyword == KwEnd) {
            if (open.empty())
                continue;
            open.back().endLineStart = line.start;
            close(first.offset + first.length);
        } else if (first.keyword >= 0 && opensBlock(first.keyword)) {
            Block b;
            b.keyword = first.keyword;
            b.start = first.offset;
            b.headerEnd = line.end;
            if (line.words.size() > 1 && line.words[1].kind == Word::Name && line.words[1].keyword < 0)
                b.name = &line.words[1];
            open.push_back(std::move(b));
        }
    }
    while (!open.empty())
        close(textSize);
    return top;
}

std::string blockSnippet(int token)
{
    const int p = blockBegunBy(token);
    if (p == 0)
        return keywords[token];
    Expander e(true);
    e.production(p, 0);
    return joinLines(std::move(e).lines()) + "$0";
}

std::string keywordHover(int token)
{
    std::string out = "**" + std::string(keywords[token]) + "**";
    for (const Meaning& m : meanings)
        if (m.token == token)
            out += ": " + std::string(m.text);
    // The usage, as the production the keyword begins writes it.
    bool used = false;
    for (int p : productionsBegunBy(token)) {
        used = true;
        if (symbolsOf(p).size() < 2)
            continue;   // a value word alone: the attributes that take it follow
        Expander e(false);
        e.production(p, 0);
        out += "\n\n```\n" + joinLines(std::move(e).lines()) + "\n```";
    }
    // A value word: the attributes that take it.
    std::vector<std::string> takers;
    for (int n = 0; n < NonterminalCount; ++n) {
        const std::vector<int> words = wordChoices(n);
        if (std::find(words.begin(), words.end(), token) == words.end())
            continue;
        for (int q = 1; q <= ProductionCount; ++q) {
            const auto symbols = symbolsOf(q);
            for (const GrammarSymbol& s : symbols)
                if (s.kind == KindNonterminal && s.symbol == n && symbols[0].kind == KindTerminal) {
                    std::string list;
                    for (int w : words)
                        list.append(list.empty() ? "" : " | ").append(keywords[w]);
                    const std::string taker =
                        std::string("`").append(keywords[symbols[0].symbol]).append("` takes ").append(list);
                    if (std::find(takers.begin(), takers.end(), taker) == takers.end())
                        takers.push_back(taker);
                }
        }
    }
    for (const std::string& t : takers)
        out += "\n\n" + t;
    if (!used && takers.empty() && token != KwEnd)
        out += ": a reserved word, used by no construct of the language.";
    return out;
}

}  // namespace lsp

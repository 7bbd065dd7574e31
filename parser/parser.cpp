#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>

#include "driver/driver.h"
#include "parser/parser.h"
#include "symbols/symbols.h"

Parser::Parser(int argc, char** argv)
{
    openSource(argc, argv, source);
    begin();
}

Parser::Parser(const char* text, std::size_t size)
{
    source.openMemory(text, size);
    diagnosticContext.memory = std::string_view(text, size);
    diagnosticContext.inMemory = true;
    begin();
}

void Parser::begin()
{
    start();
    parseStack.clear();
    parseStack.reserve(32);
    nextLevel = 1;
    currentToken = nextToken(attribute);
}

void Parser::checkFailed(ErrorCode code, const char* classic, const std::string& text) const
{
    sourceError(code, classic, line, text, diagnosticContext.matched.place);
}

int editDistance(const std::string& a, const std::string& b)
{
    // Optimal string alignment: insertions, deletions, substitutions and
    // swaps of two neighbours, each one edit.
    const std::size_t n = a.size(), m = b.size();
    std::vector<std::vector<int>> d(n + 1, std::vector<int>(m + 1));
    for (std::size_t i = 0; i <= n; ++i)
        d[i][0] = static_cast<int>(i);
    for (std::size_t j = 0; j <= m; ++j)
        d[0][j] = static_cast<int>(j);
    for (std::size_t i = 1; i <= n; ++i)
        for (std::size_t j = 1; j <= m; ++j) {
            const int cost = a[i - 1] == b[j - 1] ? 0 : 1;
            d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + cost});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
        }
    return d[n][m];
}

namespace {

// A token as the user writes it, in the list of what was expected. A constant
// is a quoted text where a caption or label action takes it.
std::string spell(int token, bool quotedText)
{
    switch (token) {
    case TokNewline: return "end of line";
    case TokEndOfInput: return "end of file";
    case TokIdentifier: return "a name";
    case TokConstant: return quotedText ? "a quoted text" : "a number";
    default: return std::string(1, '\'').append(keywords[token]).append(1, '\'');
    }
}

bool takesText(const GrammarSymbol& next)
{
    return next.kind == KindAction && (next.symbol == AcInstallCaption || next.symbol == AcInstallString);
}

// Whether the constant of the production's right side is a quoted text.
bool productionTakesText(int production)
{
    const ProdIndexEntry& rhs = prodindex[production];
    for (int i = rhs.start; i + 1 < rhs.start + rhs.length; ++i)
        if (prodrhs[i].kind == KindTerminal && prodrhs[i].symbol == TokConstant)
            return takesText(prodrhs[i + 1]);
    return false;
}

}  // namespace

std::vector<int> Parser::expectedTokens(const ParseStackEntry& entry)
{
    std::vector<int> tokens;
    if (entry.kind == KindTerminal) {
        tokens.push_back(entry.symbol);
        return tokens;
    }
    for (int token = 0; token < ColumnCount; ++token)
        if (prodtable[entry.symbol][token] != 0)
            tokens.push_back(token);
    return tokens;
}

std::string Parser::syntaxText(const ParseStackEntry& entry) const
{
    std::string found;
    if (currentToken == TokNewline)
        found = "end of line";
    else if (currentToken == TokEndOfInput)
        found = "end of file";
    else
        found = "'" + tokenText + "'";

    const auto expected = expectedTokens(entry);
    std::vector<std::string> names;
    for (int token : expected) {
        bool quotedText = false;
        if (token == TokConstant) {
            if (entry.kind == KindTerminal)
                quotedText = !parseStack.empty() &&
                             takesText(GrammarSymbol{parseStack.back().kind, parseStack.back().symbol});
            else
                quotedText = productionTakesText(prodtable[entry.symbol][token]);
        }
        std::string name = spell(token, quotedText);
        if (std::find(names.begin(), names.end(), name) == names.end())
            names.push_back(name);
    }
    std::string list;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i > 0)
            list += i + 1 == names.size() ? " or " : ", ";
        list += names[i];
    }
    std::string text = "unexpected " + found + "; expected " + list;

    // A misspelt keyword is a name: the closest expected keyword within two
    // edits, the first in table order on a tie.
    if (currentToken == TokIdentifier) {
        const std::string word = symtab.nameOf(attribute);   // folded as the scanner keeps it
        int best = -1, bestDistance = 3;
        for (int token : expected) {
            if (token >= KeywordCount || token == TokNewline || token == TokEquals)
                continue;
            const int distance = editDistance(word, keywords[token]);
            if (distance < bestDistance) {
                best = token;
                bestDistance = distance;
            }
        }
        if (best >= 0)
            text += "; did you mean '" + std::string(keywords[best]) + "'?";
    }
    return text;
}

void Parser::syntaxError(const ParseStackEntry& entry, const std::string& classic) const
{
    if (currentToken == TokError && options.format != DiagnosticsFormat::Classic)
        sourceError(errorCode, classic.c_str(), line, errorText, tokenPlace);
    sourceError(ErrUnexpected, classic.c_str(), line, syntaxText(entry), tokenPlace);
}

ParseStackEntry Parser::newEntry(SymbolKind kind, int symbol) const
{
    return ParseStackEntry{nextLevel, kind, symbol, 0};
}

void Parser::parse()
{
    startEntry = newEntry(KindNonterminal, NTForm);
    parseStack.push_back(startEntry);
    while (!parseStack.empty()) {
        currentEntry = parseStack.back();
        parseStack.pop_back();
        switch (currentEntry.kind) {
        case KindNonterminal:
            expand(currentEntry);
            break;
        case KindTerminal:
            if (currentToken == currentEntry.symbol)
                currentEntry.attribute = attribute;
            else
                syntaxError(currentEntry, "Parsing error - token does not match required terminal");
            lastAttribute = attribute;
            diagnosticContext.matched.place = tokenPlace;
            diagnosticContext.matched.text = tokenText;
            currentToken = nextToken(attribute);
            break;
        default:
            performAction(currentEntry.symbol);
            break;
        }
    }
    // The token read after the form's final "end" is never examined.
}

void Parser::expand(const ParseStackEntry& entry)
{
    nextLevel = entry.level + 1;
    const int production = prodtable[entry.symbol][currentToken];
    if (production == 0) {
        // The classic form: the token code and the nonterminal number, then
        // the token's padded print name before the message.
        char codes[32];
        std::snprintf(codes, sizeof codes, "%d\t%d\n", currentToken, entry.symbol);
        syntaxError(entry, codes + std::string(printNames[symtab.tokenOf(currentToken)]) +
                               "Nonterminal - token mismatch");
    }
    const ProdIndexEntry& rhs = prodindex[production];
    for (int i = rhs.start + rhs.length - 1; i >= rhs.start; --i)
        parseStack.push_back(newEntry(prodrhs[i].kind, prodrhs[i].symbol));
}

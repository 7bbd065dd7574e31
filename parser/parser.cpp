// The LL(1) stack machine: a nonterminal on top of the stack is replaced by
// the right side the parse table selects for the look-ahead token, a
// terminal is matched against it, and an action goes to the form builder.
#include <algorithm>
#include <cstdio>

#include "parser/parser.h"

Parser::Parser(const SourceBuffer& source, SymbolTable& symtab, DiagnosticEngine& engine, FormBuilder& builder)
    : symtab_(symtab), engine_(engine), builder_(builder), scanner_(source, engine)
{
    parseStack_.reserve(32);
    advance();
}

// Reads the next token and gives it its code and symbol: a word, number or
// quoted text is found in the symbol table or entered there.
void Parser::advance()
{
    token_ = scanner_.next();
    switch (token_.kind) {
    case Lexeme::End:
        currentToken_ = TokEndOfInput;
        return;
    case Lexeme::Error:
        currentToken_ = TokError;
        return;
    case Lexeme::Newline:
    case Lexeme::Equals: {
        const std::string_view text = token_.kind == Lexeme::Newline ? "\n" : "=";
        if (!symtab_.lookup(text, attribute_))
            engine_.refuse(Diag::NotPreinstalled, {text});
        currentToken_ = symtab_.tokenOf(attribute_);
        return;
    }
    default:
        break;
    }
    if (!symtab_.lookup(token_.folded, attribute_)) {
        static constexpr Diag full[] = {Diag::NotPreinstalled, Diag::TableFullNames, Diag::TableFullSymbols,
                                        Diag::TableFullCharacters};
        static constexpr int limit[] = {0, limits::Names, limits::Symbols, limits::NameStore};
        const TableRoom room = symtab_.roomFor(static_cast<int>(token_.folded.size()));
        if (room != TableRoom::Enough) {
            const auto why = static_cast<std::size_t>(room);
            engine_.refuse(full[why], {str(limit[why])}, token_.offset, token_.length, scanner_.classicLine());
        }
        symtab_.findOrInsert(token_.folded, attribute_);
        if (token_.kind == Lexeme::Word) {
            symtab_.setToken(attribute_, SymUnknown, TokIdentifier);
        } else {
            symtab_.setToken(attribute_, token_.kind == Lexeme::Text ? SymLiteral : SymUnknown, TokConstant);
            symtab_.setLiteral(attribute_, token_.kind == Lexeme::Text ? LiteralType::String : LiteralType::Integer,
                               token_.value);
        }
    }
    currentToken_ = symtab_.tokenOf(attribute_);
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
    const ProdIndexEntry& rhs = prodindex[static_cast<std::size_t>(production)];
    for (int i = rhs.start; i + 1 < rhs.start + rhs.length; ++i)
        if (prodrhs[i].kind == KindTerminal && prodrhs[i].symbol == TokConstant)
            return takesText(prodrhs[i + 1]);
    return false;
}

const std::array<int, ColumnCount>& rowOfTable(int nonterminal)
{
    return prodtable[static_cast<std::size_t>(nonterminal)];
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
        if (rowOfTable(entry.symbol)[static_cast<std::size_t>(token)] != 0)
            tokens.push_back(token);
    return tokens;
}

std::string Parser::syntaxText(const ParseStackEntry& entry) const
{
    std::string found;
    if (currentToken_ == TokNewline)
        found = "end of line";
    else if (currentToken_ == TokEndOfInput)
        found = "end of file";
    else
        found = "'" + std::string(scanner_.written(token_)) + "'";

    const auto expected = expectedTokens(entry);
    std::vector<std::string> names;
    for (int token : expected) {
        bool quotedText = false;
        if (token == TokConstant) {
            if (entry.kind == KindTerminal)
                quotedText = !parseStack_.empty() &&
                             takesText(GrammarSymbol{parseStack_.back().kind, parseStack_.back().symbol});
            else
                quotedText = productionTakesText(rowOfTable(entry.symbol)[static_cast<std::size_t>(token)]);
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
    if (currentToken_ == TokIdentifier) {
        const std::string word = symtab_.nameOf(attribute_);   // folded as the scanner keeps it
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

// The classic form names the parser's own message; the others the token the
// scanner could not take, or what was expected.
void Parser::syntaxError(Diagnostic classic) const
{
    Diagnostic d = currentToken_ == TokError ? scanner_.error() : classic;
    if (currentToken_ != TokError) {
        d.offset = token_.offset;
        d.length = token_.length;
    }
    d.classic = classic.classic;
    d.classicStream = classic.classicStream;
    engine_.refuse(d);
}

void Parser::parse()
{
    parseStack_.push_back(ParseStackEntry{KindNonterminal, NTForm});
    while (!parseStack_.empty()) {
        const ParseStackEntry entry = parseStack_.back();
        parseStack_.pop_back();
        switch (entry.kind) {
        case KindNonterminal:
            expand(entry);
            break;
        case KindTerminal:
            if (currentToken_ != entry.symbol)
                syntaxError(makeDiagnostic(Diag::TerminalMismatch, {syntaxText(entry)}, NoOffset, 0,
                                                  scanner_.classicLine()));
            matched_ = Matched{attribute_, token_.offset, token_.length, scanner_.written(token_)};
            advance();
            break;
        default:
            builder_.perform(entry.symbol, matched_, scanner_);
            break;
        }
    }
    // The token read after the form's final "end" is never examined.
}

void Parser::expand(const ParseStackEntry& entry)
{
    const int production = rowOfTable(entry.symbol)[static_cast<std::size_t>(currentToken_)];
    if (production == 0) {
        // The classic form: the token code and the nonterminal number, then
        // the token's padded print name before the message.
        syntaxError(makeDiagnostic(Diag::NonterminalMismatch,
                                          {str(currentToken_), str(entry.symbol),
                                           printNames[symtab_.tokenOf(currentToken_)], syntaxText(entry)},
                                          NoOffset, 0, scanner_.classicLine()));
    }
    const ProdIndexEntry& rhs = prodindex[static_cast<std::size_t>(production)];
    for (int i = rhs.start + rhs.length - 1; i >= rhs.start; --i)
        parseStack_.push_back(ParseStackEntry{prodrhs[i].kind, prodrhs[i].symbol});
}

namespace {

// Whether the table, from this stack, takes `token` as the next input:
// nonterminals are expanded for it and actions passed over until a terminal
// is on top, which must be the token.
bool takes(std::vector<ParseStackEntry> stack, int token)
{
    while (!stack.empty()) {
        const ParseStackEntry top = stack.back();
        stack.pop_back();
        if (top.kind == KindAction)
            continue;
        if (top.kind == KindTerminal)
            return top.symbol == token;
        const int production = rowOfTable(top.symbol)[static_cast<std::size_t>(token)];
        if (production == 0)
            return false;
        const ProdIndexEntry& rhs = prodindex[static_cast<std::size_t>(production)];
        for (int i = rhs.start + rhs.length - 1; i >= rhs.start; --i)
            stack.push_back(ParseStackEntry{prodrhs[i].kind, prodrhs[i].symbol});
    }
    return false;
}

}  // namespace

void Parser::probe(Probe& result)
{
    parseStack_.push_back(ParseStackEntry{KindNonterminal, NTForm});
    while (!parseStack_.empty()) {
        if (currentToken_ == TokEndOfInput) {
            result.endReached = true;
            for (int token = 0; token < ColumnCount; ++token)
                if (token != TokEndOfInput && token != TokError && takes(parseStack_, token))
                    result.accepted.push_back(token);
            return;
        }
        const ParseStackEntry entry = parseStack_.back();
        parseStack_.pop_back();
        if (entry.kind == KindAction)
            continue;
        if (entry.kind == KindTerminal) {
            if (currentToken_ != entry.symbol) {
                result.stopOffset = token_.offset;
                return;
            }
            advance();
            continue;
        }
        const int production = rowOfTable(entry.symbol)[static_cast<std::size_t>(currentToken_)];
        if (production == 0) {
            result.stopOffset = token_.offset;
            return;
        }
        const ProdIndexEntry& rhs = prodindex[static_cast<std::size_t>(production)];
        for (int i = rhs.start + rhs.length - 1; i >= rhs.start; --i)
            parseStack_.push_back(ParseStackEntry{prodrhs[i].kind, prodrhs[i].symbol});
    }
    result.complete = true;
}

SyntaxProbe probeSyntax(const SourceBuffer& source)
{
    SyntaxProbe result;
    CollectingConsumer quiet;
    DiagnosticEngine engine(quiet, &source);
    SymbolTable symtab;
    Form form;
    FormBuilder builder(form, symtab, engine);
    try {
        Parser parser(source, symtab, engine, builder);
        parser.probe(result);
    } catch (const Refusal&) {
        // A full symbol table: the syntax goes no further.
        result = SyntaxProbe{};
    }
    return result;
}

#include <cstdio>

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

void Parser::parseError(const char* message) const
{
    sourceError(message, line);
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
                parseError("Parsing error - token does not match required terminal");
            lastAttribute = attribute;
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
        std::printf("%d\t%d\n", currentToken, entry.symbol);
        symtab.printTokenName(currentToken);
        parseError("Nonterminal - token mismatch");
    }
    const ProdIndexEntry& rhs = prodindex[production];
    for (int i = rhs.start + rhs.length - 1; i >= rhs.start; --i)
        parseStack.push_back(newEntry(prodrhs[i].kind, prodrhs[i].symbol));
}

#include <cstdio>
#include <cstring>

#include "driver/driver.h"
#include "parser/parser.h"
#include "symbols/symbols.h"

namespace {

// Reads one whitespace-delimited word from standard input into a buffer of
// FileNameMax + 1 bytes. A word that does not fit is refused at once, so the
// read stops whatever the length of what was typed. False at end of input
// before any word.
bool readFileName(char* filename)
{
    int c;
    do
        c = std::getchar();
    while (c != EOF && std::strchr(" \t\n\v\f\r", c) != nullptr);
    if (c == EOF)
        return false;
    std::size_t length = 0;
    while (c != EOF && std::strchr(" \t\n\v\f\r", c) == nullptr) {
        if (length == FileNameMax) {
            std::fputc('\n', stdout);   // the prompt's line end
            fileNameTooLong();
        }
        filename[length++] = static_cast<char>(c);
        c = std::getchar();
    }
    filename[length] = '\0';
    return true;
}

void usage()
{
    std::fputs("Usage: Kavel [filename]\n", stdout);
    quit(ExitUsage);
}

bool fileExists(const char* name)
{
    std::FILE* probe = std::fopen(name, "r");
    if (probe == nullptr)
        return false;
    std::fclose(probe);
    return true;
}

}  // namespace

Parser::Parser(int argc, char** argv)
{
    // Room for the longest name and ".fms", which the check may append.
    char filename[FileNameMax + 5];
    if (argc == 1) {
        std::fputs("Enter file name: ", stdout);
        std::fflush(stdout);
        bool gotWord = readFileName(filename);
        std::fputc('\n', stdout);
        std::fflush(stdout);
        if (!gotWord)
            usage();
    } else if (argc == 2) {
        if (std::strlen(argv[1]) > FileNameMax)
            fileNameTooLong();
        std::strcpy(filename, argv[1]);
    } else {
        usage();
    }
    checkFileName(filename);
    if (!fileExists(filename))
        std::printf("Cannot find %s\n", filename);
    if (!source.openFile(filename)) {
        std::printf("Cannot open %s\n", filename);
        quit(ExitFileName);
    }
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

ParseStackEntry Parser::newEntry(int kind, int symbol) const
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

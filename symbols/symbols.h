// The symbol table: every keyword, name, number and quoted text of a run,
// with its token code, what it stands for and its value, found through a
// hashed name store of fixed size. One table per compilation.
#pragma once

#include <string>

#include "base/base.h"
#include "scanner/scanner.h"

enum SymbolType { SymUnknown = 0, SymKeyword = 1, SymObject = 2, SymOperator = 3, SymLiteral = 4 };

// What a constant holds.
enum class LiteralType : unsigned char { None, String, Integer };

struct SymbolEntry {
    SymbolType symbolType;
    Token token;
    ControlKind object;    // what a declared name stands for
    LiteralType literal;
    int nameindex;
    int value;             // an integer constant's value; 0 for every other symbol
};

struct NameSlot {
    int offset;
    int symbol;
    int next;
};

// Why a new name does not fit.
enum class TableRoom { Enough, Names, Symbols, Characters };

class SymbolTable {
public:
    static constexpr int NameStoreSize = limits::NameStore;
    static constexpr int NameSlots = limits::Names;
    static constexpr int SymbolSlots = limits::Symbols;
    static constexpr int BucketCount = 100;
    static constexpr int HashWindow = 24;
    // The keywords and the six reserved entries take room before any source
    // text does; the random form generator needs to know how much.
    static constexpr int ReservedSymbols = PrintNameCount;
    static int reservedCharacters();

    // Installs the keywords and six reserved entries, so that symbol i
    // carries token i up to 57.
    SymbolTable();

    // The symbol of a text, entering it when it is new (false then). The
    // caller asks roomFor first.
    bool findOrInsert(std::string_view name, int& symbol);
    bool lookup(std::string_view name, int& symbol) const;
    TableRoom roomFor(int length) const;

    void setToken(int symbol, SymbolType symbolType, Token token);
    void declare(int symbol, ControlKind kind);
    void setLiteral(int symbol, LiteralType type, int value);

    Token tokenOf(int symbol) const { return symbols[symbol].token; }
    ControlKind objectOf(int symbol) const { return symbols[symbol].object; }
    LiteralType literalOf(int symbol) const { return symbols[symbol].literal; }
    int valueOf(int symbol) const { return symbols[symbol].value; }
    SymbolType symbolTypeOf(int symbol) const { return symbols[symbol].symbolType; }
    const char* nameOf(int symbol) const { return nameStore + slots[symbols[symbol].nameindex].offset; }

    static int hashName(std::string_view name);

    int symbolsUsed() const { return symbolCount; }
    int namesUsed() const { return nameCount; }
    int nameCharsUsed() const { return nameStoreUsed; }

private:
    int findName(std::string_view name, int code) const;

    char nameStore[NameStoreSize];
    NameSlot slots[NameSlots];
    SymbolEntry symbols[SymbolSlots];
    int buckets[BucketCount];
    int nameStoreUsed = 0;
    int nameCount = 0;
    int symbolCount = 0;
};

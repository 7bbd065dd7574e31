// The symbol table: every keyword, name, number and quoted text of a run, with
// its token code, types and value, found through a hashed name store.
#pragma once

#include <string>

#include "scanner/scanner.h"

enum SymbolType { SymUnknown = 0, SymKeyword = 1, SymObject = 2, SymOperator = 3, SymLiteral = 4 };

// What a declared name stands for, or what kind of literal a constant is.
// Not the object kinds of the form tree: 8 to 11 differ.
enum ObjectType {
    TypeUnknown = 0, TypeForm = 1, TypeDriveListBox = 2, TypeTextBox = 3,
    TypeComboBox = 4, TypeCommandButton = 5, TypeFrame = 6, TypeCheckBox = 7,
    TypeOptionButton = 8, TypeTimer = 9, TypeLabel = 10, TypeListBox = 11,
    TypeFileListBox = 12, TypeDirListBox = 13, TypeScrollBar = 14,
    TypeString = 15, TypeInteger = 16, TypeConstant = 17
};

struct SymbolEntry {
    SymbolType symbolType;
    Token token;
    ObjectType objectType;
    int owningProc;
    int nameindex;
    int nextLocal;
    int prevLocal;
    int isReal;
    int value;
    char label[12];
};

struct NameSlot {
    int offset;
    int symbol;
    int next;
};

struct ProcRecord {
    int procSymbol;
    int firstLocal;
    int lastLocal;
};

class SymbolTable {
public:
    static constexpr int NameStoreSize = 1200;
    static constexpr int NameSlots = 200;
    static constexpr int SymbolSlots = 200;
    static constexpr int BucketCount = 100;
    static constexpr int HashWindow = 24;

    // Installs the keywords and reserved entries; the driver writes the banner.
    SymbolTable();

    // Back to the state right after construction.
    void reset();

    bool findOrInsert(const char* name, int& symbol);
    bool lookup(const char* name, int& symbol) const;
    // Null when a new name of this length fits; else what the table has run out of.
    const char* roomFor(int length) const;

    void setToken(int symbol, SymbolType symbolType, Token token);
    void setTypes(int symbol, SymbolType symbolType, ObjectType objectType);
    void setValue(int symbol, int value);

    Token tokenOf(int symbol) const { return symbols[symbol].token; }
    ObjectType objectTypeOf(int symbol) const { return symbols[symbol].objectType; }
    int valueOf(int symbol) const { return symbols[symbol].value; }
    SymbolType symbolTypeOf(int symbol) const { return symbols[symbol].symbolType; }
    const char* nameOf(int symbol) const { return nameStore + slots[symbols[symbol].nameindex].offset; }
    void writeName(int symbol, std::string& out) const;
    void printTokenName(int symbol) const;

    static int hashName(const char* name, int length);

    int symbolsUsed() const { return symbolCount; }
    int namesUsed() const { return nameCount; }
    int nameCharsUsed() const { return nameStoreUsed; }

private:
    int findName(const char* name, int length, int code) const;
    int newSymbol(int slot);
    void install();

    char nameStore[NameStoreSize];
    NameSlot slots[NameSlots];
    SymbolEntry symbols[SymbolSlots];
    int buckets[BucketCount];
    int nameStoreUsed;
    int nameCount;
    int symbolCount;
    ProcRecord thisproc;   // no procedure is ever opened: all -1
};

// The one symbol table of the run, constructed before the form model.
extern SymbolTable symtab;


#include "symbols/symbols.h"

#include <cstdio>
#include <cstring>

#include "driver/driver.h"
#include "scanner/scanner.h"

SymbolTable::SymbolTable()
{
    install();
}

void SymbolTable::reset() { install(); }

void SymbolTable::install()
{
    thisproc = {-1, -1, -1};
    for (int& bucket : buckets)
        bucket = -1;
    for (NameSlot& slot : slots)
        slot = {0, 0, -1};
    for (SymbolEntry& entry : symbols)
        entry = {SymUnknown, KwBeginLabel, TypeUnknown, -1, -1, -1, -1, 0, 0, {}};
    nameStoreUsed = nameCount = symbolCount = 0;

    int symbol;
    for (int code = 0; code < KeywordCount; ++code) {
        findOrInsert(keywords[code], symbol);
        setToken(symbol, SymKeyword, static_cast<Token>(code));
    }
    // Six entries that no lexeme can equal, so that symbol i carries token i
    // up to 57; their names are the first six print names.
    for (int code = KeywordCount; code < PrintNameCount; ++code) {
        findOrInsert(printNames[code - KeywordCount], symbol);
        setToken(symbol, SymOperator, static_cast<Token>(code));
    }
}

int SymbolTable::hashName(const char* name, int length)
{
    int n = length < HashWindow ? length : HashWindow;
    int start = (length - n) % 2;
    unsigned h = 0;   // unsigned: the doubling wraps as 32-bit two's complement would
    for (int i = start; i < start + n; ++i)
        h = 2 * h + static_cast<unsigned>(static_cast<int>(static_cast<signed char>(name[i])));
    return static_cast<int>(h % BucketCount);
}

int SymbolTable::findName(const char* name, int length, int code) const
{
    for (int slot = buckets[code]; slot != -1; slot = slots[slot].next) {
        const char* stored = nameStore + slots[slot].offset;
        if (std::strncmp(stored, name, length) == 0 && stored[length] == '\0')
            return slot;
    }
    return -1;
}

const char* SymbolTable::roomFor(int length) const
{
    if (nameCount >= NameSlots)
        return "Symbol table full: more than 200 names";
    if (symbolCount >= SymbolSlots)
        return "Symbol table full: more than 200 symbols";
    if (nameStoreUsed + length + 1 > NameStoreSize)
        return "Symbol table full: more than 1200 characters of names";
    return nullptr;
}

bool SymbolTable::findOrInsert(const char* name, int& symbol)
{
    int length = static_cast<int>(std::strlen(name));
    int code = hashName(name, length);
    int slot = findName(name, length, code);
    if (slot != -1) {
        symbol = slots[slot].symbol;
        return true;
    }
    // The scanner asks roomFor first and reports the source line; this is the
    // last guard of the fixed storage.
    if (const char* full = roomFor(length))
        fail(ErrTableFull, stdout, full, full);
    slot = nameCount++;
    slots[slot].offset = nameStoreUsed;
    std::memcpy(nameStore + nameStoreUsed, name, length + 1);
    nameStoreUsed += length + 1;
    slots[slot].next = buckets[code];
    buckets[code] = slot;
    symbol = newSymbol(slot);
    return false;
}

int SymbolTable::newSymbol(int slot)
{
    int symbol = symbolCount++;
    slots[slot].symbol = symbol;
    symbols[symbol].nameindex = slot;
    symbols[symbol].symbolType = SymUnknown;
    symbols[symbol].objectType = TypeUnknown;
    return symbol;
}

bool SymbolTable::lookup(const char* name, int& symbol) const
{
    int length = static_cast<int>(std::strlen(name));
    int slot = findName(name, length, hashName(name, length));
    if (slot == -1)
        return false;
    symbol = slots[slot].symbol;
    return true;
}

void SymbolTable::setToken(int symbol, SymbolType symbolType, Token token)
{
    symbols[symbol].symbolType = symbolType;
    symbols[symbol].token = token;
    symbols[symbol].objectType = TypeUnknown;
}

void SymbolTable::setTypes(int symbol, SymbolType symbolType, ObjectType objectType)
{
    symbols[symbol].symbolType = symbolType;
    symbols[symbol].objectType = objectType;
}

void SymbolTable::setValue(int symbol, int value)
{
    symbols[symbol].isReal = 0;
    symbols[symbol].value = value;
}

void SymbolTable::writeName(int symbol, std::string& out) const
{
    const char* name = nameOf(symbol);
    if (name[0] == '\n')
        out += "\\n";
    else
        out += name;
}

void SymbolTable::printTokenName(int symbol) const
{
    std::fputs(printNames[tokenOf(symbol)], stdout);
}

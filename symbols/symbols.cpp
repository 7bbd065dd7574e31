#include "symbols/symbols.h"

#include <cstring>

SymbolTable::SymbolTable()
{
    for (int& bucket : buckets)
        bucket = -1;
    for (NameSlot& slot : slots)
        slot = {0, 0, -1};
    for (SymbolEntry& entry : symbols)
        entry = {SymUnknown, KwBeginLabel, KindNone, LiteralType::None, -1, 0};

    int symbol;
    for (int code = 0; code < KeywordCount; ++code) {
        findOrInsert(keywords[code], symbol);
        setToken(symbol, SymKeyword, static_cast<Token>(code));
    }
    // Six entries that no lexeme can equal (they hold blanks), so that
    // symbol i carries token i up to 57; their names are the first six print
    // names.
    for (int code = KeywordCount; code < PrintNameCount; ++code) {
        findOrInsert(printNames[code - KeywordCount], symbol);
        setToken(symbol, SymOperator, static_cast<Token>(code));
    }
}

int SymbolTable::reservedCharacters()
{
    int characters = 0;
    for (int code = 0; code < KeywordCount; ++code)
        characters += static_cast<int>(std::strlen(keywords[code])) + 1;
    for (int code = KeywordCount; code < PrintNameCount; ++code)
        characters += static_cast<int>(std::strlen(printNames[code - KeywordCount])) + 1;
    return characters;
}

int SymbolTable::hashName(std::string_view name)
{
    const int length = static_cast<int>(name.size());
    int n = length < HashWindow ? length : HashWindow;
    int start = (length - n) % 2;
    unsigned h = 0;   // unsigned: the doubling wraps as 32-bit two's complement would
    for (int i = start; i < start + n; ++i)
        h = 2 * h + static_cast<unsigned>(static_cast<int>(static_cast<signed char>(name[static_cast<std::size_t>(i)])));
    return static_cast<int>(h % BucketCount);
}

int SymbolTable::findName(std::string_view name, int code) const
{
    for (int slot = buckets[code]; slot != -1; slot = slots[slot].next) {
        const char* stored = nameStore + slots[slot].offset;
        if (std::strncmp(stored, name.data(), name.size()) == 0 && stored[name.size()] == '\0')
            return slot;
    }
    return -1;
}

TableRoom SymbolTable::roomFor(int length) const
{
    if (nameCount >= NameSlots)
        return TableRoom::Names;
    if (symbolCount >= SymbolSlots)
        return TableRoom::Symbols;
    if (nameStoreUsed + length + 1 > NameStoreSize)
        return TableRoom::Characters;
    return TableRoom::Enough;
}

bool SymbolTable::findOrInsert(std::string_view name, int& symbol)
{
    const int code = hashName(name);
    int slot = findName(name, code);
    if (slot != -1) {
        symbol = slots[slot].symbol;
        return true;
    }
    const int length = static_cast<int>(name.size());
    slot = nameCount++;
    slots[slot].offset = nameStoreUsed;
    std::memcpy(nameStore + nameStoreUsed, name.data(), name.size());
    nameStore[nameStoreUsed + length] = '\0';
    nameStoreUsed += length + 1;
    slots[slot].next = buckets[code];
    buckets[code] = slot;
    symbol = symbolCount++;
    slots[slot].symbol = symbol;
    symbols[symbol].nameindex = slot;
    symbols[symbol].symbolType = SymUnknown;
    symbols[symbol].object = KindNone;
    return false;
}

bool SymbolTable::lookup(std::string_view name, int& symbol) const
{
    const int slot = findName(name, hashName(name));
    if (slot == -1)
        return false;
    symbol = slots[slot].symbol;
    return true;
}

void SymbolTable::setToken(int symbol, SymbolType symbolType, Token token)
{
    symbols[symbol].symbolType = symbolType;
    symbols[symbol].token = token;
    symbols[symbol].object = KindNone;
}

void SymbolTable::declare(int symbol, ControlKind kind)
{
    symbols[symbol].symbolType = SymObject;
    symbols[symbol].object = kind;
}

void SymbolTable::setLiteral(int symbol, LiteralType type, int value)
{
    symbols[symbol].symbolType = SymLiteral;
    symbols[symbol].literal = type;
    symbols[symbol].value = value;
}

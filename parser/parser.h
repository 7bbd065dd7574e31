// The parser: the grammar as constant tables, the LL(1) stack machine that
// interprets them, and the numbered semantic actions that build the form.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "form/form.h"
#include "scanner/scanner.h"
#include "symbols/symbols.h"

class FormModel;
struct FormNode;

constexpr int NonterminalCount = 53;
constexpr int ColumnCount = TokenCodeCount;
constexpr int ProductionCount = 78;
constexpr int RhsCount = 307;
constexpr int ActionCount = 38;

enum SymbolKind { KindNonterminal = 0, KindTerminal = 1, KindAction = 2 };

// Nonterminal numbers and action codes, as the tables use them.
enum Nonterminal {
    NTForm = 0,
    NTHeader = 1,
    NTFormAttribs = 2,
    NTOrgAttribs = 3,
    NTSectDecls = 4,
    NTReturns = 5,
    NTLocAttribs = 6,
    NTCaptionAttrib = 7,
    NTVertAttrib = 8,
    NTHorizAttrib = 9,
    NTSectionOrg = 10,
    NTSectDecl = 11,
    NTMoresectDecls = 12,
    NTObjDecls = 13,
    NTObjDecl = 14,
    NTMoreObjDecls = 15,
    NTCmdButtonDecl = 16,
    NTTextBoxDecl = 17,
    NTComboBoxDecl = 18,
    NTListBoxDecl = 19,
    NTColumnsAttrib = 20,
    NTFrameDecl = 21,
    NTCheckBoxDecl = 22,
    NTTimerDecl = 23,
    NTDirListBoxDecl = 24,
    NTDriveListBoxDecl = 25,
    NTFileListBoxDecl = 26,
    NTScrollBarDecl = 27,
    NTOrientAttrib = 28,
    NTOrientType = 29,
    NTLengthAttrib = 30,
    NTLengthSize = 31,
    NTScrollBarAttribs = 32,
    NTMinAttrib = 33,
    NTMaxAttrib = 34,
    NTValueAttrib = 35,
    NTChangeAttribs = 36,
    NTSmallChangeAttrib = 37,
    NTLargeChangeAttrib = 38,
    NTSizeAttribs = 39,
    NTLabelAttrib = 40,
    NTHeightAttrib = 41,
    NTWidthAttrib = 42,
    NTWidthSize = 43,
    NTSortedAttrib = 44,
    NTStyleAttrib = 45,
    NTIntervalAttrib = 46,
    NTOptDecls = 47,
    NTOptDecl = 48,
    NTMoreOptDecls = 49,
    NTVisibleAttrib = 50,
    NTBoolean = 51,
    NTMoreReturns = 52,
};

enum Action {
    AcAnnotateForm = 0,
    AcSetFormDim = 1,
    AcSetFormName = 2,
    AcSetSon = 3,
    AcSetThisSon = 4,
    AcGoToFather = 5,
    AcInstallCaption = 6,
    AcInstallRows = 7,
    AcInstallSection = 8,
    AcInstallCmdButton = 9,
    AcInstallTextBox = 10,
    AcInstallHeight = 11,
    AcInstallWidth = 12,
    AcInstallString = 13,
    AcInstallComboBox = 14,
    AcInstallListBox = 15,
    AcInstallLstColumns = 16,
    AcInstallFrame = 17,
    AcFinishFrame = 18,
    AcInstallOptButton = 19,
    AcFinishOptButton = 20,
    AcInstallVisible = 21,
    AcInstallCheckBox = 22,
    AcInstallSorted = 23,
    AcInstallStyle = 24,
    AcInstallTimer = 25,
    AcInstallInterval = 26,
    AcInstallDriveListBox = 27,
    AcInstallFileListBox = 28,
    AcInstallDirListBox = 29,
    AcInstallScrollBar = 30,
    AcInstallOrient = 31,
    AcInstallLength = 32,
    AcInstallMin = 33,
    AcInstallMax = 34,
    AcInstallValue = 35,
    AcInstallSmlChange = 36,
    AcInstallLrgChange = 37,
};

struct GrammarSymbol {
    SymbolKind kind;
    int symbol;   // nonterminal number, token code or action code
};

struct ProdIndexEntry {
    int start;
    int length;
};

// The language. Stored as listed, never computed: the row of NTMoreReturns
// holds six entries beyond the textbook LL(1) construction.
extern const int prodtable[NonterminalCount][ColumnCount];
extern const ProdIndexEntry prodindex[ProductionCount + 1];
extern const GrammarSymbol prodrhs[RhsCount];
extern const char* const ntnames[NonterminalCount];
extern const char* const actionnames[ActionCount];

struct ParseStackEntry {
    int level;
    SymbolKind kind;
    int symbol;
    int attribute;
};

class Parser : public Scanner {
public:
    // Takes the source file name from the command line or the prompt, checks
    // it, opens the source and reads the first token; quits on any failure.
    Parser(int argc, char** argv);
    // Parses a source held in memory (tests and the fuzzer).
    Parser(const char* text, std::size_t size);

    // Runs the stack machine until the stack is empty; returns only on success.
    void parse();

    // A check of an action fails: `classic` with the line in classic form,
    // else `text` at the terminal matched last (or at `place`).
    [[noreturn]] void checkFailed(ErrorCode code, const char* classic, const std::string& text) const;

    // The tokens the entry on top of the stack can take: the terminal itself,
    // or every token with an entry in the nonterminal's row, in code order.
    static std::vector<int> expectedTokens(const ParseStackEntry& entry);
    // "unexpected WHAT; expected LIST", and a keyword the look-ahead may
    // have meant.
    std::string syntaxText(const ParseStackEntry& entry) const;

private:
    [[noreturn]] void syntaxError(const ParseStackEntry& entry, const std::string& classic) const;
    void begin();
    ParseStackEntry newEntry(SymbolKind kind, int symbol) const;
    void expand(const ParseStackEntry& entry);
    void performAction(int action);
    void declareObject(ObjectType objectType);
    void declareControl(ObjectType objectType, ObjectKind kind);
    void declareControlWithText(ObjectType objectType, ObjectKind kind);
    using AttributeSetter = void (FormModel::*)(FormNode*, int);
    void installAttribute(AttributeSetter setter);
    void expectQuotedText(const char* attribute) const;
    void expectCaptionLength() const;
    void expectFramework(const char* keyword) const;
    void claimLabelName();

    ParseStackEntry startEntry{};
    ParseStackEntry currentEntry{};
    int currentToken = 0;
    int attribute = 0;
    int lastAttribute = 0;
    int nextLevel = 1;
    std::vector<ParseStackEntry> parseStack;
    std::vector<bool> labelNumbers;   // the numbers of the labels made so far
    std::vector<SourcePlace> declaredAt;   // by symbol: where an object name was declared
    TokenMark frameName;                   // the frame whose option buttons are being placed
};

// Edits (insertions, deletions, substitutions, swaps of neighbours) between two words.
int editDistance(const std::string& a, const std::string& b);

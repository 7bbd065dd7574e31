// The parser: the grammar as constant tables, the LL(1) stack machine that
// interprets them, and the form builder whose numbered semantic actions
// build the form model while the source is parsed.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "base/base.h"
#include "form/form.h"
#include "scanner/scanner.h"
#include "symbols/symbols.h"

// ORDER NONTERMINALS: a nonterminal's number is its place in this list.
#define KAVEL_NONTERMINALS(X)                                                                              \
    X(NTForm, "NTForm") X(NTHeader, "NTHeader") X(NTFormAttribs, "NTFormAttribs")                          \
    X(NTOrgAttribs, "NTOrgAttribs") X(NTSectDecls, "NTSectDecls") X(NTReturns, "NTReturns")                \
    X(NTLocAttribs, "NTLocAttribs") X(NTCaptionAttrib, "NTCaptionAttrib") X(NTVertAttrib, "NTVertAttrib")  \
    X(NTHorizAttrib, "NTHorizAttrib") X(NTSectionOrg, "NTSectionOrg") X(NTSectDecl, "NTSectDecl")          \
    X(NTMoresectDecls, "NTMoresectDecls") X(NTObjDecls, "NTObjDecls") X(NTObjDecl, "NTObjDecl")            \
    X(NTMoreObjDecls, "NTMoreObjDecls") X(NTCmdButtonDecl, "NTCmdButtonDecl")                              \
    X(NTTextBoxDecl, "NTTextBoxDecl") X(NTComboBoxDecl, "NTComboBoxDecl") X(NTListBoxDecl, "NTListBoxDecl") \
    X(NTColumnsAttrib, "NTColumnsAttrib") X(NTFrameDecl, "NTFrameDecl") X(NTCheckBoxDecl, "NTCheckBoxDecl") \
    X(NTTimerDecl, "NTTimerDecl") X(NTDirListBoxDecl, "NTDirListBoxDecl")                                  \
    X(NTDriveListBoxDecl, "NTDriveListBoxDecl") X(NTFileListBoxDecl, "NTFileListBoxDecl")                  \
    X(NTScrollBarDecl, "NTScrollBarDecl") X(NTOrientAttrib, "NTOrientAttrib") X(NTOrientType, "NTOrientType") \
    X(NTLengthAttrib, "NTLengthAttrib") X(NTLengthSize, "NTLengthSize")                                    \
    X(NTScrollBarAttribs, "NTScrollBarAttribs") X(NTMinAttrib, "NTMinAttrib") X(NTMaxAttrib, "NTMaxAttrib") \
    X(NTValueAttrib, "NTValueAttrib") X(NTChangeAttribs, "NTChangeAttribs")                                \
    X(NTSmallChangeAttrib, "NTSmallChangeAttrib") X(NTLargeChangeAttrib, "NTLargeChangeAttrib")            \
    X(NTSizeAttribs, "NTSizeAttribs") X(NTLabelAttrib, "NTLabelAttrib") X(NTHeightAttrib, "NTHeightAttrib") \
    X(NTWidthAttrib, "NTWidthAttrib") X(NTWidthSize, "NTWidthSize") X(NTSortedAttrib, "NTSortedAttrib")    \
    X(NTStyleAttrib, "NTStyleAttrib") X(NTIntervalAttrib, "NTIntervalAttrib") X(NTOptDecls, "NTOptDecls")  \
    X(NTOptDecl, "NTOptDecl") X(NTMoreOptDecls, "NTMoreOptDecls") X(NTVisibleAttrib, "NTVisibleAttrib")    \
    X(NTBoolean, "NTBoolean") X(NTMoreReturns, "NTMoreReturns")

// ORDER ACTIONS: an action's code is its place in this list.
#define KAVEL_ACTIONS(X)                                                                                   \
    X(AcAnnotateForm, "AcAnnotateForm") X(AcSetFormDim, "AcSetFormDim") X(AcSetFormName, "AcSetFormName")   \
    X(AcSetSon, "AcSetSon") X(AcSetThisSon, "AcSetThisSon") X(AcGoToFather, "AcGoToFather")                \
    X(AcInstallCaption, "AcInstallCaption") X(AcInstallRows, "AcInstallRows")                              \
    X(AcInstallSection, "AcInstallSection") X(AcInstallCmdButton, "AcInstallCmdButton")                    \
    X(AcInstallTextBox, "AcInstallTextBox") X(AcInstallHeight, "AcInstallHeight")                          \
    X(AcInstallWidth, "AcInstallWidth") X(AcInstallString, "AcInstallString")                              \
    X(AcInstallComboBox, "AcInstallComboBox") X(AcInstallListBox, "AcInstallListBox")                      \
    X(AcInstallLstColumns, "AcInstallLstColumns") X(AcInstallFrame, "AcInstallFrame")                      \
    X(AcFinishFrame, "AcFinishFrame") X(AcInstallOptButton, "AcInstallOptButton")                          \
    X(AcFinishOptButton, "AcFinishOptButton") X(AcInstallVisible, "AcInstallVisible")                      \
    X(AcInstallCheckBox, "AcInstallCheckBox") X(AcInstallSorted, "AcInstallSorted")                        \
    X(AcInstallStyle, "AcInstallStyle") X(AcInstallTimer, "AcInstallTimer")                                \
    X(AcInstallInterval, "AcInstallInterval") X(AcInstallDriveListBox, "AcInstallDriveListBox")            \
    X(AcInstallFileListBox, "AcInstallFileListBox") X(AcInstallDirListBox, "AcInstallDirListBox")          \
    X(AcInstallScrollBar, "AcInstallScrollBar") X(AcInstallOrient, "AcInstallOrient")                      \
    X(AcInstallLength, "AcInstallLength") X(AcInstallMin, "AcInstallMin") X(AcInstallMax, "AcInstallMax")   \
    X(AcInstallValue, "AcInstallValue") X(AcInstallSmlChange, "AcInstallSmlChange")                        \
    X(AcInstallLrgChange, "AcInstallLrgChange")

enum Nonterminal { KAVEL_NONTERMINALS(KAVEL_ENUM_MEMBER) NonterminalCount };
enum Action { KAVEL_ACTIONS(KAVEL_ENUM_MEMBER) ActionCount };

inline constexpr const char* ntnames[NonterminalCount] = {KAVEL_NONTERMINALS(KAVEL_ENUM_STRING)};
inline constexpr const char* actionnames[ActionCount] = {KAVEL_ACTIONS(KAVEL_ENUM_STRING)};

constexpr int ColumnCount = TokenCodeCount;
constexpr int ProductionCount = 78;
constexpr int RhsCount = 307;

enum SymbolKind { KindNonterminal = 0, KindTerminal = 1, KindAction = 2 };

struct GrammarSymbol {
    SymbolKind kind;
    int symbol;   // nonterminal number, token code or action code
};

struct ProdIndexEntry {
    int start;
    int length;
};

// The language. The productions are data; the parse table is computed from
// them while compiling, as the textbook LL(1) construction gives it, with the
// few entries beyond it listed as data (grammar.cpp).
extern const GrammarSymbol prodrhs[RhsCount];
extern const std::array<ProdIndexEntry, ProductionCount + 1> prodindex;
extern const int prodlhs[ProductionCount + 1];
using ParseTable = std::array<std::array<int, ColumnCount>, NonterminalCount>;
// Row = nonterminal, column = token code, value = production (0: the
// nonterminal cannot begin with that token).
extern const ParseTable prodtable;

// The terminal matched last, as the actions and their messages see it.
struct Matched {
    int symbol = 0;                // its symbol in the table
    std::size_t offset = NoOffset;
    std::size_t length = 0;
    std::string_view written;      // as the source writes it
};

// The semantic actions: one class that builds the form. Label numbers,
// declarations and the frame being filled are its state. Every check comes
// before any change to the form or the symbol table.
class FormBuilder {
public:
    FormBuilder(Form& form, SymbolTable& symtab, DiagnosticEngine& engine)
        : form_(form), symtab_(symtab), engine_(engine) {}

    // Performs one action on the terminal matched last; the scanner gives
    // the line a classic message names.
    void perform(int action, const Matched& matched, const Scanner& scanner);

private:
    // What the actions are building, innermost last.
    struct Node {
        enum What { FormNode, Location, Section, ControlNode, Attribute } what;
        Control* control = nullptr;
    };

    Control* control() const;   // the innermost control being built
    [[noreturn]] void checkFailed(Diag id, std::initializer_list<std::string_view> args) const;
    void check(Growth growth) const;
    void expectQuotedText(const char* attribute) const;
    void expectCaptionLength() const;
    void declareObject(ControlKind kind);
    void declareControl(ControlKind kind);
    void claimLabelName();
    void newControl(Token keyword);
    int value() const { return symtab_.valueOf(m_->symbol); }

    Form& form_;
    SymbolTable& symtab_;
    DiagnosticEngine& engine_;
    Layout layout_;
    std::vector<Node> nodes_;
    std::vector<bool> labelNumbers_;          // the numbers of the labels made so far
    std::vector<std::size_t> declaredAt_;     // by symbol: where an object name was declared
    Matched frameName_;                       // the frame whose option buttons are being placed
    Matched placing_;                         // the control being placed, or the section keyword
    bool placingSection_ = false;
    const Matched* m_ = nullptr;              // the terminal matched last, during an action
    const Scanner* scanner_ = nullptr;
};

struct ParseStackEntry {
    SymbolKind kind;
    int symbol;
};

class Parser {
public:
    // Reads the first token of the source.
    Parser(const SourceBuffer& source, SymbolTable& symtab, DiagnosticEngine& engine, FormBuilder& builder);

    // Runs the stack machine until the stack is empty; returns only on
    // success, and unwinds with a Refusal on the first error.
    void parse();

    // The tokens the entry on top of the stack can take: the terminal itself,
    // or every token with an entry in the nonterminal's row, in code order.
    static std::vector<int> expectedTokens(const ParseStackEntry& entry);

    // The syntax alone, for an editor: runs the stack machine without the
    // actions until the input ends or a token does not fit (see SyntaxProbe).
    struct Probe;
    void probe(Probe& result);

private:
    void advance();
    std::string syntaxText(const ParseStackEntry& entry) const;
    [[noreturn]] void syntaxError(Diagnostic classic) const;
    void expand(const ParseStackEntry& entry);

    SymbolTable& symtab_;
    DiagnosticEngine& engine_;
    FormBuilder& builder_;
    Scanner scanner_;
    ScannedToken token_;
    int currentToken_ = 0;
    int attribute_ = 0;
    Matched matched_;
    std::vector<ParseStackEntry> parseStack_;
};

// What the syntax alone makes of a source (or of the text before a cursor).
struct Parser::Probe {
    bool complete = false;          // the whole form parsed
    bool endReached = false;        // the input ended inside the form: a prefix of one
    std::vector<int> accepted;      // then, the tokens the table takes next, in code order
    std::size_t stopOffset = NoOffset;   // otherwise, where the token that did not fit stands
};
using SyntaxProbe = Parser::Probe;
// Parses `source` with the grammar only: no action runs, so no check of the
// form's meaning or layout refuses it.
SyntaxProbe probeSyntax(const SourceBuffer& source);

// Edits (insertions, deletions, substitutions, swaps of neighbours) between two words.
int editDistance(const std::string& a, const std::string& b);

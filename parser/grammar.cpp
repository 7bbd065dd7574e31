// The grammar: its productions as data, and the LL(1) parse table computed
// from them while compiling (FIRST and FOLLOW sets, then one entry per
// production and look-ahead), with the entries beyond that construction
// listed as data.
#include <initializer_list>

#include "parser/parser.h"

#define N(x) GrammarSymbol{KindNonterminal, x}
#define T(x) GrammarSymbol{KindTerminal, x}
#define A(x) GrammarSymbol{KindAction, x}

// ORDER PRODUCTIONS: production n is the n-th line, counting from 1; each
// right side left to right.
#define KAVEL_PRODUCTIONS(P) \
    /*  1 */ P(NTForm, N(NTHeader), A(AcAnnotateForm), N(NTFormAttribs), N(NTOrgAttribs), N(NTSectDecls), A(AcSetFormDim), T(KwEnd)) \
    /*  2 */ P(NTHeader, T(KwForm), T(TokIdentifier), A(AcSetFormName), N(NTReturns)) \
    /*  3 */ P(NTFormAttribs, N(NTLocAttribs), N(NTCaptionAttrib)) \
    /*  4 */ P(NTLocAttribs, T(KwLocation), A(AcSetThisSon), T(TokEquals), N(NTVertAttrib), N(NTHorizAttrib), N(NTReturns), A(AcGoToFather)) \
    /*  5 */ P(NTVertAttrib, T(KwTop), A(AcSetSon)) \
    /*  6 */ P(NTVertAttrib, T(KwMiddle), A(AcSetSon)) \
    /*  7 */ P(NTVertAttrib, T(KwBottom), A(AcSetSon)) \
    /*  8 */ P(NTHorizAttrib, T(KwLeft), A(AcSetSon)) \
    /*  9 */ P(NTHorizAttrib, T(KwCenter), A(AcSetSon)) \
    /* 10 */ P(NTHorizAttrib, T(KwRight), A(AcSetSon)) \
    /* 11 */ P(NTCaptionAttrib, T(KwCaption), T(TokEquals), T(TokConstant), A(AcInstallCaption), N(NTReturns)) \
    /* 12 */ P(NTOrgAttribs, T(KwOrganization), T(TokEquals), N(NTSectionOrg), N(NTReturns)) \
    /* 13 */ P(NTSectionOrg, T(KwRows), A(AcInstallRows)) \
    /* 14 */ P(NTSectionOrg, T(KwColumns), A(AcInstallRows)) \
    /* 15 */ P(NTSectDecls, N(NTSectDecl), N(NTMoresectDecls)) \
    /* 16 */ P(NTMoresectDecls, N(NTSectDecl), N(NTMoresectDecls)) \
    /* 17 */ P(NTMoresectDecls) \
    /* 18 */ P(NTSectDecl, T(KwSection), A(AcInstallSection), N(NTReturns), N(NTObjDecls), A(AcGoToFather), T(KwEnd), N(NTReturns)) \
    /* 19 */ P(NTObjDecls, N(NTObjDecl), N(NTMoreObjDecls)) \
    /* 20 */ P(NTMoreObjDecls, N(NTObjDecl), N(NTMoreObjDecls)) \
    /* 21 */ P(NTMoreObjDecls) \
    /* 22 */ P(NTObjDecl, N(NTCmdButtonDecl)) \
    /* 23 */ P(NTObjDecl, N(NTTextBoxDecl)) \
    /* 24 */ P(NTObjDecl, N(NTComboBoxDecl)) \
    /* 25 */ P(NTObjDecl, N(NTFrameDecl)) \
    /* 26 */ P(NTObjDecl, N(NTCheckBoxDecl)) \
    /* 27 */ P(NTObjDecl, N(NTListBoxDecl)) \
    /* 28 */ P(NTObjDecl, N(NTTimerDecl)) \
    /* 29 */ P(NTObjDecl, N(NTDriveListBoxDecl)) \
    /* 30 */ P(NTObjDecl, N(NTFileListBoxDecl)) \
    /* 31 */ P(NTObjDecl, N(NTDirListBoxDecl)) \
    /* 32 */ P(NTObjDecl, N(NTScrollBarDecl)) \
    /* 33 */ P(NTCmdButtonDecl, T(KwCommandButton), A(AcSetThisSon), T(TokIdentifier), A(AcInstallCmdButton), N(NTReturns), N(NTCaptionAttrib), A(AcGoToFather), T(KwEnd), N(NTReturns)) \
    /* 34 */ P(NTTextBoxDecl, T(KwTextBox), A(AcSetThisSon), T(TokIdentifier), A(AcInstallTextBox), N(NTReturns), N(NTSizeAttribs), N(NTLabelAttrib), A(AcGoToFather), T(KwEnd), N(NTReturns)) \
    /* 35 */ P(NTSizeAttribs, N(NTHeightAttrib), N(NTWidthAttrib)) \
    /* 36 */ P(NTHeightAttrib, T(KwHeight), T(TokEquals), T(TokConstant), A(AcInstallHeight), N(NTReturns)) \
    /* 37 */ P(NTWidthAttrib, T(KwWidth), A(AcSetThisSon), T(TokEquals), N(NTWidthSize), N(NTReturns)) \
    /* 38 */ P(NTWidthSize, T(KwSmall), A(AcInstallWidth)) \
    /* 39 */ P(NTWidthSize, T(KwMedium), A(AcInstallWidth)) \
    /* 40 */ P(NTWidthSize, T(KwLarge), A(AcInstallWidth)) \
    /* 41 */ P(NTLabelAttrib, T(KwLabel), A(AcSetThisSon), T(TokEquals), T(TokConstant), A(AcInstallString), N(NTReturns)) \
    /* 42 */ P(NTComboBoxDecl, T(KwComboBox), A(AcSetThisSon), T(TokIdentifier), A(AcInstallComboBox), N(NTReturns), N(NTSortedAttrib), N(NTStyleAttrib), N(NTWidthAttrib), A(AcGoToFather), T(KwEnd), N(NTReturns)) \
    /* 43 */ P(NTFrameDecl, T(KwFrame), A(AcSetThisSon), T(TokIdentifier), A(AcInstallFrame), N(NTReturns), N(NTCaptionAttrib), N(NTOptDecls), A(AcFinishFrame), T(KwEnd), N(NTReturns)) \
    /* 44 */ P(NTOptDecls, N(NTOptDecl), N(NTMoreOptDecls)) \
    /* 45 */ P(NTMoreOptDecls, N(NTOptDecl), N(NTMoreOptDecls)) \
    /* 46 */ P(NTMoreOptDecls) \
    /* 47 */ P(NTOptDecl, T(KwOptionButton), A(AcSetThisSon), T(TokIdentifier), A(AcInstallOptButton), N(NTReturns), N(NTCaptionAttrib), N(NTVisibleAttrib), A(AcFinishOptButton), T(KwEnd), N(NTReturns)) \
    /* 48 */ P(NTVisibleAttrib, T(KwVisible), T(TokEquals), N(NTBoolean), A(AcInstallVisible), N(NTReturns)) \
    /* 49 */ P(NTBoolean, T(KwTrue)) \
    /* 50 */ P(NTBoolean, T(KwFalse)) \
    /* 51 */ P(NTCheckBoxDecl, T(KwCheckBox), A(AcSetThisSon), T(TokIdentifier), A(AcInstallCheckBox), N(NTReturns), N(NTCaptionAttrib), N(NTSizeAttribs), A(AcGoToFather), T(KwEnd), N(NTReturns)) \
    /* 52 */ P(NTReturns, T(TokNewline), N(NTMoreReturns)) \
    /* 53 */ P(NTMoreReturns, T(TokNewline), N(NTMoreReturns)) \
    /* 54 */ P(NTMoreReturns) \
    /* 55 */ P(NTSortedAttrib, T(KwSorted), A(AcSetThisSon), T(TokEquals), N(NTBoolean), A(AcInstallSorted), N(NTReturns)) \
    /* 56 */ P(NTStyleAttrib, T(KwStyle), A(AcSetThisSon), T(TokEquals), T(TokConstant), A(AcInstallStyle), N(NTReturns)) \
    /* 57 */ P(NTListBoxDecl, T(KwListBox), A(AcSetThisSon), T(TokIdentifier), A(AcInstallListBox), N(NTReturns), N(NTSortedAttrib), N(NTStyleAttrib), N(NTSizeAttribs), N(NTColumnsAttrib), A(AcGoToFather), T(KwEnd), N(NTReturns)) \
    /* 58 */ P(NTColumnsAttrib, T(KwColumns), A(AcSetThisSon), T(TokEquals), T(TokConstant), A(AcInstallLstColumns), N(NTReturns)) \
    /* 59 */ P(NTTimerDecl, T(KwTimer), A(AcSetThisSon), T(TokIdentifier), A(AcInstallTimer), N(NTReturns), N(NTIntervalAttrib), A(AcGoToFather), T(KwEnd), N(NTReturns)) \
    /* 60 */ P(NTIntervalAttrib, T(KwInterval), A(AcSetThisSon), T(TokEquals), T(TokConstant), A(AcInstallInterval), N(NTReturns)) \
    /* 61 */ P(NTDriveListBoxDecl, T(KwDriveListBox), A(AcSetThisSon), T(TokIdentifier), A(AcInstallDriveListBox), N(NTReturns), A(AcGoToFather), T(KwEnd), N(NTReturns)) \
    /* 62 */ P(NTFileListBoxDecl, T(KwFileListBox), A(AcSetThisSon), T(TokIdentifier), A(AcInstallFileListBox), N(NTReturns), N(NTSizeAttribs), A(AcGoToFather), T(KwEnd), N(NTReturns)) \
    /* 63 */ P(NTDirListBoxDecl, T(KwDirListBox), A(AcSetThisSon), T(TokIdentifier), A(AcInstallDirListBox), N(NTReturns), N(NTSizeAttribs), A(AcGoToFather), T(KwEnd), N(NTReturns)) \
    /* 64 */ P(NTScrollBarDecl, T(KwScrollBar), A(AcSetThisSon), T(TokIdentifier), A(AcInstallScrollBar), N(NTReturns), N(NTOrientAttrib), N(NTLengthAttrib), N(NTScrollBarAttribs), A(AcGoToFather), T(KwEnd), N(NTReturns)) \
    /* 65 */ P(NTOrientAttrib, T(KwOrientation), A(AcSetThisSon), T(TokEquals), N(NTOrientType), A(AcInstallOrient), N(NTReturns)) \
    /* 66 */ P(NTOrientType, T(KwHorizontal)) \
    /* 67 */ P(NTOrientType, T(KwVertical)) \
    /* 68 */ P(NTLengthAttrib, T(KwLength), A(AcSetThisSon), T(TokEquals), N(NTLengthSize), N(NTReturns)) \
    /* 69 */ P(NTLengthSize, T(KwSmall), A(AcInstallLength)) \
    /* 70 */ P(NTLengthSize, T(KwMedium), A(AcInstallLength)) \
    /* 71 */ P(NTLengthSize, T(KwLarge), A(AcInstallLength)) \
    /* 72 */ P(NTScrollBarAttribs, N(NTMinAttrib), N(NTMaxAttrib), N(NTValueAttrib), N(NTChangeAttribs)) \
    /* 73 */ P(NTMinAttrib, T(KwMin), A(AcSetThisSon), T(TokEquals), T(TokConstant), A(AcInstallMin), N(NTReturns)) \
    /* 74 */ P(NTMaxAttrib, T(KwMax), A(AcSetThisSon), T(TokEquals), T(TokConstant), A(AcInstallMax), N(NTReturns)) \
    /* 75 */ P(NTValueAttrib, T(KwValue), A(AcSetThisSon), T(TokEquals), T(TokConstant), A(AcInstallValue), N(NTReturns)) \
    /* 76 */ P(NTChangeAttribs, N(NTSmallChangeAttrib), N(NTLargeChangeAttrib)) \
    /* 77 */ P(NTSmallChangeAttrib, T(KwSmallChange), A(AcSetThisSon), T(TokEquals), T(TokConstant), A(AcInstallSmlChange), N(NTReturns)) \
    /* 78 */ P(NTLargeChangeAttrib, T(KwLargeChange), A(AcSetThisSon), T(TokEquals), T(TokConstant), A(AcInstallLrgChange), N(NTReturns)) \

#define KAVEL_RHS(lhs, ...) __VA_OPT__(__VA_ARGS__, )
#define KAVEL_LHS(lhs, ...) lhs,
#define KAVEL_LENGTH(lhs, ...) static_cast<int>(std::initializer_list<GrammarSymbol>{__VA_ARGS__}.size()),

constexpr GrammarSymbol prodrhs[RhsCount] = {KAVEL_PRODUCTIONS(KAVEL_RHS)};
constexpr int prodlhs[ProductionCount + 1] = {-1, KAVEL_PRODUCTIONS(KAVEL_LHS)};

namespace {

constexpr int lengths[] = {0, KAVEL_PRODUCTIONS(KAVEL_LENGTH)};
static_assert(std::size(lengths) == ProductionCount + 1);

constexpr std::array<ProdIndexEntry, ProductionCount + 1> makeIndex()
{
    std::array<ProdIndexEntry, ProductionCount + 1> index{};
    int start = 0;
    for (int p = 1; p <= ProductionCount; ++p) {
        index[static_cast<std::size_t>(p)] = {start, lengths[p]};
        start += lengths[p];
    }
    return index;
}
constexpr auto indexArray = makeIndex();
static_assert(indexArray[ProductionCount].start + indexArray[ProductionCount].length == RhsCount);

#undef KAVEL_RHS
#undef KAVEL_LHS
#undef KAVEL_LENGTH

// The entries beyond the textbook construction: the row of NTMoreReturns
// also takes its empty production before 'beginlabel', 'bottom', 'middle',
// 'rows', a name and the end of the input, none of which can follow a line
// end in a well-formed form. They decide only which message a broken form
// gets.
struct ExtraEntry {
    int nonterminal;
    int token;
    int production;
};
constexpr ExtraEntry extraEntries[] = {
    {NTMoreReturns, KwBeginLabel, 54}, {NTMoreReturns, KwBottom, 54},      {NTMoreReturns, KwMiddle, 54},
    {NTMoreReturns, KwRows, 54},       {NTMoreReturns, TokIdentifier, 54}, {NTMoreReturns, TokEndOfInput, 54},
};

using TokenSet = unsigned long long;   // one bit per token code
static_assert(ColumnCount <= 64);

constexpr TokenSet bit(int token) { return TokenSet{1} << token; }

struct Analysis {
    TokenSet first[NonterminalCount] = {};
    bool nullable[NonterminalCount] = {};
    TokenSet follow[NonterminalCount] = {};
};

constexpr int startOf(int production) { return indexArray[static_cast<std::size_t>(production)].start; }
constexpr int lengthOf(int production) { return indexArray[static_cast<std::size_t>(production)].length; }

// FIRST of the symbols from `from` to the end of a production's right side;
// `nullable` says whether they can all derive nothing.
constexpr TokenSet firstOf(const Analysis& a, int production, int from, bool& nullable)
{
    TokenSet set = 0;
    const int start = startOf(production);
    for (int i = start + from; i < start + lengthOf(production); ++i) {
        const GrammarSymbol s = prodrhs[i];
        if (s.kind == KindAction)
            continue;
        if (s.kind == KindTerminal) {
            nullable = false;
            return set | bit(s.symbol);
        }
        set |= a.first[s.symbol];
        if (!a.nullable[s.symbol]) {
            nullable = false;
            return set;
        }
    }
    nullable = true;
    return set;
}

constexpr Analysis analyse()
{
    Analysis a;
    for (bool changed = true; changed;) {
        changed = false;
        for (int p = 1; p <= ProductionCount; ++p) {
            bool nullable = false;
            const TokenSet set = firstOf(a, p, 0, nullable);
            const int lhs = prodlhs[p];
            if ((a.first[lhs] | set) != a.first[lhs] || (nullable && !a.nullable[lhs])) {
                a.first[lhs] |= set;
                a.nullable[lhs] = a.nullable[lhs] || nullable;
                changed = true;
            }
        }
    }
    a.follow[NTForm] = bit(TokEndOfInput);
    for (bool changed = true; changed;) {
        changed = false;
        for (int p = 1; p <= ProductionCount; ++p) {
            const int start = startOf(p);
            for (int i = 0; i < lengthOf(p); ++i) {
                const GrammarSymbol s = prodrhs[start + i];
                if (s.kind != KindNonterminal)
                    continue;
                bool restNullable = false;
                TokenSet set = firstOf(a, p, i + 1, restNullable);
                if (restNullable)
                    set |= a.follow[prodlhs[p]];
                if ((a.follow[s.symbol] | set) != a.follow[s.symbol]) {
                    a.follow[s.symbol] |= set;
                    changed = true;
                }
            }
        }
    }
    return a;
}

struct Construction {
    ParseTable table{};
    bool conflict = false;
};

constexpr Construction construct()
{
    const Analysis a = analyse();
    Construction c;
    auto enter = [&c](int lhs, int token, int production) {
        int& cell = c.table[static_cast<std::size_t>(lhs)][static_cast<std::size_t>(token)];
        if (cell != 0 && cell != production)
            c.conflict = true;
        cell = production;
    };
    for (int p = 1; p <= ProductionCount; ++p) {
        bool nullable = false;
        TokenSet set = firstOf(a, p, 0, nullable);
        if (nullable)
            set |= a.follow[prodlhs[p]];
        for (int token = 0; token < ColumnCount; ++token)
            if ((set & bit(token)) != 0)
                enter(prodlhs[p], token, p);
    }
    for (const ExtraEntry& e : extraEntries)
        enter(e.nonterminal, e.token, e.production);
    return c;
}

constexpr Construction construction = construct();
static_assert(!construction.conflict, "the grammar is not LL(1)");

constexpr int entryCount()
{
    int n = 0;
    for (const auto& row : construction.table)
        for (int cell : row)
            n += cell != 0;
    return n;
}
static_assert(entryCount() == 135);

}  // namespace

const ParseTable prodtable = construction.table;

const std::array<ProdIndexEntry, ProductionCount + 1> prodindex = indexArray;

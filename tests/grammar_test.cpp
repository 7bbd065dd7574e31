// The grammar tables against one another: the parse table must be the LL(1)
// table of the productions (but for the six entries the language adds), every
// production must be reachable from the start symbol, and the right sides must
// name only tokens, nonterminals and actions that exist.
#include <gtest/gtest.h>

#include <bitset>
#include <set>
#include <utility>

#include "parser/parser.h"

namespace {

using TokenSet = std::bitset<ColumnCount>;

const GrammarSymbol* rhsBegin(int production) { return prodrhs + prodindex[production].start; }
const GrammarSymbol* rhsEnd(int production)
{
    return prodrhs + prodindex[production].start + prodindex[production].length;
}

// FIRST and FOLLOW of the productions, with the left side of each production
// read off the parse table (the row it is selected in).
struct Analysis {
    int lhs[ProductionCount + 1];
    bool nullable[NonterminalCount] = {};
    TokenSet first[NonterminalCount];
    TokenSet follow[NonterminalCount];

    Analysis()
    {
        for (int& l : lhs) l = -1;
        for (int row = 0; row < NonterminalCount; ++row)
            for (int p : prodtable[row])
                if (p != 0) lhs[p] = row;
        for (bool changed = true; changed;) {
            changed = false;
            for (int p = 1; p <= ProductionCount; ++p) {
                if (lhs[p] < 0) continue;
                bool empty;
                TokenSet f = firstOf(rhsBegin(p), rhsEnd(p), empty);
                TokenSet& into = first[lhs[p]];
                if ((f | into) != into) { into |= f; changed = true; }
                if (empty && !nullable[lhs[p]]) { nullable[lhs[p]] = true; changed = true; }
            }
        }
        follow[NTForm].set(TokEndOfInput);
        for (bool changed = true; changed;) {
            changed = false;
            for (int p = 1; p <= ProductionCount; ++p) {
                if (lhs[p] < 0) continue;
                for (const GrammarSymbol* s = rhsBegin(p); s != rhsEnd(p); ++s) {
                    if (s->kind != KindNonterminal) continue;
                    bool empty;
                    TokenSet f = firstOf(s + 1, rhsEnd(p), empty);
                    if (empty) f |= follow[lhs[p]];
                    TokenSet& into = follow[s->symbol];
                    if ((f | into) != into) { into |= f; changed = true; }
                }
            }
        }
    }

    // The tokens a sequence can start with; `empty` tells whether it can
    // derive nothing at all. Actions derive nothing.
    TokenSet firstOf(const GrammarSymbol* begin, const GrammarSymbol* end, bool& empty) const
    {
        TokenSet f;
        for (const GrammarSymbol* s = begin; s != end; ++s) {
            if (s->kind == KindAction) continue;
            if (s->kind == KindTerminal) {
                f.set(s->symbol);
                empty = false;
                return f;
            }
            f |= first[s->symbol];
            if (!nullable[s->symbol]) {
                empty = false;
                return f;
            }
        }
        empty = true;
        return f;
    }
};

const Analysis& analysis()
{
    static const Analysis a;
    return a;
}

// The entries beyond the textbook construction: after a line end, the empty
// production of NTMoreReturns on six tokens that never follow one in a valid
// text, so that the error is reported at the next symbol instead.
const std::set<std::pair<int, int>> extraEntries = {
    {NTMoreReturns, KwBeginLabel}, {NTMoreReturns, KwBottom}, {NTMoreReturns, KwMiddle},
    {NTMoreReturns, KwRows}, {NTMoreReturns, TokIdentifier}, {NTMoreReturns, TokEndOfInput}};

// The parse table of the language as published: row = nonterminal, column =
// token code, value = production (0: the nonterminal cannot begin with that
// token). 135 entries are nonzero.
const int publishedTable[NonterminalCount][ColumnCount] = {
    /*  0 NTForm               */ {0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,1,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0},
    /*  1 NTHeader             */ {0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,2,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0},
    /*  2 NTFormAttribs        */ {0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,3,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0},
    /*  3 NTOrgAttribs         */ {0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,12,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0},
    /*  4 NTSectDecls          */ {0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,15,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0},
    /*  5 NTReturns            */ {0,0,0,0,0,0,0,0,0,0,0,0,52,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0},
    /*  6 NTLocAttribs         */ {0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,4,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0},
    /*  7 NTCaptionAttrib      */ {0,0,11,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0},
    /*  8 NTVertAttrib         */ {0,7,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,6,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,5,0,0,0,0,0,0,0,0,0,0,0,0,0},
    /*  9 NTHorizAttrib        */ {0,0,0,9,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,8,0,0,0,0,0,0,0,0,0,0,0,10,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0},
    /* 10 NTSectionOrg         */ {0,0,0,0,0,0,14,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,13,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0},
    /* 11 NTSectDecl           */ {0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,18,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0},
    /* 12 NTMoresectDecls      */ {0,0,0,0,0,0,0,0,0,0,0,17,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,16,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0},
    /* 13 NTObjDecls           */ {0,0,0,0,19,19,0,19,19,19,0,0,0,0,0,19,0,19,0,0,0,0,0,0,0,0,19,0,0,0,0,0,0,0,0,0,0,0,19,0,0,0,0,0,19,19,0,0,0,0,0,0,0,0,0,0,0,0,0,0},
    /* 14 NTObjDecl            */ {0,0,0,0,26,22,0,24,31,29,0,0,0,0,0,30,0,25,0,0,0,0,0,0,0,0,27,0,0,0,0,0,0,0,0,0,0,0,32,0,0,0,0,0,23,28,0,0,0,0,0,0,0,0,0,0,0,0,0,0},
    /* 15 NTMoreObjDecls       */ {0,0,0,0,20,20,0,20,20,20,0,21,0,0,0,20,0,20,0,0,0,0,0,0,0,0,20,0,0,0,0,0,0,0,0,0,0,0,20,0,0,0,0,0,20,20,0,0,0,0,0,0,0,0,0,0,0,0,0,0},
    /* 16 NTCmdButtonDecl      */ {0,0,0,0,0,33,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0},
    /* 17 NTTextBoxDecl        */ {0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,34,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0},
    /* 18 NTComboBoxDecl       */ {0,0,0,0,0,0,0,42,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0},
    /* 19 NTListBoxDecl        */ {0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,57,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0},
    /* 20 NTColumnsAttrib      */ {0,0,0,0,0,0,58,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0},
    /* 21 NTFrameDecl          */ {0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,43,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0},
    /* 22 NTCheckBoxDecl       */ {0,0,0,0,51,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0},
    /* 23 NTTimerDecl          */ {0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,59,0,0,0,0,0,0,0,0,0,0,0,0,0,0},
    /* 24 NTDirListBoxDecl     */ {0,0,0,0,0,0,0,0,63,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0},
    /* 25 NTDriveListBoxDecl   */ {0,0,0,0,0,0,0,0,0,61,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0},
    /* 26 NTFileListBoxDecl    */ {0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,62,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0},
    /* 27 NTScrollBarDecl      */ {0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,64,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0},
    /* 28 NTOrientAttrib       */ {0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,65,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0},
    /* 29 NTOrientType         */ {0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,66,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,67,0,0,0,0,0,0,0,0,0,0},
    /* 30 NTLengthAttrib       */ {0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,68,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0},
    /* 31 NTLengthSize         */ {0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,71,0,0,0,0,0,0,70,0,0,0,0,0,0,0,0,0,0,69,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0},
    /* 32 NTScrollBarAttribs   */ {0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,72,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0},
    /* 33 NTMinAttrib          */ {0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,73,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0},
    /* 34 NTMaxAttrib          */ {0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,74,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0},
    /* 35 NTValueAttrib        */ {0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,75,0,0,0,0,0,0,0,0,0,0,0},
    /* 36 NTChangeAttribs      */ {0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,76,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0},
    /* 37 NTSmallChangeAttrib  */ {0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,77,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0},
    /* 38 NTLargeChangeAttrib  */ {0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,78,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0},
    /* 39 NTSizeAttribs        */ {0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,35,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0},
    /* 40 NTLabelAttrib        */ {0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,41,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0},
    /* 41 NTHeightAttrib       */ {0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,36,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0},
    /* 42 NTWidthAttrib        */ {0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,37,0,0,0,0,0,0,0,0},
    /* 43 NTWidthSize          */ {0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,40,0,0,0,0,0,0,39,0,0,0,0,0,0,0,0,0,0,38,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0},
    /* 44 NTSortedAttrib       */ {0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,55,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0},
    /* 45 NTStyleAttrib        */ {0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,56,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0},
    /* 46 NTIntervalAttrib     */ {0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,60,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0},
    /* 47 NTOptDecls           */ {0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,44,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0},
    /* 48 NTOptDecl            */ {0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,47,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0},
    /* 49 NTMoreOptDecls       */ {0,0,0,0,0,0,0,0,0,0,0,46,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,45,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0},
    /* 50 NTVisibleAttrib      */ {0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,48,0,0,0,0,0,0,0,0,0},
    /* 51 NTBoolean            */ {0,0,0,0,0,0,0,0,0,0,0,0,0,0,50,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,49,0,0,0,0,0,0,0,0,0,0,0,0},
    /* 52 NTMoreReturns        */ {54,54,54,0,54,54,54,54,54,54,0,54,53,0,0,54,0,54,54,0,54,54,0,54,0,54,54,54,54,0,54,0,54,54,54,54,0,54,54,54,0,54,54,54,54,54,0,0,54,0,54,54,54,0,54,0,0,0,0,0},
};

}  // namespace

TEST(Grammar, TheComputedTableIsThePublishedOne)
{
    int nonzero = 0;
    for (int row = 0; row < NonterminalCount; ++row)
        for (int token = 0; token < ColumnCount; ++token) {
            EXPECT_EQ(prodtable[row][token], publishedTable[row][token]) << ntnames[row] << " on " << token;
            nonzero += publishedTable[row][token] != 0;
        }
    EXPECT_EQ(nonzero, 135);
}

TEST(Grammar, TheLeftSidesAreTheRowsThatSelectTheProductions)
{
    EXPECT_EQ(prodlhs[0], -1);
    const Analysis& a = analysis();
    for (int p = 1; p <= ProductionCount; ++p)
        EXPECT_EQ(prodlhs[p], a.lhs[p]) << "production " << p;
}

TEST(Grammar, RightSidesNameExistingSymbolsAndLieEndToEnd)
{
    int next = 0;
    for (int p = 1; p <= ProductionCount; ++p) {
        EXPECT_EQ(prodindex[p].start, next) << "production " << p;
        next += prodindex[p].length;
    }
    EXPECT_EQ(next, RhsCount);
    bool actionUsed[ActionCount] = {};
    for (const GrammarSymbol& s : prodrhs) {
        switch (s.kind) {
        case KindNonterminal:
            EXPECT_TRUE(s.symbol >= 0 && s.symbol < NonterminalCount) << s.symbol;
            break;
        case KindTerminal:
            // Only tokens the scanner makes of a text; never the end of
            // input, the error token or the spare codes.
            EXPECT_TRUE(s.symbol >= 0 && s.symbol <= TokConstant) << s.symbol;
            break;
        case KindAction:
            ASSERT_TRUE(s.symbol >= 0 && s.symbol < ActionCount) << s.symbol;
            actionUsed[s.symbol] = true;
            break;
        default:
            ADD_FAILURE() << "symbol kind " << s.kind;
        }
    }
    for (int a = 0; a < ActionCount; ++a)
        EXPECT_TRUE(actionUsed[a]) << actionnames[a] << " is never performed";
}

TEST(Grammar, EveryProductionBelongsToOneNonterminalAndIsReachable)
{
    int rowOf[ProductionCount + 1];
    for (int& r : rowOf) r = -1;
    for (int row = 0; row < NonterminalCount; ++row)
        for (int p : prodtable[row]) {
            if (p == 0) continue;
            ASSERT_TRUE(p > 0 && p <= ProductionCount) << ntnames[row] << ": " << p;
            EXPECT_TRUE(rowOf[p] == -1 || rowOf[p] == row)
                << "production " << p << " in " << ntnames[rowOf[p]] << " and " << ntnames[row];
            rowOf[p] = row;
        }
    bool reached[NonterminalCount] = {};
    reached[NTForm] = true;
    for (bool changed = true; changed;) {
        changed = false;
        for (int p = 1; p <= ProductionCount; ++p) {
            if (rowOf[p] < 0 || !reached[rowOf[p]]) continue;
            for (const GrammarSymbol* s = rhsBegin(p); s != rhsEnd(p); ++s)
                if (s->kind == KindNonterminal && !reached[s->symbol])
                    reached[s->symbol] = changed = true;
        }
    }
    for (int p = 1; p <= ProductionCount; ++p)
        EXPECT_TRUE(rowOf[p] >= 0 && reached[rowOf[p]]) << "production " << p << " is unreachable";
    for (int n = 0; n < NonterminalCount; ++n)
        EXPECT_TRUE(reached[n]) << ntnames[n] << " is unreachable";
}

TEST(Grammar, EachEntrysProductionCanStartWithItsColumnsToken)
{
    const Analysis& a = analysis();
    int extras = 0;
    for (int row = 0; row < NonterminalCount; ++row)
        for (int token = 0; token < ColumnCount; ++token) {
            int p = prodtable[row][token];
            if (p == 0) continue;
            bool empty;
            TokenSet f = a.firstOf(rhsBegin(p), rhsEnd(p), empty);
            if (f.test(token)) continue;
            // An empty right side is chosen on what may follow its nonterminal.
            EXPECT_TRUE(empty) << ntnames[row] << " on " << token << ": production " << p
                               << " cannot start with it";
            if (!empty) continue;
            if (extraEntries.count({row, token}) != 0) {
                ++extras;
                continue;
            }
            EXPECT_TRUE(a.follow[row].test(token))
                << ntnames[row] << " on " << token << ": production " << p
                << " derives nothing, but the token cannot follow";
        }
    EXPECT_EQ(extras, static_cast<int>(extraEntries.size()));
}

TEST(Grammar, EveryTokenAProductionCanStartWithSelectsIt)
{
    // The other direction: the table is the whole LL(1) table, free of
    // conflicts, so no valid text meets an empty entry.
    const Analysis& a = analysis();
    for (int p = 1; p <= ProductionCount; ++p) {
        int row = a.lhs[p];
        ASSERT_GE(row, 0) << "production " << p;
        bool empty;
        TokenSet select = a.firstOf(rhsBegin(p), rhsEnd(p), empty);
        if (empty) select |= a.follow[row];
        for (int token = 0; token < ColumnCount; ++token)
            if (select.test(token)) {
                EXPECT_EQ(prodtable[row][token], p) << ntnames[row] << " on " << token;
            }
    }
}

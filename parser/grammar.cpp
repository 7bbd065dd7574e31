#include "parser/parser.h"

// The parse table: row = nonterminal, column = token code, value = production
// (0: the nonterminal cannot begin with that token). 135 entries are nonzero.
const int prodtable[NonterminalCount][ColumnCount] = {
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

// (start, length) in prodrhs of each production; entry 0 stands for none.
const ProdIndexEntry prodindex[ProductionCount + 1] = {
    {0, 0}, {0, 7}, {7, 4}, {11, 2}, {13, 7}, {20, 2},  // 0-5
    {22, 2}, {24, 2}, {26, 2}, {28, 2}, {30, 2}, {32, 5},  // 6-11
    {37, 4}, {41, 2}, {43, 2}, {45, 2}, {47, 2}, {49, 0},  // 12-17
    {49, 7}, {56, 2}, {58, 2}, {60, 0}, {60, 1}, {61, 1},  // 18-23
    {62, 1}, {63, 1}, {64, 1}, {65, 1}, {66, 1}, {67, 1},  // 24-29
    {68, 1}, {69, 1}, {70, 1}, {71, 9}, {80, 10}, {90, 2},  // 30-35
    {92, 5}, {97, 5}, {102, 2}, {104, 2}, {106, 2}, {108, 6},  // 36-41
    {114, 11}, {125, 10}, {135, 2}, {137, 2}, {139, 0}, {139, 10},  // 42-47
    {149, 5}, {154, 1}, {155, 1}, {156, 10}, {166, 2}, {168, 2},  // 48-53
    {170, 0}, {170, 6}, {176, 6}, {182, 12}, {194, 6}, {200, 9},  // 54-59
    {209, 6}, {215, 8}, {223, 9}, {232, 9}, {241, 11}, {252, 6},  // 60-65
    {258, 1}, {259, 1}, {260, 5}, {265, 2}, {267, 2}, {269, 2},  // 66-71
    {271, 4}, {275, 6}, {281, 6}, {287, 6}, {293, 2}, {295, 6},  // 72-77
    {301, 6},  // 78-78
};

#define N(x) {KindNonterminal, x}
#define T(x) {KindTerminal, x}
#define A(x) {KindAction, x}

// The right sides of productions 1 to 78, end to end, each left to right.
const GrammarSymbol prodrhs[RhsCount] = {
    /*  1 */ N(NTHeader), A(AcAnnotateForm), N(NTFormAttribs), N(NTOrgAttribs), N(NTSectDecls), A(AcSetFormDim), T(KwEnd),
    /*  2 */ T(KwForm), T(TokIdentifier), A(AcSetFormName), N(NTReturns),
    /*  3 */ N(NTLocAttribs), N(NTCaptionAttrib),
    /*  4 */ T(KwLocation), A(AcSetThisSon), T(TokEquals), N(NTVertAttrib), N(NTHorizAttrib), N(NTReturns), A(AcGoToFather),
    /*  5 */ T(KwTop), A(AcSetSon),
    /*  6 */ T(KwMiddle), A(AcSetSon),
    /*  7 */ T(KwBottom), A(AcSetSon),
    /*  8 */ T(KwLeft), A(AcSetSon),
    /*  9 */ T(KwCenter), A(AcSetSon),
    /* 10 */ T(KwRight), A(AcSetSon),
    /* 11 */ T(KwCaption), T(TokEquals), T(TokConstant), A(AcInstallCaption), N(NTReturns),
    /* 12 */ T(KwOrganization), T(TokEquals), N(NTSectionOrg), N(NTReturns),
    /* 13 */ T(KwRows), A(AcInstallRows),
    /* 14 */ T(KwColumns), A(AcInstallRows),
    /* 15 */ N(NTSectDecl), N(NTMoresectDecls),
    /* 16 */ N(NTSectDecl), N(NTMoresectDecls),
    /* 17    (empty) */
    /* 18 */ T(KwSection), A(AcInstallSection), N(NTReturns), N(NTObjDecls), A(AcGoToFather), T(KwEnd), N(NTReturns),
    /* 19 */ N(NTObjDecl), N(NTMoreObjDecls),
    /* 20 */ N(NTObjDecl), N(NTMoreObjDecls),
    /* 21    (empty) */
    /* 22 */ N(NTCmdButtonDecl),
    /* 23 */ N(NTTextBoxDecl),
    /* 24 */ N(NTComboBoxDecl),
    /* 25 */ N(NTFrameDecl),
    /* 26 */ N(NTCheckBoxDecl),
    /* 27 */ N(NTListBoxDecl),
    /* 28 */ N(NTTimerDecl),
    /* 29 */ N(NTDriveListBoxDecl),
    /* 30 */ N(NTFileListBoxDecl),
    /* 31 */ N(NTDirListBoxDecl),
    /* 32 */ N(NTScrollBarDecl),
    /* 33 */ T(KwCommandButton), A(AcSetThisSon), T(TokIdentifier), A(AcInstallCmdButton), N(NTReturns), N(NTCaptionAttrib), A(AcGoToFather), T(KwEnd), N(NTReturns),
    /* 34 */ T(KwTextBox), A(AcSetThisSon), T(TokIdentifier), A(AcInstallTextBox), N(NTReturns), N(NTSizeAttribs), N(NTLabelAttrib), A(AcGoToFather), T(KwEnd), N(NTReturns),
    /* 35 */ N(NTHeightAttrib), N(NTWidthAttrib),
    /* 36 */ T(KwHeight), T(TokEquals), T(TokConstant), A(AcInstallHeight), N(NTReturns),
    /* 37 */ T(KwWidth), A(AcSetThisSon), T(TokEquals), N(NTWidthSize), N(NTReturns),
    /* 38 */ T(KwSmall), A(AcInstallWidth),
    /* 39 */ T(KwMedium), A(AcInstallWidth),
    /* 40 */ T(KwLarge), A(AcInstallWidth),
    /* 41 */ T(KwLabel), A(AcSetThisSon), T(TokEquals), T(TokConstant), A(AcInstallString), N(NTReturns),
    /* 42 */ T(KwComboBox), A(AcSetThisSon), T(TokIdentifier), A(AcInstallComboBox), N(NTReturns), N(NTSortedAttrib), N(NTStyleAttrib), N(NTWidthAttrib), A(AcGoToFather), T(KwEnd), N(NTReturns),
    /* 43 */ T(KwFrame), A(AcSetThisSon), T(TokIdentifier), A(AcInstallFrame), N(NTReturns), N(NTCaptionAttrib), N(NTOptDecls), A(AcFinishFrame), T(KwEnd), N(NTReturns),
    /* 44 */ N(NTOptDecl), N(NTMoreOptDecls),
    /* 45 */ N(NTOptDecl), N(NTMoreOptDecls),
    /* 46    (empty) */
    /* 47 */ T(KwOptionButton), A(AcSetThisSon), T(TokIdentifier), A(AcInstallOptButton), N(NTReturns), N(NTCaptionAttrib), N(NTVisibleAttrib), A(AcFinishOptButton), T(KwEnd), N(NTReturns),
    /* 48 */ T(KwVisible), T(TokEquals), N(NTBoolean), A(AcInstallVisible), N(NTReturns),
    /* 49 */ T(KwTrue),
    /* 50 */ T(KwFalse),
    /* 51 */ T(KwCheckBox), A(AcSetThisSon), T(TokIdentifier), A(AcInstallCheckBox), N(NTReturns), N(NTCaptionAttrib), N(NTSizeAttribs), A(AcGoToFather), T(KwEnd), N(NTReturns),
    /* 52 */ T(TokNewline), N(NTMoreReturns),
    /* 53 */ T(TokNewline), N(NTMoreReturns),
    /* 54    (empty) */
    /* 55 */ T(KwSorted), A(AcSetThisSon), T(TokEquals), N(NTBoolean), A(AcInstallSorted), N(NTReturns),
    /* 56 */ T(KwStyle), A(AcSetThisSon), T(TokEquals), T(TokConstant), A(AcInstallStyle), N(NTReturns),
    /* 57 */ T(KwListBox), A(AcSetThisSon), T(TokIdentifier), A(AcInstallListBox), N(NTReturns), N(NTSortedAttrib), N(NTStyleAttrib), N(NTSizeAttribs), N(NTColumnsAttrib), A(AcGoToFather), T(KwEnd), N(NTReturns),
    /* 58 */ T(KwColumns), A(AcSetThisSon), T(TokEquals), T(TokConstant), A(AcInstallLstColumns), N(NTReturns),
    /* 59 */ T(KwTimer), A(AcSetThisSon), T(TokIdentifier), A(AcInstallTimer), N(NTReturns), N(NTIntervalAttrib), A(AcGoToFather), T(KwEnd), N(NTReturns),
    /* 60 */ T(KwInterval), A(AcSetThisSon), T(TokEquals), T(TokConstant), A(AcInstallInterval), N(NTReturns),
    /* 61 */ T(KwDriveListBox), A(AcSetThisSon), T(TokIdentifier), A(AcInstallDriveListBox), N(NTReturns), A(AcGoToFather), T(KwEnd), N(NTReturns),
    /* 62 */ T(KwFileListBox), A(AcSetThisSon), T(TokIdentifier), A(AcInstallFileListBox), N(NTReturns), N(NTSizeAttribs), A(AcGoToFather), T(KwEnd), N(NTReturns),
    /* 63 */ T(KwDirListBox), A(AcSetThisSon), T(TokIdentifier), A(AcInstallDirListBox), N(NTReturns), N(NTSizeAttribs), A(AcGoToFather), T(KwEnd), N(NTReturns),
    /* 64 */ T(KwScrollBar), A(AcSetThisSon), T(TokIdentifier), A(AcInstallScrollBar), N(NTReturns), N(NTOrientAttrib), N(NTLengthAttrib), N(NTScrollBarAttribs), A(AcGoToFather), T(KwEnd), N(NTReturns),
    /* 65 */ T(KwOrientation), A(AcSetThisSon), T(TokEquals), N(NTOrientType), A(AcInstallOrient), N(NTReturns),
    /* 66 */ T(KwHorizontal),
    /* 67 */ T(KwVertical),
    /* 68 */ T(KwLength), A(AcSetThisSon), T(TokEquals), N(NTLengthSize), N(NTReturns),
    /* 69 */ T(KwSmall), A(AcInstallLength),
    /* 70 */ T(KwMedium), A(AcInstallLength),
    /* 71 */ T(KwLarge), A(AcInstallLength),
    /* 72 */ N(NTMinAttrib), N(NTMaxAttrib), N(NTValueAttrib), N(NTChangeAttribs),
    /* 73 */ T(KwMin), A(AcSetThisSon), T(TokEquals), T(TokConstant), A(AcInstallMin), N(NTReturns),
    /* 74 */ T(KwMax), A(AcSetThisSon), T(TokEquals), T(TokConstant), A(AcInstallMax), N(NTReturns),
    /* 75 */ T(KwValue), A(AcSetThisSon), T(TokEquals), T(TokConstant), A(AcInstallValue), N(NTReturns),
    /* 76 */ N(NTSmallChangeAttrib), N(NTLargeChangeAttrib),
    /* 77 */ T(KwSmallChange), A(AcSetThisSon), T(TokEquals), T(TokConstant), A(AcInstallSmlChange), N(NTReturns),
    /* 78 */ T(KwLargeChange), A(AcSetThisSon), T(TokEquals), T(TokConstant), A(AcInstallLrgChange), N(NTReturns),
};

#undef N
#undef T
#undef A

const char* const ntnames[NonterminalCount] = {
    "NTForm",  // 0
    "NTHeader",
    "NTFormAttribs",
    "NTOrgAttribs",
    "NTSectDecls",
    "NTReturns",  // 5
    "NTLocAttribs",
    "NTCaptionAttrib",
    "NTVertAttrib",
    "NTHorizAttrib",
    "NTSectionOrg",  // 10
    "NTSectDecl",
    "NTMoresectDecls",
    "NTObjDecls",
    "NTObjDecl",
    "NTMoreObjDecls",  // 15
    "NTCmdButtonDecl",
    "NTTextBoxDecl",
    "NTComboBoxDecl",
    "NTListBoxDecl",
    "NTColumnsAttrib",  // 20
    "NTFrameDecl",
    "NTCheckBoxDecl",
    "NTTimerDecl",
    "NTDirListBoxDecl",
    "NTDriveListBoxDecl",  // 25
    "NTFileListBoxDecl",
    "NTScrollBarDecl",
    "NTOrientAttrib",
    "NTOrientType",
    "NTLengthAttrib",  // 30
    "NTLengthSize",
    "NTScrollBarAttribs",
    "NTMinAttrib",
    "NTMaxAttrib",
    "NTValueAttrib",  // 35
    "NTChangeAttribs",
    "NTSmallChangeAttrib",
    "NTLargeChangeAttrib",
    "NTSizeAttribs",
    "NTLabelAttrib",  // 40
    "NTHeightAttrib",
    "NTWidthAttrib",
    "NTWidthSize",
    "NTSortedAttrib",
    "NTStyleAttrib",  // 45
    "NTIntervalAttrib",
    "NTOptDecls",
    "NTOptDecl",
    "NTMoreOptDecls",
    "NTVisibleAttrib",  // 50
    "NTBoolean",
    "NTMoreReturns",
};

const char* const actionnames[ActionCount] = {
    "AcAnnotateForm",  // 0
    "AcSetFormDim",
    "AcSetFormName",
    "AcSetSon",
    "AcSetThisSon",
    "AcGoToFather",  // 5
    "AcInstallCaption",
    "AcInstallRows",
    "AcInstallSection",
    "AcInstallCmdButton",
    "AcInstallTextBox",  // 10
    "AcInstallHeight",
    "AcInstallWidth",
    "AcInstallString",
    "AcInstallComboBox",
    "AcInstallListBox",  // 15
    "AcInstallLstColumns",
    "AcInstallFrame",
    "AcFinishFrame",
    "AcInstallOptButton",
    "AcFinishOptButton",  // 20
    "AcInstallVisible",
    "AcInstallCheckBox",
    "AcInstallSorted",
    "AcInstallStyle",
    "AcInstallTimer",  // 25
    "AcInstallInterval",
    "AcInstallDriveListBox",
    "AcInstallFileListBox",
    "AcInstallDirListBox",
    "AcInstallScrollBar",  // 30
    "AcInstallOrient",
    "AcInstallLength",
    "AcInstallMin",
    "AcInstallMax",
    "AcInstallValue",  // 35
    "AcInstallSmlChange",
    "AcInstallLrgChange",
};

// The semantic actions: each works on the symbol of the terminal matched
// last, moves `currentNode` through the form tree and calls the form model.
// Every check comes before any change to the tree or the symbol table.
#include <cstring>

#include "form/form.h"
#include "parser/parser.h"
#include "symbols/symbols.h"

namespace {

// The widest quoted text that fits a caption or label field with its NUL.
constexpr std::size_t CaptionMax = TextField - 1;

FormNode* up(FormNode* node) { return node->father; }

}  // namespace

void Parser::expectQuotedText() const
{
    if (symtab.objectTypeOf(lastAttribute) != TypeString)
        parseError("Expected Quoted Text");
}

// Declares the object name just matched, unless it names an object already.
void Parser::declareObject(int objectType) const
{
    if (symtab.objectTypeOf(lastAttribute) != TypeUnknown)
        parseError("Redeclared Object name");
    symtab.setTypes(lastAttribute, SymObject, objectType);
}

void Parser::performAction(int action)
{
    const int a = lastAttribute;
    FormNode*& n = currentNode;
    switch (action) {
    case AcAnnotateForm:
        form.installObject(n, KindForm);
        break;
    case AcSetFormDim:
        form.setFormDimensions(n);
        break;
    case AcSetFormName:
        n = form.root;
        addSon(n, a);
        break;
    case AcSetSon:
        addSon(n, a);
        break;
    case AcSetThisSon:
        n = addSon(n, a);
        break;
    case AcGoToFather:
        n = up(n);
        break;
    case AcInstallCaption:
        expectQuotedText();
        // The form's caption reaches the output from its node, not its field.
        if (n->kind != KindForm && std::strlen(symtab.nameOf(a)) > CaptionMax)
            parseError("Quoted Text longer than 51 characters");
        addSon(n, a);
        form.installCaption(n, a);
        break;
    case AcInstallRows:
        addSon(n, a);
        form.setRowsOrganization(a == KwRows);
        break;
    case AcInstallSection:
        n = addSon(n, a);
        form.installSection();
        break;
    case AcInstallCmdButton:
        declareObject(TypeCommandButton);
        addSon(n, a);
        form.installObject(n, KindCommandButton);
        break;
    case AcInstallTextBox:
        declareObject(TypeTextBox);
        addSon(n, a);
        form.installObject(n, KindTextBox);
        break;
    case AcInstallHeight:
        if (symtab.objectTypeOf(a) != TypeInteger)
            parseError("Expected integer value");
        form.installHeight(n, a);
        addSon(n, a);
        break;
    case AcInstallWidth:
        addSon(n, a);
        n = up(n);
        form.installWidth(n, a);
        break;
    case AcInstallString:
        expectQuotedText();
        if (std::strlen(symtab.nameOf(a)) > CaptionMax)
            parseError("Quoted Text longer than 51 characters");
        form.installObjectWithText(n, KindLabel, a);
        n = up(n);
        break;
    case AcInstallComboBox:
        declareObject(TypeComboBox);
        addSon(n, a);
        form.installObjectWithText(n, KindComboBox, a);
        break;
    case AcInstallListBox:
        declareObject(TypeListBox);
        addSon(n, a);
        form.installObjectWithText(n, KindListBox, a);
        break;
    case AcInstallLstColumns:
        addSon(n, a);
        n = up(n);
        form.installColumns(n, a);
        break;
    case AcInstallFrame:
        declareObject(TypeFrame);
        addSon(n, a);
        form.startFrame();
        form.installObject(n, KindFrame);
        break;
    case AcFinishFrame:
        form.finishFrame(n);
        n = up(n);
        form.resetFrameState();
        break;
    case AcInstallOptButton:
        declareObject(TypeOptionButton);
        addSon(n, a);
        form.installObjectWithText(n, KindOptionButton, a);
        break;
    case AcFinishOptButton:
        if (form.optionVisible && form.firstOption)
            form.noteFirstOption();
        else if (form.rowsOrganization)
            form.widenFrame();
        else
            form.deepenFrame();
        if (form.rowsOrganization)
            form.placeOptionInRow(n);
        else
            form.placeOptionInColumn(n);
        n = up(n);
        break;
    case AcInstallVisible:
        addSon(n, a);
        form.setOptionVisible(a == KwTrue);
        break;
    case AcInstallCheckBox:
        declareObject(TypeCheckBox);
        addSon(n, a);
        form.installObject(n, KindCheckBox);
        break;
    case AcInstallSorted:
        addSon(n, a);
        n = up(n);
        form.installSorted(n, a);
        break;
    case AcInstallStyle:
        addSon(n, a);
        n = up(n);
        form.installStyle(n, a);
        break;
    case AcInstallTimer:
        declareObject(TypeTimer);
        addSon(n, a);
        form.installObject(n, KindTimer);
        break;
    case AcInstallInterval:
        addSon(n, a);
        n = up(n);
        form.installInterval(n, a);
        break;
    case AcInstallDriveListBox:
        declareObject(TypeDriveListBox);
        addSon(n, a);
        form.installObject(n, KindDriveListBox);
        break;
    case AcInstallFileListBox:
        declareObject(TypeFileListBox);
        addSon(n, a);
        form.installObject(n, KindFileListBox);
        break;
    case AcInstallDirListBox:
        declareObject(TypeDirListBox);
        addSon(n, a);
        form.installObject(n, KindDirListBox);
        break;
    case AcInstallScrollBar:
        declareObject(TypeScrollBar);
        addSon(n, a);
        form.installObject(n, KindScrollBar);
        break;
    case AcInstallOrient:
        addSon(n, a);
        n = up(n);
        form.installOrientation(n, a);
        break;
    case AcInstallLength:
        addSon(n, a);
        n = up(n);
        form.installLength(n, a);
        break;
    case AcInstallMin:
        addSon(n, a);
        n = up(n);
        form.installMin(n, a);
        break;
    case AcInstallMax:
        addSon(n, a);
        n = up(n);
        form.installMax(n, a);
        break;
    case AcInstallValue:
        addSon(n, a);
        n = up(n);
        form.installValue(n, a);
        break;
    case AcInstallSmlChange:
        addSon(n, a);
        n = up(n);
        form.installSmallChange(n, a);
        break;
    case AcInstallLrgChange:
        addSon(n, a);
        n = up(n);
        form.installLargeChange(n, a);
        break;
    default:
        break;
    }
}

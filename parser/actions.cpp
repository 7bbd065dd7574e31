// The semantic actions: each works on the symbol of the terminal matched
// last, moves `currentNode` through the form tree and calls the form model.
// Every check comes before any change to the tree or the symbol table.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "codegen/codegen.h"
#include "form/form.h"
#include "parser/parser.h"
#include "symbols/symbols.h"

namespace {

// The widest quoted text that fits a caption or label field with its NUL.
constexpr std::size_t CaptionMax = TextField - 1;

FormNode* up(FormNode* node) { return node->father; }

// The terminal matched last, as written, in quotes.
std::string quoted(const std::string& text) { return "'" + text + "'"; }
const std::string& matchedText() { return diagnosticContext.matched.text; }

}  // namespace

void Parser::expectQuotedText(const char* attribute) const
{
    if (symtab.objectTypeOf(lastAttribute) != TypeString)
        checkFailed(ErrNeedsText, "Expected Quoted Text",
                    quoted(attribute) + " needs a quoted text, not " + matchedText());
}

// The caption or label just matched fits its field.
void Parser::expectCaptionLength() const
{
    if (std::strlen(symtab.nameOf(lastAttribute)) > CaptionMax)
        checkFailed(ErrCaptionLength, "Quoted Text longer than 51 characters",
                    "quoted text is longer than " + std::to_string(CaptionMax) + " characters, quotes included");
}

// Declares the object name just matched, unless it names an object already
// or the generated class has a member or label of that name.
void Parser::declareObject(ObjectType objectType)
{
    const std::string written = quoted(matchedText());
    if (symtab.objectTypeOf(lastAttribute) != TypeUnknown) {
        const std::size_t at = static_cast<std::size_t>(lastAttribute);
        std::string where;
        if (at < declaredAt.size() && declaredAt[at].line > 0)
            where = " (line " + std::to_string(declaredAt[at].line) + ")";
        checkFailed(ErrRedeclared, "Redeclared Object name", written + " is already declared" + where);
    }
    const char* name = symtab.nameOf(lastAttribute);
    if (isClassMember(name))
        checkFailed(ErrClassMember,
                    ("Object name " + std::string(name) + " is taken: the generated form class declares it itself").c_str(),
                    written + " is declared by the generated form class itself");
    if (isUsedNamespace(name))
        checkFailed(ErrNamespace, "Object name hides a namespace of the generated code",
                    written + " would hide a namespace of the generated code");
    int label = labelNumberOf(name);
    if (label >= 0 && label < static_cast<int>(labelNumbers.size()) && labelNumbers[label])
        checkFailed(ErrLabelName, "Object name is taken by a generated label",
                    written + " is the name of a generated label");
    symtab.setTypes(lastAttribute, SymObject, objectType);
    if (declaredAt.size() <= static_cast<std::size_t>(lastAttribute))
        declaredAt.resize(static_cast<std::size_t>(lastAttribute) + 1);
    declaredAt[static_cast<std::size_t>(lastAttribute)] = diagnosticContext.matched.place;
    // The control being placed, which a layout refusal names.
    diagnosticContext.placing = diagnosticContext.matched;
    diagnosticContext.placingSection = false;
}

// The label about to be made is named "lbl" and its number, which no object
// may have; the number is noted so that no later object takes it.
void Parser::claimLabelName()
{
    const int number = form.nextLabelNumber();
    const std::string name = labelName(number);
    int symbol;
    if (symtab.lookup(name.c_str(), symbol) && symtab.symbolTypeOf(symbol) == SymObject) {
        char message[80];
        std::snprintf(message, sizeof message, "Generated label name %s is taken by an object", name.c_str());
        checkFailed(ErrLabelName, message,
                    "this label would be named '" + name + "', which names an object already");
    }
    if (labelNumbers.size() <= static_cast<std::size_t>(number))
        labelNumbers.resize(static_cast<std::size_t>(number) + 1);
    labelNumbers[static_cast<std::size_t>(number)] = true;
}

// The VB6 drive, directory and file list boxes come from a library of .NET
// Framework only; a form for .NET Core cannot have them.
void Parser::expectFramework(const char* keyword) const
{
    if (options.framework == Framework::NetCoreApp)
        checkFailed(ErrFramework,
                    "Drive, directory and file list boxes exist only on .NET Framework: target .NET "
                    "Framework (for example net48)",
                    keyword + (" " + quoted(matchedText())) +
                        ": the VB6 drive, directory and file list boxes exist only on .NET Framework;"
                        " target .NET Framework (for example net48)");
}

// The control node declares the name just matched, takes it as its first
// son, and only then gets its kind, which places it.
void Parser::declareControl(ObjectType objectType, ObjectKind kind)
{
    declareObject(objectType);
    addSon(currentNode, lastAttribute);
    form.installObject(currentNode, kind);
}

void Parser::declareControlWithText(ObjectType objectType, ObjectKind kind)
{
    declareObject(objectType);
    addSon(currentNode, lastAttribute);
    form.installObjectWithText(currentNode, kind, lastAttribute);
}

// An attribute keyword's node takes the value as its son; the control above
// it takes the value.
void Parser::installAttribute(AttributeSetter setter)
{
    addSon(currentNode, lastAttribute);
    currentNode = currentNode->father;
    (form.*setter)(currentNode, lastAttribute);
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
        if (isUsedNamespace(symtab.nameOf(a)))
            checkFailed(ErrNamespace, "Form name hides a namespace of the generated code",
                        "form name " + quoted(matchedText()) + " would hide a namespace of the generated code");
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
        expectQuotedText("caption");
        // The form's caption reaches the output from its node, not its field.
        if (n->kind != KindForm)
            expectCaptionLength();
        addSon(n, a);
        form.installCaption(n, a);
        break;
    case AcInstallRows:
        addSon(n, a);
        form.setRowsOrganization(a == KwRows);
        break;
    case AcInstallSection:
        diagnosticContext.placing = diagnosticContext.matched;
        diagnosticContext.placingSection = true;
        n = addSon(n, a);
        form.installSection();
        break;
    case AcInstallCmdButton:
        declareControl(TypeCommandButton, KindCommandButton);
        break;
    case AcInstallTextBox:
        declareControl(TypeTextBox, KindTextBox);
        break;
    case AcInstallHeight:
        if (symtab.objectTypeOf(a) != TypeInteger)
            checkFailed(ErrNeedsNumber, "Expected integer value",
                        "'height' needs a whole number, not " + matchedText());
        form.installHeight(n, a);
        addSon(n, a);
        break;
    case AcInstallWidth:
        installAttribute(&FormModel::installWidth);
        break;
    case AcInstallString:
        expectQuotedText("label");
        expectCaptionLength();
        claimLabelName();
        form.installObjectWithText(n, KindLabel, a);
        n = up(n);
        break;
    case AcInstallComboBox:
        declareControlWithText(TypeComboBox, KindComboBox);
        break;
    case AcInstallListBox:
        declareControlWithText(TypeListBox, KindListBox);
        break;
    case AcInstallLstColumns:
        installAttribute(&FormModel::installColumns);
        break;
    case AcInstallFrame:
        declareObject(TypeFrame);
        frameName = diagnosticContext.matched;
        addSon(n, a);
        form.startFrame();
        form.installObject(n, KindFrame);
        break;
    case AcFinishFrame:
        diagnosticContext.placing = frameName;
        diagnosticContext.placingSection = false;
        form.finishFrame(n);
        n = up(n);
        form.resetFrameState();
        break;
    case AcInstallOptButton:
        declareControlWithText(TypeOptionButton, KindOptionButton);
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
        declareControl(TypeCheckBox, KindCheckBox);
        break;
    case AcInstallSorted:
        installAttribute(&FormModel::installSorted);
        break;
    case AcInstallStyle:
        installAttribute(&FormModel::installStyle);
        break;
    case AcInstallTimer:
        declareControl(TypeTimer, KindTimer);
        break;
    case AcInstallInterval:
        // A timer cannot run with an interval of 0: the window would not open.
        if (symtab.valueOf(a) < 1)
            checkFailed(ErrInterval, "Timer interval must be at least 1",
                        "'interval' must be at least 1, not " + matchedText());
        installAttribute(&FormModel::installInterval);
        break;
    case AcInstallDriveListBox:
        expectFramework("drivelistbox");
        declareControl(TypeDriveListBox, KindDriveListBox);
        break;
    case AcInstallFileListBox:
        expectFramework("filelistbox");
        declareControl(TypeFileListBox, KindFileListBox);
        break;
    case AcInstallDirListBox:
        expectFramework("dirlistbox");
        declareControl(TypeDirListBox, KindDirListBox);
        break;
    case AcInstallScrollBar:
        declareControl(TypeScrollBar, KindScrollBar);
        break;
    case AcInstallOrient:
        installAttribute(&FormModel::installOrientation);
        break;
    case AcInstallLength:
        installAttribute(&FormModel::installLength);
        break;
    case AcInstallMin:
        installAttribute(&FormModel::installMin);
        break;
    case AcInstallMax:
        // Past these two checks the scroll bar's window would refuse its
        // values and the form would not open.
        if (symtab.valueOf(a) < n->father->props.scrollBar.minimum)
            checkFailed(ErrScrollRange, "Scroll bar min is above its max",
                        "'max' " + matchedText() + " is below 'min' " +
                            std::to_string(n->father->props.scrollBar.minimum));
        installAttribute(&FormModel::installMax);
        break;
    case AcInstallValue: {
        const ScrollBarRecord& bar = n->father->props.scrollBar;
        if (symtab.valueOf(a) < bar.minimum || symtab.valueOf(a) > bar.maximum)
            checkFailed(ErrScrollValue, "Scroll bar value is outside its min and max",
                        "'value' " + matchedText() + " is outside 'min' " + std::to_string(bar.minimum) +
                            " to 'max' " + std::to_string(bar.maximum));
        installAttribute(&FormModel::installValue);
        break;
    }
    case AcInstallSmlChange:
        installAttribute(&FormModel::installSmallChange);
        break;
    case AcInstallLrgChange:
        installAttribute(&FormModel::installLargeChange);
        break;
    default:
        break;
    }
}

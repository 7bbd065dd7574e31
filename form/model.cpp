#include <cstring>

#include "form/form.h"
#include "scanner/scanner.h"
#include "symbols/symbols.h"

FormNode* currentNode = nullptr;

namespace {

// Copies a text into a fixed field, cutting it to fit. The actions refuse
// captions and labels that would not fit; only fields that never reach the
// output (a combo box's quoted name, an option button's name before its
// caption replaces it, the form's own copy of its caption) are ever cut.
template <std::size_t N>
void copyText(char (&field)[N], const char* text)
{
    std::size_t length = std::strlen(text);
    if (length > N - 1)
        length = N - 1;
    std::memcpy(field, text, length);
    field[length] = '\0';
}

template <std::size_t N>
void quoteText(char (&field)[N], const char* text)
{
    std::size_t length = std::strlen(text);
    if (length > N - 3)
        length = N - 3;
    field[0] = '"';
    std::memcpy(field + 1, text, length);
    field[length + 1] = '"';
    field[length + 2] = '\0';
}

}  // namespace

FormNode* newNode(int symbol)
{
    FormNode* node = new FormNode{};
    node->symbol = symbol;
    return node;
}

FormNode* addSon(FormNode* node, int symbol)
{
    FormNode* son = newNode(symbol);
    son->father = node;
    if (node->firstSon == nullptr) {
        node->firstSon = son;
    } else {
        FormNode* last = node->firstSon;
        while (last->nextSibling != nullptr)
            last = last->nextSibling;
        last->nextSibling = son;
    }
    return son;
}

// Depth first: the first son, then the next sibling, then the node itself.
void releaseTree(FormNode* node)
{
    while (node != nullptr) {
        releaseTree(node->firstSon);
        FormNode* next = node->nextSibling;
        delete node;
        node = next;
    }
}

FormNode* FormNode::son(int n) const
{
    FormNode* s = firstSon;
    while (s != nullptr && --n > 0)
        s = s->nextSibling;
    return s;
}

Box boxOf(FormNode* node)
{
    PropertyRecord& p = node->props;
    switch (node->kind) {
    case KindCommandButton:
    case KindFrame:
    case KindCheckBox:
    case KindOptionButton:
        return {&p.button.height, &p.button.left, &p.button.tabIndex, &p.button.top, &p.button.width};
    case KindLabel:
        return {&p.label.height, &p.label.left, &p.label.tabIndex, &p.label.top, &p.label.width};
    case KindTextBox:
        return {&p.textBox.height, &p.textBox.left, &p.textBox.tabIndex, &p.textBox.top, &p.textBox.width};
    case KindComboBox:
        return {&p.comboBox.height, &p.comboBox.left, &p.comboBox.tabIndex, &p.comboBox.top, &p.comboBox.width};
    case KindListBox:
        return {&p.listBox.height, &p.listBox.left, &p.listBox.tabIndex, &p.listBox.top, &p.listBox.width};
    case KindDriveListBox:
    case KindFileListBox:
    case KindDirListBox:
        return {&p.fileBox.height, &p.fileBox.left, &p.fileBox.tabIndex, &p.fileBox.top, &p.fileBox.width};
    case KindScrollBar:
        return {&p.scrollBar.height, &p.scrollBar.left, &p.scrollBar.tabIndex, &p.scrollBar.top, &p.scrollBar.width};
    default:
        return {nullptr, nullptr, nullptr, nullptr, nullptr};
    }
}

FormModel::FormModel() { root = newNode(KwForm); }

FormModel::~FormModel() { releaseTree(root); }

void FormModel::reset()
{
    releaseTree(root);
    root = newNode(KwForm);
    static_cast<LayoutState&>(*this) = LayoutState{};
    static_cast<FrameState&>(*this) = FrameState{};
    output.clear();
}

void FormModel::installObject(FormNode* node, ObjectKind kind)
{
    node->kind = kind;
    PropertyRecord& p = node->props;
    switch (kind) {
    case KindForm:
        p.form.startPosition = 3;
        p.form.text[0] = '\0';
        copyText(p.form.topic, "\"Form1\"");
        placeForm(node);
        break;
    case KindDriveListBox:
        placeDriveListBox(node);
        break;
    case KindTextBox:
        p.textBox.multiLine = 1;
        p.textBox.text[0] = '\0';
        placeTextBox(node);
        break;
    case KindCommandButton:
        p.button.text[0] = '\0';
        placeCommandButton(node);
        break;
    case KindCheckBox:
        placeCheckBox(node);
        break;
    case KindFileListBox:
    case KindDirListBox:
        takeTabIndex(&p.fileBox.tabIndex);
        break;
    case KindScrollBar:
        takeTabIndex(&p.scrollBar.tabIndex);
        break;
    case KindTimer:
        p.timer.unused[0] = p.timer.unused[1] = 0;
        break;
    default:   // a frame is completed by finishFrame
        break;
    }
}

void FormModel::installObjectWithText(FormNode* node, ObjectKind kind, int symbol)
{
    node->kind = kind;
    PropertyRecord& p = node->props;
    switch (kind) {
    case KindComboBox:
        placeComboBox(node);
        quoteText(p.comboBox.text, symtab.nameOf(symbol));
        break;
    case KindLabel:
        placeLabel(node);
        copyText(p.label.text, symtab.nameOf(symbol));
        break;
    case KindOptionButton:
        placeOptionButton(node);
        copyText(p.button.text, symtab.nameOf(symbol));
        optionVisible = true;
        break;
    case KindListBox:
        takeTabIndex(&p.listBox.tabIndex);
        break;
    default:
        break;
    }
}

void FormModel::installCaption(FormNode* node, int symbol)
{
    switch (node->kind) {
    case KindForm:
        copyText(node->props.form.text, symtab.nameOf(symbol));
        break;
    case KindCommandButton:
    case KindFrame:
    case KindCheckBox:
    case KindOptionButton:
        copyText(node->props.button.text, symtab.nameOf(symbol));
        break;
    default:
        break;
    }
}

void FormModel::installColumns(FormNode* node, int symbol)
{
    if (node->kind == KindListBox)
        node->props.listBox.columns = symtab.valueOf(symbol);
}

void FormModel::installSorted(FormNode* node, int symbol)
{
    unsigned char sorted = symbol == KwFalse ? 0 : 1;
    if (node->kind == KindComboBox)
        node->props.comboBox.sorted = sorted;
    else if (node->kind == KindListBox)
        node->props.listBox.sorted = sorted;
}

void FormModel::installStyle(FormNode* node, int symbol)
{
    if (node->kind == KindComboBox)
        node->props.comboBox.style = symtab.valueOf(symbol);
    else if (node->kind == KindListBox)
        node->props.listBox.style = symtab.valueOf(symbol);
}

// The grammar lets the interval and the scroll-bar values reach only a timer
// or a scroll bar; these setters do not look at the kind.
void FormModel::installInterval(FormNode* node, int symbol) { node->props.timer.interval = symtab.valueOf(symbol); }
void FormModel::installOrientation(FormNode* node, int symbol) { node->props.scrollBar.horizontal = symbol == KwVertical ? 0 : 1; }
void FormModel::installMin(FormNode* node, int symbol) { node->props.scrollBar.minimum = symtab.valueOf(symbol); }
void FormModel::installMax(FormNode* node, int symbol) { node->props.scrollBar.maximum = symtab.valueOf(symbol); }
void FormModel::installValue(FormNode* node, int symbol) { node->props.scrollBar.value = symtab.valueOf(symbol); }
void FormModel::installSmallChange(FormNode* node, int symbol) { node->props.scrollBar.smallChange = symtab.valueOf(symbol); }
void FormModel::installLargeChange(FormNode* node, int symbol) { node->props.scrollBar.largeChange = symtab.valueOf(symbol); }

void FormModel::resetFrameState() { static_cast<FrameState&>(*this) = FrameState{}; }

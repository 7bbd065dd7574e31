// The form tree, the one form model that owns it, and the grid layout that
// places every control while its declaration is parsed.
#pragma once

#include <cstdio>
#include <string>

// What a node of the form tree stands for. Not the object types of the
// symbol table: 8 to 11 differ.
enum ObjectKind {
    KindNone = 0, KindForm = 1, KindDriveListBox = 2, KindTextBox = 3,
    KindComboBox = 4, KindCommandButton = 5, KindFrame = 6, KindCheckBox = 7,
    KindLabel = 8, KindOptionButton = 9, KindListBox = 10, KindTimer = 11,
    KindFileListBox = 12, KindDirListBox = 13, KindScrollBar = 14
};

constexpr int TextField = 52;   // a text and its NUL

// One property record per kind; every record starts zeroed.
struct FormRecord {
    char text[TextField];
    int clientHeight, screenLeft, screenTop, clientWidth;
    char topic[TextField];
    int scaleHeight, scaleWidth, startPosition;
};
// Command button, frame, check box and option button.
struct ButtonRecord {
    char text[TextField];
    int height, left, tabIndex, top, width;
    unsigned char visible;   // option button only
};
struct LabelRecord {
    int unused;
    char text[TextField];
    int height, left, tabIndex, top, width;   // tabIndex is also the label's number
};
struct TextBoxRecord {
    int height, left, multiLine, tabIndex, top, width;
    char text[TextField];
};
struct ComboBoxRecord {
    int height, left, style, tabIndex, top, width;
    unsigned char sorted;
    char text[TextField - 1];
};
struct ListBoxRecord {
    int columns, height, left, style, tabIndex, top, width;
    unsigned char sorted;
};
struct TimerRecord {
    int unused[2];
    int interval;
};
// Drive, file and directory list boxes.
struct FileBoxRecord {
    int height, left, tabIndex, top, width;
};
struct ScrollBarRecord {
    int height, left, tabIndex, top, width;
    int smallChange, largeChange, minimum, maximum, value;
    unsigned char horizontal;
};

union PropertyRecord {
    FormRecord form;
    ButtonRecord button;
    LabelRecord label;
    TextBoxRecord textBox;
    ComboBoxRecord comboBox;
    ListBoxRecord listBox;
    TimerRecord timer;
    FileBoxRecord fileBox;
    ScrollBarRecord scrollBar;
};
static_assert(sizeof(PropertyRecord) == 132, "the form's record is the largest");

struct FormNode {
    int symbol;
    ObjectKind kind;
    PropertyRecord props;
    FormNode* father;
    FormNode* firstSon;
    FormNode* nextSibling;

    FormNode* son(int n) const;   // the n-th son, counting from 1

    // The sons by their role. A control's first son is its name, as is the
    // form's; the third son is the form's caption, a text box's width
    // attribute or a frame's first option button, depending on the node.
    FormNode* nameNode() const { return firstSon; }
    FormNode* location() const { return son(2); }        // the form's
    FormNode* caption() const { return son(3); }         // the form's
    FormNode* widthAttribute() const { return son(3); }  // a text box's; its size word is its son
    FormNode* firstOption() const { return son(3); }     // a frame's; the others follow it
    FormNode* label() const { return son(4); }           // a text box's
};

FormNode* newNode(int symbol);
FormNode* addSon(FormNode* node, int symbol);
void releaseTree(FormNode* node);

// The geometry every placed control carries, wherever its record keeps it.
struct Box {
    int* height;
    int* left;
    int* tabIndex;
    int* top;
    int* width;
};
Box boxOf(FormNode* node);   // all null for kinds without a place
// The writer only reads through it.
inline Box boxOf(const FormNode* node) { return boxOf(const_cast<FormNode*>(node)); }

// The grid the layout places controls on, in pixels: a form starts at its
// smallest size and may grow up to the screen.
constexpr int ScreenWidth = 1024;
constexpr int ScreenHeight = 768;
constexpr int FormStartWidth = 312;
constexpr int FormStartHeight = 213;
constexpr int Margin = 40;            // the form's edge to the first column or row
constexpr int OptionStartTop = 32;    // the first option button inside its frame
constexpr int OptionStartLeft = 24;

// The cursors of the layout and the form's growing size, with their start
// values: the one place that gives them, which a reset assigns.
struct LayoutState {
    int nextTabIndex = 0;
    bool rowsOrganization = false;
    bool firstSection = true;
    int frameHeight = 0;
    int frameWidth = 0;
    int nextTop = Margin;
    int nextLeft = Margin;
    int formHeight = FormStartHeight;
    int formWidth = FormStartWidth;
    int columnLeft = Margin;
    int rowTop = Margin;
};

// The option buttons' cursor inside the frame being declared.
struct FrameState {
    bool firstOption = true;
    bool optionVisible = true;
    int nextOptionTop = OptionStartTop;
    int nextOptionLeft = OptionStartLeft;
};

class FormModel : public LayoutState, public FrameState {
public:
    FormModel();
    ~FormModel();
    FormModel(const FormModel&) = delete;
    FormModel& operator=(const FormModel&) = delete;

    // Back to the start state with a new, empty tree.
    void reset();

    // Installing objects and attributes.
    void installObject(FormNode* node, ObjectKind kind);
    void installObjectWithText(FormNode* node, ObjectKind kind, int symbol);
    // A text box's label takes the next tab index, which is also its number.
    int nextLabelNumber() const { return nextTabIndex; }
    void installCaption(FormNode* node, int symbol);
    void installColumns(FormNode* node, int symbol);
    void installSorted(FormNode* node, int symbol);
    void installStyle(FormNode* node, int symbol);
    void installInterval(FormNode* node, int symbol);
    void installOrientation(FormNode* node, int symbol);
    void installMin(FormNode* node, int symbol);
    void installMax(FormNode* node, int symbol);
    void installValue(FormNode* node, int symbol);
    void installSmallChange(FormNode* node, int symbol);
    void installLargeChange(FormNode* node, int symbol);
    void setRowsOrganization(bool flag) { rowsOrganization = flag; }
    void setOptionVisible(bool flag) { optionVisible = flag; }
    void startFrame();
    void resetFrameState();

    // Layout.
    void installSection();
    void installHeight(FormNode* node, int symbol);
    void installWidth(FormNode* node, int symbol);
    void installLength(FormNode* node, int symbol);
    void noteFirstOption() { firstOption = false; }
    void widenFrame();
    void deepenFrame();
    void placeOptionInRow(FormNode* node);
    void placeOptionInColumn(FormNode* node);
    void finishFrame(FormNode* node);
    void setFormDimensions(FormNode* node);

    // Writing the Visual Basic file: the class text goes to `output`, then
    // to the driver's `outputPath`.
    void generate();
    void writeClass();

    FormNode* root = nullptr;
    std::string output;

private:
    void takeTabIndex(int* tabIndex) { *tabIndex = nextTabIndex++; }
    void placeForm(FormNode* node);
    void placeCheckBox(FormNode* node);
    void placeOptionButton(FormNode* node);
    void placeCommandButton(FormNode* node);
    void placeDriveListBox(FormNode* node);
    void placeComboBox(FormNode* node);
    void placeTextBox(FormNode* node);
    void placeLabel(FormNode* node);
    void checkFormSize(std::FILE* stream) const;
    void growDownPlus6(std::FILE* stream);
    void growDown(std::FILE* stream);
    void growRight(std::FILE* stream);
};

// The one form model of the run, constructed after the symbol table.
extern FormModel form;
// Where the semantic actions are building in the tree.
extern FormNode* currentNode;

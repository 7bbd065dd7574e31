// The semantic actions: each works on the terminal matched last and builds
// the form model, placing every control through the layout as soon as its
// name is known. Every check comes before any change to the form or the
// symbol table.
#include "parser/parser.h"
#include "vb/vb.h"

namespace {

// The widest quoted text that fits a caption or label, its quotes included.
constexpr std::size_t CaptionMax = limits::Caption;

SizeWord sizeWordOf(int symbol)
{
    return symbol == KwSmall ? SizeWord::Small : symbol == KwMedium ? SizeWord::Medium : SizeWord::Large;
}

// The kind an object keyword declares.
ControlKind kindOf(int keyword)
{
    switch (keyword) {
    case KwCommandButton: return KindCommandButton;
    case KwTextBox: return KindTextBox;
    case KwComboBox: return KindComboBox;
    case KwListBox: return KindListBox;
    case KwFrame: return KindFrame;
    case KwOptionButton: return KindOptionButton;
    case KwCheckBox: return KindCheckBox;
    case KwTimer: return KindTimer;
    case KwDriveListBox: return KindDriveListBox;
    case KwFileListBox: return KindFileListBox;
    case KwDirListBox: return KindDirListBox;
    case KwScrollBar: return KindScrollBar;
    case KwLabel: return KindLabel;
    default: return KindNone;
    }
}

}  // namespace

Control* FormBuilder::control() const
{
    for (auto n = nodes_.rbegin(); n != nodes_.rend(); ++n)
        if (n->what == Node::ControlNode)
            return n->control;
    return nullptr;
}

void FormBuilder::checkFailed(Diag id, std::initializer_list<std::string_view> args) const
{
    engine_.refuse(id, args, m_->offset, m_->length, scanner_->classicLine());
}

// A layout step that outgrew the screen: refused, naming the control being
// placed or the section being added.
void FormBuilder::check(Growth growth) const
{
    if (growth == Growth::Fits)
        return;
    const std::string after =
        placingSection_ ? std::string("adding this section") : "placing '" + std::string(placing_.written) + "'";
    engine_.refuse(growth == Growth::TooLarge ? Diag::TooLarge : Diag::TooLargeOnStderr,
                   {str(limits::ScreenWidth), str(limits::ScreenHeight), after}, placing_.offset, placing_.length);
}

void FormBuilder::expectQuotedText(const char* attribute) const
{
    if (symtab_.literalOf(m_->symbol) != LiteralType::String)
        checkFailed(Diag::NeedsText, {attribute, m_->written});
}

// The caption or label just matched fits.
void FormBuilder::expectCaptionLength() const
{
    if (m_->written.size() > CaptionMax)
        checkFailed(Diag::CaptionLength, {str(CaptionMax)});
}

// Declares the object name just matched, unless it names an object already
// or the generated class has a member or label of that name.
void FormBuilder::declareObject(ControlKind kind)
{
    const int symbol = m_->symbol;
    const std::string_view name = symtab_.nameOf(symbol);
    if (symtab_.objectOf(symbol) != KindNone) {
        const std::size_t at = static_cast<std::size_t>(symbol);
        std::string where;
        if (at < declaredAt_.size() && declaredAt_[at] != NoOffset)
            where = " (line " + str(engine_.source()->placeOf(declaredAt_[at]).line) + ")";
        checkFailed(Diag::Redeclared, {m_->written, where});
    }
    if (vb::isClassMember(name))
        checkFailed(Diag::ClassMember, {name, m_->written});
    if (vb::isUsedNamespace(name))
        checkFailed(Diag::Namespace, {m_->written});
    const int label = vb::labelNumberOf(name);
    if (label >= 0 && label < static_cast<int>(labelNumbers_.size()) && labelNumbers_[static_cast<std::size_t>(label)])
        checkFailed(Diag::LabelNameTaken, {m_->written});
    symtab_.declare(symbol, kind);
    if (declaredAt_.size() <= static_cast<std::size_t>(symbol))
        declaredAt_.resize(static_cast<std::size_t>(symbol) + 1, NoOffset);
    declaredAt_[static_cast<std::size_t>(symbol)] = m_->offset;
    // The control being placed, which a layout refusal names.
    placing_ = *m_;
    placingSection_ = false;
}

// The control declares the name just matched and is placed at once.
void FormBuilder::declareControl(ControlKind kind)
{
    declareObject(kind);
    Control& c = *control();
    c.kind = kind;
    c.name = symtab_.nameOf(m_->symbol);
    c.written = m_->written;
    c.at = {m_->offset, m_->length};
    check(layout_.place(c));
}

// The label about to be made is named "lbl" and its number, which no object
// may have; the number is noted so that no later object takes it.
void FormBuilder::claimLabelName()
{
    const int number = layout_.nextLabelNumber();
    const std::string name = vb::labelName(number);
    int symbol;
    if (symtab_.lookup(name, symbol) && symtab_.symbolTypeOf(symbol) == SymObject)
        checkFailed(Diag::LabelNameClaimed, {name});
    if (labelNumbers_.size() <= static_cast<std::size_t>(number))
        labelNumbers_.resize(static_cast<std::size_t>(number) + 1);
    labelNumbers_[static_cast<std::size_t>(number)] = true;
}

// An object keyword opens a control: in the section, in its frame (an option
// button) or under its text box (the label).
void FormBuilder::newControl(Token keyword)
{
    auto made = std::make_unique<Control>();
    Control* c = made.get();
    c->kind = KindNone;
    if (keyword == KwLabel) {
        control()->label = std::move(made);
    } else if (keyword == KwOptionButton) {
        control()->options.push_back(std::move(made));
    } else {
        form_.sections.back().controls.push_back(std::move(made));
    }
    nodes_.push_back({Node::ControlNode, c});
}

void FormBuilder::perform(int action, const Matched& matched, const Scanner& scanner)
{
    m_ = &matched;
    scanner_ = &scanner;
    const int a = matched.symbol;
    switch (action) {
    case AcAnnotateForm:
        layout_.placeForm(form_);
        break;
    case AcSetFormDim:
        layout_.setFormDimensions(form_);
        break;
    case AcSetFormName: {
        const std::string_view name = symtab_.nameOf(a);
        if (vb::isUsedNamespace(name))
            checkFailed(Diag::FormNamespace, {matched.written});
        // A class named My conflicts with the namespace My that every Visual
        // Basic project has.
        if (vb::isMyNamespace(name))
            checkFailed(Diag::FormNamedMy, {matched.written});
        form_.name = name;
        form_.written = matched.written;
        form_.at = {matched.offset, matched.length};
        nodes_.assign(1, {Node::FormNode, nullptr});
        break;
    }
    case AcSetSon:   // a word of the form's location
        if (a == KwTop || a == KwMiddle || a == KwBottom)
            form_.vertical = a == KwTop ? Vertical::Top : a == KwMiddle ? Vertical::Middle : Vertical::Bottom;
        else
            form_.horizontal = a == KwLeft ? Horizontal::Left : a == KwCenter ? Horizontal::Center : Horizontal::Right;
        break;
    case AcSetThisSon:
        if (a == KwLocation)
            nodes_.push_back({Node::Location, nullptr});
        else if (kindOf(a) != KindNone)
            newControl(static_cast<Token>(a));
        else
            nodes_.push_back({Node::Attribute, nullptr});
        break;
    case AcGoToFather:
        nodes_.pop_back();
        break;
    case AcInstallCaption:
        expectQuotedText("caption");
        // The form's caption is written whole; a control's must fit.
        if (nodes_.back().what == Node::FormNode) {
            form_.caption = matched.written;
        } else {
            expectCaptionLength();
            control()->text = matched.written;
        }
        break;
    case AcInstallRows:
        form_.rows = a == KwRows;
        layout_.rowsOrganization = form_.rows;
        break;
    case AcInstallSection: {
        placing_ = matched;
        placingSection_ = true;
        form_.sections.emplace_back();
        nodes_.push_back({Node::Section, nullptr});
        const Growth growth = layout_.installSection();
        if (layout_.widenedTo != 0)
            engine_.report(makeDiagnostic(Diag::FormWidth, {str(layout_.widenedTo)}));
        check(growth);
        break;
    }
    case AcInstallCmdButton:
        declareControl(KindCommandButton);
        break;
    case AcInstallTextBox:
        declareControl(KindTextBox);
        break;
    case AcInstallHeight:
        if (symtab_.literalOf(a) != LiteralType::Integer)
            checkFailed(Diag::NeedsNumber, {matched.written});
        if (value() > limits::Lines)
            engine_.refuse(Diag::Height, {matched.written, str(limits::Lines)}, matched.offset, matched.length);
        check(layout_.installHeight(*control(), value()));
        break;
    case AcInstallWidth:
        nodes_.pop_back();
        check(layout_.installWidth(*control(), sizeWordOf(a)));
        break;
    case AcInstallString: {
        expectQuotedText("label");
        expectCaptionLength();
        claimLabelName();
        Control& label = *control();
        nodes_.pop_back();
        const Control& box = *control();
        label.kind = KindLabel;
        label.name = label.written = vb::labelName(layout_.nextLabelNumber());
        label.text = matched.written;
        label.at = {matched.offset, matched.length};
        check(layout_.placeLabel(label, box));
        break;
    }
    case AcInstallComboBox:
        declareControl(KindComboBox);
        break;
    case AcInstallListBox:
        declareControl(KindListBox);
        break;
    case AcInstallLstColumns:
        nodes_.pop_back();
        control()->columns = value();
        break;
    case AcInstallFrame: {
        declareObject(KindFrame);
        frameName_ = matched;
        Control& frame = *control();
        frame.kind = KindFrame;
        frame.name = symtab_.nameOf(a);
        frame.written = matched.written;
        frame.at = {matched.offset, matched.length};
        layout_.startFrame();
        break;
    }
    case AcFinishFrame:
        placing_ = frameName_;
        placingSection_ = false;
        check(layout_.finishFrame(*control()));
        nodes_.pop_back();
        layout_.resetFrameState();
        break;
    case AcInstallOptButton:
        declareControl(KindOptionButton);
        break;
    case AcFinishOptButton:
        layout_.finishOption(*control());
        nodes_.pop_back();
        break;
    case AcInstallVisible:
        layout_.optionVisible = a == KwTrue;
        break;
    case AcInstallCheckBox:
        declareControl(KindCheckBox);
        break;
    case AcInstallSorted:
        nodes_.pop_back();
        control()->sorted = a != KwFalse;
        break;
    case AcInstallStyle:
        nodes_.pop_back();
        control()->style = value();
        break;
    case AcInstallTimer:
        declareControl(KindTimer);
        break;
    case AcInstallInterval:
        // A timer cannot run with an interval of 0: the window would not open.
        if (value() < 1)
            checkFailed(Diag::Interval, {matched.written});
        nodes_.pop_back();
        control()->interval = value();
        break;
    case AcInstallDriveListBox:
        declareControl(KindDriveListBox);
        break;
    case AcInstallFileListBox:
        declareControl(KindFileListBox);
        break;
    case AcInstallDirListBox:
        declareControl(KindDirListBox);
        break;
    case AcInstallScrollBar:
        declareControl(KindScrollBar);
        break;
    case AcInstallOrient:
        nodes_.pop_back();
        control()->scrollBar.horizontal = a != KwVertical;
        break;
    case AcInstallLength:
        nodes_.pop_back();
        check(layout_.installLength(*control(), sizeWordOf(a)));
        break;
    case AcInstallMin:
        nodes_.pop_back();
        control()->scrollBar.minimum = value();
        break;
    case AcInstallMax: {
        // Past these two checks the scroll bar's window would refuse its
        // values and the form would not open.
        const ScrollBarValues& bar = control()->scrollBar;
        if (value() < bar.minimum)
            checkFailed(Diag::ScrollRange, {matched.written, str(bar.minimum)});
        nodes_.pop_back();
        control()->scrollBar.maximum = value();
        break;
    }
    case AcInstallValue: {
        const ScrollBarValues& bar = control()->scrollBar;
        if (value() < bar.minimum || value() > bar.maximum)
            checkFailed(Diag::ScrollValue, {matched.written, str(bar.minimum), str(bar.maximum)});
        nodes_.pop_back();
        control()->scrollBar.value = value();
        break;
    }
    case AcInstallSmlChange:
        nodes_.pop_back();
        control()->scrollBar.smallChange = value();
        break;
    case AcInstallLrgChange:
        nodes_.pop_back();
        control()->scrollBar.largeChange = value();
        break;
    default:
        break;
    }
}

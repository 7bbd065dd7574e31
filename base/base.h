// The ground floor that every stage stands on: the source as a buffer with
// its places, the kinds of control, the table of diagnostics and the engine
// that reports them, and the refusal that unwinds a compilation. It includes
// no stage of the compiler.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <initializer_list>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// ---------------------------------------------------------------------------
// Names from one list: an enumeration and the strings that name its members
// are written once, as an X-macro, and expanded twice.
#define KAVEL_ENUM_MEMBER(name, ...) name,
#define KAVEL_ENUM_STRING(name, text, ...) text,

// ---------------------------------------------------------------------------
// Limits of the language, named once: the messages that mention them and the
// random form generator take them from here.
namespace limits {
constexpr std::size_t FileName = 40;        // a source file name, ".fms" included
constexpr int Lexeme = 80;                  // a word, number or quoted text
constexpr int Caption = 51;                 // a caption or label, its quotes included
constexpr int NameStore = 1200;             // characters of every text of a run, NULs included
constexpr int Names = 200;                  // distinct texts of a run
constexpr int Symbols = 200;                // symbols of a run
constexpr int Lines = 5;                    // the height of a box, in lines
constexpr int ScreenWidth = 1024;           // the form may grow up to the screen
constexpr int ScreenHeight = 768;
}  // namespace limits

// ---------------------------------------------------------------------------
// The kinds of control, one enumeration for the whole compiler; the second
// string is the keyword of the source (a text box's label has none: "label").
// ORDER KINDS: the numbers are not written anywhere, only compared.
#define KAVEL_CONTROL_KINDS(X)                                  \
    X(KindNone, "none")                                         \
    X(KindForm, "form")                                         \
    X(KindDriveListBox, "drivelistbox")                         \
    X(KindTextBox, "textbox")                                   \
    X(KindComboBox, "combobox")                                 \
    X(KindCommandButton, "commandbutton")                       \
    X(KindFrame, "frame")                                       \
    X(KindCheckBox, "checkbox")                                 \
    X(KindLabel, "label")                                       \
    X(KindOptionButton, "optionbutton")                         \
    X(KindListBox, "listbox")                                   \
    X(KindTimer, "timer")                                       \
    X(KindFileListBox, "filelistbox")                           \
    X(KindDirListBox, "dirlistbox")                             \
    X(KindScrollBar, "scrollbar")

enum ControlKind : std::uint8_t { KAVEL_CONTROL_KINDS(KAVEL_ENUM_MEMBER) ControlKindCount };
inline constexpr const char* controlKindNames[] = {KAVEL_CONTROL_KINDS(KAVEL_ENUM_STRING)};

// The target of the generated form: $(TargetFrameworkIdentifier) of MSBuild.
enum class Framework { NetFramework, NetCoreApp };

// What a compilation is asked for beyond its source.
struct CompileOptions {
    Framework framework = Framework::NetFramework;
    bool strict = false;   // code for Option Strict On and warnings as errors
};

// A byte that continues a UTF-8 character: it takes no column of its own.
inline bool continuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// ---------------------------------------------------------------------------
// The source: its name and its bytes, held for the whole compilation, so that
// any line is at hand for a message. A place is a byte offset into it; line
// and column are worked out only when a message needs them.

constexpr std::size_t NoOffset = static_cast<std::size_t>(-1);

// 1-based line and column (a tab or a UTF-8 character counts one column).
// Line 0: no place.
struct SourcePlace {
    int line = 0;
    int column = 0;
};

class SourceBuffer {
public:
    SourceBuffer() = default;
    // A source held in memory: the bytes are copied.
    SourceBuffer(std::string name, std::string_view text);
    // A source whose bytes someone else keeps alive (a mapped file): `keep`
    // owns them and goes with the buffer. `release`, when given, is told
    // that the bytes before an offset are not needed for now (a mapped
    // file's pages may go, to be read again should they be touched).
    SourceBuffer(std::string name, std::string_view text, std::shared_ptr<const void> keep,
                 std::function<void(std::size_t)> release = {});

    const std::string& name() const { return name_; }
    std::string_view text() const { return text_; }
    const char* begin() const { return text_.data(); }
    const char* end() const { return text_.data() + text_.size(); }
    std::size_t size() const { return text_.size(); }

    // The place of a byte offset. A CR directly before an LF is part of the
    // line end; a lone CR is a character.
    SourcePlace placeOf(std::size_t offset) const;
    // The number of line ends before the offset, plus one.
    int lineOf(std::size_t offset) const;
    // The text of a line without its line end, cut at a NUL (where the
    // scanner stops reading); empty past the last line.
    std::string lineText(int line) const;
    // The offset where a line starts, or the size past the last line.
    std::size_t lineStart(int line) const;
    // The reader has gone past the offset: what lies before it may leave memory.
    void releaseBefore(std::size_t offset) const
    {
        if (release_)
            release_(offset);
    }

private:
    void indexLines() const;

    std::string name_;
    std::string_view text_;
    std::shared_ptr<const void> keep_;
    std::function<void(std::size_t)> release_;
    mutable std::vector<std::size_t> lineStarts_;   // made on the first question
};

// ---------------------------------------------------------------------------
// Diagnostics. One row per kind: its id, its KV code (KV and four digits in
// the gnu and msvc formats: 00xx the command line and files, 01xx the
// scanner, 02xx the syntax, 03xx the checks of the actions, 04xx the layout,
// 05xx the output, 06xx layout warnings), the exit status it ends a run with,
// what it is, the stream of its classic message, the classic text and the
// text of the gnu and msvc formats.
//
// In the texts, {0} to {9} stand for the arguments of the report, {line} for
// the classic line of a source error, and, in classic texts, {t} for the
// text of the other formats.
//
// Kinds: an Error refuses the run; a ClassicNote is written in classic form
// only (the scanner's own message before the parser's, the existence probe's
// warning); Progress is written in every format unless quiet; a Warning is
// written in the gnu and msvc formats only, and the run goes on.
#define KAVEL_CLASSIC_USAGE "\nUsage: kavel [options] [source]\nTry 'kavel --help' for more information."
#define KAVEL_DIAGNOSTICS(X)                                                                              \
    X(NoSource, 1, 1, Error, Out, "Usage: Kavel [filename]", "no source file given")                       \
    X(TwoSources, 1, 1, Error, Err, "kavel: {t}" KAVEL_CLASSIC_USAGE,                                        \
      "more than one source: '{0}' and '{1}'")                                                             \
    X(UnknownOption, 2, 1, Error, Err, "kavel: {t}" KAVEL_CLASSIC_USAGE, "unknown option '{0}'")             \
    X(UnknownOptionIsFile, 2, 1, Error, Err, "kavel: {t}" KAVEL_CLASSIC_USAGE,                               \
      "unknown option '{0}'; for the source of that name, end the options first: kavel -- {0}")            \
    X(OptionNeedsFile, 2, 1, Error, Err, "kavel: {t}" KAVEL_CLASSIC_USAGE, "option '{0}' needs a file name") \
    X(OptionNeedsValue, 2, 1, Error, Err, "kavel: {t}" KAVEL_CLASSIC_USAGE, "option '{0}' needs a value: {1}") \
    X(OptionBadValue, 2, 1, Error, Err, "kavel: {t}" KAVEL_CLASSIC_USAGE, "option '{0}' takes {1}, not '{2}'") \
    X(OptionOnlyWith, 2, 1, Error, Err, "kavel: {t}" KAVEL_CLASSIC_USAGE, "option '{0}' is given only with '{1}'") \
    X(Extension, 3, 2, Error, Err, "Usage: kavel *.fms",                                                   \
      "'{0}' is not a source file: the name must end in .fms or .txt, or have no period")                  \
    X(Periods, 4, 3, Error, Err, "Multiple periods in file name is not legal",                             \
      "'{0}' has more than one period in its file name")                                                   \
    X(NameTooLong, 5, 2, Error, Err, "File name longer than {1} characters is not legal",                  \
      "'{0}' is longer than {1} characters")                                                               \
    X(NotFound, 0, 0, ClassicNote, Out, "Cannot find {0}", "")                                             \
    X(CannotOpen, 6, 2, Error, Out, "Cannot open {0}", "cannot open '{0}'{1}")                             \
    X(CannotRead, 7, 2, Error, Out, "Cannot read the source file", "cannot read '{0}'")                   \
    X(StrayCharacter, 101, 4, Error, Err, "\"{0}\" not expected here.", "unexpected character '{1}'")      \
    X(LongWord, 102, 4, Error, Err, "Word longer than {0} characters", "word is longer than {0} characters") \
    X(LongNumber, 103, 4, Error, Err, "Number longer than {0} characters",                                 \
      "number is longer than {0} characters")                                                              \
    X(BigNumber, 104, 4, Error, Err, "Integer value larger than {0}", "number is larger than {0}")          \
    X(LongText, 105, 4, Error, Err, "Quoted Text longer than {0} characters",                              \
      "quoted text is longer than {0} characters")                                                         \
    X(OpenText, 106, 4, Error, Err, "Quoted Text not closed before the end of its line",                   \
      "quoted text is not closed before the end of its line")                                              \
    X(TableFullNames, 107, 4, Error, Out, "{t} on line {line}", "Symbol table full: more than {0} names")   \
    X(TableFullSymbols, 107, 4, Error, Out, "{t} on line {line}", "Symbol table full: more than {0} symbols") \
    X(TableFullCharacters, 107, 4, Error, Out, "{t} on line {line}",                                       \
      "Symbol table full: more than {0} characters of names")                                              \
    X(NotPreinstalled, 108, 1, Error, Err, "{t}", "'{0}' was not preinstalled.")                           \
    X(TerminalMismatch, 201, 4, Error, Out, "Parsing error - token does not match required terminal on line {line}", \
      "{0}")                                                                                               \
    X(NonterminalMismatch, 201, 4, Error, Out, "{0}\t{1}\n{2}Nonterminal - token mismatch on line {line}", "{3}") \
    X(NeedsText, 301, 4, Error, Out, "Expected Quoted Text on line {line}", "'{0}' needs a quoted text, not {1}") \
    X(NeedsNumber, 302, 4, Error, Out, "Expected integer value on line {line}",                            \
      "'height' needs a whole number, not {0}")                                                            \
    X(Redeclared, 303, 4, Error, Out, "Redeclared Object name on line {line}", "'{0}' is already declared{1}") \
    X(ClassMember, 304, 4, Error, Out,                                                                     \
      "Object name {0} is taken: the generated form class declares it itself on line {line}",             \
      "'{1}' is declared by the generated form class itself")                                              \
    X(Namespace, 305, 4, Error, Out, "Object name hides a namespace of the generated code on line {line}", \
      "'{0}' would hide a namespace of the generated code")                                                \
    X(FormNamespace, 305, 4, Error, Out, "Form name hides a namespace of the generated code on line {line}", \
      "form name '{0}' would hide a namespace of the generated code")                                      \
    X(FormNamedMy, 305, 4, Error, Out,                                                                     \
      "Form name conflicts with the namespace My of Visual Basic on line {line}",                          \
      "form name '{0}' would conflict with the namespace My of Visual Basic")                              \
    X(LabelNameTaken, 306, 4, Error, Out, "Object name is taken by a generated label on line {line}",     \
      "'{0}' is the name of a generated label")                                                            \
    X(LabelNameClaimed, 306, 4, Error, Out, "Generated label name {0} is taken by an object on line {line}", \
      "this label would be named '{0}', which names an object already")                                    \
    X(CaptionLength, 307, 4, Error, Out, "Quoted Text longer than {0} characters on line {line}",          \
      "quoted text is longer than {0} characters, quotes included")                                        \
    X(Interval, 308, 4, Error, Out, "Timer interval must be at least 1 on line {line}",                    \
      "'interval' must be at least 1, not {0}")                                                            \
    X(ScrollRange, 309, 4, Error, Out, "Scroll bar min is above its max on line {line}",                   \
      "'max' {0} is below 'min' {1}")                                                                      \
    X(ScrollValue, 310, 4, Error, Out, "Scroll bar value is outside its min and max on line {line}",       \
      "'value' {0} is outside 'min' {1} to 'max' {2}")                                                     \
    X(Height, 401, 4, Error, Err, "Height cannot exceed {1} lines", "height {0} is more than {1} lines")   \
    X(TooLarge, 402, 99, Error, Out, "Too many objects on the form",                                       \
      "the form is larger than {0} by {1} pixels after {2}")                                               \
    X(TooLargeOnStderr, 402, 99, Error, Err, "Too many objects on the form",                               \
      "the form is larger than {0} by {1} pixels after {2}")                                               \
    X(FormWidth, 0, 0, Progress, Out, "FormWidth = {0}", "FormWidth = {0}")                                \
    X(OutputOpen, 501, 1, Error, Err, "Couldn't open a .vb", "cannot open '{0}'")                          \
    X(OutputWrite, 502, 1, Error, Err, "Couldn't write a .vb", "cannot write '{0}'")

enum class Diag : std::uint8_t {
#define KAVEL_DIAG_ID(id, ...) id,
    KAVEL_DIAGNOSTICS(KAVEL_DIAG_ID)
#undef KAVEL_DIAG_ID
};

enum class DiagKind : std::uint8_t { Error, Warning, ClassicNote, Progress };
enum class Stream : std::uint8_t { Out, Err };

struct DiagnosticRow {
    Diag id;
    const char* name;     // the id as a word
    int code;             // KV code; 0 for none
    int status;           // the exit status of an error
    DiagKind kind;
    Stream classicStream;
    const char* classic;
    const char* text;
};

// The row of a kind of diagnostic.
const DiagnosticRow& rowOf(Diag id);
// Every row, in the order of the table.
std::span<const DiagnosticRow> diagnosticRows();

// One diagnostic, as data: what the consumers write and the tests compare.
struct Diagnostic {
    Diag id{};
    int code = 0;
    int status = 0;
    DiagKind kind = DiagKind::Error;
    Stream classicStream = Stream::Out;
    std::string classic;          // the classic message, without its line end
    std::string text;             // the text of the gnu and msvc formats
    std::size_t offset = NoOffset;   // where in the source it is about (NoOffset: nowhere)
    std::size_t length = 0;       // the bytes of the token it is about
};

// Fills a row's texts with the arguments; `classicLine` replaces {line}.
Diagnostic makeDiagnostic(Diag id, std::initializer_list<std::string_view> args, std::size_t offset = NoOffset,
                          std::size_t length = 0, int classicLine = 0);
Diagnostic makeDiagnostic(Diag id, const std::vector<std::string>& args);

// How diagnostics are written on the console: classic (the compiler's own
// messages on their own streams), gnu (FILE:LINE:COL: error: TEXT, the
// source line and a caret) or msvc (FILE(LINE,COL): error KVnnnn: TEXT).
enum class DiagnosticsFormat { Classic, Gnu, Msvc };

// One message of the gnu or msvc format as written, with its line ends: the
// pure part of the console writer. `source` gives the name, the place and
// the caret line; null: no source (the command line).
std::string formatDiagnostic(DiagnosticsFormat format, const Diagnostic& d, const SourceBuffer* source);

// Where diagnostics go.
class DiagnosticConsumer {
public:
    virtual ~DiagnosticConsumer() = default;
    // `source` is the source the diagnostic's offset points into, or null.
    virtual void consume(const Diagnostic& d, const SourceBuffer* source) = 0;
};

// Writes diagnostics to two console streams in one of the formats, each
// message flushed, standard output first so that a terminal keeps the order.
class ConsoleConsumer : public DiagnosticConsumer {
public:
    ConsoleConsumer(DiagnosticsFormat format, bool quiet, std::FILE* out = stdout, std::FILE* err = stderr)
        : format_(format), quiet_(quiet), out_(out), err_(err) {}
    void consume(const Diagnostic& d, const SourceBuffer* source) override;

private:
    DiagnosticsFormat format_;
    bool quiet_;
    std::FILE* out_;
    std::FILE* err_;
};

// Keeps the errors and warnings as data (an editor, the tests).
class CollectingConsumer : public DiagnosticConsumer {
public:
    void consume(const Diagnostic& d, const SourceBuffer*) override;
    std::vector<Diagnostic> diagnostics;
};

// What unwinds a refused run: the exit status it ends with.
struct Refusal {
    int status;
};

// The engine one run reports through: it hands each diagnostic to the
// consumer and, for an error, unwinds with a Refusal.
class DiagnosticEngine {
public:
    explicit DiagnosticEngine(DiagnosticConsumer& consumer, const SourceBuffer* source = nullptr)
        : consumer_(&consumer), source_(source) {}

    void setSource(const SourceBuffer* source) { source_ = source; }
    const SourceBuffer* source() const { return source_; }

    // Writes a note, progress or warning; the run goes on.
    void report(const Diagnostic& d);
    // Writes an error and unwinds.
    [[noreturn]] void refuse(const Diagnostic& d);
    [[noreturn]] void refuse(Diag id, std::initializer_list<std::string_view> args, std::size_t offset = NoOffset,
                             std::size_t length = 0, int classicLine = 0)
    {
        refuse(makeDiagnostic(id, args, offset, length, classicLine));
    }

private:
    DiagnosticConsumer* consumer_;
    const SourceBuffer* source_;
};

// A number as text, for the arguments of a report.
std::string str(long long value);

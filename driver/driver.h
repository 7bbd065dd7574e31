// The compiler driver: exit statuses, the one door for failures, and the
// source file: its name from the command line or the prompt, checked and opened.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

// Exit statuses of the whole compiler.
enum ExitStatus {
    ExitSuccess = 0,
    ExitUsage = 1,         // wrong argument count, output file not writable
    ExitFileName = 2,      // bad extension, source not openable, name too long
    ExitPeriods = 3,       // more than one period in the file name
    ExitSourceError = 4,   // syntax or semantic error, height over 5 lines
    ExitTooLarge = 99      // the form outgrows 1024 by 768 pixels
};

// The longest source file name, ".fms" included when it is appended.
constexpr std::size_t FileNameMax = 40;

// The source file name without its extension; the writer appends ".vb" in place,
// so there is room for the longest name, the suffix and the NUL. (In a
// namespace: the C library declares a function of that name.)
namespace kavel {
extern char basename[FileNameMax + 5];
}

// One code per kind of refusal, KV and four digits in the messages of the gnu
// and msvc formats: 00xx the command line and files, 01xx the scanner, 02xx
// the syntax, 03xx the checks of the actions, 04xx the layout, 05xx the output.
enum ErrorCode {
    ErrUsage = 1,            // no source, or more than one
    ErrOption = 2,           // an unknown option, or one without its value
    ErrExtension = 3,        // a period but neither ".fms" nor ".txt"
    ErrPeriods = 4,          // more than one period in the file name
    ErrNameTooLong = 5,      // a name of more than 40 characters
    ErrCannotOpen = 6,       // the source cannot be opened
    ErrCannotRead = 7,       // the source fails while it is read
    ErrStrayCharacter = 101, // a character that cannot begin a token
    ErrLongWord = 102,
    ErrLongNumber = 103,
    ErrBigNumber = 104,
    ErrLongText = 105,
    ErrOpenText = 106,       // a quoted text not closed on its line
    ErrTableFull = 107,      // the symbol table has no room left
    ErrNotPreinstalled = 108,
    ErrUnexpected = 201,     // the look-ahead token does not fit the grammar
    ErrNeedsText = 301,      // caption or label given a number
    ErrNeedsNumber = 302,    // height given a quoted text
    ErrRedeclared = 303,
    ErrClassMember = 304,    // a name the generated class has already
    ErrNamespace = 305,      // a name that hides a namespace
    ErrLabelName = 306,      // a name that a generated label takes
    ErrCaptionLength = 307,
    ErrInterval = 308,
    ErrScrollRange = 309,    // max below min
    ErrScrollValue = 310,    // value outside min and max
    ErrFramework = 311,      // a VB6 list box on .NET Core
    ErrHeight = 401,         // more than 5 lines
    ErrTooLarge = 402,       // beyond 1024 by 768 pixels
    ErrOutputOpen = 501,
    ErrOutputWrite = 502
};

// The exit status that ends a run refused with the code.
int exitStatusOf(ErrorCode code);

// A byte that continues a UTF-8 character: it takes no column of its own.
inline bool continuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// How refusals are written: classic (the compiler's own messages on their own
// streams), gnu (FILE:LINE:COL: error: TEXT, the source line and a caret) or
// msvc (FILE(LINE,COL): error KVnnnn: TEXT), both on standard error.
enum class DiagnosticsFormat { Classic, Gnu, Msvc };

// The target of the generated form, $(TargetFrameworkIdentifier) of MSBuild.
enum class Framework { NetFramework, NetCoreApp };

// What the command line asked for.
struct Options {
    bool given = false;          // any option (or "--"): the relaxed file-name rules
    bool help = false;
    bool version = false;
    bool quiet = false;
    DiagnosticsFormat format = DiagnosticsFormat::Classic;
    Framework framework = Framework::NetFramework;
    bool strict = false;         // code for Option Strict On and warnings as errors
    std::string output;          // -o FILE; empty: beside the source
    std::vector<std::string> sources;
    std::string error;           // why the command line is refused; empty: it is not
    ErrorCode errorCode = ErrOption;   // and the code of that refusal
};

// Reads the command-line words after the program name. Options may stand
// before or after the source; "--" ends them. A run without any option word
// keeps `given` false, and the classic rules hold for it.
Options parseOptions(int argc, char** argv);

// The options of this run; the defaults until main has read the command line.
extern Options options;

// Refuses the command line with its error: in classic form the error and the
// synopsis on standard error; status 1.
[[noreturn]] void refuseCommandLine(const Options& o);
// The usage text of -h and --help, and the version line, on standard output.
void writeHelp();
void writeVersion();

// Where in the source a token stands: 1-based line and column (a tab or a
// UTF-8 character counts one column). Line 0: no place. Column 0: the end of
// the line, found from the line's text when the message is written.
struct SourcePlace {
    int line = 0;
    int column = 0;
};

// A token as the messages name it: its place and its text as written.
struct TokenMark {
    SourcePlace place;
    std::string text;
};

// What the messages of gnu and msvc need to know about the run: the source as
// named and, for a source held in memory, its text; the terminal matched last
// (the token an action checks); and the control being placed (or the
// "section" keyword), which a layout refusal names.
struct DiagnosticContext {
    std::string sourceName;
    std::string_view memory;
    bool inMemory = false;
    TokenMark matched;
    TokenMark placing;
    bool placingSection = false;
};
extern DiagnosticContext diagnosticContext;

// The line of the source with the given number, without its line end (empty
// when it cannot be read).
std::string sourceLineText(int line);

// One message as the format writes it, with its line ends: the pure part of
// the door, for the tests. `lineText` is the source line for gnu's caret.
std::string formatDiagnostic(DiagnosticsFormat format, ErrorCode code, const std::string& text,
                             SourcePlace place, const std::string& sourceName,
                             const std::string& lineText);

// The console banner: code page 437 box bytes, or their UTF-8 box-drawing
// characters on a terminal whose locale (LC_ALL, else LC_CTYPE, else LANG;
// the first that is set and not empty) names UTF-8.
std::string bannerText(bool terminal, const char* lcAll, const char* lcCtype, const char* lang);
// Writes the banner for this process's standard output and environment.
void writeBanner();

// Ends the run with the given status after flushing both console streams.
// Nothing ever returns from here. Tests and the fuzzer may install a handler
// that unwinds instead of ending the process; the handler must not return.
[[noreturn]] void quit(int status);
using QuitHandler = void (*)(int status);
void setQuitHandler(QuitHandler handler);

// Sets the global state of a run (the symbol table, the form model and the
// actions' current node) back to its start, without the banner, so that one
// process can compile source after source: the tests, the fuzzer and the
// benchmarks. `handler` becomes the quit handler (none: quit ends the process).
void resetCompiler(QuitHandler handler = nullptr);

// A source error: in classic form "<classic> on line <line>" and a line end on
// standard output, in the others `text` at `place`; then status 4.
[[noreturn]] void sourceError(ErrorCode code, const char* classic, int line, const std::string& text,
                              SourcePlace place);

// Writes a message and a line end to the given console stream (stdout or
// stderr) and flushes it; standard output is flushed first, so that on a
// terminal the two streams keep their order.
void say(std::FILE* stream, const char* message);

// The one door for a refusal. Classic: `classic` and a line end on the given
// console stream (as `say`). Gnu and msvc: `text` in their form on standard
// error, at `place` when it has one. Then `quit` with the code's status.
[[noreturn]] void fail(ErrorCode code, std::FILE* stream, const char* classic, const std::string& text,
                       SourcePlace place = {});

// Refuses a source file name longer than FileNameMax: message, exit 2.
[[noreturn]] void fileNameTooLong(const char* name);

// Where the .vb goes: the -o file, or the source's path with ".vb" in place of
// its extension; set when the source is checked.
extern std::string outputPath;

// Checks the source file name, appending ".fms" to a name without a period,
// fills `basename`, or quits with the file-name message and status.
void checkFileName(char* filename);
// The same rules for a path of any length, as with options: they apply to
// its last component only. Appends ".fms" to a name without a period and
// returns the path without its extension, or quits.
std::string checkSourcePath(std::string& path);

class SourceText;

// Takes the source file name from the command line (no word: the prompt;
// more than one: the usage message), checks it, warns when the existence
// probe fails, and opens it into `source`; quits on any failure.
void openSource(int argc, char** argv, SourceText& source);

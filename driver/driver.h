// The compiler driver: exit statuses, the one door for failures, and the
// source file: its name from the command line or the prompt, checked and opened.
#pragma once

#include <cstddef>
#include <cstdio>

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

// Writes "<message> on line <line>" and a line end to standard output and
// quits with status 4: the form every source error takes.
[[noreturn]] void sourceError(const char* message, int line);

// Writes a message and a line end to the given console stream (stdout or
// stderr) and flushes it; standard output is flushed first, so that on a
// terminal the two streams keep their order.
void say(std::FILE* stream, const char* message);

// The one door for a refusal: the message and a line end on the given console
// stream (as `say`), then `quit` with the status.
[[noreturn]] void fail(std::FILE* stream, int status, const char* message);

// Refuses a source file name longer than FileNameMax: message, exit 2.
[[noreturn]] void fileNameTooLong();

// Checks the source file name, appending ".fms" to a name without a period,
// fills `basename`, or quits with the file-name message and status.
void checkFileName(char* filename);

class SourceText;

// Takes the source file name from the command line (no word: the prompt;
// more than one: the usage message), checks it, warns when the existence
// probe fails, and opens it into `source`; quits on any failure.
void openSource(int argc, char** argv, SourceText& source);

// The compiler as a library and as a command: one Compilation owns a run
// (its options, diagnostics, symbol table and form), and the driver around
// it reads the command line, finds and reads the source, and writes what
// the compilation made.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "base/base.h"
#include "codegen/codegen.h"
#include "form/form.h"

// ---------------------------------------------------------------------------
// The library.

// What a compilation gives back.
struct CompileResult {
    int status = 0;                        // 0, or the exit status of the refusal
    std::vector<Diagnostic> diagnostics;   // its errors and warnings, in order
    std::string vb;                        // the class text; empty when refused
    std::unique_ptr<Form> form;            // the laid-out form; null when refused
};

// One run of the compiler over one source, with nothing shared with any
// other: compilations may run one after the other or side by side.
class Compilation {
public:
    // Diagnostics go to `consumer` as they arise, and are kept in the result.
    Compilation(const SourceBuffer& source, const CompileOptions& options, DiagnosticConsumer& consumer);
    ~Compilation();
    Compilation(const Compilation&) = delete;
    Compilation& operator=(const Compilation&) = delete;

    // Parses, lays out and writes the class; runs once.
    CompileResult run();

private:
    struct State;
    std::unique_ptr<State> state_;
};

// Compiles a source held in memory, its diagnostics only collected.
CompileResult compile(const SourceBuffer& source, const CompileOptions& options = {});
// The same, with the diagnostics also handed to `consumer` as they arise.
CompileResult compile(const SourceBuffer& source, const CompileOptions& options, DiagnosticConsumer& consumer);

// ---------------------------------------------------------------------------
// The command.

// What the command line asked for.
struct Options {
    bool given = false;          // any option (or "--"): the relaxed file-name rules
    bool help = false;
    bool version = false;
    bool quiet = false;
    DiagnosticsFormat format = DiagnosticsFormat::Classic;
    CompileOptions compile;
    bool emitVb = true;          // what to write: --emit=vb,json,svg
    bool emitJson = false;
    bool emitSvg = false;
    std::string output;          // -o FILE; empty: beside the source
    bool lsp = false;            // --lsp: serve the Language Server Protocol on the standard streams
    bool formatSource = false;   // --format: the source in its canonical layout on standard output
    bool formatCheck = false;    // --check (with --format): status 1 when it is not in that layout
    std::vector<std::string> sources;
    // Why the command line is refused: no refusal while `refused` is false.
    bool refused = false;
    Diag refusal = Diag::UnknownOption;
    std::vector<std::string> refusalArgs;
};

// Reads the command-line words after the program name. Options may stand
// before or after the source; "--" ends them. A run without any option word
// keeps `given` false, and the classic rules hold for it.
Options parseOptions(int argc, char** argv);

// The usage text of -h and --help, and the version line, on standard output.
void writeHelp();
void writeVersion();

// The console banner: code page 437 box bytes, or their UTF-8 box-drawing
// characters on a terminal whose locale (LC_ALL, else LC_CTYPE, else LANG;
// the first that is set and not empty) names UTF-8.
std::string bannerText(bool terminal, const char* lcAll, const char* lcCtype, const char* lang);
void writeBanner();

// The file-name rules: a name without a period gets ".fms"; otherwise it
// must hold ".fms" or ".txt" and exactly one period. They look at the name
// from `nameStart` on (0 under the classic rules, where folders count too;
// the last part of the path with options). Appends ".fms" where due and
// returns the path without its extension, or refuses through `engine`.
std::string checkSourceName(std::string& path, std::size_t nameStart, DiagnosticEngine& engine);
// Where the last part of a path starts.
std::size_t nameStartOf(const std::string& path);

// The whole command: returns the exit status. Only main ends the process.
int runCommand(int argc, char** argv);

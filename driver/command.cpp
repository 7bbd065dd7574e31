// The command: reads the command line, finds and reads the source, compiles
// it and writes what it asked for beside it. Refusals unwind to
// runCommand, which gives the exit status to main.
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "driver/driver.h"
#include "platform/platform.h"

namespace {

bool isBlank(int c) { return std::strchr(" \t\n\v\f\r", c) != nullptr; }

// The prompt: asks for the source's name and reads one whitespace-delimited
// word from standard input; no word before the end of input is a usage
// error. A word longer than the limit (the classic rules) is refused as soon
// as it is seen, so the read stops whatever the length of what was typed.
std::string promptForSource(std::size_t limit, DiagnosticEngine& engine)
{
    std::fputs("Enter file name: ", stdout);
    std::fflush(stdout);
    int c;
    do
        c = std::getchar();
    while (c != EOF && isBlank(c));
    std::string word;
    while (c != EOF && !isBlank(c)) {
        if (word.size() == limit) {
            std::fputc('\n', stdout);   // the prompt's line end
            engine.refuse(Diag::NameTooLong, {word, str(limits::FileName)});
        }
        word += static_cast<char>(c);
        c = std::getchar();
    }
    std::fputc('\n', stdout);
    std::fflush(stdout);
    if (word.empty())
        engine.refuse(Diag::NoSource, {});
    return word;
}

// The source's path from the command line or the prompt, checked by the
// file-name rules; returns the path without its extension.
std::string sourcePath(int argc, char** argv, const Options& o, std::string& path, DiagnosticEngine& engine)
{
    if (o.given) {
        path = o.sources.empty() ? promptForSource(std::string::npos, engine) : o.sources[0];
        return checkSourceName(path, nameStartOf(path), engine);
    }
    if (argc == 1)
        path = promptForSource(limits::FileName, engine);
    else if (argc == 2)
        path = argv[1];
    else
        engine.refuse(Diag::NoSource, {});
    // The classic rules: the whole word is the name, at most 40 characters
    // with the ".fms" that a name without a period gets.
    if (path.size() + (path.find('.') == std::string::npos ? 4 : 0) > limits::FileName)
        engine.refuse(Diag::NameTooLong, {path, str(limits::FileName)});
    return checkSourceName(path, 0, engine);
}

// Reads the checked source, with the existence probe's warning first.
SourceBuffer readSource(const std::string& path, DiagnosticEngine& engine)
{
    if (!platform::probe(path.c_str()))
        engine.report(makeDiagnostic(Diag::NotFound, {path}));
    errno = 0;
    platform::FileContents contents;
    switch (platform::readFile(path.c_str(), contents)) {
    case platform::ReadOutcome::Read:
        break;
    case platform::ReadOutcome::CannotOpen: {
        std::string why;
        if (platform::isFolder(path.c_str()))
            why = ": it is a folder";
        else if (errno != 0)
            why = std::string(": ") + std::strerror(errno);
        engine.refuse(Diag::CannotOpen, {path, why});
    }
    case platform::ReadOutcome::CannotRead:
        engine.refuse(Diag::CannotRead, {path});
    }
    const std::string_view text(contents.data, contents.size);
    return SourceBuffer(path, text, contents.keep,
                        [contents](std::size_t offset) { platform::releaseBefore(contents, offset); });
}

// Writes one output file whole, replacing the one there only once complete.
void writeOutput(const std::string& path, const std::string& text, DiagnosticEngine& engine)
{
    switch (platform::replaceFile(path.c_str(), text.data(), text.size())) {
    case platform::WriteOutcome::Written:
        return;
    case platform::WriteOutcome::CannotCreate:
        engine.refuse(Diag::OutputOpen, {path});
    case platform::WriteOutcome::CannotWrite:
        engine.refuse(Diag::OutputWrite, {path});
    }
}

// Where the description goes: beside the class, as NAME.json.
std::string jsonPath(const std::string& base, const std::string& output)
{
    if (output.empty())
        return base + ".json";
    const bool vbSuffix = output.size() > 3 && output.compare(output.size() - 3, 3, ".vb") == 0;
    return (vbSuffix ? output.substr(0, output.size() - 3) : output) + ".json";
}

}  // namespace

int runCommand(int argc, char** argv)
{
    const Options o = parseOptions(argc, argv);
    if (!o.quiet && !o.help && !o.version)
        writeBanner();
    ConsoleConsumer console(o.format, o.quiet);
    DiagnosticEngine engine(console);
    try {
        if (o.refused)
            engine.refuse(makeDiagnostic(o.refusal, o.refusalArgs));
        if (o.help) {
            writeHelp();
            return 0;
        }
        if (o.version) {
            writeVersion();
            return 0;
        }
        std::string path;
        const std::string base = sourcePath(argc, argv, o, path, engine);
        const SourceBuffer source = readSource(path, engine);
        const CompileResult result = compile(source, o.compile, console);
        if (result.status != 0)
            return result.status;
        if (o.emitVb)
            writeOutput(o.output.empty() ? base + ".vb" : o.output, result.vb, engine);
        if (o.emitJson)
            writeOutput(jsonPath(base, o.output), describeForm(*result.form, source, WriterOptions{o.compile.strict, o.compile.framework}), engine);
    } catch (const Refusal& refusal) {
        return refusal.status;
    }
    if (!o.quiet)
        std::fputs("Compilation successful.\n\n", stdout);
    return 0;
}


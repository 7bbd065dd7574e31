// The command line: options before or after the source, "--" ends them.
#include <cstring>

#include "driver/driver.h"
#include "platform/platform.h"

namespace {

bool startsWith(const std::string& word, const char* prefix)
{
    return word.compare(0, std::strlen(prefix), prefix) == 0;
}

// Reads the list of --emit: what to write, each kind at most once.
bool readEmit(const std::string& value, Options& o)
{
    o.emitVb = o.emitJson = o.emitSvg = false;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = value.find(',', start);
        const std::string kind = value.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        if (kind == "vb")
            o.emitVb = true;
        else if (kind == "json")
            o.emitJson = true;
        else if (kind == "svg")
            o.emitSvg = true;
        else
            return false;
        if (comma == std::string::npos)
            return true;
        start = comma + 1;
    }
}

}  // namespace

Options parseOptions(int argc, char** argv)
{
    Options o;
    auto refuse = [&o](Diag why, std::vector<std::string> args) {
        if (o.refused)
            return;
        o.refused = true;
        o.refusal = why;
        o.refusalArgs = std::move(args);
    };
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const std::string word = argv[i];
        if (optionsEnded || word.size() < 2 || word[0] != '-') {
            o.sources.push_back(word);
            continue;
        }
        o.given = true;
        if (word == "--") {
            optionsEnded = true;
        } else if (word == "-h" || word == "--help") {
            o.help = true;
        } else if (word == "--version") {
            o.version = true;
        } else if (word == "--strict") {
            o.compile.strict = true;
        } else if (word == "--lsp") {
            o.lsp = true;
        } else if (word == "--format") {
            o.formatSource = true;
        } else if (word == "--check") {
            o.formatCheck = true;
        } else if (word == "-q" || word == "--quiet") {
            o.quiet = true;
        } else if (word == "-o" || word == "--output") {
            if (i + 1 == argc)
                refuse(Diag::OptionNeedsFile, {word});
            else
                o.output = argv[++i];
        } else if (startsWith(word, "--output=")) {
            o.output = word.substr(9);
            if (o.output.empty())
                refuse(Diag::OptionNeedsFile, {"--output"});
        } else if (startsWith(word, "-o")) {
            o.output = word.substr(2);
        } else if (startsWith(word, "--diagnostics=")) {
            const std::string value = word.substr(14);
            if (value == "classic")
                o.format = DiagnosticsFormat::Classic;
            else if (value == "gnu")
                o.format = DiagnosticsFormat::Gnu;
            else if (value == "msvc")
                o.format = DiagnosticsFormat::Msvc;
            else
                refuse(Diag::OptionBadValue, {"--diagnostics", "classic, gnu or msvc", value});
        } else if (word == "--diagnostics") {
            refuse(Diag::OptionNeedsValue, {"--diagnostics", "--diagnostics=classic, gnu or msvc"});
        } else if (startsWith(word, "--framework=")) {
            const std::string value = word.substr(12);
            if (value == ".NETFramework")
                o.compile.framework = Framework::NetFramework;
            else if (value == ".NETCoreApp")
                o.compile.framework = Framework::NetCoreApp;
            else
                refuse(Diag::OptionBadValue, {"--framework", ".NETFramework or .NETCoreApp", value});
        } else if (word == "--framework") {
            refuse(Diag::OptionNeedsValue, {"--framework", "--framework=.NETFramework or .NETCoreApp"});
        } else if (startsWith(word, "--emit=")) {
            const std::string value = word.substr(7);
            if (!readEmit(value, o))
                refuse(Diag::OptionBadValue, {"--emit", "a list of vb, json and svg", value});
        } else if (word == "--emit") {
            refuse(Diag::OptionNeedsValue, {"--emit", "--emit=vb,json,svg"});
        } else if (platform::probe(word.c_str()) && !platform::isFolder(word.c_str())) {
            // A source whose name begins with a dash: say how to give it.
            refuse(Diag::UnknownOptionIsFile, {word});
        } else {
            refuse(Diag::UnknownOption, {word});
        }
    }
    if (o.formatCheck && !o.formatSource)
        refuse(Diag::OptionOnlyWith, {"--check", "--format"});
    if (!o.refused && o.given && o.sources.size() > 1)
        refuse(Diag::TwoSources, {o.sources[0], o.sources[1]});
    return o;
}

void writeHelp()
{
    std::fputs(
        "Usage: kavel [options] [source]\n"
        "Compiles a form description (source.fms, source.txt, or source without a\n"
        "period, read as source.fms) into a Visual Basic .NET form class (source.vb).\n"
        "Without a source, asks for its name.\n"
        "\n"
        "Options (before or after the source; -- ends them):\n"
        "  -o FILE, --output FILE   write the class to FILE instead of beside the source\n"
        "  -q, --quiet              no banner, no progress line, no success message\n"
        "  --diagnostics=FORMAT     how errors are written: classic (default), gnu\n"
        "                           (FILE:LINE:COL: error: TEXT, the line and a caret)\n"
        "                           or msvc (FILE(LINE,COL): error KVnnnn: TEXT)\n"
        "  --framework=ID           the $(TargetFrameworkIdentifier) of the project:\n"
        "                           .NETFramework (default) or .NETCoreApp, which has\n"
        "                           no drive, directory or file list boxes\n"
        "  --strict                 code that compiles under Option Strict On with\n"
        "                           warnings as errors\n"
        "  --emit=KINDS             what to write, a comma-separated list: vb (the\n"
        "                           class, the default), json (a description of the\n"
        "                           laid-out form, beside the class as NAME.json),\n"
        "                           svg (a picture of the form as Windows shows it,\n"
        "                           beside the class as NAME.svg)\n"
        "  --format                 write the source in its canonical layout to\n"
        "                           standard output instead of compiling it\n"
        "  --check                  with --format: write nothing, exit with status 1\n"
        "                           when the source is not in its canonical layout\n"
        "  --lsp                    serve the Language Server Protocol on standard\n"
        "                           input and output, for editors\n"
        "  -h, --help               this text\n"
        "  --version                the version\n"
        "With any option, the source may be any path; its file name keeps the rules.\n"
        "\n"
        "Exit status: 0 compiled; 1 command line or output file; 2 source name or\n"
        "source file; 3 more than one period in the file name; 4 error in the source;\n"
        "99 the form is larger than 1024 by 768 pixels. With --format: 0 formatted\n"
        "(or in its layout with --check); 1 not in its layout; 2 the file cannot be\n"
        "read; 4 the source does not parse as a whole form (written as it is).\n",
        stdout);
}

void writeVersion() { std::fputs("kavel " KAVEL_VERSION "\n", stdout); }

// The command line: options before or after the source, "--" ends them.
#include <cstring>

#include "driver/driver.h"

Options options;

namespace {

bool startsWith(const std::string& word, const char* prefix)
{
    return word.compare(0, std::strlen(prefix), prefix) == 0;
}

}  // namespace

Options parseOptions(int argc, char** argv)
{
    Options o;
    auto refuse = [&o](const std::string& why) {
        if (o.error.empty())
            o.error = why;
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
            o.strict = true;
        } else if (word == "-q" || word == "--quiet") {
            o.quiet = true;
        } else if (word == "-o" || word == "--output") {
            if (i + 1 == argc)
                refuse("option '" + word + "' needs a file name");
            else
                o.output = argv[++i];
        } else if (startsWith(word, "--output=")) {
            o.output = word.substr(9);
            if (o.output.empty())
                refuse("option '--output' needs a file name");
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
                refuse("option '--diagnostics' takes classic, gnu or msvc, not '" + value + "'");
        } else if (word == "--diagnostics") {
            refuse("option '--diagnostics' needs a value: --diagnostics=classic, gnu or msvc");
        } else if (startsWith(word, "--framework=")) {
            const std::string value = word.substr(12);
            if (value == ".NETFramework")
                o.framework = Framework::NetFramework;
            else if (value == ".NETCoreApp")
                o.framework = Framework::NetCoreApp;
            else
                refuse("option '--framework' takes .NETFramework or .NETCoreApp, not '" + value + "'");
        } else if (word == "--framework") {
            refuse("option '--framework' needs a value: --framework=.NETFramework or .NETCoreApp");
        } else {
            refuse("unknown option '" + word + "'");
        }
    }
    if (o.error.empty() && o.given && o.sources.size() > 1)
    {
        o.error = "more than one source: '" + o.sources[0] + "' and '" + o.sources[1] + "'";
        o.errorCode = ErrUsage;
    }
    return o;
}

void refuseCommandLine(const Options& o)
{
    const std::string classic =
        "kavel: " + o.error + "\nUsage: kavel [options] [source]\nTry 'kavel --help' for more information.";
    fail(o.errorCode, stderr, classic.c_str(), o.error);
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
        "  -h, --help               this text\n"
        "  --version                the version\n"
        "With any option, the source may be any path; its file name keeps the rules.\n"
        "\n"
        "Exit status: 0 compiled; 1 command line or output file; 2 source name or\n"
        "source file; 3 more than one period in the file name; 4 error in the source;\n"
        "99 the form is larger than 1024 by 768 pixels.\n",
        stdout);
}

void writeVersion() { std::fputs("kavel " KAVEL_VERSION "\n", stdout); }

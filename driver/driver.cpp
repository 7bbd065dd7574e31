#include "driver/driver.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "platform/platform.h"
#include "scanner/scanner.h"

char kavel::basename[FileNameMax + 5];
std::string outputPath;

namespace {
QuitHandler quitHandler = nullptr;
}

void setQuitHandler(QuitHandler handler) { quitHandler = handler; }

void quit(int status)
{
    std::fflush(stdout);
    std::fflush(stderr);
    if (quitHandler != nullptr)
        quitHandler(status);
    std::exit(status);
}

void say(std::FILE* stream, const char* message)
{
    if (stream != stdout)
        std::fflush(stdout);
    std::fputs(message, stream);
    std::fputc('\n', stream);
    std::fflush(stream);
}

void fileNameTooLong(const char* name)
{
    fail(ErrNameTooLong, stderr, "File name longer than 40 characters is not legal",
         std::string(1, '\'').append(name).append("' is longer than 40 characters"));
}

namespace {

[[noreturn]] void badExtension(const std::string& name)
{
    fail(ErrExtension, stderr, "Usage: kavel *.fms",
         "'" + name + "' is not a source file: the name must end in .fms or .txt, or have no period");
}

[[noreturn]] void tooManyPeriods(const std::string& name)
{
    fail(ErrPeriods, stderr, "Multiple periods in file name is not legal",
         "'" + name + "' has more than one period in its file name");
}

}  // namespace

void checkFileName(char* filename)
{
    const char* period = std::strchr(filename, '.');
    std::size_t length = std::strlen(filename);
    if (period == nullptr)
        length += 4;
    if (length > FileNameMax)
        fileNameTooLong(filename);
    if (period == nullptr) {
        std::strcpy(kavel::basename, filename);
        std::strcat(filename, ".fms");
        return;
    }
    const char* extension = std::strstr(filename, ".fms");
    if (extension == nullptr)
        extension = std::strstr(filename, ".txt");
    if (extension == nullptr)
        badExtension(filename);
    int periods = 0;
    for (const char* c = filename; *c != '\0'; ++c)
        periods += *c == '.';
    if (periods != 1)
        tooManyPeriods(filename);
    std::strcpy(kavel::basename, filename);
    kavel::basename[extension - filename] = '\0';
}

std::string checkSourcePath(std::string& path)
{
    const std::size_t slash = path.find_last_of(platform::pathSeparators);
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    const std::string name = path.substr(nameStart);
    const std::size_t period = name.find('.');
    if (period == std::string::npos) {
        std::string base = path;
        path += ".fms";
        return base;
    }
    std::size_t extension = name.find(".fms");
    if (extension == std::string::npos)
        extension = name.find(".txt");
    if (extension == std::string::npos)
        badExtension(path);
    if (name.find('.', period + 1) != std::string::npos)
        tooManyPeriods(path);
    return path.substr(0, nameStart + extension);
}

namespace {

[[noreturn]] void usage()
{
    fail(ErrUsage, stdout, "Usage: Kavel [filename]", "no source file given");
}

bool isBlank(int c) { return std::strchr(" \t\n\v\f\r", c) != nullptr; }

// The prompt: asks for the source's name and reads one whitespace-delimited
// word from standard input; no word before the end of input is a usage
// error. A word longer than the limit (the classic rules) is refused as soon
// as it is seen, so the read stops whatever the length of what was typed.
std::string promptForSource(std::size_t limit)
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
            fileNameTooLong(word.c_str());
        }
        word += static_cast<char>(c);
        c = std::getchar();
    }
    std::fputc('\n', stdout);
    std::fflush(stdout);
    if (word.empty())
        usage();
    return word;
}

// Opens the checked source, with the existence probe's warning in classic
// form; quits when it cannot be opened.
void openChecked(const char* filename, SourceText& source)
{
    const std::string name = filename;
    const bool classic = options.format == DiagnosticsFormat::Classic;
    if (classic && !platform::probe(filename))
        say(stdout, ("Cannot find " + name).c_str());
    errno = 0;
    if (!source.openFile(filename)) {
        std::string why;
        if (platform::isFolder(filename))
            why = ": it is a folder";
        else if (errno != 0)
            why = std::string(": ") + std::strerror(errno);
        fail(ErrCannotOpen, stdout, ("Cannot open " + name).c_str(), "cannot open '" + name + "'" + why);
    }
    diagnosticContext.sourceName = name;
    diagnosticContext.inMemory = false;
}

// With options: a path of any length; the file-name rules on its last part.
void openWithOptions(SourceText& source)
{
    std::string path = options.sources.empty() ? promptForSource(std::string::npos) : options.sources[0];
    const std::string base = checkSourcePath(path);
    outputPath = options.output.empty() ? base + ".vb" : options.output;
    openChecked(path.c_str(), source);
}

}  // namespace

void openSource(int argc, char** argv, SourceText& source)
{
    if (options.given) {
        openWithOptions(source);
        return;
    }
    // Room for the longest name and ".fms", which the check may append.
    char filename[FileNameMax + 5];
    if (argc == 1) {
        std::strcpy(filename, promptForSource(FileNameMax).c_str());
    } else if (argc == 2) {
        if (std::strlen(argv[1]) > FileNameMax)
            fileNameTooLong(argv[1]);
        std::strcpy(filename, argv[1]);
    } else {
        usage();
    }
    checkFileName(filename);
    outputPath = std::string(kavel::basename) + ".vb";
    openChecked(filename, source);
}

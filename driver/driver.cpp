#include "driver/driver.h"

#include <cstdlib>
#include <cstring>

#include "platform/platform.h"
#include "scanner/scanner.h"

char kavel::basename[FileNameMax + 5];

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

void fail(std::FILE* stream, int status, const char* message)
{
    say(stream, message);
    quit(status);
}

void fileNameTooLong()
{
    fail(stderr, ExitFileName, "File name longer than 40 characters is not legal");
}

void sourceError(const char* message, int line)
{
    char text[256];
    std::snprintf(text, sizeof text, "%s on line %d", message, line);
    fail(stdout, ExitSourceError, text);
}

void checkFileName(char* filename)
{
    const char* period = std::strchr(filename, '.');
    std::size_t length = std::strlen(filename);
    if (period == nullptr)
        length += 4;
    if (length > FileNameMax)
        fileNameTooLong();
    if (period == nullptr) {
        std::strcpy(kavel::basename, filename);
        std::strcat(filename, ".fms");
        return;
    }
    const char* extension = std::strstr(filename, ".fms");
    if (extension == nullptr)
        extension = std::strstr(filename, ".txt");
    if (extension == nullptr)
        fail(stderr, ExitFileName, "Usage: kavel *.fms");
    int periods = 0;
    for (const char* c = filename; *c != '\0'; ++c)
        periods += *c == '.';
    if (periods != 1)
        fail(stderr, ExitPeriods, "Multiple periods in file name is not legal");
    std::strcpy(kavel::basename, filename);
    kavel::basename[extension - filename] = '\0';
}

namespace {

// Reads one whitespace-delimited word from standard input into a buffer of
// FileNameMax + 1 bytes. A word that does not fit is refused at once, so the
// read stops whatever the length of what was typed. False at end of input
// before any word.
bool readFileName(char* filename)
{
    int c;
    do
        c = std::getchar();
    while (c != EOF && std::strchr(" \t\n\v\f\r", c) != nullptr);
    if (c == EOF)
        return false;
    std::size_t length = 0;
    while (c != EOF && std::strchr(" \t\n\v\f\r", c) == nullptr) {
        if (length == FileNameMax) {
            std::fputc('\n', stdout);   // the prompt's line end
            fileNameTooLong();
        }
        filename[length++] = static_cast<char>(c);
        c = std::getchar();
    }
    filename[length] = '\0';
    return true;
}

[[noreturn]] void usage() { fail(stdout, ExitUsage, "Usage: Kavel [filename]"); }

// The existence probe: a warning only, the open that follows decides.
bool fileExists(const char* name) { return platform::probe(name); }

}  // namespace

void openSource(int argc, char** argv, SourceText& source)
{
    // Room for the longest name and ".fms", which the check may append.
    char filename[FileNameMax + 5];
    if (argc == 1) {
        std::fputs("Enter file name: ", stdout);
        std::fflush(stdout);
        bool gotWord = readFileName(filename);
        std::fputc('\n', stdout);
        std::fflush(stdout);
        if (!gotWord)
            usage();
    } else if (argc == 2) {
        if (std::strlen(argv[1]) > FileNameMax)
            fileNameTooLong();
        std::strcpy(filename, argv[1]);
    } else {
        usage();
    }
    checkFileName(filename);
    char message[FileNameMax + 32];
    if (!fileExists(filename)) {
        std::snprintf(message, sizeof message, "Cannot find %s", filename);
        say(stdout, message);
    }
    if (!source.openFile(filename)) {
        std::snprintf(message, sizeof message, "Cannot open %s", filename);
        fail(stdout, ExitFileName, message);
    }
}

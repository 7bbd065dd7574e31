#include "driver/driver.h"

#include <cstdlib>
#include <cstring>

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
    say(stderr, "File name longer than 40 characters is not legal");
    quit(ExitFileName);
}

void sourceError(const char* message, int line)
{
    std::printf("%s on line %d\n", message, line);
    quit(ExitSourceError);
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
    if (extension == nullptr) {
        say(stderr, "Usage: kavel *.fms");
        quit(ExitFileName);
    }
    int periods = 0;
    for (const char* c = filename; *c != '\0'; ++c)
        periods += *c == '.';
    if (periods != 1) {
        say(stderr, "Multiple periods in file name is not legal");
        quit(ExitPeriods);
    }
    std::strcpy(kavel::basename, filename);
    kavel::basename[extension - filename] = '\0';
}

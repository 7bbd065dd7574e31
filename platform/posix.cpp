// The platform layer on POSIX systems.
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/platform.h"

namespace platform {

const char pathSeparators[] = "/";

FileHandle openForReading(const char* path)
{
    int fd = ::open(path, O_RDONLY);
    if (fd < 0)
        return NoFile;
    struct stat st;
    if (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
        ::close(fd);
        return NoFile;
    }
    return fd;
}

bool isFolder(const char* path)
{
    struct stat st;
    return ::stat(path, &st) == 0 && S_ISDIR(st.st_mode);
}

bool stdoutIsTerminal() { return ::isatty(STDOUT_FILENO) == 1; }

long long readSome(FileHandle file, char* buffer, std::size_t size)
{
    for (;;) {
        ssize_t got = ::read(static_cast<int>(file), buffer, size);
        if (got >= 0 || errno != EINTR)
            return got;
    }
}

void closeFile(FileHandle file)
{
    if (file != NoFile)
        ::close(static_cast<int>(file));
}

bool probe(const char* path)
{
    std::FILE* file = std::fopen(path, "r");
    if (file == nullptr)
        return false;
    std::fclose(file);
    return true;
}

namespace {

// The mode a newly created file would get, or the mode of the file replaced.
mode_t outputMode(const char* path)
{
    struct stat st;
    if (::stat(path, &st) == 0 && S_ISREG(st.st_mode))
        return st.st_mode & 07777;
    mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

}  // namespace

WriteOutcome replaceFile(const char* path, const char* text, std::size_t size)
{
    if (isFolder(path))
        return WriteOutcome::CannotCreate;
    std::string temporary = std::string(path) + ".XXXXXX";
    int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        return WriteOutcome::CannotCreate;
    ::fchmod(fd, outputMode(path));
    while (size > 0) {
        ssize_t written = ::write(fd, text, size);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            ::close(fd);
            ::unlink(temporary.c_str());
            return WriteOutcome::CannotWrite;
        }
        text += written;
        size -= static_cast<std::size_t>(written);
    }
    if (::close(fd) != 0) {
        ::unlink(temporary.c_str());
        return WriteOutcome::CannotWrite;
    }
    if (::rename(temporary.c_str(), path) != 0) {
        ::unlink(temporary.c_str());
        return WriteOutcome::CannotCreate;
    }
    return WriteOutcome::Written;
}

}  // namespace platform

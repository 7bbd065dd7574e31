// The platform layer on POSIX systems.
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <string>
#include <sys/mman.h>
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

FileHandle standardInput() { return STDIN_FILENO; }

void binaryStandardOutput() {}

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

namespace {

constexpr off_t MapThreshold = 1 << 16;

// Reads what is left of an open file into a string.
ReadOutcome readRest(int fd, FileContents& contents)
{
    auto text = std::make_shared<std::string>();
    char buffer[MapThreshold];
    for (;;) {
        const long long got = readSome(fd, buffer, sizeof buffer);
        if (got < 0)
            return ReadOutcome::CannotRead;
        if (got == 0)
            break;
        text->append(buffer, static_cast<std::size_t>(got));
    }
    contents.data = text->data();
    contents.size = text->size();
    contents.keep = std::move(text);
    return ReadOutcome::Read;
}

}  // namespace

ReadOutcome readFile(const char* path, FileContents& contents)
{
    const int fd = ::open(path, O_RDONLY);
    if (fd < 0)
        return ReadOutcome::CannotOpen;
    struct stat st;
    if (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
        ::close(fd);
        errno = EISDIR;
        return ReadOutcome::CannotOpen;
    }
    // A large regular file is mapped; anything else (a small or empty file,
    // a pipe, a file of the kernel whose size says nothing) is read, which
    // for a small file costs less than setting up a mapping.
    if (S_ISREG(st.st_mode) && st.st_size >= MapThreshold) {
        const std::size_t size = static_cast<std::size_t>(st.st_size);
        void* mapped = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0);
        if (mapped != MAP_FAILED) {
            ::close(fd);
            ::madvise(mapped, size, MADV_SEQUENTIAL);
            contents.data = static_cast<const char*>(mapped);
            contents.size = size;
            contents.keep = std::shared_ptr<const void>(mapped, [size](const void* p) {
                ::munmap(const_cast<void*>(p), size);
            });
            return ReadOutcome::Read;
        }
    }
    const ReadOutcome outcome = readRest(fd, contents);
    ::close(fd);
    return outcome;
}

void releaseBefore(const FileContents& contents, std::size_t offset)
{
    const std::size_t page = static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
    const std::size_t length = offset / page * page;
    if (length > 0 && contents.keep.get() == contents.data)
        ::madvise(const_cast<char*>(contents.data), length, MADV_DONTNEED);
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

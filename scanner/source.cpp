#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "scanner/scanner.h"

bool SourceText::openFile(const char* path)
{
    close();
    fd = ::open(path, O_RDONLY);
    if (fd < 0)
        return false;
    struct stat st;
    if (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
        close();
        return false;
    }
    memory = false;
    ended = failed = false;
    begin = cur = end = buffer + 1;
    return true;
}

void SourceText::openMemory(const char* data, std::size_t size)
{
    close();
    memory = true;
    ended = failed = false;
    begin = cur = data;
    end = data + size;
}

void SourceText::close()
{
    if (fd >= 0)
        ::close(fd);
    fd = -1;
}

bool SourceText::skipPast(char c)
{
    for (;;) {
        if (cur == end && !refill())
            return false;
        const void* found = std::memchr(cur, c, static_cast<std::size_t>(end - cur));
        if (found != nullptr) {
            cur = static_cast<const char*>(found) + 1;
            return true;
        }
        cur = end;
    }
}

// Refills the buffer, keeping the last character read in front of the new
// ones so that it can still be put back.
bool SourceText::refill()
{
    if (ended)
        return false;
    if (!memory && fd >= 0) {
        std::size_t keep = cur > begin ? 1 : 0;
        if (keep)
            buffer[0] = cur[-1];
        for (;;) {
            ssize_t got = ::read(fd, buffer + 1, BufferSize);
            if (got > 0) {
                begin = buffer + 1 - keep;
                cur = buffer + 1;
                end = buffer + 1 + got;
                return true;
            }
            if (got < 0 && errno == EINTR)
                continue;
            failed = got < 0;
            break;
        }
    }
    ended = true;
    return false;
}

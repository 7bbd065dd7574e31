#include <cstring>

#include "scanner/scanner.h"

bool SourceText::openFile(const char* path)
{
    close();
    file = platform::openForReading(path);
    if (file == platform::NoFile)
        return false;
    memory = false;
    ended = failed = drained = false;
    begin = cur = end = buffer + 1;
    return true;
}

void SourceText::openMemory(const char* data, std::size_t size)
{
    close();
    memory = true;
    ended = failed = drained = false;
    begin = cur = data;
    end = data + size;
}

void SourceText::close()
{
    platform::closeFile(file);
    file = platform::NoFile;
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

// Reads the next part of the file into the buffer, keeping the last character
// read in front of the new ones so that it can still be put back. Once the
// file is drained, reports the end.
bool SourceText::refill()
{
    if (ended)
        return false;
    if (!memory && !drained && file != platform::NoFile) {
        std::size_t keep = cur > begin ? 1 : 0;
        if (keep)
            buffer[0] = cur[-1];
        long long got = platform::readSome(file, buffer + 1, BufferSize);
        if (got > 0) {
            begin = buffer + 1 - keep;
            cur = buffer + 1;
            end = buffer + 1 + got;
            return true;
        }
        failed = got < 0;
    }
    ended = true;
    return false;
}

// A CR has just been read: with an LF directly after it, the two are one line
// end, '\n'; otherwise the CR stands. A CR that ends the buffer looks at the
// file's next part; the end of the file met there is reported by the next
// read, as if nothing had looked (so that the CR can still be put back).
char SourceText::afterCarriageReturn()
{
    if (cur == end) {
        if (memory || drained || file == platform::NoFile)
            return '\r';
        buffer[0] = '\r';
        long long got = platform::readSome(file, buffer + 1, BufferSize);
        if (got <= 0) {
            failed = got < 0;
            drained = true;
            return '\r';
        }
        begin = buffer;
        cur = buffer + 1;
        end = buffer + 1 + got;
    }
    if (*cur != '\n')
        return '\r';
    ++cur;
    return '\n';
}

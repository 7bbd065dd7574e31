// The platform layer on Windows.
//
// Names go to the "A" calls, which take them in the active code page: UTF-8
// under the manifest embedded in kavel.exe (platform/kavel.manifest). The
// console streams stay in the C runtime's default text mode, which writes
// each '\n' as CR LF; standard input in that mode drops the CR of a typed
// line end and takes Ctrl-Z as the end of what is typed, the console's own
// convention. Sources are read through the system's calls, never through the
// runtime's text mode, which would end a source at its first Ctrl-Z byte.
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <io.h>
#include <string>

#include "platform/platform.h"

namespace platform {

const char pathSeparators[] = "\\/:";

namespace {

HANDLE handleOf(FileHandle file) { return reinterpret_cast<HANDLE>(file); }

bool isFolder(DWORD attributes)
{
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// The C library's errno for the system's error of a failed open.
int errnoOf(DWORD error)
{
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
        return ENOENT;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return EACCES;
    case ERROR_FILENAME_EXCED_RANGE:
        return ENAMETOOLONG;
    case ERROR_TOO_MANY_OPEN_FILES:
        return EMFILE;
    default:
        return EIO;
    }
}

HANDLE openExisting(const char* path)
{
    return ::CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                         nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

}  // namespace

FileHandle openForReading(const char* path)
{
    if (isFolder(::GetFileAttributesA(path))) {
        errno = EISDIR;
        return NoFile;
    }
    HANDLE file = openExisting(path);
    if (file == INVALID_HANDLE_VALUE) {
        errno = errnoOf(::GetLastError());
        return NoFile;
    }
    return reinterpret_cast<FileHandle>(file);
}

bool isFolder(const char* path) { return isFolder(::GetFileAttributesA(path)); }

bool stdoutIsTerminal() { return ::_isatty(::_fileno(stdout)) != 0; }

FileHandle standardInput() { return reinterpret_cast<FileHandle>(::GetStdHandle(STD_INPUT_HANDLE)); }

void binaryStandardOutput()
{
    std::fflush(stdout);
    ::_setmode(::_fileno(stdout), _O_BINARY);
}

long long readSome(FileHandle file, char* buffer, std::size_t size)
{
    DWORD got = 0;
    if (::ReadFile(handleOf(file), buffer, static_cast<DWORD>(size), &got, nullptr))
        return got;
    // The writing end of a pipe has closed: the end of the input.
    return ::GetLastError() == ERROR_BROKEN_PIPE ? 0 : -1;
}

void closeFile(FileHandle file)
{
    if (file != NoFile)
        ::CloseHandle(handleOf(file));
}

ReadOutcome readFile(const char* path, FileContents& contents)
{
    const FileHandle file = openForReading(path);
    if (file == NoFile)
        return ReadOutcome::CannotOpen;
    auto text = std::make_shared<std::string>();
    char buffer[1 << 16];
    ReadOutcome outcome = ReadOutcome::Read;
    for (;;) {
        const long long got = readSome(file, buffer, sizeof buffer);
        if (got < 0)
            outcome = ReadOutcome::CannotRead;
        if (got <= 0)
            break;
        text->append(buffer, static_cast<std::size_t>(got));
    }
    closeFile(file);
    contents.data = text->data();
    contents.size = text->size();
    contents.keep = std::move(text);
    return outcome;
}

// The whole file is read into memory here: nothing to release.
void releaseBefore(const FileContents&, std::size_t) {}

// fopen with "r" opens a folder on POSIX, and the probe answers as it does
// there: a folder is found; the open that follows refuses it.
bool probe(const char* path)
{
    if (isFolder(::GetFileAttributesA(path)))
        return true;
    HANDLE file = openExisting(path);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    ::CloseHandle(file);
    return true;
}

namespace {

// Creates a new file beside `path` under a name no other file has; its name
// goes to `temporary`.
HANDLE createTemporary(const char* path, std::string& temporary)
{
    static const char digits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
    unsigned long long seed = ::GetTickCount64() * 2654435761ULL ^ ::GetCurrentProcessId();
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = path;
        temporary += '.';
        unsigned long long n = seed + static_cast<unsigned long long>(attempt) * 7919;
        for (int i = 0; i < 6; ++i, n /= 36)
            temporary += digits[n % 36];
        HANDLE file = ::CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE || ::GetLastError() != ERROR_FILE_EXISTS)
            return file;
    }
    return INVALID_HANDLE_VALUE;
}

bool writeAll(HANDLE file, const char* data, std::size_t size)
{
    while (size > 0) {
        DWORD chunk = size > (1u << 30) ? (1u << 30) : static_cast<DWORD>(size);
        DWORD written = 0;
        if (!::WriteFile(file, data, chunk, &written, nullptr) || written == 0)
            return false;
        data += written;
        size -= written;
    }
    return true;
}

WriteOutcome discard(const std::string& temporary, WriteOutcome outcome)
{
    ::SetFileAttributesA(temporary.c_str(), FILE_ATTRIBUTE_NORMAL);
    ::DeleteFileA(temporary.c_str());
    return outcome;
}

}  // namespace

WriteOutcome replaceFile(const char* path, const char* text, std::size_t size)
{
    DWORD attributes = ::GetFileAttributesA(path);
    if (isFolder(attributes))
        return WriteOutcome::CannotCreate;

    // The text as the runtime's text mode would write it: CR LF for '\n'.
    std::string lines;
    lines.reserve(size + size / 16);
    for (const char* c = text; c != text + size; ++c) {
        if (*c == '\n')
            lines += '\r';
        lines += *c;
    }

    std::string temporary;
    HANDLE file = createTemporary(path, temporary);
    if (file == INVALID_HANDLE_VALUE)
        return WriteOutcome::CannotCreate;
    bool written = writeAll(file, lines.data(), lines.size());
    if (!::CloseHandle(file) || !written)
        return discard(temporary, WriteOutcome::CannotWrite);

    // As rename on POSIX, which needs no write permission on the file it
    // replaces, a read-only file is replaced, and the new one is read-only in
    // turn. MoveFileEx refuses to replace a read-only file, so the attribute
    // is lifted for the move and put back if the move fails.
    bool readOnly = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
    if (readOnly) {
        ::SetFileAttributesA(temporary.c_str(), FILE_ATTRIBUTE_READONLY);
        ::SetFileAttributesA(path, attributes & ~static_cast<DWORD>(FILE_ATTRIBUTE_READONLY));
    }
    if (!::MoveFileExA(temporary.c_str(), path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        if (readOnly)
            ::SetFileAttributesA(path, attributes);
        return discard(temporary, WriteOutcome::CannotCreate);
    }
    return WriteOutcome::Written;
}

}  // namespace platform

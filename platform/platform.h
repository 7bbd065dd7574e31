// The platform layer: every file and console call that differs between POSIX
// systems and Windows. posix.cpp and windows.cpp implement it; the build picks
// one. Nothing else in the compiler names a system header of either.
//
// File names are narrow strings as the command line gives them: bytes on
// POSIX; on Windows, text in the active code page, which the executable's
// manifest sets to UTF-8 (Windows 10 1903 and later, and Wine), so a name
// such as "форма.fms" arrives and opens whole.
//
// Line ends: the compiler writes '\n' everywhere. The console streams are the
// C runtime's standard streams in text mode, which end each line with the
// platform's line end (CR LF on Windows); replaceFile does the same for the
// files it writes. Sources are read as bytes; the scanner takes a CR directly
// before an LF as part of the line end on every platform.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

namespace platform {

// The characters that end a folder in a path: "/" on POSIX; "\\", "/" and
// the drive's ":" on Windows.
extern const char pathSeparators[];

// A file opened for reading.
using FileHandle = std::intptr_t;
constexpr FileHandle NoFile = -1;

// Opens a file for reading as bytes: no line-end translation, and a Ctrl-Z
// byte is a byte like any other. NoFile when it cannot be opened, or is a
// folder; errno then tells why (ENOENT, EACCES, ...) on every platform.
FileHandle openForReading(const char* path);

// True when `path` names a folder.
bool isFolder(const char* path);

// Reads up to `size` bytes: the count read, 0 at the end, -1 on a failure.
long long readSome(FileHandle file, char* buffer, std::size_t size);

void closeFile(FileHandle file);

// A file's bytes, mapped into memory or read whole; `keep` holds them alive
// (a mapping is released with the last copy of it).
struct FileContents {
    const char* data = nullptr;
    std::size_t size = 0;
    std::shared_ptr<const void> keep;
};

enum class ReadOutcome {
    Read,
    CannotOpen,   // errno tells why; a folder does not open
    CannotRead    // it opened but failed before its end
};

// Reads a whole file as bytes, as openForReading opens it.
ReadOutcome readFile(const char* path, FileContents& contents);

// Tells the system that the bytes of `contents` before `offset` are not
// needed for now: a mapped file's pages may go, to be read again from the
// file should they be touched. Keeps memory flat over a large source.
void releaseBefore(const FileContents& contents, std::size_t offset);

// The existence probe: true for a file that can be opened for reading, and
// for a folder (which the C library's fopen opens for reading on POSIX).
bool probe(const char* path);

// A message channel over the standard streams (a language server): standard
// input as a handle for readSome, and standard output switched to bytes, so
// that a '\n' is written as it is (no CR LF on Windows).
FileHandle standardInput();
void binaryStandardOutput();

// True when standard output is a terminal (a console on Windows).
bool stdoutIsTerminal();

enum class WriteOutcome {
    Written,
    CannotCreate,   // a folder of that name, no temporary file, or no replacement
    CannotWrite     // the temporary file could not be written in full
};

// Writes `text` (lines ended by '\n') to `path`, each line end as the
// platform's: through a temporary file beside `path`, which replaces it only
// once complete, so on any failure an earlier file stays exactly as it was
// and no temporary file is left. The new file keeps the permissions of the
// one it replaces (its mode on POSIX, its read-only attribute on Windows);
// a new file gets the defaults (the mode 0666 less the umask on POSIX).
WriteOutcome replaceFile(const char* path, const char* text, std::size_t size);

}  // namespace platform

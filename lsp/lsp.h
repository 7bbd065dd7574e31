// The language server: kavel serves the Language Server Protocol (3.17) over
// standard input and output (`kavel --lsp`), and formats sources
// (`kavel --format`). As in other servers, the transport (the Content-Length
// framing of JSON-RPC messages) stands apart from the language: the reader
// and the framing know bytes, the server knows messages, and the language
// functions know sources. This header is the folder's one door; only the
// program's entry includes it.
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "driver/driver.h"

namespace lsp {

// ---------------------------------------------------------------------------
// The transport.

// Cuts the bytes that arrive into message bodies: a header of lines ended by
// CR LF (a lone LF is taken too), of which Content-Length is the one that
// counts, an empty line, then that many bytes.
class MessageReader {
public:
    // The largest body taken; a longer one is passed over as it arrives.
    static constexpr std::size_t MaxBody = std::size_t{16} << 20;
    // The longest header: more without its empty line is not a header.
    static constexpr std::size_t MaxHeader = 8192;

    enum class Status {
        Message,    // `body` holds the next body
        NeedMore,   // the bytes so far make no whole message
        BadHeader,  // a header without a valid Content-Length was passed over
        TooLarge,   // a body over MaxBody is being passed over
    };

    void feed(std::string_view bytes);
    Status next(std::string& body);

private:
    std::string buffer_;
    std::size_t start_ = 0;       // what is before it has been taken
    std::size_t skipping_ = 0;    // bytes of a too large body still to pass over
};

// A body with its header, ready to write.
std::string frame(std::string_view body);

// ---------------------------------------------------------------------------
// Positions: the protocol counts lines (ended by LF, CR LF or CR) and, in a
// line, UTF-16 code units. The text is UTF-8; a byte that begins no valid
// UTF-8 character counts as one unit of its own (as the U+FFFD that an
// editor shows for it).
struct Position {
    long long line = 0;
    long long character = 0;
};

class LineIndex {
public:
    explicit LineIndex(std::string_view text);

    std::size_t lineCount() const { return starts_.size(); }
    // The byte offset of a position: a character past the end of its line is
    // the line's end (as the protocol says); false for a line past the last
    // or a negative number. A position inside a character is its start.
    bool offsetOf(Position p, std::size_t& offset) const;
    // The same, clamped to the text: a line past the last is the text's end.
    std::size_t clampedOffsetOf(Position p) const;
    // The position of a byte offset (past the end: the end).
    Position positionOf(std::size_t offset) const;

private:
    std::size_t lineEnd(std::size_t line) const;   // before its line end

    std::string_view text_;
    std::vector<std::size_t> starts_;
};

// The length in bytes of the UTF-8 character at `text[i]` and its UTF-16
// units: 1 and 1 for a byte that begins no valid character.
struct CharacterSize {
    std::size_t bytes;
    int units;
};
CharacterSize characterAt(std::string_view text, std::size_t i);

// ---------------------------------------------------------------------------
// The language.

// One canonical layout of a source: keywords in lower case, one space
// between the words of a line and around '=', each block's contents
// indented by four spaces, one blank line before each section and none
// elsewhere, comments kept. Null when the source is left as it is: it does
// not parse, holds what the layout cannot carry, or would not compile to the
// same result.
std::optional<std::string> formatSource(std::string_view text);

// `kavel --format [--check] FILE`: the formatted text on standard output, or
// with --check exit status 1 (and the file's name on standard error) when
// the file is not in its canonical layout. Status 2 when the file cannot be
// read; a source that cannot be formatted is written (or checked) as it is.
int formatCommand(const Options& options);

// The server: each message body in, the messages to write out.
class Server {
public:
    Server();
    ~Server();
    Server(const Server&) = delete;
    Server& operator=(const Server&) = delete;

    // Handles one message body; returns the bodies to send, in order.
    std::vector<std::string> handle(std::string_view body);
    // What the transport makes of a header it could not read.
    std::vector<std::string> transportError(MessageReader::Status status);

    bool exited() const;
    // 0 after shutdown then exit; 1 after an exit without shutdown.
    int exitStatus() const;

private:
    struct State;
    std::unique_ptr<State> state_;
};

// `kavel --lsp`: serves on standard input and output until exit or the end
// of the input; returns the exit status.
int serve();

}  // namespace lsp

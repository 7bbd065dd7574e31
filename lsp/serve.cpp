// `kavel --lsp`: the server on standard input and output. One thread reads
// what arrives, hands each whole message to the server and writes its
// answers at once.
#include <cstdio>
#include <vector>

#include "lsp/lsp.h"
#include "platform/platform.h"

namespace lsp {

namespace {

bool write(const std::vector<std::string>& bodies)
{
    for (const std::string& body : bodies) {
        const std::string message = frame(body);
        if (std::fwrite(message.data(), 1, message.size(), stdout) != message.size())
            return false;
    }
    return std::fflush(stdout) == 0;
}

}  // namespace

int serve()
{
    platform::binaryStandardOutput();
    const platform::FileHandle in = platform::standardInput();
    Server server;
    MessageReader reader;
    std::vector<char> chunk(std::size_t{1} << 16);
    std::string body;
    for (;;) {
        for (;;) {
            const MessageReader::Status status = reader.next(body);
            if (status == MessageReader::Status::NeedMore)
                break;
            const bool written = write(status == MessageReader::Status::Message ? server.handle(body)
                                                                                : server.transportError(status));
            if (server.exited())
                return server.exitStatus();
            if (!written)
                return 1;   // the client has gone
            if (body.capacity() > (std::size_t{1} << 20))
                std::string().swap(body);   // a large document leaves no large buffer behind
        }
        const long long got = platform::readSome(in, chunk.data(), chunk.size());
        if (got <= 0)
            return 1;   // the input ended without an exit
        reader.feed(std::string_view(chunk.data(), static_cast<std::size_t>(got)));
    }
}

}  // namespace lsp

// libFuzzer target: the language server's message reader and the server
// behind it on arbitrary bytes, as kavel --lsp gets them on standard input.
// The first byte chooses: bit 0, an initialize and an open of a form come
// first (so that requests reach a document); bit 1, the rest is cut at each
// NUL into message bodies, each framed as it should be (so that bodies reach
// the JSON reader and the methods), else it is the raw stream, fed in pieces
// of 1 to 64 bytes (bits 2 to 7). Every run is a fresh server; nothing
// carries over.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "lsp/lsp.h"

namespace {

constexpr std::string_view initialize =
    R"({"jsonrpc":"2.0","id":0,"method":"initialize","params":{"capabilities":{"textDocument":{"completion":)"
    R"({"completionItem":{"snippetSupport":true}}}}}})";
constexpr std::string_view open =
    R"({"jsonrpc":"2.0","method":"textDocument/didOpen","params":{"textDocument":{"uri":"file:///f.fms",)"
    R"("languageId":"fms","version":1,"text":"form F\nlocation = top left\ncaption = \"Grüße 😀\"\n)"
    R"(organization = rows\nsection\ncommandbutton Ok\ncaption = \"OK\"\nend\nend\nend\n"}}})";

// Runs the server over the reader's messages; false once it has exited.
bool drain(lsp::MessageReader& reader, lsp::Server& server)
{
    std::string body;
    for (;;) {
        const lsp::MessageReader::Status status = reader.next(body);
        if (status == lsp::MessageReader::Status::NeedMore)
            return true;
        const auto out = status == lsp::MessageReader::Status::Message ? server.handle(body)
                                                                      : server.transportError(status);
        for (const std::string& message : out)
            (void)lsp::frame(message);
        if (server.exited())
            return false;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const unsigned choice = data[0];
    const std::string_view rest(reinterpret_cast<const char*>(data) + 1, size - 1);
    lsp::Server server;
    lsp::MessageReader reader;
    if ((choice & 1) != 0) {
        reader.feed(lsp::frame(initialize));
        reader.feed(lsp::frame(open));
        drain(reader, server);
    }
    if ((choice & 2) != 0) {
        std::size_t start = 0;
        for (;;) {
            const std::size_t nul = rest.find('\0', start);
            reader.feed(lsp::frame(rest.substr(start, nul == std::string_view::npos ? nul : nul - start)));
            if (!drain(reader, server) || nul == std::string_view::npos)
                break;
            start = nul + 1;
        }
        return 0;
    }
    const std::size_t piece = (choice >> 2) + 1;
    for (std::size_t at = 0; at < rest.size(); at += piece) {
        reader.feed(rest.substr(at, piece));
        if (!drain(reader, server))
            break;
    }
    return 0;
}

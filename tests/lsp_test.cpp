// The language server's transport (the Content-Length framing) and its
// position mapping (UTF-16 code units over UTF-8 text), and the server's
// answers to malformed messages.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lsp/lsp.h"
#include "parser/parser.h"

using lsp::LineIndex;
using lsp::MessageReader;
using lsp::Position;

namespace {

std::vector<std::string> readAll(MessageReader& reader, std::vector<MessageReader::Status>* statuses = nullptr)
{
    std::vector<std::string> bodies;
    std::string body;
    for (;;) {
        const MessageReader::Status s = reader.next(body);
        if (s == MessageReader::Status::NeedMore)
            return bodies;
        if (statuses != nullptr)
            statuses->push_back(s);
        if (s == MessageReader::Status::Message)
            bodies.push_back(body);
    }
}

}  // namespace

TEST(LspTransport, FramesAndReadsBack)
{
    EXPECT_EQ(lsp::frame("{}"), "Content-Length: 2\r\n\r\n{}");
    MessageReader reader;
    reader.feed(lsp::frame(R"({"a":1})") + lsp::frame("[]"));
    EXPECT_EQ(readAll(reader), (std::vector<std::string>{R"({"a":1})", "[]"}));
}

TEST(LspTransport, BytesArrivingOneByOne)
{
    const std::string stream = lsp::frame("hello") + "Content-Type: x\r\ncontent-length:  3 \r\n\r\nabc";
    MessageReader reader;
    std::vector<std::string> bodies;
    for (char c : stream) {
        reader.feed(std::string_view(&c, 1));
        for (std::string& b : readAll(reader))
            bodies.push_back(b);
    }
    EXPECT_EQ(bodies, (std::vector<std::string>{"hello", "abc"}));
}

TEST(LspTransport, BodyCountedInBytesNotCharacters)
{
    const std::string body = "\"é😀\"";   // 4 characters, 8 bytes
    MessageReader reader;
    reader.feed("Content-Length: 8\r\n\r\n" + body + "Content-Length: 1\r\n\r\nx");
    EXPECT_EQ(readAll(reader), (std::vector<std::string>{body, "x"}));
}

TEST(LspTransport, LineFeedHeadersAreTaken)
{
    MessageReader reader;
    reader.feed("Content-Length: 2\n\n{}");
    EXPECT_EQ(readAll(reader), (std::vector<std::string>{"{}"}));
}

TEST(LspTransport, HeaderWithoutLengthIsPassedOver)
{
    MessageReader reader;
    std::vector<MessageReader::Status> statuses;
    reader.feed("Content-Type: text\r\n\r\nContent-Length: x1\r\n\r\n" + lsp::frame("ok"));
    EXPECT_EQ(readAll(reader, &statuses), (std::vector<std::string>{"ok"}));
    EXPECT_EQ(statuses, (std::vector<MessageReader::Status>{MessageReader::Status::BadHeader,
                                                            MessageReader::Status::BadHeader,
                                                            MessageReader::Status::Message}));
}

TEST(LspTransport, EndlessHeaderIsPassedOver)
{
    MessageReader reader;
    std::vector<MessageReader::Status> statuses;
    reader.feed(std::string(MessageReader::MaxHeader + 10, 'x') + "\n");
    EXPECT_TRUE(readAll(reader, &statuses).empty());
    EXPECT_EQ(statuses, (std::vector<MessageReader::Status>{MessageReader::Status::BadHeader}));
    reader.feed(lsp::frame("after"));
    EXPECT_EQ(readAll(reader), (std::vector<std::string>{"after"}));
}

TEST(LspTransport, TooLargeBodyIsSkippedAsItArrives)
{
    MessageReader reader;
    std::vector<MessageReader::Status> statuses;
    const std::size_t length = MessageReader::MaxBody + 5;
    reader.feed("Content-Length: " + std::to_string(length) + "\r\n\r\n");
    EXPECT_TRUE(readAll(reader, &statuses).empty());
    EXPECT_EQ(statuses, (std::vector<MessageReader::Status>{MessageReader::Status::TooLarge}));
    // The body arrives in pieces; none of it is a message.
    const std::string piece(1 << 20, '{');
    std::size_t sent = 0;
    while (sent + piece.size() <= length) {
        reader.feed(piece);
        sent += piece.size();
        EXPECT_TRUE(readAll(reader).empty());
    }
    reader.feed(std::string(length - sent, '{') + lsp::frame("next"));
    EXPECT_EQ(readAll(reader), (std::vector<std::string>{"next"}));
}

TEST(LspPositions, AsciiLinesAndLineEnds)
{
    const std::string text = "ab\r\ncd\ref\ngh";
    const LineIndex lines(text);
    EXPECT_EQ(lines.lineCount(), 4u);
    std::size_t offset = 99;
    ASSERT_TRUE(lines.offsetOf({1, 1}, offset));
    EXPECT_EQ(offset, 5u);   // 'd'
    ASSERT_TRUE(lines.offsetOf({2, 0}, offset));
    EXPECT_EQ(offset, 7u);   // 'e', after a lone CR
    ASSERT_TRUE(lines.offsetOf({3, 2}, offset));
    EXPECT_EQ(offset, 12u);  // the end
    // Past the end of its line: the line's end, before CR LF.
    ASSERT_TRUE(lines.offsetOf({0, 40}, offset));
    EXPECT_EQ(offset, 2u);
    EXPECT_FALSE(lines.offsetOf({4, 0}, offset));
    EXPECT_FALSE(lines.offsetOf({-1, 0}, offset));
    EXPECT_FALSE(lines.offsetOf({0, -1}, offset));
    EXPECT_EQ(lines.clampedOffsetOf({9, 9}), text.size());
    const Position p = lines.positionOf(5);
    EXPECT_EQ(p.line, 1);
    EXPECT_EQ(p.character, 1);
    // Between CR and LF: the end of the line.
    EXPECT_EQ(lines.positionOf(3).line, 0);
    EXPECT_EQ(lines.positionOf(3).character, 2);
    EXPECT_EQ(lines.positionOf(100).line, 3);
    EXPECT_EQ(lines.positionOf(100).character, 2);
}

TEST(LspPositions, Utf16CodeUnits)
{
    // x, é (2 bytes, 1 unit), 😀 (4 bytes, 2 units), y.
    const std::string text = "x\xC3\xA9\xF0\x9F\x98\x80y\n";
    const LineIndex lines(text);
    std::size_t offset = 0;
    ASSERT_TRUE(lines.offsetOf({0, 2}, offset));
    EXPECT_EQ(offset, 3u);   // the emoji
    ASSERT_TRUE(lines.offsetOf({0, 4}, offset));
    EXPECT_EQ(offset, 7u);   // y
    // Between the two units of the surrogate pair: the character's start.
    ASSERT_TRUE(lines.offsetOf({0, 3}, offset));
    EXPECT_EQ(offset, 3u);
    EXPECT_EQ(lines.positionOf(7).character, 4);
    EXPECT_EQ(lines.positionOf(3).character, 2);
    // Inside the emoji's bytes: its start.
    EXPECT_EQ(lines.positionOf(5).character, 2);
}

TEST(LspPositions, InvalidUtf8CountsOneUnitPerByte)
{
    // A lone continuation byte, an overlong '/', a truncated sequence, a
    // surrogate encoded in UTF-8, then 'z'.
    const std::string text = "\x80\xC0\xAF\xE2\x82\xED\xA0\x80z";
    const LineIndex lines(text);
    std::size_t offset = 0;
    ASSERT_TRUE(lines.offsetOf({0, 8}, offset));
    EXPECT_EQ(offset, 8u);
    EXPECT_EQ(lines.positionOf(9).character, 9);
    EXPECT_EQ(lsp::characterAt(text, 0).bytes, 1u);
    EXPECT_EQ(lsp::characterAt(text, 3).bytes, 1u);
    EXPECT_EQ(lsp::characterAt(std::string("\xF4\x90\x80\x80"), 0).bytes, 1u);   // past U+10FFFF
    EXPECT_EQ(lsp::characterAt(std::string("\xF4\x8F\xBF\xBF"), 0).units, 2);    // U+10FFFF
}

TEST(LspServer, MalformedMessagesGetErrors)
{
    lsp::Server server;
    auto one = [&](std::string_view body) {
        const auto out = server.handle(body);
        return out.size() == 1 ? out[0] : std::string("(") + std::to_string(out.size()) + " messages)";
    };
    EXPECT_NE(one("{bad").find("\"code\":-32700"), std::string::npos);
    EXPECT_NE(one("[]").find("\"code\":-32600"), std::string::npos);
    EXPECT_NE(one(R"({"jsonrpc":"2.0","id":{},"method":"x"})").find("\"code\":-32600"), std::string::npos);
    EXPECT_NE(one(R"({"jsonrpc":"2.0","id":1,"method":"textDocument/hover"})").find("\"code\":-32002"),
              std::string::npos);
    EXPECT_NE(one(R"({"jsonrpc":"2.0","id":2,"method":"initialize","params":{}})").find("\"capabilities\""),
              std::string::npos);
    EXPECT_NE(one(R"({"jsonrpc":"2.0","id":3,"method":"nothing"})").find("\"code\":-32601"), std::string::npos);
    // A notification is never answered, even a malformed one.
    EXPECT_TRUE(server.handle(R"({"jsonrpc":"2.0","method":"textDocument/didChange","params":5})").empty());
    EXPECT_TRUE(server.handle(R"({"jsonrpc":"2.0","method":"nothing"})").empty());
    const auto opened = server.handle(R"({"jsonrpc":"2.0","method":"textDocument/didOpen","params":)"
                                      R"({"textDocument":{"uri":"u","version":1,"text":"form x\n"}}})");
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_NE(opened[0].find("KV0201"), std::string::npos);
    EXPECT_NE(one(R"({"jsonrpc":"2.0","id":4,"method":"textDocument/hover","params":)"
                  R"({"textDocument":{"uri":"u"},"position":{"line":2,"character":0}}})")
                  .find("\"code\":-32602"),
              std::string::npos);
    EXPECT_NE(one(R"({"jsonrpc":"2.0","id":5,"method":"textDocument/hover","params":)"
                  R"({"textDocument":{"uri":"u"},"position":{"line":1,"character":0}}})")
                  .find("\"result\":null"),
              std::string::npos);
    EXPECT_FALSE(server.exited());
    EXPECT_TRUE(server.handle(R"({"jsonrpc":"2.0","method":"exit"})").empty());
    EXPECT_TRUE(server.exited());
    EXPECT_EQ(server.exitStatus(), 1);   // no shutdown came first
}

TEST(LspFormat, CanonicalLayoutAndBrokenSources)
{
    const std::string messy = "FORM Tiny\r\nLocation=Top Left\r\ncaption= \"a = b\" ' kept\r\n\r\n"
                              "organization = Rows\r\nSection\r\ntimer T\r\ninterval = 1\r\nend\r\nend\r\nend";
    const auto formatted = lsp::formatSource(messy);
    ASSERT_TRUE(formatted.has_value());
    EXPECT_EQ(*formatted, "form Tiny\r\n    location = top left\r\n    caption = \"a = b\" ' kept\r\n"
                          "    organization = rows\r\n\r\n    section\r\n        timer T\r\n"
                          "            interval = 1\r\n        end\r\n    end\r\nend\r\n");
    EXPECT_EQ(lsp::formatSource(*formatted), formatted);
    EXPECT_FALSE(lsp::formatSource("form x\nlocation =\n").has_value());
    EXPECT_FALSE(lsp::formatSource(std::string("form\0x", 6)).has_value());
}

// The parser's syntax probe, which completion stands on: the tokens the
// table takes where a prefix of a form ends, and no action run on the way.
TEST(SyntaxProbe, TokensAcceptedWhereThePrefixEnds)
{
    auto accepted = [](std::string_view text) {
        const SyntaxProbe probe = probeSyntax(SourceBuffer("p.fms", text));
        EXPECT_TRUE(probe.endReached) << text;
        return probe.accepted;
    };
    EXPECT_EQ(accepted(""), (std::vector<int>{KwForm}));
    EXPECT_EQ(accepted("form x"), (std::vector<int>{TokNewline}));
    // After the header's line end: more line ends, or 'location' (in the
    // order of the token codes).
    EXPECT_EQ(accepted("form x\n"), (std::vector<int>{TokNewline, KwLocation}));
    EXPECT_EQ(accepted("form x\nlocation ="), (std::vector<int>{KwBottom, KwMiddle, KwTop}));
    EXPECT_EQ(accepted("form x\nlocation = top"), (std::vector<int>{KwCenter, KwLeft, KwRight}));
    // Inside a section, after a control's end: more line ends, another control
    // or the section's end.
    const std::vector<int> controls = accepted(
        "form x\nlocation = top left\ncaption = \"c\"\norganization = rows\nsection\ntimer t\ninterval = 1\nend\n");
    EXPECT_EQ(controls, (std::vector<int>{KwCheckBox, KwCommandButton, KwComboBox, KwDirListBox, KwDriveListBox, KwEnd,
                                          TokNewline, KwFileListBox, KwFrame, KwListBox, KwScrollBar, KwTextBox,
                                          KwTimer}));
    // A check the actions would refuse (an interval of 0) does not stop it.
    EXPECT_EQ(accepted("form x\nlocation = top left\ncaption = \"c\"\norganization = rows\nsection\ntimer t\n"
                       "interval = 0\n"),
              (std::vector<int>{KwEnd, TokNewline}));
}

TEST(SyntaxProbe, CompleteFormsAndWhereOthersStop)
{
    const SyntaxProbe whole = probeSyntax(SourceBuffer(
        "p.fms", "form x\nlocation = top left\ncaption = \"c\"\norganization = rows\nsection\ntimer t\n"
                 "interval = 1\nend\nend\nend\n"));
    EXPECT_TRUE(whole.complete);
    EXPECT_FALSE(whole.endReached);
    const SyntaxProbe broken = probeSyntax(SourceBuffer("p.fms", "form x\nlocation = top top\n"));
    EXPECT_FALSE(broken.complete);
    EXPECT_FALSE(broken.endReached);
    EXPECT_EQ(broken.stopOffset, 22u);   // the second 'top'
}

TEST(LspServer, AnOpenWithoutTextOpensNothing)
{
    lsp::Server server;
    server.handle(R"({"jsonrpc":"2.0","id":1,"method":"initialize","params":{}})");
    EXPECT_TRUE(server.handle(R"({"jsonrpc":"2.0","method":"textDocument/didOpen","params":{"textDocument":{"uri":"u"}}})")
                    .empty());
    const auto out = server.handle(R"({"jsonrpc":"2.0","id":2,"method":"textDocument/hover","params":)"
                                   R"({"textDocument":{"uri":"u"},"position":{"line":0,"character":0}}})");
    ASSERT_EQ(out.size(), 1u);
    EXPECT_NE(out[0].find("\"code\":-32602"), std::string::npos) << out[0];
}

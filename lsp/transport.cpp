// The transport: message bodies cut out of a byte stream by their
// Content-Length header, and the protocol's positions over UTF-8 text.
#include <algorithm>
#include <cctype>

#include "lsp/lsp.h"

namespace lsp {

void MessageReader::feed(std::string_view bytes)
{
    if (skipping_ > 0) {
        const std::size_t passed = std::min(skipping_, bytes.size());
        skipping_ -= passed;
        bytes.remove_prefix(passed);
    }
    // What was taken goes before new bytes come, so the buffer holds at most
    // one message and what follows it.
    if (start_ > 0) {
        buffer_.erase(0, start_);
        start_ = 0;
    }
    buffer_.append(bytes);
}

namespace {

bool sameWord(std::string_view a, std::string_view b)
{
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

std::string_view trim(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

// The value of a Content-Length header: digits only, at most MaxBody * 16;
// false for anything else.
bool readLength(std::string_view value, std::size_t& length)
{
    value = trim(value);
    if (value.empty() || value.size() > 12)
        return false;
    length = 0;
    for (char c : value) {
        if (c < '0' || c > '9')
            return false;
        length = length * 10 + static_cast<std::size_t>(c - '0');
    }
    return true;
}

}  // namespace

MessageReader::Status MessageReader::next(std::string& body)
{
    if (skipping_ > 0)
        return Status::NeedMore;
    const std::string_view rest = std::string_view(buffer_).substr(start_);
    // The header ends at an empty line.
    std::size_t headerEnd = std::string_view::npos, bodyStart = 0;
    for (std::size_t i = 0; i < rest.size(); ++i) {
        if (rest[i] != '\n')
            continue;
        if (i + 1 < rest.size() && rest[i + 1] == '\n') {
            headerEnd = i;
            bodyStart = i + 2;
            break;
        }
        if (i + 2 < rest.size() && rest[i + 1] == '\r' && rest[i + 2] == '\n') {
            headerEnd = i;
            bodyStart = i + 3;
            break;
        }
        if (i > MaxHeader)
            break;
    }
    if (headerEnd == std::string_view::npos) {
        if (rest.size() <= MaxHeader)
            return Status::NeedMore;
        // No header: what came is passed over, up to its last line end.
        const std::size_t lastLine = rest.rfind('\n');
        start_ += lastLine == std::string_view::npos ? rest.size() : lastLine + 1;
        return Status::BadHeader;
    }
    // Blank lines before a header (a client that ends a body with a line end)
    // are passed over.
    std::string_view header = rest.substr(0, headerEnd);
    bool haveLength = false, badLength = false;
    std::size_t length = 0;
    while (!header.empty()) {
        const std::size_t end = header.find('\n');
        const std::string_view line = header.substr(0, end);
        header = end == std::string_view::npos ? std::string_view() : header.substr(end + 1);
        const std::size_t colon = line.find(':');
        if (colon == std::string_view::npos)
            continue;
        if (sameWord(trim(line.substr(0, colon)), "Content-Length")) {
            std::size_t value = 0;
            if (haveLength || !readLength(line.substr(colon + 1), value))
                badLength = true;
            haveLength = true;
            length = value;
        }
    }
    if (!haveLength || badLength) {
        start_ += bodyStart;
        return Status::BadHeader;
    }
    if (length > MaxBody) {
        const std::size_t here = rest.size() - bodyStart;
        if (here >= length) {
            start_ += bodyStart + length;
        } else {
            start_ += rest.size();
            skipping_ = length - here;
        }
        return Status::TooLarge;
    }
    if (rest.size() - bodyStart < length) {
        buffer_.reserve(start_ + bodyStart + length);
        return Status::NeedMore;
    }
    body.assign(rest.substr(bodyStart, length));
    start_ += bodyStart + length;
    if (start_ == buffer_.size()) {
        buffer_.clear();
        start_ = 0;
        // A large message leaves no large buffer behind.
        if (buffer_.capacity() > (std::size_t{1} << 20))
            std::string().swap(buffer_);
    }
    return Status::Message;
}

std::string frame(std::string_view body)
{
    std::string out = "Content-Length: " + std::to_string(body.size()) + "\r\n\r\n";
    out.append(body);
    return out;
}

// ---------------------------------------------------------------------------

CharacterSize characterAt(std::string_view text, std::size_t i)
{
    const auto b = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char c = b(i);
    std::size_t need;
    char32_t value;
    if (c < 0x80)
        return {1, 1};
    if (c >= 0xC2 && c <= 0xDF) {
        need = 1;
        value = c & 0x1F;
    } else if (c >= 0xE0 && c <= 0xEF) {
        need = 2;
        value = c & 0x0F;
    } else if (c >= 0xF0 && c <= 0xF4) {
        need = 3;
        value = c & 0x07;
    } else {
        return {1, 1};
    }
    if (i + need >= text.size())
        return {1, 1};
    for (std::size_t k = 1; k <= need; ++k) {
        if ((b(i + k) & 0xC0) != 0x80)
            return {1, 1};
        value = (value << 6) | (b(i + k) & 0x3F);
    }
    // Overlong forms, surrogates and values past U+10FFFF begin no character.
    if ((need == 2 && value < 0x800) || (need == 3 && value < 0x10000) || value > 0x10FFFF ||
        (value >= 0xD800 && value <= 0xDFFF))
        return {1, 1};
    return {need + 1, need == 3 ? 2 : 1};
}

LineIndex::LineIndex(std::string_view text) : text_(text)
{
    starts_.push_back(0);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n') {
            starts_.push_back(i + 1);
        } else if (text[i] == '\r') {
            if (i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            starts_.push_back(i + 1);
        }
    }
}

std::size_t LineIndex::lineEnd(std::size_t line) const
{
    if (line + 1 >= starts_.size())
        return text_.size();
    std::size_t end = starts_[line + 1] - 1;   // the LF or the lone CR
    if (text_[end] == '\n' && end > starts_[line] && text_[end - 1] == '\r')
        --end;
    return end;
}

bool LineIndex::offsetOf(Position p, std::size_t& offset) const
{
    if (p.line < 0 || p.character < 0 || static_cast<unsigned long long>(p.line) >= starts_.size())
        return false;
    const auto line = static_cast<std::size_t>(p.line);
    const std::size_t end = lineEnd(line);
    std::size_t i = starts_[line];
    long long units = 0;
    while (i < end) {
        const CharacterSize c = characterAt(text_, i);
        if (units + c.units > p.character)
            break;
        units += c.units;
        i += c.bytes;
    }
    offset = std::min(i, end);
    return true;
}

std::size_t LineIndex::clampedOffsetOf(Position p) const
{
    if (p.line < 0)
        return 0;
    if (static_cast<unsigned long long>(p.line) >= starts_.size())
        return text_.size();
    std::size_t offset = 0;
    offsetOf(Position{p.line, std::max(p.character, 0LL)}, offset);
    return offset;
}

Position LineIndex::positionOf(std::size_t offset) const
{
    offset = std::min(offset, text_.size());
    const auto after = std::upper_bound(starts_.begin(), starts_.end(), offset);
    const auto line = static_cast<std::size_t>(after - starts_.begin()) - 1;
    // An offset inside a line end (between CR and LF) stands at the line's end.
    const std::size_t end = std::min(offset, lineEnd(line));
    long long units = 0;
    for (std::size_t i = starts_[line]; i < end;) {
        const CharacterSize c = characterAt(text_, i);
        if (i + c.bytes > end)
            break;
        units += c.units;
        i += c.bytes;
    }
    return Position{static_cast<long long>(line), units};
}

}  // namespace lsp

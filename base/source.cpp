// The source buffer and its places.
#include <algorithm>
#include <cstring>

#include "base/base.h"

SourceBuffer::SourceBuffer(std::string name, std::string_view text) : name_(std::move(name))
{
    auto copy = std::make_shared<std::string>(text);
    text_ = *copy;
    keep_ = std::move(copy);
}

SourceBuffer::SourceBuffer(std::string name, std::string_view text, std::shared_ptr<const void> keep,
                           std::function<void(std::size_t)> release)
    : name_(std::move(name)), text_(text), keep_(std::move(keep)), release_(std::move(release))
{
}

void SourceBuffer::indexLines() const
{
    if (!lineStarts_.empty())
        return;
    lineStarts_.push_back(0);
    const char* p = begin();
    while (const void* found = std::memchr(p, '\n', static_cast<std::size_t>(end() - p))) {
        p = static_cast<const char*>(found) + 1;
        lineStarts_.push_back(static_cast<std::size_t>(p - begin()));
    }
}

int SourceBuffer::lineOf(std::size_t offset) const
{
    indexLines();
    offset = std::min(offset, size());
    // The last line start at or before the offset.
    auto after = std::upper_bound(lineStarts_.begin(), lineStarts_.end(), offset);
    return static_cast<int>(after - lineStarts_.begin());
}

std::size_t SourceBuffer::lineStart(int line) const
{
    indexLines();
    if (line < 1 || static_cast<std::size_t>(line) > lineStarts_.size())
        return size();
    return lineStarts_[static_cast<std::size_t>(line) - 1];
}

SourcePlace SourceBuffer::placeOf(std::size_t offset) const
{
    if (offset == NoOffset)
        return {};
    offset = std::min(offset, size());
    const int line = lineOf(offset);
    int column = 1;
    for (const char* p = begin() + lineStart(line); p < begin() + offset; ++p)
        column += !continuationByte(*p);
    return {line, column};
}

std::string SourceBuffer::lineText(int line) const
{
    indexLines();
    if (line < 1 || static_cast<std::size_t>(line) > lineStarts_.size())
        return {};
    const std::size_t start = lineStart(line);
    std::string_view rest = text_.substr(start);
    std::string_view lineView = rest.substr(0, std::min(rest.find('\n'), rest.size()));
    // The scanner stops at a NUL; so does the line shown.
    lineView = lineView.substr(0, std::min(lineView.find('\0'), lineView.size()));
    if (!lineView.empty() && lineView.back() == '\r')
        lineView.remove_suffix(1);
    return std::string(lineView);
}

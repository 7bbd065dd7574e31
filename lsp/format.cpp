// The formatter: one canonical layout of a source that parses, checked to
// compile to exactly what the source compiles to; and `kavel --format`.
#include <cstdio>
#include <cstring>

#include "lsp/language.h"
#include "lsp/lsp.h"
#include "parser/parser.h"
#include "platform/platform.h"

namespace lsp {

namespace {

constexpr std::size_t Indent = 4;

std::string_view trimEnd(std::string_view s)
{
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r' || s.back() == '\v' ||
                          s.back() == '\f'))
        s.remove_suffix(1);
    return s;
}

// The same run: status, class text and the diagnostics' kinds and texts
// (their places move with the layout; the classic texts name lines).
bool sameResult(const CompileResult& a, const CompileResult& b)
{
    if (a.status != b.status || a.vb != b.vb || a.diagnostics.size() != b.diagnostics.size())
        return false;
    for (std::size_t i = 0; i < a.diagnostics.size(); ++i)
        if (a.diagnostics[i].id != b.diagnostics[i].id || a.diagnostics[i].text != b.diagnostics[i].text)
            return false;
    return true;
}

}  // namespace

std::optional<std::string> formatSource(std::string_view text)
{
    // The scanner stops at a NUL: what follows it is not the source's.
    if (text.find('\0') != std::string_view::npos)
        return std::nullopt;
    const SourceBuffer source("format.fms", text);
    if (!probeSyntax(source).complete)
        return std::nullopt;

    const std::vector<SourceLine> lines = splitLines(text);
    const std::size_t firstLf = text.find('\n');
    const char* lineEnd = firstLf != std::string_view::npos && firstLf > 0 && text[firstLf - 1] == '\r' ? "\r\n" : "\n";

    std::vector<std::string> out;
    std::vector<bool> commentOnly;
    int depth = 0;
    bool formEnded = false;
    for (const SourceLine& line : lines) {
        if (line.openText)
            return std::nullopt;
        const std::string_view comment =
            line.comment == NoOffset ? std::string_view()
                                     : trimEnd(text.substr(line.comment, line.end - line.comment));
        if (line.words.empty()) {
            if (!comment.empty()) {
                out.push_back(std::string(static_cast<std::size_t>(depth) * Indent, ' ').append(comment));
                commentOnly.push_back(true);
            }
            continue;
        }
        // After the form's last 'end' only comments may stand.
        if (formEnded)
            return std::nullopt;
        const Word& first = line.words.front();
        if (first.keyword == KwEnd)
            --depth;
        if (depth < 0)
            return std::nullopt;
        if (first.keyword == KwSection) {
            // One blank line before a section, above the comments that lead into it.
            std::size_t at = out.size();
            while (at > 0 && commentOnly[at - 1])
                --at;
            if (at > 0) {
                out.insert(out.begin() + static_cast<std::ptrdiff_t>(at), std::string());
                commentOnly.insert(commentOnly.begin() + static_cast<std::ptrdiff_t>(at), false);
            }
        }
        std::string written(static_cast<std::size_t>(depth) * Indent, ' ');
        for (std::size_t i = 0; i < line.words.size(); ++i) {
            const Word& w = line.words[i];
            if (w.kind == Word::Other)
                return std::nullopt;
            if (i > 0)
                written += ' ';
            written += w.keyword >= 0 ? std::string_view(w.folded) : text.substr(w.offset, w.length);
        }
        if (!comment.empty())
            written.append(" ").append(comment);
        out.push_back(std::move(written));
        commentOnly.push_back(false);
        if (first.keyword == KwEnd && depth == 0) {
            if (line.words.size() > 1)
                return std::nullopt;
            formEnded = true;
        } else if (first.keyword >= 0 && opensBlock(first.keyword)) {
            ++depth;
        }
    }
    if (!formEnded)
        return std::nullopt;

    std::string formatted;
    formatted.reserve(text.size() + text.size() / 2);
    for (const std::string& l : out)
        formatted.append(l).append(lineEnd);
    if (formatted != text) {
        const CompileResult before = compile(source);
        const CompileResult after = compile(SourceBuffer("format.fms", formatted));
        if (!sameResult(before, after))
            return std::nullopt;
    }
    return formatted;
}

int formatCommand(const Options& o)
{
    if (o.sources.size() != 1) {
        std::fputs("kavel: --format needs one source file\n", stderr);
        return 1;
    }
    const std::string& path = o.sources[0];
    platform::FileContents contents;
    if (platform::readFile(path.c_str(), contents) != platform::ReadOutcome::Read) {
        std::fprintf(stderr, "kavel: cannot read '%s'\n", path.c_str());
        return 2;
    }
    const std::string_view text(contents.data, contents.size);
    const std::optional<std::string> formatted = formatSource(text);
    if (o.formatCheck) {
        if (!formatted) {
            std::fprintf(stderr, "%s: cannot be formatted: it does not parse as a whole form\n", path.c_str());
            return 4;
        }
        if (*formatted != text) {
            std::fprintf(stderr, "%s: not formatted\n", path.c_str());
            return 1;
        }
        return 0;
    }
    // The bytes as they are: no line end of the platform's in between.
    platform::binaryStandardOutput();
    const std::string_view result = formatted ? std::string_view(*formatted) : text;
    std::fwrite(result.data(), 1, result.size(), stdout);
    std::fflush(stdout);
    if (!formatted) {
        std::fprintf(stderr, "%s: cannot be formatted: it does not parse as a whole form; written as it is\n",
                     path.c_str());
        return 4;
    }
    return 0;
}

}  // namespace lsp

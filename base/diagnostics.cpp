// The table of diagnostics, the texts made from it, the two console formats
// besides the classic one, and the consumers.
#include <array>
#include <cstdio>

#include "base/base.h"

namespace {

constexpr DiagnosticRow rows[] = {
#define KAVEL_DIAG_ROW(id, code, status, kind, stream, classic, text) \
    {Diag::id, #id, code, status, DiagKind::kind, Stream::stream, classic, text},
    KAVEL_DIAGNOSTICS(KAVEL_DIAG_ROW)
#undef KAVEL_DIAG_ROW
};

// Every row stands at the place of its id.
constexpr bool rowsInOrder()
{
    for (std::size_t i = 0; i < std::size(rows); ++i)
        if (static_cast<std::size_t>(rows[i].id) != i)
            return false;
    return true;
}
static_assert(rowsInOrder());

// Fills {0} to {9}, {line} and {t} of a template.
template <class Args>
std::string fill(const char* pattern, const Args& args, int classicLine, const std::string& text)
{
    std::string out;
    for (const char* p = pattern; *p != '\0'; ++p) {
        if (*p == '{') {
            if (p[1] >= '0' && p[1] <= '9' && p[2] == '}') {
                const std::size_t i = static_cast<std::size_t>(p[1] - '0');
                if (i < args.size())
                    out += args.begin()[i];
                p += 2;
                continue;
            }
            if (std::string_view(p).substr(0, 6) == "{line}") {
                out += str(classicLine);
                p += 5;
                continue;
            }
            if (std::string_view(p).substr(0, 3) == "{t}") {
                out += text;
                p += 2;
                continue;
            }
        }
        out += *p;
    }
    return out;
}

// The caret line: blanks under the characters before the column, a tab under
// a tab, so that the caret stands under the column whatever the tab stops.
std::string caretLine(const std::string& lineText, int column)
{
    std::string pad;
    int seen = 1;
    for (char c : lineText) {
        if (seen >= column)
            break;
        if (continuationByte(c))
            continue;
        pad += c == '\t' ? '\t' : ' ';
        ++seen;
    }
    for (; seen < column; ++seen)
        pad += ' ';
    return pad + "^";
}

}  // namespace

std::string str(long long value) { return std::to_string(value); }

const DiagnosticRow& rowOf(Diag id) { return rows[static_cast<std::size_t>(id)]; }

std::span<const DiagnosticRow> diagnosticRows() { return rows; }

namespace {

template <class Args>
Diagnostic make(Diag id, const Args& args, std::size_t offset, std::size_t length, int classicLine)
{
    const DiagnosticRow& row = rowOf(id);
    Diagnostic d;
    d.id = id;
    d.code = row.code;
    d.status = row.status;
    d.kind = row.kind;
    d.classicStream = row.classicStream;
    d.text = fill(row.text, args, classicLine, {});
    d.classic = fill(row.classic, args, classicLine, d.text);
    d.offset = offset;
    d.length = length;
    return d;
}

}  // namespace

Diagnostic makeDiagnostic(Diag id, std::initializer_list<std::string_view> args, std::size_t offset,
                          std::size_t length, int classicLine)
{
    return make(id, args, offset, length, classicLine);
}

Diagnostic makeDiagnostic(Diag id, const std::vector<std::string>& args) { return make(id, args, NoOffset, 0, 0); }

std::string formatDiagnostic(DiagnosticsFormat format, const Diagnostic& d, const SourceBuffer* source)
{
    char kv[16];
    std::snprintf(kv, sizeof kv, "KV%04d", d.code);
    const char* severity = d.kind == DiagKind::Warning ? "warning" : "error";
    const bool placed = source != nullptr && d.offset != NoOffset;
    const SourcePlace place = placed ? source->placeOf(d.offset) : SourcePlace{};
    if (format == DiagnosticsFormat::Msvc) {
        std::string out = placed ? source->name() + "(" + str(place.line) + "," + str(place.column) + ")" : "kavel ";
        return out + ": " + severity + " " + kv + ": " + d.text + "\n";
    }
    if (!placed)
        return std::string("kavel: ") + severity + ": " + d.text + "\n";
    const std::string lineText = source->lineText(place.line);
    return source->name() + ":" + str(place.line) + ":" + str(place.column) + ": " + severity + ": " + d.text +
           "\n" + lineText + "\n" + caretLine(lineText, place.column) + "\n";
}

void ConsoleConsumer::consume(const Diagnostic& d, const SourceBuffer* source)
{
    const bool classic = format_ == DiagnosticsFormat::Classic;
    std::FILE* stream = nullptr;
    std::string message;
    switch (d.kind) {
    case DiagKind::Progress:
        if (quiet_)
            return;
        stream = out_;
        message = d.classic + "\n";
        break;
    case DiagKind::ClassicNote:
        if (!classic)
            return;
        [[fallthrough]];
    case DiagKind::Error:
        if (classic) {
            stream = d.classicStream == Stream::Out ? out_ : err_;
            message = d.classic + "\n";
        } else {
            stream = err_;
            message = formatDiagnostic(format_, d, source);
        }
        break;
    case DiagKind::Warning:
        if (classic)
            return;
        stream = err_;
        message = formatDiagnostic(format_, d, source);
        break;
    }
    if (stream != out_)
        std::fflush(out_);
    std::fwrite(message.data(), 1, message.size(), stream);
    std::fflush(stream);
}

void CollectingConsumer::consume(const Diagnostic& d, const SourceBuffer*)
{
    if (d.kind == DiagKind::Error || d.kind == DiagKind::Warning)
        diagnostics.push_back(d);
}

void DiagnosticEngine::report(const Diagnostic& d) { consumer_->consume(d, source_); }

void DiagnosticEngine::refuse(const Diagnostic& d)
{
    consumer_->consume(d, source_);
    throw Refusal{d.status};
}

// The one door for refusals and the three forms a message takes, and the
// console banner.
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <fstream>

#include "driver/driver.h"
#include "platform/platform.h"

DiagnosticContext diagnosticContext;

int exitStatusOf(ErrorCode code)
{
    switch (code) {
    case ErrUsage:
    case ErrOption:
    case ErrNotPreinstalled:
    case ErrOutputOpen:
    case ErrOutputWrite:
        return ExitUsage;
    case ErrExtension:
    case ErrNameTooLong:
    case ErrCannotOpen:
    case ErrCannotRead:
        return ExitFileName;
    case ErrPeriods:
        return ExitPeriods;
    case ErrTooLarge:
        return ExitTooLarge;
    default:
        return ExitSourceError;   // the scanner, the syntax, the actions, the height
    }
}

namespace {

// The number of columns a text takes: its bytes but UTF-8 continuation bytes.
int columnsOf(const std::string& text)
{
    int columns = 0;
    for (char c : text)
        columns += !continuationByte(c);
    return columns;
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

std::string formatDiagnostic(DiagnosticsFormat format, ErrorCode code, const std::string& text,
                             SourcePlace place, const std::string& sourceName,
                             const std::string& lineText)
{
    char kv[16];
    std::snprintf(kv, sizeof kv, "KV%04d", static_cast<int>(code));
    std::string out;
    int column = place.column;
    if (place.line > 0 && column == 0)
        column = columnsOf(lineText) + 1;
    if (format == DiagnosticsFormat::Msvc) {
        if (place.line > 0)
            out = sourceName + "(" + std::to_string(place.line) + "," + std::to_string(column) + ")";
        else
            out = "kavel ";
        return out + ": error " + kv + ": " + text + "\n";
    }
    if (place.line == 0)
        return "kavel: error: " + text + "\n";
    out = sourceName + ":" + std::to_string(place.line) + ":" + std::to_string(column) + ": error: " +
          text + "\n";
    return out + lineText + "\n" + caretLine(lineText, column) + "\n";
}

std::string sourceLineText(int line)
{
    const DiagnosticContext& c = diagnosticContext;
    std::string text;
    int at = 1;
    if (c.inMemory) {
        for (char ch : c.memory) {
            if (ch == '\n') {
                if (at++ == line)
                    break;
            } else if (at == line) {
                text += ch;
            }
        }
    } else {
        std::ifstream in(c.sourceName, std::ios::binary);
        for (std::string l; at <= line && std::getline(in, l); ++at)
            if (at == line)
                text = l;
    }
    // The scanner stops at a NUL; so does the line shown.
    text.resize(std::strlen(text.c_str()));
    if (!text.empty() && text.back() == '\r')
        text.pop_back();
    return text;
}

void fail(ErrorCode code, std::FILE* stream, const char* classic, const std::string& text,
          SourcePlace place)
{
    if (options.format == DiagnosticsFormat::Classic) {
        say(stream, classic);
    } else {
        std::string lineText = place.line > 0 ? sourceLineText(place.line) : std::string();
        std::fflush(stdout);
        std::fputs(formatDiagnostic(options.format, code, text, place, diagnosticContext.sourceName,
                                    lineText)
                       .c_str(),
                   stderr);
    }
    quit(exitStatusOf(code));
}

void sourceError(ErrorCode code, const char* classic, int line, const std::string& text,
                 SourcePlace place)
{
    std::string message = std::string(classic) + " on line " + std::to_string(line);
    fail(code, stdout, message.c_str(), text, place);
}

namespace {

bool namesUtf8(const char* locale)
{
    std::string s;
    for (const char* c = locale; *c != '\0'; ++c)
        s += static_cast<char>(std::tolower(static_cast<unsigned char>(*c)));
    return s.find("utf-8") != std::string::npos || s.find("utf8") != std::string::npos;
}

}  // namespace

std::string bannerText(bool terminal, const char* lcAll, const char* lcCtype, const char* lang)
{
    static const char banner[] =
        "\xC9\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xBB\n"
        "\xBA The Kavel Project \xBA\n"
        "\xC7\xC4\xC4\xC4\xC4\xC4\xC4\xC4\xC4\xC4\xC4\xC4\xC4\xC4\xC4\xC4\xC4\xC4\xC4\xC4\xB6\n"
        "\xBA    Version .Net   \xBA\n"
        "\xC8\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xBC\n"
        "\n";
    const std::string bytes(banner, sizeof banner - 1);
    const char* locale = nullptr;
    for (const char* v : {lcAll, lcCtype, lang})
        if (v != nullptr && *v != '\0') {
            locale = v;
            break;
        }
    if (!terminal || locale == nullptr || !namesUtf8(locale))
        return bytes;
    // The box bytes of code page 437 and their box-drawing characters.
    static const struct {
        unsigned char cp437;
        const char* utf8;
    } boxes[] = {{0xC9, "\u2554"}, {0xCD, "\u2550"}, {0xBB, "\u2557"}, {0xBA, "\u2551"},
                 {0xC7, "\u255F"}, {0xC4, "\u2500"}, {0xB6, "\u2562"}, {0xC8, "\u255A"},
                 {0xBC, "\u255D"}};
    std::string out;
    for (char c : bytes) {
        const char* replacement = nullptr;
        for (const auto& box : boxes)
            if (static_cast<unsigned char>(c) == box.cp437)
                replacement = box.utf8;
        if (replacement != nullptr)
            out += replacement;
        else
            out += c;
    }
    return out;
}

void writeBanner()
{
    std::string text = bannerText(platform::stdoutIsTerminal(), std::getenv("LC_ALL"),
                                  std::getenv("LC_CTYPE"), std::getenv("LANG"));
    std::fwrite(text.data(), 1, text.size(), stdout);
}

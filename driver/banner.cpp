// The console banner.
#include <cctype>
#include <cstdlib>

#include "driver/driver.h"
#include "platform/platform.h"

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

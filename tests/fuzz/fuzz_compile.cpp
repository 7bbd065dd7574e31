// libFuzzer target: the whole compilation (scanner, parser, actions, layout,
// layout warnings, class writer, description and picture) on arbitrary
// bytes, all in one process, with the options chosen from the first byte:
// the message format (classic, gnu or msvc, each formatted in full with its
// caret line), --strict and the framework. Every compilation is a fresh
// object; nothing carries over. The description must parse as JSON and
// agree with the form; the picture must be well-formed XML.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include <nlohmann/json.hpp>

#include "driver/driver.h"

namespace {

// Formats every diagnostic as the console would, and keeps nothing.
class Formatter : public DiagnosticConsumer {
public:
    explicit Formatter(DiagnosticsFormat format) : format_(format) {}
    void consume(const Diagnostic& d, const SourceBuffer* source) override
    {
        if (format_ == DiagnosticsFormat::Classic)
            written_ += d.classic.size();
        else
            written_ += formatDiagnostic(format_, d, source).size();
    }

private:
    DiagnosticsFormat format_;
    std::size_t written_ = 0;
};

[[noreturn]] void fail(const char* what, const std::string& text)
{
    std::fprintf(stderr, "fuzz_compile: %s\n%s\n", what, text.c_str());
    std::abort();
}

// A small check of XML 1.0 well-formedness, enough for what the picture
// writer makes: the declaration, elements with unique, quoted attributes,
// character data with the five predefined entities and character
// references, comments, one root element, every character one that XML
// allows, in valid UTF-8.
class XmlCheck {
public:
    explicit XmlCheck(std::string text) : s_(std::move(text)) {}

    bool wellFormed()
    {
        if (!characters())
            return false;
        if (s_.compare(0, 5, "<?xml") == 0) {
            const std::size_t end = s_.find("?>");
            if (end == std::string::npos)
                return false;
            p_ = end + 2;
        }
        std::vector<std::string> open;
        bool rootSeen = false;
        while (p_ < s_.size()) {
            if (s_[p_] != '<') {
                if (open.empty()) {   // only blanks outside the root
                    if (!blank(s_[p_]))
                        return false;
                    ++p_;
                    continue;
                }
                if (!text('<'))
                    return false;
                continue;
            }
            if (s_.compare(p_, 4, "<!--") == 0) {
                const std::size_t end = s_.find("-->", p_ + 4);
                if (end == std::string::npos)
                    return false;
                p_ = end + 3;
            } else if (s_.compare(p_, 2, "</") == 0) {
                p_ += 2;
                const std::string n = name();
                skipBlanks();
                if (n.empty() || open.empty() || open.back() != n || !eat('>'))
                    return false;
                open.pop_back();
            } else {
                ++p_;
                const std::string n = name();
                if (n.empty() || (open.empty() && rootSeen))
                    return false;
                std::set<std::string> attributes;
                for (;;) {
                    const bool spaced = skipBlanks();
                    if (eat('>')) {
                        open.push_back(n);
                        break;
                    }
                    if (s_.compare(p_, 2, "/>") == 0) {
                        p_ += 2;
                        break;
                    }
                    const std::string a = name();
                    if (!spaced || a.empty() || !attributes.insert(a).second)
                        return false;
                    skipBlanks();
                    if (!eat('='))
                        return false;
                    skipBlanks();
                    if (p_ >= s_.size() || (s_[p_] != '"' && s_[p_] != '\''))
                        return false;
                    const char quote = s_[p_++];
                    if (!text(quote) || !eat(quote))
                        return false;
                }
                rootSeen = true;
            }
        }
        return rootSeen && open.empty();
    }

private:
    static bool blank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }
    bool skipBlanks()
    {
        const std::size_t start = p_;
        while (p_ < s_.size() && blank(s_[p_]))
            ++p_;
        return p_ > start;
    }
    bool eat(char c)
    {
        if (p_ < s_.size() && s_[p_] == c) {
            ++p_;
            return true;
        }
        return false;
    }
    static bool nameChar(char c, bool first)
    {
        const unsigned char b = static_cast<unsigned char>(c);
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c == ':' || b >= 0x80 ||
               (!first && ((c >= '0' && c <= '9') || c == '-' || c == '.'));
    }
    std::string name()
    {
        const std::size_t start = p_;
        while (p_ < s_.size() && nameChar(s_[p_], p_ == start))
            ++p_;
        return s_.substr(start, p_ - start);
    }
    // Character data up to `stop` (or '<' in an attribute): references only
    // as XML defines them, no "]]>" in content.
    bool text(char stop)
    {
        while (p_ < s_.size() && s_[p_] != stop) {
            const char c = s_[p_];
            if (c == '<')
                return false;
            if (c == ']' && s_.compare(p_, 3, "]]>") == 0)
                return false;
            if (c == '&') {
                const std::size_t end = s_.find(';', p_);
                if (end == std::string::npos)
                    return false;
                const std::string ref = s_.substr(p_ + 1, end - p_ - 1);
                if (!reference(ref))
                    return false;
                p_ = end + 1;
                continue;
            }
            ++p_;
        }
        return p_ < s_.size() || stop == '<';
    }
    static bool allowed(unsigned long code)
    {
        return code == 0x9 || code == 0xA || code == 0xD || (code >= 0x20 && code <= 0xD7FF) ||
               (code >= 0xE000 && code <= 0xFFFD) || (code >= 0x10000 && code <= 0x10FFFF);
    }
    static bool reference(const std::string& ref)
    {
        if (ref == "amp" || ref == "lt" || ref == "gt" || ref == "quot" || ref == "apos")
            return true;
        if (ref.size() < 2 || ref[0] != '#')
            return false;
        const bool hex = ref[1] == 'x';
        const std::string digits = ref.substr(hex ? 2 : 1);
        if (digits.empty() || digits.size() > 8)
            return false;
        for (char d : digits)
            if (!(d >= '0' && d <= '9') && !(hex && ((d >= 'a' && d <= 'f') || (d >= 'A' && d <= 'F'))))
                return false;
        return allowed(std::stoul(digits, nullptr, hex ? 16 : 10));
    }
    // Valid UTF-8 of characters that XML allows.
    bool characters() const
    {
        const auto* p = reinterpret_cast<const unsigned char*>(s_.data());
        const auto* end = p + s_.size();
        while (p < end) {
            unsigned long code = *p;
            int length = 1;
            if (code >= 0x80) {
                length = code >= 0xF0 ? 4 : code >= 0xE0 ? 3 : code >= 0xC0 ? 2 : 0;
                if (length == 0 || code > 0xF4 || end - p < length)
                    return false;
                code &= 0x3F >> (length - 1);
                for (int i = 1; i < length; ++i) {
                    if ((p[i] & 0xC0) != 0x80)
                        return false;
                    code = (code << 6) | (p[i] & 0x3F);
                }
                const unsigned long least = length == 2 ? 0x80 : length == 3 ? 0x800 : 0x10000;
                if (code < least || (code >= 0xD800 && code <= 0xDFFF))
                    return false;
            }
            if (!allowed(code))
                return false;
            p += length;
        }
        return true;
    }

    std::string s_;
    std::size_t p_ = 0;
};

// The description parses and names every control of the form, in the order
// of the class text, where the layout put it.
void checkDescription(const std::string& text, const Form& form)
{
    nlohmann::json d;
    try {
        d = nlohmann::json::parse(text);
    } catch (const nlohmann::json::exception& e) {
        fail(e.what(), text);
    }
    if (d.at("form").at("clientSize").at("width") != form.clientWidth ||
        d.at("form").at("clientSize").at("height") != form.clientHeight)
        fail("client size", text);
    const nlohmann::json& controls = d.at("controls");
    std::size_t i = 0;
    walkControls(form, [&](const Control& c) {
        if (i >= controls.size())
            fail("too few controls", text);
        const nlohmann::json& j = controls[i++];
        if (j.at("field") != c.name || j.at("visible") != c.visible)
            fail("control", text);
        if (c.kind != KindTimer && (j.at("location").at("x") != c.left || j.at("location").at("y") != c.top ||
                                    j.at("size").at("width") != c.width || j.at("size").at("height") != c.height))
            fail("rectangle", text);
    });
    if (i != controls.size())
        fail("too many controls", text);
}

}  // namespace

// The XML check itself, once before the run: it must tell these apart.
extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    const char* good[] = {"<?xml version=\"1.0\"?>\n<a b=\"&amp;&#10;\" c='x'><d/>t&lt;&#x41;<!-- n --></a>\n",
                          "<a>\xC3\xA9</a>"};
    const char* bad[] = {"<a><b></a></b>", "<a x=\"1\" x=\"2\"/>", "<a>&bogus;</a>", "<a>\x01</a>",
                         "<a>\xC3</a>", "<a b=\"<\"/>", "<a/><b/>", "<a>]]></a>", "<a>&#0;</a>", "<a", "<a>"};
    for (const char* text : good)
        if (!XmlCheck(text).wellFormed())
            fail("the XML check refuses a well-formed text", text);
    for (const char* text : bad)
        if (XmlCheck(text).wellFormed())
            fail("the XML check takes a text that is not well-formed", text);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const unsigned choice = data[0];
    static constexpr DiagnosticsFormat formats[] = {DiagnosticsFormat::Classic, DiagnosticsFormat::Gnu,
                                                    DiagnosticsFormat::Msvc};
    CompileOptions options;
    options.strict = (choice & 4) != 0;
    options.framework = (choice & 8) != 0 ? Framework::NetCoreApp : Framework::NetFramework;
    Formatter formatter(formats[choice % 3]);
    const SourceBuffer source("fuzz.fms", std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1));
    const CompileResult result = compile(source, options, formatter);
    if (result.form) {
        checkDescription(describeForm(*result.form, source), *result.form);
        const std::string picture = drawForm(*result.form, source, result.diagnostics);
        if (!XmlCheck(picture).wellFormed())
            fail("the picture is not well-formed XML", picture);
    }
    return 0;
}

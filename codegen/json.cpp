// The description of the laid-out form as JSON: what an editor's preview, the
// runtime check and any other tool need to know of the form without reading
// the Visual Basic. Schema 1; the numbers are the ones the class text sets.
#include <cstdio>

#include "codegen/codegen.h"

namespace {

class JsonWriter {
public:
    explicit JsonWriter(std::string& out) : out_(out) {}

    void open(char bracket)
    {
        out_ += bracket;
        ++depth_;
        first_ = true;
    }
    void close(char bracket)
    {
        --depth_;
        if (!first_)
            newline();
        out_ += bracket;
        first_ = false;
    }
    void key(const char* name)
    {
        item();
        string(name);
        out_ += ": ";
    }
    // Starts an element of an array.
    void item()
    {
        if (!first_)
            out_ += ',';
        newline();
        first_ = false;
    }
    void string(std::string_view text)
    {
        out_ += '"';
        for (char c : text) {
            const unsigned char b = static_cast<unsigned char>(c);
            if (c == '"' || c == '\\') {
                out_ += '\\';
                out_ += c;
            } else if (c == '\n') {
                out_ += "\\n";
            } else if (c == '\t') {
                out_ += "\\t";
            } else if (c == '\r') {
                out_ += "\\r";
            } else if (b < 0x20 || b == 0x7F) {
                char escape[8];
                std::snprintf(escape, sizeof escape, "\\u%04x", b);
                out_ += escape;
            } else {
                out_ += c;
            }
        }
        out_ += '"';
    }
    void number(long long value) { out_ += std::to_string(value); }
    void boolean(bool value) { out_ += value ? "true" : "false"; }
    void field(const char* name, std::string_view text) { key(name); string(text); }
    void field(const char* name, long long value) { key(name); number(value); }
    void flag(const char* name, bool value) { key(name); boolean(value); }
    // {"a": x, "b": y} on one line.
    void pair(const char* name, const char* a, int x, const char* b, int y)
    {
        key(name);
        out_ += "{\"";
        out_ += a;
        out_ += "\": " + std::to_string(x) + ", \"";
        out_ += b;
        out_ += "\": " + std::to_string(y) + "}";
    }

private:
    void newline()
    {
        out_ += '\n';
        out_.append(static_cast<std::size_t>(2 * depth_), ' ');
    }

    std::string& out_;
    int depth_ = 0;
    bool first_ = true;
};

const char* verticalWord(Vertical v) { return v == Vertical::Top ? "top" : v == Vertical::Middle ? "middle" : "bottom"; }
const char* horizontalWord(Horizontal h)
{
    return h == Horizontal::Left ? "left" : h == Horizontal::Center ? "center" : "right";
}

// Whether the class text sets the control's Text.
bool hasText(ControlKind kind)
{
    return kind == KindCommandButton || kind == KindCheckBox || kind == KindFrame || kind == KindOptionButton ||
           kind == KindLabel || kind == KindTextBox;
}

void describeControl(JsonWriter& j, const Control& c, const SourceBuffer& source, TextReading reading,
                     Framework framework, const Control* owner)
{
    j.item();
    j.open('{');
    j.field("name", c.written);
    j.field("field", c.name);
    j.field("kind", controlKindNames[c.kind]);
    j.field("type", typeOf(c, framework));
    const SourcePlace place = source.placeOf(c.at.offset);
    j.field("line", place.line);
    j.field("column", place.column);
    if (c.kind != KindTimer) {
        j.pair("location", "x", c.left, "y", c.top);
        j.pair("size", "width", c.width, "height", c.height);
        j.field("tabIndex", c.tabIndex);
    }
    j.flag("visible", c.visible);
    if (hasText(c.kind))
        j.field("text", c.kind == KindTextBox ? std::string() : decodeText(c.text, reading));
    if (c.kind == KindOptionButton && owner != nullptr)
        j.field("frame", owner->name);
    if (c.kind == KindLabel && owner != nullptr)
        j.field("textBox", owner->name);
    if (c.kind == KindTextBox && c.label)
        j.field("label", c.label->name);
    if (c.kind == KindListBox || c.kind == KindComboBox) {
        j.flag("sorted", c.sorted);
        j.field("style", c.style);
    }
    if (c.kind == KindListBox)
        j.field("columns", c.columns);
    if (c.kind == KindScrollBar) {
        const ScrollBarValues& s = c.scrollBar;
        j.key("scrollBar");
        j.open('{');
        j.field("orientation", s.horizontal ? "horizontal" : "vertical");
        j.field("minimum", s.minimum);
        j.field("maximum", s.maximum);
        j.field("value", s.value);
        j.field("smallChange", s.smallChange);
        j.field("largeChange", s.largeChange);
        j.close('}');
    }
    if (c.kind == KindTimer)
        j.field("interval", c.interval);
    j.close('}');
}

}  // namespace

std::string describeForm(const Form& form, const SourceBuffer& source, const WriterOptions& options)
{
    const TextReading reading = textReading(formTexts(form));
    std::string out;
    JsonWriter j(out);
    j.open('{');
    j.field("schema", 1);
    j.field("source", source.name());
    j.key("form");
    j.open('{');
    j.field("name", form.written);
    j.field("className", form.name);
    j.field("caption", decodeText(form.caption, reading));
    j.key("location");
    out += "[\"";
    out += verticalWord(form.vertical);
    out += "\", \"";
    out += horizontalWord(form.horizontal);
    out += "\"]";
    j.pair("clientSize", "width", form.clientWidth, "height", form.clientHeight);
    j.field("textEncoding", reading == TextReading::Utf8 ? "utf-8" : "windows-1252");
    j.close('}');
    j.key("controls");
    j.open('[');
    for (const Section& s : form.sections)
        for (const auto& c : s.controls) {
            describeControl(j, *c, source, reading, options.framework, nullptr);
            if (c->kind == KindTextBox && c->label)
                describeControl(j, *c->label, source, reading, options.framework, c.get());
            else if (c->kind == KindFrame)
                for (const auto& o : c->options)
                    describeControl(j, *o, source, reading, options.framework, c.get());
        }
    j.close(']');
    j.close('}');
    out += '\n';
    return out;
}

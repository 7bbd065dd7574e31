// The picture of the laid-out form as SVG: the client area one pixel per
// pixel, each visible control drawn as Windows 10 and 11 draw it at 96 DPI
// with visual styles, in the form's font (Microsoft Sans Serif 8.25 pt, 11
// pixels, the default of the generated class). Timers, being components, sit
// in a tray strip under the client area as a form designer shows them.
//
// Every control is a <g> with its name, kind and the place of its name in
// the source (data-name, data-kind, data-line, data-column) and a <title>,
// clipped to its rectangle as Windows clips a window; an option button is
// drawn inside its frame, in the frame's coordinates. The layout warnings
// given are outlined over the controls they name.
#include <algorithm>
#include <charconv>
#include <cstdio>

#include "codegen/codegen.h"

namespace {

// The colours of the Windows 10 visual styles.
constexpr const char* FormBack = "#F0F0F0";
constexpr const char* ButtonFace = "#E1E1E1";
constexpr const char* ButtonBorder = "#ADADAD";
constexpr const char* FieldBorder = "#7A7A7A";   // text and combo boxes
constexpr const char* ListBorder = "#828790";
constexpr const char* GlyphBorder = "#333333";   // check boxes and option buttons
constexpr const char* FrameLine = "#DCDCDC";
constexpr const char* Arrow = "#606060";
constexpr const char* DisabledArrow = "#BFBFBF";
constexpr const char* Thumb = "#CDCDCD";
constexpr const char* TextColour = "#000000";
constexpr const char* WarningColour = "#E0001B";
constexpr const char* FontFamily = "'Microsoft Sans Serif', 'Segoe UI', 'DejaVu Sans', 'Liberation Sans', sans-serif";

// The font's line: 13 pixels, the baseline 11 below its top.
constexpr int LineHeight = 13;
constexpr int Ascent = 11;
constexpr int GlyphSize = 13;     // a check box's box, an option button's circle
constexpr int GlyphTextGap = 4;
constexpr int ArrowSize = 17;     // a scroll bar's arrow buttons, a combo box's drop button
constexpr int MinimumThumb = 8;
constexpr int TrayHeight = 36;    // one line of the component tray

// Appends a text as XML character data or attribute value: the five
// specials escaped, every character that XML 1.0 cannot hold (C0 controls
// but tab, line end and carriage return; U+FFFE, U+FFFF; broken UTF-8) as
// U+FFFD.
void escape(std::string_view text, std::string& out)
{
    const auto* p = reinterpret_cast<const unsigned char*>(text.data());
    const auto* end = p + text.size();
    while (p < end) {
        // A run of printable ASCII that needs no reference, whole.
        const auto* plain = p;
        while (plain < end && *plain >= 0x20 && *plain < 0x80 && *plain != '&' && *plain != '<' && *plain != '>' &&
               *plain != '"' && *plain != '\'')
            ++plain;
        if (plain > p) {
            out.append(reinterpret_cast<const char*>(p), static_cast<std::size_t>(plain - p));
            p = plain;
            continue;
        }
        const unsigned char b = *p;
        if (b < 0x80) {
            switch (b) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += "&quot;"; break;
            case '\'': out += "&apos;"; break;
            case '\t': out += "&#9;"; break;
            case '\n': out += "&#10;"; break;
            case '\r': out += "&#13;"; break;
            default:
                if (b < 0x20)
                    out += "\xEF\xBF\xBD";
                else
                    out += static_cast<char>(b);
            }
            ++p;
            continue;
        }
        int length = b >= 0xF0 && b <= 0xF4 ? 4 : b >= 0xE0 ? 3 : b >= 0xC2 && b < 0xE0 ? 2 : 0;
        if (b > 0xF4)
            length = 0;
        bool good = length > 0 && end - p >= length;
        unsigned code = 0;
        if (good) {
            code = length == 2 ? b & 0x1F : length == 3 ? b & 0x0F : b & 0x07;
            for (int i = 1; i < length && good; ++i) {
                if ((p[i] & 0xC0) != 0x80)
                    good = false;
                code = (code << 6) | (p[i] & 0x3F);
            }
            const unsigned least = length == 2 ? 0x80 : length == 3 ? 0x800 : 0x10000;
            if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF) || code == 0xFFFE ||
                code == 0xFFFF)
                good = false;
        }
        if (good) {
            out.append(reinterpret_cast<const char*>(p), static_cast<std::size_t>(length));
            p += length;
        } else {
            out += "\xEF\xBF\xBD";
            ++p;
        }
    }
}

// The advance of a character in Microsoft Sans Serif 8.25 pt at 96 DPI, near
// enough to break lines where Windows breaks them (the average is the 5 of
// the form's AutoScaleBaseSize).
int advance(unsigned char c)
{
    switch (c) {
    case 'i': case 'j': case 'l': case '\'': case '.': case ',': case ':': case ';': case '|': case '!': case 'I':
        return 2;
    case ' ': case 'f': case 't': case 'r': case '(': case ')': case '[': case ']': case '-': case '/': case '\\':
        return 3;
    case 'm': case 'M': case 'W': case '@': case '%':
        return 9;
    case 'w':
        return 7;
    default:
        return c >= 'A' && c <= 'Z' ? 7 : 5;
    }
}

int textWidth(std::string_view text)
{
    int width = 0;
    for (char c : text)
        if (!continuationByte(c))
            width += advance(static_cast<unsigned char>(c));
    return width;
}

// The text as the window shows it: "&" marks the next character as the
// access key and goes; "&&" shows one "&".
std::string withoutAccessKeys(std::string_view text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size())
            ++i;
        else if (text[i] == '&')
            continue;
        out += text[i];
    }
    return out;
}

// Breaks a text into lines at blanks, as a word-wrapping window does; a word
// wider than the room stays whole on its own line (the clip cuts it).
std::vector<std::string> wrap(const std::string& text, int room)
{
    std::vector<std::string> lines;
    std::string line;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t blank = text.find(' ', start);
        const std::string word = text.substr(start, blank == std::string::npos ? std::string::npos : blank - start);
        const std::string tried = line.empty() ? word : line + " " + word;
        if (!line.empty() && textWidth(tried) > room) {
            lines.push_back(line);
            line = word;
        } else {
            line = tried;
        }
        if (blank == std::string::npos)
            break;
        start = blank + 1;
    }
    lines.push_back(line);
    return lines;
}

class SvgWriter {
public:
    SvgWriter(const Form& form, const SourceBuffer& source) : form_(form), source_(source)
    {
        reading_ = textReading(formTexts(form));
        std::size_t controls = 0;
        walkControls(form, [&controls](const Control&) { ++controls; });
        out_.reserve(1024 + 400 * controls);
    }

    std::string draw(const std::vector<Diagnostic>& warnings);

private:
    // Numbers and shapes.
    void num(int v)
    {
        char digits[16];
        const auto end = std::to_chars(digits, digits + sizeof digits, v).ptr;
        out_.append(digits, end);
    }
    void half(int v)   // v + 0.5: the middle of a pixel, where a 1-pixel line is sharp
    {
        if (v < 0) {   // -0.5, -1.5, ...
            out_ += '-';
            num(-v - 1);
        } else {
            num(v);
        }
        out_ += ".5";
    }
    void rect(int x, int y, int w, int h, const char* fill, const char* extra = "")
    {
        if (w <= 0 || h <= 0)
            return;
        out_ += "<rect x=\"";
        num(x);
        out_ += "\" y=\"";
        num(y);
        out_ += "\" width=\"";
        num(w);
        out_ += "\" height=\"";
        num(h);
        out_ += "\" fill=\"";
        out_ += fill;
        out_ += '"';
        out_ += extra;
        out_ += "/>";
    }
    // A 1-pixel border just inside the rectangle, filled.
    void box(int x, int y, int w, int h, const char* fill, const char* stroke)
    {
        if (w <= 0 || h <= 0)
            return;
        if (w < 2 || h < 2) {
            rect(x, y, w, h, stroke);
            return;
        }
        out_ += "<rect x=\"";
        half(x);
        out_ += "\" y=\"";
        half(y);
        out_ += "\" width=\"";
        num(w - 1);
        out_ += "\" height=\"";
        num(h - 1);
        out_ += "\" fill=\"";
        out_ += fill;
        out_ += "\" stroke=\"";
        out_ += stroke;
        out_ += "\"/>";
    }
    // A down, up, left or right chevron centred on (cx, cy).
    void chevron(int cx, int cy, char way, const char* colour)
    {
        out_ += "<path fill=\"none\" stroke=\"";
        out_ += colour;
        out_ += "\" shape-rendering=\"geometricPrecision\" d=\"";
        char d[96];
        if (way == 'd' || way == 'u') {
            const int s = way == 'd' ? 1 : -1;
            std::snprintf(d, sizeof d, "M%d.5 %d.5l3.5 %d 3.5 %d", cx - 4, cy - 2 * s, 4 * s, -4 * s);
        } else {
            const int s = way == 'r' ? 1 : -1;
            std::snprintf(d, sizeof d, "M%d.5 %d.5l%d 3.5 %d 3.5", cx - 2 * s, cy - 4, 4 * s, -4 * s);
        }
        out_ += d;
        out_ += "\"/>";
    }
    // A solid triangle pointing left, right, up or down, centred on (cx, cy):
    // a scroll bar's arrow.
    void triangle(int cx, int cy, char way, const char* colour)
    {
        char d[96];
        if (way == 'l')
            std::snprintf(d, sizeof d, "M%d %dl4 -4v8z", cx - 2, cy);
        else if (way == 'r')
            std::snprintf(d, sizeof d, "M%d %dl-4 -4v8z", cx + 2, cy);
        else if (way == 'u')
            std::snprintf(d, sizeof d, "M%d %dl-4 4h8z", cx, cy - 2);
        else
            std::snprintf(d, sizeof d, "M%d %dl-4 -4h8z", cx, cy + 2);
        out_ += "<path shape-rendering=\"geometricPrecision\" fill=\"";
        out_ += colour;
        out_ += "\" d=\"";
        out_ += d;
        out_ += "\"/>";
    }
    void text(int x, int baseline, std::string_view t, const char* anchor = nullptr)
    {
        if (t.empty())
            return;
        out_ += "<text x=\"";
        num(x);
        out_ += "\" y=\"";
        num(baseline);
        out_ += '"';
        if (anchor != nullptr) {
            out_ += " text-anchor=\"";
            out_ += anchor;
            out_ += '"';
        }
        out_ += '>';
        escape(t, out_);
        out_ += "</text>";
    }
    // Lines of text in the room, their block placed at `top` (or centred in
    // `height` when `centred`), each line from `x` (or centred on it).
    void lines(const std::string& t, int x, int top, int room, int height, bool centred, bool middle)
    {
        const std::vector<std::string> all = wrap(t, std::max(room, 1));
        const int block = static_cast<int>(all.size()) * LineHeight;
        int y = centred ? top + (height - block) / 2 : top;
        for (const std::string& line : all) {
            text(x, y + Ascent, line, middle ? "middle" : nullptr);
            y += LineHeight;
        }
    }
    std::string shown(const Control& c) const { return withoutAccessKeys(decodeText(c.text, reading_)); }

    // A control: its group with its attributes, title and clip.
    void open(const Control& c, const Rect& r, bool clipped = true);
    void close() { out_ += "</g>\n"; }
    void control(const Control& c);
    void drawButton(const Control& c);
    void drawGlyphControl(const Control& c, bool round);
    void drawCombo(const Control& c, int style, const char* caption);
    void drawList(const Control& c);
    void drawDirList(const Control& c);
    void drawFrame(const Control& c);
    void drawScrollBar(const Control& c);
    void tray(const std::vector<const Control*>& timers, int top, int perLine);
    void outline(const Rect& r, const std::string& why);

    const Form& form_;
    const SourceBuffer& source_;
    TextReading reading_;
    std::string out_;
    int clips_ = 0;
};

void SvgWriter::open(const Control& c, const Rect& r, bool clipped)
{
    const SourcePlace place = source_.placeOf(c.at.offset);
    const int id = clips_;
    if (clipped) {
        ++clips_;
        out_ += "<clipPath id=\"k";
        num(id);
        out_ += "\"><rect x=\"";
        num(r.left);
        out_ += "\" y=\"";
        num(r.top);
        out_ += "\" width=\"";
        num(r.width);
        out_ += "\" height=\"";
        num(r.height);
        out_ += "\"/></clipPath>\n";
    }
    out_ += "<g data-name=\"";
    escape(c.written, out_);
    out_ += "\" data-kind=\"";
    out_ += controlKindNames[c.kind];
    out_ += "\" data-line=\"";
    num(place.line);
    out_ += "\" data-column=\"";
    num(place.column);
    out_ += '"';
    if (clipped) {
        out_ += " clip-path=\"url(#k";
        num(id);
        out_ += ")\"";
    }
    out_ += "><title>";
    out_ += controlKindNames[c.kind];
    out_ += ' ';
    escape(c.written, out_);
    out_ += " (line ";
    num(place.line);
    out_ += ", column ";
    num(place.column);
    out_ += ")</title>";
}

void SvgWriter::drawButton(const Control& c)
{
    box(c.left, c.top, c.width, c.height, ButtonFace, ButtonBorder);
    lines(shown(c), c.left + c.width / 2, c.top, c.width - 6, c.height, true, true);
}

// A check box or option button: its glyph at the left, centred vertically,
// the caption after it.
void SvgWriter::drawGlyphControl(const Control& c, bool round)
{
    const int gy = c.top + (c.height - GlyphSize) / 2;
    rect(c.left, c.top, c.width, c.height, FormBack);
    if (round) {
        out_ += "<circle shape-rendering=\"geometricPrecision\" cx=\"";
        num(c.left);
        out_ += ".5\" cy=\"";
        num(gy);
        out_ += ".5\" r=\"6\" fill=\"#FFFFFF\" stroke=\"";
        out_ += GlyphBorder;
        out_ += "\" transform=\"translate(6 6)\"/>";
    } else {
        box(c.left, gy, GlyphSize, GlyphSize, "#FFFFFF", GlyphBorder);
    }
    const int tx = c.left + GlyphSize + GlyphTextGap;
    lines(shown(c), tx, c.top, c.left + c.width - tx, c.height, true, false);
}

// Style 0 an editable drop-down, 1 a simple combo box (its edit only, at
// this height), any other a drop-down list, drawn as a button.
void SvgWriter::drawCombo(const Control& c, int style, const char* caption)
{
    const bool list = style != 0 && style != 1;
    box(c.left, c.top, c.width, c.height, list ? ButtonFace : "#FFFFFF", list ? ButtonBorder : FieldBorder);
    if (caption != nullptr)
        text(c.left + 3, c.top + (c.height - LineHeight) / 2 + Ascent, caption);
    if (style != 1 && c.width > ArrowSize)
        chevron(c.left + c.width - 1 - ArrowSize / 2 - 1, c.top + c.height / 2, 'd', Arrow);
}

void SvgWriter::drawList(const Control& c) { box(c.left, c.top, c.width, c.height, "#FFFFFF", ListBorder); }

// A directory list box shows the path down to the current folder, each
// with its folder; the folders at run time are not known here, so the
// drive's root stands for them.
void SvgWriter::drawDirList(const Control& c)
{
    drawList(c);
    const int y = c.top + 2;
    rect(c.left + 3, y + 3, 13, 9, "#E8B84A", " stroke=\"#B58A1E\" stroke-width=\"1\"");
    text(c.left + 20, y + Ascent, "C:\\");
}

// A frame: its line from the middle of its caption's height, broken where
// the caption stands.
void SvgWriter::drawFrame(const Control& c)
{
    const std::string caption = shown(c);
    const int lineTop = c.top + LineHeight / 2;
    rect(c.left, c.top, c.width, c.height, FormBack);
    box(c.left, lineTop, c.width, c.height - LineHeight / 2, "none", FrameLine);
    if (!caption.empty()) {
        rect(c.left + 6, c.top, textWidth(caption) + 4, LineHeight, FormBack);
        text(c.left + 8, c.top + Ascent, caption);
    }
}

// A scroll bar: an arrow button at each end, the thumb between them where
// the value stands in the range the user can scroll, Minimum to Maximum -
// LargeChange + 1, and as long as LargeChange is a part of the whole range.
void SvgWriter::drawScrollBar(const Control& c)
{
    const ScrollBarValues& s = c.scrollBar;
    const bool h = s.horizontal;
    const int length = h ? c.width : c.height;
    const int thick = h ? c.height : c.width;
    rect(c.left, c.top, c.width, c.height, FormBack);
    const int arrow = std::min(ArrowSize, length / 2);
    const int track = length - 2 * arrow;
    const long long range = static_cast<long long>(s.maximum) - s.minimum + 1;
    const long long page = std::max(s.largeChange, 1);
    // Nothing to scroll: Windows greys the arrows and draws no thumb.
    const bool scrolls = page < range;
    const char* arrowColour = scrolls ? Arrow : DisabledArrow;
    // The arrows, in the middle of their squares.
    const int across = thick / 2 + thick % 2;   // 17 pixels: the ninth
    if (h) {
        triangle(c.left + arrow / 2 + arrow % 2, c.top + across, 'l', arrowColour);
        triangle(c.left + c.width - arrow / 2 - arrow % 2, c.top + across, 'r', arrowColour);
    } else {
        triangle(c.left + across, c.top + arrow / 2 + arrow % 2, 'u', arrowColour);
        triangle(c.left + across, c.top + c.height - arrow / 2 - arrow % 2, 'd', arrowColour);
    }
    if (track < MinimumThumb || !scrolls)
        return;
    // Windows divides with MulDiv, which rounds to the nearest.
    auto mulDiv = [](long long a, long long b, long long c) { return static_cast<int>((a * b + c / 2) / c); };
    int thumb = mulDiv(track, page, range);
    thumb = std::max(thumb, MinimumThumb);
    const long long reach = range - page;   // the values past Minimum the thumb can stand at
    long long at = std::clamp(static_cast<long long>(s.value) - s.minimum, 0LL, reach);
    const int offset = reach > 0 ? mulDiv(track - thumb, at, reach) : 0;
    if (h)
        rect(c.left + arrow + offset, c.top + 1, thumb, thick - 2, Thumb);
    else
        rect(c.left + 1, c.top + arrow + offset, thick - 2, thumb, Thumb);
}

void SvgWriter::control(const Control& c)
{
    if (!c.visible || c.kind == KindTimer)
        return;
    open(c, rectOf(c));
    switch (c.kind) {
    case KindCommandButton:
        drawButton(c);
        break;
    case KindTextBox:
        box(c.left, c.top, c.width, c.height, "#FFFFFF", FieldBorder);
        break;
    case KindLabel:   // a label paints its parent's colour behind its text
        rect(c.left, c.top, c.width, c.height, FormBack);
        lines(shown(c), c.left + 1, c.top, c.width - 1, c.height, false, false);
        break;
    case KindCheckBox:
        drawGlyphControl(c, false);
        break;
    case KindOptionButton:
        drawGlyphControl(c, true);
        break;
    case KindComboBox:
        drawCombo(c, c.style, nullptr);
        break;
    case KindDriveListBox:
        drawCombo(c, 0, "c:");
        break;
    case KindListBox:
    case KindFileListBox:
        drawList(c);
        break;
    case KindDirListBox:
        drawDirList(c);
        break;
    case KindScrollBar:
        drawScrollBar(c);
        break;
    case KindFrame: {
        drawFrame(c);
        // The option buttons, in the frame's coordinates and within its clip.
        bool any = false;
        for (const auto& o : c.options)
            any = any || o->visible;
        if (any) {
            out_ += "<g transform=\"translate(";
            num(c.left);
            out_ += ' ';
            num(c.top);
            out_ += ")\">\n";
            for (auto o = c.options.rbegin(); o != c.options.rend(); ++o)
                control(**o);
            out_ += "</g>";
        }
        break;
    }
    default:
        break;
    }
    close();
}

// The component tray: each timer with its clock and name, as many to a line
// as the width takes.
void SvgWriter::tray(const std::vector<const Control*>& timers, int top, int perLine)
{
    const int lineCount = (static_cast<int>(timers.size()) + perLine - 1) / perLine;
    rect(0, top, form_.clientWidth, lineCount * TrayHeight, "#FFFFFF", " data-tray=\"components\"");
    rect(0, top, form_.clientWidth, 1, "#A0A0A0");
    int i = 0;
    for (const Control* t : timers) {
        const int x = 8 + (i % perLine) * (form_.clientWidth / perLine);
        const int y = top + (i / perLine) * TrayHeight + 10;
        open(*t, {}, false);
        out_ += "<circle shape-rendering=\"geometricPrecision\" cx=\"";
        num(x + 8);
        out_ += "\" cy=\"";
        num(y + 8);
        out_ += "\" r=\"7\" fill=\"#FFFFFF\" stroke=\"#3C6EB4\" stroke-width=\"1.5\"/><path stroke=\"#3C6EB4\" "
                "fill=\"none\" d=\"M";
        num(x + 8);
        out_ += ' ';
        num(y + 3);
        out_ += "v5h4\"/>";
        text(x + 20, y + 12, t->written);
        close();
        ++i;
    }
}

void SvgWriter::outline(const Rect& r, const std::string& why)
{
    out_ += "<rect x=\"";
    half(r.left);
    out_ += "\" y=\"";
    half(r.top);
    out_ += "\" width=\"";
    num(std::max(r.width - 1, 0));
    out_ += "\" height=\"";
    num(std::max(r.height - 1, 0));
    out_ += "\" fill=\"none\" stroke=\"";
    out_ += WarningColour;
    out_ += "\" stroke-dasharray=\"3 2\"><title>";
    escape(why, out_);
    out_ += "</title></rect>\n";
}

std::string SvgWriter::draw(const std::vector<Diagnostic>& warnings)
{
    std::vector<const Control*> timers;
    walkControls(form_, [&timers](const Control& c) {
        if (c.kind == KindTimer)
            timers.push_back(&c);
    });
    const int perLine = std::max(1, form_.clientWidth / 140);
    const int trayLines = (static_cast<int>(timers.size()) + perLine - 1) / perLine;
    const int width = form_.clientWidth;
    const int height = form_.clientHeight + trayLines * TrayHeight;

    out_ += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"";
    num(width);
    out_ += "\" height=\"";
    num(height);
    out_ += "\" viewBox=\"0 0 ";
    num(width);
    out_ += ' ';
    num(height);
    out_ += "\" shape-rendering=\"crispEdges\" font-family=\"";
    out_ += FontFamily;
    out_ += "\" font-size=\"11px\" fill=\"";
    out_ += TextColour;
    out_ += "\" data-form=\"";
    escape(form_.written, out_);
    out_ += "\">\n<title>";
    escape(decodeText(form_.caption, reading_), out_);
    out_ += "</title>\n<clipPath id=\"client\"><rect width=\"";
    num(width);
    out_ += "\" height=\"";
    num(form_.clientHeight);
    out_ += "\"/></clipPath>\n<g clip-path=\"url(#client)\" data-client-area=\"";
    num(form_.clientWidth);
    out_ += 'x';
    num(form_.clientHeight);
    out_ += "\">\n";
    rect(0, 0, width, form_.clientHeight, FormBack);
    out_ += '\n';
    // The first control of the form's list is the top of its z-order, so
    // the list is drawn from its end; option buttons are drawn in their frame.
    std::vector<const Control*> formLevel;
    walkControls(form_, [&formLevel](const Control& c) {
        if (c.kind != KindOptionButton)
            formLevel.push_back(&c);
    });
    for (auto c = formLevel.rbegin(); c != formLevel.rend(); ++c)
        control(**c);
    out_ += "</g>\n";
    if (!timers.empty())
        tray(timers, form_.clientHeight, perLine);

    // The warnings given, each outlining the controls it is about.
    bool anyWarning = false;
    for (const Diagnostic& d : warnings)
        anyWarning = anyWarning || d.id == Diag::Overlap || d.id == Diag::Outside;
    if (anyWarning) {
        out_ += "<g data-warnings=\"layout\">\n";
        for (const LayoutWarning& w : layoutWarnings(form_)) {
            const Diag id = w.kind == LayoutWarning::Kind::Overlap ? Diag::Overlap : Diag::Outside;
            const bool given = std::any_of(warnings.begin(), warnings.end(), [&](const Diagnostic& d) {
                return d.id == id && d.offset == w.control->at.offset;
            });
            if (!given)
                continue;
            const std::string why = diagnosticOf(w, form_).text;
            const Control* frame = w.frame;
            outline(clientRectOf(*w.control, frame), why);
            if (w.other != nullptr)
                outline(clientRectOf(*w.other, frame), why);
        }
        out_ += "</g>\n";
    }
    out_ += "</svg>\n";
    return std::move(out_);
}

}  // namespace

std::string drawForm(const Form& form, const SourceBuffer& source, const std::vector<Diagnostic>& warnings)
{
    return SvgWriter(form, source).draw(warnings);
}

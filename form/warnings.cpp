// The layout warnings: overlapping siblings and controls outside the client
// area, found on the finished form.
#include "form/form.h"

namespace {

bool placed(const Control& c) { return c.visible && c.kind != KindTimer && c.kind != KindNone; }

// Rectangles that share at least one pixel; an empty one shares none.
bool overlap(const Rect& a, const Rect& b)
{
    return a.width > 0 && a.height > 0 && b.width > 0 && b.height > 0 && a.left < b.right() &&
           b.left < a.right() && a.top < b.bottom() && b.top < a.bottom();
}

std::string describe(const Rect& r)
{
    std::string out = str(r.left);
    out += ',';
    out += str(r.top);
    out += " size ";
    out += str(r.width);
    out += 'x';
    out += str(r.height);
    return out;
}

}  // namespace

Rect clientRectOf(const Control& c, const Control* frame)
{
    Rect r = rectOf(c);
    if (frame != nullptr) {
        r.left += frame->left;
        r.top += frame->top;
    }
    return r;
}

std::vector<LayoutWarning> layoutWarnings(const Form& form)
{
    std::vector<LayoutWarning> out;
    std::vector<const Control*> formLevel;
    // The form's controls first, each checked against the client area and
    // the earlier ones as it comes; a frame's option buttons right after it.
    auto outside = [&form](const Rect& r) {
        return r.width > 0 && r.height > 0 &&
               (r.left < 0 || r.top < 0 || r.right() > form.clientWidth || r.bottom() > form.clientHeight);
    };
    auto visitFormLevel = [&](const Control& c) {
        if (!placed(c))
            return;
        for (const Control* earlier : formLevel)
            if (overlap(rectOf(c), rectOf(*earlier)))
                out.push_back({LayoutWarning::Kind::Overlap, &c, earlier, nullptr});
        if (outside(rectOf(c)))
            out.push_back({LayoutWarning::Kind::Outside, &c, nullptr, nullptr});
        formLevel.push_back(&c);
    };
    for (const Section& s : form.sections)
        for (const auto& c : s.controls) {
            visitFormLevel(*c);
            if (c->kind == KindTextBox && c->label) {
                visitFormLevel(*c->label);
            } else if (c->kind == KindFrame && placed(*c)) {
                std::vector<const Control*> options;
                for (const auto& o : c->options) {
                    if (!placed(*o))
                        continue;
                    for (const Control* earlier : options)
                        if (overlap(rectOf(*o), rectOf(*earlier)))
                            out.push_back({LayoutWarning::Kind::Overlap, o.get(), earlier, c.get()});
                    if (outside(clientRectOf(*o, c.get())))
                        out.push_back({LayoutWarning::Kind::Outside, o.get(), nullptr, c.get()});
                    options.push_back(o.get());
                }
            }
        }
    return out;
}

Diagnostic diagnosticOf(const LayoutWarning& w, const Form& form)
{
    const Control& c = *w.control;
    if (w.kind == LayoutWarning::Kind::Outside) {
        std::string clientSize = str(form.clientWidth);
        clientSize += 'x';
        clientSize += str(form.clientHeight);
        return makeDiagnostic(Diag::Outside,
                              {controlKindNames[c.kind], c.written, describe(clientRectOf(c, w.frame)),
                               clientSize},
                              c.at.offset, c.at.length);
    }
    const Control& o = *w.other;
    return makeDiagnostic(Diag::Overlap,
                          {controlKindNames[c.kind], c.written, describe(rectOf(c)), controlKindNames[o.kind],
                           o.written, describe(rectOf(o))},
                          c.at.offset, c.at.length);
}

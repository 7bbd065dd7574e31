// The server: JSON-RPC messages in and out, the documents the editor has
// open, and the language requests over them. Every document is compiled on
// open and on each change; its diagnostics go out at once, and the form of
// its last good compilation stays for hover, symbols and the preview.
#include <algorithm>
#include <map>
#include <nlohmann/json.hpp>

#include "lsp/language.h"
#include "lsp/lsp.h"
#include "parser/parser.h"

namespace lsp {

using json = nlohmann::json;

namespace {

// The protocol's error codes.
constexpr int ParseError = -32700;
constexpr int InvalidRequest = -32600;
constexpr int MethodNotFound = -32601;
constexpr int InvalidParams = -32602;
constexpr int InternalError = -32603;
constexpr int ServerNotInitialized = -32002;

// A request whose parameters do not fit: answered with InvalidParams.
struct BadParams {
    std::string why;
};

std::string dump(const json& j) { return j.dump(-1, ' ', false, json::error_handler_t::replace); }

const json& member(const json& object, const char* name)
{
    if (!object.is_object() || !object.contains(name))
        throw BadParams{std::string("missing '") + name + "'"};
    return object.at(name);
}

const std::string& stringMember(const json& object, const char* name)
{
    const json& value = member(object, name);
    if (!value.is_string())
        throw BadParams{std::string("'") + name + "' is not a string"};
    return value.get_ref<const std::string&>();
}

long long integerMember(const json& object, const char* name)
{
    const json& value = member(object, name);
    if (!value.is_number_integer())
        throw BadParams{std::string("'") + name + "' is not an integer"};
    return value.get<long long>();
}

Position positionFrom(const json& p)
{
    Position at{integerMember(p, "line"), integerMember(p, "character")};
    if (at.line < 0 || at.character < 0)
        throw BadParams{"a negative position"};
    return at;
}

json positionJson(Position p) { return json{{"line", p.line}, {"character", p.character}}; }

json rangeJson(const LineIndex& lines, std::size_t from, std::size_t to)
{
    return json{{"start", positionJson(lines.positionOf(from))}, {"end", positionJson(lines.positionOf(to))}};
}

// The picture of a laid-out form, with its layout warnings outlined.
std::string pictureOf(const Form& form, const SourceBuffer& source, const std::vector<Diagnostic>& warnings)
{
    return drawForm(form, source, warnings);
}

std::string kvCode(int code)
{
    char text[16];
    std::snprintf(text, sizeof text, "KV%04d", code);
    return text;
}

// The form and texts of a compilation that succeeded.
struct GoodCompile {
    std::string text;
    std::unique_ptr<Form> form;
    std::vector<Diagnostic> warnings;
};

struct Document {
    std::string text;
    long long version = 0;
    std::unique_ptr<LineIndex> lines;           // over `text`
    std::vector<Diagnostic> diagnostics;        // of the current text: errors and warnings
    bool compiles = false;
    std::unique_ptr<GoodCompile> good;          // the last text that compiled

    Document() { setText({}); }
    void setText(std::string t)
    {
        text = std::move(t);
        lines = std::make_unique<LineIndex>(text);
    }
};

}  // namespace

struct Server::State {
    bool initialized = false;
    bool shuttingDown = false;
    bool exited = false;
    bool snippets = false;
    CompileOptions options;
    std::map<std::string, Document> documents;
    std::vector<std::string> out;

    void send(const json& message) { out.push_back(dump(message)); }
    void respond(const json& id, json result) { send(json{{"jsonrpc", "2.0"}, {"id", id}, {"result", std::move(result)}}); }
    void fail(const json& id, int code, const std::string& message)
    {
        send(json{{"jsonrpc", "2.0"}, {"id", id}, {"error", {{"code", code}, {"message", message}}}});
    }

    Document& document(const json& params)
    {
        const std::string& uri = stringMember(member(params, "textDocument"), "uri");
        const auto found = documents.find(uri);
        if (found == documents.end())
            throw BadParams{"the document '" + uri + "' is not open"};
        return found->second;
    }
    std::size_t offsetAt(const Document& d, const json& params)
    {
        std::size_t offset = 0;
        if (!d.lines->offsetOf(positionFrom(member(params, "position")), offset))
            throw BadParams{"the position is past the document's last line"};
        return offset;
    }

    void dispatch(const std::string& method, const json& id, bool request, const json& params);
    json initialize(const json& params);
    void compileAndPublish(const std::string& uri, Document& d);
    json completion(const Document& d, std::size_t offset);
    json hover(const Document& d, std::size_t offset);
    json symbols(const Document& d);
    json folding(const Document& d);
    json formatting(const Document& d);
    json preview(const Document& d);
};

Server::Server() : state_(std::make_unique<State>()) {}
Server::~Server() = default;

bool Server::exited() const { return state_->exited; }
int Server::exitStatus() const { return state_->shuttingDown ? 0 : 1; }

std::vector<std::string> Server::transportError(MessageReader::Status status)
{
    State& s = *state_;
    s.out.clear();
    if (status == MessageReader::Status::TooLarge)
        s.fail(nullptr, InvalidRequest, "the message is larger than the server takes");
    else
        s.fail(nullptr, ParseError, "a message header without a valid Content-Length");
    return std::move(s.out);
}

std::vector<std::string> Server::handle(std::string_view body)
{
    State& s = *state_;
    s.out.clear();
    json message;
    try {
        message = json::parse(body);
    } catch (const json::exception& e) {
        s.fail(nullptr, ParseError, std::string("not JSON: ") + e.what());
        return std::move(s.out);
    }
    if (!message.is_object()) {
        s.fail(nullptr, InvalidRequest, "a message is a JSON object");
        return std::move(s.out);
    }
    const bool hasId = message.contains("id");
    json id = hasId ? message["id"] : json(nullptr);
    if (hasId && !id.is_string() && !id.is_number_integer()) {
        s.fail(nullptr, InvalidRequest, "an id is a string or an integer");
        return std::move(s.out);
    }
    if (!message.contains("method")) {
        // A response to a request of ours: the server sends none.
        return std::move(s.out);
    }
    if (!message["method"].is_string()) {
        if (hasId)
            s.fail(id, InvalidRequest, "a method is a string");
        return std::move(s.out);
    }
    const std::string method = message["method"].get<std::string>();
    const json params = message.contains("params") ? message["params"] : json::object();
    try {
        s.dispatch(method, id, hasId, params);
    } catch (const BadParams& e) {
        if (hasId)
            s.fail(id, InvalidParams, e.why);
    } catch (const json::exception& e) {
        if (hasId)
            s.fail(id, InvalidParams, e.what());
    } catch (const std::exception& e) {
        if (hasId)
            s.fail(id, InternalError, e.what());
    }
    return std::move(s.out);
}

void Server::State::dispatch(const std::string& method, const json& id, bool request, const json& params)
{
    if (method == "exit") {
        exited = true;
        return;
    }
    if (!initialized) {
        if (method == "initialize" && request)
            respond(id, initialize(params));
        else if (request)
            fail(id, ServerNotInitialized, "the server is not initialized");
        return;
    }
    if (shuttingDown) {
        if (request)
            fail(id, InvalidRequest, "the server is shutting down");
        return;
    }
    if (!request) {
        if (method == "textDocument/didOpen") {
            const json& item = member(params, "textDocument");
            const std::string& uri = stringMember(item, "uri");
            const std::string& text = stringMember(item, "text");
            Document& d = documents[uri];
            d.setText(text);
            d.version = item.contains("version") && item["version"].is_number_integer() ? item["version"].get<long long>() : 0;
            compileAndPublish(uri, d);
        } else if (method == "textDocument/didChange") {
            Document& d = document(params);
            const json& changes = member(params, "contentChanges");
            if (!changes.is_array())
                throw BadParams{"'contentChanges' is not an array"};
            for (const json& change : changes) {
                const std::string& text = stringMember(change, "text");
                if (!change.contains("range")) {
                    d.setText(text);
                    continue;
                }
                // An edit past the text is taken at its end, as an editor
                // that lost count would mean it.
                const json& range = change["range"];
                std::size_t from = d.lines->clampedOffsetOf(positionFrom(member(range, "start")));
                std::size_t to = d.lines->clampedOffsetOf(positionFrom(member(range, "end")));
                if (to < from)
                    std::swap(from, to);
                std::string next;
                next.reserve(d.text.size() - (to - from) + text.size());
                next.append(d.text, 0, from).append(text).append(d.text, to, std::string::npos);
                d.setText(std::move(next));
            }
            const json& doc = member(params, "textDocument");
            if (doc.contains("version") && doc["version"].is_number_integer())
                d.version = doc["version"].get<long long>();
            compileAndPublish(stringMember(doc, "uri"), d);
        } else if (method == "textDocument/didClose") {
            const std::string& uri = stringMember(member(params, "textDocument"), "uri");
            if (documents.erase(uri) != 0)
                send(json{{"jsonrpc", "2.0"},
                          {"method", "textDocument/publishDiagnostics"},
                          {"params", {{"uri", uri}, {"diagnostics", json::array()}}}});
        }
        // Any other notification ($/cancelRequest, didSave, ...) is ignored.
        return;
    }
    if (method == "initialize") {
        fail(id, InvalidRequest, "the server is initialized already");
    } else if (method == "shutdown") {
        shuttingDown = true;
        respond(id, nullptr);
    } else if (method == "textDocument/completion") {
        const Document& d = document(params);
        respond(id, completion(d, offsetAt(d, params)));
    } else if (method == "textDocument/hover") {
        const Document& d = document(params);
        respond(id, hover(d, offsetAt(d, params)));
    } else if (method == "textDocument/documentSymbol") {
        respond(id, symbols(document(params)));
    } else if (method == "textDocument/foldingRange") {
        respond(id, folding(document(params)));
    } else if (method == "textDocument/formatting") {
        respond(id, formatting(document(params)));
    } else if (method == "kavel/preview") {
        respond(id, preview(document(params)));
    } else {
        fail(id, MethodNotFound, "no method '" + method + "'");
    }
}

json Server::State::initialize(const json& params)
{
    initialized = true;
    if (params.is_object()) {
        const json snippet = params.value(json::json_pointer("/capabilities/textDocument/completion/completionItem/snippetSupport"), json(false));
        snippets = snippet.is_boolean() && snippet.get<bool>();
        const json framework = params.value(json::json_pointer("/initializationOptions/framework"), json(nullptr));
        if (framework.is_string() && framework.get<std::string>() == ".NETCoreApp")
            options.framework = Framework::NetCoreApp;
        const json strict = params.value(json::json_pointer("/initializationOptions/strict"), json(false));
        options.strict = strict.is_boolean() && strict.get<bool>();
    }
    return json{
        {"capabilities",
         {{"positionEncoding", "utf-16"},
          {"textDocumentSync", {{"openClose", true}, {"change", 2}}},
          {"completionProvider", {{"resolveProvider", false}}},
          {"hoverProvider", true},
          {"documentSymbolProvider", true},
          {"foldingRangeProvider", true},
          {"documentFormattingProvider", true},
          {"experimental", {{"kavelPreview", true}}}}},
        {"serverInfo", {{"name", "kavel"}, {"version", KAVEL_VERSION}}}};
}

void Server::State::compileAndPublish(const std::string& uri, Document& d)
{
    const SourceBuffer source(uri, d.text);
    CompileResult result = compile(source, options);
    d.diagnostics.clear();
    json list = json::array();
    for (const Diagnostic& diag : result.diagnostics) {
        if (diag.kind != DiagKind::Error && diag.kind != DiagKind::Warning)
            continue;
        d.diagnostics.push_back(diag);
        const std::size_t from = diag.offset == NoOffset ? 0 : std::min(diag.offset, d.text.size());
        const std::size_t to = diag.offset == NoOffset ? 0 : std::min(from + diag.length, d.text.size());
        list.push_back(json{{"range", rangeJson(*d.lines, from, to)},
                            {"severity", diag.kind == DiagKind::Error ? 1 : 2},
                            {"code", kvCode(diag.code)},
                            {"source", "kavel"},
                            {"message", diag.text}});
    }
    d.compiles = result.status == 0 && result.form;
    if (d.compiles) {
        auto good = std::make_unique<GoodCompile>();
        good->text = d.text;
        good->form = std::move(result.form);
        for (const Diagnostic& diag : d.diagnostics)
            if (diag.kind == DiagKind::Warning)
                good->warnings.push_back(diag);
        d.good = std::move(good);
    }
    send(json{{"jsonrpc", "2.0"},
              {"method", "textDocument/publishDiagnostics"},
              {"params", {{"uri", uri}, {"version", d.version}, {"diagnostics", std::move(list)}}}});
}

namespace {

// The line a byte offset is on, as the scanner cuts lines.
std::size_t lineStartBefore(const std::string& text, std::size_t offset)
{
    const std::size_t lf = offset == 0 ? std::string::npos : text.rfind('\n', offset - 1);
    return lf == std::string::npos ? 0 : lf + 1;
}

bool wordCharacter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'); }

}  // namespace

json Server::State::completion(const Document& d, std::size_t offset)
{
    json items = json::array();
    // Inside a comment or a quoted text nothing is completed.
    const std::size_t lineStart = lineStartBefore(d.text, offset);
    const std::vector<SourceLine> lines = splitLines(std::string_view(d.text).substr(lineStart, offset - lineStart));
    const SourceLine& line = lines.back();
    if (line.comment != NoOffset || line.openText)
        return items;
    // The word being typed is replaced: the grammar is asked about the text before it.
    std::size_t wordStart = offset;
    while (wordStart > 0 && wordCharacter(d.text[wordStart - 1]))
        --wordStart;
    const SyntaxProbe probe = probeSyntax(SourceBuffer("complete.fms", std::string_view(d.text).substr(0, wordStart)));
    if (!probe.endReached)
        return items;
    const json replace = rangeJson(*d.lines, wordStart, offset);
    for (int token : probe.accepted) {
        if (token == TokEquals) {
            items.push_back(json{{"label", "="}, {"kind", 24}, {"textEdit", {{"range", replace}, {"newText", "= "}}}});
            continue;
        }
        if (token >= KeywordCount || token == TokNewline)
            continue;   // a name, a number, a text or a line end: nothing to offer
        json item{{"label", keywords[token]}, {"kind", 14}};
        if (snippets && declaresObject(token)) {
            item["kind"] = 15;
            item["detail"] = std::string("the whole ") + keywords[token] + " block";
            item["insertTextFormat"] = 2;
            item["textEdit"] = json{{"range", replace}, {"newText", blockSnippet(token)}};
        } else {
            item["textEdit"] = json{{"range", replace}, {"newText", keywords[token]}};
        }
        items.push_back(std::move(item));
    }
    return items;
}

namespace {

const Control* findControl(const Form& form, const std::string& folded)
{
    const Control* found = nullptr;
    walkControls(form, [&](const Control& c) {
        if (found == nullptr && c.kind != KindLabel && c.name == folded)
            found = &c;
    });
    if (found == nullptr)
        walkControls(form, [&](const Control& c) {
            if (found == nullptr && c.name == folded)
                found = &c;
        });
    return found;
}

std::string controlHover(const Control& c)
{
    return "**" + std::string(controlKindNames[c.kind]) + "** `" + c.written + "`: `" + typeOf(c) + "`\n\n" +
           "location (" + std::to_string(c.left) + ", " + std::to_string(c.top) + "), size " +
           std::to_string(c.width) + " × " + std::to_string(c.height) + ", tab index " + std::to_string(c.tabIndex);
}

}  // namespace

json Server::State::hover(const Document& d, std::size_t offset)
{
    // The line of the offset, cut as the scanner cuts it.
    const std::size_t start = lineStartBefore(d.text, offset);
    std::size_t end = d.text.find('\n', offset);
    if (end == std::string::npos)
        end = d.text.size();
    const std::vector<SourceLine> one = splitLines(std::string_view(d.text).substr(start, end - start));
    for (const Word& w : one.front().words) {
        const std::size_t from = start + w.offset, to = from + w.length;
        if (offset < from || offset > to || w.kind != Word::Name)
            continue;
        const json range = rangeJson(*d.lines, from, to);
        std::string value;
        if (w.keyword >= 0) {
            value = keywordHover(w.keyword);
        } else {
            const GoodCompile* good = d.good.get();
            if (good == nullptr)
                return nullptr;
            const Form& form = *good->form;
            if (form.name == w.folded) {
                value = "**form** `" + form.written + "`: the class `" + form.name + "`\n\nclient size " +
                        std::to_string(form.clientWidth) + " × " + std::to_string(form.clientHeight);
            } else if (const Control* c = findControl(form, w.folded)) {
                value = controlHover(*c);
                if (c->kind == KindTextBox && c->label)
                    value += "\n\nits label `" + c->label->name + "`: location (" + std::to_string(c->label->left) +
                             ", " + std::to_string(c->label->top) + "), size " + std::to_string(c->label->width) +
                             " × " + std::to_string(c->label->height) + ", tab index " +
                             std::to_string(c->label->tabIndex);
            } else {
                return nullptr;
            }
            if (!d.compiles)
                value += "\n\n*(as the last text that compiled laid it out)*";
        }
        return json{{"contents", {{"kind", "markdown"}, {"value", value}}}, {"range", range}};
    }
    return nullptr;
}

namespace {

json blockSymbol(const Block& b, std::string_view text, const LineIndex& lines, const Form* form, int& sectionNumber)
{
    json symbol;
    std::string name, detail;
    int kind;
    std::size_t nameFrom = b.start, nameTo = b.start + std::char_traits<char>::length(keywords[b.keyword]);
    if (b.keyword == KwSection) {
        name = "section " + std::to_string(++sectionNumber);
        kind = 3;   // namespace
    } else {
        name = b.name != nullptr ? std::string(text.substr(b.name->offset, b.name->length))
                                 : std::string("(").append(keywords[b.keyword]).append(")");
        kind = b.keyword == KwForm ? 5 : 8;   // class, field
        detail = keywords[b.keyword];
        if (b.name != nullptr) {
            nameFrom = b.name->offset;
            nameTo = b.name->offset + b.name->length;
        }
        if (form != nullptr && b.name != nullptr && b.keyword != KwForm)
            if (const Control* c = findControl(*form, b.name->folded))
                detail += std::string(" · ") + typeOf(*c);
    }
    int inner = 0;
    json children = json::array();
    for (const Block& child : b.children)
        children.push_back(blockSymbol(child, text, lines, form, b.keyword == KwForm ? sectionNumber : inner));
    symbol = json{{"name", name},
                  {"kind", kind},
                  {"range", rangeJson(lines, b.start, b.end)},
                  {"selectionRange", rangeJson(lines, nameFrom, nameTo)},
                  {"children", std::move(children)}};
    if (!detail.empty())
        symbol["detail"] = detail;
    return symbol;
}

void foldBlocks(const std::vector<Block>& blocks, const LineIndex& lines, json& out)
{
    for (const Block& b : blocks) {
        const long long first = lines.positionOf(b.start).line;
        // The 'end' stays in sight; an unclosed block folds to the text's end.
        const long long last = b.endLineStart != NoOffset ? lines.positionOf(b.endLineStart).line - 1
                                                          : lines.positionOf(b.end).line;
        if (last > first)
            out.push_back(json{{"startLine", first}, {"endLine", last}, {"kind", "region"}});
        foldBlocks(b.children, lines, out);
    }
}

}  // namespace

json Server::State::symbols(const Document& d)
{
    const std::vector<SourceLine> lines = splitLines(d.text);
    const std::vector<Block> blocks = outline(lines, d.text.size());
    const Form* form = d.good ? d.good->form.get() : nullptr;
    json out = json::array();
    int sections = 0;
    for (const Block& b : blocks)
        out.push_back(blockSymbol(b, d.text, *d.lines, form, sections));
    return out;
}

json Server::State::folding(const Document& d)
{
    const std::vector<SourceLine> lines = splitLines(d.text);
    json out = json::array();
    foldBlocks(outline(lines, d.text.size()), *d.lines, out);
    return out;
}

json Server::State::formatting(const Document& d)
{
    const std::optional<std::string> formatted = formatSource(d.text);
    if (!formatted || *formatted == d.text)
        return json::array();
    return json::array({json{{"range", rangeJson(*d.lines, 0, d.text.size())}, {"newText", *formatted}}});
}

json Server::State::preview(const Document& d)
{
    json result{{"ok", d.compiles}, {"svg", nullptr}, {"description", nullptr}};
    if (d.good) {
        const SourceBuffer source("preview.fms", d.good->text);
        result["svg"] = pictureOf(*d.good->form, source, d.good->warnings);
        result["description"] = json::parse(describeForm(*d.good->form, source));
    }
    return result;
}

}  // namespace lsp

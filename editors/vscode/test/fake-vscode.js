// A stand-in for the part of VS Code's API that the extension and its
// language client (vscode-languageclient) use, enough to activate the
// extension in node: documents, events, the registrations of the language
// features (kept, so that a test can call the providers as VS Code would),
// the diagnostics collections, and the plain value classes. What a test does
// not need is a no-op.
'use strict';

const path = require('path');

class Disposable {
    constructor(f) { this.f = f; }
    static from(...items) { return new Disposable(() => items.forEach((i) => i && i.dispose && i.dispose())); }
    dispose() { if (this.f) { this.f(); this.f = undefined; } }
}

class EventEmitter {
    constructor() {
        this.listeners = new Set();
        this.event = (listener, thisArg) => {
            const bound = thisArg ? listener.bind(thisArg) : listener;
            this.listeners.add(bound);
            return new Disposable(() => this.listeners.delete(bound));
        };
    }
    fire(value) { for (const l of [...this.listeners]) l(value); }
    dispose() { this.listeners.clear(); }
}

class Uri {
    constructor(scheme, p) { this.scheme = scheme; this.path = p; this.fsPath = p; this.authority = ''; this.query = ''; this.fragment = ''; }
    static file(p) { return new Uri('file', p); }
    static parse(text) {
        const m = /^([a-z]+):\/\/([^/]*)(.*)$/.exec(text);
        return m ? new Uri(m[1], decodeURIComponent(m[3])) : new Uri('file', text);
    }
    static joinPath(uri, ...parts) { return new Uri(uri.scheme, path.posix.join(uri.path, ...parts)); }
    with(change) { return Object.assign(new Uri(this.scheme, this.path), change); }
    toString() { return `${this.scheme}://${encodeURI(this.path)}`; }
    toJSON() { return this.toString(); }
}

class Position {
    constructor(line, character) { this.line = line; this.character = character; }
    isEqual(o) { return o.line === this.line && o.character === this.character; }
    isBefore(o) { return this.line < o.line || (this.line === o.line && this.character < o.character); }
}
class Range {
    constructor(a, b, c, d) {
        if (typeof a === 'number') { this.start = new Position(a, b); this.end = new Position(c, d); } else { this.start = a; this.end = b; }
    }
    get isEmpty() { return this.start.isEqual(this.end); }
}
class Selection extends Range {}
class Location { constructor(uri, range) { this.uri = uri; this.range = range; } }
class Diagnostic {
    constructor(range, message, severity) { this.range = range; this.message = message; this.severity = severity; }
}
class MarkdownString {
    constructor(value = '') { this.value = value; }
    appendMarkdown(text) { this.value += text; return this; }
    appendText(text) { this.value += text; return this; }
    appendCodeblock(code, language = '') { this.value += '\n```' + language + '\n' + code + '\n```\n'; return this; }
}
class Hover { constructor(contents, range) { this.contents = Array.isArray(contents) ? contents : [contents]; this.range = range; } }
class CompletionItem { constructor(label, kind) { this.label = label; this.kind = kind; } }
class CompletionList { constructor(items = [], isIncomplete = false) { this.items = items; this.isIncomplete = isIncomplete; } }
class SnippetString { constructor(value = '') { this.value = value; } }
class TextEdit { constructor(range, newText) { this.range = range; this.newText = newText; } }
class FoldingRange { constructor(start, end, kind) { this.start = start; this.end = end; this.kind = kind; } }
class DocumentSymbol {
    constructor(name, detail, kind, range, selectionRange) {
        Object.assign(this, { name, detail, kind, range, selectionRange, children: [] });
    }
}
class SymbolInformation { constructor(name, kind, containerName, location) { Object.assign(this, { name, kind, containerName, location }); } }
class CancellationTokenSource {
    constructor() { this.emitter = new EventEmitter(); this.token = { isCancellationRequested: false, onCancellationRequested: this.emitter.event }; }
    cancel() { this.token.isCancellationRequested = true; this.emitter.fire(); }
    dispose() {}
}
class CancellationError extends Error {}
class WorkspaceEdit { constructor() { this.edits = []; } set(uri, edits) { this.edits.push([uri, edits]); } }

// An enumeration whose members are their own names.
const enumeration = () => new Proxy({}, { get: (_, key) => (typeof key === 'string' ? key : undefined) });

// A document over a text, with the changes a test makes to it.
function textDocument(uri, languageId, text) {
    let lines = text.split('\n');
    const offsetAt = (p) => lines.slice(0, p.line).reduce((n, l) => n + l.length + 1, 0) + p.character;
    const positionAt = (offset) => {
        let line = 0;
        while (line < lines.length - 1 && offset > lines[line].length) { offset -= lines[line].length + 1; line += 1; }
        return new Position(line, Math.min(offset, lines[line].length));
    };
    return {
        uri, languageId, version: 1, isClosed: false, isDirty: false, isUntitled: false, eol: 1,
        fileName: uri.fsPath,
        get lineCount() { return lines.length; },
        getText(range) {
            const all = lines.join('\n');
            return range ? all.slice(offsetAt(range.start), offsetAt(range.end)) : all;
        },
        lineAt(i) { const n = typeof i === 'number' ? i : i.line; return { text: lines[n], lineNumber: n }; },
        offsetAt, positionAt,
        getWordRangeAtPosition(p) {
            for (const m of lines[p.line].matchAll(/[A-Za-z][A-Za-z0-9]*|[0-9]+/g)) {
                if (m.index <= p.character && p.character <= m.index + m[0].length) {
                    return new Range(p.line, m.index, p.line, m.index + m[0].length);
                }
            }
            return undefined;
        },
        validateRange: (r) => r,
        validatePosition: (p) => p,
        // Replaces the range with the text; returns the change as the editor reports it.
        edit(range, newText) {
            const all = lines.join('\n');
            const from = offsetAt(range.start);
            const to = offsetAt(range.end);
            lines = (all.slice(0, from) + newText + all.slice(to)).split('\n');
            this.version += 1;
            return { range, rangeOffset: from, rangeLength: to - from, text: newText };
        },
    };
}

function create({ settings = {}, workspaceFolders } = {}) {
    const events = {};
    const emitter = (name) => (events[name] = events[name] || new EventEmitter());
    const providers = {};
    const diagnostics = new Map();
    const commands = new Map();
    const documents = [];
    const log = [];
    const register = (kind) => (selector, provider, ...rest) => {
        (providers[kind] = providers[kind] || []).push({ selector, provider, rest });
        return new Disposable(() => {});
    };
    const languages = new Proxy({
        match: (selector, document) => {
            const list = Array.isArray(selector) ? selector : [selector];
            return list.some((s) => (typeof s === 'string' ? s === document.languageId
                : (!s.language || s.language === document.languageId) && (!s.scheme || s.scheme === document.uri.scheme))) ? 10 : 0;
        },
        createDiagnosticCollection: (name) => ({
            name,
            set: (uri, list) => {
                if (Array.isArray(uri)) { for (const [u, l] of uri) diagnostics.set(u.toString(), l || []); } else { diagnostics.set(uri.toString(), list || []); }
            },
            delete: (uri) => diagnostics.delete(uri.toString()),
            get: (uri) => diagnostics.get(uri.toString()),
            clear: () => diagnostics.clear(),
            forEach: (f) => diagnostics.forEach((l, u) => f(Uri.parse(u), l)),
            dispose: () => {},
        }),
    }, {
        get: (target, key) => (key in target ? target[key]
            : (typeof key === 'string' && key.startsWith('register') ? register(key.slice('register'.length)) : () => new Disposable())),
    });
    const outputChannel = (name) => ({
        name,
        append: (t) => log.push(t),
        appendLine: (t) => log.push(t + '\n'),
        replace: () => {}, clear: () => {}, show: () => {}, hide: () => {}, dispose: () => {},
        trace: (t) => log.push(t + '\n'), debug: (t) => log.push(t + '\n'), info: (t) => log.push(t + '\n'),
        warn: (t) => log.push(t + '\n'), error: (t) => log.push(String(t) + '\n'),
        onDidChangeLogLevel: emitter('logLevel').event, logLevel: 2,
    });
    const panels = [];
    const messages = [];
    const message = (kind) => (text) => { messages.push([kind, text]); return Promise.resolve(undefined); };
    const api = {
        version: '1.82.0',
        Disposable, EventEmitter, Uri, Position, Range, Selection, Location, Diagnostic, MarkdownString, Hover,
        CompletionItem, CompletionList, SnippetString, TextEdit, FoldingRange, DocumentSymbol, SymbolInformation,
        CancellationTokenSource, CancellationError, WorkspaceEdit,
        DiagnosticSeverity: { Error: 0, Warning: 1, Information: 2, Hint: 3 },
        DiagnosticTag: enumeration(), SymbolKind: new Proxy({}, { get: (_, k) => k }), SymbolTag: enumeration(),
        CompletionItemKind: new Proxy({}, { get: (_, k) => k }), CompletionItemTag: enumeration(),
        CompletionTriggerKind: { Invoke: 0, TriggerCharacter: 1, TriggerForIncompleteCompletions: 2 },
        FoldingRangeKind: { Comment: 1, Imports: 2, Region: 3 },
        TextDocumentSaveReason: { Manual: 1, AfterDelay: 2, FocusOut: 3 },
        ProgressLocation: { SourceControl: 1, Window: 10, Notification: 15 },
        ViewColumn: { Active: -1, Beside: -2, One: 1, Two: 2 },
        TextEditorRevealType: { Default: 0, InCenter: 1, InCenterIfOutsideViewport: 2, AtTop: 3 },
        CodeActionKind: new Proxy({}, { get: (_, k) => ({ value: String(k), append: () => ({}) }) }),
        env: { language: 'en', appName: 'Stand-in', machineId: 'test', openExternal: () => Promise.resolve(true) },
        commands: {
            registerCommand: (id, f) => { commands.set(id, f); return new Disposable(() => commands.delete(id)); },
            executeCommand: (id, ...args) => Promise.resolve(commands.has(id) ? commands.get(id)(...args) : undefined),
        },
        workspace: {
            workspaceFolders,
            get textDocuments() { return documents; },
            getConfiguration: (section) => ({
                get: (key, fallback) => {
                    const full = section ? `${section}.${key}` : key;
                    return full in settings ? settings[full] : fallback;
                },
                has: (key) => (section ? `${section}.${key}` : key) in settings,
                update: () => Promise.resolve(),
            }),
            onDidOpenTextDocument: emitter('open').event,
            onDidCloseTextDocument: emitter('close').event,
            onDidChangeTextDocument: emitter('change').event,
            onDidSaveTextDocument: emitter('save').event,
            onWillSaveTextDocument: emitter('willSave').event,
            onDidChangeConfiguration: emitter('configuration').event,
            onDidChangeWorkspaceFolders: emitter('folders').event,
            onDidCreateFiles: emitter('createFiles').event,
            onDidRenameFiles: emitter('renameFiles').event,
            onDidDeleteFiles: emitter('deleteFiles').event,
            onWillCreateFiles: emitter('willCreateFiles').event,
            onWillRenameFiles: emitter('willRenameFiles').event,
            onWillDeleteFiles: emitter('willDeleteFiles').event,
            createFileSystemWatcher: () => ({ onDidCreate: () => new Disposable(), onDidChange: () => new Disposable(), onDidDelete: () => new Disposable(), dispose: () => {} }),
            applyEdit: () => Promise.resolve(true),
            getWorkspaceFolder: () => undefined,
        },
        window: {
            activeTextEditor: undefined,
            visibleTextEditors: [],
            tabGroups: { all: [], onDidChangeTabs: emitter('tabs').event, onDidChangeTabGroups: emitter('tabGroups').event },
            createOutputChannel: outputChannel,
            showInformationMessage: message('information'),
            showWarningMessage: message('warning'),
            showErrorMessage: message('error'),
            withProgress: (options, task) => task({ report: () => {} }, new CancellationTokenSource().token),
            onDidChangeActiveTextEditor: emitter('activeEditor').event,
            onDidChangeVisibleTextEditors: emitter('visibleEditors').event,
            // A panel that keeps what the extension posts to it; the test
            // answers for its page with panel.receive(message).
            createWebviewPanel: (viewType, title, showOptions, options) => {
                const received = new EventEmitter();
                const panel = {
                    viewType, title, showOptions, options, posted: [],
                    webview: {
                        html: '', cspSource: 'vscode-webview:',
                        asWebviewUri: (uri) => uri,
                        postMessage: (m) => { panel.posted.push(m); return Promise.resolve(true); },
                        onDidReceiveMessage: received.event,
                    },
                    receive: (m) => received.fire(m),
                    reveal: () => {}, onDidDispose: emitter('panelDispose').event, dispose: () => emitter('panelDispose').fire(),
                };
                panels.push(panel);
                return panel;
            },
            showTextDocument: () => Promise.resolve(undefined),
        },
        languages,
    };
    // Any other class of the API: one that keeps what it was made with.
    const classes = new Map();
    const proxy = new Proxy(api, {
        get: (target, key) => {
            if (key in target || typeof key !== 'string' || !/^[A-Z]/.test(key)) return target[key];
            if (!classes.has(key)) {
                classes.set(key, class { constructor(...args) { this.args = args; } });
            }
            return classes.get(key);
        },
    });
    return {
        api: proxy,
        providers,
        diagnostics,
        commands,
        log,
        messages,
        panels,
        // A document opened in the editor, as VS Code tells the extensions.
        open(file, languageId, text) {
            const document = textDocument(Uri.file(file), languageId, text);
            documents.push(document);
            emitter('open').fire(document);
            return document;
        },
        // A setting changed by the user.
        configure(key, value) {
            settings[key] = value;
            emitter('configuration').fire({ affectsConfiguration: (section) => key === section || key.startsWith(section + '.') });
        },
        change(document, range, text) {
            const change = document.edit(range, text);
            emitter('change').fire({ document, contentChanges: [change], reason: undefined });
        },
    };
}

module.exports = { create };

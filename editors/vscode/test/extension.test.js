// The extension's parts that run without VS Code, under node's test runner:
// where the server is found, and the preview panel driven through a stand-in
// of the editor's API against a real `kavel --lsp` (KAVEL_BINARY), whose
// answers it turns into the webview's messages and whose clicks it turns into
// a selection in the editor; and the picture drawn from a description.
'use strict';

const test = require('node:test');
const assert = require('node:assert/strict');
const cp = require('child_process');
const fs = require('fs');
const path = require('path');
const rpc = require('vscode-jsonrpc/node');
const { resolveServer } = require('../server-path');
const { PreviewPanel } = require('../preview');
const { drawDescription } = require('../media/preview.js');

const root = path.join(__dirname, '..');
const sample = path.join(root, '..', '..', 'examples', 'sample.fms');
const wordPattern = new RegExp(require('../language-configuration.json').wordPattern, 'g');

test('the server: kavel.path, else bin/ in the extension, else the PATH', () => {
    const base = { extensionPath: '/ext', workspaceFolder: '/work/project', platform: 'linux', home: '/home/me' };
    const none = () => false;
    const all = () => true;
    assert.deepEqual(resolveServer({ ...base, setting: '/opt/kavel/kavel', exists: all }),
        { command: '/opt/kavel/kavel', origin: 'setting kavel.path' });
    assert.equal(resolveServer({ ...base, setting: '  build/kavel ', exists: all }).command, '/work/project/build/kavel');
    assert.equal(resolveServer({ ...base, setting: 'kavel-dev', exists: all }).command, 'kavel-dev');
    assert.equal(resolveServer({ ...base, setting: '~/bin/kavel', exists: all }).command, '/home/me/bin/kavel');
    assert.equal(resolveServer({ ...base, setting: 'build/kavel', workspaceFolder: undefined, exists: all }).command, 'build/kavel');
    assert.deepEqual(resolveServer({ ...base, setting: '', exists: (p) => p === '/ext/bin/kavel' }),
        { command: '/ext/bin/kavel', origin: 'bundled' });
    assert.deepEqual(resolveServer({ ...base, setting: undefined, exists: none }), { command: 'kavel', origin: 'PATH' });
    const windows = { ...base, extensionPath: 'C:\\ext', workspaceFolder: 'C:\\work', platform: 'win32', home: 'C:\\Users\\me' };
    assert.equal(resolveServer({ ...windows, setting: '', exists: (p) => p === 'C:\\ext\\bin\\kavel.exe' }).command, 'C:\\ext\\bin\\kavel.exe');
    assert.equal(resolveServer({ ...windows, setting: '', exists: none }).command, 'kavel.exe');
    assert.equal(resolveServer({ ...windows, setting: 'tools\\kavel.exe', exists: all }).command, 'C:\\work\\tools\\kavel.exe');
});

test('the picture drawn from a description: each control at its place, named, with its source line', () => {
    const svg = drawDescription({
        form: { name: 'Demo', caption: 'A <b> & "c"', clientSize: { width: 300, height: 200 } },
        controls: [
            { name: 'Go', kind: 'commandbutton', type: 'System.Windows.Forms.Button', line: 7, column: 15,
                location: { x: 40, y: 56 }, size: { width: 81, height: 33 }, text: 'O<K>' },
            { name: 'Choice', field: 'choice', kind: 'frame', line: 9, column: 7,
                location: { x: 100, y: 10 }, size: { width: 120, height: 90 }, text: 'Pick' },
            { name: 'First', kind: 'optionbutton', frame: 'choice', line: 11, column: 14,
                location: { x: 8, y: 20 }, size: { width: 60, height: 17 }, text: 'First', visible: false },
            { name: 'Clock', kind: 'timer', line: 20, column: 7, interval: 1000 },
        ],
    });
    assert.match(svg, /^<svg xmlns="http:\/\/www.w3.org\/2000\/svg" width="300" height="256" /);
    // The client area starts below a caption bar of 24 pixels.
    assert.ok(svg.includes('<g class="control" data-line="7" data-column="15"><title>Go (commandbutton, System.Windows.Forms.Button)</title>'
        + '<rect x="40" y="80" width="81" height="33"'), svg);
    assert.ok(svg.includes('>O&lt;K&gt;</text>'));
    assert.ok(svg.includes('>A &lt;b&gt; &amp; &quot;c&quot;</text>'));
    assert.ok(!svg.includes('<b>'));
    // An option button stands relative to its frame, and a hidden one faded.
    assert.ok(svg.includes('<g class="control" data-line="11" data-column="14" opacity="0.35" stroke-dasharray="3 2"><title>First (optionbutton)</title>'
        + '<circle cx="114.5" cy="62.5"'), svg);
    // A timer has no place on the form: it goes in the tray below.
    assert.ok(svg.includes('<g class="control" data-line="20" data-column="7"><title>Clock (timer)</title><rect x="0" y="234"'), svg);
    assert.ok(svg.includes('timer Clock (1000 ms)'));
});

// A document as the editor's API shows it, over lines of text.
function documentOf(file, text) {
    const lines = text.split('\n');
    return {
        uri: { path: file, toString: () => 'file://' + file },
        languageId: 'kavel',
        version: 1,
        get lineCount() { return lines.length; },
        lineAt: (i) => ({ text: lines[i] }),
        setLine(i, value) { lines[i] = value; this.version += 1; },
        get text() { return lines.join('\n'); },
        getWordRangeAtPosition(position) {
            for (const m of lines[position.line].matchAll(wordPattern)) {
                if (m.index <= position.character && position.character < m.index + m[0].length) {
                    return new Range(new Position(position.line, m.index), new Position(position.line, m.index + m[0].length));
                }
            }
            return undefined;
        },
    };
}
class Position {
    constructor(line, character) { this.line = line; this.character = character; }
    isEqual(other) { return other.line === this.line && other.character === this.character; }
}
class Range {
    constructor(start, end) { this.start = start; this.end = end; }
}
class Selection extends Range {}
class Emitter {
    constructor() { this.listeners = []; this.event = (f) => { this.listeners.push(f); return { dispose() {} }; }; }
    fire(value) { for (const f of this.listeners) f(value); }
}
const until = async (condition, what, ms = 5000) => {
    const end = Date.now() + ms;
    while (!condition()) {
        if (Date.now() > end) throw new Error('timed out waiting for ' + what);
        await new Promise((r) => setTimeout(r, 10));
    }
};

test('the preview panel against kavel --lsp', async (t) => {
    const kavel = process.env.KAVEL_BINARY;
    assert.ok(kavel && fs.existsSync(kavel), 'KAVEL_BINARY names the kavel under test');
    const server = cp.spawn(kavel, ['--lsp'], { stdio: ['pipe', 'pipe', 'inherit'] });
    const connection = rpc.createMessageConnection(new rpc.StreamMessageReader(server.stdout), new rpc.StreamMessageWriter(server.stdin));
    connection.listen();
    t.after(async () => {
        await connection.sendRequest('shutdown').catch(() => {});
        connection.sendNotification('exit');
        await new Promise((r) => (server.exitCode !== null ? r() : server.on('exit', r)));
        connection.dispose();
    });
    const init = await connection.sendRequest('initialize', { processId: process.pid, rootUri: null, capabilities: {} });
    assert.ok(init.capabilities, 'the server answers initialize');
    connection.sendNotification('initialized', {});

    const document = documentOf('/forms/demo.fms', fs.readFileSync(sample, 'utf8'));
    connection.sendNotification('textDocument/didOpen', {
        textDocument: { uri: document.uri.toString(), languageId: 'kavel', version: 1, text: document.text },
    });

    const changes = new Emitter();
    const posted = [];
    const shown = [];
    let receive;
    let requests = 0;
    const panel = {
        title: '',
        webview: {
            cspSource: 'vscode-webview:',
            asWebviewUri: (uri) => uri,
            postMessage: (m) => { posted.push(m); return Promise.resolve(true); },
            onDidReceiveMessage: (f) => { receive = f; },
        },
        reveal() {},
        onDidDispose() {},
        dispose() {},
    };
    const editor = { document, viewColumn: 1, revealRange(range) { this.revealed = range; } };
    const vscode = {
        workspace: { onDidChangeTextDocument: changes.event, onDidCloseTextDocument: new Emitter().event },
        window: {
            activeTextEditor: editor,
            visibleTextEditors: [editor],
            onDidChangeActiveTextEditor: new Emitter().event,
            createWebviewPanel: (type, title, where, options) => {
                assert.equal(type, 'kavel.preview');
                assert.equal(options.enableScripts, true);
                return panel;
            },
            showInformationMessage: () => {},
            showTextDocument: async (doc, options) => { shown.push(options); return editor; },
        },
        ViewColumn: { Beside: -2, One: 1 },
        Uri: { joinPath: (uri, ...parts) => ({ path: [uri.path, ...parts].join('/'), toString() { return this.path; } }) },
        Position,
        Selection,
        TextEditorRevealType: { InCenterIfOutsideViewport: 2 },
    };
    const preview = new PreviewPanel({
        vscode,
        extensionUri: { path: root },
        request: (uri) => { requests += 1; return connection.sendRequest('kavel/preview', { textDocument: { uri } }); },
        delay: () => 60,
    });

    preview.show();
    assert.equal(panel.title, 'Preview demo.fms');
    assert.match(panel.webview.html, /Content-Security-Policy" content="default-src 'none';[^"]*script-src 'nonce-([^']+)'/);
    const nonce = panel.webview.html.match(/'nonce-([^']+)'/)[1];
    assert.ok(panel.webview.html.includes(`<script nonce="${nonce}" src="${root}/media/preview.js"></script>`));
    receive({ type: 'ready' });
    await until(() => posted.length >= 1, 'the picture of the opened form');
    const first = posted[posted.length - 1];
    assert.equal(first.type, 'update');
    assert.equal(first.ok, true);
    const ok = first.description.controls.find((c) => c.name === 'OkButton');
    assert.deepEqual([ok.line, ok.column, ok.kind], [7, 15, 'commandbutton']);
    if (first.svg) {
        assert.match(first.svg, /data-line="7"/, 'the picture marks the control OkButton with its line');
    }

    // Typing: five changes in quick succession are one question to the server.
    const before = requests;
    posted.length = 0;
    for (const [i, text] of ['omandbutton', 'comandbutton OkButton', 'comandbutton OkButton', 'comandbutton OkButton', 'comandbutton OkButton'].entries()) {
        document.setLine(6, i === 0 ? text + ' OkButton' : text);
        connection.sendNotification('textDocument/didChange', {
            textDocument: { uri: document.uri.toString(), version: document.version },
            contentChanges: [{ text: document.text }],
        });
        changes.fire({ document });
        await new Promise((r) => setTimeout(r, 10));
    }
    await until(() => posted.length >= 1, 'the picture after typing');
    await new Promise((r) => setTimeout(r, 150));
    assert.equal(requests - before, 1, 'one request after the typing stopped');
    assert.equal(posted.length, 1);
    assert.equal(posted[0].ok, false, 'the misspelt form does not compile');

    // Fixed again: the picture is good again.
    document.setLine(6, 'commandbutton OkButton');
    connection.sendNotification('textDocument/didChange', {
        textDocument: { uri: document.uri.toString(), version: document.version },
        contentChanges: [{ text: document.text }],
    });
    changes.fire({ document });
    await until(() => posted.length >= 2, 'the picture after the fix');
    assert.equal(posted[1].ok, true);

    // A click on OkButton in the picture selects its name in the editor.
    await receive({ type: 'reveal', line: ok.line, column: ok.column });
    assert.equal(shown.length, 1);
    const selection = shown[0].selection;
    assert.deepEqual([selection.start.line, selection.start.character, selection.end.line, selection.end.character], [6, 14, 6, 22]);
    assert.equal(document.lineAt(6).text.slice(14, 22), 'OkButton');
    assert.equal(editor.revealed, selection);
    // Places the text does not have are ignored.
    await receive({ type: 'reveal', line: 999, column: 1 });
    await receive({ type: 'reveal', line: 'x', column: 1 });
    assert.equal(shown.length, 1);
    preview.dispose();
});

// The extension activated in node with a stand-in of VS Code's API
// (fake-vscode.js): its language client (vscode-languageclient) starts the
// kavel named by the setting kavel.path with --lsp (KAVEL_BINARY), and the
// features reach the editor as VS Code would show them: the diagnostic of a
// broken form on its token and gone once fixed, hover, completion,
// formatting, the outline and folding.
'use strict';

const test = require('node:test');
const assert = require('node:assert/strict');
const fs = require('fs');
const path = require('path');
const Module = require('module');
const os = require('os');
const fake = require('./fake-vscode').create({ settings: { 'kavel.path': '', 'kavel.preview.delay': 50 } });

const root = path.join(__dirname, '..');
const resolve = Module._resolveFilename;
Module._resolveFilename = function (request, ...rest) {
    return request === 'vscode' ? 'vscode' : resolve.call(this, request, ...rest);
};
require.cache.vscode = { id: 'vscode', filename: 'vscode', loaded: true, exports: fake.api };
const extension = require('../extension');

const sample = fs.readFileSync(path.join(root, '..', '..', 'examples', 'sample.fms'), 'utf8');
const token = new fake.api.CancellationTokenSource().token;
const until = async (condition, what, ms = 10000) => {
    const end = Date.now() + ms;
    while (!condition()) {
        if (Date.now() > end) throw new Error('timed out waiting for ' + what + '\n' + fake.log.join(''));
        await new Promise((r) => setTimeout(r, 10));
    }
};
const provider = (kind) => {
    const list = fake.providers[kind] || [];
    assert.equal(list.length, 1, `one ${kind} registered`);
    assert.deepEqual(list[0].selector.map((s) => s.language), ['kavel', 'kavel']);
    return list[0].provider;
};
const text = (contents) => contents.map((c) => (typeof c === 'string' ? c : c.value)).join('\n');

test('the extension with its language client against kavel --lsp', async () => {
    assert.ok(process.env.KAVEL_BINARY && fs.existsSync(process.env.KAVEL_BINARY), 'KAVEL_BINARY names the kavel under test');
    // First the kavel bundled in the extension's bin/ folder: an extension
    // folder of its own, with the kavel under test there.
    const extensionPath = fs.mkdtempSync(path.join(os.tmpdir(), 'kavel-extension-'));
    fs.mkdirSync(path.join(extensionPath, 'bin'));
    fs.symlinkSync(process.env.KAVEL_BINARY, path.join(extensionPath, 'bin', 'kavel'));
    const context = { subscriptions: [], extensionPath, extensionUri: fake.api.Uri.file(extensionPath) };
    await extension.activate(context);
    assert.ok(fake.log.join('').includes(`Starting ${extensionPath}/bin/kavel --lsp (bundled)`), fake.log.join(''));
    assert.deepEqual(fake.messages, [], 'no message to the user');
    assert.ok(fake.commands.has('kavel.showPreview'), 'the preview command is registered');

    // A form whose line 7 misspells commandbutton.
    const broken = sample.split('\n');
    broken[6] = 'comandbutton OkButton';
    const document = fake.open('/forms/demo.fms', 'kavel', broken.join('\n'));
    const uri = document.uri.toString();
    await until(() => (fake.diagnostics.get(uri) || []).length > 0, 'the diagnostic of the broken form');
    const [d, ...more] = fake.diagnostics.get(uri);
    assert.equal(more.length, 0);
    assert.deepEqual([d.range.start.line, d.range.start.character, d.range.end.line, d.range.end.character], [6, 0, 6, 12]);
    assert.equal(d.severity, fake.api.DiagnosticSeverity.Error);
    assert.equal(typeof d.code === 'object' ? d.code.value : d.code, 'KV0201');
    assert.match(d.message, /unexpected 'comandbutton'.*did you mean 'commandbutton'\?/);

    // Typed in: one letter, sent as an incremental change.
    fake.change(document, new fake.api.Range(6, 3, 6, 3), 'm');
    assert.equal(document.lineAt(6).text, 'commandbutton OkButton');
    await until(() => (fake.diagnostics.get(uri) || ['x']).length === 0, 'the diagnostic to go');

    const hover = await provider('HoverProvider').provideHover(document, new fake.api.Position(6, 16), token);
    assert.match(text(hover.contents), /System\.Windows\.Forms\.Button/);
    assert.match(text(hover.contents), /\b40\b[^0-9]+\b56\b/);

    // Completion after `width = `: the three widths.
    fake.change(document, new fake.api.Range(11, 8, 11, 14), '');
    assert.equal(document.lineAt(11).text, 'width = ');
    const completion = await provider('CompletionItemProvider').provideCompletionItems(
        document, new fake.api.Position(11, 8), token, { triggerKind: 0 });
    const items = Array.isArray(completion) ? completion : completion.items;
    assert.deepEqual(items.map((i) => (typeof i.label === 'string' ? i.label : i.label.label)).sort(), ['large', 'medium', 'small']);
    fake.change(document, new fake.api.Range(11, 8, 11, 8), 'medium');

    // On a new line after OkButton's end, the next object: the client takes
    // snippets, so an object keyword brings its block, attributes in order.
    fake.change(document, new fake.api.Range(9, 0, 9, 0), '\n');
    const objects = await provider('CompletionItemProvider').provideCompletionItems(
        document, new fake.api.Position(9, 0), token, { triggerKind: 0 });
    const snippet = (Array.isArray(objects) ? objects : objects.items).find((i) => i.label === 'commandbutton');
    assert.ok(snippet, 'commandbutton is offered after an end in a section');
    assert.ok(snippet.insertText instanceof fake.api.SnippetString, 'as a snippet');
    assert.match(snippet.insertText.value, /^commandbutton \$\{?1[^\n]*\n\s*caption = [^\n]*\n\s*end/);
    fake.change(document, new fake.api.Range(9, 0, 10, 0), '');

    // The outline: the form, its three sections, their controls.
    const symbols = await provider('DocumentSymbolProvider').provideDocumentSymbols(document, token);
    assert.equal(symbols.length, 1);
    assert.match(symbols[0].name, /Sample/);
    assert.equal(symbols[0].children.length, 3);
    assert.deepEqual(symbols[0].children[0].children.map((s) => s.name), ['OkButton', 'NameBox', 'Agree']);

    const folds = await provider('FoldingRangeProvider').provideFoldingRanges(document, {}, token);
    assert.ok(folds.some((f) => f.start === 0), 'the form folds');
    assert.ok(folds.some((f) => f.start === 5), 'the first section folds');

    // Formatting: the attributes of the controls come indented, and the
    // text once formatted stays as it is.
    const edits = await provider('DocumentFormattingEditProvider').provideDocumentFormattingEdits(
        document, { tabSize: 4, insertSpaces: true }, token);
    assert.ok(edits.length > 0);
    for (const edit of [...edits].reverse()) fake.change(document, edit.range, edit.newText);
    assert.match(document.lineAt(7).text, /^\s+caption = "OK"$/);
    assert.ok(document.lineAt(7).text.match(/^\s*/)[0].length > document.lineAt(6).text.match(/^\s*/)[0].length);
    const again = await provider('DocumentFormattingEditProvider').provideDocumentFormattingEdits(
        document, { tabSize: 4, insertSpaces: true }, token);
    assert.equal((again || []).length, 0);

    // Kavel: Show Preview on the form: the panel gets the server's answer
    // to kavel/preview, with the laid-out controls.
    fake.api.window.activeTextEditor = { document, viewColumn: 1 };
    await fake.commands.get('kavel.showPreview')();
    assert.equal(fake.panels.length, 1);
    const panel = fake.panels[0];
    assert.equal(panel.viewType, 'kavel.preview');
    assert.equal(panel.title, 'Preview demo.fms');
    panel.receive({ type: 'ready' });
    await until(() => panel.posted.some((m) => m.type === 'update'), 'the preview');
    const update = panel.posted.find((m) => m.type === 'update');
    assert.equal(update.ok, true);
    const button = update.description.controls.find((c) => c.name === 'OkButton');
    assert.deepEqual([button.line, button.column], [7, document.lineAt(6).text.indexOf('OkButton') + 1],
        'the control is placed where its name stands in the formatted text');

    // The setting kavel.path changed: the client starts again with that kavel,
    // and the open form is the new server's too.
    fake.configure('kavel.path', process.env.KAVEL_BINARY);
    await until(() => fake.log.join('').includes(`Starting ${process.env.KAVEL_BINARY} --lsp (setting kavel.path)`), 'the restart');
    const m = document.lineAt(6).text.indexOf('commandbutton') + 3;
    fake.change(document, new fake.api.Range(6, m, 6, m + 1), '');
    assert.match(document.lineAt(6).text, /^\s*comandbutton OkButton$/);
    await until(() => (fake.diagnostics.get(uri) || []).length === 1, 'the diagnostic from the new server');
    assert.equal(fake.diagnostics.get(uri)[0].message.includes("'comandbutton'"), true);
    assert.deepEqual(fake.messages, [], 'no message to the user');

    await extension.deactivate();
    // The server has gone with the client (Linux: the children in /proc).
    const children = () => fs.readdirSync('/proc').filter((n) => /^[0-9]+$/.test(n)).filter((n) => {
        try {
            const stat = fs.readFileSync(`/proc/${n}/stat`, 'utf8');
            return stat.slice(stat.lastIndexOf(')') + 2).split(' ')[1] === String(process.pid);
        } catch (_) {
            return false;
        }
    });
    if (fs.existsSync('/proc/self/stat')) {
        await until(() => children().length === 0, 'the server to exit');
    }
    for (const s of context.subscriptions) s.dispose();
    fs.rmSync(extensionPath, { recursive: true, force: true });
});

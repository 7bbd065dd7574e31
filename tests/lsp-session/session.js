// A scripted session against kavel's language server through the protocol
// library VS Code itself uses. Every method the server announces, with
// incremental changes, a form with non-ASCII texts (UTF-16 columns) and
// malformed messages, which must each get the protocol's error while the
// session goes on.
//   node session.js COMMAND ARGS...     (e.g. build/kavel --lsp)
'use strict';
const assert = require('assert');
const { spawn } = require('child_process');
const fs = require('fs');
const os = require('os');
const path = require('path');
const rpc = require('vscode-languageserver-protocol/node');

// A command or argument that names a file by a relative path (the server,
// or the program wine runs) is taken from the folder the session started in.
const fromHere = (a) => (a.includes('/') && fs.existsSync(a) ? path.resolve(a) : a);
const [command, ...args] = process.argv.slice(2).map(fromHere);
if (!command) {
  console.error('usage: node session.js COMMAND ARGS...');
  process.exit(2);
}

// The server runs in a folder of its own, which must stay empty: it writes no file.
const folder = fs.mkdtempSync(path.join(os.tmpdir(), 'kavel-lsp-session-'));
const server = spawn(command, args, { stdio: ['pipe', 'pipe', 'inherit'], cwd: folder });
let exitSent = false;
const exited = new Promise((resolve) => server.on('exit', (code, signal) => {
  if (!exitSent) {
    console.log(`lsp-session: FAILED: the server ended before its exit (status ${code}, signal ${signal})`);
    process.exit(1);
  }
  resolve(code);
}));
server.on('error', (e) => {
  console.log(`lsp-session: FAILED: the server does not start: ${e.message}`);
  process.exit(1);
});

// Responses without an id (to a message the server could not read) reach
// the library's logger: they are kept to be checked.
const idlessErrors = [];
const logger = {
  error: (m) => {
    const match = /without id: Error is: \n([\s\S]*)$/.exec(m);
    if (match) idlessErrors.push(JSON.parse(match[1]));
    else console.error('log:', m);
  },
  warn: () => {}, info: () => {}, log: () => {},
};
const connection = rpc.createProtocolConnection(
  new rpc.StreamMessageReader(server.stdout), new rpc.StreamMessageWriter(server.stdin), logger);

const published = [];
let waiting = null;
connection.onNotification(rpc.PublishDiagnosticsNotification.type, (params) => {
  published.push(params);
  if (waiting && waiting.uri === params.uri) {
    const w = waiting;
    waiting = null;
    w.resolve(params);
  }
});
connection.listen();

function diagnosticsOf(uri, send) {
  return new Promise((resolve, reject) => {
    const timer = setTimeout(() => reject(new Error(`no diagnostics for ${uri}`)), 20000);
    waiting = { uri, resolve: (p) => { clearTimeout(timer); resolve(p); } };
    send();
  });
}

function raw(bytes) {
  return new Promise((resolve) => server.stdin.write(bytes, resolve));
}

async function expectError(promise, code, what) {
  try {
    await promise;
  } catch (e) {
    assert.strictEqual(e.code, code, `${what}: error ${e.code} (${e.message}), expected ${code}`);
    return;
  }
  assert.fail(`${what}: answered without an error`);
}

// An id-less error answers a message the server could not read; the next
// request is answered after it, so waiting for one is waiting for both.
async function expectIdlessError(code, what) {
  await connection.sendRequest(rpc.FoldingRangeRequest.type, { textDocument: { uri: sampleUri } });
  const e = idlessErrors.shift();
  assert.ok(e, `${what}: no error answered`);
  assert.strictEqual(e.code, code, `${what}: error ${JSON.stringify(e)}, expected ${code}`);
}

const sampleUri = 'file:///work/sample.fms';
// The form of the README's example, whose first control the README shows
// laid out: okbutton at (40, 56), 81 by 33, tab index 0.
const sample = [
  'form Sample',                  // 0
  'location = middle center',     // 1
  'caption = "Sample form"',      // 2
  'organization = rows',          // 3
  '',                             // 4
  'section',                      // 5
  'commandbutton OkButton',       // 6
  'caption = "OK"',               // 7
  'end',                          // 8
  'textbox NameBox',              // 9
  'height = 1',                   // 10
  'width = medium',               // 11
  'label = "Name:"',              // 12
  'end',                          // 13
  'end',                          // 14
  'end',                          // 15
  '',
].join('\n');

const steps = [];
function step(name, run) { steps.push({ name, run }); }

const caps = {};

step('initialize announces what is implemented', async () => {
  // Before initialize, a request is refused as the protocol says.
  await expectError(connection.sendRequest(rpc.HoverRequest.type,
    { textDocument: { uri: sampleUri }, position: { line: 0, character: 0 } }), -32002, 'a request before initialize');
  const result = await connection.sendRequest(rpc.InitializeRequest.type, {
    processId: process.pid, rootUri: null, workspaceFolders: null,
    capabilities: { textDocument: { completion: { completionItem: { snippetSupport: true } } } },
  });
  Object.assign(caps, result.capabilities);
  assert.strictEqual(result.serverInfo.name, 'kavel');
  assert.deepStrictEqual(caps.textDocumentSync, { openClose: true, change: rpc.TextDocumentSyncKind.Incremental });
  assert.strictEqual(caps.positionEncoding, 'utf-16');
  assert.strictEqual(caps.hoverProvider, true);
  assert.strictEqual(caps.documentSymbolProvider, true);
  assert.strictEqual(caps.foldingRangeProvider, true);
  assert.strictEqual(caps.documentFormattingProvider, true);
  assert.ok(caps.completionProvider);
  // Nothing that is not implemented.
  for (const absent of ['definitionProvider', 'referencesProvider', 'renameProvider', 'codeActionProvider',
    'signatureHelpProvider', 'documentRangeFormattingProvider', 'semanticTokensProvider'])
    assert.strictEqual(caps[absent], undefined, absent);
  await connection.sendNotification(rpc.InitializedNotification.type, {});
});

step('a broken form gets its diagnostic on open, over the token', async () => {
  const broken = sample.replace('commandbutton OkButton', 'commandbuton OkButton');
  const d = await diagnosticsOf(sampleUri, () => connection.sendNotification(rpc.DidOpenTextDocumentNotification.type, {
    textDocument: { uri: sampleUri, languageId: 'fms', version: 1, text: broken },
  }));
  assert.strictEqual(d.version, 1);
  assert.strictEqual(d.diagnostics.length, 1);
  const [diag] = d.diagnostics;
  assert.strictEqual(diag.code, 'KV0201');
  assert.strictEqual(diag.source, 'kavel');
  assert.strictEqual(diag.severity, rpc.DiagnosticSeverity.Error);
  assert.deepStrictEqual(diag.range, { start: { line: 6, character: 0 }, end: { line: 6, character: 12 } });
  assert.match(diag.message, /did you mean 'commandbutton'/);
});

step('hover: no layout before the form ever compiled', async () => {
  const h = await connection.sendRequest(rpc.HoverRequest.type,
    { textDocument: { uri: sampleUri }, position: { line: 9, character: 10 } });
  assert.strictEqual(h, null);
});

step('an incremental change that fixes it clears the diagnostics', async () => {
  const d = await diagnosticsOf(sampleUri, () => connection.sendNotification(rpc.DidChangeTextDocumentNotification.type, {
    textDocument: { uri: sampleUri, version: 2 },
    contentChanges: [{ range: { start: { line: 6, character: 9 }, end: { line: 6, character: 9 } }, text: 't' }],
  }));
  assert.strictEqual(d.version, 2);
  assert.deepStrictEqual(d.diagnostics, []);
});

step('hover on a control: kind, type, location, size, tab index', async () => {
  const h = await connection.sendRequest(rpc.HoverRequest.type,
    { textDocument: { uri: sampleUri }, position: { line: 6, character: 16 } });
  assert.ok(h, 'a hover');
  assert.deepStrictEqual(h.range, { start: { line: 6, character: 14 }, end: { line: 6, character: 22 } });
  const text = h.contents.value;
  assert.match(text, /commandbutton/);
  assert.match(text, /System\.Windows\.Forms\.Button/);
  assert.match(text, /location \(40, 56\)/);
  assert.match(text, /size 81 × 33/);
  assert.match(text, /tab index 0/);
});

step('hover on a keyword: its meaning and allowed values', async () => {
  const h = await connection.sendRequest(rpc.HoverRequest.type,
    { textDocument: { uri: sampleUri }, position: { line: 11, character: 2 } });
  assert.match(h.contents.value, /width/);
  assert.match(h.contents.value, /small \| medium \| large/);
  const loc = await connection.sendRequest(rpc.HoverRequest.type,
    { textDocument: { uri: sampleUri }, position: { line: 1, character: 0 } });
  assert.match(loc.contents.value, /top \| middle \| bottom/);
  assert.match(loc.contents.value, /left \| center \| right/);
});

async function complete(line, character) {
  const items = await connection.sendRequest(rpc.CompletionRequest.type,
    { textDocument: { uri: sampleUri }, position: { line, character } });
  return Array.isArray(items) ? items : items.items;
}

step('completion: exactly what the grammar takes at the cursor', async () => {
  // After a command button's name: its one attribute.
  assert.deepStrictEqual((await complete(7, 0)).map((i) => i.label), ['caption']);
  // Inside the word being typed: the same, replacing the word.
  const inWord = await complete(7, 3);
  assert.deepStrictEqual(inWord.map((i) => i.label), ['caption']);
  assert.deepStrictEqual(inWord[0].textEdit.range, { start: { line: 7, character: 0 }, end: { line: 7, character: 3 } });
  // After a text box's name: height, then after height: width.
  assert.deepStrictEqual((await complete(10, 0)).map((i) => i.label), ['height']);
  assert.deepStrictEqual((await complete(11, 0)).map((i) => i.label), ['width']);
  // The value words of location, width and organization.
  assert.deepStrictEqual((await complete(1, 11)).map((i) => i.label).sort(), ['bottom', 'middle', 'top']);
  assert.deepStrictEqual((await complete(1, 18)).map((i) => i.label).sort(), ['center', 'left', 'right']);
  assert.deepStrictEqual((await complete(11, 8)).map((i) => i.label).sort(), ['large', 'medium', 'small']);
  assert.deepStrictEqual((await complete(3, 15)).map((i) => i.label).sort(), ['columns', 'rows']);
  // Inside a comment or a quoted text: nothing.
  assert.deepStrictEqual(await complete(2, 14), []);
});

step('completion: an object keyword brings its whole block', async () => {
  // Where the next control of a section may begin (after the text box's end).
  const items = await complete(14, 0);
  const labels = items.map((i) => i.label).sort();
  assert.deepStrictEqual(labels, ['checkbox', 'combobox', 'commandbutton', 'dirlistbox', 'drivelistbox', 'end',
    'filelistbox', 'frame', 'listbox', 'scrollbar', 'textbox', 'timer']);
  const textbox = items.find((i) => i.label === 'textbox');
  assert.strictEqual(textbox.insertTextFormat, rpc.InsertTextFormat.Snippet);
  assert.strictEqual(textbox.textEdit.newText,
    'textbox ${1:name}\n    height = ${2:0}\n    width = ${3|small,medium,large|}\n    label = "${4:text}"\nend$0');
  const frame = items.find((i) => i.label === 'frame');
  assert.strictEqual(frame.textEdit.newText,
    'frame ${1:name}\n    caption = "${2:text}"\n    optionbutton ${3:name}\n        caption = "${4:text}"\n' +
    '        visible = ${5|true,false|}\n    end\nend$0');
  const end = items.find((i) => i.label === 'end');
  assert.strictEqual(end.textEdit.newText, 'end');
});

step('document symbols: form, sections, controls', async () => {
  const symbols = await connection.sendRequest(rpc.DocumentSymbolRequest.type, { textDocument: { uri: sampleUri } });
  assert.strictEqual(symbols.length, 1);
  const [form] = symbols;
  assert.strictEqual(form.name, 'Sample');
  assert.strictEqual(form.kind, rpc.SymbolKind.Class);
  assert.deepStrictEqual(form.range, { start: { line: 0, character: 0 }, end: { line: 15, character: 3 } });
  assert.strictEqual(form.children.length, 1);
  const [section] = form.children;
  assert.deepStrictEqual(section.range, { start: { line: 5, character: 0 }, end: { line: 14, character: 3 } });
  assert.deepStrictEqual(section.children.map((c) => c.name), ['OkButton', 'NameBox']);
  assert.deepStrictEqual(section.children[1].selectionRange, { start: { line: 9, character: 8 }, end: { line: 9, character: 15 } });
});

step('folding ranges: the form, its sections and controls', async () => {
  const ranges = await connection.sendRequest(rpc.FoldingRangeRequest.type, { textDocument: { uri: sampleUri } });
  const pairs = ranges.map((r) => [r.startLine, r.endLine]).sort((a, b) => a[0] - b[0]);
  // Each block folds up to the line before its end.
  assert.deepStrictEqual(pairs, [[0, 14], [5, 13], [6, 7], [9, 12]]);
});

step('formatting: one canonical layout, once', async () => {
  const edits = await connection.sendRequest(rpc.DocumentFormattingRequest.type,
    { textDocument: { uri: sampleUri }, options: { tabSize: 4, insertSpaces: true } });
  assert.strictEqual(edits.length, 1);
  assert.deepStrictEqual(edits[0].range, { start: { line: 0, character: 0 }, end: { line: 16, character: 0 } });
  const expected = [
    'form Sample',
    '    location = middle center',
    '    caption = "Sample form"',
    '    organization = rows',
    '',
    '    section',
    '        commandbutton OkButton',
    '            caption = "OK"',
    '        end',
    '        textbox NameBox',
    '            height = 1',
    '            width = medium',
    '            label = "Name:"',
    '        end',
    '    end',
    'end',
    '',
  ].join('\n');
  assert.strictEqual(edits[0].newText, expected);
  // Applied as a full change, the text is formatted: nothing more to do.
  await diagnosticsOf(sampleUri, () => connection.sendNotification(rpc.DidChangeTextDocumentNotification.type, {
    textDocument: { uri: sampleUri, version: 3 }, contentChanges: [{ text: expected }],
  }));
  const again = await connection.sendRequest(rpc.DocumentFormattingRequest.type,
    { textDocument: { uri: sampleUri }, options: { tabSize: 4, insertSpaces: true } });
  assert.deepStrictEqual(again, []);
  // Keywords in any case, '=' without spaces, comments kept.
  const messy = 'FORM Tiny \' the form\nLocation=Top Left\nCAPTION ="x"\n\n\norganization= Columns\nsection\n' +
    'Timer Tick\ninterval=5   \' fast\nEND\nend\nend\n';
  await diagnosticsOf(sampleUri, () => connection.sendNotification(rpc.DidChangeTextDocumentNotification.type, {
    textDocument: { uri: sampleUri, version: 4 }, contentChanges: [{ text: messy }],
  }));
  const tidy = await connection.sendRequest(rpc.DocumentFormattingRequest.type,
    { textDocument: { uri: sampleUri }, options: { tabSize: 4, insertSpaces: true } });
  assert.strictEqual(tidy[0].newText, 'form Tiny \' the form\n    location = top left\n    caption = "x"\n' +
    '    organization = columns\n\n    section\n        timer Tick\n            interval = 5 \' fast\n        end\n    end\nend\n');
  // A broken source is left alone.
  await diagnosticsOf(sampleUri, () => connection.sendNotification(rpc.DidChangeTextDocumentNotification.type, {
    textDocument: { uri: sampleUri, version: 5 }, contentChanges: [{ text: 'FORM  x\nlocation=\n' }],
  }));
  assert.deepStrictEqual(await connection.sendRequest(rpc.DocumentFormattingRequest.type,
    { textDocument: { uri: sampleUri }, options: { tabSize: 4, insertSpaces: true } }), []);
  await diagnosticsOf(sampleUri, () => connection.sendNotification(rpc.DidChangeTextDocumentNotification.type, {
    textDocument: { uri: sampleUri, version: 6 }, contentChanges: [{ text: sample }],
  }));
});

step('kavel/preview: the description of the current text', async () => {
  const p = await connection.sendRequest('kavel/preview', { textDocument: { uri: sampleUri } });
  assert.strictEqual(p.ok, true);
  assert.strictEqual(typeof p.svg, 'string');
  assert.strictEqual(p.description.form.name, 'Sample');
  const ok = p.description.controls.find((c) => c.name === 'OkButton');
  assert.deepStrictEqual([ok.location.x, ok.location.y, ok.size.width, ok.size.height, ok.tabIndex], [40, 56, 81, 33, 0]);
});

step('while the text does not compile: the last good layout', async () => {
  // 'width = medium' becomes 'width = mediu': refused, one diagnostic.
  const broken = await diagnosticsOf(sampleUri, () => connection.sendNotification(rpc.DidChangeTextDocumentNotification.type, {
    textDocument: { uri: sampleUri, version: 20 },
    contentChanges: [{ range: { start: { line: 11, character: 13 }, end: { line: 11, character: 14 } }, text: '' }],
  }));
  assert.strictEqual(broken.diagnostics.length, 1);
  assert.deepStrictEqual(broken.diagnostics[0].range, { start: { line: 11, character: 8 }, end: { line: 11, character: 13 } });
  const h = await connection.sendRequest(rpc.HoverRequest.type,
    { textDocument: { uri: sampleUri }, position: { line: 6, character: 16 } });
  assert.match(h.contents.value, /location \(40, 56\)/);
  assert.match(h.contents.value, /last text that compiled/);
  const p = await connection.sendRequest('kavel/preview', { textDocument: { uri: sampleUri } });
  assert.strictEqual(p.ok, false);
  assert.strictEqual(p.description.form.name, 'Sample');
  const fixed = await diagnosticsOf(sampleUri, () => connection.sendNotification(rpc.DidChangeTextDocumentNotification.type, {
    textDocument: { uri: sampleUri, version: 21 },
    contentChanges: [{ range: { start: { line: 11, character: 13 }, end: { line: 11, character: 13 } }, text: 'm' }],
  }));
  assert.deepStrictEqual(fixed.diagnostics, []);
});

const utfUri = 'file:///work/grüße.fms';
step('non-ASCII texts: positions in UTF-16 code units', async () => {
  // The emoji is two UTF-16 units (four bytes), ü one (two bytes): the stray
  // word after the caption stands at character 17.
  const text = 'form Gruss\nlocation = top left\ncaption = "😀 ü" x\norganization = rows\nsection\n' +
    'commandbutton Ok\ncaption = "Grüße 😀"\nend\nend\nend\n';
  const d = await diagnosticsOf(utfUri, () => connection.sendNotification(rpc.DidOpenTextDocumentNotification.type, {
    textDocument: { uri: utfUri, languageId: 'fms', version: 1, text },
  }));
  assert.strictEqual(d.diagnostics.length, 1);
  assert.deepStrictEqual(d.diagnostics[0].range, { start: { line: 2, character: 17 }, end: { line: 2, character: 18 } });
  // Deleting it by its UTF-16 range fixes the form.
  const fixed = await diagnosticsOf(utfUri, () => connection.sendNotification(rpc.DidChangeTextDocumentNotification.type, {
    textDocument: { uri: utfUri, version: 2 },
    contentChanges: [{ range: { start: { line: 2, character: 16 }, end: { line: 2, character: 18 } }, text: '' }],
  }));
  assert.deepStrictEqual(fixed.diagnostics, []);
  // A stray character after a text with a surrogate pair: at its UTF-16
  // column, one unit wide.
  const stray = await diagnosticsOf(utfUri, () => connection.sendNotification(rpc.DidChangeTextDocumentNotification.type, {
    textDocument: { uri: utfUri, version: 3 },
    contentChanges: [{ range: { start: { line: 6, character: 20 }, end: { line: 6, character: 20 } }, text: ' é' }],
  }));
  assert.strictEqual(stray.diagnostics[0].code, 'KV0101');
  assert.deepStrictEqual(stray.diagnostics[0].range, { start: { line: 6, character: 21 }, end: { line: 6, character: 22 } });
  // Hover on the keyword after it, counted in UTF-16.
  await diagnosticsOf(utfUri, () => connection.sendNotification(rpc.DidChangeTextDocumentNotification.type, {
    textDocument: { uri: utfUri, version: 4 },
    contentChanges: [{ range: { start: { line: 6, character: 20 }, end: { line: 6, character: 22 } }, text: '' }],
  }));
  const h = await connection.sendRequest(rpc.HoverRequest.type,
    { textDocument: { uri: utfUri }, position: { line: 5, character: 15 } });
  assert.deepStrictEqual(h.range, { start: { line: 5, character: 14 }, end: { line: 5, character: 16 } });
  assert.match(h.contents.value, /System\.Windows\.Forms\.Button/);
  await connection.sendNotification(rpc.DidCloseTextDocumentNotification.type, { textDocument: { uri: utfUri } });
});

step('malformed messages get the protocol error and the session goes on', async () => {
  // Not JSON.
  const notJson = Buffer.from('{"jsonrpc": "2.0", "id": 90, "method":');
  await raw(Buffer.concat([Buffer.from(`Content-Length: ${notJson.length}\r\n\r\n`), notJson]));
  await expectIdlessError(-32700, 'bad JSON');
  // Invalid UTF-8 inside a string.
  const badUtf8 = Buffer.concat([Buffer.from('{"jsonrpc":"2.0","id":91,"method":"textDocument/hover","params":{"x":"'),
    Buffer.from([0xff, 0xc3, 0x28]), Buffer.from('"}}')]);
  await raw(Buffer.concat([Buffer.from(`Content-Length: ${badUtf8.length}\r\n\r\n`), badUtf8]));
  await expectIdlessError(-32700, 'invalid UTF-8');
  // A header without Content-Length.
  await raw('Content-Type: application/vscode-jsonrpc; charset=utf-8\r\n\r\n');
  await expectIdlessError(-32700, 'no Content-Length');
  // Not an object.
  const array = Buffer.from('[1, 2, 3]');
  await raw(Buffer.concat([Buffer.from(`Content-Length: ${array.length}\r\n\r\n`), array]));
  await expectIdlessError(-32600, 'a JSON array');
  // A huge message: passed over whole, answered, and the next one is read.
  const huge = 17 * 1024 * 1024;
  await raw(`Content-Length: ${huge}\r\n\r\n`);
  const chunk = Buffer.alloc(1024 * 1024, 0x20);
  for (let i = 0; i < 17; ++i) await raw(chunk);
  await expectIdlessError(-32600, 'a huge message');
  // An unknown method.
  await expectError(connection.sendRequest('kavel/nothing', {}), -32601, 'an unknown method');
  // Positions beyond the document; parameters of the wrong type; a document never opened.
  await expectError(connection.sendRequest(rpc.HoverRequest.type,
    { textDocument: { uri: sampleUri }, position: { line: 400, character: 0 } }), -32602, 'a line past the end');
  await expectError(connection.sendRequest(rpc.CompletionRequest.type,
    { textDocument: { uri: sampleUri }, position: { line: -1, character: 0 } }), -32602, 'a negative line');
  await expectError(connection.sendRequest(rpc.HoverRequest.type,
    { textDocument: { uri: sampleUri }, position: { line: 'one', character: 0 } }), -32602, 'a line that is not a number');
  await expectError(connection.sendRequest(rpc.DocumentSymbolRequest.type,
    { textDocument: { uri: 'file:///nowhere.fms' } }), -32602, 'a document never opened');
  // A character past the end of its line is the line's end (as the protocol says).
  const h = await connection.sendRequest(rpc.HoverRequest.type,
    { textDocument: { uri: sampleUri }, position: { line: 6, character: 500 } });
  assert.deepStrictEqual(h.range, { start: { line: 6, character: 14 }, end: { line: 6, character: 22 } });
  // A notification with bad parameters is ignored; a change past the end is taken at the end.
  await connection.sendNotification(rpc.DidChangeTextDocumentNotification.type, { textDocument: { uri: 'file:///nowhere.fms' } });
  const past = await diagnosticsOf(sampleUri, () => connection.sendNotification(rpc.DidChangeTextDocumentNotification.type, {
    textDocument: { uri: sampleUri, version: 22 },
    contentChanges: [{ range: { start: { line: 900, character: 0 }, end: { line: 900, character: 9 } }, text: '\' tail\n' }],
  }));
  assert.deepStrictEqual(past.diagnostics, []);
  assert.strictEqual(idlessErrors.length, 0);
});

step('a large document: diagnostics all the same', async () => {
  const bigUri = 'file:///work/big.fms';
  const comments = ('\' ' + 'x'.repeat(78) + '\n').repeat(40000);   // 3.2 MB of comments
  const text = sample.replace('section\n', 'section\n' + comments);
  const d = await diagnosticsOf(bigUri, () => connection.sendNotification(rpc.DidOpenTextDocumentNotification.type, {
    textDocument: { uri: bigUri, languageId: 'fms', version: 1, text },
  }));
  assert.deepStrictEqual(d.diagnostics, []);
  const h = await connection.sendRequest(rpc.HoverRequest.type,
    { textDocument: { uri: bigUri }, position: { line: 40006, character: 15 } });
  assert.match(h.contents.value, /commandbutton/);
  await connection.sendNotification(rpc.DidCloseTextDocumentNotification.type, { textDocument: { uri: bigUri } });
});

step('shutdown, then exit with status 0', async () => {
  assert.strictEqual(await connection.sendRequest(rpc.ShutdownRequest.type), null);
  await expectError(connection.sendRequest(rpc.HoverRequest.type,
    { textDocument: { uri: sampleUri }, position: { line: 0, character: 0 } }), -32600, 'a request after shutdown');
  exitSent = true;
  await connection.sendNotification(rpc.ExitNotification.type);
  const code = await Promise.race([exited, new Promise((r) => setTimeout(() => r('timeout'), 10000))]);
  assert.strictEqual(code, 0);
  assert.deepStrictEqual(fs.readdirSync(folder), [], 'files written by the server');
  fs.rmdirSync(folder);
});

(async () => {
  let passed = 0;
  for (const s of steps) {
    try {
      await s.run();
      passed += 1;
      console.log(`lsp-session: ok: ${s.name}`);
    } catch (e) {
      console.log(`lsp-session: FAILED: ${s.name}\n${e.stack || e}`);
      server.kill();
      process.exit(1);
    }
  }
  console.log(`lsp-session: ${passed} steps passed`);
  connection.dispose();
  process.exit(0);
})();

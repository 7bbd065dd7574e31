// The preview's webview script (media/preview.js) in a real browser engine:
// headless Chromium loads it in a page that stands in for the webview
// (acquireVsCodeApi records what the script posts), sends it the messages
// the extension sends, clicks a control, and writes what it saw into the
// page, which Chromium then prints.
//   node test/webview-check.js CHROMIUM WORK_DIR
'use strict';

const assert = require('node:assert/strict');
const cp = require('child_process');
const fs = require('fs');
const path = require('path');

const [chromium, work] = process.argv.slice(2);
const script = path.join(__dirname, '..', 'media', 'preview.js');

const description = {
    form: { name: 'Demo', caption: 'Demo <form>', clientSize: { width: 300, height: 150 } },
    controls: [
        { name: 'Go', kind: 'commandbutton', type: 'System.Windows.Forms.Button', line: 7, column: 15,
            location: { x: 40, y: 56 }, size: { width: 81, height: 33 }, text: 'Go' },
        { name: 'Clock', kind: 'timer', line: 10, column: 7, interval: 500 },
    ],
};
// What a server's own picture may hold that must not run.
const hostile = '<svg xmlns="http://www.w3.org/2000/svg" width="100" height="50">'
    + '<script>window.ran = "script"</script>'
    + '<g data-line="3" data-column="2" onclick="window.ran = \'onclick\'"><title>Box (textbox)</title>'
    + '<rect x="1" y="1" width="40" height="20" fill="#fff"/></g>'
    + '<foreignObject width="10" height="10"><div xmlns="http://www.w3.org/1999/xhtml">x</div></foreignObject></svg>';

// A value written into the page's script: no "</script>" can end it early.
const inline = (value) => JSON.stringify(value).replace(/</g, '\\u003c');

const page = `<!DOCTYPE html>
<html><head><meta charset="UTF-8"></head>
<body>
<div id="status"></div>
<div id="stage"></div>
<pre id="result"></pre>
<script>
  window.sent = [];
  function acquireVsCodeApi() { return { postMessage: (m) => window.sent.push(m) }; }
</script>
<script src="${encodeURI('file://' + script)}"></script>
<script>
  const seen = {};
  const later = (f) => new Promise((r) => setTimeout(() => { f(); r(); }, 30));
  (async () => {
    seen.ready = JSON.stringify(window.sent);
    window.postMessage({ type: 'update', ok: true, svg: '', description: ${inline(description)} }, '*');
    await later(() => {
      const groups = document.querySelectorAll('#stage svg g[data-line]');
      seen.groups = Array.from(groups).map((g) => g.getAttribute('data-line') + ':' + g.querySelector('title').textContent);
      seen.caption = document.querySelector('#stage svg > text').textContent;
      seen.statusAfterGood = document.getElementById('status').textContent;
      // A click on the button's rectangle, inside its group.
      groups[0].querySelector('rect').dispatchEvent(new MouseEvent('click', { bubbles: true }));
      // A click outside every control.
      document.querySelector('#stage svg > rect').dispatchEvent(new MouseEvent('click', { bubbles: true }));
      seen.clicks = JSON.stringify(window.sent.slice(1));
    });
    window.postMessage({ type: 'update', ok: false, svg: '', description: null }, '*');
    await later(() => {
      seen.staleKeepsPicture = document.querySelectorAll('#stage svg g[data-line]').length;
      seen.stale = document.getElementById('stage').className;
      seen.statusAfterBad = document.getElementById('status').textContent;
    });
    window.postMessage({ type: 'update', ok: true, svg: ${inline(hostile)} }, '*');
    await later(() => {
      const svg = document.querySelector('#stage svg');
      seen.scripts = svg.querySelectorAll('script').length;
      seen.foreign = svg.getElementsByTagName('foreignObject').length;
      seen.onclick = svg.querySelector('g').hasAttribute('onclick');
      svg.querySelector('rect').dispatchEvent(new MouseEvent('click', { bubbles: true }));
      seen.ran = String(window.ran);
      seen.lastClick = JSON.stringify(window.sent[window.sent.length - 1]);
    });
    window.postMessage({ type: 'update', ok: true, svg: '<svg><unclosed' }, '*');
    await later(() => {
      seen.unreadable = document.getElementById('status').textContent;
      seen.stillThere = document.querySelectorAll('#stage svg').length;
    });
    document.getElementById('result').textContent = JSON.stringify(seen);
  })();
</script>
</body></html>`;

fs.mkdirSync(work, { recursive: true });
const file = path.join(work, 'webview.html');
fs.writeFileSync(file, page);
const run = cp.spawnSync(chromium, ['--headless', '--no-sandbox', '--disable-gpu', '--allow-file-access-from-files',
    '--virtual-time-budget=5000', `--user-data-dir=${path.join(work, 'profile')}`, '--dump-dom', 'file://' + file],
{ encoding: 'utf8', timeout: 60000 });
const match = /<pre id="result">([^<]*)<\/pre>/.exec(run.stdout || '');
assert.ok(match && match[1], `no result from the page: ${run.status} ${run.stderr}`);
const seen = JSON.parse(match[1].replace(/&quot;/g, '"').replace(/&lt;/g, '<').replace(/&gt;/g, '>').replace(/&amp;/g, '&'));
console.log(seen);

assert.equal(seen.ready, '[{"type":"ready"}]', 'the script says it is ready');
assert.deepEqual(seen.groups, ['7:Go (commandbutton, System.Windows.Forms.Button)', '10:Clock (timer)']);
assert.equal(seen.caption, 'Demo <form>', 'the caption is text, not markup');
assert.equal(seen.statusAfterGood, '');
assert.equal(seen.clicks, '[{"type":"reveal","line":7,"column":15}]', 'a click on the control, and none elsewhere');
assert.equal(seen.staleKeepsPicture, 2, 'the last picture stays while the text does not compile');
assert.equal(seen.stale, 'stale');
assert.match(seen.statusAfterBad, /errors/);
assert.equal(seen.scripts, 0, 'no script in the shown picture');
assert.equal(seen.foreign, 0, 'no foreign object in the shown picture');
assert.equal(seen.onclick, false, 'no event handler attribute in the shown picture');
assert.equal(seen.ran, 'undefined', 'nothing of the picture ran');
assert.equal(seen.lastClick, '{"type":"reveal","line":3,"column":2}');
assert.match(seen.unreadable, /could not be read/);
assert.equal(seen.stillThere, 1, 'an unreadable picture leaves the last one');
console.log('vscode_webview: the webview script draws, reveals, keeps the last picture and runs nothing of a picture');

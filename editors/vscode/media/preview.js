// Runs inside the preview's webview: shows the SVG that the extension posts
// and tells the extension which control was clicked. The control groups of
// the picture carry data-line and data-column (where the control's name
// stands in the source) and a <title> that the webview shows on hover.
//
// When the server sends the description of the laid-out form without a
// picture, the picture is drawn here from the description: every control at
// the place and size the layout gave it. Node loads this file too, for the
// tests of that drawing.
(function () {
    'use strict';

    const SVG = 'http://www.w3.org/2000/svg';
    const CAPTION_BAR = 24;

    function escape(value) {
        return String(value).replace(/[&<>"']/g, (c) => ({
            '&': '&amp;', '<': '&lt;', '>': '&gt;', '"': '&quot;', "'": '&#39;',
        }[c]));
    }

    function number(value) {
        const n = Number(value);
        return Number.isFinite(n) ? n : 0;
    }

    // One control: a group that names it and knows its place in the source.
    function drawControl(control, origin) {
        const x = origin.x + number(control.location && control.location.x);
        const y = origin.y + number(control.location && control.location.y);
        const w = number(control.size && control.size.width);
        const h = number(control.size && control.size.height);
        const text = control.text === undefined ? '' : escape(control.text);
        const middle = y + h / 2;
        let body;
        switch (control.kind) {
        case 'commandbutton':
            body = `<rect x="${x}" y="${y}" width="${w}" height="${h}" rx="2" fill="#e1e1e1" stroke="#adadad"/>`
                + `<text x="${x + w / 2}" y="${middle}" text-anchor="middle" dominant-baseline="central">${text}</text>`;
            break;
        case 'label':
            body = `<text x="${x}" y="${y + 8}" dominant-baseline="central">${text}</text>`;
            break;
        case 'checkbox':
            body = `<rect x="${x}" y="${middle - 6.5}" width="13" height="13" fill="#fff" stroke="#333"/>`
                + `<text x="${x + 18}" y="${middle}" dominant-baseline="central">${text}</text>`;
            break;
        case 'optionbutton':
            body = `<circle cx="${x + 6.5}" cy="${middle}" r="6.5" fill="#fff" stroke="#333"/>`
                + `<text x="${x + 18}" y="${middle}" dominant-baseline="central">${text}</text>`;
            break;
        case 'frame':
            body = `<rect x="${x}" y="${y + 7}" width="${w}" height="${Math.max(0, h - 7)}" fill="none" stroke="#d5dfe5"/>`
                + `<text x="${x + 8}" y="${y + 7}" dominant-baseline="central" paint-order="stroke" stroke="#f0f0f0" stroke-width="6">${text}</text>`;
            break;
        case 'combobox':
        case 'drivelistbox':
            body = `<rect x="${x}" y="${y}" width="${w}" height="${h}" fill="#fff" stroke="#7a7a7a"/>`
                + `<path d="M${x + w - 13} ${y + h / 2 - 2} l4 4 l4 -4" fill="none" stroke="#333"/>`;
            break;
        case 'scrollbar': {
            // The thumb where the value stands between min and max.
            const bar = control.scrollBar || {};
            const span = number(bar.maximum) - number(bar.minimum);
            const at = span > 0 ? (number(bar.value) - number(bar.minimum)) / span : 0;
            const vertical = bar.orientation === 'vertical';
            const track = Math.max(0, (vertical ? h : w) - 2 * 17 - 20);
            const thumb = 17 + at * track;
            body = `<rect x="${x}" y="${y}" width="${w}" height="${h}" fill="#f0f0f0" stroke="#cdcdcd"/>`
                + (vertical
                    ? `<rect x="${x + 2}" y="${y + thumb}" width="${Math.max(0, w - 4)}" height="20" fill="#c2c3c9"/>`
                    : `<rect x="${x + thumb}" y="${y + 2}" width="20" height="${Math.max(0, h - 4)}" fill="#c2c3c9"/>`);
            break;
        }
        default: // text, list, directory and file list boxes
            body = `<rect x="${x}" y="${y}" width="${w}" height="${h}" fill="#fff" stroke="#7a7a7a"/>`;
        }
        const hidden = control.visible === false ? ' opacity="0.35" stroke-dasharray="3 2"' : '';
        return `<g class="control" data-line="${number(control.line)}" data-column="${number(control.column)}"${hidden}>`
            + `<title>${escape(control.name)} (${escape(control.kind)}${control.type ? ', ' + escape(control.type) : ''})</title>`
            + body + '</g>';
    }

    // The whole form from its description: the caption bar, the client area
    // with the controls, and the timers in a tray below it, as a designer
    // shows components that have no place on the form.
    function drawDescription(description) {
        const form = (description && description.form) || {};
        const controls = (description && Array.isArray(description.controls)) ? description.controls : [];
        const width = number(form.clientSize && form.clientSize.width);
        const height = number(form.clientSize && form.clientSize.height);
        const frames = new Map();
        for (const c of controls) {
            if (c.kind === 'frame') {
                frames.set(c.field, c.location || { x: 0, y: 0 });
            }
        }
        const client = { x: 0, y: CAPTION_BAR };
        const parts = [];
        const timers = [];
        for (const c of controls) {
            if (!c.location || !c.size) {
                timers.push(c);
                continue;
            }
            let origin = client;
            if (c.kind === 'optionbutton' && frames.has(c.frame)) {
                const f = frames.get(c.frame);
                origin = { x: client.x + number(f.x), y: client.y + number(f.y) };
            }
            parts.push(drawControl(c, origin));
        }
        const tray = timers.map((c, i) => {
            const y = CAPTION_BAR + height + 10 + i * 22;
            return `<g class="control" data-line="${number(c.line)}" data-column="${number(c.column)}">`
                + `<title>${escape(c.name)} (${escape(c.kind)})</title>`
                + `<rect x="0" y="${y}" width="${Math.max(width, 120)}" height="20" fill="#f7f7f7" stroke="#cdcdcd"/>`
                + `<text x="6" y="${y + 10}" dominant-baseline="central">${escape(c.kind)} ${escape(c.name)}${c.interval ? ' (' + number(c.interval) + ' ms)' : ''}</text></g>`;
        });
        const total = CAPTION_BAR + height + (timers.length ? 10 + timers.length * 22 : 0);
        return `<svg xmlns="${SVG}" width="${width}" height="${total}" viewBox="0 0 ${width} ${total}" font-family="Segoe UI, Microsoft Sans Serif, sans-serif" font-size="12" fill="#000">`
            + `<title>${escape(form.name || 'form')}</title>`
            + `<rect x="0" y="0" width="${width}" height="${CAPTION_BAR}" fill="#2b579a"/>`
            + `<text x="8" y="${CAPTION_BAR / 2}" dominant-baseline="central" fill="#fff">${escape(form.caption || '')}</text>`
            + `<rect x="0" y="${CAPTION_BAR}" width="${width}" height="${height}" fill="#f0f0f0"/>`
            + parts.join('') + tray.join('') + '</svg>';
    }

    if (typeof module === 'object' && module.exports) {
        module.exports = { drawDescription };
        return;
    }

    const vscode = acquireVsCodeApi();
    const stage = document.getElementById('stage');
    const status = document.getElementById('status');

    function say(text, kind) {
        status.textContent = text || '';
        status.className = kind || '';
    }

    // Parsed as XML, never as HTML, and stripped of anything active: the
    // picture is data, whatever the text of the form put into it.
    function parse(text) {
        const parsed = new DOMParser().parseFromString(text, 'image/svg+xml');
        const root = parsed.documentElement;
        if (!root || root.namespaceURI !== SVG || root.localName !== 'svg' ||
            parsed.getElementsByTagName('parsererror').length > 0) {
            return null;
        }
        for (const node of Array.from(root.querySelectorAll('script, foreignObject'))) {
            node.remove();
        }
        for (const node of [root, ...root.querySelectorAll('*')]) {
            for (const attribute of Array.from(node.attributes)) {
                if (/^on/i.test(attribute.name) || /^\s*javascript:/i.test(attribute.value)) {
                    node.removeAttribute(attribute.name);
                }
            }
        }
        return document.importNode(root, true);
    }

    function update(message) {
        let picture = message.svg;
        if (!picture && message.description && typeof message.description === 'object') {
            picture = drawDescription(message.description);
        }
        if (picture) {
            const node = parse(picture);
            if (!node) {
                say('The picture could not be read.', 'error');
                return;
            }
            stage.replaceChildren(node);
        }
        if (message.ok) {
            stage.classList.remove('stale');
            say('');
        } else {
            stage.classList.add('stale');
            say(stage.firstChild
                ? 'The form has errors (see Problems); the picture is of the last text that compiled.'
                : 'The form has errors (see Problems).', 'error');
        }
    }

    window.addEventListener('message', (event) => {
        const message = event.data;
        if (!message || typeof message !== 'object') {
            return;
        }
        if (message.type === 'update') {
            update(message);
        } else if (message.type === 'error') {
            stage.classList.add('stale');
            say('No preview: ' + message.message, 'error');
        } else if (message.type === 'closed') {
            stage.classList.add('stale');
            say('The form was closed.', 'error');
        }
    });

    stage.addEventListener('click', (event) => {
        const target = event.target instanceof Element ? event.target.closest('[data-line]') : null;
        if (!target || !stage.contains(target)) {
            return;
        }
        vscode.postMessage({
            type: 'reveal',
            line: Number(target.getAttribute('data-line')),
            column: Number(target.getAttribute('data-column') || '1'),
        });
    });

    vscode.postMessage({ type: 'ready' });
}());

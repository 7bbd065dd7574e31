// Runs inside the preview's webview: shows the SVG that the extension posts
// and tells the extension which control was clicked. The control groups of
// the picture carry data-line and data-column (where the control's name
// stands in the source) and a <title> that the webview shows on hover.
(function () {
    'use strict';
    const vscode = acquireVsCodeApi();
    const stage = document.getElementById('stage');
    const status = document.getElementById('status');
    const SVG = 'http://www.w3.org/2000/svg';

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
                if (/^on/i.test(attribute.name)) {
                    node.removeAttribute(attribute.name);
                }
            }
        }
        return document.importNode(root, true);
    }

    function update(message) {
        if (message.svg) {
            const picture = parse(message.svg);
            if (picture) {
                stage.replaceChildren(picture);
            } else {
                say('The picture could not be read.', 'error');
                return;
            }
        }
        if (message.ok) {
            stage.classList.remove('stale');
            say('');
        } else {
            stage.classList.add('stale');
            const why = typeof message.description === 'string' && message.description !== ''
                ? message.description
                : 'The form has errors (see Problems).';
            say(stage.firstChild ? why + ' The picture is of the last text that compiled.' : why, 'error');
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

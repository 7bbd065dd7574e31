// The preview panel: a webview beside the editor that shows the picture of
// the form that the server draws for the current text (the request
// kavel/preview), asked for again a moment after the user stops typing. A
// click on a control in the picture brings the editor to the control's line.
//
// The editor's API comes in as a parameter, so that node can drive the panel
// with a stand-in of it in the tests.
'use strict';

const crypto = require('crypto');

class PreviewPanel {
    constructor({ vscode, extensionUri, request, delay }) {
        this.vscode = vscode;
        this.extensionUri = extensionUri;
        this.request = request;
        this.delay = delay;
        this.panel = undefined;
        this.document = undefined;
        this.timer = undefined;
        this.sequence = 0;
        this.subscriptions = [
            vscode.workspace.onDidChangeTextDocument((event) => {
                if (this.panel && this.document && event.document === this.document) {
                    this.schedule();
                }
            }),
            vscode.window.onDidChangeActiveTextEditor((editor) => {
                if (this.panel && editor && editor.document.languageId === 'kavel' && editor.document !== this.document) {
                    this.follow(editor.document);
                }
            }),
            vscode.workspace.onDidCloseTextDocument((document) => {
                if (document === this.document && this.panel) {
                    this.post({ type: 'closed' });
                }
            }),
        ];
    }

    show() {
        const { vscode } = this;
        const editor = vscode.window.activeTextEditor;
        let document = editor && editor.document.languageId === 'kavel' ? editor.document : this.document;
        if (!document) {
            vscode.window.showInformationMessage('Kavel: open a form (.fms) to preview it.');
            return;
        }
        if (this.panel) {
            this.panel.reveal(vscode.ViewColumn.Beside, true);
            this.follow(document);
            return;
        }
        const media = vscode.Uri.joinPath(this.extensionUri, 'media');
        this.panel = vscode.window.createWebviewPanel(
            'kavel.preview',
            'Preview',
            { viewColumn: vscode.ViewColumn.Beside, preserveFocus: true },
            { enableScripts: true, localResourceRoots: [media], retainContextWhenHidden: true },
        );
        this.panel.webview.html = this.html(this.panel.webview, media);
        this.panel.webview.onDidReceiveMessage((message) => this.receive(message));
        this.panel.onDidDispose(() => {
            this.panel = undefined;
            clearTimeout(this.timer);
        });
        this.follow(document);
    }

    follow(document) {
        this.document = document;
        if (this.panel) {
            const name = document.uri.path.split('/').pop();
            this.panel.title = `Preview ${name}`;
            this.refresh();
        }
    }

    schedule() {
        clearTimeout(this.timer);
        this.timer = setTimeout(() => this.refresh(), Math.max(0, Number(this.delay()) || 0));
    }

    // Asks for the picture of the text as it is now; an answer that comes
    // after a later question was asked is dropped.
    async refresh() {
        clearTimeout(this.timer);
        if (!this.panel || !this.document) {
            return;
        }
        const sequence = ++this.sequence;
        const document = this.document;
        const version = document.version;
        try {
            const result = await this.request(document.uri.toString());
            if (sequence !== this.sequence || !this.panel) {
                return;
            }
            this.post({
                type: 'update',
                version,
                ok: Boolean(result && result.ok),
                svg: (result && typeof result.svg === 'string') ? result.svg : '',
                description: result ? result.description : undefined,
            });
        } catch (error) {
            if (sequence === this.sequence && this.panel) {
                this.post({ type: 'error', message: String((error && error.message) || error) });
            }
        }
    }

    post(message) {
        if (this.panel) {
            this.panel.webview.postMessage(message);
        }
    }

    receive(message) {
        if (!message || typeof message !== 'object') {
            return;
        }
        if (message.type === 'ready') {
            this.refresh();
        } else if (message.type === 'reveal') {
            return this.reveal(message.line, message.column);
        }
    }

    // The picture numbers lines and columns from 1, as kavel's messages do;
    // the editor counts from 0.
    async reveal(line, column) {
        const { vscode } = this;
        const document = this.document;
        const l = Number(line);
        const c = Number(column);
        if (!document || !Number.isInteger(l) || l < 1 || l > document.lineCount) {
            return;
        }
        const text = document.lineAt(l - 1).text;
        const character = Number.isInteger(c) && c >= 1 ? Math.min(c - 1, text.length) : 0;
        const position = new vscode.Position(l - 1, character);
        const word = document.getWordRangeAtPosition(position);
        const selection = word && word.start.isEqual(position)
            ? new vscode.Selection(word.start, word.end)
            : new vscode.Selection(position, position);
        const visible = vscode.window.visibleTextEditors.find((e) => e.document === document);
        const editor = await vscode.window.showTextDocument(document, {
            viewColumn: visible ? visible.viewColumn : vscode.ViewColumn.One,
            preserveFocus: false,
            selection,
        });
        editor.selection = selection;
        editor.revealRange(selection, vscode.TextEditorRevealType.InCenterIfOutsideViewport);
        return editor;
    }

    html(webview, media) {
        const nonce = crypto.randomBytes(16).toString('base64');
        const script = webview.asWebviewUri(this.vscode.Uri.joinPath(media, 'preview.js'));
        const style = webview.asWebviewUri(this.vscode.Uri.joinPath(media, 'preview.css'));
        return `<!DOCTYPE html>
<html lang="en">
<head>
<meta charset="UTF-8">
<meta http-equiv="Content-Security-Policy" content="default-src 'none'; img-src ${webview.cspSource} data:; style-src ${webview.cspSource} 'unsafe-inline'; font-src ${webview.cspSource}; script-src 'nonce-${nonce}';">
<meta name="viewport" content="width=device-width, initial-scale=1.0">
<link rel="stylesheet" href="${style}">
<title>Preview</title>
</head>
<body>
<div id="status" role="status"></div>
<div id="stage"></div>
<script nonce="${nonce}" src="${script}"></script>
</body>
</html>`;
    }

    dispose() {
        clearTimeout(this.timer);
        if (this.panel) {
            this.panel.dispose();
        }
        for (const s of this.subscriptions) {
            s.dispose();
        }
    }
}

module.exports = { PreviewPanel };

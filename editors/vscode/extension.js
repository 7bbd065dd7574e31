// The kavel extension: the language client that runs `kavel --lsp`, and the
// preview panel that shows the form as the server lays it out.
'use strict';

const fs = require('fs');
const os = require('os');
const vscode = require('vscode');
const { LanguageClient } = require('vscode-languageclient/node');
const { PreviewPanel } = require('./preview');
const { resolveServer } = require('./server-path');

let client;
let preview;
let output;

function serverOptions(context) {
    const config = vscode.workspace.getConfiguration('kavel');
    const folders = (vscode.workspace.workspaceFolders || []).map((f) => f.uri.fsPath);
    const found = resolveServer({
        setting: config.get('path', ''),
        extensionPath: context.extensionPath,
        workspaceFolder: folders[0],
        platform: process.platform,
        home: os.homedir(),
        exists: (p) => fs.existsSync(p),
    });
    if (found.origin === 'bundled' && process.platform !== 'win32') {
        // A package may lose the executable bit of the bundled binary.
        try {
            fs.accessSync(found.command, fs.constants.X_OK);
        } catch (_) {
            try {
                fs.chmodSync(found.command, 0o755);
            } catch (error) {
                // Starting it says what is wrong.
            }
        }
    }
    // No transport named: for TransportKind.stdio the client would add
    // --stdio to the arguments; without one it talks over the standard
    // streams all the same.
    return { found, options: { command: found.command, args: ['--lsp'] } };
}

async function startClient(context) {
    const { found, options } = serverOptions(context);
    output = output || vscode.window.createOutputChannel('Kavel');
    output.appendLine(`Starting ${found.command} --lsp (${found.origin})`);
    client = new LanguageClient('kavel', 'Kavel', options, {
        documentSelector: [
            { scheme: 'file', language: 'kavel' },
            { scheme: 'untitled', language: 'kavel' },
        ],
        outputChannel: output,
    });
    try {
        await client.start();
    } catch (error) {
        const hint = {
            PATH: 'Put kavel on the PATH or set "kavel.path".',
            bundled: `The bundled ${found.command} does not run here: set "kavel.path".`,
        }[found.origin] || `Check the setting "kavel.path" (${found.command}).`;
        vscode.window.showErrorMessage(`Kavel: the language server did not start: ${error.message || error}. ${hint}`);
    }
    return client;
}

async function stopClient() {
    if (client) {
        const old = client;
        client = undefined;
        try {
            await old.stop();
        } catch (_) {
            // A server that never started has nothing to stop.
        }
    }
}

async function activate(context) {
    await startClient(context);

    preview = new PreviewPanel({
        vscode,
        extensionUri: context.extensionUri,
        request: (uri) => {
            if (!client || !client.isRunning()) {
                return Promise.reject(new Error('the language server is not running'));
            }
            return client.sendRequest('kavel/preview', { textDocument: { uri } });
        },
        delay: () => vscode.workspace.getConfiguration('kavel').get('preview.delay', 250),
    });

    context.subscriptions.push(
        vscode.commands.registerCommand('kavel.showPreview', () => preview.show()),
        vscode.workspace.onDidChangeConfiguration(async (event) => {
            if (event.affectsConfiguration('kavel.path')) {
                await stopClient();
                await startClient(context);
                preview.refresh();
            }
        }),
        { dispose: () => preview.dispose() },
    );
}

function deactivate() {
    return stopClient();
}

module.exports = { activate, deactivate };

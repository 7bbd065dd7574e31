// Where the extension finds the kavel executable: the setting "kavel.path",
// else the one bundled in the extension's bin/ folder, else `kavel` on the
// PATH. Kept apart from the editor's API so that it can be tested in node.
'use strict';

const path = require('path');

function resolveServer({ setting, extensionPath, workspaceFolder, platform, home, exists }) {
    const pathApi = platform === 'win32' ? path.win32 : path.posix;
    const value = (setting || '').trim();
    if (value !== '') {
        let command = value;
        if (command === '~' || command.startsWith('~/') || command.startsWith('~\\')) {
            command = pathApi.join(home, command.slice(1));
        }
        // A relative path with a folder part is taken from the workspace; a
        // bare name is left for the PATH, as a shell would.
        const hasFolder = command.includes('/') || (platform === 'win32' && command.includes('\\'));
        if (hasFolder && !pathApi.isAbsolute(command) && workspaceFolder) {
            command = pathApi.join(workspaceFolder, command);
        }
        return { command, origin: 'setting kavel.path' };
    }
    const bundled = pathApi.join(extensionPath, 'bin', platform === 'win32' ? 'kavel.exe' : 'kavel');
    if (exists(bundled)) {
        return { command: bundled, origin: 'bundled' };
    }
    return { command: platform === 'win32' ? 'kavel.exe' : 'kavel', origin: 'PATH' };
}

module.exports = { resolveServer };

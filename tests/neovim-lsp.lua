-- Neovim's built-in client, set up by the README's lines (loaded with -u),
-- against kavel --lsp: a broken form gets its diagnostic at the token, the
-- fixed one loses it, hover on a control tells its type and the geometry the
-- layout gave it, completion offers what the grammar takes at the cursor, and
-- formatting gives the canonical layout once and for all. Run by
-- tests/neovim-lsp, which sets KAVEL_TEST_WORK (a folder to write in),
-- KAVEL_TEST_SAMPLE (examples/sample.fms) and KAVEL_TEST_KAVEL (the binary).
local work = assert(os.getenv('KAVEL_TEST_WORK'))
local sample = assert(os.getenv('KAVEL_TEST_SAMPLE'))
local kavelBinary = assert(os.getenv('KAVEL_TEST_KAVEL'))
local TIMEOUT = 10000

local failures = 0
local function say(text)
  io.stdout:write(text .. '\n')
  io.stdout:flush()
end
local function check(condition, what, detail)
  if condition then
    say('ok: ' .. what)
  else
    failures = failures + 1
    say('FAILED: ' .. what .. (detail and (': ' .. detail) or ''))
  end
  return condition
end
local function finish()
  for _, client in pairs(vim.lsp.get_active_clients()) do
    client.stop()
  end
  vim.wait(2000, function() return #vim.lsp.get_active_clients() == 0 end, 20)
  say(failures == 0 and 'neovim_lsp: all checks passed' or ('neovim_lsp: ' .. failures .. ' checks failed'))
  if failures == 0 then vim.cmd('qall!') else vim.cmd('cquit!') end
end
-- However the session goes, it ends.
vim.defer_fn(function()
  say('FAILED: the session took over 120 s')
  vim.cmd('cquit!')
end, 120000)

local function readLines(path)
  local lines = {}
  for line in io.lines(path) do lines[#lines + 1] = line end
  return lines
end
local function writeLines(path, lines)
  local f = assert(io.open(path, 'wb'))
  f:write(table.concat(lines, '\n') .. '\n')
  f:close()
end
local function text(value)
  if type(value) == 'string' then return value end
  if type(value) ~= 'table' then return '' end
  if value.value then return value.value end
  local parts = {}
  for _, v in ipairs(value) do parts[#parts + 1] = text(v) end
  return table.concat(parts, '\n')
end
local function hasNumber(s, n)
  return s:find('%f[%d]' .. n .. '%f[%D]') ~= nil
end

-- The example form with its first control misspelt: `comandbutton` on line 7.
local original = readLines(sample)
check(original[7] == 'commandbutton OkButton', 'line 7 of the example declares OkButton', original[7])
local broken = vim.deepcopy(original)
broken[7] = 'comandbutton OkButton'
local path = work .. '/demo.fms'
writeLines(path, broken)

vim.cmd('edit ' .. vim.fn.fnameescape(path))
local buf = vim.api.nvim_get_current_buf()
local uri = vim.uri_from_bufnr(buf)
check(vim.bo[buf].filetype == 'kavel', 'the buffer has the file type kavel', vim.bo[buf].filetype)
check(vim.bo[buf].omnifunc == 'v:lua.vim.lsp.omnifunc', 'completion is the client\'s omnifunc', vim.bo[buf].omnifunc)
-- The client is the buffer's once it has been initialized.
vim.wait(TIMEOUT, function() return vim.tbl_count(vim.lsp.buf_get_clients(buf)) > 0 end, 20)
local clients = vim.lsp.buf_get_clients(buf)
check(vim.tbl_count(clients) == 1, 'one client is attached to the buffer', tostring(vim.tbl_count(clients)))
for _, client in pairs(clients) do
  check(client.name == 'kavel' and client.initialized, 'it is kavel, initialized', client.name)
end

-- 1. The diagnostic over the token that does not fit.
vim.wait(TIMEOUT, function() return #vim.diagnostic.get(buf) > 0 end, 20)
local diagnostics = vim.diagnostic.get(buf)
if check(#diagnostics == 1, 'one diagnostic for the broken form', tostring(#diagnostics)) then
  local d = diagnostics[1]
  check(d.lnum == 6 and d.col == 0 and d.end_lnum == 6 and d.end_col == 12,
    'the diagnostic covers comandbutton (line 7, columns 1 to 12)',
    string.format('%d:%d-%d:%d', d.lnum, d.col, d.end_lnum, d.end_col))
  check(d.severity == vim.diagnostic.severity.ERROR, 'it is an error', tostring(d.severity))
  check(d.code == 'KV0201', 'its code is KV0201', tostring(d.code))
  check(d.message:find("unexpected 'comandbutton'", 1, true) ~= nil
      and d.message:find("did you mean 'commandbutton'?", 1, true) ~= nil,
    'its message names the token and the keyword meant', d.message)
end

-- 2. Fixed in the buffer (a change sent to the server): the diagnostic goes.
vim.api.nvim_buf_set_text(buf, 6, 0, 6, 3, { 'com' })
vim.api.nvim_buf_set_text(buf, 6, 3, 6, 3, { 'm' })
check(vim.api.nvim_buf_get_lines(buf, 6, 7, true)[1] == 'commandbutton OkButton', 'the line is fixed in the buffer')
local cleared = vim.wait(TIMEOUT, function() return #vim.diagnostic.get(buf) == 0 end, 20)
check(#diagnostics == 1 and cleared, 'the diagnostic is cleared once the form is fixed')

-- 3. Hover on the control's name: its Visual Basic type and the place, size
-- and tab index the layout gave it (the README's description of the example:
-- OkButton at 40, 56, 81 by 33, tab index 0).
local hover = vim.lsp.buf_request_sync(buf, 'textDocument/hover',
  { textDocument = { uri = uri }, position = { line = 6, character = 16 } }, TIMEOUT)
local hoverText = ''
for _, response in pairs(hover or {}) do
  if response.result then hoverText = hoverText .. text(response.result.contents) end
end
say('hover on OkButton: ' .. hoverText:gsub('\n+', ' | '))
check(hoverText:find('System.Windows.Forms.Button', 1, true) ~= nil, 'hover on OkButton names its type', hoverText)
check(hasNumber(hoverText, 40) and hasNumber(hoverText, 56), 'hover gives its location 40, 56', hoverText)
check(hasNumber(hoverText, 81) and hasNumber(hoverText, 33), 'hover gives its size 81 by 33', hoverText)
check(hoverText:lower():find('tab') ~= nil and hasNumber(hoverText, 0), 'hover gives its tab index 0', hoverText)

-- 4. Completion: after `width = ` the three widths and nothing else; on a
-- new line after a command button's caption only `end`.
local function labels(line, character)
  local responses = vim.lsp.buf_request_sync(buf, 'textDocument/completion',
    { textDocument = { uri = uri }, position = { line = line, character = character } }, TIMEOUT)
  local found = {}
  for _, response in pairs(responses or {}) do
    local result = response.result or {}
    for _, item in ipairs(result.items or result) do found[#found + 1] = item.label end
  end
  table.sort(found)
  return table.concat(found, ' ')
end
check(vim.api.nvim_buf_get_lines(buf, 11, 12, true)[1] == 'width = medium', 'line 12 of the example is width = medium')
vim.api.nvim_buf_set_text(buf, 11, 8, 11, 14, { '' })
local widths = labels(11, 8)
check(widths == 'large medium small', 'completion after "width = " offers small, medium, large', widths)
vim.api.nvim_buf_set_text(buf, 11, 8, 11, 8, { 'medium' })
vim.api.nvim_buf_set_lines(buf, 8, 8, true, { '' })
local afterCaption = labels(8, 0)
check(afterCaption == 'end', 'completion on a new line after the caption of a command button offers end', afterCaption)
vim.api.nvim_buf_set_lines(buf, 8, 9, true, {})
check(table.concat(vim.api.nvim_buf_get_lines(buf, 0, -1, true), '\n') == table.concat(original, '\n'),
  'the buffer holds the example again')
vim.wait(TIMEOUT, function() return #vim.diagnostic.get(buf) == 0 end, 20)

-- 5. Formatting. The example written carelessly: keywords in capitals, no
-- blanks around the equals signs, two blank lines between sections.
local careless = {}
for _, line in ipairs(original) do
  local l = line:gsub('^(%a+)', string.upper):gsub('%s*=%s*', '=')
  if l == 'SECTION' and careless[#careless] == '' then careless[#careless + 1] = '' end
  careless[#careless + 1] = l
end
vim.api.nvim_buf_set_lines(buf, 0, -1, true, careless)
vim.lsp.buf.formatting_sync(nil, TIMEOUT)
local formatted = vim.api.nvim_buf_get_lines(buf, 0, -1, true)
check(table.concat(formatted, '\n') ~= table.concat(careless, '\n'), 'formatting changed the careless text')

local keywords = {}
for _, k in ipairs({ 'form', 'location', 'caption', 'organization', 'section', 'end', 'commandbutton',
  'textbox', 'height', 'width', 'label', 'checkbox', 'combobox', 'sorted', 'style', 'listbox',
  'columns', 'frame', 'optionbutton', 'visible', 'timer', 'interval', 'drivelistbox', 'dirlistbox',
  'filelistbox', 'scrollbar', 'orientation', 'length', 'min', 'max', 'value', 'smallchange',
  'largechange' }) do keywords[k] = true end
local upper, spacing, blankRuns, inControl, unindented = {}, {}, {}, false, {}
local blanks, sections = 0, 0
for i, line in ipairs(formatted) do
  local written = line:match('^%s*(%a+)')
  local first = written and written:lower()
  if first and keywords[first] and written ~= first then upper[#upper + 1] = i end
  if line:find('=', 1, true) and not line:find('^%s*%a+ = [^ ]') then spacing[#spacing + 1] = i end
  if line == '' then blanks = blanks + 1 else
    if first == 'section' then
      sections = sections + 1
      if sections > 1 and blanks ~= 1 then blankRuns[#blankRuns + 1] = i end
    end
    blanks = 0
  end
  -- Inside a control's block every attribute line is indented deeper than
  -- the line that declares the control.
  if first and line:find('=', 1, true) and inControl and
      #line:match('^%s*') <= inControl then unindented[#unindented + 1] = i end
  if first and ({ commandbutton = 1, textbox = 1, checkbox = 1, combobox = 1, listbox = 1, frame = 1,
      optionbutton = 1, timer = 1, scrollbar = 1, dirlistbox = 1, filelistbox = 1 })[first] then
    inControl = #line:match('^%s*')
  elseif first == 'end' or first == 'section' then
    inControl = false
  end
end
check(#upper == 0, 'formatting writes keywords in lower case', table.concat(upper, ','))
check(#spacing == 0, 'formatting puts one blank on each side of every equals sign', table.concat(spacing, ','))
check(sections == 3 and #blankRuns == 0, 'formatting leaves one blank line between sections', table.concat(blankRuns, ','))
check(#unindented == 0, "formatting indents each control's attributes", table.concat(unindented, ','))

vim.lsp.buf.formatting_sync(nil, TIMEOUT)
check(table.concat(vim.api.nvim_buf_get_lines(buf, 0, -1, true), '\n') == table.concat(formatted, '\n'),
  'formatting the formatted text changes nothing')

-- The formatted form compiles to the same Visual Basic as the original.
local function compile(dir, lines)
  vim.fn.mkdir(dir, 'p')
  writeLines(dir .. '/demo.fms', lines)
  local out = vim.fn.system({ kavelBinary, '-q', dir .. '/demo.fms' })
  if vim.v.shell_error ~= 0 then return nil, out end
  local f = io.open(dir .. '/demo.vb', 'rb')
  local vb = f:read('*a')
  f:close()
  return vb
end
local before, whyBefore = compile(work .. '/original', original)
local after, whyAfter = compile(work .. '/formatted', formatted)
check(before ~= nil and after ~= nil, 'both texts compile', whyBefore or whyAfter)
check(before ~= nil and before == after, 'the formatted form compiles to the same .vb as the original')

finish()

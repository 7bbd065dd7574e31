// Inside the language server: what it knows of a source line by line (its
// words, comments and blocks), and what the grammar's productions tell an
// editor (completion snippets, the usage of a keyword). Only lsp/ includes it.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "base/base.h"

namespace lsp {

// A word of a line as the scanner would cut it.
struct Word {
    enum Kind { Name, Number, Text, Equals, Other } kind = Other;
    std::size_t offset = 0;
    std::size_t length = 0;
    std::string folded;     // a name in lower case; otherwise as written
    int keyword = -1;       // the keyword's token code, or -1
};

// A line, ended by LF (a CR before it belongs to the line end; a lone CR is
// a blank, as the scanner takes it).
struct SourceLine {
    std::size_t start = 0;
    std::size_t end = 0;                    // before the line end
    std::vector<Word> words;
    std::size_t comment = NoOffset;         // where a comment starts
    bool openText = false;                  // a quoted text not closed on the line
};

std::vector<SourceLine> splitLines(std::string_view text);

// The keyword token of a folded word, or -1.
int keywordOf(std::string_view folded);

// The words that open a block ended by 'end', from the productions:
// 'form', 'section' and the object keywords.
bool opensBlock(int token);
// The object keywords: a block that declares a named control.
bool declaresObject(int token);

// The blocks of a source, nested as their 'end's close them; a block that
// is not closed runs to the end of the text.
struct Block {
    int keyword = -1;
    std::size_t start = 0;          // its keyword
    std::size_t headerEnd = 0;      // the end of its first line
    std::size_t end = 0;            // after its 'end', or the text's end
    std::size_t endLineStart = NoOffset;   // the line of its 'end'
    const Word* name = nullptr;     // the name it declares, if any
    std::vector<Block> children;
};
// The outermost blocks (a whole form: one), over the lines, which it points into.
std::vector<Block> outline(const std::vector<SourceLine>& lines, std::size_t textSize);

// For a completion: the whole block of an object keyword with its required
// attributes in order, as a snippet (placeholders for the name, numbers and
// texts, choices for the value words), indented by four spaces.
std::string blockSnippet(int token);
// For a hover: what a keyword means, and how the productions use it.
std::string keywordHover(int token);

}  // namespace lsp

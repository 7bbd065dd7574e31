// Helpers for the unit tests: a fresh compiler state, and runs of the parser
// on sources in memory with the error exit turned into an exception.
#pragma once

#include <string>

#include "driver/driver.h"

struct Quit {
    int status;
};

// Resets the symbol table and the form model, and makes quit() throw Quit.
void freshState();

// Parses a source in memory, as the file "demo.fms", with messages in the
// given format; returns the exit status the run would end with (0 after a
// successful parse). Standard output and error are captured.
struct ParseResult {
    int status;
    std::string out, err;
};
ParseResult parseSource(const std::string& source, DiagnosticsFormat format = DiagnosticsFormat::Classic);

// A well-formed form around the given section text.
std::string formWith(const std::string& organization, const std::string& sections,
                     const std::string& location = "top left");

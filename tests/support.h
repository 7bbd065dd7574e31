// Helpers for the unit tests: compilations of sources held in memory, with
// their console messages caught in temporary streams.
#pragma once

#include <cstdio>
#include <string>

#include "driver/driver.h"

// Compiles a source in memory, as the file "demo.fms", with messages written
// in the given format as the command line writes them (not quiet); returns
// the exit status the run would end with (0 once compiled) and what went to
// standard output and standard error.
struct ParseResult {
    int status;
    std::string out, err;
};
ParseResult parseSource(const std::string& source, DiagnosticsFormat format = DiagnosticsFormat::Classic,
                        const CompileOptions& options = {});

// Compiles a source in memory, as the file "demo.fms": the status, the
// diagnostics as data, the class text and the laid-out form.
CompileResult compileSource(const std::string& source, const CompileOptions& options = {});

// A well-formed form around the given section text.
std::string formWith(const std::string& organization, const std::string& sections,
                     const std::string& location = "top left");

// The bytes of a file, or empty when it cannot be read.
std::string readBytes(const std::string& path);
// Everything written to a temporary stream, which is then closed.
std::string drain(std::FILE* stream);

// The source file: its name from the command line or the prompt, the rules
// of file names, and the name of what is written beside it.
#include "driver/driver.h"
#include "platform/platform.h"

std::size_t nameStartOf(const std::string& path)
{
    const std::size_t slash = path.find_last_of(platform::pathSeparators);
    return slash == std::string::npos ? 0 : slash + 1;
}

std::string checkSourceName(std::string& path, std::size_t nameStart, DiagnosticEngine& engine)
{
    const std::string name = path.substr(nameStart);
    const std::size_t period = name.find('.');
    if (period == std::string::npos) {
        std::string base = path;
        path += ".fms";
        return base;
    }
    std::size_t extension = name.find(".fms");
    if (extension == std::string::npos)
        extension = name.find(".txt");
    if (extension == std::string::npos)
        engine.refuse(Diag::Extension, {path});
    if (name.find('.', period + 1) != std::string::npos)
        engine.refuse(Diag::Periods, {path});
    return path.substr(0, nameStart + extension);
}

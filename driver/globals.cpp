// The two global objects of the run, defined in one place so that their order
// holds whatever the order of the other translation units: the symbol table
// first, then the form model.
#include "driver/driver.h"
#include "form/form.h"
#include "symbols/symbols.h"

SymbolTable symtab;
FormModel form;

void resetCompiler(QuitHandler handler)
{
    symtab.reset();
    form.reset();
    currentNode = nullptr;
    diagnosticContext = DiagnosticContext{};
    setQuitHandler(handler);
}

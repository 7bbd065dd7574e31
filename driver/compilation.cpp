// One compilation: the source parsed and laid out into the form, then the
// class text written from it.
#include "driver/driver.h"
#include "parser/parser.h"
#include "symbols/symbols.h"

namespace {

// Hands each diagnostic on and keeps the errors and warnings for the result.
class Tee : public DiagnosticConsumer {
public:
    explicit Tee(DiagnosticConsumer& next) : next_(next) {}
    void consume(const Diagnostic& d, const SourceBuffer* source) override
    {
        kept.consume(d, source);
        next_.consume(d, source);
    }
    CollectingConsumer kept;

private:
    DiagnosticConsumer& next_;
};

}  // namespace

struct Compilation::State {
    State(const SourceBuffer& source, const CompileOptions& options, DiagnosticConsumer& consumer)
        : source(source), options(options), tee(consumer), engine(tee, &source)
    {
    }

    const SourceBuffer& source;
    const CompileOptions options;
    Tee tee;
    DiagnosticEngine engine;
    SymbolTable symtab;
    std::unique_ptr<Form> form = std::make_unique<Form>();
    bool ran = false;
};

Compilation::Compilation(const SourceBuffer& source, const CompileOptions& options, DiagnosticConsumer& consumer)
    : state_(std::make_unique<State>(source, options, consumer))
{
}

Compilation::~Compilation() = default;

CompileResult Compilation::run()
{
    State& s = *state_;
    CompileResult result;
    if (s.ran)
        return result;
    s.ran = true;
    try {
        FormBuilder builder(*s.form, s.symtab, s.engine);
        Parser parser(s.source, s.symtab, s.engine, builder);
        parser.parse();
        result.vb = writeClass(*s.form, WriterOptions{s.options.strict, s.options.framework});
        result.form = std::move(s.form);
    } catch (const Refusal& refusal) {
        result.status = refusal.status;
    }
    result.diagnostics = std::move(s.tee.kept.diagnostics);
    return result;
}

CompileResult compile(const SourceBuffer& source, const CompileOptions& options, DiagnosticConsumer& consumer)
{
    return Compilation(source, options, consumer).run();
}

CompileResult compile(const SourceBuffer& source, const CompileOptions& options)
{
    struct : DiagnosticConsumer {
        void consume(const Diagnostic&, const SourceBuffer*) override {}
    } none;
    return compile(source, options, none);
}

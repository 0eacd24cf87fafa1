// The editor's widgets measured offscreen, with the English language library and the
// sheets the main window's option dispatch runs.
#include "editor_dispatch.h"
#include "option_kinds.h"
#include "tela_environment.h"
#include "tela_legend.h"

#include <QApplication>

#include <benchmark/benchmark.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (!TelaEnvironment::LoadLibrary(APICFG_BENCH_LANGUAGE))
        return 1;
    setEditorRunner(runEditorSheet);
    telaSetTextLookup(TelaEnvironment::GetUserString);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

// Speed of the report: the whole report (data, results, Memoria, diagrams and drawing) built
// into a page document, as the report window rebuilds it on every change; nothing printed.
#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include "cli/headless_window.h"
#include "engine/reinforcement_layout.h"
#include "report/devices.h"
#include "report/page_document.h"
#include "report/report_content.h"
#include "report/report_pdf.h"

namespace {

using namespace tarelvo;

ReportInputs Entradas(ProjectState& s) {
    GruposBarras g;
    g.PreseleccionaBarras(s);
    DistribuyeRefuerzo(s, g, s.Titulo);
    std::array<std::string, GruposBarras::kGrupos> barras;
    for (int i = 0; i < GruposBarras::kGrupos; ++i) barras[static_cast<std::size_t>(i)] = g.etiqueta(i);
    return EntradasPorDefecto(s, "Muro M1", barras);
}

void Reporte(benchmark::State& st, ProjectState& s) {
    const ReportInputs in = Entradas(s);
    PageSetup setup;
    setup.device = kPdfDevice;
    setup.paper = kPaperA4;
    int paginas = 0;
    for (auto _ : st) {
        PageDocument doc(setup);
        Inicia(doc, in);
        doc.endDoc();
        paginas = doc.pageCount();
        benchmark::DoNotOptimize(paginas);
    }
    st.counters["paginas"] = paginas;
}

void BM_ReporteMuroInicial(benchmark::State& st) {
    ProjectState s;
    HeadlessWindow w;
    w.Arranque(s);
    Reporte(st, s);
}
BENCHMARK(BM_ReporteMuroInicial)->Unit(benchmark::kMillisecond);

// A 6 m wall with its footing designed and a shear key: more bars, dots and texts to place.
void BM_ReporteMuroAltoConDentellon(benchmark::State& st) {
    ProjectState s;
    HeadlessWindow w;
    w.Arranque(s);
    s.Altura = 6;
    s.ConDent = 1;
    s.AltDent = 0.5f;
    s.AnchDent = 0.3f;
    Calcular(s, w, w);
    ChequeaMuro(s, w, w);
    Reporte(st, s);
}
BENCHMARK(BM_ReporteMuroAltoConDentellon)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    // Fonts need a GUI application; no screen is needed.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

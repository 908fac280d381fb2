#include "app/calc_mode.h"

#include <QtGlobal>
#include <cstdio>

#include "cli/calc_tool.h"
#include "files/safe_save.h"
#include "report/diagram_picture.h"
#include "report/report_pdf.h"

namespace tarelvo {

namespace {

// The whole report as the window would print it with its default settings.
std::string Reporte(const ProjectState& s, const GruposBarras& g, const std::string& ruta) {
    std::array<std::string, GruposBarras::kGrupos> barras;
    for (int i = 0; i < GruposBarras::kGrupos; ++i) barras[i] = g.etiqueta(i);
    return EscribeReportePdf(ruta, EntradasPorDefecto(s, s.Titulo, barras));
}

// The four diagrams as a PNG picture.
std::string Diagramas(const ProjectState& s, const GruposBarras&, const std::string& ruta) {
    std::string png;
    try {
        png = DiagramasPng(s);
    } catch (const EngineFault& f) {
        return f.what();
    }
    if (png.empty()) return ruta + ": no se pudo dibujar la imagen de los diagramas.";
    const ResultadoArchivo r = GuardaArchivoSeguro(ruta, png);
    return r.ok ? std::string() : MensajeGuardado(ruta, r);
}

}  // namespace

SalidasGraficas SalidasConQt() { return {{"--pdf", Reporte}, {"--diag", Diagramas}}; }

bool EsModoCalculo(const std::vector<std::string>& args) { return PideSalidaGrafica(args); }

int ModoCalculo(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    // Qt's own notes for developers (a missing runtime folder, fonts) are in English and tell
    // the user nothing; the tool's messages are its own.
    qInstallMessageHandler([](QtMsgType tipo, const QMessageLogContext&, const QString& texto) {
        if (tipo == QtCriticalMsg || tipo == QtFatalMsg) std::fputs(qPrintable(texto + '\n'), stderr);
    });
    ContextoCalc contexto;
    contexto.graficas = SalidasConQt();
    return RunCalcTool(args, out, err, contexto);
}

}  // namespace tarelvo

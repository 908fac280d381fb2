#include "report/report_pdf.h"

#include <memory>

#include <QGuiApplication>

#include "report/devices.h"
#include "report/font_names.h"
#include "report/locale_paper.h"
#include "report/paper_codes.h"
#include "report/page_document.h"
#include "report/page_printer.h"
#include "report/report_content.h"

namespace tarelvo {

ReportInputs EntradasPorDefecto(const ProjectState& e, const std::string& titulo,
                                const std::array<std::string, GruposBarras::kGrupos>& barras) {
    ReportInputs in;
    in.estado = e;
    in.barras = barras;
    in.encabezado = EncabezadoInicial(e);
    in.titulo = QString::fromStdString(titulo);
    in.pie = PieInicial(e);
    return in;
}

std::string EscribeReportePdf(const std::string& ruta, const ReportInputs& entradas) {
    if (ruta.empty()) return "Falta el nombre del archivo PDF.";
    // Fonts need a GUI application; a command-line run has none and no screen either. The
    // application takes the platform option out of its arguments, so they are new each time;
    // they outlive it.
    int argc = 3;
    char nombre[] = "tarelvo", opcion[] = "-platform", plataforma[] = "offscreen";
    char* argv[] = {nombre, opcion, plataforma, nullptr};
    std::unique_ptr<QGuiApplication> propia;
    if (!QCoreApplication::instance()) {
        propia = std::make_unique<QGuiApplication>(argc, argv);
        SustituyeArial();
    } else if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        return "El informe necesita una aplicación gráfica de Qt.";
    }

    PageSetup setup;
    setup.device = kPdfDevice;
    setup.pdfPath = QString::fromStdString(ruta);
    // A file needs no printer: the region's paper, without asking the printing system.
    setup.paper = RegionUsaCarta() ? kPaperLetter : kPaperA4;
    PageDocument vp(setup);
    Inicia(vp, entradas);
    vp.endDoc();
    return PrintPages(vp, 1, vp.pageCount()).toStdString();
}

}  // namespace tarelvo

#include "cli/calc_tool.h"

#include <charconv>
#include <sstream>

#include "cli/calc_pairs.h"
#include "cli/headless_window.h"
#include "files/file_io.h"
#ifdef TARELVO_CON_REPORTE
#include "engine/diagramas.h"
#include "report/diagram_picture.h"
#include "report/report_pdf.h"
#endif
#include "files/mur_project.h"
#include "files/project_load.h"
#include "files/safe_save.h"
#include "engine/reinforcement_layout.h"
#include "export/cad_drawing.h"
#include "export/drawing_inputs.h"
#include "engine/state_fields.h"

namespace tarelvo {

namespace {

const char* const kUso =
    "Uso: tarelvo-calc [opciones] [ARCHIVO.mur] [Nombre=valor ...]\n"
    "  Verifica el muro del proyecto inicial (F'c 210, zapata \"Centrica\"), o el del\n"
    "  archivo, con los valores dados, como lo haria la ventana principal: cada valor se\n"
    "  toma como escrito en su campo, con el minimo del campo. Nombres: las variables de\n"
    "  entrada del proyecto en sus unidades (Ancho en cm), FormaMuro, Pasiva (1 o 0),\n"
    "  ConDent, Centro (espesor en la base, m) y Centrica (1 o 0); Titulo=texto (hasta\n"
    "  250 caracteres).\n"
    "  --design  diseña la zapata (como \"&Calculo\") y luego verifica\n"
    "  --dump    muestra todas las variables del proyecto, Nombre=valor\n"
    "  --bars    muestra las siete descripciones de barras (Label17=... Label25=...)\n"
    "  --save ARCHIVO.mur  guarda el proyecto resultante\n"
    "  --dxf ARCHIVO.dxf   escribe el dibujo del muro con su refuerzo, para el guion de\n"
    "                      AutoCad (todo en la capa 0, cotas hechas por AutoCad)\n"
    "  --dxf-cad ARCHIVO.dxf  escribe el mismo dibujo para los programas CAD actuales\n"
    "                      (LibreCAD, QCAD, FreeCAD, visores): capas, cotas y textos a\n"
    "                      la escala de una hoja A4\n"
    "  --pdf ARCHIVO.pdf   escribe el reporte completo: datos, resultados, memoria de\n"
    "                      calculo, diagramas y dibujo del muro\n"
    "  --diag ARCHIVO.png  escribe los cuatro diagramas del muro como imagen de\n"
    "                      2000 x 1500 pixeles\n"
    "Salida: 0 bien; 2 argumento o archivo de entrada no valido; 3 falla del calculo;\n"
    "4 no se pudo escribir un archivo de salida.\n";

std::string FloatText(float v) {
    char buf[64];
    auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, 9);
    return std::string(buf, r.ptr);
}

struct Opciones {
    bool design = false;
    bool dump = false;
    bool bars = false;
    std::string archivo, guardar, dxf, dxfCad, pdf, diag;
    std::vector<std::pair<std::string, std::string>> pares;
};

// Reads the arguments; returns -1 to go on, or the exit status.
int LeeArgumentos(const std::vector<std::string>& args, Opciones& op, std::ostream& out,
                  std::ostream& err) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--design") {
            op.design = true;
        } else if (a == "--dump") {
            op.dump = true;
        } else if (a == "--bars") {
            op.bars = true;
        } else if (a == "--save" || a == "--dxf" || a == "--dxf-cad" || a == "--pdf" ||
                   a == "--diag") {
            if (i + 1 >= args.size()) {
                err << "Falta el archivo de " << a << "\n";
                return 2;
            }
            std::string& destino = a == "--save"      ? op.guardar
                                   : a == "--dxf"     ? op.dxf
                                   : a == "--dxf-cad" ? op.dxfCad
                                   : a == "--pdf"     ? op.pdf
                                                      : op.diag;
            destino = args[++i];
        } else if (a == "--help" || a == "-h") {
            out << kUso;
            return 0;
        } else if (a.rfind("--", 0) == 0) {
            err << "Opción desconocida: " << a << "\n" << kUso;
            return 2;
        } else if (a.find('=') == std::string::npos) {
            if (!op.archivo.empty()) {
                err << "Sobra un archivo de proyecto: " << a << "\n";
                return 2;
            }
            op.archivo = a;
        } else {
            const auto eq = a.find('=');
            if (eq == 0) {
                err << "Argumento no reconocido (se espera Nombre=valor): " << a << "\n";
                return 2;
            }
            op.pares.emplace_back(a.substr(0, eq), a.substr(eq + 1));
        }
    }
    return -1;
}

// The check that ends a step, as the window runs it; the fault's message, or empty.
std::string Chequea(ProjectState& s, HeadlessWindow& w) {
    try {
        ChequeaMuro(s, w, w);
        return "";
    } catch (const EngineFault& f) {
        return f.what();
    }
}

// The window's steps, each ending with its check: the start-up project, "&Abre" with the file,
// the pairs typed and the options clicked, and "&Calculo". Only the last check's fault counts:
// a later step may mend what an earlier one could not check.
int Calcula(const Opciones& op, ProjectState& s, HeadlessWindow& w, std::ostream& err) {
    w.Arranque(s);
    std::string falla;
    if (!op.archivo.empty()) {
        std::string contenido;
        const ResultadoArchivo r = LeeArchivoProyecto(op.archivo, contenido);
        const LecturaMur l = r.ok ? LeeMur(contenido) : LecturaMur{};
        if (!r.ok || !l.ok) {
            err << op.archivo << ": " << (r.ok ? l.error : r.mensaje) << "\n";
            return 2;
        }
        s.NombreArchivo = op.archivo;
        const std::string aviso = CargaProyecto(l.proyecto, s, w.campos);
        if (!aviso.empty()) err << "ATENCION: " << aviso << "\n";
        falla = Chequea(s, w);
    }
    if (!op.pares.empty()) {
        ParesDados dados;
        std::vector<std::string> avisos;
        for (const auto& [nombre, valor] : op.pares) {
            const std::string msg = AplicaPar(nombre, valor, s, w, dados, avisos);
            if (!msg.empty()) {
                err << msg << "\n";
                return 2;
            }
        }
        CierraPares(s, w, dados, avisos);
        for (const std::string& a : avisos) err << a << "\n";
        falla = Chequea(s, w);
    }
    if (op.design) {
        // A failed design has nothing new to check.
        try {
            Calcular(s, w, w);
        } catch (const EngineFault& f) {
            err << f.what() << "\n";
            return 3;
        }
        falla = Chequea(s, w);
    }
    if (!falla.empty()) {
        err << falla << "\n";
        return 3;
    }
    return 0;
}

// The whole report as the window would print it with its default settings.
std::string EscribeReporte(const ProjectState& s, const GruposBarras& g, const std::string& ruta) {
#ifdef TARELVO_CON_REPORTE
    std::array<std::string, GruposBarras::kGrupos> barras;
    for (int i = 0; i < GruposBarras::kGrupos; ++i) barras[i] = g.etiqueta(i);
    return EscribeReportePdf(ruta, EntradasPorDefecto(s, s.Titulo, barras));
#else
    (void)s, (void)g, (void)ruta;
    return "Esta compilación no incluye el reporte (se construyó sin Qt).";
#endif
}

// The four diagrams as a PNG picture.
std::string EscribeDiagramas(const ProjectState& s, const std::string& ruta) {
#ifdef TARELVO_CON_REPORTE
    const std::string png = DiagramasPng(s);
    if (png.empty()) return ruta + ": no se pudo dibujar la imagen de los diagramas.";
    const ResultadoArchivo r = GuardaArchivoSeguro(ruta, png);
    return r.ok ? std::string() : ruta + ": " + r.mensaje;
#else
    (void)s, (void)ruta;
    return "Esta compilación no incluye los diagramas (se construyó sin Qt).";
#endif
}

// The diagrams the report and the picture draw, computed before either is written: a wall
// whose sections the engine cannot compute gets neither.
std::string FallaDiagramas(const ProjectState& s) {
#ifdef TARELVO_CON_REPORTE
    try {
        CalculaDiagramas(s);
    } catch (const EngineFault& f) {
        return f.what();
    }
#else
    (void)s;
#endif
    return "";
}

void MuestraPanel(const ResultsView& v, std::ostream& out) {
    out << v.verdict << (v.verdictRed ? "  (en rojo)" : "") << "\n";
    for (const ResultValue& r : v.values) {
        std::string titulo = r.heading;
        if (!titulo.empty() && titulo[0] == ' ') titulo.erase(0, 1);
        titulo.resize(16, ' ');
        out << titulo << r.text << (r.red ? "  (en rojo)" : "") << "\n";
    }
    if (v.warningVisible) out << "Aviso: " << v.warning << "\n";
}

void MuestraVariables(const ProjectState& s, const ResultsView& v, std::ostream& out) {
    for (const StateField& f : StateFields()) {
        out << f.name << "=";
        switch (f.kind) {
            case StateField::Float: out << FloatText(s.*(f.f)); break;
            case StateField::Int16: out << s.*(f.i); break;
            case StateField::Text: out << s.*(f.t); break;
        }
        out << "\n";
    }
    out << "Verdict=" << v.verdict << "\n";
}

}  // namespace

int ProyectoCalculado(const std::vector<std::string>& args, ProjectState& s, HeadlessWindow& w,
                      std::ostream& err) {
    Opciones op;
    std::ostringstream ayuda;
    const int st = LeeArgumentos(args, op, ayuda, err);
    return st >= 0 ? st : Calcula(op, s, w, err);
}

int RunCalcTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    Opciones op;
    const int leido = LeeArgumentos(args, op, out, err);
    if (leido >= 0) return leido;
    ProjectState s;
    HeadlessWindow w;
    if (const int st = Calcula(op, s, w, err)) return st;

    if (!op.guardar.empty()) {
        const ProyectoMur p = ProyectoDeEstado(
            s, PosicionEnLista(s.Fc, kListaFc.data(), kOpcionesFc),
            PosicionEnLista(s.Fy, kListaFy.data(), kOpcionesFy), w.campos.centrica ? 1 : 0);
        const std::string fuera = FueraDeRango(p);
        if (!fuera.empty()) {
            err << op.guardar << ": " << fuera << "\n";
            return 4;
        }
        const ResultadoArchivo r = GuardaArchivoSeguro(op.guardar, EscribeMur(p));
        if (!r.ok) {
            err << op.guardar << ": " << r.mensaje << "\n";
            return 4;
        }
        s.NombreArchivo = op.guardar;
    }

    // The reinforcement as "&Refuerzo" leaves it: the wall checked again, the bars
    // preselected, the spacing boxes at 0.30.
    GruposBarras grupos;
    if (op.bars || op.dump || !op.dxf.empty() || !op.dxfCad.empty() || !op.pdf.empty() ||
        !op.diag.empty()) {
        std::string falla = Chequea(s, w);
        if (falla.empty() && (!op.pdf.empty() || !op.diag.empty())) falla = FallaDiagramas(s);
        if (!falla.empty()) {
            err << falla << "\n";
            return 3;
        }
        grupos.PreseleccionaBarras(s);
        DistribuyeRefuerzo(s, grupos, s.Titulo);
    }

    if (!op.dxf.empty()) {
        const std::string error =
            EscribeDibujo(EntradaDeProyecto(s, grupos), op.dxf);
        if (!error.empty()) {
            err << error << "\n";
            return 4;
        }
    }
    if (!op.dxfCad.empty()) {
        const std::string error = EscribeDibujoCad(EntradaDeProyecto(s, grupos), op.dxfCad);
        if (!error.empty()) {
            err << error << "\n";
            return 4;
        }
    }
    if (!op.pdf.empty()) {
        const std::string error = EscribeReporte(s, grupos, op.pdf);
        if (!error.empty()) {
            err << error << "\n";
            return 4;
        }
    }
    if (!op.diag.empty()) {
        const std::string error = EscribeDiagramas(s, op.diag);
        if (!error.empty()) {
            err << error << "\n";
            return 4;
        }
    }

    if (op.bars) {
        static const char* const kNombres[GruposBarras::kGrupos] = {
            "Label17", "Label18", "Label19", "Label20", "Label23", "Label24", "Label25"};
        for (int g = 0; g < GruposBarras::kGrupos; ++g)
            out << kNombres[g] << "=" << grupos.etiqueta(g) << "\n";
    } else if (op.dump) {
        MuestraVariables(s, w.shown, out);
    } else {
        MuestraPanel(w.shown, out);
        if (op.design)
            out << "AltZap=" << w.campos.altZap << "\nPunta=" << w.campos.punta
                << "\nTalon=" << w.campos.talon << "\n";
    }
    return 0;
}

}  // namespace tarelvo

#include "cli/calc_tool.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <optional>

#include "cli/headless_window.h"
#include "cli/project_load.h"
#include "files/file_io.h"
#ifdef TARELVO_CON_REPORTE
#include "report/report_pdf.h"
#endif
#include "files/mur_project.h"
#include "common/number_text.h"
#include "engine/reinforcement_layout.h"
#include "export/drawing_inputs.h"
#include "engine/state_fields.h"

namespace tarelvo {

namespace {

const char* const kUso =
    "Uso: tarelvo-calc [opciones] [ARCHIVO.mur] [Nombre=valor ...]\n"
    "  Verifica el muro del proyecto inicial (F'c 210, zapata \"Centrica\"), o el del\n"
    "  archivo, con los valores dados. Nombres: las variables de entrada del proyecto en sus\n"
    "  unidades (Ancho en cm), FormaMuro, Pasiva, ConDent, Centro (espesor en la base, m) y\n"
    "  Centrica (1 o 0); Titulo=texto.\n"
    "  --design  diseña la zapata (como \"&Calculo\") y luego verifica\n"
    "  --dump    muestra todas las variables del proyecto, Nombre=valor\n"
    "  --bars    muestra las siete descripciones de barras (Label17=... Label25=...)\n"
    "  --save ARCHIVO.mur  guarda el proyecto resultante\n"
    "  --dxf ARCHIVO.dxf   escribe el dibujo del muro con su refuerzo\n"
    "  --pdf ARCHIVO.pdf   escribe el reporte completo\n"
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
    std::string archivo, guardar, dxf, pdf;
    std::optional<std::string> centro;
    std::optional<bool> centrica;
    bool conDentDado = false, altDentDado = false, anchDentDado = false;
    std::string altDentTexto = "0.50", anchDentTexto = "0.20";
};

// Applies one Name=value pair; returns an error message, or an empty string.
std::string Aplica(const std::string& nombre, const std::string& texto, ProjectState& s,
                   HeadlessWindow& w, Opciones& op) {
    if (nombre == "Titulo") {
        s.Titulo = texto;
        return "";
    }
    double v = 0;
    if (!numtext::parseWhole(texto, v))
        return "El valor de " + nombre + " no es un número: \"" + texto + "\"";
    if (nombre == "Centro") {
        op.centro = texto;
        return "";
    }
    if (nombre == "Centrica") {
        if (v != 0 && v != 1) return "Centrica debe ser 1 o 0: \"" + texto + "\"";
        op.centrica = v != 0;
        return "";
    }
    const StateField* f = FindStateField(nombre);
    if (!f || !f->input) return "Nombre desconocido: " + nombre;
    if (f->kind == StateField::Int16) {
        if (v != std::floor(v) || v < std::numeric_limits<std::int16_t>::min() ||
            v > std::numeric_limits<std::int16_t>::max())
            return "El valor de " + nombre + " debe ser un entero: \"" + texto + "\"";
        if (nombre == "FormaMuro" && (v < 0 || v > 2))
            return "FormaMuro debe ser 0 (recto), 1 (inclinado hacia frente) o 2 (inclinado "
                   "hacia relleno): \"" + texto + "\"";
        s.*(f->i) = static_cast<std::int16_t>(v);
    } else {
        if (std::fabs(v) > std::numeric_limits<float>::max())
            return "El valor de " + nombre + " está fuera de rango: \"" + texto + "\"";
        s.*(f->f) = static_cast<float>(v);
    }
    // The footing fields keep the text as typed, as the window does.
    if (nombre == "AltZap") w.altZapText = texto;
    if (nombre == "Punta") w.puntaText = texto;
    if (nombre == "Talon") w.talonText = texto;
    if (nombre == "ConDent") op.conDentDado = true;
    if (nombre == "AltDent") op.altDentDado = true, op.altDentTexto = texto;
    if (nombre == "AnchDent") op.anchDentDado = true, op.anchDentTexto = texto;
    return "";
}

// What the window's option and field handlers would leave after the pairs were typed.
void Concilia(ProjectState& s, HeadlessWindow& w, const Opciones& op) {
    s.TipoMuro = s.FormaMuro;
    w.stemShape = s.FormaMuro;
    if (op.centro)
        w.centro = *op.centro;
    else if (s.FormaMuro == 0)
        w.centro = numtext::format(s.Ancho / 100.0, "0.00");
    else
        w.centro = numtext::format(s.Ancho / 100.0 + 0.05 * s.Altura, "0.00");
    if (op.centrica) w.centrica = *op.centrica;
    s.ZapCentrada = w.centrica ? 1 : 0;
    s.PasivaSel = s.Pasiva;
    if (op.conDentDado) {
        // "Incluye" stores the key from its fields; "No incluye" drops its depth.
        if (s.ConDent != 0) {
            s.ConDent = -1;
            s.AltDent = static_cast<float>(numtext::read(op.altDentTexto));
            s.AnchDent = static_cast<float>(numtext::read(op.anchDentTexto));
        } else {
            s.AltDent = 0;
        }
    }
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

int RunCalcTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    ProjectState s;
    HeadlessWindow w;
    w.Arranque(s);

    Opciones op;
    std::vector<std::pair<std::string, std::string>> pares;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--design") {
            op.design = true;
        } else if (a == "--dump") {
            op.dump = true;
        } else if (a == "--bars") {
            op.bars = true;
        } else if (a == "--save" || a == "--dxf" || a == "--pdf") {
            if (i + 1 >= args.size()) {
                err << "Falta el archivo de " << a << "\n";
                return 2;
            }
            std::string& destino = a == "--save" ? op.guardar : a == "--dxf" ? op.dxf : op.pdf;
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
            pares.emplace_back(a.substr(0, eq), a.substr(eq + 1));
        }
    }
    // The file first, then the pairs over it.
    if (!op.archivo.empty()) {
        std::string contenido;
        const ResultadoArchivo r = LeeArchivoProyecto(op.archivo, contenido);
        const LecturaMur l = r.ok ? LeeMur(contenido) : LecturaMur{};
        if (!r.ok || !l.ok) {
            err << op.archivo << ": " << (r.ok ? l.error : r.mensaje) << "\n";
            return 2;
        }
        const std::string aviso = AplicaProyecto(s, w, l.proyecto);
        if (!aviso.empty()) err << aviso << "\n";
    }
    for (const auto& [nombre, valor] : pares) {
        const std::string msg = Aplica(nombre, valor, s, w, op);
        if (!msg.empty()) {
            err << msg << "\n";
            return 2;
        }
    }
    Concilia(s, w, op);

    try {
        if (op.design) Calcular(s, w, w);
        ChequeaMuro(s, w, w);
    } catch (const EngineFault& f) {
        err << f.what() << "\n";
        return 3;
    }

    if (!op.guardar.empty()) {
        const ProyectoMur p = ProyectoDeEstado(
            s, PosicionEnLista(s.Fc, kListaFc.data(), kOpcionesFc),
            PosicionEnLista(s.Fy, kListaFy.data(), kOpcionesFy), w.centrica ? 1 : 0);
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
    }

    // The reinforcement as "&Refuerzo" leaves it: preselected bars, spacing boxes at 0.30.
    GruposBarras grupos;
    grupos.PreseleccionaBarras(s);
    DistribuyeRefuerzo(s, grupos, s.Titulo);

    if (!op.dxf.empty()) {
        const std::string error =
            EscribeDibujo(EntradaDeProyecto(s, grupos), op.dxf);
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
            out << "AltZap=" << w.altZapText << "\nPunta=" << w.puntaText
                << "\nTalon=" << w.talonText << "\n";
    }
    return 0;
}

}  // namespace tarelvo

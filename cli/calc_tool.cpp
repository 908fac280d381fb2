#include "cli/calc_tool.h"

#include <charconv>
#include <sstream>

#include "cli/batch_run.h"
#include "cli/calc_options.h"
#include "cli/headless_window.h"
#include "cli/wall_steps.h"
#include "engine/state_fields.h"
#include "export/cad_drawing.h"
#include "export/drawing_inputs.h"
#include "files/file_io.h"
#include "files/mur_project.h"
#include "files/project_load.h"
#include "files/safe_save.h"

namespace tarelvo {

namespace {

std::string FloatText(float v) {
    char buf[64];
    auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, 9);
    return std::string(buf, r.ptr);
}

// The window's steps, each ending with its check: the start-up project, "&Abre" with the file,
// the pairs typed and the options clicked, and "&Calculo". Only the last check's fault counts:
// a later step may mend what an earlier one could not check.
int Calcula(const OpcionesCalc& op, ProjectState& s, HeadlessWindow& w, std::ostream& err) {
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
        std::istringstream avisos(CargaLectura(l, s, w.campos, w.grupos));
        for (std::string aviso; std::getline(avisos, aviso);) err << "ATENCION: " << aviso << "\n";
        falla = Chequea(s, w);
    }
    if (!op.pares.empty()) {
        std::vector<std::string> avisos;
        const std::string msg = TecleaPares(op.pares, s, w, avisos, falla);
        if (!msg.empty()) {
            err << msg << "\n";
            return 2;
        }
        for (const std::string& a : avisos) err << a << "\n";
    }
    if (op.design) {
        if (const std::string f = Disena(s, w, falla); !f.empty()) {
            err << f << "\n";
            return 3;
        }
    }
    if (!falla.empty()) {
        err << falla << "\n";
        return 3;
    }
    return 0;
}

void MuestraPanel(const ResultsView& v, std::ostream& out) {
    out << v.verdict << (v.verdictRed ? "  (en rojo)" : "") << "\n";
    auto fila = [&out](const ResultValue& r) {
        std::string titulo = r.heading;
        if (!titulo.empty() && titulo[0] == ' ') titulo.erase(0, 1);
        titulo.resize(16, ' ');
        out << titulo << r.text << (r.red ? "  (en rojo)" : "") << "\n";
    };
    for (const ResultValue& r : v.values) fila(r);
    if (v.conSismo)
        for (const ResultValue& r : v.sismo) fila(r);
    // Every failed check on its own line, as the window's warning label lists them.
    for (const std::string& a : v.avisos) out << "Aviso: " << a << "\n";
    if (!v.avisos.empty()) out << kRecalcule << "\n";
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
    out << "Avisos=" << UnaLinea(v.avisos) << "\n";
}

}  // namespace

int ProyectoCalculado(const std::vector<std::string>& args, ProjectState& s, HeadlessWindow& w,
                      std::ostream& err) {
    OpcionesCalc op;
    std::ostringstream ayuda;
    const int st = LeeArgumentos(args, op, ayuda, err);
    return st >= 0 ? st : Calcula(op, s, w, err);
}

int RunCalcTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                const ContextoCalc& contexto) {
    OpcionesCalc op;
    const int leido = LeeArgumentos(args, op, out, err);
    if (leido >= 0) return leido;
    if (!op.lote.empty())
        return EjecutaLote({op.lote, op.design, op.trabajos, contexto.errEsTerminal}, out, err);
    ProjectState s;
    HeadlessWindow w;
    if (const int st = Calcula(op, s, w, err)) return st;

    if (!op.guardar.empty()) {
        const ProyectoMur p = ProyectoDeEstado(s, w.campos, w.grupos);
        const std::string fuera = FueraDeRango(p);
        if (!fuera.empty()) {
            err << op.guardar << ": " << fuera << "\n";
            return 4;
        }
        const ResultadoArchivo r = GuardaArchivoSeguro(op.guardar, EscribeMur(p));
        if (!r.ok) {
            err << MensajeGuardado(op.guardar, r) << "\n";
            return 4;
        }
        s.NombreArchivo = op.guardar;
    }

    // The bars are laid out whatever was asked: a group that cannot be placed is part of the
    // verdict, in the panel as in --dump and the batch.
    const GruposBarras& grupos = w.grupos;
    {
        if (const std::string falla = Refuerza(s, w); !falla.empty()) {
            err << falla << "\n";
            return 3;
        }
    }

    if (!op.dxf.empty()) {
        const std::string error = EscribeDibujo(EntradaDeProyecto(s, grupos), op.dxf);
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
    for (const auto& [opcion, ruta] : op.graficas) {
        const auto escritor = contexto.graficas.find(opcion);
        const std::string error =
            escritor != contexto.graficas.end()
                ? escritor->second(s, grupos, ruta)
                : opcion + " lo escribe el programa tarelvo, que esta compilación no incluye "
                           "(se construyó sin Qt).";
        if (!error.empty()) {
            err << error << "\n";
            return 4;
        }
    }

    // Every output asked for, in this order: the results panel (unless --dump or --bars is
    // given) or the variables of --dump, then the bars of --bars.
    if (op.dump) {
        MuestraVariables(s, w.shown, out);
    } else if (!op.bars) {
        MuestraPanel(w.shown, out);
        if (op.design)
            out << "AltZap=" << w.campos.altZap << "\nPunta=" << w.campos.punta
                << "\nTalon=" << w.campos.talon << "\n";
    }
    if (op.bars) {
        static const char* const kNombres[GruposBarras::kGrupos] = {
            "Label17", "Label18", "Label19", "Label20", "Label23", "Label24", "Label25"};
        for (int g = 0; g < GruposBarras::kGrupos; ++g)
            out << kNombres[g] << "=" << grupos.etiqueta(g) << "\n";
    }
    return 0;
}

}  // namespace tarelvo

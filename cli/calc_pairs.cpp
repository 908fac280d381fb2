#include "cli/calc_pairs.h"

#include <cmath>
#include <string_view>
#include <limits>

#include "common/number_text.h"
#include "engine/field_limits.h"
#include "engine/method_options.h"
#include "engine/field_rules.h"
#include "engine/state_fields.h"
#include "files/mur_project.h"
#include "files/mur_title.h"

namespace tarelvo {

namespace {

// The control that holds a real input, and its text in the window.
enum class Control { Campo, Carga, Padm, Talud, Lista };
struct Entrada {
    std::string_view nombre;
    Control control;
    std::string CamposMuro::*texto;
};
const Entrada kEntradas[] = {
    {"Altura", Control::Campo, &CamposMuro::altura},
    {"Ancho", Control::Campo, &CamposMuro::ancho},
    {"AltZap", Control::Campo, &CamposMuro::altZap},
    {"Punta", Control::Campo, &CamposMuro::punta},
    {"Talon", Control::Campo, &CamposMuro::talon},
    {"Dsz", Control::Campo, &CamposMuro::dsz},
    {"AltDent", Control::Campo, &CamposMuro::altDent},
    {"AnchDent", Control::Campo, &CamposMuro::anchDent},
    {"Phi1", Control::Campo, &CamposMuro::phi1},
    {"Gamma1", Control::Campo, &CamposMuro::gamma1},
    {"Cohes1", Control::Campo, &CamposMuro::cohes1},
    {"Phi2", Control::Campo, &CamposMuro::phi2},
    {"Gamma2", Control::Campo, &CamposMuro::gamma2},
    {"Cohes", Control::Campo, &CamposMuro::cohes},
    {"Beta", Control::Talud, &CamposMuro::beta},
    {"Reac", Control::Carga, &CamposMuro::reac},
    {"Sobrec", Control::Carga, &CamposMuro::sobrec},
    {"Padm", Control::Padm, &CamposMuro::padm},
    {"Fc", Control::Lista, &CamposMuro::fc},
    {"Fy", Control::Lista, &CamposMuro::fy},
};

const Entrada* EntradaDe(const std::string& nombre) {
    for (const Entrada& e : kEntradas)
        if (nombre == e.nombre) return &e;
    return nullptr;
}

// A text put into a field and what its change handler stores; a new stem top couples the base.
void Pon(const Entrada& e, const std::string& texto, float& variable, ProjectState& s,
         CamposMuro& c) {
    c.*(e.texto) = texto;
    if (e.texto == &CamposMuro::ancho) {
        c.centro = CentroAcoplado(s.TipoMuro, c.ancho, c.altura);
        variable = AnchoDeCampo(texto);
    } else {
        variable = NumeroCampo(texto);
    }
}

std::optional<bool> Opcion(double v) { return v != 0; }

// The refusal of a value above its field's upper limit (the stem top's in cm, as it is given).
std::string SobreMaximo(const std::string& nombre, const std::string& texto, double enCampo) {
    const MaximoCampo* m = MaximoDe(nombre);
    if (!m || enCampo <= m->maximo) return "";
    return nombre + "=" + texto + " no se acepta: el máximo de su campo es " +
           (nombre == "Ancho" ? numtext::format(m->maximo * 100, "0") + " cm" : m->texto);
}

}  // namespace

bool EsNombreDePar(const std::string& nombre) {
    if (nombre == "Titulo" || nombre == "Centro" || nombre == "Centrica") return true;
    if (OpcionDe(nombre)) return true;
    if (GrupoDeDiam(nombre) >= 0 || CajaDeSepar(nombre) >= 0) return true;
    const StateField* f = FindStateField(nombre);
    return f && f->input && (f->kind == StateField::Int16 || EntradaDe(nombre));
}

std::string AplicaPar(const std::string& nombre, const std::string& texto, ProjectState& s,
                      HeadlessWindow& w, ParesDados& dados) {
    CamposMuro& c = w.campos;
    dados.alguno = true;
    if (nombre == "Titulo") {
        // What the window's title field could hold, so that the project can be saved.
        if (LargoUtf16(texto) > kLargoTitulo)
            return "El título no puede tener más de " + std::to_string(kLargoTitulo) +
                   " caracteres (tiene " + std::to_string(LargoUtf16(texto)) + ")";
        if (TituloParaArchivo(texto) != texto)
            return "El título debe ser texto UTF-8 sin caracteres de control";
        c.titulo = s.Titulo = texto;
        return "";
    }
    if (const int g = GrupoDeDiam(nombre); g >= 0) {
        const int pos = PosicionDeDiam(texto);
        if (pos < 0)
            return "El valor de " + nombre + " debe ser " + kDiamValidos + ": \"" + texto + "\"";
        dados.barras.diam[static_cast<std::size_t>(g)] = pos;
        return "";
    }
    // A number as the window's fields read it: "2,5" is 2.5, as a Spanish-speaking engineer
    // types it.
    double v = 0;
    if (!numtext::parseTyped(texto, v))
        return "El valor de " + nombre + " no es un número: \"" + texto + "\"";
    if (const int k = CajaDeSepar(nombre); k >= 0) {
        if (v < kSeparMinima || v > kSeparMaxima)
            return nombre + "=" + texto + " no se acepta: el valor debe estar entre " +
                   TextoCampo(kSeparMinima) + " y " + TextoCampo(kSeparMaxima);
        dados.barras.separ[static_cast<std::size_t>(k)] = static_cast<float>(v);
        return "";
    }
    if (nombre == "Centro") {
        if (std::string fuera = SobreMaximo(nombre, texto, v); !fuera.empty()) return fuera;
        dados.centro = TextoTecleado(v);
        return "";
    }
    // The method options belong to the project, not to a field: they are set as given.
    if (const OpcionCalculo* o = OpcionDe(nombre)) return AplicaOpcion(s, *o, v);
    if (nombre == "Centrica") {
        if (v != 0 && v != 1) return "Centrica debe ser 1 o 0: \"" + texto + "\"";
        dados.centrica = Opcion(v);
        return "";
    }
    const StateField* f = FindStateField(nombre);
    if (!f || !f->input) return "Nombre desconocido: " + nombre;
    if (f->kind == StateField::Int16) {
        if (v != std::floor(v) || v < std::numeric_limits<std::int16_t>::min() ||
            v > std::numeric_limits<std::int16_t>::max())
            return "El valor de " + nombre + " debe ser un entero: \"" + texto + "\"";
        if (nombre == "FormaMuro") {
            if (v < 0 || v > 2)
                return "FormaMuro debe ser 0 (recto), 1 (inclinado hacia frente) o 2 (inclinado "
                       "hacia relleno): \"" + texto + "\"";
            dados.formaMuro = static_cast<int>(v);
        } else if (nombre == "Pasiva") {
            if (v != 0 && v != 1)
                return "Pasiva debe ser 1 (considerada) o 0 (despreciada): \"" + texto + "\"";
            dados.pasiva = Opcion(v);
        } else {
            if (v != 0 && v != 1)
                return "ConDent debe ser 1 (incluye dentellón) o 0 (no incluye): \"" + texto +
                       "\"";
            dados.conDent = Opcion(v);
        }
        return "";
    }
    const Entrada* e = EntradaDe(nombre);
    if (!e) return "Nombre desconocido: " + nombre;
    if (std::fabs(v) > std::numeric_limits<float>::max())
        return "El valor de " + nombre + " está fuera de rango: \"" + texto + "\"";
    float& variable = s.*(f->f);
    switch (e->control) {
        case Control::Campo: {
            // The stem top is given in cm and typed into its field in metres, which shows it
            // as it does every number once left.
            // Centimetres to metres by moving the decimal point, as a person types them: 20.17
            // cm is "0.2017", not the binary quotient 0.20170000000000002.
            const double metros =
                nombre == "Ancho" ? numtext::read(numtext::format(v / 100, "0.##########")) : v;
            if (std::string fuera = SobreMaximo(nombre, texto, metros); !fuera.empty())
                return fuera;
            const std::string enCampo = TextoTecleado(metros);
            // A number the field would replace by its limit on leaving is not what was asked.
            if (const LimiteCampo* l = LimiteAlSalir(nombre); l && ConLimite(*l, enCampo) != enCampo)
                return nombre + "=" + texto + " no se acepta: el mínimo de su campo es " +
                       (nombre == "Ancho" ? numtext::format(l->minimo * 100, "0") + " cm"
                                          : numtext::format(l->minimo, "0.00"));
            Pon(*e, enCampo, variable, s, c);
            break;
        }
        // The spins write their values "0.00", within their range.
        case Control::Carga:
        case Control::Padm:
        case Control::Talud: {
            const RangoSpin* r = RangoDeSpin(nombre);
            if (v < 0 || v > r->maximo)
                return nombre + "=" + texto + " no se acepta: el valor debe estar entre 0 y " +
                       r->textoMaximo;
            const std::string escrito = TextoCampo(v);
            Pon(*e,
                e->control == Control::Carga  ? CaptionCarga(escrito)
                : e->control == Control::Padm ? CaptionPadm(escrito)
                                              : escrito,
                variable, s, c);
            break;
        }
        case Control::Lista: {
            // The lists hold only their own values, as a project file can only hold those.
            const bool esFc = nombre == "Fc";
            const int* lista = esFc ? kListaFc.data() : kListaFy.data();
            const int cuantos = esFc ? kOpcionesFc : kOpcionesFy;
            std::string valores;
            bool esta = false;
            for (int k = 0; k < cuantos; ++k) {
                esta = esta || v == lista[k];
                valores += (k ? ", " : "") + std::to_string(lista[k]);
            }
            if (!esta)
                return "El valor de " + nombre + " debe ser uno de la lista de " +
                       (esFc ? "F'c" : "Fy") + " (" + valores + "): \"" + texto + "\"";
            Pon(*e, std::to_string(static_cast<int>(v)), variable, s, c);
            break;
        }
    }
    dados.dsz |= nombre == "Dsz";
    dados.beta |= nombre == "Beta";
    return "";
}

void CierraPares(ProjectState& s, HeadlessWindow& w, const ParesDados& dados,
                 std::vector<std::string>& avisos) {
    if (!dados.alguno) return;
    CamposMuro& c = w.campos;
    if (dados.dsz) {
        c.dsz = DszAlSalir(c.dsz, c.altZap, s.AltZap, s.Altura);
        s.Dsz = NumeroCampo(c.dsz);
    }
    if (dados.beta && TaludExcede(c.beta, c.phi1)) {
        avisos.push_back(std::string("ATENCION: ") + kAvisoTalud);
        c.beta = TextoCampo(NumeroDe(c.phi1));
        s.Beta = NumeroCampo(c.beta);
    }
    if (dados.pasiva) {
        c.pasiva = *dados.pasiva;
        s.Pasiva = s.PasivaSel = c.pasiva ? 1 : 0;
    }
    if (dados.conDent) {
        // "Incluye" stores the key from its fields; "No incluye" drops its depth.
        c.dentellon = *dados.conDent;
        s.ConDent = c.dentellon ? -1 : 0;
        s.AltDent = c.dentellon ? NumeroCampo(c.altDent) : 0;
        if (c.dentellon) s.AnchDent = NumeroCampo(c.anchDent);
    }
    if (dados.centrica) {
        c.centrica = *dados.centrica;
        s.ZapCentrada = c.centrica ? 1 : 0;
        // The option's own check, which centres the footing and writes it back; a fault here
        // is for the tool's final check to report.
        try {
            ChequeaMuro(s, w, w);
        } catch (const EngineFault&) {
        }
    }
    // The wall type, clicked as it is or as given, couples the stem base.
    if (dados.formaMuro) c.formaMuro = *dados.formaMuro;
    s.FormaMuro = s.TipoMuro = static_cast<std::int16_t>(c.formaMuro);
    c.centro = CentroAcoplado(c.formaMuro, c.ancho, c.altura);
    if (dados.centro) c.centro = CentroTecleado(c.formaMuro, c.ancho, c.altura, *dados.centro);
    c.anchoZapata = AnchoZapata(c.talon, c.punta, c.centro);
    AplicaBarras(dados.barras, s, w.grupos);
}

}  // namespace tarelvo

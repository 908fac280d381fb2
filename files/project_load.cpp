#include "files/project_load.h"

#include <algorithm>
#include <charconv>

#include "engine/bar_inputs.h"
#include "engine/field_limits.h"
#include "engine/field_rules.h"
#include "engine/method_options.h"
#include "files/mur_project.h"
#include "files/project_limits.h"

namespace tarelvo {

namespace {
// The text a value goes into its field with: "0.00" when that reads back as the value, so
// that ordinary values look as typed, else the shortest text that does.
std::string TextoExacto(float valor) {
    const std::string campo = TextoCampo(valor);
    if (NumeroCampo(campo) == valor) return campo;
    char buf[32];
    const auto r = std::to_chars(buf, buf + sizeof buf, valor);
    return std::string(buf, r.ptr);
}
// The value written into its field, and what the field's change handler stores.
void PorCampo(float valor, std::string& campo, float& variable) {
    campo = TextoExacto(valor);
    variable = NumeroCampo(campo);
}
// A list position; the reader refuses any other, so this only keeps a bad caller in bounds.
std::size_t Posicion(int i, int cuantos) {
    return static_cast<std::size_t>(std::clamp(i, 0, cuantos - 1));
}
// A value of a Nombre=valor line within its field's limits; one beyond them is set to the
// limit, and said so.
float ConLimites(const char* nombre, float v, std::vector<std::string>& avisos) {
    if (const LimiteCampo* l = LimiteAlSalir(nombre); l && v < l->minimo) {
        avisos.push_back(std::string("El valor de ") + nombre + " no puede ser menor que " +
                         l->texto + ": se toma " + l->texto);
        return static_cast<float>(l->minimo);
    }
    if (const MaximoCampo* m = MaximoDe(nombre); m && v > m->maximo) {
        avisos.push_back(MensajeMaximo(*m, nombre) + ": se toma " + m->texto);
        return static_cast<float>(m->maximo);
    }
    return v;
}
}  // namespace

std::vector<std::string> CargaProyecto(const ProyectoMur& archivo, ProjectState& s,
                                       CamposMuro& c, GruposBarras& grupos) {
    std::vector<std::string> avisos;
    // What the window's fields could not hold comes in at their limits, said in the warning.
    ProyectoMur p = archivo;
    const std::string ajustes = AjustaALimites(p);
    for (std::size_t k = 0, j = 0; k < ajustes.size(); k = j + 1) {
        j = std::min(ajustes.find('\n', k), ajustes.size());
        if (j > k) avisos.push_back(ajustes.substr(k, j - k));
    }
    const ValoresMur& v = p.valores;
    // As the window's title field keeps it: an older file may hold a longer title.
    c.titulo = s.Titulo = RecortaUtf16(p.titulo, kLargoTitulo);
    // Any wall type other than 0 and 1 is the third option, any pasiva other than 1 is
    // "Despreciada".
    c.formaMuro = p.formaMuro == 0 ? 0 : p.formaMuro == 1 ? 1 : 2;
    s.FormaMuro = s.TipoMuro = static_cast<std::int16_t>(c.formaMuro);
    c.centrica = p.zapCentrada != 0;
    s.ZapCentrada = c.centrica ? 1 : 0;
    c.pasiva = p.pasiva == 1;
    s.Pasiva = s.PasivaSel = c.pasiva ? 1 : 0;

    c.ancho = TextoExacto(p.ancho);
    s.Ancho = AnchoDeCampo(c.ancho);
    c.altura = TextoExacto(p.altura);
    s.Altura = p.altura;
    c.dsz = TextoExacto(p.dsz);
    s.Dsz = p.dsz;
    PorCampo(p.altZap, c.altZap, s.AltZap);
    PorCampo(p.punta, c.punta, s.Punta);
    PorCampo(p.talon, c.talon, s.Talon);
    PorCampo(p.phi1, c.phi1, s.Phi1);
    PorCampo(p.phi2, c.phi2, s.Phi2);
    PorCampo(p.gamma1, c.gamma1, s.Gamma1);
    PorCampo(p.gamma2, c.gamma2, s.Gamma2);
    PorCampo(p.cohes, c.cohes, s.Cohes);
    if (v.cohes1) PorCampo(ConLimites("Cohes1", *v.cohes1, avisos), c.cohes1, s.Cohes1);

    // The key is included as the file says, or, in a file that does not say, when its depth
    // field shows more than nothing.
    PorCampo(p.anchDent, c.anchDent, s.AnchDent);
    float altDent = 0;
    PorCampo(p.altDent, c.altDent, altDent);
    c.dentellon = v.conDent ? *v.conDent == 1 : altDent > 0;
    s.ConDent = c.dentellon ? -1 : 0;
    s.AltDent = c.dentellon ? altDent : 0;

    // The slope is compared with the file's own friction angle.
    c.beta = TextoCampo(p.beta);
    if (TaludExcede(c.beta, c.phi1)) {
        avisos.push_back(kAvisoTalud);
        c.beta = TextoCampo(NumeroDe(c.phi1));
    }
    s.Beta = NumeroCampo(c.beta);
    c.reac = CaptionCarga(TextoCampo(p.reac));
    s.Reac = NumeroCampo(c.reac);
    c.sobrec = CaptionCarga(TextoCampo(p.sobrec));
    s.Sobrec = NumeroCampo(c.sobrec);
    c.padm = CaptionPadm(TextoCampo(p.padm));
    s.Padm = NumeroCampo(c.padm);
    c.fc = std::to_string(kListaFc[Posicion(p.comboFc, kOpcionesFc)]);
    s.Fc = NumeroCampo(c.fc);
    c.fy = std::to_string(kListaFy[Posicion(p.comboFy, kOpcionesFy)]);
    s.Fy = NumeroCampo(c.fy);

    // The stem base follows the wall type, as its option couples it; a base the file gives is
    // then typed in, and keeps what an inclined stem must have.
    c.centro = CentroAcoplado(c.formaMuro, c.ancho, c.altura);
    if (v.centro) {
        const std::string tecleado = TextoExacto(ConLimites("Centro", *v.centro, avisos));
        c.centro = CentroTecleado(c.formaMuro, c.ancho, c.altura, tecleado);
        if (NumeroDe(c.centro) != NumeroDe(tecleado))
            avisos.push_back(
                c.formaMuro == 0
                    ? "El muro es recto: su espesor en la base (Centro) es el del tope, " + c.centro
                    : "El espesor en la base (Centro) de un muro inclinado no puede ser menor "
                      "que el del tope más el 5 % de la altura: se toma " + c.centro);
    }
    c.anchoZapata = AnchoZapata(c.talon, c.punta, c.centro);

    // A new wall: "C&hequeo" takes its height as the one its footing was made for, the free
    // stem height is its own, and its bars are preselected afresh unless the file gives them
    // (the last wall's bars that could not be placed are forgotten).
    s.AlturaAnt = s.Altura;
    s.AltLibre = AlturaLibre(s);
    s.BarrasIniciadas = 0;
    s.BarrasSinEspacio = 0;
    BarrasDadas barras;
    barras.diam = v.diam;
    for (std::size_t k = 0; k < v.separ.size(); ++k) {
        if (!v.separ[k]) continue;
        float separ = *v.separ[k];
        if (separ < kSeparMinima || separ > kSeparMaxima) {
            const float limite = static_cast<float>(separ < kSeparMinima ? kSeparMinima : kSeparMaxima);
            avisos.push_back(std::string("El valor de ") + kNombresSepar[k] +
                             " debe estar entre " + TextoCampo(kSeparMinima) + " y " +
                             TextoCampo(kSeparMaxima) + ": se toma " + TextoCampo(limite));
            separ = limite;
        }
        barras.separ[k] = separ;
    }
    AplicaBarras(barras, s, grupos);

    // The method: an option the file does not give is the usual one, whatever the last
    // project used. The water stands at most to the top of the loaded wall's virtual back.
    OpcionesIniciales(s);
    for (std::size_t k = 0; k < v.opciones.size(); ++k) {
        if (!v.opciones[k]) continue;
        const OpcionCalculo& o = OpcionesCalculo()[k];
        double valor = *v.opciones[k];
        if (std::string aviso = LimitaOpcion(o, valor, HwMaximo(s)); !aviso.empty())
            avisos.push_back(std::move(aviso));
        AplicaOpcion(s, o, valor);
    }
    return avisos;
}

std::string CargaLectura(const LecturaMur& l, ProjectState& s, CamposMuro& c,
                         GruposBarras& grupos) {
    std::vector<std::string> avisos = l.avisos;
    for (std::string& a : CargaProyecto(l.proyecto, s, c, grupos)) avisos.push_back(std::move(a));
    std::string texto;
    for (const std::string& a : avisos) texto += (texto.empty() ? "" : "\n") + a;
    return texto;
}

}  // namespace tarelvo

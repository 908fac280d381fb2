#include "engine/field_rules.h"

#include <algorithm>
#include <limits>

#include "common/number_text.h"
#include "engine/field_limits.h"

namespace tarelvo {

float ComoFloat(double v) {
    const double m = std::numeric_limits<float>::max();
    return static_cast<float>(std::clamp(v, -m, m));
}

double NumeroDe(const std::string& texto) { return numtext::read(texto); }

std::string TextoCampo(double v) { return numtext::format(v, "0.00"); }

// The fewest decimals, two at least, that read back as the same number.
std::string TextoTecleado(double v) {
    std::string patron = "0.00";
    for (;;) {
        std::string t = numtext::format(v, patron);
        if (numtext::read(t) == v || patron.size() >= 19) return t;
        patron += '0';
    }
}

EntradaCampo LeeEntrada(std::string_view campo, const std::string& rotulo,
                        const std::string& texto) {
    EntradaCampo e;
    if (texto.find_first_not_of(" \t") == std::string::npos) {
        e.mensaje = "Falta el valor " + DeRotulo(rotulo);
        return e;
    }
    double v = 0;
    if (!numtext::parseTyped(texto, v) || !(v == v)) {
        e.mensaje = "El valor " + DeRotulo(rotulo) + " no es un número: \"" + texto + "\"";
        return e;
    }
    if (const MaximoCampo* m = MaximoDe(campo); m && v > m->maximo) {
        e.mensaje = MensajeMaximo(*m, rotulo);
        return e;
    }
    const bool spin = RangoDeSpin(campo) != nullptr;
    if (spin && v < 0) {
        e.mensaje = "El valor " + DeRotulo(rotulo) + " no puede ser menor que 0.00";
        return e;
    }
    e.aceptada = true;
    e.valor = v;
    e.texto = spin ? TextoCampo(v) : TextoTecleado(v);
    return e;
}

float NumeroCampo(const std::string& texto) { return ComoFloat(NumeroDe(texto)); }

float AnchoDeCampo(const std::string& texto) { return ComoFloat(NumeroDe(texto) * 100); }

void EscribeCampo(std::string& campo, const std::string& texto, float& variable) {
    if (campo == texto) return;
    campo = texto;
    variable = NumeroCampo(texto);
}

namespace {
double CentroMinimo(const std::string& ancho, const std::string& altura) {
    return NumeroDe(ancho) + 0.05 * NumeroDe(altura);
}
}  // namespace

std::string CentroAcoplado(int tipoMuro, const std::string& ancho, const std::string& altura) {
    return TextoCampo(tipoMuro != 0 ? CentroMinimo(ancho, altura) : NumeroDe(ancho));
}

std::string CentroTecleado(int tipoMuro, const std::string& ancho, const std::string& altura,
                           const std::string& centro) {
    if (tipoMuro == 0) return TextoCampo(NumeroDe(ancho));
    const double minimo = CentroMinimo(ancho, altura);
    return minimo > NumeroDe(centro) ? TextoCampo(minimo) : centro;
}

std::string AnchoZapata(const std::string& talon, const std::string& punta,
                        const std::string& centro) {
    return TextoCampo(NumeroDe(talon) + NumeroDe(punta) + NumeroDe(centro));
}

std::string CaptionCarga(const std::string& caption) {
    return NumeroDe(caption) > 0 ? TextoCampo(NumeroDe(caption)) : caption;
}

std::string CaptionPadm(const std::string& caption) {
    return NumeroDe(caption) > 0 ? TextoCampo(NumeroDe(caption)) : "0.00";
}

const char* const kAvisoTalud =
    "Para evitar inestabilidad en el Relleno, su Angulo de Inclinacion no puede ser mayor que "
    "su Angulo de Friccion Interna";

bool TaludExcede(const std::string& beta, const std::string& phi1) {
    return NumeroDe(phi1) < NumeroDe(beta);
}

std::string DszAlSalir(const std::string& dsz, const std::string& altZap, float altZapEstado,
                       float alturaEstado) {
    std::string t = dsz;
    if (NumeroDe(altZap) > NumeroDe(t)) t = altZap;
    if (NumeroDe(t) < altZapEstado) t = TextoCampo(altZapEstado);
    if (NumeroDe(t) > alturaEstado) t = TextoCampo(alturaEstado);
    return t;
}

float AlturaLibre(const ProjectState& s) {
    return static_cast<float>(static_cast<double>(s.Altura) + s.AltZap - s.Dsz);
}

}  // namespace tarelvo

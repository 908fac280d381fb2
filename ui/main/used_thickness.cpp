#include "ui/main/used_thickness.h"

#include "engine/analysed_wall.h"
#include "ui/main/field_numbers.h"

namespace tarelvo {

namespace {

EspesorUsado Usado(float analizado, double campo, const char* prefijo) {
    EspesorUsado e;
    const QString valor = Fmt(analizado);
    // A value that cannot be written has nothing to show.
    if (valor.isEmpty()) return e;
    e.texto = QString::fromUtf8(prefijo) + valor;
    e.visible = valor != Fmt(campo);
    return e;
}

}  // namespace

MuroMostrado MuroDeChequeo(const ProjectState& s, double ancho, double centro) {
    const MuroAnalizado m = MuroDeAnalisis(s);
    MuroMostrado v;
    v.tope = Usado(m.corona, ancho, "usado ");
    v.base = Usado(m.base, centro, "usado ");
    v.zapata = Fmt(m.zapata);
    return v;
}

}  // namespace tarelvo

#include "export/cad_drawing.h"

#include "drawing/wall_sheet.h"
#include "export/cad_file.h"
#include "export/cad_model.h"
#include "export/drawing_values.h"

namespace tarelvo {

namespace {

Capa CapaDe(CapaLamina c) {
    switch (c) {
        case CapaLamina::Concreto: return Capa::Concreto;
        case CapaLamina::Terreno: return Capa::Terreno;
        case CapaLamina::Cotas: return Capa::Cotas;
        case CapaLamina::Acero: return Capa::Acero;
        case CapaLamina::Textos: return Capa::Textos;
        case CapaLamina::Rotulo: return Capa::Rotulo;
        case CapaLamina::Planilla: return Capa::Planilla;
    }
    return Capa::Textos;
}

}  // namespace

DatosLamina DatosDeEntrada(const EntradaDibujo& e) {
    using dibujo::Lee;
    DatosLamina d;
    d.punta = Lee(e.punta);
    d.talon = Lee(e.talon);
    d.corona = Lee(e.ancho);
    d.base = Lee(e.centro);
    d.altZap = Lee(e.altZap);
    d.altura = Lee(e.altura);
    d.dsz = Lee(e.dsz);
    d.dentellon = e.ConDent != 0 && Lee(e.altDent) > 0 && Lee(e.anchDent) > 0;
    d.altDent = d.dentellon ? Lee(e.altDent) : 0;
    d.anchDent = d.dentellon ? Lee(e.anchDent) : 0;
    d.forma = e.TipoMuro;
    d.beta = e.beta;
    d.barras = e.barras;
    d.titulo = e.titulo;
    d.fc = e.fc;
    d.fy = e.fy;
    d.recub = e.recub;
    d.gammaC = e.gammaC;
    d.planilla = e.planilla;
    d.hojaAncho = e.hojaAncho;
    d.hojaAlto = e.hojaAlto;
    return d;
}

std::string DibujaMuroCad(const EntradaDibujo& e, std::string* error) {
    const Lamina l = DibujaLamina(DatosDeEntrada(e));
    if (l.trazos.empty()) {
        if (error) *error = "el dibujo tiene un valor numérico no válido";
        return {};
    }
    ModeloCad m;
    m.textoFijo(kMayusculaLinea * l.altoTexto);
    for (const TrazoLamina& t : l.trazos) {
        m.capa(CapaDe(t.capa));
        m.line(D(t.x1), D(t.y1), D(t.x2), D(t.y2));
    }
    for (const PuntoLamina& p : l.puntos) {
        m.capa(CapaDe(p.capa));
        m.barDot(p.x, D(p.y), D(1));
    }
    // The CAD text's height is that of its capitals, its base line a fifth of the line up.
    for (const TextoLamina& t : l.textos) {
        m.capa(CapaDe(t.capa));
        const double mayus = kMayusculaLinea * t.alto, base = kBaseLinea * t.alto;
        if (t.vertical) m.textoPropio(t.x + t.alto - base, t.y, mayus, 90, t.texto);
        else m.textoPropio(t.x, t.y + base, mayus, 0, t.texto);
    }
    return ArchivoCad(m, error);
}

std::string EscribeDibujoCad(const EntradaDibujo& e, const std::string& ruta) {
    std::string error;
    const std::string bytes = DibujaMuroCad(e, &error);
    if (!error.empty()) return "No se puede crear el archivo " + ruta + ": " + error;
    return saveExportFile(ruta, bytes);
}

}  // namespace tarelvo

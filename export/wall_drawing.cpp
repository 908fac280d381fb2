#include "export/wall_drawing.h"

#include "export/drawing_values.h"

namespace tarelvo {

VariablesDibujo IniciaVariables(const EntradaDibujo& e) {
    VariablesDibujo v;
    v.CotaZ = 0;
    v.OrigenX = 2;
    v.PuntaX0 = 2;
    v.OrigenY = 2;
    v.ZapataY1 = static_cast<float>(dibujo::Dbl(v.OrigenY) + dibujo::Lee(e.altZap));
    return v;
}

DxfWriter DibujaMuro(const EntradaDibujo& e) {
    DxfWriter w;
    w.sectionHeader();
    VariablesDibujo v = IniciaVariables(e);
    GeomDxf(w, e, v);
    DimensDxf(w, e, v);
    RefuerDxf(w, e, v);
    TextoDxf(w, e, v);
    w.sectionTrailer();
    return w;
}

std::string EscribeDibujo(const EntradaDibujo& e, const std::string& ruta) {
    return DibujaMuro(e).save(ruta);
}

}  // namespace tarelvo

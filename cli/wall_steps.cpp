#include "cli/wall_steps.h"

#include "cli/calc_pairs.h"
#include "engine/method_options.h"
#include "engine/reinforcement_layout.h"

namespace tarelvo {

std::string Chequea(ProjectState& s, HeadlessWindow& w) {
    try {
        ChequeaMuro(s, w, w);
        return "";
    } catch (const EngineFault& f) {
        return f.what();
    }
}

std::string TecleaPares(const Pares& pares, ProjectState& s, HeadlessWindow& w,
                        std::vector<std::string>& avisos, std::string& falla) {
    ParesDados dados;
    for (const auto& [nombre, valor] : pares) {
        std::string msg = AplicaPar(nombre, valor, s, w, dados);
        if (!msg.empty()) return msg;
    }
    CierraPares(s, w, dados, avisos);
    // The water's bound follows the wall, so it is judged once every value is in.
    if (std::string msg = RevisaHw(s); !msg.empty()) return msg;
    falla = Chequea(s, w);
    return "";
}

std::string Disena(ProjectState& s, HeadlessWindow& w, std::string& falla) {
    try {
        Calcular(s, w, w);
    } catch (const EngineFault& f) {
        return f.what();
    }
    falla = Chequea(s, w);
    return "";
}

std::string Refuerza(ProjectState& s, HeadlessWindow& w) {
    std::string falla = Chequea(s, w);
    if (!falla.empty()) return falla;
    w.grupos.PreseleccionaBarras(s);
    DistribuyeRefuerzo(s, w.grupos, s.Titulo);
    // The bars are part of the verdict once chosen: a group that cannot be placed fails.
    w.MuestraResultados(s);
    return "";
}

}  // namespace tarelvo

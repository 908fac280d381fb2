// The tool reads and writes every value of a project file: what it saves reloads to the same
// wall, bars and spacings included, and every output asked for is written.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <random>
#include <sstream>

#include "calc_run.h"
#include "cli/calc_tool.h"
#include "cli/wall_steps.h"
#include "common/number_text.h"
#include "engine/bar_inputs.h"
#include "state_differences.h"

namespace tarelvo {
namespace {

std::string Ruta(const std::string& nombre) {
    return (std::filesystem::temp_directory_path() /
            ("tarelvo_valores_" + std::to_string(::getpid()) + "_" + nombre))
        .string();
}

struct Proyecto {
    int estado = 0;
    std::string err;
    ProjectState s;
    HeadlessWindow w;
};

void Calcula(const std::vector<std::string>& args, Proyecto& p) {
    std::ostringstream err;
    p.estado = ProyectoCalculado(args, p.s, p.w, err);
    p.err = err.str();
}

// Random pairs of every kind the tool takes: fields, spins, lists, options, bars, spacings.
std::vector<std::string> ParesAlAzar(std::mt19937& azar) {
    auto entre = [&](double lo, double hi, const char* patron = "0.00#") {
        return numtext::format(std::uniform_real_distribution<double>(lo, hi)(azar), patron);
    };
    auto uno = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(azar); };
    std::vector<std::string> p = {
        "Titulo=Muro \"" + std::to_string(uno(1000)) + "\", ñ; tramo",
        "Altura=" + entre(1, 6),       "Ancho=" + entre(15, 40, "0.0#"),
        "AltZap=" + entre(0.25, 0.8),  "Punta=" + entre(0.2, 2),
        "Talon=" + entre(0.3, 3.5),    "Dsz=" + entre(0.3, 1.5),
        "AltDent=" + entre(0, 1),      "AnchDent=" + entre(0.2, 0.6),
        "Phi1=" + entre(25, 40),       "Phi2=" + entre(20, 40),
        "Gamma1=" + entre(1.6, 2.1),   "Gamma2=" + entre(1.6, 2.1),
        "Cohes=" + entre(0, 3),        "Cohes1=" + entre(0, 0.3),
        "Beta=" + entre(0, 20, "0.00"), "Sobrec=" + entre(0, 3, "0.00"),
        "Reac=" + entre(0, 4, "0.00"), "Padm=" + entre(0, 2, "0.00"),
        "Fc=" + std::string(uno(2) ? "240" : "210"), "Fy=" + std::string(uno(2) ? "4200" : "2800"),
        "Pasiva=" + std::to_string(uno(2)), "ConDent=" + std::to_string(uno(2)),
        "Centrica=" + std::to_string(uno(2)), "FormaMuro=" + std::to_string(uno(3)),
        "Centro=" + entre(0.2, 1.2)};
    if (uno(3) > 0)
        for (const char* n : kNombresDiam) p.push_back(std::string(n) + "=" + DiamDePosicion(uno(4)));
    for (const char* n : kNombresSepar)
        if (uno(2)) p.push_back(std::string(n) + "=" + entre(0.05, 0.5));
    // The method options, every one of them in half the walls; the water below the lowest
    // virtual back (1.00 + 0.25).
    if (uno(2))
        for (const std::string& o :
             {"FsMinVuelco=" + entre(1, 3), "FsMinDesliz=" + entre(1, 3),
              "FsMinVuelcoSismo=" + entre(1, 3), "FsMinDeslizSismo=" + entre(1, 3),
              "Friccion=" + std::to_string(uno(3)), "Mu=" + entre(0.1, 1),
              "PasivaFrente=" + std::to_string(uno(2)), "GammaC=" + entre(2, 2.6),
              "FsCapacidad=" + (uno(2) ? entre(2, 4) : std::string("0")), "Kh=" + entre(0, 0.5),
              "Kv=" + entre(0, 0.3), "Hw=" + entre(0, 1.2)})
            p.push_back(o);
    return p;
}

TEST(CalcProjectValues, EverySavedProjectReloadsToTheSameState) {
    std::mt19937 azar;
    int comparados = 0;
    for (unsigned semilla = 1; semilla <= 40; ++semilla) {
        SCOPED_TRACE("semilla " + std::to_string(semilla));
        azar.seed(semilla);
        const std::vector<std::string> pares = ParesAlAzar(azar);
        const std::string archivo = Ruta(std::to_string(semilla) + ".mur");
        std::vector<std::string> guarda = {"--save", archivo};
        guarda.insert(guarda.end(), pares.begin(), pares.end());
        std::ostringstream out, err;
        if (RunCalcTool(guarda, out, err) == 3) continue;  // a wall the engine cannot compute
        ++comparados;

        Proyecto dado, leido;
        Calcula(pares, dado);
        Calcula({archivo}, leido);
        std::filesystem::remove(archivo);
        ASSERT_EQ(leido.estado, dado.estado) << leido.err;
        EXPECT_EQ(leido.err, "");
        leido.s.NombreArchivo = "";
        // A load starts the window's history afresh: the height "C&hequeo" compares with, and
        // the free stem height the schematic shows, are the loaded wall's; typed pairs leave
        // them to the next "C&hequeo".
        for (Proyecto* p : {&dado, &leido}) p->s.AlturaAnt = p->s.AltLibre = 0;
        EXPECT_EQ(test::DiferenciasDeEstado(dado.s, leido.s), "");
        EXPECT_EQ(test::DiferenciasDeCampos(dado.w.campos, leido.w.campos), "");
        // The bars given, or preselected for the same wall, at the same spacings.
        ASSERT_EQ(Refuerza(dado.s, dado.w), "");
        ASSERT_EQ(Refuerza(leido.s, leido.w), "");
        for (int g = 0; g < GruposBarras::kGrupos; ++g)
            EXPECT_EQ(dado.w.grupos.etiqueta(g), leido.w.grupos.etiqueta(g)) << g;
        EXPECT_EQ(test::DiferenciasDeEstado(dado.s, leido.s), "");
    }
    EXPECT_GE(comparados, 30);
}

TEST(CalcProjectValues, BarsAndSpacingsGivenAreTheOnesLaidOut) {
    std::ostringstream out, err;
    ASSERT_EQ(CorreCalc({"--bars", "DiamMuroIntVert=3/4", "DiamZapTransv=1", "Separ3=0.15"}, out,
                        err),
              0)
        << err.str();
    const std::string bars = out.str();
    EXPECT_NE(bars.find("Label17=\xC3\xB8 3/4\" a 0.30\n"), std::string::npos) << bars;
    // Not given: the bar its list starts with, not the preselection's.
    EXPECT_NE(bars.find("Label18=\xC3\xB8 3/8\" a 0.30\n"), std::string::npos) << bars;
    EXPECT_NE(bars.find("Label23=\xC3\xB8 1\" a 0.15\n"), std::string::npos) << bars;
    EXPECT_NE(bars.find("Label25=\xC3\xB8 1\" a 0.15\n"), std::string::npos) << bars;

    for (const char* malo : {"DiamZapSup=5/8", "DiamZapSup=0.5", "Separ1=0.6", "Separ2=0.04",
                             "Separ3=abc"}) {
        std::ostringstream o, e;
        EXPECT_EQ(CorreCalc({malo}, o, e), 2) << malo;
        EXPECT_NE(e.str().find(std::string(malo).substr(0, 5)), std::string::npos) << e.str();
    }
}

TEST(CalcProjectValues, DumpAndBarsAreBothWrittenInTheirOrder) {
    std::ostringstream out, err;
    ASSERT_EQ(CorreCalc({"--bars", "--dump"}, out, err), 0) << err.str();
    const std::string t = out.str();
    const std::size_t altura = t.find("\nAltura="), veredicto = t.find("\nVerdict="),
                      barras = t.find("\nLabel17=");
    ASSERT_NE(altura, std::string::npos);
    ASSERT_NE(veredicto, std::string::npos);
    ASSERT_NE(barras, std::string::npos);
    EXPECT_LT(altura, veredicto);
    EXPECT_LT(veredicto, barras);
    EXPECT_EQ(t.substr(t.rfind("Label25=")), "Label25=\xC3\xB8 3/8\" a 0.26\n");
}

}  // namespace
}  // namespace tarelvo

// tarelvo-calc --dxf and --pdf draw and report the wall the check analysed: a stem thickened
// for shear, or an inclined stem with the base its Centro gave, read back from the files.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <sstream>

#include "calc_run.h"
#include "common/number_text.h"
#include "tests/export/dxf_reader.h"

namespace tarelvo {
namespace {

std::string TempPath(const char* name) {
    return (std::filesystem::temp_directory_path() /
            ("tarelvo_muro_" + std::to_string(::getpid()) + "_" + name))
        .string();
}

// The dumped value of a variable.
double Variable(const std::string& dump, const std::string& nombre) {
    std::istringstream in(dump);
    for (std::string l; std::getline(in, l);)
        if (l.rfind(nombre + "=", 0) == 0) return numtext::read(l.substr(nombre.size() + 1));
    ADD_FAILURE() << "sin " << nombre;
    return 0;
}

[[maybe_unused]] std::string Metros(double v) { return numtext::format(v, "0.00"); }

// The value a row of the report's tables shows, from the PDF's text; "" without pdftotext.
[[maybe_unused]] std::string FilaDelPdf(const std::string& pdf, const std::string& caption) {
    if (::access("/usr/bin/pdftotext", X_OK) != 0) return "";
    FILE* p = ::popen(("/usr/bin/pdftotext -layout '" + pdf + "' - 2>/dev/null").c_str(), "r");
    if (!p) return "";
    std::string texto;
    char buf[4096];
    for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, p)) > 0;) texto.append(buf, n);
    ::pclose(p);
    std::istringstream in(texto);
    for (std::string l; std::getline(in, l);) {
        const auto i = l.find(caption);
        if (i == std::string::npos) continue;
        std::istringstream resto(l.substr(i + caption.size()));
        std::string valor;
        resto >> valor;
        return valor;
    }
    return "<sin fila>";
}

struct Corrida {
    std::string dump;
    std::vector<prueba::LineaLeida> lineas;  // empty without the reader
    std::string pdf;
};

Corrida Corre(std::vector<std::string> pares) {
    Corrida c;
    const std::string dxf = TempPath("m.dxf");
    c.pdf = TempPath("m.pdf");
    std::vector<std::string> args = {"--design", "--dump", "--dxf", dxf};
#ifdef TARELVO_CON_REPORTE
    args.insert(args.end(), {"--pdf", c.pdf});
#endif
    args.insert(args.end(), pares.begin(), pares.end());
    std::ostringstream out, err;
    EXPECT_EQ(CorreCalc(args, out, err), 0) << err.str();
    c.dump = out.str();
    c.lineas = prueba::LineasLeidas(prueba::LeeConEzdxf(dxf, true));
    std::filesystem::remove(dxf);
    return c;
}

TEST(CalcToolWall, AStemThickenedForShearIsDrawnAndReportedAtItsSize) {
    const Corrida c = Corre({"Altura=6"});
    const double espTope = Variable(c.dump, "EspTope") / 100, base = Variable(c.dump, "Base");
    ASSERT_GT(espTope, 0.30);
    ASSERT_NEAR(Variable(c.dump, "Ancho"), 20, 1e-6);  // the typed minimum stays as typed

    if (c.lineas.empty()) {
        ADD_FAILURE() << "python3 with ezdxf is not installed";
    } else {
        ASSERT_GT(c.lineas.size(), 5u);
        EXPECT_NEAR(c.lineas[3].x2 - c.lineas[3].x1, espTope, 1e-4);  // the stem top
        EXPECT_NEAR(c.lineas[5].x2 - 2.0, base, 1e-4);                 // the heel's end
    }
#ifdef TARELVO_CON_REPORTE
    if (::access("/usr/bin/pdftotext", X_OK) != 0) GTEST_SKIP() << "pdftotext is not installed";
    EXPECT_EQ(FilaDelPdf(c.pdf, "Espesor del muro en la corona"), Metros(espTope));
    EXPECT_EQ(FilaDelPdf(c.pdf, "Espesor del muro en la corona"), "0.32");
    EXPECT_EQ(FilaDelPdf(c.pdf, "Espesor del muro en la base"), "0.32");
    EXPECT_EQ(FilaDelPdf(c.pdf, "Longitud total de la zapata"), Metros(base));
    EXPECT_EQ(FilaDelPdf(c.pdf, "Longitud total de la zapata"), "4.58");
#endif
    std::filesystem::remove(c.pdf);
}

TEST(CalcToolWall, AnInclinedStemIsDrawnAndReportedWithItsCentro) {
    const Corrida c = Corre({"Altura=6", "FormaMuro=1", "Centro=0.60"});
    const double espTope = Variable(c.dump, "EspTope") / 100, base = Variable(c.dump, "Base");
    ASSERT_NEAR(Variable(c.dump, "EspBase"), 60, 1e-4);

    if (c.lineas.empty()) {
        ADD_FAILURE() << "python3 with ezdxf is not installed";
    } else {
        ASSERT_GT(c.lineas.size(), 5u);
        EXPECT_NEAR(c.lineas[2].x2 - c.lineas[2].x1, 0.60 - espTope, 1e-4);  // the front face
        EXPECT_NEAR(c.lineas[5].x2 - 2.0, base, 1e-4);
    }
#ifdef TARELVO_CON_REPORTE
    if (::access("/usr/bin/pdftotext", X_OK) != 0) GTEST_SKIP() << "pdftotext is not installed";
    EXPECT_EQ(FilaDelPdf(c.pdf, "Espesor del muro en la base"), "0.60");
    EXPECT_EQ(FilaDelPdf(c.pdf, "Longitud total de la zapata"), Metros(base));
#endif
    std::filesystem::remove(c.pdf);
}

}  // namespace
}  // namespace tarelvo

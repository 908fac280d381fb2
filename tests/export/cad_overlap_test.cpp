// The construction drawing in the DXF for current CAD programs, read back by ezdxf: on walls
// of 0.8 m to 8 m, straight and inclined, with and without key, level and sloping backfill, and
// an unstable wall, no
// text crosses another text, a line or a bar. One Python run checks them all.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "default_wall.h"
#include "export/cad_drawing.h"

namespace {

TEST(DibujoCad, NoTextCrossesAnythingOnTwoHundredAndSeventeenWallsReadBack) {
    if (::access("/usr/bin/python3", X_OK) != 0) GTEST_SKIP() << "python3 is not installed";
    const auto dir = std::filesystem::temp_directory_path() / ("tarelvo_choques_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    std::string lista;
    int n = 0;
    for (const char* altura : {"0.80", "2.50", "4.50", "8.00"})
        for (const char* punta : {"0.20", "0.90", "2.00"})
            for (const char* talon : {"0.20", "1.50", "4.00"})
                for (int forma : {0, 1, 2})
                    for (int llave : {0, 1}) {
                        tarelvo::EntradaDibujo e = prueba::MuroPorDefecto();
                        e.altura = altura, e.punta = punta, e.talon = talon;
                        e.TipoMuro = forma, e.ConDent = llave;
                        const double h = std::stod(altura);
                        e.Altura = static_cast<float>(h);
                        if (forma != 0) e.centro = h > 3 ? "0.60" : "0.30";
                        e.altZap = h > 5 ? "0.60" : "0.30";
                        e.beta = (n % 3) * 12.5;
                        e.titulo = n % 2 ? "Tramo " + std::to_string(n) : "";
                        const std::string ruta = (dir / ("m" + std::to_string(n++) + ".dxf")).string();
                        ASSERT_EQ(tarelvo::EscribeDibujoCad(e, ruta), "") << ruta;
                        lista += " '" + ruta + "'";
                    }
    {
        // The unstable wall of the report's tests: a 3 m stem on a 0.20 m heel.
        tarelvo::EntradaDibujo e = prueba::MuroPorDefecto();
        e.altura = "3.00", e.punta = "1.20", e.talon = "0.20", e.Altura = 3.0f;
        const std::string ruta = (dir / ("m" + std::to_string(n++) + ".dxf")).string();
        ASSERT_EQ(tarelvo::EscribeDibujoCad(e, ruta), "") << ruta;
        lista += " '" + ruta + "'";
    }
    ASSERT_EQ(n, 217);
    FILE* pipe = ::popen(("/usr/bin/python3 '" DXF_OVERLAP_SCRIPT "'" + lista + " 2>&1").c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string salida;
    char buf[4096];
    while (std::fgets(buf, sizeof buf, pipe)) salida += buf;
    const int rc = ::pclose(pipe);
    if (salida.find("ezdxf missing") != std::string::npos) GTEST_SKIP() << "ezdxf is not installed";
    EXPECT_EQ(rc, 0) << salida.substr(0, 6000);
    EXPECT_NE(salida.find("LEIDOS 217"), std::string::npos) << salida.substr(0, 2000);
    std::filesystem::remove_all(dir);
}

}  // namespace

// The title of a project file: what the writer puts down the reader takes back, for every
// title the window can hold, and the limit of its length.
#include "files/mur_title.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <random>
#include <string>

#include "files/file_io.h"
#include "files/mur_format.h"
#include "files/mur_project.h"

namespace tarelvo {
namespace {

std::string Utf8(std::uint32_t cp) {
    std::string s;
    if (cp < 0x80) {
        s += static_cast<char>(cp);
    } else if (cp < 0x800) {
        s += static_cast<char>(0xC0 | (cp >> 6));
        s += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        s += static_cast<char>(0xE0 | (cp >> 12));
        s += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        s += static_cast<char>(0xF0 | (cp >> 18));
        s += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        s += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (cp & 0x3F));
    }
    return s;
}

ProyectoMur ConTitulo(const std::string& titulo) {
    ProyectoMur p;
    p.titulo = titulo;
    return p;
}

TEST(TituloMur, ControlCharactersOfEveryKindAreWrittenAsBlanks) {
    // A pasted U+0085 (next line) was written as it was, and the file then refused.
    const std::string pegado = "Muro" + Utf8(0x85) + "Norte" + Utf8(0x9F) + Utf8(0x80);
    EXPECT_EQ(TituloParaArchivo(pegado), "Muro Norte  ");
    const LecturaMur leido = LeeMur(EscribeMur(ConTitulo(pegado)));
    ASSERT_TRUE(leido.ok) << leido.error;
    EXPECT_EQ(leido.proyecto.titulo, "Muro Norte  ");

    EXPECT_EQ(TituloParaArchivo(std::string("a\0b\r\n\x7F\tc", 8)), "a b   \tc");
    // Neighbours of the controls are text.
    const std::string texto = Utf8(0xA0) + Utf8(0xFF) + "ñ€" + Utf8(0x1F600);
    EXPECT_EQ(TituloParaArchivo(texto), texto);
}

TEST(TituloMur, WhatTheReaderWouldChangeIsNotWritten) {
    // Bytes that are not UTF-8 would turn the whole title into Windows-1252, or be refused.
    EXPECT_EQ(TituloParaArchivo("ca\xF1\x81 \xC3"), "ca?? ?");
    ASSERT_TRUE(LeeMur(EscribeMur(ConTitulo("a\x81z"))).ok);
    // Byte order marks at the start are dropped by the reader; elsewhere they are text.
    const std::string bom = Utf8(0xFEFF);
    EXPECT_EQ(TituloParaArchivo(bom + bom + "Muro" + bom), "Muro" + bom);
}

TEST(TituloMur, LengthsAreCountedAsTheWindowsFieldCountsThem) {
    EXPECT_EQ(LargoUtf16(""), 0u);
    EXPECT_EQ(LargoUtf16("ñandú"), 5u);
    EXPECT_EQ(LargoUtf16(Utf8(0x1F600)), 2u);
    EXPECT_EQ(LargoUtf16("\xFF\xFE"), 2u);

    const std::string cara = Utf8(0x1F600);
    EXPECT_EQ(RecortaUtf16("abc" + cara + "d", 4), "abc");  // never half a character
    EXPECT_EQ(RecortaUtf16("abc" + cara + "d", 5), "abc" + cara);
    EXPECT_EQ(RecortaUtf16("ñññ", 2), "ññ");
    EXPECT_EQ(RecortaUtf16("corto", 250), "corto");
}

TEST(TituloMur, TitlesLongerThanTheFieldAreNotSaved) {
    // 32,767 characters of three bytes pushed the file past what the reader takes.
    EXPECT_EQ(FueraDeRango(ConTitulo(std::string(kLargoTitulo, 'x'))), "");
    std::string maximo;
    for (std::size_t i = 0; i < kLargoTitulo; ++i) maximo += Utf8(0xFFFD);
    EXPECT_EQ(FueraDeRango(ConTitulo(maximo)), "");
    EXPECT_NE(FueraDeRango(ConTitulo(std::string(kLargoTitulo + 1, 'x'))).find("título"),
              std::string::npos);
    EXPECT_NE(FueraDeRango(ConTitulo(std::string(32767 * 3, '\xE2'))), "");
}

// A random title of at most `maximo` UTF-16 units: printable text of every plane, controls of
// every kind, line ends, byte order marks and stray bytes.
std::string TituloAzar(std::mt19937& azar, std::size_t maximo) {
    std::uniform_int_distribution<int> clase(0, 9);
    std::string t;
    const std::size_t largo = std::uniform_int_distribution<std::size_t>(0, maximo)(azar);
    while (true) {
        std::string c;
        switch (clase(azar)) {
            case 0: c = Utf8(std::uniform_int_distribution<std::uint32_t>(0, 0x1F)(azar)); break;
            case 1: c = Utf8(std::uniform_int_distribution<std::uint32_t>(0x7F, 0x9F)(azar)); break;
            case 2: c = Utf8(std::uniform_int_distribution<std::uint32_t>(0xA0, 0x7FF)(azar)); break;
            case 3: c = Utf8(std::uniform_int_distribution<std::uint32_t>(0x800, 0xD7FF)(azar)); break;
            case 4: c = Utf8(std::uniform_int_distribution<std::uint32_t>(0xE000, 0xFFFF)(azar)); break;
            case 5: c = Utf8(std::uniform_int_distribution<std::uint32_t>(0x10000, 0x10FFFF)(azar)); break;
            case 6: c = Utf8(0xFEFF); break;
            case 7: c = std::string(1, static_cast<char>(std::uniform_int_distribution<int>(0x80, 0xFF)(azar))); break;
            default: c = std::string(1, static_cast<char>(std::uniform_int_distribution<int>(0x20, 0x7E)(azar)));
        }
        if (LargoUtf16(t + c) > largo) return t;
        t += c;
    }
}

float RealAzar(std::mt19937& azar) {
    // Every magnitude a file holds, from tiny to the largest, of either sign.
    const double exponente = std::uniform_real_distribution<double>(-8, 6)(azar);
    const double v = std::pow(10.0, exponente) * std::uniform_real_distribution<double>(-1, 1)(azar);
    const float f = static_cast<float>(v);
    return std::fabs(f) > 1e6f ? 1e6f : f;
}

TEST(TituloMur, EveryProjectThatCanBeSavedReadsBackAsWritten) {
    std::mt19937 azar(20240611);
    for (int vuelta = 0; vuelta < 2000; ++vuelta) {
        ProyectoMur p;
        p.titulo = TituloAzar(azar, kLargoTitulo);
        for (float* v : {&p.beta, &p.sobrec, &p.reac, &p.altDent, &p.anchDent, &p.ancho, &p.altura,
                         &p.altZap, &p.dsz, &p.punta, &p.talon, &p.phi1, &p.phi2, &p.gamma1,
                         &p.gamma2, &p.cohes, &p.padm})
            *v = RealAzar(azar);
        p.formaMuro = static_cast<int>(azar() % 3);
        p.pasiva = static_cast<int>(azar() % 2);
        p.comboFc = static_cast<int>(azar() % kOpcionesFc);
        p.comboFy = static_cast<int>(azar() % kOpcionesFy);
        p.zapCentrada = static_cast<int>(azar() % 2);
        ASSERT_EQ(FueraDeRango(p), "");

        const std::string archivo = EscribeMur(p);
        ASSERT_LT(archivo.size(), 64u * 1024u);
        const LecturaMur leido = LeeMur(archivo);
        ASSERT_TRUE(leido.ok) << leido.error << "\n" << archivo;
        EXPECT_EQ(leido.proyecto.titulo, TituloParaArchivo(p.titulo));
        // Seven significant digits: what is read back writes the same file again.
        EXPECT_EQ(EscribeMur(leido.proyecto), archivo);
        EXPECT_NEAR(leido.proyecto.altura, p.altura, std::fabs(p.altura) * 1e-6);
    }
}

}  // namespace
}  // namespace tarelvo

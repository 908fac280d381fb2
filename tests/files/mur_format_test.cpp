#include "files/mur_format.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>

namespace tarelvo {
namespace {

// The default project's file, as the program writes it.
const char* const kDefecto =
    "Muro de prueba\r\n"
    " 0  0  0  0  0  0  0 \r\n"
    " .2  1  .25  .5  .3  .3  30  30  1.8  1.8  0 \r\n"
    " 2  0  0  0 \r\n";

// An inclined wall with a shear key and every field different from the default.
ProyectoMur MuroInclinado() {
    ProyectoMur p;
    p.titulo = "Muro \"Quebrada Honda\", tramo 2 – contención";
    p.formaMuro = 1;
    p.beta = 12.5f;
    p.sobrec = 0;
    p.reac = 2;
    p.pasiva = 1;
    p.altDent = 0.5f;
    p.anchDent = 0.3f;
    p.ancho = 0.25f;
    p.altura = 4.2f;
    p.altZap = 0.45f;
    p.dsz = 1.1f;
    p.punta = 0.8f;
    p.talon = 2.15f;
    p.phi1 = 32;
    p.phi2 = 28.5f;
    p.gamma1 = 1.9f;
    p.gamma2 = 1.75f;
    p.cohes = 0.05f;
    p.comboFc = 6;
    p.comboFy = 1;
    p.zapCentrada = 1;
    p.padm = 2.35f;
    return p;
}

std::string ConCuerpo(const std::string& cuerpo) { return "Titulo\r\n" + cuerpo; }

// 22 numbers after a title, with `reemplazo` put in place of item `n` (1-based).
std::string ConDato(int n, const std::string& reemplazo) {
    std::string cuerpo;
    const char* const items[22] = {"0", "0", "0",  "0",  "0",   "0",   "0",  ".2",
                                   "1", ".25", ".5", ".3", ".3", "30", "30", "1.8",
                                   "1.8", "0", "2", "0",  "0",   "0"};
    for (int i = 0; i < 22; ++i) {
        cuerpo += ' ';
        cuerpo += i + 1 == n ? reemplazo : items[i];
    }
    return ConCuerpo(cuerpo + "\r\n");
}

// ---------------------------------------------------------------------------------------------

TEST(NumeroMur, ShortestTextWithBlanks) {
    EXPECT_EQ(NumeroMur(0.2f), " .2 ");
    EXPECT_EQ(NumeroMur(12.5f), " 12.5 ");
    EXPECT_EQ(NumeroMur(0), " 0 ");
    EXPECT_EQ(NumeroMur(1), " 1 ");
    EXPECT_EQ(NumeroMur(-0.7f), "-.7 ");
    EXPECT_EQ(NumeroMur(0.05f), " .05 ");
    EXPECT_EQ(NumeroMur(1.8f), " 1.8 ");
    EXPECT_EQ(NumeroMur(350), " 350 ");
    EXPECT_EQ(NumeroMur(-2), "-2 ");
    EXPECT_EQ(NumeroMur(1000000), " 1000000 ");
    EXPECT_EQ(NumeroMur(9999999), " 9999999 ");
    EXPECT_EQ(NumeroMur(123.4567f), " 123.4567 ");
}

TEST(NumeroMur, ExponentFormOutsideTheUsualMagnitudes) {
    EXPECT_EQ(NumeroMur(0.0001f), " 1E-04 ");
    EXPECT_EQ(NumeroMur(12345678), " 1.234568E+07 ");
    EXPECT_EQ(NumeroMur(-12345678), "-1.234568E+07 ");
    EXPECT_EQ(NumeroMur(1e7f), " 1E+07 ");
    EXPECT_EQ(NumeroMur(0.001f), " .001 ");
    EXPECT_EQ(NumeroMur(0.00099f), " 9.9E-04 ");
    EXPECT_EQ(NumeroMur(-2.5e-5f), "-2.5E-05 ");
    EXPECT_EQ(NumeroMur(std::numeric_limits<float>::max()), " 3.402823E+38 ");
    EXPECT_EQ(NumeroMur(std::numeric_limits<float>::denorm_min()), " 1.401298E-45 ");
}

TEST(NumeroMur, RoundsHalfAwayFromZeroOnTheExactValue) {
    // 1048576.5 is exact in a float: a tie at the seventh digit goes away from zero.
    EXPECT_EQ(NumeroMur(1048576.5f), " 1048577 ");
    EXPECT_EQ(NumeroMur(-1048576.5f), "-1048577 ");
    // The float nearest 0.1 is slightly above it; 7 digits hide that.
    EXPECT_EQ(NumeroMur(0.1f), " .1 ");
    // The float below 1 is 0.99999994...: seven nines, not a carry.
    EXPECT_EQ(NumeroMur(0.99999994f), " .9999999 ");
    EXPECT_EQ(NumeroMur(999999.9375f), " 999999.9 ");
    // The float nearest 1E-05 is 9.99999974...E-06: the carry moves the exponent.
    EXPECT_EQ(NumeroMur(1e-5f), " 1E-05 ");
    EXPECT_EQ(NumeroMur(-1e-5f), "-1E-05 ");
}

TEST(NumeroMur, NeverWritesNanOrInfinityOrMinusZero) {
    EXPECT_EQ(NumeroMur(std::numeric_limits<float>::quiet_NaN()), " 0 ");
    EXPECT_EQ(NumeroMur(std::numeric_limits<float>::infinity()), " 0 ");
    EXPECT_EQ(NumeroMur(-std::numeric_limits<float>::infinity()), " 0 ");
    EXPECT_EQ(NumeroMur(-0.0f), " 0 ");
}

TEST(NumeroMur, IgnoresACommaDecimalPointInTheCLocale) {
    const std::string guardado = std::setlocale(LC_ALL, nullptr);
    bool instalado = false;
    for (const char* nombre : {"es_ES.UTF-8", "es_ES.utf8", "de_DE.UTF-8", "fr_FR.UTF-8"}) {
        if (std::setlocale(LC_ALL, nombre) && std::strcmp(std::localeconv()->decimal_point, ",") == 0) {
            instalado = true;
            break;
        }
    }
    if (!instalado) {
        std::setlocale(LC_ALL, guardado.c_str());
        GTEST_SKIP() << "no locale with a comma decimal point is installed";
    }
    const std::string escrito = NumeroMur(12.5f) + NumeroMur(1.234568e7f);
    const LecturaMur leido = LeeMur(ConDato(2, "12.5"));
    std::setlocale(LC_ALL, guardado.c_str());
    EXPECT_EQ(escrito, " 12.5  1.234568E+07 ");
    ASSERT_TRUE(leido.ok) << leido.error;
    EXPECT_EQ(leido.proyecto.beta, 12.5f);
}

TEST(EnteroMur, BlankOrSign) {
    EXPECT_EQ(EnteroMur(1), " 1 ");
    EXPECT_EQ(EnteroMur(-3), "-3 ");
    EXPECT_EQ(EnteroMur(0), " 0 ");
    EXPECT_EQ(EnteroMur(std::numeric_limits<int>::min()), "-2147483648 ");
}

// ---------------------------------------------------------------------------------------------

TEST(EscribeMur, WritesTheFourLinesByteForByte) {
    ProyectoMur p;
    p.titulo = "Muro de prueba";
    EXPECT_EQ(EscribeMur(p), kDefecto);

    ProyectoMur q = MuroInclinado();
    q.titulo = "T";
    EXPECT_EQ(EscribeMur(q),
              "T\r\n"
              " 1  12.5  0  2  1  .5  .3 \r\n"
              " .25  4.2  .45  1.1  .8  2.15  32  28.5  1.9  1.75  .05 \r\n"
              " 6  1  1  2.35 \r\n");
}

TEST(EscribeMur, KeepsTheTitleOnOneLine) {
    ProyectoMur p;
    p.titulo = "uno\r\ndos\ttres\x01";
    const std::string texto = EscribeMur(p);
    EXPECT_EQ(texto.substr(0, texto.find("\r\n")), "uno  dos\ttres ");
    const LecturaMur leido = LeeMur(texto);
    ASSERT_TRUE(leido.ok) << leido.error;
    EXPECT_EQ(leido.proyecto.titulo, "uno  dos\ttres ");
}

TEST(MurRoundTrip, WriteThenReadGivesTheSameProject) {
    ProyectoMur sinTitulo;
    ProyectoMur raros = MuroInclinado();
    raros.titulo = "  ,\"comillas\", 'simples', ; 1 2 3  ";
    raros.formaMuro = 7;  // kept raw: the window takes it as 2
    raros.pasiva = -1;
    raros.beta = -0.7f;
    raros.reac = 999999.9f;
    raros.cohes = 0.0001234f;
    raros.padm = 1e6f;
    for (const ProyectoMur& p : {ProyectoMur(), sinTitulo, MuroInclinado(), raros}) {
        const LecturaMur leido = LeeMur(EscribeMur(p));
        ASSERT_TRUE(leido.ok) << leido.error;
        EXPECT_EQ(leido.proyecto, p) << EscribeMur(p);
    }
}

// ---------------------------------------------------------------------------------------------

TEST(LeeMur, ReadsEveryFieldInFileOrder) {
    const LecturaMur leido = LeeMur(EscribeMur(MuroInclinado()));
    ASSERT_TRUE(leido.ok) << leido.error;
    const ProyectoMur& p = leido.proyecto;
    EXPECT_EQ(p.titulo, MuroInclinado().titulo);
    EXPECT_EQ(p.formaMuro, 1);
    EXPECT_EQ(p.beta, 12.5f);
    EXPECT_EQ(p.reac, 2.0f);
    EXPECT_EQ(p.pasiva, 1);
    EXPECT_EQ(p.altDent, 0.5f);
    EXPECT_EQ(p.anchDent, 0.3f);
    EXPECT_EQ(p.ancho, 0.25f);
    EXPECT_EQ(p.altura, 4.2f);
    EXPECT_EQ(p.talon, 2.15f);
    EXPECT_EQ(p.phi2, 28.5f);
    EXPECT_EQ(p.gamma2, 1.75f);
    EXPECT_EQ(p.cohes, 0.05f);
    EXPECT_EQ(p.comboFc, 6);
    EXPECT_EQ(p.comboFy, 1);
    EXPECT_EQ(p.zapCentrada, 1);
    EXPECT_EQ(p.padm, 2.35f);
}

TEST(LeeMur, AcceptsAnyLineEndsBlanksAndSingleCommas) {
    ProyectoMur esperado;
    esperado.titulo = "Muro de prueba";
    // '\n' stands for the line end under test.
    const std::string numeros[] = {
        "0 0 0 0 0 0 0 .2 1 .25 .5 .3 .3 30 30 1.8 1.8 0 2 0 0 0",
        "0,0,0,0,0,0,0\n.2,1,.25,.5,.3,.3,30,30,1.8,1.8,0\n2,0,0,0",
        "0 , 0\t,\t0 ,0, 0 0 0\n\n\n.2 1 .25 .5 .3 .3\n30 30 1.8 1.8 0 2\n0\n0\n0\n",
        "+0 0.0 -0 0e5 0 0.00 .0 2e-1 1. 25E-2 .5 .3 .3 3e1 30 1.8 1.8 0 2.0 0 -0 0",
        "0 ,\n0 0 0 0 0 0 .2 1 .25 .5 .3 .3 30 30 1.8 1.8 0 2 0 0 ,\n 0",
    };
    for (const char* fin : {"\r\n", "\n", "\r"}) {
        for (const std::string& n : numeros) {
            std::string texto = "Muro de prueba\n" + n;
            for (std::size_t at = 0; (at = texto.find('\n', at)) != std::string::npos; at += std::strlen(fin))
                texto.replace(at, 1, fin);
            const LecturaMur leido = LeeMur(texto);
            ASSERT_TRUE(leido.ok) << leido.error << "\n" << texto;
            EXPECT_EQ(leido.proyecto, esperado) << texto;
        }
    }
    // Trailing blank lines, byte order marks (even repeated ones, which a title could not keep
    // across a save) and an old editor's Ctrl-Z are fine.
    for (const std::string& texto :
         {std::string(kDefecto) + "\r\n\r\n  \t\r\n", "\xEF\xBB\xBF" + std::string(kDefecto),
          "\xEF\xBB\xBF\xEF\xBB\xBF" + std::string(kDefecto), std::string(kDefecto) + "\x1A"}) {
        const LecturaMur leido = LeeMur(texto);
        ASSERT_TRUE(leido.ok) << leido.error;
        EXPECT_EQ(leido.proyecto, esperado);
    }
}

TEST(LeeMur, TheTitleIsTheWholeFirstLine) {
    for (const char* titulo : {"", "  sangría y blancos al final  ", "a, b, \"c\"", "12 13 14",
                               "ñandú ÁÉÍÓÚ € ✓"}) {
        const LecturaMur leido = LeeMur(std::string(titulo) + "\n" + std::string(kDefecto).substr(16));
        ASSERT_TRUE(leido.ok) << leido.error;
        EXPECT_EQ(leido.proyecto.titulo, titulo);
    }
}

TEST(LeeMur, TakesATitleThatIsNotUtf8AsWindows1252) {
    const std::string cuerpo = std::string(kDefecto).substr(14);
    const LecturaMur viejo = LeeMur("Muro de contenci\xF3n \x80 100 \x93" "A\x94 \xA0" + cuerpo);
    ASSERT_TRUE(viejo.ok) << viejo.error;
    EXPECT_EQ(viejo.proyecto.titulo, "Muro de contención € 100 “A” \u00A0");
    // Bytes the code page leaves undefined, and C1 controls spelled in UTF-8, are junk.
    for (const std::string& titulo : {std::string("a\x81z"), std::string("a\xC2\x85z")}) {
        const LecturaMur leido = LeeMur(titulo + cuerpo);
        EXPECT_FALSE(leido.ok);
        EXPECT_EQ(leido.error, "El archivo no es un proyecto de Tarelvo (contiene caracteres no válidos)");
    }
}

TEST(LeeMur, RefusesBinaryJunk) {
    const std::string cuerpo = std::string(kDefecto).substr(14);
    for (const std::string& texto :
         {std::string("Mur\0o", 5) + cuerpo, std::string("titulo\x07") + cuerpo,
          std::string(kDefecto).replace(30, 1, "\x1B"), std::string("\x7F\x45LF\x02\x01\x01", 7),
          std::string(kDefecto) + std::string(1, '\0')}) {
        const LecturaMur leido = LeeMur(texto);
        EXPECT_FALSE(leido.ok);
        EXPECT_EQ(leido.error, "El archivo no es un proyecto de Tarelvo (contiene caracteres no válidos)");
    }
}

TEST(LeeMur, NamesTheMissingNumber) {
    EXPECT_EQ(LeeMur("").error, "El archivo está vacío");
    EXPECT_EQ(LeeMur("\r\n \r\n").error, "El archivo está vacío");
    EXPECT_EQ(LeeMur("Solo el título").error,
              "El archivo no contiene un proyecto: falta el dato 1 (Forma del muro)");
    EXPECT_EQ(LeeMur(ConCuerpo("0 0 0 0 0 0 0 .2 1 .25 .5")).error,
              "El archivo no contiene un proyecto: falta el dato 12 (Punta)");
    EXPECT_EQ(LeeMur(std::string(kDefecto).substr(0, std::strlen(kDefecto) - 4)).error,
              "El archivo no contiene un proyecto: falta el dato 22 (Presión admisible)");
    EXPECT_EQ(LeeMur(ConCuerpo("0 0,,0 0 0 0 0 .2 1 .25 .5")).error,
              "El archivo no contiene un proyecto: falta el dato 3 (Sobrecarga) (hay dos comas seguidas)");
    EXPECT_EQ(LeeMur(ConCuerpo(", 0 0 0")).error,
              "El archivo no contiene un proyecto: falta el dato 1 (Forma del muro) (hay una coma antes)");
}

TEST(LeeMur, RefusesItemsThatAreNotNumbers) {
    const struct {
        int dato;
        const char* item;
        const char* error;
    } casos[] = {
        {3, "abc", "El dato 3 (Sobrecarga) no es un número: \"abc\""},
        {2, "nan", "El dato 2 (Beta) no es un número: \"nan\""},
        {9, "inf", "El dato 9 (Altura) no es un número: \"inf\""},
        {9, "-Infinity", "El dato 9 (Altura) no es un número: \"-Infinity\""},
        {12, "12abc", "El dato 12 (Punta) no es un número: \"12abc\""},
        {12, "1.5.2", "El dato 12 (Punta) no es un número: \"1.5.2\""},
        {13, "0x10", "El dato 13 (Talón) no es un número: \"0x10\""},
        {13, "1e", "El dato 13 (Talón) no es un número: \"1e\""},
        {16, "1;8", "El dato 16 (Peso unitario del relleno) no es un número: \"1;8\""},
        {22, "\xC3\xB1" "1", "El dato 22 (Presión admisible) no es un número: \"??1\""},
    };
    for (const auto& c : casos) {
        const LecturaMur leido = LeeMur(ConDato(c.dato, c.item));
        EXPECT_FALSE(leido.ok) << c.item;
        EXPECT_EQ(leido.error, c.error);
    }
    // A long item is quoted short.
    const LecturaMur largo = LeeMur(ConDato(22, std::string(100, '7') + "x"));
    EXPECT_EQ(largo.error, "El dato 22 (Presión admisible) no es un número: \"" + std::string(24, '7') + "...\"");
}

TEST(LeeMur, RefusesNumbersOutOfRange) {
    const struct {
        int dato;
        const char* item;
        const char* error;
    } casos[] = {
        {9, "1e400", "El dato 9 (Altura) está fuera de rango: \"1e400\""},
        {9, "-1e400", "El dato 9 (Altura) está fuera de rango: \"-1e400\""},
        {9, "1000000.1", "El dato 9 (Altura) está fuera de rango: \"1000000.1\""},
        {2, "-2e6", "El dato 2 (Beta) está fuera de rango: \"-2e6\""},
        {1, "1.5", "El dato 1 (Forma del muro) debe ser un número entero: \"1.5\""},
        {21, "1e-3", "El dato 21 (Zapata centrada) debe ser un número entero: \"1e-3\""},
        {1, "32768", "El dato 1 (Forma del muro) está fuera de rango: \"32768\""},
        {5, "-32769", "El dato 5 (Presión pasiva) está fuera de rango: \"-32769\""},
        {5, "1e400", "El dato 5 (Presión pasiva) está fuera de rango: \"1e400\""},
        {19, "7", "El dato 19 (F'c) no corresponde a ningún valor de la lista: \"7\""},
        {19, "-1", "El dato 19 (F'c) no corresponde a ningún valor de la lista: \"-1\""},
        {20, "2", "El dato 20 (Fy) no corresponde a ningún valor de la lista: \"2\""},
        {20, "0.5", "El dato 20 (Fy) debe ser un número entero: \"0.5\""},
    };
    for (const auto& c : casos) {
        const LecturaMur leido = LeeMur(ConDato(c.dato, c.item));
        EXPECT_FALSE(leido.ok) << c.item;
        EXPECT_EQ(leido.error, c.error);
    }
}

TEST(LeeMur, AcceptsTheEdgesOfEachRange) {
    const struct {
        int dato;
        const char* item;
    } casos[] = {{9, "1e6"}, {2, "-1000000"}, {1, "32767"}, {1, "-32768"}, {5, "1e2"},
                 {19, "0"},  {19, "6"},       {20, "1"},    {21, "-0"},   {9, "1e-400"}};
    for (const auto& c : casos) {
        const LecturaMur leido = LeeMur(ConDato(c.dato, c.item));
        EXPECT_TRUE(leido.ok) << c.item << ": " << leido.error;
    }
    const LecturaMur raro = LeeMur(ConDato(1, "5"));
    ASSERT_TRUE(raro.ok);
    EXPECT_EQ(raro.proyecto.formaMuro, 5);
    const LecturaMur diminuto = LeeMur(ConDato(2, "-1e-60"));
    ASSERT_TRUE(diminuto.ok);
    EXPECT_FALSE(std::signbit(diminuto.proyecto.beta));
}

TEST(LeeMur, RefusesDataAfterTheLastNumber) {
    const char* const error = "El archivo tiene datos de más después del dato 22 (Presión admisible)";
    EXPECT_EQ(LeeMur(std::string(kDefecto) + "0\r\n").error, error);
    EXPECT_EQ(LeeMur(std::string(kDefecto) + "\r\nOtro muro\r\n").error, error);
    EXPECT_EQ(LeeMur(ConDato(22, "0 ,")).error, error);
}

TEST(LeeMur, SurvivesHugeLinesAndJunkQuickly) {
    // A title of a megabyte and a megabyte of blanks between two numbers.
    std::string texto(1 << 20, 'x');
    texto += "\r\n 0";
    texto += std::string(1 << 20, ' ');
    const LecturaMur leido = LeeMur(texto);
    EXPECT_EQ(leido.error, "El archivo no contiene un proyecto: falta el dato 2 (Beta)");
    // A megabyte of digits is one item, quoted short.
    const LecturaMur digitos = LeeMur(ConDato(4, std::string(1 << 20, '9')));
    EXPECT_EQ(digitos.error, "El dato 4 (Carga axial) está fuera de rango: \"" + std::string(24, '9') + "...\"");
}

}  // namespace
}  // namespace tarelvo

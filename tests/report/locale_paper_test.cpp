// A report written to a file is on the region's paper, without asking the printing system.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <cstdlib>

#include "files/file_io.h"
#include "report/locale_paper.h"
#include "report/report_pdf.h"
#include "report_fixture.h"

namespace tarelvo::test {
namespace {

TEST(PapelDeLaRegion, LetterWhereTheLocaleUsesIt) {
    for (const char* carta : {"en_US.UTF-8", "en_CA", "fr_CA.UTF-8", "es_MX.UTF-8", "es_CO",
                              "es_CL.ISO-8859-1", "es_VE@euro", "fil_PH", "es_US.UTF-8"})
        EXPECT_TRUE(LocaleUsaCarta(carta)) << carta;
    for (const char* a4 : {"es_ES.UTF-8", "es_AR", "es_PE.UTF-8", "en_GB", "de_DE@euro", "C",
                           "C.UTF-8", "POSIX", "", "es"})
        EXPECT_FALSE(LocaleUsaCarta(a4)) << a4;
}

// The page size of the first page of the report written with LC_ALL set to `locale`.
std::string PaginaCon(const char* locale) {
    const char* antes = std::getenv("LC_ALL");
    const std::string previo = antes ? antes : "";
    setenv("LC_ALL", locale, 1);
    Muro muro;
    QTemporaryDir dir;
    const std::string ruta = dir.filePath("muro.pdf").toStdString();
    const std::string error =
        EscribeReportePdf(ruta, EntradasPorDefecto(muro.estado, "", muro.Entradas().barras));
    if (antes) setenv("LC_ALL", previo.c_str(), 1);
    else unsetenv("LC_ALL");
    if (!error.empty()) return error;
    std::string pdf;
    LeeArchivoProyecto(ruta, pdf, 1 << 24);
    const auto caja = pdf.find("/MediaBox");
    return caja == std::string::npos ? "" : pdf.substr(caja, pdf.find(']', caja) - caja + 1);
}

TEST(PapelDeLaRegion, TheReportFileTakesIt) {
    EXPECT_EQ(PaginaCon("en_CA.UTF-8"), "/MediaBox [0 0 612.000000 792.000000]");
    EXPECT_EQ(PaginaCon("es_ES.UTF-8"), "/MediaBox [0 0 595.000000 842.000000]");
}

}  // namespace
}  // namespace tarelvo::test

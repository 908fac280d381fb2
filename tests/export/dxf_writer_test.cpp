#include "export/dxf_writer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <limits>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "hostile_targets.h"

namespace {

using tarelvo::D;
using tarelvo::DimAxis;
using tarelvo::DxfWriter;
using tarelvo::Num;
using tarelvo::S;
namespace fs = std::filesystem;

// The file text of the given lines, each closed by CR LF.
std::string Lines(std::initializer_list<const char*> lines) {
    std::string out;
    for (const char* l : lines) {
        out += l;
        out += "\r\n";
    }
    return out;
}

std::string ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A fresh empty folder, removed with everything in it at the end of the test.
class ScratchFolder {
public:
    ScratchFolder() {
        std::string pattern = (fs::temp_directory_path() / "dxf_writer_test.XXXXXX").string();
        if (::mkdtemp(pattern.data()) != nullptr) path_ = pattern;
    }
    ~ScratchFolder() {
        std::error_code ec;
        if (!path_.empty()) fs::remove_all(path_, ec);
    }
    const fs::path& path() const { return path_; }
    std::vector<std::string> names() const {
        std::vector<std::string> out;
        for (const auto& entry : fs::directory_iterator(path_)) out.push_back(entry.path().filename().string());
        return out;
    }

private:
    fs::path path_;
};

// --- Number lines ----------------------------------------------------------

struct NumberCase {
    Num value;
    const char* text;
};

void ExpectNumberTexts(std::initializer_list<NumberCase> cases) {
    for (const auto& c : cases) {
        EXPECT_EQ(tarelvo::dxfNumberText(c.value), c.text) << "value " << c.value.v;
    }
}

TEST(DxfNumberText, GeneralNumberForm) {
    ExpectNumberTexts({
        // whole values: no point, and no exponent however large
        {S(2.0f), " 2 "}, {D(90.0), " 90 "},
        {S(123456789.0f), " 123456800 "}, {D(1e20), " 100000000000000000000 "},
        // below one: no zero before the point
        {S(2.25f), " 2.25 "}, {D(0.03), " .03 "}, {S(0.35f), " .35 "}, {D(2.5e-7), " .00000025 "},
        // negative: the minus takes the place of the blank
        {D(-1.5), "-1.5 "}, {D(-0.5), "-.5 "}, {S(-0.35f), "-.35 "}, {D(-2.0), "-2 "},
        // zero of either sign
        {S(0.0f), " 0 "}, {D(0.0), " 0 "}, {D(-0.0), " 0 "}, {S(-0.0f), " 0 "},
    });
}

TEST(DxfNumberText, SignificantDigitsOfEachKind) {
    ExpectNumberTexts({
        // a float32 variable plus a constant, formed in float64
        {D(static_cast<double>(4.3f) + 0.65), " 4.95000019073486 "},
        {S(4.3f), " 4.3 "}, {D(static_cast<double>(4.3f)), " 4.30000019073486 "},
        {S(1.0f / 3.0f), " .3333333 "}, {D(1.0 / 3.0), " .333333333333333 "},
        // rounding at the 7th and the 15th digit
        {S(2.0f / 3.0f), " .6666667 "}, {D(2.0 / 3.0), " .666666666666667 "}, {D(0.1 + 0.2), " .3 "},
        // float32 0.01 is 0.0099999997...: the rounding carries to ".01"
        {S(0.01f), " .01 "}, {D(static_cast<double>(0.01f)), " .00999999977648258 "},
        {D(1.0 - std::ldexp(1.0, -53)), " 1 "}, {D(-(1.0 - std::ldexp(1.0, -53))), "-1 "},
        // exact ties round away from zero: 2^-11 = .00048828125 (8 digits)
        // and 2^-22 = 2.384185791015625e-7 (16 digits)
        {S(std::ldexp(1.0f, -11)), " .0004882813 "},
        {D(std::ldexp(1.0, -22)), " .000000238418579101563 "},
        {D(-std::ldexp(1.0, -22)), "-.000000238418579101563 "},
    });
}

TEST(DxfNumberText, NonFiniteIsZeroAndReported) {
    for (const double v : {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
                           -std::numeric_limits<double>::infinity()}) {
        bool finite = true;
        EXPECT_EQ(tarelvo::dxfNumberText(D(v), &finite), " 0 ");
        EXPECT_FALSE(finite);
    }
    bool finite = false;
    tarelvo::dxfNumberText(S(1.0f), &finite);
    EXPECT_TRUE(finite);
}

// --- Entity records --------------------------------------------------------

TEST(DxfWriterRecords, SectionFraming) {
    DxfWriter w;
    w.sectionHeader();
    w.line(S(2.0f), S(2.0f), S(2.0f), S(2.25f));
    w.sectionTrailer();
    const std::string& b = w.bytes();
    const std::string head = Lines({" 0 ", "SECTION", " 2 ", "ENTITIES", " 0 ", "LINE"});
    EXPECT_EQ(b.substr(0, head.size()), head);
    const std::string tail = Lines({" 0 ", "ENDSEC", " 0 ", "EOF"});
    ASSERT_GE(b.size(), tail.size());
    EXPECT_EQ(b.substr(b.size() - tail.size()), tail);
}

TEST(DxfWriterRecords, Line) {
    DxfWriter w;
    w.line(S(2.0f), S(2.0f), D(static_cast<double>(4.3f) + 0.65), S(2.25f));
    EXPECT_EQ(w.bytes(), Lines({" 0 ", "LINE", " 8 ", "0", " 10 ", " 2 ", " 20 ", " 2 ", " 30 ", " 0 ", " 11 ",
                                " 4.95000019073486 ", " 21 ", " 2.25 ", " 31 ", " 0 "}));
}

TEST(DxfWriterRecords, Circle) {
    DxfWriter w;
    w.circle(S(2.5f), D(-0.5));
    EXPECT_EQ(w.bytes(),
              Lines({" 0 ", "CIRCLE", " 8 ", "0", " 10 ", " 2.5 ", " 20 ", "-.5 ", " 30 ", " 0 ", " 40 ", " .03 "}));
}

TEST(DxfWriterRecords, TextLeftAndRightAligned) {
    DxfWriter left;
    left.text(D(3.13), S(2.125f), "5 ø 12 c/ .25");
    EXPECT_EQ(left.bytes(), Lines({" 0 ", "TEXT", " 8 ", "0", " 10 ", " 3.13 ", " 20 ", " 2.125 ", " 30 ", " 0 ",
                                   " 40 ", " .03 ", " 1 ", "5 \xF8 12 c/ .25"}));

    DxfWriter right;
    right.textRight(D(1.5), S(2.5f), D(1.84), S(2.5f), "ø 10");
    EXPECT_EQ(right.bytes(), Lines({" 0 ", "TEXT", " 8 ", "0", " 10 ", " 1.5 ", " 20 ", " 2.5 ", " 30 ", " 0 ",
                                    " 40 ", " .03 ", " 1 ", "\xF8 10", " 72 ", " 2 ", " 11 ", " 1.84 ", " 21 ",
                                    " 2.5 ", " 31 ", " 0 "}));
}

TEST(DxfWriterRecords, PolylineDot) {
    DxfWriter w;
    w.barDot(2.0425, D(2.0425), S(1.0f));
    EXPECT_EQ(w.bytes(),
              Lines({" 0 ", "POLYLINE", " 8 ", "0", " 66 ", " 1 ", " 10 ", " 0 ", " 20 ", " 0 ", " 30 ", " 0 ",
                     " 70 ", " 1 ", " 40 ", " .0125 ", " 41 ", " .0125 ",
                     " 0 ", "VERTEX", " 8 ", "0", " 10 ", " 2.03625 ", " 20 ", " 2.0425 ", " 30 ", " 0 ", " 42 ", " 1 ",
                     " 0 ", "VERTEX", " 8 ", "0", " 10 ", " 2.04875 ", " 20 ", " 2.0425 ", " 30 ", " 0 ", " 42 ", " 1 ",
                     " 0 ", "SEQEND", " 8 ", "0"}));

    // The vertex x is formed in float64 from the centre it is given.
    DxfWriter f;
    f.barDot(static_cast<double>(4.3f), S(2.0f), S(1.0f));
    EXPECT_NE(f.bytes().find(Lines({" 10 ", " 4.29375019073486 "})), std::string::npos);
    EXPECT_NE(f.bytes().find(Lines({" 10 ", " 4.30625019073486 "})), std::string::npos);
}

TEST(DxfWriterRecords, Dimension) {
    const std::string styleOverrides =
        Lines({" 1001 ", "ACAD", " 1000 ", "DSTYLE", " 1002 ", "{", " 1070 ", " 140 ", " 1040 ", " .03 ",
               " 1070 ", " 172 ", " 1070 ", " 1 ", " 1070 ", " 147 ", " 1040 ", " .02 ", " 1070 ", " 287 ",
               " 1070 ", " 1 ", " 1070 ", " 44 ", " 1040 ", " .1 ", " 1070 ", " 271 ", " 1070 ", " 2 ",
               " 1070 ", " 41 ", " 1040 ", " .03 ", " 1002 ", "}"});

    DxfWriter v;
    v.dimension(DimAxis::Vertical, D(3.45), S(2.125f), D(3.2), S(2.0f), D(3.2), S(2.25f));
    EXPECT_EQ(v.bytes(), Lines({" 0 ", "DIMENSION", " 8 ", "0", " 2 ", "*D7",
                                " 10 ", " 3.45 ", " 20 ", " 2.125 ", " 30 ", " 0 ",
                                " 11 ", " 3.45 ", " 21 ", " 2.125 ", " 31 ", " 0 ",
                                " 13 ", " 3.2 ", " 23 ", " 2 ", " 33 ", " 0 ",
                                " 14 ", " 3.2 ", " 24 ", " 2.25 ", " 34 ", " 0 ", " 50 ", " 90 "}) +
                             styleOverrides);

    DxfWriter h;
    h.dimension(DimAxis::Horizontal, S(2.4f), D(1.6), S(2.0f), D(1.95), S(2.8f), D(1.95));
    EXPECT_NE(h.bytes().find(Lines({" 34 ", " 0 ", " 50 ", " 0 ", " 1001 "})), std::string::npos);
}

// --- Text encoding ---------------------------------------------------------

TEST(DxfWriterEncoding, EveryLineEndsWithCrLf) {
    DxfWriter w;
    w.sectionHeader();
    w.text(S(2.0f), S(2.0f), "a\r\nb");
    w.dimension(DimAxis::Vertical, S(1.0f), S(1.0f), S(1.0f), S(1.0f), S(1.0f), S(2.0f));
    w.sectionTrailer();
    const std::string& b = w.bytes();
    ASSERT_FALSE(b.empty());
    EXPECT_EQ(b.substr(b.size() - 2), "\r\n");
    for (std::size_t i = 0; i < b.size(); ++i) {
        if (b[i] == '\n') {
            ASSERT_TRUE(i > 0 && b[i - 1] == '\r') << "bare LF at byte " << i;
        }
        if (b[i] == '\r') {
            ASSERT_TRUE(i + 1 < b.size() && b[i + 1] == '\n') << "bare CR at byte " << i;
        }
    }
    // The line break inside the text cannot split its line.
    EXPECT_NE(b.find("\r\na??b\r\n"), std::string::npos);
}

TEST(DxfWriterEncoding, Windows1252) {
    EXPECT_EQ(tarelvo::toWindows1252("5 ø 12 c/.25"), "5 \xF8 12 c/.25");
    EXPECT_EQ(tarelvo::toWindows1252("Ø ñ á É ¿ ° ±"), "\xD8 \xF1 \xE1 \xC9 \xBF \xB0 \xB1");
    // the bytes 0x80-0x9F that are not Latin-1
    EXPECT_EQ(tarelvo::toWindows1252("€ – — “x” ‰ Ÿ"), "\x80 \x96 \x97 \x93x\x94 \x89 \x9F");
    // no Windows-1252 byte: a C1 control, CJK, an emoji
    EXPECT_EQ(tarelvo::toWindows1252("\u0081 中 \U0001F600"), "? ? ?");
    // invalid UTF-8: a lone lead byte, a stray continuation, an overlong form, a surrogate
    EXPECT_EQ(tarelvo::toWindows1252("a\xC3"), "a?");
    EXPECT_EQ(tarelvo::toWindows1252("\xC3x"), "?x");
    EXPECT_EQ(tarelvo::toWindows1252("\xA0z"), "?z");
    EXPECT_EQ(tarelvo::toWindows1252("\xC0\xAF"), "??");
    EXPECT_EQ(tarelvo::toWindows1252("\xED\xA0\x80"), "?");
}

// --- Values that are not numbers --------------------------------------------

TEST(DxfWriterValidity, NonFiniteCoordinateIsFlaggedAndNotSaved) {
    DxfWriter w;
    EXPECT_TRUE(w.valid());
    EXPECT_EQ(w.error(), "");
    w.circle(S(1.0f), S(1.0f));
    w.line(S(1.0f), D(std::nan("")), D(std::numeric_limits<double>::infinity()), S(2.0f));
    w.text(D(-std::numeric_limits<double>::infinity()), S(1.0f), "x");
    EXPECT_FALSE(w.valid());
    EXPECT_NE(w.error().find("LINE"), std::string::npos) << w.error();  // the first offender
    EXPECT_EQ(w.bytes().find("nan"), std::string::npos);
    EXPECT_EQ(w.bytes().find("inf"), std::string::npos);
    EXPECT_NE(w.bytes().find(Lines({" 20 ", " 0 ", " 30 ", " 0 ", " 11 ", " 0 "})), std::string::npos);

    ScratchFolder folder;
    ASSERT_FALSE(folder.path().empty());
    const std::string path = (folder.path() / "Muro1.dxf").string();
    const std::string message = w.save(path);
    EXPECT_EQ(message.rfind("No se puede crear el archivo " + path + ": ", 0), 0u) << message;
    EXPECT_TRUE(folder.names().empty());
}

// --- Saving ----------------------------------------------------------------

TEST(DxfWriterSave, ReplacesAnExistingFileWithTheBytes) {
    ScratchFolder folder;
    ASSERT_FALSE(folder.path().empty());
    const fs::path path = folder.path() / "Muro1.dxf";
    std::ofstream(path, std::ios::binary) << std::string(5000, 'x');

    DxfWriter w;
    w.sectionHeader();
    w.text(S(2.0f), S(2.0f), "ø");
    w.sectionTrailer();
    EXPECT_EQ(w.save(path.string()), "");
    EXPECT_EQ(ReadAll(path), w.bytes());
    EXPECT_EQ(folder.names(), std::vector<std::string>{"Muro1.dxf"});
}

TEST(DxfWriterSave, FailuresNameTheFileAndCauseAndLeaveNothingBehind) {
    ScratchFolder folder;
    ASSERT_FALSE(folder.path().empty());
    DxfWriter w;
    w.sectionHeader();
    w.sectionTrailer();

    const std::string missing = (folder.path() / "no_such_folder" / "Muro1.dxf").string();
    EXPECT_EQ(w.save(missing), "No se puede guardar el archivo " + missing + ": Nombre de Archivo Ilegal");

    // A folder in the way: the temporary file is written, the rename fails,
    // and the temporary file must go.
    const fs::path blocked = folder.path() / "Muro2.dxf";
    fs::create_directory(blocked);
    const std::string message = w.save(blocked.string());
    EXPECT_EQ(message.rfind("No se puede guardar el archivo " + blocked.string() + ": ", 0), 0u) << message;
    EXPECT_EQ(folder.names(), std::vector<std::string>{"Muro2.dxf"});
}

TEST(DxfWriterSave, AFullDiskOrDeviceIsReportedAndNothingIsReplaced) {
    tarelvo::prueba::DiscoPequeno disco(256 * 1024);
    if (!disco.ok()) GTEST_SKIP() << disco.motivo;
    const std::string path = disco / "Muro1.dxf";
    ASSERT_TRUE(tarelvo::prueba::Escribe(path, "viejo"));
    disco.Llena();
    DxfWriter w;
    w.sectionHeader();
    for (int i = 0; i < 1000; ++i) w.line(S(1.0f), S(2.0f), S(3.0f), D(i));
    w.sectionTrailer();
    EXPECT_EQ(w.save(path), "No se puede guardar el archivo " + path + ": El Disco Esta Lleno");
    EXPECT_EQ(ReadAll(path), "viejo");
    EXPECT_EQ(disco.Nombres(), (std::set<std::string>{"Muro1.dxf", "relleno"}));

    const std::string lleno = disco / "lleno";
    if (const std::string e = tarelvo::prueba::CreaDispositivo(lleno, 1, 7); !e.empty()) GTEST_SKIP() << e;
    EXPECT_EQ(w.save(lleno), "No se puede guardar el archivo " + lleno + ": El Disco Esta Lleno");
    struct stat st {};
    ASSERT_EQ(::lstat(lleno.c_str(), &st), 0);
    EXPECT_TRUE(S_ISCHR(st.st_mode));
}

TEST(DxfWriterSave, CausesAreSpanish) {
    EXPECT_EQ(tarelvo::fileErrorCause(EACCES), "permiso denegado");
    EXPECT_EQ(tarelvo::fileErrorCause(EROFS), "permiso denegado");
    EXPECT_EQ(tarelvo::fileErrorCause(ENOTDIR), "carpeta inexistente");
    EXPECT_FALSE(tarelvo::fileErrorCause(EIO).empty());
}

// --- An independent reader -------------------------------------------------

TEST(DxfWriterReader, EzdxfReadsEveryEntityKind) {
    if (::access("/usr/bin/python3", X_OK) != 0) GTEST_SKIP() << "/usr/bin/python3 is missing";
    ScratchFolder folder;
    ASSERT_FALSE(folder.path().empty());
    const std::string path = (folder.path() / "Muro1.dxf").string();

    DxfWriter w;
    w.sectionHeader();
    w.line(S(2.0f), S(2.0f), D(static_cast<double>(4.3f) + 0.65), S(2.25f));
    w.circle(S(2.5f), D(-0.5));
    w.text(D(3.13), S(2.125f), "5 ø 12");
    w.textRight(D(1.5), S(2.5f), D(1.84), S(2.5f), "ø 10");
    w.barDot(2.0425, D(2.0425), S(1.0f));
    w.dimension(DimAxis::Vertical, D(3.45), S(2.125f), D(3.2), S(2.0f), D(3.2), S(2.25f));
    w.sectionTrailer();
    ASSERT_EQ(w.save(path), "");

    const std::string command = "/usr/bin/python3 '" DXF_CHECK_SCRIPT "' '" + path + "' 2>&1";
    FILE* pipe = ::popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string out;
    char buf[4096];
    for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, pipe)) > 0;) out.append(buf, n);
    const int status = ::pclose(pipe);
    if (WIFEXITED(status) && WEXITSTATUS(status) == 2) GTEST_SKIP() << "ezdxf is not installed: " << out;
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << out;

    std::vector<std::string> lines;
    std::istringstream in(out);
    for (std::string l; std::getline(in, l);) lines.push_back(l);
    const std::vector<std::string> expected = {
        "ENCODING cp1252",
        "LINE 2.0 2.0 0.0 4.95000019073486 2.25 0.0 0",
        "CIRCLE 2.5 -0.5 0.0 0.03 0",
        "TEXT 3.13 2.125 0.0 0.03 0 - - 5 \\xf8 12",
        "TEXT 1.5 2.5 0.0 0.03 2 1.84 2.5 \\xf8 10",
        "POLYLINE 1 2 0.0125 0.0125 | 2.03625 2.0425 1.0 | 2.04875 2.0425 1.0",
        "DIMENSION *D7 0 3.45 2.125 3.45 2.125 3.2 2.0 3.2 2.25 90.0 | 1000:DSTYLE 1002:{ 1070:140 1040:0.03 "
        "1070:172 1070:1 1070:147 1040:0.02 1070:287 1070:1 1070:44 1040:0.1 1070:271 1070:2 1070:41 "
        "1040:0.03 1002:}",
        "COUNT 6",
    };
    EXPECT_EQ(lines, expected) << out;
}

}  // namespace

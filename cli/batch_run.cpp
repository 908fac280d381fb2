#include "cli/batch_run.h"

#include <sys/stat.h>

#include <cerrno>
#include <fstream>
#include <iostream>
#include <vector>

#include "cli/batch_progress.h"
#include "cli/batch_row.h"
#include "cli/batch_workers.h"
#include "cli/line_reader.h"
#include "files/file_io.h"

namespace tarelvo {

namespace {

// A line with nothing but blanks, or only empty fields as spreadsheets leave after a table.
bool EnBlanco(const std::string& linea, char separador = ' ') {
    for (char c : linea)
        if (c != ' ' && c != '\t' && c != separador) return false;
    return true;
}

std::string Larga(std::uint64_t linea) {
    return "La línea " + std::to_string(linea) + " tiene más de " +
           std::to_string(kMaxLineaLote) + " bytes; no se leyó";
}

// A row read: its text and the line it began on, or the message of a line too long to hold.
struct FilaLeida {
    std::string texto;
    std::string ilegible;
    std::uint64_t linea = 0;
};

}  // namespace

int EjecutaLote(std::istream& in, const std::string& nombre, std::uint64_t tamano,
                const PedidoLote& pedido, std::ostream& out, std::ostream& err) {
    LectorLineas lector(in, kMaxLineaLote);
    std::string linea;
    bool larga = false;
    bool hay = false;
    while ((hay = lector.Siguiente(linea, larga)) && !larga && EnBlanco(linea)) {
    }
    if (!hay) {
        err << nombre << ": "
            << (lector.FallaDeLectura() ? "no se pudo leer el archivo" : "el archivo está vacío")
            << "\n";
        return 2;
    }
    if (larga) {
        err << nombre << ": " << Larga(lector.numeroDeLinea()) << "\n";
        return 2;
    }
    if (linea.rfind("\xEF\xBB\xBF", 0) == 0) linea.erase(0, 3);
    TablaLote tabla;
    tabla.diseno = pedido.diseno;
    if (const std::string error = LeeEncabezado(linea, tabla); !error.empty()) {
        err << nombre << ", línea " << lector.numeroDeLinea() << ": " << error << "\n";
        return 2;
    }
    lector.FijaSeparador(tabla.dialecto.separador);

    const ArranqueLote arranque;
    out << EncabezadoResultados(tabla);
    Cuadrilla cuadrilla(pedido.trabajos);
    Progreso progreso(err, pedido.progreso, tamano);
    std::vector<FilaLeida> filas(kFilasEnVuelo);
    std::vector<std::string> salidas(kFilasEnVuelo);
    std::vector<char> conError(kFilasEnVuelo);
    std::uint64_t hechas = 0, errores = 0;
    bool fin = false;
    while (!fin) {
        std::size_t n = 0, bytes = 0;
        while (n < kFilasEnVuelo && bytes < kBytesEnVuelo) {
            if (!lector.Siguiente(filas[n].texto, larga)) {
                fin = true;
                break;
            }
            if (!larga && EnBlanco(filas[n].texto, tabla.dialecto.separador)) continue;
            filas[n].ilegible = larga ? Larga(lector.numeroDeLinea()) : std::string();
            filas[n].linea = lector.numeroDeLinea();
            bytes += filas[n].texto.size();
            ++n;
        }
        cuadrilla.Reparte(n, [&](std::size_t i) {
            bool e = true;
            try {
                salidas[i] = filas[i].ilegible.empty()
                                 ? FilaDeResultados(arranque, tabla, filas[i].texto, filas[i].linea, e)
                                 : FilaIlegible(tabla, filas[i].ilegible);
            } catch (const std::exception& x) {
                salidas[i] = FilaIlegible(tabla, std::string("Falla interna: ") + x.what());
            }
            conError[i] = e;
        });
        for (std::size_t i = 0; i < n; ++i) {
            out.write(salidas[i].data(), static_cast<std::streamsize>(salidas[i].size()));
            errores += conError[i] ? 1 : 0;
        }
        hechas += n;
        progreso.Avanza(hechas, lector.bytesLeidos());
        if (!out) break;
    }
    progreso.Termina();
    out.flush();
    if (!out) {
        err << "No se pudo escribir la tabla de resultados\n";
        return 4;
    }
    if (lector.FallaDeLectura()) {
        err << nombre << ": la lectura se interrumpió después de la línea "
            << lector.lineasLeidas() << "\n";
        return 2;
    }
    if (errores > 0) {
        err << errores << (errores == 1 ? " fila" : " filas") << " de " << hechas
            << " con error (ver la columna Error)\n";
        return 3;
    }
    return 0;
}

int EjecutaLote(const PedidoLote& pedido, std::ostream& out, std::ostream& err) {
    if (pedido.entrada == "-")
        return EjecutaLote(std::cin, "(entrada estándar)", 0, pedido, out, err);
    struct stat datos {};
    if (::stat(pedido.entrada.c_str(), &datos) != 0) {
        const int e = errno;
        err << pedido.entrada << ": "
            << (e == ENOENT ? "no existe el archivo" : TextoErrorArchivo(e)) << "\n";
        return 2;
    }
    if (S_ISDIR(datos.st_mode)) {
        err << pedido.entrada << ": es una carpeta, no una tabla\n";
        return 2;
    }
    std::ifstream in(pedido.entrada, std::ios::binary);
    if (!in) {
        const int e = errno;
        err << pedido.entrada << ": " << TextoErrorArchivo(e) << "\n";
        return 2;
    }
    const std::uint64_t tamano =
        S_ISREG(datos.st_mode) ? static_cast<std::uint64_t>(datos.st_size) : 0;
    return EjecutaLote(in, pedido.entrada, tamano, pedido, out, err);
}

}  // namespace tarelvo

#include "cli/batch_table.h"

#include <algorithm>

#include "cli/calc_pairs.h"

namespace tarelvo {

std::string LeeEncabezado(const std::string& linea, TablaLote& tabla) {
    tabla.dialecto = DetectaDialecto(linea);
    std::vector<std::string> campos;
    if (const std::string error = PartePorCampos(linea, tabla.dialecto.separador, campos);
        !error.empty())
        return "El encabezado no se puede leer: " + error;
    if (campos.size() == 1 && campos[0].empty()) return "El encabezado está vacío";
    tabla.conId = campos[0] == "Id";
    tabla.nombres.assign(campos.begin() + (tabla.conId ? 1 : 0), campos.end());
    for (std::size_t i = 0; i < tabla.nombres.size(); ++i) {
        const std::string& n = tabla.nombres[i];
        const std::size_t columna = i + (tabla.conId ? 2 : 1);
        if (n.empty()) return "La columna " + std::to_string(columna) + " no tiene nombre";
        if (n == "Id") return "La columna Id debe ser la primera";
        if (!EsNombreDePar(n))
            return "La columna " + std::to_string(columna) + " nombra una variable desconocida: " +
                   n;
        if (std::find(tabla.nombres.begin(), tabla.nombres.begin() + static_cast<long>(i), n) !=
            tabla.nombres.begin() + static_cast<long>(i))
            return "La variable " + n + " tiene dos columnas";
    }
    return "";
}

std::vector<std::string> ColumnasDeResultados(const TablaLote& tabla) {
    std::vector<std::string> c = {
        "Veredicto",  "Avisos",        "Excent",          "Base6",        "FsVuelco",
        "FsDesliz",   "EsfCortMuro",   "EsfCortZap",      "CortAdm",      "PresMax",
        "PresMin",    "PresAdm",       "EspTope",         "EspBase",      "Base",
        "AsMuro",     "AsMitad",       "AsPunta",         "AsTalon",      "BarraMuroIntVert",
        "BarraMuroIntHoriz", "BarraMuroExtVert", "BarraMuroExtHoriz", "BarraZapSup",
        "BarraZapInf", "BarraZapTransv"};
    if (tabla.diseno) c.insert(c.end(), {"AltZapDiseno", "PuntaDiseno", "TalonDiseno"});
    if (tabla.conSismo())
        c.insert(c.end(), {"FsVuelcoSismo", "FsDeslizSismo", "ExcentSismo", "PresMaxSismo"});
    c.insert(c.end(), {"VolConcreto", "PesoAcero", "Error"});
    return c;
}

std::string EncabezadoResultados(const TablaLote& tabla) {
    std::string linea;
    const char sep = tabla.dialecto.separador;
    bool primero = true;
    auto agrega = [&](const std::string& nombre) {
        if (!primero) linea += sep;
        primero = false;
        AgregaCampo(linea, nombre, sep);
    };
    if (tabla.conId) agrega("Id");
    for (const std::string& n : tabla.nombres) agrega(n);
    for (const std::string& n : ColumnasDeResultados(tabla)) agrega(n);
    linea += '\n';
    return linea;
}

}  // namespace tarelvo

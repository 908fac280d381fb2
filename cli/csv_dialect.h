// The two forms of a table of walls: "," between fields with "." decimals, and ";" with ","
// decimals, as spreadsheets export them in Spanish locales. A field holding the separator, a
// quote or a line break is quoted, its quotes doubled.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tarelvo {

struct DialectoCsv {
    char separador = ',';
    char decimal = '.';
};

// The form of a table, told by its header: ";" outside quotes makes it the second one.
DialectoCsv DetectaDialecto(std::string_view encabezado);

// The fields of one line, blanks around an unquoted field left out. Returns the message for a
// line that cannot be split (a quote left open, text after a closing quote), else empty.
std::string PartePorCampos(std::string_view linea, char separador,
                           std::vector<std::string>& campos);

// Appends one field to a line, quoted when it must be.
void AgregaCampo(std::string& linea, std::string_view campo, char separador);

// A number cell as the Name=value pairs take it, with "." decimals. Returns false when a table
// with "," decimals writes a "." in it, which could be a thousands separator.
bool NumeroConPunto(std::string_view celda, const DialectoCsv& d, std::string& texto);

// A number written with "." as it is shown in the table's form.
void AgregaNumero(std::string& linea, std::string texto, const DialectoCsv& d);

}  // namespace tarelvo

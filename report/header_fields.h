// The fields a page header or footer may hold, expanded on each page once the document is
// complete: "&T" the project's title, "&D" the date, "&A" the program's name and version, "&P"
// the page number, "&N" the number of pages, "&&" an "&". The older "%d" stays the page
// number, as headers saved with projects use it.
#pragma once

#include <QString>

namespace tarelvo {

struct CamposPagina {
    QString titulo;    // &T
    QString fecha;     // &D
    QString programa;  // &A
};

// `pagina` from 1, of `paginas`. An "&" before any other character stays as typed.
QString ExpandeCampos(const QString& texto, const CamposPagina& campos, int pagina,
                      int paginas);

// The program's name and version, "Tarelvo 0.1.0".
QString ProgramaYVersion();

// Today's date as the report prints it, "dd/mm/aaaa".
QString FechaDeHoy();

}  // namespace tarelvo

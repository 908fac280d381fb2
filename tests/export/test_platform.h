// A real file system under a scratch Wine prefix, with two parts the tests decide: folders
// reported read-only (the tests run as root, who may write everywhere) and the start of a
// process, which is only recorded unless the test asks for the real one.
#pragma once

#include <set>
#include <string>
#include <vector>

#include "export/cad_platform.h"

namespace prueba {

class PlataformaPrueba : public tarelvo::PlataformaPosix {
public:
    explicit PlataformaPrueba(std::string prefijoWine) : PlataformaPosix(std::move(prefijoWine)) {}

    bool isWritable(const std::string& ruta) override {
        return soloLectura.count(ruta) == 0 && PlataformaPosix::isWritable(ruta);
    }

    bool startDetached(const std::string& programa, const std::vector<std::string>& argumentos,
                       const std::string& carpeta, std::string* error) override {
        ++inicios;
        programaIniciado = programa;
        argumentosIniciados = argumentos;
        carpetaInicio = carpeta;
        if (!fallo.empty()) {
            if (error) *error = fallo;
            return false;
        }
        return true;
    }

    std::set<std::string> soloLectura;  // native folders reported read-only
    std::string fallo;                  // when set, every start fails with this cause
    int inicios = 0;
    std::string programaIniciado;
    std::vector<std::string> argumentosIniciados;
    std::string carpetaInicio;
};

}  // namespace prueba

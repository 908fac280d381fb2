// The real file system under a scratch Wine prefix holding C:\ACAD\acad.exe, with two parts the
// tests decide: folders reported read-only (the tests run as root, who may write anywhere) and
// the start of a process, which is only recorded, or fails with `fallo`.
#pragma once

#include <set>

#include "export/cad_platform.h"
#include "tests/export/test_files.h"

namespace prueba {

class PlataformaPrueba : public tarelvo::PlataformaPosix {
public:
    explicit PlataformaPrueba(const std::string& prefijo) : PlataformaPosix(prefijo) {
        WriteFile(fs::path(prefijo) / "drive_c" / "ACAD" / "acad.exe", "MZ");
    }
    bool isWritable(const std::string& ruta) override {
        return soloLectura.count(ruta) == 0 && PlataformaPosix::isWritable(ruta);
    }
    bool startDetached(const std::string& programa, const std::vector<std::string>& argumentos,
                       const std::string& carpeta, std::string* error) override {
        ++inicios;
        iniciado = {programa};
        iniciado.insert(iniciado.end(), argumentos.begin(), argumentos.end());
        iniciado.push_back(carpeta);
        if (error) *error = fallo;
        return fallo.empty();
    }

    std::set<std::string> soloLectura;
    std::string fallo;
    int inicios = 0;
    std::vector<std::string> iniciado;  // program, arguments, folder of the last start
};

}  // namespace prueba

#include "cli/desktop_handoff.h"

#include <unistd.h>

#include <cerrno>
#include <iostream>

#include "files/file_io.h"

namespace tarelvo {

std::string ProgramaJunto(const std::string& nombre, const std::string& argv0) {
    std::string propio;
    char ruta[4096];
    const ssize_t n = ::readlink("/proc/self/exe", ruta, sizeof ruta - 1);
    if (n > 0) propio.assign(ruta, static_cast<std::size_t>(n));
    else propio = argv0;
    const auto barra = propio.rfind('/');
    if (barra == std::string::npos) return "";
    return propio.substr(0, barra + 1) + nombre;
}

int EntregaA(const std::string& programa, const std::vector<std::string>& args,
             std::ostream& err) {
    if (programa.empty()) {
        err << "No se encontró la carpeta de tarelvo-calc para iniciar el programa tarelvo, "
               "que escribe el reporte.\n";
        return 4;
    }
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(programa.c_str()));
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    std::cout.flush();
    err.flush();
    ::execv(programa.c_str(), argv.data());
    const int e = errno;
    err << "No se pudo iniciar " << programa << ", que escribe el reporte: "
        << (e == ENOENT ? "no está instalado junto a tarelvo-calc" : TextoErrorArchivo(e)) << ".\n";
    return 4;
}

}  // namespace tarelvo

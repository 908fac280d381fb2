// Runs the independent reader (dxf_check.py with ezdxf) on a file.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

namespace prueba {

struct Lectura {
    bool disponible = false;  // python3 and ezdxf are installed
    bool leido = false;       // the reader took the file
    std::vector<std::string> lineas;
    std::string salida;

    // The value after "BYTYPE", e.g. "CIRCLE=4 LINE=35".
    std::string porTipo() const {
        for (const auto& l : lineas) {
            if (l.rfind("BYTYPE ", 0) == 0) return l.substr(7);
        }
        return "?";
    }
};

inline Lectura LeeConEzdxf(const std::string& path) {
    Lectura r;
    if (::access("/usr/bin/python3", X_OK) != 0) return r;
    const std::string command = "/usr/bin/python3 '" DXF_CHECK_SCRIPT "' --by-type '" + path + "' 2>&1";
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) return r;
    char buf[4096];
    for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, pipe)) > 0;) r.salida.append(buf, n);
    const int status = ::pclose(pipe);
    if (WIFEXITED(status) && WEXITSTATUS(status) == 2) return r;
    r.disponible = true;
    r.leido = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    std::istringstream in(r.salida);
    for (std::string l; std::getline(in, l);) r.lineas.push_back(l);
    return r;
}

}  // namespace prueba

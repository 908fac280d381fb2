// Runs the independent reader (dxf_check.py, with ezdxf) on a file: its entity counts by type,
// or with `entidades` one line per entity with its coordinates.
#pragma once

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

namespace prueba {

// The reader's lines; empty when python3 or ezdxf is missing. "FAILED ..." when it refused.
inline std::vector<std::string> LeeConEzdxf(const std::string& path, bool entidades = false) {
    if (::access("/usr/bin/python3", X_OK) != 0) return {};
    const std::string command = std::string("/usr/bin/python3 '" DXF_CHECK_SCRIPT "' ") +
                                (entidades ? "" : "--by-type ") + "'" + path + "' 2>&1";
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) return {};
    std::string out;
    char buf[4096];
    for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, pipe)) > 0;) out.append(buf, n);
    const int status = ::pclose(pipe);
    if (WIFEXITED(status) && WEXITSTATUS(status) == 2) return {};
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return {"FAILED " + out};
    std::vector<std::string> lines;
    std::istringstream in(out);
    for (std::string l; std::getline(in, l);) lines.push_back(l);
    return lines;
}

// The LINEs of the reader's entity lines, in file order.
struct LineaLeida {
    double x1, y1, x2, y2;
};

inline std::vector<LineaLeida> LineasLeidas(const std::vector<std::string>& salida) {
    std::vector<LineaLeida> out;
    for (const std::string& l : salida) {
        if (l.rfind("LINE ", 0) != 0) continue;
        std::istringstream in(l.substr(5));
        double x1, y1, z1, x2, y2;
        if (in >> x1 >> y1 >> z1 >> x2 >> y2) out.push_back({x1, y1, x2, y2});
    }
    return out;
}

}  // namespace prueba

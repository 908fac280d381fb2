// Runs the reader of the DXF for current CAD programs (dxf_cad_check.py, with ezdxf) on a file
// and gives its lines by their first word.
#pragma once

#include <cstdio>
#include <map>
#include <sstream>
#include <string>

#include <sys/wait.h>
#include <unistd.h>

namespace prueba {

// Each line of the reader's output under its first word ("AUDIT", "BYLAYER", ...), the rest
// of the line as its value. Empty when python3 or ezdxf is missing; "FAILED" holds the output
// when the reader refused the file.
inline std::map<std::string, std::string> LeeCad(const std::string& path, const std::string& original = "") {
    if (::access("/usr/bin/python3", X_OK) != 0) return {};
    std::string command = "/usr/bin/python3 '" DXF_CAD_CHECK_SCRIPT "' '" + path + "'";
    if (!original.empty()) command += " --same '" + original + "'";
    FILE* pipe = ::popen((command + " 2>&1").c_str(), "r");
    if (!pipe) return {};
    std::string out;
    char buf[4096];
    for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, pipe)) > 0;) out.append(buf, n);
    const int status = ::pclose(pipe);
    if (WIFEXITED(status) && WEXITSTATUS(status) == 2) return {};
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return {{"FAILED", out}};
    std::map<std::string, std::string> lines;
    std::istringstream in(out);
    for (std::string l; std::getline(in, l);) {
        const auto blank = l.find(' ');
        lines[l.substr(0, blank)] = blank == std::string::npos ? "" : l.substr(blank + 1);
    }
    return lines;
}

}  // namespace prueba

// Runs the independent reader (dxf_check.py --by-type, with ezdxf) on a file.
#pragma once

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

namespace prueba {

// The reader's lines; empty when python3 or ezdxf is missing. "FAILED ..." when it refused.
inline std::vector<std::string> LeeConEzdxf(const std::string& path) {
    if (::access("/usr/bin/python3", X_OK) != 0) return {};
    const std::string command = "/usr/bin/python3 '" DXF_CHECK_SCRIPT "' --by-type '" + path + "' 2>&1";
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

}  // namespace prueba

#include "export/detached_start.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "export/dxf_writer.h"

namespace tarelvo {

namespace {

bool EsArchivo(const std::string& ruta) {
    struct stat st;
    return ::stat(ruta.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

// The file that `programa` names, as execvp would find it; empty with the cause when none.
std::string Localiza(const std::string& programa, std::string& causa) {
    if (programa.empty()) {
        causa = "no se indicó ningún programa";
        return {};
    }
    if (programa.find('/') != std::string::npos) {
        if (!EsArchivo(programa)) {
            causa = "no existe el programa " + programa;
            return {};
        }
        if (::access(programa.c_str(), X_OK) != 0) {
            causa = "el archivo " + programa + " no es ejecutable";
            return {};
        }
        return programa;
    }
    const char* path = std::getenv("PATH");
    const std::string carpetas = path && *path ? path : "/usr/local/bin:/usr/bin:/bin";
    std::string noEjecutable;
    std::size_t inicio = 0;
    while (inicio <= carpetas.size()) {
        std::size_t fin = carpetas.find(':', inicio);
        if (fin == std::string::npos) fin = carpetas.size();
        std::string carpeta = carpetas.substr(inicio, fin - inicio);
        if (carpeta.empty()) carpeta = ".";
        const std::string ruta = carpeta + "/" + programa;
        if (EsArchivo(ruta)) {
            if (::access(ruta.c_str(), X_OK) == 0) return ruta;
            if (noEjecutable.empty()) noEjecutable = ruta;
        }
        inicio = fin + 1;
    }
    causa = noEjecutable.empty() ? "no se encuentra el programa " + programa + " en las carpetas de PATH"
                                 : "el archivo " + noEjecutable + " no es ejecutable";
    return {};
}

// What the new process reports through the pipe when it cannot become the program.
struct FalloHijo {
    int etapa;  // 0 folder, 1 program
    int errnoValue;
};

void Informa(int fd, int etapa, int errnoValue) {
    const FalloHijo f{etapa, errnoValue};
    ssize_t r;
    do {
        r = ::write(fd, &f, sizeof f);
    } while (r < 0 && errno == EINTR);
}

}  // namespace

bool StartDetached(const std::string& programa, const std::vector<std::string>& argumentos,
                   const std::string& carpeta, std::string* error) {
    std::string causa;
    const std::string ruta = Localiza(programa, causa);
    if (ruta.empty()) {
        if (error) *error = causa;
        return false;
    }

    // Everything the new process needs is prepared here: between fork and exec only
    // async-signal-safe calls are allowed.
    std::vector<std::string> textos;
    textos.reserve(argumentos.size() + 1);
    textos.push_back(ruta);
    textos.insert(textos.end(), argumentos.begin(), argumentos.end());
    std::vector<char*> argv;
    for (std::string& t : textos) argv.push_back(t.data());
    argv.push_back(nullptr);
    const char* const dir = carpeta.empty() ? nullptr : carpeta.c_str();

    // The pipe closes itself when exec succeeds, so an empty read means "running".
    int tubo[2];
    if (::pipe2(tubo, O_CLOEXEC) != 0) {
        if (error) *error = std::string("no se puede crear el proceso: ") + std::strerror(errno);
        return false;
    }
    const pid_t intermedio = ::fork();
    if (intermedio < 0) {
        const int e = errno;
        ::close(tubo[0]);
        ::close(tubo[1]);
        if (error) *error = std::string("no se puede crear el proceso: ") + std::strerror(e);
        return false;
    }
    if (intermedio == 0) {
        // The intermediate process leaves at once, so the program is adopted by init and
        // nobody has to wait for it.
        ::setsid();
        const pid_t nieto = ::fork();
        if (nieto < 0) {
            Informa(tubo[1], 1, errno);
            ::_exit(1);
        }
        if (nieto > 0) ::_exit(0);
        if (dir && ::chdir(dir) != 0) {
            Informa(tubo[1], 0, errno);
            ::_exit(127);
        }
        ::execv(argv[0], argv.data());
        Informa(tubo[1], 1, errno);
        ::_exit(127);
    }
    ::close(tubo[1]);
    int estado = 0;
    while (::waitpid(intermedio, &estado, 0) < 0 && errno == EINTR) {
    }
    FalloHijo fallo{};
    ssize_t leidos;
    do {
        leidos = ::read(tubo[0], &fallo, sizeof fallo);
    } while (leidos < 0 && errno == EINTR);
    ::close(tubo[0]);
    if (leidos == 0) return true;

    if (error) {
        if (leidos != static_cast<ssize_t>(sizeof fallo)) {
            *error = "no se puede crear el proceso";
        } else if (fallo.etapa == 0) {
            *error = "no se puede entrar en la carpeta " + carpeta + ": " + fileErrorCause(fallo.errnoValue);
        } else if (fallo.errnoValue == EACCES) {
            *error = "el archivo " + ruta + " no es ejecutable";
        } else if (fallo.errnoValue == ENOEXEC) {
            *error = "el archivo " + ruta + " no es un programa";
        } else {
            *error = "no se puede iniciar " + ruta + ": " + fileErrorCause(fallo.errnoValue);
        }
    }
    return false;
}

}  // namespace tarelvo

// The start of the CAD program on the drawing: its command script "MuroScr.scr", its command
// line, and the launch itself.
#pragma once

#include <string>
#include <vector>

#include "export/cad_platform.h"

namespace tarelvo {

// The script's name, in the working folder; the command line names it "muroscr".
extern const char* const kGuion;

// What an export or a launch came to; `mensaje` is shown to the user when it failed.
struct ResultadoCad {
    enum Estado {
        Iniciado,         // the CAD program is running
        DxfFallido,       // the ".dxf" file could not be written; nothing was started
        ArchivoNoExiste,  // the CAD program's file is gone
        NoIniciado,       // the script could not be written or the program not started
    };
    Estado estado = Iniciado;
    std::string mensaje;
};

// The command line: the program's path followed by " /b muroscr".
std::string LineaComando(const std::string& programa);

// The script's thirteen lines, each ended by CR LF. It imports `base`.dxf, sets the dimension
// settings, rebuilds the dimensions and saves `base`.dwg, confirming the overwrite with " y"
// when `dwgExiste`.
std::string TextoGuion(const std::string& base, bool dwgExiste);

struct OrdenInicio {
    std::string programa;
    std::vector<std::string> argumentos;
};

// How the command line starts: a Windows program (a name ending in ".exe") through "wine",
// which understands the Windows form of its path; any other program by its native path.
OrdenInicio OrdenCad(Plataforma& p, const std::string& programa);

// Writes `bytes` to the native path `ruta` through the safe save, as saveExportFile does.
// Empty on success, else "No se puede crear el archivo <ruta>: <causa>" or the writing failure.
std::string GuardaArchivo(const std::string& ruta, const std::string& bytes);

// The launch, after the drawing is written: proves that `programa` exists, writes the script
// into `carpeta` (native), and starts the CAD program there without waiting for it.
// ArchivoNoExiste carries `programa` + CR + " " + CR + "Archivo no existe"; NoIniciado a
// message naming the cause.
ResultadoCad LanzaCad(Plataforma& p, const std::string& programa, const std::string& base,
                      const std::string& carpeta);

}  // namespace tarelvo

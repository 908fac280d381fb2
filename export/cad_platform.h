// What the CAD launch needs of the operating system: folder listings, file tests and the start
// of an independent process. The export reaches the file system and processes only through
// this interface, so a test can stand in for any part of it.
#pragma once

#include <string>
#include <vector>

namespace tarelvo {

struct EntradaCarpeta {
    enum Tipo {
        Archivo,  // a regular file, or a link to one
        Carpeta,  // a folder itself, not a link to one (links could lead round in circles)
        Otro,     // anything else
    };
    std::string nombre;
    Tipo tipo = Otro;
};

class Plataforma {
public:
    virtual ~Plataforma() = default;

    // The entries of a native folder, without "." and "..", sorted by name without regard to
    // case. False when the folder cannot be read.
    virtual bool listDir(const std::string& carpeta, std::vector<EntradaCarpeta>& entradas) = 0;
    virtual bool isDir(const std::string& ruta) = 0;
    // The user may create and change files in the folder.
    virtual bool isWritable(const std::string& ruta) = 0;
    // A regular file (or a link to one) by that name.
    virtual bool exists(const std::string& ruta) = 0;
    // Starts `programa` (a path, or a name looked up in PATH) with `argumentos` in `carpeta` and
    // does not wait for it. False, with the cause in Spanish in `error`, when it cannot start.
    virtual bool startDetached(const std::string& programa, const std::vector<std::string>& argumentos,
                               const std::string& carpeta, std::string* error) = 0;
    // The native folder that stands for a Windows drive ('c' for "c:\"); empty when none does.
    virtual std::string driveRoot(char letra) = 0;
};

// The real system. Windows drives are those of Wine: "c:\" is the folder drive_c of the Wine
// prefix, other letters its dosdevices entries.
class PlataformaPosix : public Plataforma {
public:
    // `prefijoWine`: the Wine prefix; empty means $WINEPREFIX, else ~/.wine.
    explicit PlataformaPosix(std::string prefijoWine = {});

    bool listDir(const std::string& carpeta, std::vector<EntradaCarpeta>& entradas) override;
    bool isDir(const std::string& ruta) override;
    bool isWritable(const std::string& ruta) override;
    bool exists(const std::string& ruta) override;
    bool startDetached(const std::string& programa, const std::vector<std::string>& argumentos,
                       const std::string& carpeta, std::string* error) override;
    std::string driveRoot(char letra) override;

private:
    std::string prefijo_;
};

}  // namespace tarelvo

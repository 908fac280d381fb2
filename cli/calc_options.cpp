#include "cli/calc_options.h"

#include <sched.h>

#include <algorithm>
#include <set>
#include <thread>

#include "cli/graphic_outputs.h"

namespace tarelvo {

namespace {

const char* const kUso =
    "Uso: tarelvo-calc [opciones] [ARCHIVO.mur] [Nombre=valor ...]\n"
    "     tarelvo-calc --batch TABLA.csv [--design] [--jobs N] > RESULTADOS.csv\n"
    "  Verifica el muro del proyecto inicial (F'c 210, zapata \"Centrica\"), o el del\n"
    "  archivo, con los valores dados, como lo haria la ventana principal: cada valor se\n"
    "  toma como escrito en su campo; un valor que el campo no admite (menor que su minimo,\n"
    "  fuera del rango de sus flechas, opcion inexistente) se rechaza. Nombres: las\n"
    "  variables de entrada del proyecto en sus unidades (Ancho en cm), FormaMuro, Pasiva\n"
    "  (1 o 0), ConDent (1 o 0), Centro (espesor en la base, m) y Centrica (1 o 0);\n"
    "  Titulo=texto (hasta 250 caracteres); las barras DiamMuroIntVert ... DiamZapTransv\n"
    "  (1, 3/4, 1/2 o 3/8) y Separ1 a Separ3 (m); las opciones de calculo FsMinVuelco,\n"
    "  FsMinDesliz, FsMinVuelcoSismo, FsMinDeslizSismo, Friccion, Mu, PasivaFrente,\n"
    "  GammaC, FsCapacidad, Kh, Kv y Hw.\n"
    "  --design  diseña la zapata (como \"&Calculo\") y luego verifica\n"
    "  --dump    muestra todas las variables del proyecto, Nombre=valor\n"
    "  --bars    muestra las siete descripciones de barras (Label17=... Label25=...)\n"
    "  --save ARCHIVO.mur  guarda el proyecto resultante\n"
    "  --dxf ARCHIVO.dxf   escribe el dibujo del muro con su refuerzo, para el guion de\n"
    "                      AutoCad (todo en la capa 0, cotas hechas por AutoCad)\n"
    "  --dxf-cad ARCHIVO.dxf  escribe el mismo dibujo para los programas CAD actuales\n"
    "                      (LibreCAD, QCAD, FreeCAD, visores): capas, cotas y textos a\n"
    "                      la escala de una hoja A4\n"
    "  --pdf ARCHIVO.pdf   escribe el reporte completo (lo hace el programa tarelvo,\n"
    "                      instalado junto a tarelvo-calc): datos, resultados, memoria de\n"
    "                      calculo, diagramas y dibujo del muro\n"
    "  --diag ARCHIVO.png  escribe los cuatro diagramas del muro como imagen de\n"
    "                      2000 x 1500 pixeles (tambien con el programa tarelvo)\n"
    "  --batch TABLA.csv   calcula un muro por fila de la tabla (\"-\": la entrada\n"
    "                      estandar) y escribe la tabla de resultados en la salida\n"
    "  --jobs N            filas calculadas a la vez (por omision, una por nucleo)\n"
    "Salida: 0 bien; 2 argumento o archivo de entrada no valido; 3 falla del calculo (en\n"
    "--batch: alguna fila con error); 4 no se pudo escribir un archivo de salida.\n";

constexpr int kMaxTrabajos = 256;

bool LeeTrabajos(const std::string& texto, int& n) {
    if (texto.empty() || texto.size() > 4 ||
        !std::all_of(texto.begin(), texto.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return false;
    n = std::stoi(texto);
    return n >= 1 && n <= kMaxTrabajos;
}

// What a batch leaves out: every row gives its own values and has no file of its own.
std::string NoVaConLote(const OpcionesCalc& op) {
    if (op.dump) return "--dump";
    if (op.bars) return "--bars";
    if (!op.guardar.empty()) return "--save";
    if (!op.dxf.empty()) return "--dxf";
    if (!op.dxfCad.empty()) return "--dxf-cad";
    if (!op.graficas.empty()) return op.graficas.front().first;
    if (!op.archivo.empty()) return "un archivo de proyecto";
    if (!op.pares.empty()) return "valores Nombre=valor";
    return "";
}

}  // namespace

int TrabajosPorDefecto() {
    // The cores this process may run on, which a container or taskset may hold to fewer than
    // the machine has.
    cpu_set_t nucleos;
    CPU_ZERO(&nucleos);
    unsigned n = sched_getaffinity(0, sizeof nucleos, &nucleos) == 0
                     ? static_cast<unsigned>(CPU_COUNT(&nucleos))
                     : std::thread::hardware_concurrency();
    return n == 0 ? 1 : static_cast<int>(std::min<unsigned>(n, kMaxTrabajos));
}

int LeeArgumentos(const std::vector<std::string>& args, OpcionesCalc& op, std::ostream& out,
                  std::ostream& err) {
    std::set<std::string> vistas;
    bool conTrabajos = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a.empty()) {
            err << "El argumento " << i + 1 << " está vacío\n";
            return 2;
        }
        if (a.rfind("--", 0) == 0 && !vistas.insert(a).second) {
            err << "La opción " << a << " se dio dos veces\n";
            return 2;
        }
        const bool grafica =
            std::find(kOpcionesGraficas.begin(), kOpcionesGraficas.end(), a) !=
            kOpcionesGraficas.end();
        if (a == "--design") {
            op.design = true;
        } else if (a == "--dump") {
            op.dump = true;
        } else if (a == "--bars") {
            op.bars = true;
        } else if (a == "--save" || a == "--dxf" || a == "--dxf-cad" || a == "--batch" ||
                   a == "--jobs" || grafica) {
            const bool valor = a == "--jobs";
            if (i + 1 >= args.size() || args[i + 1].rfind("--", 0) == 0) {
                err << (valor ? "Falta el número de " : "Falta el archivo de ") << a << "\n";
                return 2;
            }
            const std::string& sigue = args[++i];
            if (sigue.empty()) {
                err << (valor ? "Falta el número de " : "El nombre del archivo de ") << a
                    << (valor ? "" : " está vacío") << "\n";
                return 2;
            }
            if (a == "--save") op.guardar = sigue;
            else if (a == "--dxf") op.dxf = sigue;
            else if (a == "--dxf-cad") op.dxfCad = sigue;
            else if (a == "--batch") op.lote = sigue;
            else if (grafica) op.graficas.emplace_back(a, sigue);
            else if (!LeeTrabajos(sigue, op.trabajos)) {
                err << "--jobs debe ser un número entero entre 1 y " << kMaxTrabajos << ": \""
                    << sigue << "\"\n";
                return 2;
            } else {
                conTrabajos = true;
            }
        } else if (a == "--help" || a == "-h") {
            out << kUso;
            return 0;
        } else if (a.rfind("--", 0) == 0) {
            err << "Opción desconocida: " << a << "\n" << kUso;
            return 2;
        } else if (a.find('=') == std::string::npos) {
            if (!op.archivo.empty()) {
                err << "Sobra un archivo de proyecto: " << a << "\n";
                return 2;
            }
            op.archivo = a;
        } else {
            const auto eq = a.find('=');
            if (eq == 0) {
                err << "Argumento no reconocido (se espera Nombre=valor): " << a << "\n";
                return 2;
            }
            op.pares.emplace_back(a.substr(0, eq), a.substr(eq + 1));
        }
    }
    if (!op.lote.empty()) {
        if (const std::string otra = NoVaConLote(op); !otra.empty()) {
            err << "--batch no se combina con " << otra
                << ": cada fila de la tabla da los valores de su muro\n";
            return 2;
        }
        if (!conTrabajos) op.trabajos = TrabajosPorDefecto();
    } else if (conTrabajos) {
        err << "--jobs solo se usa con --batch\n";
        return 2;
    }
    return -1;
}

}  // namespace tarelvo

#include "cli/line_reader.h"

namespace tarelvo {

namespace {
constexpr std::size_t kBloque = 1 << 16;
}

bool LectorLineas::Llena() {
    buffer_.resize(kBloque);
    in_.read(buffer_.data(), static_cast<std::streamsize>(kBloque));
    const auto n = static_cast<std::size_t>(in_.gcount());
    buffer_.resize(n);
    pos_ = 0;
    leidos_ += n;
    return n > 0;
}

bool LectorLineas::Siguiente(std::string& linea, bool& larga) {
    linea.clear();
    larga = false;
    // Where the record stands, as PartePorCampos (cli/csv_dialect.h) will split it: a quote
    // opens a field only at its start (blanks aside), and inside one a doubled quote is a
    // quote while a single one closes it.
    bool inicioCampo = true, entreComillas = false, comilla = false;
    bool algo = false, enLinea = false;
    auto guarda = [&](const char* desde, std::size_t cuantos) {
        if (larga || cuantos == 0) return;
        if (linea.size() + cuantos > maximo_) {
            larga = true;
            linea.clear();
            linea.shrink_to_fit();
        } else {
            linea.append(desde, cuantos);
        }
    };
    while (true) {
        if (pos_ >= buffer_.size() && !Llena()) break;
        const char* datos = buffer_.data();
        if (trasRetorno_) {
            trasRetorno_ = false;
            if (datos[pos_] == '\n') {
                ++pos_;
                continue;
            }
        }
        if (!algo) primera_ = lineas_ + 1;
        algo = true;
        std::size_t desde = pos_;
        std::size_t i = pos_;
        bool fin = false;
        for (; i < buffer_.size(); ++i) {
            const char c = datos[i];
            if (comilla) {
                comilla = false;
                if (c == '"') continue;  // a doubled quote: still inside
                entreComillas = false;
            }
            if (c == '\n' || c == '\r') {
                guarda(datos + desde, i - desde);
                ++lineas_;
                trasRetorno_ = c == '\r';
                if (!entreComillas) {
                    fin = true;
                    ++i;
                    break;
                }
                guarda("\n", 1);
                enLinea = false;
                desde = i + 1;
                // A "\r\n" inside the field is one break; its "\n" may start the next block.
                if (trasRetorno_ && i + 1 < buffer_.size()) {
                    trasRetorno_ = false;
                    if (datos[i + 1] == '\n') {
                        ++i;
                        desde = i + 1;
                    }
                }
                continue;
            }
            enLinea = true;
            if (entreComillas) {
                if (c == '"') comilla = true;
            } else if (EsSeparador(c)) {
                inicioCampo = true;
            } else if (c == '"' && inicioCampo) {
                entreComillas = true;
                inicioCampo = false;
            } else if (c != ' ' && c != '\t') {
                inicioCampo = false;
            }
        }
        if (!fin) guarda(datos + desde, i - desde);
        pos_ = i;
        if (fin) return true;
    }
    if (!algo) return false;
    if (enLinea) ++lineas_;  // the last line, without its end
    return true;
}

}  // namespace tarelvo

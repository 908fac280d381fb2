#include "cli/line_reader.h"

#include <cstring>

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
    bool algo = false;
    while (true) {
        if (pos_ >= buffer_.size() && !Llena()) break;
        algo = true;
        const char* inicio = buffer_.data() + pos_;
        const std::size_t resto = buffer_.size() - pos_;
        const void* fin = std::memchr(inicio, '\n', resto);
        const std::size_t largo =
            fin ? static_cast<std::size_t>(static_cast<const char*>(fin) - inicio) : resto;
        if (!larga) {
            if (linea.size() + largo > maximo_ + 1) {  // room for a "\r"
                larga = true;
                linea.clear();
                linea.shrink_to_fit();
            } else {
                linea.append(inicio, largo);
            }
        }
        pos_ += largo;
        if (fin) {
            ++pos_;
            break;
        }
    }
    if (!algo) return false;
    ++lineas_;
    if (!linea.empty() && linea.back() == '\r') linea.pop_back();
    if (!larga && linea.size() > maximo_) {
        larga = true;
        linea.clear();
    }
    return true;
}

}  // namespace tarelvo

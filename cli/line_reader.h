// Lines read one at a time from a stream, each held to a maximum length so that a table
// without line breaks cannot fill the memory: the rest of a longer line is read and dropped.
#pragma once

#include <cstdint>
#include <istream>
#include <string>

namespace tarelvo {

class LectorLineas {
public:
    LectorLineas(std::istream& in, std::size_t maximo) : in_(in), maximo_(maximo) {}

    // The next line without its "\n" or "\r\n"; false at the end of the stream. `larga` says the
    // line went beyond the maximum, and `linea` then holds nothing.
    bool Siguiente(std::string& linea, bool& larga);

    // Whether the stream failed other than by ending.
    bool FallaDeLectura() const { return in_.bad(); }
    std::uint64_t bytesLeidos() const { return leidos_; }
    std::uint64_t numeroDeLinea() const { return lineas_; }

private:
    bool Llena();

    std::istream& in_;
    std::size_t maximo_;
    std::string buffer_;
    std::size_t pos_ = 0;
    std::uint64_t leidos_ = 0, lineas_ = 0;
};

}  // namespace tarelvo

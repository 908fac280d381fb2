// The records of a table read one at a time from a stream. A record is a line, ended by "\n",
// "\r\n" or a lone "\r" (old Mac files), except that a quoted field may hold line breaks, as
// spreadsheets write them: the record then goes on to the line that closes the quote, and each
// break inside it reads as "\n". Each record is held to a maximum length so that a table
// without line breaks cannot fill the memory: the rest of a longer one is read and dropped.
#pragma once

#include <cstdint>
#include <istream>
#include <string>

namespace tarelvo {

class LectorLineas {
public:
    LectorLineas(std::istream& in, std::size_t maximo) : in_(in), maximo_(maximo) {}

    // The separator of the fields once the header has told it; until then both "," and ";"
    // separate, so that a quote that opens a field is known in either form.
    void FijaSeparador(char separador) { separador_ = separador; }

    // The next record without its line end; false at the end of the stream. `larga` says the
    // record went beyond the maximum, and `linea` then holds nothing. A quote left open at the
    // end of the stream ends the record there.
    bool Siguiente(std::string& linea, bool& larga);

    // Whether the stream failed other than by ending.
    bool FallaDeLectura() const { return in_.bad(); }
    std::uint64_t bytesLeidos() const { return leidos_; }
    // The line the last record began on, counted from 1.
    std::uint64_t numeroDeLinea() const { return primera_; }
    // The lines read so far, the last one's end included.
    std::uint64_t lineasLeidas() const { return lineas_; }

private:
    bool Llena();
    bool EsSeparador(char c) const { return separador_ ? c == separador_ : c == ',' || c == ';'; }

    std::istream& in_;
    std::size_t maximo_;
    char separador_ = 0;
    std::string buffer_;
    std::size_t pos_ = 0;
    std::uint64_t leidos_ = 0, lineas_ = 0, primera_ = 0;
    bool trasRetorno_ = false;  // the last line ended in "\r": a "\n" next belongs to it
};

}  // namespace tarelvo

// The rules by which the main window's fields reach the project state, in one place for the
// window and the command-line tool: the "0.00" text a value is written with, the number a
// field's change handler stores, the stem base that follows the top and the height, the
// footing-width label, the load captions, and the slope and foundation-depth rules.
#pragma once

#include <string>
#include <string_view>

#include "engine/project_state.h"

namespace tarelvo {

// A number as the state keeps it: a float, saturated rather than infinite.
float ComoFloat(double v);
// The number at the start of a field's text; 0 when there is none.
double NumeroDe(const std::string& texto);
// A value written into a field or a caption: "0.00".
std::string TextoCampo(double v);
// A typed value as its field shows it once left: the "0.00" form, with any further decimals
// the engineer typed kept, so that the field shows exactly the number analysed.
std::string TextoTecleado(double v);

// An entry left in a field or a spin's box: accepted with the text it is then shown with, or
// refused with the message that says why (the field then gets its last value back).
struct EntradaCampo {
    bool aceptada = false;
    double valor = 0;
    std::string texto;
    std::string mensaje;
};
// Reads the entry of the input `campo`, known to the engineer as `rotulo`: a number with "."
// or "," as its decimal separator, not above the input's upper limit; a spin's value not below
// 0 either, and written "0.00" as the spins write it.
EntradaCampo LeeEntrada(std::string_view campo, const std::string& rotulo,
                        const std::string& texto);

// What a field's change handler stores from its text.
float NumeroCampo(const std::string& texto);
// What the stem-top field stores: its metres as centimetres, multiplied in double.
float AnchoDeCampo(const std::string& texto);

// A text written into a field: the field's change handler runs only when the text really
// changes, and stores the number read back from the new text.
void EscribeCampo(std::string& campo, const std::string& texto, float& variable);

// The stem base that follows the numbers in the top and height fields: the top for a straight
// stem (tipoMuro 0), the top plus 5 % of the height for an inclined one.
std::string CentroAcoplado(int tipoMuro, const std::string& ancho, const std::string& altura);
// A stem base typed into its field: an inclined stem keeps at least the coupled thickness, a
// straight one always shows its top.
std::string CentroTecleado(int tipoMuro, const std::string& ancho, const std::string& altura,
                           const std::string& centro);
// The footing-width label: the numbers in the heel, toe and stem-base fields, added.
std::string AnchoZapata(const std::string& talon, const std::string& punta,
                        const std::string& centro);

// The axial load or surcharge caption once set: a positive value is rewritten "0.00", any
// other stays as it is.
std::string CaptionCarga(const std::string& caption);
// The admissible pressure caption once set: a positive value rewritten "0.00", any other
// "0.00" (the pressure is then computed).
std::string CaptionPadm(const std::string& caption);

// Why a slope above the backfill friction angle is brought back to it.
extern const char* const kAvisoTalud;
// True when the slope caption exceeds the number in the friction angle field; the slope then
// becomes TextoCampo(NumeroDe(phi1)).
bool TaludExcede(const std::string& beta, const std::string& phi1);

// The foundation depth field on leaving it: not above the footing field's number, nor below
// the stored footing thickness, nor above the stored wall height.
std::string DszAlSalir(const std::string& dsz, const std::string& altZap, float altZapEstado,
                       float alturaEstado);
// The free stem height above the front ground.
float AlturaLibre(const ProjectState& s);

}  // namespace tarelvo

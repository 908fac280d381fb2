// The method options of a project ("Opciones de cálculo"): the minimum factors of safety, the
// base friction, the passive pressure in front of the footing, the concrete unit weight, the
// safety factor on the bearing capacity, the earthquake coefficients and the water table.
// Their names are the state's, the project file's, the tool's and the batch's alike; their
// ranges are checked here once for all of them.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "engine/project_state.h"

namespace tarelvo {

struct OpcionCalculo {
    const char* nombre;
    const char* descripcion;  // how messages and the report name it
    double minimo, maximo;
    bool entera;              // an int16 option with the values minimo..maximo
    float ProjectState::*f;
    std::int16_t ProjectState::*i;
};

constexpr std::size_t kCantidadOpciones = 12;

// Every option, in the order the dialog and the report list them.
const std::vector<OpcionCalculo>& OpcionesCalculo();
const OpcionCalculo* OpcionDe(std::string_view nombre);

// Sets an option from a number: empty when taken, else the Spanish message that refuses it
// (out of its range, not one of its values). FsCapacidad takes 0 (the usual rule) or 2 to 4.
std::string AplicaOpcion(ProjectState& s, const OpcionCalculo& o, double valor);

// The option's value as a number.
double ValorOpcion(const ProjectState& s, const OpcionCalculo& o);

// The option's value in a new project (DatosIniciales).
double DefectoDe(const OpcionCalculo& o);

// True when every option holds its default: the method is the program's usual one.
bool OpcionesPorDefecto(const ProjectState& s);

// Every option's value, in the table's order: what tells two projects' methods apart.
std::vector<double> ValoresOpciones(const ProjectState& s);

// Every option back to its default.
void OpcionesIniciales(ProjectState& s);

// The height of the virtual back, the vertical through the heel's end from the underside of
// the footing to the backfill's surface: Altura + AltZap + Talon·tan β, the most water can
// stand behind the wall (the AltTotal a check computes).
double AlturaRespaldo(const ProjectState& s);

// The highest water table the wall takes: its virtual back's height as it is shown, to the
// centimetre, and never above Hw's own range.
double HwMaximo(const ProjectState& s);

// Empty while Hw is within HwMaximo; else the Spanish message that refuses it.
std::string RevisaHw(const ProjectState& s);

// A value a project file gives, brought within the option's range: a real below or above it
// is set to the nearer limit (Hw also to `hwMax`), and said so in the returned sentence; a
// value that is not one of an integer option's values is left aside, said so, and `valor`
// becomes the default. Empty when the value is taken as given.
std::string LimitaOpcion(const OpcionCalculo& o, double& valor, double hwMax);

}  // namespace tarelvo

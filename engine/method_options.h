// The method options of a project ("Opciones de cálculo"): the minimum factors of safety, the
// base friction, the passive pressure in front of the footing, the concrete unit weight, the
// safety factor on the bearing capacity, the earthquake coefficients and the water table.
// Their names are the state's, the project file's, the tool's and the batch's alike; their
// ranges are checked here once for all of them.
#pragma once

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

// Every option, in the order the dialog and the report list them.
const std::vector<OpcionCalculo>& OpcionesCalculo();
const OpcionCalculo* OpcionDe(std::string_view nombre);

// Sets an option from a number: empty when taken, else the Spanish message that refuses it
// (out of its range, not one of its values). FsCapacidad takes 0 (the usual rule) or 2 to 4.
std::string AplicaOpcion(ProjectState& s, const OpcionCalculo& o, double valor);

// The option's value as a number.
double ValorOpcion(const ProjectState& s, const OpcionCalculo& o);

// True when every option holds its default: the method is the program's usual one.
bool OpcionesPorDefecto(const ProjectState& s);

}  // namespace tarelvo

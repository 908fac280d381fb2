// The project-state variables by name, for the command-line tool's Name=value pairs and its
// dump, and for anything else that must address a variable by its name.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/project_state.h"

namespace tarelvo {

struct StateField {
    enum Kind { Float, Int16, Text };
    const char* name;
    Kind kind;
    bool input;  // an input variable of the project (not a constant or a result)
    float ProjectState::*f = nullptr;
    std::int16_t ProjectState::*i = nullptr;
    std::string ProjectState::*t = nullptr;
};

// Every variable of ProjectState, sorted by name.
const std::vector<StateField>& StateFields();
const StateField* FindStateField(std::string_view name);

}  // namespace tarelvo

// The two narrow interfaces between the engine and the main window: what the engine reads from
// the window's controls, and where it publishes what it computed. The main window implements
// both; the command-line tool and the tests implement them without any window.
#pragma once

#include <string>

namespace tarelvo {

struct ProjectState;

class WindowInputs {
public:
    virtual ~WindowInputs() = default;
    // Text of the stem-base thickness field `Centro`, metres.
    virtual std::string centroText() const = 0;
    // True while the footing-position option "Centrica" is selected.
    virtual bool centricaSelected() const = 0;
    // Index of the selected stem-shape option (0 straight, 1 front battered, 2 back battered).
    virtual int stemShapeSelected() const = 0;
};

class ResultsPublisher {
public:
    virtual ~ResultsPublisher() = default;
    // Verdict, values, colours, warning and buttons of the results panel.
    virtual void MuestraResultados(const ProjectState& state) = 0;
    // Re-aligns the schematic's dimension lines with its outline.
    virtual void AlineaCotas() = 0;
    // The footing design hands its new footing to the AltZap, Punta and Talon fields, each
    // written "0.00"; the fields' change handlers store the numbers read back from the texts.
    virtual void EscribeZapata(ProjectState& state, const std::string& altZap,
                               const std::string& punta, const std::string& talon) = 0;
    // A check with "Centrica" centres the footing before computing it and hands the centred
    // toe and heel to the Punta and Talon fields, so that what is analysed is what they show.
    virtual void EscribePuntaTalon(ProjectState& state, const std::string& punta,
                                   const std::string& talon) = 0;
    // A design that thickened the footing beyond the foundation depth hands the new depth to
    // the Dsz field, as leaving that field would; its change handler stores the number.
    virtual void EscribeDsz(ProjectState& state, const std::string& dsz) = 0;
};

}  // namespace tarelvo

// DIAGRAMAS: the earth pressures, the soil pressure and the stem's shear and moment of the
// wall just checked, drawn to scale beside its outline. Shown while the main window waits,
// disabled, as the other forms do; "&Salir" goes back.
#pragma once

#include <QWidget>

#include "engine/project_state.h"

class QPushButton;

namespace tarelvo {

class DiagramasCanvas;

class DiagramasForm : public QWidget {
    Q_OBJECT
public:
    explicit DiagramasForm(QWidget* parent = nullptr);
    // Takes the wall to draw; `s` must be the state of a check that has just run.
    void Muestra(const ProjectState& s);
    DiagramasCanvas* canvas() const { return canvas_; }
    QPushButton* salir() const { return salir_; }

signals:
    void cerrado();

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    DiagramasCanvas* canvas_;
    QPushButton* salir_;
};

}  // namespace tarelvo

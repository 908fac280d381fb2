// "Opciones de cálculo": the dialog where the engineer sets the method options of the project
// (minimum factors of safety, base friction, passive pressure in front of the footing, concrete
// unit weight, bearing capacity factor, earthquake coefficients, water table). It edits a copy;
// the main window takes the values only when "OK" finds them all acceptable.
#pragma once

#include <QDialog>
#include <QMap>
#include <string>

#include "engine/project_state.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace tarelvo {

class OpcionesDialog : public QDialog {
    Q_OBJECT
public:
    explicit OpcionesDialog(QWidget* owner);

    // Shows the options `s` holds; Hw's bound is the virtual back of the wall `s` describes.
    void Carga(const ProjectState& s);
    // The options as typed, set into `s`: empty when all are taken, else the Spanish message
    // of the first refused one (which gets the focus), `s` then unchanged.
    std::string Lee(ProjectState& s);
    // Window-modal over `ventana`, as the program's other dialogs.
    void Muestra(QWidget* ventana);

    QLineEdit *FsMinVuelco, *FsMinDesliz, *FsMinVuelcoSismo, *FsMinDeslizSismo, *Mu, *GammaC,
        *FsCapacidad, *Kh, *Kv, *Hw;
    // Friccion: 0 "tan φ", 1 "tan(2φ/3)", 2 "Coeficiente μ"; PasivaFrente: 0 "Según la
    // opción PRESION PASIVA" (value 1), 1 "No considerar" (value 0); ReglaCapacidad: 0 the
    // usual rule, 1 the factor typed in FsCapacidad.
    QComboBox *Friccion, *PasivaFrente, *ReglaCapacidad;
    QLabel* HwMaximo;       // the bound of Hw for the wall shown
    QPlainTextEdit* Text1;  // the hint of the control under the mouse or with the focus
    QPushButton *OK, *Cancela;

signals:
    void aceptado();
    void cancelado();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* e) override;
    void hideEvent(QHideEvent* e) override;
    void reject() override;

private:
    void Habilita();
    QMap<QObject*, QString> hints_;
};

}  // namespace tarelvo

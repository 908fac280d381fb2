// MURREF: the reinforcement form. Seven bar lists with their spacing boxes and descriptions,
// the required areas and design moments, and a schematic of the wall showing where each group
// of bars lies. It replaces the main window on screen while it is open.
#pragma once

#include <QMessageBox>
#include <QWidget>
#include <array>
#include <functional>

#include "engine/bar_groups.h"
#include "engine/reinforcement_layout.h"
#include "ui/reinforcement/esquema_refuerzo.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tarelvo {

class TwipsScaler;

class Murref : public QWidget {
    Q_OBJECT
public:
    static const QColor kRojoOscuro;  // focus
    static const QColor kAzulOscuro;  // descriptions
    static const QColor kNegro;
    static const QColor kRojo;        // a group whose bars cannot be placed

    // How a message reaches the user; tests replace it so that nothing blocks.
    using MessagePresenter = std::function<void(QWidget* parent, const QString& title,
                                                const QString& text, QMessageBox::Icon icon)>;

    Murref(ProjectState& state, GruposBarras& grupos, QWidget* parent = nullptr);
    void setMessagePresenter(MessagePresenter p) { presenter_ = std::move(p); }

    // The layout step, with the stem shape and the shear key as the main window shows them.
    void Distribuye(int formaSeleccionada, bool conDentellon, const std::string& titulo);

    const EsquemaRefuerzo& esquema() const { return esquema_; }
    TwipsScaler* scaler() const { return scaler_; }

    std::array<QComboBox*, 7> Combo;    // Combo1 ... Combo7
    std::array<QLabel*, 7> Resultado;   // Label17 Label18 Label19 Label20 Label23 Label24 Label25
    std::array<QLineEdit*, 3> Separ;    // Separ1 Separ2 Separ3
    std::array<QLabel*, 7> Area;        // Label28 ... Label34
    QLabel *Label38, *Label40, *Label41, *Label43, *Label46, *Label47;
    QPushButton* Geometria;  // " &Geometria"
    QPushButton* Termina;    // "&Termina"
    QWidget* Frame1;

signals:
    void geometria();  // back to the main window
    void termina();    // the exit dialog

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Construye();
    void Refresca();
    void Marca(int grupo, bool foco);
    void ColorResultado(int grupo);
    void UbicaEtiquetas();
    // A spacing box left or confirmed: a number from 0.05 to 0.50 m recomputes its groups,
    // anything else is refused with a message and the box keeps its last value.
    void SeparacionEditada(int caja);

    ProjectState& s_;
    GruposBarras& g_;
    EsquemaRefuerzo esquema_;
    TwipsScaler* scaler_;
    MessagePresenter presenter_;
    bool refrescando_ = false;
    int foco_ = -1;  // the group whose list has the focus
};

}  // namespace tarelvo

// murocont1: the main window. Every input of the wall lives in one of its controls; it keeps
// the project state in step with them, runs the checks, shows the results, and starts every
// command of the program.
#pragma once

#include <QColor>
#include <QMap>
#include <QMessageBox>
#include <QWidget>
#include <functional>

#include "engine/engine.h"
#include "engine/bar_groups.h"
#include "engine/method_options.h"
#include "engine/results_view.h"
#include "engine/wall_fields.h"
#include "ui/main/esquema.h"

class QComboBox;
class QFrame;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace tarelvo {

class ConfirmDialog;
class EsquemaCanvas;
class FieldEdit;
class Autocad;
class DiagramasForm;
class FrmAbout;
class MurPrev;
class Murref;
class OpcionesDialog;
class OptionArray;
class SpinButton;
class StatusPanel;
class TwipsScaler;
class ValueLabel;

class MuroCont1 : public QWidget, public WindowInputs, public ResultsPublisher {
    Q_OBJECT
public:
    // How a message reaches the user; tests replace it so that nothing blocks.
    using MessagePresenter = std::function<void(QWidget* parent, const QString& title,
                                                const QString& text, QMessageBox::Icon icon)>;

    // A question with "OK" and "Cancela"; true for OK.
    using QuestionPresenter =
        std::function<bool(QWidget* parent, const QString& title, const QString& text)>;
    // Whether to save a changed project first: Yes, No or Cancel.
    using SaveQuestion = std::function<QMessageBox::StandardButton(QWidget* parent)>;
    // The file dialog: the chosen path, or an empty text when cancelled.
    using FileChooser = std::function<QString(QWidget* parent, bool guardar, const QString& inicial)>;

    explicit MuroCont1(ProjectState& state, QWidget* parent = nullptr);
    ~MuroCont1() override;

    // The start-up sequence: default project, lists, options, first check.
    void Arranque();
    void setMessagePresenter(MessagePresenter presenter) { presenter_ = std::move(presenter); }
    void setQuestionPresenter(QuestionPresenter q) { question_ = std::move(q); }
    void setFileChooser(FileChooser chooser) { chooser_ = std::move(chooser); }
    void setSaveQuestion(SaveQuestion q) { saveQuestion_ = std::move(q); }
    // What ends the program once the exit is confirmed.
    void setExitHandler(std::function<void()> h) { salir_ = std::move(h); }

    ProjectState& state() { return s_; }
    const Esquema& esquema() const { return esquema_; }
    TwipsScaler* scaler() const { return scaler_; }
    // The client size that fits the screen comfortably, keeping the design's proportions.
    QSize comfortableSize() const;

    // Operations other windows use.
    void Calcular();
    void CambiAltura();
    void CambiaDsz();
    void DimenZap();
    void Click_Option2();
    // Runs the full check and shows the results; a fault is shown as a message.
    bool Chequea();
    // What "C&hequeo" runs: the height check, the front ground, then the full check.
    bool ChequeoCompleto();
    // Whether the results panel shows the analysis of the inputs as they stand now.
    bool ResultadosVigentes() const { return vigente_; }
    // Project files, new project and exit.
    // True when the project was written.
    bool SalvaArchivo();
    void CargaArchi();
    // Opens a project file at start-up, as "&Abre" does with the file chosen.
    void AbreAlIniciar(const QString& ruta);
    // Whether the project differs from what was last loaded, saved or created.
    bool Cambiado() const;
    void NuevOk();
    // The reinforcement: its bar groups, and its form once "&Refuerzo" has opened it.
    GruposBarras& grupos() { return grupos_; }
    Murref* murref() const { return murref_; }
    Autocad* autocad() const { return autocad_; }
    MurPrev* murprev() const { return murprev_; }
    DiagramasForm* diagramas() const { return diagramas_; }
    // The check, the bar preselection and the layout step, as before showing or drawing the
    // reinforcement; false when the check faulted.
    bool PreparaRefuerzo();
    // The texts and options of the controls that hold the project.
    CamposMuro Campos() const;
    ConfirmDialog* nuevo() const { return nuevo_; }
    ConfirmDialog* saleForm() const { return sale_; }
    // "Opciones de cálculo", once "&Opciones" has opened it.
    OpcionesDialog* opciones() const { return opciones_; }
    int salidaConf() const { return salidaConf_; }

    // WindowInputs
    std::string centroText() const override;
    bool centricaSelected() const override;
    int stemShapeSelected() const override;
    // ResultsPublisher
    void MuestraResultados(const ProjectState& s) override;
    void AlineaCotas() override;
    void EscribeZapata(ProjectState& s, const std::string& altZap, const std::string& punta,
                       const std::string& talon) override;
    void EscribePuntaTalon(ProjectState& s, const std::string& punta,
                           const std::string& talon) override;
    void EscribeDsz(ProjectState& s, const std::string& dsz) override;

    // Controls, by their names.
    FieldEdit *Titulo, *Altura, *Ancho, *Centro, *AltZap, *Punta, *Talon, *Dsz, *AltDent,
        *AnchDent, *Phi1, *Gamma1, *Cohes1, *Phi2, *Gamma2, *Cohes;
    ValueLabel *Beta, *Reac, *Sobrec, *Padm;
    SpinButton *Spin17, *Spin1, *Spin2, *Spin18, *Spin3, *Spin19, *Spin21, *Spin22;
    QComboBox *Combo1, *Combo2;
    OptionArray *Option1, *Option2, *Option3, *Option5;
    QPushButton *Command1, *Command2, *Command3, *Command4, *Command5, *Command6, *Command7,
        *Command8, *Command9, *Command10, *Command11, *Command12;
    StatusPanel* Panel3D1;
    QPlainTextEdit* Text1;
    QFrame *Frame1, *Frame2, *Frame3, *Frame4, *Frame5, *Frame6, *Frame7, *Frame9, *Frame10;
    // Results panel values, warning, width label and the schematic's value labels.
    QLabel *Label30, *Label31, *Label18, *Label25, *Label27, *Label9, *Label28, *Label10,
        *Label32, *Label8, *Label33, *Label4, *Label29, *Label43, *Label44, *Label39, *Label42,
        *Label22;
    // Label33 scrolls in it when the failed checks are more than its room holds.
    QWidget* MarcoAvisos;
    // The stem thickness the last check used, beside the Ancho and Centro fields while it
    // differs from theirs.
    QLabel *EspTopeUsado, *EspBaseUsado;
    // The earthquake case's factors of safety and their headings, in the panel's row below
    // Line45, shown only when the project has an earthquake case.
    QLabel *FsVuelcoSismo, *FsDeslizSismo, *EtqVuelcoSismo, *EtqDeslizSismo;

    static const QColor kNavy;
    static const QColor kRed;
    // The colour of results that no longer belong to the inputs.
    static const QColor kGris;
    static const char* const kDatosModificados;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildLeftColumn();
    void BuildSchematicFields();
    void BuildResultsPanel();
    void ConnectEditing();
    void ConnectCommands();
    void ConnectFiles();
    void Muestra();  // shows and enables the main window
    // Puts a project into the controls, their handlers running with their checks' faults
    // unshown, and makes it the state, whatever the handlers stored on the way.
    void PonProyecto(const ProjectState& nuevo, const CamposMuro& c);
    void MarcaGuardado() {
        guardado_ = Campos();
        opcGuardadas_ = ValoresOpciones(s_);
        ActualizaTitulo();
    }
    // "&Opciones": the dialog's values taken, or refused with its message.
    void OpcionesOk();
    // Before a command that replaces the project: asks whether to save a changed one, and
    // saves it when asked to; false when the command must not go on. `pregunto` tells whether
    // the question was asked, so that the command asks nothing more.
    bool PuedeDescartar(bool* pregunto = nullptr);
    void PideSalir();
    // Shows a confirmation dialog modal to the window it serves.
    void Pregunta(ConfirmDialog* d, QWidget* ventana);
    bool EscribeProyecto(const std::string& ruta);
    void LeeProyecto(const QString& ruta);
    void WatchForHints(QWidget* root);

    // Entries: every numeric field and spin box read as typed, or refused with a message.
    void ConnectEntradas();
    bool Acepta(FieldEdit* field);
    void SpinTecleado(ValueLabel* box);
    // After any change of an input: the title's mark of unsaved changes, and the results
    // greyed while they are not those of the inputs shown.
    void RevisaVigencia();
    void PintaResultados();
    void ActualizaTitulo();
    // The hint that the footing "&Calculo" designed was for another height.
    void AvisoDiseno();
    // Editing rules.
    void AcoplaCentro();
    void AnchoCambia();
    void CentroCambia();
    void CentroSale();
    void AnchoEtiqueta();
    void DszSale();
    void BetaCambia();
    void CargaCambia(ValueLabel* valor, QLabel* flecha, QLabel* copia, float& variable);
    void PadmCambia();
    void Spin(ValueLabel* label, double step, bool up, double bound, const char* boundText);
    void Option1Click(int index);
    void Option3Click(int index);
    void Option5Click(int index);
    void ActualizaTalud();
    void DibujaSuelo();
    void RedibujaEsquema();
    // The analysed wall on the schematic: the footing width and the thickness captions.
    void MuestraMuroUsado();
    void ColocaEspesoresUsados();
    void Limite(FieldEdit* field);

    // Engine calls with faults shown as messages.
    bool Motor(const std::function<void()>& work);
    void Mensaje(const QString& title, const QString& text, QMessageBox::Icon icon);

    ProjectState& s_;
    Esquema esquema_;
    EsquemaCanvas* canvas_ = nullptr;
    TwipsScaler* scaler_;
    FrmAbout* about_ = nullptr;
    GruposBarras grupos_;
    Murref* murref_ = nullptr;
    Autocad* autocad_ = nullptr;
    MurPrev* murprev_ = nullptr;
    DiagramasForm* diagramas_ = nullptr;
    ConfirmDialog* nuevo_ = nullptr;
    ConfirmDialog* sale_ = nullptr;
    int salidaConf_ = 0;
    // While a project loads, the checks its steps run are discarded: their faults are too.
    int silencio_ = 0;
    MessagePresenter presenter_;
    QuestionPresenter question_;
    SaveQuestion saveQuestion_;
    CamposMuro guardado_;  // the project as last loaded, saved or created
    // The method options as last loaded, saved or created, and as last analysed: inputs of
    // the project that no control of the window shows.
    std::vector<double> opcGuardadas_, opcAnalizadas_;
    OpcionesDialog* opciones_ = nullptr;
    FileChooser chooser_;
    std::function<void()> salir_;
    int busyCursor_ = 0;
    // The last results published, the inputs they were computed from, and whether the inputs
    // still are those.
    ResultsView ultimo_;
    CamposMuro analizado_;
    bool vigente_ = true;
    // The footing "&Calculo" last wrote, and the height it was designed for (0: none).
    struct ZapataDisenada {
        float altura = 0;
        QString altZap, punta, talon;
    } disenada_;
};

// Text colour of a label or panel.
void SetForeColor(QWidget* w, const QColor& c);
QColor ForeColor(const QWidget* w);

}  // namespace tarelvo

// MurPrev, the report window ("Print Preview"): shows the report's pages and lets the user
// choose printer, paper, orientation, margins and border, edit the page header and footer
// and the text styles, choose which parts and pages to print, and print. Every change that
// affects the pages rebuilds the whole document (UpdatePreview).
//
// The main window hooks it up like this: its "&Preview" disables itself and shows the
// window; each time the window is shown it asks the main window, through `prepara`, for what
// the report takes from it (which runs the check, the bar preselection and the layout step),
// and rebuilds. "&Salir", or closing the window, hides it and emits salir(), on which the main
// window enables and shows itself again. Create it without a parent: a disabled main window
// would disable it too.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include <QWidget>

#include "engine/bar_groups.h"
#include "engine/project_state.h"
#include "report/page_document.h"
#include "report/report_inputs.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace tarelvo {

class MurPrevSheetIcon;
class MurPrevUpDown;
class PreviewWidget;

// A margin in twips as the margin boxes show it: inches with up to two decimals and the inch
// mark, 1440 as 1", 1584 as 1.1".
QString ToInches(double twips);

// What the report takes from the main window rather than from the project state.
struct MurPrevFuente {
    std::string titulo;       // the project title field
    // The seven bar descriptions of the reinforcement form, in GruposBarras order.
    std::array<std::string, GruposBarras::kGrupos> barras;
};

class MurPrev : public QWidget {
    Q_OBJECT
public:
    // Fills in the main window's part; false when the check faulted, and then the window
    // closes again without building.
    using Prepara = std::function<bool(MurPrevFuente&)>;
    // The font and colour dialog for a style row: true with `style` changed on OK, false
    // (style untouched) on cancel.
    using FontChooser = std::function<bool(QWidget* parent, TextStyle& style)>;
    // Where the PDF device writes: the chosen path, or an empty text when cancelled.
    using FileChooser = std::function<QString(QWidget* parent, const QString& inicial)>;
    using MessagePresenter = std::function<void(QWidget* parent, const QString& text)>;

    MurPrev(ProjectState& state, Prepara prepara, QWidget* parent = nullptr);

    // Replace the dialogs; tests do so that nothing blocks.
    void setFontChooser(FontChooser f) { fontChooser_ = std::move(f); }
    void setFileChooser(FileChooser f) { fileChooser_ = std::move(f); }
    void setMessagePresenter(MessagePresenter m) { presenter_ = std::move(m); }

    // The window becomes active: panels as at the start, header and footer boxes filled,
    // the main window's part asked for, the document rebuilt. Showing the window runs it.
    void Activa();
    // Rebuilds the document from the page settings and the window's choices. A rebuild asked
    // for while one is under way runs once that one has ended.
    void UpdatePreview();
    // Page and zoom labels, and which page and zoom buttons can be used.
    void UpdateControlBar();
    // "&Salir": hides the window and emits salir().
    void Salir();

    const PageDocument& documento() const { return vp_; }
    const ReportStyles& estilos() const { return estilos_; }
    bool construyendo() const { return construyendo_; }
    int construcciones() const { return construcciones_; }

    // Controls, by their names; arrays keep their indices (a missing index holds nullptr).
    QFrame* Frame5;
    std::array<QPushButton*, 4> cmdPage, cmdZoom;
    QLabel *lblPage, *lblZoom;
    QPushButton *Command1, *Command2;
    QComboBox* cmbDevice;

    std::array<QGroupBox*, 3> Frame1;  // 1 "General", 2 "Papel"
    QPushButton *Command6, *Command4;
    std::array<QRadioButton*, 2> opOrient;
    std::array<MurPrevSheetIcon*, 2> imgOrient;
    std::array<QLineEdit*, 4> txtMargin;  // top, left, bottom, right
    std::array<QScrollBar*, 4> scrlMargin;
    QComboBox* cmbBorders;
    QComboBox* cmbPaperSizes;

    QGroupBox* Frame2;
    std::array<QRadioButton*, 3> Option1;
    QLineEdit *Text1, *Text2;
    MurPrevUpDown *UpDown1, *UpDown2;
    QCheckBox *Check3, *Check4;  // "Datos", "Refuerzo"
    QCheckBox *Check5, *Check6;  // "Memoria", "Diagramas"

    QGroupBox* Frame3;  // "Font/Color": rows 0, 1, 3 and 4
    std::array<QPushButton*, 5> Command5;
    std::array<QLineEdit*, 5> Text3, Text4;
    std::array<QFrame*, 5> Picture1;
    QPushButton* Command7;

    QGroupBox* Frame4;  // "Header/Footer"
    std::array<QPlainTextEdit*, 2> Text5;
    QPlainTextEdit* Text6;
    QPushButton* Command8;

    PreviewWidget* Vp;

signals:
    void salir();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Construction, one panel each.
    void ConstruyeBarra();
    void ConstruyeGeneral();
    void ConstruyePapel();
    void ConstruyeImprime();
    void ConstruyeEstilos();
    void ConstruyeEncabezado();
    void Conecta();
    void Carga();

    // The rebuild itself, and the steps of it that set the lists from the page setup.
    void Construye();
    void LlenaDispositivos();
    void LlenaPapeles();
    ReportInputs Entradas() const;

    // Handlers.
    void PaginaBoton(int index);
    void ZoomBoton(int index);
    void OrientacionClick(int index);
    void BordesClick(int index);
    void DispositivoClick();
    void PapelClick();
    void MargenSale(int index);
    void MargenScroll(int index, int value);
    void AbrePanel(QGroupBox* panel);
    void CierraPanel(QGroupBox* panel);
    void EstiloClick(int index);
    void MuestraEstilo(int index);
    void RangoClick(int index);
    void Imprime();

    double& Margen(int index);
    TextStyle& Estilo(int index);
    int RangoElegido() const;

    // The dialogs the window uses unless told otherwise.
    static bool EligeFuente(QWidget* parent, TextStyle& style);
    static QString EligeArchivo(QWidget* parent, const QString& inicial);
    static void Avisa(QWidget* parent, const QString& text);

    ProjectState& s_;
    Prepara prepara_;
    FontChooser fontChooser_;
    FileChooser fileChooser_;
    MessagePresenter presenter_;

    PageDocument vp_;
    MurPrevFuente fuente_;
    ReportStyles estilos_;
    bool cargado_ = false;
    bool construyendo_ = false;
    bool pendiente_ = false;
    bool imprimePendiente_ = false;
    int construcciones_ = 0;
    int paginaRecordada_ = 1;
    std::array<int, 4> tagMargen_{};
    // The paper codes the device of papelesDe_ takes, asked once per device.
    QString papelesDe_;
    std::vector<int> papeles_;
};

}  // namespace tarelvo

// The drawing-export form "AUTOCAD DXF". It offers the drawing in two forms. The original one
// (the default) asks for the base name of the drawing files and for the CAD program, then
// writes the drawing and the script into the working folder and starts the CAD program on
// them. The one for current CAD programs (cad_drawing.h) needs no CAD program: it asks where
// to save the file, writes it, and offers to open it with the desktop's program for DXF files.
// It is shown beside the main window, which stays enabled, and knows nothing of it: the main
// window hands it a function that brings the project up to date and fills the drawing's inputs.
#pragma once

#include <QDialog>
#include <QMessageBox>
#include <QString>

#include <functional>
#include <memory>
#include <string>

#include "export/cad_platform.h"
#include "export/wall_drawing.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tarelvo {

class Autocad : public QDialog {
    Q_OBJECT
public:
    // Runs the check, the bar preselection and the reinforcement layout step, then fills the
    // drawing's inputs; false when the check faulted (it has told the user why).
    using Prepara = std::function<bool(EntradaDibujo& entrada)>;
    // How a message reaches the user; tests replace it so that nothing blocks.
    using MessagePresenter = std::function<void(QWidget* parent, const QString& title, const QString& text,
                                                QMessageBox::Icon icon)>;
    // A Yes/No question; true for Yes.
    using QuestionPresenter = std::function<bool(QWidget* parent, const QString& title, const QString& text)>;
    // The file-open dialog with `filter`: the chosen path, or empty when cancelled.
    using FileChooser = std::function<QString(QWidget* parent, const QString& filter)>;
    // The save dialog for the drawing, starting at `sugerido`: the chosen path, or empty.
    using SaveChooser = std::function<QString(QWidget* parent, const QString& sugerido)>;
    // Opens a saved file with the desktop's program for it; false when there is none.
    using FileOpener = std::function<bool(const QString& ruta)>;

    explicit Autocad(Prepara prepara, QWidget* parent = nullptr);
    ~Autocad() override;

    void setMessagePresenter(MessagePresenter p) { presenter_ = std::move(p); }
    void setQuestionPresenter(QuestionPresenter q) { question_ = std::move(q); }
    void setFileChooser(FileChooser c) { chooser_ = std::move(c); }
    void setSaveChooser(SaveChooser c) { guardar_ = std::move(c); }
    void setFileOpener(FileOpener o) { abrir_ = std::move(o); }
    // The file system and process start; the real system unless a test gives its own.
    void setPlataforma(std::shared_ptr<Plataforma> p) { plataforma_ = std::move(p); }
    // The folder the drawing, the script and the CAD program work in; empty (the default) means
    // the current directory at the moment of the export.
    void setCarpeta(const QString& carpeta) { carpeta_ = carpeta; }

    // True after an export whose launch failed, false after a launch.
    bool falloCad() const { return falloCad_; }

    // Fills Text2 with the CAD program found in the usual folders, unless Text2 already names
    // one. Runs whenever the form is activated.
    void AcadFind();
    void Command1Click();  // "Cancela": hides the form
    void Command2Click();  // "OK": exports and launches
    void Command3Click();  // "...": browses for the CAD program

    // The form of the drawing: Option1 the original with the CAD script, Option2 the one for
    // current CAD programs.
    QRadioButton *Option1, *Option2;
    QLabel *Label1, *Label2, *Label3;
    QLineEdit *Text1, *Text2;
    QPushButton *Command1, *Command2, *Command3;

protected:
    bool event(QEvent* e) override;

private:
    void Mensaje(const std::string& texto, QMessageBox::Icon icon);
    bool Busca();  // the browse step; true when Text2 took a new name
    void ExportaCad();  // OK with Option2
    void OpcionCambiada();
    std::string Carpeta() const;

    Prepara prepara_;
    MessagePresenter presenter_;
    QuestionPresenter question_;
    FileChooser chooser_;
    SaveChooser guardar_;
    FileOpener abrir_;
    std::shared_ptr<Plataforma> plataforma_;
    QString carpeta_;
    bool falloCad_ = false;
    bool eleccionPropia_ = false;  // the user has clicked one of the two forms
    bool ocupado_ = false;  // pending events run inside the search and the export
};

}  // namespace tarelvo

// The about box: program name, version and description, and the system information on demand.
#pragma once

#include <QDialog>
#include <QString>

#include <functional>

namespace tarelvo {

// Several lines describing the running system: operating system, kernel, processor
// architecture, Qt version and the primary screen.
QString SystemInfoText();

class FrmAbout : public QDialog {
    Q_OBJECT

public:
    // Shows a text in a modal message box over parent.
    using InfoPresenter =
        std::function<void(QWidget* parent, const QString& title, const QString& text)>;

    // Non-modal; the caller shows and raises it.
    explicit FrmAbout(QWidget* parent = nullptr);

    // Replaces the message box used by "&Info. del Sistema..."; an empty function restores
    // the default QMessageBox::information.
    void setInfoPresenter(InfoPresenter presenter);

private:
    void showSystemInfo();

    InfoPresenter infoPresenter_;
};

}  // namespace tarelvo

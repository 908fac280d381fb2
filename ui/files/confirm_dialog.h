// The two small confirmation dialogs of the main window, "NUEVO" and "SaleForm": a message,
// "OK" and "Cancela", modal to the window they serve.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace tarelvo {

class ConfirmDialog : public QDialog {
    Q_OBJECT
public:
    ConfirmDialog(const char* name, const QString& message, QWidget* owner);
    // Shows the dialog over `ventana`, modal to it.
    void Muestra(QWidget* ventana);
    QLabel* Label1;
    QPushButton* Command2;  // "OK"
    QPushButton* Command1;  // "Cancela"
signals:
    void aceptado();
    void cancelado();

protected:
    void closeEvent(QCloseEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;
    void reject() override;
};

}  // namespace tarelvo

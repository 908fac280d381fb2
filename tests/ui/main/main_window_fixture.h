// A started main window on the default project, with messages recorded instead of shown.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <memory>

#include "ui/main/field_edit.h"
#include "ui/main/murocont1.h"
#include "ui/main/option_array.h"
#include <QToolButton>

#include "ui/main/spin_button.h"
#include "ui/main/status_panel.h"
#include "ui/main/value_label.h"

namespace tarelvo::test {

struct Message {
    QString title, text;
    QMessageBox::Icon icon;
};

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        w = std::make_unique<MuroCont1>(s);
        w->setMessagePresenter([this](QWidget*, const QString& title, const QString& text,
                                      QMessageBox::Icon icon) {
            messages.push_back({title, text, icon});
        });
        // Whether to save a changed project: answered as the test says, never by a real box.
        w->setSaveQuestion([this](QWidget*) {
            ++saveQuestions;
            return saveAnswer;
        });
        w->Arranque();
        w->show();
        w->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    }

    // A pasted text: one change of the field's text.
    static void Type(FieldEdit* f, const QString& text) { f->setText(text); }
    // Enters the field, then leaves it for the title field.
    void Leave(FieldEdit* f) {
        f->setFocus();
        QApplication::processEvents();
        w->Titulo->setFocus();
        QApplication::processEvents();
    }
    void TypeAndLeave(FieldEdit* f, const QString& text) {
        f->setFocus();
        QApplication::processEvents();
        Type(f, text);
        w->Titulo->setFocus();
        QApplication::processEvents();
    }
    static void Press(SpinButton* spin, bool up, int times = 1) {
        for (int i = 0; i < times; ++i) (up ? spin->upArrow() : spin->downArrow())->click();
    }
    static void Click(OptionArray* options, int index) { options->button(index)->click(); }
    static QString Text(const QLabel* l) { return l->text(); }
    QLabel* Find(const char* name) { return w->findChild<QLabel*>(QString::fromLatin1(name)); }

    ProjectState s;
    std::unique_ptr<MuroCont1> w;
    std::vector<Message> messages;
    int saveQuestions = 0;
    QMessageBox::StandardButton saveAnswer = QMessageBox::No;
};

}  // namespace tarelvo::test

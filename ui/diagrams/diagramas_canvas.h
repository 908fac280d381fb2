// The drawing area of the diagrams window: the diagrams composed as a page of the window's
// own size and painted on it, so that they fill the window at any size.
#pragma once

#include <QWidget>

#include "engine/diagramas.h"
#include "engine/project_state.h"
#include "report/display_list.h"

namespace tarelvo {

class DiagramasCanvas : public QWidget {
    Q_OBJECT
public:
    explicit DiagramasCanvas(QWidget* parent = nullptr);
    void setMuro(const ProjectState& s);
    // The page as last composed for the current size (page twips, 15 to a pixel).
    const Page& pagina() const { return pagina_; }

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;

private:
    void Compone();
    ProjectState estado_;
    Diagramas diagramas_;
    bool hayMuro_ = false;
    Page pagina_;
};

}  // namespace tarelvo

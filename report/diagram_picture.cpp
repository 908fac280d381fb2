#include "report/diagram_picture.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <memory>

#include "engine/diagramas.h"
#include "report/font_names.h"
#include "report/page_painter.h"
#include "report/wall_diagrams.h"

namespace tarelvo {

std::string DiagramasPng(const ProjectState& s, int ancho, int alto) {
    std::unique_ptr<QGuiApplication> propia;
    if (!QCoreApplication::instance()) {
        static int argc = 1;
        static char nombre[] = "tarelvo-calc";
        static char* argv[] = {nombre, nullptr};
        qputenv("QT_QPA_PLATFORM", "offscreen");
        propia = std::make_unique<QGuiApplication>(argc, argv);
        SustituyeArial();
    }
    const Diagramas d = CalculaDiagramas(s);
    // Composed in page twips, 1440 to the inch: the picture is a page of its own size.
    const double escala = 1440.0 / 150.0;  // drawn as at 150 dots per inch
    PageDocument doc;
    doc.startDoc();
    const double margen = 20 * escala;
    DibujaDiagramas(doc, s, d,
                    QRectF(margen, margen, ancho * escala - 2 * margen, alto * escala - 2 * margen));
    const Page pagina = doc.pages().front();
    doc.killDoc();

    QImage img(ancho, alto, QImage::Format_RGB32);
    img.fill(Qt::white);
    {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.scale(1.0 / escala, 1.0 / escala);
        PaintPageItems(p, pagina);
    }
    QByteArray datos;
    QBuffer buffer(&datos);
    buffer.open(QIODevice::WriteOnly);
    if (!img.save(&buffer, "PNG")) return {};
    return std::string(datos.constData(), static_cast<std::size_t>(datos.size()));
}

}  // namespace tarelvo

#include "report/report_quantities.h"

#include "common/number_text.h"
#include "engine/bar_schedule.h"
#include "engine/wall_quantities.h"
#include "report/report_rows.h"

namespace tarelvo {

namespace {

const QString kFormatoPlanilla =
    QStringLiteral("<_700|<_2600|<_900|>_1000|>_900|>_1100|>_900");

QString N(double v) { return QString::fromStdString(numtext::format(v, "0.00")); }

}  // namespace

std::vector<TablaMemoria> TablasCantidades(
    const ProjectState& s, const std::array<std::string, GruposBarras::kGrupos>& barras) {
    const std::vector<FilaPlanilla> planilla = PlanillaArmaduras(s, barras);
    double kg = 0;
    for (const FilaPlanilla& f : planilla) kg += f.kg;
    TablaMemoria totales{QStringLiteral("Cantidades"),
                         QStringLiteral("Por metro de longitud del muro:"),
                         kFormatoTabla,
                         {},
                         {{QStringLiteral("Volumen de hormigón"), N(VolumenConcreto(s)),
                           QStringLiteral("m3/m")},
                          {QStringLiteral("Peso del acero"), N(kg), QStringLiteral("kg/m")}}};
    TablaMemoria tabla{{},
                       QStringLiteral("Planilla de armaduras, por metro de muro (largos rectos, "
                                      "sin traslapes ni ganchos):"),
                       kFormatoPlanilla,
                       QStringLiteral("Marca|Elemento|Barra|Separación (m)|Largo (m)|"
                                      "Barras por m|kg/m"),
                       {}};
    for (const FilaPlanilla& f : planilla)
        tabla.filas.push_back({QString::fromUtf8(f.marca.c_str()),
                               QString::fromUtf8(f.elemento.c_str()),
                               QString::fromUtf8(f.barra.c_str()),
                               f.separacion > 0 ? N(f.separacion) : QStringLiteral("-"),
                               N(f.largo), N(f.cantidad), N(f.kg)});
    tabla.filas.push_back({QStringLiteral("Total"), {}, {}, {}, {}, {}, N(kg)});
    return {totales, tabla};
}

}  // namespace tarelvo

#include "report/report_rows.h"

#include <utility>

#include <QStringList>

#include "common/number_text.h"
#include "engine/analysed_wall.h"
#include "engine/soil_contact.h"

namespace tarelvo {

const QString kFormatoTabla = QStringLiteral("<_3800|>_800|<_2600");

namespace {

FilaTabla Fila(const char* caption, float value, const char* unit,
               const char* pattern = "0.00") {
    // numtext writes nothing for a value that is not finite.
    return {QString::fromUtf8(caption),
            QString::fromStdString(numtext::format(static_cast<double>(value), pattern)),
            QString::fromUtf8(unit)};
}

// A row whose value is a word: it goes where the unit goes, which has the room for it.
FilaTabla FilaTexto(const char* caption, const char* texto) {
    return {QString::fromUtf8(caption), QString(), QString::fromUtf8(texto)};
}

const char* FormaDelMuro(int forma) {
    // The captions of the main window's "TIPO DE MURO".
    switch (forma) {
        case 1: return "Inclinado hacia Frente";
        case 2: return "Inclinado hacia Relleno";
        default: return "Muro Recto";
    }
}

// The shear stress of a footing section in kg/cm2, in single precision as the report always
// computed it; the division by a zero depth gives a value that is not finite, shown empty.
float EsfuerzoZapata(const ProjectState& s, float cortante) {
    return cortante * s.FactCarga / (s.FactPres * s.PeraltZap);
}

}  // namespace

std::vector<SeccionTabla> SeccionesDatos(const ProjectState& s) {
    // The stem and footing as analysed: a stem thickened for shear shows its real size.
    const MuroAnalizado m = MuroDeAnalisis(s);
    std::vector<FilaTabla> generales{
        FilaTexto("Forma del muro", FormaDelMuro(s.FormaMuro)),
        Fila("Altura del muro sobre la zapata", s.Altura, "m"),
        Fila("Espesor del muro en la corona", m.corona, "m"),
        Fila("Espesor del muro en la base", m.base, "m"),
        Fila("Espesor de la zapata", s.AltZap, "m"),
        Fila("Longitud de la punta", s.Punta, "m"),
        Fila("Longitud del talón", s.Talon, "m"),
        Fila("Longitud total de la zapata", m.zapata, "m"),
        Fila("Profundidad de desplante", s.Dsz, "m")};
    if (s.ConDent != 0) {
        generales.push_back(Fila("Altura del dentellón", s.AltDent, "m"));
        generales.push_back(Fila("Ancho del dentellón", s.AnchDent, "m"));
    } else {
        generales.push_back(FilaTexto("Dentellón", "No incluye"));
    }
    // The earthquake and the water are loads the engineer chose in "Opciones de cálculo".
    std::vector<FilaTabla> carga{Fila("Sobrecarga sobre el relleno", s.Sobrec, "t/m2"),
                                 Fila("Carga axial sobre el muro", s.Reac, "t")};
    if (s.Kh > 0) {
        carga.push_back(Fila("Coeficiente sísmico horizontal (kh)", s.Kh, " ", "0.00#"));
        carga.push_back(Fila("Coeficiente sísmico vertical (kv)", s.Kv, " ", "0.00#"));
    } else {
        carga.push_back(FilaTexto("Sismo", "No considerado"));
    }
    carga.push_back(s.Hw > 0 ? Fila("Altura del agua sobre la base de la zapata", s.Hw, "m")
                             : FilaTexto("Agua en el relleno", "No considerada (drenado)"));
    FilaTabla admisible = s.Padm > 0 ? Fila("Presión admisible del terreno", s.Padm, "kg/cm2")
                                     : FilaTexto("Presión admisible del terreno", "calculada");
    return {
        {QStringLiteral("Datos generales"), generales},
        {QStringLiteral("Datos del relleno"),
         {Fila("Angulo de inclinación", s.Beta, "Grados"),
          Fila("Peso volumétrico", s.Gamma1, "t/m3"),
          Fila("Angulo de fricción interna", s.Phi1, "Grados"),
          Fila("Cohesión", s.Cohes1, "t/m2")}},
        {QStringLiteral("Datos del suelo"),
         {Fila("Peso volumétrico", s.Gamma2, "t/m3"),
          Fila("Angulo de fricción interna", s.Phi2, "Grados"),
          Fila("Cohesión", s.Cohes, "t/m2"),
          admisible,
          FilaTexto("Presión pasiva", s.Pasiva > 0 ? "Considerada" : "Despreciada")}},
        {QStringLiteral("Datos de carga"), carga},
        {QStringLiteral("Materiales"),
         {Fila("Hormigón (F'c)", s.Fc, "kg/cm2", "####"),
          Fila("Refuerzo (Fy)", s.Fy, "kg/cm2", "####")}},
    };
}

std::vector<SeccionTabla> SeccionesResultados(const ProjectState& s) {
    const ApoyoZapata apoyo = ApoyoDe(s);
    std::vector<FilaTabla> analisis{
        Fila("Sumatoria de fuerzas resistentes", s.SumaV, "t"),
        Fila("Sumatoria de momentos resistentes", s.MomEstab, "t·m"),
        Fila("Momento de vuelco", s.MomVuelco, "t·m"),
        Fila("Factor de seguridad al vuelco", s.FsVuelco, " "),
        Fila("Fuerza de deslizamiento", s.EmpujeH, "t"),
        Fila("Resistencia al deslizamiento", s.FuerzaResist, "t"),
        Fila("Factor seguridad al deslizamiento", s.FsDesliz, " "),
        Fila("Presión sobre el terreno en la punta", static_cast<float>(apoyo.presPunta / 10),
             "kg/cm2"),
        Fila("Presión sobre el terreno en el talón", static_cast<float>(apoyo.presTalon / 10),
             "kg/cm2")};
    if (s.Kh > 0) {
        // The earthquake case's factors, each after the static ones of its kind.
        analisis.insert(analisis.begin() + 4,
                        Fila("FS al vuelco con sismo", s.FsVuelcoSismo, " "));
        analisis.insert(analisis.begin() + 8, Fila("FS al deslizamiento con sismo",
                                                   s.FsDeslizSismo, " "));
    }
    if (apoyo.tipo != ApoyoZapata::Tipo::Completo)
        analisis.push_back(
            Fila("Longitud de contacto de la zapata", static_cast<float>(apoyo.contacto), "m"));
    for (FilaTabla f : {Fila("Presión admisible del terreno", s.PresAdm / 10, "kg/cm2"),
                        Fila("Esfuerzo cortante máximo en el muro", s.EsfCortMuro, "kg/cm2"),
                        Fila("Esfuerzo cortante en la punta", EsfuerzoZapata(s, s.CortPunta),
                             "kg/cm2"),
                        Fila("Esfuerzo cortante en el talón", EsfuerzoZapata(s, s.CortTalon),
                             "kg/cm2"),
                        Fila("Esfuerzo cortante admisible", s.CortAdm, "kg/cm2")})
        analisis.push_back(std::move(f));
    return {
        {QStringLiteral("Resultados del analisis"), std::move(analisis),
         QString::fromStdString(FraseApoyo(s))},
        {QStringLiteral("Refuerzo en el muro"),
         {Fila("Momento en la base del Muro", s.MomSeccActual, "t·m"),
          Fila("Refuerzo en la base del muro", s.AsMuro, "cm2/m"),
          Fila("Momento en la mitad de la altura del muro", s.MomMitad, "t·m"),
          Fila("Refuerzo en la mitad de la altura del muro", s.AsMitad, "cm2/m")}},
        {QStringLiteral("Refuerzo en la zapata"),
         {Fila("Momento en la punta", s.MomPunta * s.FactCarga, "t·m"),
          Fila("Refuerzo en la punta", s.AsPunta, "cm2/m"),
          Fila("Momento en el talón", s.MomTalon * s.FactCarga, "t·m", "##0.00"),
          Fila("Refuerzo en el talón", s.AsTalon, "cm2/m")}},
    };
}

QString CuerpoTabla(const SeccionTabla& seccion) {
    QStringList filas;
    for (const FilaTabla& f : seccion.filas)
        filas.append(f.caption + QLatin1Char('|') + f.value + QLatin1Char('|') + f.unit);
    return filas.join(QLatin1Char(';'));
}

}  // namespace tarelvo

#include "ui/main/hints.h"

#include <QHash>

namespace tarelvo {

namespace {

struct HintRow {
    const char* names[3];  // the controls sharing the hint; unused places are null
    const char* text;      // UTF-8
};

// The long hints are kept in the pieces they were written in; the compiler joins them as they
// stand, so the blanks at the ends of the pieces are part of the text.
const HintRow kHintRows[] = {
    {{"AltDent"}, "Altura del dentellón (m)"},
    {{"Altura"}, "Altura del muro (m)"},
    {{"AltZap"}, "Altura de la zapata (m)"},
    {{"AnchDent"}, "Ancho del dentellón (m)"},
    {{"Ancho"}, "Espesor del muro en el tope (m)"},
    {{"Beta"},
     "El spin situado próximo a este "
     "cuadro tiene incrementos y decrementos de 1.00 grados, mientras que el "
     "que está más alejado produce incrementos de 0.05 grados"},
    {{"Centro"}, "Espesor del muro en la base (m)"},
    {{"Cohes"}, "Cohesión del suelo de fundación (to/m2)"},
    {{"Cohes1"}, "Cohesión del relleno (to/m2)"},
    {{"Combo1", "Label12", "Label14"},
     "Seleccione el valor del esfuerzo del concreto a los 28 dias, F'c"},
    {{"Combo2", "Label13", "Label15"},
     "Seleccione el valor del esfuerzo de fluencia del acero de refuerzo, Fy"},
    {{"Command1"},
     "Calcula la dimensión de la base adecuada a las solicitaciones actuantes, "
     "cumpliendo con los requisitos de estabilidad y de esfuerzos admisibles"},
    {{"Command10"}, "Muestra en pantalla la identificación del programa"},
    {{"Command11"},
     "Corre AutoCad y coloca en él un dibujo a escala del muro completo con refuerzo y dimensionamiento"},
    {{"Command12"},
     "Opciones de cálculo del proyecto: factores de seguridad mínimos, fricción en la base, "
     "presión pasiva, peso del concreto, capacidad de carga, sismo y agua"},
    {{"Command2"}, "Salva en archivo los datos del problema"},
    {{"Command3"}, "Termina la corrida y regresa a Windows"},
    {{"Command4"}, "Lee los datos de un problema en archivo"},
    {{"Command5"}, "Comienza nuevo analisis llevando todos los datos al set inicial"},
    {{"Command6"}, "Print-preview los datos y resultados"},
    {{"Command7"}, "Muestra en pantalla el refuerzo calculado"},
    {{"Command8"}, "Ejecuta el chequeo de la estabilidad del muro"},
    {{"Command9"},
     "Muestra en pantalla los diagramas de presión, esfuerzo cortante y momento flexor"},
    {{"Dsz"}, "Profundidad de fundación (m)"},
    {{"EspBaseUsado"},
     "Espesor del muro en la base que usó el último cálculo (m): el muro recto se engrosó "
     "para resistir el cortante, y la zapata se ensanchó otro tanto"},
    {{"EspTopeUsado"},
     "Espesor del muro en el tope que usó el último cálculo (m): el cortante en la base pidió "
     "más que el mínimo escrito en el cuadro"},
    {{"Frame2", "Label6", "Option3"},
     "La adición de un dentellón a la zapata puede ser necesaria "
     "en caso de que se requiera aumentar la seguridad al deslizamiento"},
    {{"Frame5", "Label3", "Option2"},
     "La presión pasiva por encima de la zapata "
     "(cara exterior del muro) debe ser despreciada si el terreno en esa parte no está "
     "protegido contra la erosión, con una acera, por ejemplo"},
    {{"FsDeslizSismo", "EtqDeslizSismo"},
     "Factor de seguridad al deslizamiento del caso con sismo"},
    {{"FsVuelcoSismo", "EtqVuelcoSismo"}, "Factor de seguridad al vuelco del caso con sismo"},
    {{"Gamma1"}, "Peso unitario del relleno (to/m3)"},
    {{"Gamma2"}, "Peso unitario del suelo de fundación (to/m3)"},
    {{"Label1", "Option1"},
     "Seleccione aquí si el muro tiene caras rectas o si está inclinado hacia un lado"},
    {{"Label10"}, "Valor de la presión máxima sobre el terreno (kg/cm2)"},
    {{"Label18"}, "Factor de seguridad al vuelco"},
    {{"Label2"},
     "El ángulo de inclinacion del relleno se coloca en el cuadro numérico "
     "por medio del teclado o presionando con el mouse las flechas de los spines "
     "que están colocados a la derecha de dicho cuadro"},
    {{"Label25"}, "Factor de seguridad al deslizamiento"},
    {{"Label27"}, "Valor del esfuerzo cortante en la base del paramento (kg/cm2)"},
    {{"Label28"}, "Valor del esfuerzo cortante admisible (kg/cm2)"},
    {{"Label29"}, "Angulo de inclinación del relleno (grados)"},
    {{"Label30"},
     "Excentricidad, en metros, de la resultante de las fuerzas que actúan sobre el muro (incluyendo su peso propio)"
     " con respecto al centro de la base (m)."
     " Si éste valor es mayor que 'Base/6' entonces el muro es inestable."},
    {{"Label31"}, "Valor del ancho de la base dividido entre 6"},
    {{"Label32"}, "Valor de la presión mínima sobre el terreno (kg/cm2)"},
    {{"Label4"}, "Ancho de la zapata (m)"},
    {{"Label40"},
     "La carga axial sobre el muro se coloca en el cuadro numérico "
     "por medio del teclado o presionando con el mouse las flechas de los spines "
     "que están colocados a la derecha de dicho cuadro"},
    {{"Label41"},
     "La sobrecarga sobre el relleno se coloca en el cuadro numérico "
     "por medio del teclado o presionando con el mouse las flechas de los spines "
     "que están colocados a la derecha de dicho cuadro"},
    {{"Label43"}, "Carga axial sobre el muro (to)"},
    {{"Label44"}, "Sobrecarga sobre el relleno (to/m2)"},
    {{"Label62", "Option5"},
     "Seleccione si la zapata debe estar centralizada con respecto al muro"},
    {{"Label8"}, "Valor de la presión admisible sobre el terreno (kg/cm2)"},
    {{"Label9"}, "Valor del esfuerzo cortante en la zapata (kg/cm2)"},
    {{"Padm"},
     "El spin situado próximo a este "
     "cuadro tiene incrementos y decrementos de 1.00 Kg/cm2, mientras que el "
     "que está más alejado produce incrementos de 0.05 Kg/cm2"},
    {{"Panel3D1"},
     "Etiqueta que indica el estado de estabilidad del muro"
     "  Muro estable: la dimension de la base es adecuada"
     "        Muro inestable: la dimension de la base no es adecuada y se requiere cálculo"},
    {{"Patkc"},
     "La presión admisible del terreno se coloca en el cuadro numérico "
     "por medio del teclado o presionando con el mouse las flechas de los spines "
     "que están colocados a la derecha de dicho cuadro"},
    {{"Phi1"}, "Angulo de fricción interna del relleno (grados)"},
    {{"Phi2"}, "Angulo de fricción interna del suelo de fundación (grados)"},
    {{"Punta"}, "Punta de la zapata (m)"},
    {{"Reac"},
     "El spin situado próximo a este "
     "cuadro tiene incrementos y decrementos de 1.00 toneladas, mientras que el "
     "que está más alejado produce incrementos de 0.05 toneladas"},
    {{"Sobrec"},
     "El spin situado próximo a este "
     "cuadro tiene incrementos y decrementos de 1.00 to/m2, mientras que el "
     "que está más alejado produce incrementos de 0.05 to/m2"},
    {{"Talon"}, "Talón de la zapata (m)"},
    {{"Titulo"}, "Espacio para colocar el título del proyecto"},
};

// Moving over these empties the hint box.
const char* const kClearingNames[] = {"Frame1", "Frame3", "Frame4", "Text1"};

const QHash<QString, QString>& HintTable() {
    static const QHash<QString, QString> table = [] {
        QHash<QString, QString> t;
        for (const HintRow& row : kHintRows) {
            const QString text = QString::fromUtf8(row.text);
            for (const char* name : row.names) {
                if (name) t.insert(QString::fromLatin1(name), text);
            }
        }
        return t;
    }();
    return table;
}

}  // namespace

Hint HintFor(const QString& controlName) {
    for (const char* name : kClearingNames) {
        if (controlName == QLatin1String(name)) return {HintAction::Clear, QString()};
    }
    const auto& table = HintTable();
    const auto it = table.constFind(controlName);
    if (it == table.constEnd()) return {HintAction::Keep, QString()};
    return {HintAction::Show, it.value()};
}

}  // namespace tarelvo

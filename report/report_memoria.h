// The calculation report ("Memoria"): how the analysis reached its results, as tables the
// report prints after its results tables. What the analysis assumes ("Bases de cálculo"), the
// backfill's thrust (and the water's), the forces and their moments about the toe, the
// stability checks with their required values, the earthquake case, the bearing capacity, and the strength of the concrete, the steel
// ratios and the chosen bars. Every value is the state's own, every
// "Cumple" the verdict's own judgement (EvaluaFallas), so the report cannot disagree with the
// main window.
#pragma once

#include <array>
#include <string>
#include <vector>

#include <QString>
#include <QStringList>

#include "engine/bar_groups.h"
#include "engine/project_state.h"
#include "report/page_document.h"
#include "report/report_inputs.h"

namespace tarelvo {

struct TablaMemoria {
    QString nombre;      // the section's heading; empty: the table goes on the section above
    QString nota;        // a line of text before the table, or empty
    QString formato;     // the page component's column format
    QString encabezado;  // the header row, or empty
    std::vector<QStringList> filas;  // none: no table
    std::vector<QString> parrafos{};  // paragraphs after the table, each set off as an item
};

extern const QString kCumple;
extern const QString kNoCumple;

// The tables of the "Memoria", in the order they print. `barras` are the seven bar
// descriptions the reinforcement form shows, in GruposBarras order.
std::vector<TablaMemoria> TablasMemoria(
    const ProjectState& s, const std::array<std::string, GruposBarras::kGrupos>& barras);

// The body of a table as the page component takes it: cells joined by "|", rows by ";".
QString CuerpoMemoria(const TablaMemoria& t);

// Prints the tables, each section under its heading and kept with its first rows, "No cumple"
// in red, and last the verdict under "Conclusión".
void ImprimeMemoria(PageDocument& vp, const ReportInputs& in);

}  // namespace tarelvo

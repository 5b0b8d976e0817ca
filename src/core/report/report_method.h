#pragma once

#include "report/report.h"

#include <QList>
#include <QString>
#include <optional>

// The method section of the pipe window's note: each equation of the mode in force with the
// case's numbers substituted and its result, so that a checker can follow every step by hand.
namespace vorlo::informe {

// The steps for the window's texts, in the order the calculation takes them: velocity, Reynolds
// number, friction factor, drop per metre, head loss, drop over the length, the fittings' K total
// and drop, and pipe plus fittings. A step shows only where its result shows.
// In the defined mode the numbers substituted are the texts the window shows (the rounded
// values its later steps read) and π = 3,141592; in the exact mode they are the full values the
// exact pass computes from the inputs, π and g as they are.
QList<Paso> metodoTuberia(const CamposTexto &campos, Lengua lengua,
                          const std::optional<ListaAccesorios> &accesorios);

// A value with the digits a double carries: 15 significant, the zeros that end the decimals left
// out, grouping and a leading zero as the app writes numbers ("127.323,954473516", "0,1").
QString cifrasCompletas(double x);

} // namespace vorlo::informe

#include "pipe_case.h"

#include "fields/numbers.h"
#include "flowlimits/flow_limits.h"
#include "pipeflow/pipe_erosional.h"
#include "pipeflow/pipe_fields.h"

namespace vorlo::caso {

void cargarTuberia(DestinoTuberia &destino, const Ventana &parte) {
    using namespace tuberia;
    for (const QString &n : campos().conMarca(VaciaAlBorrar))
        destino.escribir(n, QString());
    const auto op = [&parte](const QString &n) { return parte.opciones.value(n, false); };
    destino.fijarModo(op(Option1), op(Option2));
    destino.fijarViscosidad(op(Option3), op(Option4));
    destino.fijarExacto(op(CheckExacto));
    // The diameter comes before the K total that its change empties.
    const Esquema &e = *esquema(Tuberia);
    for (const Campo &c : campos().campos())
        if (e.textos.contains(c.nombre) && c.nombre != LabelTuberia)
            destino.escribir(c.nombre, parte.textos.value(c.nombre));
    destino.escribir(LabelTuberia, parte.textos.value(LabelTuberia));
    // A case made before C was kept takes the window's start value.
    destino.escribir(
        CErosional,
        parte.textos.value(CErosional,
                           formatoPlano(limites::kCErosionalContinuo).value_or(QString())));
    destino.calcular();
}

} // namespace vorlo::caso

#include "pipe_case.h"

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
    destino.calcular();
}

} // namespace vorlo::caso

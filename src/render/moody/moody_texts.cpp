#include "moody/moody_texts.h"

#include "pipeflow/friccion_exacta.h"
#include "pipeflow/regimen.h"

namespace vorlo {

const TextosMoody &textosMoody(Lengua lengua) {
    static const TextosMoody es = {
        QStringLiteral("Número de Reynolds Re"),
        QStringLiteral("Factor de fricción de Darcy f"),
        QStringLiteral("Laminar %1/Re").arg(kFactorLaminar),
        QStringLiteral("Zona de transición %1–%2").arg(kReLaminar).arg(kReTurbulento),
        QStringLiteral("Fuera de la malla %1").arg(friccion::textoMalla()),
        QStringLiteral("ε/D de la tubería = %1"),
        QStringLiteral("Punto de funcionamiento (Re, f)"),
        QStringLiteral("Raíz exacta de Colebrook"),
        QStringLiteral("liso"),
        QStringLiteral("Guardar imagen"),
        QStringLiteral("Imagen PNG (*.png)"),
        QStringLiteral("Imagen SVG (*.svg)"),
        QStringLiteral("No se ha podido guardar la imagen en %1"),
    };
    static const TextosMoody en = {
        QStringLiteral("Reynolds number Re"),
        QStringLiteral("Darcy friction factor f"),
        QStringLiteral("Laminar %1/Re").arg(kFactorLaminar),
        QStringLiteral("Transition zone %1–%2").arg(kReLaminar).arg(kReTurbulento),
        QStringLiteral("Outside the grid %1").arg(friccion::textoMalla()),
        QStringLiteral("Pipe's ε/D = %1"),
        QStringLiteral("Operating point (Re, f)"),
        QStringLiteral("Exact Colebrook root"),
        QStringLiteral("smooth"),
        QStringLiteral("Save image"),
        QStringLiteral("PNG image (*.png)"),
        QStringLiteral("SVG image (*.svg)"),
        QStringLiteral("The image could not be saved to %1"),
    };
    return lengua == Lengua::Ingles ? en : es;
}

} // namespace vorlo

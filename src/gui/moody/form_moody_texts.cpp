#include "form_moody_texts.h"

namespace vorlo {

const QList<TextoControl> &textosFormMoody() {
    using T = TextoControl;
    static const QList<TextoControl> tabla = {
        {QString(), T::Titulo, QStringLiteral("Diagrama de Moody"), QStringLiteral("Moody chart")},
        {QStringLiteral("CommandGuardarImagen"), T::Texto, QStringLiteral("Guardar imagen…"),
         QStringLiteral("Save image…")},
        {QStringLiteral("CommandGuardarImagen"), T::Tooltip,
         QStringLiteral("Guarda el diagrama como imagen PNG o SVG"),
         QStringLiteral("Saves the chart as a PNG or SVG image")},
    };
    return tabla;
}

const TextosMoody &textosMoody(Lengua lengua) {
    static const TextosMoody es = {
        QStringLiteral("Número de Reynolds Re"),
        QStringLiteral("Factor de fricción de Darcy f"),
        QStringLiteral("Laminar 64/Re"),
        QStringLiteral("Zona de transición 2000–4000"),
        QStringLiteral("Fuera de la malla 0,01–0,1"),
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
        QStringLiteral("Laminar 64/Re"),
        QStringLiteral("Transition zone 2000–4000"),
        QStringLiteral("Outside the grid 0,01–0,1"),
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

#include "form_dimensionado_texts.h"

#include "pipes/pipe_sizes.h"
#include "sizing/sizing_fields.h"

namespace vorlo {

namespace {

using T = TextoControl;

QList<TextoControl> construir() {
    const TablaCampos &tabla = tablaDimensionado();
    QList<TextoControl> l = {
        {QString(), T::Titulo, QStringLiteral("Dimensionado de línea"),
         QStringLiteral("Line sizing")},
        {QStringLiteral("EtiquetaTuberiaDim"), T::Texto, QStringLiteral("TUBERÍA"),
         QStringLiteral("PIPE")},
        {QStringLiteral("EtiquetaNormaDim"), T::Texto, rotulosTuberia::Norma.espanol,
         rotulosTuberia::Norma.ingles},
        {QStringLiteral("EtiquetaCedulaDim"), T::Texto, rotulosTuberia::Cedula.espanol,
         rotulosTuberia::Cedula.ingles},
        {QStringLiteral("EtiquetaEleccionDim"), T::Texto, QStringLiteral("Tamaño elegido:"),
         QStringLiteral("Picked size:")},
        {QStringLiteral("UsarDim"), T::Texto, QStringLiteral("Usar en la tubería"),
         QStringLiteral("Use in pipe window")},
        {QStringLiteral("UsarDim"), T::Tooltip,
         QStringLiteral("Lleva el diámetro interior del tamaño elegido a la ventana de flujo en "
                        "tuberías"),
         QStringLiteral("Takes the picked size's inside diameter to the pipe flow window")},
        {QStringLiteral("TablaDim"), T::Tooltip,
         QStringLiteral("Doble clic en una fila: su diámetro interior a la ventana de flujo en "
                        "tuberías"),
         QStringLiteral("Double-click a row: its inside diameter to the pipe flow window")},
    };
    for (const Campo &c : tabla.campos())
        if (!c.magnitud.isEmpty())
            l.append({c.controlUnidad, T::Tooltip, QStringLiteral("Pulsar para otras unidades"),
                      QStringLiteral("Press for other units")});
    return textosDeCampos(tabla) + l;
}

} // namespace

const QList<TextoControl> &textosFormDimensionado() {
    static const QList<TextoControl> tabla = construir();
    return tabla;
}

const TextoBilingue &textoSinLimite() {
    static const TextoBilingue t{QStringLiteral("sin límite"), QStringLiteral("no limit")};
    return t;
}

} // namespace vorlo

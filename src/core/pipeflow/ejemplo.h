#pragma once

#include "fields/field_texts.h"
#include "pipeflow/pipe_fields.h"

#include <QList>
#include <QString>

// The worked example the README, the tour, the tests and the benchmarks share: 36 m3/h of water
// (998 kg/m3, 0,001 Pa·s) through 100 m of 100 mm pipe with 0,05 mm roughness, 5 m up; one
// swing check valve gives a K total of 2. Liquids mode, dynamic viscosity.
namespace vorlo::tuberia {

struct TextoEjemplo {
    QString campo;
    QString texto;
};

// The inputs as a user types them, in the window's order (the K total comes from the fittings
// window, apart).
inline const QList<TextoEjemplo> &ejemplo() {
    static const QList<TextoEjemplo> l = {
        {Qproceso, QStringLiteral("36")},     {dproceso, QStringLiteral("998")},
        {vdinamica, QStringLiteral("0,001")}, {dint, QStringLiteral("100")},
        {Rugosidad, QStringLiteral("0,05")},  {L, QStringLiteral("100")},
        {Desnivel, QStringLiteral("5")}};
    return l;
}
inline const QString kKTotalEjemplo = QStringLiteral("2");

// The example as field texts for a pass, the K total with it.
inline CamposMapa ejemploComoCampos() {
    CamposMapa c;
    for (const TextoEjemplo &t : ejemplo())
        c.escribir(t.campo, t.texto);
    c.escribir(ktotal, kKTotalEjemplo);
    c.fijarOpcion(Option1, true);
    c.fijarOpcion(Option3, true);
    return c;
}

} // namespace vorlo::tuberia

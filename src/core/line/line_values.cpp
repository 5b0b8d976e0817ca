#include "line_values.h"

#include "line/line_fields.h"

#include <QHash>

namespace vorlo::linea {

namespace {

using Lectura = std::optional<double> (*)(const Resultado &);

std::optional<double> deBomba(const Resultado &r, double Bomba::*m) {
    return r.bomba ? std::optional(*r.bomba.*m) : std::nullopt;
}
std::optional<double> deBombaOpcional(const Resultado &r, std::optional<double> Bomba::*m) {
    return r.bomba ? *r.bomba.*m : std::nullopt;
}

const QHash<QString, Lectura> &lecturas() {
    static const QHash<QString, Lectura> l = {
        {QLineaCalc,
         [](const Resultado &r) { return r.caudalResuelto ? std::optional(r.q) : std::nullopt; }},
        {DPFriccionLinea, [](const Resultado &r) { return std::optional(r.dpFriccion); }},
        {DPAccesoriosLinea, [](const Resultado &r) { return std::optional(r.dpAccesorios); }},
        {DPEstaticaLinea, [](const Resultado &r) { return std::optional(r.dpEstatica); }},
        {DPEquiposLinea, [](const Resultado &r) { return std::optional(r.dpEquipos); }},
        {DPLineaTotal, [](const Resultado &r) { return std::optional(r.dpTotal); }},
        {PFinCalc, [](const Resultado &r) { return std::optional(r.pFin); }},
        {PSuccion, [](const Resultado &r) { return deBomba(r, &Bomba::pSuccion); }},
        {PDescarga, [](const Resultado &r) { return deBomba(r, &Bomba::pDescarga); }},
        {DPBomba, [](const Resultado &r) { return deBomba(r, &Bomba::dp); }},
        {AlturaBomba, [](const Resultado &r) { return deBomba(r, &Bomba::tdh); }},
        {NPSHd, [](const Resultado &r) { return deBombaOpcional(r, &Bomba::npsha); }},
        {MargenNPSH, [](const Resultado &r) { return deBombaOpcional(r, &Bomba::margen); }},
        {PotenciaHidraulica,
         [](const Resultado &r) { return deBomba(r, &Bomba::potenciaHidraulica); }},
        {PotenciaEje, [](const Resultado &r) { return deBombaOpcional(r, &Bomba::potenciaEje); }},
        {PuntoOperacion,
         [](const Resultado &r) {
             return r.bomba && r.bomba->operacion ? std::optional(r.bomba->operacion->q)
                                                  : std::nullopt;
         }},
        {AlturaOperacion,
         [](const Resultado &r) {
             return r.bomba && r.bomba->operacion ? std::optional(r.bomba->operacion->h)
                                                  : std::nullopt;
         }},
    };
    return l;
}

} // namespace

std::optional<double> valorResultado(const QString &campo, const Resultado &r) {
    if (!r.valido())
        return std::nullopt;
    const Lectura l = lecturas().value(campo);
    return l ? l(r) : std::nullopt;
}

std::optional<double> valorLinea(const QString &campo, const Resultado &r) {
    if (campo == QLineaCalc && r.valido())
        return r.q;
    return valorResultado(campo, r);
}

std::optional<double> valorColumna(int columna, const Tramo &t, const EstadoTramo &e) {
    const double valores[] = {t.dintMm,   t.longitud,   t.dz,           t.rugosidadMm,
                              t.k,        t.equipoBar,  e.velocidad,    e.re,
                              e.f,        e.dpFriccion, e.dpAccesorios, e.dpEstatica,
                              e.dpEquipo, e.dpTotal,    e.pEntrada,     e.pSalida};
    if (columna < 0 || columna >= int(std::size(valores)))
        return std::nullopt;
    return valores[columna];
}

} // namespace vorlo::linea

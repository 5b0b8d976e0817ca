#pragma once

#include "gas/gas_state.h"

#include <QString>
#include <QStringList>
#include <optional>

// The gas window's decisions as data: which inputs a computed field needs, the colours of the
// reset and which fields each action writes.
namespace vorlo::form2 {

// The hint a highlight shows on the help line.
enum class Pista { SinCambio, Densidad, CaudalProceso, CaudalNormalizado };

struct Resaltado {
    QStringList rojos;
    Pista pista;
};

// What a pointer over `control` does in mode `modo`; nullopt where nothing happens.
std::optional<Resaltado> resaltado(const QString &control, int modo);

// Colours of the reset over the background: always white, always blue, and by mode.
inline const QStringList kBlancosSiempre = {
    gas::Zref, gas::Pproceso, gas::tref,    gas::dref,    gas::Zproceso,
    gas::Pref, gas::tproceso, gas::P_paraQ, gas::Z_paraQ, gas::T_paraQ};
inline const QStringList kAzulesSiempre = {gas::dproceso};
// Blue in mode 1, white in mode 2; Qnormales the other way round.
inline const QStringList kResultadosModo1 = {gas::Qproceso, gas::Qprocesomasico};

// Clearing, in the order the writes happen (each one recalculates).
struct Escritura {
    QString campo;
    QString texto;
};
const QList<Escritura> &borrado();
// What a switch of mode writes after clearing.
const QList<Escritura> &cambioDeModo();

// The unit buttons, from the field table: button, its field and the quantity kind the
// converter opens with.
struct BotonUnidad {
    QString boton;
    QString campo;
    QString magnitud;
};
const QList<BotonUnidad> &botonesUnidad();

// The three compressibility factors.
inline const QStringList kFactoresZ = {gas::Zref, gas::Zproceso, gas::Z_paraQ};
// Shown only while the compressibility factor is considered (Check1): the factors and their
// captions.
inline const QStringList kCompresibilidad = [] {
    QStringList l;
    for (const QString &z : kFactoresZ)
        l << gas::tabla().campo(z)->etiqueta << z;
    return l;
}();

} // namespace vorlo::form2

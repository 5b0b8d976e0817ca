#pragma once

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
inline const QStringList kBlancosSiempre = {QStringLiteral("Zref"),     QStringLiteral("Pproceso"),
                                            QStringLiteral("tref"),     QStringLiteral("dref"),
                                            QStringLiteral("Zproceso"), QStringLiteral("Pref"),
                                            QStringLiteral("tproceso"), QStringLiteral("P_paraQ"),
                                            QStringLiteral("Z_paraQ"),  QStringLiteral("T_paraQ")};
inline const QStringList kAzulesSiempre = {QStringLiteral("dproceso")};
// Blue in mode 1, white in mode 2; Qnormales the other way round.
inline const QStringList kResultadosModo1 = {QStringLiteral("Qproceso"),
                                             QStringLiteral("Qprocesomasico")};

// Clearing, in the order the writes happen (each one recalculates).
struct Escritura {
    QString campo;
    QString texto;
};
const QList<Escritura> &borrado();
// What a switch of mode writes after clearing.
const QList<Escritura> &cambioDeModo();

// The unit buttons: button, its field and the quantity kind the converter opens with.
struct BotonUnidad {
    QString boton;
    QString campo;
    QString magnitud;
};
const QList<BotonUnidad> &botonesUnidad();

// Shown only while the compressibility factor is considered.
inline const QStringList kCompresibilidad = {QStringLiteral("Label6"),  QStringLiteral("Zref"),
                                             QStringLiteral("Label16"), QStringLiteral("Zproceso"),
                                             QStringLiteral("Label27"), QStringLiteral("Z_paraQ")};

} // namespace vorlo::form2

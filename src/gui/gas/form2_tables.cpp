#include "form2_tables.h"

#include "gas/gas_state.h"

namespace vorlo::form2 {

using namespace vorlo::gas;

std::optional<Resaltado> resaltado(const QString &control, int modo) {
    if (control == dproceso)
        return Resaltado{{Zref, Pproceso, tref, dref, Zproceso, Pref, tproceso}, Pista::Densidad};
    if (control == Qproceso && modo == kModoNormalizado)
        return Resaltado{{Zproceso, Qnormales, P_paraQ, Z_paraQ, Pproceso, T_paraQ, tproceso},
                         Pista::CaudalProceso};
    if (control == Qnormales && modo == kModoProceso)
        return Resaltado{{Zproceso, Qproceso, P_paraQ, Z_paraQ, Pproceso, T_paraQ, tproceso},
                         Pista::CaudalNormalizado};
    if (control == Qprocesomasico || control == QLatin1String("Command3"))
        return Resaltado{{Qproceso, dproceso}, Pista::SinCambio};
    return std::nullopt;
}

const QList<Escritura> &borrado() {
    static const QList<Escritura> lista = {
        {dref, {}},
        {Zref, QStringLiteral("1")},
        {Pref, QStringLiteral("1,01325")},
        {tref, {}},
        // The process pressure comes back as 20 bar a, not empty.
        {Pproceso, QStringLiteral("20")},
        {tproceso, {}},
        {Zproceso, QStringLiteral("1")},
        {dproceso, {}},
        {Qnormales, {}},
        {P_paraQ, QStringLiteral("1,01325")},
        {T_paraQ, {}},
        {Z_paraQ, QStringLiteral("1")},
        {Qproceso, {}},
        {Qprocesomasico, {}},
    };
    return lista;
}

const QList<Escritura> &cambioDeModo() {
    static const QList<Escritura> lista = {
        {Qnormales, {}}, {P_paraQ, QStringLiteral("1,01325")},
        {T_paraQ, {}},   {Z_paraQ, QStringLiteral("1")},
        {Qproceso, {}},  {Qprocesomasico, {}},
    };
    return lista;
}

const QList<BotonUnidad> &botonesUnidad() {
    static const QString densidad = QStringLiteral("DENSIDAD");
    static const QString presion = QStringLiteral("PRESION");
    static const QString temperatura = QStringLiteral("TEMPERATURA");
    static const QString caudal = QStringLiteral("CAUDAL");
    static const QList<BotonUnidad> lista = {
        {QStringLiteral("Command6"), dref, densidad},
        {QStringLiteral("Command7"), Pref, presion},
        {QStringLiteral("Command8"), tref, temperatura},
        {QStringLiteral("Command9"), Pproceso, presion},
        {QStringLiteral("Command10"), tproceso, temperatura},
        {QStringLiteral("Command11"), dproceso, densidad},
        {QStringLiteral("Command12"), Qnormales, caudal},
        {QStringLiteral("Command14"), P_paraQ, presion},
        {QStringLiteral("Command13"), T_paraQ, temperatura},
        {QStringLiteral("Command15"), Qproceso, caudal},
        {QStringLiteral("Command16"), Qprocesomasico, QStringLiteral("CAUDAL_MASICO")},
    };
    return lista;
}

} // namespace vorlo::form2

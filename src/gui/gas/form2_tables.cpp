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
    static const QList<BotonUnidad> lista = [] {
        QList<BotonUnidad> l;
        for (const Campo &c : gas::tabla().campos())
            if (!c.magnitud.isEmpty())
                l.append({c.controlUnidad, c.nombre, c.magnitud});
        return l;
    }();
    return lista;
}

} // namespace vorlo::form2

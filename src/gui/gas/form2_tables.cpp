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
        {Zref, textoInicial(Zref)},
        {Pref, textoInicial(Pref)},
        {tref, {}},
        // The process pressure comes back as 20 bar a, not empty.
        {Pproceso, QStringLiteral("20")},
        {tproceso, {}},
        {Zproceso, textoInicial(Zproceso)},
        {dproceso, {}},
        {Qnormales, {}},
        {P_paraQ, textoInicial(P_paraQ)},
        {T_paraQ, {}},
        {Z_paraQ, textoInicial(Z_paraQ)},
        {Qproceso, {}},
        {Qprocesomasico, {}},
    };
    return lista;
}

const QList<Escritura> &cambioDeModo() {
    static const QList<Escritura> lista = {
        {Qnormales, {}}, {P_paraQ, textoInicial(P_paraQ)},
        {T_paraQ, {}},   {Z_paraQ, textoInicial(Z_paraQ)},
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

#include "form_reynolds_tables.h"

#include "pipeflow/friccion_exacta.h"

namespace vorlo::reynolds {

QStringList necesarios(const QString &campo, bool opcion3, bool opcion4, bool reBajo2000) {
    if (campo == QLatin1String("Vproceso"))
        return {tuberia::Qproceso, tuberia::dint};
    if (campo == QLatin1String("Re")) {
        if (opcion3)
            return {tuberia::Vproceso, tuberia::dint, tuberia::dproceso, tuberia::vdinamica};
        if (opcion4)
            return {tuberia::Vproceso, tuberia::dint, tuberia::Vcinematica};
        return {};
    }
    if (campo == QLatin1String("ffinal")) {
        if (reBajo2000)
            return {tuberia::Re};
        return {tuberia::Re, tuberia::Rugosidad, tuberia::dint};
    }
    if (campo == tuberia::fexacta)
        return {tuberia::Re, tuberia::Rugosidad, tuberia::dint};
    if (campo == QLatin1String("DP") || campo == QLatin1String("DPbar"))
        return {tuberia::dint, tuberia::dproceso, tuberia::Vproceso, tuberia::ffinal};
    if (campo == QLatin1String("DPbarTotal"))
        return {tuberia::L, tuberia::DPbar, tuberia::Desnivel};
    if (campo == QLatin1String("PerdidaAccesorios"))
        return {tuberia::ktotal, tuberia::dproceso, tuberia::Vproceso};
    if (campo == QLatin1String("PcargaTuberiaYaccesorios"))
        return {tuberia::PerdidaAccesorios, tuberia::DPbarTotal};
    if (campo == QLatin1String("Command3"))
        return {tuberia::Vproceso, tuberia::dproceso};
    return {};
}

} // namespace vorlo::reynolds

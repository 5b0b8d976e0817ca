#include "form_reynolds_tables.h"

namespace vorlo::reynolds {

QStringList necesarios(const QString &campo, bool opcion3, bool opcion4, bool reBajo2000) {
    if (campo == QLatin1String("Vproceso"))
        return {QStringLiteral("Qproceso"), QStringLiteral("dint")};
    if (campo == QLatin1String("Re")) {
        if (opcion3)
            return {QStringLiteral("Vproceso"), QStringLiteral("dint"), QStringLiteral("dproceso"),
                    QStringLiteral("vdinamica")};
        if (opcion4)
            return {QStringLiteral("Vproceso"), QStringLiteral("dint"),
                    QStringLiteral("Vcinematica")};
        return {};
    }
    if (campo == QLatin1String("ffinal")) {
        if (reBajo2000)
            return {QStringLiteral("Re")};
        return {QStringLiteral("Re"), QStringLiteral("Rugosidad"), QStringLiteral("dint")};
    }
    if (campo == QLatin1String("DP") || campo == QLatin1String("DPbar"))
        return {QStringLiteral("dint"), QStringLiteral("dproceso"), QStringLiteral("Vproceso"),
                QStringLiteral("ffinal")};
    if (campo == QLatin1String("DPbarTotal"))
        return {QStringLiteral("L"), QStringLiteral("DPbar"), QStringLiteral("Desnivel")};
    if (campo == QLatin1String("PerdidaAccesorios"))
        return {QStringLiteral("ktotal"), QStringLiteral("dproceso"), QStringLiteral("Vproceso")};
    if (campo == QLatin1String("PcargaTuberiaYaccesorios"))
        return {QStringLiteral("PerdidaAccesorios"), QStringLiteral("DPbarTotal")};
    if (campo == QLatin1String("Command3"))
        return {QStringLiteral("Vproceso"), QStringLiteral("dproceso")};
    return {};
}

} // namespace vorlo::reynolds

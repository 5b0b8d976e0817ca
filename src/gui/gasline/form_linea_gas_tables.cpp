#include "form_linea_gas_tables.h"

namespace vorlo::lineagas::campos {

QStringList todos() {
    return {P1Linea, Densidad1,   DLinea,     RugLinea, ViscLinea, LLinea,  MasicoLinea, P2Linea,
            fLinea,  DeltaPLinea, DeltaPPorc, ReLinea,  V1Linea,   V2Linea, VLimite};
}

QStringList entradas(bool calcularP2, bool friccionDada) {
    QStringList e = {P1Linea, Densidad1, DLinea, RugLinea, ViscLinea, LLinea};
    e << (calcularP2 ? MasicoLinea : P2Linea);
    if (friccionDada)
        e << fLinea;
    return e;
}

QStringList necesarios(const QString &campo, bool calcularP2, bool friccionDada) {
    if (entradas(calcularP2, friccionDada).contains(campo))
        return {};
    // The whole line: what the flow equation needs, with the friction given or from Colebrook.
    QStringList linea = {P1Linea, Densidad1, DLinea, LLinea, calcularP2 ? MasicoLinea : P2Linea};
    if (friccionDada)
        linea << fLinea;
    else
        linea << RugLinea << ViscLinea;

    if (campo == VLimite)
        return {P1Linea, Densidad1};
    if (campo == P2Linea || campo == MasicoLinea || campo == V2Linea)
        return linea;
    if (campo == DeltaPLinea || campo == DeltaPPorc)
        return calcularP2 ? linea : QStringList{P1Linea, P2Linea};
    // Solving for P2, the flow given fixes these without the rest of the line.
    if (campo == V1Linea)
        return calcularP2 ? QStringList{MasicoLinea, Densidad1, DLinea} : linea;
    if (campo == ReLinea) {
        if (calcularP2)
            return {MasicoLinea, DLinea, ViscLinea};
        if (!linea.contains(ViscLinea))
            linea << ViscLinea;
        return linea;
    }
    if (campo == fLinea)
        return calcularP2 ? QStringList{MasicoLinea, DLinea, ViscLinea, RugLinea} : linea;
    return {};
}

int decimales(const QString &campo) {
    if (campo == P2Linea || campo == DeltaPLinea)
        return 4;
    if (campo == DeltaPPorc)
        return 1;
    if (campo == ReLinea)
        return 0;
    if (campo == fLinea)
        return 6;
    return 2; // the mass flow and the velocities
}

} // namespace vorlo::lineagas::campos

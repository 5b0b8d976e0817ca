#include "catalogues.h"

namespace vorlo {

const QList<Material> &catalogoMateriales() {
    static const QList<Material> tabla = {
        {{QStringLiteral("Acero"), QStringLiteral("Steel")}, 0.046},
        {{QStringLiteral("Acero Galvanizado"), QStringLiteral("Galvanized Steel")}, 0.15},
        {{QStringLiteral("Acero Inoxidable"), QStringLiteral("Stainless Steel")}, 0.045},
        {{QStringLiteral("Cobre"), QStringLiteral("Copper")}, 0.0015},
        {{QStringLiteral("Fundición"), QStringLiteral("Cast")}, 0.26},
        {{QStringLiteral("Hormigón"), QStringLiteral("Concrete")}, 0.4},
        {{QStringLiteral("Polietileno"), QStringLiteral("Polyethylene")}, 0.001},
        {{QStringLiteral("PVC"), QStringLiteral("PVC")}, 0.005},
        {{QStringLiteral("Vidrio"), QStringLiteral("Glass")}, 0.0001},
    };
    return tabla;
}

// The temperatures are padded so that the numbers line up in the list.
const QList<Liquido> &catalogoLiquidos() {
    static const QList<Liquido> tabla = {
        {{QStringLiteral("Agua   0ºC"), QStringLiteral("Water   0ºC")}, 999.8, 0.001792},
        {{QStringLiteral("Agua   5ºC"), QStringLiteral("Water   5ºC")}, 1000, 0.001519},
        {{QStringLiteral("Agua  10ºC"), QStringLiteral("Water  10ºC")}, 999.7, 0.0013067},
        {{QStringLiteral("Agua  15ºC"), QStringLiteral("Water  15ºC")}, 999.1, 0.001139},
        {{QStringLiteral("Agua  20ºC"), QStringLiteral("Water  20ºC")}, 998.2, 0.001002},
        {{QStringLiteral("Agua  25ºC"), QStringLiteral("Water  25ºC")}, 997, 0.00089},
        {{QStringLiteral("Agua  30ºC"), QStringLiteral("Water  30ºC")}, 995.7, 0.0007978},
        {{QStringLiteral("Agua  40ºC"), QStringLiteral("Water  40ºC")}, 992.2, 0.0006527},
        {{QStringLiteral("Agua  50ºC"), QStringLiteral("Water  50ºC")}, 988, 0.0005471},
        {{QStringLiteral("Agua  60ºC"), QStringLiteral("Water  60ºC")}, 983.2, 0.0004668},
        {{QStringLiteral("Agua  70ºC"), QStringLiteral("Water  70ºC")}, 977.8, 0.0004044},
        {{QStringLiteral("Agua  80ºC"), QStringLiteral("Water  80ºC")}, 971.8, 0.000355},
        {{QStringLiteral("Agua  90ºC"), QStringLiteral("Water  90ºC")}, 965.3, 0.000315},
        {{QStringLiteral("Agua 100ºC"), QStringLiteral("Water 100ºC")}, 958.4, 0.000282},
    };
    return tabla;
}

// The trailing spaces of several texts belong to them.
const QList<GasCatalogo> &catalogoGases() {
    static const QList<GasCatalogo> tabla = {
        {QStringLiteral("Gas Natural S.G.=0.75  0ºC"), 1.064e-05},
        {QStringLiteral("Gas Natural S.G.=0.75 15ºC  "), 1.16142e-05},
        {QStringLiteral("Gas Natural S.G.=0.75 20ºC"), 1.12514e-05},
        {QStringLiteral("Aire  0ºC"), 1.72e-05},
        {QStringLiteral("Aire 10ºC "), 1.7703e-05},
        {QStringLiteral("Aire 20ºC"), 1.8198e-05},
        {QStringLiteral("Aire 30ºC "), 1.8684e-05},
        {QStringLiteral("Aire 40ºC"), 1.9164e-05},
        {QStringLiteral("Aire 50ºC"), 1.9635e-05},
        {QStringLiteral("Vapor 150ºC "), 1.41812e-05},
        {QStringLiteral("Vapor 200ºC "), 1.61752e-05},
        {QStringLiteral("Vapor 250ºC "), 1.82183e-05},
        {QStringLiteral("Vapor 300ºC "), 2.02883e-05},
        {QStringLiteral("Vapor 350ºC "), 2.2369e-05},
        {QStringLiteral("Vapor 400ºC "), 2.44487e-05},
        {QStringLiteral("Vapor 450ºC "), 2.65187e-05},
        {QStringLiteral("Vapor 500ºC "), 2.85725e-05},
    };
    return tabla;
}

} // namespace vorlo

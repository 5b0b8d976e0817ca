#include "sizing_services.h"

namespace vorlo {

const QList<ServicioDimensionado> &serviciosDimensionado() {
    // Each limit is the upper end of the published typical range (docs/sizing-services.md).
    static const QList<ServicioDimensionado> servicios = {
        {QStringLiteral("pump-suction"),
         {QStringLiteral("Aspiración de bomba"), QStringLiteral("Pump suction")},
         1.5,
         0.3},
        {QStringLiteral("pump-discharge"),
         {QStringLiteral("Impulsión de bomba"), QStringLiteral("Pump discharge")},
         3.0,
         1.0},
        {QStringLiteral("gravity-drain"),
         {QStringLiteral("Drenaje por gravedad"), QStringLiteral("Gravity drain")},
         0.6,
         0.025},
        {QStringLiteral("cooling-water"),
         {QStringLiteral("Agua de refrigeración"), QStringLiteral("Cooling water")},
         3.5,
         0.2},
        {QStringLiteral("steam"),
         {QStringLiteral("Vapor saturado"), QStringLiteral("Saturated steam")},
         30.0,
         std::nullopt},
        {QStringLiteral("gas"),
         {QStringLiteral("Gas (más de 5 bar g)"), QStringLiteral("Gas (above 5 bar g)")},
         20.0,
         std::nullopt},
    };
    return servicios;
}

const ServicioDimensionado *servicioDimensionado(const QString &clave) {
    for (const ServicioDimensionado &s : serviciosDimensionado())
        if (s.clave == clave)
            return &s;
    return nullptr;
}

const TextoBilingue &rotuloServicio() {
    static const TextoBilingue t{QStringLiteral("Servicio"), QStringLiteral("Service")};
    return t;
}

} // namespace vorlo

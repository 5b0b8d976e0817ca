#include "fitting_rows.h"

#include "fittings/k_factors.h"

namespace vorlo {

namespace {

struct Fila {
    const char16_t *espanol;
    const char16_t *ingles;
};

// The English titles of the two groups differ.
constexpr Fila kRoscadas[] = {
    {u"Codo 90º", u"Elbow 90º"},
    {u"Codo 90º Largo", u"Elbow 90º long"},
    {u"Codo 45º", u"Elbow 45º"},
    {u"Curva 180º", u"Return Bend"},
    {u"Te (en línea)", u"Tee - Line"},
    {u"Te (ramificación)", u"Tee - Branch"},
    {u"Válvula de globo", u"Globe valve"},
    {u"Válvula de compuerta", u"Gate valve"},
    {u"Válvula en ángulo", u"Angle valve"},
    {u"Válvula antirretorno (clapeta)", u"Swing check valve"},
};
constexpr Fila kBridadas[] = {
    {u"Codo 90º", u"Elbow 90º"},
    {u"Codo 90º Largo", u"Elbow 90º long"},
    {u"Codo 45º largo", u"Elbow 45º long"},
    {u"Curva 180º", u"Return bend Standard"},
    {u"Curva 180º radio largo", u"Return bend long rad."},
    {u"Te (en línea)", u"Tee-Line"},
    {u"Te (ramificación)", u"Tee-Branch"},
    {u"Válvula de globo", u"Globe valve"},
    {u"Válvula de compuerta", u"Gate valve"},
    {u"Válvula en ángulo", u"Angle valve"},
    {u"Válvula antirretorno (clapeta)", u"Swing check valve"},
};
static_assert(std::size(kRoscadas) == accesorios::kPrimeraBridada - accesorios::kPrimeraRoscada);
static_assert(std::size(kBridadas) == accesorios::kPrimeraUsuario - accesorios::kPrimeraBridada);

} // namespace

const QList<FilaAccesorio> &filasAccesorios() {
    static const QList<FilaAccesorio> filas = [] {
        QList<FilaAccesorio> t;
        const auto anadir = [&t](const Fila &f, Conexion c) {
            t.append({{QString::fromUtf16(f.espanol), QString::fromUtf16(f.ingles)}, c});
        };
        for (const Fila &f : kRoscadas)
            anadir(f, Conexion::Roscada);
        for (const Fila &f : kBridadas)
            anadir(f, Conexion::Bridada);
        return t;
    }();
    return filas;
}

TextoBilingue nombreConexion(Conexion conexion) {
    if (conexion == Conexion::Roscada)
        return {QStringLiteral("rosca"), QStringLiteral("threaded")};
    return {QStringLiteral("brida"), QStringLiteral("flanged")};
}

} // namespace vorlo

#include "conversionuds.h"

#include <array>
#include <string_view>

namespace vorlo {

namespace {

enum class Regla { Factor, Celsius, Kelvin, Fahrenheit, Rankine };

struct Unidad {
    std::u16string_view texto;
    Regla regla;
    double factor; // base units per unit (Factor units only)
};

struct Magnitud {
    std::u16string_view clave;
    std::size_t primera; // index of the base unit in kUnidades
    std::size_t cuantas;
};

// Every unit once, grouped by kind in list order. The factors are the program's own numbers:
// some are not derived from the others ("atm", "mmH2O", "kg·s/m2"), and they must stay so.
constexpr std::array<Unidad, 40> kUnidades{{
    // CAUDAL, base m3/h
    {u"m3/h", Regla::Factor, 1},
    {u"l/s", Regla::Factor, 3.6},
    {u"l/min", Regla::Factor, 0.06},
    {u"ft3/min", Regla::Factor, 1.6990107946294046},
    {u"ft3/h", Regla::Factor, 0.02831684659239177},
    // PRESION, base bar
    {u"bar", Regla::Factor, 1},
    {u"psi", Regla::Factor, 0.06894759},
    {u"kPa", Regla::Factor, 0.01},
    {u"MPa", Regla::Factor, 10},
    {u"kgf/cm2", Regla::Factor, 0.9806652},
    {u"mmHg", Regla::Factor, 0.001333219},
    {u"atm", Regla::Factor, 1.01324997},
    {u"mH2O", Regla::Factor, 0.098063827},
    {u"ftH2O", Regla::Factor, 0.0298889841},
    {u"cmHg", Regla::Factor, 0.013332199},
    {u"inHg", Regla::Factor, 0.033863789},
    {u"inH2O", Regla::Factor, 0.00249082},
    {u"Pa", Regla::Factor, 0.00001},
    {u"mmH2O", Regla::Factor, 0.000098063},
    // TEMPERATURA, base ºC (masculine ordinal sign U+00BA)
    {u"\u00baC", Regla::Celsius, 1},
    {u"\u00baK", Regla::Kelvin, 1},
    {u"\u00baF", Regla::Fahrenheit, 1},
    {u"\u00baR", Regla::Rankine, 1},
    // DENSIDAD, base kg/m3
    {u"kg/m3", Regla::Factor, 1},
    {u"g/ml", Regla::Factor, 1000},
    {u"lb/ft3", Regla::Factor, 16.018463373},
    {u"lb/in3", Regla::Factor, 27680},
    // CAUDAL_MASICO, base kg/h
    {u"kg/h", Regla::Factor, 1},
    {u"lb/h", Regla::Factor, 0.4536},
    {u"kg/s", Regla::Factor, 3600},
    {u"ton/h", Regla::Factor, 1000},
    // VISCOSIDAD, base Pa·s (middle dot U+00B7)
    {u"Pa\u00b7s", Regla::Factor, 1},
    {u"cp", Regla::Factor, 0.001},
    {u"poise", Regla::Factor, 0.1},
    {u"kg\u00b7s/m2", Regla::Factor, 9.81},
    // VISCOSIDADCINEMATICA, base m2/s
    {u"m2/s", Regla::Factor, 1},
    {u"stokes St", Regla::Factor, 0.0001},
    {u"cSt", Regla::Factor, 0.000001},
    {u"cm2/s", Regla::Factor, 0.0001},
    {u"ft2/s", Regla::Factor, 0.09290303999749462},
}};

constexpr std::array<Magnitud, 7> kMagnitudes{{
    {u"CAUDAL", 0, 5},
    {u"PRESION", 5, 14},
    {u"TEMPERATURA", 19, 4},
    {u"DENSIDAD", 23, 4},
    {u"CAUDAL_MASICO", 27, 4},
    {u"VISCOSIDAD", 31, 4},
    {u"VISCOSIDADCINEMATICA", 35, 5},
}};

std::u16string_view vista(const QString &s) {
    return {reinterpret_cast<const char16_t *>(s.utf16()), static_cast<std::size_t>(s.size())};
}

QString texto(std::u16string_view v) {
    return QString(reinterpret_cast<const QChar *>(v.data()), static_cast<qsizetype>(v.size()));
}

const Unidad *buscar(const QString &unidad) {
    const std::u16string_view v = vista(unidad);
    for (const Unidad &u : kUnidades)
        if (u.texto == v)
            return &u;
    return nullptr;
}

double haciaBase(double valor, const Unidad &u) {
    switch (u.regla) {
    case Regla::Factor:
        return valor * u.factor;
    case Regla::Celsius:
        return valor;
    case Regla::Kelvin:
        return valor - 273.15;
    case Regla::Fahrenheit:
        return (valor - 32) / 1.8;
    case Regla::Rankine:
        return valor / 1.8 - 273.15;
    }
    return 0;
}

double desdeBase(double base, const Unidad &u) {
    switch (u.regla) {
    case Regla::Factor:
        // A division by the factor itself: the reciprocal would round differently.
        return base / u.factor;
    case Regla::Celsius:
        return base;
    case Regla::Kelvin:
        return base + 273.15;
    case Regla::Fahrenheit:
        return base * 1.8 + 32;
    case Regla::Rankine:
        return (base + 273.15) * 1.8;
    }
    return 0;
}

} // namespace

QStringList magnitudes() {
    QStringList claves;
    for (const Magnitud &m : kMagnitudes)
        claves.append(texto(m.clave));
    return claves;
}

QStringList unidadesMagnitud(const QString &magnitud) {
    const std::u16string_view v = vista(magnitud);
    QStringList lista;
    for (const Magnitud &m : kMagnitudes) {
        if (m.clave != v)
            continue;
        for (std::size_t i = m.primera; i < m.primera + m.cuantas; ++i)
            lista.append(texto(kUnidades[i].texto));
    }
    return lista;
}

double convertiruds(double valor, const QString &desde, const QString &hacia) {
    // An unknown unit on either side gives 0, also towards a temperature unit (whose formula
    // would otherwise turn a base of 0 into 273.15 ºK).
    const Unidad *de = buscar(desde);
    const Unidad *a = buscar(hacia);
    if (!de || !a)
        return 0;
    return desdeBase(haciaBase(valor, *de), *a);
}

std::optional<double> ceroAbsoluto(const QString &unidad) {
    const Unidad *u = buscar(unidad);
    if (!u)
        return std::nullopt;
    switch (u->regla) {
    case Regla::Celsius:
        return -273.15;
    case Regla::Kelvin:
    case Regla::Rankine:
        return 0.0;
    case Regla::Fahrenheit:
        return -459.67;
    case Regla::Factor:
        break;
    }
    return std::nullopt;
}

} // namespace vorlo

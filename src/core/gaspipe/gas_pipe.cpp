#include "gas_pipe.h"

#include "gasline/gas_line.h"
#include "pipeflow/colebrook_exacto.h"
#include "pipeflow/regimen.h"

#include <cmath>
#include <numbers>

namespace vorlo::gasoducto {

namespace {

constexpr double kMenonPresion = 1e-3;  // kPa per Pa
constexpr double kMenonLongitud = 1e-3; // km per m
constexpr double kMenonDiametro = 1e3;  // mm per m
constexpr double kSegundosPorDia = 86400;

bool positivo(double x) {
    return std::isfinite(x) && x > 0;
}

Motivo validarGas(const Datos &d) {
    if (!positivo(d.sg))
        return Motivo::SGNoValida;
    if (!positivo(d.tK))
        return Motivo::TNoValida;
    if (!positivo(d.z))
        return Motivo::ZNoValida;
    if (!positivo(d.gamma))
        return Motivo::GammaNoValida;
    if (d.viscosidad && !positivo(*d.viscosidad))
        return Motivo::ViscosidadNoValida;
    return Motivo::Ninguno;
}

Motivo validarTramo(const Datos &d) {
    if (!positivo(d.dint))
        return Motivo::DiametroNoValido;
    if (!positivo(d.longitud))
        return Motivo::LongitudNoValida;
    if (d.rugosidad && !(std::isfinite(*d.rugosidad) && *d.rugosidad >= 0))
        return Motivo::RugosidadNoValida;
    if (d.eficiencia && !(positivo(*d.eficiencia) && *d.eficiencia <= 1))
        return Motivo::EficienciaNoValida;
    if (!positivo(d.tBaseK) || !positivo(d.pBase))
        return Motivo::BaseNoValida;
    if (!positivo(d.cErosional))
        return Motivo::CErosionalNoValida;
    return Motivo::Ninguno;
}

Motivo validarFlujo(const Datos &d) {
    if (!positivo(d.p1))
        return Motivo::P1NoValida;
    if (d.p2 && d.caudal)
        return Motivo::CaudalYP2;
    if (!d.p2 && !d.caudal)
        return Motivo::NiCaudalNiP2;
    if (d.p2 && !positivo(*d.p2))
        return Motivo::P2NoValida;
    if (d.p2 && !(*d.p2 < d.p1))
        return Motivo::P2NoMenorQueP1;
    if (d.caudal && !positivo(*d.caudal))
        return Motivo::CaudalNoValido;
    if (necesitaViscosidad(d.ecuacion) && !d.viscosidad)
        return Motivo::FaltaViscosidad;
    if (necesitaRugosidad(d.ecuacion) && !d.rugosidad)
        return Motivo::FaltaRugosidad;
    return Motivo::Ninguno;
}

double area(const Datos &d) {
    return std::numbers::pi * d.dint * d.dint / 4;
}

Resultado fallo(Motivo m) {
    Resultado r;
    r.motivo = m;
    return r;
}

// What an empirical equation's form makes of the data in its own units: the factor F with
// Q = F ((P1^2 - P2^2) scaled)^c, and the scale of P^2.
struct Termino {
    double factor = 0; // Q in m3/s per unit of the bracket to the power c
    double escalaP2 = 0;
    double divisor = 0; // SG^b T L Z in the form's units
};

Termino termino(const Forma &f, const Datos &d, double e) {
    const double fp = f.unidadesMenon ? kMenonPresion : 1;
    const double fl = f.unidadesMenon ? kMenonLongitud : 1;
    const double fd = f.unidadesMenon ? kMenonDiametro : 1;
    const double fq = f.unidadesMenon ? 1 / kSegundosPorDia : 1;
    Termino t;
    t.factor = fq * f.k * e * std::pow(d.tBaseK / (d.pBase * fp), f.a) *
               std::pow(d.dint * fd, f.d) / (f.m > 0 ? std::pow(*d.viscosidad, f.m) : 1);
    t.escalaP2 = fp * fp;
    t.divisor = std::pow(d.sg, f.b) * d.tK * d.longitud * fl * d.z;
    return t;
}

// Q from P2, or P2 from Q, by an empirical equation.
Resultado empirica(const Forma &f, const Datos &d, double e) {
    const Termino t = termino(f, d, e);
    Resultado r;
    if (d.p2) {
        // (P1 - P2)(P1 + P2) keeps the digits of a small drop.
        const double dif = (d.p1 - *d.p2) * (d.p1 + *d.p2) * t.escalaP2;
        r.caudal = t.factor * std::pow(dif / t.divisor, f.c);
        r.p2 = *d.p2;
        if (!positivo(r.caudal))
            return fallo(Motivo::SinSolucion);
    } else {
        const double dif = std::pow(*d.caudal / t.factor, 1 / f.c) * t.divisor / t.escalaP2;
        if (!std::isfinite(dif))
            return fallo(Motivo::SinSolucion);
        const double p2Cuadrado = d.p1 * d.p1 - dif;
        if (!(p2Cuadrado > 0))
            return fallo(Motivo::CaudalExcesivo);
        r.caudal = *d.caudal;
        r.p2 = std::sqrt(p2Cuadrado);
    }
    r.eficiencia = e;
    return r;
}

// The Darcy f at a Reynolds number: 64/Re in laminar flow, else the Colebrook root.
lineagas::FuncionFriccion friccion(double rugosidadMm, double dintMm) {
    return [rugosidadMm, dintMm](double re) -> std::optional<double> {
        if (re < kReLaminar)
            return kFactorLaminar / re;
        return colebrookExacto(rugosidadMm, dintMm, re);
    };
}

Resultado general(const Datos &d) {
    const double rhoBase = densidadBase(d);
    const lineagas::Linea linea{d.p1, densidad(d.p1, masaMolar(d.sg), d.z, d.tK), d.dint,
                                d.longitud, d.viscosidad};
    const lineagas::Friccion f = friccion(*d.rugosidad * 1e3, d.dint * 1e3);
    const lineagas::Solucion s = d.p2 ? lineagas::resolverMasico(linea, f, *d.p2)
                                      : lineagas::resolverP2(linea, f, *d.caudal * rhoBase);
    if (!s.estado) {
        Resultado r =
            fallo(s.motivo == lineagas::Motivo::Ahogada ? Motivo::Ahogada : Motivo::SinSolucion);
        if (s.ahogo) {
            r.caudalMaximo = s.ahogo->masicoMaximo / rhoBase;
            r.p2AhogoMaximo = s.ahogo->p2Ahogo;
        }
        return r;
    }
    Resultado r;
    r.caudal = s.estado->masico / rhoBase;
    r.p2 = s.estado->p2;
    r.re = s.estado->re;
    r.f = s.estado->f;
    r.eficiencia = 1;
    return r;
}

// The masses, densities, velocities and limits of a solved line.
Resultado completar(Resultado r, const Datos &d) {
    const double m = masaMolar(d.sg);
    r.masico = r.caudal * densidadBase(d);
    const double a = area(d);
    const auto sonido = limites::velocidadSonidoGas(d.gamma, d.z, d.tK, m);
    if (!sonido)
        return fallo(Motivo::SinSolucion);
    r.sonido = *sonido;
    const std::pair<Extremo *, double> extremos[] = {{&r.entrada, d.p1}, {&r.salida, r.p2}};
    for (const auto &[x, p] : extremos) {
        x->presion = p;
        x->densidad = densidad(p, m, d.z, d.tK);
        const auto l =
            limites::limitesEn(r.masico / (a * x->densidad), x->densidad, r.sonido, d.cErosional);
        if (!l)
            return fallo(Motivo::SinSolucion);
        x->limites = *l;
    }
    // The isothermal limit velocity is sqrt(P / rho) = sqrt(Z R T / M) all along.
    r.p2Ahogo = r.masico / a * std::sqrt(d.z * limites::kR * d.tK / m);
    for (double v : {r.caudal, r.p2, r.masico, r.entrada.densidad, r.salida.densidad, r.p2Ahogo})
        if (!positivo(v))
            return fallo(Motivo::SinSolucion);
    return r;
}

} // namespace

double eficienciaDefecto(Ecuacion e) {
    switch (e) {
    case Ecuacion::General:
    case Ecuacion::Igt:
        return 1;
    default:
        return 0.92;
    }
}

bool necesitaViscosidad(Ecuacion e) {
    return e == Ecuacion::General || e == Ecuacion::Igt;
}

bool necesitaRugosidad(Ecuacion e) {
    return e == Ecuacion::General;
}

std::optional<Forma> forma(Ecuacion e) {
    // Menon, Gas Pipeline Hydraulics (2005), SI forms; IGT with Z beside T, in base SI.
    switch (e) {
    case Ecuacion::Weymouth:
        return Forma{3.7435e-3, 1, 1, 0.5, 2.667, 0, true};
    case Ecuacion::PanhandleA:
        return Forma{4.5965e-3, 1.0788, 0.8539, 0.5394, 2.6182, 0, true};
    case Ecuacion::PanhandleB:
        return Forma{1.002e-2, 1.02, 0.961, 0.51, 2.53, 0, true};
    case Ecuacion::Igt:
        return Forma{24.6241, 1, 0.8, 5.0 / 9, 8.0 / 3, 1.0 / 9, false};
    case Ecuacion::General:
        break;
    }
    return std::nullopt;
}

double masaMolar(double sg) {
    return sg * limites::kMasaMolarAire;
}

double densidad(double presion, double masaMolar, double z, double tK) {
    return presion * masaMolar / (z * limites::kR * tK);
}

double densidadBase(const Datos &d) {
    return densidad(d.pBase, masaMolar(d.sg), 1, d.tBaseK);
}

Motivo validar(const Datos &d) {
    for (Motivo m : {validarGas(d), validarTramo(d), validarFlujo(d)})
        if (m != Motivo::Ninguno)
            return m;
    return Motivo::Ninguno;
}

Resultado resolver(const Datos &d) {
    if (const Motivo m = validar(d); m != Motivo::Ninguno)
        return fallo(m);
    const std::optional<Forma> f = forma(d.ecuacion);
    const Resultado r =
        f ? empirica(*f, d, d.eficiencia.value_or(eficienciaDefecto(d.ecuacion))) : general(d);
    if (!r.valido())
        return r;
    return completar(r, d);
}

std::array<Resultado, 5> comparar(const Datos &d) {
    std::array<Resultado, 5> filas;
    for (std::size_t i = 0; i < kEcuaciones.size(); ++i) {
        Datos x = d;
        x.ecuacion = kEcuaciones[i];
        filas[i] = resolver(x);
    }
    return filas;
}

} // namespace vorlo::gasoducto

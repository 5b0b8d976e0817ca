#include "if97.h"

#include "water/if97_coefficients.h"
#include "water/if97_sums.h"

#include <algorithm>
#include <cmath>
#include <limits>

// Region 3: the Helmholtz equation phi(delta, tau) (Eq. 28) and its inversion for the density
// at a given (T, p).
namespace vorlo::agua {

namespace c = coeficientes;

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInfinito = std::numeric_limits<double>::infinity();

constexpr int kJMax3 = detalle::mayorJ(c::kRegion3);
constexpr int kIMax3 = detalle::mayorI(c::kRegion3);

using PotenciasTau = detalle::Potencias<0, kJMax3>;

// The sums of Eq. 28 without n1 ln delta, weighted by the exponents: with a = n delta^I tau^J,
// f = sum a, d = sum I a = delta phir_delta, dd = sum I (I - 1) a = delta^2 phir_deltadelta,
// t = sum J a = tau phi_tau, tt = sum J (J - 1) a = tau^2 phi_tautau, dt = sum I J a =
// delta tau phi_deltatau: the reduced forms Table 31 uses, with no division.
struct Sumas3 {
    double f = 0;
    double d = 0;
    double dd = 0;
    double t = 0;
    double tt = 0;
    double dt = 0;
};

// Only d and dd when Completas is false: what the density solver needs.
template <bool Completas> Sumas3 sumas3(double delta, const PotenciasTau &tau) {
    const detalle::Potencias<0, kIMax3> pd(delta);
    Sumas3 s;
    for (const c::Termino &t : c::kRegion3) {
        const double a = t.n * pd[t.i] * tau[t.j];
        s.d += t.i * a;
        s.dd += t.i * (t.i - 1) * a;
        if constexpr (Completas) {
            s.f += a;
            s.t += t.j * a;
            s.tt += t.j * (t.j - 1) * a;
            s.dt += t.i * t.j * a;
        }
    }
    return s;
}

// p(rho, T) of Eq. 28 in MPa, written once so that the solver's residual is the very number
// region3() returns as p.
double presion3(double rho, double t, double deltaPhiDelta) {
    return rho * kR * t * deltaPhiDelta / 1000;
}

// Densities that bracket every region-3 root at pressure p: T in region 3 lies between
// 623.15 K and the B23 temperature at p, and the density falls as T rises along an isobar.
// The margins cover the inconsistency of the neighbouring equations at the boundaries (below
// 0.05 % in v).
struct Intervalo {
    double bajo = 0;
    double alto = 0;
};

Intervalo intervaloRegion3(double p) {
    return {0.99 * region2(temperaturaB23(p), p).densidad(), 1.01 * region1(kT13, p).densidad()};
}

bool raizDeLiquido(double t, double p) {
    if (t >= kTc)
        return false;
    return p >= kPc || t <= temperaturaSaturacion(p);
}

} // namespace

Propiedades region3(double rho, double t) {
    const double delta = rho / kRhoc;
    const Sumas3 s = sumas3<true>(delta, PotenciasTau(kTc / t));
    const double n1 = c::kRegion3N1;
    const double phi = n1 * std::log(delta) + s.f;
    const double dpd = n1 + s.d;    // delta phi_delta
    const double d2pdd = s.dd - n1; // delta^2 phi_deltadelta
    const double rt = kR * t;
    Propiedades e; // Table 31
    e.t = t;
    e.p = presion3(rho, t, dpd);
    e.v = 1 / rho;
    e.u = rt * s.t;
    e.h = rt * (s.t + dpd);
    e.s = kR * (s.t - phi);
    const double a = dpd - s.dt;
    const double b = 2 * dpd + d2pdd;
    e.cp = kR * (-s.tt + a * a / b);
    e.w = std::sqrt(1000 * rt * (b - a * a / s.tt));
    return e;
}

namespace {

// Newton's method on f(rho) = p(rho, T) - p, kept inside a bracket that shrinks with every
// evaluation; a step that would leave the bracket, or a slope that is not positive, is replaced
// by bisection, so the iteration cannot diverge. Started from the dense end for the liquid-like
// root and from the light end for the vapour-like one: on the liquid branch the isotherm is
// convex and on the vapour branch concave, so the iterates approach the root from that side
// and do not jump to another root of the loop between them. In dense liquid p is a small
// difference of large terms and carries rounding noise near 1e-13 of p, so the last step
// looks among the neighbouring doubles for the smallest residual.
class Busqueda3 {
  public:
    Busqueda3(double t, double p) : m_t(t), m_p(p), m_tau(kTc / t) {
        const Intervalo i = intervaloRegion3(p);
        m_bajo = i.bajo;
        m_alto = i.alto;
    }

    double resolver() {
        iterar(puntoDePartida());
        for (const double direccion : {-kInfinito, kInfinito})
            vecinos(direccion);
        return m_residuoMejor <= 1e-12 * m_p ? m_mejor : kNaN;
    }

  private:
    double residuo(double rho, double *pendiente) const {
        const Sumas3 s = sumas3<false>(rho / kRhoc, m_tau);
        const double dpd = c::kRegion3N1 + s.d;
        if (pendiente) // dp/drho = R T (2 delta phi_delta + delta^2 phi_deltadelta) / 1000
            *pendiente = kR * m_t * (2 * dpd + s.dd - c::kRegion3N1) / 1000;
        return presion3(rho, m_t, dpd) - m_p;
    }

    void anotar(double rho, double f) {
        if (std::abs(f) < m_residuoMejor) {
            m_residuoMejor = std::abs(f);
            m_mejor = rho;
        }
    }

    // Newton stops at 1e-14 of p; the neighbours are searched only above 1e-13, ten times
    // inside the promise, since in noisy dense liquid 1e-14 may not exist among them.
    bool bastante(double relativo) const { return m_residuoMejor <= relativo * m_p; }

    double puntoDePartida() {
        bool desdeArriba = raizDeLiquido(m_t, m_p);
        if (m_t >= kTc) {
            // One root only: the side of the critical density tells where to start.
            desdeArriba = residuo(kRhoc, nullptr) < 0;
            if (desdeArriba)
                m_bajo = std::max(m_bajo, kRhoc);
            else
                m_alto = std::min(m_alto, kRhoc);
        }
        return desdeArriba ? m_alto : m_bajo;
    }

    void iterar(double rho) {
        for (int k = 0; k < 200 && !bastante(1e-14); ++k) {
            double pendiente = 0;
            const double f = residuo(rho, &pendiente);
            anotar(rho, f);
            (f > 0 ? m_alto : m_bajo) = rho;
            const double newton = rho - f / pendiente;
            const bool dentro = pendiente > 0 && newton > m_bajo && newton < m_alto;
            const double siguiente = dentro ? newton : 0.5 * (m_bajo + m_alto);
            if (siguiente == rho)
                return;
            rho = siguiente;
        }
    }

    void vecinos(double direccion) {
        double vecino = m_mejor;
        for (int k = 0; k < 8 && !bastante(1e-13); ++k) {
            vecino = std::nextafter(vecino, direccion);
            anotar(vecino, residuo(vecino, nullptr));
        }
    }

    double m_t;
    double m_p;
    PotenciasTau m_tau;
    double m_bajo = 0;
    double m_alto = 0;
    double m_mejor = kNaN;
    double m_residuoMejor = kInfinito;
};

} // namespace

double densidadRegion3(double t, double p) {
    if (region(t, p) != 3)
        return kNaN;
    return Busqueda3(t, p).resolver();
}

} // namespace vorlo::agua

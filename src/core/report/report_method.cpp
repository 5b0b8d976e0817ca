#include "report_method.h"

#include "fields/numbers.h"
#include "pipeflow/friccion_exacta.h"
#include "pipeflow/pipe_flow.h"
#include "pipeflow/regimen.h"
#include "report/report_windows.h"

#include <numbers>

namespace vorlo::informe {

using namespace tuberia;

namespace {

// The divisors the passes write as they are: m³/h to m³/s, kPa per bar, Pa per bar.
const QString kSegundos = QStringLiteral("3600");
const QString kCien = QStringLiteral("100");
const QString kCienMil = QStringLiteral("100.000");
constexpr double kMmPorM = 1000;
constexpr double kKPaPorBar = 100;

// The words of the method: each rule in both languages.
namespace texto {
const TextoBilingue DMetros{QStringLiteral("D = %1 mm = %2 m"), QStringLiteral("D = %1 mm = %2 m")};
const TextoBilingue PiDefinido{QStringLiteral("π = %1, cortado tras seis decimales, como lo "
                                              "toma el cálculo definido"),
                               QStringLiteral("π = %1, cut after six decimals, as the "
                                              "defined calculation takes it")};
const TextoBilingue PiExacto{QStringLiteral("π = %1, sin redondeos"),
                             QStringLiteral("π = %1, without rounding")};
const TextoBilingue Regimen{
    QStringLiteral("%1 (laminar hasta 2.000, zona crítica por debajo de 4.000, turbulento desde "
                   "4.000)"),
    QStringLiteral("%1 (laminar up to 2.000, critical zone below 4.000, turbulent from 4.000)")};
const TextoBilingue Malla{
    QStringLiteral("Malla %1 en pasos de 0,00001: el punto de la malla con el menor residuo de la "
                   "ecuación, mostrado con cuatro decimales"),
    QStringLiteral("Grid %1 in steps of 0,00001: the grid point where the equation's residual is "
                   "smallest, shown with four decimals")};
const TextoBilingue KPaPorMetro{QStringLiteral("D en mm: el resultado sale en kPa/m"),
                                QStringLiteral("D in mm: the result comes out in kPa/m")};
const TextoBilingue SinRedondear{
    QStringLiteral("ΔP/L en kPa/m sin redondear, como lo toma el cálculo"),
    QStringLiteral("ΔP/L in kPa/m unrounded, as the calculation takes it")};
const TextoBilingue GravedadDefinida{
    QStringLiteral("g = %1 m/s²: %2 bar es un metro de columna de 1 kg/m³, como lo toma "
                   "el cálculo definido; D en m"),
    QStringLiteral("g = %1 m/s²: %2 bar is one metre of a column of 1 kg/m³, as the "
                   "defined calculation takes it; D in m")};
const TextoBilingue GravedadExacta{QStringLiteral("g = %1 m/s², gravedad normal; D en m"),
                                   QStringLiteral("g = %1 m/s², standard gravity; D in m")};
const TextoBilingue Kgf{
    QStringLiteral("%1 kgf/m² por bar (100.000 / %2 con un decimal), como lo toma el "
                   "cálculo definido"),
    QStringLiteral("%1 kgf/m² per bar (100.000 / %2 with one decimal), as the defined "
                   "calculation takes it")};
const TextoBilingue PerMetroMostrado{QStringLiteral("ΔP/L en bar/m tal como se muestra"),
                                     QStringLiteral("ΔP/L in bar/m as shown")};
const TextoBilingue DesnivelVacio{QStringLiteral("Δz vacío: 0 m"), QStringLiteral("Δz empty: 0 m")};
const TextoBilingue Pa{QStringLiteral("Pa por bar: 100.000"),
                       QStringLiteral("Pa per bar: 100.000")};
const TextoBilingue KTotal{QStringLiteral("Suma de uds × K de la tabla de accesorios (%1)"),
                           QStringLiteral("Sum of count × K of the fittings table (%1)")};
} // namespace texto

// The passes' constants as the note writes them, from the values the passes compute with.
QString piDefinido() {
    return cifrasCompletas(constantesTuberia::kPi);
}
QString gravedadDefinida() {
    return cifrasCompletas(constantesTuberia::kBarPorMetroColumna * 100000);
}
QString gravedad() {
    return cifrasCompletas(constantesTuberia::kGravedad);
}
QString kgfPorBar() {
    return cifrasCompletas(constantesTuberia::kKgfM2PorBar);
}

// A negative number in a product keeps its sign apart from the operator before it.
QString par(const QString &t) {
    return t.startsWith(u'-') ? QStringLiteral("(") + t + QLatin1Char(')') : t;
}

// The values the steps substitute: the window's texts in the defined mode; in the exact mode the
// full values the exact pass computes from the same inputs (while the window shows the text
// each was written as).
class Valores {
  public:
    Valores(const CamposTexto &c, bool exacto) : m_c(c), m_exacto(exacto) {
        if (!exacto)
            return;
        for (const QString &n : entradas()) {
            if (campos().campo(n) && campos().campo(n)->tiene(Opcion))
                m_mapa.fijarOpcion(n, c.opcion(n));
            else
                m_mapa.escribir(n, c.texto(n));
        }
        settle(m_mapa,
               [this](CamposTexto &x) { CalcularTuberiaExacta(x, kIngles, m_valoresExactos); });
    }

    bool presente(const QString &campo) const { return m_c.presente(campo); }
    QString mostrado(const QString &campo) const { return conCero(m_c.texto(campo)); }

    // The value a step reads.
    std::optional<double> valor(const QString &campo) const {
        if (m_exacto && m_mapa.texto(campo) == m_c.texto(campo))
            if (const auto x = m_valoresExactos.valor(campo, m_c.texto(campo)))
                return x;
        return m_c.valor(campo);
    }

    // The value as the step substitutes it: a typed input as typed, a result in full in the
    // exact mode.
    QString sustituido(const QString &campo) const {
        if (m_exacto && m_mapa.texto(campo) == m_c.texto(campo))
            if (const auto x = m_valoresExactos.valor(campo, m_c.texto(campo)))
                return par(cifrasCompletas(*x));
        return par(mostrado(campo));
    }

  private:
    const CamposTexto &m_c;
    bool m_exacto;
    CamposMapa m_mapa;
    ValoresExactos m_valoresExactos;
};

class Metodo {
  public:
    Metodo(const CamposTexto &c, Lengua lengua)
        : m_c(c), m_l(lengua), m_exacto(c.opcion(CheckExacto)), m_v(c, m_exacto) {}

    QList<Paso> pasos;

    void velocidad();
    void reynolds();
    void friccion();
    void perdidaPorMetro();
    void carga();
    void tramo();
    void accesorios(const std::optional<ListaAccesorios> &a);
    void total();

  private:
    QString t(const TextoBilingue &b) const { return b.en(m_l); }
    QString titulo(const QString &campo) const { return t(campos().campo(campo)->rotuloNota()); }
    QString unidad(const QString &campo) const {
        const QString u = campos().campo(campo)->unidad;
        return u.isEmpty() ? QString() : QLatin1Char(' ') + u;
    }
    QString resultado(const QString &campo) const { return m_v.sustituido(campo) + unidad(campo); }
    // The diameter in metres, from the text in mm.
    QString dMetros() const { return cifrasCompletas(m_v.valor(dint).value_or(0) / kMmPorM); }
    bool todos(const QStringList &l) const {
        for (const QString &n : l)
            if (!m_v.presente(n) || !m_v.valor(n))
                return false;
        return true;
    }
    void dado(const QString &campo) {
        pasos.append({titulo(campo), campo, {}, resultado(campo), t(palabras::Dado)});
    }
    // The per-metre drop in kPa/m before it is rounded, as the pass forms it.
    std::optional<double> dpSinRedondear() const;

    const CamposTexto &m_c;
    Lengua m_l;
    bool m_exacto;
    Valores m_v;
};

void Metodo::velocidad() {
    if (!m_v.presente(Vproceso))
        return;
    if (!todos({Qproceso, dint}) || !(*m_v.valor(Qproceso) > 0) || !(*m_v.valor(dint) > 0)) {
        dado(Vproceso);
        return;
    }
    const QString pi = m_exacto ? cifrasCompletas(std::numbers::pi) : piDefinido();
    pasos.append({titulo(Vproceso), QStringLiteral("V = Q / (%1 · π · D² / 4)").arg(kSegundos),
                  QStringLiteral("%1 / (%2 · %3 · %4² / 4)")
                      .arg(m_v.sustituido(Qproceso), kSegundos, pi, dMetros()),
                  resultado(Vproceso),
                  t(texto::DMetros).arg(m_v.mostrado(dint), dMetros()) + QStringLiteral("; ") +
                      (m_exacto ? t(texto::PiExacto).arg(pi) : t(texto::PiDefinido).arg(pi))});
}

void Metodo::reynolds() {
    if (!m_v.presente(Re))
        return;
    Paso p{titulo(Re), {}, {}, resultado(Re), {}};
    if (m_c.opcion(Option3) && todos({dproceso, vdinamica, dint, Vproceso})) {
        p.ecuacion = QStringLiteral("Re = D · V · ρ / µ");
        p.sustitucion = QStringLiteral("%1 · %2 · %3 / %4")
                            .arg(dMetros(), m_v.sustituido(Vproceso), m_v.sustituido(dproceso),
                                 m_v.sustituido(vdinamica));
    } else if (m_c.opcion(Option4) && todos({Vcinematica, dint, Vproceso})) {
        p.ecuacion = QStringLiteral("Re = D · V / ν");
        p.sustitucion = QStringLiteral("%1 · %2 / %3")
                            .arg(dMetros(), m_v.sustituido(Vproceso), m_v.sustituido(Vcinematica));
    } else {
        p.ecuacion = QStringLiteral("Re");
        p.nota = t(palabras::Dado);
    }
    if (const auto re = m_v.valor(Re); re && *re > 0)
        p.nota = (p.nota.isEmpty() ? QString() : p.nota + QStringLiteral("; ")) +
                 t(texto::Regimen).arg(textoRegimen(*re).en(m_l));
    pasos.append(p);
}

void Metodo::friccion() {
    if (!m_v.presente(ffinal))
        return;
    const auto re = m_v.valor(Re);
    const auto nota = re ? notaFriccion(*re) : std::nullopt;
    if (!nota || (*re >= kReLaminar && !todos({Rugosidad, dint}))) {
        dado(ffinal);
        return;
    }
    Paso p{titulo(ffinal),
           {},
           {},
           QStringLiteral("f = ") + resultado(ffinal),
           nota->texto.en(m_l).trimmed()};
    if (*re < kReLaminar) {
        p.ecuacion = QStringLiteral("f = 64 / Re");
        p.sustitucion = QStringLiteral("64 / ") + m_v.sustituido(Re);
        p.resultado = resultado(ffinal);
        pasos.append(p);
        return;
    }
    p.implicita = true;
    p.ecuacion = QStringLiteral("1/√f = −2 · log₁₀(ε / (3,7 · D) + 2,51 / (Re · √f))");
    p.sustitucion = QStringLiteral("1/√f = −2 · log₁₀(%1 / (3,7 · %2) + 2,51 / (%3 · √f))")
                        .arg(m_v.sustituido(Rugosidad), m_v.mostrado(dint), m_v.sustituido(Re));
    if (m_exacto) {
        p.nota += QStringLiteral(". ") + t(friccion::kNotaResultadosExactos);
    } else {
        p.nota += QStringLiteral(". ") + t(texto::Malla).arg(friccion::textoMalla());
        if (const auto raiz = friccion::notaRaiz(m_c, false))
            p.nota += QStringLiteral(". ") + raiz->texto.en(m_l);
    }
    pasos.append(p);
}

std::optional<double> Metodo::dpSinRedondear() const {
    if (!todos({ffinal, dint, dproceso, Vproceso}) || *m_v.valor(dint) == 0)
        return std::nullopt;
    const double f = *m_v.valor(ffinal);
    const double v = *m_v.valor(Vproceso);
    return perdidaDarcy(f, *m_v.valor(dint), *m_v.valor(dproceso), v);
}

void Metodo::perdidaPorMetro() {
    if (!m_v.presente(DP) || !m_v.presente(DPbar) || !dpSinRedondear())
        return;
    if (tramoCompleto(m_c)) {
        // The drop over the whole length that a double click on DPbar shows, in Pa and bar.
        pasos.append({titulo(DP), QStringLiteral("ΔP = f · L · 1000 / D · ρ · V² / 2"),
                      QStringLiteral("%1 · %2 · 1000 / %3 · %4 · %5² / 2")
                          .arg(m_v.sustituido(ffinal), m_v.sustituido(L), m_v.mostrado(dint),
                               m_v.sustituido(dproceso), m_v.sustituido(Vproceso)),
                      m_v.mostrado(DP) + QStringLiteral(" Pa"), t(texto::KPaPorMetro)});
        pasos.append({titulo(DPbar), QStringLiteral("ΔP = ΔP (Pa) / ") + kCienMil,
                      m_v.mostrado(DP) + QStringLiteral(" / ") + kCienMil,
                      m_v.mostrado(DPbar) + QStringLiteral(" bar"), t(texto::Pa)});
        return;
    }
    pasos.append({titulo(DP), QStringLiteral("ΔP/L = f / D · ρ · V² / 2"),
                  QStringLiteral("%1 / %2 · %3 · %4² / 2")
                      .arg(m_v.sustituido(ffinal), m_v.mostrado(dint), m_v.sustituido(dproceso),
                           m_v.sustituido(Vproceso)),
                  resultado(DP), t(texto::KPaPorMetro)});
    pasos.append({titulo(DPbar), QStringLiteral("ΔP/L (bar/m) = ΔP/L (kPa/m) / ") + kCien,
                  cifrasCompletas(*dpSinRedondear()) + QStringLiteral(" / ") + kCien,
                  resultado(DPbar), t(texto::SinRedondear)});
}

void Metodo::carga() {
    if (!m_v.presente(DPtotalm) || !todos({ffinal, dint, Vproceso, L}))
        return;
    const QString h = m_v.presente(Desnivel) ? m_v.sustituido(Desnivel) : QStringLiteral("0");
    Paso p{titulo(DPtotalm) + QStringLiteral(" (m)"),
           QStringLiteral("H = Δz + f · L · V² / (2 · g · D)"),
           QStringLiteral("%1 + %2 · %3 · %4² / (2 · %5 · %6)")
               .arg(h, m_v.sustituido(ffinal), m_v.sustituido(L), m_v.sustituido(Vproceso),
                    m_exacto ? gravedad() : gravedadDefinida(), dMetros()),
           resultado(DPtotalm),
           m_exacto ? t(texto::GravedadExacta).arg(gravedad())
                    : t(texto::GravedadDefinida)
                          .arg(gravedadDefinida(),
                               conCero(formatoFijo(constantesTuberia::kBarPorMetroColumna, 7)
                                           .value_or(QString())))};
    if (!m_v.presente(Desnivel))
        p.nota += QStringLiteral("; ") + t(texto::DesnivelVacio);
    pasos.append(p);
}

void Metodo::tramo() {
    if (!m_v.presente(DPbarTotal) || !todos({DPbar, L, Desnivel, dproceso}))
        return;
    Paso p{titulo(DPbarTotal) + QStringLiteral(" (bar)"), {}, {}, resultado(DPbarTotal), {}};
    // After a double click on DPbar it shows the total: the per-metre value the total was
    // computed from is written again as the pass wrote it.
    QString porMetro = m_v.sustituido(DPbar);
    if (const auto dp = dpSinRedondear(); dp && tramoCompleto(m_c))
        porMetro = m_exacto ? cifrasCompletas(*dp / kKPaPorBar)
                            : conCero(formatoFijo(*dp / kKPaPorBar, 8).value_or(QString()));
    if (m_exacto) {
        p.ecuacion = QStringLiteral("ΔP = (ΔP/L · %1 · L + ρ · g · Δz) / %1").arg(kCienMil);
        p.sustitucion = QStringLiteral("(%1 · %2 · %3 + %4 · %5 · %6) / %2")
                            .arg(porMetro, kCienMil, m_v.sustituido(L), m_v.sustituido(dproceso),
                                 gravedad(), m_v.sustituido(Desnivel));
        p.nota = t(texto::GravedadExacta).arg(gravedad()).section(u';', 0, 0);
    } else {
        p.ecuacion = QStringLiteral("ΔP = ΔP/L · L + ρ · Δz / ") + kgfPorBar();
        p.sustitucion = QStringLiteral("%1 · %2 + %3 · %4 / %5")
                            .arg(porMetro, m_v.sustituido(L), m_v.sustituido(dproceso),
                                 m_v.sustituido(Desnivel), kgfPorBar());
        p.nota = t(texto::PerMetroMostrado) + QStringLiteral("; ") +
                 t(texto::Kgf).arg(kgfPorBar(), gravedad());
    }
    pasos.append(p);
}

void Metodo::accesorios(const std::optional<ListaAccesorios> &a) {
    if (a && !a->lineas.isEmpty()) {
        QStringList terminos;
        for (const ListaAccesorios::Linea &l : a->lineas)
            terminos << par(conCero(l.unidades)) + QStringLiteral(" · ") + par(conCero(l.k));
        pasos.append({titulo(ktotal), QStringLiteral("K = Σ n · K"),
                      terminos.join(QStringLiteral(" + ")), conCero(a->ktotal),
                      t(texto::KTotal).arg(a->metodo)});
    }
    if (!m_v.presente(PerdidaAccesorios) || !todos({ktotal, dproceso, Vproceso}))
        return;
    pasos.append({titulo(PerdidaAccesorios), QStringLiteral("ΔP_K = K · ρ · V² / 2 / ") + kCienMil,
                  QStringLiteral("%1 · %2 · %3² / 2 / %4")
                      .arg(m_v.sustituido(ktotal), m_v.sustituido(dproceso),
                           m_v.sustituido(Vproceso), kCienMil),
                  resultado(PerdidaAccesorios), t(texto::Pa)});
}

void Metodo::total() {
    if (!m_v.presente(PcargaTuberiaYaccesorios) || !todos({DPbarTotal, PerdidaAccesorios}))
        return;
    pasos.append(
        {titulo(PcargaTuberiaYaccesorios),
         QStringLiteral("ΔP + ΔP_K"),
         m_v.sustituido(DPbarTotal) + QStringLiteral(" + ") + m_v.sustituido(PerdidaAccesorios),
         resultado(PcargaTuberiaYaccesorios),
         {}});
}

} // namespace

QString cifrasCompletas(double x) {
    return sinCerosFinales(formatoSignificativo(x, 15).value_or(QString()));
}

QList<Paso> metodoTuberia(const CamposTexto &campos, Lengua lengua,
                          const std::optional<ListaAccesorios> &accesorios) {
    Metodo m(campos, lengua);
    m.velocidad();
    m.reynolds();
    m.friccion();
    m.perdidaPorMetro();
    // The rows over the length show in liquids mode only.
    if (!campos.opcion(Option2)) {
        m.carga();
        m.tramo();
    }
    m.accesorios(accesorios);
    if (!campos.opcion(Option2))
        m.total();
    return m.pasos;
}

} // namespace vorlo::informe

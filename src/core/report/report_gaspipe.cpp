#include "report_gaspipe.h"

#include "fields/numbers.h"
#include "gaspipe/gas_pipe_fields.h"
#include "gaspipe/gas_pipe_notes.h"
#include "gaspipe/gas_pipe_window.h"

#include <cmath>

namespace vorlo::informe {

namespace {

namespace g = gasoducto;
namespace c = gasoducto::campos;

QString n(double x) {
    return formatoSignificativo(x, 6).value_or(QString());
}

// A constant of a form as its source prints it: 0,5394, 2,667, or a fraction such as 5/9.
QString constante(double x) {
    for (int den = 2; den <= 9; ++den) {
        const double num = x * den;
        if (std::fabs(num - std::round(num)) < 1e-12 && std::fmod(std::round(num), den) != 0)
            return QStringLiteral("(%1/%2)").arg(qRound(num)).arg(den);
    }
    return formatoPlano(x).value_or(QString());
}

QString t(Lengua l, const char *es, const char *en) {
    return QString::fromUtf8(l == Lengua::Espanol ? es : en);
}

// An empirical equation with its numbers, in the units of its form.
Paso pasoEmpirica(const g::Forma &f, const g::Datos &d, const g::Resultado &r, Lengua l) {
    const double fp = f.unidadesMenon ? 1e-3 : 1;
    const double fl = f.unidadesMenon ? 1e-3 : 1;
    const double fd = f.unidadesMenon ? 1e3 : 1;
    const double fq = f.unidadesMenon ? 86400 : 1;
    const QString mu = f.m > 0 ? QStringLiteral("/µ^%1").arg(constante(f.m)) : QString();
    const QString muValor =
        f.m > 0 ? QStringLiteral("/%1^%2").arg(n(d.viscosidad.value_or(0)), constante(f.m))
                : QString();
    Paso p;
    p.titulo = t(l, "Caudal estándar por la ecuación", "Standard flow by the equation");
    p.ecuacion = QStringLiteral("Q = %1·E·(Tb/Pb)^%2·((P1² − P2²)/(SG^%3·T·L·Z))^%4·D^%5%6")
                     .arg(constante(f.k), constante(f.a), constante(f.b), constante(f.c),
                          constante(f.d), mu);
    p.sustitucion = QStringLiteral("%1·%2·(%3/%4)^%5·((%6² − %7²)/(%8^%9·%10·%11·%12))^%13·%14^%15")
                        .arg(constante(f.k), n(r.eficiencia), n(d.tBaseK), n(d.pBase * fp),
                             constante(f.a), n(d.p1 * fp), n(r.p2 * fp), n(d.sg), constante(f.b))
                        .arg(n(d.tK), n(d.longitud * fl), n(d.z), constante(f.c), n(d.dint * fd),
                             constante(f.d)) +
                    muValor;
    p.resultado =
        n(r.caudal * fq) + (f.unidadesMenon ? QStringLiteral(" m3/d") : QStringLiteral(" m3/s"));
    p.nota = f.unidadesMenon
                 ? t(l, "Menon, Gas Pipeline Hydraulics (2005): P en kPa, T en K, L en km, D en mm",
                     "Menon, Gas Pipeline Hydraulics (2005): P in kPa, T in K, L in km, D in mm")
                 : t(l, "Unidades SI de base: P en Pa, L y D en m, µ en Pa·s",
                     "Base SI units: P in Pa, L and D in m, µ in Pa·s");
    if (d.caudal)
        p.nota += t(l, "; resuelta para P2", "; solved for P2");
    return p;
}

Paso pasoGeneral(const g::Datos &d, const g::Resultado &r, Lengua l) {
    Paso p;
    p.titulo = t(l, "Ecuación general de flujo (isotérmica)", "General flow equation (isothermal)");
    p.ecuacion = QStringLiteral("ṁ² = A²·ρ1·(P1² − P2²)/(P1·(f·L/D + 2·ln(P1/P2)))");
    p.sustitucion = QStringLiteral("A²·%1·(%2² − %3²)/(%2·(%4·%5/%6 + 2·ln(%2/%3)))")
                        .arg(n(r.entrada.densidad), n(d.p1), n(r.p2), n(r.f.value_or(0)),
                             n(d.longitud), n(d.dint));
    p.resultado = n(r.masico) + QStringLiteral(" kg/s");
    p.nota = t(l, "f de Colebrook exacto (64/Re en laminar) a Re = %1",
               "exact Colebrook f (64/Re if laminar) at Re = %1")
                 .arg(n(r.re.value_or(0)));
    p.implicita = true;
    return p;
}

void pasosLimites(QList<Paso> &m, const g::Datos &d, const g::Resultado &r, Lengua l) {
    const double masa = g::masaMolar(d.sg);
    m.append(
        {t(l, "Velocidad del sonido", "Speed of sound"), QStringLiteral("c = √(γ·Z·R·T/M)"),
         QStringLiteral("√(%1·%2·8,314462618·%3/%4)").arg(n(d.gamma), n(d.z), n(d.tK), n(masa)),
         n(r.sonido) + QStringLiteral(" m/s")});
    const std::pair<const g::Extremo *, const char *> extremos[] = {{&r.entrada, "1"},
                                                                    {&r.salida, "2"}};
    for (const auto &[x, i] : extremos) {
        const QString k = QString::fromLatin1(i);
        m.append({t(l, "Mach", "Mach"), QStringLiteral("Ma%1 = V%1/c").arg(k),
                  QStringLiteral("%1/%2").arg(n(x->limites.velocidad), n(r.sonido)),
                  n(x->limites.mach)});
        m.append({t(l, "Velocidad erosional (API RP 14E)", "Erosional velocity (API RP 14E)"),
                  QStringLiteral("Ve%1 = 1,2199·C/√ρ%1").arg(k),
                  QStringLiteral("1,2199·%1/√%2").arg(n(d.cErosional), n(x->densidad)),
                  n(x->limites.erosional) + QStringLiteral(" m/s")});
    }
}

QList<Paso> metodo(const g::Datos &d, const g::Resultado &r, Lengua l) {
    QList<Paso> m;
    const double masa = g::masaMolar(d.sg);
    m.append({t(l, "Masa molar", "Molar mass"), QStringLiteral("M = SG·28,9625·10⁻³"),
              QStringLiteral("%1·28,9625·10⁻³").arg(n(d.sg)), n(masa) + QStringLiteral(" kg/mol")});
    m.append({t(l, "Densidad a la entrada", "Inlet density"), QStringLiteral("ρ1 = P1·M/(Z·R·T)"),
              QStringLiteral("%1·%2/(%3·8,314462618·%4)").arg(n(d.p1), n(masa), n(d.z), n(d.tK)),
              n(r.entrada.densidad) + QStringLiteral(" kg/m3")});
    if (const auto f = g::forma(d.ecuacion))
        m.append(pasoEmpirica(*f, d, r, l));
    else
        m.append(pasoGeneral(d, r, l));
    m.append({t(l, "Caudal másico", "Mass flow"), QStringLiteral("ṁ = Q·Pb·M/(R·Tb)"),
              QStringLiteral("%1·%2·%3/(8,314462618·%4)")
                  .arg(n(r.caudal), n(d.pBase), n(masa), n(d.tBaseK)),
              n(r.masico) + QStringLiteral(" kg/s")});
    pasosLimites(m, d, r, l);
    return m;
}

Seccion comparacion(const g::Salidas &s, bool caudal, Lengua l) {
    Seccion sec{c::kTituloComparacion.en(l), {}};
    const QString campo = caudal ? c::QGasoducto : c::P2Gasoducto;
    const Campo *f = c::tabla().campo(campo);
    for (std::size_t i = 0; i < g::kEcuaciones.size(); ++i) {
        const g::Resultado &r = s.comparacion[i];
        const auto x = g::valorCampo(campo, r);
        const QString valor =
            x ? f->formato.aplicar(*x).value_or(QString()) : g::textoBreve(r.motivo).en(l);
        sec.filas.append({campo, c::nombreEcuacion(g::kEcuaciones[i]).en(l), valor,
                          x ? f->unidad : QString(), true, !x});
    }
    return sec;
}

bool conTexto(const caso::Ventana &parte) {
    for (auto it = parte.textos.cbegin(); it != parte.textos.cend(); ++it)
        if (!it.value().trimmed().isEmpty() && it.value() != c::textoInicial(it.key()))
            return true;
    return false;
}

} // namespace

std::optional<Anexo> anexoGasoducto(const caso::Ventana &parte, Lengua l) {
    if (!conTexto(parte))
        return std::nullopt;
    CamposMapa m;
    for (auto it = parte.textos.cbegin(); it != parte.textos.cend(); ++it)
        m.escribir(it.key(), it.value());
    for (auto it = parte.opciones.cbegin(); it != parte.opciones.cend(); ++it)
        m.fijarOpcion(it.key(), it.value());
    const g::Salidas s = g::calcularCampos(m, l);
    const bool caudal = g::calculaCaudal(m);
    const TablaCampos &tabla = c::tabla();
    const Campo &opcion = tabla.opciones().at(caudal ? 0 : 1);
    const QString escrito = caudal ? c::QGasoducto : c::P2Gasoducto;
    Anexo a{tabla.titulo().en(l), {opcion.rotulo.en(l)}, {}};
    for (const SeccionCampos &sc : tabla.secciones()) {
        Seccion sec{sc.titulo.en(l), {}};
        for (const Campo &f : sc.campos) {
            QString valor = m.texto(f.nombre);
            for (const Eleccion &e : f.elecciones)
                if (e.clave == valor)
                    valor = e.texto.en(l);
            if (!valor.isEmpty())
                sec.filas.append({f.nombre, f.rotuloNota().en(l), valor, f.unidad,
                                  f.rol != Rol::Entrada || f.nombre == escrito,
                                  f.rol == Rol::Nota || f.tiene(EsTexto)});
        }
        a.secciones.append(sec);
    }
    if (s.datos) {
        a.secciones.append(comparacion(s, caudal, l));
        if (s.resultado.valido())
            a.metodo = metodo(*s.datos, s.resultado, l);
    }
    return a;
}

} // namespace vorlo::informe

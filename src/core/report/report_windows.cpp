#include "report_windows.h"

#include "fields/numbers.h"
#include "fittings/fitting_rows.h"
#include "fittings/fittings_fields.h"
#include "fittings/fittings_fill.h"
#include "gas/gas_state.h"
#include "gasline/gas_line_fields.h"
#include "gasline/gas_line_notes.h"
#include "pipeflow/colebrook_exacto.h"
#include "pipes/pipe_sizes.h"
#include "report/report_gaspipe.h"
#include "report/report_line.h"
#include "report/report_valve.h"
#include "water/water_fields.h"
#include "water/water_warnings.h"

#include <QHash>
#include <QtNumeric>
#include <cmath>

namespace vorlo::informe {

namespace {

namespace lg = lineagas::campos;

// The user rows' titles, as the fittings window shows them.
const TextoBilingue kUsuario{QStringLiteral("Definido por usuario %1"),
                             QStringLiteral("User defined %1")};

// A catalogue row's inside diameter and a diameter text name the same pipe when they agree to
// the hundredth of a millimetre the catalogue is written with.
constexpr double kToleranciaMm = 0.005;

// The fittings window's fields over plain texts, as a case puts them back.
class AccesoriosMapa : public CamposAccesorios {
  public:
    explicit AccesoriosMapa(const QString &diametro) : m_diametro(diametro) {}
    QString diametro() const override { return m_diametro; }
    QString unidades(int fila) const override { return m_unidades.value(fila); }
    void escribirUnidades(int fila, const QString &t) override { m_unidades[fila] = t; }
    void habilitarUnidades(int, bool) override {}
    QString k(int fila) const override { return m_k.value(fila); }
    void escribirK(int fila, const QString &t) override { m_k[fila] = t; }
    void habilitarK(int, bool) override {}
    void escribirMensaje(const QString &t) override { mensaje = t; }
    QString ktotal() const override { return m_total; }
    void escribirKtotal(const QString &t) override { m_total = t; }
    void escribirTextboxKtotal(const QString &) override {}
    void escribirKtotalTuberia(const QString &) override {}

    QString mensaje;

  private:
    QString m_diametro;
    QHash<int, QString> m_unidades;
    QHash<int, QString> m_k;
    QString m_total;
};

// The water window's state for two texts; nullopt when either is no number or out of range.
std::optional<agua::EstadoAgua> estadoDe(const QString &t, const QString &p) {
    const auto tc = leerNumero(t);
    const auto bar = leerNumero(p);
    if (!tc || !bar)
        return std::nullopt;
    const agua::ResultadoAgua r = agua::estadoAgua(*tc, *bar);
    if (const auto *e = std::get_if<agua::EstadoAgua>(&r))
        return *e;
    return std::nullopt;
}

QString textoAgua(const QString &campo, const agua::EstadoAgua &e) {
    const Campo &c = *agua::camposAgua().campo(campo);
    return c.formato.aplicar(agua::valorAgua(c, e).value_or(qQNaN())).value_or(QString());
}

Fila filaDe(const Campo &c, const QString &valor, bool calculado, Lengua lengua) {
    return {c.nombre.isEmpty() ? c.clave : c.nombre,
            c.rotuloNota().en(lengua),
            valor,
            c.unidad,
            calculado,
            c.tiene(EsTexto)};
}

// A result of the water and steam window as it shows it: empty without a state.
QString valorAgua(const Campo &c, const agua::EstadoAgua *e, Lengua l) {
    if (!e)
        return {};
    if (c.nombre == agua::FaseAgua)
        return agua::nombreFase(e->fase).en(l);
    return c.formato.aplicar(agua::valorAgua(c, *e).value_or(qQNaN())).value_or(QString());
}

// The water and steam window at T and P: every row of its table, the note as a warning.
void anexoAgua(Informe &inf, const QString &t, const QString &p) {
    const Lengua l = inf.lengua();
    const TablaCampos &tabla = agua::camposAgua();
    Anexo a{tabla.titulo().en(l), {}, {}};
    a.clave = caso::Agua;
    const auto tc = leerNumero(t);
    const auto bar = leerNumero(p);
    const std::optional<agua::ResultadoAgua> r =
        tc && bar ? std::optional(agua::estadoAgua(*tc, *bar)) : std::nullopt;
    const agua::EstadoAgua *e = r ? std::get_if<agua::EstadoAgua>(&*r) : nullptr;
    for (const SeccionCampos &s : tabla.secciones()) {
        Seccion sec{s.titulo.en(l), {}};
        for (const Campo &c : s.campos) {
            if (c.rol == Rol::Entrada)
                sec.filas.append(filaDe(c, c.nombre == agua::TAgua ? t : p, false, l));
            else if (const QString valor = c.rol == Rol::Nota ? QString() : valorAgua(c, e, l);
                     !valor.isEmpty())
                sec.filas.append(filaDe(c, valor, true, l));
        }
        a.secciones.append(sec);
    }
    if (e) {
        for (const TextoBilingue &aviso : agua::avisosAgua(*e))
            inf.avisos << a.titulo + QStringLiteral(": ") + aviso.en(l);
    } else if (const auto *limite = r ? std::get_if<agua::LimiteAgua>(&*r) : nullptr) {
        inf.avisos << a.titulo + QStringLiteral(": ") + agua::mensajeLimite(*limite).en(l);
    }
    inf.anexos.append(a);
}

// The gas window settled from its inputs, as it recalculates on opening a case.
void anexoGas(Informe &inf, const caso::Ventana &v) {
    CamposMapa c;
    for (auto it = v.textos.cbegin(); it != v.textos.cend(); ++it)
        c.escribir(it.key(), it.value());
    for (auto it = v.opciones.cbegin(); it != v.opciones.cend(); ++it)
        c.fijarOpcion(it.key(), it.value());
    const int modo = c.opcion(gas::Option2) ? gas::kModoProceso : gas::kModoNormalizado;
    settle(c, [modo](CamposTexto &x) { Calcular(x, modo); });
    const Informe g = informeGas(c, inf.idioma, inf.fecha);
    Anexo a{g.titulo, g.caso, g.secciones};
    a.clave = caso::Gas;
    inf.anexos.append(a);
    for (const QString &aviso : g.avisos)
        inf.avisos << g.titulo + QStringLiteral(": ") + aviso;
}

// The gas line window computed from its inputs with the exact Colebrook root, as it does.
void anexoLineaGas(Informe &inf, const caso::Ventana &v) {
    const Lengua l = inf.lengua();
    // Solving for P2 unless the flow is asked for, as the window starts.
    const lineagas::Entradas e = lineagas::entradasDe(
        [&v](const QString &n) { return v.textos.value(n); },
        !v.opciones.value(lg::OpcionMasico, false), v.opciones.value(lg::FijarF, false));
    const lineagas::Salidas s = lineagas::calcularVentana(e, &colebrookExacto);
    const TablaCampos &tabla = lg::tabla();
    const QStringList entradas = lg::entradas(e.calcularP2, e.friccionDada);
    const QList<Campo> &o = tabla.opciones();
    Anexo a{tabla.titulo().en(l),
            {(e.calcularP2 ? o[0] : o[1]).rotulo.en(l),
             o[2].rotulo.en(l) + QStringLiteral(": ") +
                 (e.friccionDada ? palabras::Si : palabras::No).en(l)},
            {}};
    a.clave = caso::LineaGas;
    for (const SeccionCampos &sc : tabla.secciones()) {
        Seccion sec{sc.titulo.en(l), {}};
        for (const Campo &c : sc.campos) {
            if (entradas.contains(c.nombre)) {
                sec.filas.append(filaDe(c, v.textos.value(c.nombre), false, l));
                continue;
            }
            const auto x = lineagas::salida(c.nombre, s);
            Fila f = filaDe(
                c, x ? formatoFijo(*x, lg::decimales(c.nombre)).value_or(QString()) : QString(),
                true, l);
            f.numero = x;
            sec.filas.append(f);
        }
        a.secciones.append(sec);
    }
    const TextoBilingue avisoEntradas = lineagas::avisoEntradas(
        [&v](const QString &n) { return v.textos.value(n); }, e.calcularP2, e.friccionDada);
    if (!avisoEntradas.espanol.isEmpty())
        inf.avisos << a.titulo + QStringLiteral(": ") + avisoEntradas.en(l);
    if (const QString nota = lineagas::textoNota(s).en(l); !nota.isEmpty())
        inf.avisos << a.titulo + QStringLiteral(": ") + nota;
    // The velocity limits' warnings, as the window adds them to its note.
    if (const QString limites = lineagas::textoLimites(s).en(l); !limites.isEmpty())
        inf.avisos << a.titulo + QStringLiteral(": ") + limites;
    inf.anexos.append(a);
}

// Said under a window's title when the pipe's result does not use its results.
const TextoBilingue kNoAlimenta{QStringLiteral("No interviene en el resultado de la tubería."),
                                QStringLiteral("Does not feed the pipe result.")};
const TextoBilingue kDesdeGas{
    QStringLiteral("Densidad y caudal: de la ventana de gases (sección «%1»)."),
    QStringLiteral("Density and flow: from the gas window (section \"%1\").")};

// A row's value in a list of sections, by its field's name.
QString valorDe(const QList<Seccion> &secciones, const QString &campo) {
    for (const Seccion &s : secciones)
        for (const Fila &f : s.filas)
            if (f.campo == campo)
                return f.valor;
    return {};
}

// The gas window fed the pipe when the pipe holds its process density and flow: the pipe's case
// says where they came from; otherwise the gas section says it does not feed the result.
void marcarGas(Informe &inf) {
    Anexo &a = inf.anexos.last();
    const QString densidad = valorDe(a.secciones, gas::dproceso);
    const bool alimenta =
        !densidad.isEmpty() && densidad == valorDe(inf.secciones, tuberia::dproceso) &&
        valorDe(a.secciones, gas::Qproceso) == valorDe(inf.secciones, tuberia::Qproceso);
    if (alimenta)
        inf.caso << kDesdeGas.en(inf.lengua()).arg(a.titulo);
    else
        a.caso << inf.palabra(kNoAlimenta);
}

bool conTexto(const caso::Ventana &v) {
    for (const QString &t : v.textos)
        if (!t.trimmed().isEmpty())
            return true;
    return false;
}

} // namespace

QString tituloAccesorio(int fila, Lengua lengua) {
    // Both groups have an "Elbow 90º": the note names the group beside the title.
    if (fila >= 0 && fila < filasAccesorios().size()) {
        const FilaAccesorio &f = filasAccesorios()[fila];
        return QStringLiteral("%1 (%2)").arg(f.titulo.en(lengua),
                                             nombreConexion(f.conexion).en(lengua));
    }
    return kUsuario.en(lengua).arg(fila - accesorios::kPrimeraUsuario + 1);
}

QString lineaTuberia(const CamposTexto &c, Lengua lengua) {
    const QString designacion = c.texto(tuberia::LabelTuberia).trimmed();
    if (designacion.isEmpty())
        return {};
    QString linea = palabras::Tuberia.en(lengua) + QStringLiteral(": ") + designacion;
    const auto d = c.valor(tuberia::dint);
    for (const TuberiaNormalizada &t : catalogoTuberias()) {
        if (d && designacionTuberia(t) == designacion && std::fabs(t.interior - *d) < kToleranciaMm)
            return linea + QStringLiteral(" (") + nombreNorma(t.norma) + QLatin1Char(')');
    }
    return linea;
}

std::optional<OrigenAgua> origenVigente(const CamposTexto &c, const Contexto &contexto) {
    using namespace tuberia;
    const auto vigente = [&c](const OrigenAgua &o) {
        return c.opcion(Option3) && !o.densidad.isEmpty() && c.texto(dproceso) == o.densidad &&
               c.texto(vdinamica) == o.viscosidad;
    };
    if (contexto.origenAgua && vigente(*contexto.origenAgua))
        return contexto.origenAgua;
    if (!contexto.ventanas.contains(caso::Agua))
        return std::nullopt;
    const caso::Ventana &v = contexto.ventanas.value(caso::Agua);
    OrigenAgua o{v.textos.value(agua::TAgua), v.textos.value(agua::PAgua), {}, {}};
    if (const auto e = estadoDe(o.temperatura, o.presion)) {
        o.densidad = textoAgua(agua::DensidadAgua, *e);
        o.viscosidad = textoAgua(agua::ViscDinAgua, *e);
        if (vigente(o))
            return o;
    }
    return std::nullopt;
}

QString lineaFluidoAgua(const OrigenAgua &o, Lengua lengua) {
    const auto e = estadoDe(o.temperatura, o.presion);
    const QString fase = e ? agua::nombreFase(e->fase).en(lengua).toLower() : QString();
    return palabras::Fluido.en(lengua) + QStringLiteral(": ") +
           palabras::FluidoAgua.en(lengua).arg(o.temperatura.trimmed(), o.presion.trimmed(), fase);
}

void anadirAnexos(Informe &inf, const Contexto &contexto, const std::optional<OrigenAgua> &agua) {
    const QMap<QString, caso::Ventana> &v = contexto.ventanas;
    if (agua) {
        anexoAgua(inf, agua->temperatura, agua->presion);
    } else if (v.contains(caso::Agua) && conTexto(v.value(caso::Agua))) {
        anexoAgua(inf, v.value(caso::Agua).textos.value(agua::TAgua),
                  v.value(caso::Agua).textos.value(agua::PAgua));
        inf.anexos.last().caso << inf.palabra(kNoAlimenta);
    }
    if (v.contains(caso::Gas)) {
        anexoGas(inf, v.value(caso::Gas));
        marcarGas(inf);
    }
    if (v.contains(caso::LineaGas) && conTexto(v.value(caso::LineaGas)))
        anexoLineaGas(inf, v.value(caso::LineaGas));
    if (v.contains(caso::Valvula))
        if (auto a = anexoValvula(v.value(caso::Valvula), inf.lengua()))
            inf.anexos.append(*a);
    if (v.contains(caso::Gasoducto))
        if (auto a = anexoGasoducto(v.value(caso::Gasoducto), inf.lengua()))
            inf.anexos.append(*a);
    if (v.contains(caso::LineaBomba))
        if (auto a = anexoLinea(v.value(caso::LineaBomba), inf.lengua()))
            inf.anexos.append(*a);
}

std::optional<DatosAccesorios> accesoriosDeCaso(const caso::Ventana &parte, const QString &dint,
                                                const QString &reynolds) {
    using namespace accesorios;
    AccesoriosMapa m(dint);
    const vorlo::MetodoK metodo =
        metodoKDeClave(parte.textos.value(accesorios::MetodoK)).value_or(vorlo::MetodoK::Tabla);
    RellenarK(m, metodo, leerNumero(reynolds));
    for (int fila = 0; fila < kFilas; ++fila) {
        if (parte.textos.contains(k(fila)) && m.k(fila) != parte.textos.value(k(fila)))
            m.escribirK(fila, parte.textos.value(k(fila)));
        m.escribirUnidades(fila, parte.textos.value(Naccesorios(fila)));
    }
    DatosAccesorios d;
    d.diametro = dint;
    d.ktotal = CalcularKTotal(m);
    d.mensaje = m.mensaje;
    d.metodo = metodo;
    d.reynolds = reynolds;
    bool contados = false;
    for (int fila = 0; fila < kFilas; ++fila) {
        d.filas.append({QString(), m.unidades(fila), m.k(fila)});
        contados = contados || leerNumero(m.unidades(fila)).value_or(0) > 0;
    }
    if (!contados)
        return std::nullopt;
    return d;
}

bool esAnexo(const QString &clave) {
    return clave != caso::Tuberia && clave != caso::Accesorios && clave != caso::Informe;
}

Contexto contextoDeCaso(const caso::Caso &c, const CamposTexto &tuberia) {
    Contexto contexto;
    contexto.cabecera.textos = c.ventanas.value(caso::Informe).textos;
    for (auto it = c.ventanas.cbegin(); it != c.ventanas.cend(); ++it)
        if (esAnexo(it.key()))
            contexto.ventanas.insert(it.key(), it.value());
    if (c.ventanas.contains(caso::Accesorios))
        contexto.accesorios =
            accesoriosDeCaso(c.ventanas.value(caso::Accesorios), tuberia.texto(tuberia::dint),
                             tuberia.texto(tuberia::Re));
    return contexto;
}

} // namespace vorlo::informe

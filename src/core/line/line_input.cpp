#include "line_input.h"

#include "fields/numbers.h"
#include "line/line_fields.h"

#include <QLocale>
#include <QRegularExpression>
#include <cmath>

namespace vorlo::linea {

namespace {

const QChar kSeparadorCeldas = QLatin1Char(';');
const QChar kSeparadorTramos = QLatin1Char('\n');

TextoBilingue texto(const char *espanol, const char *ingles) {
    return {QString::fromUtf8(espanol), QString::fromUtf8(ingles)};
}

// "«Density»: …" from the field's caption.
TextoBilingue sobreCampo(const TextoBilingue &rotulo, const char *espanol, const char *ingles) {
    return {QStringLiteral("«%1» %2").arg(rotulo.espanol, QString::fromUtf8(espanol)),
            QStringLiteral("«%1» %2").arg(rotulo.ingles, QString::fromUtf8(ingles))};
}

TextoBilingue noEsNumero(const TextoBilingue &rotulo) {
    return sobreCampo(rotulo, "no es un número", "is not a number");
}

TextoBilingue enTramo(int tramo, const TextoBilingue &t) {
    return {QStringLiteral("Tramo %1: %2").arg(tramo).arg(t.espanol),
            QStringLiteral("Segment %1: %2").arg(tramo).arg(t.ingles)};
}

const TextoBilingue &rotuloDe(const QString &campo) {
    return tabla().campo(campo)->rotulo;
}

// A number the window reads; nullopt for an empty text, the message for one that is no number.
std::variant<std::optional<double>, TextoBilingue> numero(const LectorTextos &t,
                                                          const QString &campo) {
    const QString s = t(campo).trimmed();
    if (s.isEmpty())
        return std::optional<double>();
    if (const auto x = leerNumero(s))
        return x;
    return noEsNumero(rotuloDe(campo));
}

struct Lector {
    const LectorTextos &t;
    std::optional<TextoBilingue> error;

    std::optional<double> opcional(const QString &campo) {
        auto v = numero(t, campo);
        if (auto *e = std::get_if<TextoBilingue>(&v)) {
            if (!error)
                error = *e;
            return std::nullopt;
        }
        return std::get<std::optional<double>>(v);
    }
    double requerido(const QString &campo) {
        const auto x = opcional(campo);
        if (!x && !error)
            error = sobreCampo(rotuloDe(campo), "falta", "is missing");
        return x.value_or(0);
    }
};

// A segment's cell: an empty one takes its default; the message for one that is no number.
std::variant<double, TextoBilingue> celda(const CeldasTramo &c, int i, double defecto) {
    const QString s = c.value(i).trimmed();
    if (s.isEmpty())
        return defecto;
    if (const auto x = leerNumero(s))
        return *x;
    return noEsNumero(columnasTramo()[i].rotulo);
}

std::variant<Tramo, TextoBilingue> tramoDe(const CeldasTramo &c) {
    const double defectos[kColumnasEntrada] = {0, 0, 0, kRugosidadDefecto, 0, 0};
    double v[kColumnasEntrada];
    for (int i = 0; i < kColumnasEntrada; ++i) {
        const auto x = celda(c, i, defectos[i]);
        if (const auto *e = std::get_if<TextoBilingue>(&x))
            return *e;
        v[i] = std::get<double>(x);
    }
    return Tramo{v[0], v[1], v[2], v[3], v[4], v[5]};
}

std::optional<PuntoCurva> parDe(const QString &par, bool puntoDecimal) {
    const QStringList partes = par.split(QLatin1Char(':'));
    if (partes.size() != 2)
        return std::nullopt;
    const auto leer = [puntoDecimal](const QString &s) -> std::optional<double> {
        if (!puntoDecimal)
            return leerNumero(s);
        bool ok = false;
        const double x = QLocale::c().toDouble(s.trimmed(), &ok);
        return ok && std::isfinite(x) ? std::optional(x) : std::nullopt;
    };
    const auto q = leer(partes[0]);
    const auto h = leer(partes[1]);
    if (!q || !h)
        return std::nullopt;
    return PuntoCurva{*q, *h};
}

} // namespace

QString textoTramos(const QList<CeldasTramo> &tramos) {
    QStringList lineas;
    for (const CeldasTramo &t : tramos)
        lineas << t.mid(0, kColumnasEntrada).join(kSeparadorCeldas);
    return lineas.join(kSeparadorTramos);
}

QList<CeldasTramo> tramosDeTexto(const QString &texto) {
    QList<CeldasTramo> tramos;
    if (texto.trimmed().isEmpty())
        return tramos;
    for (const QString &linea : texto.split(kSeparadorTramos)) {
        CeldasTramo c = linea.split(kSeparadorCeldas).mid(0, kColumnasEntrada);
        while (c.size() < kColumnasEntrada)
            c << QString();
        tramos << c;
    }
    return tramos;
}

std::optional<QList<PuntoCurva>> leerCurva(const QString &texto, bool puntoDecimal) {
    QList<PuntoCurva> curva;
    if (texto.trimmed().isEmpty())
        return curva;
    static const QRegularExpression punto(QStringLiteral("[,;]"));
    const QStringList pares = puntoDecimal ? texto.split(punto) : texto.split(kSeparadorCeldas);
    for (const QString &p : pares) {
        const auto par = parDe(p, puntoDecimal);
        if (!par)
            return std::nullopt;
        curva << *par;
    }
    return curva;
}

std::variant<Datos, TextoBilingue> leerDatos(const LectorTextos &t) {
    Lector l{t, {}};
    Datos d;
    d.q = l.opcional(QLinea);
    d.densidad = l.requerido(DensidadLinea);
    d.viscosidad = l.requerido(ViscLinea);
    d.psat = l.opcional(PsatLinea);
    d.pInicio = l.requerido(PInicio);
    d.pFin = l.opcional(PFin);
    d.eficiencia = l.opcional(EficienciaBomba);
    d.npshr = l.opcional(NPSHrLinea);
    if (l.error)
        return *l.error;
    const QList<CeldasTramo> celdas = tramosDeTexto(t(Tramos));
    for (qsizetype i = 0; i < celdas.size(); ++i) {
        const auto tramo = tramoDe(celdas[i]);
        if (const auto *e = std::get_if<TextoBilingue>(&tramo))
            return enTramo(int(i) + 1, *e);
        d.tramos << std::get<Tramo>(tramo);
    }
    if (const QString b = t(BombaTras).trimmed(); !b.isEmpty()) {
        bool ok = false;
        d.bombaTras = b.toInt(&ok);
        if (!ok)
            return mensaje(Motivo::BombaNoValida, -1);
    }
    const auto curva = leerCurva(t(CurvaBomba), false);
    if (!curva)
        return mensaje(Motivo::CurvaNoValida, -1);
    d.curvaBomba = *curva;
    return d;
}

bool sinDatos(const LectorTextos &t) {
    for (const QString &c : {QLinea, DensidadLinea, ViscLinea, PInicio, PFin})
        if (!t(c).trimmed().isEmpty())
            return false;
    for (const CeldasTramo &c : tramosDeTexto(t(Tramos)))
        if (!c.value(0).trimmed().isEmpty() || !c.value(1).trimmed().isEmpty())
            return false;
    return true;
}

TextoBilingue mensaje(Motivo motivo, int tramo) {
    const auto columna = [](int i) { return columnasTramo()[i].rotulo; };
    switch (motivo) {
    case Motivo::Ninguno:
        return {};
    case Motivo::SinTramos:
        return texto("Añada al menos un tramo", "Add at least one segment");
    case Motivo::DiametroNoValido:
        return enTramo(tramo + 1,
                       sobreCampo(columna(0), "debe ser mayor que 0", "must be above 0"));
    case Motivo::LongitudNoValida:
        return enTramo(tramo + 1,
                       sobreCampo(columna(1), "debe ser mayor que 0", "must be above 0"));
    case Motivo::RugosidadNoValida:
        return enTramo(tramo + 1, sobreCampo(columna(3), "no puede ser negativa ni 3,7 D o más",
                                             "cannot be negative nor 3.7 D or more"));
    case Motivo::DatoTramoNoValido:
        return enTramo(tramo + 1, texto("K y la caída en equipos no pueden ser negativas",
                                        "K and the equipment drop cannot be negative"));
    case Motivo::CaudalNoValido:
        return texto("El caudal no puede ser negativo (ni cero con bomba)",
                     "The flow cannot be negative (nor zero with a pump)");
    case Motivo::DensidadNoValida:
        return sobreCampo(rotuloDe(DensidadLinea), "debe ser mayor que 0", "must be above 0");
    case Motivo::ViscosidadNoValida:
        return sobreCampo(rotuloDe(ViscLinea), "debe ser mayor que 0", "must be above 0");
    case Motivo::PresionNoValida:
        return texto("Las presiones son absolutas y deben ser mayores que 0",
                     "Pressures are absolute and must be above 0");
    case Motivo::FaltaPFin:
        return texto("Indique la presión al final (para el caudal o la bomba)",
                     "Enter the pressure at the end (to solve for the flow, or for a pump)");
    case Motivo::FaltaCaudal:
        return texto("Con bomba, indique el caudal", "With a pump, enter the flow");
    case Motivo::PsatNoValida:
        return texto("La presión de vapor debe estar entre 0 y la presión al inicio",
                     "The vapour pressure must be from 0 to below the pressure at the start");
    case Motivo::BombaNoValida:
        return texto("La bomba está tras un tramo que la línea no tiene",
                     "The pump is placed after a segment the line does not have");
    case Motivo::EficienciaNoValida:
        return texto("El rendimiento debe estar entre 0 (excluido) y 1",
                     "The efficiency must be above 0 and at most 1");
    case Motivo::NpshrNoValido:
        return sobreCampo(rotuloDe(NPSHrLinea), "no puede ser negativo", "cannot be negative");
    case Motivo::CurvaNoValida:
        return texto("La curva de la bomba necesita dos o más pares Q:H con caudales crecientes",
                     "The pump curve needs two or more Q:H pairs with increasing flows");
    case Motivo::SinCaudal:
        return texto("Ningún caudal llega a la presión final: la subida (y los equipos) piden "
                     "más presión de la que hay, aun sin caudal",
                     "No flow reaches the end pressure: the rise (and the equipment) need more "
                     "pressure than there is, even at no flow");
    case Motivo::FueraDeRango:
        break;
    }
    return texto("Los datos dan valores fuera de rango", "The data give values out of range");
}

QList<Aviso> avisos(const Datos &d, const Resultado &r) {
    QList<Aviso> l;
    if (!r.valido())
        return l;
    if (r.presionImposible)
        l << Aviso{texto("La presión cae a cero absoluto o menos en la línea: no puede llevar "
                         "este caudal",
                         "The pressure falls to zero absolute or below along the line: it "
                         "cannot carry this flow"),
                   true};
    else if (r.bajoPsat)
        l << Aviso{texto("La presión cae por debajo de la de vapor en la línea: el líquido se "
                         "vaporiza",
                         "The pressure falls below the vapour pressure along the line: the "
                         "liquid flashes"),
                   true};
    if (!r.bomba)
        return l;
    if (r.bomba->margen && *r.bomba->margen < 0)
        l << Aviso{texto("NPSH disponible menor que el requerido: la bomba cavita",
                         "NPSH available below the NPSH required: the pump cavitates"),
                   true};
    else if (r.bomba->margen && *r.bomba->margen < 1)
        l << Aviso{texto("Margen de NPSH por debajo de 1 m", "NPSH margin below 1 m"), false};
    if (!d.curvaBomba.isEmpty() && !r.bomba->operacion)
        l << Aviso{texto("La curva de la bomba no corta la del sistema",
                         "The pump curve does not meet the system curve"),
                   false};
    return l;
}

} // namespace vorlo::linea

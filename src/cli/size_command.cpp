#include "size_command.h"

#include "command_line.h"
#include "commands.h"
#include "fields/numbers.h"
#include "pipes_command.h"
#include "sizing/sizing.h"
#include "sizing/sizing_fields.h"
#include "sizing/sizing_services.h"

#include <QCommandLineParser>
#include <QHash>
#include <QLocale>
#include <QTextStream>
#include <cmath>
#include <optional>

namespace vorlo::cli {

namespace {

const QString kNombre = QStringLiteral("size");

QString numero(double x) {
    return numeroPunto(x);
}

QString numero(const std::optional<double> &x) {
    return x ? numeroPunto(*x) : QString();
}

// The app's form of a number ("1.234,5") with a decimal point and no grouping ("1234.5").
QString conPunto(QString texto) {
    return texto.remove(QLatin1Char('.')).replace(QLatin1Char(','), QLatin1Char('.'));
}

QString listaNormas(const QList<NormaTuberia> &normas) {
    QStringList nombres;
    for (NormaTuberia n : normas)
        nombres << nombreNorma(n);
    return nombres.join(QStringLiteral(", "));
}

// A whole name in any case, else the one standard whose name begins with the text.
std::optional<NormaTuberia> elegirNorma(const QString &texto, QString &error) {
    QList<NormaTuberia> empiezan;
    for (NormaTuberia n : normasTuberia()) {
        if (nombreNorma(n).compare(texto, Qt::CaseInsensitive) == 0)
            return n;
        if (nombreNorma(n).startsWith(texto, Qt::CaseInsensitive))
            empiezan << n;
    }
    if (empiezan.size() == 1)
        return empiezan.constFirst();
    error = empiezan.isEmpty()
                ? QStringLiteral("no standard begins with '%1'; the standards are %2")
                      .arg(texto, listaNormas(normasTuberia()))
                : QStringLiteral("'%1' begins more than one standard (%2); give one")
                      .arg(texto, listaNormas(empiezan));
    return std::nullopt;
}

std::optional<QString> elegirCedula(NormaTuberia norma, const QString &texto, QString &error) {
    const QStringList cedulas = cedulasDe(norma);
    for (const QString &c : cedulas)
        if (c.compare(texto, Qt::CaseInsensitive) == 0)
            return c;
    error = QStringLiteral("%1 has no schedule '%2'; its schedules are %3")
                .arg(nombreNorma(norma), texto, cedulas.join(QStringLiteral(", ")));
    return std::nullopt;
}

struct Opcion {
    const Campo *campo;
    QCommandLineOption opcion;
};

QList<Opcion> opcionesDeCampos() {
    QList<Opcion> opciones;
    for (const Campo &c : tablaDimensionado().campos()) {
        const QString uso =
            c.tiene(Opcional) ? QStringLiteral("%1 in %2, optional.") : QStringLiteral("%1 in %2.");
        opciones.append(
            {&c, QCommandLineOption(c.clave, uso.arg(c.rotulo.ingles, c.unidad), c.unidad)});
    }
    return opciones;
}

// The numbers of the options: a required one missing, a text that is no finite number, or a
// value out of range is an error. Roughness may be zero (a smooth pipe).
std::optional<QString> leerNumeros(const QCommandLineParser &parser, const QList<Opcion> &opciones,
                                   QHash<QString, double> &valores) {
    for (const Opcion &o : opciones) {
        const QString clave = o.campo->clave;
        if (!parser.isSet(o.opcion)) {
            if (o.campo->tiene(Opcional))
                continue;
            return QStringLiteral("missing --%1 (%2, %3)")
                .arg(clave, o.campo->rotulo.ingles.toLower(), o.campo->unidad);
        }
        const QString texto = parser.value(o.opcion);
        const std::optional<double> leido = leerNumeroPunto(texto);
        if (!leido)
            return QStringLiteral("--%1: '%2' is not a number").arg(clave, texto);
        const double x = *leido;
        const bool ceroValido = o.campo->nombre == dimensionado::RugDim;
        if (x < 0 || (x == 0 && !ceroValido))
            return QStringLiteral("--%1 must be %2 0, not '%3'")
                .arg(clave, ceroValido ? QStringLiteral("at least") : QStringLiteral("above"),
                     texto);
        valores.insert(o.campo->nombre, x);
    }
    return std::nullopt;
}

// A service's limits where no limit was given on the line.
std::optional<QString> aplicarServicio(const QString &clave, QHash<QString, double> &valores) {
    const ServicioDimensionado *s = servicioDimensionado(clave);
    if (!s) {
        QStringList claves;
        for (const ServicioDimensionado &x : serviciosDimensionado())
            claves << x.clave;
        return QStringLiteral("no service '%1'; the services are %2")
            .arg(clave, claves.join(QStringLiteral(", ")));
    }
    if (s->velocidadMaxima && !valores.contains(dimensionado::VmaxDim))
        valores.insert(dimensionado::VmaxDim, *s->velocidadMaxima);
    if (s->perdidaMaxima && !valores.contains(dimensionado::DPmaxDim))
        valores.insert(dimensionado::DPmaxDim, *s->perdidaMaxima);
    return std::nullopt;
}

EntradaDimensionado entradaDe(const QHash<QString, double> &v) {
    using namespace dimensionado;
    EntradaDimensionado e;
    e.caudal = v.value(QDim);
    e.densidad = v.value(DensidadDim);
    e.viscosidad = v.value(ViscDim);
    e.rugosidad = v.value(RugDim);
    if (v.contains(VmaxDim))
        e.velocidadMaxima = v.value(VmaxDim);
    if (v.contains(DPmaxDim))
        e.perdidaMaxima = v.value(DPmaxDim);
    return e;
}

void escribirCsv(QTextStream &salida, const QList<FilaDimensionado> &filas) {
    salida << "standard,nps,dn,schedule,id_mm,velocity_m_s,re,f,dp_bar_per_100m,meets\n";
    for (const FilaDimensionado &r : filas) {
        const TuberiaNormalizada &t = r.tuberia;
        salida << nombreNorma(t.norma) << ',' << npsCsv(t.nps) << ',' << t.dn << ',' << t.cedula
               << ',' << numero(t.interior) << ',' << numero(r.velocidad) << ',' << numero(r.re)
               << ',' << numero(r.f) << ',' << numero(r.perdida) << ','
               << (r.cumple() ? "yes" : "no") << '\n';
    }
}

// The pick as the window words it, with decimal points.
QString textoEleccionCli(const Dimensionado &d) {
    const FilaDimensionado *f = d.eleccion();
    if (d.sinCriterio)
        return QStringLiteral("no pick: a limit is needed (--vmax or --dpmax)");
    if (!f)
        return QStringLiteral("no size meets the criteria");
    std::optional<QString> perdida;
    if (f->perdida)
        if (const auto t = formatoSignificativo(*f->perdida, 3))
            perdida = conPunto(*t);
    return QStringLiteral("pick: ") +
           describirEleccion(f->tuberia, QString::number(f->velocidad, 'f', 2), perdida);
}

} // namespace

int comandoSize(const QStringList &argumentos, QTextStream &salida, QTextStream &errores) {
    LineaComando linea(
        kNombre, QString(),
        QStringLiteral(
            "Sizes a line: for the flow and the fluid, every size of one standard and schedule "
            "with\nits inside diameter, velocity, Reynolds number, friction factor (64/Re below "
            "Re 2000,\nelse the Colebrook root) and drop per 100 m, as CSV with decimal points; "
            "on standard\nerror, the smallest size whose velocity and drop stay within the limits "
            "given."));
    QCommandLineParser &parser = linea.parser;
    const QList<Opcion> opciones = opcionesDeCampos();
    const QCommandLineOption norma(
        QStringLiteral("standard"),
        QStringLiteral("The standard whose name begins with <text>, in any case (default %1).")
            .arg(nombreNorma(kNormaDimensionado)),
        QStringLiteral("text"));
    QStringList porDefecto;
    for (NormaTuberia n : normasTuberia())
        porDefecto << QStringLiteral("%1 for %2").arg(cedulaPorDefecto(n), nombreNorma(n));
    const QCommandLineOption cedula(
        QStringLiteral("schedule"),
        QStringLiteral("The schedule or series, in any case (default %1).")
            .arg(porDefecto.join(QStringLiteral(", "))),
        QStringLiteral("s"));
    for (const Opcion &o : opciones) {
        parser.addOption(o.opcion);
        const QString texto = QStringLiteral("--%1 <%2>").arg(o.campo->clave, o.campo->unidad);
        linea.anadirAlUso(QLatin1Char(' ') +
                          (o.campo->tiene(Opcional) ? QStringLiteral("[%1]").arg(texto) : texto));
    }
    const QCommandLineOption servicio(
        QStringLiteral("service"),
        QStringLiteral("Typical limits of a service where --vmax or --dpmax is not given "
                       "(docs/sizing-services.md)."),
        QStringLiteral("name"));
    parser.addOptions({norma, cedula, servicio});
    linea.anadirAlUso(QStringLiteral(" [--standard <text>] [--schedule <s>] [--service <name>]"));
    if (const auto codigo = linea.leer(argumentos, salida, errores))
        return *codigo;
    const auto usoIncorrecto = [&](const QString &mensaje) {
        return linea.usoIncorrecto(errores, mensaje);
    };
    QHash<QString, double> valores;
    if (const auto error = leerNumeros(parser, opciones, valores))
        return usoIncorrecto(*error);
    if (parser.isSet(servicio))
        if (const auto error = aplicarServicio(parser.value(servicio), valores))
            return usoIncorrecto(*error);
    EntradaDimensionado entrada = entradaDe(valores);
    QString error;
    const auto n = parser.isSet(norma) ? elegirNorma(parser.value(norma), error)
                                       : std::optional(kNormaDimensionado);
    if (!n)
        return usoIncorrecto(error);
    entrada.norma = *n;
    const auto c = parser.isSet(cedula) ? elegirCedula(*n, parser.value(cedula), error)
                                        : std::optional(cedulaPorDefecto(*n));
    if (!c)
        return usoIncorrecto(error);
    entrada.cedula = *c;

    const Dimensionado d = dimensionar(entrada);
    if (d.motivo)
        return usoIncorrecto(textoMotivo(*d.motivo).ingles);
    escribirCsv(salida, d.filas);
    if (const int codigo = linea.terminarSalida(salida, errores); codigo != Hecho)
        return codigo;
    errores << textoEleccionCli(d) << '\n';
    if (const auto extrapolado = textoExtrapolado(d))
        errores << "warning: " << conPunto(extrapolado->ingles) << '\n';
    return Hecho;
}

} // namespace vorlo::cli

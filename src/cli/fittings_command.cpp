#include "fittings_command.h"

#include "command_line.h"
#include "commands.h"
#include "fittings/fitting_rows.h"
#include "fittings/k_metodos.h"

#include <QCommandLineParser>
#include <QLocale>
#include <QTextStream>
#include <cmath>
#include <variant>

namespace vorlo::cli {

namespace {

const QString kNombre = QStringLiteral("fittings");

QString clavesMetodo() {
    QStringList claves;
    for (MetodoK m : kMetodosK)
        claves << claveMetodoK(m);
    return claves.join(QStringLiteral(", "));
}

// A number as the command line writes it: decimal point, no grouping, exponent allowed. Only a
// finite value above 0 is taken.
std::optional<double> positivo(const QString &texto) {
    const std::optional<double> x = leerNumeroPunto(texto);
    return x && *x > 0 ? x : std::nullopt;
}

QString textoK(const std::optional<double> &k) {
    return k ? numeroPunto(*k) : QString();
}

void escribirFilas(QTextStream &salida, const KsPorMetodo &ks) {
    const QList<FilaAccesorio> &filas = filasAccesorios();
    for (qsizetype f = 0; f < filas.size(); ++f) {
        const bool roscada = filas.at(f).conexion == Conexion::Roscada;
        salida << f << '\t' << (roscada ? "threaded" : "flanged") << '\t'
               << filas.at(f).titulo.ingles << '\t' << textoK(ks.k.at(std::size_t(f))) << '\n';
    }
}

struct Peticion {
    MetodoK metodo = MetodoK::Tabla;
    double d = 0;
    std::optional<double> re;
};

// The request the options make, or the message of a wrong usage.
std::variant<Peticion, QString> leerPeticion(const QCommandLineParser &parser,
                                             const QCommandLineOption &diametro,
                                             const QCommandLineOption &metodo,
                                             const QCommandLineOption &reynolds) {
    Peticion p;
    if (parser.isSet(metodo)) {
        const std::optional<MetodoK> m = metodoKDeClave(parser.value(metodo));
        if (!m)
            return QStringLiteral("unknown method '%1'; the methods are %2")
                .arg(parser.value(metodo), clavesMetodo());
        p.metodo = *m;
    }
    if (!parser.isSet(diametro))
        return QStringLiteral("--d <mm> is required");
    const std::optional<double> d = positivo(parser.value(diametro));
    if (!d)
        return QStringLiteral("--d takes an internal diameter in mm above 0, not '%1'")
            .arg(parser.value(diametro));
    p.d = *d;
    if (parser.isSet(reynolds)) {
        p.re = positivo(parser.value(reynolds));
        if (!p.re)
            return QStringLiteral("--re takes a Reynolds number above 0, not '%1'")
                .arg(parser.value(reynolds));
    }
    if (necesitaReynolds(p.metodo) && !p.re)
        return QStringLiteral("--method %1 needs a Reynolds number: --re <number above 0>")
            .arg(parser.value(metodo));
    return p;
}

} // namespace

int comandoFittings(const QStringList &argumentos, QTextStream &salida, QTextStream &errores) {
    LineaComando linea(
        kNombre, QStringLiteral("--d <mm> [--method table|crane|2k|3k] [--re <number>]"),
        QStringLiteral("Prints the K of the 21 catalogue fittings (rows 0-9 threaded, 10-20 "
                       "flanged)\nfor an internal diameter: row, group, title and K, "
                       "tab-separated."));
    QCommandLineParser &parser = linea.parser;
    const QCommandLineOption diametro(
        QStringLiteral("d"), QStringLiteral("Internal diameter of the pipe in mm (--d or -d)."),
        QStringLiteral("mm"));
    const QCommandLineOption metodo(
        QStringLiteral("method"),
        QStringLiteral("table (K by nominal diameter, 9-400 mm), crane (n·fT), 2k (Hooper) or "
                       "3k (Darby). Default: table."),
        QStringLiteral("method"));
    const QCommandLineOption reynolds(
        QStringLiteral("re"),
        QStringLiteral("Reynolds number; needed by 2k and 3k, ignored by table and crane."),
        QStringLiteral("number"));
    parser.addOptions({diametro, metodo, reynolds});
    if (const auto codigo = linea.leer(argumentos, salida, errores))
        return *codigo;
    const auto peticion = leerPeticion(parser, diametro, metodo, reynolds);
    if (const QString *mensaje = std::get_if<QString>(&peticion))
        return linea.usoIncorrecto(errores, *mensaje);
    const Peticion &p = std::get<Peticion>(peticion);

    const KsPorMetodo ks = kPorMetodo(p.metodo, p.d, p.re);
    escribirFilas(salida, ks);
    if (const int codigo = linea.terminarSalida(salida, errores); codigo != Hecho)
        return codigo;
    if (ks.motivo)
        errores << "vorlo " << kNombre << ": " << mensajeSinK(*ks.motivo).ingles << '\n';
    return Hecho;
}

} // namespace vorlo::cli

#include "water_command.h"

#include "commands.h"
#include "water/water_fields.h"
#include "water/water_state.h"

#include <QCommandLineParser>
#include <QLocale>
#include <QTextStream>
#include <cmath>
#include <optional>

namespace vorlo::cli {

namespace {

namespace a = vorlo::agua;

const QString kNombre = QStringLiteral("water");

// A number as scripts read it: a decimal point, no grouping, finite.
std::optional<double> leerValor(const QString &texto) {
    bool ok = false;
    const double x = texto.toDouble(&ok);
    if (!ok || !std::isfinite(x))
        return std::nullopt;
    return x;
}

// Enough digits to read back the same double.
QString numero(double x) {
    return QString::number(x, 'g', QLocale::FloatingPointShortest);
}

QString textoFase(a::Fase fase) {
    switch (fase) {
    case a::Fase::Vapor:
        return QStringLiteral("vapour");
    case a::Fase::Supercritico:
        return QStringLiteral("supercritical");
    case a::Fase::Liquido:
        break;
    }
    return QStringLiteral("liquid");
}

// The window writes "bar a"; on the command line every pressure is absolute and the key says
// which pressure it is.
QString unidadLinea(const Campo &campo) {
    QString u = campo.unidad;
    if (u.endsWith(QLatin1String(" a")))
        u.chop(2);
    return u;
}

void escribirEstado(QTextStream &salida, const a::EstadoAgua &estado) {
    for (const Campo &c : a::camposAgua().campos()) {
        if (c.rol != Rol::Resultado || c.clave.isEmpty())
            continue;
        QString valor;
        if (c.nombre == a::FaseAgua)
            valor = textoFase(estado.fase);
        else if (const std::optional<double> x = a::valorAgua(c, estado))
            valor = numero(*x);
        else
            continue; // a saturation value the state does not have
        salida << c.clave << '\t' << valor << '\t' << unidadLinea(c) << '\n';
    }
}

} // namespace

int comandoWater(const QStringList &argumentos, QTextStream &salida, QTextStream &errores) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Prints the properties of water or steam by IAPWS-IF97 (viscosity by IAPWS 2008),\n"
        "one line per result: key, value and unit separated by tabs, values with a decimal\n"
        "point. Range: 0 to 800 ºC up to 1000 bar a, above 800 up to 2000 ºC up to 500 bar a."));
    const QCommandLineOption ayuda({QStringLiteral("h"), QStringLiteral("help")},
                                   QStringLiteral("Displays this help."));
    const QCommandLineOption temperatura(QStringLiteral("t"),
                                         QStringLiteral("Temperature in ºC, with a decimal point."),
                                         QStringLiteral("T"));
    const QCommandLineOption presion(
        QStringLiteral("p"), QStringLiteral("Absolute pressure in bar, with a decimal point."),
        QStringLiteral("P"));
    parser.addOptions({ayuda, temperatura, presion});
    const QString uso = QStringLiteral("Usage: vorlo %1 --t <T> --p <P>").arg(kNombre);
    const auto ayudaCompleta = [&] {
        QString texto = parser.helpText();
        return uso + texto.mid(texto.indexOf(QLatin1Char('\n')));
    };
    const auto usoIncorrecto = [&](const QString &mensaje) {
        errores << "vorlo " << kNombre << ": " << mensaje << '\n' << ayudaCompleta();
        return int(UsoIncorrecto);
    };

    if (!parser.parse(argumentos))
        return usoIncorrecto(parser.errorText());
    if (parser.isSet(ayuda)) {
        salida << ayudaCompleta();
        return Hecho;
    }
    if (!parser.positionalArguments().isEmpty())
        return usoIncorrecto(QStringLiteral("unexpected argument '%1'")
                                 .arg(parser.positionalArguments().constFirst()));
    std::optional<double> valores[2];
    const QCommandLineOption *opciones[2] = {&temperatura, &presion};
    for (int i = 0; i < 2; ++i) {
        const QString nombre = opciones[i]->names().constFirst();
        if (!parser.isSet(*opciones[i]))
            return usoIncorrecto(QStringLiteral("missing option --%1").arg(nombre));
        valores[i] = leerValor(parser.value(*opciones[i]));
        if (!valores[i])
            return usoIncorrecto(QStringLiteral("--%1: '%2' is not a number")
                                     .arg(nombre, parser.value(*opciones[i])));
    }

    const a::ResultadoAgua resultado = a::estadoAgua(*valores[0], *valores[1]);
    if (const auto *limite = std::get_if<a::LimiteAgua>(&resultado))
        return usoIncorrecto(a::mensajeLimite(*limite).ingles);
    escribirEstado(salida, std::get<a::EstadoAgua>(resultado));
    salida.flush();
    if (salida.status() != QTextStream::Ok) {
        errores << "vorlo " << kNombre << ": the output cannot be written\n";
        return SalidaImposible;
    }
    return Hecho;
}

} // namespace vorlo::cli

#include "water_command.h"

#include "command_line.h"
#include "commands.h"
#include "water/water_fields.h"
#include "water/water_state.h"
#include "water/water_warnings.h"

#include <QCommandLineParser>
#include <QLocale>
#include <QTextStream>
#include <cmath>
#include <optional>

namespace vorlo::cli {

namespace {

namespace a = vorlo::agua;

const QString kNombre = QStringLiteral("water");

QString textoFase(a::Fase fase) {
    switch (fase) {
    case a::Fase::Vapor:
        return QStringLiteral("steam"); // the window's word
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
            valor = numeroPunto(*x);
        else
            continue; // a saturation value the state does not have
        salida << c.clave << '\t' << valor << '\t' << unidadLinea(c) << '\n';
    }
}

} // namespace

int comandoWater(const QStringList &argumentos, QTextStream &salida, QTextStream &errores) {
    LineaComando linea(
        kNombre, QStringLiteral("--t <T> --p <P>"),
        QStringLiteral(
            "Prints the properties of water or steam by IAPWS-IF97 (viscosity by IAPWS 2008),\n"
            "one line per result: key, value and unit separated by tabs, values with a decimal\n"
            "point. Range: 0 to 800 ºC up to 1000 bar a, above 800 up to 2000 ºC up to 500 bar "
            "a."));
    QCommandLineParser &parser = linea.parser;
    const QCommandLineOption temperatura(QStringLiteral("t"),
                                         QStringLiteral("Temperature in ºC, with a decimal point."),
                                         QStringLiteral("T"));
    const QCommandLineOption presion(
        QStringLiteral("p"), QStringLiteral("Absolute pressure in bar, with a decimal point."),
        QStringLiteral("P"));
    parser.addOptions({temperatura, presion});
    if (const auto codigo = linea.leer(argumentos, salida, errores))
        return *codigo;
    const auto usoIncorrecto = [&](const QString &mensaje) {
        return linea.usoIncorrecto(errores, mensaje);
    };
    std::optional<double> valores[2];
    const QCommandLineOption *opciones[2] = {&temperatura, &presion};
    for (int i = 0; i < 2; ++i) {
        const QString nombre = opciones[i]->names().constFirst();
        if (!parser.isSet(*opciones[i]))
            return usoIncorrecto(QStringLiteral("missing option --%1").arg(nombre));
        valores[i] = leerNumeroPunto(parser.value(*opciones[i]));
        if (!valores[i])
            return usoIncorrecto(QStringLiteral("--%1: '%2' is not a number")
                                     .arg(nombre, parser.value(*opciones[i])));
    }

    const a::ResultadoAgua resultado = a::estadoAgua(*valores[0], *valores[1]);
    if (const auto *limite = std::get_if<a::LimiteAgua>(&resultado))
        return usoIncorrecto(a::mensajeLimite(*limite).ingles);
    const auto &estado = std::get<a::EstadoAgua>(resultado);
    escribirEstado(salida, estado);
    // The warnings the window shows, with decimal points.
    const auto numero = [](double x, int cifras) { return QString::number(x, 'g', cifras); };
    for (const TextoBilingue &aviso : a::avisosAgua(estado, numero))
        salida << "warning\t" << aviso.ingles << "\t\n";
    if (const int codigo = linea.terminarSalida(salida, errores); codigo != Hecho)
        return codigo;
    return Hecho;
}

} // namespace vorlo::cli

#include "command_line.h"

#include "commands.h"

#include <QLocale>
#include <QTextStream>
#include <cmath>

namespace vorlo::cli {

LineaComando::LineaComando(const QString &nombre, const QString &uso, const QString &descripcion)
    : m_nombre(nombre), m_uso(QStringLiteral("Usage: vorlo %1 %2").arg(nombre, uso).trimmed()),
      m_ayuda({QStringLiteral("h"), QStringLiteral("help")},
              QStringLiteral("Displays this help.")) {
    parser.setApplicationDescription(descripcion);
    parser.addOption(m_ayuda);
}

QString LineaComando::ayuda() const {
    // The parser's own usage line names the executable; ours names the command.
    const QString texto = parser.helpText();
    return m_uso + texto.mid(texto.indexOf(QLatin1Char('\n')));
}

int LineaComando::usoIncorrecto(QTextStream &errores, const QString &mensaje) const {
    errores << "vorlo " << m_nombre << ": " << mensaje << '\n' << ayuda();
    return UsoIncorrecto;
}

std::optional<int> LineaComando::leer(const QStringList &argumentos, QTextStream &salida,
                                      QTextStream &errores) {
    if (!parser.parse(argumentos))
        return usoIncorrecto(errores, parser.errorText());
    if (parser.isSet(m_ayuda)) {
        salida << ayuda();
        return Hecho;
    }
    // The parser keeps only the last value of a repeated option: refused rather than guessed.
    const QStringList dadas = parser.optionNames();
    for (const QString &n : dadas)
        if (dadas.count(n) > 1 && !m_repetibles.contains(n))
            return usoIncorrecto(errores, QStringLiteral("--%1 is given more than once").arg(n));
    if (!parser.positionalArguments().isEmpty())
        return usoIncorrecto(errores, QStringLiteral("unexpected argument '%1'")
                                          .arg(parser.positionalArguments().constFirst()));
    return std::nullopt;
}

int LineaComando::terminarSalida(QTextStream &salida, QTextStream &errores) const {
    salida.flush();
    if (salida.status() == QTextStream::Ok)
        return Hecho;
    errores << "vorlo " << m_nombre << ": the output cannot be written\n";
    return SalidaImposible;
}

std::optional<double> leerNumeroPunto(const QString &texto) {
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    const double x = c.toDouble(texto.trimmed(), &ok);
    if (!ok || !std::isfinite(x))
        return std::nullopt;
    return x;
}

QString numeroPunto(double x) {
    // Never "inf" or "nan" in a script's output: a value that is not finite is no value.
    if (!std::isfinite(x))
        return QString();
    return QString::number(x, 'g', QLocale::FloatingPointShortest);
}

} // namespace vorlo::cli

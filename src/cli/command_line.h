#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <optional>

class QTextStream;

// What the commands' command lines share: the help option, the usage line, the answer to a
// wrong usage, and numbers as scripts write and read them.
namespace vorlo::cli {

class LineaComando {
  public:
    // `nombre`: the command; `uso`: its arguments as the usage line shows them.
    LineaComando(const QString &nombre, const QString &uso, const QString &descripcion);

    QCommandLineParser parser;

    // Reads the arguments (argumentos[0] is the command's own name). Answers --help (exit 0),
    // a parse error or an unexpected argument (exit 2) itself and returns that exit code;
    // nullopt when the command is to go on.
    std::optional<int> leer(const QStringList &argumentos, QTextStream &salida,
                            QTextStream &errores);
    // Writes the message and the usage to `errores`; returns the exit code 2.
    int usoIncorrecto(QTextStream &errores, const QString &mensaje) const;
    // The command's help: its usage line, then the options.
    QString ayuda() const;
    // Flushes what the command printed: 0, or 4 with a message when it could not be written.
    int terminarSalida(QTextStream &salida, QTextStream &errores) const;
    // Appends to the usage line (for options built from a table).
    void anadirAlUso(const QString &texto) { m_uso += texto; }
    // An option made to be given several times (each value counts); any other given twice is
    // wrong usage.
    void permitirRepetir(const QString &opcion) { m_repetibles << opcion; }

  private:
    QStringList m_repetibles;
    QString m_nombre;
    QString m_uso;
    QCommandLineOption m_ayuda;
};

// A number as scripts write it: a decimal point, no grouping, an exponent allowed; nullopt
// for anything else and for a value that is not finite.
std::optional<double> leerNumeroPunto(const QString &texto);
// A number with a decimal point and the fewest digits that read back the same double, with an
// exponent where needed; empty for a value that is not finite.
QString numeroPunto(double x);

} // namespace vorlo::cli

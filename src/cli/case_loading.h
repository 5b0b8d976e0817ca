#pragma once

#include "results/window_emulation.h"

#include <QMap>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <variant>

class QCommandLineParser;
class QTextStream;

// What the case commands share: their options, the language and the case, read with the same
// reader as File -> Open and settled as the pipe flow window settles it.
namespace vorlo::cli {

// The language setting for `--lang` ("es" or "en", any case); English when not given; nullopt for
// any other value.
std::optional<QString> idiomaDeOpcion(const QCommandLineParser &parser);

// The parsed command line of a case command, or the message of a wrong usage.
struct LineaCaso {
    QString caso;        // the first file
    QStringList casos{}; // every file: several only for `calc --csv`
    QString idioma;
    QString salida; // -o, for report
    bool ayuda = false;
    bool exacto = false;   // --exact: the exact mode, whatever the case holds
    bool definido = false; // --defined: the defined mode, whatever the case holds
    resultados::ModoArchivo modo() const {
        return exacto     ? resultados::ModoArchivo::Exacto
               : definido ? resultados::ModoArchivo::Definido
                          : resultados::ModoArchivo::Guardado;
    }
    bool csv = false; // --csv, for calc: one CSV row per file
    // --project, --line, ...: the note's header texts given, by the header's field names.
    QMap<QString, QString> cabecera{};
};
// `conSalida`: report's line (-o); otherwise calc's (--csv, which takes several files).
std::variant<LineaCaso, QString> leerLinea(const QStringList &argumentos, bool conSalida);

// Writes a wrong usage's message and the usage to `errores`; returns the exit code 2.
int usoIncorrecto(QTextStream &errores, const QString &comando, const QString &mensaje,
                  const QString &uso);

// Reads the case (.vorlo) or results file and opens it in a pipe flow window made of texts, in
// the mode `modo` chooses; or the message naming the file and why it cannot be read, in the
// language given.
std::variant<std::unique_ptr<resultados::VentanaTuberiaSimulada>, QString>
abrirCaso(const QString &ruta, const QString &idioma,
          resultados::ModoArchivo modo = resultados::ModoArchivo::Guardado);

// What both case commands do first: read the command line, answer --help or a wrong usage,
// and open the case. Either the case opened, with its command line, or the exit code to return
// (0 after the help, 2 for a wrong usage, 3 for a case that cannot be read).
struct CasoAbierto {
    LineaCaso linea;
    std::unique_ptr<resultados::VentanaTuberiaSimulada> ventana;
};
std::variant<CasoAbierto, int> prepararCaso(const QStringList &argumentos, bool conSalida,
                                            const QString &comando, const QString &uso,
                                            QTextStream &salida, QTextStream &errores);

} // namespace vorlo::cli

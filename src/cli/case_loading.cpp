#include "case_loading.h"

#include "cases/report_header.h"
#include "fields/language.h"

#include <QCommandLineParser>
#include <QTextStream>

namespace vorlo::cli {

namespace {
const QString kLang = QStringLiteral("lang");
const QString kSalida = QStringLiteral("output");
const QString kAyuda = QStringLiteral("help");
const QString kExacto = QStringLiteral("exact");
const QString kDefinido = QStringLiteral("defined");
const QString kCsv = QStringLiteral("csv");

// The case files named: one, or several for `calc --csv`; nullopt when they are fine.
std::optional<QString> comprobarCasos(const QStringList &casos, bool varios) {
    if (casos.isEmpty())
        return QStringLiteral("no case file given");
    if (casos.size() > 1 && !varios)
        return QStringLiteral("one case file only, got %1").arg(casos.size());
    if (casos.contains(QString()))
        return QStringLiteral("the case file name is empty");
    return std::nullopt;
}
// The note's header given on report's line, by the header's field names; the message of a
// wrong usage.
std::optional<QString> leerCabecera(const QCommandLineParser &parser, bool conSalida,
                                    LineaCaso &l) {
    if (!conSalida)
        return std::nullopt;
    for (const Campo &c : informe::cabecera::tabla().campos()) {
        if (c.clave.isEmpty() || !parser.isSet(c.clave))
            continue;
        if (parser.values(c.clave).size() > 1)
            return QStringLiteral("an option is given more than once");
        l.cabecera.insert(c.nombre, parser.value(c.clave));
        if (c.nombre != informe::cabecera::Cifras)
            continue;
        // Digits ask for the engineering presentation, over the case's choice.
        bool ok = false;
        const int n = parser.value(c.clave).toInt(&ok);
        if (!ok || n < informe::cabecera::kCifrasMinimas || n > informe::cabecera::kCifrasMaximas)
            return QStringLiteral("--%1 takes a whole number from %2 to %3, got '%4'")
                .arg(c.clave)
                .arg(informe::cabecera::kCifrasMinimas)
                .arg(informe::cabecera::kCifrasMaximas)
                .arg(parser.value(c.clave));
        l.cabecera.insert(informe::cabecera::Presentacion, informe::cabecera::kIngenieria);
    }
    return std::nullopt;
}
} // namespace

std::optional<QString> idiomaDeOpcion(const QCommandLineParser &parser) {
    if (!parser.isSet(kLang))
        return kIngles; // as at first start
    const QString v = parser.value(kLang).toLower();
    if (v == QLatin1String("es"))
        return kEspanol;
    if (v == QLatin1String("en"))
        return kIngles;
    return std::nullopt;
}

namespace {
// calc's and report's options; report adds its output and the note's header.
void anadirOpciones(QCommandLineParser &parser, bool conSalida) {
    parser.addOption(
        {kLang, QStringLiteral("Language of the texts: es or en."), QStringLiteral("es|en")});
    parser.addOption({{QStringLiteral("h"), kAyuda}, QStringLiteral("This help.")});
    parser.addOption({kExacto, QStringLiteral("Every result from the exact Colebrook friction "
                                              "factor and unrounded values.")});
    parser.addOption({kDefinido, QStringLiteral("Every result in the defined mode, whatever the "
                                                "case holds.")});
    if (!conSalida) {
        parser.addOption({kCsv, QStringLiteral("One CSV row per case file.")});
        return;
    }
    parser.addOption({{QStringLiteral("o"), kSalida},
                      QStringLiteral("The report file: .pdf or .csv."),
                      QStringLiteral("file")});
    // The note's header, each over the case's own text.
    for (const Campo &c : informe::cabecera::tabla().campos()) {
        if (c.clave.isEmpty())
            continue;
        if (c.nombre == informe::cabecera::Cifras)
            parser.addOption({c.clave,
                              QStringLiteral("Engineering presentation: every number of the note "
                                             "with <n> significant digits (default %1), in the "
                                             "note language's convention; the CSV keeps the "
                                             "window's texts.")
                                  .arg(informe::cabecera::kCifrasDefecto),
                              QStringLiteral("n")});
        else
            parser.addOption({c.clave, c.rotulo.ingles + QStringLiteral(" in the header."),
                              QStringLiteral("text")});
    }
}

// The report's output: given, and a PDF or a CSV by its name.
std::optional<QString> leerSalida(const QCommandLineParser &parser, LineaCaso &l) {
    if (!parser.isSet(kSalida) || parser.value(kSalida).isEmpty())
        return QStringLiteral("no output file given (-o OUT.pdf or -o OUT.csv)");
    l.salida = parser.value(kSalida);
    const QString s = l.salida.toLower();
    if (!s.endsWith(QLatin1String(".pdf")) && !s.endsWith(QLatin1String(".csv")))
        return QStringLiteral("the output file must end in .pdf or .csv: '%1'").arg(l.salida);
    return std::nullopt;
}
} // namespace

std::variant<LineaCaso, QString> leerLinea(const QStringList &argumentos, bool conSalida) {
    QCommandLineParser parser;
    anadirOpciones(parser, conSalida);
    if (!parser.parse(argumentos))
        return parser.errorText();
    LineaCaso l;
    if (parser.isSet(kAyuda)) {
        l.ayuda = true;
        return l;
    }
    // QCommandLineParser keeps only the last of a repeated option; say so instead of guessing.
    if (parser.values(kLang).size() > 1 || (conSalida && parser.values(kSalida).size() > 1))
        return QStringLiteral("an option is given more than once");
    const auto idioma = idiomaDeOpcion(parser);
    if (!idioma)
        return QStringLiteral("--lang must be es or en, not '%1'").arg(parser.value(kLang));
    l.idioma = *idioma;
    l.exacto = parser.isSet(kExacto);
    l.definido = parser.isSet(kDefinido);
    if (l.exacto && l.definido)
        return QStringLiteral("--exact and --defined exclude each other");
    l.csv = !conSalida && parser.isSet(kCsv);
    if (const auto m = leerCabecera(parser, conSalida, l))
        return *m;
    // The command's own name came first and was taken as the program's.
    l.casos = parser.positionalArguments();
    if (const auto m = comprobarCasos(l.casos, l.csv)) {
        // Several files print only as CSV: one table, one row each.
        return l.casos.size() > 1 && !conSalida ? *m + QStringLiteral(" (--csv takes several)")
                                                : *m;
    }
    l.caso = l.casos.first();
    if (conSalida)
        if (const auto m = leerSalida(parser, l))
            return *m;
    return l;
}

int usoIncorrecto(QTextStream &errores, const QString &comando, const QString &mensaje,
                  const QString &uso) {
    errores << QStringLiteral("vorlo %1: %2\n").arg(comando, mensaje) << uso;
    return 2;
}

std::variant<std::unique_ptr<resultados::VentanaTuberiaSimulada>, QString>
abrirCaso(const QString &ruta, const QString &idioma, resultados::ModoArchivo modo) {
    auto abierto = resultados::abrirArchivo(ruta, idioma, modo);
    if (const auto *e = std::get_if<resultados::ErrorArchivo>(&abierto))
        return e->texto(idioma);
    return std::move(std::get<0>(abierto));
}

std::variant<CasoAbierto, int> prepararCaso(const QStringList &argumentos, bool conSalida,
                                            const QString &comando, const QString &uso,
                                            QTextStream &salida, QTextStream &errores) {
    auto linea = leerLinea(argumentos, conSalida);
    if (const auto *m = std::get_if<QString>(&linea))
        return usoIncorrecto(errores, comando, *m, uso);
    LineaCaso &l = std::get<LineaCaso>(linea);
    if (l.ayuda) {
        salida << uso;
        return 0;
    }
    auto caso = abrirCaso(l.caso, l.idioma, l.modo());
    if (const auto *m = std::get_if<QString>(&caso)) {
        errores << QStringLiteral("vorlo %1: %2\n").arg(comando, *m);
        return 3;
    }
    return CasoAbierto{std::move(l), std::move(std::get<0>(caso))};
}

} // namespace vorlo::cli

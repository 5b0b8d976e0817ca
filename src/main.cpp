#include "app/icons.h"
#include "app/startup.h"
#include "commands.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTextStream>
#include <cstdio>
#include <memory>

namespace {

bool esOpcionDelPrograma(const QString &a) {
    return a == QLatin1String("-h") || a == QLatin1String("--help") ||
           a == QLatin1String("--help-all") || a == QLatin1String("-v") ||
           a == QLatin1String("--version");
}

void nombrarAplicacion() {
    QCoreApplication::setApplicationName(QStringLiteral("vorlo"));
    QCoreApplication::setApplicationVersion(vorlo::cli::version());
}

int ejecutarComando(const vorlo::cli::Comando &comando, int argc, char *argv[]) {
    std::unique_ptr<QCoreApplication> app;
    if (comando.dibuja) {
        // Drawing needs a platform, never a display: commands run in scripts and over SSH.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        // Without a session (cron, SSH) Qt would warn on stderr and fall back to this folder;
        // scripts read stderr for errors, so the fallback is taken quietly.
        if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
            const QString carpeta = QDir::tempPath() + QStringLiteral("/runtime-") +
                                    qEnvironmentVariable("USER", "vorlo");
            if (QDir().mkpath(carpeta) &&
                QFile::setPermissions(carpeta,
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner))
                qputenv("XDG_RUNTIME_DIR", QFile::encodeName(carpeta));
        }
        // The Moody chart of a note is a graphics widget: it needs the widgets' application.
        app = std::make_unique<QApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    nombrarAplicacion();
    QTextStream salida(stdout);
    QTextStream errores(stderr);
    const int codigo = comando.ejecutar(QCoreApplication::arguments().mid(1), salida, errores);
    salida.flush();
    errores.flush();
    return codigo;
}

// `vorlo --help`, `vorlo --version` and an unknown command.
int ayudaGeneral(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    nombrarAplicacion();
    QCommandLineParser parser;
    QString descripcion =
        QStringLiteral("Vorlo: pipe flow, pressure drop and gas density for process engineers.\n"
                       "With no arguments it opens its windows; `vorlo CASE.vorlo` (or a .vrq\n"
                       "results file) opens them with that case. Commands:");
    for (const vorlo::cli::Comando &c : vorlo::cli::comandos())
        descripcion += QStringLiteral("\n  %1  %2").arg(c.nombre, -8).arg(c.resumen);
    descripcion += QStringLiteral("\n`vorlo COMMAND --help` describes a command.");
    parser.setApplicationDescription(descripcion);
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("command|case"),
                                 QStringLiteral("The command to run, or the case to open."));
    parser.process(app); // --help and --version print and exit here
    QTextStream errores(stderr);
    const QStringList pos = parser.positionalArguments();
    errores << QStringLiteral("vorlo: unknown command '%1'\n")
                   .arg(pos.isEmpty() ? QString() : pos.first())
            << parser.helpText();
    return vorlo::cli::UsoIncorrecto;
}

} // namespace

int main(int argc, char *argv[]) {
    if (argc > 1) {
        const QString primero = QString::fromLocal8Bit(argv[1]);
        if (const vorlo::cli::Comando *c = vorlo::cli::buscarComando(primero))
            return ejecutarComando(*c, argc, argv);
        // Options other than help and version (Qt's own, such as -platform) go to the windows,
        // and so does a case's name; anything else is no command.
        if (esOpcionDelPrograma(primero) ||
            (!primero.startsWith(QLatin1Char('-')) && !vorlo::nombraArchivoVorlo(primero)))
            return ayudaGeneral(argc, argv);
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vorlo"));
    QApplication::setApplicationVersion(vorlo::cli::version());
    QApplication::setWindowIcon(vorlo::icono(QStringLiteral("vorlo")));
    // Qt has taken its own options out: what is left is the case, if any.
    const QStringList resto = QCoreApplication::arguments().mid(1);
    if (resto.size() > 1 || (resto.size() == 1 && !vorlo::nombraArchivoVorlo(resto.first()))) {
        QTextStream(stderr) << QStringLiteral("vorlo: one case file (.vorlo or .vrq) at most, "
                                              "got '%1'\n")
                                   .arg(resto.join(QStringLiteral("' '")));
        return vorlo::cli::UsoIncorrecto;
    }
    vorlo::arrancarVentanas(resto.value(0));
    return app.exec();
}

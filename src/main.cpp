#include "app/icons.h"
#include "app/startup.h"
#include "commands.h"
#include "program_line.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTextStream>
#include <cstdio>
#include <memory>

namespace {

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

} // namespace

int main(int argc, char *argv[]) {
    QStringList argumentos;
    for (int i = 1; i < argc; ++i)
        argumentos << QString::fromLocal8Bit(argv[i]);
    // Decided before any application object: a wrong usage is answered without a display.
    const vorlo::cli::Arranque arranque = vorlo::cli::decidirArranque(argumentos);
    using Tipo = vorlo::cli::Arranque::Tipo;
    switch (arranque.tipo) {
    case Tipo::Comando:
        return ejecutarComando(*arranque.comando, argc, argv);
    case Tipo::Ayuda:
        std::fputs(qPrintable(vorlo::cli::usoGeneral()), stdout);
        return vorlo::cli::Hecho;
    case Tipo::Version:
        std::fputs(qPrintable(QStringLiteral("vorlo %1\n").arg(vorlo::cli::version())), stdout);
        return vorlo::cli::Hecho;
    case Tipo::Error:
        std::fputs(qPrintable(QStringLiteral("vorlo: %1\n").arg(arranque.mensaje) +
                              vorlo::cli::usoGeneral()),
                   stderr);
        return vorlo::cli::UsoIncorrecto;
    case Tipo::Ventanas:
        break;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vorlo"));
    QApplication::setApplicationVersion(vorlo::cli::version());
    QApplication::setWindowIcon(vorlo::icono(QStringLiteral("vorlo")));
    vorlo::arrancarVentanas(arranque.caso);
    return app.exec();
}

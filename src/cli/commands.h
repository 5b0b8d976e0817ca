#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QTextStream;

// The commands of `vorlo COMMAND ...`. Each runs over the core and the report writers, opens no
// window and answers with one of the exit codes below.
namespace vorlo::cli {

enum CodigoSalida {
    Hecho = 0,           // done
    UsoIncorrecto = 2,   // wrong usage: message and usage on stderr
    CasoIlegible = 3,    // the case file cannot be read; nothing is written
    SalidaImposible = 4, // the output cannot be written
};

struct Comando {
    QString nombre;
    QString resumen; // one line for `vorlo --help`
    // Whether the command draws (PDF, images, the Moody chart's graphics widgets): it then runs
    // under a QApplication on the offscreen platform unless one is set; otherwise a
    // QCoreApplication is enough.
    bool dibuja = false;
    // argumentos[0] is the command's name, as QCommandLineParser expects.
    int (*ejecutar)(const QStringList &argumentos, QTextStream &salida,
                    QTextStream &errores) = nullptr;
};

// Every command, in the order `vorlo --help` lists them.
const QList<Comando> &comandos();
const Comando *buscarComando(const QString &nombre);

// The program's version, from the build (`project(VERSION ...)`).
QString version();

} // namespace vorlo::cli

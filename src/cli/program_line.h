#pragma once

#include <QString>
#include <QStringList>

// What `vorlo ARGUMENTS...` asks for, decided from the arguments alone, before any application
// object exists: a wrong usage must be answered on a terminal without a display.
namespace vorlo::cli {

struct Comando;

struct Arranque {
    enum class Tipo {
        Ventanas, // the windows, with `caso` when one is named
        Comando,  // `comando` runs with the arguments
        Ayuda,    // --help: the usage on standard output, exit 0
        Version,  // --version: the version on standard output, exit 0
        Error,    // wrong usage: `mensaje` and the usage on standard error, exit 2
    };
    Tipo tipo = Tipo::Ventanas;
    QString caso{};
    const Comando *comando = nullptr;
    QString mensaje{};
};

// `argumentos`: the program's arguments without its own name. The windowing system's own
// options (-platform, -style, ...) are left for the windows; any other option is wrong usage.
Arranque decidirArranque(const QStringList &argumentos);

// The program's usage and its commands, for --help and after a wrong usage; it names the program
// `vorlo`, whatever path it was started from.
QString usoGeneral();

} // namespace vorlo::cli

#pragma once

#include <QTest>

// The tests of a folder share one program: each test class registers itself under its name,
// and the program runs the class its first argument names (one CTest entry a class), so each
// still runs in a process of its own. A program a class linked far less than sixty times.
namespace vorlo::prueba {

// The application a class runs in, as QTEST_APPLESS_MAIN, QTEST_GUILESS_MAIN and QTEST_MAIN
// give it.
enum class Aplicacion { SinAplicacion, Nucleo, Ventanas };

using Ejecutar = int (*)(int argc, char **argv);
bool registrar(const char *clase, Aplicacion aplicacion, Ejecutar ejecutar);

} // namespace vorlo::prueba

#define VORLO_PRUEBA(Clase, Tipo)                                                                  \
    static int ejecutar##Clase(int argc, char **argv) {                                            \
        Clase prueba;                                                                              \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&prueba, argc, argv);                                                  \
    }                                                                                              \
    [[maybe_unused]] static const bool registrada##Clase =                                         \
        vorlo::prueba::registrar(#Clase, vorlo::prueba::Aplicacion::Tipo, &ejecutar##Clase);

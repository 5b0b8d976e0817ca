#include "runner.h"

#include <QCoreApplication>
#include <QMap>
#include <cstdio>
#include <vector>
#ifdef VORLO_PRUEBAS_VENTANAS
#include <QApplication>
#endif

namespace vorlo::prueba {

namespace {

struct Registrada {
    Aplicacion aplicacion;
    Ejecutar ejecutar;
};

QMap<QString, Registrada> &registro() {
    static QMap<QString, Registrada> r;
    return r;
}

} // namespace

bool registrar(const char *clase, Aplicacion aplicacion, Ejecutar ejecutar) {
    registro().insert(QString::fromLatin1(clase), {aplicacion, ejecutar});
    return true;
}

} // namespace vorlo::prueba

// argv[1] names the test class; the rest are Qt Test's own arguments.
int main(int argc, char **argv) {
    using namespace vorlo::prueba;
    const auto it =
        argc > 1 ? registro().constFind(QString::fromLocal8Bit(argv[1])) : registro().constEnd();
    if (it == registro().constEnd()) {
        std::fprintf(stderr, "usage: %s CLASS [Qt Test options]; classes:\n", argv[0]);
        for (const QString &c : registro().keys())
            std::fprintf(stderr, "  %s\n", qPrintable(c));
        return 2;
    }
    std::vector<char *> args{argv[0]};
    args.insert(args.end(), argv + 2, argv + argc);
    int n = int(args.size());
    switch (it->aplicacion) {
    case Aplicacion::SinAplicacion:
        return it->ejecutar(n, args.data());
    case Aplicacion::Nucleo: {
        QCoreApplication app(n, args.data());
        return it->ejecutar(n, args.data());
    }
    case Aplicacion::Ventanas: {
#ifdef VORLO_PRUEBAS_VENTANAS
        QApplication app(n, args.data());
        app.setAttribute(Qt::AA_Use96Dpi, true);
        return it->ejecutar(n, args.data());
#else
        std::fprintf(stderr, "%s: this program has no windows\n", argv[0]);
        return 2;
#endif
    }
    }
    return 2;
}

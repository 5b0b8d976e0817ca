#pragma once

#include "commands.h"

#include <QBuffer>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QTextStream>

// What the command tests share: a command run with its arguments, its two streams captured.
namespace vorlo::prueba {

using FuncionComando = int (*)(const QStringList &, QTextStream &, QTextStream &);

struct Resultado {
    int codigo = -1;
    QString salida;
    QString errores;
    QStringList lineas() const { return salida.split(QLatin1Char('\n'), Qt::SkipEmptyParts); }
};

// `vorlo NOMBRE OPCIONES...`, as main hands it to the command.
inline Resultado ejecutar(FuncionComando comando, const QString &nombre,
                          const QStringList &opciones) {
    Resultado r;
    QTextStream salida(&r.salida);
    QTextStream errores(&r.errores);
    r.codigo = comando(QStringList{nombre} + opciones, salida, errores);
    salida.flush();
    errores.flush();
    return r;
}

// The command's output goes to a device that takes nothing: exit 4 with the reason.
inline void salidaImposible(FuncionComando comando, const QStringList &argumentos) {
    QBuffer lleno;
    lleno.open(QIODevice::ReadOnly);
    QTest::ignoreMessage(QtWarningMsg, "QIODevice::write (QBuffer): ReadOnly device");
    QTextStream salida(&lleno);
    QString textoErrores;
    QTextStream errores(&textoErrores);
    QCOMPARE(comando(argumentos, salida, errores), int(cli::SalidaImposible));
    errores.flush();
    QVERIFY(textoErrores.contains(QStringLiteral("cannot be written")));
}

// Wrong usage of `vorlo COMANDO`: exit 2, nothing on standard output, and on standard error the
// command's name, the reason `mensaje` and the usage.
inline void usoIncorrecto(const Resultado &r, const QString &comando, const QString &mensaje) {
    QCOMPARE(r.codigo, int(cli::UsoIncorrecto));
    QCOMPARE(r.salida, QString());
    const QString nombre = QStringLiteral("vorlo ") + comando;
    QVERIFY2(r.errores.startsWith(nombre + QStringLiteral(": ")), qPrintable(r.errores));
    QVERIFY2(r.errores.contains(mensaje), qPrintable(r.errores));
    QVERIFY2(r.errores.contains(QStringLiteral("Usage: ") + nombre), qPrintable(r.errores));
}

} // namespace vorlo::prueba

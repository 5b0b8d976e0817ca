#include "commands.h"
#include "program_line.h"

#include <QTest>

#include "../support/runner.h"

using namespace vorlo::cli;
using Tipo = Arranque::Tipo;

class TestProgramLine : public QObject {
    Q_OBJECT

  private slots:
    void decide_data() {
        QTest::addColumn<QStringList>("argumentos");
        QTest::addColumn<int>("tipo");
        QTest::addColumn<QString>("caso");
        QTest::addColumn<QString>("mensaje");
        const int V = int(Tipo::Ventanas), E = int(Tipo::Error);
        QTest::newRow("nothing") << QStringList{} << V << QString() << QString();
        QTest::newRow("case") << QStringList{"a.vorlo"} << V << "a.vorlo" << QString();
        QTest::newRow("results file") << QStringList{"b.VRQ"} << V << "b.VRQ" << QString();
        QTest::newRow("qt option with value")
            << QStringList{"-style", "fusion", "a.vorlo"} << V << "a.vorlo" << QString();
        QTest::newRow("qt option, two dashes, =")
            << QStringList{"--platform=xcb", "-reverse"} << V << QString() << QString();
        QTest::newRow("unknown option")
            << QStringList{"--bogus"} << E << QString() << "unknown option '--bogus'";
        QTest::newRow("unknown option after a case")
            << QStringList{"a.vorlo", "-x"} << E << QString() << "unknown option '-x'";
        QTest::newRow("qt option without its value")
            << QStringList{"-style"} << E << QString() << "needs a value";
        QTest::newRow("version with more") << QStringList{"--version", "extra"} << E << QString()
                                           << "--version takes no arguments, got 'extra'";
        QTest::newRow("help with more")
            << QStringList{"-h", "a.vorlo"} << E << QString() << "takes no arguments";
        QTest::newRow("no command")
            << QStringList{"frobnicate"} << E << QString() << "unknown command 'frobnicate'";
        QTest::newRow("two cases")
            << QStringList{"a.vorlo", "b.vrq"} << E << QString()
            << "one case file (.vorlo or .vrq) at most, got 'a.vorlo' 'b.vrq'";
        QTest::newRow("help") << QStringList{"--help"} << int(Tipo::Ayuda) << QString()
                              << QString();
        QTest::newRow("version") << QStringList{"-v"} << int(Tipo::Version) << QString()
                                 << QString();
    }
    void decide() {
        QFETCH(QStringList, argumentos);
        QFETCH(int, tipo);
        QFETCH(QString, caso);
        QFETCH(QString, mensaje);
        const Arranque a = decidirArranque(argumentos);
        QCOMPARE(int(a.tipo), tipo);
        QCOMPARE(a.caso, caso);
        QVERIFY2(mensaje.isEmpty() ? a.mensaje.isEmpty() : a.mensaje.contains(mensaje),
                 qPrintable(a.mensaje));
    }

    void aCommandKeepsItsOwnOptions() {
        // `vorlo calc --bogus` is calc's to answer, with its own usage.
        const Arranque a = decidirArranque({"calc", "--bogus"});
        QCOMPARE(int(a.tipo), int(Tipo::Comando));
        QCOMPARE(a.comando, buscarComando("calc"));
    }

    void usageNamesTheProgram() {
        const QString u = usoGeneral();
        QVERIFY(u.startsWith("Usage: vorlo "));
        for (const Comando &c : comandos())
            QVERIFY2(u.contains("  " + c.nombre + " "), qPrintable(c.nombre));
    }
};

VORLO_PRUEBA(TestProgramLine, Nucleo)
#include "tst_program_line.moc"

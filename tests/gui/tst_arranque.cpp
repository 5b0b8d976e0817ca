#include "app/form1.h"
#include "app/open_windows.h"
#include "app/startup.h"
#include "app/windows.h"
#include "cases/case_file.h"
#include "fields/language.h"
#include "gas/form2.h"
#include "pipeflow/form_reynolds.h"
#include "results/window_emulation.h"

#include "../support/file_helpers.h"
#include "../support/gui_fixture.h"

#include <QTemporaryDir>
#include <QTest>

#include "../support/runner.h"

using namespace vorlo;
using namespace vorlo::prueba;

namespace {

// A case with a pipe part (gases mode when asked, the exact mode as saved) and a gas part.
QByteArray casoJson(bool gases, bool exacto) {
    caso::Caso c{kEspanol, {}};
    c.ventanas[caso::Tuberia] = {
        {{t::Option1, !gases}, {t::Option2, gases}, {t::Option3, true}, {t::CheckExacto, exacto}},
        {{t::Qproceso, "36"},
         {t::dproceso, "998"},
         {t::vdinamica, "0,001"},
         {t::dint, "100"},
         {t::Rugosidad, "0,05"},
         {t::L, "100"},
         {t::Desnivel, "5"},
         {t::ktotal, "2"}}};
    c.ventanas[caso::Gas] = {{}, {{g::Pproceso, "7,5"}}};
    return caso::contenido(c);
}

const QByteArray kResultados = "True\r\nFalse\r\n36\r\n998\r\nTrue\r\nFalse\r\n0,001\r\n\r\n100\r\n"
                               "\r\n\r\n0,05\r\n\r\n100\r\n5\r\n2\r\n";

} // namespace

class TestArranque : public PruebaGui {
    Q_OBJECT
    QTemporaryDir m_dir;

  private slots:
    // `vorlo ARG`: a .vorlo or .vrq name is a file for the windows, even a missing one.
    void a_case_is_named_by_its_extension_data() {
        QTest::addColumn<QString>("argumento");
        QTest::addColumn<bool>("archivo");
        // clang-format off
        QTest::newRow("case")          << "linea7.vorlo" << true;
        QTest::newRow("results, caps") << "EJEMPLO.VRQ" << true;
        QTest::newRow("a command")     << "calc" << false;
        QTest::newRow("other file")    << "notas.txt" << false;
        // clang-format on
    }
    void a_case_is_named_by_its_extension() {
        QFETCH(QString, argumento);
        QTEST(nombraArchivoVorlo(argumento), "archivo");
    }

    // The start screen first, the file in the pipe window, the same texts as `vorlo calc`
    // prints; a file that cannot be read leaves the start screen and says why.
    void the_windows_start_with_the_file_data() {
        QTest::addColumn<QString>("nombre");
        QTest::addColumn<QByteArray>("bytes"); // empty: no such file
        QTest::addColumn<QString>("motivo");   // empty: opened
        // clang-format off
        QTest::newRow("case")          << "a.vorlo" << casoJson(false, false) << "";
        QTest::newRow("gases, exact")  << "b.vorlo" << casoJson(true, true) << "";
        QTest::newRow("results file")  << "c.vrq" << kResultados << "";
        QTest::newRow("missing case")  << "nada.vorlo" << QByteArray() << "the file does not exist";
        QTest::newRow("not JSON")      << "roto.vorlo" << QByteArray("{") << "it is not a JSON file";
        QTest::newRow("no file given") << "" << QByteArray() << "";
        // clang-format on
    }
    void the_windows_start_with_the_file() {
        QFETCH(QString, nombre);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, motivo);
        const QString ruta = nombre.isEmpty() ? QString() : m_dir.filePath(nombre);
        if (!bytes.isEmpty())
            escribirBytes(ruta, bytes);
        arrancarVentanas(ruta);
        QVERIFY(ventanas().existente<Form1>() && ventanas().existente<Form1>()->isVisible());
        auto *f = ventanas().existente<FormReynolds>();
        if (!motivo.isEmpty() || nombre.isEmpty()) {
            QVERIFY(!f);
            QCOMPARE(mensajes.cajas.size(), motivo.isEmpty() ? 0 : 1);
            if (!motivo.isEmpty())
                QVERIFY(mensajes.cajas[0].texto.contains(ruta) &&
                        mensajes.cajas[0].texto.contains(motivo));
            return;
        }
        QVERIFY(f && f->isVisible() && mensajes.cajas.isEmpty());
        tic(f, 25);
        auto simulada = resultados::abrirArchivo(ruta, idiomaActual());
        QCOMPARE(estadoCampos(*f, camposTuberia()),
                 estadoCampos(*std::get<0>(simulada), camposTuberia()));
        // The gas window is not opened, yet takes the case's part when it opens.
        QVERIFY(!ventanas().existente<Form2>());
        abrirForm2();
        QCOMPARE(ventanas().existente<Form2>()->texto(g::Pproceso),
                 bytes.contains("7,5") ? "7,5" : "");
    }
};

VORLO_PRUEBA(TestArranque, Ventanas)
#include "tst_arranque.moc"

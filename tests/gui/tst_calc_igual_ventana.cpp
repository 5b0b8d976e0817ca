#include "app/colours.h"
#include "app/globals.h"
#include "app/message_boxes.h"
#include "app/open_windows.h"
#include "app/texts.h"
#include "app/windows.h"
#include "fields/language.h"
#include "pipeflow/form_reynolds.h"
#include "pipeflow/form_reynolds_tables.h"
#include "pipeflow/pipe_flow.h"
#include "results/form_guardar.h"
#include "results/results_file.h"
#include "results/window_emulation.h"

#include "../support/file_helpers.h"
#include "../support/gui_fixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include "../support/runner.h"
#include <QTimer>

using namespace vorlo;
using resultados::VentanaTuberiaSimulada;

namespace {

// The sixteen lines of a results file, in file order.
QByteArray archivo(const QList<QByteArray> &lineas) {
    QByteArray b;
    for (const QByteArray &l : lineas)
        b += l + "\r\n";
    return b;
}

QByteArray archivo(bool liquidos, bool gases, bool dinamica, bool cinematica,
                   const QList<QByteArray> &doce) {
    const auto op = [](bool v) { return QByteArray(v ? "True" : "False"); };
    return archivo({op(liquidos), op(gases), doce[0], doce[1], op(dinamica), op(cinematica),
                    doce[2], doce[3], doce[4], doce[5], doce[6], doce[7], doce[8], doce[9],
                    doce[10], doce[11]});
}

// Fields in file order: Qproceso, dproceso, vdinamica, Vcinematica, dint, Vproceso, Re,
// Rugosidad, ffinal, L, Desnivel, ktotal.
const QList<QByteArray> kEjemplo = {"36", "998",  "0,001", "",    "100", "",
                                    "",   "0,05", "",      "100", "5",   "2"};

// Every text the pipe window holds for the calculation, by control name.
QStringList camposVentana(FormReynolds *f) {
    QStringList l = prueba::camposTuberia();
    // The exact root, its note and the pipe designation are compared too.
    for (const QString &n : {tuberia::fexacta, tuberia::Labelfexacta, tuberia::LabelTuberia})
        if (f->findChild<QWidget *>(n))
            l << n;
    return l;
}

// A pool of texts a results file may hold, numbers and garbage alike.
const QList<QByteArray> kTextos = {
    "",      "",       "",        "0",        "0,0",     "1",
    "2",     "5",      "36",      "100",      "998",     "998,20",
    "0,001", "0,0012", ",001",    "0,000015", "1,2732",  "127.065",
    "2000",  "3000",   "4000",    "4001",     "1500",    ",0197",
    "0,05",  "-5",     "-",       ",",        "1,2,3",   "1-2",
    "abc",   "1e400",  "1,8E-05", " 7 ",      "1.234,5", "9999999999999999999999",
    "ñ\xff", "\t3",    "1\r2"};

} // namespace

class TestCalcIgualVentana : public prueba::PruebaGui {
    Q_OBJECT

    QTemporaryDir m_dir;

    // Opens the file through Archivo -> Abrir in a freshly created pipe window and lets the
    // timer tick until it has nothing left to do.
    FormReynolds *abrirEnVentana(const QByteArray &bytes) {
        ventanas().cerrarTodas();
        prueba::borrarDiferidos();
        const QString nombre = QStringLiteral("caso.vrq");
        prueba::escribirBytes(m_dir.filePath(nombre), bytes);
        abrirArchivo();
        QPointer<FormGuardar> g = ventanas().existente<FormGuardar>();
        if (!g)
            return nullptr;
        g->fijarDirectorio(m_dir.path());
        prueba::campo(g, "Text1")->setText(nombre);
        prueba::pulsar(g, "Command1");
        FormReynolds *f = ventanas().existente<FormReynolds>();
        if (!f)
            return nullptr;
        // The timer sleeps once a tick finds no input changed; 25 ticks are 5 s of its time.
        QCoreApplication::processEvents();
        prueba::tic(f, 25);
        if (prueba::control<QTimer>(f, "Timer1")->isActive())
            return nullptr;
        QCoreApplication::processEvents();
        return f;
    }

    void comparar(const QByteArray &bytes, const QString &idioma) {
        Idioma = idioma;
        const auto leido = resultados::interpretar(bytes);
        QVERIFY(std::holds_alternative<resultados::Resultados>(leido));
        // The windows' language rule: an unset language reads as English.
        VentanaTuberiaSimulada simulada(idiomaActual());
        simulada.abrir(std::get<resultados::Resultados>(leido));

        FormReynolds *f = abrirEnVentana(bytes);
        QVERIFY(f);
        QVERIFY(mensajes.cajas.isEmpty());
        const QStringList campos = camposVentana(f);
        QCOMPARE(prueba::estadoCampos(simulada, campos), prueba::estadoCampos(*f, campos));
        // Nothing the emulation wrote is missing from the window.
        for (auto it = simulada.textos().cbegin(); it != simulada.textos().cend(); ++it)
            QVERIFY2(campos.contains(it.key()) || it.value().isEmpty(), qPrintable(it.key()));
        // The friction note is red exactly when the emulation says so.
        const QColor nota = prueba::control<QLabel>(f, tuberia::Labelffriccion)
                                ->palette()
                                .color(QPalette::WindowText);
        if (!simulada.texto(tuberia::Labelffriccion).isEmpty())
            QCOMPARE(nota == kColorRojo,
                     simulada.color(tuberia::Labelffriccion) == ColorNota::Rojo);
    }

  private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    // The window's text boxes are the field table's, which the emulation follows too.
    void the_emulation_uses_the_windows_tables() {
        Idioma = kIngles;
        FormReynolds *f = ventanas().mostrar<FormReynolds>();
        QStringList cajas;
        for (const QString &n : camposVentana(f))
            if (auto *e = f->findChild<QLineEdit *>(n)) {
                cajas << n;
                QCOMPARE(e->maxLength(), resultados::kLongitudMaximaCaja);
            }
        QStringList esperadas = tuberia::campos().conMarca(Caja);
        esperadas.sort();
        cajas.sort();
        QCOMPARE(cajas, esperadas);
    }

    // Window and emulation share the controller; what is left to prove is that each maps its
    // texts and options the same way: both languages, the option pairs as saved, the modes'
    // hidden rows, texts a key filter or a text box would change, no language set.
    void every_field_equals_the_window_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("idioma");
        QList<QByteArray> ejemploResultados = kEjemplo;
        ejemploResultados[5] = "1,2732";
        ejemploResultados[6] = "127.065";
        ejemploResultados[8] = ",0197";
        QList<QByteArray> gases = {"500", "1,98",  "", "0,000015", "80", "",
                                   "",    "0,046", "", "",         "0",  "1,5"};
        QList<QByteArray> basura = {"1,2,3", "-",    "abc", "1-2",
                                    "1e400", ",",    " 7 ", "ñ\xff",
                                    "\t3",   "1\r2", "--",  "9999999999999999999999"};
        QList<QByteArray> largo = kEjemplo;
        largo[0] = "3" + QByteArray(40000, '6'); // longer than a text box keeps
        largo[7] = QByteArray(33000, '0') + "5";

        for (const QString &idioma : {kIngles, kEspanol}) {
            const QByteArray en = idioma == kIngles ? " en" : " es";
            QTest::newRow("worked example" + en)
                << archivo(true, false, true, false, kEjemplo) << idioma;
            QTest::newRow("gases, kinematic" + en)
                << archivo(false, true, false, true, gases) << idioma;
            QTest::newRow("garbage" + en) << archivo(true, false, true, false, basura) << idioma;
        }
        QTest::newRow("worked example, results saved")
            << archivo(true, false, true, false, ejemploResultados) << kIngles;
        QTest::newRow("neither option of either pair")
            << archivo(false, false, false, false, kEjemplo) << kIngles;
        QTest::newRow("neither viscosity, results saved")
            << archivo(true, false, false, false, ejemploResultados) << kEspanol;
        QTest::newRow("texts longer than a box keeps")
            << archivo(true, false, true, false, largo) << kIngles;
        QTest::newRow("no language set") << archivo(true, false, true, false, kEjemplo) << "";

        // Random files from a pool of numbers and garbage; a fixed seed keeps them repeatable.
        QRandomGenerator azar(17);
        for (int i = 0; i < 6; ++i) {
            QList<QByteArray> doce;
            for (int j = 0; j < 12; ++j)
                doce << kTextos[azar.bounded(int(kTextos.size()))];
            const int modo = azar.bounded(3);
            const int visc = azar.bounded(3);
            QTest::newRow(qPrintable(QStringLiteral("random %1").arg(i)))
                << archivo(modo == 1, modo == 2, visc == 1, visc == 2, doce)
                << (azar.bounded(2) ? kEspanol : kIngles);
        }
    }
    void every_field_equals_the_window() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, idioma);
        comparar(bytes, idioma);
    }
};

VORLO_PRUEBA(TestCalcIgualVentana, Ventanas)
#include "tst_calc_igual_ventana.moc"

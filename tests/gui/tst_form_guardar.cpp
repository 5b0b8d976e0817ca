#include "app/globals.h"
#include "app/open_windows.h"
#include "fields/language.h"
#include "pipeflow/form_reynolds.h"
#include "results/form_guardar.h"

#include "../support/file_helpers.h"
#include "../support/gui_fixture.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QTest>

#include "../support/runner.h"
#include <QToolButton>
#include <QTreeView>
#include <csignal>
#include <sys/resource.h>

using namespace vorlo;

namespace {

const QString kPregunta = QStringLiteral("El archivo  existe. ¿sobreescribir?");

using namespace vorlo::prueba;

// Every text, option and visibility of the pipe flow window that a file could touch.
QStringList estadoTuberia(FormReynolds *f) {
    QStringList s = estadoCampos(*f, camposTuberia());
    for (const QString &n : QStringList{t::L, t::Desnivel, t::DPbarTotal, t::vdinamica,
                                        t::Vcinematica, "Command4", "Command5", "Command7"})
        s << QStringLiteral("%1 visible=%2").arg(n).arg(control(f, n)->isVisible());
    return s;
}

} // namespace

class TestFormGuardar : public PruebaGui {
    Q_OBJECT
  public:
    TestFormGuardar() : PruebaGui(kEspanol) {}

  private:
    QTemporaryDir *m_dir = nullptr;

    QString ruta(const QString &nombre) const { return m_dir->filePath(nombre); }

    FormReynolds *tuberia() { return ventanas().mostrar<FormReynolds>(); }

    FormGuardar *ventanaGuardar(const QString &carpeta) {
        abrirGuardar();
        auto *g = ventanas().existente<FormGuardar>();
        if (g && !carpeta.isEmpty())
            g->fijarDirectorio(carpeta);
        return g;
    }

    static QLineEdit *text1(FormGuardar *g) { return campo(g, "Text1"); }
    static QListWidget *file1(FormGuardar *g) { return control<QListWidget>(g, "File1"); }
    static QComboBox *drive1(FormGuardar *g) { return control<QComboBox>(g, "Drive1"); }

    static void nombrar(FormGuardar *g, const QString &nombre) { teclear(text1(g), nombre); }
    static bool cerrada(QPointer<FormGuardar> &g) {
        borrarDiferidos();
        return g.isNull();
    }

    // A settled liquids run with roughness, length, elevation and fittings.
    FormReynolds *calculoLiquidos() {
        FormReynolds *f = tuberia();
        teclear(f, {{t::Qproceso, "36"},
                    {t::dproceso, "998,20"},
                    {t::vdinamica, "0,0012"},
                    {t::dint, "100"},
                    {t::Rugosidad, "0,05"},
                    {t::L, "50"},
                    {t::Desnivel, "2"}});
        f->escribir(t::ktotal, "1,5"); // as the fittings window hands it over
        f->CalcularTuberia();
        return f;
    }

    // A settled gases run with kinematic viscosity.
    FormReynolds *calculoGases() {
        FormReynolds *f = tuberia();
        pulsar(f, t::Option2);
        pulsar(f, t::Option4);
        teclear(f, {{t::Qproceso, "500"},
                    {t::dproceso, "1,98"},
                    {t::Vcinematica, "0,000015"},
                    {t::dint, "80"},
                    {t::Rugosidad, "0,046"}});
        f->CalcularTuberia();
        return f;
    }

    void alEmpezar() override { m_dir = new QTemporaryDir; }
    void alTerminar() override {
        QFile::setPermissions(ruta("ro"), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                              QFileDevice::ExeOwner);
        delete m_dir;
        m_dir = nullptr;
    }

  private slots:

    void loads_with_its_texts_data() {
        QTest::addColumn<QString>("idioma");
        QTest::addColumn<QString>("guardar");
        QTest::addColumn<QString>("cancelar");
        QTest::addColumn<QString>("etiqueta");
        QTest::newRow("Spanish") << kEspanol << "Guardar"
                                 << "Cancelar"
                                 << "Nombre de Archivo";
        QTest::newRow("English") << kIngles << "Save"
                                 << "Cancel"
                                 << "File Name";
    }
    void loads_with_its_texts() {
        QFETCH(QString, idioma);
        QFETCH(QString, guardar);
        QFETCH(QString, cancelar);
        QFETCH(QString, etiqueta);
        Idioma = idioma;
        control<QAction>(tuberia(), "Guardar")->trigger(); // menu Archivo, Guardar
        FormGuardar *g = ventanas().existente<FormGuardar>();
        QVERIFY(g);
        QCOMPARE(g->modo(), FormGuardar::Modo::Guardar);
        QCOMPARE(g->objectName(), "FormGuardar");
        QCOMPARE(g->windowTitle(), "Guardar");
        QCOMPARE(boton(g, "Command1")->text(), guardar);
        QCOMPARE(boton(g, "Command2")->text(), cancelar);
        QCOMPARE(prueba::etiqueta(g, "Label1"), etiqueta);
        QCOMPARE(text1(g)->text(), "PDcalc1.vrq");
        QCOMPARE(g->directorio(), QDir::currentPath());
        QCOMPARE(drive1(g)->currentData().toString(), QStorageInfo(QDir::currentPath()).rootPath());
        QVERIFY(g->findChild<QTreeView *>("Dir1"));
        QVERIFY(g->isVisible());
        QVERIFY(!g->parentWidget());
        QCOMPARE(g->windowModality(), Qt::NonModal);
        QVERIFY(g->testAttribute(Qt::WA_DeleteOnClose));
    }

    void a_new_name_is_written_at_once_and_the_window_closes() {
        FormReynolds *f = tuberia();
        teclear(f, {{t::Qproceso, "36"},
                    {t::dproceso, "998,20"},
                    {t::vdinamica, "0,0012"},
                    {t::dint, "100"},
                    {t::L, "50"}});
        QPointer<FormGuardar> g = ventanaGuardar(m_dir->path());
        nombrar(g, "nuevo.vrq");
        pulsar(g, "Command1");
        QVERIFY(mensajes.cajas.isEmpty());
        QVERIFY(cerrada(g));
        // V = 36 / (0,05² · 3600 · 3,141592) = 1,2732; Re = 100 · 1,2732 · 998,2 / 1,2;
        // no roughness, so no friction factor.
        QCOMPARE(
            bytesDe(ruta("nuevo.vrq")),
            QByteArray("True\r\nFalse\r\n36\r\n998,20\r\nTrue\r\nFalse\r\n0,0012\r\n\r\n100\r\n"
                       "1,2732\r\n105.909\r\n\r\n\r\n50\r\n0\r\n\r\n"));
        QCOMPARE(listado(m_dir->path()), QStringList{"nuevo.vrq"});
    }

    void no_extension_is_added() {
        tuberia();
        QPointer<FormGuardar> g = ventanaGuardar(m_dir->path());
        nombrar(g, "informe");
        pulsar(g, "Command1");
        QVERIFY(cerrada(g));
        QCOMPARE(listado(m_dir->path()), QStringList{"informe"});
    }

    void english_window_still_writes_True_False() {
        Idioma = kIngles;
        tuberia();
        QPointer<FormGuardar> g = ventanaGuardar(m_dir->path());
        pulsar(g, "Command1");
        QVERIFY(cerrada(g));
        const QList<QByteArray> l = bytesDe(ruta("PDcalc1.vrq")).split('\n');
        QCOMPARE(l.size(), 17);
        QCOMPARE(l[0], "True\r");
        QCOMPARE(l[1], "False\r");
        QCOMPARE(l[4], "True\r");
        QCOMPARE(l[5], "False\r");
        QCOMPARE(l[14], "0\r");
    }

    void saving_twice_asks_and_only_ok_replaces() {
        FormReynolds *f = tuberia();
        teclear(f, t::Qproceso, "36");
        escribirBytes(ruta("PDcalc1.vrq"), QByteArray(3000, 'x'));
        const QByteArray viejo = bytesDe(ruta("PDcalc1.vrq"));

        QPointer<FormGuardar> g = ventanaGuardar(m_dir->path());
        mensajes.respuesta = Mensajes::Respuesta::Cancelar;
        pulsar(g, "Command1");
        QCOMPARE(mensajes.cajas.size(), 1);
        QCOMPARE(mensajes.cajas[0].texto, kPregunta);
        QCOMPARE(mensajes.cajas[0].titulo, QString());
        QVERIFY(mensajes.cajas[0].pregunta);
        QVERIFY(!cerrada(g));
        QVERIFY(g->isVisible());
        QCOMPARE(text1(g)->text(), "PDcalc1.vrq");
        QCOMPARE(g->directorio(), m_dir->path());
        QCOMPARE(bytesDe(ruta("PDcalc1.vrq")), viejo);

        teclear(f, t::Qproceso, "40"); // the values saved are those at the moment of saving
        mensajes.respuesta = Mensajes::Respuesta::Aceptar;
        pulsar(g, "Command1");
        QCOMPARE(mensajes.cajas.size(), 2);
        QCOMPARE(mensajes.cajas[1].texto, kPregunta);
        QVERIFY(cerrada(g));
        QCOMPARE(
            bytesDe(ruta("PDcalc1.vrq")),
            QByteArray("True\r\nFalse\r\n40\r\n\r\nTrue\r\nFalse\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n"
                       "\r\n0\r\n\r\n"));
        QCOMPARE(listado(m_dir->path()), QStringList{"PDcalc1.vrq"});
    }

    void File1_lists_vrq_files_and_a_click_names_one() {
        escribirBytes(ruta("b.vrq"), "x");
        escribirBytes(ruta("a.vrq"), "x");
        escribirBytes(ruta("c.txt"), "x");
        QVERIFY(QDir(m_dir->path()).mkdir("d.vrq"));
        tuberia();
        FormGuardar *g = ventanaGuardar(m_dir->path());
        QCOMPARE(textos(file1(g)), (QStringList{"a.vrq", "b.vrq"}));
        QListWidget *l = file1(g);
        clicFila(l, 1);
        QCOMPARE(text1(g)->text(), "b.vrq");
        QVERIFY(mensajes.cajas.isEmpty());
        QTest::keyClick(l, Qt::Key_Up);
        QCOMPARE(text1(g)->text(), "a.vrq");
        QVERIFY(g->isVisible());
    }

    void double_click_in_File1_saves_under_that_name_and_asks() {
        escribirBytes(ruta("otro.vrq"), "antiguo");
        tuberia();
        QPointer<FormGuardar> g = ventanaGuardar(m_dir->path());
        mensajes.respuesta = Mensajes::Respuesta::Cancelar;
        QListWidget *l = file1(g);
        dobleClicFila(l, 0);
        QCOMPARE(text1(g)->text(), "otro.vrq");
        QCOMPARE(mensajes.cajas.size(), 1);
        QCOMPARE(mensajes.cajas[0].texto, kPregunta);
        QCOMPARE(mensajes.cajas[0].titulo, QString());
        QCOMPARE(bytesDe(ruta("otro.vrq")), "antiguo");
        QVERIFY(!cerrada(g));

        mensajes.respuesta = Mensajes::Respuesta::Aceptar;
        dobleClicFila(l, 0);
        QVERIFY(cerrada(g));
        QVERIFY(bytesDe(ruta("otro.vrq")).startsWith("True\r\nFalse\r\n"));
    }

    void changing_directory_refreshes_File1() {
        QVERIFY(QDir(m_dir->path()).mkdir("sub"));
        escribirBytes(ruta("a.vrq"), "x");
        escribirBytes(ruta("sub/b.vrq"), "x");
        tuberia();
        FormGuardar *g = ventanaGuardar(m_dir->path());
        QCOMPARE(textos(file1(g)), QStringList{"a.vrq"});
        auto *dir1 = control<QTreeView>(g, "Dir1");
        auto *modelo = qobject_cast<QFileSystemModel *>(dir1->model());
        QVERIFY(modelo);
        dir1->setCurrentIndex(modelo->index(ruta("sub")));
        QCOMPARE(g->directorio(), ruta("sub"));
        QCOMPARE(textos(file1(g)), QStringList{"b.vrq"});
        QCOMPARE(g->ruta(), ruta("sub/PDcalc1.vrq"));
    }

    void a_drive_moves_Dir1_to_its_root() {
        tuberia();
        FormGuardar *g = ventanaGuardar(QDir::currentPath());
        QComboBox *d = drive1(g);
        // A volume known to be readable: the temporary folder stands in for a drive's root.
        d->addItem(m_dir->path(), m_dir->path());
        QTest::keyClick(d, Qt::Key_End);
        QCOMPARE(g->directorio(), m_dir->path());
        QCOMPARE(d->currentData().toString(), QStorageInfo(m_dir->path()).rootPath());
        QVERIFY(mensajes.cajas.isEmpty());
    }

    void an_unreadable_drive_falls_back_silently() {
        tuberia();
        FormGuardar *g = ventanaGuardar(m_dir->path());
        QComboBox *d = drive1(g);
        const QString antes = d->currentData().toString();
        // A drive that went away after the list was made.
        d->addItem("/no/such/drive", "/no/such/drive");
        QTest::keyClick(d, Qt::Key_End);
        QCOMPARE(d->currentData().toString(), antes);
        QCOMPARE(d->currentData().toString(), QStorageInfo(m_dir->path()).rootPath());
        QCOMPARE(g->directorio(), m_dir->path());
        QVERIFY(mensajes.cajas.isEmpty());
    }

    void cancel_closes_and_writes_nothing() {
        tuberia();
        QPointer<FormGuardar> g = ventanaGuardar(m_dir->path());
        pulsar(g, "Command2");
        QVERIFY(cerrada(g));
        QVERIFY(listado(m_dir->path()).isEmpty());
        // The next opening loads afresh.
        FormGuardar *n = ventanaGuardar(QString());
        QCOMPARE(text1(n)->text(), "PDcalc1.vrq");
        QCOMPARE(n->directorio(), QDir::currentPath());
    }

    void failures_report_and_keep_the_window_data() {
        QTest::addColumn<QString>("caso");
        QTest::addColumn<QString>("nombre");
        QTest::addColumn<QString>("motivo"); // Spanish, as the window shows it
        QTest::addColumn<bool>("pregunta");
        QTest::newRow("empty name") << ""
                                    << ""
                                    << "no se ha escrito ningún nombre de archivo" << false;
        QTest::newRow("name is a folder") << ""
                                          << "sub"
                                          << "ese nombre es una carpeta" << false;
        QTest::newRow("missing folder") << ""
                                        << "no/x.vrq"
                                        << "la carpeta no existe" << false;
        QTest::newRow("below a regular file")
            << ""
            << "PDcalc1.vrq/x.vrq"
            << "una parte de la ruta es un archivo, no una carpeta" << false;
        QTest::newRow("read-only file") << "archivo ro"
                                        << "PDcalc1.vrq"
                                        << "el archivo es de solo lectura" << false;
        QTest::newRow("read-only folder") << "carpeta ro"
                                          << "PDcalc1.vrq"
                                          << "la carpeta es de solo lectura" << false;
        QTest::newRow("full disk") << "lleno"
                                   << "PDcalc1.vrq"
                                   << "no se pudo escribir en el disco (puede estar lleno)" << true;
    }
    void failures_report_and_keep_the_window() {
        QFETCH(QString, caso);
        QFETCH(QString, nombre);
        QFETCH(QString, motivo);
        QFETCH(bool, pregunta);
        const QByteArray viejo = "viejo\r\n";
        escribirBytes(ruta("PDcalc1.vrq"), viejo);
        QVERIFY(QDir(m_dir->path()).mkdir("sub"));
        QVERIFY(QDir(m_dir->path()).mkdir("ro"));
        escribirBytes(ruta("ro/PDcalc1.vrq"), viejo);
        QString carpeta = m_dir->path();
        if (caso == "archivo ro")
            QVERIFY(QFile::setPermissions(ruta("PDcalc1.vrq"), QFileDevice::ReadOwner));
        if (caso == "carpeta ro") {
            carpeta = ruta("ro");
            QVERIFY(QFile::setPermissions(carpeta, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        }
        const QStringList antes = listado(m_dir->path());
        tuberia();
        QPointer<FormGuardar> g = ventanaGuardar(carpeta);
        nombrar(g, nombre);

        rlimit limiteViejo{};
        auto *senal = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &limiteViejo);
        if (caso == "lleno") {
            rlimit l = limiteViejo;
            l.rlim_cur = 4;
            QCOMPARE(setrlimit(RLIMIT_FSIZE, &l), 0);
        }
        pulsar(g, "Command1");
        setrlimit(RLIMIT_FSIZE, &limiteViejo);
        std::signal(SIGXFSZ, senal);

        QVERIFY(!cerrada(g));
        QVERIFY(g->isVisible());
        QCOMPARE(mensajes.cajas.size(), pregunta ? 2 : 1);
        if (pregunta)
            QCOMPARE(mensajes.cajas.first().texto, kPregunta);
        const auto &caja = mensajes.cajas.last();
        QVERIFY(!caja.pregunta);
        QCOMPARE(caja.texto, QStringLiteral("No se pudo guardar el archivo \"%1/%2\": %3.")
                                 .arg(carpeta, nombre, motivo));
        QCOMPARE(bytesDe(ruta("PDcalc1.vrq")), viejo);
        QCOMPARE(bytesDe(ruta("ro/PDcalc1.vrq")), viejo);
        QCOMPARE(listado(m_dir->path()), antes);
        QCOMPARE(listado(ruta("ro")), QStringList{"PDcalc1.vrq"});
    }

    void failure_messages_follow_the_language() {
        Idioma = kIngles;
        tuberia();
        QPointer<FormGuardar> g = ventanaGuardar(m_dir->path());
        nombrar(g, "no/x.vrq");
        pulsar(g, "Command1");
        QCOMPARE(mensajes.cajas.size(), 1);
        QCOMPARE(mensajes.cajas[0].texto,
                 QStringLiteral("The file \"%1/no/x.vrq\" could not be saved: the folder does "
                                "not exist.")
                     .arg(m_dir->path()));
        QVERIFY(!cerrada(g));
    }

    void saving_without_a_pipe_window_reports() {
        QPointer<FormGuardar> g = ventanaGuardar(m_dir->path());
        pulsar(g, "Command1");
        QCOMPARE(mensajes.cajas.size(), 1);
        QCOMPARE(mensajes.cajas[0].texto, "No hay ningún cálculo de tubería abierto que guardar.");
        QVERIFY(!cerrada(g));
        QVERIFY(listado(m_dir->path()).isEmpty());
    }

    void open_mode_has_its_own_texts_data() {
        QTest::addColumn<QString>("idioma");
        QTest::addColumn<QString>("titulo");
        QTest::newRow("Spanish") << kEspanol << "Abrir";
        QTest::newRow("English") << kIngles << "Open";
    }
    void open_mode_has_its_own_texts() {
        QFETCH(QString, idioma);
        QFETCH(QString, titulo);
        Idioma = idioma;
        FormReynolds *f = tuberia();
        abrirGuardar();
        QPointer<FormGuardar> guardar = ventanas().existente<FormGuardar>();
        control<QAction>(f, "Abrir")->trigger(); // menu Archivo, Abrir
        FormGuardar *g = ventanas().existente<FormGuardar>();
        QVERIFY(guardar.isNull()); // one results window: the save window made way
        QCOMPARE(g->modo(), FormGuardar::Modo::Abrir);
        QCOMPARE(g->windowTitle(), titulo);
        QCOMPARE(boton(g, "Command1")->text(), titulo);
        QCOMPARE(text1(g)->text(), QString());
        abrirArchivo(); // asked again in the same mode: the same window, as it stands
        QCOMPARE(ventanas().existente<FormGuardar>(), g);
    }

    void save_clear_open_restores_everything_data() {
        QTest::addColumn<bool>("gases");
        QTest::newRow("liquids, dynamic viscosity") << false;
        QTest::newRow("gases, kinematic viscosity") << true;
    }
    void save_clear_open_restores_everything() {
        QFETCH(bool, gases);
        FormReynolds *f = gases ? calculoGases() : calculoLiquidos();
        const QStringList guardado = estadoTuberia(f);
        QVERIFY(!f->texto(t::Re).isEmpty());
        QVERIFY(!f->texto(t::ffinal).isEmpty());
        QVERIFY(!f->texto(t::DPbar).isEmpty());

        QPointer<FormGuardar> g = ventanaGuardar(m_dir->path());
        nombrar(g, "calc.vrq");
        pulsar(g, "Command1");
        QVERIFY(cerrada(g));

        // Clear the screen and flip both options, as a user starting over would.
        pulsar(f, "Command18");
        pulsar(f, gases ? t::Option1 : t::Option2);
        pulsar(f, gases ? t::Option3 : t::Option4);
        teclear(f, t::Desnivel, "7");
        QVERIFY(estadoTuberia(f) != guardado);

        abrirArchivo();
        QPointer<FormGuardar> a = ventanas().existente<FormGuardar>();
        a->fijarDirectorio(m_dir->path());
        QListWidget *l = file1(a);
        QCOMPARE(textos(l), QStringList{"calc.vrq"});
        clicFila(l, 0);
        QCOMPARE(text1(a)->text(), "calc.vrq");
        pulsar(a, "Command1");
        QVERIFY(mensajes.cajas.isEmpty());
        QVERIFY(cerrada(a));
        QCOMPARE(ventanas().existente<FormReynolds>(), f);
        QCOMPARE(estadoTuberia(f), guardado);
        // The timer finds nothing left to settle.
        QVERIFY(!f->entradasCambiadas());
    }

    void a_pair_with_neither_option_is_left_with_neither() {
        FormReynolds *f = tuberia();
        escribirBytes(ruta("x.vrq"), "False\r\nFalse\r\n36\r\n\r\nFalse\r\nFalse\r\n\r\n\r\n100\r\n"
                                     "\r\n\r\n\r\n\r\n\r\n0\r\n\r\n");
        abrirArchivo();
        QPointer<FormGuardar> a = ventanas().existente<FormGuardar>();
        a->fijarDirectorio(m_dir->path());
        dobleClicFila(file1(a), 0);
        QVERIFY(cerrada(a));
        for (const QString &n : {t::Option1, t::Option2, t::Option3, t::Option4})
            QVERIFY2(!f->opcion(n), qPrintable(n));
        QCOMPARE(f->texto(t::Qproceso), "36");
        QCOMPARE(f->texto(t::dint), "100");
        QCOMPARE(f->texto(t::Vproceso), "1,2732"); // settled by the pass after reading
        // A user's click selects one again, and the pair stays exclusive.
        pulsar(f, t::Option4);
        pulsar(f, t::Option3);
        QVERIFY(f->opcion(t::Option3));
        QVERIFY(!f->opcion(t::Option4));
    }

    void malformed_files_are_refused_and_nothing_changes_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("motivo");
        const QByteArray bueno = "True\r\nFalse\r\n5\r\n\r\nTrue\r\nFalse\r\n\r\n\r\n50\r\n\r\n\r\n"
                                 "\r\n\r\n\r\n0\r\n\r\n";
        QList<QByteArray> l = bueno.split('\n');
        l.removeLast();
        const auto unir = [](const QList<QByteArray> &x) { return x.join('\n') + '\n'; };
        QTest::newRow("15 lines") << unir(l.mid(0, 15)) << "tiene 15 líneas en lugar de 16";
        QTest::newRow("17 lines") << unir(l + QList<QByteArray>{"1\r"})
                                  << "tiene 17 líneas en lugar de 16";
        QList<QByteArray> m = l;
        m[0] = "true\r";
        QTest::newRow("lowercase true") << unir(m) << "la línea 1 debe ser \"True\" o \"False\"";
        m = l;
        m[5] = "Yes\r";
        QTest::newRow("Yes") << unir(m) << "la línea 6 debe ser \"True\" o \"False\"";
        m = l;
        m[5] = "True\r";
        QTest::newRow("both viscosities")
            << unir(m) << "las líneas 5 y 6 no pueden ser ambas \"True\"";
        m = l;
        m[1] = "True\r";
        QTest::newRow("liquids and gases")
            << unir(m) << "las líneas 1 y 2 no pueden ser ambas \"True\"";
    }
    void malformed_files_are_refused_and_nothing_changes() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, motivo);
        FormReynolds *f = calculoLiquidos();
        const QStringList antes = estadoTuberia(f);
        escribirBytes(ruta("malo.vrq"), bytes);
        abrirArchivo();
        QPointer<FormGuardar> a = ventanas().existente<FormGuardar>();
        a->fijarDirectorio(m_dir->path());
        nombrar(a, "malo.vrq");
        pulsar(a, "Command1");
        QCOMPARE(mensajes.cajas.size(), 1);
        QCOMPARE(mensajes.cajas[0].texto, QStringLiteral("No se pudo abrir el archivo \"%1\": %2.")
                                              .arg(ruta("malo.vrq"), motivo));
        QVERIFY(!cerrada(a));
        QCOMPARE(estadoTuberia(f), antes);
        QCOMPARE(bytesDe(ruta("malo.vrq")), bytes);
    }

    void opening_a_missing_file_reports() {
        FormReynolds *f = calculoLiquidos();
        const QStringList antes = estadoTuberia(f);
        abrirArchivo();
        QPointer<FormGuardar> a = ventanas().existente<FormGuardar>();
        a->fijarDirectorio(m_dir->path());
        pulsar(a, "Command1"); // no name given
        nombrar(a, "falta.vrq");
        pulsar(a, "Command1");
        QCOMPARE(mensajes.cajas.size(), 2);
        QCOMPARE(mensajes.cajas[0].texto,
                 QStringLiteral("No se pudo abrir el archivo \"%1/\": no se ha escrito ningún "
                                "nombre de archivo.")
                     .arg(m_dir->path()));
        QCOMPARE(mensajes.cajas[1].texto,
                 QStringLiteral("No se pudo abrir el archivo \"%1\": el archivo no existe.")
                     .arg(ruta("falta.vrq")));
        QVERIFY(!cerrada(a));
        QCOMPARE(estadoTuberia(f), antes);
    }
};

VORLO_PRUEBA(TestFormGuardar, Ventanas)
#include "tst_form_guardar.moc"

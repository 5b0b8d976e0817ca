#include "fields/field_texts.h"
#include "fields/language.h"
#include "pipeflow/pipe_fields.h"
#include "results/results_file.h"
#include "results/results_io.h"

#include "../support/file_helpers.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "../support/runner.h"
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace vorlo;
using namespace vorlo::resultados;
namespace t = vorlo::tuberia;
using Causa = ErrorArchivo::Causa;

Q_DECLARE_METATYPE(vorlo::resultados::ErrorArchivo::Causa)

namespace {

// Liquids, dynamic viscosity, a settled water run without roughness or fittings.
Resultados ejemplo() {
    Resultados r;
    r.opciones = {true, false, true, false};
    r.textos = {"36",      "998,20", "0,0012", "",   "100", "1,2732",
                "105.918", "",       "0,0185", "50", "0",   ""};
    return r;
}

// Written out by hand from the line table.
const QByteArray kEjemplo = "True\r\nFalse\r\n36\r\n998,20\r\nTrue\r\nFalse\r\n0,0012\r\n\r\n"
                            "100\r\n1,2732\r\n105.918\r\n\r\n0,0185\r\n50\r\n0\r\n\r\n";

const QByteArray kViejo = "contenido anterior que no debe perderse\r\n";

using namespace vorlo::prueba;

// A save file that stops accepting bytes after `limite`, as a disk that fills up part-way.
// Records what the folder held at that moment, to show the temporary file really existed.
class ArchivoQueFalla : public QSaveFile {
  public:
    ArchivoQueFalla(const QString &ruta, qint64 limite, QStringList *visto)
        : QSaveFile(ruta), m_limite(limite), m_visto(visto) {}

  protected:
    qint64 writeData(const char *datos, qint64 n) override {
        if (m_escritos + n > m_limite) {
            *m_visto = listado(QFileInfo(fileName()).absolutePath());
            return -1;
        }
        m_escritos += n;
        return QSaveFile::writeData(datos, n);
    }

  private:
    qint64 m_limite;
    qint64 m_escritos = 0;
    QStringList *m_visto;
};

} // namespace

class TestResults : public QObject {
    Q_OBJECT
  private slots:
    void new_name_gets_exactly_the_sixteen_lines() {
        QTemporaryDir dir;
        const QString ruta = dir.filePath("PDcalc1.vrq");
        QCOMPARE(guardar(ruta, ejemplo()), std::nullopt);
        QCOMPARE(bytesDe(ruta), kEjemplo);
        QCOMPARE(listado(dir.path()), QStringList{"PDcalc1.vrq"});
    }

    void contenido_matches_hand_written_bytes() {
        QCOMPARE(contenido(ejemplo()), kEjemplo);
        Resultados gases;
        gases.opciones = {false, true, false, true};
        QCOMPARE(contenido(gases),
                 QByteArray("False\r\nTrue\r\n\r\n\r\nFalse\r\nTrue\r\n") +
                     QByteArray(10 * 2, '\0').replace(QByteArray(2, '\0'), "\r\n"));
    }

    void options_and_fields_come_from_the_window_texts() {
        CamposMapa c({{t::Qproceso, "36"},
                      {t::dint, "100"},
                      {t::Desnivel, "0"},
                      {t::Vcinematica, "0,000001"},
                      {t::DP, "no va al archivo"}});
        c.fijarOpcion(t::Option2, true);
        c.fijarOpcion(t::Option4, true);
        const QByteArray esperado = "False\r\nTrue\r\n36\r\n\r\nFalse\r\nTrue\r\n\r\n0,000001\r\n"
                                    "100\r\n\r\n\r\n\r\n\r\n\r\n0\r\n\r\n";
        QCOMPARE(contenido(leerDe(c)), esperado);
    }

    void texts_are_written_in_latin1_data() {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("unchanged number") << "0,0012" << QByteArray("0,0012");
        QTest::newRow("empty") << "" << QByteArray();
        QTest::newRow("micro sign") << "µ" << QByteArray("\xB5");
        QTest::newRow("enye and degree") << "ñ 20 ºC"
                                         << QByteArray("\xF1 20 \xBA"
                                                       "C");
        QTest::newRow("euro") << "5 €" << QByteArray("5 ?");
        QTest::newRow("one character beyond 16 bits") << "a😀b" << QByteArray("a?b");
        QTest::newRow("line breaks would split the line") << "1\r\n2\n3" << QByteArray("1??2?3");
    }
    void texts_are_written_in_latin1() {
        QFETCH(QString, texto);
        QFETCH(QByteArray, bytes);
        QCOMPARE(codificar(texto), bytes);
        Resultados r = ejemplo();
        r.textos[7] = texto; // Rugosidad, line 12
        QTemporaryDir dir;
        const QString ruta = dir.filePath("x.vrq");
        QCOMPARE(guardar(ruta, r), std::nullopt);
        const QList<QByteArray> l = bytesDe(ruta).split('\n');
        QCOMPARE(l.size(), 17);
        QCOMPARE(l[11], bytes + "\r");
    }

    void overwriting_leaves_nothing_of_the_old_file() {
        QTemporaryDir dir;
        const QString ruta = dir.filePath("PDcalc1.vrq");
        escribirBytes(ruta, QByteArray(5000, 'x'));
        QCOMPARE(guardar(ruta, ejemplo()), std::nullopt);
        QCOMPARE(bytesDe(ruta), kEjemplo);
        QCOMPARE(listado(dir.path()), QStringList{"PDcalc1.vrq"});
    }

    void failures_keep_the_old_file_data() {
        QTest::addColumn<QString>("caso");
        QTest::addColumn<Causa>("causa");
        QTest::newRow("empty name") << "vacio" << Causa::NombreVacio;
        QTest::newRow("name too long") << "largo" << Causa::NombreNoValido;
        QTest::newRow("nul in name") << "nulo" << Causa::NombreNoValido;
        QTest::newRow("name is a folder") << "carpeta" << Causa::EsCarpeta;
        QTest::newRow("dot is a folder") << "punto" << Causa::EsCarpeta;
        QTest::newRow("missing folder") << "sin carpeta" << Causa::CarpetaInexistente;
        QTest::newRow("below a regular file") << "bajo archivo" << Causa::NoEsCarpeta;
        QTest::newRow("two below a regular file") << "bajo archivo 2" << Causa::NoEsCarpeta;
        QTest::newRow("device or pipe") << "fifo" << Causa::NoEsArchivo;
        QTest::newRow("read-only file") << "archivo solo lectura" << Causa::ArchivoSoloLectura;
        QTest::newRow("read-only folder") << "carpeta solo lectura" << Causa::CarpetaSoloLectura;
        QTest::newRow("fails after 20 bytes") << "falla" << Causa::Escritura;
        QTest::newRow("fails at the first byte") << "falla 0" << Causa::Escritura;
    }
    void failures_keep_the_old_file() {
        QFETCH(QString, caso);
        QFETCH(Causa, causa);
        QTemporaryDir dir;
        const QString viejo = dir.filePath("PDcalc1.vrq");
        escribirBytes(viejo, kViejo);
        QVERIFY(QDir(dir.path()).mkdir("sub.vrq"));
        QVERIFY(QDir(dir.path()).mkdir("ro"));
        escribirBytes(dir.filePath("ro/PDcalc1.vrq"), kViejo);

        QString ruta;
        FabricaArchivo fabrica;
        QStringList vistoAlFallar;
        if (caso == "vacio")
            ruta = dir.path() + "/";
        else if (caso == "largo")
            ruta = dir.filePath(QString(300, 'a'));
        else if (caso == "nulo")
            ruta = dir.filePath(QString("a") + QChar(0) + "b.vrq");
        else if (caso == "carpeta")
            ruta = dir.filePath("sub.vrq");
        else if (caso == "punto")
            ruta = dir.path() + "/.";
        else if (caso == "sin carpeta")
            ruta = dir.filePath("no/PDcalc1.vrq");
        else if (caso == "bajo archivo")
            ruta = viejo + "/PDcalc1.vrq";
        else if (caso == "bajo archivo 2")
            ruta = viejo + "/a/PDcalc1.vrq";
        else if (caso == "fifo") {
            ruta = dir.filePath("tubo.vrq");
            QCOMPARE(mkfifo(QFile::encodeName(ruta).constData(), 0644), 0);
        } else if (caso == "archivo solo lectura") {
            ruta = viejo;
            QVERIFY(QFile::setPermissions(viejo, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
        } else if (caso == "carpeta solo lectura") {
            ruta = dir.filePath("ro/PDcalc1.vrq");
            QVERIFY(QFile::setPermissions(dir.filePath("ro"),
                                          QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        } else if (caso.startsWith("falla")) {
            ruta = viejo;
            const qint64 limite = caso == "falla" ? 20 : 0;
            fabrica = [&vistoAlFallar, limite](const QString &r) {
                return std::make_unique<ArchivoQueFalla>(r, limite, &vistoAlFallar);
            };
        }
        const QStringList antes = listado(dir.path());
        const QStringList antesRo = listado(dir.filePath("ro"));

        const auto e = guardar(ruta, ejemplo(), fabrica);
        QFile::setPermissions(dir.filePath("ro"), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                      QFileDevice::ExeOwner);
        QVERIFY(e.has_value());
        QCOMPARE(e->causa, causa);
        QCOMPARE(e->ruta, ruta);
        QCOMPARE(bytesDe(viejo), kViejo);
        QCOMPARE(bytesDe(dir.filePath("ro/PDcalc1.vrq")), kViejo);
        QCOMPARE(listado(dir.path()), antes);
        QCOMPARE(listado(dir.filePath("ro")), antesRo);
        if (caso.startsWith("falla")) // the failure was met while writing
            QVERIFY(!vistoAlFallar.isEmpty());
    }

    // A real write failure from the system: the file size limit makes the flush of the
    // temporary file fail as a full disk would.
    void full_disk_keeps_the_old_file() {
        QTemporaryDir dir;
        const QString ruta = dir.filePath("PDcalc1.vrq");
        escribirBytes(ruta, kViejo);
        const QStringList antes = listado(dir.path());
        auto *anterior = std::signal(SIGXFSZ, SIG_IGN);
        rlimit viejo{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &viejo), 0);
        rlimit limite = viejo;
        limite.rlim_cur = 10;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &limite), 0);
        const auto e = guardar(ruta, ejemplo());
        setrlimit(RLIMIT_FSIZE, &viejo);
        std::signal(SIGXFSZ, anterior);
        QVERIFY(e.has_value());
        QCOMPARE(e->causa, Causa::Escritura);
        QCOMPARE(bytesDe(ruta), kViejo);
        QCOMPARE(listado(dir.path()), antes);
    }

    void devices_are_refused_before_anything_is_written() {
        if (!QFileInfo::exists("/dev/full"))
            QSKIP("no /dev/full here");
        const auto e = comprobarDestino("/dev/full");
        QVERIFY(e.has_value());
        QCOMPARE(e->causa, Causa::NoEsArchivo);
    }

    void messages_name_the_path_and_the_reason_data() {
        QTest::addColumn<Causa>("causa");
        QTest::addColumn<bool>("alGuardar");
        QTest::addColumn<QString>("espanol");
        QTest::addColumn<QString>("ingles");
        QTest::newRow("missing folder")
            << Causa::CarpetaInexistente << true
            << "No se pudo guardar el archivo \"/x/y.vrq\": la carpeta no existe."
            << "The file \"/x/y.vrq\" could not be saved: the folder does not exist.";
        QTest::newRow("disk full")
            << Causa::Escritura << true
            << "No se pudo guardar el archivo \"/x/y.vrq\": no se pudo escribir en el disco "
               "(puede estar lleno)."
            << "The file \"/x/y.vrq\" could not be saved: writing to the disk failed (it may be "
               "full).";
        QTest::newRow("read-only file")
            << Causa::ArchivoSoloLectura << true
            << "No se pudo guardar el archivo \"/x/y.vrq\": el archivo es de solo lectura."
            << "The file \"/x/y.vrq\" could not be saved: the file is read-only.";
        QTest::newRow("bad option line")
            << Causa::OpcionNoValida << false
            << "No se pudo abrir el archivo \"/x/y.vrq\": la línea 5 debe ser \"True\" o "
               "\"False\"."
            << "The file \"/x/y.vrq\" could not be opened: line 5 must be \"True\" or \"False\".";
    }
    void messages_name_the_path_and_the_reason() {
        QFETCH(Causa, causa);
        QFETCH(bool, alGuardar);
        QFETCH(QString, espanol);
        QFETCH(QString, ingles);
        const ErrorArchivo e{
            causa, alGuardar ? ErrorArchivo::Operacion::Guardar : ErrorArchivo::Operacion::Abrir,
            "/x/y.vrq", 5, 0};
        QCOMPARE(e.texto(kEspanol), espanol);
        QCOMPARE(e.texto(kIngles), ingles);
    }

    void reads_back_what_it_wrote_data() {
        QTest::addColumn<Resultados>("r");
        QTest::newRow("liquids run") << ejemplo();
        Resultados gases;
        gases.opciones = {false, true, false, true};
        gases.textos = {"1.234,5", "1,98", "", "1,5E-05", "80,8", "", "", ",05", "", "", "-3", ""};
        QTest::newRow("gases, kinematic") << gases;
        Resultados ninguna = ejemplo();
        ninguna.opciones = {false, false, false, false};
        ninguna.textos[0] = "µ ñ º";
        QTest::newRow("no option of either pair, Latin-1 text") << ninguna;
    }
    void reads_back_what_it_wrote() {
        QFETCH(Resultados, r);
        QTemporaryDir dir;
        const QString ruta = dir.filePath("a.vrq");
        QCOMPARE(guardar(ruta, r), std::nullopt);
        const auto leido = leer(ruta);
        QVERIFY(std::holds_alternative<Resultados>(leido));
        QCOMPARE(std::get<Resultados>(leido), r);
    }

    void line_ends_data() {
        QTest::addColumn<QByteArray>("bytes");
        QByteArray lf = kEjemplo;
        lf.replace("\r\n", "\n");
        QTest::newRow("LF only") << lf;
        QByteArray mezcla = kEjemplo;
        mezcla.replace("36\r\n", "36\n");
        QTest::newRow("mixed") << mezcla;
    }
    void line_ends() {
        QFETCH(QByteArray, bytes);
        const auto r = interpretar(bytes);
        QVERIFY(std::holds_alternative<Resultados>(r));
        QCOMPARE(std::get<Resultados>(r), ejemplo());
    }

    // A file edited by hand may lose the end of its last line; with a last value present the
    // sixteen lines are still plain.
    void last_line_end_may_be_missing() {
        Resultados r = ejemplo();
        r.textos[11] = "2,5";
        QByteArray crlf = kEjemplo.chopped(2) + "2,5";
        QByteArray lf = crlf;
        lf.replace("\r\n", "\n");
        for (const QByteArray &b : {crlf, lf}) {
            const auto leido = interpretar(b);
            QVERIFY(std::holds_alternative<Resultados>(leido));
            QCOMPARE(std::get<Resultados>(leido), r);
        }
    }

    void malformed_files_are_refused_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<Causa>("causa");
        QTest::addColumn<int>("linea");
        QTest::addColumn<int>("lineas");
        QList<QByteArray> l = kEjemplo.split('\n');
        l.removeLast();
        const auto unir = [](QList<QByteArray> x) { return x.join('\n') + '\n'; };
        QTest::newRow("empty") << QByteArray() << Causa::NumeroLineas << 0 << 0;
        QTest::newRow("15 lines") << unir(l.mid(0, 15)) << Causa::NumeroLineas << 0 << 15;
        QTest::newRow("17 lines") << unir(l + QList<QByteArray>{"x\r"}) << Causa::NumeroLineas << 0
                                  << 17;
        QTest::newRow("blank line after the end") << kEjemplo + "\r\n"
                                                  << Causa::NumeroLineas << 0 << 17;
        auto con = [&](int i, const QByteArray &v) {
            QList<QByteArray> m = l;
            m[i] = v;
            return unir(m);
        };
        QTest::newRow("lowercase true") << con(0, "true\r") << Causa::OpcionNoValida << 1 << 0;
        QTest::newRow("Yes") << con(4, "Yes\r") << Causa::OpcionNoValida << 5 << 0;
        QTest::newRow("empty option") << con(5, "\r") << Causa::OpcionNoValida << 6 << 0;
        QTest::newRow("trailing space") << con(1, "False \r") << Causa::OpcionNoValida << 2 << 0;
        QTest::newRow("Spanish word") << con(1, "Falso\r") << Causa::OpcionNoValida << 2 << 0;
        QTest::newRow("liquids and gases") << con(1, "True\r") << Causa::ParImposible << 1 << 0;
        QTest::newRow("both viscosities") << con(5, "True\r") << Causa::ParImposible << 5 << 0;
    }
    void malformed_files_are_refused() {
        QFETCH(QByteArray, bytes);
        QFETCH(Causa, causa);
        QFETCH(int, linea);
        QFETCH(int, lineas);
        const auto r = interpretar(bytes);
        QVERIFY(std::holds_alternative<ErrorArchivo>(r));
        const auto &e = std::get<ErrorArchivo>(r);
        QCOMPARE(e.causa, causa);
        QCOMPARE(e.linea, linea);
        QCOMPARE(e.lineas, lineas);
    }

    void reading_refuses_what_is_no_results_file_data() {
        QTest::addColumn<QString>("caso");
        QTest::addColumn<Causa>("causa");
        QTest::newRow("missing") << "falta" << Causa::NoExiste;
        QTest::newRow("missing folder") << "sin carpeta" << Causa::CarpetaInexistente;
        QTest::newRow("below a file") << "bajo archivo" << Causa::NoEsCarpeta;
        QTest::newRow("folder") << "carpeta" << Causa::EsCarpeta;
        QTest::newRow("empty name") << "vacio" << Causa::NombreVacio;
        QTest::newRow("device or pipe") << "fifo" << Causa::NoEsArchivo;
        QTest::newRow("too large") << "grande" << Causa::DemasiadoGrande;
        QTest::newRow("15 lines") << "corto" << Causa::NumeroLineas;
    }
    void reading_refuses_what_is_no_results_file() {
        QFETCH(QString, caso);
        QFETCH(Causa, causa);
        QTemporaryDir dir;
        const QString bueno = dir.filePath("a.vrq");
        escribirBytes(bueno, kEjemplo);
        QString ruta;
        if (caso == "falta")
            ruta = dir.filePath("b.vrq");
        else if (caso == "sin carpeta")
            ruta = dir.filePath("no/a.vrq");
        else if (caso == "bajo archivo")
            ruta = bueno + "/a.vrq";
        else if (caso == "carpeta")
            ruta = dir.path();
        else if (caso == "vacio")
            ruta = dir.path() + "/";
        else if (caso == "fifo") {
            ruta = dir.filePath("tubo.vrq");
            QCOMPARE(mkfifo(QFile::encodeName(ruta).constData(), 0644), 0);
        } else if (caso == "grande") {
            ruta = dir.filePath("grande.vrq");
            escribirBytes(ruta, kEjemplo + QByteArray((1 << 20), '\n'));
        } else if (caso == "corto") {
            ruta = dir.filePath("corto.vrq");
            escribirBytes(ruta, kEjemplo.left(kEjemplo.lastIndexOf("0\r\n")));
        }
        const auto r = leer(ruta);
        QVERIFY(std::holds_alternative<ErrorArchivo>(r));
        QCOMPARE(std::get<ErrorArchivo>(r).causa, causa);
        QCOMPARE(std::get<ErrorArchivo>(r).ruta, ruta);
        QCOMPARE(std::get<ErrorArchivo>(r).operacion, ErrorArchivo::Operacion::Abrir);
    }
};

VORLO_PRUEBA(TestResults, Nucleo)
#include "tst_results.moc"

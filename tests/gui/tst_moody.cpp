#include "app/dialogos_archivo.h"
#include "app/globals.h"
#include "app/message_boxes.h"
#include "app/moody_entry.h"
#include "app/windows.h"
#include "fields/language.h"
#include "moody/form_moody.h"

#include <QAreaSeries>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QFile>
#include <QGraphicsItem>
#include <QImage>
#include <QLabel>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPushButton>
#include <QScatterSeries>
#include <QTemporaryDir>
#include <QTest>

#include "../support/file_helpers.h"
#include "../support/gui_fixture.h"
#include <cmath>

using namespace vorlo;

namespace {

const EstadoMoody kEjemplo{"127.065", ",0197", "0,05", "100", ",019732"};
const EstadoMoody kLiso{"10.000.000", ",0100", "0", "100", ",008103"};
const EstadoMoody kRugoso{"3.000", ",1000", "20", "100", ",159827"};
const EstadoMoody kLaminar{"150", ",4267", "0,05", "100", ""};

FormMoody *moody() {
    return ventanas().existente<FormMoody>();
}

QChart *grafico() {
    return moody()->findChild<QChartView *>(QStringLiteral("GraficoMoody"))->chart();
}

template <class S = QXYSeries> S *serie(const QString &nombre) {
    for (QAbstractSeries *s : grafico()->series())
        if (s->objectName() == nombre)
            return qobject_cast<S *>(s);
    return nullptr;
}

QCategoryAxis *eje(const char *nombre) {
    return grafico()->findChild<QCategoryAxis *>(QLatin1String(nombre));
}

QString estado() {
    return moody()->findChild<QLabel *>(QStringLiteral("EstadoMoody"))->text();
}

// The f of a curve at Re, read off its points by linear interpolation in chart coordinates.
double leerCurva(const QXYSeries *s, double re) {
    const double x = std::log10(re);
    const QList<QPointF> p = s->points();
    for (qsizetype i = 1; i < p.size(); ++i) {
        if (p[i].x() >= x) {
            const double t = (x - p[i - 1].x()) / (p[i].x() - p[i - 1].x());
            return std::pow(10.0, p[i - 1].y() + t * (p[i].y() - p[i - 1].y()));
        }
    }
    return NAN;
}

// A marker is shown where its chart coordinates map to, inside the plot.
bool visible(const QAbstractGraphicsShapeItem *marca, const QPointF &coordenadas) {
    const QPointF donde = grafico()->mapToPosition(coordenadas, grafico()->series().first());
    return marca->isVisible() && (marca->pos() - donde).manhattanLength() < 0.5 &&
           grafico()->plotArea().contains(marca->pos());
}

// Every point the chart draws lines and bands through.
QList<QList<QPointF>> puntosDeLineas() {
    QList<QList<QPointF>> p;
    for (QAbstractSeries *s : grafico()->series()) {
        if (auto *a = qobject_cast<QAreaSeries *>(s))
            p << a->upperSeries()->points() << a->lowerSeries()->points();
        else if (auto *l = qobject_cast<QLineSeries *>(s))
            p << l->points();
    }
    return p;
}

// Whether the legend lists a series.
bool enLeyenda(const QString &nombre) {
    const QList<QLegendMarker *> m = grafico()->legend()->markers(serie<QAbstractSeries>(nombre));
    return !m.isEmpty() && m.first()->isVisible();
}

} // namespace

Q_DECLARE_METATYPE(vorlo::EstadoMoody)

class TestMoody : public prueba::PruebaGui {
    Q_OBJECT

    DialogosArchivoGrabados m_dialogos;

  public:
    TestMoody() : PruebaGui(kIngles) {}

  protected:
    void alEmpezar() override {
        m_dialogos = DialogosArchivoGrabados();
        fijarDialogosArchivo(&m_dialogos);
    }
    void alTerminar() override { fijarDialogosArchivo(nullptr); }

  private slots:

    void chart_has_its_curves_and_bands() {
        abrirMoody(kEjemplo);
        QVERIFY(moody());
        const QStringList nombres = {"smooth", "0,000001", "0,000005", "0,00001", "0,00005",
                                     "0,0001", "0,0002",   "0,0005",   "0,001",   "0,002",
                                     "0,005",  "0,01",     "0,02",     "0,05"};
        for (int i = 0; i < nombres.size(); ++i) {
            const auto *c = serie(QStringLiteral("Curva(%1)").arg(i));
            QVERIFY2(c, qPrintable(QString::number(i)));
            QCOMPARE(c->name(), nombres[i]);
            QVERIFY(c->count() > 100);
            // From Re 2000, where the calculation starts using Colebrook, to beyond 1e12.
            QCOMPARE(c->at(0).x(), std::log10(2000.0));
            QVERIFY(c->points().last().x() >= 12);
        }
        QVERIFY(!serie(QStringLiteral("Curva(14)")));
        // Published roots read off the curves, and the fully rough end of the roughest.
        QVERIFY(std::fabs(leerCurva(serie(QStringLiteral("Curva(0)")), 1e5) / 0.017990 - 1) < 1e-3);
        QVERIFY(std::fabs(leerCurva(serie(QStringLiteral("Curva(5)")), 1e5) / 0.018514 - 1) < 1e-3);
        QVERIFY(std::fabs(leerCurva(serie(QStringLiteral("Curva(13)")), 1e8) / 0.071551 - 1) <
                1e-3);
        // The laminar line: 64/Re up to 2000.
        const auto *laminar = serie(QStringLiteral("Laminar"));
        QVERIFY(laminar);
        QCOMPARE(laminar->points().last(), QPointF(std::log10(2000.0), std::log10(0.032)));
        QVERIFY(std::fabs(leerCurva(laminar, 1000) - 0.064) < 1e-12);

        const auto *transicion = serie<QAreaSeries>(QStringLiteral("Transicion"));
        QVERIFY(transicion);
        QCOMPARE(transicion->upperSeries()->at(0).x(), std::log10(2000.0));
        QCOMPARE(transicion->upperSeries()->at(1).x(), std::log10(4000.0));
        // The grid's range: the band below 0,01 and the one above 0,1.
        QCOMPARE(serie<QAreaSeries>(QStringLiteral("FueraMallaInferior"))->upperSeries()->at(0).y(),
                 -2.0);
        QCOMPARE(serie<QAreaSeries>(QStringLiteral("FueraMallaSuperior"))->lowerSeries()->at(0).y(),
                 -1.0);

        // The usual view.
        QCOMPARE(eje("EjeRe")->min(), std::log10(500.0));
        QCOMPARE(eje("EjeRe")->max(), 8.0);
        QCOMPARE(eje("EjeF")->min(), std::log10(0.006));
        QCOMPARE(eje("EjeF")->max(), -1.0);
    }

    void update_moves_the_markers_data() {
        QTest::addColumn<EstadoMoody>("e");
        QTest::addColumn<double>("re");
        QTest::addColumn<double>("f");
        QTest::addColumn<double>("exacta"); // 0: no marker
        QTest::addColumn<QString>("texto");

        QTest::newRow("worked example, the root within 1 %")
            << kEjemplo << 127065.0 << 0.0197 << 0.0 << "Re = 127.065   f = ,0197   ε/D = 0,0005";
        QTest::newRow("smooth Re 1e7, clipped below")
            << kLiso << 1e7 << 0.01 << 0.008103 << "Re = 10.000.000   f = ,0100   ε/D = 0";
        QTest::newRow("rough at Re 3000, clipped above")
            << kRugoso << 3000.0 << 0.1 << 0.159827 << "Re = 3.000   f = ,1000   ε/D = 0,2";
        QTest::newRow("laminar") << kLaminar << 150.0 << 0.4267 << 0.0
                                 << "Re = 150   f = ,4267   ε/D = 0,0005";
        QTest::newRow("Re 1e12") << EstadoMoody{"1.000.000.000.000", ",0100", "0", "100", ",002362"}
                                 << 1e12 << 0.01 << 0.002362
                                 << "Re = 1.000.000.000.000   f = ,0100   ε/D = 0";
        QTest::newRow("odd roughness")
            << EstadoMoody{"50.000", ",0300", "0,045", "108,2", ",029999"} << 50000.0 << 0.03 << 0.0
            << "Re = 50.000   f = ,0300   ε/D = 0,0004159";
    }
    void update_moves_the_markers() {
        QFETCH(EstadoMoody, e);
        QFETCH(double, re);
        QFETCH(double, f);
        QFETCH(double, exacta);
        QFETCH(QString, texto);

        // First another state, so that the update has something to move.
        abrirMoody(EstadoMoody{"20.000", ",0300", "0,5", "100", ",030111"});
        actualizarMoody(e);
        const QPointF punto(std::log10(re), std::log10(f));
        QCOMPARE(moody()->puntoOperacion(), punto);
        QVERIFY(visible(moody()->marcaPunto(), punto));
        if (exacta > 0) {
            const QPointF raiz(std::log10(re), std::log10(exacta));
            QCOMPARE(moody()->raizExacta(), raiz);
            QVERIFY(visible(moody()->marcaRaiz(), raiz));
        } else {
            QVERIFY(!moody()->raizExacta());
            QVERIFY(!moody()->marcaRaiz()->isVisible());
        }
        QVERIFY(enLeyenda("PuntoOperacion"));
        QCOMPARE(enLeyenda("RaizExacta"), exacta > 0);
        QVERIFY(enLeyenda("CurvaPropia"));
        // After the plot's layout settles the markers are still where their points are.
        moody()->resize(moody()->size() + QSize(40, 30));
        QCoreApplication::processEvents();
        QVERIFY(visible(moody()->marcaPunto(), punto));
        QCOMPARE(estado(), texto);
    }

    // The own curve is the curve of the window's e/D: for 0,0005 it is the labelled one.
    void own_curve_follows_the_roughness() {
        abrirMoody(kEjemplo);
        auto *propia = serie(QStringLiteral("CurvaPropia"));
        QCOMPARE(propia->points(), serie(QStringLiteral("Curva(7)"))->points());
        QCOMPARE(propia->name(), "Pipe's ε/D = 0,0005");
        actualizarMoody(kLiso);
        QCOMPARE(propia->points(), serie(QStringLiteral("Curva(0)"))->points());
        actualizarMoody(EstadoMoody{"127.065", ",0197", "", "100", ""});
        QCOMPARE(propia->count(), 0);
    }

    // An update moves the markers; the fourteen curves stay as they were built.
    void curves_are_built_once() {
        abrirMoody(kEjemplo);
        QList<const QXYSeries *> curvas;
        QList<QList<QPointF>> puntos;
        for (int i = 0; i < 14; ++i) {
            curvas << serie(QStringLiteral("Curva(%1)").arg(i));
            puntos << curvas.last()->points();
        }
        const int series = grafico()->series().size();
        for (const EstadoMoody &e : {kLiso, kRugoso, kLaminar, EstadoMoody{}, kEjemplo})
            actualizarMoody(e);
        QCOMPARE(grafico()->series().size(), series);
        for (int i = 0; i < 14; ++i) {
            QCOMPARE(serie(QStringLiteral("Curva(%1)").arg(i)), curvas[i]);
            QCOMPARE(curvas[i]->points(), puntos[i]);
        }
    }

    void invalid_state_shows_no_marker_data() {
        QTest::addColumn<EstadoMoody>("e");
        QTest::addColumn<bool>("raiz");
        QTest::addColumn<QString>("texto");

        const QString resto = "f = ,0197   ε/D = 0,0005";
        // clang-format off
        QTest::newRow("nothing")         << EstadoMoody{} << false << "";
        QTest::newRow("Re not a number") << EstadoMoody{"1-2", ",0197", "0,05", "100", ",019732"} << false << resto;
        QTest::newRow("Re nan")          << EstadoMoody{"nan", ",0197", "0,05", "100", ",019732"} << false << resto;
        QTest::newRow("Re overflows")    << EstadoMoody{"1e999", ",0197", "0,05", "100", ""} << false << resto;
        QTest::newRow("Re 0")            << EstadoMoody{"0", ",0197", "0,05", "100", ""} << false << "Re = 0   " + resto;
        QTest::newRow("Re negative")     << EstadoMoody{"-5.000", ",0197", "0,05", "100", ""} << false << "Re = -5.000   " + resto;
        QTest::newRow("Re beyond the chart") << EstadoMoody{"1.000.000.000.000.000", ",0100", "0", "100", ""} << false
                                             << "Re = 1.000.000.000.000.000   f = ,0100   ε/D = 0";
        QTest::newRow("f inf")           << EstadoMoody{"127.065", "inf", "0,05", "100", ""} << false << "Re = 127.065   ε/D = 0,0005";
        QTest::newRow("f zero")          << EstadoMoody{"127.065", "0", "0,05", "100", ""} << false << "Re = 127.065   f = 0   ε/D = 0,0005";
        QTest::newRow("f negative")      << EstadoMoody{"127.065", "-,0197", "0,05", "100", ""} << false << "Re = 127.065   f = -,0197   ε/D = 0,0005";
        // Without the grid value the exact root alone is still a point.
        QTest::newRow("no f, exact root") << EstadoMoody{"127.065", "", "0,05", "100", ",019732"} << true << "Re = 127.065   ε/D = 0,0005";
        QTest::newRow("no roughness")       << EstadoMoody{"127.065", "", "", "100", ""} << false << "Re = 127.065";
        QTest::newRow("zero diameter")      << EstadoMoody{"127.065", "", "0,05", "0", ""} << false << "Re = 127.065";
        QTest::newRow("negative roughness") << EstadoMoody{"127.065", "", "-0,05", "100", ""} << false << "Re = 127.065";
        // clang-format on
    }
    void invalid_state_shows_no_marker() {
        QFETCH(EstadoMoody, e);
        QFETCH(bool, raiz);
        QFETCH(QString, texto);

        abrirMoody(kLiso);
        actualizarMoody(e);
        QVERIFY(!moody()->puntoOperacion());
        QVERIFY(!moody()->marcaPunto()->isVisible());
        QCOMPARE(moody()->raizExacta().has_value(), raiz);
        QCOMPARE(moody()->marcaRaiz()->isVisible(), raiz);
        QVERIFY(!enLeyenda("PuntoOperacion"));
        QCOMPARE(enLeyenda("RaizExacta"), raiz);
        QCOMPARE(estado(), texto);
        QVERIFY(!prueba::muestraNoNumero(estado()));
        // With no point outside it, the view goes back to the usual one.
        if (!raiz) {
            QCOMPARE(eje("EjeRe")->min(), std::log10(500.0));
            QCOMPARE(eje("EjeF")->max(), -1.0);
        }
    }

    void saving_writes_the_image_data() {
        QTest::addColumn<QString>("nombre");
        QTest::addColumn<bool>("filtroSvg");
        QTest::addColumn<QString>("escrito");
        QTest::addColumn<bool>("svg");

        // clang-format off
        QTest::newRow("png")                      << "moody.png" << false << "moody.png" << false;
        QTest::newRow("SVG upper case")           << "MOODY.SVG" << false << "MOODY.SVG" << true;
        QTest::newRow("no extension, PNG chosen") << "moody" << false << "moody.png" << false;
        QTest::newRow("no extension, SVG chosen") << "moody" << true << "moody.svg" << true;
        QTest::newRow("other extension")          << "moody.jpg" << false << "moody.jpg.png" << false;
        // clang-format on
    }
    void saving_writes_the_image() {
        QFETCH(QString, nombre);
        QFETCH(bool, filtroSvg);
        QFETCH(QString, escrito);
        QFETCH(bool, svg);

        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        abrirMoody(kLiso);
        const QList<QList<QPointF>> antes = puntosDeLineas();
        m_dialogos.respuesta = DialogosArchivo::Eleccion{
            dir.filePath(nombre), filtroSvg ? "SVG image (*.svg)" : "PNG image (*.png)"};
        prueba::pulsar(moody(), "CommandGuardarImagen");
        QCOMPARE(m_dialogos.preguntas.size(), 1);
        QCOMPARE(m_dialogos.preguntas[0].titulo, "Save image");
        QCOMPARE(m_dialogos.preguntas[0].filtros,
                 QStringList({"PNG image (*.png)", "SVG image (*.svg)"}));
        QVERIFY(mensajes.cajas.isEmpty());

        const QByteArray datos = prueba::bytesDe(dir.filePath(escrito));
        if (svg) {
            // Drawn as lines and text, not as a picture.
            QVERIFY(datos.contains("<svg") && datos.contains("</svg>"));
            QVERIFY(datos.contains("<polyline") && !datos.contains("<image"));
        } else {
            QVERIFY(datos.startsWith("\x89PNG"));
            const QImage imagen = QImage::fromData(datos, "PNG");
            const QSize vista =
                moody()->findChild<QChartView *>(QStringLiteral("GraficoMoody"))->size();
            QCOMPARE(imagen.size(), vista);
        }
        // The window's chart is as it was (the SVG is drawn from curves cut to the view).
        QCOMPARE(puntosDeLineas(), antes);
    }

    void cancelling_the_dialog_writes_nothing() {
        QTemporaryDir dir;
        abrirMoody(kEjemplo);
        prueba::pulsar(moody(), "CommandGuardarImagen");
        QCOMPARE(m_dialogos.preguntas.size(), 1);
        QVERIFY(mensajes.cajas.isEmpty());
        QVERIFY(QDir(dir.path()).isEmpty());
    }

    void unwritable_file_is_reported_data() {
        QTest::addColumn<QString>("idioma");
        QTest::addColumn<QString>("nombre");
        QTest::addColumn<QString>("texto");

        QTest::newRow("en png") << kIngles << QString("moody.png")
                                << QString("The image could not be saved to %1");
        QTest::newRow("es svg") << kEspanol << QString("moody.svg")
                                << QString("No se ha podido guardar la imagen en %1");
    }
    void unwritable_file_is_reported() {
        QFETCH(QString, idioma);
        QFETCH(QString, nombre);
        QFETCH(QString, texto);

        QTemporaryDir dir;
        prueba::escribirBytes(dir.filePath("plain"), "x");
        // A path below a regular file cannot be created.
        const QString ruta = dir.filePath("plain/" + nombre);
        Idioma = idioma;
        abrirMoody(kEjemplo);
        m_dialogos.respuesta = DialogosArchivo::Eleccion{ruta, QString()};
        prueba::pulsar(moody(), "CommandGuardarImagen");
        QCOMPARE(mensajes.cajas.size(), 1);
        QCOMPARE(mensajes.cajas[0].texto, texto.arg(QDir::toNativeSeparators(ruta)));
        QCOMPARE(mensajes.cajas[0].titulo, "Vorlo");
        QCOMPARE(mensajes.cajas[0].icono, Mensajes::Icono::Exclamacion);
        QVERIFY(!QFile::exists(ruta));
    }

    void texts_in_the_language_when_opened_data() {
        QTest::addColumn<QString>("idioma");
        QTest::addColumn<QString>("titulo");
        QTest::addColumn<QString>("boton");
        QTest::addColumn<QString>("ejeRe");
        QTest::addColumn<QString>("liso");
        QTest::addColumn<QString>("propia");

        // clang-format off
        QTest::newRow("es") << kEspanol << "Diagrama de Moody" << "Guardar imagen…" << "Número de Reynolds Re"
                            << "liso" << "ε/D de la tubería = 0,0005";
        QTest::newRow("en") << kIngles << "Moody chart" << "Save image…" << "Reynolds number Re"
                            << "smooth" << "Pipe's ε/D = 0,0005";
        // clang-format on
    }
    void texts_in_the_language_when_opened() {
        QFETCH(QString, idioma);
        QFETCH(QString, titulo);
        QFETCH(QString, boton);
        QFETCH(QString, ejeRe);
        QFETCH(QString, liso);
        QFETCH(QString, propia);

        Idioma = idioma;
        abrirMoody(kEjemplo);
        const auto comprobar = [&] {
            QCOMPARE(moody()->windowTitle(), titulo);
            QCOMPARE(
                moody()->findChild<QPushButton *>(QStringLiteral("CommandGuardarImagen"))->text(),
                boton);
            QCOMPARE(eje("EjeRe")->titleText(), ejeRe);
            QCOMPARE(serie(QStringLiteral("Curva(0)"))->name(), liso);
            QCOMPARE(serie(QStringLiteral("CurvaPropia"))->name(), propia);
        };
        comprobar();
        // A later switch of the language leaves the open window as it is.
        Idioma = idioma == kEspanol ? kIngles : kEspanol;
        actualizarMoody(kLiso);
        actualizarMoody(kEjemplo);
        comprobar();
    }

    void one_window_discarded_on_close() {
        abrirMoody(kEjemplo);
        FormMoody *primera = moody();
        QVERIFY(primera->isVisible());
        QVERIFY(primera->testAttribute(Qt::WA_DeleteOnClose));
        abrirMoody(kLiso);
        QCOMPARE(moody(), primera);
        int cuantas = 0;
        for (QWidget *w : QApplication::topLevelWidgets())
            cuantas += qobject_cast<FormMoody *>(w) ? 1 : 0;
        QCOMPARE(cuantas, 1);
        QCOMPARE(moody()->puntoOperacion(), QPointF(7, std::log10(0.01)));

        primera->close();
        prueba::borrarDiferidos();
        QVERIFY(!moody());
        // Updates while it is closed create nothing.
        actualizarMoody(kEjemplo);
        QVERIFY(!moody());
        // Opened again it starts afresh, in the language of that moment.
        Idioma = kEspanol;
        abrirMoody(kRugoso);
        QVERIFY(moody());
        QCOMPARE(moody()->windowTitle(), "Diagrama de Moody");
        QCOMPARE(estado(), "Re = 3.000   f = ,1000   ε/D = 0,2");
    }
};

QTEST_MAIN(TestMoody)
#include "tst_moody.moc"

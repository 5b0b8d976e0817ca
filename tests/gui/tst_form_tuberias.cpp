#include "app/globals.h"
#include "app/pipes_entry.h"
#include "fields/language.h"
#include "pipes/form_tuberias.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "../support/runner.h"

#include "../support/gui_fixture.h"

using namespace vorlo;
using namespace vorlo::prueba;

namespace {

using Llamada = QPair<QString, QString>; // inside diameter, designation

QComboBox *combo(QWidget *w, const char *nombre) {
    return control<QComboBox>(w, nombre);
}
QListWidget *cedulas(QWidget *w) {
    return control<QListWidget>(w, "Cedula");
}
QString seleccionada(QWidget *w) {
    const QList<QListWidgetItem *> sel = cedulas(w)->selectedItems();
    return sel.size() == 1 ? sel.first()->text() : QString();
}
QString eleccion(QWidget *w) {
    return combo(w, "Nominal")->currentText() + " | " + seleccionada(w);
}

// Opens the drop-down, moves onto the item and clicks it, as a user does.
void elegirEnCombo(QComboBox *c, const QString &item) {
    const int i = c->findText(item);
    QVERIFY2(i >= 0, qPrintable(item));
    QTest::mouseClick(c, Qt::LeftButton);
    QAbstractItemView *v = c->view();
    QTRY_VERIFY(v->isVisible());
    const QModelIndex indice = c->model()->index(i, 0);
    v->scrollTo(indice);
    // The list takes no release within the double-click interval of the opening click unless
    // the pointer has moved since: the move stands for the wait a user makes.
    const QPoint p = v->visualRect(indice).center();
    moverSobre(v->viewport(), p);
    QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, p);
    QTRY_VERIFY(!v->isVisible());
    QCOMPARE(c->currentText(), item);
}

// Picks a standard by the beginning of its text, which is the same in both languages.
void elegirNorma(QWidget *w, const QString &comienzo) {
    const int i = combo(w, "Norma")->findText(comienzo, Qt::MatchStartsWith);
    QVERIFY2(i >= 0, qPrintable(comienzo));
    combo(w, "Norma")->setCurrentIndex(i);
}

// A click (or a double click) on a schedule, scrolled into sight.
void clicCedula(QWidget *w, const QString &item, bool doble = false) {
    const QList<QListWidgetItem *> hallados = cedulas(w)->findItems(item, Qt::MatchExactly);
    QVERIFY2(hallados.size() == 1, qPrintable(item));
    cedulas(w)->scrollToItem(hallados.first());
    const int fila = cedulas(w)->row(hallados.first());
    doble ? dobleClicFila(cedulas(w), fila) : clicFila(cedulas(w), fila);
}

} // namespace

class TestFormTuberias : public PruebaGui {
    Q_OBJECT

    QList<Llamada> llamadas;

    FormTuberias *abrir() {
        abrirTuberias([this](const QString &interior, const QString &designacion) {
            llamadas.append({interior, designacion});
        });
        return ventanas().existente<FormTuberias>();
    }
    static bool cerrada() { // closed and discarded
        borrarDiferidos();
        return ventanas().existente<FormTuberias>() == nullptr;
    }

  public:
    TestFormTuberias() : PruebaGui(kIngles) {}

  protected:
    void alEmpezar() override { llamadas.clear(); }

  private slots:
    // The user knows "4 inch, Sch 40": the size, the schedule, OK (three clicks).
    void size_schedule_ok_data() {
        QTest::addColumn<QString>("norma");
        QTest::addColumn<QString>("nominal");
        QTest::addColumn<QStringList>("lista"); // the size's schedules; empty: not checked
        QTest::addColumn<QString>("cedula");
        QTest::addColumn<QStringList>("dimensiones"); // OD, wall, ID, designation
        // Four digits take the grouping point, which the pipe window reads back.
        // clang-format off
        QTest::newRow("4 Sch 40")  << "ASME B36.10M" << "4\" (DN 100)" << QStringList{"Sch 5", "Sch 10", "Sch 30", "Sch 40", "STD", "Sch 80", "XS", "Sch 120", "Sch 160", "XXS"} << "Sch 40" << QStringList{"114,30", "6,02", "102,26", "4\" Sch 40"};
        QTest::newRow("12 Sch 40") << "ASME B36.10M" << "12\" (DN 300)" << QStringList{} << "Sch 40" << QStringList{"323,80", "10,31", "303,18", "12\" Sch 40"};
        QTest::newRow("12 STD")    << "ASME B36.10M" << "12\" (DN 300)" << QStringList{} << "STD" << QStringList{"323,80", "9,53", "304,74", "12\" STD"};
        QTest::newRow("48 XS")     << "ASME B36.10M" << "48\" (DN 1200)" << QStringList{"STD", "XS"} << "XS" << QStringList{"1.219,00", "12,70", "1.193,60", "48\" XS"};
        QTest::newRow("4 40S")     << "ASME B36.19M" << "4\" (DN 100)" << QStringList{} << "Sch 40S" << QStringList{"114,30", "6,02", "102,26", "4\" Sch 40S"};
        QTest::newRow("DN 150 H")  << "EN 10255" << "DN 150" << QStringList{"M (medium series)", "H (heavy series)"} << "H (heavy series)" << QStringList{"165,10", "5,40", "154,30", "DN 150 EN 10255 H"};
        // clang-format on
    }
    void size_schedule_ok() {
        QFETCH(QString, norma);
        QFETCH(QString, nominal);
        QFETCH(QStringList, lista);
        QFETCH(QString, cedula);
        QFETCH(QStringList, dimensiones);
        FormTuberias *w = abrir();
        QVERIFY(combo(w, "Norma")->currentText().startsWith("ASME B36.10M")); // the first one
        elegirNorma(w, norma);
        elegirEnCombo(combo(w, "Nominal"), nominal);
        QVERIFY(lista.isEmpty() || textos(cedulas(w)) == lista);
        clicCedula(w, cedula);
        QCOMPARE(QStringList({etiqueta(w, "DExterior"), etiqueta(w, "Espesor"),
                              etiqueta(w, "DInterior"), etiqueta(w, "Designacion")}),
                 dimensiones);
        pulsar(w, "Aceptar");
        QCOMPARE(llamadas, (QList<Llamada>{{dimensiones[2], dimensiones[3]}}));
        QVERIFY(cerrada());
    }

    // Typing the start of a size reaches the size meant wherever the list stands; in the open
    // drop-down it moves the highlight, and Enter picks it. The schedules follow the size.
    void typing_a_size_reaches_it_data() {
        QTest::addColumn<QString>("idioma");
        QTest::addColumn<QString>("norma");
        QTest::addColumn<QString>("desde");
        QTest::addColumn<QString>("tecleado");
        QTest::addColumn<bool>("desplegada");
        QTest::addColumn<QString>("esperado");
        const QString seis = "6\" (DN 150)";
        // clang-format off
        QTest::newRow("2, not 20, es")        << kEspanol << "ASME B36.10M" << seis << "2" << false << "2\" (DN 50)";
        QTest::newRow("2 1, en")              << kIngles << "ASME B36.10M" << seis << "2 1" << false << "2 1/2\" (DN 65)";
        QTest::newRow("2-1, es")              << kEspanol << "ASME B36.10M" << seis << "2-1" << false << "2 1/2\" (DN 65)";
        QTest::newRow("20, en")               << kIngles << "ASME B36.10M" << seis << "20" << false << "20\" (DN 500)";
        QTest::newRow("1 from 12, es")        << kEspanol << "ASME B36.10M" << "12\" (DN 300)" << "1" << false << "1\" (DN 25)";
        QTest::newRow("3/, en")               << kIngles << "ASME B36.10M" << seis << "3/" << false << "3/8\" (DN 10)";
        QTest::newRow("with the inch mark, es") << kEspanol << "ASME B36.19M" << seis << "1 1/2\"" << false << "1 1/2\" (DN 40)";
        QTest::newRow("no such size, en")     << kIngles << "ASME B36.10M" << seis << "7" << false << seis;
        QTest::newRow("open list, es")        << kEspanol << "ASME B36.10M" << seis << "2 1" << true << "2 1/2\" (DN 65)";
        QTest::newRow("DN 2, en")             << kIngles << "EN 10255" << "DN 80" << "2" << false << "DN 20";
        QTest::newRow("DN 25, es")            << kEspanol << "EN 10255" << "DN 80" << "25" << false << "DN 25";
        QTest::newRow("typed with DN, en")    << kIngles << "EN 10255" << "DN 80" << "DN 15" << false << "DN 15";
        QTest::newRow("DN, open list, es")    << kEspanol << "EN 10255" << "DN 80" << "15" << true << "DN 15";
        // clang-format on
    }
    void typing_a_size_reaches_it() {
        QFETCH(QString, idioma);
        QFETCH(QString, norma);
        QFETCH(QString, desde);
        QFETCH(QString, tecleado);
        QFETCH(bool, desplegada);
        QFETCH(QString, esperado);
        Idioma = idioma;
        FormTuberias *w = abrir();
        elegirNorma(w, norma);
        QComboBox *c = combo(w, "Nominal");
        c->setCurrentIndex(c->findText(desde));
        QCOMPARE(c->currentText(), desde);
        if (desplegada) {
            c->showPopup();
            QTRY_VERIFY(c->view()->isVisible());
            QTest::keyClicks(c->view(), tecleado);
            QCOMPARE(c->view()->currentIndex().data().toString(), esperado);
            QTest::keyClick(c->view(), Qt::Key_Return);
            QTRY_VERIFY(!c->view()->isVisible());
        } else {
            QTest::keyClicks(c, tecleado);
        }
        QCOMPARE(c->currentText(), esperado);
        QVERIFY(etiqueta(w, "Designacion").startsWith(esperado.section(" (DN", 0, 0) + ' '));
    }

    // Changing the size keeps the schedule where the new size has it; changing the standard
    // keeps the DN and, for stainless, the matching S schedule.
    void choices_carry_over() {
        FormTuberias *w = abrir();
        elegirEnCombo(combo(w, "Nominal"), "2\" (DN 50)");
        clicCedula(w, "Sch 80");
        elegirEnCombo(combo(w, "Nominal"), "6\" (DN 150)");
        QCOMPARE(eleccion(w), "6\" (DN 150) | Sch 80");
        elegirNorma(w, "ASME B36.19M");
        QCOMPARE(eleccion(w), "6\" (DN 150) | Sch 80S");
        elegirNorma(w, "EN 10255");
        QCOMPARE(eleccion(w) + " " + etiqueta(w, "DInterior"), "DN 150 | M (medium series) 155,10");
        // No DN 90 in EN 10255: back to ASME 3 1/2", then EN starts at its first size.
        elegirNorma(w, "ASME B36.10M");
        elegirEnCombo(combo(w, "Nominal"), "3 1/2\" (DN 90)");
        elegirNorma(w, "EN 10255");
        QCOMPARE(combo(w, "Nominal")->currentText(), "DN 6");
        QVERIFY(!seleccionada(w).isEmpty() && llamadas.isEmpty());
    }

    // A double click accepts and the window reopens on that choice; cancelled three ways it keeps
    // it. A second opening brings the same window forward; the newer receiver gets the pipe.
    void reopens_on_the_last_accepted_choice() {
        FormTuberias *w = abrir();
        QCOMPARE(eleccion(w), "1/8\" (DN 6) | Sch 40");
        elegirNorma(w, "ASME B36.19M");
        elegirEnCombo(combo(w, "Nominal"), "10\" (DN 250)");
        clicCedula(w, "Sch 80S", true);
        QCOMPARE(llamadas, (QList<Llamada>{{"247,70", "10\" Sch 80S"}}));
        QVERIFY(cerrada());
        for (int como = 0; como < 3; ++como) {
            w = abrir();
            QVERIFY(QTest::qWaitForWindowActive(w));
            QVERIFY(combo(w, "Norma")->currentText().startsWith("ASME B36.19M"));
            QCOMPARE(eleccion(w), "10\" (DN 250) | Sch 80S");
            elegirEnCombo(combo(w, "Nominal"), "4\" (DN 100)");
            clicCedula(w, "Sch 40S");
            if (como == 0)
                pulsar(w, "Cancelar");
            else if (como == 1)
                QTest::keyClick(cedulas(w), Qt::Key_Escape);
            else
                w->close(); // the title bar's close box
            QVERIFY2(llamadas.size() == 1 && cerrada(), qPrintable(QString::number(como)));
        }
        w = abrir();
        QList<Llamada> otras;
        abrirTuberias([&otras](const QString &i, const QString &d) { otras.append({i, d}); });
        QCOMPARE(ventanas().existente<FormTuberias>(), w);
        pulsar(w, "Aceptar"); // accepted as it opened: the same pipe again
        QCOMPARE(llamadas.size(), 1);
        QCOMPARE(otras, llamadas);
    }

    // The texts of the language at opening; an open window keeps them, the next opening after
    // closing takes the new language.
    void texts_in_the_language_at_opening_data() {
        QTest::addColumn<QString>("idioma");
        QTest::addColumn<QStringList>("textos"); // title, Label1-6, OK, Cancel, standards, series
        // clang-format off
        QTest::newRow("ESPAÑOL") << kEspanol << QStringList{"Tuberías normalizadas",
            "Norma", "Diámetro nominal", "Cédula o serie", "Diámetro exterior", "Espesor", "Diámetro interior", "Aceptar", "Cancelar",
            "ASME B36.10M (acero al carbono y aleado)", "ASME B36.19M (acero inoxidable)", "EN 10255 (tubo de acero roscable)",
            "M (serie media)", "H (serie pesada)"};
        QTest::newRow("INGLÉS") << kIngles << QStringList{"Standard pipe sizes",
            "Standard", "Nominal size", "Schedule or series", "Outside diameter", "Wall thickness", "Inside diameter", "OK", "Cancel",
            "ASME B36.10M (carbon and alloy steel)", "ASME B36.19M (stainless steel)", "EN 10255 (threadable steel tube)",
            "M (medium series)", "H (heavy series)"};
        // clang-format on
    }
    void texts_in_the_language_at_opening() {
        QFETCH(QString, idioma);
        Idioma = idioma;
        FormTuberias *w = abrir();
        const auto leer = [&] {
            QStringList t{w->windowTitle()};
            for (int i = 1; i <= 6; ++i)
                t << etiqueta(w, QStringLiteral("Label%1").arg(i));
            t << boton(w, "Aceptar")->text() << boton(w, "Cancelar")->text();
            for (int i = 0; i < combo(w, "Norma")->count(); ++i)
                t << combo(w, "Norma")->itemText(i);
            elegirNorma(w, "EN 10255");
            return t + textos(cedulas(w));
        };
        const QStringList vistos = leer();
        QTEST(vistos, "textos");
        Idioma = idioma == kEspanol ? kIngles : kEspanol;
        QCOMPARE(abrir(), w);
        QCOMPARE(leer(), vistos);
        pulsar(w, "Cancelar");
        QVERIFY(cerrada());
        w = abrir();
        QVERIFY(w->windowTitle() != vistos.first());
    }
};

VORLO_PRUEBA(TestFormTuberias, Ventanas)
#include "tst_form_tuberias.moc"

#include "app/globals.h"
#include "app/pipes_entry.h"
#include "app/windows.h"
#include "fields/language.h"
#include "fields/numbers.h"
#include "pipes/form_tuberias.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "../support/gui_fixture.h"

using namespace vorlo;

namespace {

using Llamada = QPair<QString, QString>; // inside diameter, designation

QComboBox *combo(QWidget *w, const char *nombre) {
    return prueba::control<QComboBox>(w, nombre);
}
QListWidget *cedulas(QWidget *w) {
    return prueba::control<QListWidget>(w, "Cedula");
}
QString texto(QWidget *w, const char *nombre) {
    return prueba::etiqueta(w, nombre);
}
QPushButton *boton(QWidget *w, const char *nombre) {
    return prueba::boton(w, nombre);
}

QString seleccionada(QListWidget *l) {
    const QList<QListWidgetItem *> sel = l->selectedItems();
    return sel.size() == 1 ? sel.first()->text() : QString();
}

// Opens the drop-down and clicks the item, as a user does.
void elegirEnCombo(QComboBox *c, const QString &item) {
    const int i = c->findText(item);
    QVERIFY2(i >= 0, qPrintable(item));
    QTest::mouseClick(c, Qt::LeftButton);
    QAbstractItemView *v = c->view();
    QTRY_VERIFY(v->isVisible());
    const QModelIndex indice = c->model()->index(i, 0);
    v->scrollTo(indice);
    // A release that follows the opening click too soon does not pick: wait as a user would.
    QTest::qWait(QApplication::doubleClickInterval() + 50);
    QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, v->visualRect(indice).center());
    QTRY_VERIFY(!v->isVisible());
    QCOMPARE(c->currentText(), item);
}

// Picks a standard by the beginning of its text, which is the same in both languages.
void elegirNorma(QWidget *w, const QString &comienzo) {
    QComboBox *c = combo(w, "Norma");
    for (int i = 0; i < c->count(); ++i)
        if (c->itemText(i).startsWith(comienzo)) {
            c->setCurrentIndex(i);
            return;
        }
    QFAIL(qPrintable(comienzo));
}

// The row of a schedule, scrolled into sight; -1 if the list does not hold it once.
int filaDe(QWidget *w, const QString &item) {
    const QList<QListWidgetItem *> hallados = cedulas(w)->findItems(item, Qt::MatchExactly);
    if (hallados.size() != 1)
        return -1;
    cedulas(w)->scrollToItem(hallados.first());
    return cedulas(w)->row(hallados.first());
}

void clicCedula(QWidget *w, const QString &item, bool doble = false) {
    const int fila = filaDe(w, item);
    QVERIFY2(fila >= 0, qPrintable(item));
    doble ? prueba::dobleClicFila(cedulas(w), fila) : prueba::clicFila(cedulas(w), fila);
}

} // namespace

class TestFormTuberias : public prueba::PruebaGui {
    Q_OBJECT

    QList<Llamada> llamadas;

    FormTuberias *abrir() {
        abrirTuberias([this](const QString &interior, const QString &designacion) {
            llamadas.append({interior, designacion});
        });
        return ventanas().existente<FormTuberias>();
    }
    // Closed and discarded.
    static bool cerrada() {
        prueba::borrarDiferidos();
        return ventanas().existente<FormTuberias>() == nullptr;
    }

  public:
    TestFormTuberias() : PruebaGui(kIngles) {}

  protected:
    void alEmpezar() override {
        olvidarUltimaTuberia();
        llamadas.clear();
    }

  private slots:
    // The user knows "4 inch, Sch 40": the size, the schedule, OK.
    void three_clicks_from_4_inch_sch_40() {
        FormTuberias *w = abrir();
        QVERIFY(w && w->isVisible());
        QVERIFY(combo(w, "Norma")->currentText().startsWith(QStringLiteral("ASME B36.10M")));
        elegirEnCombo(combo(w, "Nominal"), QStringLiteral("4\" (DN 100)"));
        clicCedula(w, QStringLiteral("Sch 40"));
        QCOMPARE(texto(w, "DExterior"), QStringLiteral("114,30"));
        QCOMPARE(texto(w, "Espesor"), QStringLiteral("6,02"));
        QCOMPARE(texto(w, "DInterior"), QStringLiteral("102,26"));
        QVERIFY(llamadas.isEmpty());
        QTest::mouseClick(boton(w, "Aceptar"), Qt::LeftButton);
        QCOMPARE(llamadas, (QList<Llamada>{{"102,26", "4\" Sch 40"}}));
        QVERIFY(cerrada());
    }

    void dimensions_of_a_pipe_data() {
        QTest::addColumn<QString>("norma");
        QTest::addColumn<QString>("nominal");
        QTest::addColumn<QString>("cedula");
        QTest::addColumn<QString>("exterior");
        QTest::addColumn<QString>("espesor");
        QTest::addColumn<QString>("interior");
        QTest::addColumn<QString>("designacion");
        // Four digits take the grouping point, which the pipe window reads back.
        // clang-format off
        QTest::newRow("12 Sch 40") << "ASME B36.10M" << "12\" (DN 300)" << "Sch 40" << "323,80" << "10,31" << "303,18" << "12\" Sch 40";
        QTest::newRow("1 1/2 XXS") << "ASME B36.10M" << "1 1/2\" (DN 40)" << "XXS" << "48,30" << "10,15" << "28,00" << "1 1/2\" XXS";
        QTest::newRow("48 XS")     << "ASME B36.10M" << "48\" (DN 1200)" << "XS" << "1.219,00" << "12,70" << "1.193,60" << "48\" XS";
        QTest::newRow("4 40S")     << "ASME B36.19M" << "4\" (DN 100)" << "Sch 40S" << "114,30" << "6,02" << "102,26" << "4\" Sch 40S";
        QTest::newRow("DN 50 M")   << "EN 10255" << "DN 50" << "M (medium series)" << "60,30" << "3,60" << "53,10" << "DN 50 EN 10255 M";
        QTest::newRow("DN 150 H")  << "EN 10255" << "DN 150" << "H (heavy series)" << "165,10" << "5,40" << "154,30" << "DN 150 EN 10255 H";
        // clang-format on
    }
    void dimensions_of_a_pipe() {
        QFETCH(QString, norma);
        QFETCH(QString, nominal);
        QFETCH(QString, cedula);
        QFETCH(QString, interior);
        QFETCH(QString, designacion);
        FormTuberias *w = abrir();
        elegirNorma(w, norma);
        QComboBox *n = combo(w, "Nominal");
        n->setCurrentIndex(n->findText(nominal));
        QCOMPARE(n->currentText(), nominal);
        clicCedula(w, cedula);
        QTEST(texto(w, "DExterior"), "exterior");
        QTEST(texto(w, "Espesor"), "espesor");
        QCOMPARE(texto(w, "DInterior"), interior);
        QCOMPARE(texto(w, "Designacion"), designacion);
        QVERIFY(leerNumero(interior).has_value());
        QTest::mouseClick(boton(w, "Aceptar"), Qt::LeftButton);
        QCOMPARE(llamadas, (QList<Llamada>{{interior, designacion}}));
    }

    void schedules_of_a_size_data() {
        QTest::addColumn<QString>("norma");
        QTest::addColumn<QString>("nominal");
        QTest::addColumn<QStringList>("lista");
        // clang-format off
        QTest::newRow("4") << "ASME B36.10M" << "4\" (DN 100)"
            << QStringList{"Sch 5", "Sch 10", "Sch 30", "Sch 40", "STD", "Sch 80", "XS", "Sch 120", "Sch 160", "XXS"};
        QTest::newRow("8: XXS is thinner than Sch 160") << "ASME B36.10M" << "8\" (DN 200)"
            << QStringList{"Sch 5", "Sch 10", "Sch 20", "Sch 30", "Sch 40", "STD", "Sch 60",
                           "Sch 80", "XS", "Sch 100", "Sch 120", "Sch 140", "XXS", "Sch 160"};
        QTest::newRow("48") << "ASME B36.10M" << "48\" (DN 1200)" << QStringList{"STD", "XS"};
        QTest::newRow("stainless 22") << "ASME B36.19M" << "22\" (DN 550)" << QStringList{"Sch 5S", "Sch 10S"};
        QTest::newRow("EN DN 100") << "EN 10255" << "DN 100" << QStringList{"M (medium series)", "H (heavy series)"};
        // clang-format on
    }
    void schedules_of_a_size() {
        QFETCH(QString, norma);
        QFETCH(QString, nominal);
        QFETCH(QStringList, lista);
        FormTuberias *w = abrir();
        elegirNorma(w, norma);
        elegirEnCombo(combo(w, "Nominal"), nominal);
        QCOMPARE(prueba::textos(cedulas(w)), lista);
        // Always one of them selected, its dimensions shown.
        QVERIFY(lista.contains(seleccionada(cedulas(w))));
        QVERIFY(!texto(w, "DInterior").isEmpty());
        QVERIFY(boton(w, "Aceptar")->isEnabled());
    }

    // Changing the size keeps the schedule where the new size has it; changing the standard
    // keeps the DN and, for stainless, the matching S schedule.
    void choices_carry_over() {
        FormTuberias *w = abrir();
        elegirEnCombo(combo(w, "Nominal"), QStringLiteral("2\" (DN 50)"));
        clicCedula(w, QStringLiteral("Sch 80"));
        elegirEnCombo(combo(w, "Nominal"), QStringLiteral("6\" (DN 150)"));
        QCOMPARE(seleccionada(cedulas(w)), QStringLiteral("Sch 80"));
        QCOMPARE(texto(w, "Espesor"), QStringLiteral("10,97"));
        elegirNorma(w, QStringLiteral("ASME B36.19M"));
        QCOMPARE(combo(w, "Nominal")->currentText(), QStringLiteral("6\" (DN 150)"));
        QCOMPARE(seleccionada(cedulas(w)), QStringLiteral("Sch 80S"));
        elegirNorma(w, QStringLiteral("EN 10255"));
        QCOMPARE(combo(w, "Nominal")->currentText(), QStringLiteral("DN 150"));
        QCOMPARE(seleccionada(cedulas(w)), QStringLiteral("M (medium series)"));
        QCOMPARE(texto(w, "DInterior"), QStringLiteral("155,10"));
        // No DN 90 in EN 10255: back to ASME 3 1/2", then EN starts at its first size.
        elegirNorma(w, QStringLiteral("ASME B36.10M"));
        elegirEnCombo(combo(w, "Nominal"), QStringLiteral("3 1/2\" (DN 90)"));
        elegirNorma(w, QStringLiteral("EN 10255"));
        QCOMPARE(combo(w, "Nominal")->currentText(), QStringLiteral("DN 6"));
        QVERIFY(!seleccionada(cedulas(w)).isEmpty());
        QVERIFY(llamadas.isEmpty());
    }

    void double_click_on_a_schedule_accepts() {
        FormTuberias *w = abrir();
        elegirEnCombo(combo(w, "Nominal"), QStringLiteral("4\" (DN 100)"));
        clicCedula(w, QStringLiteral("Sch 80"), true);
        QCOMPARE(llamadas, (QList<Llamada>{{"97,18", "4\" Sch 80"}}));
        QVERIFY(cerrada());
    }

    void cancelling_hands_nothing_over_data() {
        QTest::addColumn<int>("como");
        QTest::newRow("Cancelar") << 0;
        QTest::newRow("Escape") << 1;
        QTest::newRow("title bar close box") << 2;
    }
    void cancelling_hands_nothing_over() {
        QFETCH(int, como);
        FormTuberias *w = abrir();
        QVERIFY(QTest::qWaitForWindowActive(w));
        elegirEnCombo(combo(w, "Nominal"), QStringLiteral("10\" (DN 250)"));
        clicCedula(w, QStringLiteral("Sch 160"));
        if (como == 0)
            QTest::mouseClick(boton(w, "Cancelar"), Qt::LeftButton);
        else if (como == 1)
            QTest::keyClick(cedulas(w), Qt::Key_Escape);
        else
            w->close();
        QVERIFY(llamadas.isEmpty());
        QVERIFY(cerrada());
        // Nothing accepted: the window opens as the first time, not on 10" Sch 160.
        w = abrir();
        QCOMPARE(combo(w, "Nominal")->currentText(), QStringLiteral("1/8\" (DN 6)"));
        QCOMPARE(seleccionada(cedulas(w)), QStringLiteral("Sch 40"));
    }

    void reopens_on_the_last_choice() {
        FormTuberias *w = abrir();
        elegirNorma(w, QStringLiteral("ASME B36.19M"));
        elegirEnCombo(combo(w, "Nominal"), QStringLiteral("10\" (DN 250)"));
        clicCedula(w, QStringLiteral("Sch 80S"), true);
        QVERIFY(cerrada());
        w = abrir();
        QVERIFY(combo(w, "Norma")->currentText().startsWith(QStringLiteral("ASME B36.19M")));
        QCOMPARE(combo(w, "Nominal")->currentText(), QStringLiteral("10\" (DN 250)"));
        QCOMPARE(seleccionada(cedulas(w)), QStringLiteral("Sch 80S"));
        QCOMPARE(texto(w, "DInterior"), QStringLiteral("247,70"));
        // Accepted as it opened: the same pipe again.
        QTest::mouseClick(boton(w, "Aceptar"), Qt::LeftButton);
        QCOMPARE(llamadas.size(), 2);
        QCOMPARE(llamadas.at(1), llamadas.at(0));
        QCOMPARE(llamadas.at(1), Llamada("247,70", "10\" Sch 80S"));
    }

    // A second opening brings the same window forward; the newer receiver gets the pipe.
    void one_window_at_a_time() {
        FormTuberias *w = abrir();
        elegirEnCombo(combo(w, "Nominal"), QStringLiteral("2\" (DN 50)"));
        QList<Llamada> otras;
        abrirTuberias([&otras](const QString &i, const QString &d) { otras.append({i, d}); });
        QCOMPARE(ventanas().existente<FormTuberias>(), w);
        QCOMPARE(combo(w, "Nominal")->currentText(), QStringLiteral("2\" (DN 50)"));
        QTest::mouseClick(boton(w, "Aceptar"), Qt::LeftButton);
        QVERIFY(llamadas.isEmpty());
        QCOMPARE(otras, (QList<Llamada>{{"52,48", "2\" Sch 40"}}));
    }

    void texts_in_the_language_at_opening_data() {
        QTest::addColumn<QString>("idioma");
        QTest::addColumn<QString>("titulo");
        QTest::addColumn<QStringList>("etiquetas"); // Label1 to Label6
        QTest::addColumn<QStringList>("botones");   // Aceptar, Cancelar
        QTest::addColumn<QStringList>("normas");
        QTest::addColumn<QStringList>("series");
        // clang-format off
        QTest::newRow("ESPAÑOL") << kEspanol << "Tuberías normalizadas"
            << QStringList{"Norma", "Diámetro nominal", "Cédula o serie", "Diámetro exterior", "Espesor", "Diámetro interior"}
            << QStringList{"Aceptar", "Cancelar"}
            << QStringList{"ASME B36.10M (acero al carbono y aleado)", "ASME B36.19M (acero inoxidable)",
                           "EN 10255 (tubo de acero roscable)"}
            << QStringList{"M (serie media)", "H (serie pesada)"};
        QTest::newRow("INGLÉS") << kIngles << "Standard pipe sizes"
            << QStringList{"Standard", "Nominal size", "Schedule or series", "Outside diameter", "Wall thickness", "Inside diameter"}
            << QStringList{"OK", "Cancel"}
            << QStringList{"ASME B36.10M (carbon and alloy steel)", "ASME B36.19M (stainless steel)",
                           "EN 10255 (threadable steel tube)"}
            << QStringList{"M (medium series)", "H (heavy series)"};
        // clang-format on
    }
    void texts_in_the_language_at_opening() {
        QFETCH(QString, idioma);
        QFETCH(QStringList, etiquetas);
        QFETCH(QStringList, botones);
        QFETCH(QStringList, normas);
        QFETCH(QStringList, series);
        Idioma = idioma;
        FormTuberias *w = abrir();
        QTEST(w->windowTitle(), "titulo");
        for (int i = 0; i < etiquetas.size(); ++i)
            QCOMPARE(texto(w, qPrintable(QStringLiteral("Label%1").arg(i + 1))), etiquetas.at(i));
        QCOMPARE(boton(w, "Aceptar")->text(), botones.at(0));
        QCOMPARE(boton(w, "Cancelar")->text(), botones.at(1));
        QStringList textosNorma;
        for (int i = 0; i < combo(w, "Norma")->count(); ++i)
            textosNorma << combo(w, "Norma")->itemText(i);
        QCOMPARE(textosNorma, normas);
        elegirNorma(w, QStringLiteral("EN 10255"));
        QCOMPARE(prueba::textos(cedulas(w)), series);
    }

    // An open window keeps its texts; the next opening after closing takes the new language.
    void a_language_change_shows_at_the_next_opening() {
        Idioma = kIngles;
        FormTuberias *w = abrir();
        QCOMPARE(boton(w, "Aceptar")->text(), QStringLiteral("OK"));
        Idioma = kEspanol;
        QCOMPARE(abrir(), w);
        QCOMPARE(boton(w, "Aceptar")->text(), QStringLiteral("OK"));
        QTest::mouseClick(boton(w, "Cancelar"), Qt::LeftButton);
        QVERIFY(cerrada());
        w = abrir();
        QCOMPARE(boton(w, "Aceptar")->text(), QStringLiteral("Aceptar"));
        QCOMPARE(w->windowTitle(), QStringLiteral("Tuberías normalizadas"));
    }
};

QTEST_MAIN(TestFormTuberias)
#include "tst_form_tuberias.moc"

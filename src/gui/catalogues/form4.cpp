#include "form4.h"

#include "app/globals.h"
#include "app/icons.h"
#include "app/open_windows.h"
#include "app/windows.h"
#include "catalogues/catalogues.h"
#include "catalogues/form4_texts.h"
#include "fields/language.h"
#include "fields/numbers.h"
#include "pipeflow/form_reynolds.h"
#include "ui_form4.h"

#include <QFontDatabase>

namespace vorlo {

Form4::Form4(QWidget *parent) : QWidget(parent), ui(std::make_unique<Ui::Form4>()) {
    ui->setupUi(this);
    setObjectName(QStringLiteral("Form4"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(icono(QStringLiteral("liquids")));

    // The buttons' typeface where the machine has it; otherwise they keep the system font.
    const QString comic = QStringLiteral("Comic Sans MS");
    if (QFontDatabase::hasFamily(comic)) {
        for (QPushButton *b : {ui->Command1, ui->Cancelar}) {
            QFont f = b->font();
            f.setFamily(comic);
            b->setFont(f);
        }
    }

    // The list texts pad the temperatures so that they line up, which needs a fixed pitch.
    ui->List1->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));

    // Before any language is set (only before the start screen loads) the design language,
    // Spanish, is used.
    const bool ingles = Idioma == kIngles;
    aplicarTextos(this, textosForm4(), ingles ? Lengua::Ingles : Lengua::Espanol);
    // The list is named after the window, without the program's name.
    ui->List1->setAccessibleName(windowTitle().section(QStringLiteral(" - "), -1));
    const QList<Liquido> &liquidos = catalogoLiquidos();
    for (const Liquido &l : liquidos)
        ui->List1->addItem(ingles ? l.ingles : l.espanol);
    for (qsizetype i = 0; i < liquidos.size(); ++i) {
        const auto p = static_cast<std::size_t>(i);
        TablaDensidad.at(p) = liquidos.at(i).densidad;
        TablaViscosidad.at(p) = liquidos.at(i).viscosidad;
    }
    ui->Command1->setEnabled(false);

    connect(ui->List1, &QListWidget::itemSelectionChanged, this, &Form4::List1_Click);
    connect(ui->List1, &QListWidget::itemDoubleClicked, this, &Form4::List1_DblClick);
    connect(ui->Command1, &QPushButton::clicked, this, &Form4::Command1_Click);
    connect(ui->Cancelar, &QPushButton::clicked, this, &Form4::Cancelar_Click);
}

Form4::~Form4() = default;

// The values come from this window's own rows rather than from the shared catalogue tables,
// which the gas catalogue overwrites when it opens while this window is still open.
void Form4::List1_Click() {
    const QList<QListWidgetItem *> sel = ui->List1->selectedItems();
    if (sel.isEmpty())
        return;
    const int fila = ui->List1->row(sel.first());
    const QList<Liquido> &liquidos = catalogoLiquidos();
    if (fila < 0 || fila >= liquidos.size())
        return;
    ui->Command1->setEnabled(true);
    const auto viscosidad = formatoPlano(liquidos.at(fila).viscosidad);
    const auto densidad = formatoPlano(liquidos.at(fila).densidad);
    if (viscosidad && densidad) {
        ui->Viscos->setText(*viscosidad);
        ui->Dens->setText(*densidad);
    }
}

// Hands over what the value labels show. The gas window's reference conditions take the
// empty temperature, pressure and compressibility labels, so only its density stays set.
void Form4::copiar() {
    const QString densidad = ui->Dens->text();
    const QString viscosidad = ui->Viscos->text();
    if (densidad.isEmpty() || viscosidad.isEmpty())
        return;
    FormReynolds *tuberia = ventanas().obtener<FormReynolds>();
    tuberia->escribir(QStringLiteral("dproceso"), densidad);
    tuberia->escribir(QStringLiteral("vdinamica"), viscosidad);
    escribirEnForm2(QStringLiteral("dref"), densidad);
    escribirEnForm2(QStringLiteral("Zref"), ui->Compres->text());
    escribirEnForm2(QStringLiteral("Pref"), ui->Pres->text());
    escribirEnForm2(QStringLiteral("tref"), ui->Temp->text());
}

void Form4::List1_DblClick() {
    List1_Click();
    copiar();
    close();
}

void Form4::Command1_Click() {
    List1_Click();
    copiar();
    // As a user's click on the option, so that the dynamic viscosity field shows.
    ventanas().obtener<FormReynolds>()->Option3_Click();
    close();
}

void Form4::Cancelar_Click() {
    close();
}

} // namespace vorlo

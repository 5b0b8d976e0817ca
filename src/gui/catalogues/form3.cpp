#include "form3.h"

#include "app/globals.h"
#include "app/icons.h"
#include "app/open_windows.h"
#include "app/texts.h"
#include "app/windows.h"
#include "catalogues/catalogues.h"
#include "catalogues/form3_texts.h"
#include "catalogues/lista_catalogo.h"
#include "fields/language.h"
#include "fields/numbers.h"
#include "ui_form3.h"

namespace vorlo {

namespace {
// The roughness of a row in the text the fields show; nullopt for no row.
std::optional<QString> textoRugosidad(int fila) {
    const QList<Material> &m = catalogoMateriales();
    if (fila < 0 || fila >= m.size())
        return std::nullopt;
    return formatoPlano(m.at(fila).rugosidad);
}
} // namespace

Form3::Form3(QWidget *parent) : QWidget(parent), ui(std::make_unique<Ui::Form3>()) {
    ui->setupUi(this);
    setObjectName(QStringLiteral("Form3"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(icono(QStringLiteral("material")));

    // The list keeps the language of this first opening.
    const bool ingles = lenguaActual() == Lengua::Ingles;
    aplicarTextos(this, textosForm3(), lenguaActual());
    ui->List1->setAccessibleName(windowTitle());
    const QList<Material> &materiales = catalogoMateriales();
    for (const Material &m : materiales)
        ui->List1->addItem(ingles ? m.nombre.ingles : m.nombre.espanol);
    for (qsizetype i = 0; i < materiales.size(); ++i)
        TablaRugosidad.at(static_cast<std::size_t>(i)) = materiales.at(i).rugosidad;

    connect(ui->List1, &QListWidget::itemSelectionChanged, this, &Form3::List1_Click);
    connect(ui->List1, &QListWidget::itemDoubleClicked, this, &Form3::List1_DblClick);
    connect(ui->Command1, &QPushButton::clicked, this, &Form3::Command1_Click);
}

Form3::~Form3() = default;

void Form3::List1_Click() {
    if (const auto t = textoRugosidad(filaElegida(ui->List1, catalogoMateriales().size())))
        ui->Label2->setText(*t);
}

void Form3::List1_DblClick() {
    List1_Click();
    if (const auto t = textoRugosidad(filaElegida(ui->List1, catalogoMateriales().size())))
        entregarRugosidad(*t);
    hide();
}

void Form3::Command1_Click() {
    List1_DblClick();
}

} // namespace vorlo

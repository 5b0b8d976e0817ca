#pragma once

#include <QWidget>
#include <memory>

class QFileSystemModel;
class QListWidgetItem;

namespace Ui {
class FormGuardar;
}

namespace vorlo {

class FormReynolds;
namespace resultados {
struct Resultados;
}

// The results file window: a drive, a directory and a file name. In save mode (caption
// "Guardar") it writes the pipe flow window's options and fields; in open mode it reads such a
// file back into the pipe flow window. Not modal, no owner, discarded on close.
class FormGuardar : public QWidget {
    Q_OBJECT
  public:
    enum class Modo { Guardar, Abrir };

    explicit FormGuardar(QWidget *parent = nullptr);
    ~FormGuardar() override;

    Modo modo() const { return m_modo; }
    // Texts and name box of the mode; the window loads in save mode.
    void fijarModo(Modo modo);

    // Dir1's directory, and moving it (Drive1 follows). False when the path is no directory.
    QString directorio() const { return m_directorio; }
    bool fijarDirectorio(const QString &ruta);
    // Dir1's directory, "/", and the name as typed.
    QString ruta() const;

    void Command1_Click();
    void Command2_Click();
    void File1_Click(QListWidgetItem *item);
    void File1_DblClick(QListWidgetItem *item);
    void Dir1_Change();
    void Drive1_Change();

    // Drive1 keeps each volume's root path under this role.
    static constexpr int kRaizUnidad = Qt::UserRole;

  protected:
    bool eventFilter(QObject *obj, QEvent *ev) override;

  private:
    void llenarUnidades();
    void seleccionarUnidadDe(const QString &ruta);
    void llenarArchivos();
    void aceptar();
    void guardar();
    void abrir();

    std::unique_ptr<Ui::FormGuardar> ui;
    QFileSystemModel *m_modelo = nullptr;
    QString m_directorio;
    Modo m_modo = Modo::Guardar;
    bool m_seguirActual = true; // keep Dir1's directory in view while folders load
};

// Puts a read results file into the pipe flow window: the options with their show/hide effects
// but without the emptying a click does (a pair with neither option "True" is left with neither
// selected), the twelve fields as saved, then one more pass of the calculation.
void aplicarResultados(FormReynolds &ventana, const resultados::Resultados &r);

} // namespace vorlo

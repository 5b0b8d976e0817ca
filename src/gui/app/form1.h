#pragma once

#include "app/texts.h"

#include <QWidget>
#include <memory>

namespace Ui {
class Form1;
}

namespace vorlo {

// The start screen: opens the two calculators and holds the language switch.
class Form1 : public QWidget {
    Q_OBJECT
  public:
    explicit Form1(QWidget *parent = nullptr);
    ~Form1() override;

    // The flags: the window's texts in that language, which becomes the program's.
    void Picture1_Click() { cambiarLengua(Lengua::Ingles); }
    void Spain_Click() { cambiarLengua(Lengua::Espanol); }
    void Label2_Click(); // gas window
    void Label3_Click(); // pipe flow window

  protected:
    bool eventFilter(QObject *obj, QEvent *ev) override;
    void mouseMoveEvent(QMouseEvent *ev) override;

  private:
    void cambiarLengua(Lengua lengua);
    void colorEnlaces(const QColor &label2, const QColor &label3);

    std::unique_ptr<Ui::Form1> ui;
};

} // namespace vorlo

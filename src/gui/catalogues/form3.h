#pragma once

#include <QWidget>
#include <memory>

namespace Ui {
class Form3;
}

namespace vorlo {

// The pipe material catalogue: hands the roughness of a material to the pipe flow window.
// Its buttons only hide it, so a later opening shows the same list and selection; the title
// bar's close box discards it.
class Form3 : public QWidget {
    Q_OBJECT
  public:
    explicit Form3(QWidget *parent = nullptr);
    ~Form3() override;

    void List1_Click();    // shows the roughness of the selected material
    void List1_DblClick(); // hands it over and hides
    void Command1_Click(); // OK: the same, or only hides with nothing selected

  private:
    std::unique_ptr<Ui::Form3> ui;
};

} // namespace vorlo

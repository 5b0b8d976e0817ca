#pragma once

#include <QWidget>

namespace vorlo {

// A drawn line across its own rectangle; two of them side by side make an arrow head.
class Linea : public QWidget {
    Q_OBJECT
  public:
    enum class Trazo {
        Bajando,  // top left to bottom right
        Subiendo, // bottom left to top right
        Vertical  // down the middle
    };
    Linea(Trazo trazo, const QString &nombre, QWidget *parent);

    Trazo trazo() const { return m_trazo; }
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent *ev) override;

  private:
    Trazo m_trazo;
};

} // namespace vorlo

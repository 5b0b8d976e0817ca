#pragma once

#include <QHash>
#include <QPointer>
#include <QWidget>
#include <functional>

namespace vorlo {

// Every window exists at most once: created on first use, the same one handed back afterwards.
// Windows that are discarded on close (Qt::WA_DeleteOnClose) drop out by themselves.
class Ventanas {
  public:
    // The window of type T, created (not shown) if it does not exist.
    template <class T> T *obtener() {
        QPointer<QWidget> &p = m_ventanas[&T::staticMetaObject];
        if (!p) {
            p = new T;
            if (m_alCrear)
                m_alCrear(p.data());
        }
        return static_cast<T *>(p.data());
    }
    // The window of type T if it exists, else nullptr.
    template <class T> T *existente() const {
        const QPointer<QWidget> p = m_ventanas.value(&T::staticMetaObject);
        return static_cast<T *>(p.data());
    }
    // Shows a window without blocking the others and brings it to the front.
    template <class T> T *mostrar() {
        T *v = obtener<T>();
        v->show();
        v->raise();
        v->activateWindow();
        return v;
    }
    // Deletes every window (for tests).
    void cerrarTodas();
    // Called with each window the register creates, once built (a case's pending inputs).
    void fijarAlCrear(std::function<void(QWidget *)> f) { m_alCrear = std::move(f); }
    // The windows that exist.
    QList<QWidget *> existentes() const;

  private:
    QHash<const QMetaObject *, QPointer<QWidget>> m_ventanas;
    std::function<void(QWidget *)> m_alCrear;
};

Ventanas &ventanas();

} // namespace vorlo

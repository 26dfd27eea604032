#include "box_watch.h"

#include <QApplication>
#include <QPushButton>

CBoxWatch::CBoxWatch()
{
    QObject::connect(&m_timer, &QTimer::timeout, [this] { Look(); });
    m_timer.start(10);
}

void CBoxWatch::Look()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* box = qobject_cast<QMessageBox*>(widget);
        if (box == nullptr || !box->isVisible())
            continue;
        if (!m_seen)
            m_seen = ShownBox{box->text(), box->windowTitle(), box->icon(), box->parentWidget(),
                              static_cast<int>(box->buttons().size())};
        if (QAbstractButton* ok = box->button(QMessageBox::Ok))
            ok->click();
    }
}

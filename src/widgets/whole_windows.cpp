#include "widgets/whole_windows.h"

#include <QApplication>
#include <QGuiApplication>
#include <QEvent>
#include <QVariant>
#include <QWidget>

#include "base/whole_device.h"

namespace {

// The size the window last gave itself, and the one given it here.
constexpr const char* kOwnSize = "glimmerjigOwnSize";
constexpr const char* kWholeSize = "glimmerjigWholeSize";

bool IsWindow(const QWidget& widget)
{
    switch (widget.windowType()) {
    case Qt::Window:
    case Qt::Dialog:
    case Qt::Sheet:
    case Qt::Tool:
        return true;
    default:
        return false;
    }
}

void FitToDevice(QWidget& window)
{
    const QSize current = window.size();
    QSize own = window.property(kOwnSize).toSize();
    if (current != window.property(kWholeSize).toSize())
        own = current;
    // The surface holds the frame Qt draws itself (title bar, shadow) where the compositor
    // draws none: the whole of it is what must be whole.
    const QSize frame = window.frameGeometry().size() - current;
    const qreal scale = window.devicePixelRatioF();
    const QSize whole = QSize(WholeOnDevice(own.width() + frame.width(), scale),
                              WholeOnDevice(own.height() + frame.height(), scale)) - frame;
    window.setProperty(kOwnSize, own);
    window.setProperty(kWholeSize, whole);
    if (whole == current)
        return;
    // A compositor may configure the size it had before the scale came: resized again, even
    // where the limits already hold.
    if (window.minimumSize() == window.maximumSize())
        window.setFixedSize(whole);
    window.resize(whole);
}

class CWholeWindows : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* object, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::Resize:
        case QEvent::Show:
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
        case QEvent::DevicePixelRatioChange:
#endif
            if (object->isWidgetType()) {
                auto* widget = static_cast<QWidget*>(object);
                if (widget->isWindow() && IsWindow(*widget))
                    FitToDevice(*widget);
            }
            break;
        default:
            break;
        }
        return false;
    }
};

}  // namespace

void KeepWindowsWholeOnDevice(QApplication& app)
{
    // An X server places windows on whole device pixels: the design size stays there.
    if (QGuiApplication::platformName() != QLatin1String("wayland"))
        return;
    app.installEventFilter(new CWholeWindows(&app));
}

#include "picture_control/text_frame.h"

#include <QFrame>

#include "picture_control/picture_text.h"

namespace {

constexpr int kOuterFrame = 3;
constexpr int kInnerEdge = 2;

// Fixed geometry rather than a layout, so a page that is still hidden has its final sizes.
QFrame* Frame(QWidget* parent, int shape, int lineWidth, const QRect& geometry)
{
    auto* frame = new QFrame(parent);
    frame->setFrameStyle(shape);
    frame->setLineWidth(lineWidth);
    frame->setGeometry(geometry);
    return frame;
}

QRect Inside(const QWidget* frame, int margin)
{
    return frame->rect().adjusted(margin, margin, -margin, -margin);
}

}  // namespace

CPictureText* FramedPictureText(QWidget* parent, const QRect& geometry, const QString& name)
{
    QFrame* outer = Frame(parent, QFrame::Panel | QFrame::Raised, kOuterFrame, geometry);
    outer->setObjectName(name);
    QFrame* inner = Frame(outer, QFrame::Panel | QFrame::Sunken, kInnerEdge, Inside(outer, kOuterFrame));
    auto* text = new CPictureText(inner);
    text->setGeometry(Inside(inner, kInnerEdge));
    return text;
}

#include "ui/text_frame.h"

#include <QFrame>
#include <QVBoxLayout>

#include "ui/picture_text.h"

namespace {

constexpr int kOuterFrame = 3;
constexpr int kInnerEdge = 2;

QFrame* Frame(QWidget* parent, int shape, int lineWidth)
{
    auto* frame = new QFrame(parent);
    frame->setFrameStyle(shape);
    frame->setLineWidth(lineWidth);
    auto* layout = new QVBoxLayout(frame);
    layout->setContentsMargins(lineWidth, lineWidth, lineWidth, lineWidth);
    return frame;
}

}  // namespace

CPictureText* FramedPictureText(QWidget* parent, const QRect& geometry, const QString& name)
{
    QFrame* outer = Frame(parent, QFrame::Panel | QFrame::Raised, kOuterFrame);
    outer->setObjectName(name);
    outer->setGeometry(geometry);
    QFrame* inner = Frame(outer, QFrame::Panel | QFrame::Sunken, kInnerEdge);
    outer->layout()->addWidget(inner);
    auto* text = new CPictureText(inner);
    inner->layout()->addWidget(text);
    return text;
}

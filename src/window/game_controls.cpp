// The game window's controls at their places, converted from dialog units.
#include <QButtonGroup>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QRadioButton>

#include "widgets/cell_button.h"
#include "widgets/control_names.h"
#include "widgets/dialog_units.h"
#include "widgets/framed_radio.h"
#include "window/board_layout.h"
#include "window/game_controls.h"

namespace {

constexpr int kCellUnits = 15;

template <typename Control>
Control* Place(Control* control, const QString& name, const QRect& rect)
{
    control->setObjectName(name);
    control->setGeometry(rect);
    return control;
}

constexpr QSize kToolButtonPixels(36, 20);

// Tool buttons are as large as their pictures, at the converted position.
CCellButton* ToolButton(QWidget* parent, const char* role, const char* caption, const QString& name,
                        int x, int y, Qt::FocusPolicy focus)
{
    auto* button = new CCellButton(QString::fromLatin1(caption), parent);
    button->setObjectName(QString::fromLatin1(role));
    button->move(dlu::X(x), dlu::Y(y));
    button->setFixedSize(kToolButtonPixels);
    button->setAccessibleName(name);
    button->setFocusPolicy(focus);
    return button;
}

CCellButton* Cell(QWidget* parent, const char* caption, const QString& name, QPoint origin)
{
    auto* cell = new CCellButton(QString::fromLatin1(caption), parent);
    Place(cell, name, dlu::Rect(origin.x(), origin.y(), kCellUnits, kCellUnits));
    cell->setFixedSize(board_layout::kCellPixels, board_layout::kCellPixels);
    cell->setFocusPolicy(Qt::ClickFocus);
    return cell;
}

}  // namespace

void CGameControls::Create(QWidget* window)
{
    CreateLeftPanel(window);
    CreateBoard(window);
}

void CGameControls::CreateBoard(QWidget* window)
{
    using namespace board_layout;
    for (int column = 1; column <= kColumns; ++column) {
        for (int height = 1; height <= column; ++height) {
            const auto spoken = [column, height](const char* what) {
                return tr(what).arg(column).arg(height);
            };
            const int code = 10 * column + height;
            // Named after what they show: a yellow smiley or an empty cell; a cyan sad face
            // for a smiley taken, a white smiley for one still standing.
            m_smileys[code] = Cell(window, "myimage", control_name::Smiley(column, height), SmileyOrigin(column, height));
            m_smileys[code]->SetSpokenNames(spoken(QT_TR_NOOP("smiley, column %1, height %2")),
                                            spoken(QT_TR_NOOP("empty, column %1, height %2")));
            m_mirrors[code] = Cell(window, "image", control_name::Mirror(column, height), MirrorOrigin(column, height));
            m_mirrors[code]->SetSpokenNames(spoken(QT_TR_NOOP("taken smiley, column %1, height %2")),
                                            spoken(QT_TR_NOOP("smiley not taken, column %1, height %2")));
        }
    }
}

void CGameControls::CreateLeftPanel(QWidget* window)
{
    auto* group = new QFrame(window);
    group->setObjectName(QStringLiteral("settings"));
    group->setGeometry(dlu::Rect(1, 28, 46, 137));
    group->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    group->setAccessibleName(tr("level, score and board size"));

    m_help = ToolButton(window, control_name::kHelp, "HELP", tr("Help"), 1, 1, Qt::StrongFocus);
    m_soundButton = ToolButton(window, control_name::kSound, "SOUND", tr("Sound"), 26, 1, Qt::ClickFocus);
    m_demo = ToolButton(window, control_name::kDemo, "Demo", tr("Demo"), 1, 15, Qt::ClickFocus);
    m_hint = ToolButton(window, control_name::kHint, "Hint", tr("Hint"), 26, 15, Qt::StrongFocus);

    auto* levels = new QLabel(QStringLiteral(" I    II   III  "), window);
    levels->setObjectName(QStringLiteral("levels"));
    levels->setGeometry(dlu::Rect(9, 36, 28, 8));
    levels->setTextFormat(Qt::PlainText);
    levels->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    levels->setAccessibleName(tr("levels I, II, III"));

    // Each radio group is exclusive on its own.
    auto* levelGroup = new QButtonGroup(window);
    static constexpr const char* kLevelNames[] = {QT_TR_NOOP("level I"), QT_TR_NOOP("level II"),
                                                  QT_TR_NOOP("level III")};
    for (int i = 0; i < 3; ++i) {
        auto* button = new QRadioButton(QStringLiteral("level%1").arg(i + 1), window);
        Place(button, control_name::Level(i + 1), dlu::Rect(9 + 10 * i, 44, 10, 10));
        button->setAccessibleName(tr(kLevelNames[i]));
        button->setFocusPolicy(i == 0 ? Qt::StrongFocus : Qt::ClickFocus);
        levelGroup->addButton(button);
        m_levelButtons[i] = button;
    }

    m_score = Place(new QLineEdit(window), QString::fromLatin1(control_name::kScore), dlu::Rect(8, 55, 32, 14));
    m_score->setReadOnly(true);
    // A read-only edit box is painted like static text on the dialog's grey.
    QPalette scorePalette = m_score->palette();
    scorePalette.setColor(QPalette::Base, scorePalette.color(QPalette::Window));
    m_score->setPalette(scorePalette);
    m_score->setAlignment(Qt::AlignCenter);
    m_score->setFocusPolicy(Qt::ClickFocus);
    m_score->setContextMenuPolicy(Qt::NoContextMenu);
    m_score->setAccessibleName(tr("score"));

    auto* sizeGroup = new QButtonGroup(window);
    static constexpr int kSizeTops[] = {70, 82, 95, 108, 121, 135};
    for (int i = 0; i < 6; ++i) {
        auto* button = new CFramedRadio(QStringLiteral("  %1").arg(i + 4), window);
        Place(button, control_name::BoardSize(i + 4), dlu::Rect(12, kSizeTops[i], 24, 12));
        button->setAccessibleName(tr("board size %1").arg(i + 4));
        button->setFocusPolicy(Qt::ClickFocus);
        sizeGroup->addButton(button);
        m_sizeButtons[i] = button;
    }

    m_back = ToolButton(window, control_name::kBack, "Back", tr("Back"), 12, 148, Qt::StrongFocus);
}

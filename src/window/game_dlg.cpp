#include "window/game_dlg.h"

#include <QAbstractButton>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QRadioButton>

#include "assets/game_icon.h"
#include "widgets/cell_button.h"
#include "widgets/classic_look.h"
#include "widgets/dialog_units.h"
#include "widgets/dialog_keys.h"

namespace {

constexpr int kDialogWidth = 211;
constexpr int kDialogHeight = 167;

}  // namespace

CGameDlg::CGameDlg(SoundOutput sound, LaunchFunction launch)
    : QDialog(nullptr), m_sound(sound), m_flow(*this),
      m_boxCommands(this, sound, launch, [this] { CloseAfterCommand(); })
{
    CreateControls();
    // Icon 128, the 32 x 32 face with a transparent surround, among the other sizes of its set.
    setWindowIcon(GameIcon());
    ConnectCommands();
    TrackMotion();
    m_controls.m_help->setFocus();
    Run([this] { m_flow.Start(); });
}

CGameDlg::~CGameDlg() = default;

void CGameDlg::CreateControls()
{
    setWindowTitle(QStringLiteral("Glimmerjig"));
    // A minimised window is named by its icon text: without it screen readers call it nothing.
    setWindowIconText(windowTitle());
    setFixedSize(dlu::X(kDialogWidth), dlu::Y(kDialogHeight));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    m_controls.Create(this);
}

CCellButton* CGameDlg::SmileyCell(int column, int height) const
{
    const int code = 10 * column + height;
    return code >= 0 && code < 100 && height >= 1 && height <= 9 ? m_controls.m_smileys[code] : nullptr;
}

CCellButton* CGameDlg::MirrorCell(int column, int height) const
{
    const int code = 10 * column + height;
    return code >= 0 && code < 100 && height >= 1 && height <= 9 ? m_controls.m_mirrors[code] : nullptr;
}

void CGameDlg::ConnectCommands()
{
    for (int code = 0; code < 100; ++code) {
        if (m_controls.m_smileys[code])
            connect(m_controls.m_smileys[code], &QAbstractButton::clicked, this, [this, code] { OnCellClicked(code); });
    }
    for (int i = 0; i < 6; ++i)
        connect(m_controls.m_sizeButtons[i], &QAbstractButton::clicked, this, [this, i] { Run([this, i] { m_flow.NewGame(i + 4); }); });
    for (int i = 0; i < 3; ++i)
        connect(m_controls.m_levelButtons[i], &QAbstractButton::clicked, this, [this, i] { Run([this, i] { m_flow.OnLevel(i + 1); }); });
    connect(m_controls.m_help, &QAbstractButton::clicked, this, [this] { Run([this] { m_boxCommands.OnHelp(); }); });
    connect(m_controls.m_demo, &QAbstractButton::clicked, this, [this] { Run([this] { m_flow.OnDemo(); }); });
    connect(m_controls.m_hint, &QAbstractButton::clicked, this, [this] { Run([this] { m_flow.OnHint(); }); });
    connect(m_controls.m_back, &QAbstractButton::clicked, this, [this] { Run([this] { m_flow.OnBack(); }); });
    connect(m_controls.m_soundButton, &QAbstractButton::clicked, this, [this] { Run([this] { m_flow.OnSound(); }); });
}

void CGameDlg::OnCellClicked(int code)
{
    // A click that waited behind a command which took this smiley meanwhile is ignored by
    // the flow itself.
    Run([this, code] { m_flow.PlayerMove(code); });
}

void CGameDlg::Run(std::function<void()> command)
{
    if (m_bCloseRequested)
        return;
    m_commands.Submit(std::move(command));
    if (m_commands.Busy())
        return;
    SyncRadioButtons();
    m_boardKeys.UpdateBoardStop(focusWidget());
    if (m_bCloseRequested) {
        m_bCloseRequested = false;
        QDialog::reject();
    }
}

void CGameDlg::SyncRadioButtons()
{
    // A click on a radio button checks it at once, even while it waits for its command.
    if (m_nSize >= 0)
        m_controls.m_sizeButtons[m_nSize]->setChecked(true);
    if (m_nLevel >= 0)
        m_controls.m_levelButtons[m_nLevel]->setChecked(true);
}

void CGameDlg::CloseAfterCommand()
{
    m_bCloseRequested = true;
    m_commands.DropPending();
}

void CGameDlg::reject()
{
    if (m_commands.Busy()) {
        // Also a sign of the player, so a running demo ends and lets the window close.
        m_demoWatch.NoteClose();
        CloseAfterCommand();
        return;
    }
    QDialog::reject();
}

void CGameDlg::keyPressEvent(QKeyEvent* event)
{
    // Enter, the key of the dialog's default command, does nothing here; Esc closes, and so
    // does Ctrl+Q. F1 is a press of the Help button: a command like the button's click.
    if (IsEnterKey(event))
        return;
    if (IsQuitKey(event)) {
        reject();
        return;
    }
    if (event->keyCombination() == QKeyCombination(Qt::Key_F1)) {
        m_controls.m_help->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void CGameDlg::OfferWindowMenu(const QPoint& globalPos)
{
    if (m_commands.Busy())
        return;
    if (!m_windowMenu) {
        // What the window manager's own menu offers elsewhere. It does not block: its items
        // run as commands.
        m_windowMenu = new QMenu(this);
        // Hinted to the pixel grid, the grave of a French "À" ends a row above its capital; with
        // the desktop's slight hinting a third-covered pixel joins them on the grey face.
        QFont font = SelfSizedFont();
        font.setHintingPreference(QFont::PreferFullHinting);
        m_windowMenu->setFont(font);
        m_windowMenu->addAction(tr("&Minimize"), this, &QWidget::showMinimized);
        m_windowMenu->addAction(tr("&Close"), this, &CGameDlg::reject);
        m_windowMenu->addSeparator();
        m_windowMenu->addAction(tr("&About Game   G l i m m e r j i g…"), this,
                                [this] { Run([this] { m_boxCommands.OnAbout(); }); });
    }
    m_windowMenu->popup(globalPos);
}

void CGameDlg::TrackMotion()
{
    setMouseTracking(true);
    installEventFilter(this);
    for (QWidget* child : findChildren<QWidget*>()) {
        child->setMouseTracking(true);
        child->installEventFilter(this);
    }
}

bool CGameDlg::eventFilter(QObject* watched, QEvent* event)
{
    m_demoWatch.NoteInput(event);
    m_boardKeys.NoteInput(watched, event);
    if (m_demoWatch.EndsTheDemo(event))
        return true;
    // Taken here for every control, since a disabled one (an empty cell, a mirror) would
    // swallow it rather than pass it on to the window.
    if (event->type() == QEvent::ContextMenu) {
        OfferWindowMenu(static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    }
    if (event->type() == QEvent::KeyPress &&
        m_boardKeys.MoveOnBoard(watched, static_cast<QKeyEvent*>(event)->key()))
        return true;
    return QDialog::eventFilter(watched, event);
}

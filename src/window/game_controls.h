#pragma once

#include <QCoreApplication>
#include <array>

class CCellButton;
class QLineEdit;
class QRadioButton;
class QWidget;

// The game window's controls, made at their places in dialog units: the tool buttons, the
// level and size buttons, the score box, and the board of 45 smiley cells and their 45
// mirrors. The window owns them (they are its children); this keeps them at hand by role.
struct CGameControls {
    Q_DECLARE_TR_FUNCTIONS(CGameControls)

public:
    // Makes the controls as children of window, in their tab order: the left panel first.
    void Create(QWidget* window);

    std::array<CCellButton*, 100> m_smileys{};  // by cell code
    std::array<CCellButton*, 100> m_mirrors{};  // by the code of the smiley mirrored
    CCellButton* m_help = nullptr;
    CCellButton* m_soundButton = nullptr;
    CCellButton* m_demo = nullptr;
    CCellButton* m_hint = nullptr;
    CCellButton* m_back = nullptr;
    std::array<QRadioButton*, 3> m_levelButtons{};
    std::array<QRadioButton*, 6> m_sizeButtons{};
    QLineEdit* m_score = nullptr;

private:
    void CreateLeftPanel(QWidget* window);
    void CreateBoard(QWidget* window);
};

#pragma once
// The main window: the hoist down the left edge, the section buttons, the
// meaning line and the four keyboards. It holds no state of its own: every
// event goes to the engine, and the window then shows what changed.

#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <array>

#include "codebook/codebook.h"
#include "exit_question.h"
#include "signals/engine.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace mss::forms {

class AnimatedLabel;
class FaceButton;
class FlagPictureBox;
class KeyboardFrame;

class tolm : public QWidget {
public:
    explicit tolm(const codebook::CodeBook& book, ExitQuestion ask = askWithMessageBox);
    ~tolm() override;

    // Start-up: what the window does once it is created and before it shows.
    void Form_Load();

    // Event handlers, as the controls raise them.
    void Command_Click(int command);
    void Option_Click(int option);
    void Timer_Timer(int timer);
    void Combo_Activated(codebook::ListId list, int row);  // the user's own pick in a list

    const signals::Engine& engine() const { return engine_; }

    QPushButton* command(int n) const { return commands_.at(static_cast<std::size_t>(n)); }
    FaceButton* option(int n) const { return options_.at(static_cast<std::size_t>(n - 1)); }
    QComboBox* combo(codebook::ListId list) const { return combos_.at(static_cast<std::size_t>(list)); }
    FlagPictureBox* picture(int n) const;  // Picture1, Picture2, Picture3, Picture5
    KeyboardFrame* frame(int n) const { return frames_.at(static_cast<std::size_t>(n - 1)); }
    QTimer* timer(int n) { return &timers_.at(static_cast<std::size_t>(n - 1)); }
    QLabel* label1() const { return label1_; }
    // The client area: the window's own surface inside its frame and caption.
    QWidget* clientArea() const { return client_; }
    AnimatedLabel* aniLabel1() const { return aniLabel1_; }

protected:
    void closeEvent(QCloseEvent*) override;
    void keyPressEvent(QKeyEvent*) override;

private:
    void createControls(const codebook::CodeBook& book);
    void createKeyboards();
    void applyTabOrder();
    QWidget* element(signals::Element e) const;
    void showList(codebook::ListId list);
    void project(signals::Changes changes);
    void projectAll();

    signals::Engine engine_;
    ExitQuestion ask_;
    QWidget* client_ = nullptr;
    std::array<QPushButton*, 153> commands_{};
    std::array<FaceButton*, 6> options_{};
    std::array<QComboBox*, 6> combos_{};
    std::array<FlagPictureBox*, 4> pictures_{};  // 1, 2, 3, 5
    std::array<KeyboardFrame*, 4> frames_{};
    std::array<QTimer, 3> timers_;
    QLabel* label1_ = nullptr;
    QLabel* image1_ = nullptr;
    AnimatedLabel* aniLabel1_ = nullptr;
};

}  // namespace mss::forms

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window: the hoist down the left edge, the section buttons, the
// meaning line and the four keyboards. It holds no state of its own: every
// event goes to the engine, and the window then shows what changed.

#include <QTimer>
#include <QWidget>

#include <array>

#include "codebook/codebook.h"
#include "engine/engine.h"
#include "forms/shared/yes_no_question.h"

class QLabel;

namespace mss::forms {

class AnimatedLabel;
class HoistView;
class KeyboardPanel;
class MeaningLine;
class SectionButtons;

class FaceButton;

class MainWindow : public QWidget {
    Q_OBJECT

public:
    explicit MainWindow(const codebook::CodeBook& book, YesNoQuestion ask = askWithMessageBox);
    ~MainWindow() override;

    // Start-up: what the window does once it is created and before it shows.
    void load();

    // What the learner does, as the controls report it.
    void keyPressed(engine::KeyId key);
    void sectionChosen(engine::Section section);
    void slideTimerTicked(engine::SlideTimer timer);
    void rowPicked(codebook::CodeList list, int row);  // the learner's own pick in a list

    const engine::Engine& engine() const { return engine_; }

    KeyboardPanel& keyboards() const { return *keyboards_; }
    HoistView& hoist() const { return *hoist_; }
    MeaningLine& meaningLine() const { return *meaningLine_; }
    SectionButtons& sections() const { return *sections_; }
    QTimer* slideTimer(engine::SlideTimer t) { return &timers_[engine::slotOf(t)]; }
    QLabel* tablesNote() const { return tablesNote_; }
    FaceButton* drillButton() const { return drillButton_; }
    FaceButton* searchButton() const { return searchButton_; }
    // The client area: the window's own surface inside its frame and caption.
    QWidget* clientArea() const { return client_; }
    AnimatedLabel* title() const { return title_; }

Q_SIGNALS:
    // The learner asks for the drill («Тренировка», F2), the exam (F3) or the search
    // («Поиск», Ctrl+F); whoever made the window opens them.
    void drillRequested();
    void examRequested();
    void searchRequested();

protected:
    void closeEvent(QCloseEvent*) override;
    void keyPressEvent(QKeyEvent*) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void applyTabOrder();
    void setOnView(engine::Element e, bool onView);
    // The flag of `widget` if it is a flag key of `keyboard`, else -1.
    int flagOfKey(const QWidget* widget, engine::Keyboard keyboard) const;
    void project(engine::Changes changes);

    engine::Engine engine_;
    YesNoQuestion ask_;
    QWidget* client_ = nullptr;
    AnimatedLabel* title_ = nullptr;
    QLabel* ship_ = nullptr;
    HoistView* hoist_ = nullptr;
    SectionButtons* sections_ = nullptr;
    QLabel* tablesNote_ = nullptr;
    MeaningLine* meaningLine_ = nullptr;
    KeyboardPanel* keyboards_ = nullptr;
    FaceButton* drillButton_ = nullptr;
    FaceButton* searchButton_ = nullptr;
    std::array<QTimer, engine::kSlideTimers.size()> timers_;
};

}  // namespace mss::forms

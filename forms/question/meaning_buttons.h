// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The four meanings to choose from, one under the other, numbered 1 to 4,
// each with the mark of a reconstructed text where it has one. A choice by
// click, by its number or by a screen reader comes out as chosen.

#include <QStringList>
#include <QWidget>

#include <array>
#include <vector>

class QPushButton;

namespace mss::forms {

class FaceButton;
class ReconstructedMark;

class MeaningButtons : public QWidget {
    Q_OBJECT

public:
    static constexpr int kCount = 4;

    explicit MeaningButtons(QWidget* parent);

    // Shows the texts (up to four) and which of them are reconstructed.
    void show(const QStringList& texts, const std::vector<bool>& reconstructed);
    // After the answer: the right meaning stands out.
    void showRight(int place);

    QPushButton* button(int place) const;
    ReconstructedMark* mark(int place) const { return marks_.at(static_cast<std::size_t>(place)); }
    int count() const { return shown_; }

Q_SIGNALS:
    void chosen(int place);

private:
    std::array<FaceButton*, kCount> buttons_{};
    std::array<ReconstructedMark*, kCount> marks_{};
    int shown_ = 0;
};

}  // namespace mss::forms

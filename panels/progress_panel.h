// The progress panel beside the figure: for the function chosen in it (or for placing angles), the
// sixteen standard angles on a small circle, each marked by its level in colour and by a symbol
// of its own, the same sixteen in a list that a screen reader reads in words ("sine at 2 pi over
// 3: mastered"), the levels counted per function, and what is due now. It follows the practice
// history as answers are given, and names angles in the unit the circle view shows.
#pragma once

#include "trig/mastery.h"

#include <QPointer>
#include <QWidget>

class OrbelView;
class PracticeHistory;
class QComboBox;
class QLabel;
class QListWidget;

class ProgressPanel : public QWidget
{
    Q_OBJECT

public:
    explicit ProgressPanel(QWidget *parent = nullptr);

    void setOrbelView(OrbelView *view);
    void setHistory(PracticeHistory *history);

    // The choice of the panel: 0 to 5 the functions in the order of figure::Circular, 6 places.
    QComboBox *chooser() const { return built().m_chooser; }
    QListWidget *angles() const { return built().m_angles; }
    QLabel *countsLabel() const { return built().m_counts; }
    QLabel *dueLabel() const { return built().m_due; }
    QWidget *circle() const { return built().m_circle; }

    void setVisible(bool visible) override;

    // "sine at 2 pi over 3: mastered", "placing 3 pi over 2: new"; shown is the figure's notation.
    struct Text
    {
        QString shown;
        QString spoken;
    };
    Text skillText(const mastery::Skill &skill) const;
    QString levelText(mastery::Level level) const;

protected:
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    // The panel's contents are made when it is first shown or asked for: most runs never show
    // it, and its list and chooser would load code and fonts into every start.
    const ProgressPanel &built() const;
    void build();
    void refresh();
    void retranslate();
    Text angleText(int degrees) const;

    QPointer<OrbelView> m_view;
    QPointer<PracticeHistory> m_history;
    int m_unit = -1;

    QLabel *m_title = nullptr;
    QComboBox *m_chooser = nullptr;
    QWidget *m_circle = nullptr;
    QListWidget *m_angles = nullptr;
    QLabel *m_counts = nullptr;
    QLabel *m_due = nullptr;
};

// The values panel beside the figure: the six circular functions of theta (exact at the standard
// angles, three decimals elsewhere, "undefined" where a function has none), the quadrant and the
// reference angle in the unit shown. It follows every change of the circle view's angle and unit.
#pragma once

#include <QPointer>
#include <QWidget>

class OrbelView;
class QLabel;
class QSpacerItem;

class ValuesPanel : public QWidget
{
    Q_OBJECT

public:
    explicit ValuesPanel(QWidget *parent = nullptr);

    void setOrbelView(OrbelView *view);

    // The lines in order: sin, cos, tan, cot, sec, csc, the quadrant, the reference angle.
    QList<QLabel *> lines() const { return m_lines; }

    // As wide as the widest line it can show in its language, whatever it shows now, so that
    // the circle beside it keeps its size and place as the angle moves.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void refresh();
    // Measured when first asked for, and again after a change of language or font: a panel
    // that stays hidden measures nothing.
    void updateWidth();
    int measuredWidth() const;

    QPointer<OrbelView> m_view;
    QList<QLabel *> m_lines;
    QSpacerItem *m_gap = nullptr;
    mutable int m_width = -1;
};

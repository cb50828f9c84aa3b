// The layout of the window's two views: the circle above, the graph's panel below it when shown.
// The graph takes a third of the height the two views share (at least its minimum, and never so
// much that the circle falls below its own), so that it grows with the window as the figure does;
// at the designed size, a 640 x 480 circle, that third is the graph's designed 240 pixels.
#pragma once

#include <QLayout>
#include <QList>

class ViewsLayout : public QLayout
{
    Q_OBJECT

public:
    // figure (the circle, with what stands beside it) and panel are laid out; graph is the view
    // inside panel whose height is shared out. The layout takes figure; the widgets stay where
    // they are in the widget tree.
    ViewsLayout(QLayoutItem *figure, QWidget *panel, QWidget *graph);
    ~ViewsLayout() override;

    // The graph's height for views sharing height pixels (what is left of the panel's height
    // after its own row of controls), given the least each view may have.
    static int graphHeightFor(int height, int graphMinimum, int circleMinimum);

    // On a screen much wider than tall (full screen, a projector) the graph may stand beside the
    // circle instead, so that the circle has the whole height: the figure takes a square and the
    // room its side panels need, the graph what is left (at least graphMinimum).
    void setGraphBesideWhenWide(bool beside);
    bool graphBesideWhenWide() const { return m_beside; }
    static bool isWide(const QSize &size) { return size.width() * 5 >= size.height() * 7; }
    static int figureWidthBeside(int width, int height, int besidePanels, int gap,
                                 int graphMinimum);

    void addItem(QLayoutItem *item) override;
    int count() const override;
    QLayoutItem *itemAt(int index) const override;
    QLayoutItem *takeAt(int index) override;
    QSize sizeHint() const override;
    QSize minimumSize() const override;
    Qt::Orientations expandingDirections() const override;
    void setGeometry(const QRect &rect) override;

private:
    // The height of the panel beyond the graph: its row of curves and its spacing.
    int panelExtra() const;

    QList<QLayoutItem *> m_items;
    QWidget *m_panel;
    QWidget *m_graph;
    bool m_beside = false;
};

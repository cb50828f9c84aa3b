// The circle and the graph sharing the window's height, the graph by a third.
#include "app/views_layout.h"

#include <QWidget>
#include <QWidgetItem>

#include <algorithm>
#include <cmath>

ViewsLayout::ViewsLayout(QLayoutItem *figure, QWidget *panel, QWidget *graph)
    : m_panel(panel)
    , m_graph(graph)
{
    setContentsMargins(0, 0, 0, 0);
    if (QLayout *row = figure->layout())
        addChildLayout(row);
    m_items.append(figure);
    m_items.append(new QWidgetItem(panel));
}

ViewsLayout::~ViewsLayout()
{
    qDeleteAll(m_items);
}

int ViewsLayout::graphHeightFor(int height, int graphMinimum, int circleMinimum)
{
    const int third = int(std::lround(height / 3.0));
    return std::max(graphMinimum, std::min(third, height - circleMinimum));
}

void ViewsLayout::setGraphBesideWhenWide(bool beside)
{
    if (beside == m_beside)
        return;
    m_beside = beside;
    invalidate();
}

int ViewsLayout::figureWidthBeside(int width, int height, int besidePanels, int gap,
                                   int graphMinimum)
{
    return std::max(0, std::min(height + besidePanels, width - gap - graphMinimum));
}

void ViewsLayout::addItem(QLayoutItem *item)
{
    m_items.append(item);
}

int ViewsLayout::count() const
{
    return int(m_items.size());
}

QLayoutItem *ViewsLayout::itemAt(int index) const
{
    return index >= 0 && index < m_items.size() ? m_items.at(index) : nullptr;
}

QLayoutItem *ViewsLayout::takeAt(int index)
{
    return index >= 0 && index < m_items.size() ? m_items.takeAt(index) : nullptr;
}

int ViewsLayout::panelExtra() const
{
    return std::max(0, m_panel->sizeHint().height() - m_graph->sizeHint().height());
}

QSize ViewsLayout::sizeHint() const
{
    QSize size = m_items.value(0) ? m_items.at(0)->sizeHint() : QSize();
    if (QLayoutItem *panel = m_items.value(1); panel && !panel->isEmpty()) {
        const QSize below = panel->sizeHint();
        size = QSize(std::max(size.width(), below.width()),
                     size.height() + std::max(0, spacing()) + below.height());
    }
    return size;
}

QSize ViewsLayout::minimumSize() const
{
    QSize size = m_items.value(0) ? m_items.at(0)->minimumSize() : QSize();
    if (QLayoutItem *panel = m_items.value(1); panel && !panel->isEmpty()) {
        const QSize below = panel->minimumSize();
        size = QSize(std::max(size.width(), below.width()),
                     size.height() + std::max(0, spacing()) + below.height());
    }
    return size;
}

Qt::Orientations ViewsLayout::expandingDirections() const
{
    return Qt::Horizontal | Qt::Vertical;
}

void ViewsLayout::setGeometry(const QRect &rect)
{
    QLayout::setGeometry(rect);
    if (m_items.size() < 2)
        return;
    QLayoutItem *circle = m_items.at(0);
    QLayoutItem *panel = m_items.at(1);
    if (panel->isEmpty()) {
        circle->setGeometry(rect);
        return;
    }
    const int gap = std::max(0, spacing());
    const int extra = panelExtra();
    const int shared = rect.height() - gap - extra;
    const int graphMinimum
        = std::max(m_graph->minimumHeight(), m_graph->minimumSizeHint().height());
    const int graph = graphHeightFor(shared, graphMinimum, circle->minimumSize().height());
    const int circleHeight = std::max(0, shared - graph);
    // What stands beside the circle in its row: the row's designed width beyond the circle's.
    const int besidePanels = std::max(0, circle->sizeHint().width() - 640);
    const int figure = figureWidthBeside(rect.width(), rect.height(), besidePanels, gap,
                                         std::max(400, m_panel->minimumSizeHint().width()));
    // Beside only where the circle gains by it: on a narrow screen the panels would squeeze it.
    const int sideBelow = std::min(circleHeight, rect.width() - besidePanels);
    const int sideBeside = std::min(rect.height(), figure - besidePanels);
    if (m_beside && isWide(rect.size()) && sideBeside > sideBelow) {
        circle->setGeometry(QRect(rect.left(), rect.top(), figure, rect.height()));
        panel->setGeometry(QRect(rect.left() + figure + gap, rect.top(),
                                 rect.width() - figure - gap, rect.height()));
        return;
    }
    circle->setGeometry(QRect(rect.left(), rect.top(), rect.width(), circleHeight));
    panel->setGeometry(
        QRect(rect.left(), rect.top() + circleHeight + gap, rect.width(), graph + extra));
}
